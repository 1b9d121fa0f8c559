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

// "⁻¹⁸" -> "-18".
QString fromSuperscript(const QString &raised)
{
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString plain;
    for (const QChar c : raised)
        plain += c == u'⁻' ? QChar(u'-') : QChar(char16_t(u'0' + superscripts.indexOf(c)));
    return plain;
}

// The number of a value written as the table writes it: "6,02214076·10²³
// mol⁻¹", "9,80665 m/s²", "8 bitów"; nothing for any other notation.
std::optional<double> valueOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+(?:,\\d+)?)(?:·10([⁻]?[⁰¹²³⁴⁵⁶⁷⁸⁹]+))?(?: \\S.*)?$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1).replace(u',', u'.');
    if (match.hasCaptured(2)) {
        number += u'e' + fromSuperscript(match.captured(2));
    }
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

    // Under the header stand the 37 constants, each a name and a value as a
    // pupil reads it: decimal comma, powers of ten and units with
    // superscripts. The constants that the SI fixes since 2019 carry their
    // defined values, marked exact.
    void constantsCells()
    {
        WindowsFixture f;
        TStaleForm window(f.cues);
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(headerTexts(grid), QStringList({QStringLiteral("Nazwa stałej:"), QStringLiteral("Wartość:")}));
        QCOMPARE(grid->rowCount(), 37);
        const QMap<QString, QString> values = constants(grid);
        QCOMPARE(values.size(), 37); // no name twice
        static const QRegularExpression computerNotation(QStringLiteral("\\d[Ee][-+]?\\d|\\^|1/"));
        for (auto it = values.begin(); it != values.end(); ++it) {
            QVERIFY2(!it.key().trimmed().isEmpty(), qPrintable(it.value()));
            QVERIFY2(valueOf(it.value()), qPrintable(it.key() + QStringLiteral(": ") + it.value()));
            QVERIFY2(!it.value().contains(computerNotation), qPrintable(it.value()));
        }
        const std::pair<const char *, const char *> defined[] = {
            {"Stała Avogadro:", "6,02214076·10²³ mol⁻¹"}, {"Ładunek elektronu:", "1,602176634·10⁻¹⁹ C"},
            {"Stała Plancka:", "6,62607015·10⁻³⁴ J·s"},   {"Stała Boltzmanna", "1,380649·10⁻²³ J/K"},
            {"Prędkość światła:", "2,99792458·10⁸ m/s"},
        };
        for (const auto &[name, value] : defined)
            QCOMPARE(values.value(QString::fromUtf8(name)), QString::fromUtf8(value) + QStringLiteral(" (dokładnie)"));
        // A measured constant is never called exact.
        for (const char *measured : {"Stała grawitacyjna:", "Masa sp. elektronu:", "Stała Rydberga:", "Jednostka masy atom.:"})
            QVERIFY(!values.value(QString::fromUtf8(measured)).contains(QStringLiteral("dokładnie")));
        QCOMPARE(rowTexts(grid, 0).at(0), QStringLiteral("Jednostka masy atom.:"));
        QCOMPARE(rowTexts(grid, 1).at(0), QStringLiteral("Stała Avogadro:"));
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
        QVERIFY(near(avogadro * boltzmann, gas, 1e-9));
        QVERIFY(near(avogadro * charge, faraday, 1e-9));
        // One gram per mole, to the ten digits the two are given to.
        QVERIFY(near(v("Jednostka masy atom.:") * avogadro, 1e-3, 1e-9));
        QVERIFY(near(avogadro / molarVolume, v("Stała Loschmidta:"), 1e-9));
        QVERIFY(near(gas * 273.15 / 101325, molarVolume, 1e-9));
        QVERIFY(near(mu, 4e-7 * std::numbers::pi, 1e-9)); // no longer exact since 2019, still this close
        QVERIFY(near(epsilon * mu * light * light, 1, 1e-10));
        QVERIFY(near(electron * std::pow(charge, 4) / (8 * epsilon * epsilon * std::pow(planck, 3) * light),
                     v("Stała Rydberga:"), 1e-9));
        QVERIFY(electron < proton && proton < neutron);
        QVERIFY(near(proton / electron, 1836.15267343, 1e-9));

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
        QCOMPARE(window.minimumSize(), window.maximumSize()); // a fixed dialog frame
        QVERIFY(window.height() < 480); // on the smallest screens too
        QCOMPARE(window.font().pixelSize(), 11);

        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(grid->geometry(), window.rect());
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->rowCount(), 25);
        QVERIFY(grid->columnWidth(0) + grid->columnWidth(1) + grid->columnWidth(2) <= window.width());
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
        // Every name and meaning fits its column untightened, drawn two pixels
        // in as the old grids drew it.
        const QFontMetrics metrics(grid->font());
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column : {0, 2})
                QVERIFY2(2 + metrics.horizontalAdvance(rowTexts(grid, row).at(column)) < grid->columnWidth(column),
                         qPrintable(rowTexts(grid, row).at(column)));
    }

    // Twenty-five prefixes from 10³⁰ down to 10⁻³⁰: every third power, and
    // each power from 10² to 10⁻². Each meaning is the power it names, with
    // a raised exponent, then as a plain number; the symbols are capitals
    // from mega up, and the row of 10⁰ has no prefix.
    void prefixesCells()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        auto *grid = child<QTableWidget>(&window, "StringGrid1");
        QCOMPARE(grid->rowCount(), 25);
        static const QRegularExpression power(QStringLiteral("^10([⁻]?[⁰¹²³⁴⁵⁶⁷⁸⁹]+) = (.*)$"));
        QList<int> exponents;
        QSet<QString> names, symbols;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QStringList cells = rowTexts(grid, row);
            const QString where = cells.join(u'|');
            const auto match = power.match(cells.at(2));
            QVERIFY2(match.hasMatch(), qPrintable(where));
            const int exponent = fromSuperscript(match.captured(1)).toInt();
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
            symbols << symbol.toLower() + (symbol.at(0).isUpper() ? QStringLiteral("+") : QString());
        }
        QCOMPARE(exponents, (QList<int>{30, 27, 24, 21, 18, 15, 12, 9, 6, 3, 2, 1, 0, -1, -2, -3, -6, -9, -12, -15,
                                        -18, -21, -24, -27, -30}));
        QCOMPARE(names.size(), 24);
        QCOMPARE(symbols.size(), 24);
        // What every pupil checks first, and the newest four.
        const auto row = [&](int exponent) { return rowTexts(grid, exponents.indexOf(exponent)).mid(0, 2); };
        QCOMPARE(row(3), QStringList({QStringLiteral("kilo"), QStringLiteral("k")}));
        QCOMPARE(row(6), QStringList({QStringLiteral("mega"), QStringLiteral("M")}));
        QCOMPARE(row(-3), QStringList({QStringLiteral("mili"), QStringLiteral("m")}));
        QCOMPARE(row(30), QStringList({QStringLiteral("kwetta"), QStringLiteral("Q")}));
        QCOMPARE(row(27), QStringList({QStringLiteral("ronna"), QStringLiteral("R")}));
        QCOMPARE(row(-27), QStringList({QStringLiteral("ronto"), QStringLiteral("r")}));
        QCOMPARE(row(-30), QStringList({QStringLiteral("kwekto"), QStringLiteral("q")}));
    }

    void microIsTheMicroSign()
    {
        WindowsFixture f;
        TPrzedrostkiForm window(f.cues);
        const QString symbol = rowTexts(child<QTableWidget>(&window, "StringGrid1"), 16).at(1); // 10⁻⁶
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
