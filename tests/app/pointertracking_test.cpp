#include "support/mainwindow.h"
#include "support/testmain.h"

#include "views/legend.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// A legend with every entry shown, as a view leaves it.
LegendContent fullLegend()
{
    LegendContent legend;
    legend.Count = 15;
    for (int k = 0; k < 16; ++k)
        legend.entries[k] = {0x000010u * quint32(k + 1), QStringLiteral("- wpis %1").arg(k + 1)};
    legend.entries[15].colour = SystemColour::GrayText;
    legend.Title = QStringLiteral(" Tytuł: ");
    return legend;
}

} // namespace

class PointerTrackingTest : public QObject {
    Q_OBJECT

    Catalogue m_catalogue;
    MainWindowFixture f;

private slots:
    void initTestCase() { m_catalogue = programCatalogue(); }
    void init() { f.open(m_catalogue, MainWindowFixture::pointerDriven()); }
    void cleanup() { f.close(); }

    void pointingAtAnElementShowsIt()
    {
        f.moveOnto(26);
        QCOMPARE(f.hovered(), 26);
        QCOMPARE(f.state("LastShownName").toString(), QStringLiteral("Żelazo"));
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Żelazo"));
        QCOMPARE(f.shown("NazLacLab"), QStringLiteral("Ferrum"));
        QCOMPARE(f.shown("SymbolLab"), QStringLiteral("Fe"));
        QCOMPARE(f.shown("LiczAtomLab"), QStringLiteral("26"));
        QCOMPARE(f.shown("TypMagnetLab"), QStringLiteral("ferromagnetyk"));
        QVERIFY(f.element(26)->isUp());
        QVERIFY(f.log.played.isEmpty());

        f.moveTo(MainWindowFixture::background());
        QCOMPARE(f.hovered(), 0);
        QVERIFY(!f.element(26)->isUp());
        for (const char *blank : {"NazPolLab", "NazLacLab", "SymbolLab", "LiczAtomLab", "TypMagnetLab"})
            QVERIFY2(f.shown(QLatin1StringView(blank)).isEmpty(), blank);
        QCOMPARE(f.state("LastShownName").toString(), QString());
    }

    // The over cue plays only when the pointer passes from one element onto
    // another without the window seeing movement in between; 0 is the
    // background, a negative number an element disabled by a view.
    void overCueOnlyFromElementToElement_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<int>("overCues");
        QTest::newRow("background to element") << QList<int>{0, 1} << 0;
        QTest::newRow("element to its neighbour") << QList<int>{1, 3} << 1;
        QTest::newRow("across three elements") << QList<int>{1, 3, 11} << 2;
        QTest::newRow("through the background") << QList<int>{1, 0, 3} << 0;
        QTest::newRow("within one element") << QList<int>{1, 1} << 0;
        QTest::newRow("through a disabled element") << QList<int>{1, -3, 11} << 0;
        QTest::newRow("from the lanthanides into the table") << QList<int>{57, 56, 72} << 2;
    }
    void overCueOnlyFromElementToElement()
    {
        QFETCH(QList<int>, path);
        QFETCH(int, overCues);
        int previous = 0, step = 0;
        for (int stop : path) {
            if (stop < 0)
                f.element(-stop)->setEnabled(false);
            if (stop == 0)
                f.moveTo(MainWindowFixture::background() + QPoint(step++, 0));
            else
                f.moveTo(f.element(std::abs(stop)), QPoint(10 + step++, 10));
            if (previous > 0 && previous != stop)
                QVERIFY2(!f.element(previous)->isUp(), "the element left keeps its hover edge");
            QCOMPARE(f.hovered(), std::max(stop, 0));
            previous = stop;
        }
        QCOMPARE(f.log.played, QStringList(overCues, kOver));
    }

    void sameElementTwiceDoesNotRefill()
    {
        f.moveOnto(26);
        auto *name = f.find<QLabel>(QStringLiteral("NazPolLab"));
        name->setText(QStringLiteral("stale"));
        f.moveTo(f.element(26), QPoint(5, 5));
        QCOMPARE(name->text(), QStringLiteral("stale"));

        f.moveTo(MainWindowFixture::background());
        f.moveOnto(26);
        QCOMPARE(name->text(), QStringLiteral("Żelazo"));
    }

    // The placeholder blanks the active page and the three values that
    // follow every element; other pages keep what they showed.
    void placeholderBlanksOnlyTheActivePage()
    {
        f.moveOnto(26);
        QTest::keyClick(f.pages(), Qt::Key_Right); // to page 2, no pointer movement
        QCOMPARE(f.pages()->currentIndex(), 1);
        f.moveOnto(8);
        QCOMPARE(f.shown("KonfElektrRichEdit"), QStringLiteral("[He]2s22p4"));
        QCOMPARE(f.shown("PromAtomLab"), m_catalogue.element(8).PromAtom);
        QCOMPARE(f.shown("SymbolLab"), QStringLiteral("O"));
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Żelazo")); // page 1 was not filled

        f.moveTo(MainWindowFixture::background());
        QCOMPARE(f.shown("KonfElektrRichEdit"), QString());
        QCOMPARE(f.shown("PromAtomLab"), QString());
        QCOMPARE(f.shown("PowKLab"), QString());
        QCOMPARE(f.shown("SymbolLab"), QString());
        QCOMPARE(f.shown("LiczAtomLab"), QString());
        QCOMPARE(f.shown("TypMagnetLab"), QString());
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Żelazo"));
        QCOMPARE(f.shown("MasaAtomLab"), m_catalogue.element(26).MasaAtom);
    }

    void rightPressPins()
    {
        f.pin(1);
        QVERIFY(f.pinned());
        QCOMPARE(f.state("PinnedNumber").toInt(), 1);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik - Wodór"));
        QCOMPARE(f.element(1)->textColor(), QColor(0x88, 0xDF, 0x00));
        for (int n = 2; n <= Catalogue::kCount; ++n) {
            QCOMPARE(f.element(n)->textColor(), QColor(Qt::black));
            QVERIFY(f.element(n)->isEnabled());
        }
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Wodór"));
        QCOMPARE(f.log.played, QStringList{kClick});

        // Moving over helium still tracks the pointer but keeps the pages.
        f.moveOnto(2);
        QCOMPARE(f.hovered(), 2);
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Wodór"));
        QCOMPARE(f.shown("SymbolLab"), QStringLiteral("H"));
        f.moveTo(MainWindowFixture::background());
        QCOMPARE(f.shown("SymbolLab"), QStringLiteral("H"));
    }

    void pinMovesToTheNextElement()
    {
        f.pin(1);
        f.pin(2);
        QCOMPARE(f.state("PinnedNumber").toInt(), 2);
        QCOMPARE(f.element(1)->textColor(), QColor(Qt::black));
        QCOMPARE(f.element(2)->textColor(), QColor(0x88, 0xDF, 0x00));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik - Hel"));
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Hel"));
    }

    void otherButtonsDoNotPin_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void otherButtonsDoNotPin()
    {
        QFETCH(Qt::MouseButton, button);
        QSignalSpy menu(f.window.get(), &TOknoGlowne::optionsMenuRequested);
        f.press(f.element(26), button);
        QVERIFY(!f.pinned());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik"));
        QCOMPARE(menu.count(), 0);
        f.release(f.element(26), button);
    }

    // Every newly chosen page is filled with the pinned element.
    void pinnedPageChangesFillTheNewPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("field");
        QTest::newRow("atomic structure") << 1 << "PromKowalLab" << "PromKowal";
        QTest::newRow("macroscopic") << 2 << "GestoscLab" << "Gestosc";
        QTest::newRow("chemical") << 3 << "StopUtlLab" << "StopUtl";
        QTest::newRow("phase") << 4 << "MolEntAtomLab" << "MolEntAtom";
        QTest::newRow("thermal") << 5 << "EntropMolLab" << "EntropMol";
        QTest::newRow("electric") << 6 << "TypPrzewLab" << "TypPrzew";
        QTest::newRow("ions") << 7 << "PotJon4Lab" << "PotJon4";
        QTest::newRow("isotopes") << 9 << "LiczTrIzotopLab" << "LiczTrIzotop";
    }
    void pinnedPageChangesFillTheNewPage()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, field);
        f.pin(26);
        f.log.played.clear();
        f.moveTo(MainWindowFixture::background());
        f.choosePage(page);
        QCOMPARE(f.pages()->currentIndex(), page);
        QVERIFY(f.pinned());
        QCOMPARE(f.shown(control), fieldOf(m_catalogue.element(26), field));
        QCOMPARE(f.log.played, QStringList{kPage});
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik - Żelazo"));
    }

    // With nothing pinned a page change resets the table, and the new page
    // shows what it showed before until an element is shown again.
    void unpinnedPageChangeResets()
    {
        f.window->Maluj(fullLegend());
        f.element(5)->setEnabled(false);
        f.element(6)->setTextColor(Qt::red);
        f.moveOnto(26);
        f.log.played.clear();

        f.choosePage(3);
        QCOMPARE(f.log.played, (QStringList{kPage, kClick}));
        QVERIFY(f.find(QStringLiteral("LegendaBox"))->isHidden());
        QVERIFY(f.element(5)->isEnabled());
        QCOMPARE(f.element(6)->textColor(), colour(SystemColour::BtnText));
        QCOMPARE(f.shown("CharTlenLab"), QString());

        f.moveOnto(26);
        QCOMPARE(f.shown("CharTlenLab"), QStringLiteral("amfoteryczny"));
    }

    void resetAfterAView_data()
    {
        QTest::addColumn<bool>("clockVisible");
        QTest::newRow("clock on") << true;
        QTest::newRow("clock off") << false;
    }
    void resetAfterAView()
    {
        QFETCH(bool, clockVisible);
        f.window->setProperty("ClockVisible", clockVisible);
        f.window->Maluj(fullLegend());
        for (int n : {1, 30, 112})
            f.element(n)->setEnabled(false);
        for (int n : {2, 31, 111})
            f.element(n)->setTextColor(Qt::yellow);
        f.window->setCaption(QStringLiteral("PROMIEŃ ATOMU [pm]."));
        QVERIFY(!f.window->Timer1()->isActive());

        f.click(f.find(QStringLiteral("SpeedButton3")));
        for (int n = 1; n <= Catalogue::kCount; ++n) {
            QCOMPARE(f.element(n)->textColor(), colour(SystemColour::BtnText));
            QVERIFY(f.element(n)->isEnabled());
        }
        QVERIFY(f.find(QStringLiteral("LegendaBox"))->isHidden());
        QCOMPARE(f.find(QStringLiteral("WitamyLab1"))->isVisible(), clockVisible);
        QCOMPARE(f.find(QStringLiteral("WitamyLab2"))->isVisible(), clockVisible);
        QVERIFY(f.window->Timer1()->isActive());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik"));
        QCOMPARE(f.log.played, QStringList{kClick});
    }

    // The reset of a pin gives the pinned element back its colour; the
    // others keep the black of the pin.
    void resetWhilePinned()
    {
        f.pin(26);
        f.moveTo(MainWindowFixture::background());
        f.click(f.find(QStringLiteral("SpeedButton3")));
        QVERIFY(!f.pinned());
        QCOMPARE(f.element(26)->textColor(), colour(SystemColour::BtnText));
        QCOMPARE(f.element(25)->textColor(), QColor(Qt::black));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tablicznik"));
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Żelazo")); // the pages stay
        f.moveOnto(8);
        QCOMPARE(f.shown("NazPolLab"), QStringLiteral("Tlen"));
    }

    void rightPressOnADisabledElementOpensTheMenu()
    {
        QSignalSpy menu(f.window.get(), &TOknoGlowne::optionsMenuRequested);
        f.element(5)->setEnabled(false);
        f.press(f.element(5), Qt::RightButton);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.at(0).at(0).toPoint(), f.element(5)->mapToGlobal(f.element(5)->rect().center()));
        QVERIFY(!f.pinned());
        QVERIFY(f.log.played.isEmpty());
        f.release(f.element(5), Qt::RightButton);
    }

    void leftClicksAskForCards()
    {
        QSignalSpy cards(f.window.get(), &TOknoGlowne::cardRequested);
        f.click(f.element(1));
        f.moveTo(MainWindowFixture::background());
        f.click(f.element(2));
        QCOMPARE(cards.count(), 2);
        QCOMPARE(cards.at(0).at(0).toString(), QStringLiteral("Wodór"));
        QCOMPARE(cards.at(1).at(0).toString(), QStringLiteral("Hel"));
        QCOMPARE(f.state("CardElementName").toString(), QStringLiteral("Hel"));
        QCOMPARE(f.log.played, (QStringList{kClick, kClick}));
        QVERIFY(!f.pinned());
    }

    void helpButton()
    {
        QSignalSpy help(f.window.get(), &TOknoGlowne::helpRequested);
        f.click(f.find(QStringLiteral("SpeedButton1")));
        QCOMPARE(help.count(), 1);
        QCOMPARE(f.log.played, QStringList{kClick});
    }

private:
    // The rows of the routing tests: a control, the point on it, the page to
    // show first, whether the legend shows, and whether the event passes.
    static void routingColumns()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("legendShown");
        QTest::addColumn<bool>("passes");
    }

    // Shows the row's page (and legend) and finds its control.
    QWidget *reach(const QString &control, QPoint point)
    {
        QFETCH(int, page);
        QFETCH(bool, legendShown);
        for (int i = 0; i < page; ++i)
            QTest::keyClick(f.pages(), Qt::Key_Right);
        if (legendShown)
            f.window->Maluj(fullLegend());
        return f.on(control, point);
    }

private slots:
    // Which controls hand pointer movement to the window: after an element
    // was shown, moving onto such a control blanks the page; any other
    // control leaves it as it was. `point` is inside the control, where no
    // other control covers it (the centre when null).
    void movementReachesTheWindow_data()
    {
        routingColumns();
        QTest::newRow("window") << "OknoGlowne" << MainWindowFixture::background() << 0 << false << true;
        QTest::newRow("group label") << "GrupaLabel13" << QPoint() << 0 << false << true;
        QTest::newRow("La") << "Label21" << QPoint() << 0 << false << true;
        QTest::newRow("Ac") << "Label30" << QPoint() << 0 << false << true;
        QTest::newRow("legend box") << "LegendaBox" << QPoint(320, 88) << 0 << true << true;
        QTest::newRow("no-data swatch") << "Shape16" << QPoint() << 0 << true << true;
        QTest::newRow("no-data text") << "Shape16Label" << QPoint(3, 5) << 0 << true << false;
        QTest::newRow("swatch in the box") << "Shape3" << QPoint() << 0 << true << false;
        QTest::newRow("text in the box") << "Shape3Label" << QPoint(3, 5) << 0 << true << false;
        QTest::newRow("date") << "WitamyLab1" << QPoint(5, 5) << 0 << false << false;
        QTest::newRow("clock") << "WitamyLab2" << QPoint(5, 5) << 0 << false << false;
        QTest::newRow("Opcje") << "SpeedButton2" << QPoint() << 0 << false << true;
        QTest::newRow("Czyść") << "SpeedButton3" << QPoint() << 0 << false << true;
        QTest::newRow("Wyjdź") << "SpeedButton4" << QPoint() << 0 << false << true;
        QTest::newRow("help") << "SpeedButton1" << QPoint() << 0 << false << false;
        QTest::newRow("animation") << "Animate1" << QPoint() << 0 << false << false;
        QTest::newRow("version") << "Label1" << QPoint() << 0 << false << false;
        QTest::newRow("logo") << "Image1" << QPoint() << 0 << false << false;
        QTest::newRow("details panel") << "Panel2" << QPoint(40, 100) << 0 << false << false;
        QTest::newRow("tab row") << "PageControl1" << QPoint(500, 20) << 0 << false << true;
        QTest::newRow("page 1") << "TabSheet1" << QPoint(520, 70) << 0 << false << true;
        QTest::newRow("page 3") << "TabSheet3" << QPoint(520, 70) << 2 << false << true;
        QTest::newRow("page 7") << "TabSheet7" << QPoint(520, 70) << 6 << false << true;
        QTest::newRow("caption on page 1") << "NazPolLabText" << QPoint() << 0 << false << false;
        QTest::newRow("value on page 1") << "NazPolLab" << QPoint(90, 8) << 0 << false << false;
        QTest::newRow("view button") << "StanSkupButton" << QPoint() << 0 << false << false;
        QTest::newRow("group box of page 2") << "GroupBox11" << QPoint(166, 40) << 1 << false << false;
        QTest::newRow("group box of page 8") << "GroupBox9" << QPoint(520, 70) << 7 << false << true;
        QTest::newRow("group box of page 9") << "GroupBox1" << QPoint(520, 70) << 8 << false << true;
        QTest::newRow("page 10 between its boxes") << "TabSheet10" << QPoint(102, 40) << 9 << false << false;
        QTest::newRow("isotopes box") << "IzotopyGroupBox" << QPoint(3, 40) << 9 << false << true;
        QTest::newRow("isotopes text") << "IzotopyRichEdit" << QPoint(20, 20) << 9 << false << false;
        QTest::newRow("minerals text") << "MineralyRichEdit" << QPoint(20, 20) << 10 << false << true;
    }
    void movementReachesTheWindow()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        QFETCH(bool, passes);
        QWidget *target = reach(control, point);
        QVERIFY(target);

        f.moveOnto(26);
        QCOMPARE(f.hovered(), 26);
        f.moveTo(target, point);
        QCOMPARE(f.hovered(), passes ? 0 : 26);
        QCOMPARE(f.shown("SymbolLab"), passes ? QString() : QStringLiteral("Fe"));
    }

    // Which controls hand presses to the window: a right press there asks
    // for the options menu.
    void pressesReachTheWindow_data()
    {
        routingColumns();
        QTest::newRow("window") << "OknoGlowne" << MainWindowFixture::background() << 0 << false << true;
        QTest::newRow("group label") << "GrupaLabel1" << QPoint() << 0 << false << true;
        QTest::newRow("Ac") << "Label30" << QPoint() << 0 << false << true;
        QTest::newRow("date") << "WitamyLab1" << QPoint(5, 5) << 0 << false << true;
        QTest::newRow("clock") << "WitamyLab2" << QPoint(5, 5) << 0 << false << true;
        QTest::newRow("legend box") << "LegendaBox" << QPoint(320, 88) << 0 << true << true;
        QTest::newRow("swatch") << "Shape7" << QPoint() << 0 << true << true;
        QTest::newRow("swatch text") << "Shape12Label" << QPoint(3, 5) << 0 << true << true;
        QTest::newRow("no-data swatch") << "Shape16" << QPoint() << 0 << true << true;
        QTest::newRow("no-data text") << "Shape16Label" << QPoint(3, 5) << 0 << true << true;
        QTest::newRow("Opcje") << "SpeedButton2" << QPoint() << 0 << false << false;
        QTest::newRow("Czyść") << "SpeedButton3" << QPoint() << 0 << false << false;
        QTest::newRow("help") << "SpeedButton1" << QPoint() << 0 << false << false;
        QTest::newRow("animation") << "Animate1" << QPoint() << 0 << false << false;
        QTest::newRow("version") << "Label1" << QPoint() << 0 << false << false;
        QTest::newRow("details panel") << "Panel2" << QPoint(40, 100) << 0 << false << false;
        QTest::newRow("tab row") << "PageControl1" << QPoint(500, 20) << 0 << false << false;
        QTest::newRow("page 1") << "TabSheet1" << QPoint(520, 70) << 0 << false << false;
        QTest::newRow("value on page 1") << "NazPolLab" << QPoint(90, 8) << 0 << false << false;
        QTest::newRow("group box of page 8") << "GroupBox9" << QPoint(520, 70) << 7 << false << false;
        QTest::newRow("minerals text") << "MineralyRichEdit" << QPoint(20, 20) << 10 << false << false;
    }
    void pressesReachTheWindow()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        QFETCH(bool, passes);
        QWidget *target = reach(control, point);
        QVERIFY(target);
        QSignalSpy menu(f.window.get(), &TOknoGlowne::optionsMenuRequested);
        f.press(target, Qt::RightButton, point);
        f.release(target, Qt::RightButton, point);
        QCOMPARE(menu.count(), passes ? 1 : 0);

        // Only the right button asks for the menu.
        if (passes) {
            f.press(target, Qt::LeftButton, point);
            f.release(target, Qt::LeftButton, point);
            QCOMPARE(menu.count(), 1);
        }
    }
};

TABLICZNIK_TEST_MAIN(PointerTrackingTest)
#include "pointertracking_test.moc"
