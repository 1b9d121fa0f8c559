#include "description.h"

#include "cp1250.h"

#include <cstring>

namespace tablicznik {

QString decodeWindows1250(QByteArrayView bytes)
{
    QString text = QString::fromLatin1(bytes); // right for every byte below 0x80, nearly all of them
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    QChar *out = nullptr;
    for (qsizetype i = 0; i < size;) {
        // Eight plain ASCII bytes at a time.
        if (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, in + i, sizeof word);
            if (!(word & 0x8080808080808080ULL)) {
                i += 8;
                continue;
            }
        }
        if (in[i] >= 0x80) {
            if (!out)
                out = text.data(); // detaches once
            out[i] = QChar(cp1250ToUnicode(in[i]));
        }
        ++i;
    }
    return text;
}

QString Description::text() const
{
    QString text = m_text.isNull() ? decodeWindows1250(m_bytes) : m_text;
    if (!m_written.isEmpty())
        text.replace(m_written, m_shown);
    return text;
}

Description Description::renamed(const QString &written, const QString &shown) const
{
    Description copy = *this;
    copy.m_written = written;
    copy.m_shown = shown;
    return copy;
}

} // namespace tablicznik
