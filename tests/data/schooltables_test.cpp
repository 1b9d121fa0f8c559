#include "data/metalseries.h"
#include "data/solubility.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QSet>

#include <map>
#include <numeric>

using namespace tablicznik;

namespace {

const QString kSuperscriptDigits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
const QString kSubscriptDigits = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");

// The charge an ion's printed name shows: "SO₄²⁻" -2, "Na⁺" +1.
int printedCharge(const QString &shown)
{
    const QChar sign = shown.back();
    int magnitude = 1;
    if (shown.size() > 1 && kSuperscriptDigits.contains(shown.at(shown.size() - 2)))
        magnitude = int(kSuperscriptDigits.indexOf(shown.at(shown.size() - 2)));
    return sign == u'⁻' ? -magnitude : sign == u'⁺' ? magnitude : 0;
}

// What an ion's printed name reads as in a formula: "SO₄²⁻" -> "SO4".
QString formulaPart(const QString &shown)
{
    QString plain;
    for (QChar c : shown) {
        if (const qsizetype digit = kSubscriptDigits.indexOf(c); digit >= 0)
            plain += QString::number(digit);
        else if (c.isLetter() && !kSuperscriptDigits.contains(c) && c != u'⁺' && c != u'⁻')
            plain += c;
    }
    return plain;
}

// The groups of a formula with their counts: "Al2(SO4)3" -> Al 2, SO4 3,
// "(CH3COO)2Pb" -> CH3COO 2, Pb 1. A bare group is the longest of `groups`
// that stands there; what fits none makes the formula unreadable (empty).
QList<std::pair<QString, int>> groupsOf(const QString &formula, const QStringList &groups)
{
    QList<std::pair<QString, int>> found;
    qsizetype at = 0;
    while (at < formula.size()) {
        QString group;
        if (formula[at] == u'(') {
            const qsizetype close = formula.indexOf(u')', at);
            if (close < 0)
                return {};
            group = formula.mid(at + 1, close - at - 1);
            at = close + 1;
        } else {
            for (const QString &candidate : groups)
                if (formula.mid(at).startsWith(candidate) && candidate.size() > group.size())
                    group = candidate;
            if (group.isEmpty())
                return {};
            at += group.size();
        }
        qsizetype digits = at;
        while (digits < formula.size() && formula[digits].isDigit())
            ++digits;
        found.append({group, digits > at ? formula.mid(at, digits - at).toInt() : 1});
        at = digits;
    }
    return found;
}

// Roman numerals as the names write them.
int romanValue(const QString &roman)
{
    static const std::map<QString, int> values = {{"I", 1}, {"II", 2}, {"III", 3}, {"IV", 4},
                                                  {"V", 5}, {"VI", 6}, {"VII", 7}};
    const auto it = values.find(roman);
    return it == values.end() ? 0 : it->second;
}

// The numeral in brackets in a name, 0 if there is none.
int numeralIn(const QString &name)
{
    static const QRegularExpression bracket(QStringLiteral("\\(([IVX]+)\\)"));
    const auto match = bracket.match(name);
    return match.hasMatch() ? romanValue(match.captured(1)) : 0;
}

// The oxidation state of the one atom other than O and H in an oxoanion or
// a simple anion: "SO4" with charge -2 gives 6.
int centralOxidationState(const QString &plain, int charge)
{
    static const QRegularExpression atom(QStringLiteral("([A-Z][a-z]?)(\\d*)"));
    int others = 0;
    for (const auto &m : atom.globalMatch(plain)) {
        const int count = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
        if (m.captured(1) == u"O")
            others -= 2 * count;
        else if (m.captured(1) == u"H")
            others += count;
    }
    return charge - others;
}

// A species of an ionic equation: "2Ag⁺", "H₂↑", "Zn" -> its element,
// atoms of it, count and charge of the whole term.
struct Term {
    QString element;
    int atoms = 0;
    int charge = 0;
};
Term readTerm(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d*)([A-Z][a-z]?)([₀-₉]?)([⁰¹²³⁴⁵⁶⁷⁸⁹]?)([⁺⁻]?)↑?$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return {};
    const int coefficient = m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
    const int subscript = m.captured(3).isEmpty() ? 1 : int(kSubscriptDigits.indexOf(m.captured(3)));
    int charge = m.captured(5).isEmpty() ? 0 : 1;
    if (!m.captured(4).isEmpty())
        charge *= int(kSuperscriptDigits.indexOf(m.captured(4)));
    if (m.captured(5) == u"⁻")
        charge = -charge;
    return {m.captured(2), coefficient * subscript, coefficient * charge};
}

int metal(const char *symbol) { return metalseries::indexOf(QString::fromLatin1(symbol)); }

} // namespace

// The solubility table and the electrochemical series: their data checked
// against the rules of chemistry and the legend, computed here on their own.
class SchoolTablesTest : public QObject {
    Q_OBJECT

private slots:
    // The ions a Polish exam booklet prints, in its order.
    void theBookletsIons()
    {
        const QStringList anions = {"OH⁻", "F⁻", "Cl⁻", "Br⁻", "I⁻", "S²⁻", "SO₃²⁻", "SO₄²⁻",
                                    "NO₃⁻", "CO₃²⁻", "SiO₃²⁻", "PO₄³⁻", "CH₃COO⁻"};
        const QStringList cations = {"Na⁺", "K⁺", "NH₄⁺", "Mg²⁺", "Ca²⁺", "Sr²⁺", "Ba²⁺", "Al³⁺", "Cr³⁺", "Mn²⁺",
                                     "Fe²⁺", "Fe³⁺", "Co²⁺", "Ni²⁺", "Cu²⁺", "Zn²⁺", "Ag⁺", "Sn²⁺", "Hg²⁺", "Pb²⁺"};
        QStringList shownAnions, shownCations;
        for (const auto &ion : solubility::kAnions)
            shownAnions << QString::fromUtf8(ion.shown);
        for (const auto &ion : solubility::kCations)
            shownCations << QString::fromUtf8(ion.shown);
        QCOMPARE(shownAnions, anions);
        QCOMPARE(shownCations, cations);
        // Each ion's charge and formula part are what its printed name says.
        for (const auto *ions : {&solubility::kAnions[0], &solubility::kCations[0]}) {
            const int count = ions == &solubility::kAnions[0] ? solubility::kAnionCount : solubility::kCationCount;
            for (int i = 0; i < count; ++i) {
                const QString shown = QString::fromUtf8(ions[i].shown);
                QCOMPARE(ions[i].charge, printedCharge(shown));
                QCOMPARE(QString::fromLatin1(ions[i].plain), formulaPart(shown));
            }
        }
    }

    // Every formula is made of its row's anion and its column's cation, in
    // the smallest numbers that make it neutral.
    void everyFormulaBalancesItsCharges()
    {
        QStringList groups;
        for (const auto &ion : solubility::kAnions)
            groups << formulaPart(QString::fromUtf8(ion.shown));
        for (const auto &ion : solubility::kCations)
            groups << formulaPart(QString::fromUtf8(ion.shown));
        QSet<QString> formulas;
        for (int a = 0; a < solubility::kAnionCount; ++a)
            for (int c = 0; c < solubility::kCationCount; ++c) {
                const QString anion = QString::fromUtf8(solubility::kAnions[a].shown);
                const QString cation = QString::fromUtf8(solubility::kCations[c].shown);
                const QString formula = solubility::cell(a, c).formula;
                const QString where = formula + u' ' + anion + u' ' + cation;
                const auto parts = groupsOf(formula, groups);
                QVERIFY2(parts.size() == 2, qPrintable(where));
                int charge = 0, cationCount = 0, anionCount = 0;
                for (const auto &[group, count] : parts) {
                    if (group == formulaPart(anion)) {
                        anionCount = count;
                        charge += count * printedCharge(anion);
                    } else if (group == formulaPart(cation)) {
                        cationCount = count;
                        charge += count * printedCharge(cation);
                    }
                }
                QVERIFY2(cationCount > 0 && anionCount > 0, qPrintable(where));
                QVERIFY2(charge == 0, qPrintable(where));
                QVERIFY2(std::gcd(cationCount, anionCount) == 1, qPrintable(where));
                // A group of several atoms taken more than once stands in brackets.
                const QString anionPart = formulaPart(anion);
                const bool polyatomic =
                    std::count_if(anionPart.cbegin(), anionPart.cend(), [](QChar ch) { return ch.isUpper(); }) > 1;
                QVERIFY2(formula.contains(u'(' + formulaPart(anion) + u')') == (anionCount > 1 && polyatomic),
                         qPrintable(where));
                formulas << formula;
            }
        QCOMPARE(formulas.size(), solubility::kAnionCount * solubility::kCationCount);
        // Every value, colour and note belongs to a cell of the table.
        for (const QString &formula : solubility::detailedFormulas())
            QVERIFY2(formulas.contains(formula), qPrintable(formula));
    }

    // R above 1 g in 100 g of water, T from 0,1 to 1 g, N below 0,1 g. A
    // mark the school tables give against the value says so in its note.
    void everyMarkAgreesWithItsValue()
    {
        int values = 0;
        QStringList conventional;
        for (int a = 0; a < solubility::kAnionCount; ++a)
            for (int c = 0; c < solubility::kCationCount; ++c) {
                const solubility::Cell &cell = solubility::cell(a, c);
                if (!cell.grams) {
                    QVERIFY2(!cell.conventionalMark, qPrintable(cell.formula));
                    continue;
                }
                ++values;
                const double g = *cell.grams;
                QVERIFY2(g > 0 && g < 500, qPrintable(cell.formula));
                QVERIFY2(cell.mark != solubility::Mark::None, qPrintable(cell.formula));
                const char expected = g > 1 ? 'R' : g >= 0.1 ? 'T' : 'N';
                const bool agrees = solubility::markText(cell.mark) == QChar(expected);
                QVERIFY2(agrees != cell.conventionalMark, qPrintable(cell.formula));
                if (cell.conventionalMark) {
                    QVERIFY(cell.note.contains(QStringLiteral("tablice szkolne")));
                    conventional << cell.formula;
                }
            }
        QVERIFY(values >= 60);
        QCOMPARE(conventional, QStringList{QStringLiteral("PbCl2")});
    }

    // "—" always says why; a precipitate of the classroom has its colour.
    void explanationsAndColours()
    {
        for (int a = 0; a < solubility::kAnionCount; ++a)
            for (int c = 0; c < solubility::kCationCount; ++c) {
                const solubility::Cell &cell = solubility::cell(a, c);
                if (cell.mark == solubility::Mark::None)
                    QVERIFY2(!cell.note.isEmpty(), qPrintable(cell.formula));
                if (cell.mark == solubility::Mark::R)
                    QVERIFY2(cell.precipitate.isEmpty(), qPrintable(cell.formula));
            }
        const std::map<QString, QString> colours = {
            {"AgCl", "biały"},       {"AgBr", "jasnożółty"}, {"AgI", "żółty"},
            {"PbI2", "żółty"},       {"Cu(OH)2", "niebieski"}, {"Fe(OH)3", "czerwonobrunatny"},
            {"BaSO4", "biały"},      {"CaCO3", "biały"},     {"Ag3PO4", "żółty"},
            {"CuS", "czarny"},       {"ZnS", "biały"},       {"Ni(OH)2", "zielony"},
        };
        int found = 0;
        for (int a = 0; a < solubility::kAnionCount; ++a)
            for (int c = 0; c < solubility::kCationCount; ++c)
                if (const auto it = colours.find(solubility::cell(a, c).formula); it != colours.end()) {
                    QCOMPARE(solubility::cell(a, c).precipitate, it->second);
                    QCOMPARE(solubility::cell(a, c).mark, solubility::Mark::N);
                    ++found;
                }
        QCOMPARE(found, int(colours.size()));
    }

    // Names as school books write them: the numeral of the oxidation state
    // where the element has more than one, and it is the right one.
    void namesCarryTheRightNumerals()
    {
        for (int a = 0; a < solubility::kAnionCount; ++a) {
            const auto &ion = solubility::kAnions[a];
            const int numeral = numeralIn(QString::fromUtf8(ion.name));
            if (numeral)
                QCOMPARE(numeral, centralOxidationState(QString::fromLatin1(ion.plain), ion.charge));
        }
        const QSet<QString> variable = {"Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Sn", "Hg", "Pb"};
        for (int c = 0; c < solubility::kCationCount; ++c) {
            const auto &ion = solubility::kCations[c];
            const int numeral = numeralIn(QString::fromUtf8(ion.name));
            QCOMPARE(numeral != 0, variable.contains(QString::fromLatin1(ion.plain)));
            if (numeral)
                QCOMPARE(numeral, ion.charge);
        }
        QCOMPARE(solubility::compoundName(7, 11), QStringLiteral("siarczan(VI) żelaza(III)"));
        QCOMPARE(solubility::compoundName(8, 16), QStringLiteral("azotan(V) srebra"));
        QCOMPARE(solubility::compoundName(12, 19), QStringLiteral("octan ołowiu(II)"));
        QCOMPARE(solubility::compoundName(9, 4), QStringLiteral("węglan wapnia"));
    }

    void formulaAndValueTexts()
    {
        QCOMPARE(solubility::subscripted(QStringLiteral("Fe2(SO4)3")), QStringLiteral("Fe₂(SO₄)₃"));
        QCOMPARE(solubility::subscriptedHtml(QStringLiteral("(CH3COO)2Pb")),
                 QStringLiteral("(CH<sub>3</sub>COO)<sub>2</sub>Pb"));
        QCOMPARE(solubility::gramsText(36.0), QStringLiteral("36"));
        QCOMPARE(solubility::gramsText(0.21), QStringLiteral("0,21"));
        QCOMPARE(solubility::gramsText(1.9e-4), QStringLiteral("1,9·10⁻⁴"));
        QCOMPARE(solubility::gramsText(1.0e-3), QStringLiteral("1,0·10⁻³"));
        QCOMPARE(solubility::gramsText(1.1e-9), QStringLiteral("1,1·10⁻⁹"));
    }

    // The school series, lowest potential first, hydrogen between lead and copper.
    void seriesIsOrderedByPotential()
    {
        QStringList symbols;
        for (const auto &m : metalseries::kMetals)
            symbols << QString::fromLatin1(m.symbol);
        QCOMPARE(symbols, QStringList({"Li", "K", "Ba", "Ca", "Na", "Mg", "Al", "Mn", "Zn", "Cr", "Fe", "Cd", "Co",
                                       "Ni", "Sn", "Pb", "H", "Cu", "Ag", "Hg", "Pt", "Au"}));
        for (int i = 1; i < metalseries::kMetalCount; ++i)
            QVERIFY2(metalseries::kMetals[i - 1].potential < metalseries::kMetals[i].potential,
                     metalseries::kMetals[i].symbol);
        QCOMPARE(metalseries::kMetals[metalseries::hydrogenIndex()].potential, 0.0);
        QVERIFY(metalseries::isHydrogen(metal("H")));
        QVERIFY(!metalseries::isHydrogen(metal("Cu")));
        // Text as printed: a true minus, a decimal comma, the value itself.
        for (int i = 0; i < metalseries::kMetalCount; ++i) {
            QString text = metalseries::potentialText(i);
            QVERIFY(!text.contains(u'.') && !text.contains(u'-'));
            text.replace(u'−', u'-').replace(u',', u'.');
            QVERIFY(qAbs(text.toDouble() - metalseries::kMetals[i].potential) < 1e-9);
        }
        QCOMPARE(metalseries::potentialText(metal("Zn")), QStringLiteral("−0,7618"));
        QCOMPARE(metalseries::potentialText(metal("Cu")), QStringLiteral("0,3419"));
        QCOMPARE(metalseries::halfReaction(metal("Zn")), QStringLiteral("Zn²⁺ + 2e⁻ ⇌ Zn"));
        QCOMPARE(metalseries::halfReaction(metal("Ag")), QStringLiteral("Ag⁺ + e⁻ ⇌ Ag"));
        QCOMPARE(metalseries::halfReaction(metal("Au")), QStringLiteral("Au³⁺ + 3e⁻ ⇌ Au"));
        QCOMPARE(metalseries::halfReaction(metal("H")), QStringLiteral("2H⁺ + 2e⁻ ⇌ H₂"));
    }

    void displacement_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("equation"); // empty: it does not
        QTest::addColumn<QString>("inReason");
        QTest::newRow("Zn, Cu") << "Zn" << "Cu" << "Zn + Cu²⁺ → Zn²⁺ + Cu" << "Tak";
        QTest::newRow("Fe, Cu") << "Fe" << "Cu" << "Fe + Cu²⁺ → Fe²⁺ + Cu" << "Tak";
        QTest::newRow("Cu, Ag") << "Cu" << "Ag" << "Cu + 2Ag⁺ → Cu²⁺ + 2Ag" << "Tak";
        QTest::newRow("Al, Cu") << "Al" << "Cu" << "2Al + 3Cu²⁺ → 2Al³⁺ + 3Cu" << "Tak";
        QTest::newRow("Mg, Au") << "Mg" << "Au" << "3Mg + 2Au³⁺ → 3Mg²⁺ + 2Au" << "Tak";
        QTest::newRow("Zn, H") << "Zn" << "H" << "Zn + 2H⁺ → Zn²⁺ + H₂↑" << "wodór z kwasu";
        QTest::newRow("Al, H") << "Al" << "H" << "2Al + 6H⁺ → 2Al³⁺ + 3H₂↑" << "wodór z kwasu";
        QTest::newRow("Na, H") << "Na" << "H" << "2Na + 2H⁺ → 2Na⁺ + H₂↑" << "wodór z kwasu";
        QTest::newRow("H, Ag") << "H" << "Ag" << "H₂ + 2Ag⁺ → 2H⁺ + 2Ag" << "Tak";
        QTest::newRow("Cu, Zn") << "Cu" << "Zn" << "" << "niżej";
        QTest::newRow("Cu, H") << "Cu" << "H" << "" << "nie wypiera wodoru z kwasu";
        QTest::newRow("Ag, Cu") << "Ag" << "Cu" << "" << "niżej";
        QTest::newRow("Na, Cu") << "Na" << "Cu" << "" << "2Na + 2H₂O → 2NaOH + H₂↑";
        QTest::newRow("Ca, Fe") << "Ca" << "Fe" << "" << "Ca + 2H₂O → Ca(OH)₂ + H₂↑";
        QTest::newRow("Zn, Zn") << "Zn" << "Zn" << "" << "dwa różne";
    }
    void displacement()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, equation);
        QFETCH(QString, inReason);
        const auto answer = metalseries::displaces(metalseries::indexOf(a), metalseries::indexOf(b));
        QCOMPARE(answer.happens, !equation.isEmpty());
        QCOMPARE(answer.equation, equation);
        QVERIFY2(answer.reason.contains(inReason), qPrintable(answer.reason));
    }

    // For every pair: it happens exactly when A stands higher and is not one
    // of the metals that meet the water first, and the equation balances
    // both atoms and charge.
    void everyPairIsAnsweredSoundly()
    {
        const QSet<QString> meetWaterFirst = {"Li", "K", "Ba", "Ca", "Na"};
        for (int a = 0; a < metalseries::kMetalCount; ++a)
            for (int b = 0; b < metalseries::kMetalCount; ++b) {
                const auto answer = metalseries::displaces(a, b);
                const QString sa = QString::fromLatin1(metalseries::kMetals[a].symbol);
                const QString sb = QString::fromLatin1(metalseries::kMetals[b].symbol);
                const QString pair = sa + u' ' + sb;
                const bool expected = metalseries::kMetals[a].potential < metalseries::kMetals[b].potential &&
                                      (sb == u"H" || !meetWaterFirst.contains(sa));
                QVERIFY2(answer.happens == expected, qPrintable(pair));
                QVERIFY2(!answer.reason.isEmpty(), qPrintable(pair));
                if (!expected)
                    continue;
                const QStringList sides = answer.equation.split(QStringLiteral(" → "));
                QCOMPARE(sides.size(), 2);
                std::map<QString, int> atoms;
                int charge = 0;
                for (int side = 0; side < 2; ++side)
                    for (const QString &text : sides[side].split(QStringLiteral(" + "))) {
                        const Term term = readTerm(text);
                        QVERIFY2(term.atoms > 0, qPrintable(text));
                        atoms[term.element] += side == 0 ? term.atoms : -term.atoms;
                        charge += side == 0 ? term.charge : -term.charge;
                    }
                QVERIFY2(charge == 0, qPrintable(answer.equation));
                for (const auto &[element, balance] : atoms)
                    QVERIFY2(balance == 0, qPrintable(answer.equation + u' ' + element));
                QVERIFY2(atoms.count(sa) && atoms.count(sb), qPrintable(answer.equation));
            }
        QVERIFY(!metalseries::displaces(-1, 3).happens);
        QVERIFY(!metalseries::displaces(0, metalseries::kMetalCount).happens);
    }
};

TABLICZNIK_TEST_MAIN(SchoolTablesTest)
#include "schooltables_test.moc"
