#include "data/catalogue.h"
#include "richtext/richtextview.h"
#include "support/auxiliarywindows.h"
#include "support/card.h"
#include "support/catalogue.h"
#include "support/testmain.h"
#include "windows/tfiszka.h"
#include "windows/tprzedrostkiform.h"
#include "windows/tstaleform.h"
#include "windows/tzrodlaform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QAbstractItemView>
#include <QScrollBar>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// A key as the user presses it: to whatever has the window's focus.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

struct Card : ShownCard {
    explicit Card(const QString &name) : ShownCard(name, true) {}
    QString element() const { return find<QComboBox>("ComboBox1")->currentText(); }
    QScrollBar *scroll() const { return view()->verticalScrollBar(); }
};

} // namespace

// Where the keyboard focus goes in the windows, and which keys close them.
class KeyboardFocusTest : public QObject {
    Q_OBJECT

private slots:
    // A new card: the keys scroll its description at once.
    void cardOpensOnItsText()
    {
        Card c(QStringLiteral("Wodór"));
        QCOMPARE(c.card->focusWidget(), c.find("RichEdit1"));
        QCOMPARE(c.scroll()->value(), 0);
        press(c.card, Qt::Key_PageDown);
        const int page = c.scroll()->value();
        QVERIFY(page > 0);
        press(c.card, Qt::Key_Down);
        QVERIFY(c.scroll()->value() > page);
        press(c.card, Qt::Key_PageUp);
        press(c.card, Qt::Key_PageUp);
        QCOMPARE(c.scroll()->value(), 0);
        QCOMPARE(c.card->focusWidget(), c.find("RichEdit1"));
    }

    // After a step the step button keeps the focus, so Space steps on; at
    // the end of the list too. The frame around the buttons never has it.
    void stepButtonKeepsTheFocus()
    {
        Card c(QStringLiteral("Wodór"));
        QTest::mouseClick(c.find<QPushButton>("BitBtn2"), Qt::LeftButton);
        QCOMPARE(c.element(), QStringLiteral("Hel"));
        QCOMPARE(c.card->focusWidget(), c.find("BitBtn2"));
        press(c.card, Qt::Key_Space);
        QCOMPARE(c.element(), QStringLiteral("Lit"));
        QCOMPARE(c.card->focusWidget(), c.find("BitBtn2"));

        c.card->BitBtn1Click(); // however it is reached
        QCOMPARE(c.element(), QStringLiteral("Hel"));
        QCOMPARE(c.card->focusWidget(), c.find("BitBtn1"));
        press(c.card, Qt::Key_Space);
        press(c.card, Qt::Key_Space); // at the first: nothing moves, the focus stays
        QCOMPARE(c.element(), QStringLiteral("Wodór"));
        QCOMPARE(c.card->focusWidget(), c.find("BitBtn1"));
        QCOMPARE(c.f.log.played, QStringList(5, kPage));
    }

    // Tab goes round the card's controls and its text, never to a frame.
    void tabGoesRoundTheControls()
    {
        Card c(QStringLiteral("Tlen"));
        QList<QWidget *> visited;
        for (int i = 0; i < 12; ++i) {
            press(c.card, Qt::Key_Tab);
            QWidget *focus = c.card->focusWidget();
            QVERIFY(!qobject_cast<QGroupBox *>(focus));
            if (!visited.contains(focus))
                visited << focus;
        }
        for (const char *name : {"ComboBox1", "BitBtn3", "Button1", "BitBtn1", "BitBtn2", "RichEdit1"})
            QVERIFY2(visited.contains(c.find(name)), name);
    }

    // "Źródła danych": the text cannot be changed, the focus starts on OK,
    // Enter closes, wherever the focus is, and Tab comes round to OK.
    void sourcesStartOnOK_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::newRow("Enter at once") << 0;
        QTest::newRow("Enter after one Tab") << 1;
        QTest::newRow("Enter after two Tabs") << 2;
    }
    void sourcesStartOnOK()
    {
        QFETCH(int, tabs);
        WindowsFixture f;
        TZrodlaForm sources(f.cues);
        int result = -1;
        duringModal([&] { result = sources.exec(); }, [&](QWidget *modal) {
            QVERIFY(QTest::qWaitForWindowActive(modal));
            auto *ok = child<QPushButton>(modal, "OK");
            QCOMPARE(modal->focusWidget(), ok);
            auto *memo = child<QPlainTextEdit>(modal, "Memo1");
            QVERIFY(memo->isReadOnly());
            for (int i = 0; i < tabs; ++i) {
                press(modal, Qt::Key_Tab);
                // The text and OK take turns: the button is never more than a Tab away.
                QCOMPARE(modal->focusWidget(), i % 2 ? static_cast<QWidget *>(ok) : memo);
            }
            press(modal, Qt::Key_Return);
            QVERIFY(modal->isHidden());
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(f.log.played, QStringList{kExit});
    }

    // Escape closes a card too, from wherever its focus is, with the exit
    // cue; an open list takes an Escape for itself first.
    void escapeClosesTheCard()
    {
        Card c(QStringLiteral("Żelazo"));
        auto *list = c.find<QComboBox>("ComboBox1");
        list->setFocus();
        list->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(list->view()->window()));
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QVERIFY(!list->view()->isVisible());
        QVERIFY(c.card->isVisible());
        QVERIFY(c.f.log.played.isEmpty());

        press(c.card, Qt::Key_Escape); // the list has the focus
        QVERIFY(c.card->isHidden());
        QCOMPARE(c.f.log.played, QStringList{kExit});
        QCOMPARE(c.f.windows.windows<TFiszka>(), QList<TFiszka *>{c.card}); // hidden, kept
    }

    // Escape closes the constants and the prefixes, with the exit cue, as
    // closing them in any other way does.
    void escapeClosesTheTables_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("constants") << 0;
        QTest::newRow("prefixes") << 1;
    }
    void escapeClosesTheTables()
    {
        QFETCH(int, which);
        WindowsFixture f;
        QWidget *window = which == 0 ? static_cast<QWidget *>(new TStaleForm(f.cues))
                                     : static_cast<QWidget *>(new TPrzedrostkiForm(f.cues));
        f.windows.show(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        child<QWidget>(window, "StringGrid1")->setFocus();
        press(window, Qt::Key_Down);
        QVERIFY(window->isVisible());
        press(window, Qt::Key_Escape);
        QVERIFY(window->isHidden());
        QCOMPARE(f.log.played, QStringList{kExit});
        QCOMPARE(f.windows.windows(), QList<QWidget *>{window}); // hidden, kept
    }
};

TABLICZNIK_TEST_MAIN(KeyboardFocusTest)
#include "keyboardfocus_test.moc"
