#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tablicznik::solubility {

// The table of solubility of hydroxides and salts in water that Polish
// school books and the exam board's booklet print beside the periodic table:
// anions in rows, cations in columns, each cell one mark. The marks, values
// and colours are taken from the references named in
// resources/catalogue/SOURCES.md; the table holds no judgement of its own.

// The temperature every mark and value is given for.
inline constexpr int kTemperature = 25; // °C

// R: more than 1 g in 100 g of water; T: 0.1 to 1 g; N: less than 0.1 g;
// None ("—"): the compound does not exist or decomposes in water.
enum class Mark { R, T, N, None };

inline constexpr double kSolubleAbove = 1.0;     // g in 100 g of water
inline constexpr double kInsolubleBelow = 0.1;   // g in 100 g of water

// The mark that a measured solubility earns by the legend's bounds.
Mark markFor(double gramsPer100g);
// "R", "T", "N" or "—".
QString markText(Mark mark);
// What the mark means, as the legend says it.
QString markMeaning(Mark mark);

struct Ion {
    const char *shown;   // as printed: "SO₄²⁻", "Fe³⁺"
    const char *plain;   // as it stands in a formula: "SO4", "Fe"
    int charge;          // signed: -2, +3
    const char *name;    // in the compound's name: "siarczan(VI)" / "żelaza(III)"
    const char *spoken;  // the ion's own name, for type-ahead and screen readers
};

inline constexpr int kAnionCount = 13;
inline constexpr int kCationCount = 20;
extern const std::array<Ion, kAnionCount> kAnions;   // rows, top to bottom
extern const std::array<Ion, kCationCount> kCations; // columns, left to right

// How the solubility value was found.
enum class Origin {
    Measured,      // a handbook's table of aqueous solubility
    FromProduct,   // computed from the solubility product Ksp of a handbook
};

struct Cell {
    QString formula;                // plain: "Fe2(SO4)3", "(CH3COO)2Pb"
    Mark mark = Mark::None;
    std::optional<double> grams;    // in 100 g of water at kTemperature
    Origin origin = Origin::Measured;
    QString precipitate;            // colour of the precipitate, "" if none is named
    QString note;                   // the school convention, hydrolysis …
    bool conventionalMark = false;  // the mark is the school table's, not the value's class
};

// The cell of an anion row and a cation column; both in range.
const Cell &cell(int anion, int cation);

// The formulas that have a value, a colour or a note; each names a cell.
QStringList detailedFormulas();

// "siarczan(VI) żelaza(III)".
QString compoundName(int anion, int cation);

// "Fe₂(SO₄)₃": every digit of a plain formula set as a subscript.
QString subscripted(const QString &plainFormula);
// "Fe<sub>2</sub>(SO<sub>4</sub>)<sub>3</sub>" for rich text.
QString subscriptedHtml(const QString &plainFormula);

// A solubility as the pupil reads it: "36,0", "0,21", "1,9·10⁻⁴".
QString gramsText(double grams);

} // namespace tablicznik::solubility
