#include "app/toknoglowne.h"
#include "controls/tmyspeedbutton.h"
#include "animation/animationview.h"
#include "app/optionsmenu.h"
#include "support/auxiliarywindows.h"
#include "support/mainwindow.h"
#include "support/testmain.h"
#include "windows/tfiszka.h"
#include "windows/toautorzeform.h"
#include "windows/toprogramie.h"
#include "windows/tpomocform.h"
#include "windows/tprzedrostkiform.h"
#include "windows/tstaleform.h"

#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QPointer>
#include <QSignalSpy>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The main window with the programs it starts recorded.
struct Table : MainWindowFixture {
    QList<QString> started;
    QStringList noticed; // what the user was told
    QWidget *noticedOver = nullptr;

    explicit Table(const QStringList &missingSounds = {})
    {
        open(programCatalogue(), {missingSounds});
        window->optionsMenu().setProgramStarter([this](const QString &program) { started << program; });
        window->optionsMenu().setNotice([this](QWidget *parent, const QString &text) {
            noticed << text;
            noticedOver = parent;
        });
    }
    ~Table()
    {
        menu()->hide();
    }
    QMenu *menu() const { return window->optionsMenu().SetupPopupMenu(); }
    QAction *item(const char *name) const { return child<QAction>(menu(), name); }
    QString caption(const char *name) const { return item(name)->text(); }
    // Opens the menu as a right press on the table does, reads it, closes it.
    void openMenu()
    {
        emit window->optionsMenuRequested(window->mapToGlobal(QPoint(300, 250)));
        QVERIFY(menu()->isVisible());
        menu()->hide();
    }
    template <typename W>
    QList<W *> opened() const { return window->auxiliaryWindows().windows<W>(); }
    bool clockLabelsVisible() const
    {
        return child<QLabel>(window.get(), "WitamyLab1")->isVisible() &&
               child<QLabel>(window.get(), "WitamyLab2")->isVisible();
    }
};

// A PATH of its own, holding only the programs named.
struct FakePath {
    QTemporaryDir dir;
    QByteArray saved = qgetenv("PATH");
    explicit FakePath(const QStringList &programs)
    {
        for (const QString &name : programs) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write("#!/bin/sh\n");
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", dir.path().toLocal8Bit());
    }
    ~FakePath() { qputenv("PATH", saved); }
    QString path(const QString &name) const { return dir.filePath(name); }
};

} // namespace

// The options menu with its actions and toggles, and the ways the main
// window opens the auxiliary windows.
class OptionsMenuTest : public QObject {
    Q_OBJECT

private slots:
    void menuStructure()
    {
        Table t;
        QMenu *menu = t.menu();
        QCOMPARE(menu->objectName(), QStringLiteral("SetupPopupMenu"));
        struct Row {
            const char *name; // nullptr: a separator
            const char *caption;
            bool icon;
        };
        const Row rows[] = {
            {"Narzdzia1", "Narzędzia", true},
            {"Staefiz1", "Stałe fizyczne...", true},
            {"Przedr1", "Przedrostki...", true},
            {"Rozpuszczalnosc1", "Tabela rozpuszczalności...", false},
            {"Szereg1", "Szereg elektrochemiczny metali...", false},
            {"ZapiszObraz1", "Zapisz obraz tablicy...", false},
            {"DrukujTablice1", "Drukuj tablicę...", true},
            {"Wykres1", "Wykres...", false},
            {nullptr, nullptr, false},
            {"Wyczanimacj1", "Wyłącz animację", true},
            {"Wyczd1", "Wyłącz dźwięki", true},
            {"Wyczdymki1", "Wyłącz dymki", true},
            {"Wyczzegar1", "Wyłącz zegar", true},
            {"NazwyIUPAC1", "Nazwy współczesne (IUPAC)", false},
            {"WyrazneKolory1", "Wyraźne kolory", false},
            {"Powiekszenie1", "Powiększenie", false},
            {nullptr, nullptr, false},
            {"Pomocy1", "Pomoc...", true},
            {nullptr, nullptr, false},
            {"OProgramie1", "O programie...", true},
            {"Oautorze1", "O autorze...", false},
        };
        t.openMenu();
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), int(std::size(rows)));
        for (int i = 0; i < items.size(); ++i) {
            const Row &row = rows[i];
            QCOMPARE(items[i]->isSeparator(), row.name == nullptr);
            if (!row.name)
                continue;
            QCOMPARE(items[i]->objectName(), QString::fromLatin1(row.name));
            QCOMPARE(items[i]->text(), QString::fromUtf8(row.caption));
            QCOMPARE(!items[i]->icon().isNull(), row.icon);
            // The four toggles say their state in words; the naming and the colours show a check mark.
            QCOMPARE(items[i]->isCheckable(), items[i]->objectName() == u"NazwyIUPAC1" || items[i]->objectName() == u"WyrazneKolory1");
        }
        // One way of writing an ellipsis in every caption of the menu and its
        // submenus: "...", right after the word, never "…" or " ...".
        QList<QMenu *> menus{menu};
        for (int at = 0; at < menus.size(); ++at)
            for (QAction *a : menus[at]->actions()) {
                if (a->menu())
                    menus << a->menu();
                const QString text = a->text();
                QVERIFY2(!text.contains(u'…') && !text.contains(QStringLiteral(" ...")), qPrintable(text));
                QVERIFY2(!text.contains(QStringLiteral("..")) || text.endsWith(QStringLiteral("...")), qPrintable(text));
            }
        QVERIFY(menus.size() >= 3);
        QMenu *tools = items[0]->menu();
        QVERIFY(tools);
        QCOMPARE(tools->actions().size(), 3);
        QCOMPARE(tools->actions()[0]->objectName(), QStringLiteral("Kalkurator1"));
        QCOMPARE(tools->actions()[0]->text(), QStringLiteral("Kalkulator"));
        QCOMPARE(tools->actions()[1]->objectName(), QStringLiteral("MasaMolowa1"));
        QCOMPARE(tools->actions()[1]->text(), QStringLiteral("Masa molowa..."));
        QCOMPARE(tools->actions()[2]->objectName(), QStringLiteral("Notatnik1"));
        QCOMPARE(tools->actions()[2]->text(), QStringLiteral("Notatnik"));
        for (QAction *a : tools->actions())
            QVERIFY(!a->icon().isNull());
    }

    void actions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("help") << "PomocAction" << "Pomocy1" << "Pomoc..." << QKeySequence(Qt::Key_F1);
        QTest::newRow("constants") << "StaleAction" << "Staefiz1" << "Stałe fizyczne..."
                                   << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("prefixes") << "PrzedrostkiAction" << "Przedr1" << "Przedrostki..."
                                  << QKeySequence(Qt::CTRL | Qt::Key_P);
        QTest::newRow("molar mass") << "MasaMolowaAction" << "MasaMolowa1" << "Masa molowa..."
                                    << QKeySequence(Qt::CTRL | Qt::Key_M);
    }
    void actions()
    {
        QFETCH(QString, action);
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        Table t;
        auto *a = t.window->findChild<QAction *>(action);
        QVERIFY(a);
        QVERIFY(t.window->actions().contains(a)); // in the main window's action list
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut(), shortcut);
        QCOMPARE(a->shortcutContext(), Qt::WindowShortcut);
        // The menu item shows the action's caption and shortcut.
        QAction *menuItem = t.item(qPrintable(item));
        QCOMPARE(menuItem->text(), caption);
        QCOMPARE(menuItem->shortcut(), shortcut);
    }

    // Caption refresh before the menu opens, from the flags.
    void toggleCaptions_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("whenOn");
        QTest::addColumn<QString>("whenOff");
        QTest::newRow("sounds") << "PlaySounds" << "Wyczd1" << "Wyłącz dźwięki" << "Włącz dźwięki";
        QTest::newRow("clock") << "ShowTime" << "Wyczzegar1" << "Wyłącz zegar" << "Włącz zegar";
        QTest::newRow("animation") << "ShowAVI" << "Wyczanimacj1" << "Wyłącz animację" << "Włącz animację";
        QTest::newRow("tooltips") << "ShowHelp" << "Wyczdymki1" << "Wyłącz dymki" << "Włącz dymki";
    }
    void toggleCaptions()
    {
        QFETCH(QString, flag);
        QFETCH(QString, item);
        QFETCH(QString, whenOn);
        QFETCH(QString, whenOff);
        Table t;
        for (bool on : {false, true, false}) {
            t.window->setProperty(qPrintable(flag), on);
            t.openMenu();
            QCOMPARE(t.caption(qPrintable(item)), on ? whenOn : whenOff);
        }
        QVERIFY(t.log.played.isEmpty()); // the right press plays nothing
    }

    // With a sound file missing the sound item reads "Włącz", and using it
    // only flips the stored preference: twice leaves it as it was.
    void soundToggleWithoutSoundFiles()
    {
        Table t({QStringLiteral("KTXOverButton.wav")});
        QVERIFY(!t.window->property("SoundsReady").toBool());
        QVERIFY(t.window->property("PlaySounds").toBool());
        t.openMenu();
        QCOMPARE(t.caption("Wyczd1"), QStringLiteral("Włącz dźwięki"));
        t.item("Wyczd1")->trigger();
        QVERIFY(!t.window->property("PlaySounds").toBool());
        t.openMenu();
        QCOMPARE(t.caption("Wyczd1"), QStringLiteral("Włącz dźwięki"));
        t.item("Wyczd1")->trigger();
        QVERIFY(t.window->property("PlaySounds").toBool());
        QVERIFY(t.log.played.isEmpty());
    }

    // The over cue comes before the flip: switching off is heard, switching on is not.
    void soundToggle()
    {
        Table t;
        t.openMenu();
        QCOMPARE(t.caption("Wyczd1"), QStringLiteral("Wyłącz dźwięki"));
        t.item("Wyczd1")->trigger();
        QCOMPARE(t.log.played, QStringList{kOver});
        QVERIFY(!t.window->property("PlaySounds").toBool());
        QCOMPARE(t.caption("Wyczd1"), QStringLiteral("Wyłącz dźwięki")); // until the next opening
        t.openMenu();
        QCOMPARE(t.caption("Wyczd1"), QStringLiteral("Włącz dźwięki"));
        t.item("Wyczd1")->trigger();
        QCOMPARE(t.log.played, QStringList{kOver});
        QVERIFY(t.window->property("PlaySounds").toBool());
    }

    void animationToggle()
    {
        Table t;
        AnimationView *animation = t.window->Animate1();
        QVERIFY(animation->isActive());
        t.item("Wyczanimacj1")->trigger();
        QVERIFY(!animation->isActive());
        QVERIFY(!t.window->property("ShowAVI").toBool());
        QCOMPARE(t.caption("Wyczanimacj1"), QStringLiteral("Włącz animację"));
        t.item("Wyczanimacj1")->trigger();
        QVERIFY(animation->isActive());
        QVERIFY(t.window->property("ShowAVI").toBool());
        QCOMPARE(t.caption("Wyczanimacj1"), QStringLiteral("Wyłącz animację"));
        QCOMPARE(t.log.played, QStringList({kOver, kOver}));
    }

    // The new animation state is the opposite of what the control does now,
    // whatever the flag says.
    void animationToggleFollowsTheControl()
    {
        Table t;
        t.window->Animate1()->setActive(false); // the flag still says on
        t.item("Wyczanimacj1")->trigger();
        QVERIFY(t.window->Animate1()->isActive());
        QVERIFY(t.window->property("ShowAVI").toBool());
        QCOMPARE(t.caption("Wyczanimacj1"), QStringLiteral("Wyłącz animację"));
    }

    // Turning tooltips off silences them in every window, the auxiliary ones included.
    void tooltipToggle()
    {
        Table t;
        auto *about = t.window->auxiliaryWindows().show(new TOprogramie(t.window->auxiliaryWindows()));
        QVERIFY(QTest::qWaitForWindowExposed(about));
        auto *link = child<QLabel>(about, "Label1");
        // Whether the tooltip request reaches the label, which would show it.
        struct Counter : QObject {
            int requests = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                requests += e->type() == QEvent::ToolTip;
                return false;
            }
        } counter;
        link->installEventFilter(&counter);
        auto tooltipShown = [&] {
            const int before = counter.requests;
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), link->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(link, &help);
            return counter.requests > before;
        };
        QVERIFY(tooltipShown());
        t.item("Wyczdymki1")->trigger();
        QVERIFY(!t.window->property("ShowHelp").toBool());
        QCOMPARE(t.caption("Wyczdymki1"), QStringLiteral("Włącz dymki"));
        QVERIFY(!tooltipShown());
        t.item("Wyczdymki1")->trigger();
        QVERIFY(t.window->property("ShowHelp").toBool());
        QCOMPARE(t.caption("Wyczdymki1"), QStringLiteral("Wyłącz dymki"));
        QVERIFY(tooltipShown());
        QCOMPARE(t.log.played, QStringList({kOver, kOver}));
    }

    void clockToggle()
    {
        Table t;
        QTimer *timer = t.window->Timer1();
        QVERIFY(timer->isActive());
        QVERIFY(t.clockLabelsVisible());
        t.item("Wyczzegar1")->trigger();
        QVERIFY(!t.window->property("ClockVisible").toBool());
        QVERIFY(!t.window->property("ShowTime").toBool());
        QVERIFY(child<QLabel>(t.window.get(), "WitamyLab1")->isHidden());
        QVERIFY(child<QLabel>(t.window.get(), "WitamyLab2")->isHidden());
        QCOMPARE(t.caption("Wyczzegar1"), QStringLiteral("Włącz zegar"));
        QVERIFY(timer->isActive()); // untouched
        t.item("Wyczzegar1")->trigger();
        QVERIFY(t.window->property("ClockVisible").toBool());
        QVERIFY(t.window->property("ShowTime").toBool());
        QVERIFY(t.clockLabelsVisible());
        QCOMPARE(t.caption("Wyczzegar1"), QStringLiteral("Wyłącz zegar"));
        QCOMPARE(t.log.played, QStringList({kOver, kOver}));
    }

    // While a property view is shown, switching the clock on shows the
    // labels under the legend box, and the stopped timer stays stopped
    // until "Czyść".
    void clockToggleDuringAView()
    {
        Table t;
        t.window->Maluj(LegendContent{});
        QVERIFY(!t.window->Timer1()->isActive());
        auto *legend = child<QGroupBox>(t.window.get(), "LegendaBox");
        QVERIFY(legend->isVisible());
        t.item("Wyczzegar1")->trigger(); // off
        t.item("Wyczzegar1")->trigger(); // on again
        QVERIFY(t.clockLabelsVisible());
        QVERIFY(!t.window->Timer1()->isActive());
        // Beneath the legend box, which covers them.
        QWidget *under = t.window->childAt(child<QLabel>(t.window.get(), "WitamyLab2")->geometry().center());
        QVERIFY(under == legend || legend->isAncestorOf(under));
        QTest::mouseClick(child<QToolButton>(t.window.get(), "SpeedButton3"), Qt::LeftButton); // "Czyść"
        QVERIFY(t.window->Timer1()->isActive());
        QVERIFY(t.clockLabelsVisible());
        QVERIFY(legend->isHidden());
    }

    void windowCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("constants") << "Staefiz1" << "tablicznik::TStaleForm";
        QTest::newRow("prefixes") << "Przedr1" << "tablicznik::TPrzedrostkiForm";
        QTest::newRow("help") << "Pomocy1" << "tablicznik::TPomocForm";
        QTest::newRow("about") << "OProgramie1" << "tablicznik::TOprogramie";
        QTest::newRow("author") << "Oautorze1" << "tablicznik::TOautorzeForm";
    }
    // Every use opens a further window, not modal; closed ones stay hidden.
    void windowCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, windowClass);
        Table t;
        QList<QWidget *> opened;
        for (int i = 1; i <= 2; ++i) {
            t.item(qPrintable(item))->trigger();
            QCOMPARE(t.log.played.size(), i);
            QCOMPARE(t.log.played.last(), kOver);
            opened = t.window->auxiliaryWindows().windows();
            QCOMPARE(opened.size(), i);
            QCOMPARE(opened.last()->metaObject()->className(), windowClass.toLatin1());
            QVERIFY(opened.last()->isVisible());
            QVERIFY(!opened.last()->isModal());
            QVERIFY(!QApplication::activeModalWidget());
        }
        QVERIFY(opened.first() != opened.last());
        opened.first()->close();
        QCOMPARE(t.window->auxiliaryWindows().windows(), opened); // hidden, kept
        QVERIFY(opened.first()->isHidden());
    }

    // The shortcuts work while the main window is active, menu closed.
    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "tablicznik::TPomocForm";
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << "tablicznik::TStaleForm";
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << int(Qt::ControlModifier) << "tablicznik::TPrzedrostkiForm";
    }
    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, windowClass);
        Table t;
        for (int i = 1; i <= 3; ++i) {
            t.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
            QTest::keyClick(t.window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            const QList<QWidget *> opened = t.window->auxiliaryWindows().windows();
            QCOMPARE(opened.size(), i);
            QCOMPARE(opened.last()->metaObject()->className(), windowClass.toLatin1());
        }
        QCOMPARE(t.log.played, QStringList({kOver, kOver, kOver}));
    }

    // Every "OPCJE → X" of the help names an item of the menu as it reads,
    // in capitals and without its ellipsis.
    void helpNamesTheMenuItems()
    {
        Table t;
        QStringList captions;
        QList<QMenu *> menus{t.menu()};
        for (int at = 0; at < menus.size(); ++at)
            for (QAction *a : menus[at]->actions()) {
                if (a->menu())
                    menus << a->menu();
                captions << QString(a->text()).remove(QStringLiteral("...")).toUpper();
            }
        static const QRegularExpression named(QStringLiteral("OPCJE → ((?:[[:upper:]()]+ )+)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
        int found = 0;
        for (auto it = named.globalMatch(TPomocForm::plainText()); it.hasNext(); ++found) {
            const QString item = it.next().captured(1).trimmed();
            QVERIFY2(captions.contains(item), qPrintable(item));
        }
        QVERIFY(found >= 4);
    }

    void externalTools_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QString>("expected"); // empty: nothing starts
        QTest::newRow("calculator") << "Kalkurator1" << QStringList{"xcalc", "kcalc"} << "kcalc";
        QTest::newRow("calculator, only the last") << "Kalkurator1" << QStringList{"xcalc"} << "xcalc";
        QTest::newRow("no calculator") << "Kalkurator1" << QStringList{"gedit"} << "";
        QTest::newRow("editor") << "Notatnik1" << QStringList{"leafpad", "gedit", "kcalc"} << "gedit";
        QTest::newRow("no editor") << "Notatnik1" << QStringList{} << "";
    }
    void externalTools()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, onPath);
        QFETCH(QString, expected);
#ifdef Q_OS_WIN
        QSKIP("calc.exe and notepad.exe on Windows");
#endif
        Table t;
        const FakePath path(onPath);
        t.item(qPrintable(item))->trigger();
        QCOMPARE(t.log.played, QStringList{kOver});
        QCOMPARE(t.started, expected.isEmpty() ? QStringList{} : QStringList{path.path(expected)});
        // Nothing to start: a short message names what was looked for.
        QCOMPARE(t.noticed.size(), expected.isEmpty() ? 1 : 0);
        if (expected.isEmpty()) {
            const bool calculator = item == u"Kalkurator1";
            const QString &notice = t.noticed.first();
            QVERIFY2(notice.startsWith(calculator ? QStringLiteral("Nie znaleziono kalkulatora.")
                                                  : QStringLiteral("Nie znaleziono edytora tekstu.")),
                     qPrintable(notice));
            for (const char *program : {"kcalc", "xcalc", "gedit", "kate", "mousepad"})
                QCOMPARE(notice.contains(QLatin1StringView(program)),
                         (calculator ? ExternalTools::kCalculators : ExternalTools::kTextEditors).contains(QLatin1StringView(program)));
            QCOMPARE(t.noticedOver, t.window.get());
        }
    }

    // "Opcje": the click cue, then the menu at the pointer: its top-left
    // corner there, or its bottom-left where the screen has no room below.
    void opcjeButton()
    {
        Table t;
        t.window->move(t.window->x(), 0); // room for the whole menu below the pointer on the test screen
        QCursor::setPos(t.window->mapToGlobal(QPoint(300, 405)));
        QTest::mouseClick(child<QToolButton>(t.window.get(), "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(t.log.played, QStringList{kClick});
        QVERIFY(t.menu()->isVisible());
        const QRect menu = t.menu()->geometry();
        QCOMPARE(menu.left(), QCursor::pos().x());
        QVERIFY2(menu.top() == QCursor::pos().y() || menu.bottom() + 1 == QCursor::pos().y(),
                 qPrintable(QStringLiteral("menu from %1 to %2").arg(menu.top()).arg(menu.bottom())));
    }

    // A right press on the background, or on a disabled element during a
    // view, opens the menu without a cue; other buttons do not.
    void rightPressOpensTheMenu_data()
    {
        QTest::addColumn<bool>("onDisabledElement");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("background, right") << false << int(Qt::RightButton) << true;
        QTest::newRow("background, left") << false << int(Qt::LeftButton) << false;
        QTest::newRow("disabled element, right") << true << int(Qt::RightButton) << true;
    }
    void rightPressOpensTheMenu()
    {
        QFETCH(bool, onDisabledElement);
        QFETCH(int, button);
        QFETCH(bool, opens);
        Table t;
        QPoint at(100, 215); // the table's empty middle, left of the clock
        if (onDisabledElement) {
            TMySpeedButton *iron = t.window->elementButton(26);
            iron->setEnabled(false);
            at = iron->geometry().center();
        }
        QTest::mousePress(t.window->windowHandle(), Qt::MouseButton(button), {}, at);
        QTest::mouseRelease(t.window->windowHandle(), Qt::MouseButton(button), {}, at);
        QCOMPARE(t.menu()->isVisible(), opens);
        QVERIFY(t.log.played.isEmpty());
    }

    // A left click on an element: the click cue and a further card on it.
    void elementClickOpensCards()
    {
        Table t;
        QTest::mouseClick(t.window->elementButton(1), Qt::LeftButton);
        QTest::mouseClick(t.window->elementButton(8), Qt::LeftButton);
        QCOMPARE(t.log.played, QStringList({kClick, kClick}));
        QCOMPARE(t.window->property("CardElementName").toString(), QStringLiteral("Tlen"));
        const auto cards = t.opened<TFiszka>();
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[0]->windowTitle(), QStringLiteral("Fiszka - Wodór"));
        QCOMPARE(cards[1]->windowTitle(), QStringLiteral("Fiszka - Tlen"));
        QVERIFY(cards[0]->isVisible() && cards[1]->isVisible());
        QVERIFY(!cards[0]->parentWidget()); // independent of the main window

        // "Pokaż układ okresowy" brings back this main window.
        t.window->showMinimized();
        QTest::mouseClick(child<QPushButton>(cards[1], "Button1"), Qt::LeftButton);
        QVERIFY(!t.window->isMinimized());
    }

    // The help button: a modal help window that blocks the table until it
    // closes, then goes.
    void helpButtonIsModal()
    {
        Table t;
        QPointer<QWidget> help;
        duringModal([&] { QTest::mouseClick(child<QToolButton>(t.window.get(), "SpeedButton1"), Qt::LeftButton); },
                    [&](QWidget *modal) {
                        help = modal;
                        QVERIFY(qobject_cast<TPomocForm *>(modal));
                        QCOMPARE(t.log.played, QStringList{kClick});
                        // The table takes no input meanwhile.
                        QTest::mouseClick(t.window->windowHandle(), Qt::LeftButton, {},
                                          child<QWidget>(t.window.get(), "SpeedButton2")->geometry().center());
                        QVERIFY(!t.menu()->isVisible());
                        QCOMPARE(t.log.played, QStringList{kClick});
                        modal->close();
                    });
        QCOMPARE(t.log.played, QStringList({kClick, kExit}));
        QVERIFY(help.isNull()); // destroyed
        QVERIFY(t.window->auxiliaryWindows().windows().isEmpty());
    }

    // The program ends when the main window closes, even with cards and
    // tables still open; they go with it, without their exit cues.
    void closingTheTableEndsTheProgram()
    {
        Table t;
        QTest::mouseClick(t.window->elementButton(1), Qt::LeftButton);
        t.item("Staefiz1")->trigger();
        QList<QPointer<QWidget>> opened;
        for (QWidget *window : t.window->auxiliaryWindows().windows())
            opened << window;
        QCOMPARE(opened.size(), 2);
        t.log.played.clear();

        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, t.window.get(), &QWidget::close);
        QTimer watchdog; // only so that a fault cannot hang the run
        connect(&watchdog, &QTimer::timeout, qApp, &QCoreApplication::quit);
        watchdog.start(10000);
        qApp->exec();
        QCOMPARE(lastClosed.size(), 1);
        QCOMPARE(t.log.played, QStringList{kExit}); // the main window's only
        QVERIFY(t.window->auxiliaryWindows().windows().isEmpty());
        for (const auto &window : opened)
            QVERIFY(window.isNull());
    }
};

TABLICZNIK_TEST_MAIN(OptionsMenuTest)
#include "optionsmenu_test.moc"
