#include "support/testmain.h"
#include "support/viewtable.h"

#include <QRegularExpression>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {
const std::set<int> kAntiquity = {6, 16, 26, 29, 47, 50, 79, 80, 82};
const std::set<int> kMiddleAges = {30, 33, 51, 83};
} // namespace

// Antiquity, the middle ages and the years of discovery.
class ErasTest : public QObject {
    Q_OBJECT

private slots:
    void eraAlone_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<std::set<int>>("known");
        QTest::newRow("antiquity") << "Star1" << kAntiquity;
        QTest::newRow("middle ages") << "redniowiecze1" << kMiddleAges;
    }
    void eraAlone()
    {
        QFETCH(QString, item);
        QFETCH(std::set<int>, known);
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        QVERIFY(table.choose(item));
        QCOMPARE(table.enabledElements(), known);
        QCOMPARE(table.enabledIn(bgr(0x5FFF5F)), known);
        // Hydrogen is made black before the walk greys it.
        QVERIFY(!table.enabled(1));
        QCOMPARE(table.colourOf(1), bgr(0x000000));
    }

    void allYears_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("phosphorus 1669") << 15 << 1;
        QTest::newRow("platinum 1750") << 78 << 4;
        QTest::newRow("californium 1950") << 98 << 12;
        QTest::newRow("element 106, 1974") << 106 << 12;
        QTest::newRow("element 107, 1976") << 107 << 13;
        QTest::newRow("helium 1868 (1895)") << 2 << 8;
        QTest::newRow("fluorine 1810 (1866)") << 9 << 6;
        QTest::newRow("nobelium 1957 (1958)") << 102 << 12;
        QTest::newRow("carbon, antiquity") << 6 << 1;
        QTest::newRow("bismuth, middle ages") << 83 << 1;
    }
    void allYears()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Pozostae1")));
        QCOMPARE(table.colourOf(numer), table.swatch(entry));
        QCOMPARE(table.disabledElements(), std::set<int>{});
        QCOMPARE(table.enabledIn(table.swatch(1)), unite(unite(kAntiquity, kMiddleAges), {15}));
        QCOMPARE(table.enabledIn(table.swatch(2)), std::set<int>{});
    }

    void eraWordInAnotherCase()
    {
        ViewTable table(patchedCatalogue({{26, "RokOdkryc", QStringLiteral("Starożytność")},
                                          {29, "RokOdkryc", QStringLiteral("starożytność ")}}));
        QVERIFY(table.choose(QStringLiteral("Star1")));
        QCOMPARE(table.enabledElements(), without(kAntiquity, {26, 29}));
        QCOMPARE(table.messages.texts, QStringList());
        // The year scale reads "Star" and "star" as years: two warnings in the log, no box.
        for (const char *element : {"26 \\(Fe\\)", "29 \\(Cu\\)"})
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("pierwiastka %1, pole RokOdkryc").arg(QLatin1StringView(element))));
        QVERIFY(table.choose(QStringLiteral("Pozostae1")));
        QCOMPARE(table.messages.texts, QStringList());
        QCOMPARE(table.disabledElements(), (std::set<int>{26, 29}));
    }

    void menuOpensAtThePointerAndChangesNothing()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("RokOdkrycButton")));
        auto *menu = table.find<QMenu>(QStringLiteral("RokOdkrycPopupMenu"));
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(table.log.played, QStringList{QStringLiteral("KTXbutton.wav")});
        menu->close();
        QCOMPARE(table.caption(), QStringLiteral("Tablicznik"));
        QVERIFY(!table.legendShown());
        QCOMPARE(table.enabledIn(buttonText()), range(1, 112));
    }
};

TABLICZNIK_TEST_MAIN(ErasTest)
#include "eras_test.moc"
