#include "support/auxiliarywindows.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include "windows/tmasamolowaform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using namespace tablicznik;
using namespace tablicznik::testing;

class MolarMassTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;
    TMasaMolowaForm *form = nullptr;

    QComboBox *wzor() const { return child<QComboBox>(form, "Wzor"); }
    QString text(const char *name) const { return child<QLabel>(form, name)->text(); }
    QLineEdit *amount(const char *name) const { return child<QLineEdit>(form, name); }
    void type(const QString &formula)
    {
        wzor()->lineEdit()->clear();
        QTest::keyClicks(wzor()->lineEdit(), formula);
    }
    QStringList column(int c) const
    {
        auto *sklad = child<QTableWidget>(form, "Sklad");
        QStringList cells;
        for (int row = 0; row < sklad->rowCount(); ++row)
            cells << sklad->item(row, c)->text();
        return cells;
    }

private slots:
    void init()
    {
        f = std::make_unique<WindowsFixture>();
        form = f->windows.show(new TMasaMolowaForm(programCatalogue(), f->cues));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        f.reset(); // the kept window goes with it
        form = nullptr;
    }

    void opensReadyToType()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Masa molowa"));
        QCOMPARE(QApplication::focusWidget(), wzor());
        QVERIFY(!wzor()->accessibleName().isEmpty());
        QVERIFY(!child<QWidget>(form, "Wynik")->accessibleName().isEmpty());
        QVERIFY(!child<QWidget>(form, "Sklad")->accessibleName().isEmpty());
        // The rule for a bare sign is where the pupil sees it.
        QVERIFY(text("Zasada").contains(QStringLiteral("NH4+ to NH₄⁺")));
    }

    // Sulphuric acid from the IUPAC masses: 2·1,00794 + 32,065 + 4·15,9994 = 98,07848.
    void resultAsTyped()
    {
        QTest::keyClicks(wzor()->lineEdit(), QStringLiteral("H2SO4"));
        QCOMPARE(text("Wynik"), QStringLiteral("M(H₂SO₄) = 98,08 g/mol"));
        QCOMPARE(column(0), QStringList({"H", "S", "O"}));
        QCOMPARE(column(1), QStringList({"Wodór", "Siarka", "Tlen"}));
        QCOMPARE(column(2), QStringList({"2", "1", "4"}));
        QCOMPARE(column(3), QStringList({"2,016", "32,065", "63,998"}));
        QCOMPARE(column(4), QStringList({"2,06 %", "32,69 %", "65,25 %"}));
        QCOMPARE(text("Stosunek"), QStringLiteral("Stosunek masowy: H : S : O ≈ 1 : 15,91 : 31,75"));
        QVERIFY(text("Uwaga").isEmpty());

        type(QStringLiteral("SO4 2-"));
        QCOMPARE(text("Wynik"), QStringLiteral("M(SO₄²⁻) = 96,06 g/mol"));
        QVERIFY(text("Uwaga").contains(QStringLiteral("elektronów")));
        type(QStringLiteral("TcO4-"));
        QVERIFY(text("Uwaga").contains(QStringLiteral("Tc nie ma trwałych izotopów")));
    }

    void errorReplacesTheResult()
    {
        QTest::keyClicks(wzor()->lineEdit(), QStringLiteral("H2O"));
        QCOMPARE(text("Wynik"), QStringLiteral("M(H₂O) = 18,02 g/mol"));
        QVERIFY(child<QLabel>(form, "Blad")->isHidden());
        QTest::keyClicks(wzor()->lineEdit(), QStringLiteral("x"));
        auto *blad = child<QLabel>(form, "Blad");
        QVERIFY(!blad->isHidden());
        QVERIFY(blad->text().startsWith(QStringLiteral("Znak 3: nieznany symbol pierwiastka „Ox”.")));
        QVERIFY(blad->text().contains(QStringLiteral("H2<u")));
        QCOMPARE(text("Wynik"), QStringLiteral("M = ?"));
        QCOMPARE(child<QTableWidget>(form, "Sklad")->rowCount(), 0);
        QVERIFY(text("Stosunek").isEmpty());
        QVERIFY(amount("Masa")->text().isEmpty());
        QVERIFY(form->resultText().isEmpty());
        type(QStringLiteral("h2o"));
        QVERIFY(child<QLabel>(form, "Blad")->text().contains(QStringLiteral("Czy chodziło o H2O?")));
    }

    // H2SO4 = 2·1 + 32 + 4·16 = 98; HCl = 1 + 35,5.
    void schoolMasses()
    {
        QTest::keyClicks(wzor()->lineEdit(), QStringLiteral("H2SO4"));
        auto *rounded = child<QCheckBox>(form, "MasyZaokraglone");
        QCOMPARE(rounded->text(), QStringLiteral("Masy zaokrąglone (jak w szkole)"));
        QVERIFY(!rounded->isChecked());
        rounded->click();
        QCOMPARE(text("Wynik"), QStringLiteral("M(H₂SO₄) = 98,00 g/mol"));
        QVERIFY(text("Stosunek").endsWith(QStringLiteral("H : S : O = 1 : 16 : 32")));
        QVERIFY(text("Uwaga").contains(QStringLiteral("Cl = 35,5")));
        type(QStringLiteral("HCl"));
        QCOMPARE(text("Wynik"), QStringLiteral("M(HCl) = 36,50 g/mol"));
        rounded->click();
        QCOMPARE(text("Wynik"), QStringLiteral("M(HCl) = 36,46 g/mol")); // 1,00794 + 35,453
    }

    // Chalk at school masses: 100 g/mol; 10 g is 0,1 mol, 6,022141E22
    // particles (the constants table's N_A) and 2,24 dm³ as a gas.
    void converter()
    {
        child<QCheckBox>(form, "MasyZaokraglone")->click();
        QTest::keyClicks(wzor()->lineEdit(), QStringLiteral("CaCO3"));
        QCOMPARE(amount("Mole")->text(), QStringLiteral("1"));
        QCOMPARE(amount("Masa")->text(), QStringLiteral("100,0000"));
        amount("Masa")->clear();
        QTest::keyClicks(amount("Masa"), QStringLiteral("10"));
        QCOMPARE(amount("Mole")->text(), QStringLiteral("0,1"));
        QCOMPARE(amount("Czastki")->text(), QStringLiteral("6,022141E22"));
        QCOMPARE(amount("Objetosc")->text(), QStringLiteral("2,2400"));
        amount("Objetosc")->clear();
        QTest::keyClicks(amount("Objetosc"), QStringLiteral("4,48"));
        QCOMPARE(amount("Masa")->text(), QStringLiteral("20,0000"));
        // The field edited last holds when the formula changes: 4,48 dm³ of CO2 is 8,8 g.
        type(QStringLiteral("CO2"));
        QCOMPARE(amount("Objetosc")->text(), QStringLiteral("4,48"));
        QCOMPARE(amount("Masa")->text(), QStringLiteral("8,8000"));
        amount("Masa")->clear();
        QTest::keyClicks(amount("Masa"), QStringLiteral("abc"));
        QVERIFY(amount("Mole")->text().isEmpty());
    }

    void keyboard()
    {
        QTest::keyClicks(wzor()->lineEdit(), QStringLiteral("H2SO4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("MasyZaokraglone"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Wynik"));
        QApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("M(H2SO4) = 98,08 g/mol"));
        for (const char *next : {"Sklad", "Masa", "Mole", "Czastki", "Objetosc"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1StringView(next));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(form->isHidden());
        QCOMPARE(f->log.played, QStringList{kExit});
    }

    // The last ten formulas, newest first, each once.
    void history()
    {
        const QStringList formulas = {"H2O", "CO2", "NaCl", "H2SO4", "HCl", "NH3", "CH4", "O2", "N2", "KOH", "H2O", "Fe2O3"};
        for (const QString &formula : formulas) {
            type(formula);
            QTest::keyClick(wzor()->lineEdit(), Qt::Key_Return);
        }
        type(QStringLiteral("Xx")); // not a formula: not kept
        QTest::keyClick(wzor()->lineEdit(), Qt::Key_Return);
        QStringList offered;
        for (int i = 0; i < wzor()->count(); ++i)
            offered << wzor()->itemText(i);
        QCOMPARE(offered, QStringList({"Fe2O3", "H2O", "KOH", "N2", "O2", "CH4", "NH3", "HCl", "H2SO4", "NaCl"}));
        QCOMPARE(wzor()->currentText(), QStringLiteral("Xx"));
    }
};

TABLICZNIK_TEST_MAIN(MolarMassTest)
#include "molarmass_test.moc"
