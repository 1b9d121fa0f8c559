#pragma once

#include <QString>

#include <array>

namespace tablicznik::metalseries {

// The electrochemical series of metals as school books print it: the metal,
// its half-reaction and the standard reduction potential E° at 25 °C, from
// the most active (lithium) to the noblest (gold), with hydrogen in its
// place. The potentials are those of the reference named in
// resources/catalogue/SOURCES.md.
struct Metal {
    const char *symbol;   // "Zn"; hydrogen is "H"
    const char *name;     // "cynk"
    int charge;           // of the ion in the half-reaction: 2 for Zn²⁺
    double potential;     // E° in volts
    bool reactsWithWater; // so vigorously that in a salt's solution it meets the water first
};

inline constexpr int kMetalCount = 22;
extern const std::array<Metal, kMetalCount> kMetals; // by E°, lowest first

// The row of a symbol ("Zn"), or -1.
int indexOf(const QString &symbol);
// The row of hydrogen.
int hydrogenIndex();
bool isHydrogen(int index);

// "Zn²⁺ + 2e⁻ ⇌ Zn"; for hydrogen "2H⁺ + 2e⁻ ⇌ H₂".
QString halfReaction(int index);
// "−0,76" with a true minus sign and as many decimals as the reference gives.
QString potentialText(int index);
// "Zn²⁺", "H⁺".
QString ionText(int index);

// Does metal `a` displace metal `b` from a solution of b's salt (for b
// hydrogen: from an acid)?
struct Displacement {
    bool happens = false;
    QString equation; // ionic, balanced: "Zn + Cu²⁺ → Zn²⁺ + Cu"; empty when nothing happens
    QString reason;   // one or two sentences for the pupil
};
Displacement displaces(int a, int b);

} // namespace tablicznik::metalseries
