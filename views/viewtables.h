#pragma once

#include "scale.h"

#include "data/element.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

// The property views as data. Every view is one row: the control that
// starts it (its handler is named after it, handlerName), the field it
// reads, the legend's title, Count, entries and no-data entry, and the
// window caption it leaves. Texts are UTF-8 and used exactly as written
// here. A row of each kind is shown by the one pass of its kind
// (viewpasses.h); adding a view is adding a row.

namespace tablicznik {

inline constexpr const char *kNoData = "- nie dotyczy, brak danych";
inline constexpr const char *kOtherElements = "- pozostałe pierwiastki";

// A legend entry whose elements are picked by a category: a field text
// compared whole and case-sensitively, or a number ("+4", "-3", "2").
struct CategoryEntry {
    const char *text;
    quint32 colour;
    const char *category;
};

// An element placed in a fixed entry by its atomic number.
struct FixedEntry {
    int numer;
    int entry;
};

// --- numeric scales ------------------------------------------------------

enum class Reading {
    Plain,
    BelowZeroAsZero,  // a value of exactly "<0" is read as "0"
    BoilingDisabled,  // an element whose RodzMolEntAtom is "wrzenia:" is shown disabled, yet coloured
    ExactCounts,      // entries 1 ... n-1 take their bound exactly, the last one its bound and more
};

struct NumericScaleView {
    const char *trigger;
    Field field;
    const char *Title;
    const char *caption;
    int Count = 16;
    std::vector<const char *> bounds; // as written in the entry texts
    std::vector<quint32> colours;     // of entries 1 ... n
    Reading reading = Reading::Plain;
    ScaleEnds ends = {};
    std::vector<const char *> texts = {}; // given instead of the texts built from the bounds
    const char *noData = kNoData;
    quint32 unusedColour = 0;             // of the entries past the scale, and of an empty no-data entry
};

// --- filtered scales -----------------------------------------------------

// An element passes when its field equals the text (or, with `equal`
// false, when it does not).
struct FieldTest {
    Field field;
    const char *text;
    bool equal = true;
};

// One entry of a scale with gaps: from <= value < below, nullptr for an open end.
struct RangeEntry {
    const char *from;
    const char *below;
};

struct FilteredScaleView {
    const char *trigger;
    Field field; // null: no value is read, the fixed entries place the elements
    const char *Title;
    const char *caption;
    int Count;
    FieldTest filter;
    std::vector<const char *> bounds = {};
    std::vector<RangeEntry> ranges = {};  // instead of bounds, for a scale with gaps
    std::vector<const char *> texts = {}; // instead of the texts built from the bounds
    std::vector<quint32> colours = {};
    std::vector<FixedEntry> fixed = {};   // tested before the value is read
    bool mantissaOnly = false;            // read only the text before the first "•"
    const char *noData = kNoData;
    quint32 unusedColour = 0;
};

// --- categories ------------------------------------------------------------

enum class Comparison {
    Text,              // the whole field equals the category
    Number,            // the field's number equals the category's
    FirstListedNumber, // the same for the text before the field's first comma
};

struct CategoryView {
    const char *trigger;
    Field field;
    const char *Title;
    const char *caption;
    int Count;
    std::vector<CategoryEntry> entries;
    Comparison comparison = Comparison::Text;
    const char *noData = kNoData; // "" for none
};

// --- electron shell changes ------------------------------------------------

struct ShellView {
    const char *trigger;
    Field field; // PowK ... PowQ
    const char *letter;
    const char *Title;
    const char *caption;
    int Count;
    quint32 firstElementColour;
    // Shells L to Q: "-" is an empty shell shown black (entry 4), a shell that
    // starts to fill is an increase, "?" and a KonfElektr of "-" are no data.
    // Shell K knows no empty shell: what does not parse is no data.
    bool tracksEmptyShell;
    std::optional<FixedEntry> finalStep = std::nullopt;
    const char *noData = kNoData;
};

// The shell views' entries, the shell letter in place of %1.
struct ShellEntry {
    const char *text;
    quint32 colour;
};
extern const std::array<ShellEntry, 4> kShellEntries; // increase, decrease, no change, empty

// --- discovery eras --------------------------------------------------------

struct EraView {
    const char *trigger;
    Field field;
    const char *Title;
    const char *caption;
    int Count;
    std::vector<const char *> eraWords;   // fields that take entry 1
    std::vector<const char *> bounds = {}; // years; none: every other element is disabled
    ScaleEnds ends = {};
    std::vector<const char *> texts = {};
    std::vector<quint32> colours = {};
    std::optional<quint32> firstElementColour = std::nullopt;
    const char *noData = kNoData;
    int yearLength = 4; // the characters of the field read as the year
};

// --- conduction and magnetic types ----------------------------------------

enum class TypeKey {
    Conduction, // TypPrzew
    Magnetic,   // the magnetic type: "ferromagnetyk", "paramagnetyk", "diamagnetyk", "-"
};

struct TypeFilterView {
    const char *trigger;
    TypeKey key;
    const char *Title;
    const char *caption;
    int Count;
    std::vector<CategoryEntry> entries;
    const char *noData = kNoData;
};

// --- magnetic susceptibility -----------------------------------------------

enum class Side {
    NotNegative, // paramagnetics: 0 and above; bounds rise
    Negative,    // diamagnetics: below 0; bounds fall, a bound belongs to the entry further from zero
};

struct SusceptibilityView {
    const char *trigger;
    Field field;
    const char *Title;
    const char *caption;
    int Count;
    Side side;
    std::vector<const char *> bounds;
    ScaleEnds ends;
    std::vector<quint32> colours;
    const char *noData = kNoData;
};

// --- abundance rankings -----------------------------------------------------

struct Rank {
    int numer;
    const char *text;
};

struct AbundanceView {
    const char *trigger;
    const char *Title;
    const char *caption;
    int Count;
    std::vector<Rank> AbundanceRanking; // rank 1 first
    std::vector<quint32> colours;
    const char *noData = kOtherElements;
};

// A view's handler is named after the control that starts it: the view
// button "PromAtomButton" runs "PromAtomButtonClick", the menu item "Gazy1"
// runs "Gazy1Click".
inline QString handlerName(const char *trigger)
{
    return QString::fromUtf8(trigger) + QLatin1StringView("Click");
}

// --- popup menus of views ----------------------------------------------------

struct MenuItemRow {
    const char *name; // nullptr: a separator line
    const char *caption = nullptr;
};

struct ViewMenu {
    const char *name;
    const char *openerHandler; // the view button's click handler that opens it
    std::vector<MenuItemRow> items;
};

extern const std::vector<NumericScaleView> kNumericScaleViews;
extern const std::vector<FilteredScaleView> kFilteredScaleViews;
extern const std::vector<CategoryView> kCategoryViews;
extern const std::vector<ShellView> kShellViews;
extern const std::vector<EraView> kEraViews;
extern const std::vector<TypeFilterView> kTypeFilterViews;
extern const std::vector<SusceptibilityView> kSusceptibilityViews;
extern const std::vector<AbundanceView> kAbundanceViews;
extern const std::vector<ViewMenu> kViewMenus;

} // namespace tablicznik
