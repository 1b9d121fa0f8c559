#pragma once

#include <QTextEdit>

namespace tablicznik {

// A read-only view of one rich-text document: a small value on the details
// pages or an element description on the card. Borderless, silver, with the
// arrow pointer; text can still be selected and copied. Both scroll bars are
// off until the owner asks for one (setVerticalScrollBarPolicy).
class RichTextView : public QTextEdit {
    Q_OBJECT
    // Every paragraph centred after each load, whatever the document says.
    Q_PROPERTY(bool centred READ isCentred WRITE setCentred)

public:
    explicit RichTextView(QWidget *parent = nullptr);

    // Replaces the whole content with the RTF document and shows its beginning.
    void load(const QString &rtf);

    // The blank around the text, in pixels: a pixel unless set otherwise.
    qreal textMargin() const { return m_textMargin; }
    void setTextMargin(qreal pixels);

    bool isCentred() const { return m_centred; }
    // Takes effect at once: the current document is read again.
    void setCentred(bool centred);

private:
    void centreParagraphs();

    QString m_rtf;
    bool m_centred = false;
    qreal m_textMargin;
};

} // namespace tablicznik
