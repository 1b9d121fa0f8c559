#include "support/catalogue.h"
#include "support/testmain.h"

#include "data/formula.h"

#include <cmath>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The standard atomic weights (IUPAC 2007) of the elements used below, as
// the catalogue's edition gives them; every expected mass below is worked
// out by hand from these.
constexpr double H = 1.00794, C = 12.0107, N = 14.0067, O = 15.9994, Na = 22.98976928, S = 32.065, Cl = 35.453,
                 K = 39.0983, Ca = 40.078, Fe = 55.845, Cu = 63.546;

const SymbolLookup &symbols()
{
    static const SymbolLookup lookup = catalogueSymbols(programCatalogue());
    return lookup;
}

double catalogueMass(int numer) { return StringToFloat(elementRecord(numer).MasaAtom).value; }

// "Ca1 O2 H2": the parts in their order, each symbol with its count.
QString partsText(const Formula &f)
{
    QStringList parts;
    for (const Formula::Part &p : f.parts)
        parts << elementRecord(p.numer).Symbol + QString::number(p.count, 'g', 12);
    return parts.join(u' ');
}

} // namespace

class FormulaTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatPupilsWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<int>("charge");
        QTest::addColumn<QString>("typeset");
        QTest::newRow("plain") << "H2SO4" << "H2 S1 O4" << 0 << "H₂SO₄";
        QTest::newRow("subscripts") << "H₂SO₄" << "H2 S1 O4" << 0 << "H₂SO₄";
        QTest::newRow("blanks") << " H 2 SO4 " << "H2 S1 O4" << 0 << "H₂SO₄";
        QTest::newRow("cobalt") << "Co" << "Co1" << 0 << "Co";
        QTest::newRow("carbon monoxide") << "CO" << "C1 O1" << 0 << "CO";
        QTest::newRow("round brackets") << "Ca(OH)2" << "Ca1 O2 H2" << 0 << "Ca(OH)₂";
        QTest::newRow("nested") << "K4[Fe(CN)6]" << "K4 Fe1 C6 N6" << 0 << "K₄[Fe(CN)₆]";
        QTest::newRow("complex first") << "[Cu(NH3)4]SO4" << "Cu1 N4 H12 S1 O4" << 0 << "[Cu(NH₃)₄]SO₄";
        QTest::newRow("repeated element") << "CH3COOH" << "C2 H4 O2" << 0 << "CH₃COOH";
        QTest::newRow("hydrate ·") << "CuSO4·5H2O" << "Cu1 S1 O9 H10" << 0 << "CuSO₄·5H₂O";
        QTest::newRow("hydrate *") << "CuSO4*5H2O" << "Cu1 S1 O9 H10" << 0 << "CuSO₄·5H₂O";
        QTest::newRow("hydrate .") << "CuSO4.5H2O" << "Cu1 S1 O9 H10" << 0 << "CuSO₄·5H₂O";
        QTest::newRow("half") << "CaSO4*0.5H2O" << "Ca1 S1 O4.5 H1" << 0 << "CaSO₄·0,5H₂O";
        QTest::newRow("coefficient") << "2H2O" << "H4 O2" << 0 << "2H₂O";
        QTest::newRow("coefficient, blank") << "3 O2" << "O6" << 0 << "3O₂";
        QTest::newRow("coefficient of a hydrate") << "2CuSO4·5H2O" << "Cu2 S2 O18 H20" << 0 << "2CuSO₄·5H₂O";
        QTest::newRow("caret") << "SO4^2-" << "S1 O4" << -2 << "SO₄²⁻";
        QTest::newRow("caret, sign first") << "Fe^+3" << "Fe1" << 3 << "Fe³⁺";
        QTest::newRow("blank") << "SO4 2-" << "S1 O4" << -2 << "SO₄²⁻";
        QTest::newRow("superscripts") << "PO₄³⁻" << "P1 O4" << -3 << "PO₄³⁻";
        QTest::newRow("superscript ion") << "Fe³⁺" << "Fe1" << 3 << "Fe³⁺";
        QTest::newRow("bare plus") << "NH4+" << "N1 H4" << 1 << "NH₄⁺";
        QTest::newRow("bare minus") << "OH-" << "O1 H1" << -1 << "OH⁻";
        QTest::newRow("digits before a bare sign count atoms") << "Fe3+" << "Fe3" << 1 << "Fe₃⁺";
        QTest::newRow("signs repeated") << "Fe+++" << "Fe1" << 3 << "Fe³⁺";
        QTest::newRow("typographic minus") << "Cl−" << "Cl1" << -1 << "Cl⁻";
    }
    void readsWhatPupilsWrite()
    {
        QFETCH(QString, text);
        const Formula f = readFormula(text, symbols());
        QVERIFY2(f.ok(), qPrintable(f.error));
        QTEST(partsText(f), "parts");
        QTEST(f.charge, "charge");
        QTEST(f.typeset, "typeset");
        // What is copied reads back as the same formula.
        const Formula again = readFormula(f.plain, symbols());
        QCOMPARE(partsText(again), partsText(f));
        QCOMPARE(again.charge, f.charge);
    }

    void faultsNamedWithTheirPlace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::newRow("unknown") << "Xy2" << "Znak 1: nieznany symbol pierwiastka „Xy”." << 0 << 2;
        QTest::newRow("lower case") << "h2o"
                                    << "Znak 1: symbol pierwiastka zaczyna się wielką literą. Czy chodziło o H2O?"
                                    << 0 << 1;
        QTest::newRow("lower case inside") << "NaCL" << "Znak 4: nieznany symbol pierwiastka „L”. Czy chodziło o NaCl?"
                                           << 3 << 1;
        QTest::newRow("symbol with a lower-case tail") << "Hcl"
                                                       << "Znak 1: nieznany symbol pierwiastka „Hcl”. Czy chodziło o HCl?"
                                                       << 0 << 3;
        QTest::newRow("open bracket") << "Ca(OH2" << "Znak 3: nawias „(” nie ma pary." << 2 << 1;
        QTest::newRow("close bracket") << "CaOH)2" << "Znak 5: nawias „)” nie ma pary." << 4 << 1;
        QTest::newRow("crossed brackets") << "K4[Fe(CN)6)" << "Znak 11: nawias „)” zamyka nawias „[” ze znaku 3."
                                          << 10 << 1;
        QTest::newRow("empty brackets") << "H()" << "Znak 2: pusty nawias." << 1 << 2;
        QTest::newRow("count 0") << "H0" << "Znak 2: liczba atomów nie może być zerem." << 1 << 1;
        QTest::newRow("coefficient 0") << "0H2O" << "Znak 1: współczynnik nie może być zerem." << 0 << 1;
        QTest::newRow("charge inside") << "S+O4" << "Znak 2: ładunek może stać tylko na końcu wzoru." << 1 << 1;
        QTest::newRow("superscript inside") << "SO²O" << "Znak 3: ładunek może stać tylko na końcu wzoru." << 2 << 1;
        QTest::newRow("caret without sign")
            << "SO4^2" << "Znak 4: po „^” pisze się ładunek ze znakiem, na końcu wzoru (np. SO4^2-)." << 3 << 1;
        QTest::newRow("charge 0") << "SO4^0-" << "Znak 5: ładunek musi być liczbą od 1 do 999." << 4 << 2;
        QTest::newRow("foreign character") << "H2O!" << "Znak 4: znak „!” nie należy do wzoru." << 3 << 1;
        QTest::newRow("nothing after the dot") << "H2O·" << "Znak 5: brak symbolu pierwiastka." << 4 << 0;
        QTest::newRow("only a charge") << "2-" << "Znak 2: po współczynniku brak wzoru." << 1 << 0;
        QTest::newRow("number after a bracket") << "(2H)" << "Znak 2: liczba w tym miejscu nie należy do żadnego symbolu."
                                                << 1 << 1;
        QTest::newRow("only a sign") << "+" << "Brak symbolu pierwiastka." << 0 << 0;
        QTest::newRow("empty") << "" << "Wpisz wzór, na przykład H2SO4." << 0 << 0;
        QTest::newRow("blank") << "   " << "Wpisz wzór, na przykład H2SO4." << 0 << 0;
        QTest::newRow("count too big") << "H1000001" << "Znak 2: liczba jest za duża (ponad 1 000 000)." << 1 << 7;
        QTest::newRow("atoms, bracket") << "(H1000)1001" << "Znak 7: wzór ma ponad 1 000 000 atomów." << 6 << 5;
        QTest::newRow("atoms, sum") << "C999999H2" << "Znak 8: wzór ma ponad 1 000 000 atomów." << 7 << 2;
        QTest::newRow("too long") << QString(201, u'H') << "Wzór jest za długi: najwyżej 200 znaków." << 200 << 1;
    }
    void faultsNamedWithTheirPlace()
    {
        QFETCH(QString, text);
        const Formula f = readFormula(text, symbols());
        QVERIFY(!f.ok());
        QTEST(f.error, "message");
        QTEST(f.errorPosition, "position");
        QTEST(f.errorLength, "length");
        // No half-read formula is left to be shown as a result.
        QVERIFY(f.parts.empty());
        QVERIFY(f.plain.isEmpty());
    }

    void limitsAreInclusive()
    {
        QCOMPARE(partsText(readFormula(QString(200, u'H'), symbols())), QStringLiteral("H200"));
        QCOMPARE(partsText(readFormula(QStringLiteral("(H1000)1000"), symbols())), QStringLiteral("H1000000"));
    }

    void caseSuggestions()
    {
        QCOMPARE(suggestCase(u"nacl", symbols()), QStringLiteral("NaCl"));
        QCOMPARE(suggestCase(u"hcl", symbols()), QStringLiteral("HCl"));
        QCOMPARE(suggestCase(u"kmno4", symbols()), QStringLiteral("KMnO4"));
        QCOMPARE(suggestCase(u"ca(oh)2", symbols()), QStringLiteral("Ca(OH)2"));
        QCOMPARE(suggestCase(u"qqq", symbols()), QString());
        // Each "co" reads two ways; a long run without a reading is still answered
        // (tried start by start, it would take 2^99 tries).
        QCOMPARE(suggestCase(QStringLiteral("co").repeated(99) + u'q', symbols()), QString());
    }

    // The symbols of 104 ... 112 as the table shows them at the time.
    void symbolsFollowTheNaming()
    {
        Catalogue catalogue = programCatalogue();
        const SymbolLookup lookup = catalogueSymbols(catalogue);
        QVERIFY(readFormula(u"UnqCl4", lookup).ok());
        QVERIFY(!readFormula(u"RfCl4", lookup).ok());
        catalogue.setModernNames(true);
        QCOMPARE(readFormula(u"RfCl4", lookup).parts.front().numer, 104);
        QCOMPARE(readFormula(u"CnO", lookup).parts.front().numer, 112);
        QVERIFY(readFormula(u"UnqCl4", lookup).error.contains(QStringLiteral("„Unq”")));
    }

    void molarMasses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("H2O") << "H2O" << 2 * H + O;
        QTest::newRow("H2SO4") << "H2SO4" << 98.07848;
        QTest::newRow("Ca(OH)2") << "Ca(OH)2" << 74.09268;
        QTest::newRow("K4[Fe(CN)6]") << "K4[Fe(CN)6]" << 368.3426;
        QTest::newRow("[Cu(NH3)4]SO4") << "[Cu(NH3)4]SO4" << 227.73068;
        QTest::newRow("CuSO4·5H2O") << "CuSO4·5H2O" << 249.685;
        QTest::newRow("CaSO4·0,5H2O") << "CaSO4*0.5H2O" << 145.14824;
        QTest::newRow("NaCl") << "NaCl" << 58.44276928;
        QTest::newRow("2H2O") << "2H2O" << 36.03056;
        QTest::newRow("sulphate ion") << "SO4^2-" << 96.0626;
        QTest::newRow("chalk") << "CaCO3" << Ca + C + 3 * O;
        QTest::newRow("ammonium") << "NH4+" << N + 4 * H;
        QTest::newRow("chloride") << "Cl-" << Cl;
        QTest::newRow("iron(III)") << "Fe^3+" << Fe;
        QTest::newRow("sodium") << "Na" << Na;
        QTest::newRow("potassium") << "K" << K;
        QTest::newRow("copper") << "Cu" << Cu;
        QTest::newRow("sulphur") << "S8" << 8 * S;
    }
    void molarMasses()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const Composition c = compose(readFormula(text, symbols()), catalogueMass);
        QVERIFY2(std::abs(c.molarMass - expected) < 1e-6, qPrintable(QString::number(c.molarMass, 'f', 6)));
    }

    // Shares rounded to hundredths that add up to 100,00 as shown.
    void percentages()
    {
        const Composition water = compose(readFormula(u"H2O", symbols()), catalogueMass);
        QCOMPARE(water.rows.at(0).percent, 11.19); // 2,01588 / 18,01528
        QCOMPARE(water.rows.at(1).percent, 88.81);
        const Composition acid = compose(readFormula(u"H2SO4", symbols()), catalogueMass);
        // 2,0553 %, 32,6933 %, 65,2514 %: the largest remainder takes the last hundredth.
        QCOMPARE(acid.rows.at(0).percent, 2.06);
        QCOMPARE(acid.rows.at(1).percent, 32.69);
        QCOMPARE(acid.rows.at(2).percent, 65.25);
        for (const char16_t *text : {u"C6H12O6", u"KMnO4", u"CuSO4·5H2O", u"K4[Fe(CN)6]", u"CH3COOH"}) {
            long long hundredths = 0;
            for (const Composition::Row &row : compose(readFormula(text, symbols()), catalogueMass).rows)
                hundredths += std::llround(row.percent * 100);
            QCOMPARE(hundredths, 10000LL);
        }
    }

    // Whole numbers, except chlorine and copper kept to one decimal.
    void schoolRounding()
    {
        const auto school = [](int numer) { return schoolMass(numer, catalogueMass(numer)); };
        const std::pair<const char16_t *, double> masses[] = {
            {u"H", 1}, {u"C", 12}, {u"N", 14}, {u"O", 16}, {u"Na", 23}, {u"Mg", 24}, {u"S", 32}, {u"Cl", 35.5},
            {u"K", 39}, {u"Ca", 40}, {u"Fe", 56}, {u"Cu", 63.5}, {u"Zn", 65}, {u"Ag", 108}, {u"Ba", 137},
        };
        for (const auto &[symbol, mass] : masses)
            QCOMPARE(school(numberOfSymbol(symbol)), mass);
        const std::tuple<const char16_t *, double, std::vector<long long>> cases[] = {
            {u"H2O", 18, {1, 8}},       {u"HCl", 36.5, {2, 71}},          {u"CuSO4", 159.5, {127, 64, 128}},
            {u"CO2", 44, {3, 8}},       {u"Fe2O3", 160, {7, 3}},          {u"H2SO4", 98, {1, 16, 32}},
            {u"CaCO3", 100, {10, 3, 12}}, {u"CuSO4·5H2O", 249.5, {127, 64, 288, 20}},
        };
        for (const auto &[text, molar, ratio] : cases) {
            const Composition c = compose(readFormula(text, symbols()), school);
            QCOMPARE(c.molarMass, molar);
            QCOMPARE(c.wholeRatio, ratio);
        }
        // The precise masses have no ratio in small whole numbers.
        QVERIFY(compose(readFormula(u"H2O", symbols()), catalogueMass).wholeRatio.empty());
    }

    void approximateMasses()
    {
        for (const char16_t *symbol : {u"Tc", u"Pm", u"Po", u"At", u"Rn", u"Fr", u"Ra", u"Ac", u"Np", u"Pu", u"Am"})
            QVERIFY2(massIsMassNumber(numberOfSymbol(symbol)), qPrintable(QString::fromUtf16(symbol)));
        for (int numer = 104; numer <= 112; ++numer)
            QVERIFY(massIsMassNumber(numer));
        for (const char16_t *symbol : {u"H", u"Bi", u"Th", u"Pa", u"U", u"Mo", u"Nd"})
            QVERIFY2(!massIsMassNumber(numberOfSymbol(symbol)), qPrintable(QString::fromUtf16(symbol)));
    }

    // 10 g of chalk (M = 100 g/mol at school masses) is 0,1 mol.
    void converter()
    {
        constexpr double avogadro = 6.022045e23;
        const auto close = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b)); };
        Amounts a = Amounts::from(Amounts::Mass, 10, 100, avogadro);
        QVERIFY(close(a.moles, 0.1) && close(a.volume, 2.24) && close(a.particles, 6.022045e22));
        QCOMPARE(a.mass, 10.0);
        a = Amounts::from(Amounts::Volume, 4.48, 100, avogadro);
        QVERIFY(close(a.moles, 0.2) && close(a.mass, 20));
        a = Amounts::from(Amounts::Particles, 1.204409e24, 18, avogadro);
        QVERIFY(close(a.moles, 2) && close(a.mass, 36) && close(a.volume, 44.8));
        a = Amounts::from(Amounts::Moles, 0.5, 44, avogadro);
        QVERIFY(close(a.mass, 22) && close(a.volume, 11.2));
        // No formula: nothing to convert.
        a = Amounts::from(Amounts::Mass, 10, 0, avogadro);
        QCOMPARE(a.moles, 0.0);
    }
};

TABLICZNIK_TEST_MAIN(FormulaTest)
#include "formula_test.moc"
