#include "support/testmain.h"
#include "support/viewtable.h"

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {
const std::set<int> kFerromagnets = {26, 27, 28, 64, 65, 66, 67};
const QColor kLightBlue = bgr(0xFF5F5F), kLightGreen = bgr(0x5FFF5F), kLightYellow = bgr(0x5FFFFF);
} // namespace

// Conduction and magnetic types, and the two susceptibility scales.
class TypeFiltersTest : public QObject {
    Q_OBJECT

private slots:
    void conduction_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("count");
        QTest::newRow("metals") << "Pokametale1" << kLightBlue << 82;
        QTest::newRow("insulators") << "Pokaizolatory1" << kLightYellow << 19;
        QTest::newRow("semiconductors") << "Pokapprzewodniki1" << kLightGreen << 2;
    }
    void conduction()
    {
        QFETCH(QString, item);
        QFETCH(QColor, colour);
        QFETCH(int, count);
        ViewTable table;
        QVERIFY(table.choose(item));
        const std::set<int> shown = table.enabledElements();
        QCOMPARE(int(shown.size()), count);
        QCOMPARE(table.enabledIn(colour), shown);
        for (int n = 104; n <= 112; ++n)
            QVERIFY(!table.enabled(n));
        if (count == 2)
            QCOMPARE(shown, (std::set<int>{14, 32}));
    }

    void allConductionTypes()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Pokawszystkie1")));
        QCOMPARE(table.disabledElements(), range(104, 112));
        QCOMPARE(table.enabledIn(kLightBlue).size(), std::size_t(82));
        QCOMPARE(table.enabledIn(kLightYellow).size(), std::size_t(19));
        QCOMPARE(table.enabledIn(kLightGreen), (std::set<int>{14, 32}));
    }

    void conductionFilterSetsTheCaptionEvenWhenNothingMatches()
    {
        ViewTable table(patchedCatalogue({{14, "TypPrzew", QStringLiteral("metal")}, {32, "TypPrzew", QStringLiteral("metal")}}));
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        QVERIFY(table.choose(QStringLiteral("Pokapprzewodniki1")));
        QCOMPARE(table.enabledElements(), std::set<int>{});
        QCOMPARE(table.caption(), QStringLiteral("NATURALNE PÓŁPRZEWODNIKI."));
    }

    void magneticTypes()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Pokawszystkie2")));
        QCOMPARE(table.enabledIn(kLightYellow).size(), std::size_t(32));
        QCOMPARE(table.enabledIn(kLightGreen).size(), std::size_t(49));
        QCOMPARE(table.enabledIn(kLightBlue), kFerromagnets);
        QCOMPARE(table.disabledElements().size(), std::size_t(24));

        QVERIFY(table.choose(QStringLiteral("Pokaferromagnetyki1")));
        QCOMPARE(table.enabledElements(), kFerromagnets);
        QVERIFY(table.choose(QStringLiteral("Pokadiamagnetyki1")));
        QCOMPARE(table.enabledElements().size(), std::size_t(32));
        QVERIFY(table.choose(QStringLiteral("Pokaparamagnetyki1")));
        QCOMPARE(table.enabledElements().size(), std::size_t(49));
        for (int n : {65, 66, 67}) // a Curie temperature beside a positive susceptibility
            QVERIFY(!table.enabled(n));
    }

    void paramagneticScale_data()
    {
        QTest::addColumn<std::set<int>>("elements");
        QTest::addColumn<int>("entry");
        QTest::newRow("tin, 3,1") << std::set<int>{50} << 1;
        QTest::newRow("calcium and ruthenium, 40") << std::set<int>{20, 44} << 6;
        QTest::newRow("technetium, (200)") << std::set<int>{43} << 9;
        QTest::newRow("oxygen, 3449") << std::set<int>{8} << 14;
        QTest::newRow("above 5000") << std::set<int>{59, 60, 63, 65, 66, 67, 68, 69} << 15;
    }
    void paramagneticScale()
    {
        QFETCH(std::set<int>, elements);
        QFETCH(int, entry);
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Pokaparamagnetyki2")));
        for (int n : elements)
            QVERIFY2(table.enabled(n) && table.colourOf(n) == table.swatch(entry), qPrintable(QString::number(n)));
        if (entry == 15)
            QCOMPARE(table.enabledIn(table.swatch(15)), elements);
        for (int n : {26, 27, 28, 64}) // no susceptibility
            QVERIFY(!table.enabled(n));
    }

    void diamagneticScale_data()
    {
        QTest::addColumn<std::set<int>>("elements");
        QTest::addColumn<int>("entry");
        QTest::newRow("beryllium, -9") << std::set<int>{4} << 2;
        QTest::newRow("tellurium -40, chlorine -40,6") << std::set<int>{52, 17} << 6;
        QTest::newRow("iodine, -89") << std::set<int>{53} << 12;
        QTest::newRow("antimony, -98,6") << std::set<int>{51} << 13;
        QTest::newRow("bismuth, -280") << std::set<int>{83} << 15;
    }
    void diamagneticScale()
    {
        QFETCH(std::set<int>, elements);
        QFETCH(int, entry);
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Pokadiamagnetyki2")));
        for (int n : elements)
            QVERIFY2(table.enabled(n) && table.colourOf(n) == table.swatch(entry), qPrintable(QString::number(n)));
        for (int empty : {9, 10, 11, 14})
            QCOMPARE(table.enabledIn(table.swatch(empty)), std::set<int>{});
        for (int n : {26, 27, 28, 64})
            QVERIFY(!table.enabled(n));
        QCOMPARE(table.enabledElements().size(), std::size_t(32));
    }

    void zeroSusceptibilityIsParamagnetic()
    {
        ViewTable table(patchedCatalogue({{4, "PodatMag", QStringLiteral("0")}}));
        QVERIFY(table.choose(QStringLiteral("Pokaparamagnetyki2")));
        QCOMPARE(table.colourOf(4), table.swatch(1));
        QVERIFY(table.choose(QStringLiteral("Pokadiamagnetyki2")));
        QVERIFY(!table.enabled(4));
        QVERIFY(table.choose(QStringLiteral("Pokawszystkie2")));
        QCOMPARE(table.colourOf(4), kLightGreen);
    }

    void paramagneticsOfTheTwoMenusDiffer()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Pokaparamagnetyki1")));
        const std::set<int> byType = table.enabledElements();
        QVERIFY(table.choose(QStringLiteral("Pokaparamagnetyki2")));
        const std::set<int> bySusceptibility = table.enabledElements();
        QCOMPARE(without(bySusceptibility, byType), (std::set<int>{65, 66, 67}));
        QCOMPARE(without(byType, bySusceptibility), std::set<int>{});
    }
};

TABLICZNIK_TEST_MAIN(TypeFiltersTest)
#include "typefilters_test.moc"
