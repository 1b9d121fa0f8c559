#include "support/auxiliarywindows.h"
#include "support/testmain.h"
#include "windows/trozpuszczalnoscform.h"
#include "windows/tszeregform.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The booklet's order, written out here.
const QStringList kAnions = {"OH⁻", "F⁻", "Cl⁻", "Br⁻", "I⁻", "S²⁻", "SO₃²⁻", "SO₄²⁻", "NO₃⁻", "CO₃²⁻", "SiO₃²⁻", "PO₄³⁻",
                             "CH₃COO⁻"};
const QStringList kCations = {"Na⁺", "K⁺", "NH₄⁺", "Mg²⁺", "Ca²⁺", "Sr²⁺", "Ba²⁺", "Al³⁺", "Cr³⁺", "Mn²⁺",
                              "Fe²⁺", "Fe³⁺", "Co²⁺", "Ni²⁺", "Cu²⁺", "Zn²⁺", "Ag⁺", "Sn²⁺", "Hg²⁺", "Pb²⁺"};

QStringList headers(const QTableWidget *grid, Qt::Orientation orientation)
{
    QStringList texts;
    const int count = orientation == Qt::Horizontal ? grid->columnCount() : grid->rowCount();
    for (int i = 0; i < count; ++i)
        texts << grid->model()->headerData(i, orientation).toString();
    return texts;
}

struct SolubilityWindow {
    WindowsFixture f;
    TRozpuszczalnoscForm window{f.windows};
    QTableWidget *grid = child<QTableWidget>(&window, "TabelaGrid");
    QLabel *details = child<QLabel>(&window, "OpisLabel");

    SolubilityWindow()
    {
        window.show();
        window.activateWindow();
        grid->setFocus();
    }
    QPoint current() const { return {grid->currentColumn(), grid->currentRow()}; }
    void type(const QString &text) { QTest::keyClicks(grid, text); }
};

} // namespace

// The two windows of the school tables, driven as a pupil drives them.
class SchoolTableWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Anions down, cations across, each cell its mark on its mark's colour;
    // the whole table is in sight, with the legend and the temperature.
    void solubilityGridAsTheBookletLaysItOut()
    {
        SolubilityWindow s;
        QCOMPARE(s.window.windowTitle(), QStringLiteral("Tabela rozpuszczalności"));
        QCOMPARE(headers(s.grid, Qt::Vertical), kAnions);
        QCOMPARE(headers(s.grid, Qt::Horizontal), kCations);
        const QString heading = child<QLabel>(&s.window, "NaglowekLabel")->text();
        QVERIFY(heading.contains(QStringLiteral("25 °C")));
        const QString legend = child<QLabel>(&s.window, "LegendaLabel")->accessibleName();
        for (const char *part : {"R – ", "T – ", "N – ", "kreska – ", "ponad 1 g", "0,1–1 g", "poniżej 0,1 g"})
            QVERIFY2(legend.contains(QString::fromUtf8(part)), part);

        QMap<QString, QColor> colourOfMark;
        for (int row = 0; row < s.grid->rowCount(); ++row)
            for (int column = 0; column < s.grid->columnCount(); ++column) {
                const QTableWidgetItem *item = s.grid->item(row, column);
                const QString mark = item->text();
                QVERIFY(QStringList({"R", "T", "N", "—"}).contains(mark));
                const QColor colour = item->background().color();
                QCOMPARE(colourOfMark.value(mark, colour), colour); // one colour per mark
                colourOfMark.insert(mark, colour);
                QVERIFY(s.grid->viewport()->rect().contains(s.grid->visualItemRect(item)));
            }
        QCOMPARE(colourOfMark.size(), 4);
        QSet<QRgb> distinct;
        for (const QColor &colour : colourOfMark)
            distinct << colour.rgb();
        QCOMPARE(distinct.size(), 4);
        // Marks a pupil knows by heart.
        QCOMPARE(s.grid->item(2, 16)->text(), QStringLiteral("N"));  // AgCl
        QCOMPARE(s.grid->item(7, 6)->text(), QStringLiteral("N"));   // BaSO4
        QCOMPARE(s.grid->item(7, 4)->text(), QStringLiteral("T"));   // CaSO4
        QCOMPARE(s.grid->item(8, 16)->text(), QStringLiteral("R"));  // AgNO3
        QCOMPARE(s.grid->item(0, 16)->text(), QStringLiteral("—"));  // AgOH
        QCOMPARE(s.grid->item(0, 4)->text(), QStringLiteral("T"));   // Ca(OH)2
    }

    // Arrows move over the cells; Enter shows the compound below the grid.
    void keyboardMovesAndEnterExplains()
    {
        SolubilityWindow s;
        QCOMPARE(s.current(), QPoint(0, 0));
        QTest::keyClick(s.grid, Qt::Key_Right);
        QTest::keyClick(s.grid, Qt::Key_Down);
        QTest::keyClick(s.grid, Qt::Key_Down);
        QCOMPARE(s.current(), QPoint(1, 2)); // KCl
        QTest::keyClick(s.grid, Qt::Key_Up);
        QTest::keyClick(s.grid, Qt::Key_Left);
        QTest::keyClick(s.grid, Qt::Key_Left); // stays at the edge
        QCOMPARE(s.current(), QPoint(0, 1));
        QTest::keyClick(s.grid, Qt::Key_Down);
        QTest::keyClick(s.grid, Qt::Key_End);
        QCOMPARE(s.current(), QPoint(19, 2)); // PbCl2
        const QString before = s.details->text();
        QTest::keyClick(s.grid, Qt::Key_Left);
        QTest::keyClick(s.grid, Qt::Key_Left);
        QTest::keyClick(s.grid, Qt::Key_Left);
        QCOMPARE(s.details->text(), before); // moving alone explains nothing
        QTest::keyClick(s.grid, Qt::Key_Return);
        const QString text = s.details->text();
        QVERIFY2(text.contains(QStringLiteral("<b style=\"font-size:15px\">AgCl</b>")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("chlorek srebra")));
        QVERIFY(text.contains(QStringLiteral("Barwa osadu: biały.")));
        QVERIFY(text.contains(QStringLiteral("25 °C: 1,9·10⁻⁴ g w 100 g wody")));
        QVERIFY(s.details->accessibleName().startsWith(QStringLiteral("AgCl")));
    }

    // A click explains too; subscripts, numerals and the school convention.
    void clickExplainsWithSubscriptsAndNotes()
    {
        SolubilityWindow s;
        auto clickCell = [&](int row, int column) {
            QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, {},
                              s.grid->visualItemRect(s.grid->item(row, column)).center());
            return s.details->text();
        };
        QString text = clickCell(7, 11);
        QVERIFY2(text.contains(QStringLiteral("Fe<sub>2</sub>(SO<sub>4</sub>)<sub>3</sub>")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("siarczan(VI) żelaza(III)")));
        QVERIFY(text.contains(QStringLiteral("nie podano")));
        text = clickCell(2, 19);
        QVERIFY(text.contains(QStringLiteral("PbCl<sub>2</sub>")));
        QVERIFY(text.contains(QStringLiteral("<b>T</b>")));
        QVERIFY(text.contains(QStringLiteral("tablice szkolne podają T")));
        text = clickCell(0, 11);
        QVERIFY(text.contains(QStringLiteral("czerwonobrunatny")));
        QVERIFY(text.contains(QStringLiteral("obliczona z iloczynu rozpuszczalności")));
        text = clickCell(4, 14);
        QVERIFY(text.contains(QStringLiteral("<b>—</b>")));
        QVERIFY(text.contains(QStringLiteral("utleniają jony jodkowe")));
        QCOMPARE(s.current(), QPoint(14, 4));
    }

    // Typing an ion's formula or name goes to its column or row.
    void typeAheadOnIonNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QPoint>("cell"); // column, row
        QTest::newRow("cu") << "cu" << QPoint(14, 0);
        QTest::newRow("fe3") << "fe3" << QPoint(11, 0);
        QTest::newRow("fe") << "fe" << QPoint(10, 0);
        QTest::newRow("srebro") << "srebro" << QPoint(16, 0);
        QTest::newRow("chlorek") << "chlorek" << QPoint(0, 2);
        QTest::newRow("chrom") << "chrom" << QPoint(8, 0);
        QTest::newRow("nikiel(ii)") << "nikiel(ii)" << QPoint(13, 0);
        QTest::newRow("siarczan(vi)") << "siarczan(vi)" << QPoint(0, 7);
        QTest::newRow("so3") << "so3" << QPoint(0, 6);
        QTest::newRow("octan") << "octan" << QPoint(0, 12);
        QTest::newRow("nothing such") << "xyz" << QPoint(0, 0);
    }
    void typeAheadOnIonNames()
    {
        QFETCH(QString, typed);
        QFETCH(QPoint, cell);
        SolubilityWindow s;
        s.type(typed);
        QCOMPARE(s.current(), cell);
    }

    // The heading, legend and grid on one page; the window stays as it was.
    void printsOnOnePage()
    {
        SolubilityWindow s;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tabela.pdf"));
        int asked = 0;
        s.f.windows.setPrinterSetup([&](QPrinter &printer, QWidget *) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        });
        s.grid->setCurrentCell(3, 5);
        child<QPushButton>(&s.window, "DrukujButton")->click();
        QCOMPARE(asked, 1);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
        QCOMPARE(s.current(), QPoint(5, 3));
        const QImage picture = s.window.printedImage(1);
        QCOMPARE(picture.size(), child<QWidget>(&s.window, "TabelaPanel")->size());
        // Cancelled: nothing printed.
        s.f.windows.setPrinterSetup([](QPrinter &, QWidget *) { return false; });
        QFile::remove(file);
        child<QPushButton>(&s.window, "DrukujButton")->click();
        QVERIFY(!QFile::exists(file));
    }

    // Screen readers hear each cell as its compound and mark, and each
    // header as its ion; closing plays the exit cue and only hides.
    void accessibleAndClosing()
    {
        SolubilityWindow s;
        QCOMPARE(s.grid->item(2, 16)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("AgCl, chlorek srebra: N – praktycznie nierozpuszczalny (poniżej 0,1 g w 100 g wody)"));
        QCOMPARE(s.grid->verticalHeaderItem(7)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("anion siarczanowy(VI)"));
        QCOMPARE(s.grid->horizontalHeaderItem(11)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("kation żelaza(III)"));
        // Rich text would be read with its markup: those controls have names.
        s.window.showCell(0, 0);
        for (QWidget *w : s.window.findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            if ((label && label->textFormat() == Qt::RichText) || qobject_cast<QTableWidget *>(w))
                QVERIFY2(!w->accessibleName().isEmpty() && !w->accessibleName().contains(u'<'),
                         qPrintable(w->objectName()));
        }
        s.f.log.played.clear();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTest::keyClick(s.grid, Qt::Key_Escape);
        QVERIFY(s.window.isHidden());
        QCOMPARE(s.f.log.played, QStringList{kExit});
    }

    // The series as printed, hydrogen's line marked, and the question
    // answered for the metals chosen in the lists or in the series.
    void seriesWindow()
    {
        WindowsFixture f;
        TSzeregForm window(f.cues);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Szereg elektrochemiczny metali"));
        auto *grid = child<QTableWidget>(&window, "SzeregGrid");
        auto *a = child<QComboBox>(&window, "MetalACombo");
        auto *b = child<QComboBox>(&window, "MetalBCombo");
        auto *answer = child<QLabel>(&window, "OdpowiedzLabel");
        QVERIFY(child<QLabel>(&window, "ObjasnienieLabel")->text().contains(QStringLiteral("wypierają wodór z kwasów")));
        QCOMPARE(grid->rowCount(), 22);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Li (lit)"));
        QCOMPARE(grid->item(21, 0)->text(), QStringLiteral("Au (złoto)"));
        QCOMPARE(grid->item(8, 1)->text(), QStringLiteral("Zn²⁺ + 2e⁻ ⇌ Zn"));
        QCOMPARE(grid->item(8, 2)->text(), QStringLiteral("−0,7618"));
        int marked = -1;
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, 0)->font().bold()) {
                QCOMPARE(marked, -1);
                marked = row;
            }
        QCOMPARE(grid->item(marked, 0)->text(), QStringLiteral("H (wodór)"));
        QVERIFY(grid->item(marked, 1)->background() != grid->item(marked + 1, 1)->background());
        for (int row = 0; row < grid->rowCount(); ++row)
            QVERIFY(grid->viewport()->rect().contains(grid->visualItemRect(grid->item(row, 2))));

        // Zinc and copper to begin with.
        QCOMPARE(a->currentText(), QStringLiteral("Zn (cynk)"));
        QCOMPARE(b->currentText(), QStringLiteral("Cu (miedź)"));
        QVERIFY(answer->accessibleName().endsWith(QStringLiteral("Zn + Cu²⁺ → Zn²⁺ + Cu")));
        b->setCurrentIndex(b->findText(QStringLiteral("Ag (srebro)")));
        QVERIFY(answer->accessibleName().endsWith(QStringLiteral("Zn + 2Ag⁺ → Zn²⁺ + 2Ag")));
        a->setCurrentIndex(a->findText(QStringLiteral("Au (złoto)")));
        QVERIFY(answer->accessibleName().startsWith(QStringLiteral("Nie:")));
        QVERIFY(!answer->accessibleName().contains(u'→'));
        // A click on a row chooses A, with Ctrl B.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(6, 0)).center());
        QCOMPARE(a->currentText(), QStringLiteral("Al (glin)"));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          grid->visualItemRect(grid->item(marked, 0)).center());
        QCOMPARE(b->currentText(), QStringLiteral("H (wodór)"));
        QVERIFY(answer->accessibleName().endsWith(QStringLiteral("2Al + 6H⁺ → 2Al³⁺ + 3H₂↑")));
        QVERIFY(answer->text().contains(QStringLiteral("<b style=\"font-size:15px\">2Al + 6H⁺ → 2Al³⁺ + 3H₂↑</b>")));
        // From the keyboard: the lists in turn.
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Up);
        QCOMPARE(a->currentText(), QStringLiteral("Mg (magnez)"));
        QVERIFY(answer->accessibleName().endsWith(QStringLiteral("Mg + 2H⁺ → Mg²⁺ + H₂↑")));

        f.log.played.clear();
        window.close();
        QCOMPARE(f.log.played, QStringList{kExit});
    }
};

TABLICZNIK_TEST_MAIN(SchoolTableWindowsTest)
#include "schooltables_test.moc"
