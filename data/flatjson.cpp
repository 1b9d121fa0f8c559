#include "flatjson.h"

#include <cmath>
#include <cstring>

namespace tablicznik {

namespace {

// A small reader that accepts what QJsonDocument accepts, without building a
// document: the records are flat, and reading them was most of what the
// start-up did off the main thread. Like Qt's reader, and unlike the strict
// grammar, it takes control characters in strings, an unknown escape of a
// plain character as that character, and numbers such as "1." and ".5", so
// that a file that loaded before still loads.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_p(bytes.data()), m_begin(bytes.data()), m_end(bytes.data() + bytes.size()) {}

    FlatJson read()
    {
        FlatJson result;
        if (m_end - m_p >= 3 && QByteArrayView(m_p, 3) == "\xEF\xBB\xBF")
            m_p += 3;
        skipBlanks();
        const bool object = m_p < m_end && *m_p == '{';
        JsonMember lone;
        bool ok = object ? readObject(&result.members, 0) : readValue(lone, 0);
        skipBlanks();
        ok = ok && m_p == m_end;
        result.outcome = !ok ? FlatJson::Malformed : object ? FlatJson::Object : FlatJson::NotAnObject;
        if (!ok) {
            result.errorOffset = m_p - m_begin;
            result.members.clear();
        }
        return result;
    }

private:
    static constexpr int kDeepest = 512; // nested arrays and objects

    void skipBlanks()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n' || *m_p == '\r'))
            ++m_p;
    }
    bool take(char c)
    {
        skipBlanks();
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }

    // One value at m_p: a string or a number is kept in `value`, anything
    // else is checked and passed over.
    bool readValue(JsonMember &value, int depth)
    {
        skipBlanks();
        if (m_p >= m_end)
            return false;
        if (*m_p == '"') {
            value.kind = JsonMember::String;
            return readString(value.text);
        }
        if (startsNumber()) {
            value.kind = JsonMember::Number;
            return readNumber(value.number);
        }
        value.kind = JsonMember::Other;
        for (const QByteArrayView word : {QByteArrayView("true"), QByteArrayView("false"), QByteArrayView("null")})
            if (QByteArrayView(m_p, m_end - m_p).startsWith(word)) {
                m_p += word.size();
                return true;
            }
        if (depth >= kDeepest)
            return false;
        if (*m_p == '{')
            return readObject(nullptr, depth + 1);
        if (*m_p == '[')
            return readArray(depth + 1);
        return false;
    }

    // An object at m_p ('{'); its members go to `members` when it is given.
    bool readObject(std::vector<JsonMember> *members, int depth)
    {
        ++m_p;
        if (take('}'))
            return true;
        do {
            JsonMember member;
            skipBlanks();
            if (!readString(member.key) || !take(':') || !readValue(member, depth))
                return false;
            if (members)
                members->push_back(std::move(member));
        } while (take(','));
        return take('}');
    }

    // An array at m_p ('['), checked and passed over.
    bool readArray(int depth)
    {
        ++m_p;
        if (take(']'))
            return true;
        do {
            JsonMember ignored;
            if (!readValue(ignored, depth))
                return false;
        } while (take(','));
        return take(']');
    }

    bool startsNumber() const { return m_p < m_end && (*m_p == '-' || *m_p == '.' || (*m_p >= '0' && *m_p <= '9')); }

    // -?(0|[1-9][0-9]*)?(.[0-9]*)?([eE][+-]?[0-9]+)? with a digit somewhere
    // before the exponent, and a finite value.
    bool readNumber(double &number)
    {
        const char *start = m_p;
        const auto digits = [this] {
            const char *from = m_p;
            while (m_p < m_end && *m_p >= '0' && *m_p <= '9')
                ++m_p;
            return m_p - from;
        };
        if (m_p < m_end && *m_p == '-')
            ++m_p;
        const char *whole = m_p;
        const auto wholeDigits = digits();
        if (wholeDigits > 1 && *whole == '0')
            return false;
        qsizetype fractionDigits = 0;
        if (m_p < m_end && *m_p == '.') {
            ++m_p;
            fractionDigits = digits();
        }
        if (wholeDigits == 0 && fractionDigits == 0)
            return false;
        if (m_p < m_end && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            if (m_p < m_end && (*m_p == '+' || *m_p == '-'))
                ++m_p;
            if (digits() == 0)
                return false;
        }
        bool ok = false;
        number = QByteArray::fromRawData(start, m_p - start).toDouble(&ok);
        if (!ok || !std::isfinite(number)) {
            m_p = start;
            return false;
        }
        return true;
    }

    // Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
    static bool isUtf8(QByteArrayView bytes)
    {
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
        const auto *end = p + bytes.size();
        while (p < end) {
            const unsigned char c = *p++;
            if (c < 0x80)
                continue;
            int more;
            unsigned low = 0x80, high = 0xBF; // the range of the second byte
            if (c >= 0xC2 && c <= 0xDF)
                more = 1;
            else if (c >= 0xE0 && c <= 0xEF) {
                more = 2;
                low = c == 0xE0 ? 0xA0 : 0x80;
                high = c == 0xED ? 0x9F : 0xBF;
            } else if (c >= 0xF0 && c <= 0xF4) {
                more = 3;
                low = c == 0xF0 ? 0x90 : 0x80;
                high = c == 0xF4 ? 0x8F : 0xBF;
            } else
                return false;
            if (end - p < more || *p < low || *p > high)
                return false;
            for (int i = 1; i < more; ++i)
                if ((p[i] & 0xC0) != 0x80)
                    return false;
            p += more;
        }
        return true;
    }

    // QString::fromUtf8 drops a byte order mark at the start; inside a
    // string it is a character of the text, as Qt's JSON reader keeps it.
    static QString decodeUtf8(QByteArrayView bytes)
    {
        QString text;
        while (bytes.startsWith("\xEF\xBB\xBF")) {
            text += QChar(0xFEFF);
            bytes = bytes.sliced(3);
        }
        return text + QString::fromUtf8(bytes);
    }

    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // A string at m_p ('"'), its escapes resolved, its UTF-8 checked.
    bool readString(QString &out)
    {
        if (m_p >= m_end || *m_p != '"')
            return false;
        ++m_p;
        out.clear();
        const char *run = m_p; // bytes not yet decoded
        bool plain = true;     // all of them ASCII
        const auto flush = [&] {
            const QByteArrayView bytes(run, m_p - run);
            if (plain && out.isEmpty())
                out = QString::fromLatin1(bytes); // the usual string: no escape, no letter beyond ASCII
            else if (plain)
                out += QLatin1StringView(bytes);
            else if (isUtf8(bytes))
                out += decodeUtf8(bytes);
            else
                return false;
            return true;
        };
        while (m_p < m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '"') {
                if (!flush())
                    return false;
                ++m_p;
                return true;
            }
            if (c != '\\') {
                plain = plain && c < 0x80;
                ++m_p;
                continue;
            }
            if (!flush() || ++m_p >= m_end)
                return false;
            static constexpr char kEscapes[] = "\"\\/bfnrt", kMeanings[] = "\"\\/\b\f\n\r\t";
            if (const char *escape = std::strchr(kEscapes, *m_p); escape && *m_p) {
                out += QLatin1Char(kMeanings[escape - kEscapes]);
            } else if (*m_p == 'u') {
                if (m_end - m_p < 5)
                    return false;
                int unit = 0;
                for (int i = 1; i <= 4; ++i) {
                    const int h = hexValue(m_p[i]);
                    if (h < 0)
                        return false;
                    unit = unit * 16 + h;
                }
                out += QChar(char16_t(unit)); // a surrogate pair arrives as its two halves
                m_p += 4;
            } else if (static_cast<unsigned char>(*m_p) >= 0x80) {
                return false; // only a plain character stands for itself
            } else {
                out += QLatin1Char(*m_p);
            }
            run = ++m_p;
            plain = true;
        }
        return false; // no closing quote
    }

    const char *m_p;
    const char *const m_begin;
    const char *const m_end;
};

} // namespace

FlatJson readFlatJson(QByteArrayView bytes)
{
    return Reader(bytes).read();
}

} // namespace tablicznik
