#include "viewpasses.h"

#include "data/magnetictype.h"
#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "data/element.h"

#include <algorithm>
#include <array>

namespace tablicznik {
namespace {

QString text(const char *utf8) { return QString::fromUtf8(utf8); }

QStringList texts(const std::vector<const char *> &utf8)
{
    QStringList list;
    list.reserve(qsizetype(utf8.size()));
    for (const char *t : utf8)
        list << text(t);
    return list;
}

// The legend's sixteen entries: the given texts and colours for the first
// ones, the unused colour and no text past them, and the no-data entry in
// the grey of disabled symbols when it has a text.
LegendContent legend(int count, const QStringList &entryTexts, const std::vector<quint32> &colours,
                     const char *noData, const char *title, quint32 unusedColour = 0)
{
    LegendContent content;
    content.Count = count;
    content.Title = text(title);
    for (std::size_t k = 0; k + 1 < content.entries.size(); ++k) {
        LegendEntry &entry = content.entries[k];
        entry.colour = k < colours.size() ? colours[k] : unusedColour;
        if (qsizetype(k) < entryTexts.size())
            entry.text = entryTexts[qsizetype(k)];
    }
    LegendEntry &last = content.entries.back();
    last.text = text(noData);
    last.colour = last.text.isEmpty() ? unusedColour : SystemColour::GrayText;
    return content;
}

// Categories take distinct readable faces, not steps of a scale.
LegendContent ofCategories(LegendContent content)
{
    content.palette = FacePalette::Qualitative;
    return content;
}

std::vector<quint32> coloursOf(const std::vector<CategoryEntry> &entries)
{
    std::vector<quint32> colours;
    for (const CategoryEntry &e : entries)
        colours.push_back(e.colour);
    return colours;
}

QStringList textsOf(const std::vector<CategoryEntry> &entries)
{
    QStringList list;
    for (const CategoryEntry &e : entries)
        list << text(e.text);
    return list;
}

void colourWithEntryFor(TableCanvas &canvas, TMySpeedButton *button, double value, std::span<const ScaleEntry> entries)
{
    if (const int entry = entryFor(value, entries); entry > 0)
        colourWithEntry(canvas, button, entry);
}

// Elements coloured by a category text: enabled and given the colour of the
// entry whose category the key equals, else disabled.
template <typename Key>
void colourByCategory(TableCanvas &canvas, const std::vector<CategoryEntry> &entries, Key &&keyOf)
{
    std::vector<QString> categories;
    for (const CategoryEntry &e : entries)
        categories.push_back(text(e.category));
    for (int numer = 1; numer <= canvas.catalogue().count(); ++numer) {
        TMySpeedButton *button = canvas.elementButton(numer);
        button->setEnabled(true);
        const QString key = keyOf(canvas.catalogue().element(numer));
        int found = 0;
        for (std::size_t k = 0; k < categories.size() && !found; ++k)
            if (key == categories[k])
                found = int(k) + 1;
        if (found)
            colourWithEntry(canvas, button, found);
        else
            button->setEnabled(false);
    }
}

} // namespace

// --- numeric scales ------------------------------------------------------

std::vector<ScaleEntry> scaleOf(const NumericScaleView &view)
{
    const std::vector<double> bounds = boundValues(view.bounds);
    if (view.reading != Reading::ExactCounts)
        return entriesFromBounds(bounds);
    std::vector<ScaleEntry> entries;
    for (std::size_t k = 0; k < bounds.size(); ++k)
        entries.push_back(k + 1 < bounds.size() ? ScaleEntry{.from = bounds[k], .exact = true}
                                                : ScaleEntry{.from = bounds[k]});
    return entries;
}

LegendContent legendOf(const NumericScaleView &view)
{
    return legend(view.Count, view.texts.empty() ? scaleTexts(view.bounds, view.ends) : texts(view.texts), view.colours,
                  view.noData, view.Title, view.unusedColour);
}

namespace {

NumericPass passOf(const NumericScaleView &view)
{
    NumericPass pass{view.field, scaleOf(view), text(view.caption), {}, {}};
    switch (view.reading) {
    case Reading::BelowZeroAsZero:
        pass.text = [](const ElementRecord &, const QString &stored) {
            return stored == u"<0" ? QStringLiteral("0") : stored;
        };
        break;
    case Reading::BoilingDisabled:
        pass.keepDisabled = [](const ElementRecord &element) { return element.RodzMolEntAtom == u"wrzenia:"; };
        break;
    case Reading::Plain:
    case Reading::ExactCounts:
        break;
    }
    return pass;
}

NumberReader readerOf(TableCanvas &canvas)
{
    return [&canvas](QStringView value, const ElementRecord &element, Field field) {
        return canvas.StringToFloat(value, &element, field);
    };
}

// Every element placed, then the buttons changed and the caption set.
template <typename View>
void showPlacements(TableCanvas &canvas, const View &view)
{
    canvas.Maluj(legendOf(view));
    const std::vector<Placement> placements = placementsOf(view, canvas.catalogue(), readerOf(canvas));
    for (int numer = 1; numer <= int(placements.size()); ++numer)
        applyPlacement(canvas, numer, placements[std::size_t(numer) - 1]);
    canvas.setCaption(text(view.caption));
}

} // namespace

std::vector<Placement> placementsOf(const NumericScaleView &view, const Catalogue &catalogue, const NumberReader &read)
{
    const NumericPass pass = passOf(view);
    std::vector<Placement> placements;
    for (int numer = 1; numer <= catalogue.count(); ++numer)
        placements.push_back(place(pass, catalogue.element(numer), read));
    return placements;
}

void showView(TableCanvas &canvas, const NumericScaleView &view)
{
    canvas.Maluj(legendOf(view));
    colourByNumbers(canvas, passOf(view));
}

// --- filtered scales -----------------------------------------------------

LegendContent legendOf(const FilteredScaleView &view)
{
    return legend(view.Count, view.texts.empty() ? scaleTexts(view.bounds) : texts(view.texts), view.colours,
                  view.noData, view.Title, view.unusedColour);
}

std::vector<Placement> placementsOf(const FilteredScaleView &view, const Catalogue &catalogue, const NumberReader &read)
{
    std::vector<ScaleEntry> entries;
    if (view.ranges.empty()) {
        entries = entriesFromBounds(boundValues(view.bounds));
    } else {
        for (const RangeEntry &range : view.ranges) {
            ScaleEntry entry;
            if (range.from)
                entry.from = boundValues(std::array{range.from}).front();
            if (range.below)
                entry.below = boundValues(std::array{range.below}).front();
            entries.push_back(entry);
        }
    }
    const Field filtered = view.filter.field;
    const QString filterText = text(view.filter.text);
    const Field valued = view.field;
    const QString mantissaEnd = QStringLiteral("•");

    std::vector<Placement> placements(std::size_t(catalogue.count()));
    for (int numer = 1; numer <= catalogue.count(); ++numer) {
        const ElementRecord &element = catalogue.element(numer);
        Placement &placement = placements[std::size_t(numer) - 1];
        if ((element.*filtered == filterText) != view.filter.equal) {
            placement.greyed = true;
            continue;
        }
        // A fixed element takes its entry unread: its value is off the scale's form.
        const auto fixed = std::find_if(view.fixed.begin(), view.fixed.end(),
                                        [numer](const FixedEntry &f) { return f.numer == numer; });
        if (fixed != view.fixed.end()) {
            placement.entry = fixed->entry;
            continue;
        }
        if (!valued)
            continue;
        QString value = element.*valued;
        if (view.mantissaOnly)
            if (const qsizetype at = value.indexOf(mantissaEnd); at >= 0)
                value.truncate(at);
        const ParsedNumber number = read(value, element, valued);
        if (number.noNumber) {
            placement.greyed = true;
            continue;
        }
        placement.value = number.value;
        placement.entry = entryFor(number.value, entries);
    }
    return placements;
}

void showView(TableCanvas &canvas, const FilteredScaleView &view) { showPlacements(canvas, view); }

// --- categories ------------------------------------------------------------

LegendContent legendOf(const CategoryView &view)
{
    return ofCategories(legend(view.Count, textsOf(view.entries), coloursOf(view.entries), view.noData, view.Title));
}

void showView(TableCanvas &canvas, const CategoryView &view)
{
    canvas.Maluj(legendOf(view));
    const Field field = view.field;
    if (view.comparison == Comparison::Text) {
        colourByCategory(canvas, view.entries, [field](const ElementRecord &element) { return element.*field; });
    } else {
        std::vector<double> numbers;
        for (const CategoryEntry &e : view.entries)
            numbers.push_back(boundValues(std::array{e.category}).front());
        for (int numer = 1; numer <= canvas.catalogue().count(); ++numer) {
            TMySpeedButton *button = canvas.elementButton(numer);
            QStringView value = canvas.catalogue().element(numer).*field;
            if (view.comparison == Comparison::FirstListedNumber)
                if (const qsizetype comma = value.indexOf(u','); comma >= 0)
                    value = value.left(comma);
            const ParsedNumber number = canvas.StringToFloat(value, &canvas.catalogue().element(numer), field);
            button->setEnabled(true);
            if (number.noNumber) {
                button->setEnabled(false);
                continue;
            }
            for (std::size_t k = 0; k < numbers.size(); ++k)
                if (number.value == numbers[k])
                    colourWithEntry(canvas, button, int(k) + 1);
        }
    }
    canvas.setCaption(text(view.caption));
}

// --- electron shell changes ------------------------------------------------

LegendContent legendOf(const ShellView &view)
{
    QStringList entryTexts;
    std::vector<quint32> colours;
    for (const ShellEntry &e : kShellEntries) {
        entryTexts << text(e.text).arg(text(view.letter));
        colours.push_back(e.colour);
    }
    return ofCategories(legend(view.Count, entryTexts, colours, view.noData, view.Title));
}

void showView(TableCanvas &canvas, const ShellView &view)
{
    enum { Increase = 1, Decrease, NoChange, EmptyShell };
    canvas.Maluj(legendOf(view));
    const Field shell = view.field;
    const Catalogue &catalogue = canvas.catalogue();

    // Element 1 has no predecessor. It is enabled, so that it never stays
    // greyed from the previous view while it shows this view's colour.
    TMySpeedButton *first = canvas.elementButton(1);
    first->setEnabled(true);
    first->setTextColor(colour(view.firstElementColour));

    for (int numer = 2; numer <= canvas.catalogue().count(); ++numer) {
        const ElementRecord &element = catalogue.element(numer);
        const QString &own = element.*shell;
        const QString &previous = catalogue.element(numer - 1).*shell;
        TMySpeedButton *button = canvas.elementButton(numer);
        button->setEnabled(true);
        if (view.tracksEmptyShell && own == u"-") {
            colourWithEntry(canvas, button, EmptyShell);
        } else if (view.tracksEmptyShell && own == u"?") {
            button->setEnabled(false);
        } else if (const ParsedNumber mine = canvas.StringToFloat(own); mine.noNumber) {
            button->setEnabled(false); // no count of its own: no data
        } else if (const ParsedNumber before = canvas.StringToFloat(previous); !before.noNumber) {
            colourWithEntry(canvas, button,
                            before.value < mine.value   ? Increase
                            : before.value > mine.value ? Decrease
                                                        : NoChange);
        } else if (view.tracksEmptyShell && previous == u"-") {
            colourWithEntry(canvas, button, Increase); // the shell starts to fill here
        }
        if (view.tracksEmptyShell && element.KonfElektr == u"-")
            button->setEnabled(false);
    }
    if (view.finalStep)
        colourWithEntry(canvas, canvas.elementButton(view.finalStep->numer), view.finalStep->entry);
    canvas.setCaption(text(view.caption));
}

// --- discovery eras --------------------------------------------------------

LegendContent legendOf(const EraView &view)
{
    return legend(view.Count, view.texts.empty() ? scaleTexts(view.bounds, view.ends) : texts(view.texts),
                  view.colours, view.noData, view.Title);
}

void showView(TableCanvas &canvas, const EraView &view)
{
    canvas.Maluj(legendOf(view));
    if (view.firstElementColour)
        canvas.elementButton(1)->setTextColor(colour(*view.firstElementColour));
    const std::vector<ScaleEntry> years = entriesFromBounds(boundValues(view.bounds));
    const QStringList eraWords = texts(view.eraWords);
    const Field field = view.field;

    for (int numer = 1; numer <= canvas.catalogue().count(); ++numer) {
        const QString &year = canvas.catalogue().element(numer).*field;
        TMySpeedButton *button = canvas.elementButton(numer);
        button->setEnabled(true);
        if (eraWords.contains(year)) {
            colourWithEntry(canvas, button, 1);
            continue;
        }
        if (view.bounds.empty()) {
            button->setEnabled(false);
            continue;
        }
        // "1868 (1895)" is placed by 1868.
        const ParsedNumber number =
            canvas.StringToFloat(QStringView(year).left(view.yearLength), &canvas.catalogue().element(numer), field);
        if (number.noNumber) {
            button->setEnabled(false);
            continue;
        }
        colourWithEntryFor(canvas, button, number.value, years);
    }
    canvas.setCaption(text(view.caption));
}

// --- conduction and magnetic types ----------------------------------------

LegendContent legendOf(const TypeFilterView &view)
{
    return ofCategories(legend(view.Count, textsOf(view.entries), coloursOf(view.entries), view.noData, view.Title));
}

void showView(TableCanvas &canvas, const TypeFilterView &view)
{
    canvas.Maluj(legendOf(view));
    if (view.key == TypeKey::Conduction) {
        colourByCategory(canvas, view.entries, [](const ElementRecord &element) { return element.TypPrzew; });
    } else {
        colourByCategory(canvas, view.entries, [&canvas](const ElementRecord &element) {
            return magneticType(element, [&canvas](QStringView value) { return canvas.StringToFloat(value); });
        });
    }
    // Whether or not any element belongs to the type.
    canvas.setCaption(text(view.caption));
}

// --- magnetic susceptibility -----------------------------------------------

LegendContent legendOf(const SusceptibilityView &view)
{
    return legend(view.Count, scaleTexts(view.bounds, view.ends), view.colours, view.noData, view.Title);
}

std::vector<Placement> placementsOf(const SusceptibilityView &view, const Catalogue &catalogue, const NumberReader &read)
{
    // The diamagnetic scale is the same scale on the magnitude: its ranges
    // run from the bound nearer zero, included, away from zero.
    const bool negative = view.side == Side::Negative;
    std::vector<double> bounds = boundValues(view.bounds);
    if (negative)
        for (double &bound : bounds)
            bound = -bound;
    const std::vector<ScaleEntry> entries = entriesFromBounds(bounds);

    std::vector<Placement> placements(std::size_t(catalogue.count()));
    for (int numer = 1; numer <= catalogue.count(); ++numer) {
        const ElementRecord &element = catalogue.element(numer);
        const ParsedNumber number = read(element.*view.field, element, view.field);
        Placement &placement = placements[std::size_t(numer) - 1];
        if (number.noNumber || (number.value < 0) != negative) {
            placement.greyed = true;
            continue;
        }
        placement.value = number.value;
        placement.entry = entryFor(negative ? -number.value : number.value, entries);
    }
    return placements;
}

void showView(TableCanvas &canvas, const SusceptibilityView &view) { showPlacements(canvas, view); }

// --- abundance rankings -----------------------------------------------------

LegendContent legendOf(const AbundanceView &view)
{
    QStringList rankTexts;
    for (const Rank &rank : view.AbundanceRanking)
        rankTexts << text(rank.text);
    return legend(view.Count, rankTexts, view.colours, view.noData, view.Title);
}

void showView(TableCanvas &canvas, const AbundanceView &view)
{
    canvas.Maluj(legendOf(view));
    for (int numer = 1; numer <= canvas.catalogue().count(); ++numer)
        canvas.elementButton(numer)->setEnabled(false);
    for (const Rank &rank : view.AbundanceRanking)
        canvas.elementButton(rank.numer)->setEnabled(true);
    for (int k = 1; k <= view.Count && k <= int(view.AbundanceRanking.size()); ++k)
        colourWithEntry(canvas, canvas.elementButton(view.AbundanceRanking[std::size_t(k) - 1].numer), k);
    canvas.setCaption(text(view.caption));
}

} // namespace tablicznik
