#pragma once

#include <QBrush>
#include <QColor>
#include <QList>

// Faces a whole class can read: colour-blind-safe palettes for the views, the letter colour that
// contrasts most with a face, and the hatched face of an element without a value.
namespace readablefaces {

// WCAG 2 relative luminance (0 black … 1 white) and contrast ratio (1 … 21).
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &a, const QColor &b);

// Black or white, whichever contrasts more with `face`.
QColor letterColour(const QColor &face);

// A perceptually uniform sequential palette (viridis) sampled to `bins` entries, dark to light.
QList<QColor> sequentialPalette(int bins);

// A qualitative palette made for colour-blind readers (Okabe–Ito); past its eight colours the
// entries continue with the sequential palette so that every entry stays distinct.
QList<QColor> qualitativePalette(int entries);

// The neutral grey face of an element without a value, hatched so that it never reads as a bin.
QColor noDataFace();
QBrush noDataHatch();

} // namespace readablefaces
