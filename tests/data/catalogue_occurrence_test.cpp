// The abundance fields and the minerals of the catalogue: how many elements
// each medium lists, the values other parts of the program quote, and that
// the listed amounts rank the elements exactly as the abundance views do.

#include "data/stringtofloat.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include <QList>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

const QString kNotListed = QStringLiteral(" ");

QString symbolsOf(const Catalogue &catalogue, const QList<int> &numbers)
{
    QStringList symbols;
    for (int n : numbers)
        symbols << catalogue.element(n).Symbol;
    return symbols.join(u' ');
}

} // namespace

class CatalogueOccurrenceTest : public QObject {
    Q_OBJECT

    const Catalogue &catalogue = programCatalogue();

private slots:
    void markerCounts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("count");
        QTest::newRow("human body") << "ZawCzlow" << kNotListed << 79;
        QTest::newRow("Earth") << "ZawZiemia" << kNotListed << 99;
        QTest::newRow("crust") << "ZawSkorZiem" << kNotListed << 100;
        QTest::newRow("ocean") << "ZawOcean" << kNotListed << 77;
        QTest::newRow("universe") << "ZawUklad" << kNotListed << 80;
        QTest::newRow("ZawPow never set") << "ZawPow" << QString() << 112;
        QTest::newRow("no minerals") << "Mineraly" << "-" << 41;
        QTest::newRow("minerals unset") << "Mineraly" << QString() << 1;
    }

    void markerCounts()
    {
        QFETCH(QString, field);
        QFETCH(QString, marker);
        QFETCH(int, count);
        const auto found = std::count_if(catalogue.begin(), catalogue.end(), [&](const ElementRecord &r) {
            return fieldOf(r, field) == marker;
        });
        QCOMPARE(int(found), count);
    }

    void quotedValues_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("H body") << 1 << "ZawCzlow" << "9,31";
        QTest::newRow("H Earth") << 1 << "ZawZiemia" << " ";
        QTest::newRow("H crust") << 1 << "ZawSkorZiem" << "0,15";
        QTest::newRow("H ocean") << 1 << "ZawOcean" << "108,1 kg";
        QTest::newRow("H universe") << 1 << "ZawUklad" << "74,4";
        QTest::newRow("H minerals") << 1 << "Mineraly" << "-";
        QTest::newRow("Fe body") << 26 << "ZawCzlow" << QStringLiteral("5,0\u202210{\\super -3}");
        QTest::newRow("Fe Earth") << 26 << "ZawZiemia" << "32,07";
        QTest::newRow("B ocean") << 5 << "ZawOcean" << "4,6 g";
        QTest::newRow("Si ocean") << 14 << "ZawOcean" << "3,0 g";
        QTest::newRow("F ocean") << 9 << "ZawOcean" << "1,3 g";
        QTest::newRow("Ar ocean") << 18 << "ZawOcean" << "600 mg";
        QTest::newRow("N ocean") << 7 << "ZawOcean" << "500 mg";
        for (const char *field : {"ZawCzlow", "ZawZiemia", "ZawSkorZiem", "ZawOcean", "ZawUklad"})
            QTest::addRow("112 %s", field) << 112 << field << " ";
        for (const char *field : {"ZawPow", "Mineraly"})
            QTest::addRow("112 %s", field) << 112 << field << (field[0] == 'M' ? "-" : "");
    }

    void quotedValues()
    {
        QFETCH(int, numer);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QCOMPARE(fieldOf(catalogue.element(numer), field), text);
    }

    // The abundance views rank elements by fixed lists; the values shown on
    // the details page must tell the same story.
    void rankings_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QList<int>>("ranking");
        QTest::addColumn<int>("listed");
        QTest::newRow("Earth") << "ZawZiemia" << QList<int>{26, 8, 14, 12, 16, 28, 20, 13, 24, 15, 11, 22, 27} << 13;
        QTest::newRow("crust") << "ZawSkorZiem" << QList<int>{8, 14, 13, 26, 20, 12, 11, 19, 22, 1, 15, 25} << 12;
        QTest::newRow("universe") << "ZawUklad"
                                  << QList<int>{1, 2, 8, 6, 10, 26, 7, 14, 12, 16, 18, 28, 20, 13, 11} << 32;
        QTest::newRow("human body") << "ZawCzlow"
                                    << QList<int>{8, 6, 1, 7, 20, 16, 15, 11, 19, 17, 12, 26, 14, 30, 37} << 33;
        // Ranks 12 to 15 of the ocean are boron, silicon, fluorine and argon,
        // with nitrogen right behind them.
        QTest::newRow("ocean") << "ZawOcean"
                               << QList<int>{8, 1, 17, 11, 12, 16, 20, 19, 35, 6, 38, 5, 14, 9, 18, 7} << 35;
    }

    void rankings()
    {
        QFETCH(QString, field);
        QFETCH(QList<int>, ranking);
        QFETCH(int, listed);
        const bool ocean = field == u"ZawOcean";
        QList<std::pair<double, int>> amounts;
        for (const ElementRecord &r : catalogue) {
            const QString text = fieldOf(r, field);
            if (text == kNotListed)
                continue;
            const auto value = abundanceAmount(text, ocean);
            QVERIFY2(value && *value > 0,
                     qPrintable(QStringLiteral("%1 of %2: \"%3\"").arg(field, r.Symbol, text)));
            amounts.append({*value, r.Numer});
        }
        QCOMPARE(amounts.size(), listed);
        std::stable_sort(amounts.begin(), amounts.end(), [](auto a, auto b) { return a.first > b.first; });
        QList<int> leaders;
        for (qsizetype i = 0; i < ranking.size(); ++i)
            leaders << amounts.at(i).second;
        QCOMPARE(symbolsOf(catalogue, leaders), symbolsOf(catalogue, ranking));
        // No ties: each ranked element strictly ahead of the next one.
        const qsizetype last = std::min(amounts.size() - 1, ranking.size());
        for (qsizetype i = 0; i < last; ++i)
            QVERIFY2(amounts.at(i).first > amounts.at(i + 1).first,
                     qPrintable(catalogue.element(amounts.at(i).second).Symbol));
        if (!ocean) {
            double total = 0;
            for (const auto &a : amounts)
                total += a.first;
            QVERIFY2(total > 95 && total < 101.5, qPrintable(QString::number(total)));
        }
    }

    void mineralsOnlyWhereTheyExist_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("expected"); // "-" or a fragment of the text
        for (int n : {2, 10, 18, 36, 54, 86, 43, 61})
            QTest::addRow("%d no minerals", n) << n << "-";
        for (int n = 93; n <= 112; ++n)
            QTest::addRow("%d no minerals", n) << n << "-";
        QTest::newRow("S pyrite") << 16 << QStringLiteral("piryt FeS{\\sub 2}");
        QTest::newRow("Ca gypsum") << 20 << QStringLiteral("gips CaSO{\\sub 4}\u00b72H{\\sub 2}O");
        QTest::newRow("Fe haematite") << 26 << QStringLiteral("hematyt Fe{\\sub 2}O{\\sub 3}");
        QTest::newRow("Na rock salt") << 11 << QStringLiteral("halit (sól kamienna) NaCl");
        QTest::newRow("Pb galena") << 82 << QStringLiteral("galena PbS");
        QTest::newRow("U pitchblende") << 92 << QStringLiteral("uraninit (blenda smolista) UO{\\sub 2}");
    }

    void mineralsOnlyWhereTheyExist()
    {
        QFETCH(int, numer);
        QFETCH(QString, expected);
        const QString text = catalogue.element(numer).Mineraly;
        if (expected == u"-")
            QCOMPARE(text, expected);
        else
            QVERIFY2(text.contains(expected), qPrintable(text));
    }

    // Every mineral list is a fragment the details page can wrap into its
    // small document: balanced groups, formulas with real subscripts.
    void mineralTextsAreWellFormed()
    {
        static const QRegularExpression subGroup(QStringLiteral("\\{\\\\sub [^{}\\\\]+\\}"));
        static const QRegularExpression bareIndex(QStringLiteral("[A-Za-z)]\\d"));
        int withText = 0;
        for (const ElementRecord &r : catalogue) {
            const QString &text = r.Mineraly;
            if (text.isEmpty() || text == u"-")
                continue;
            ++withText;
            const QByteArray symbol = r.Symbol.toUtf8();
            const char *who = symbol.constData();
            QVERIFY2(text.size() <= 500, who);
            QVERIFY2((QStringLiteral("{\\rtf1\\b\\fs20 ") + text + QStringLiteral("\\par }")).size() <= 1300, who);
            QVERIFY2(text.count(u'(') == text.count(u')'), who);
            QString plain = text;
            plain.remove(subGroup);
            QVERIFY2(!plain.contains(u'{') && !plain.contains(u'}') && !plain.contains(u'\\'),
                     qPrintable(r.Symbol + QStringLiteral(": ") + plain));
            QVERIFY2(!plain.contains(bareIndex), qPrintable(r.Symbol + QStringLiteral(": ") + plain));
        }
        QCOMPARE(withText, 112 - 41 - 1);
    }
};

TABLICZNIK_TEST_MAIN(CatalogueOccurrenceTest)
#include "catalogue_occurrence_test.moc"
