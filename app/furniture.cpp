#include "furniture.h"

namespace tablicznik {

const std::array<GroupLabelPlace, 18> kGroupLabels = {{
    {"IA", "Grupa 1", 17, 179},     {"IIA", "Grupa 2", 49, 211},    {"IIIB", "Grupa 3", 81, 278},
    {"IVB", "Grupa 4", 115, 278},   {"VB", "Grupa 5", 151, 278},    {"VIB", "Grupa 6", 183, 278},
    {"VIIB", "Grupa 7", 215, 278},  {"VIII", "Grupa 8", 251, 278},  {"VIII", "Grupa 9", 285, 278},
    {"VIII", "Grupa 10", 319, 278}, {"IB", "Grupa 11", 357, 278},   {"IIB", "Grupa 12", 389, 278},
    {"IIIA", "Grupa 13", 421, 212}, {"IVA", "Grupa 14", 455, 212},  {"VA", "Grupa 15", 491, 212},
    {"VIA", "Grupa 16", 523, 212},  {"VIIA", "Grupa 17", 553, 212}, {"0", "Grupa 18", 597, 178},
}};

const std::array<QPoint, 19> kMainTableOutline = {{
    {4, 192}, {4, 426}, {75, 426}, {75, 361}, {106, 361}, {106, 426}, {415, 426},
    {415, 394}, {619, 394}, {619, 192}, {582, 192}, {582, 225}, {412, 225}, {412, 291},
    {75, 291}, {75, 225}, {42, 225}, {42, 192}, {4, 192},
}};

const std::array<QPoint, 17> kFullTableOutline = {{
    {4, 192}, {4, 426}, {75, 426}, {75, 361}, {106, 361}, {106, 426}, {619, 426}, {619, 192},
    {582, 192}, {582, 225}, {412, 225}, {412, 291}, {75, 291}, {75, 225}, {42, 225}, {42, 192}, {4, 192},
}};

const std::array<QPoint, 5> kFBlockOutline = {{{72, 114}, {585, 114}, {585, 183}, {72, 183}, {72, 114}}};

} // namespace tablicznik
