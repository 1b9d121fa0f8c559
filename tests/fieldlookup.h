#pragma once

#include "data/element.h"

#include <QStringView>

namespace tablicznik::testing {

// A text field of the record by its catalogue key ("PromAtom", "Opis"), for
// table-driven tests; a null QString when the record has no such field.
inline QString fieldOf(const ElementRecord &record, QStringView name)
{
    if (name == u"Opis")
        return record.Opis;
    for (const TextField &f : kStoredTextFields)
        if (name == QLatin1StringView(f.name))
            return record.*f.member;
    return {};
}

} // namespace tablicznik::testing
