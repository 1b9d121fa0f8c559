#include "support/testmain.h"
#include "support/viewtable.h"

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {
const QColor kIncrease = bgr(0x5FFF5F), kDecrease = bgr(0x5F5FFF), kNoChange = bgr(0x5FFFFF), kBlack = bgr(0);
} // namespace

// Each element against its predecessor, shell by shell.
class ShellsTest : public QObject {
    Q_OBJECT

private slots:
    void shellK()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowKButton")));
        QVERIFY(table.enabled(1));
        QCOMPARE(table.colourOf(1), bgr(0x00FF00)); // pure green, not entry 1's light green
        QCOMPARE(table.enabledIn(kIncrease), std::set<int>{2});
        QCOMPARE(table.enabledIn(kNoChange), range(3, 105));
        QCOMPARE(table.disabledElements(), range(106, 112));
        QCOMPARE(table.shownEntries().size(), 3);
    }

    void shellL()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowLButton")));
        QCOMPARE(table.colourOf(1), kBlack);
        QCOMPARE(table.enabledIn(kBlack), (std::set<int>{1, 2})); // helium's L shell is empty
        QCOMPARE(table.enabledIn(kIncrease), range(3, 10)); // lithium starts the shell
        QCOMPARE(table.enabledIn(kNoChange), range(11, 105));
        QCOMPARE(table.disabledElements(), range(106, 112));
        for (int n = 106; n <= 112; ++n) // black for the empty shell, then greyed for the configuration
            QCOMPARE(table.colourOf(n), kBlack);
    }

    void shellN()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowNButton")));
        QCOMPARE(table.colourOf(24), kDecrease); // chromium, 2 to 1
        QCOMPARE(table.colourOf(29), kDecrease); // copper
        QCOMPARE(table.colourOf(25), kIncrease); // manganese, back to 2
        QCOMPARE(table.colourOf(19), kIncrease); // potassium starts the shell
    }

    void shellO()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowOButton")));
        for (int n : {41, 58, 65})
            QVERIFY2(table.colourOf(n) == kDecrease, qPrintable(QString::number(n))); // niobium, cerium, terbium
        for (int n : {37, 47})
            QVERIFY2(table.colourOf(n) == kIncrease, qPrintable(QString::number(n))); // after krypton, palladium
        QVERIFY(table.enabled(46));
        QCOMPARE(table.colourOf(46), kDecrease); // palladium, by the last step, not black
        // Technetium's 5s² before ruthenium's 5s¹: a drop as well.
        QCOMPARE(table.colourOf(44), kDecrease);
        QCOMPARE(table.colourOf(36), kBlack);
    }

    void shellP()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowPButton")));
        for (int n : {78, 91, 94, 98}) // platinum, protactinium, plutonium, californium
            QVERIFY2(table.colourOf(n) == kDecrease, qPrintable(QString::number(n)));
        QCOMPARE(table.colourOf(55), kIncrease);
    }

    void shellQ()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowQButton")));
        QCOMPARE(table.enabledIn(kBlack), range(1, 86));
        QCOMPARE(table.enabledIn(kIncrease), (std::set<int>{87, 88}));
        QCOMPARE(table.enabledIn(kNoChange), range(89, 105));
        QCOMPARE(table.disabledElements(), range(106, 112));
    }

    void unknownCountIsNoData()
    {
        // "?" greys an element; the element after it keeps its colour.
        ViewTable table(patchedCatalogue({{20, "PowN", QStringLiteral("?")}}));
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        const QColor scandiumRadius = table.colourOf(21);
        QVERIFY(table.click(QStringLiteral("PowNButton")));
        QVERIFY(!table.enabled(20));
        QVERIFY(table.enabled(21));
        QCOMPARE(table.colourOf(21), scandiumRadius);
    }

    void hydrogenIsEnabledAfterAViewThatGreyedIt_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("K") << "PowKButton" << bgr(0x00FF00);
        QTest::newRow("L") << "PowLButton" << kBlack;
        QTest::newRow("Q") << "PowQButton" << kBlack;
    }
    void hydrogenIsEnabledAfterAViewThatGreyedIt()
    {
        QFETCH(QString, shell);
        QFETCH(QColor, colour);
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Star1")));
        QVERIFY(!table.enabled(1));
        QVERIFY(table.click(shell));
        QVERIFY(table.enabled(1));
        QCOMPARE(table.colourOf(1), colour);
    }
};

TABLICZNIK_TEST_MAIN(ShellsTest)
#include "shells_test.moc"
