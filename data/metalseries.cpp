#include "metalseries.h"

#include <QLocale>

#include <numeric>

namespace tablicznik::metalseries {

// Standard reduction potentials at 25 °C, in volts, with the digits the
// reference gives.
const std::array<Metal, kMetalCount> kMetals = {{
    {"Li", "lit", 1, -3.0401, true},
    {"K", "potas", 1, -2.931, true},
    {"Ba", "bar", 2, -2.912, true},
    {"Ca", "wapń", 2, -2.868, true},
    {"Na", "sód", 1, -2.71, true},
    {"Mg", "magnez", 2, -2.372, false},
    {"Al", "glin", 3, -1.662, false},
    {"Mn", "mangan", 2, -1.185, false},
    {"Zn", "cynk", 2, -0.7618, false},
    {"Cr", "chrom", 3, -0.744, false},
    {"Fe", "żelazo", 2, -0.447, false},
    {"Cd", "kadm", 2, -0.4030, false},
    {"Co", "kobalt", 2, -0.28, false},
    {"Ni", "nikiel", 2, -0.257, false},
    {"Sn", "cyna", 2, -0.1375, false},
    {"Pb", "ołów", 2, -0.1262, false},
    {"H", "wodór", 1, 0.0, false},
    {"Cu", "miedź", 2, 0.3419, false},
    {"Ag", "srebro", 1, 0.7996, false},
    {"Hg", "rtęć", 2, 0.851, false},
    {"Pt", "platyna", 2, 1.18, false},
    {"Au", "złoto", 3, 1.498, false},
}};

namespace {

// The digits after the decimal point as the reference prints them.
const int kDecimals[kMetalCount] = {4, 3, 3, 3, 2, 3, 3, 3, 4, 3, 3, 4, 2, 3, 4, 4, 2, 4, 4, 3, 2, 3};

QString superscriptCharge(int charge, QChar sign)
{
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text = charge > 1 ? QString(QChar(digits[charge])) : QString();
    return text + sign;
}

QString plus(int charge) { return superscriptCharge(charge, QChar(u'⁺')); }

// "2Ag" for two, "Ag" for one.
QString times(int count, const QString &species)
{
    return count == 1 ? species : QString::number(count) + species;
}

// The reduced form: the metal, or hydrogen's molecule.
QString reduced(int index) { return isHydrogen(index) ? QStringLiteral("H₂") : QString::fromUtf8(kMetals[index].symbol); }

// Electrons of one formula unit of the reduced form: H₂ takes two.
int electronsOfReduced(int index) { return isHydrogen(index) ? 2 : kMetals[index].charge; }

// The atoms of the oxidised form per unit of the reduced form.
int ionsPerReduced(int index) { return isHydrogen(index) ? 2 : 1; }

QString name(int index) { return QString::fromUtf8(kMetals[index].name); }

QString waterReaction(int a)
{
    const Metal &m = kMetals[a];
    const QString symbol = QString::fromUtf8(m.symbol);
    // M + n H₂O → M(OH)n + n/2 H₂, doubled for the metals of one charge.
    const QString hydroxide = m.charge == 1 ? symbol + QStringLiteral("OH")
                                            : symbol + QStringLiteral("(OH)") + QChar(0x2080 + m.charge);
    return m.charge == 1 ? QStringLiteral("2%1 + 2H₂O → 2%2 + H₂↑").arg(symbol, hydroxide)
                         : QStringLiteral("%1 + 2H₂O → %2 + H₂↑").arg(symbol, hydroxide);
}

} // namespace

int indexOf(const QString &symbol)
{
    for (int i = 0; i < kMetalCount; ++i)
        if (QLatin1StringView(kMetals[i].symbol) == symbol)
            return i;
    return -1;
}

int hydrogenIndex()
{
    static const int hydrogen = indexOf(QStringLiteral("H"));
    return hydrogen;
}

bool isHydrogen(int index) { return index == hydrogenIndex(); }

QString ionText(int index) { return QString::fromUtf8(kMetals.at(index).symbol) + plus(kMetals[index].charge); }

QString halfReaction(int index)
{
    const int electrons = electronsOfReduced(index);
    const QString electronText = (electrons == 1 ? QString() : QString::number(electrons)) + QStringLiteral("e⁻");
    return times(ionsPerReduced(index), ionText(index)) + QStringLiteral(" + ") + electronText +
           QStringLiteral(" ⇌ ") + reduced(index);
}

QString potentialText(int index)
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QString text = polish.toString(std::abs(kMetals.at(index).potential), 'f', kDecimals[index]);
    if (kMetals[index].potential < 0)
        text.prepend(QChar(u'−'));
    return text;
}

Displacement displaces(int a, int b)
{
    Displacement answer;
    if (a < 0 || b < 0 || a >= kMetalCount || b >= kMetalCount)
        return answer;
    if (a == b) {
        answer.reason = QStringLiteral("Wybierz dwa różne pierwiastki.");
        return answer;
    }
    const double ea = kMetals[a].potential, eb = kMetals[b].potential;
    if (ea >= eb) {
        const QString what = isHydrogen(b) ? QStringLiteral("wodoru z kwasu")
                                           : QStringLiteral("tego metalu z roztworu jego soli");
        answer.reason = QStringLiteral("Nie: %1 (E° = %2 V) stoi w szeregu niżej niż %3 (E° = %4 V), więc nie wypiera %5.")
                            .arg(name(a), potentialText(a), name(b), potentialText(b), what);
        return answer;
    }
    if (kMetals[a].reactsWithWater && !isHydrogen(b)) {
        answer.reason = QStringLiteral("Nie: %1 reaguje najpierw z wodą roztworu: %2. Powstały wodorotlenek może "
                                       "wytrącić osad z jonami %3, lecz metal się nie wydziela.")
                            .arg(name(a), waterReaction(a), ionText(b));
        return answer;
    }
    // Electrons given by a equal electrons taken by b: the least common multiple.
    const int given = electronsOfReduced(a), taken = electronsOfReduced(b);
    const int electrons = std::lcm(given, taken);
    const int unitsA = electrons / given, unitsB = electrons / taken;
    const QString left = times(unitsA, reduced(a)) + QStringLiteral(" + ") +
                         times(unitsB * ionsPerReduced(b), ionText(b));
    const QString right = times(unitsA * ionsPerReduced(a), ionText(a)) + QStringLiteral(" + ") +
                          times(unitsB, reduced(b)) + (isHydrogen(b) ? QStringLiteral("↑") : QString());
    answer.happens = true;
    answer.equation = left + QStringLiteral(" → ") + right;
    const QString what = isHydrogen(b) ? QStringLiteral("wodór z kwasu") : QStringLiteral("ten metal z roztworu jego soli");
    answer.reason = QStringLiteral("Tak: %1 (E° = %2 V) stoi w szeregu wyżej niż %3 (E° = %4 V), więc wypiera %5.")
                        .arg(name(a), potentialText(a), name(b), potentialText(b), what);
    return answer;
}

} // namespace tablicznik::metalseries
