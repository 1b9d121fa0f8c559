#include "support/pixels.h"
#include "support/testmain.h"
#include "support/viewtable.h"

#include "app/optionsmenu.h"
#include "app/plotwindow.h"
#include "controls/readablefaces.h"
#include "views/legend.h"

#include <QAction>
#include <QMenu>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

QImage look(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

// "Wyraźne kolory": the readable look of the colour maps, switched at once.
class ReadableLookTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ViewTable> t;

    QAction *menuItem() const
    {
        return t->window->optionsMenu().SetupPopupMenu()->findChild<QAction *>(QStringLiteral("WyrazneKolory1"));
    }

private slots:
    void init() { t = std::make_unique<ViewTable>(); }
    void cleanup() { t.reset(); }

    // The radius view: iron takes a bin, an element without a radius is greyed.
    // Switched on, the coloured face, the hatch and the legend's faces show
    // with letters that contrast; switched off, the table is as it was.
    void switchesTheShownViewAtOnce()
    {
        QVERIFY(t->start(QStringLiteral("PromAtomButton")));
        QVERIFY(!t->disabledElements().empty());
        const int greyed = *t->disabledElements().begin();
        int entry = 15;
        while (entry > 0 && t->window->swatchColour(entry) != t->colourOf(26))
            --entry;
        QVERIFY(entry > 0);
        const QImage ironBefore = look(t->element(26)), greyedBefore = look(t->element(greyed));
        const QColor face = t->window->swatchFace(entry);
        QVERIFY(!holds(ironBefore, face));

        QAction *item = menuItem();
        QVERIFY(item && item->isCheckable() && !item->isChecked());
        item->trigger();
        QVERIFY(t->window->WyrazneKolory());
        QVERIFY(t->window->optionsMenu().SetupPopupMenu() && menuItem()->isChecked());

        const QImage iron = look(t->element(26));
        QCOMPARE(iron.pixelColor(4, 4), face);
        QVERIFY(holds(iron, readablefaces::letterColour(face)));
        QVERIFY(readablefaces::contrastRatio(face, readablefaces::letterColour(face)) >= 4.5);
        const QImage noValue = look(t->element(greyed));
        QVERIFY(holds(noValue, readablefaces::noDataFace()));
        QVERIFY(holds(noValue, readablefaces::noDataHatch().color()));
        const QImage swatch = look(t->find("Shape1"));
        QCOMPARE(swatch.pixelColor(swatch.rect().center()), t->window->swatchFace(1));
        const QImage noData = look(t->find("Shape16"));
        QVERIFY(holds(noData, readablefaces::noDataHatch().color()));

        item->trigger();
        QVERIFY(!t->window->WyrazneKolory());
        QCOMPARE(look(t->element(26)), ironBefore);
        QCOMPARE(look(t->element(greyed)), greyedBefore);
    }

    // A view shown while the look is on takes it too; the pin is outlined
    // black and white, whatever its colour.
    void newViewsAndThePin()
    {
        t->window->setWyrazneKolory(true);
        QVERIFY(t->start(QStringLiteral("TempTopButton")));
        QVERIFY(t->element(26)->face().isValid());
        QCOMPARE(look(t->element(26)).pixelColor(4, 4), t->element(26)->face());

        t->pin(8);
        QVERIFY(!t->element(26)->face().isValid()); // the pin clears the table's colours
        const QImage pinned = look(t->element(8));
        const int middle = pinned.height() / 2;
        QCOMPARE(pinned.pixelColor(1, middle), QColor(Qt::white));
        QCOMPARE(pinned.pixelColor(2, middle), QColor(Qt::black));
        QVERIFY(look(t->element(9)).pixelColor(1, middle) != QColor(Qt::white));
        t->window->ResetBitBtnClick();
        QVERIFY(!t->element(8)->pinMark());
    }

    // The keyboard cursor's mark is black and white in both looks.
    void focusMarkIsTwoTone()
    {
        for (bool readable : {false, true}) {
            t->window->setWyrazneKolory(readable);
            t->element(26)->setFocusMark(true);
            const QImage marked = look(t->element(26));
            const QImage row = marked.copy(0, 3, marked.width(), 2);
            QVERIFY(holds(row, Qt::white));
            QVERIFY(holds(row, Qt::black));
        }
    }

    // An open plot takes the faces at once, and gives them back.
    void plotFollows()
    {
        QVERIFY(t->start(QStringLiteral("PromAtomButton")));
        PlotCommand &command = t->window->optionsMenu().plotCommand();
        command.open();
        QVERIFY(command.plotWindow());
        PeriodicPlot *plot = command.plotWindow()->plot();
        QCOMPARE(plot->barColour(26), t->colourOf(26));
        t->window->setWyrazneKolory(true);
        QCOMPARE(plot->barColour(26), t->element(26)->face());
        t->window->setWyrazneKolory(false);
        QCOMPARE(plot->barColour(26), t->colourOf(26));
    }
};

TABLICZNIK_TEST_MAIN(ReadableLookTest)
#include "readablelook_test.moc"
