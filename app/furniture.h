#pragma once

#include "data/appinfo.h"

#include <QPoint>
#include <QString>

#include <array>

namespace tablicznik {

// The fixed furniture of the main window: group labels over the table and
// the lines drawn around its two parts.
struct GroupLabelPlace {
    const char *caption;
    const char *hint;
    int left, top;
};
extern const std::array<GroupLabelPlace, 18> kGroupLabels;

// A closed line 2 pixels outside the buttons of the main table, leaving out
// column 3 of periods 6 and 7 and columns 13 to 18 of period 7.
extern const std::array<QPoint, 19> kMainTableOutline;
// The same line around the table of 118, whose period 7 is full.
extern const std::array<QPoint, 17> kFullTableOutline;
// The rectangle around the lanthanide and actinide rows.
extern const std::array<QPoint, 5> kFBlockOutline;

inline const QString kVersionText = QStringLiteral("Tablicznik wersja %1").arg(kVersion);

} // namespace tablicznik
