#include "stringtofloat.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <cmath>

namespace tablicznik {

ParsedNumber StringToFloat(QStringView text)
{
    ParsedNumber result;
    if (text.isEmpty() || text == u"-" || text == u"?")
        return result;
    result.malformed = true; // until a number is found

    QString buffer = text.toString();
    // An estimate is written in parentheses; the text around the first group
    // is dropped and nested groups unwrap from the outside in.
    while (true) {
        const auto open = buffer.indexOf(u'(');
        if (open < 0)
            break;
        qsizetype close = -1;
        for (qsizetype i = open + 1, depth = 1; i < buffer.size() && close < 0; ++i) {
            if (buffer[i] == u'(')
                ++depth;
            else if (buffer[i] == u')' && --depth == 0)
                close = i;
        }
        if (close < 0)
            return result;
        buffer = buffer.mid(open + 1, close - open - 1);
    }

    // "1,5*10{super -8}" becomes "1,5E-8".
    static const QString power = QStringLiteral("*10{super ");
    if (const auto at = buffer.indexOf(power); at >= 0) {
        buffer.chop(1);
        buffer.replace(at, power.size(), u'E');
    }

    // Only the first comma is the decimal separator; a second one stays and
    // spoils the number ("+4,-4").
    if (const auto comma = buffer.indexOf(u','); comma >= 0)
        buffer[comma] = u'.';

    // A plain decimal number, blanks around it allowed.
    static const QRegularExpression plainNumber(QStringLiteral(R"(^ *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)? *$)"));
    if (!plainNumber.match(buffer).hasMatch())
        return result;
    bool ok = false;
    const double value = QLocale::c().toDouble(buffer.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return result;
    result.noNumber = false;
    result.malformed = false;
    result.value = value;
    return result;
}

} // namespace tablicznik
