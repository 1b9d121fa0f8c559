#include "colouringpass.h"

#include "controls/tmyspeedbutton.h"
#include "data/element.h"

namespace tablicznik {

std::vector<ScaleEntry> entriesFromBounds(std::span<const double> bounds)
{
    std::vector<ScaleEntry> entries;
    entries.reserve(bounds.size() + 1);
    ScaleEntry entry;
    for (double bound : bounds) {
        entry.below = bound;
        entries.push_back(entry);
        entry = ScaleEntry{bound};
    }
    entries.push_back(entry);
    return entries;
}

int entryFor(double value, std::span<const ScaleEntry> entries)
{
    int found = 0;
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (entries[k].takes(value))
            found = int(k) + 1;
    return found;
}

int colourByNumbers(TableCanvas &canvas, const NumericPass &pass)
{
    const int shownEntries = int(pass.entries.size());
    int coloured = 0;
    for (int numer = 1; numer <= canvas.catalogue().count(); ++numer) {
        const ElementRecord &element = canvas.catalogue().element(numer);
        TMySpeedButton *button = canvas.elementButton(numer);
        const QString &stored = element.*pass.field;
        const ParsedNumber number = canvas.StringToFloat(pass.text ? pass.text(element, stored) : stored, &element, pass.field);
        button->setEnabled(true);
        if (pass.keepDisabled && pass.keepDisabled(element))
            button->setEnabled(false);
        if (number.noNumber) {
            button->setEnabled(false);
            continue;
        }
        if (const int entry = entryFor(number.value, pass.entries); entry > 0 && entry <= shownEntries) {
            button->setTextColor(canvas.swatchColour(entry));
            ++coloured;
        }
    }
    canvas.setCaption(pass.caption);
    return coloured;
}

int colourByNumbers(TableCanvas &canvas, Field field, std::span<const double> bounds, const QString &caption)
{
    return colourByNumbers(canvas, NumericPass{field, entriesFromBounds(bounds), caption, {}, {}});
}

} // namespace tablicznik
