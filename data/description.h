#pragma once

#include <QByteArray>
#include <QString>

namespace tablicznik {

// An element's description, a complete RTF document. The catalogue keeps it
// as the bytes of its file (Windows-1250, one character a byte) and decodes
// it when it is read: a card shows one document at a time, so the others
// cost neither a decoded copy nor, for the program's own resources, a read.
class Description {
public:
    Description() = default;
    explicit Description(QByteArray windows1250) : m_bytes(std::move(windows1250)) {}
    Description(QString text) : m_text(std::move(text)) {} // an already decoded document

    // The document in Unicode, its heading renamed when one is set.
    QString text() const;
    qsizetype size() const { return m_text.isNull() ? m_bytes.size() : m_text.size(); } // in characters
    bool isEmpty() const { return size() == 0; }

    // The same document, each "written" replaced by "shown" when it is read.
    Description renamed(const QString &written, const QString &shown) const;

    friend bool operator==(const Description &a, const Description &b) { return a.text() == b.text(); }

private:
    QByteArray m_bytes;
    QString m_text;
    QString m_written, m_shown;
};

// Windows-1250 bytes as Unicode text; every byte is a character.
QString decodeWindows1250(QByteArrayView bytes);

} // namespace tablicznik
