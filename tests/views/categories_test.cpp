#include "support/testmain.h"
#include "support/viewtable.h"

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {
const std::set<int> kGases = {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
const std::set<int> kNobleGases = {2, 10, 18, 36, 54, 86};
} // namespace

// State of matter, oxide character, typical valence and oxidation state.
class CategoriesTest : public QObject {
    Q_OBJECT

private slots:
    void stateOfMatter()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("StanSkupButton")));
        QCOMPARE(table.enabledElements(), range(1, 112));
        QCOMPARE(table.enabledIn(bgr(0x5FFF5F)), kGases);
        QCOMPARE(table.enabledIn(bgr(0xFF5F5F)), (std::set<int>{35, 80}));
        const std::set<int> solids = table.enabledIn(bgr(0x5FFFFF));
        QCOMPARE(solids.size(), std::size_t(99));
        QCOMPARE(solids, without(range(1, 112), unite(kGases, {35, 80})));
    }

    void categoryTextsAreComparedWhole_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("capital") << "Gazowy";
        QTest::newRow("trailing blank") << "gazowy ";
        QTest::newRow("leading blank") << " ciało stałe";
        QTest::newRow("upper case") << "CIEKŁY";
    }
    void categoryTextsAreComparedWhole()
    {
        QFETCH(QString, value);
        ViewTable table(patchedCatalogue({{26, "StanSkup", value}}));
        QVERIFY(table.click(QStringLiteral("StanSkupButton")));
        QCOMPARE(table.disabledElements(), std::set<int>{26});
    }

    void oxideCharacter()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("CharTlenButton")));
        QCOMPARE(table.colourOf(54), bgr(0x3F3FFF)); // xenon: kwasowy
        QCOMPARE(table.colourOf(1), bgr(0x008080));  // hydrogen: amfoteryczny
        QCOMPARE(table.colourOf(11), bgr(0xFF3F3F)); // sodium: zasadowy
        QCOMPARE(table.colourOf(8), bgr(0xFFFFFF));  // oxygen: brak tlenków
        for (int n = 106; n <= 112; ++n)
            QVERIFY(!table.enabled(n));
        // Only "-" is no data.
        for (int n : table.disabledElements())
            QCOMPARE(table.element(n)->property("CharTlen").toString(), QStringLiteral("-"));
    }

    void typicalValence()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        const QColor osmiumRadius = table.colourOf(76);
        QVERIFY(table.click(QStringLiteral("WartTypButton")));
        for (int n : {2, 10, 18, 54})
            QVERIFY(!table.enabled(n));
        QCOMPARE(table.colourOf(36), table.swatch(2)); // krypton "2"
        QCOMPARE(table.colourOf(86), table.swatch(2)); // radon "2"
        QCOMPARE(table.colourOf(7), table.swatch(3));  // nitrogen "3"
        // Osmium's valence 8 is on no entry: enabled, with the colour it had.
        QCOMPARE(table.element(76)->property("WartTyp").toString(), QStringLiteral("8"));
        QVERIFY(table.enabled(76));
        QCOMPARE(table.colourOf(76), osmiumRadius);
    }

    void valenceBetweenWholeNumbersKeepsItsColour()
    {
        ViewTable table(patchedCatalogue({{26, "WartTyp", QStringLiteral("2,5")}}));
        QVERIFY(table.click(QStringLiteral("ElektroujButton")));
        const QColor before = table.colourOf(26);
        QVERIFY(table.click(QStringLiteral("WartTypButton")));
        QVERIFY(table.enabled(26));
        QCOMPARE(table.colourOf(26), before);
    }

    void oxidationStateByTheFirstListed_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("entry");
        QTest::newRow("carbon") << 6 << "+4,-4" << 8;
        QTest::newRow("nitrogen") << 7 << "+5,+3,-3" << 9;
        QTest::newRow("chlorine") << 17 << "-1,+7" << 3;
        QTest::newRow("oxygen") << 8 << "-2" << 2;
        QTest::newRow("osmium") << 76 << "+8,+6" << 12;
        QTest::newRow("helium") << 2 << "0" << 4;
        QTest::newRow("neon") << 10 << "0" << 4;
        QTest::newRow("argon") << 18 << "0" << 4;
        QTest::newRow("krypton") << 36 << "0" << 4;
        QTest::newRow("xenon") << 54 << "0" << 4;
        QTest::newRow("radon") << 86 << "0" << 4;
    }
    void oxidationStateByTheFirstListed()
    {
        QFETCH(int, numer);
        QFETCH(QString, stored);
        QFETCH(int, entry);
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("TypStopUtlButton")));
        QCOMPARE(table.element(numer)->property("TypStopUtl").toString(), stored);
        QVERIFY(table.enabled(numer));
        QCOMPARE(table.colourOf(numer), table.swatch(entry));
        QCOMPARE(table.disabledElements(), range(106, 112));
        QCOMPARE(table.messages.texts, QStringList()); // "+4,-4" is never read whole
    }

    void sameViewTwiceOrAfterAnotherGivesTheSameColours()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("TypStopUtlButton")));
        std::array<QColor, Catalogue::kCount + 1> once;
        for (int n = 1; n <= Catalogue::kCount; ++n)
            once[n] = table.colourOf(n);
        const std::set<int> enabledOnce = table.enabledElements();
        for (const char *between : {"TypStopUtlButton", "ZawCzlowButton", "PowKButton"}) {
            QVERIFY(table.click(QString::fromLatin1(between)));
            QVERIFY(table.click(QStringLiteral("TypStopUtlButton")));
            QCOMPARE(table.enabledElements(), enabledOnce);
            for (int n : enabledOnce)
                QCOMPARE(table.colourOf(n), once[n]);
        }
    }
};

TABLICZNIK_TEST_MAIN(CategoriesTest)
#include "categories_test.moc"
