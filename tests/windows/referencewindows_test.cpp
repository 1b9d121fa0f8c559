#include "support/auxiliarywindows.h"
#include "support/testmain.h"
#include "windows/tprzedrostkiform.h"
#include "windows/tstaleform.h"

#include <QHeaderView>
#include <QLocale>
#include <QMap>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>

#include <cmath>
#include <numbers>
#include <optional>

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

// The constants by name, as the grid shows them.
QMap<QString, QString> constants(const QTableWidget *grid)
{
    QMap<QString, QString> values;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QStringList cells = rowTexts(grid, row);
        values.insert(cells.at(0), cells.at(1));
    }
    return values;
}

// The number of a value written as the table writes it: "6,022045E23 1/mol",
// "9,80665 m/s^2", "8 bitów"; nothing for any other notation.
std::optional<double> valueOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+(?:,\\d+)?)(?:E(-?\\d+))?(?: \\S.*)?$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1).replace(u',', u'.');
    if (match.hasCaptured(2))
        number += u'e' + match.captured(2);
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
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

    // Under the header stand the 37 constants, each a name and a value in
    // the program's notation (decimal comma, "E" exponent, then the unit).
    // Three values are mended: Boltzmann's constant has its minus sign,
    // Planck's its unit and Faraday's its digits in order.
    void constantsCells()
    {
        WindowsFixture f;
        TStaleForm window(f.cues);
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(headerTexts(grid), QStringList({QStringLiteral("Nazwa stałej:"), QStringLiteral("Wartość:")}));
        QCOMPARE(grid->rowCount(), 37);
        const QMap<QString, QString> values = constants(grid);
        QCOMPARE(values.size(), 37); // no name twice
        for (auto it = values.begin(); it != values.end(); ++it) {
            QVERIFY2(!it.key().trimmed().isEmpty(), qPrintable(it.value()));
            QVERIFY2(valueOf(it.value()), qPrintable(it.key() + QStringLiteral(": ") + it.value()));
        }
        QCOMPARE(values.value(QStringLiteral("Stała Boltzmanna")), QStringLiteral("1,380662E-23 J/K"));
        QCOMPARE(values.value(QStringLiteral("Stała Plancka:")), QStringLiteral("6,626176E-34 J·s"));
        QCOMPARE(values.value(QStringLiteral("Stała Faradaya:")), QStringLiteral("9,648456E4 C/mol"));
        QCOMPARE(rowTexts(grid, 0).at(0), QStringLiteral("Jednostka masy atom.:"));
    }

    // The constants agree with each other as physics says they must, to the
    // digits that the table gives.
    void constantsAgree()
    {
        WindowsFixture f;
        TStaleForm window(f.cues);
        const QMap<QString, QString> values = constants(child<QTableWidget>(&window, "StringGrid1"));
        const auto v = [&](const char *name) { return valueOf(values.value(QString::fromUtf8(name))).value_or(qQNaN()); };
        const auto near = [](double a, double b, double tolerance) { return std::abs(a - b) <= tolerance * std::abs(b); };

        const double avogadro = v("Stała Avogadro:"), boltzmann = v("Stała Boltzmanna"), gas = v("Stała gazowa:");
        const double charge = v("Ładunek elektronu:"), faraday = v("Stała Faradaya:"), planck = v("Stała Plancka:");
        const double light = v("Prędkość światła:"), epsilon = v("Przenik. elektr. próżni:"), mu = v("Przenik. magnet. próżni:");
        const double electron = v("Masa sp. elektronu:"), proton = v("Masa sp. protonu:"), neutron = v("Masa sp. neutronu:");
        const double molarVolume = v("Obj. molowa gazu:") / 1000; // m^3/kmol
        QVERIFY(near(avogadro * boltzmann, gas, 1e-6));
        QVERIFY(near(avogadro * charge, faraday, 1e-6));
        // One gram per mole. The atomic mass unit and the proton mass are of
        // an older adjustment than the rest and agree to five digits only.
        QVERIFY(near(v("Jednostka masy atom.:") * avogadro, 1e-3, 5e-5));
        QVERIFY(near(avogadro / molarVolume, v("Stała Loschmidta:"), 1e-4));
        QVERIFY(near(gas * 273.15 / 101325, molarVolume, 1e-6));
        QVERIFY(near(mu, 4e-7 * std::numbers::pi, 1e-4));
        QVERIFY(near(epsilon * mu * light * light, 1, 1e-4));
        QVERIFY(near(electron * std::pow(charge, 4) / (8 * epsilon * epsilon * std::pow(planck, 3) * light),
                     v("Stała Rydberga:"), 1e-4));
        QVERIFY(electron < proton && proton < neutron);
        QVERIFY(near(proton / electron, 1836.15, 5e-5));

        QVERIFY(near(v("Liczba e"), std::numbers::e, 1e-15));
        QVERIFY(near(v("Liczba pi"), std::numbers::pi, 1e-15));
        QVERIFY(near(v("Stała Eulera"), std::numbers::egamma, 1e-14));

        const double gravity = v("Stała grawitacyjna:"), earth = v("Masa Ziemi:"), radius = v("Promień Ziemi (średni):");
        QVERIFY(v("Promień Ziemi (równik):") > radius && radius > v("Promień Ziemi (biegun):"));
        QVERIFY(near(gravity * earth / (radius * radius), v("Przyśpieszenie stand.:"), 5e-3));
        const double first = v("Pierwsza pr. kosm.:"), second = v("Druga pr. kosm.:");
        QVERIFY(near(std::sqrt(gravity * earth / radius) / 1000, first, 2e-3));
        QVERIFY(near(first * std::sqrt(2.0), second, 2e-3));
        QVERIFY(second < v("Trzecia pr. kosm.:"));
        QVERIFY(v("Masa Księżyca:") < earth && earth < v("Masa Słońca:"));
        QVERIFY(v("Promień Księżyca (średni):") < radius && radius < v("Promień Słońca:"));
        QVERIFY(v("Odl. Ziemia-Księżyc (średnio):") < v("Odl. Ziemia-Słońce (j.a.):"));
        QCOMPARE(v("Bajt"), 8.0);
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

    // Seventeen prefixes from 10^18 down to 10^-18: every third power, and
    // each power from 10^2 to 10^-2. Each meaning is the power it names as a
    // plain number, the equals signs in line; the symbols are capitals from
    // mega up, and the row of 10^0 has no prefix.
    void prefixesCells()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(grid->rowCount(), 17);
        static const QRegularExpression power(QStringLiteral("^ *10\\^(-?\\d+) = (.*)$"));
        QList<int> exponents;
        QSet<QString> names, symbols;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QStringList cells = rowTexts(grid, row);
            const QString where = cells.join(u'|');
            const QString meaning = cells.at(2);
            QCOMPARE(meaning.indexOf(QStringLiteral(" = ")), 6);
            const auto match = power.match(meaning);
            QVERIFY2(match.hasMatch(), qPrintable(where));
            const int exponent = match.captured(1).toInt();
            QCOMPARE(match.captured(2), plainPowerOfTen(exponent));
            exponents << exponent;

            const QString &name = cells.at(0), &symbol = cells.at(1);
            if (exponent == 0) {
                QCOMPARE(cells.mid(0, 2), QStringList({QStringLiteral("-"), QStringLiteral("-")}));
                continue;
            }
            QVERIFY2(name.size() >= 4 && name == name.toLower(), qPrintable(where));
            QVERIFY2(symbol.size() == 1 || symbol == u"da", qPrintable(where));
            QVERIFY2(symbol.at(0).isUpper() == (exponent >= 6), qPrintable(where));
            names << name;
            symbols << symbol;
        }
        QCOMPARE(exponents, (QList<int>{18, 15, 12, 9, 6, 3, 2, 1, 0, -1, -2, -3, -6, -9, -12, -15, -18}));
        QCOMPARE(names.size(), 16);
        QCOMPARE(symbols.size(), 16);
        // What every pupil checks first.
        QCOMPARE(rowTexts(grid, 5).mid(0, 2), QStringList({QStringLiteral("kilo"), QStringLiteral("k")}));
        QCOMPARE(rowTexts(grid, 4).mid(0, 2), QStringList({QStringLiteral("mega"), QStringLiteral("M")}));
        QCOMPARE(rowTexts(grid, 11).mid(0, 2), QStringList({QStringLiteral("mili"), QStringLiteral("m")}));
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

TABLICZNIK_TEST_MAIN(ReferenceWindowsTest)
#include "referencewindows_test.moc"
