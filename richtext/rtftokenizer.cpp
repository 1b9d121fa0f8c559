#include "rtftokenizer.h"

#include <algorithm>

namespace tablicznik::rtf {
namespace {

bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Characters that RTF does not treat as text: the three specials and the
// control characters (line breaks in particular), except the tab.
bool endsText(char16_t c)
{
    return c == u'{' || c == u'}' || c == u'\\' || (c < 0x20 && c != u'\t');
}

} // namespace

Token Tokenizer::next()
{
    const qsizetype size = m_input.size();
    while (m_pos < size) {
        const char16_t c = m_input[m_pos].unicode();
        if (c == u'{') {
            ++m_pos;
            return {TokenKind::GroupOpen, {}};
        }
        if (c == u'}') {
            ++m_pos;
            return {TokenKind::GroupClose, {}};
        }
        if (c == u'\\')
            return controlWord();
        if (endsText(c)) {
            ++m_pos;
            continue;
        }
        const qsizetype start = m_pos;
        while (m_pos < size && !endsText(m_input[m_pos].unicode()))
            ++m_pos;
        return {TokenKind::Text, m_input.sliced(start, m_pos - start)};
    }
    return {};
}

Token Tokenizer::controlWord()
{
    const qsizetype size = m_input.size();
    ++m_pos; // the backslash
    if (m_pos >= size)
        return {};
    const char16_t first = m_input[m_pos].unicode();

    if (!isAsciiLetter(first)) {
        ++m_pos;
        if (first != u'\'')
            return {TokenKind::ControlSymbol, {}, int(first)};
        int byte = 0;
        int digits = 0;
        for (; digits < 2 && m_pos < size; ++digits, ++m_pos) {
            const int value = hexValue(m_input[m_pos].unicode());
            if (value < 0)
                break;
            byte = byte * 16 + value;
        }
        if (digits < 2)
            return {TokenKind::ControlSymbol, {}, int(u'\'')};
        return {TokenKind::HexByte, {}, byte};
    }

    const qsizetype start = m_pos;
    while (m_pos < size && isAsciiLetter(m_input[m_pos].unicode()))
        ++m_pos;
    Token token{TokenKind::ControlWord, m_input.sliced(start, m_pos - start)};

    bool negative = false;
    if (m_pos + 1 < size && m_input[m_pos] == u'-' && isDigit(m_input[m_pos + 1].unicode())) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_input[m_pos].unicode())) {
        long long value = 0;
        for (; m_pos < size && isDigit(m_input[m_pos].unicode()); ++m_pos)
            if (value < kMaxParameter)
                value = value * 10 + (m_input[m_pos].unicode() - u'0');
        if (value > kMaxParameter)
            value = kMaxParameter;
        token.hasParameter = true;
        token.parameter = int(negative ? -value : value);
    }
    if (m_pos < size && m_input[m_pos] == u' ')
        ++m_pos;
    return token;
}

void Tokenizer::skip(qsizetype count)
{
    if (count > 0)
        m_pos += std::min(count, m_input.size() - m_pos);
}

} // namespace tablicznik::rtf
