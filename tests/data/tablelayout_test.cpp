#include "data/tablelayout.h"
#include "support/testmain.h"

#include <QSet>
#include <QTest>

using namespace tablicznik;

// The places are checked against the quoted rows of the table and the grid
// rules, not against the code's own row table.
class TableLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void quotedPlaces_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QRect>("place");
        QTest::newRow("hydrogen") << 1 << QRect(6, 194, 33, 32);
        QTest::newRow("helium") << 2 << QRect(584, 194, 33, 32);
        QTest::newRow("lanthanum") << 57 << QRect(74, 116, 33, 32);
        QTest::newRow("lutetium") << 71 << QRect(550, 116, 33, 32);
        QTest::newRow("actinium") << 89 << QRect(74, 149, 33, 32);
        QTest::newRow("lawrencium") << 103 << QRect(550, 149, 33, 32);
        QTest::newRow("hafnium") << 72 << QRect(108, 359, 33, 32);
        QTest::newRow("element 104") << 104 << QRect(108, 392, 33, 32);
        QTest::newRow("element 112") << 112 << QRect(380, 392, 33, 32);
        QTest::newRow("boron") << 5 << QRect(414, 227, 33, 32);
        QTest::newRow("krypton") << 36 << QRect(584, 293, 33, 32);
        QTest::newRow("radium") << 88 << QRect(40, 392, 33, 32);
    }
    void quotedPlaces()
    {
        QFETCH(int, numer);
        QFETCH(QRect, place);
        QCOMPARE(elementRect(numer), place);
    }

    // Every place: on the column grid, in a row, never shared, and the
    // columns of each period in their places.
    void gridRules()
    {
        const QList<int> lefts = [] {
            QList<int> l;
            for (int c = 1; c <= 18; ++c)
                l << 6 + 34 * (c - 1);
            return l;
        }();
        const QSet<int> tops = {116, 149, 194, 227, 260, 293, 326, 359, 392};
        QSet<QPair<int, int>> used;
        for (int n = 1; n <= 112; ++n) {
            const QRect r = elementRect(n);
            QVERIFY2(lefts.contains(r.left()), qPrintable(QString::number(n)));
            QVERIFY2(tops.contains(r.top()), qPrintable(QString::number(n)));
            QCOMPARE(r.size(), QSize(33, 32));
            QVERIFY2(!used.contains({r.left(), r.top()}), qPrintable(QString::number(n)));
            used.insert({r.left(), r.top()});
        }
        // Column 3 of periods 6 and 7 and columns 13 to 18 of period 7 stay empty.
        QVERIFY(!used.contains({lefts[2], 359}));
        QVERIFY(!used.contains({lefts[2], 392}));
        for (int c = 13; c <= 18; ++c)
            QVERIFY(!used.contains({lefts[c - 1], 392}));
        // Period 4 fills all eighteen columns in order.
        for (int n = 19; n <= 36; ++n)
            QCOMPARE(elementRect(n).left(), lefts[n - 19]);
        QVERIFY(elementRect(0).isNull());
        QVERIFY(elementRect(119).isNull());
    }

    // Today's table: 113 ... 118 fill columns 13 to 18 of period 7, each in
    // a place of its own among all 118, with two-letter symbols at the
    // table's usual height.
    void todaysTableFillsPeriod7()
    {
        QSet<QPair<int, int>> used;
        for (int n = 1; n <= 118; ++n) {
            const QRect r = elementRect(n);
            QVERIFY2(!used.contains({r.left(), r.top()}), qPrintable(QString::number(n)));
            used.insert({r.left(), r.top()});
        }
        for (int n = 113; n <= 118; ++n) {
            QCOMPARE(elementRect(n), QRect(6 + 34 * (n - 101), 392, 33, 32));
            QCOMPARE(symbolPixels(n), 20);
        }
        // Each stands under its group's element of period 6: thallium ... radon.
        for (int n = 113; n <= 118; ++n)
            QCOMPARE(elementRect(n).left(), elementRect(n - 32).left());
    }

    void symbolHeights()
    {
        QCOMPARE(symbolPixels(1), 20);
        QCOMPARE(symbolPixels(103), 20);
        QCOMPARE(symbolPixels(104), 15);
        QCOMPARE(symbolPixels(112), 15);
        // By the symbol shown: the number of letters decides.
        QCOMPARE(symbolPixels(u"H"), 20);
        QCOMPARE(symbolPixels(u"Fr"), 20);
        QCOMPARE(symbolPixels(u"Rf"), 20);
        QCOMPARE(symbolPixels(u"Unq"), 15);
        QCOMPARE(symbolPixels(u"Uub"), 15);
    }
};

TABLICZNIK_TEST_MAIN(TableLayoutTest)
#include "tablelayout_test.moc"
