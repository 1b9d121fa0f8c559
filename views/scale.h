#pragma once

#include "colouringpass.h"

#include <QStringList>

#include <span>
#include <vector>

namespace tablicznik {

// The texts at the two open ends of a scale, %1 standing for the bound:
// "- poniżej 68" and "- powyżej 315" on most scales.
struct ScaleEnds {
    const char *first = "- poniżej %1";
    const char *last = "- powyżej %1";
};

// A scale's bounds are written as in its entry texts ("0,50", "-2,1",
// "4,0") and read with the same reader as the element values, so that a
// value written like a bound compares equal to it.
std::vector<double> boundValues(std::span<const char *const> bounds);

// The entry texts of a scale cut by n bounds, all by one rule: the first
// end, "- Bk-1÷Bk" for every entry between two bounds, the last end.
QStringList scaleTexts(std::span<const char *const> bounds, const ScaleEnds &ends = {});

} // namespace tablicznik
