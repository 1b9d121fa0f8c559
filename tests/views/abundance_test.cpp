#include "support/testmain.h"
#include "support/viewtable.h"

using namespace tablicznik;
using namespace tablicznik::testing;

// The five rankings: exactly the ranked elements lit, each in its rank's colour.
class AbundanceTest : public QObject {
    Q_OBJECT

private slots:
    // Each view lights the elements its medium lists most of, as the values
    // on the details page rank them, in as many entries as its title
    // promises, the first rank first; the ranks' colours form one ramp.
    void wholeTable_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("ranks");
        QTest::newRow("Earth") << "ZawZiemiaButton" << "ZawZiemia" << 13;
        QTest::newRow("crust") << "ZawSkorZiemButton" << "ZawSkorZiem" << 12;
        QTest::newRow("ocean") << "ZawOceanButton" << "ZawOcean" << 15;
        QTest::newRow("universe") << "ZawUkladButton" << "ZawUklad" << 15;
        QTest::newRow("human body") << "ZawCzlowButton" << "ZawCzlow" << 15;
    }
    void wholeTable()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(int, ranks);
        const QList<int> ranking = abundanceRanking(field).first(ranks);
        ViewTable table;
        QVERIFY(table.click(button));
        QVERIFY(table.title().contains(QStringLiteral("[pierwszych %1 pierwiastków]").arg(ranks)));
        QCOMPARE(table.enabledElements(), std::set<int>(ranking.begin(), ranking.end()));
        for (qsizetype k = 0; k < ranking.size(); ++k) {
            QVERIFY2(table.colourOf(ranking[k]) == table.swatch(int(k) + 1), qPrintable(QStringLiteral("rank %1").arg(k + 1)));
            // The legend names the element of each rank.
            QCOMPARE(table.legend(int(k) + 1).text, QStringLiteral("- ") + table.window->catalogue().element(ranking[k]).Nazwa.toLower());
        }
        QCOMPARE(table.shownEntries().size(), ranking.size());
        const QString fault = rampFault(table.shownColours());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
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
