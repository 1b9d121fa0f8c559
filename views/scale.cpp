#include "scale.h"

#include "data/stringtofloat.h"

#include <QtNumeric>

namespace tablicznik {

std::vector<double> boundValues(std::span<const char *const> bounds)
{
    std::vector<double> values;
    values.reserve(bounds.size());
    for (const char *bound : bounds) {
        // Every bound of the view tables is a number (the view tables' tests
        // read them all); one that is not would take no value.
        const ParsedNumber number = StringToFloat(QString::fromUtf8(bound));
        Q_ASSERT_X(!number.noNumber, "boundValues", bound);
        values.push_back(number.noNumber ? qQNaN() : number.value);
    }
    return values;
}

QStringList scaleTexts(std::span<const char *const> bounds, const ScaleEnds &ends)
{
    QStringList texts;
    if (bounds.empty())
        return texts;
    texts.reserve(qsizetype(bounds.size()) + 1);
    texts << QString::fromUtf8(ends.first).arg(QString::fromUtf8(bounds.front()));
    for (std::size_t k = 1; k < bounds.size(); ++k)
        texts << QStringLiteral("- %1\u00F7%2").arg(QString::fromUtf8(bounds[k - 1]), QString::fromUtf8(bounds[k]));
    texts << QString::fromUtf8(ends.last).arg(QString::fromUtf8(bounds.back()));
    return texts;
}

} // namespace tablicznik
