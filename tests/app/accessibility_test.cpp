#include "support/mainwindow.h"
#include "support/testmain.h"

#include "app/optionsmenu.h"
#include "app/tablekeyboard.h"
#include "animation/animationview.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QSet>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// What a screen reader is told about a control.
QString spokenName(QObject *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

// The controls a user can reach or that show a fixed caption or picture;
// text labels are spoken as the text they show and are left out.
bool isControl(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return !label->pixmap().isNull();
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w) || qobject_cast<QComboBox *>(w) ||
           qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<TPageControl *>(w) ||
           qobject_cast<AnimationView *>(w) || qobject_cast<TableKeyboard *>(w);
}

QStringList namelessControls(QWidget *window)
{
    QStringList nameless;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (isControl(w) && w->window() == window && spokenName(w).trimmed().isEmpty())
            nameless << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                   : w->objectName());
    return nameless;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;

private slots:
    void init() { f.open(programCatalogue(), MainWindowFixture::pointerDriven()); }
    void cleanup() { f.close(); }

    void everyElementButtonIsNamed()
    {
        QCOMPARE(spokenName(f.element(26)), QStringLiteral("Żelazo (Fe), 26"));
        QCOMPARE(spokenName(f.element(1)), QStringLiteral("Wodór (H), 1"));
        QCOMPARE(spokenName(f.element(112)), QStringLiteral("Pierwiastek 112 (Uub), 112"));
        QSet<QString> names;
        for (const ElementRecord &e : programCatalogue()) {
            TMySpeedButton *button = f.element(e.Numer);
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
            QVERIFY(face);
            QCOMPARE(face->role(), QAccessible::Button);
            const QString name = face->text(QAccessible::Name);
            QVERIFY2(name.startsWith(e.Nazwa + QStringLiteral(" (") + e.Symbol + QStringLiteral("), ")),
                     qPrintable(name));
            QVERIFY2(name.endsWith(QStringLiteral(", %1").arg(e.Numer)), qPrintable(name));
            names << name;
        }
        QCOMPARE(names.size(), Catalogue::kCount);
        // A view does not change what an element is called, even greyed out.
        f.element(26)->setEnabled(false);
        QCOMPARE(spokenName(f.element(26)), QStringLiteral("Żelazo (Fe), 26"));
    }

    void everyOtherControlIsNamedFromItsCaptionOrHint()
    {
        QCOMPARE(namelessControls(f.window.get()), QStringList());
        // A view button has no caption: its hint, on one line.
        QCOMPARE(spokenName(f.find("PromAtomButton")), QStringLiteral("Koloruje pierwiastki według: promienia atomu."));
        QCOMPARE(spokenName(f.find("TypPrzewButton")),
                 QStringLiteral("Koloruje według przewodnictwa: metale, izolatory, półprzewodniki."));
        QCOMPARE(spokenName(f.find("SpeedButton2")), QStringLiteral("Opcje"));
        QCOMPARE(spokenName(f.find("SpeedButton3")), QStringLiteral("Czyść"));
        QCOMPARE(spokenName(f.find("SpeedButton1")), QStringLiteral("Pomoc"));
        QCOMPARE(spokenName(f.find("Image1")), QStringLiteral("Tablicznik wersja 2.01"));
        QCOMPARE(spokenName(f.find("Animate1")), QStringLiteral("Bohr still rulez!"));
        // Every view button of every page, not only the one in sight.
        int viewButtons = 0;
        for (QPushButton *button : f.window->findChildren<QPushButton *>())
            if (button->objectName().endsWith(QStringLiteral("Button")) && !button->toolTip().isEmpty()) {
                ++viewButtons;
                QCOMPARE(spokenName(button), QString(button->toolTip()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            }
        QVERIFY(viewButtons >= 40);
    }

    // Every control of the main window and of the windows it opens is
    // spoken without the blanks that set its caption off on the screen
    // (" Wyjdź", " Pierwiastek "), and a caption that ends in an ellipsis
    // writes it one way, "...", right after the word.
    void spokenNamesAreTrimmed()
    {
        QMenu *menu = f.window->optionsMenu().SetupPopupMenu();
        for (const char *item : {"OProgramie1", "Oautorze1", "Staefiz1", "Przedr1", "Pomocy1"})
            menu->findChild<QAction *>(QLatin1StringView(item))->trigger();
        AuxiliaryWindows &windows = f.window->auxiliaryWindows();
        windows.show(new TFiszka(windows, programCatalogue(), f.window.get(), QStringLiteral("Żelazo")));
        QList<QWidget *> tops = windows.windows();
        QCOMPARE(tops.size(), 6);
        tops << f.window.get();
        QCOMPARE(f.find<QAbstractButton>(QStringLiteral("SpeedButton4"))->text(), QStringLiteral(" Wyjdź")); // as shown
        QCOMPARE(spokenName(f.find("SpeedButton4")), QStringLiteral("Wyjdź"));
        static const QRegularExpression badEllipsis(QStringLiteral("\\s\\.\\.\\.|…|[^.]\\.\\.$"));
        int spoken = 0;
        for (QWidget *top : tops)
            for (QWidget *w : top->findChildren<QWidget *>()) {
                if (!isControl(w))
                    continue;
                const QString name = spokenName(w);
                QVERIFY2(name == name.trimmed(), qPrintable(w->objectName() + QStringLiteral(": \"") + name + u'"'));
                ++spoken;
                if (auto *button = qobject_cast<QAbstractButton *>(w))
                    QVERIFY2(!button->text().contains(badEllipsis), qPrintable(button->text()));
            }
        QVERIFY(spoken > 200);
    }

    // The tabbed control is spoken as the page it shows; the table as the
    // element under its cursor.
    void namesFollowThePageAndTheCursor()
    {
        QCOMPARE(spokenName(f.pages()), QStringLiteral("Podstawowe"));
        f.choosePage(9);
        QCOMPARE(spokenName(f.pages()), QStringLiteral("Izotopy"));
        QCOMPARE(spokenName(f.pages()->currentWidget()), QStringLiteral("Izotopy"));

        TableKeyboard &table = f.window->tableKeyboard();
        QCOMPARE(spokenName(&table), QStringLiteral("Układ okresowy"));
        f.moveOnto(26);
        QCOMPARE(spokenName(&table), QStringLiteral("Żelazo (Fe), 26"));
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_Right);
        QCOMPARE(spokenName(&table), QStringLiteral("Kobalt (Co), 27"));
    }

    // The card's description is one read-only text that a screen reader
    // can walk through whole.
    void cardTextIsADocument()
    {
        AuxiliaryWindows &windows = f.window->auxiliaryWindows();
        auto *card = windows.show(new TFiszka(windows, programCatalogue(), f.window.get(), QStringLiteral("Żelazo")));
        QVERIFY(QTest::qWaitForWindowExposed(card));
        auto *view = card->findChild<QTextEdit *>(QStringLiteral("RichEdit1"));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(view);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Opis: Żelazo"));
        QCOMPARE(face->role(), QAccessible::Document);
        QVERIFY(face->state().readOnly);
        QAccessibleTextInterface *text = face->textInterface();
        QVERIFY(text);
        const QString whole = text->text(0, text->characterCount());
        QCOMPARE(whole, view->toPlainText());
        QVERIFY(whole.size() > 1000);
        QVERIFY(whole.contains(QStringLiteral("żelaz")));
        // Walked by lines and words from the caret, as a reader does.
        int start = -1, end = -1;
        const QString firstWord = text->textAtOffset(0, QAccessible::WordBoundary, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(firstWord.trimmed(), whole.section(QRegularExpression(QStringLiteral("\\W"), QRegularExpression::UseUnicodePropertiesOption), 0, 0, QString::SectionSkipEmpty));
        const QString firstLine = text->textAtOffset(0, QAccessible::LineBoundary, &start, &end);
        QVERIFY(!firstLine.isEmpty());
        QVERIFY(whole.startsWith(firstLine.trimmed()));
        text->setSelection(0, 2, 9);
        QCOMPARE(text->selectionCount(), 1);
        QCOMPARE(view->textCursor().selectedText(), whole.mid(2, 7));
        QVERIFY(text->characterRect(0).isValid());
        const QRect third = text->characterRect(3);
        QCOMPARE(text->offsetAtPoint(third.topLeft() + QPoint(1, third.height() / 2)), 3);

        card->findChild<QAbstractButton *>(QStringLiteral("BitBtn2"))->click(); // "Następny"
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Opis: Kobalt"));
        QCOMPARE(text->text(0, text->characterCount()), view->toPlainText());
        QCOMPARE(namelessControls(card), QStringList());
    }
};

TABLICZNIK_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
