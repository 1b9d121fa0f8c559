#include "data/formula.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Every symbol the table can show, under either naming.
const QStringList kSymbols = QStringLiteral(
    "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr Rb Sr Y Zr "
    "Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir "
    "Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt Ds Rg Cn Nh Fl "
    "Mc Lv Ts Og Unq Unp Unh Uns Uno Une Uun Uuu Uub")
                                .split(u' ');

int lookup(QStringView symbol) { return int(kSymbols.indexOf(symbol)) + 1; }

bool sameParts(const tablicznik::Formula &a, const tablicznik::Formula &b)
{
    if (a.parts.size() != b.parts.size() || a.charge != b.charge)
        return false;
    for (size_t i = 0; i < a.parts.size(); ++i)
        if (a.parts[i].numer != b.parts[i].numer ||
            std::abs(a.parts[i].count - b.parts[i].count) > 1e-6 * a.parts[i].count)
            return false;
    return true;
}

} // namespace

// Any text typed into the formula field: never a crash or a hang; a formula
// has positive counts within the limit and reads back from its plain text;
// a fault names a place inside the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tablicznik;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Formula f = readFormula(text, lookup);
    if (!f.ok()) {
        if (f.errorPosition < 0 || f.errorLength < 0 || f.errorPosition + f.errorLength > text.size() ||
            !f.parts.empty())
            std::abort();
        return 0;
    }
    double atoms = 0;
    for (const Formula::Part &p : f.parts) {
        if (p.numer < 1 || p.numer > kSymbols.size() || !(p.count > 0) || !std::isfinite(p.count))
            std::abort();
        atoms += p.count;
    }
    if (f.parts.empty() || atoms > Formula::kMaxAtoms)
        std::abort();
    if (!sameParts(f, readFormula(f.plain, lookup)))
        std::abort();
    const Composition c = compose(f, [](int numer) { return 1.0 + numer; });
    double percent = 0;
    for (const Composition::Row &row : c.rows)
        percent += row.percent;
    if (!std::isfinite(c.molarMass) || std::abs(percent - 100) > 1e-6 * double(c.rows.size() + 1))
        std::abort();
    return 0;
}
