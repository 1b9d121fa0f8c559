#include "app/optionsmenu.h"
#include "app/tablekeyboard.h"
#include "data/modernnames.h"
#include "prefs/settings.h"
#include "support/mainwindow.h"
#include "support/testmain.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"
#include "windows/tpomocform.h"

#include <QAccessible>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

const QString kPin = QStringLiteral("Tablicznik - ");

// The main window as the program builds it (cards open on a left click),
// with fake cues, driven by the pointer.
struct Table : MainWindowFixture {
    explicit Table(WindowServices services = {})
    {
        window = makeMainWindow(log, std::move(services));
        window->cues().open();
        window->cues().setPlaySounds(true);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        moveTo(background());
        log.played.clear();
    }
    ~Table() { window->optionsMenu().SetupPopupMenu()->hide(); }

    QAction *item() const
    {
        return window->optionsMenu().SetupPopupMenu()->findChild<QAction *>(QStringLiteral("NazwyIUPAC1"));
    }
    // The item's state as the menu shows it when it opens.
    bool checkedWhenOpened() const
    {
        QMenu *menu = window->optionsMenu().SetupPopupMenu();
        emit window->optionsMenuRequested(window->mapToGlobal(QPoint(300, 250)));
        menu->hide();
        return item()->isChecked();
    }
    void toggle() { item()->trigger(); }
    QList<TFiszka *> cards() const { return window->auxiliaryWindows().windows<TFiszka>(); }
    QString caption() const { return window->windowTitle(); }
};

QStringList itemsOf(QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QString firstParagraph(TFiszka *card)
{
    return card->findChild<RichTextView *>(QStringLiteral("RichEdit1"))->document()->begin().text();
}

QString accessible(QWidget *w, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(which) : QStringLiteral("<no interface>");
}

} // namespace

// The option "Nazwy współczesne (IUPAC)": today's names of elements 104 ...
// 112 across the main window and its cards, switched at once.
class NazwyIUPACTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Off by default. On, the buttons of 104 ... 112 show today's symbols in
    // their place, two letters in the size of every two-letter symbol (Fr,
    // Ra), with today's names as hints and accessible texts; every other
    // button stays as it was. The menu command plays the over cue.
    void buttonsFollowAtOnce()
    {
        Table t; // off by default, the item unchecked
        QVERIFY(!t.window->NazwyIUPAC());
        QCOMPARE(t.item()->text(), QStringLiteral("Nazwy współczesne (IUPAC)"));
        QVERIFY(!t.checkedWhenOpened());
        struct Look {
            QString text, hint;
            QRect place;
            int pixels;
        };
        std::vector<Look> before;
        for (int n = 1; n <= Catalogue::kCount; ++n)
            before.push_back({t.element(n)->text(), t.element(n)->toolTip(), t.element(n)->geometry(),
                              t.element(n)->font().pixelSize()});

        t.toggle();
        QCOMPARE(t.log.played, QStringList{kOver});
        QVERIFY(t.window->NazwyIUPAC());
        QVERIFY(t.window->property("NazwyIUPAC").toBool());
        QVERIFY(t.checkedWhenOpened());
        for (int n = 1; n <= Catalogue::kCount; ++n) {
            TMySpeedButton *button = t.element(n);
            const Look &was = before[n - 1];
            QCOMPARE(button->geometry(), was.place);
            QCOMPARE(button->font().pixelSize() != was.pixels, n >= 104);
            QCOMPARE(button->text() != was.text, n >= 104);
            QCOMPARE(button->toolTip() != was.hint, n >= 104);
        }
        const QFont francium = t.element(87)->font();
        QVERIFY(before[104 - 1].pixels < francium.pixelSize()); // "Unq" was smaller than "Fr"
        QCOMPARE(t.element(88)->font(), francium);
        for (const ModernName &m : kModernNames) {
            TMySpeedButton *button = t.element(m.numer);
            QCOMPARE(button->font(), francium);
            QCOMPARE(button->text(), QString::fromUtf8(m.symbol));
            QCOMPARE(button->toolTip(), QString::fromUtf8(m.nazwa));
            QCOMPARE(button->property("NazAng").toString(), QString::fromUtf8(m.nazAng));
            QCOMPARE(accessible(button, QAccessible::Name),
                     QStringLiteral("%1 (%2), %3").arg(QString::fromUtf8(m.nazwa), QString::fromUtf8(m.symbol)).arg(m.numer));
            QCOMPARE(accessible(button, QAccessible::Description), QString::fromUtf8(m.nazwa));
        }
        QCOMPARE(t.window->ElementNames().at(111), QStringLiteral("Kopernik"));
        QCOMPARE(t.window->catalogue().numberOf(QStringLiteral("Rutherford")), 104);
        // The type-ahead finds today's symbols and names.
        QCOMPARE(TableKeyboard::typedElement(t.window->catalogue(), QStringLiteral("rf")), 104);
        QCOMPARE(TableKeyboard::typedElement(t.window->catalogue(), QStringLiteral("kop")), 112);

        t.toggle();
        QVERIFY(!t.window->NazwyIUPAC());
        QVERIFY(!t.checkedWhenOpened());
        for (int n = 1; n <= Catalogue::kCount; ++n) {
            QCOMPARE(t.element(n)->text(), before[n - 1].text);
            QCOMPARE(t.element(n)->toolTip(), before[n - 1].hint);
            QCOMPARE(t.element(n)->font().pixelSize(), before[n - 1].pixels);
        }
        QCOMPARE(TableKeyboard::typedElement(t.window->catalogue(), QStringLiteral("uub")), 112);
        QVERIFY(TableKeyboard::typedElement(t.window->catalogue(), QStringLiteral("kop")) != 112);
    }

    // The pages show today's names of the element they hold, the element
    // under the pointer and any page filled before, without the pointer
    // moving; the names fit their places.
    void detailsPagesFollow()
    {
        Table t;
        t.moveOnto(106); // page 1 holds seaborg
        t.pages()->setCurrentIndex(1); // as the keyboard does: the pointer stays, page 2 as it was
        t.moveOnto(110); // the symbol and page 2 follow darmstadtium
        t.toggle();
        QCOMPARE(t.state("LastShownName").toString(), QStringLiteral("Darmsztadt"));
        QCOMPARE(t.shown("SymbolLab"), QStringLiteral("Ds"));
        QCOMPARE(t.shown("NazPolLab"), QStringLiteral("Seaborg"));
        QCOMPARE(t.shown("NazAngLab"), QStringLiteral("Seaborgium"));
        QCOMPARE(t.shown("NazLacLab"), QStringLiteral("Seaborgium"));
        QCOMPARE(t.shown("MasaAtomLab"), programCatalogue().element(106).MasaAtom);

        t.choosePage(0);
        for (const ModernName &m : kModernNames) {
            t.moveOnto(m.numer);
            QCOMPARE(t.shown("NazPolLab"), QString::fromUtf8(m.nazwa));
            QCOMPARE(t.shown("NazAngLab"), QString::fromUtf8(m.nazAng));
            QCOMPARE(t.shown("NazLacLab"), QString::fromUtf8(m.nazLac));
            QCOMPARE(t.shown("SymbolLab"), QString::fromUtf8(m.symbol));
            for (const char *name : {"NazPolLab", "NazAngLab", "NazLacLab", "SymbolLab"}) {
                auto *label = t.find<QLabel>(QLatin1StringView(name));
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
            }
        }
        t.toggle();
        QCOMPARE(t.shown("NazPolLab"), QStringLiteral("Pierwiastek 112"));
        QCOMPARE(t.state("LastShownName").toString(), QStringLiteral("Pierwiastek 112"));
    }

    // With an element pinned and its card open, switching back and forth
    // keeps the pin (its colour, the pages, the caption under the current
    // name) and keeps each card on its element, in its order, at its place
    // in the text, with the heading, caption and list following.
    void backAndForthWithAPinAndCards()
    {
        Table t;
        t.pin(112);
        QVERIFY(t.pinned());
        QCOMPARE(t.caption(), kPin + QStringLiteral("Pierwiastek 112"));
        t.click(t.element(112)); // its card
        t.click(t.element(104)); // and another one
        QCOMPARE(t.cards().size(), 2);
        TFiszka *card = t.cards().at(0), *other = t.cards().at(1);
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QCOMPARE(card->windowTitle(), QStringLiteral("Fiszka - Pierwiastek 112"));
        QTest::mouseClick(card->findChild<QRadioButton *>(QStringLiteral("RadioButton2")), Qt::LeftButton);
        auto *list = card->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QScrollBar *scroll = card->findChild<RichTextView *>(QStringLiteral("RichEdit1"))->verticalScrollBar();
        QVERIFY(scroll->maximum() > 60);
        scroll->setValue(60);
        const QColor pinColour = t.element(112)->textColor();

        for (bool on : {true, false, true, false}) {
            t.toggle();
            const ElementRecord &cn = t.window->catalogue().element(112);
            QCOMPARE(cn.Nazwa, on ? QStringLiteral("Kopernik") : QStringLiteral("Pierwiastek 112"));
            QVERIFY(t.pinned());
            QCOMPARE(t.state("PinnedNumber").toInt(), 112);
            QCOMPARE(t.element(112)->textColor(), pinColour);
            QCOMPARE(t.caption(), kPin + cn.Nazwa);
            QCOMPARE(t.shown("NazPolLab"), cn.Nazwa);
            QCOMPARE(t.shown("SymbolLab"), cn.Symbol);

            QCOMPARE(card->windowTitle(), QStringLiteral("Fiszka - ") + cn.Nazwa);
            QCOMPARE(list->currentText(), cn.Nazwa);
            QCOMPARE(itemsOf(list), TFiszka::alphabetical(t.window->ElementNames()));
            QCOMPARE(firstParagraph(card), cn.Nazwa + QStringLiteral(" (") + cn.Symbol + u')');
            QCOMPARE(scroll->value(), 60);

            const QString rf = t.window->catalogue().element(104).Nazwa;
            QCOMPARE(other->windowTitle(), QStringLiteral("Fiszka - ") + rf);
            QCOMPARE(itemsOf(other->findChild<QComboBox *>(QStringLiteral("ComboBox1"))), t.window->ElementNames());
            const QString rfSymbol = t.window->catalogue().element(104).Symbol;
            QCOMPARE(firstParagraph(other), rf + QStringLiteral(" (") + rfSymbol + u')');
        }

        // The pin still moves and the card still steps, alphabetically.
        t.toggle();
        QTest::mouseClick(card->findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        QCOMPARE(list->currentText(), QStringLiteral("Krypton"));
        QCOMPARE(card->windowTitle(), QStringLiteral("Fiszka - Krypton"));
        t.pin(108);
        QCOMPARE(t.caption(), kPin + QStringLiteral("Has"));
        QCOMPARE(t.element(108)->textColor(), pinColour);
    }

    // The help window names the option as the menu does, in the capitals
    // it gives every function behind "Opcje".
    void helpMentionsTheOption()
    {
        Table t;
        const QString caption = t.item()->text();
        const QString words = caption.left(caption.indexOf(QStringLiteral(" ("))).toUpper();
        QCOMPARE(words, QStringLiteral("NAZWY WSPÓŁCZESNE"));
        const QString help = TPomocForm::plainText().simplified();
        QVERIFY(help.contains(QStringLiteral("OPCJE")));
        QVERIFY(help.indexOf(words) > help.indexOf(QStringLiteral("OPCJE")));
        QVERIFY(help.contains(QStringLiteral("104–112")));
    }

    // The option is stored with the preferences and read at the next start,
    // which shows today's names from the first moment.
    void storedAndReadAtTheNextStart()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        const auto services = [] {
            WindowServices s;
            s.settingsStore = true;
            s.firstRunAbout = [](TOknoGlowne &) {};
            return s;
        };
        {
            Table t(services());
            QVERIFY(!t.window->NazwyIUPAC());
            t.toggle();
            t.window->close();
        }
        QSettings stored(settings::location(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("2.00/NazwyIUPAC")).toString(), QStringLiteral("1"));

        Table next(services());
        QVERIFY(next.window->NazwyIUPAC());
        QVERIFY(next.checkedWhenOpened());
        QCOMPARE(next.element(104)->text(), QStringLiteral("Rf"));
        QCOMPARE(next.element(104)->toolTip(), QStringLiteral("Rutherford"));
        QCOMPARE(next.window->catalogue().numberOf(QStringLiteral("Meitner")), 109);
        next.click(next.element(110));
        QCOMPARE(next.cards().size(), 1);
        QCOMPARE(next.cards().at(0)->windowTitle(), QStringLiteral("Fiszka - Darmsztadt"));
        QCOMPARE(firstParagraph(next.cards().at(0)), QStringLiteral("Darmsztadt (Ds)"));
    }
};

TABLICZNIK_TEST_MAIN(NazwyIUPACTest)
#include "nazwyiupac_test.moc"
