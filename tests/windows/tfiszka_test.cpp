#include "richtext/richtextview.h"
#include "support/auxiliarywindows.h"
#include "support/card.h"
#include "support/catalogue.h"
#include "support/testmain.h"
#include "windows/tfiszka.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The description of an element as plain text, read on its own.
QString descriptionText(const QString &name)
{
    RichTextView view;
    view.load(programCatalogue().element(programCatalogue().numberOf(name)).Opis.text());
    return view.toPlainText();
}

QString viewText(TFiszka &card) { return child<RichTextView>(&card, "RichEdit1")->toPlainText(); }
QComboBox *list(TFiszka &card) { return child<QComboBox>(&card, "ComboBox1"); }
QScrollBar *scroll(TFiszka &card) { return child<RichTextView>(&card, "RichEdit1")->verticalScrollBar(); }
void click(TFiszka &card, const char *name) { QTest::mouseClick(child<QAbstractButton>(&card, name), Qt::LeftButton); }

QStringList listItems(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The Polish alphabet, letter by letter, for an order checked independently
// of the collation the card uses; runs of digits compare by value.
bool polishBefore(const QString &a, const QString &b)
{
    static const QString alphabet = QStringLiteral(" aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż");
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const int x = a.mid(i, ei - i).toInt(), y = b.mid(j, ej - j).toInt();
            if (x != y)
                return x < y;
            i = ei, j = ej;
            continue;
        }
        const auto ra = alphabet.indexOf(a[i].toLower()), rb = alphabet.indexOf(b[j].toLower());
        Q_ASSERT(ra >= 0 && rb >= 0);
        if (ra != rb)
            return ra < rb;
        ++i, ++j;
    }
    return a.size() - i < b.size() - j;
}

using Card = ShownCard;

QString longestDescription()
{
    const ElementRecord *longest = nullptr;
    for (const ElementRecord &e : programCatalogue())
        if (!longest || e.Opis.size() > longest->Opis.size())
            longest = &e;
    return longest->Nazwa;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished())
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString squeezed(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed(); }

} // namespace

class TFiszkaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(programCatalogue().elementNames().size() == 112); }

    void layout()
    {
        Card c(QStringLiteral("Wodór"));
        TFiszka &card = *c;
        QCOMPARE(card.size(), QSize(433, 448));
        QVERIFY(card.maximumWidth() > 433 && card.minimumHeight() < 448); // resizable
        QVERIFY(!card.parentWidget()); // its own top-level window, no owner

        auto *view = child<RichTextView>(&card, "RichEdit1");
        QCOMPARE(view->geometry(), QRect(0, 74, 433, 448 - 74));
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        card.resize(600, 500);
        QCOMPARE(view->geometry(), QRect(0, 74, 600, 500 - 74));

        QComboBox *box = list(card);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->maxVisibleItems(), 20);
        QCOMPARE(box->font().pixelSize(), 12);
        QCOMPARE(listItems(box), programCatalogue().elementNames());
        QVERIFY(child<QRadioButton>(&card, "RadioButton1")->isChecked());
        QVERIFY(!child<QRadioButton>(&card, "RadioButton2")->isChecked());

        const std::pair<const char *, const char *> captions[] = {
            {"RadioButton1", "Liczby atomowej"}, {"RadioButton2", "Alfabetycznie"}, {"BitBtn3", "Drukuj..."},
            {"Button1", "Pokaż układ okresowy"}, {"BitBtn1", "Poprzedni"}, {"BitBtn2", "Następny"}};
        for (const auto &[name, caption] : captions) {
            auto *button = child<QAbstractButton>(&card, name);
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            // Wide enough for its caption and picture, within the 74-pixel panel.
            const int needed = qobject_cast<QRadioButton *>(button)
                                   ? button->sizeHint().width()
                                   : button->fontMetrics().horizontalAdvance(button->text()) +
                                         (button->icon().isNull() ? 0 : button->iconSize().width() + 4) + 8;
            QVERIFY2(needed <= button->width(), name);
            QVERIFY(button->mapTo(&card, QPoint(0, button->height())).y() <= 74);
        }
        for (const char *name : {"BitBtn1", "BitBtn2", "BitBtn3"})
            QVERIFY2(!child<QAbstractButton>(&card, name)->icon().isNull(), name);
        QCOMPARE(child<QGroupBox>(&card, "GroupBox2")->title(), QStringLiteral(" Pierwiastek "));
        QCOMPARE(child<QGroupBox>(&card, "GroupBox1")->title(), QStringLiteral(" Pokaż pierwiastek "));
        auto *sortFrame = child<QRadioButton>(&card, "RadioButton1")->parentWidget();
        QCOMPARE(qobject_cast<QGroupBox *>(sortFrame)->title(), QStringLiteral(" Sortuj według "));
        QVERIFY(child<QGroupBox>(&card, "GroupBox2")->isAncestorOf(box));
        QVERIFY(child<QGroupBox>(&card, "GroupBox2")->isAncestorOf(sortFrame));
        QVERIFY(child<QGroupBox>(&card, "GroupBox2")->isAncestorOf(child<QWidget>(&card, "BitBtn3")));
    }

    void openingHydrogen()
    {
        Card c(QStringLiteral("Wodór"));
        TFiszka &card = *c;
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - Wodór"));
        QCOMPARE(list(card)->currentIndex(), 0);
        QCOMPARE(viewText(card), descriptionText(QStringLiteral("Wodór")));
        QCOMPARE(scroll(card)->value(), 0);
        QCOMPARE(card.focusWidget(), child<QWidget>(&card, "RichEdit1"));

        click(card, "BitBtn1"); // "Poprzedni" at the first item: only the cue
        QCOMPARE(c.f.log.played, QStringList{kPage});
        QCOMPARE(list(card)->currentIndex(), 0);
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - Wodór"));
        QCOMPARE(card.focusWidget(), child<QWidget>(&card, "BitBtn1"));
    }

    void steppingInAtomicNumberOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("to");
        QTest::newRow("next from hydrogen") << "Wodór" << QByteArray("BitBtn2") << "Hel";
        QTest::newRow("previous from iron") << "Żelazo" << QByteArray("BitBtn1") << "Mangan";
        QTest::newRow("next at 111") << "Pierwiastek 111" << QByteArray("BitBtn2") << "Pierwiastek 112";
        QTest::newRow("next at the last") << "Pierwiastek 112" << QByteArray("BitBtn2") << "Pierwiastek 112";
        QTest::newRow("previous at the first") << "Wodór" << QByteArray("BitBtn1") << "Wodór";
    }
    void steppingInAtomicNumberOrder()
    {
        QFETCH(QString, from);
        QFETCH(QByteArray, button);
        QFETCH(QString, to);
        Card c(from);
        TFiszka &card = *c;
        const QString before = viewText(card);
        click(card, button.constData());
        QCOMPARE(c.f.log.played, QStringList{kPage}); // also where nothing moves
        QCOMPARE(list(card)->currentText(), to);
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - ") + to);
        QCOMPARE(viewText(card), from == to ? before : descriptionText(to));
        QCOMPARE(card.focusWidget(), child<QWidget>(&card, button.constData()));
    }

    void sortingKeepsTheElement()
    {
        Card c(QStringLiteral("Wodór"));
        TFiszka &card = *c;
        // Scrolled down: a reload would bring the view back to the top.
        scroll(card)->setValue(scroll(card)->maximum());
        const int scrolled = scroll(card)->value();
        QVERIFY(scrolled > 0);

        click(card, "RadioButton2");
        QCOMPARE(list(card)->currentText(), QStringLiteral("Wodór"));
        QCOMPARE(listItems(list(card)), TFiszka::alphabetical(programCatalogue().elementNames()));
        QCOMPARE(scroll(card)->value(), scrolled); // not reloaded
        QVERIFY(c.f.log.played.isEmpty());

        click(card, "BitBtn2"); // alphabetically next
        QCOMPARE(list(card)->currentText(), QStringLiteral("Wolfram"));
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - Wolfram"));
        QCOMPARE(viewText(card), descriptionText(QStringLiteral("Wolfram")));
        click(card, "BitBtn1");
        click(card, "BitBtn1"); // "ę" comes after "e", before "o"
        QCOMPARE(list(card)->currentText(), QStringLiteral("Węgiel"));

        scroll(card)->setValue(scroll(card)->maximum());
        const int again = scroll(card)->value();
        click(card, "RadioButton1");
        QCOMPARE(listItems(list(card)), programCatalogue().elementNames());
        QCOMPARE(list(card)->currentText(), QStringLiteral("Węgiel"));
        QCOMPARE(list(card)->currentIndex(), 5);
        QCOMPARE(scroll(card)->value(), again);
        click(card, "BitBtn2");
        QCOMPARE(list(card)->currentText(), QStringLiteral("Azot"));
    }

    void alphabeticalOrderIsPolish()
    {
        const QStringList sorted = TFiszka::alphabetical(programCatalogue().elementNames());
        QCOMPARE(sorted.size(), 112);
        QStringList expected = programCatalogue().elementNames();
        std::sort(expected.begin(), expected.end(), polishBefore);
        QCOMPARE(sorted, expected);
        // The places where a naive or a foreign order goes wrong.
        QVERIFY(sorted.indexOf(QStringLiteral("Złoto")) < sorted.indexOf(QStringLiteral("Żelazo")));
        QCOMPARE(sorted.last(), QStringLiteral("Żelazo"));
        QVERIFY(sorted.indexOf(QStringLiteral("Ołów")) < sorted.indexOf(QStringLiteral("Osm")));
        QVERIFY(sorted.indexOf(QStringLiteral("Sód")) < sorted.indexOf(QStringLiteral("Srebro")));
        const auto first = sorted.indexOf(QStringLiteral("Pierwiastek 104"));
        for (int n = 104; n <= 112; ++n)
            QCOMPARE(sorted.at(first + n - 104), QStringLiteral("Pierwiastek %1").arg(n));
        // Numbers by value, not digit by digit.
        QCOMPARE(TFiszka::alphabetical({QStringLiteral("Pierwiastek 110"), QStringLiteral("Pierwiastek 99")}),
                 QStringList({QStringLiteral("Pierwiastek 99"), QStringLiteral("Pierwiastek 110")}));
    }

    void pickingFromTheList()
    {
        Card c(QStringLiteral("Wodór"));
        TFiszka &card = *c;
        QComboBox *box = list(card);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("Hel"));
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - Hel"));
        QCOMPARE(viewText(card), descriptionText(QStringLiteral("Hel")));
        QCOMPARE(card.focusWidget(), box);
        QVERIFY(c.f.log.played.isEmpty());
    }

    // A name that is no element's leaves the view as it is and still sets the caption.
    void unknownName()
    {
        Card c(QStringLiteral("Nieznany"));
        TFiszka &card = *c;
        QCOMPARE(list(card)->currentIndex(), -1);
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - "));
        QVERIFY(viewText(card).isEmpty());
    }

    void resizeReloads()
    {
        WindowsFixture f;
        QWidget table;
        auto *card = f.windows.show(new TFiszka(f.windows, programCatalogue(), &table, QStringLiteral("Węgiel")));
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QVERIFY(card->property("FirstResizeDone").toBool());
        QCOMPARE(viewText(*card), descriptionText(QStringLiteral("Węgiel")));

        scroll(*card)->setValue(scroll(*card)->maximum());
        QVERIFY(scroll(*card)->value() > 0);
        card->resize(500, 400);
        QCOMPARE(scroll(*card)->value(), 0);
        QCOMPARE(viewText(*card), descriptionText(QStringLiteral("Węgiel")));
    }

    void firstResizeOnlySetsTheFlag()
    {
        WindowsFixture f;
        TFiszka card(f.windows, programCatalogue(), nullptr, QStringLiteral("Hel"));
        QVERIFY(!card.firstResizeDone());
        card.show();
        QVERIFY(card.firstResizeDone());
        QCOMPARE(card.windowTitle(), QStringLiteral("Fiszka - Hel"));
    }

    void cardsAreIndependent()
    {
        WindowsFixture f;
        QWidget table;
        auto *one = f.windows.show(new TFiszka(f.windows, programCatalogue(), &table, QStringLiteral("Wodór")));
        auto *two = f.windows.show(new TFiszka(f.windows, programCatalogue(), &table, QStringLiteral("Tlen")));
        QVERIFY(QTest::qWaitForWindowExposed(two));
        click(*one, "RadioButton2");
        click(*one, "BitBtn2");
        scroll(*two)->setValue(scroll(*two)->maximum());
        const int scrolled = scroll(*two)->value();
        one->resize(300, 300);

        QCOMPARE(one->windowTitle(), QStringLiteral("Fiszka - Wolfram"));
        QCOMPARE(two->windowTitle(), QStringLiteral("Fiszka - Tlen"));
        QCOMPARE(listItems(list(*two)), programCatalogue().elementNames());
        QVERIFY(child<QRadioButton>(two, "RadioButton1")->isChecked());
        QCOMPARE(viewText(*two), descriptionText(QStringLiteral("Tlen")));
        QCOMPARE(scroll(*two)->value(), scrolled);
        QCOMPARE(two->size(), QSize(433, 448));
    }

    void closingHides()
    {
        Card c(QStringLiteral("Wodór"));
        QPointer<TFiszka> card(c.card);
        QVERIFY(card->close());
        QCOMPARE(c.f.log.played, QStringList{kExit});
        QVERIFY(card);
        QVERIFY(card->isHidden());
        QCOMPARE(c.f.windows.windows<TFiszka>(), QList<TFiszka *>{card.data()});
    }

    void showingTheTable()
    {
        Card c(QStringLiteral("Wodór"));
        c.table.showMinimized();
        QVERIFY(c.table.isMinimized());
        click(*c, "Button1");
        QCOMPARE(c.f.log.played, QStringList{kClick});
        QVERIFY(!c.table.isMinimized());
        QVERIFY(c.table.isVisible());
        QVERIFY(c.card->isVisible()); // the card stays open
        QCOMPARE(c.card->focusWidget(), child<QWidget>(c.card, "Button1"));
    }

    void printCancelled()
    {
        Card c(QStringLiteral("Wodór"));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("fiszka.pdf"));
        int asked = 0;
        QWidget *askedOver = nullptr;
        c.f.windows.setPrinterSetup([&](QPrinter &printer, QWidget *parent) {
            ++asked;
            askedOver = parent;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return false; // the user cancels
        });
        click(*c, "BitBtn3");
        QCOMPARE(asked, 1);
        QCOMPARE(askedOver, c.card);
        QCOMPARE(c.f.log.played, QStringList{kClick});
        QVERIFY(!QFile::exists(file));
        QCOMPARE(c.card->focusWidget(), child<QWidget>(c.card, "BitBtn3"));
    }

    // The print dialog offers the element's own PDF: titled "Żelazo (Fe)",
    // the file "Żelazo.pdf" in the user's documents (the home folder where
    // there are none), not the working folder; later in the folder chosen.
    void printOffersTheElementsPdf()
    {
        Card c(QStringLiteral("Żelazo"));
        QTemporaryDir chosen;
        QStringList titles, files;
        bool choose = false;
        c.f.windows.setPrinterSetup([&](QPrinter &printer, QWidget *) {
            titles << printer.docName();
            files << printer.outputFileName();
            if (choose)
                printer.setOutputFileName(chosen.filePath(QStringLiteral("karta.pdf")));
            return false;
        });
        click(*c, "BitBtn3");
        QCOMPARE(titles.value(0), QStringLiteral("Żelazo (Fe)"));
        QCOMPARE(QFileInfo(files.value(0)).fileName(), QStringLiteral("Żelazo.pdf"));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString folder = QFileInfo(files.value(0)).absolutePath();
        QVERIFY2(folder == (QFileInfo(documents).isDir() ? documents : QDir::homePath()), qPrintable(folder));

        choose = true;
        click(*c, "BitBtn2"); // cobalt
        click(*c, "BitBtn3");
        QCOMPARE(titles.value(1), QStringLiteral("Kobalt (Co)"));
        QCOMPARE(files.value(1), QDir(folder).filePath(QStringLiteral("Kobalt.pdf")));
        click(*c, "BitBtn3");
        QCOMPARE(files.value(2), chosen.filePath(QStringLiteral("Kobalt.pdf")));
    }

    // The longest description goes to paper as one job over several pages,
    // Polish letters and all, from its first words to its last.
    void printLongestDescription()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        Card c(longestDescription());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("fiszka.pdf"));
        c.f.windows.setPrinterSetup([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        });
        click(*c, "BitBtn3");
        QVERIFY(QFile::exists(file));
        QCOMPARE(c.f.log.played, QStringList{kClick});

        const QString info = run(QStringLiteral("pdfinfo"), {file});
        const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        QVERIFY(pages.captured(1).toInt() > 1);
        // Titled with the element: "Name (Symbol)".
        const ElementRecord &shown = programCatalogue().element(programCatalogue().numberOf(longestDescription()));
        const QString title = shown.Nazwa + QStringLiteral(" (") + shown.Symbol + u')';
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+") + QRegularExpression::escape(title))),
                 qPrintable(info));

        // Every word of the description, in its order; Polish letters and all.
        // (A heading at a page break may stand twice in the file, once
        // clipped away at the foot of a page: the text is compared as a sequence.)
        const QStringList printed =
            squeezed(run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")}))
                .split(u' ');
        const QStringList words = squeezed(viewText(*c)).split(u' ');
        QVERIFY(words.size() > 200);
        qsizetype matched = 0;
        for (const QString &word : printed)
            if (matched < words.size() && word == words[matched])
                ++matched;
        QVERIFY2(matched == words.size(), qPrintable(QStringLiteral("lost at word %1: ").arg(matched) + words.value(matched)));
        static const QRegularExpression polish(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
        QVERIFY(words.join(u' ').count(polish) > 100);
    }
};

TABLICZNIK_TEST_MAIN(TFiszkaTest)
#include "tfiszka_test.moc"
