#include "support/testmain.h"
#include "support/viewtable.h"

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {
const std::set<int> kGases = {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
const std::set<int> kFerromagnets = {26, 27, 28, 64, 65, 66, 67};
} // namespace

// Scales of part of the table: densities of solids and of gases, the
// resistivity of metals, the Curie temperatures of the ferromagnets.
class FilteredScalesTest : public QObject {
    Q_OBJECT

private slots:
    void densityOfSolidsAndLiquids()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("CiaaStae1")));
        const std::set<int> noDensity = {85, 87, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112};
        for (int n : noDensity)
            QCOMPARE(table.element(n)->property("Gestosc").toString(), QStringLiteral("-"));
        QCOMPARE(table.disabledElements(), unite(kGases, noDensity));
        QCOMPARE(table.colourOf(3), table.swatch(1));   // lithium, 0,532
        QCOMPARE(table.colourOf(76), table.swatch(15)); // osmium, 22,57
        QCOMPARE(table.legend(13).text, QStringLiteral("- 17,3÷18,7"));
        QCOMPARE(table.enabledIn(table.swatch(13)), std::set<int>{});
    }

    void densityOfGases()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Gazy1")));
        QCOMPARE(table.enabledElements(), kGases);
        QCOMPARE(table.shownEntries(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(table.legend(16).text, QStringLiteral(" - nie dotyczy, brak danych"));
        // Every gas falls into an entry, none into a gap.
        const std::pair<int, int> placed[] = {{1, 1}, {2, 1}, {7, 2}, {8, 3}, {9, 5}, {10, 3},
                                              {17, 5}, {18, 4}, {36, 6}, {54, 7}, {86, 8}};
        for (auto [numer, entry] : placed)
            QVERIFY2(table.colourOf(numer) == table.swatch(entry), qPrintable(QString::number(numer)));
    }

    void gasInAGapKeepsItsColour()
    {
        // 0,5 lies between entries 1 and 2 of the gas scale.
        ViewTable table(patchedCatalogue({{7, "Gestosc", QStringLiteral("0,5")}}));
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        const QColor radius = table.colourOf(7);
        QVERIFY(table.choose(QStringLiteral("Gazy1")));
        QVERIFY(table.enabled(7));
        QCOMPARE(table.colourOf(7), radius);
    }

    void solidsAndGasesInTurn()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Gazy1")));
        const QColor oxygenAsGas = table.colourOf(8);
        QVERIFY(table.choose(QStringLiteral("CiaaStae1")));
        const QColor ironAsSolid = table.colourOf(26);
        QVERIFY(!table.enabled(8));
        QCOMPARE(table.colourOf(8), oxygenAsGas);
        QCOMPARE(table.colourOf(26), table.swatch(6)); // 7,874 in "- 7,2÷8,6"
        QVERIFY(table.choose(QStringLiteral("Gazy1")));
        QVERIFY(table.enabled(8));
        QCOMPARE(table.colourOf(8), table.swatch(3));
        QVERIFY(!table.enabled(26));
        QCOMPARE(table.colourOf(26), ironAsSolid);
    }

    void resistivityOfMetals()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("OporWlasButton")));
        // Copper's "1,71•10{\super -8}" is read as 1,71.
        QCOMPARE(table.element(29)->property("OporWlas").toString(), QStringLiteral("1,71•10{\\super -8}"));
        QCOMPARE(table.colourOf(29), table.swatch(2));
        QCOMPARE(table.colourOf(52), table.swatch(15)); // tellurium, a bare power of ten
        // Radium's 100 lies on the bound between "- 75÷100" and "- 100÷125".
        QCOMPARE(table.legend(13).text, QStringLiteral("- 75÷100"));
        QCOMPARE(table.legend(14).text, QStringLiteral("- 100÷125"));
        QCOMPARE(table.colourOf(88), table.swatch(14));

        std::set<int> notMetals, metalsWithoutValue = {87, 89, 97, 98, 99, 100, 101, 102, 103};
        for (int n = 1; n <= Catalogue::kCount; ++n)
            if (table.element(n)->property("TypPrzew").toString() != u"metal")
                notMetals.insert(n);
        QCOMPARE(notMetals.size(), std::size_t(30));
        QCOMPARE(table.disabledElements(), unite(notMetals, metalsWithoutValue));
        QCOMPARE(table.enabledElements().size(), std::size_t(73));
    }

    void telluriumIsEnabledWhateverCameBefore()
    {
        ViewTable table;
        QVERIFY(table.choose(QStringLiteral("Gazy1")));
        QVERIFY(!table.enabled(52));
        QVERIFY(table.click(QStringLiteral("OporWlasButton")));
        QVERIFY(table.enabled(52));
        QCOMPARE(table.colourOf(52), table.swatch(15));
    }

    void curieTemperatures()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("TempCurButton")));
        QCOMPARE(table.enabledElements(), kFerromagnets);
        const std::pair<int, quint32> colours[] = {{67, 0xFF4848}, {66, 0xFF9191}, {65, 0xFFDADA}, {64, 0xFFFFFF},
                                                   {28, 0xFFB6FF}, {26, 0xFF6EFF}, {27, 0xFF26FF}};
        for (auto [numer, c] : colours)
            QCOMPARE(table.colourOf(numer), bgr(c));
        QCOMPARE(table.shownEntries().size(), 7);
    }
};

TABLICZNIK_TEST_MAIN(FilteredScalesTest)
#include "filteredscales_test.moc"
