#include "testmain.h"
#include "windows/tprzedrostkiform.h"
#include "windows/tstaleform.h"
#include "windowstesthelpers.h"

#include <QHeaderView>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

QStringList headerTexts(const QTableWidget *grid)
{
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column)
        texts << grid->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

QStringList rowTexts(const QTableWidget *grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column)
        texts << grid->model()->index(row, column).data().toString();
    return texts;
}

// "1 000 000" for 6, "0,000 001" for -6: what a power of ten reads as.
QString plainPowerOfTen(int exponent)
{
    QString digits;
    if (exponent >= 0) {
        digits = QStringLiteral("1") + QString(exponent, QLatin1Char('0'));
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, QLatin1Char(' '));
        return digits;
    }
    digits = QString(-exponent - 1, QLatin1Char('0')) + QStringLiteral("1");
    for (qsizetype at = 3; at < digits.size(); at += 4)
        digits.insert(at, QLatin1Char(' '));
    return QStringLiteral("0,") + digits;
}

bool rowFullyVisible(const QTableWidget *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    return cell.isValid() && grid->viewport()->rect().contains(cell);
}

} // namespace

// The constants table and the prefixes table.
class ReferenceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void constantsWindowFrame()
    {
        WindowsFixture f;
        TStaleForm window(f.cues);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Stałe fizchemastronomiczne"));
        const auto flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(window.size(), QSize(387, 412)); // 395 x 439 with the classic sizeable frame
        QCOMPARE(window.pos(), QPoint(422, 96));
        QVERIFY(window.maximumWidth() > 387); // sizeable
        QCOMPARE(window.font().pixelSize(), 11);
        QCOMPARE(window.font().family(), QStringLiteral("Arial"));

        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QVERIFY(grid);
        QCOMPARE(grid->geometry(), window.rect());
        window.resize(500, 300);
        QCOMPARE(grid->geometry(), window.rect());
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(grid->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(grid->font().pixelSize(), 11);
        QCOMPARE(grid->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->columnWidth(0), 184);
        QCOMPARE(grid->columnWidth(1), 184);
        QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QVERIFY(grid->verticalHeader()->isHidden()); // no fixed column
        QVERIFY(grid->showGrid());
        QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->horizontalHeader()->height(), 16);
        for (int row = 0; row < grid->rowCount(); ++row) {
            QCOMPARE(grid->rowHeight(row), 16);
            for (int column = 0; column < 2; ++column)
                QVERIFY(!(grid->item(row, column)->flags() & Qt::ItemIsEditable));
        }
    }

    void constantsCells_data()
    {
        QTest::addColumn<int>("row"); // 0 is the header
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        const char *const rows[][2] = {
            {"Nazwa stałej:", "Wartość:"},
            {"Jednostka masy atom.:", "1,660531E-27 kg"},
            {"Stała Avogadro:", "6,022045E23 1/mol"},
            {"Stała Loschmidta:", "2,6867E25 cząstecz./m^3 (0°C, 1atm)"},
            {"Obj. molowa gazu:", "22,41383 m^3/kmol"},
            {"Prędkość światła:", "2,9979245620E8 m/s (próżnia)"},
            {"Stała gazowa:", "8,31441 J/(mol·K)"},
            {"Stała Boltzmanna", "1,380662E-23 J/K"}, // mended: the minus sign
            {"Ładunek elektronu:", "1,6021892E-19 C"},
            {"Masa sp. elektronu:", "9,109534E-31 kg"},
            {"Masa sp. protonu:", "1,672614E-27 kg"},
            {"Masa sp. neutronu:", "1,674920E-27 kg"},
            {"Stała Faradaya:", "9,648456E4 C/mol"}, // mended: transposed digits, spelling
            {"Stała Plancka:", "6,626176E-34 J·s"},  // mended: the unit, spelling
            {"Stała Rydberga:", "1,097373177E7 1/m"},
            {"Przenik. elektr. próżni:", "8,8542E-12 F/m"},
            {"Przenik. magnet. próżni:", "1,2566E-6 V·s/(A·m)"},
            {"Stała grawitacyjna:", "6,6720E-11 N·m^2/kg^2"},
            {"Przyśpieszenie stand.:", "9,80665 m/s^2"},
            {"Pierwsza pr. kosm.:", "7,91 km/s"},
            {"Druga pr. kosm.:", "11,19 km/s"},
            {"Trzecia pr. kosm.:", "16,7 km/s"},
            {"Liczba e", "2,718281828459045"},
            {"Liczba pi", "3,141592653589793"},
            {"Stała Eulera", "0,577215664901532"}, // the Euler-Mascheroni constant, not e
            {"Masa Ziemi:", "5,974E24 kg"},
            {"Promień Ziemi (równik):", "6,378E6 m"},
            {"Promień Ziemi (biegun):", "6,357E6 m"},
            {"Promień Ziemi (średni):", "6,371E6 m"},
            {"Masa Księżyca:", "7,348E22 kg"},
            {"Promień Księżyca (średni):", "1,738E6 m"},
            {"Prędkość dźwięku (średnia):", "340,29205 m/s"},
            {"Masa Słońca:", "1,989E30 kg"},
            {"Promień Słońca:", "6,96E8 m"},
            {"Odl. Ziemia-Słońce (j.a.):", "1,4959787E11 m"},
            {"Odl. Ziemia-Księżyc (średnio):", "3,84400E8 m"},
            {"Parsek", "3,086E16 m"}, // mended: the exponent
            {"Bajt", "8 bitów"},
        };
        int row = 0;
        for (const auto &r : rows) {
            QTest::addRow("%d %s", row, r[0]) << row << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]);
            ++row;
        }
    }
    void constantsCells()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, value);
        WindowsFixture f;
        TStaleForm window(f.cues);
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(grid->rowCount(), 37);
        const QStringList cells = row == 0 ? headerTexts(grid) : rowTexts(grid, row - 1);
        QCOMPARE(cells, QStringList({name, value}));
    }

    void constantsLastRowNeedsScrolling()
    {
        WindowsFixture f;
        TStaleForm window(f.cues);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QVERIFY(rowFullyVisible(grid, 0));
        QVERIFY(!rowFullyVisible(grid, 36));
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        QVERIFY(rowFullyVisible(grid, 36));
        QCOMPARE(rowTexts(grid, 36), QStringList({QStringLiteral("Bajt"), QStringLiteral("8 bitów")}));
    }

    void prefixesWindowFrame()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Przedrostki."));
        const auto flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(window.size(), QSize(254, 310));
        QCOMPARE(window.minimumSize(), window.maximumSize()); // a fixed dialog frame
        QCOMPARE(window.pos(), QPoint(276, 122));
        QCOMPARE(window.font().pixelSize(), 11);

        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(grid->geometry(), window.rect());
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->rowCount(), 17);
        QCOMPARE(grid->columnWidth(0), 40);
        QCOMPARE(grid->columnWidth(1), 25);
        QVERIFY(grid->columnWidth(2) >= 180); // with the grid's spare pixels
        QVERIFY(grid->columnWidth(2) <= 254 - 40 - 25);
        for (int column = 0; column < 3; ++column)
            QCOMPARE(grid->horizontalHeader()->sectionResizeMode(column), QHeaderView::Fixed);
        QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(grid->verticalHeader()->isHidden());
        QCOMPARE(headerTexts(grid), QStringList({"Nazwa", "Ozn.", "Znaczenie"}));
    }

    void prefixesAllRowsVisibleWithoutScrolling()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        for (int row = 0; row < grid->rowCount(); ++row) {
            QCOMPARE(grid->rowHeight(row), 16);
            QVERIFY2(rowFullyVisible(grid, row), qPrintable(rowTexts(grid, row).join(u'|')));
        }
        // Every meaning fits its column, drawn two pixels in as the old grids drew it.
        const QFontMetrics metrics(grid->font());
        for (int row = 0; row < grid->rowCount(); ++row)
            QVERIFY(2 + metrics.tightBoundingRect(rowTexts(grid, row).at(2)).right() < grid->columnWidth(2));
    }

    void prefixesCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        const char *const rows[][3] = {
            {"eksa", "E", " 10^18 = 1 000 000 000 000 000 000"},
            {"peta", "P", " 10^15 = 1 000 000 000 000 000"},
            {"tera", "T", " 10^12 = 1 000 000 000 000"},
            {"giga", "G", "  10^9 = 1 000 000 000"},
            {"mega", "M", "  10^6 = 1 000 000"},
            {"kilo", "k", "  10^3 = 1 000"},
            {"hekto", "h", "  10^2 = 100"},
            {"deka", "da", "  10^1 = 10"},
            {"-", "-", "  10^0 = 1"},
            {"decy", "d", " 10^-1 = 0,1"},
            {"centy", "c", " 10^-2 = 0,01"},
            {"mili", "m", " 10^-3 = 0,001"},
            {"mikro", "µ", " 10^-6 = 0,000 001"},
            {"nano", "n", " 10^-9 = 0,000 000 001"},
            {"piko", "p", "10^-12 = 0,000 000 000 001"},
            {"femto", "f", "10^-15 = 0,000 000 000 000 001"},
            {"atto", "a", "10^-18 = 0,000 000 000 000 000 001"},
        };
        int row = 0;
        for (const auto &r : rows) {
            QTest::addRow("%s", r[0]) << row++
                                      << QStringList({QString::fromUtf8(r[0]), QString::fromUtf8(r[1]),
                                                      QString::fromUtf8(r[2])});
        }
    }
    void prefixesCells()
    {
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        const QStringList shown = rowTexts(child<QTableWidget>(&window, "StringGrid1"), row);
        QCOMPARE(shown, cells);

        // The equals signs line up, and the number is the power it names.
        const QString meaning = shown.at(2);
        QCOMPARE(meaning.indexOf(QStringLiteral(" = ")), 6);
        static const QRegularExpression power(QStringLiteral("^ *10\\^(-?\\d+) = (.*)$"));
        const auto match = power.match(meaning);
        QVERIFY(match.hasMatch());
        QCOMPARE(match.captured(2), plainPowerOfTen(match.captured(1).toInt()));
    }

    void microIsTheMicroSign()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        const QString symbol = rowTexts(child<QTableWidget>(&window, "StringGrid1"), 12).at(1);
        QCOMPARE(symbol, QString(QChar(0x00B5)));
        QVERIFY(symbol != QString(QChar(0x03BC))); // not the Greek letter
    }

    // Both tables: any closing plays the exit cue and only hides the window.
    void closingPlaysExitAndHides_data()
    {
        QTest::addColumn<bool>("constants");
        QTest::newRow("constants") << true;
        QTest::newRow("prefixes") << false;
    }
    void closingPlaysExitAndHides()
    {
        QFETCH(bool, constants);
        WindowsFixture f;
        QWidget *window = constants ? static_cast<QWidget *>(new TStaleForm(f.cues))
                                    : static_cast<QWidget *>(new TPrzedrostkiForm(f.cues));
        f.windows.show(window);
        QPointer<QWidget> kept(window);
        QVERIFY(window->close());
        QCOMPARE(f.log.played, QStringList{kExit});
        QVERIFY(kept);
        QVERIFY(kept->isHidden());
        QVERIFY(!kept->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(f.windows.windows(), QList<QWidget *>{window});
    }

    void twoTablesAreIndependent()
    {
        WindowsFixture f;
        auto *first = f.windows.show(new TStaleForm(f.cues));
        auto *second = f.windows.show(new TStaleForm(f.cues));
        auto *firstGrid = child<QTableWidget>(first, "StringGrid1");
        auto *secondGrid = child<QTableWidget>(second, "StringGrid1");
        QVERIFY(firstGrid != secondGrid);
        for (int row = 0; row < 37; ++row)
            QCOMPARE(rowTexts(firstGrid, row), rowTexts(secondGrid, row));
        firstGrid->setColumnWidth(0, 250);
        first->close();
        QCOMPARE(secondGrid->columnWidth(0), 184);
        QVERIFY(second->isVisible());
        QCOMPARE(f.windows.windows().size(), 2);
    }
};

TABLICZNIK_REGISTER_TEST(ReferenceWindowsTest)
#include "referencewindows_test.moc"
