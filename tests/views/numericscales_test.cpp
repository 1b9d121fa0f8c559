#include "support/testmain.h"
#include "support/viewtable.h"

#include <QRegularExpression>
#include <QTimer>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {
constexpr int kNobleGases[] = {2, 10, 18, 36, 54, 86};
}

// The legend and the scales of single numeric properties: where values fall,
// what is greyed, what keeps its colour.
class NumericScalesTest : public QObject {
    Q_OBJECT

private slots:
    void legendTakesThePlaceOfDateAndClock()
    {
        ViewTable table;
        QVERIFY(!table.legendShown());
        QVERIFY(table.window->Timer1()->isActive());
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        QVERIFY(table.legendShown());
        QVERIFY(!table.window->Timer1()->isActive());
        // Count 16 shows the fifteen numbered entries, and the no-data entry beside the box.
        QCOMPARE(table.shownEntries().size(), 15);
        QVERIFY(table.legend(16).shown);
        QCOMPARE(table.find<QWidget>(QStringLiteral("Shape16"))->parentWidget(), table.window.get());
    }

    void atomicRadius()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        QCOMPARE(table.colourOf(2), bgr(0x5F0000)); // helium, 49: entry 1
        QCOMPARE(table.colourOf(1), bgr(0x9F0000)); // hydrogen, 79: entry 2
        QCOMPARE(table.colourOf(55), bgr(0x00005F)); // caesium, 334: entry 15
        QCOMPARE(table.legend(1).text, QStringLiteral("- poniżej 68"));
        QCOMPARE(table.legend(15).text, QStringLiteral("- powyżej 315"));
        // From francium on the radius is empty.
        QCOMPARE(table.disabledElements(), range(87, 112));
    }

    void valueOnABoundGoesToTheEntryAbove()
    {
        ViewTable table;
        QCOMPARE(table.element(27)->property("Elektrouj").toString(), QStringLiteral("2,0"));
        QVERIFY(table.click(QStringLiteral("ElektroujButton")));
        QCOMPARE(table.legend(8).text, QStringLiteral("- 2,00÷2,25"));
        QCOMPARE(table.colourOf(27), table.swatch(8));
        QVERIFY(table.swatch(7) != table.swatch(8));
    }

    void belowZeroElectronAffinityIsZero()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PowElektrButton")));
        QCOMPARE(table.legend(7).text, QStringLiteral("- 0,0÷0,3"));
        for (int n : {25, 30, 48, 72, 80}) { // manganese, zinc, cadmium, hafnium, mercury
            QCOMPARE(table.element(n)->property("PowElektr").toString(), QStringLiteral("<0"));
            QVERIFY(table.enabled(n));
            QCOMPARE(table.colourOf(n), table.swatch(7));
        }
        // Helium's "(0,077)" counts with the number in the parentheses.
        QVERIFY(table.enabled(2));
        QCOMPARE(table.colourOf(2), table.swatch(7));
        // Cerium to lutetium have no value.
        for (int n = 58; n <= 71; ++n)
            QVERIFY2(!table.enabled(n), qPrintable(QString::number(n)));
    }

    void belowZeroTemperatureIsZero_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::newRow("melting") << "TempTopButton" << "TempTop";
        QTest::newRow("boiling") << "TempWrzButton" << "TempWrz";
    }
    void belowZeroTemperatureIsZero()
    {
        // The catalogue writes no temperature as "<0"; the rule is shown on helium.
        QFETCH(QString, button);
        QFETCH(QString, field);
        ViewTable table(patchedCatalogue({{2, qPrintable(field), QStringLiteral("<0")}}));
        QVERIFY(table.click(button));
        QCOMPARE(table.legend(4).text, QStringLiteral("- 0÷500"));
        QVERIFY(table.enabled(2));
        QCOMPARE(table.colourOf(2), table.swatch(4));
        QCOMPARE(table.element(2)->property(qPrintable(field)).toString(), QStringLiteral("<0"));
    }

    void enthalpyOfBoilingIsGreyedYetColoured()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("MolEntAtomButton")));
        for (int n : kNobleGases) {
            QCOMPARE(table.element(n)->property("RodzMolEntAtom").toString(), QStringLiteral("wrzenia:"));
            QVERIFY(!table.enabled(n));
            QCOMPARE(table.colourOf(n), table.swatch(1));
        }
        for (int n : {1, 6, 26, 74}) // an enthalpy of atomisation
            QVERIFY(table.enabled(n));
    }

    void stableIsotopesByExactCount()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("LiczTrIzotopButton")));
        QCOMPARE(table.shownEntries().size(), 11);
        QVERIFY(!table.legend(16).shown);
        for (int k = 12; k <= 15; ++k)
            QVERIFY(!table.legend(k).shown);
        QCOMPARE(table.colourOf(43), table.swatch(1)); // technetium, "0": " - brak"
        QCOMPARE(table.colourOf(61), table.swatch(1)); // promethium
        QCOMPARE(table.colourOf(50), table.swatch(11)); // tin, "10": " - 10 i więcej"
        QCOMPARE(table.legend(11).text, QStringLiteral(" - 10 i więcej"));
        QCOMPARE(table.colourOf(4), table.swatch(2));  // beryllium, one stable isotope
        QCOMPARE(table.colourOf(54), table.swatch(10)); // xenon, nine
        QCOMPARE(table.colourOf(8), table.swatch(4)); // oxygen, three
    }

    void countBetweenWholeNumbersKeepsItsColour()
    {
        ViewTable table(patchedCatalogue({{5, "LiczTrIzotop", QStringLiteral("2,5")}}));
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        const QColor radiusColour = table.colourOf(5);
        QVERIFY(table.click(QStringLiteral("LiczTrIzotopButton")));
        QVERIFY(table.enabled(5));
        QCOMPARE(table.colourOf(5), radiusColour);
    }

    void missingValueKeepsItsColourUntilAViewHasOne()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        const QColor ceriumRadius = table.colourOf(58);
        QVERIFY(table.click(QStringLiteral("PowElektrButton")));
        QVERIFY(!table.enabled(58));
        QCOMPARE(table.colourOf(58), ceriumRadius);
        QVERIFY(table.click(QStringLiteral("TempTopButton")));
        QVERIFY(table.enabled(58));
        QCOMPARE(table.colourOf(58), table.swatch(5)); // 798 °C lies in "- 500÷1000"
    }

    void twoViewsInARow()
    {
        ViewTable table;
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        std::array<QColor, Catalogue::kCount + 1> first;
        for (int n = 1; n <= Catalogue::kCount; ++n)
            first[n] = table.colourOf(n);
        QVERIFY(table.click(QStringLiteral("ModYoungButton")));
        const QList<QColor> shown = table.shownColours();
        int recoloured = 0, kept = 0;
        for (int n = 1; n <= Catalogue::kCount; ++n) {
            if (table.enabled(n)) {
                QVERIFY(shown.contains(table.colourOf(n)));
                ++recoloured;
            } else {
                QCOMPARE(table.colourOf(n), first[n]);
                ++kept;
            }
        }
        QVERIFY(recoloured > 0 && kept > 0);
        QCOMPARE(table.caption(), QStringLiteral("MODUŁ YOUNGA PIERWIASTKA [GPa]."));
        QCOMPARE(table.title(), QStringLiteral(" Moduł Younga [GPa]: "));
    }

    void malformedValueIsLoggedAndGreyed()
    {
        ViewTable table(patchedCatalogue({{26, "PromAtom", QStringLiteral("około 126")}}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\"około 126\" pierwiastka 26 \\(Fe\\), pole PromAtom")));
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        QCOMPARE(table.messages.texts, QStringList()); // no box
        QVERIFY(!table.enabled(26));
        QCOMPARE(table.caption(), QStringLiteral("PROMIEŃ ATOMU [pm]."));
    }
};

TABLICZNIK_TEST_MAIN(NumericScalesTest)
#include "numericscales_test.moc"
