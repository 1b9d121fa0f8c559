#pragma once

#include <QStringView>

namespace tablicznik {

// Result of reading a number out of an element value.
struct ParsedNumber {
    bool noNumber = true;   // no number: the caller treats it as no data
    bool malformed = false; // text that is neither a number nor a no-data marker
    double value = 0.0;     // set only when noNumber is false
};

// Reads the catalogue's number notations: decimal comma, "-", "?" and ""
// as no data, numbers in parentheses (the innermost group counts), and the
// power of ten "*10{super e}". Any length and any bytes are safe.
ParsedNumber StringToFloat(QStringView text);

} // namespace tablicznik
