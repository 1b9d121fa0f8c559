#include "opis.h"

#include "data/cp1250.h"

#include <QStringList>

namespace tablicznik {
namespace {

// Typographic characters that the documents write as RTF words rather than
// as code-page escapes, so every RTF reader shows them.
struct NamedCharacter {
    char16_t c;
    const char *word;
};
constexpr NamedCharacter kNamedCharacters[] = {
    {u'\u201C', "\\ldblquote "}, {u'\u201D', "\\rdblquote "}, {u'\u2018', "\\lquote "},
    {u'\u2019', "\\rquote "},    {u'\u2013', "\\endash "},    {u'\u2014', "\\emdash "},
};

constexpr const char *kHeader =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045\n"
    "{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}{\\f1\\fswiss\\fcharset238 Arial;}}\n"
    "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green51\\blue102;}\n"
    "{\\stylesheet{\\s0\\f0\\fs22 Normal;}}\n";
constexpr const char *kTitleParagraph = "\\pard\\qc\\sa200\\plain\\f1\\fs32\\b\\cf2 ";
constexpr const char *kSubheadParagraph = "\\pard\\sb160\\sa60\\plain\\f1\\fs22\\b\\cf2 ";
constexpr const char *kBodyParagraph = "\\pard\\qj\\sa100\\plain\\f0\\fs22 ";
constexpr const char *kItemParagraph = "\\pard\\li360\\sa40\\plain\\f0\\fs22 \\'95 ";

class Writer {
public:
    QByteArray out;
    QString error;

    // Writes one line of text with its inline markup; false on a fault.
    bool text(QStringView line, int lineNumber)
    {
        int open = 0; // groups opened by _{ ^{ that still wait for their }
        bool bold = false, italic = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            const QStringView rest = line.mid(i);
            if (rest.startsWith(u"_{") || rest.startsWith(u"^{")) {
                out += c == u'_' ? "{\\sub " : "{\\super ";
                ++open;
                ++i;
            } else if (c == u'}' && open > 0) {
                out += '}';
                --open;
            } else if (rest.startsWith(u"**")) {
                bold = !bold;
                out += bold ? "{\\b " : "}";
                ++i;
            } else if (rest.startsWith(u"//")) {
                italic = !italic;
                out += italic ? "{\\i " : "}";
                ++i;
            } else if (!character(c.unicode())) {
                error = QStringLiteral("line %1: the character \"%2\" (U+%3) cannot be written")
                            .arg(lineNumber)
                            .arg(c)
                            .arg(c.unicode(), 4, 16, QLatin1Char('0'));
                return false;
            }
        }
        if (open || bold || italic) {
            error = QStringLiteral("line %1: an unclosed %2").arg(lineNumber).arg(open ? "_{ or ^{" : bold ? "**" : "//");
            return false;
        }
        return true;
    }

private:
    bool character(char16_t c)
    {
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
            return true;
        }
        if (c >= 0x20 && c < 0x80) {
            out += char(c);
            return true;
        }
        for (const auto &named : kNamedCharacters)
            if (named.c == c) {
                out += named.word;
                return true;
            }
        if (c < 0x20 || QChar::isSurrogate(c))
            return false;
        if (const auto byte = unicodeToCp1250(c)) {
            out += QByteArray("\\'") + QByteArray::number(*byte, 16).rightJustified(2, '0');
            return true;
        }
        // Arrows and Greek letters have no place in the code page: a Unicode
        // escape with a question mark for readers that do not know it.
        out += "\\u" + QByteArray::number(qint16(c)) + '?';
        return true;
    }
};

} // namespace

OpisConversion opisToRtf(const QString &source)
{
    OpisConversion result;
    const QStringList lines = source.split(u'\n');
    Writer body;
    bool inParagraph = false;
    auto closeParagraph = [&] {
        if (inParagraph)
            body.out += "\\par\n";
        inParagraph = false;
    };

    int number = 0;
    for (QString line : lines) {
        ++number;
        line = line.trimmed();
        if (result.title.isEmpty()) {
            if (line.isEmpty())
                continue;
            if (!line.startsWith(u"= ")) {
                result.error = QStringLiteral("line %1: the description must begin with the heading \"= Name (Symbol)\"").arg(number);
                return result;
            }
            result.title = line.mid(2).trimmed();
            body.out += kTitleParagraph;
            if (!body.text(result.title, number))
                break;
            body.out += "\\par\n";
            continue;
        }
        if (line.isEmpty()) {
            closeParagraph();
            continue;
        }
        bool ok = true;
        if (line.startsWith(u"== ")) {
            closeParagraph();
            body.out += kSubheadParagraph;
            ok = body.text(QStringView(line).mid(3), number);
            body.out += "\\par\n";
        } else if (line.startsWith(u"- ")) {
            closeParagraph();
            body.out += kItemParagraph;
            ok = body.text(QStringView(line).mid(2), number);
            body.out += "\\par\n";
        } else {
            body.out += inParagraph ? " " : kBodyParagraph;
            inParagraph = true;
            ok = body.text(line, number);
        }
        if (!ok)
            break;
    }
    if (!body.error.isEmpty()) {
        result.error = body.error;
        return result;
    }
    if (result.title.isEmpty()) {
        result.error = QStringLiteral("the description is empty");
        return result;
    }
    closeParagraph();

    Writer title;
    title.text(result.title, 1);
    result.rtf = QByteArray(kHeader) + "{\\info{\\title " + title.out + "}{\\author Tablicznik}}\n" + body.out + "}\n";
    return result;
}

} // namespace tablicznik
