// The catalogue's physical data: radii, density, melting and boiling points,
// enthalpies of fusion and atomisation, thermal and mechanical properties.
// The views colour the table from these texts, so their counts, notations
// and bins must hold exactly, and the numbers must agree with each other and
// with the state of matter.

#include "data/stringtofloat.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include <QTest>

#include <initializer_list>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

const QString kDash = QStringLiteral("-");

// Entry 1..15 of a fifteen-entry legend: a value equal to a bound goes to the
// entry above it.
int entryOf(double value, std::initializer_list<double> bounds)
{
    int entry = 1;
    for (double b : bounds)
        if (value >= b)
            ++entry;
    return entry;
}

int atomicRadiusEntry(double v)
{
    return entryOf(v, {68, 87, 106, 125, 144, 163, 182, 201, 220, 239, 258, 277, 296, 315});
}

int densityEntry(double v)
{
    return entryOf(v, {1.4, 2.9, 4.3, 5.7, 7.2, 8.6, 10.1, 11.5, 12.9, 14.4, 15.8, 17.3, 18.7, 20.1});
}

int atomisationEntry(double v)
{
    return entryOf(v, {50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 650, 700});
}

// Entry 1..8 of the gas density legend, 0 for a value in one of its gaps.
int gasDensityEntry(double v)
{
    struct Range { double from, to; };
    static const Range ranges[] = {{-1e9, 0.4}, {0.6, 0.9}, {0.9, 1.25}, {1.25, 1.5},
                                   {1.5, 1.8}, {2.1, 2.4}, {2.95, 3.3}, {4.1, 1e9}};
    for (int i = 0; i < 8; ++i)
        if (v >= ranges[i].from && v < ranges[i].to)
            return i + 1;
    return 0;
}

// The group's numeric fields, all read by the property views.
const char *const kNumericFields[] = {
    "PromAtom", "PromKowal", "Gestosc", "TempWrz", "TempTop", "EntTop", "MolEntAtom",
    "WspPrzewCiep", "MolPojCiep", "EntropMol", "Twardosc", "WytrzRoz", "ModYoung"};

} // namespace

class CataloguePhysicalTest : public QObject {
    Q_OBJECT

    const Catalogue *m_catalogue = nullptr;

    const ElementRecord &element(int numer) const { return m_catalogue->element(numer); }
    QList<int> holding(const QString &field, const QString &text) const
    {
        QList<int> numbers;
        for (const ElementRecord &e : *m_catalogue)
            if (fieldOf(e, field) == text)
                numbers << e.Numer;
        return numbers;
    }
    // The number of a field, failing the test when the text is malformed.
    static std::optional<double> number(const ElementRecord &e, const char *field)
    {
        const QString text = fieldOf(e, field);
        const ParsedNumber parsed = StringToFloat(text);
        if (parsed.malformed)
            qWarning("%s of %s is malformed: \"%s\"", field, qPrintable(e.Symbol), qPrintable(text));
        return parsed.noNumber ? std::nullopt : std::optional<double>(parsed.value);
    }
    static bool isGas(const ElementRecord &e) { return e.StanSkup == QLatin1StringView("gazowy"); }

private slots:
    void initTestCase()
    {
        try {
            m_catalogue = &programCatalogue();
        } catch (const CatalogueError &error) {
            QFAIL(error.what());
        }
    }

    void noDataMarkers_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("count");
        const auto row = [](const char *field, const char *marker, int count) {
            QTest::addRow("%s", field) << QString::fromLatin1(field) << QString::fromLatin1(marker) << count;
        };
        row("PromAtom", "", 26);
        row("PromKowal", "", 25);
        row("Gestosc", "-", 15);
        row("TempWrz", "-", 15);
        row("TempTop", "-", 16);
        row("Twardosc", "-", 42);
        row("MolPojCiep", "-", 20);
        row("EntTop", "-", 21);
        row("WytrzRoz", "-", 58);
        row("ModYoung", "-", 44);
        row("WspPrzewCiep", "-", 24);
        row("MolEntAtom", "-", 18);
        row("EntropMol", "-", 25);
        row("RodzMolEntAtom", "-", 0);
    }
    void noDataMarkers()
    {
        QFETCH(QString, field);
        QFETCH(QString, marker);
        QFETCH(int, count);
        QCOMPARE(holding(field, marker).size(), count);
        // Only one spelling of "nothing" per field, and no padding.
        const QString other = marker.isEmpty() ? kDash : QString();
        QCOMPARE(holding(field, other), QList<int>());
        if (field == QLatin1StringView("RodzMolEntAtom"))
            QCOMPARE(holding(field, QString()), QList<int>());
        for (const ElementRecord &e : *m_catalogue)
            QCOMPARE(fieldOf(e, field), fieldOf(e, field).trimmed());
    }

    void numericFieldsParse_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *field : kNumericFields)
            QTest::addRow("%s", field) << QString::fromLatin1(field);
    }
    void numericFieldsParse()
    {
        QFETCH(QString, field);
        for (const ElementRecord &e : *m_catalogue) {
            const QString text = fieldOf(e, field);
            const QString where = QStringLiteral("%1 of %2: \"%3\"").arg(field, e.Symbol, text);
            QVERIFY2(!StringToFloat(text).malformed, qPrintable(where));
            // The decimal separator is the comma; a point would read as a
            // number on some systems only.
            QVERIFY2(!text.contains(u'.'), qPrintable(where));
        }
    }

    void quotedValues_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](int numer, const char *field, const char *expected) {
            QTest::addRow("%d %s", numer, field) << numer << QString::fromLatin1(field) << QString::fromUtf8(expected);
        };
        row(1, "EntropMol", "130,57");
        row(1, "PromAtom", "79");
        row(1, "PromKowal", "32");
        row(1, "Gestosc", "0,071");
        row(1, "TempWrz", "-252,88");
        row(1, "TempTop", "-259,32");
        row(1, "Twardosc", "-");
        row(1, "MolPojCiep", "28,836");
        row(1, "EntTop", "0,117");
        row(1, "WytrzRoz", "-");
        row(1, "ModYoung", "-");
        row(1, "WspPrzewCiep", "0,185");
        row(1, "MolEntAtom", "218,0");
        row(1, "RodzMolEntAtom", "atomizacji:");
        row(2, "RodzMolEntAtom", "wrzenia:");
        row(2, "MolEntAtom", "0,0837");
        row(2, "PromAtom", "49");
        row(2, "Gestosc", "0,126");
        row(3, "Gestosc", "0,532");
        row(55, "PromAtom", "334");
        row(76, "Gestosc", "22,57");
        row(86, "Gestosc", "4,4");
        row(87, "PromAtom", "");
    }
    void quotedValues()
    {
        QFETCH(int, numer);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(fieldOf(element(numer), field), expected);
    }

    void atomicRadiusScale_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("helium") << 2 << 1;
        QTest::newRow("hydrogen") << 1 << 2;
        QTest::newRow("caesium") << 55 << 15;
    }
    void atomicRadiusScale()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        const auto radius = number(element(numer), "PromAtom");
        QVERIFY(radius);
        QCOMPARE(atomicRadiusEntry(*radius), entry);
    }

    void radiiEndAtFrancium()
    {
        // Every element up to radon has an atomic radius, none from francium on.
        for (const ElementRecord &e : *m_catalogue)
            QCOMPARE(number(e, "PromAtom").has_value(), e.Numer < 87);
        // A covalent radius is never known where the atomic one is not, except
        // for the two long-studied actinides thorium and uranium.
        for (const ElementRecord &e : *m_catalogue)
            if (e.Numer != 90 && e.Numer != 92 && !number(e, "PromAtom"))
                QVERIFY2(!number(e, "PromKowal"), qPrintable(e.Symbol));
    }

    void enthalpyKind()
    {
        // The six noble gases carry their enthalpy of vaporisation, everyone
        // else the enthalpy of atomisation.
        QCOMPARE(holding(QStringLiteral("RodzMolEntAtom"), QStringLiteral("wrzenia:")),
                 (QList<int>{2, 10, 18, 36, 54, 86}));
        QCOMPARE(holding(QStringLiteral("RodzMolEntAtom"), QStringLiteral("atomizacji:")).size(), 106);
        // Those six, and only they, fall into the first entry of the scale.
        for (const ElementRecord &e : *m_catalogue) {
            const auto value = number(e, "MolEntAtom");
            const bool boiling = e.RodzMolEntAtom == QLatin1StringView("wrzenia:");
            if (boiling)
                QVERIFY2(value, qPrintable(e.Symbol));
            if (value)
                QVERIFY2((atomisationEntry(*value) == 1) == boiling, qPrintable(e.Symbol));
        }
    }

    void solidAndLiquidDensities_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("lithium") << 3 << 1;
        QTest::newRow("iron") << 26 << 6;
        QTest::newRow("mercury") << 80 << 10;
        QTest::newRow("osmium") << 76 << 15;
    }
    void solidAndLiquidDensities()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        const auto density = number(element(numer), "Gestosc");
        QVERIFY(density);
        QCOMPARE(densityEntry(*density), entry);
    }
    void noDensityBetween17and18()
    {
        for (const ElementRecord &e : *m_catalogue) {
            const auto density = number(e, "Gestosc");
            if (density && !isGas(e))
                QVERIFY2(densityEntry(*density) != 13, qPrintable(e.Symbol));
        }
    }

    void gasDensities_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("hydrogen") << 1 << 1;
        QTest::newRow("helium") << 2 << 1;
        QTest::newRow("nitrogen") << 7 << 2;
        QTest::newRow("oxygen") << 8 << 3;
        QTest::newRow("fluorine") << 9 << 5;
        QTest::newRow("neon") << 10 << 3;
        QTest::newRow("chlorine") << 17 << 5;
        QTest::newRow("argon") << 18 << 4;
        QTest::newRow("krypton") << 36 << 6;
        QTest::newRow("xenon") << 54 << 7;
        QTest::newRow("radon") << 86 << 8;
    }
    void gasDensities()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        QVERIFY(isGas(element(numer)));
        const auto density = number(element(numer), "Gestosc");
        QVERIFY(density);
        QCOMPARE(gasDensityEntry(*density), entry);
    }
    void everyGasInAnEntry()
    {
        // The gas legend leaves gaps; no gas of the catalogue may fall in one.
        int gases = 0;
        for (const ElementRecord &e : *m_catalogue) {
            if (!isGas(e))
                continue;
            ++gases;
            const auto density = number(e, "Gestosc");
            QVERIFY2(density && gasDensityEntry(*density) != 0, qPrintable(e.Symbol));
        }
        QCOMPARE(gases, 11);
    }

    void temperaturesAgreeWithState()
    {
        // At 25 deg C a gas boils below, a solid melts above, a liquid lies
        // between; nothing is colder than absolute zero, and an element melts
        // before it boils, save arsenic, which sublimes at normal pressure.
        for (const ElementRecord &e : *m_catalogue) {
            const auto melting = number(e, "TempTop");
            const auto boiling = number(e, "TempWrz");
            const QByteArray utf8 = e.Symbol.toUtf8();
            const char *symbol = utf8.constData();
            if (melting)
                QVERIFY2(*melting > -273.15, symbol);
            if (boiling)
                QVERIFY2(*boiling > -273.15, symbol);
            if (melting && boiling && e.Numer != 33)
                QVERIFY2(*melting < *boiling, symbol);
            if (isGas(e) && boiling)
                QVERIFY2(*boiling < 25, symbol);
            if (e.StanSkup == u"ciekły")
                QVERIFY2(melting && boiling && *melting < 25 && *boiling > 25, symbol);
            if (e.StanSkup == u"ciało stałe" && melting)
                QVERIFY2(*melting > 25, symbol);
        }
        // Helium does not solidify at normal pressure.
        QCOMPARE(element(2).TempTop, kDash);
        QVERIFY(number(element(2), "TempWrz"));
    }

    void mechanicalDataOnlyForSolids_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("hardness") << QStringLiteral("Twardosc");
        QTest::newRow("tensile strength") << QStringLiteral("WytrzRoz");
        QTest::newRow("Young's modulus") << QStringLiteral("ModYoung");
    }
    void mechanicalDataOnlyForSolids()
    {
        QFETCH(QString, field);
        for (const ElementRecord &e : *m_catalogue)
            if (e.StanSkup != u"ciało stałe")
                QVERIFY2(fieldOf(e, field) == kDash, qPrintable(e.Symbol));
    }

    void superheavyElementsHaveNoData()
    {
        for (int numer = 104; numer <= 112; ++numer) {
            const ElementRecord &e = element(numer);
            QCOMPARE(e.PromAtom, QString());
            QCOMPARE(e.PromKowal, QString());
            for (const char *field : kNumericFields) {
                if (qstrcmp(field, "PromAtom") && qstrcmp(field, "PromKowal"))
                    QVERIFY2(fieldOf(e, field) == kDash, field);
            }
            QCOMPARE(e.RodzMolEntAtom, QStringLiteral("atomizacji:"));
        }
    }
};

TABLICZNIK_TEST_MAIN(CataloguePhysicalTest)
#include "catalogue_physical_test.moc"
