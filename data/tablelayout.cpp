#include "tablelayout.h"

namespace tablicznik {
namespace {

struct Row {
    int first, last; // atomic numbers
    int firstColumn;
    int top;
};

// Within a row the atomic numbers run left to right, one per column.
constexpr Row kRows[] = {
    {1, 1, 1, 194},     {2, 2, 18, 194},                         // period 1
    {3, 4, 1, 227},     {5, 10, 13, 227},                        // period 2
    {11, 12, 1, 260},   {13, 18, 13, 260},                       // period 3
    {19, 36, 1, 293},                                            // period 4
    {37, 54, 1, 326},                                            // period 5
    {55, 56, 1, 359},   {72, 86, 4, 359},                        // period 6
    {87, 88, 1, 392},   {104, 112, 4, 392},   {113, 118, 13, 392}, // period 7
    {57, 71, 3, 116},                                            // lanthanides
    {89, 103, 3, 149},                                           // actinides
};

} // namespace

TablePlace tablePlace(int numer)
{
    for (const Row &row : kRows)
        if (numer >= row.first && numer <= row.last)
            return {row.firstColumn + numer - row.first, row.top};
    return {0, 0};
}

QRect elementRect(int numer)
{
    const TablePlace place = tablePlace(numer);
    if (place.column == 0)
        return {};
    return {6 + 34 * (place.column - 1), place.top, 33, 32};
}

int symbolPixels(int numer)
{
    return numer >= 104 && numer <= 112 ? 15 : 20;
}

int symbolPixels(QStringView symbol)
{
    return symbol.size() >= 3 ? 15 : 20;
}

} // namespace tablicznik
