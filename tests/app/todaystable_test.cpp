// Today's table of 118 on the real main window: nihon to oganeson in
// period 7 while "Nazwy współczesne (IUPAC)" is on, the command buttons in
// a strip below, and the pin, the views, the cards, the keyboard and the
// table's picture following the switch both ways.

#include "app/optionsmenu.h"
#include "app/tableimage.h"
#include "app/tablekeyboard.h"
#include "prefs/settings.h"
#include "support/mainwindow.h"
#include "support/testmain.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

const char *const kCommands[] = {"SpeedButton2", "SpeedButton3", "SpeedButton4"};
// Where they stand in the table of 112 (the main window's furniture).
const QRect kCommandPlaces[] = {{419, 397, 57, 25}, {490, 397, 57, 25}, {560, 397, 57, 25}};

struct Table : MainWindowFixture {
    Table() { open(programCatalogue(), pointerDriven()); }
    explicit Table(bool requests)
    {
        Options options = pointerDriven();
        options.requestsCut = !requests;
        open(programCatalogue(), options);
    }
    ~Table() { window->optionsMenu().SetupPopupMenu()->hide(); }
    // The options menu's item "Nazwy współczesne (IUPAC)".
    void toggle()
    {
        auto *item = window->optionsMenu().SetupPopupMenu()->findChild<QAction *>(QStringLiteral("NazwyIUPAC1"));
        QVERIFY(item);
        item->trigger();
    }
    QList<TFiszka *> cards() const { return window->auxiliaryWindows().windows<TFiszka>(); }
    QAbstractButton *command(int i) const { return find<QAbstractButton>(QLatin1StringView(kCommands[i])); }
};

} // namespace

class TodaysTableTest : public QObject {
    Q_OBJECT

private slots:
    // The six stand in columns 13 to 18 of period 7, shown and under the
    // pointer there; the commands keep their size in a strip below the
    // table, inside the window, overlapping nothing, and answer a click.
    void layoutOfTheTableOf118()
    {
        Table t;
        t.toggle();
        QCOMPARE(t.window->size(), QSize(625, 462));
        for (int n = 113; n <= 118; ++n) {
            TMySpeedButton *button = t.element(n);
            QVERIFY(button->isVisible());
            QCOMPARE(button->geometry(), QRect(6 + 34 * (n - 101), 392, 33, 32));
            QCOMPARE(t.window->childAt(button->geometry().center()), button);
        }
        QList<QWidget *> visible;
        for (QWidget *w : t.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && w->objectName().startsWith(QLatin1StringView("MySpeedButton")))
                visible << w;
        QCOMPARE(visible.size(), 118);
        for (int i = 0; i < 3; ++i) {
            QAbstractButton *command = t.command(i);
            QCOMPARE(command->size(), kCommandPlaces[i].size());
            QVERIFY(command->isVisible());
            QVERIFY(t.window->rect().contains(command->geometry()));
            QVERIFY2(command->geometry().top() > 426, "below the table's outline");
            for (QWidget *element : visible)
                QVERIFY2(!element->geometry().intersects(command->geometry()), qPrintable(element->objectName()));
            for (int j = 0; j < i; ++j)
                QVERIFY(!t.command(j)->geometry().intersects(command->geometry()));
            QCOMPARE(t.window->childAt(command->geometry().center()), command);
            QVERIFY(command->focusPolicy() & Qt::TabFocus);
        }
        // "Czyść" under the mouse unpins.
        t.pin(118);
        QVERIFY(t.pinned());
        t.click(t.command(1));
        QVERIFY(!t.pinned());
        QCOMPARE(t.caption(), QStringLiteral("Tablicznik"));

        // Back to 112: the places of the furniture, the six gone.
        t.toggle();
        QCOMPARE(t.window->size(), QSize(625, 429));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(t.command(i)->geometry(), kCommandPlaces[i]);
        for (int n = 113; n <= 118; ++n)
            QVERIFY(!t.element(n)->isVisible());
        QCOMPARE(t.window->childAt(t.command(2)->geometry().center()), t.command(2));
    }

    // Tab reaches the help button and the three commands in the strip.
    void commandsReachedByTab()
    {
        Table t;
        t.toggle();
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        t.find(QStringLiteral("Tablica"))->setFocus();
        QStringList reached;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, QStringList({"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}));
    }

    // A pin on an element of both tables and a card stay through the
    // switch both ways; a pin or a card on one of the six goes with it.
    void switchKeepsThePinAndTheCards()
    {
        Table t(true);
        t.toggle();
        t.pin(26);
        t.click(t.element(118)); // a card on oganeson
        t.click(t.element(8));   // and one on oxygen
        QCOMPARE(t.cards().size(), 2);
        TFiszka *og = t.cards().at(0), *oxygen = t.cards().at(1);
        QVERIFY(QTest::qWaitForWindowExposed(og));
        QCOMPARE(og->windowTitle(), QStringLiteral("Fiszka - Oganeson"));

        t.toggle(); // off
        QVERIFY(t.pinned());
        QCOMPARE(t.state("PinnedNumber").toInt(), 26);
        QCOMPARE(t.caption(), QStringLiteral("Tablicznik - Żelazo"));
        QCOMPARE(t.shown("NazPolLab"), QStringLiteral("Żelazo"));
        auto *list = og->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(list->count(), 112);
        QCOMPARE(og->windowTitle(), QStringLiteral("Fiszka - Pierwiastek 112"));
        QCOMPARE(list->currentData().toInt(), 112);
        QCOMPARE(oxygen->windowTitle(), QStringLiteral("Fiszka - Tlen"));

        t.toggle(); // on again: both cards where they are, 118 in the list
        QCOMPARE(list->count(), 118);
        QCOMPARE(og->windowTitle(), QStringLiteral("Fiszka - Kopernik"));
        QVERIFY(t.pinned());

        // A pin on one of the six goes when they leave, as the reset does.
        t.pin(114);
        QCOMPARE(t.caption(), QStringLiteral("Tablicznik - Flerow"));
        t.toggle();
        QVERIFY(!t.pinned());
        QCOMPARE(t.state("PinnedNumber").toInt(), 0);
        QCOMPARE(t.caption(), QStringLiteral("Tablicznik"));
        QCOMPARE(t.shown("NazPolLab"), QString());
        QCOMPARE(t.state("HoveredNumber").toInt(), 0);
        QVERIFY(!t.element(114)->isVisible());
        QCOMPARE(t.colourOf(114), t.colourOf(113)); // its plain look for the next time
    }

    // Every view walks all 118: the six greyed where they have no value,
    // placed by the discovery-era view; a view that shows takes them in or
    // lets them go at the switch.
    void viewsWalkTheWholeTable()
    {
        Table t(true);
        QVERIFY(t.start(QStringLiteral("Pozostae1"))); // the era view of 112
        t.toggle();
        QVERIFY(!t.find(QStringLiteral("LegendaBox"))->isHidden());
        for (int n = 113; n <= 118; ++n) {
            QVERIFY2(t.enabled(n), qPrintable(QString::number(n)));
            QCOMPARE(t.colourOf(n), t.colourOf(112)); // found after 1975, as element 112
        }
        QVERIFY(t.colourOf(118) != t.colourOf(1));

        QVERIFY(t.start(QStringLiteral("PromAtomButton")));
        for (int n = 113; n <= 118; ++n)
            QVERIFY(!t.enabled(n));
        QVERIFY(t.enabled(26));

        t.toggle(); // off: the view stays on the table of 112
        QVERIFY(!t.find(QStringLiteral("LegendaBox"))->isHidden());
        QVERIFY(t.enabled(26) && !t.enabled(112));
        for (int n = 113; n <= 118; ++n)
            QVERIFY(!t.element(n)->isVisible());
    }

    // The card steps through 1 ... 118 by number and has all 118 in
    // alphabetical order.
    void cardStepsThrough118()
    {
        Table t(true);
        t.toggle();
        t.click(t.element(1));
        QCOMPARE(t.cards().size(), 1);
        TFiszka *card = t.cards().first();
        QVERIFY(QTest::qWaitForWindowExposed(card));
        auto *next = card->findChild<QPushButton *>(QStringLiteral("BitBtn2"));
        auto *list = card->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        for (int step = 1; step < 118; ++step)
            next->click();
        QCOMPARE(list->currentText(), QStringLiteral("Oganeson"));
        QCOMPARE(card->windowTitle(), QStringLiteral("Fiszka - Oganeson"));
        next->click(); // the end: it stays
        QCOMPARE(list->currentData().toInt(), 118);
        QTest::mouseClick(card->findChild<QRadioButton *>(QStringLiteral("RadioButton2")), Qt::LeftButton);
        QCOMPARE(list->count(), 118);
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->itemText(i);
        QVERIFY(names.indexOf(QStringLiteral("Tenes")) > names.indexOf(QStringLiteral("Tellur")));
        QVERIFY(names.indexOf(QStringLiteral("Nihon")) < names.indexOf(QStringLiteral("Nikiel")));
        QVERIFY(names.indexOf(QStringLiteral("Nihon")) > names.indexOf(QStringLiteral("Neptun")));
    }

    // The keyboard: type-ahead and the arrows reach the six only while
    // they stand in the table.
    void keyboardReachesTheSix()
    {
        Table t;
        const Catalogue &catalogue = t.window->catalogue();
        QVERIFY(TableKeyboard::typedElement(catalogue, QStringLiteral("og")) != 118);
        QCOMPARE(TableKeyboard::neighbour(112, Qt::Key_Right, catalogue.count()), 112);
        t.toggle();
        QCOMPARE(TableKeyboard::typedElement(catalogue, QStringLiteral("og")), 118);
        QCOMPARE(TableKeyboard::typedElement(catalogue, QStringLiteral("fl")), 114);
        QCOMPARE(TableKeyboard::typedElement(catalogue, QStringLiteral("tenes")), 117);
        QCOMPARE(TableKeyboard::typedElement(catalogue, QStringLiteral("moskow")), 115);
        QCOMPARE(TableKeyboard::neighbour(112, Qt::Key_Right, catalogue.count()), 113);
        QCOMPARE(TableKeyboard::neighbour(86, Qt::Key_Down, catalogue.count()), 118);
        QCOMPARE(TableKeyboard::neighbour(113, Qt::Key_End, catalogue.count()), 118);

        // The cursor on oganeson goes when it leaves.
        auto *keyboard = t.find<TableKeyboard>(QStringLiteral("Tablica"));
        keyboard->setFocus();
        QTest::keyClicks(keyboard, QStringLiteral("og"));
        QCOMPARE(keyboard->cursorNumber(), 118);
        QCOMPARE(t.state("HoveredNumber").toInt(), 118);
        QCOMPARE(t.element(118)->accessibleName(), QStringLiteral("Oganeson (Og), 118"));
        t.toggle();
        QCOMPARE(keyboard->cursorNumber(), 0);
        QCOMPARE(t.state("HoveredNumber").toInt(), 0);
    }

    // The table's picture is the table as it is: one row of buttons taller.
    void pictureOfTheTable()
    {
        Table t;
        TableImage image(*t.window, t.window->auxiliaryWindows());
        const int below = t.window->worksheetArea().top(), wide = 625 + TableImage::kPeriodMargin;
        QCOMPARE(image.render(1, false).size(), QSize(wide, 429 - below));
        t.toggle();
        QCOMPARE(image.render(1, false).size(), QSize(wide, 462 - below));
        QCOMPARE(image.picture().size(), QSize(2 * wide, 2 * (462 - below + TableImage::kCaptionBand)));
    }

    // A store with the option on starts on today's table at once.
    void storedOptionStartsOnTheTableOf118()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        {
            QSettings store(QStringLiteral("Lumera"), QStringLiteral("Tablicznik"));
            store.beginGroup(QLatin1StringView(settings::kGroup));
            store.setValue(QStringLiteral("Showed"), 1);
            store.setValue(QStringLiteral("NazwyIUPAC"), 1);
        }
        WindowServices services;
        services.settingsStore = true;
        CueLog log;
        auto window = makeMainWindow(log, std::move(services));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->catalogue().count(), 118);
        QCOMPARE(window->size(), QSize(625, 462));
        QVERIFY(window->elementButton(116)->isVisible());
        QCOMPARE(window->findChild<QWidget *>(QStringLiteral("SpeedButton4"))->geometry(), QRect(560, 430, 57, 25));
    }
};

TABLICZNIK_TEST_MAIN(TodaysTableTest)
#include "todaystable_test.moc"
