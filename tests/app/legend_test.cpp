#include "support/mainwindow.h"
#include "support/testmain.h"

#include "views/colouringpass.h"
#include "views/legend.h"

#include <QGroupBox>
#include <QTimer>

#include <array>
#include <cmath>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// Sixteen entries with colours and texts of their own, the first `count`
// of them to be shown.
LegendContent legendOf(int count, const QString &noDataText)
{
    LegendContent legend;
    legend.Count = count;
    for (int k = 1; k <= 16; ++k)
        legend.entries[k - 1] = {quint32(0x010203 * k), QStringLiteral("- wpis %1").arg(k)};
    legend.entries[15] = {SystemColour::GrayText, noDataText};
    legend.Title = QStringLiteral(" Promień atomu [pm]: ");
    return legend;
}

const std::array<double, 14> kRadiusBounds{68, 87, 106, 125, 144, 163, 182, 201, 220, 239, 258, 277, 296, 315};

} // namespace

class LegendTest : public QObject {
    Q_OBJECT

    Catalogue m_catalogue;
    MainWindowFixture f;

    QWidget *swatch(int k) const { return f.find(QStringLiteral("Shape%1").arg(k)); }
    QLabel *label(int k) const { return f.find<QLabel>(QStringLiteral("Shape%1Label").arg(k)); }
    QGroupBox *box() const { return f.find<QGroupBox>(QStringLiteral("LegendaBox")); }
    QColor brush(int k) const { return swatch(k)->property("brushColor").value<QColor>(); }

private slots:
    void initTestCase() { m_catalogue = programCatalogue(); }
    void init() { f.open(m_catalogue, MainWindowFixture::pointerDriven()); }
    void cleanup() { f.close(); }

    void entriesInTheirPlaces_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QPoint>("swatchAt");
        QTest::addColumn<QPoint>("labelAt");
        QTest::newRow("1") << 1 << "LegendaBox" << QPoint(5, 13) << QPoint(38, 15);
        QTest::newRow("5") << 5 << "LegendaBox" << QPoint(5, 73) << QPoint(38, 75);
        QTest::newRow("6") << 6 << "LegendaBox" << QPoint(111, 13) << QPoint(144, 15);
        QTest::newRow("9") << 9 << "LegendaBox" << QPoint(111, 58) << QPoint(144, 60);
        QTest::newRow("11") << 11 << "LegendaBox" << QPoint(222, 13) << QPoint(255, 15);
        QTest::newRow("15") << 15 << "LegendaBox" << QPoint(222, 73) << QPoint(255, 75);
        QTest::newRow("no data") << 16 << "OknoGlowne" << QPoint(416, 193) << QPoint(449, 194);
    }
    void entriesInTheirPlaces()
    {
        QFETCH(int, entry);
        QFETCH(QString, parent);
        QFETCH(QPoint, swatchAt);
        QFETCH(QPoint, labelAt);
        QCOMPARE(swatch(entry)->parentWidget()->objectName(), parent);
        QCOMPARE(swatch(entry)->geometry(), QRect(swatchAt, QSize(30, 16)));
        QCOMPARE(label(entry)->parentWidget()->objectName(), parent);
        QCOMPARE(label(entry)->pos(), labelAt);
        QCOMPARE(label(entry)->font().pixelSize(), 11);
        QVERIFY(swatch(entry)->isHidden());
        QVERIFY(label(entry)->isHidden());
    }

    void startsHidden()
    {
        QCOMPARE(box()->geometry(), QRect(79, 184, 332, 95));
        QCOMPARE(box()->title(), QStringLiteral(" Legenda "));
        QVERIFY(box()->isHidden());
        QVERIFY(f.find(QStringLiteral("WitamyLab1"))->isVisible());
        QVERIFY(f.find(QStringLiteral("WitamyLab2"))->isVisible());
        QVERIFY(f.window->Timer1()->isActive());
        QCOMPARE(f.window->Timer1()->interval(), 1000);
    }

    // Entry k (1 ... 15) shows when Count reaches it; the no-data entry
    // shows whenever it has a text.
    void countAndNoDataText_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("noData");
        QTest::addColumn<int>("numbered");
        QTest::addColumn<bool>("noDataShown");
        QTest::newRow("nothing") << 0 << "" << 0 << false;
        QTest::newRow("below nothing") << -4 << "" << 0 << false;
        QTest::newRow("15") << 15 << "" << 15 << false;
        QTest::newRow("16 as 15") << 16 << "" << 15 << false;
        QTest::newRow("16 with no data") << 16 << "- nie dotyczy, brak danych" << 15 << true;
        QTest::newRow("7 with no data") << 7 << "- nie dotyczy, brak danych" << 7 << true;
        QTest::newRow("11 without") << 11 << "" << 11 << false;
        QTest::newRow("only no data") << 0 << " - brak" << 0 << true;
    }
    void countAndNoDataText()
    {
        QFETCH(int, count);
        QFETCH(QString, noData);
        QFETCH(int, numbered);
        QFETCH(bool, noDataShown);
        // Another legend first, so that hiding is tested as well as showing.
        f.window->Maluj(legendOf(15, QStringLiteral("x")));
        f.window->Maluj(legendOf(count, noData));
        for (int k = 1; k <= 15; ++k) {
            QCOMPARE(!swatch(k)->isHidden(), k <= numbered);
            QCOMPARE(!label(k)->isHidden(), k <= numbered);
        }
        QCOMPARE(swatch(16)->isVisible(), noDataShown);
        QCOMPARE(label(16)->isVisible(), noDataShown);
        QVERIFY(box()->isVisible());
    }

    // Every colour and text is set, shown or not; the title as given.
    void coloursTextsAndTitle()
    {
        f.window->Maluj(legendOf(3, QStringLiteral("- nie dotyczy, brak danych")));
        for (int k = 1; k <= 15; ++k) {
            QCOMPARE(brush(k), colour(quint32(0x010203 * k)));
            QCOMPARE(f.window->swatchColour(k), brush(k));
            QCOMPARE(label(k)->text(), QStringLiteral("- wpis %1").arg(k));
            QCOMPARE(label(k)->width(), label(k)->sizeHint().width());
        }
        QCOMPARE(brush(16), QColor(0x80, 0x80, 0x80));
        QCOMPARE(label(16)->text(), QStringLiteral("- nie dotyczy, brak danych"));
        QCOMPARE(box()->title(), QStringLiteral(" Promień atomu [pm]: "));

        // The swatch shows its colour.
        const QImage image = swatch(2)->grab().toImage();
        QCOMPARE(image.pixelColor(15, 8), colour(0x020406));
    }

    // The legend takes the place of the date and clock, and the clock stops.
    void legendReplacesTheClock()
    {
        f.window->Maluj(LegendContent{});
        QVERIFY(box()->isVisible());
        QCOMPARE(box()->title(), QString());
        QVERIFY(!f.find(QStringLiteral("WitamyLab1"))->isVisible());
        QVERIFY(!f.find(QStringLiteral("WitamyLab2"))->isVisible());
        QVERIFY(!f.window->Timer1()->isActive());
        for (int k = 1; k <= 16; ++k)
            QVERIFY(swatch(k)->isHidden());
    }

    // A view started while an element is pinned unpins it, so the pages
    // follow the pointer again.
    void legendUnpins()
    {
        f.pin(1);
        QVERIFY(f.pinned());
        f.window->Maluj(legendOf(5, QString()));
        QVERIFY(!f.pinned());
        f.moveOnto(2);
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Hel"));
    }

    // The reset clears the legend with nothing to show and takes it away.
    void resetClearsTheLegend()
    {
        f.window->Maluj(legendOf(15, QStringLiteral("- nie dotyczy, brak danych")));
        f.click(f.find(QStringLiteral("SpeedButton3")));
        QVERIFY(box()->isHidden());
        QCOMPARE(box()->title(), QString());
        for (int k = 1; k <= 16; ++k) {
            QVERIFY(swatch(k)->isHidden());
            QCOMPARE(brush(k), QColor(Qt::black));
            QCOMPARE(label(k)->text(), QString());
        }
        QVERIFY(f.find(QStringLiteral("WitamyLab1"))->isVisible());
        QVERIFY(f.window->Timer1()->isActive());
    }

    void entryOfAValue_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("entry");
        QTest::newRow("far below") << -1e9 << 1;
        QTest::newRow("below the first bound") << 67.99 << 1;
        QTest::newRow("on the first bound") << 68.0 << 2;
        QTest::newRow("inside") << 100.0 << 3;
        QTest::newRow("just below a bound") << 181.999 << 7;
        QTest::newRow("on a bound") << 182.0 << 8;
        QTest::newRow("on the last bound") << 315.0 << 15;
        QTest::newRow("far above") << 1e9 << 15;
    }
    void entryOfAValue()
    {
        QFETCH(double, value);
        QFETCH(int, entry);
        const std::vector<ScaleEntry> entries = entriesFromBounds(kRadiusBounds);
        QCOMPARE(int(entries.size()), 15);
        QCOMPARE(entryFor(value, entries), entry);
    }

    // Entries that leave gaps take nothing there; exact entries take only
    // their value.
    void gapsAndExactEntries()
    {
        const std::vector<ScaleEntry> gases{{-INFINITY, 0.4}, {0.6, 0.9}, {4.1}};
        QCOMPARE(entryFor(0.3, gases), 1);
        QCOMPARE(entryFor(0.5, gases), 0);
        QCOMPARE(entryFor(0.6, gases), 2);
        QCOMPARE(entryFor(2.0, gases), 0);
        QCOMPARE(entryFor(4.4, gases), 3);
        const std::vector<ScaleEntry> counts{{0, 0, true}, {1, 0, true}, {10}};
        QCOMPARE(entryFor(0, counts), 1);
        QCOMPARE(entryFor(1, counts), 2);
        QCOMPARE(entryFor(1.5, counts), 0);
        QCOMPARE(entryFor(12, counts), 3);
    }

    // The shared pass over the catalogue, on the atomic radius.
    void passOverTheCatalogue()
    {
        f.window->Maluj(legendOf(16, QStringLiteral("- nie dotyczy, brak danych")));
        f.element(87)->setTextColor(Qt::red); // francium: no radius
        f.element(70)->setEnabled(false);
        const int coloured = colourByNumbers(*f.window, &ElementRecord::PromAtom, kRadiusBounds,
                                             QStringLiteral("PROMIEŃ ATOMU [pm]."));
        QCOMPARE(f.element(2)->textColor(), brush(1));  // helium, 49
        QCOMPARE(f.element(1)->textColor(), brush(2));  // hydrogen, 79
        QCOMPARE(f.element(13)->textColor(), brush(8)); // aluminium, 182: on a bound
        QCOMPARE(f.element(55)->textColor(), brush(15)); // caesium, 334
        QVERIFY(f.element(70)->isEnabled());
        int withoutNumber = 0;
        for (const ElementRecord &e : m_catalogue) {
            const bool number = !StringToFloat(e.PromAtom).noNumber;
            QCOMPARE(f.element(e.Numer)->isEnabled(), number);
            withoutNumber += number ? 0 : 1;
        }
        QCOMPARE(coloured + withoutNumber, Catalogue::kCount);
        QVERIFY(!f.element(87)->isEnabled());
        QCOMPARE(f.element(87)->textColor(), QColor(Qt::red)); // kept under the grey
        QCOMPARE(f.window->windowTitle(), QStringLiteral("PROMIEŃ ATOMU [pm]."));
        QVERIFY(!f.window->dummyButton()->isVisible());

        // Another property in which francium has a value enables it again.
        colourByNumbers(*f.window, &ElementRecord::MasaAtom, std::array<double, 1>{100.0}, QStringLiteral("X"));
        QVERIFY(f.element(87)->isEnabled());
        QCOMPARE(f.element(87)->textColor(), brush(2));
    }

    // The colours come from the swatches as they are when the pass runs.
    void passReadsTheSwatches()
    {
        f.window->Maluj(legendOf(16, QString()));
        swatch(2)->setProperty("brushColor", QColor(Qt::magenta));
        colourByNumbers(*f.window, &ElementRecord::PromAtom, kRadiusBounds, QStringLiteral("X"));
        QCOMPARE(f.element(1)->textColor(), QColor(Qt::magenta));
    }

    // A value that no entry takes leaves the colour; the hooks give another
    // text to read and keep an element disabled while it is coloured.
    void passHooks()
    {
        f.window->Maluj(legendOf(2, QString()));
        for (int n : {1, 2, 25})
            f.element(n)->setTextColor(Qt::cyan);
        NumericPass pass{&ElementRecord::PowElektr,
                         {{-INFINITY, 0.0}, {0.0, 0.05}},
                         QStringLiteral("POWINOWACTWO."),
                         [](const ElementRecord &, const QString &stored) {
                             return stored == u"<0" ? QStringLiteral("0") : stored;
                         },
                         [](const ElementRecord &e) { return e.RodzMolEntAtom == u"wrzenia:"; }};
        colourByNumbers(*f.window, pass);
        QCOMPARE(f.element(25)->textColor(), brush(2)); // manganese "<0" read as 0
        QVERIFY(f.element(25)->isEnabled());
        QCOMPARE(f.element(1)->textColor(), QColor(Qt::cyan)); // 0,7542: in no entry
        QVERIFY(f.element(1)->isEnabled());
        QVERIFY(!f.element(2)->isEnabled()); // helium: "wrzenia:"
        QCOMPARE(f.element(2)->textColor(), QColor(Qt::cyan));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("POWINOWACTWO."));
    }
};

TABLICZNIK_TEST_MAIN(LegendTest)
#include "legend_test.moc"
