#pragma once

#include "canvas.h"
#include "colouringpass.h"
#include "viewtables.h"

namespace tablicznik {

// One pass per kind of view. Each fills the legend with the row's entries
// (Maluj), then walks the table's elements (1 ... 112, or 118) in order, enabling each element and
// then colouring it from the swatches or disabling it by the kind's rules,
// and last sets the window caption. None clears the table first: what a
// view leaves alone keeps the colour the previous one gave it. The cue that
// starts a view is its caller's.
void showView(TableCanvas &canvas, const NumericScaleView &view);
void showView(TableCanvas &canvas, const FilteredScaleView &view);
void showView(TableCanvas &canvas, const CategoryView &view);
void showView(TableCanvas &canvas, const ShellView &view);
void showView(TableCanvas &canvas, const EraView &view);
void showView(TableCanvas &canvas, const TypeFilterView &view);
void showView(TableCanvas &canvas, const SusceptibilityView &view);
void showView(TableCanvas &canvas, const AbundanceView &view);

// What each view puts in the legend.
LegendContent legendOf(const NumericScaleView &view);
LegendContent legendOf(const FilteredScaleView &view);
LegendContent legendOf(const CategoryView &view);
LegendContent legendOf(const ShellView &view);
LegendContent legendOf(const EraView &view);
LegendContent legendOf(const TypeFilterView &view);
LegendContent legendOf(const SusceptibilityView &view);
LegendContent legendOf(const AbundanceView &view);

// The elements 1 ... catalogue.count() as a view of numbers places them on
// the table, their values read with `read`: what the periodicity plot draws.
std::vector<Placement> placementsOf(const NumericScaleView &view, const Catalogue &catalogue, const NumberReader &read);
std::vector<Placement> placementsOf(const FilteredScaleView &view, const Catalogue &catalogue, const NumberReader &read);
std::vector<Placement> placementsOf(const SusceptibilityView &view, const Catalogue &catalogue, const NumberReader &read);

// The scale entries a numeric view places its values with (entry k is
// element k-1), from the row's bounds.
std::vector<ScaleEntry> scaleOf(const NumericScaleView &view);

} // namespace tablicznik
