#include "support/mainwindow.h"
#include "support/testmain.h"

#include "app/optionsmenu.h"
#include "app/tablekeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

using namespace tablicznik;
using namespace tablicznik::testing;

// The table driven by key events that enter through the window system, as
// the user's keys do, into the real window.
class TableKeyboardTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;
    qint64 m_now = 0;

    TableKeyboard &keyboard() const { return f.window->tableKeyboard(); }
    int cursor() const { return keyboard().cursorNumber(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(f.handle(), k, modifiers); }
    void type(const QString &text, qint64 pause = 100)
    {
        for (const QChar c : text) {
            m_now += pause;
            // Letters beyond ASCII have no key code of their own: the event
            // goes to the focus widget, whence it climbs as the window
            // system's would.
            const int code = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    QToolButton *command(const char *name) const { return f.find<QToolButton>(QLatin1StringView(name)); }

private slots:
    void init()
    {
        f.open(programCatalogue(), MainWindowFixture::pointerDriven());
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        keyboard().setClock([this] { return m_now; });
    }
    void cleanup() { f.close(); }

    // Rows and columns as they stand on the screen: gaps are skipped, the
    // lanthanide and actinide rows sit above the table in columns 3 to 17,
    // and at an edge the cursor stays.
    void neighbourOnTheScreen_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("hydrogen right: helium") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("hydrogen down: lithium") << 1 << int(Qt::Key_Down) << 3;
        QTest::newRow("hydrogen left: edge") << 1 << int(Qt::Key_Left) << 1;
        QTest::newRow("hydrogen up: edge") << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("helium left: hydrogen") << 2 << int(Qt::Key_Left) << 1;
        QTest::newRow("helium down: neon") << 2 << int(Qt::Key_Down) << 10;
        QTest::newRow("beryllium right over the gap: boron") << 4 << int(Qt::Key_Right) << 5;
        QTest::newRow("barium right over La: hafnium") << 56 << int(Qt::Key_Right) << 72;
        QTest::newRow("lanthanum down: actinium") << 57 << int(Qt::Key_Down) << 89;
        QTest::newRow("actinium down: scandium") << 89 << int(Qt::Key_Down) << 21;
        QTest::newRow("scandium up: actinium") << 21 << int(Qt::Key_Up) << 89;
        QTest::newRow("yttrium down: edge") << 39 << int(Qt::Key_Down) << 39;
        QTest::newRow("cerium down: thorium") << 58 << int(Qt::Key_Down) << 90;
        QTest::newRow("thorium down: titanium") << 90 << int(Qt::Key_Down) << 22;
        QTest::newRow("lanthanum up: edge") << 57 << int(Qt::Key_Up) << 57;
        QTest::newRow("radon down: edge") << 86 << int(Qt::Key_Down) << 86;
        QTest::newRow("element 112 right: edge") << 112 << int(Qt::Key_Right) << 112;
        QTest::newRow("iron home: potassium") << 26 << int(Qt::Key_Home) << 19;
        QTest::newRow("iron end: krypton") << 26 << int(Qt::Key_End) << 36;
        QTest::newRow("helium home: hydrogen") << 2 << int(Qt::Key_Home) << 1;
        QTest::newRow("boron home: lithium") << 5 << int(Qt::Key_Home) << 3;
        QTest::newRow("cerium end: lutetium") << 58 << int(Qt::Key_End) << 71;
        QTest::newRow("radium end: element 112") << 88 << int(Qt::Key_End) << 112;
    }
    void neighbourOnTheScreen()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QCOMPARE(TableKeyboard::neighbour(from, key), to);
    }

    void focusStartsOnTheTableWithoutACursor()
    {
        QCOMPARE(focused(), &keyboard());
        QCOMPARE(cursor(), 0);
        for (int numer = 1; numer <= Catalogue::kCount; ++numer)
            QVERIFY(!f.element(numer)->focusMark());
    }

    // A move does what pointing does: pages, hover look, over cue, state.
    void arrowsMoveLikeThePointer()
    {
        key(Qt::Key_Right); // the first move goes to hydrogen
        QCOMPARE(cursor(), 1);
        QCOMPARE(f.hovered(), 1);
        QCOMPARE(f.state("LastShownName").toString(), QStringLiteral("Wodór"));
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Wodór"));
        QVERIFY(f.element(1)->isUp());
        QVERIFY(f.log.played.isEmpty());

        key(Qt::Key_Right);
        QCOMPARE(cursor(), 2);
        QCOMPARE(f.hovered(), 2);
        QCOMPARE(f.shown("SymbolLab"), QStringLiteral("He"));
        QVERIFY(!f.element(1)->isUp());
        QVERIFY(f.element(2)->isUp());
        QCOMPARE(f.log.played, QStringList{kOver});

        key(Qt::Key_Right); // the edge: nothing happens
        QCOMPARE(cursor(), 2);
        QCOMPARE(f.log.played, QStringList{kOver});
        // The pointer onto the background (another point of it than where it
        // rests: Qt drops a move to the same place), and not even pointing
        // at helium again.
        f.moveTo(QPoint(500, 205));
        QCOMPARE(f.hovered(), 0);
        key(Qt::Key_Right);
        QCOMPARE(f.hovered(), 0);
        QCOMPARE(f.state("LastShownName").toString(), QString());

        key(Qt::Key_Down);
        key(Qt::Key_Home);
        QCOMPARE(cursor(), 3);
        QCOMPARE(f.state("LastShownName").toString(), QStringLiteral("Lit"));
    }

    void focusMarkFollowsTheCursorWhileTheTableHasFocus()
    {
        f.moveOnto(8); // the pointer moves the cursor, without a mark yet
        QCOMPARE(cursor(), 8);
        QVERIFY(!f.element(8)->focusMark());
        key(Qt::Key_Right);
        QCOMPARE(cursor(), 9);
        QVERIFY(f.element(9)->focusMark());
        QVERIFY(!f.element(8)->focusMark());

        // The mark is not the hover look: it stays when the hover goes.
        f.moveTo(MainWindowFixture::background());
        QVERIFY(!f.element(9)->isUp());
        QVERIFY(f.element(9)->focusMark());
        const QImage marked = f.element(9)->grab().toImage();
        f.element(9)->setFocusMark(false);
        const QImage plain = f.element(9)->grab().toImage();
        f.element(9)->setFocusMark(true);
        f.element(9)->CMMouseEnter();
        const QImage hovered = f.element(9)->grab().toImage();
        QVERIFY(marked != plain);
        QVERIFY(hovered != marked);

        f.moveOnto(26); // pointing moves the cursor and its mark
        QCOMPARE(cursor(), 26);
        QVERIFY(f.element(26)->focusMark());
        QVERIFY(!f.element(9)->focusMark());

        key(Qt::Key_Tab); // the focus leaves the table, and the mark with it
        QVERIFY(focused() != &keyboard());
        QVERIFY(!f.element(26)->focusMark());
    }

    void enterSpaceAndEscapeActLikeTheMouse()
    {
        QSignalSpy cards(f.window.get(), &TOknoGlowne::cardRequested);
        type(QStringLiteral("fe"));
        QCOMPARE(cursor(), 26);
        f.log.played.clear();

        key(Qt::Key_Return);
        QCOMPARE(cards.count(), 1);
        QCOMPARE(cards.at(0).at(0).toString(), QStringLiteral("Żelazo"));
        QCOMPARE(f.state("CardElementName").toString(), QStringLiteral("Żelazo"));
        QCOMPARE(f.log.played, QStringList{kClick});

        key(Qt::Key_Space);
        QVERIFY(f.pinned());
        QCOMPARE(f.state("PinnedNumber").toInt(), 26);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik - Żelazo"));
        QCOMPARE(f.element(26)->textColor(), colour(TOknoGlowne::PinColor));
        QCOMPARE(f.element(1)->textColor(), colour(0x000000));

        key(Qt::Key_Left); // pinned: the pages stay on iron
        QCOMPARE(f.hovered(), 25);
        QCOMPARE(f.state("LastShownName").toString(), QStringLiteral("Żelazo"));

        key(Qt::Key_Escape);
        QVERIFY(!f.pinned());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik"));
        QCOMPARE(f.element(26)->textColor(), colour(SystemColour::BtnText));
        QCOMPARE(cursor(), 25); // the reset leaves the cursor and the pages
    }

    // A disabled element is background for the pointer, and so for the keys.
    void disabledElementIsBackground()
    {
        QSignalSpy cards(f.window.get(), &TOknoGlowne::cardRequested);
        QSignalSpy menu(f.window.get(), &TOknoGlowne::optionsMenuRequested);
        f.element(2)->setEnabled(false);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        QCOMPARE(cursor(), 2);
        QCOMPARE(f.hovered(), 0);
        QVERIFY(!f.element(1)->isUp());
        QCOMPARE(f.state("LastShownName").toString(), QString());
        key(Qt::Key_Return);
        key(Qt::Key_Space);
        QCOMPARE(cards.count(), 0);
        QCOMPARE(menu.count(), 0);
        QVERIFY(!f.pinned());
    }

    // Symbols first, then the beginnings of Polish names, case and
    // diacritics aside; a pause over a second starts a new text.
    void typeAhead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("numer");
        QTest::newRow("fe: iron's symbol") << QStringLiteral("fe") << 26;
        QTest::newRow("FE: upper case") << QStringLiteral("FE") << 26;
        QTest::newRow("zel: iron's name") << QStringLiteral("zel") << 26;
        QTest::newRow("żel: with its diacritic") << QStringLiteral("żel") << 26;
        QTest::newRow("w: tungsten's symbol") << QStringLiteral("w") << 74;
        QTest::newRow("wo: hydrogen's name") << QStringLiteral("wo") << 1;
        QTest::newRow("zl: gold, Złoto") << QStringLiteral("zl") << 79;
        QTest::newRow("sod: sodium") << QStringLiteral("sod") << 11;
        QTest::newRow("nothing of that") << QStringLiteral("qx") << 0;
    }
    void typeAhead()
    {
        QFETCH(QString, typed);
        QFETCH(int, numer);
        QCOMPARE(TableKeyboard::typedElement(programCatalogue(), typed), numer);
        type(typed);
        QCOMPARE(cursor(), numer);
        if (numer)
            QCOMPARE(f.hovered(), numer);
    }

    void typingPauseStartsAgain()
    {
        type(QStringLiteral("f"));
        QCOMPARE(cursor(), 9); // fluorine
        type(QStringLiteral("e"), 1000);
        QCOMPARE(cursor(), 26); // within a second: "fe"
        type(QStringLiteral("e"), 1001);
        QCOMPARE(cursor(), 63); // a new text "e": Europ, the first name so beginning
        type(QStringLiteral("rb"), 500);
        QCOMPARE(cursor(), 68); // Erb
    }

    void tabReachesTheCommandButtons()
    {
        const QStringList order = {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"};
        for (const QString &name : order) {
            key(Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), name);
        }
        key(Qt::Key_Escape); // back to the table, with the reset
        QCOMPARE(focused(), &keyboard());
        QCOMPARE(f.log.played, QStringList{kClick});
    }

    // Escape resets the table wherever the focus is in the window, and
    // brings the focus back to the table.
    void escapeResetsWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("the table") << QStringLiteral("Tablica");
        QTest::newRow("a command button") << QStringLiteral("SpeedButton1");
        QTest::newRow("the tabs") << QStringLiteral("PageControl1");
        QTest::newRow("a view button") << QStringLiteral("PromAtomButton");
        QTest::newRow("nothing") << QString();
    }
    void escapeResetsWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        f.pin(26);
        QVERIFY(f.pinned());
        if (focus.isEmpty())
            focused()->clearFocus();
        else
            f.find(focus)->setFocus();
        f.log.played.clear();
        key(Qt::Key_Escape);
        QVERIFY(!f.pinned());
        QCOMPARE(f.caption(), QStringLiteral("Tablicznik"));
        QCOMPARE(f.element(26)->textColor(), colour(SystemColour::BtnText));
        QCOMPARE(f.log.played, QStringList{kClick});
        QCOMPARE(focused(), &keyboard());
    }

    // An open menu takes its Escape: it closes, the table stays as it is.
    void escapeInAnOpenMenuOnlyClosesIt()
    {
        f.pin(26);
        QMenu *menu = f.window->optionsMenu().SetupPopupMenu();
        menu->popup(f.window->mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        key(Qt::Key_Escape);
        QVERIFY(menu->isHidden());
        QVERIFY(f.pinned());
        QCOMPARE(f.state("PinnedNumber").toInt(), 26);
    }

    // A typed word ends at any key that is not a letter; the letters after
    // it, however quick, begin a new word.
    void typedWordEndsAtAnyOtherKey_data()
    {
        QTest::addColumn<int>("between");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("arrow") << int(Qt::Key_Right);
        QTest::newRow("digit") << int(Qt::Key_1);
        QTest::newRow("minus") << int(Qt::Key_Minus);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void typedWordEndsAtAnyOtherKey()
    {
        QFETCH(int, between);
        type(QStringLiteral("fe"));
        QCOMPARE(cursor(), 26);
        key(Qt::Key(between));
        type(QStringLiteral("cu"));
        QCOMPARE(cursor(), 29);
        type(QStringLiteral("cu")); // still one word without another key: "cucu" is no element
        QCOMPARE(cursor(), 29);
        key(Qt::Key(between));
        type(QStringLiteral("n"));
        QCOMPARE(cursor(), 7);
    }

    // Pinned iron, the pointer moved on to copper, then the reset: every
    // page shows iron, as the pages did at the reset, alike; pointing shows
    // copper on every page, alike.
    void afterTheResetEveryPageShowsTheSame()
    {
        f.pin(26);
        f.moveOnto(29);
        QCOMPARE(f.state("LastShownName").toString(), QStringLiteral("Żelazo")); // pinned
        key(Qt::Key_Escape);
        QVERIFY(!f.pinned());
        const struct {
            int page;
            const char *value;
            QString ElementRecord::*field;
        } checks[] = {
            {0, "NazPolLab", &ElementRecord::Nazwa},   {1, "PromAtomLab", &ElementRecord::PromAtom},
            {3, "WartTypLab", &ElementRecord::WartTyp}, {4, "TempTopLab", &ElementRecord::TempTop},
            {0, "MasaAtomLab", &ElementRecord::MasaAtom},
        };
        for (const int numer : {26, 29}) {
            if (numer == 29)
                f.moveTo(f.element(29), QPoint(3, 3)); // the pointer moves on copper
            const ElementRecord &element = f.window->catalogue().element(numer);
            for (const auto &check : checks) {
                f.pages()->setCurrentIndex(check.page);
                QCOMPARE(f.shown(QLatin1StringView(check.value)), element.*check.field);
                QCOMPARE(f.shown(QStringLiteral("LiczAtomLab")), QString::number(numer));
            }
        }
        // With nothing under the pointer, every page is empty alike.
        f.moveTo(MainWindowFixture::background());
        key(Qt::Key_Escape);
        for (const auto &check : checks) {
            f.pages()->setCurrentIndex(check.page);
            QVERIFY2(f.shown(QLatin1StringView(check.value)).isEmpty(), check.value);
        }
    }

    void spaceAndEnterClickAFocusedCommand()
    {
        for (Qt::Key press : {Qt::Key_Space, Qt::Key_Return}) {
            f.pin(5);
            command("SpeedButton3")->setFocus();
            f.log.played.clear();
            key(press);
            QVERIFY(!f.pinned());
            QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik"));
            QCOMPARE(f.log.played, QStringList{kClick});
        }
        QSignalSpy help(f.window.get(), &TOknoGlowne::helpRequested);
        command("SpeedButton1")->setFocus();
        key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(help.count(), 1);
    }

    // A command button does not need the arrows: they go to the table.
    void arrowOnACommandMovesTheTableCursor()
    {
        f.moveOnto(6);
        command("SpeedButton2")->setFocus();
        key(Qt::Key_Down);
        QCOMPARE(focused(), &keyboard());
        QCOMPARE(cursor(), 14);
    }

    // The tab bar keeps its arrows; a press on the table brings the focus back.
    void tabBarKeepsItsArrows()
    {
        f.choosePage(0);
        QCOMPARE(focused(), f.pages());
        key(Qt::Key_Right);
        QCOMPARE(f.pages()->currentIndex(), 1);
        QCOMPARE(cursor(), 0);

        f.click(f.element(20), Qt::MiddleButton);
        QCOMPARE(focused(), &keyboard());
        f.choosePage(2);
        f.click(f.window.get(), Qt::MiddleButton, MainWindowFixture::background());
        QCOMPARE(focused(), &keyboard());
    }
};

TABLICZNIK_TEST_MAIN(TableKeyboardTest)
#include "tablekeyboard_test.moc"
