#include "support/auxiliarywindows.h"
#include "support/testmain.h"
#include "data/appinfo.h"
#include "windows/linklabel.h"
#include "windows/toautorzeform.h"
#include "windows/toprogramie.h"
#include "windows/tpomocform.h"
#include "windows/tzrodlaform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// Every line of the text is one line on screen, and the whole text fits the
// view without scrolling.
void checkFitsUnwrapped(QPlainTextEdit *memo)
{
    QVERIFY(memo->isVisible());
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(QStringLiteral("wraps: ") + block.text()));
    QTextCursor end(memo->document());
    end.movePosition(QTextCursor::End);
    QVERIFY(memo->cursorRect(end).bottom() < memo->viewport()->height());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void checkFixedFrame(QWidget *window, QSize client, bool minimise)
{
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
    const auto flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimise);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    // Centred on its screen, within the width of a frame.
    const QPoint offCentre = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 6, qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void checkFont(QWidget *w, int pixels, bool bold)
{
    QVERIFY(w);
    QCOMPARE(w->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w->font().pixelSize(), pixels);
    QCOMPARE(w->font().bold(), bold);
}

const QColor kRed(0xFF, 0, 0);
const QColor kWindowText(0, 0, 0);

} // namespace

// The help, about, author and sources windows.
class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void helpWindowLayout()
    {
        WindowsFixture f;
        TPomocForm help(f.cues);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.windowTitle(), QStringLiteral("Tablicznik – Pomoc"));
        checkFixedFrame(&help, {TPomocForm::kClientWidth, TPomocForm::kClientHeight}, true);
        QVERIFY(help.windowFlags().testFlag(Qt::Window)); // its own top-level window, no owner
        QVERIFY(!help.parentWidget());

        auto *memo = child<QTextEdit>(&help, "PomocMemo");
        QVERIFY(memo);
        QCOMPARE(memo->geometry(), help.rect());
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        // The text of the other windows' size, not the 8 points of before,
        // and clear of the edges: every line starts and ends inside a margin.
        QCOMPARE(memo->document()->defaultFont().pixelSize(), 13);
        QCOMPARE(memo->document()->defaultFont().family(), QStringLiteral("Arial"));
        const int margin = 8;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            QTextCursor at(block);
            const QRect start = memo->cursorRect(at);
            at.movePosition(QTextCursor::EndOfBlock);
            const QRect end = memo->cursorRect(at);
            QVERIFY2(start.left() >= margin, qPrintable(block.text()));
            QVERIFY2(end.right() <= memo->viewport()->width() - margin, qPrintable(block.text()));
        }
        QVERIFY(memo->cursorRect(QTextCursor(memo->document())).top() >= margin);
    }

    // Sections of a heading and points: reading the table, colouring it,
    // saving and printing it, the zoom, the names option and the keys, each
    // named as the menu and the buttons name it.
    void helpTextStructure()
    {
        const QList<TPomocForm::Section> &sections = TPomocForm::kSections;
        QVERIFY(sections.size() >= 8);
        for (const auto &section : sections) {
            QVERIFY2(section.heading.endsWith(u':'), qPrintable(section.heading));
            QVERIFY2(!section.points.isEmpty(), qPrintable(section.heading));
            for (int i = 0; i < section.points.size(); ++i) {
                const QString &point = section.points[i];
                QVERIFY2(point.at(0).isLower() || point.at(0).isUpper(), qPrintable(point));
                QVERIFY2(point.endsWith(i + 1 < section.points.size() ? u',' : u'.'), qPrintable(point));
            }
        }
        const auto sectionOf = [&](const char *heading) {
            for (const auto &section : sections)
                if (section.heading == QString::fromUtf8(heading))
                    return section.points.join(u' ');
            return QString();
        };
        QVERIFY(sectionOf("Uzyskiwanie wielu informacji o pojedynczym pierwiastku:").contains(QStringLiteral("PRAWYM")));
        QVERIFY(sectionOf("Uzyskiwanie opisu pierwiastka:").contains(QStringLiteral("LEWYM")));
        for (const char *word : {"POWIĘKSZENIE", "100 %", "300 %", "ekranie"})
            QVERIFY2(sectionOf("Powiększenie:").contains(QString::fromUtf8(word)), word);
        for (const char *word : {"ZAPISZ OBRAZ TABLICY", "DRUKUJ TABLICĘ", "PNG", "PDF"})
            QVERIFY2(sectionOf("Tablica w pliku i na papierze:").contains(QString::fromUtf8(word)), word);
        for (const char *word : {"NAZWY WSPÓŁCZESNE (IUPAC)", "104–112", "Rf", "Cn"})
            QVERIFY2(sectionOf("Nazwy pierwiastków 104–112:").contains(QString::fromUtf8(word)), word);
        for (const char *key : {"strzałki", "Home", "End", "litery", "Enter", "spacja", "Esc", "Tab", "F1",
                                "Ctrl+S", "Ctrl+P", "Ctrl+R", "Ctrl+E"})
            QVERIFY2(sectionOf("Klawiatura:").contains(QString::fromUtf8(key)), key);
        const QString text = TPomocForm::plainText();
        for (const char *word : {"CZYŚĆ", "OPCJE", "POMOC", "KALKULATOR", "NOTATNIK", "STAŁE FIZYCZNE", "PRZEDROSTKI",
                                 "TABELA ROZPUSZCZALNOŚCI", "SZEREG METALI",
                                 "O PROGRAMIE", "O AUTORZE"})
            QVERIFY2(text.contains(QString::fromUtf8(word)), word);
    }

    // Any closing of the help window plays the exit cue, once.
    void helpClosing_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("close box") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box, modal") << 2;
    }
    void helpClosing()
    {
        QFETCH(int, how);
        WindowsFixture f;
        if (how == 2) {
            TPomocForm help(f.cues);
            duringModal([&] { help.exec(); }, [&](QWidget *modal) {
                QCOMPARE(modal, &help);
                QVERIFY(f.log.played.isEmpty());
                modal->close();
            });
            QVERIFY(help.isHidden());
        } else {
            auto *help = f.windows.show(new TPomocForm(f.cues));
            QVERIFY(QTest::qWaitForWindowExposed(help));
            if (how == 0)
                help->close();
            else
                QTest::keyClick(help, Qt::Key_Escape);
            QVERIFY(help->isHidden());
            QCOMPARE(f.windows.windows<TPomocForm>(), QList<TPomocForm *>{help}); // kept, not destroyed
        }
        QCOMPARE(f.log.played, QStringList{kExit});
    }

    // Enter clicks the button that has the focus, OK when none of the
    // others has it; it does not close the window from another button.
    void aboutEnterClicksTheFocusedButton()
    {
        WindowsFixture f;
        TOprogramie about(f.windows);
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        auto *author = child<QPushButton>(&about, "Button1");
        author->setFocus();
        QTest::keyClick(author, Qt::Key_Return);
        QVERIFY(about.isVisible());
        QCOMPARE(about.result(), 0);
        QCOMPARE(f.windows.windows<TOautorzeForm>().size(), 1);
        QCOMPARE(f.log.played, QStringList{kClick});

        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        auto *memo = child<QWidget>(&about, "Memo1");
        memo->setFocus(); // no button has the focus: OK is the default
        QTest::keyClick(memo, Qt::Key_Return);
        QVERIFY(about.isHidden());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aboutWindowLayout()
    {
        WindowsFixture f;
        TOprogramie about(f.windows);
        about.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("Tablicznik – O programie"));
        checkFixedFrame(&about, {349, 329}, true);

        auto *name = child<QLabel>(&about, "ProductName");
        QCOMPARE(name->text(), QStringLiteral("Tablicznik wersja %1").arg(kVersion)); // the project's version
        checkFont(name, 16, true);
        QVERIFY(name->wordWrap());
        QVERIFY(name->alignment() & Qt::AlignHCenter);
        auto *logo = child<QLabel>(&about, "ProgramIcon");
        QCOMPARE(logo->size(), QSize(148, 67));
        QVERIFY(!logo->pixmap().isNull());
        // The logo sits in the top band, right of the name; the band is 73 high.
        QVERIFY(logo->mapTo(&about, QPoint(0, 0)).x() > name->mapTo(&about, QPoint(name->width(), 0)).x());
        QCOMPARE(logo->parentWidget()->height(), 73);

        checkFont(child<QLabel>(&about, "Comments"), 9, false);
        QVERIFY(child<QLabel>(&about, "Comments")->wordWrap());
        QVERIFY(child<QLabel>(&about, "Comments")->text().contains(QStringLiteral("bezpłatnie")));

        auto *memo = child<QPlainTextEdit>(&about, "Memo1");
        QCOMPARE(memo->size(), QSize(335, 122));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        checkFont(memo, 9, false);
        checkFitsUnwrapped(memo);
        const QStringList notice = memo->toPlainText().split(u'\n');
        QCOMPARE(notice.size(), 10);
        QCOMPARE(notice.first(), QStringLiteral("UWAGA!"));
        QCOMPARE(notice.filter(QRegularExpression(QStringLiteral("^  - \\S"))).size(), 3);

        // No address of the project's own: the places of the mail address
        // and the web page say where errors go and newer versions are.
        QCOMPARE(notice.at(8), QStringLiteral("o wiadomość, jak podano poniżej. Z góry dziękujemy!"));
        auto *mail = child<LinkLabel>(&about, "Label1");
        checkFont(mail, 11, true);
        QCOMPARE(mail->text(), QStringLiteral("Błędy zgłaszaj tam, skąd masz program."));
        auto *web = child<LinkLabel>(&about, "Label4");
        checkFont(web, 11, true);
        QCOMPARE(web->text(), QStringLiteral("tam, skąd masz tę wersję"));
        QCOMPARE(child<QLabel>(&about, "Label3")->text(), QStringLiteral("UWAGA! Kolejnych wersji programu szukaj:"));
        for (LinkLabel *label : {mail, web}) {
            QVERIFY(!label->isLink());
            QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
            QVERIFY(label->toolTip().isEmpty()); // the links' tooltips go with their targets
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->parentWidget()->width() - 16);
        }
        // Top to bottom: memo, mail address, the notice of new versions, web page, buttons.
        auto top = [&](const char *n) { return child<QWidget>(&about, n)->mapTo(&about, QPoint(0, 0)).y(); };
        QVERIFY(top("Copyright") < top("Comments"));
        QVERIFY(top("Comments") < top("Memo1"));
        QVERIFY(top("Memo1") + 122 <= top("Label1"));
        QVERIFY(top("Label1") < top("Label3"));
        QVERIFY(top("Label3") < top("Label4"));
        QVERIFY(top("Label4") < top("Button1"));
        for (const char *n : {"Label1", "Label4"}) { // centred
            QWidget *w = child<QWidget>(&about, n);
            QVERIFY(qAbs(w->mapTo(&about, w->rect().center()).x() - about.rect().center().x()) <= 1);
        }

        const std::pair<const char *, const char *> buttons[] = {
            {"Button1", "O autorze..."}, {"Button2", "Źródła informacji..."}, {"OK", "OK"}};
        int left = -1;
        for (const auto &[n, caption] : buttons) {
            auto *button = child<QPushButton>(&about, n);
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            QVERIFY(button->mapTo(&about, QPoint(0, 0)).x() > left);
            left = button->mapTo(&about, QPoint(button->width(), 0)).x();
            QVERIFY(about.rect().contains(QRect(button->mapTo(&about, QPoint(0, 0)), button->size())));
        }
    }

    void aboutClosing_data()
    {
        QTest::addColumn<bool>("withOK");
        QTest::addColumn<QStringList>("cues");
        QTest::newRow("OK") << true << QStringList{kExit};
        QTest::newRow("close box") << false << QStringList{};
    }
    void aboutClosing()
    {
        QFETCH(bool, withOK);
        QFETCH(QStringList, cues);
        WindowsFixture f;
        auto *about = f.windows.show(new TOprogramie(f.windows));
        if (withOK)
            QTest::mouseClick(child<QPushButton>(about, "OK"), Qt::LeftButton);
        else
            about->close();
        QVERIFY(about->isHidden());
        QCOMPARE(f.log.played, cues);
        QCOMPARE(f.windows.windows(), QList<QWidget *>{about}); // hidden, kept
    }

    void aboutOpensAuthorWindows()
    {
        WindowsFixture f;
        auto *about = f.windows.show(new TOprogramie(f.windows));
        QTest::mouseClick(child<QPushButton>(about, "Button1"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(about, "Button1"), Qt::LeftButton);
        QCOMPARE(f.log.played, QStringList({kClick, kClick}));
        const auto authors = f.windows.windows<TOautorzeForm>();
        QCOMPARE(authors.size(), 2); // a new one each time
        for (auto *author : authors) {
            QVERIFY(author->isVisible());
            QVERIFY(!author->isModal());
            QVERIFY(!author->parentWidget()); // independent of the non-modal about window
        }
        about->close();
        QVERIFY(authors[0]->isVisible());
    }

    void aboutOpensSourcesModally()
    {
        WindowsFixture f;
        auto *about = f.windows.show(new TOprogramie(f.windows));
        QPointer<QWidget> sources;
        duringModal([&] { QTest::mouseClick(child<QPushButton>(about, "Button2"), Qt::LeftButton); },
                    [&](QWidget *modal) {
                        sources = modal;
                        QVERIFY(qobject_cast<TZrodlaForm *>(modal));
                        QCOMPARE(f.log.played, QStringList{kClick});
                        QTest::mouseClick(child<QPushButton>(modal, "OK"), Qt::LeftButton);
                    });
        QVERIFY(sources.isNull()); // destroyed when closed
        QCOMPARE(f.log.played, QStringList({kClick, kExit}));
        QVERIFY(about->isVisible());
    }

    // The contact labels have no target: a click, with either button, is
    // a click on a plain label. Nothing opens, nothing plays, nothing turns red.
    void labelsWithoutTarget_data()
    {
        QTest::addColumn<int>("window"); // 0 about, 1 author
        QTest::addColumn<QString>("label");
        QTest::newRow("about mail") << 0 << "Label1";
        QTest::newRow("about web page") << 0 << "Label4";
        QTest::newRow("author mail") << 1 << "Label8";
    }
    void labelsWithoutTarget()
    {
        QFETCH(int, window);
        QFETCH(QString, label);
        WindowsFixture f;
        QWidget *w = window == 0 ? static_cast<QWidget *>(f.windows.show(new TOprogramie(f.windows)))
                                 : static_cast<QWidget *>(f.windows.show(new TOautorzeForm(f.windows)));
        auto *link = child<LinkLabel>(w, qPrintable(label));
        QVERIFY(link->target().isEmpty());
        QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
        QSignalSpy clicks(link, &LinkLabel::clicked);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mousePress(link, button);
            QCOMPARE(link->textColor(), kWindowText);
            QTest::mouseRelease(link, button);
        }
        QCOMPARE(clicks.count(), 0);
        QVERIFY(f.opened.isEmpty());
        QVERIFY(f.log.played.isEmpty());
    }

    // A link with a target: red while held, back on release; the target
    // opens on the release of the left button only.
    void linkWithTarget()
    {
        WindowsFixture f;
        QWidget window;
        const QUrl target(QStringLiteral("mailto:someone@tablicznik.invalid"));
        auto *link = new LinkLabel(QStringLiteral("someone@tablicznik.invalid"), target, &window);
        link->resize(200, 16);
        connect(link, &LinkLabel::clicked, [&] { f.windows.openUrl(link->target()); });
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->textColor(), kWindowText);

        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(link->textColor(), kRed);
        QVERIFY(f.opened.isEmpty());
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(link->textColor(), kWindowText);
        QCOMPARE(f.opened, QList<QUrl>{target});

        QTest::mousePress(link, Qt::RightButton);
        QCOMPARE(link->textColor(), kRed);
        QTest::mouseRelease(link, Qt::RightButton);
        QCOMPARE(link->textColor(), kWindowText);
        // Released away from the label: no click.
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(250, 8));
        QCOMPARE(f.opened.size(), 1);
    }

    // An empty address never reaches the desktop, whatever asks for it.
    void emptyAddressGoesNowhere()
    {
        WindowsFixture f;
        f.windows.openUrl(QUrl());
        f.windows.openUrl(QUrl(QString()));
        QVERIFY(f.opened.isEmpty());
    }

    // Both windows say the same about where errors go.
    void oneAddressEverywhere()
    {
        WindowsFixture f;
        TOprogramie about(f.windows);
        TOautorzeForm author(f.windows);
        QString shown = child<QLabel>(&author, "Label7")->text() + u' ' + child<QLabel>(&author, "Label8")->text();
        QCOMPARE(shown, QStringLiteral("Błędy zgłaszaj: tam, skąd masz program"));
        QVERIFY(child<QLabel>(&about, "Label1")->text().startsWith(shown.remove(u':')));
    }

    void authorWindowLayout()
    {
        WindowsFixture f;
        TOautorzeForm author(f.windows);
        author.show();
        QCOMPARE(author.windowTitle(), QStringLiteral("Tablicznik – O autorze"));
        checkFixedFrame(&author, {369, 254}, true);
        QCOMPARE(author.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        auto *picture = child<QLabel>(&author, "Image1");
        QCOMPARE(picture->size(), QSize(180, 240));
        QCOMPARE(picture->pixmap().size(), QSize(180, 240)); // the JPEG
        auto *bevel = qobject_cast<QFrame *>(picture->parentWidget());
        QVERIFY(bevel);
        QCOMPARE(bevel->frameShadow(), QFrame::Sunken);

        QCOMPARE(child<QLabel>(&author, "Label1")->text(), QStringLiteral("Autor:"));
        QVERIFY(child<QLabel>(&author, "Label2")->font().bold());
        auto *mail = child<LinkLabel>(&author, "Label8");
        QVERIFY(mail->font().bold());
        QVERIFY(child<QLabel>(&author, "Label7")->geometry().bottom() < mail->geometry().top());
        QVERIFY(mail->fontMetrics().horizontalAdvance(mail->text()) <= mail->width());
        auto *thanks = child<QLabel>(&author, "Label3");
        QCOMPARE(thanks->text(), QStringLiteral("Podziękowania:"));
        checkFont(thanks, 13, false);
        for (const char *n : {"Label4", "Label5"}) {
            auto *paragraph = child<QLabel>(&author, n);
            QVERIFY(paragraph->wordWrap());
            QVERIFY(paragraph->heightForWidth(paragraph->width()) <= paragraph->height());
        }
        QCOMPARE(child<QLabel>(&author, "Label6")->text(), QStringLiteral("Serdecznie dziękujemy ;-)"));
        auto *ok = child<QPushButton>(&author, "Button1");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->geometry().right() > author.width() - 20 && ok->geometry().bottom() > author.height() - 20);
    }

    void authorClosing_data()
    {
        QTest::addColumn<bool>("withOK");
        QTest::addColumn<QStringList>("cues");
        QTest::newRow("OK") << true << QStringList{kExit};
        QTest::newRow("close box") << false << QStringList{};
    }
    void authorClosing()
    {
        QFETCH(bool, withOK);
        QFETCH(QStringList, cues);
        WindowsFixture f;
        auto *author = f.windows.show(new TOautorzeForm(f.windows));
        if (withOK)
            QTest::mouseClick(child<QPushButton>(author, "Button1"), Qt::LeftButton);
        else
            author->close();
        QVERIFY(author->isHidden());
        QCOMPARE(f.log.played, cues);
        QCOMPARE(f.windows.windows(), QList<QWidget *>{author});
    }

    void sourcesWindow()
    {
        WindowsFixture f;
        TZrodlaForm sources(f.cues);
        sources.show();
        QCOMPARE(sources.windowTitle(), QStringLiteral("Źródła danych."));
        checkFixedFrame(&sources, {325, 159}, false);
        auto *memo = child<QPlainTextEdit>(&sources, "Memo1");
        QCOMPARE(memo->geometry(), QRect(0, 0, 325, 121));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        checkFont(memo, 11, false);
        checkFitsUnwrapped(memo);

        const QStringList lines = memo->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.first(), QStringLiteral("Dane zawarte w programie pochodzą z następujących źródeł:"));
        QCOMPARE(lines.last(), QStringLiteral("- źródła Internetowe"));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^- \\S"))).size(), 6);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^ +\\S"))).size(), 1); // one entry on two lines
        // Printed books name a city and a year.
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("(Oxford|Boca Raton) \\d{4}"))).size(), 4);

        auto *ok = child<QPushButton>(&sources, "OK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->size(), QSize(133, 25));
        QVERIFY(qAbs(ok->geometry().center().x() - sources.rect().center().x()) <= 1);
        QVERIFY(ok->y() >= 121 && ok->geometry().bottom() < 159);
    }

    void sourcesClosing_data()
    {
        QTest::addColumn<bool>("withOK");
        QTest::addColumn<QStringList>("cues");
        QTest::newRow("OK") << true << QStringList{kExit};
        QTest::newRow("close box") << false << QStringList{};
    }
    void sourcesClosing()
    {
        QFETCH(bool, withOK);
        QFETCH(QStringList, cues);
        WindowsFixture f;
        QString original;
        {
            TZrodlaForm sources(f.cues);
            duringModal([&] { sources.exec(); }, [&](QWidget *modal) {
                auto *memo = child<QPlainTextEdit>(modal, "Memo1");
                original = memo->toPlainText();
                memo->setFocus();
                memo->moveCursor(QTextCursor::End);
                QTest::keyClicks(memo, QStringLiteral("dopisek"));
                QCOMPARE(memo->toPlainText(), original); // read-only
                if (withOK)
                    QTest::mouseClick(child<QPushButton>(modal, "OK"), Qt::LeftButton);
                else
                    modal->close();
            });
            QCOMPARE(f.log.played, cues);
        }
        TZrodlaForm again(f.cues);
        QCOMPARE(child<QPlainTextEdit>(&again, "Memo1")->toPlainText(), original);
    }

    // On the first run the about window is modal before the main window is
    // shown and the sound players are not open yet: no cue plays, and an
    // author window opened from it takes input while it is still open.
    void firstRunAbout()
    {
        WindowsFixture f(false);
        QPointer<TOautorzeForm> author;
        {
            TOprogramie about(f.windows);
            duringModal([&] { about.exec(); }, [&](QWidget *modal) {
                QCOMPARE(modal, &about);
                QTest::mouseClick(child<QPushButton>(modal, "Button1"), Qt::LeftButton);
                const auto authors = f.windows.windows<TOautorzeForm>();
                QCOMPARE(authors.size(), 1);
                author = authors.first();
                QVERIFY(QTest::qWaitForWindowExposed(author));
                // Through the window system, where a window blocked by a modal
                // one loses its input: its OK button goes down under the press,
                // and stays up when the release is away from it.
                auto *ok = child<QPushButton>(author, "Button1");
                QTest::mousePress(author->windowHandle(), Qt::LeftButton, {},
                                  ok->mapTo(author.data(), ok->rect().center()));
                QVERIFY(ok->isDown()); // the author window took the press
                QTest::mouseRelease(author->windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
                QVERIFY(author->isVisible());
                QTest::mouseClick(child<QPushButton>(modal, "OK"), Qt::LeftButton);
            });
            QCOMPARE(about.result(), int(QDialog::Accepted));
        }
        // The about window is gone; the author window stays, on its own.
        QVERIFY(author);
        QVERIFY(author->isVisible());
        QVERIFY(!author->parentWidget());
        QTest::mouseClick(child<QPushButton>(author, "Button1"), Qt::LeftButton);
        QVERIFY(author->isHidden());
        QVERIFY(f.log.played.isEmpty());
    }
};

TABLICZNIK_TEST_MAIN(InfoWindowsTest)
#include "infowindows_test.moc"
