#include "support/testmain.h"
#include "support/viewtable.h"

using namespace tablicznik;
using namespace tablicznik::testing;

// The five rankings: exactly the ranked elements lit, each in its rank's colour.
class AbundanceTest : public QObject {
    Q_OBJECT

private slots:
    void wholeTable_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("ranking");
        QTest::addColumn<QList<quint32>>("colours");
        const QList<quint32> fifteen = {0x25FF25, 0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF,
                                        0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF, 0x0000FF};
        QTest::newRow("Earth") << "ZawZiemiaButton" << QList<int>{26, 8, 14, 12, 16, 28, 20, 13, 24, 15, 11, 22, 27}
                               << QList<quint32>{0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xFFFFFF,
                                                 0xDADAFF, 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF};
        QTest::newRow("crust") << "ZawSkorZiemButton" << QList<int>{8, 14, 13, 26, 20, 12, 11, 19, 22, 1, 15, 25}
                               << QList<quint32>{0x49FF49, 0x6DFF6D, 0x92FF92, 0xB6FFB6, 0xDAFFDA, 0xFFFFFF, 0xDADAFF,
                                                 0xB6B6FF, 0x9191FF, 0x6D6DFF, 0x4848FF, 0x2424FF};
        // Ranks 12 to 15: boron, silicon, fluorine, argon.
        QTest::newRow("ocean") << "ZawOceanButton" << QList<int>{8, 1, 17, 11, 12, 16, 20, 19, 35, 6, 38, 5, 14, 9, 18}
                               << fifteen;
        QTest::newRow("universe") << "ZawUkladButton" << QList<int>{1, 2, 8, 6, 10, 26, 7, 14, 12, 16, 18, 28, 20, 13, 11}
                                  << fifteen;
        QTest::newRow("human body") << "ZawCzlowButton"
                                    << QList<int>{8, 6, 1, 7, 20, 16, 15, 11, 19, 17, 12, 26, 14, 30, 37} << fifteen;
    }
    void wholeTable()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, ranking);
        QFETCH(QList<quint32>, colours);
        ViewTable table;
        QVERIFY(table.click(button));
        QCOMPARE(table.enabledElements(), std::set<int>(ranking.begin(), ranking.end()));
        for (qsizetype k = 0; k < ranking.size(); ++k) {
            QVERIFY2(table.colourOf(ranking[k]) == bgr(colours[k]), qPrintable(QStringLiteral("rank %1").arg(k + 1)));
            QCOMPARE(table.colourOf(ranking[k]), table.swatch(int(k) + 1));
            // The legend names the element of each rank.
            QCOMPARE(table.legend(int(k) + 1).text, QStringLiteral("- ") + table.window->catalogue().element(ranking[k]).Nazwa.toLower());
        }
        QCOMPARE(table.shownEntries().size(), ranking.size());
        QCOMPARE(table.legend(16).text, QStringLiteral("- pozostałe pierwiastki"));
        QCOMPARE(table.legend(16).colour, greyText());
    }

    void earthView()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("ZawZiemiaButton")));
        QCOMPARE(table.enabledElements().size(), std::size_t(13));
        QCOMPARE(table.colourOf(26), bgr(0x49FF49)); // iron
        QCOMPARE(table.colourOf(27), bgr(0x2424FF)); // cobalt
        QCOMPARE(table.colourOf(28), bgr(0xFFFFFF)); // nickel, rank 6
        QCOMPARE(table.colourOf(20), bgr(0xFFFFFF)); // calcium, rank 7
    }

    void crustView()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("ZawSkorZiemButton")));
        QVERIFY(table.enabled(1));
        QCOMPARE(table.colourOf(1), bgr(0x6D6DFF));
        QVERIFY(!table.enabled(2));
    }

    void oceanLegendNamesWhatItColours()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("ZawOceanButton")));
        const std::pair<int, const char *> ranks[] = {{5, "- bor"}, {14, "- krzem"}, {9, "- fluor"}, {18, "- argon"}};
        int rank = 12;
        for (auto [numer, text] : ranks) {
            QCOMPARE(table.legend(rank).text, QString::fromUtf8(text));
            QCOMPARE(table.colourOf(numer), table.swatch(rank));
            ++rank;
        }
        QVERIFY(!table.enabled(7)); // nitrogen is not ranked
    }

    void unrankedElementsKeepTheirColourGreyed()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        const QColor heliumRadius = table.colourOf(2);
        QVERIFY(table.click(QStringLiteral("ZawZiemiaButton")));
        QVERIFY(!table.enabled(2));
        QCOMPARE(table.colourOf(2), heliumRadius);
    }

    void sameButtonTwiceSamePicture()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("ZawCzlowButton")));
        const std::set<int> lit = table.enabledElements();
        const QColor zinc = table.colourOf(30);
        QVERIFY(table.click(QStringLiteral("ZawCzlowButton")));
        QCOMPARE(table.enabledElements(), lit);
        QCOMPARE(table.colourOf(30), zinc);
        QCOMPARE(table.log.played, (QStringList{QStringLiteral("KTXbutton.wav"), QStringLiteral("KTXbutton.wav")}));
    }
};

TABLICZNIK_TEST_MAIN(AbundanceTest)
#include "abundance_test.moc"
