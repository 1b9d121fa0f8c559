#pragma once

#include "element.h"
#include "stringtofloat.h"

namespace tablicznik {

// Ferromagnetic when the element has a Curie temperature; otherwise by the
// sign of its magnetic susceptibility, "-" when that is no number. `parse`
// reads the susceptibility only when it is needed.
template <typename Parse>
QString magneticType(const ElementRecord &element, Parse &&parse)
{
    if (element.TempCur != u"-")
        return QStringLiteral("ferromagnetyk");
    const ParsedNumber susceptibility = parse(QStringView(element.PodatMag));
    if (susceptibility.noNumber)
        return QStringLiteral("-");
    return susceptibility.value >= 0 ? QStringLiteral("paramagnetyk") : QStringLiteral("diamagnetyk");
}

} // namespace tablicznik
