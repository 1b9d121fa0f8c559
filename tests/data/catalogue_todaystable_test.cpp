// The six elements of today's table, nihon to oganeson: they join the
// catalogue only under today's names, and their records keep the
// conventions of 104 ... 112 with the half-lives of NUBASE2020.

#include "data/stringtofloat.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// NUBASE2020 (Kondev et al., Chinese Physics C 45 (2021) 030001): the
// ground states of 113 ... 118 with a measured half-life, in seconds.
struct Nuclide {
    int numer, mass;
    double seconds;
};
constexpr Nuclide kNubase[] = {
    {113, 278, 2.3e-3}, {113, 282, 0.14}, {113, 283, 0.14}, {113, 284, 0.97}, {113, 285, 4.6}, {113, 286, 12},
    {113, 290, 8},      {114, 284, 3.1e-3}, {114, 285, 0.21}, {114, 286, 0.13}, {114, 287, 0.51}, {114, 288, 0.653},
    {114, 289, 2.1},    {114, 290, 80},   {115, 287, 0.06}, {115, 288, 0.177}, {115, 289, 0.41}, {115, 290, 0.84},
    {116, 290, 9e-3},   {116, 291, 0.026}, {116, 292, 0.016}, {116, 293, 0.07}, {117, 293, 0.025}, {117, 294, 0.07},
    {118, 294, 0.7e-3}, {118, 295, 0.68},
};

struct Identity {
    int numer;
    const char *symbol, *nazwa, *nazAng;
};
const Identity kSix[] = {
    {113, "Nh", "Nihon", "Nihonium"},     {114, "Fl", "Flerow", "Flerovium"},
    {115, "Mc", "Moskow", "Moscovium"},   {116, "Lv", "Liwermor", "Livermorium"},
    {117, "Ts", "Tenes", "Tennessine"},   {118, "Og", "Oganeson", "Oganesson"},
};

// "{\super 286}Nh (12 sek.), ..." as mass number -> seconds.
QMap<int, double> listedHalfLives(const QString &isotopes, const QString &symbol)
{
    static const QRegularExpression entry(QStringLiteral(R"(\{\\super (\d+)\}(\w+) \(([\d,]+) (ms|sek\.)\))"));
    QMap<int, double> listed;
    for (const auto &m : entry.globalMatch(isotopes))
        if (m.captured(2) == symbol)
            listed.insert(m.captured(1).toInt(),
                          QString(m.captured(3)).replace(u',', u'.').toDouble() * (m.captured(4) == u"ms" ? 1e-3 : 1.0));
    return listed;
}

} // namespace

class CatalogueTodaysTableTest : public QObject {
    Q_OBJECT

    Catalogue m_today = programCatalogue();

private slots:
    void initTestCase() { m_today.setModernNames(true); }

    void namesAndPlaces()
    {
        for (const Identity &id : kSix) {
            const ElementRecord &e = m_today.element(id.numer);
            QCOMPARE(e.Numer, id.numer);
            QCOMPARE(e.Symbol, QLatin1StringView(id.symbol));
            QCOMPARE(e.Nazwa, QLatin1StringView(id.nazwa));
            QCOMPARE(e.NazAng, QLatin1StringView(id.nazAng));
            QVERIFY(!e.NazLac.isEmpty());
            QCOMPARE(m_today.numberOf(e.Nazwa), id.numer);
            QCOMPARE(programCatalogue().numberOf(e.Nazwa), 0); // not in the table of 112
        }
    }

    // Every half-life listed is NUBASE2020's; the atomic mass is the mass
    // number of the longest-lived isotope NUBASE2020 knows; the count of
    // known isotopes is the number of its ground states with a measured
    // half-life.
    void isotopesFollowNubase()
    {
        for (const Identity &id : kSix) {
            const ElementRecord &e = m_today.element(id.numer);
            const QMap<int, double> listed = listedHalfLives(e.Izotopy, e.Symbol);
            QVERIFY2(listed.size() >= 2, qPrintable(e.Izotopy));
            int known = 0, longest = 0;
            double longestSeconds = 0;
            for (const Nuclide &n : kNubase) {
                if (n.numer != id.numer)
                    continue;
                ++known;
                if (n.seconds > longestSeconds) {
                    longestSeconds = n.seconds;
                    longest = n.mass;
                }
                if (listed.contains(n.mass))
                    QVERIFY2(std::abs(listed.value(n.mass) / n.seconds - 1) < 1e-9,
                             qPrintable(QStringLiteral("%1-%2").arg(e.Nazwa).arg(n.mass)));
            }
            for (int mass : listed.keys())
                QVERIFY2(std::any_of(std::begin(kNubase), std::end(kNubase),
                                     [&](const Nuclide &n) { return n.numer == id.numer && n.mass == mass; }),
                         qPrintable(QStringLiteral("%1-%2 is not in NUBASE2020").arg(e.Nazwa).arg(mass)));
            QCOMPARE(e.MasaAtom, QString::number(longest));
            QVERIFY(listed.contains(longest));
            QCOMPARE(e.LiczIzotop, QString::number(known));
            QCOMPARE(e.LiczTrIzotop, QStringLiteral("0"));
        }
    }

    // The predicted configuration, in parentheses like every estimate:
    // radon's core, 5f14 6d10 7s2 and 7p1 ... 7p6; the shells follow from it.
    void predictedConfigurations()
    {
        const int expectedShells[] = {2, 8, 18, 32, 32, 18};
        for (const Identity &id : kSix) {
            const ElementRecord &e = m_today.element(id.numer);
            QCOMPARE(e.KonfElektr, QStringLiteral("([Rn]5f{\\super 14}6d{\\super 10}7s{\\super 2}7p{\\super %1})")
                                       .arg(id.numer - 112));
            const QString shells[] = {e.PowK, e.PowL, e.PowM, e.PowN, e.PowO, e.PowP, e.PowQ};
            int sum = 0;
            for (int s = 0; s < 6; ++s) {
                QCOMPARE(shells[s].toInt(), expectedShells[s]);
                sum += shells[s].toInt();
            }
            QCOMPARE(shells[6].toInt(), id.numer - 112 + 2);
            QCOMPARE(sum + shells[6].toInt(), id.numer);
        }
    }

    // Discovery years of the first claims; nothing is measured, so the
    // physical and chemical fields say so as element 112's do.
    void yearsAndMissingData()
    {
        const QHash<int, QString> years{{113, "2003"}, {114, "1998"}, {115, "2003"},
                                        {116, "2000"}, {117, "2010"}, {118, "2002"}};
        const ElementRecord &copernicium = m_today.element(112);
        for (const Identity &id : kSix) {
            const ElementRecord &e = m_today.element(id.numer);
            QCOMPARE(e.RokOdkryc, years.value(id.numer));
            QCOMPARE(e.StanSkup, copernicium.StanSkup);
            for (const TextField &f : kStoredTextFields) {
                const QString name = QLatin1StringView(f.name);
                static const QStringList own{"Symbol", "Nazwa", "KonfElektr", "NazAng", "NazLac", "MasaAtom",
                                             "LiczIzotop", "RokOdkryc", "Izotopy", "PowK", "PowL", "PowM", "PowN",
                                             "PowO", "PowP", "PowQ"};
                if (!own.contains(name))
                    QVERIFY2(e.*f.member == copernicium.*f.member, f.name);
            }
            const ParsedNumber mass = StringToFloat(e.MasaAtom);
            QVERIFY(!mass.noNumber && mass.value > 280 && mass.value < 300);
            QVERIFY(e.Opis.text().size() >= 2740 && e.Opis.text().size() <= 9835);
        }
    }

    // The counts of the table of 112 hold while today's names are off, and
    // the iteration and the names take in the six while they are on.
    void countsFollowTheNaming()
    {
        const Catalogue &older = programCatalogue();
        QCOMPARE(older.count(), 112);
        QCOMPARE(std::distance(older.begin(), older.end()), 112);
        QCOMPARE(m_today.count(), 118);
        QCOMPARE(std::distance(m_today.begin(), m_today.end()), 118);
        QCOMPARE(m_today.elementNames().last(), QStringLiteral("Oganeson"));
        QCOMPARE(older.elementNames().last(), QStringLiteral("Pierwiastek 112"));
        int dashesOff = 0, dashesOn = 0;
        for (const ElementRecord &e : older)
            dashesOff += e.TempTop == u"-";
        for (const ElementRecord &e : m_today)
            dashesOn += e.TempTop == u"-";
        QCOMPARE(dashesOff, 16); // as the table of 112 counts them
        QCOMPARE(dashesOn, 22);
    }
};

TABLICZNIK_TEST_MAIN(CatalogueTodaysTableTest)
#include "catalogue_todaystable_test.moc"
