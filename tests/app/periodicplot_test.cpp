#include "support/testmain.h"
#include "support/viewtable.h"

#include "app/optionsmenu.h"
#include "app/plotwindow.h"
#include "app/zoomrestart.h"
#include "views/periodicplot.h"
#include "views/viewtables.h"
#include "windows/auxiliarywindows.h"

#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <cmath>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// A catalogue text read by hand: "-" and "" are no value, an estimate in
// parentheses counts, "<0" is zero, a power of ten is left out when only
// the mantissa is read; anything else that toDouble does not take is none.
std::optional<double> byHand(QString text, bool mantissaOnly)
{
    if (mantissaOnly)
        text = text.section(QStringLiteral("•"), 0, 0);
    if (text.startsWith(u'(') && text.endsWith(u')'))
        text = text.mid(1, text.size() - 2);
    if (text == u"<0")
        text = QStringLiteral("0");
    bool ok = false;
    const double value = text.replace(u',', u'.').toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

struct PlottedView {
    QString trigger;
    Field field;
    bool mantissaOnly;
};

QList<PlottedView> plottedViews()
{
    QList<PlottedView> views;
    for (const NumericScaleView &v : kNumericScaleViews)
        views.append({QString::fromUtf8(v.trigger), v.field, false});
    for (const FilteredScaleView &v : kFilteredScaleViews)
        if (v.field)
            views.append({QString::fromUtf8(v.trigger), v.field, v.mantissaOnly});
    for (const SusceptibilityView &v : kSusceptibilityViews)
        views.append({QString::fromUtf8(v.trigger), v.field, false});
    return views;
}

} // namespace

Q_DECLARE_METATYPE(Field)

// The periodicity plot against the table it is drawn from.
class PeriodicPlotTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ViewTable> t;

    PlotCommand &command() const { return t->window->optionsMenu().plotCommand(); }
    PlotWindow *plotWindow() const { return command().plotWindow(); }
    PeriodicPlot *plot() const { return plotWindow() ? plotWindow()->plot() : nullptr; }
    // Starts a view and opens its plot with Ctrl+W.
    PeriodicPlot *plotOf(const QString &trigger)
    {
        if (!t->start(trigger))
            return nullptr;
        t->window->activateWindow(); // the shortcut is the main window's
        if (!QTest::qWaitForWindowActive(t->window.get()))
            return nullptr;
        QTest::keyClick(t->window.get(), Qt::Key_W, Qt::ControlModifier);
        if (!plot() || !QTest::qWaitForWindowExposed(plotWindow()))
            return nullptr;
        return plot();
    }
    // Through the window system, as the pointer moves.
    void pointAt(int numer)
    {
        QTest::mouseMove(plotWindow()->windowHandle(), plot()->mapTo(plotWindow(), plot()->columnRect(numer).center().toPoint()));
    }

private slots:
    void init() { t = std::make_unique<ViewTable>(); }
    void cleanup() { t.reset(); }

    // Every view of numbers: the bars are the catalogue's values, read here
    // by hand; gaps stand exactly where the table greys an element; each
    // bar is painted in the colour the table gives the element, a colour
    // of the legend.
    void valuesGapsAndColours_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<Field>("field");
        QTest::addColumn<bool>("mantissaOnly");
        for (const PlottedView &view : plottedViews())
            QTest::newRow(qPrintable(view.trigger)) << view.trigger << view.field << view.mantissaOnly;
    }
    void valuesGapsAndColours()
    {
        QFETCH(QString, trigger);
        QFETCH(Field, field);
        QFETCH(bool, mantissaOnly);
        PeriodicPlot *p = plotOf(trigger);
        QVERIFY(p);
        QCOMPARE(plotWindow()->windowTitle(), t->caption());
        QCOMPARE(p->series().count(), Catalogue::kCount);
        const QList<QColor> legend = t->shownColours();
        const QImage picture = p->picture(1);
        int bars = 0;
        for (int n = 1; n <= Catalogue::kCount; ++n) {
            const double plotted = p->series().plotted(n);
            const QString where = QStringLiteral("element %1").arg(n);
            if (!t->enabled(n)) {
                QVERIFY2(std::isnan(plotted) && p->barRect(n).isEmpty(), qPrintable(where));
                continue;
            }
            const std::optional<double> expected = byHand(t->window->catalogue().element(n).*field, mantissaOnly);
            if (!expected) { // placed by hand, off the scale's form
                QVERIFY2(std::isnan(plotted), qPrintable(where));
                continue;
            }
            QVERIFY2(std::abs(plotted - *expected) <= 1e-9 * std::max(1.0, std::abs(*expected)), qPrintable(where));
            QCOMPARE(p->barColour(n), t->colourOf(n));
            QVERIFY2(legend.contains(p->barColour(n)), qPrintable(where));
            // Painted in it along its middle (a neighbour's name may cover a part).
            const QRectF bar = p->barRect(n);
            bool painted = false;
            for (qreal y = bar.top() + 2; y < bar.bottom() - 2 && !painted; ++y)
                painted = picture.pixelColor(QPointF(bar.center().x(), y).toPoint()) == p->barColour(n);
            QVERIFY2(painted || bar.height() < 20 || bar.width() < 3, qPrintable(where));
            bars += painted;
        }
        QVERIFY(bars > 0);
    }

    // Only a scale of numbers read from a field is plotted: the command is
    // disabled, with its hint, for the others and while no view is shown.
    void commandFollowsTheTable()
    {
        QAction *action = t->find<QAction>(QStringLiteral("WykresAction"));
        QAction *item = t->window->optionsMenu().SetupPopupMenu()->findChild<QAction *>(QStringLiteral("Wykres1"));
        QVERIFY(action && item);
        QCOMPARE(item->text(), QStringLiteral("Wykres..."));
        QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
        const auto disabledWithHint = [&] {
            return !action->isEnabled() && !item->isEnabled() && item->toolTip() == PlotCommand::kDisabledHint;
        };
        QVERIFY(disabledWithHint());
        for (const char *trigger : {"StanSkupButton", "PowKButton", "TempCurButton", "Pokametale1"}) {
            QVERIFY(t->start(QLatin1StringView(trigger)));
            QVERIFY2(disabledWithHint(), trigger);
        }
        QTest::keyClick(t->window.get(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!plotWindow());

        PeriodicPlot *p = plotOf(QStringLiteral("PromAtomButton"));
        QVERIFY(p && item->isEnabled());
        QVERIFY(item->toolTip() != PlotCommand::kDisabledHint);
        QCOMPARE(plotWindow()->windowTitle(), QStringLiteral("PROMIEŃ ATOMU [pm]."));
        QCOMPARE(p->series().axisTitle, QStringLiteral("Promień atomu [pm]"));
        QVERIFY(!p->accessibleName().isEmpty());

        // Another view of numbers switches the open plot; any other view leaves it.
        QVERIFY(t->start(QStringLiteral("ElektroujButton")));
        QCOMPARE(plotWindow()->windowTitle(), t->caption());
        QCOMPARE(p->series().handler, QStringLiteral("ElektroujButtonClick"));
        QVERIFY(t->start(QStringLiteral("StanSkupButton")));
        QCOMPARE(p->series().handler, QStringLiteral("ElektroujButtonClick"));
        QVERIFY(disabledWithHint());
        QVERIFY(t->start(QStringLiteral("PotJon1Button")));
        QVERIFY(action->isEnabled());
        t->click(QStringLiteral("SpeedButton3")); // "Czyść"
        QVERIFY(disabledWithHint());
        QCOMPARE(p->series().handler, QStringLiteral("PotJon1ButtonClick"));

        // Escape closes it; a closed plot does not follow, and opens on the view shown.
        QTest::keyClick(p, Qt::Key_Escape);
        QVERIFY(!plotWindow()->isVisible());
        QVERIFY(t->start(QStringLiteral("TempTopButton")));
        QCOMPARE(p->series().handler, QStringLiteral("PotJon1ButtonClick"));
        QCOMPARE(plotOf(QStringLiteral("TempWrzButton")), p);
        QCOMPARE(p->series().handler, QStringLiteral("TempWrzButtonClick"));
        QCOMPARE(t->window->auxiliaryWindows().windows<PlotWindow>().size(), 1);
    }

    // The views whose value axis is logarithmic, and decades of one height on it.
    void logarithmicAxis()
    {
        QStringList logarithmic;
        for (const PlottedView &view : plottedViews()) {
            const QString handler = view.trigger + QStringLiteral("Click"); // as every view's row has it
            const auto series = plotSeries(handler, t->window->catalogue());
            QVERIFY2(series, qPrintable(handler));
            if (series->logarithmic)
                logarithmic << view.trigger;
        }
        QCOMPARE(logarithmic, (QStringList{"TwardoscButton", "WytrzRozButton", "WspPrzewCiepButton", "OporWlasButton",
                                           "Pokaparamagnetyki2"}));
        PeriodicPlot *p = plotOf(QStringLiteral("TwardoscButton"));
        QVERIFY(p);
        const qreal decade = p->valueY(1) - p->valueY(10);
        QVERIFY(decade > 10);
        QCOMPARE(qRound(p->valueY(10) - p->valueY(100)), qRound(decade));
        // A linear axis: equal steps of value, equal steps on the screen, zero included.
        p = plotOf(QStringLiteral("TempTopButton"));
        QCOMPARE(qRound(p->valueY(0) - p->valueY(1000)), qRound(p->valueY(1000) - p->valueY(2000)));
        QVERIFY(p->barRect(1).top() >= p->valueY(0) - 1); // hydrogen melts below zero: its bar hangs down
    }

    // Pointing at a bar is pointing at the element's button; a gap is the
    // table's background; a click pins, and the pin is marked in the plot.
    void pointingAndPinning()
    {
        PeriodicPlot *p = plotOf(QStringLiteral("PotJon1Button"));
        QVERIFY(p);
        pointAt(11);
        QCOMPARE(p->cursorNumber(), 11);
        QCOMPARE(t->hovered(), 11);
        QCOMPARE(t->state("LastShownName").toString(), t->window->catalogue().element(11).Nazwa);
        QVERIFY(t->element(11)->property("IsUp").toBool());
        pointAt(26);
        QCOMPARE(t->hovered(), 26);
        QCOMPARE(p->accessibleDescription().left(10), QStringLiteral("Fe (26), E"));
        QVERIFY(!t->element(11)->property("IsUp").toBool());
        QVERIFY(t->element(26)->property("IsUp").toBool());
        const int gap = *t->disabledElements().begin();
        pointAt(gap);
        QCOMPARE(p->cursorNumber(), 0);
        QCOMPARE(t->hovered(), 0);

        QTest::mouseClick(p, Qt::LeftButton, {}, p->columnRect(8).center().toPoint());
        QVERIFY(t->pinned());
        QCOMPARE(t->state("PinnedNumber").toInt(), 8);
        QCOMPARE(p->pinnedNumber(), 8);
        QCOMPARE(t->caption(), QStringLiteral("Tablicznik - ") + t->window->catalogue().element(8).Nazwa);
        // The plot keeps its view while the table shows the pin.
        QVERIFY(!std::isnan(p->series().plotted(26)));
        t->click(QStringLiteral("SpeedButton3"));
        QCOMPARE(p->pinnedNumber(), 0);
    }

    // The arrows walk the elements that have a bar, as the table has them.
    void keyboard()
    {
        PeriodicPlot *p = plotOf(QStringLiteral("PotJon4Button"));
        QVERIFY(p);
        const std::set<int> shown = t->enabledElements();
        p->setFocus();
        QTest::keyClick(p, Qt::Key_Right);
        QCOMPARE(p->cursorNumber(), *shown.begin());
        QCOMPARE(t->hovered(), *shown.begin());
        QTest::keyClick(p, Qt::Key_Right);
        QCOMPARE(p->cursorNumber(), *std::next(shown.begin()));
        QTest::keyClick(p, Qt::Key_End);
        QCOMPARE(p->cursorNumber(), *shown.rbegin());
        QTest::keyClick(p, Qt::Key_Right); // the end: nothing further
        QCOMPARE(p->cursorNumber(), *shown.rbegin());
        QTest::keyClick(p, Qt::Key_Left);
        QCOMPARE(p->cursorNumber(), *std::next(shown.rbegin()));
        QCOMPARE(t->hovered(), *std::next(shown.rbegin()));
        QTest::keyClick(p, Qt::Key_Home);
        QCOMPARE(p->cursorNumber(), *shown.begin());
        QTest::keyClick(p, Qt::Key_Return);
        QCOMPARE(t->state("PinnedNumber").toInt(), *shown.begin());
        QCOMPARE(p->pinnedNumber(), *shown.begin());
    }

    // The picture is saved at twice the window's resolution, and printed on
    // one landscape page named after the view; the window fills when resized.
    void savedPrintedAndResized()
    {
        PeriodicPlot *p = plotOf(QStringLiteral("ElektroujButton"));
        QVERIFY(p);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("wykres"));
        plotWindow()->setFileChooser([&](QWidget *, const QString &) { return file; });
        QStringList warnings;
        plotWindow()->setWarning([&](QWidget *, const QString &text) { warnings << text; });
        plotWindow()->findChild<QPushButton *>(QStringLiteral("ZapiszObrazButton"))->click();
        const QImage saved(file + QStringLiteral(".png"));
        QCOMPARE(saved.size(), p->size() * 2 * plotWindow()->devicePixelRatioF());
        QCOMPARE(warnings, QStringList());

        QList<QPrinter *> asked; // the window keeps its printer
        QList<QPageLayout::Orientation> orientations;
        t->window->auxiliaryWindows().setPrinterSetup([&](QPrinter &printer, QWidget *) {
            asked << &printer;
            orientations << printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("wykres.pdf")));
            return true;
        });
        plotWindow()->findChild<QPushButton *>(QStringLiteral("DrukujButton"))->click();
        QCOMPARE(orientations, QList{QPageLayout::Landscape});
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0]->docName(), t->caption());
        QVERIFY(QFile(dir.filePath(QStringLiteral("wykres.pdf"))).size() > 1000);

        const qreal narrow = p->barRect(9).width();
        plotWindow()->resize(1500, 950);
        QApplication::processEvents();
        QVERIFY(p->width() > 1450 && p->height() > 850);
        QVERIFY(p->barRect(9).width() > 1.8 * narrow);
    }

    // Today's table of 118 extends the plot at once, and the older one shortens it.
    void todaysTable()
    {
        PeriodicPlot *p = plotOf(QStringLiteral("PotJon1Button"));
        QVERIFY(p);
        QCOMPARE(p->series().count(), Catalogue::kCount);
        t->window->setNazwyIUPAC(true);
        QCOMPARE(p->series().count(), Catalogue::kModernCount);
        QCOMPARE(p->series().symbols.last(), QStringLiteral("Og"));
        for (int n = Catalogue::kCount + 1; n <= Catalogue::kModernCount; ++n)
            QCOMPARE(std::isnan(p->series().plotted(n)), !t->enabled(n));
        QVERIFY(!p->columnRect(Catalogue::kModernCount).isEmpty());
        t->window->setNazwyIUPAC(false);
        QCOMPARE(p->series().count(), Catalogue::kCount);
        QVERIFY(p->columnRect(Catalogue::kModernCount).isEmpty());
    }

    // A zoom starts the program again: the open plot comes back on its view,
    // even where the table no longer shows it.
    void carriedOverAZoom()
    {
        PeriodicPlot *p = plotOf(QStringLiteral("EntropMolButton"));
        QVERIFY(p);
        const QColor colourOfEntry = t->colourOf(26);
        QVERIFY(t->shownColours().contains(colourOfEntry));
        t->pin(26);
        const CarriedView carried = zoomrestart::capture(*t->window, 150);
        QCOMPARE(carried.plot, QStringLiteral("EntropMolButtonClick"));
        const auto parsed = zoomrestart::parse(zoomrestart::serialise(carried), carried.madeAtMs);
        QVERIFY(parsed);
        QCOMPARE(*parsed, carried);

        t = std::make_unique<ViewTable>();
        zoomrestart::restore(*t->window, *parsed);
        zoomrestart::reopenCards(*t->window, *parsed);
        QVERIFY(plot() && plotWindow()->isVisible());
        QCOMPARE(plot()->series().handler, QStringLiteral("EntropMolButtonClick"));
        QCOMPARE(plot()->pinnedNumber(), 26);
        // In the view's colours, though the table shows the pin.
        QCOMPARE(plot()->barColour(26), colourOfEntry);

        // Nothing open, nothing carried; a text from before the plot still reads.
        plotWindow()->close();
        QVERIFY(zoomrestart::capture(*t->window, 100).plot.isEmpty());
        QByteArray older = zoomrestart::serialise(carried);
        older.replace("\"plot\":\"EntropMolButtonClick\",", "");
        QVERIFY(!older.contains("plot"));
        QVERIFY(zoomrestart::parse(older, carried.madeAtMs));
    }

    void superscripts()
    {
        QCOMPARE(withSuperscripts(QStringLiteral("Gęstość gazów [g/cm^3]")), QStringLiteral("Gęstość gazów [g/cm³]"));
        QCOMPARE(withSuperscripts(QStringLiteral("[10^(-8) ohm•m]")), QStringLiteral("[10⁻⁸ ohm•m]"));
        QCOMPARE(withSuperscripts(QStringLiteral("10^(-6) cm^3/mol")), QStringLiteral("10⁻⁶ cm³/mol"));
        QCOMPARE(withSuperscripts(QStringLiteral("bez potęg")), QStringLiteral("bez potęg"));
    }
};

TABLICZNIK_TEST_MAIN(PeriodicPlotTest)
#include "periodicplot_test.moc"
