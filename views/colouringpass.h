#pragma once

#include "canvas.h"

#include "data/element.h"

#include <QString>

#include <functional>
#include <limits>
#include <span>
#include <vector>

namespace tablicznik {


// One entry of a numeric scale. A range entry takes from <= value < below
// (an open end is an infinity); an exact entry takes the value `from` only.
struct ScaleEntry {
    double from = -std::numeric_limits<double>::infinity();
    double below = std::numeric_limits<double>::infinity();
    bool exact = false;

    bool takes(double value) const { return exact ? value == from : from <= value && value < below; }
};

// The entries cut by ascending bounds B1 ... Bn-1: entry 1 takes every value
// below B1, entry k the values from Bk-1 up to but not including Bk, the
// last entry every value from the last bound up. A value equal to a bound
// belongs to the entry above it.
std::vector<ScaleEntry> entriesFromBounds(std::span<const double> bounds);

// The entry (1 ... n) that takes the value, 0 for none. The entries are
// tested one after another without stopping at a match.
int entryFor(double value, std::span<const ScaleEntry> entries);

// What a numeric view reads and how: the property by its field, the
// entries of its scale (entry k is entries[k-1], coloured with swatch k) and
// the caption the window shows afterwards. Two hooks serve the views that
// differ: `text` may hand the reader another text than the stored one
// ("<0" read as "0", only a mantissa); `keepDisabled` disables an element
// again right after it was enabled, while it is still coloured.
struct NumericPass {
    Field field;
    std::vector<ScaleEntry> entries;
    QString caption;
    std::function<QString(const ElementRecord &, const QString &stored)> text;
    std::function<bool(const ElementRecord &)> keepDisabled;
};

// What a numeric view makes of one element: the number it reads (NaN for
// none), whether the element ends greyed, and the entry whose swatch colours
// it (0: it keeps its colour). The table and the periodicity plot both take
// their elements from here, so that they always agree.
struct Placement {
    double value = std::numeric_limits<double>::quiet_NaN();
    bool greyed = false;
    int entry = 0;
};

// Reads the value text of an element's field: the pure StringToFloat, or
// the window's, which logs a malformed text with where it came from.
using NumberReader = std::function<ParsedNumber(QStringView text, const ElementRecord &element, Field field)>;

// The element as the pass places it.
Placement place(const NumericPass &pass, const ElementRecord &element, const NumberReader &read);

// Colours an element button with the swatch of a legend entry: its colour
// for the symbol, its readable face for the readable look.
void colourWithEntry(TableCanvas &canvas, TMySpeedButton *button, int entry);

// Applies a placement to an element button: greyed or not, and the colour of
// the swatch of its entry.
void applyPlacement(TableCanvas &canvas, int numer, const Placement &placement);

// The colouring pass shared by the numeric views, run right after the
// legend is filled: for the table's elements in order, read the value, enable
// the element, disable it when there is no number, otherwise give its symbol
// the colour of the swatch of its entry (an element no entry takes keeps its
// colour); last the window caption. Returns how many elements were coloured.
int colourByNumbers(TableCanvas &canvas, const NumericPass &pass);

// The same for a plain field with bounds, as most views need it.
int colourByNumbers(TableCanvas &canvas, Field field, std::span<const double> bounds, const QString &caption);

} // namespace tablicznik
