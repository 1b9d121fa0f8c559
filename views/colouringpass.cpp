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

Placement place(const NumericPass &pass, const ElementRecord &element, const NumberReader &read)
{
    const QString &stored = element.*pass.field;
    const ParsedNumber number = read(pass.text ? pass.text(element, stored) : stored, element, pass.field);
    Placement placement;
    placement.greyed = pass.keepDisabled && pass.keepDisabled(element);
    if (number.noNumber) {
        placement.greyed = true;
        return placement;
    }
    placement.value = number.value;
    if (const int entry = entryFor(number.value, pass.entries); entry > 0 && entry <= int(pass.entries.size()))
        placement.entry = entry;
    return placement;
}

void colourWithEntry(TableCanvas &canvas, TMySpeedButton *button, int entry)
{
    button->setSwatchColours(canvas.swatchColour(entry), canvas.swatchFace(entry));
}

void applyPlacement(TableCanvas &canvas, int numer, const Placement &placement)
{
    TMySpeedButton *button = canvas.elementButton(numer);
    button->setEnabled(!placement.greyed);
    if (placement.entry > 0)
        colourWithEntry(canvas, button, placement.entry);
}

int colourByNumbers(TableCanvas &canvas, const NumericPass &pass)
{
    const NumberReader read = [&canvas](QStringView text, const ElementRecord &element, Field field) {
        return canvas.StringToFloat(text, &element, field);
    };
    int coloured = 0;
    for (int numer = 1; numer <= canvas.catalogue().count(); ++numer) {
        const Placement placement = place(pass, canvas.catalogue().element(numer), read);
        applyPlacement(canvas, numer, placement);
        // A greyed element with a number (a boiling enthalpy) is coloured all the same.
        coloured += placement.entry > 0;
    }
    canvas.setCaption(pass.caption);
    return coloured;
}

int colourByNumbers(TableCanvas &canvas, Field field, std::span<const double> bounds, const QString &caption)
{
    return colourByNumbers(canvas, NumericPass{field, entriesFromBounds(bounds), caption, {}, {}});
}

} // namespace tablicznik
