#include "description.h"

#include "cp1250.h"

namespace tablicznik {

QString decodeWindows1250(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(cp1250ToUnicode(static_cast<unsigned char>(bytes[i])));
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
