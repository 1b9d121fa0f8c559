#pragma once

#include <QRect>
#include <QStringView>

namespace tablicznik {

// Where each element stands on the table: column 1 ... 18 and the row's top
// edge, from the rows of the long form with the lanthanides and actinides
// set apart above the main table.
struct TablePlace {
    int column;
    int top;
};
TablePlace tablePlace(int numer);

// The button rectangle in the main window's client coordinates.
QRect elementRect(int numer);

// Symbol height in pixels: the three-letter symbols of 104 ... 112 are
// smaller; 113 ... 118 have two letters, like the table's older elements.
int symbolPixels(int numer);
// The same by the symbol shown: a three-letter (systematic) symbol takes the
// smaller size, whatever element bears it; "Rf" the size of "Fr".
int symbolPixels(QStringView symbol);

} // namespace tablicznik
