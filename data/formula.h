#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace tablicznik {

class Catalogue;

// The atomic number of an element symbol written exactly (case matters);
// 0 when no element has it.
using SymbolLookup = std::function<int(QStringView symbol)>;

// The symbols the catalogue shows now (they change with the naming), over
// every element it holds.
SymbolLookup catalogueSymbols(const Catalogue &catalogue);

// A chemical formula as pupils write it: H2SO4, H₂SO₄, Ca(OH)2, K4[Fe(CN)6],
// CuSO4·5H2O, CaSO4*0.5H2O, 2H2O, 3 O2, and an ionic charge at the end:
// SO4^2-, SO4 2-, PO₄³⁻, NH4+, OH-. Digits written right before a bare sign
// are the last count (NH4+ is NH₄⁺); a charge with a number needs "^", a
// blank or superscripts.
struct Formula {
    static constexpr int kMaxLength = 200;
    static constexpr double kMaxAtoms = 1e6;

    struct Part {
        int numer;    // atomic number
        double count; // may be a fraction after a hydrate's coefficient
    };
    std::vector<Part> parts; // in the order of first appearance
    int charge = 0;
    QString plain;    // "H2SO4", "CuSO4·5H2O", "SO4^2-"
    QString typeset;  // "H₂SO₄", "CuSO₄·5H₂O", "SO₄²⁻"

    // When the text is not a formula: a Polish message, and the place of the
    // fault (0-based index into the text, and how many characters).
    QString error;
    int errorPosition = -1;
    int errorLength = 0;

    bool ok() const { return error.isEmpty(); }
};

Formula readFormula(QStringView text, const SymbolLookup &lookup);

// The text with its letters' case set so that it reads as a formula
// ("h2o" -> "H2O", "nacl" -> "NaCl"); empty when no such reading exists.
QString suggestCase(QStringView text, const SymbolLookup &lookup);

// The arithmetic of a formula over given atomic masses.
struct Composition {
    struct Row {
        int numer;
        double count;
        double mass;    // contributed, in u
        double percent; // rounded to hundredths so that the rows add up to 100,00
    };
    std::vector<Row> rows;
    double molarMass = 0; // g/mol
    // The elements' masses in the smallest whole numbers (H2O: 1, 8); empty
    // when the masses have no such ratio (not all multiples of 0,1) or it
    // would need numbers over a million.
    std::vector<long long> wholeRatio;
};

// atomicMass(numer) gives the mass used for that element.
Composition compose(const Formula &formula, const std::function<double(int numer)> &atomicMass);

// The masses Polish school tables use: whole numbers, except those kept to
// one decimal (chlorine 35,5, copper 63,5). `precise` is the catalogue's mass.
double schoolMass(int numer, double precise);
// Elements whose mass is the mass number of the longest-lived isotope: no
// stable isotope and no standard atomic weight (Tc, Pm, Po and beyond,
// except Th, Pa and U).
bool massIsMassNumber(int numer);

// Mass, amount, particles and gas volume at normal conditions, from one of them.
struct Amounts {
    enum Quantity { Mass, Moles, Particles, Volume };
    static constexpr double kMolarVolume = 22.4; // dm³/mol, as Polish schools use
    double mass = 0, moles = 0, particles = 0, volume = 0;

    static Amounts from(Quantity given, double value, double molarMass, double avogadro);
};

} // namespace tablicznik
