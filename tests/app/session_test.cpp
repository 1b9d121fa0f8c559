#include "app/optionsmenu.h"
#include "app/plotwindow.h"
#include "app/tableimage.h"
#include "support/mainwindow.h"
#include "support/testmain.h"
#include "views/viewtables.h"
#include "windows/auxiliarywindows.h"
#include "data/metalseries.h"
#include "data/solubility.h"
#include "windows/tfiszka.h"
#include "windows/trozpuszczalnoscform.h"
#include "windows/tszeregform.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// Every warning, critical message or failed check Qt or the program logs
// while the session runs.
QStringList g_complaints;
QtMessageHandler g_previousHandler = nullptr;

void collectComplaints(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_complaints << message;
    g_previousHandler(type, context, message);
}

// The triggers of every view, in table order: view buttons and menu items.
QStringList viewTriggers()
{
    QStringList triggers;
    auto add = [&triggers](const auto &rows) {
        for (const auto &row : rows)
            triggers << QString::fromUtf8(row.trigger);
    };
    add(kNumericScaleViews);
    add(kFilteredScaleViews);
    add(kCategoryViews);
    add(kShellViews);
    add(kEraViews);
    add(kTypeFilterViews);
    add(kSusceptibilityViews);
    add(kAbundanceViews);
    return triggers;
}

} // namespace

// A pupil's whole session on the real main window, as one script: every
// element pointed at on every page, every view and menu entry, pinning,
// a card stepped through the whole table both ways and printed, the
// coloured table saved and printed, its plot, every
// auxiliary window, every preference, and the close. Nothing may complain,
// and nothing it opened may be left when the window is gone. Run under the
// sanitizers, it is the memory check of a whole session.
class SessionTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;
    QTemporaryDir m_output;

    // An options-menu command chosen, wherever its action lives: on the
    // window (those with shortcuts) or in the menu.
    bool choose(const char *name)
    {
        const QString objectName = QLatin1StringView(name);
        QAction *action = f.window->findChild<QAction *>(objectName);
        if (!action)
            action = f.window->optionsMenu().SetupPopupMenu()->findChild<QAction *>(objectName);
        if (!action)
            return false;
        action->trigger();
        return true;
    }

private slots:
    void init()
    {
        g_complaints.clear();
        g_previousHandler = qInstallMessageHandler(collectComplaints);
    }
    void cleanup() { qInstallMessageHandler(g_previousHandler); }

    void aWholeSession()
    {
        f.open();
        TOknoGlowne &window = *f.window;
        QStringList printed;
        window.auxiliaryWindows().setPrinterSetup([this, &printed](QPrinter &printer, QWidget *) {
            printed << m_output.filePath(QStringLiteral("wydruk%1.pdf").arg(printed.size() + 1));
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed.last());
            return true;
        });
        window.auxiliaryWindows().setUrlOpener([](const QUrl &) {});

        // Every element on every page, then the background.
        for (int page = 0; page < f.pages()->count(); ++page) {
            f.choosePage(page);
            for (int numer = 1; numer <= Catalogue::kCount; ++numer)
                f.moveOnto(numer);
            QCOMPARE(f.hovered(), Catalogue::kCount);
            f.moveTo(MainWindowFixture::background());
            QCOMPARE(f.hovered(), 0);
        }

        // Every view, each followed by the reset.
        const QStringList triggers = viewTriggers();
        QVERIFY(triggers.size() > 40);
        for (const QString &trigger : triggers) {
            QVERIFY2(f.start(trigger), qPrintable(trigger));
            QVERIFY2(!f.find(QStringLiteral("LegendaBox"))->isHidden(), qPrintable(trigger));
            f.click(QStringLiteral("SpeedButton3"));
            QCOMPARE(f.caption(), QStringLiteral("Tablicznik"));
        }
        // The view buttons that open menus, and every entry of those menus.
        for (const ViewMenu &menu : kViewMenus) {
            auto *popup = f.find<QMenu>(QString::fromUtf8(menu.name));
            QVERIFY(popup);
            for (QAction *entry : popup->actions()) {
                if (entry->isSeparator())
                    continue;
                entry->trigger();
                f.click(QStringLiteral("SpeedButton3"));
            }
        }

        // Pinning and unpinning, on a view and without one.
        for (int numer : {1, 26, 57, 112}) {
            f.pin(numer);
            QVERIFY(f.pinned());
            QCOMPARE(f.state("PinnedNumber").toInt(), numer);
            f.click(QStringLiteral("SpeedButton3"));
            QVERIFY(!f.pinned());
        }

        // A card, stepped through every element forwards by number, then
        // backwards in alphabetical order, and printed.
        f.click(f.element(1));
        auto cards = window.auxiliaryWindows().windows<TFiszka>();
        QCOMPARE(cards.size(), 1);
        TFiszka *card = cards.first();
        auto *list = card->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        auto *next = card->findChild<QAbstractButton *>(QStringLiteral("BitBtn2"));
        auto *previous = card->findChild<QAbstractButton *>(QStringLiteral("BitBtn1"));
        QVERIFY(list && next && previous);
        for (int step = 1; step < Catalogue::kCount; ++step)
            next->click();
        QCOMPARE(list->currentText(), window.catalogue().element(Catalogue::kCount).Nazwa);
        card->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->click();
        QSet<QString> seen{list->currentText()};
        for (QAbstractButton *direction : {next, previous})
            for (int step = 1; step < Catalogue::kCount; ++step) {
                direction->click();
                seen << list->currentText();
            }
        QCOMPARE(seen.size(), Catalogue::kCount);
        QCOMPARE(list->currentIndex(), 0);
        card->findChild<QAbstractButton *>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(printed.size(), 1);
        QVERIFY(QFile(printed.first()).size() > 1000);
        card->close();

        // A coloured table, saved as a picture and printed.
        QVERIFY(f.start(triggers.first()));
        const QString picture = m_output.filePath(QStringLiteral("tablica.png"));
        window.optionsMenu().tableImage().setFileChooser([&](QWidget *, const QString &) { return picture; });
        QVERIFY(choose("ZapiszObraz1"));
        QCOMPARE(QImage(picture).size(), 2 * (window.worksheetArea().size() + QSize(TableImage::kPeriodMargin,
                                                                                    TableImage::kCaptionBand)));
        QVERIFY(choose("DrukujTablice1"));
        QCOMPARE(printed.size(), 2);
        QVERIFY(QFile(printed.last()).size() > 1000);
        // Its periodicity plot, pointed along with the keys, saved and closed.
        QVERIFY(choose("Wykres1"));
        PlotWindow *plot = window.optionsMenu().plotCommand().plotWindow();
        QVERIFY(plot && plot->isVisible());
        QCOMPARE(plot->windowTitle(), window.windowTitle());
        for (int key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_End, Qt::Key_Left})
            QTest::keyClick(plot->plot(), Qt::Key(key));
        QVERIFY(f.hovered() > 0);
        const QString plotPicture = m_output.filePath(QStringLiteral("wykres.png"));
        plot->setFileChooser([&](QWidget *, const QString &) { return plotPicture; });
        QCOMPARE(QImage(plot->save()).size(), 2 * plot->plot()->size() * plot->devicePixelRatioF());
        plot->close();
        f.click(QStringLiteral("SpeedButton3"));

        // Every auxiliary window from the options menu, opened and closed;
        // the modal help from the "?" button, closed as it opens.
        const char *commands[] = {"StaleAction",         "PrzedrostkiAction", "PomocAction", "OProgramie1",
                                  "Oautorze1",           "RozpuszczalnoscAction", "SzeregAction",
                                  "MasaMolowaAction"};
        for (const char *command : commands) {
            const qsizetype before = window.auxiliaryWindows().windows().size();
            QVERIFY2(choose(command), command);
            const QList<QWidget *> kept = window.auxiliaryWindows().windows();
            QCOMPARE(kept.size(), before + 1);
            QVERIFY2(kept.last()->isVisible(), command);
            kept.last()->close();
        }
        // The school tables again (the offscreen platform cannot raise a
        // window, so they are shown directly): every cell explained, the
        // table printed, every pair of metals answered.
        auto *solubility = window.auxiliaryWindows().windows<TRozpuszczalnoscForm>().value(0);
        QVERIFY(solubility);
        solubility->show();
        for (int anion = 0; anion < solubility::kAnionCount; ++anion)
            for (int cation = 0; cation < solubility::kCationCount; ++cation)
                solubility->showCell(anion, cation);
        solubility->DrukujButtonClick();
        QCOMPARE(printed.size(), 3);
        solubility->close();
        auto *series = window.auxiliaryWindows().windows<TSzeregForm>().value(0);
        QVERIFY(series);
        series->show();
        for (int a = 0; a < metalseries::kMetalCount; ++a)
            for (int b = 0; b < metalseries::kMetalCount; ++b)
                series->choose(a, b);
        series->close();
        // The molar-mass window is one: a second use shows it again.
        const qsizetype kept = window.auxiliaryWindows().windows().size();
        QVERIFY(choose("MasaMolowa1"));
        QCOMPARE(window.auxiliaryWindows().windows().size(), kept);
        QVERIFY(window.auxiliaryWindows().windows().last()->isVisible());
        window.auxiliaryWindows().windows().last()->close();
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        f.click(QStringLiteral("SpeedButton1"));
        QVERIFY(!QApplication::activeModalWidget());

        // Every preference, off and on again.
        for (const char *toggle : {"Wyczanimacj1", "Wyczd1", "Wyczdymki1", "Wyczzegar1", "NazwyIUPAC1", "WyrazneKolory1"})
            for (int twice = 0; twice < 2; ++twice)
                QVERIFY2(choose(toggle), toggle);
        for (int percent : {125, 100}) { // the ones that fit the 800-pixel screen
            QVERIFY(choose(qPrintable(QStringLiteral("Skala%1").arg(percent))));
            QTRY_COMPARE(window.Skala(), percent);
        }

        // The close: every window the session opened goes with the main one.
        QList<QPointer<QWidget>> opened;
        for (QWidget *kept : window.auxiliaryWindows().windows())
            opened << kept;
        QVERIFY(opened.size() >= 6);
        QVERIFY(window.close());
        f.close();
        for (const QPointer<QWidget> &gone : opened)
            QVERIFY(gone.isNull());
        for (QWidget *left : QApplication::topLevelWidgets())
            QVERIFY2(!QByteArray(left->metaObject()->className()).startsWith("tablicznik::"),
                     left->metaObject()->className());

        QVERIFY2(g_complaints.isEmpty(), qPrintable(g_complaints.join(QLatin1Char('\n'))));
    }
};

TABLICZNIK_TEST_MAIN(SessionTest)
#include "session_test.moc"
