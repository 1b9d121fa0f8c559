#include "app/detailspages.h"
#include "support/mainwindow.h"
#include "support/testmain.h"

#include "data/magnetictype.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

QString lines(std::initializer_list<const char *> parts)
{
    QStringList joined;
    for (const char *part : parts)
        joined << QString::fromUtf8(part);
    return joined.join(QLatin1Char('\n'));
}

// The format of the character at a position of a rich text's document.
QTextCharFormat formatAt(RichTextView *rich, int position)
{
    QTextCursor cursor(rich->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

class DetailsPagesTest : public QObject {
    Q_OBJECT

    Catalogue m_catalogue;
    MainWindowFixture f;

    // The controls on one page: captions, values, view buttons, group boxes.
    QList<QWidget *> controlsOf(int page) const
    {
        QList<QWidget *> controls;
        for (QWidget *w : f.pages()->widget(page)->findChildren<QWidget *>()) {
            if (qobject_cast<QLabel *>(w) || qobject_cast<RichTextView *>(w) || qobject_cast<QAbstractButton *>(w) ||
                qobject_cast<QGroupBox *>(w))
                controls << w;
        }
        return controls;
    }

private slots:
    void initTestCase() { m_catalogue = programCatalogue(); }
    void init() { f.open(m_catalogue, MainWindowFixture::pointerDriven()); }
    void cleanup() { f.close(); }

    // All eleven captions stand in two rows of button tabs above pages of
    // at least 521 x 75 pixels, inside the 532 x 107 control.
    void tabsAndPagesFitTheControl()
    {
        TPageControl *pages = f.pages();
        QCOMPARE(pages->size(), QSize(532, 107));
        QCOMPARE(pages->count(), 11);
        QCOMPARE(pages->tabRows(), 2);
        const QStringList captions{"Podstawowe",  "Budowa atomu", "Wł. makroskopowe", "Wł. chemiczne",
                                   "Wł. fazowe",  "Wł. cieplne",  "Wł. elektryczne i magnetyczne",
                                   "Jony",        "Rozpowszechnienie", "Izotopy", "Minerały"};
        const QFontMetrics metrics(pages->font());
        for (int i = 0; i < pages->count(); ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            const QRect tab = pages->tabRect(i);
            QVERIFY2(pages->rect().contains(tab), qPrintable(captions[i]));
            QVERIFY(tab.width() >= metrics.horizontalAdvance(captions[i]) + 10);
            for (int j = 0; j < i; ++j)
                QVERIFY(!tab.intersects(pages->tabRect(j)));
            QWidget *page = pages->widget(i);
            QCOMPARE(page->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
            QVERIFY(page->width() >= 521 && page->height() >= 75);
            QVERIFY(!tab.intersects(page->geometry().translated(page->parentWidget()->pos())));
            QCOMPARE(page->palette().color(QPalette::Window), colour(clSilver));
        }
        QCOMPARE(pages->font().pixelSize(), 11);
        QVERIFY(pages->font().bold());
        QCOMPARE(pages->currentIndex(), 0);
    }

    // The program draws each tab: a silver face with the caption 5 pixels
    // in from the left and 2 down from the top (one more each way on the
    // pressed tab), inside the button's edges.
    void tabsAreDrawnByTheProgram()
    {
        TPageControl *pages = f.pages();
        QTest::keyClick(pages, Qt::Key_Right);
        pages->clearFocus(); // no focus rectangle
        const QImage image = pages->grab().toImage();
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 96; };
        for (int i = 0; i < pages->count(); ++i) {
            const QRect tab = pages->tabRect(i);
            const int shift = i == pages->currentIndex() ? 1 : 0;
            const int left = tab.left() + 5 + shift, top = tab.top() + 2 + shift;
            QCOMPARE(image.pixelColor(tab.right() - 3, tab.top() + 3), colour(clSilver));
            bool inkInFirstColumns = false, inkBeforeCaption = false, inkAboveCaption = false;
            for (int y = tab.top() + 2; y < tab.bottom() - 1; ++y) {
                for (int x = left; x < left + 3; ++x)
                    inkInFirstColumns |= dark(x, y);
                for (int x = tab.left() + 2; x < left - 1; ++x)
                    inkBeforeCaption |= dark(x, y) && i != pages->currentIndex();
            }
            for (int x = left; x < tab.right() - 2; ++x)
                inkAboveCaption |= dark(x, top - 1) && top - 1 > tab.top() + 1;
            QVERIFY2(inkInFirstColumns, qPrintable(pages->tabText(i)));
            QVERIFY2(!inkBeforeCaption, qPrintable(pages->tabText(i)));
            QVERIFY2(!inkAboveCaption, qPrintable(pages->tabText(i)));
        }
    }

    void changingPageByKeyboardPlaysThePageCue()
    {
        QTest::keyClick(f.pages(), Qt::Key_End);
        QCOMPARE(f.pages()->currentIndex(), 10);
        QTest::keyClick(f.pages(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.pages()->currentIndex(), 0);
        QCOMPARE(f.log.played, (QStringList{kPage, kClick, kPage, kClick}));
    }

    // Captions, values and group boxes with their hints, multi-line hints
    // joined by line breaks.
    void hints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("symbol") << "SymbolLabText" << "Symbol chemiczny pierwiastka";
        QTest::newRow("English name caption") << "NazAngLabText" << "Nazwa angielska pierwiastka.";
        QTest::newRow("English name value") << "NazAngLab" << "Nazwa angielska pierwiastka.";
        QTest::newRow("atomic number")
            << "LiczAtomLab" << lines({"Liczba atomowa pierwiastka.", "Liczba protonów w jądrze atomowym."});
        QTest::newRow("discovery button")
            << "RokOdkrycButton"
            << lines({"Koloruje pierwiastki:", "- znane w czasach starożytnych,", "- poznane w średniowieczu,",
                      "- według roku odkrycia (otrzymania)."});
        QTest::newRow("density caption")
            << "GestoscLabText"
            << lines({"Gęstość pierwiastka w warunkach standardowych", "wyrażona w gramach na centymetr sześcienny."});
        QTest::newRow("density value") << "GestoscLab"
                                       << lines({"Gęstość pierwiastka w warunkach standardowych",
                                                 "wyrażona w gramach na centymetr sześcienny."});
        QTest::newRow("enthalpy caption") << "MolEntAtomLabText" << "";
        QTest::newRow("enthalpy value") << "MolEntAtomLab"
                                        << "Molowa entalpia atomizacji pierwiastka wyrażona w [kJ/mol].";
        QTest::newRow("kind of enthalpy") << "RodzMolEntAtomLabText"
                                          << "Molowa entalpia atomizacji pierwiastka wyrażona w [kJ/mol].";
        QTest::newRow("stable isotopes")
            << "LiczTrIzotopLab"
            << lines({"Liczba trwałych izotopów pierwiastka.", "Brak oznacza, że wszystkie izotopy danego",
                      "pierwiastka są nietrwałe (promieniotwórcze).", "Uwaga!",
                      "Za trwałe uznaje się izotopy o czasie połowicznego", "rozpadu większym od 1 mld lat."});
        const QString isotopes =
            lines({"Ważniejsze izotopy pierwiastka wraz z czasem połowicznego",
                   "rozpadu i zawartością w przyrodzie (tylko najważniejsze).",
                   "Jądra z literą m przy masie atomowej to jądra wzbudzone", "tzw. izomery jądrowe.", "Uwaga!",
                   "Za trwałe uznaje się izotopy o czasie połowicznego rozpadu", "większym od 1 mld lat."});
        QTest::newRow("isotopes text") << "IzotopyRichEdit" << isotopes;
        QTest::newRow("isotopes box") << "IzotopyGroupBox" << isotopes;
        QTest::newRow("minerals") << "MineralyRichEdit" << "";
        QTest::newRow("electrode potentials")
            << "StanPotRichEdit"
            << lines({"Standardowe potencjały elektrodowe (25°C) względem",
                      "normalnej elektrody wodorowej wyrażone w woltach."});
        QTest::newRow("susceptibility button")
            << "PodatMagButton"
            << lines({"Koloruje pierwiastki według podatności magnetycznej:", "paramagnetyki,", "diamagnetyki."});
        QTest::newRow("shell L button") << "PowLButton"
                                        << lines({"Koloruje pierwiastki według:",
                                                  "zmian liczby elektronów na powłoce L",
                                                  "w funkcji rosnącej liczby atomowej."});
    }
    void hints()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        QWidget *w = f.find(control);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), hint);
    }

    // Things that are counted take "liczba", never "ilość", in every hint of
    // the window; and a bracket has a space before it.
    void hintsCountWithLiczba()
    {
        static const QRegularExpression amountOfCountable(
            QStringLiteral("\\b[Ii]lo(ść|ści|ścią)\\s+(\\w+\\s+)?(protonów|neutronów|elektronów|atomów|izotopów|"
                           "pierwiastków|cząsteczek|cząstek|jonów|powłok)"));
        static const QRegularExpression glued(QStringLiteral("\\w\\("));
        int hints = 0;
        for (QWidget *w : f.window->findChildren<QWidget *>()) {
            const QString hint = w->toolTip();
            hints += !hint.isEmpty();
            QVERIFY2(!hint.contains(amountOfCountable), qPrintable(w->objectName() + QStringLiteral(": ") + hint));
            QVERIFY2(!hint.contains(glued), qPrintable(w->objectName() + QStringLiteral(": ") + hint));
        }
        QVERIFY(hints > 100);
    }

    void captionsAndGroups_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::newRow("caption") << "NazLacLabText" << "Nazwa łacińska:" << 1;
        QTest::newRow("leading blank") << "WytrzRozLabText" << " Wytrzymałość na rozciąganie [MPa] :" << 3;
        QTest::newRow("bullet") << "WspPrzewCiepLabText" << " Współczynnik przewodzenia ciepła [W/(m•K)]:" << 6;
        QTest::newRow("enthalpy line") << "RodzMolEntAtomLabText" << "Molowa entalpia" << 5;
        QTest::newRow("enthalpy unit") << "MolEntAtomLabText" << "[kJ/mol]:" << 5;
        QTest::newRow("radii") << "GroupBox11" << " Promienie " << 2;
        QTest::newRow("shells") << "GroupBox10" << " Powłoki elektronowe " << 2;
        QTest::newRow("valences") << "GroupBox4" << " Wartościowości " << 4;
        QTest::newRow("oxidation") << "GroupBox5" << " Stopnie utlenienia " << 4;
        QTest::newRow("other") << "GroupBox6" << " Inne " << 4;
        QTest::newRow("melting") << "GroupBox7" << " Topnienie " << 5;
        QTest::newRow("boiling") << "GroupBox8" << " Wrzenie i atomizacja " << 5;
        QTest::newRow("ionisation") << "GroupBox9" << " Energie jonizacji " << 8;
        QTest::newRow("abundance") << "GroupBox1" << " Zawartość w ... " << 9;
        QTest::newRow("isotopes") << "GroupBox3" << " Izotopy " << 10;
        QTest::newRow("main isotopes") << "IzotopyGroupBox" << " Ważniejsze izotopy " << 10;
        QTest::newRow("minerals") << "GroupBox2" << " Ważniejsze minerały występujące w przyrodzie [nazwy geologiczne] "
                                  << 11;
    }
    void captionsAndGroups()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, page);
        QWidget *w = f.find(control);
        QVERIFY(w);
        QVERIFY(f.pages()->widget(page - 1)->isAncestorOf(w));
        if (auto *box = qobject_cast<QGroupBox *>(w))
            QCOMPARE(box->title(), text);
        else
            QCOMPARE(qobject_cast<QLabel *>(w)->text(), text);
        QCOMPARE(w->font().pixelSize(), 11);
        QVERIFY(!w->font().bold());
    }

    // Captions in regular Arial 11, values in bold Arial 13, the symbol 48;
    // the kind of enthalpy is a word of its caption.
    void fonts()
    {
        int captions = 0, values = 0;
        for (int page = 0; page < 11; ++page)
            for (QWidget *w : controlsOf(page)) {
                const QString name = w->objectName();
                const QFont font = w->font();
                QVERIFY2(font.families().contains(QStringLiteral("Arial")), qPrintable(name));
                if (name.endsWith(u"LabText") || name == u"RodzMolEntAtomLab") {
                    QCOMPARE(font.pixelSize(), 11);
                    QVERIFY(!font.bold());
                    ++captions;
                } else if (name.endsWith(u"Lab")) {
                    QCOMPARE(font.pixelSize(), name == u"SymbolLab" ? 48 : 13);
                    QVERIFY2(font.bold(), qPrintable(name));
                    ++values;
                }
            }
        QCOMPARE(captions, 55);
        QCOMPARE(values, 45);
    }

    // Every view button: 11 x 11, no caption, the hand, a hint.
    void viewButtons()
    {
        int count = 0;
        for (int page = 0; page < 11; ++page)
            for (QWidget *w : controlsOf(page)) {
                auto *button = qobject_cast<QPushButton *>(w);
                if (!button)
                    continue;
                ++count;
                QVERIFY(button->objectName().endsWith(u"Button"));
                QCOMPARE(button->size(), QSize(11, 11));
                QVERIFY(button->text().isEmpty());
                QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
                QVERIFY2(button->toolTip().startsWith(u"Koloruje"), qPrintable(button->objectName()));
                // Left of its caption, on the caption's line.
                const QString stem = button->objectName().chopped(6);
                auto *caption = f.find(stem + QStringLiteral("LabText"));
                QVERIFY(caption);
                if (stem != u"MolEntAtom") {
                    QCOMPARE(button->geometry().right() + 4, caption->x());
                    QVERIFY(button->y() > caption->y() && button->geometry().bottom() <= caption->geometry().bottom());
                }
            }
        QCOMPARE(count, 43);
    }

    // A click on a view button plays the click cue and asks for the view.
    void viewButtonClick()
    {
        QSignalSpy views(f.window.get(), &TOknoGlowne::viewRequested);
        f.choosePage(1);
        f.log.played.clear();
        auto *button = f.find<QPushButton>(QStringLiteral("PromAtomButton"));
        f.click(button);
        QCOMPARE(views.count(), 1);
        QCOMPARE(views.at(0).at(0).toString(), QStringLiteral("PromAtomButtonClick"));
        QCOMPARE(views.at(0).at(1).value<QAbstractButton *>(), button);
        QCOMPARE(f.log.played, QStringList{kClick});
    }

    void magneticType_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("type");
        QTest::newRow("iron") << 26 << "ferromagnetyk";
        QTest::newRow("hydrogen") << 1 << "diamagnetyk";
        QTest::newRow("fluorine, no data") << 9 << "-";
        QTest::newRow("aluminium") << 13 << "paramagnetyk";
        QTest::newRow("gadolinium") << 64 << "ferromagnetyk";
    }
    void magneticType()
    {
        QFETCH(int, numer);
        QFETCH(QString, type);
        f.moveOnto(numer);
        QCOMPARE(f.shown("TypMagnetLab"), type);
        QCOMPARE(tablicznik::magneticType(m_catalogue.element(numer), [](QStringView t) { return StringToFloat(t); }),
                 type);
    }

    void element112OnTheStructurePage()
    {
        f.choosePage(1);
        f.moveOnto(112);
        for (const char *shell : {"PowKLab", "PowLLab", "PowMLab", "PowNLab", "PowOLab", "PowPLab", "PowQLab"})
            QCOMPARE(f.shown(QLatin1StringView(shell)), QStringLiteral("-"));
        QCOMPARE(f.shown("KonfElektrRichEdit"), QStringLiteral("-"));
        QCOMPARE(f.shown("SymbolLab"), m_catalogue.element(112).Symbol);
    }

    void theEnthalpyLine()
    {
        f.choosePage(4);
        f.moveOnto(2);
        // One caption in one style with one colon, "Molowa entalpia
        // wrzenia [kJ/mol]:", then the value: the kind reads as a word of it.
        const QFont captionFont = f.find<QLabel>(QStringLiteral("RodzMolEntAtomLabText"))->font();
        const int space = QFontMetrics(captionFont).horizontalAdvance(u' ');
        const auto line = [&] {
            QStringList words;
            int right = 0;
            for (const char *name : {"RodzMolEntAtomLabText", "RodzMolEntAtomLab", "MolEntAtomLabText"}) {
                auto *label = f.find<QLabel>(QLatin1StringView(name));
                if (label->font() != captionFont)
                    return QStringLiteral("%1 in another font").arg(label->text());
                // A space's width between the words, give or take two pixels.
                if (right && qAbs(label->x() - right - space) > 2)
                    return QStringLiteral("a gap of %1 before %2").arg(label->x() - right).arg(label->text());
                words << label->text();
                right = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            }
            if (right >= f.find(QStringLiteral("MolEntAtomLab"))->x())
                return QStringLiteral("the value stands under the caption");
            return words.join(u' ');
        };
        QCOMPARE(line(), QStringLiteral("Molowa entalpia wrzenia [kJ/mol]:"));
        QCOMPARE(f.shown("MolEntAtomLab"), m_catalogue.element(2).MolEntAtom);
        f.moveOnto(26);
        QCOMPARE(line(), QStringLiteral("Molowa entalpia atomizacji [kJ/mol]:"));
        QVERIFY(!f.find<QLabel>(QStringLiteral("MolEntAtomLab"))->text().isEmpty());
    }

    // Rich-text values are small documents, bold and 10 point; the
    // catalogue's superscripts show raised.
    void wrappedDocuments()
    {
        QCOMPARE(DetailsPages::wrapped(QStringLiteral("1s{\\super 2}")), QStringLiteral("{\\rtf1\\b\\fs20 1s{\\super 2}\\par }"));
        f.choosePage(1);
        f.moveOnto(26);
        auto *rich = f.find<RichTextView>(QStringLiteral("KonfElektrRichEdit"));
        QCOMPARE(rich->toPlainText(), QStringLiteral("[Ar]3d64s2"));
        const QTextCharFormat plain = formatAt(rich, 5), raised = formatAt(rich, 6);
        QCOMPARE(plain.fontWeight(), int(QFont::Bold));
        QCOMPARE(plain.fontPointSize(), 10.0);
        QCOMPARE(plain.verticalAlignment(), QTextCharFormat::AlignNormal);
        QCOMPARE(raised.verticalAlignment(), QTextCharFormat::AlignSuperScript);

        // The density caption, loaded once, keeps its superscript.
        auto *density = f.find<RichTextView>(QStringLiteral("GestoscLabText"));
        QCOMPARE(density->toPlainText(), QStringLiteral("Gęstość [g/cm3]:"));
        QCOMPARE(formatAt(density, 13).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatAt(density, 0).fontPointSize(), 8.0);

        // Every wrapped value of the catalogue fits the 1,300 characters a
        // document may have.
        for (const ElementRecord &e : m_catalogue)
            for (const QString *value : {&e.KonfElektr, &e.StanPot, &e.OporWlas, &e.ZawZiemia, &e.ZawSkorZiem,
                                         &e.ZawOcean, &e.ZawUklad, &e.ZawCzlow, &e.Izotopy, &e.Mineraly})
                QVERIFY2(DetailsPages::wrapped(*value).size() <= 1300, qPrintable(e.Nazwa));
    }

    void listsAreCentredAndScroll()
    {
        for (const char *name : {"IzotopyRichEdit", "MineralyRichEdit"}) {
            auto *rich = f.find<RichTextView>(QLatin1StringView(name));
            QVERIFY(rich->isCentred());
            QCOMPARE(rich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
        QVERIFY(!f.find<RichTextView>(QStringLiteral("StanPotRichEdit"))->isCentred());
    }

    // At start every value is empty; the density caption is the exception.
    void startEmpty()
    {
        for (int page = 0; page < 11; ++page)
            for (QWidget *w : controlsOf(page)) {
                const QString name = w->objectName();
                if (name.endsWith(u"Lab") || name.endsWith(u"RichEdit"))
                    QVERIFY2(f.shown(name).isEmpty(), qPrintable(name));
            }
        QVERIFY(!f.shown("GestoscLabText").isEmpty());
    }

    // Every value of every element fits its control, and on every page the
    // controls lie inside their frame without covering one another.
    void everyPageFitsItsPlace()
    {
        DetailsPages &details = f.window->details();
        for (int page = 0; page < 11; ++page) {
            f.pages()->setCurrentIndex(page);
            const QList<QWidget *> controls = controlsOf(page);
            for (QWidget *w : controls) {
                const QString name = w->objectName();
                QVERIFY2(!name.isEmpty(), "a control without a name");
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
                for (QWidget *other : controls)
                    if (other != w && other->parentWidget() == w->parentWidget())
                        QVERIFY2(!w->geometry().intersects(other->geometry()),
                                 qPrintable(name + QStringLiteral(" covers ") + other->objectName()));
                if (auto *label = qobject_cast<QLabel *>(w); label && name.endsWith(u"LabText"))
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(name));
            }
            for (const ElementRecord &element : m_catalogue) {
                details.fillPage(page, element);
                details.setIdentity(element.Symbol, QString::number(element.Numer), QStringLiteral("ferromagnetyk"));
                for (QWidget *w : controls) {
                    const QString why = w->objectName() + u' ' + element.Nazwa;
                    if (auto *label = qobject_cast<QLabel *>(w)) {
                        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(why));
                        QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(why));
                    } else if (auto *rich = qobject_cast<RichTextView *>(w);
                               rich && rich->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
                        // Laid out on one line, the document fits the view.
                        std::unique_ptr<QTextDocument> line(rich->document()->clone());
                        line->setTextWidth(-1);
                        QVERIFY2(line->size().width() <= rich->viewport()->width(), qPrintable(why));
                        QVERIFY2(line->size().height() <= rich->viewport()->height(), qPrintable(why));
                        QCOMPARE(line->blockCount(), 1);
                    }
                }
            }
        }
    }
};

TABLICZNIK_TEST_MAIN(DetailsPagesTest)
#include "detailspages_test.moc"
