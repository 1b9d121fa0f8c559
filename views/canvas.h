#pragma once

#include "data/catalogue.h"
#include "data/stringtofloat.h"

#include <QColor>
#include <QString>

#include <array>

namespace tablicznik {

class SoundCues;
class TMySpeedButton;

// What the legend shows: entries 1 ... 15 (the first `Count` of them) and
// entry 16, the no-data entry, shown whenever its text is not empty.
// Colours are 0x00BBGGRR values or system colours (controls/colours.h).
struct LegendEntry {
    quint32 colour = 0;
    QString text;
};
// The palette of the readable faces ("Wyraźne kolory"): an ordered scale
// takes evenly spaced steps of a sequential palette, categories the
// distinct colours of a qualitative one.
enum class FacePalette { Sequential, Qualitative };
struct LegendContent {
    int Count = 0;
    std::array<LegendEntry, 16> entries; // entries[15] is the no-data entry
    QString Title;
    FacePalette palette = FacePalette::Sequential;
};

// The table as the property views see it: the legend operation, the element
// buttons, the data, the value reader, the caption and the cues. The main
// window is the one real canvas.
class TableCanvas {
public:
    virtual ~TableCanvas() = default;

    virtual void Maluj(const LegendContent &legend) = 0;
    // The fill colour of swatch 1 ... 16 as the legend shows it now; views
    // colour the elements with it so that legend and table always agree.
    virtual QColor swatchColour(int entry) const = 0;
    // The readable face of swatch 1 ... 16 (readableFaces in legend.h),
    // which an element coloured with that swatch shows in the readable look.
    virtual QColor swatchFace(int entry) const = 0;

    virtual const Catalogue &catalogue() const = 0;
    virtual TMySpeedButton *elementButton(int numer) const = 0; // 1 ... catalogue().count()
    // A malformed text counts as no number and is logged with where it
    // came from, the element and field when the caller gives them.
    virtual ParsedNumber StringToFloat(QStringView text, const ElementRecord *element = nullptr,
                                       Field field = nullptr) = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual SoundCues &cues() = 0;
};

} // namespace tablicznik
