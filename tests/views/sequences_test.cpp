#include "support/testmain.h"
#include "support/viewtable.h"

#include "app/detailspages.h"
#include "app/pagecontrol.h"

using namespace tablicznik;
using namespace tablicznik::testing;

// The views' menus, and views among the other things a user does: a real
// mouse click on a view button, a view over a pinned element, "Czyść" after
// a view.
class ViewSequencesTest : public QObject {
    Q_OBJECT

private slots:
    void menusOfViews_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items"); // name=caption, "-" for a separator line
        QTest::newRow("density") << "GestoscButton" << "GestoscPopupMenu"
                                 << QStringList{"Gazy1=Gazy", "CiaaStae1=Ciała Stałe i Ciecze"};
        QTest::newRow("discovery") << "RokOdkrycButton" << "RokOdkrycPopupMenu"
                                   << QStringList{"Star1=Starożytność", "redniowiecze1=Średniowiecze",
                                                  "Pozostae1=Wszystkie"};
        QTest::newRow("conduction") << "TypPrzewButton" << "TypPrzewPopupMenu"
                                    << QStringList{"Pokametale1=Pokaż metale", "Pokaizolatory1=Pokaż izolatory",
                                                   "Pokapprzewodniki1=Pokaż półprzewodniki", "-",
                                                   "Pokawszystkie1=Pokaż wszystkie"};
        QTest::newRow("magnetic type") << "TypMagnetButton" << "TypMagnetPopupMenu"
                                       << QStringList{"Pokadiamagnetyki1=Pokaż diamagnetyki",
                                                      "Pokaparamagnetyki1=Pokaż paramagnetyki",
                                                      "Pokaferromagnetyki1=Pokaż ferromagnetyki", "-",
                                                      "Pokawszystkie2=Pokaż wszystkie"};
        QTest::newRow("susceptibility") << "PodatMagButton" << "PodatMagPopupMenu"
                                        << QStringList{"Pokaparamagnetyki2=Pokaż paramagnetyki",
                                                       "Pokadiamagnetyki2=Pokaż diamagnetyki"};
    }
    void menusOfViews()
    {
        QFETCH(QString, button);
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        ViewTable table;
        auto *popup = table.find<QMenu>(menu);
        QVERIFY(popup);
        QVERIFY(!popup->isVisible());
        QStringList shown;
        for (const QAction *action : popup->actions())
            shown << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + u'=' + action->text());
        QCOMPARE(shown, items);

        QCursor::setPos(table.window->mapToGlobal(QPoint(300, 250)));
        QVERIFY(table.click(button));
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->pos(), QCursor::pos());
        QCOMPARE(table.log.played, QStringList{QStringLiteral("KTXbutton.wav")});
        // Closing it without a choice changes nothing.
        popup->close();
        QVERIFY(!popup->isVisible());
        QCOMPARE(table.caption(), QStringLiteral("Tablicznik"));
        QVERIFY(!table.legendShown());
        QCOMPARE(table.enabledIn(buttonText()), range(1, 112));
        QCOMPARE(table.log.played.size(), 1);
    }

    void viewButtonClickedWithTheMouse()
    {
        ViewTable table;
        TPageControl *pages = table.window->details().pageControl();
        pages->setCurrentIndex(1); // "Budowa atomu"
        auto *button = table.find<QAbstractButton>(QStringLiteral("PromAtomButton"));
        QVERIFY(button);
        QVERIFY(button->isVisible());
        table.log.played.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(table.caption(), QStringLiteral("PROMIEŃ ATOMU [pm]."));
        QCOMPARE(table.colourOf(55), bgr(0x00005F));
        QCOMPARE(table.log.played, QStringList{QStringLiteral("KTXbutton.wav")});
    }

    void viewOverAPinnedElement()
    {
        ViewTable table;
        table.pin(26);
        QVERIFY(table.window->property("Pinned").toBool());
        QCOMPARE(table.colourOf(26), bgr(TOknoGlowne::PinColor));
        QVERIFY(table.click(QStringLiteral("PromAtomButton")));
        QVERIFY(!table.window->property("Pinned").toBool());
        QCOMPARE(table.colourOf(26), table.swatch(7)); // iron, 172 pm: "- 163÷182"
        QCOMPARE(table.caption(), QStringLiteral("PROMIEŃ ATOMU [pm]."));
        // The pages follow the pointer again.
        table.window->MySpeedButton1MouseMove(table.element(8));
        QCOMPARE(table.find<QLabel>(QStringLiteral("SymbolLab"))->text(), QStringLiteral("O"));
    }

    void menuViewOverAPinnedElement()
    {
        ViewTable table;
        table.pin(8);
        QVERIFY(table.choose(QStringLiteral("Gazy1")));
        QVERIFY(!table.window->property("Pinned").toBool());
        QCOMPARE(table.colourOf(8), table.swatch(3));
    }

    void czyscAfterAView_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("numeric") << "PromAtomButton";
        QTest::newRow("ranking") << "ZawZiemiaButton";
        QTest::newRow("menu item") << "Pokawszystkie2";
        QTest::newRow("shell") << "PowOButton";
    }
    void czyscAfterAView()
    {
        QFETCH(QString, trigger);
        ViewTable table;
        QVERIFY(table.start(trigger));
        QVERIFY(!table.disabledElements().empty() || trigger == u"PowOButton");
        QVERIFY(table.click(QStringLiteral("SpeedButton3")));
        QCOMPARE(table.enabledIn(buttonText()), range(1, 112));
        QVERIFY(!table.legendShown());
        QCOMPARE(table.shownEntries(), QList<int>{});
        QVERIFY(!table.legend(16).shown);
        QCOMPARE(table.caption(), QStringLiteral("Tablicznik"));
        QVERIFY(table.window->Timer1()->isActive());
        // And a view after the reset starts from the plain table.
        QVERIFY(table.start(trigger));
        QVERIFY(table.legendShown());
    }

    void everyViewButtonOfThePagesHasAView()
    {
        ViewTable table;
        QStringList silent;
        int viewButtons = 0;
        for (QAbstractButton *button : table.window->details().pageControl()->findChildren<QAbstractButton *>()) {
            if (!button->objectName().endsWith(u"Button"))
                continue;
            ++viewButtons;
            table.window->setWindowTitle(QStringLiteral("Tablicznik"));
            for (QMenu *menu : table.window->findChildren<QMenu *>())
                menu->close();
            button->click();
            bool answered = table.caption() != u"Tablicznik";
            for (QMenu *menu : table.window->findChildren<QMenu *>())
                answered = answered || menu->isVisible();
            if (!answered)
                silent << button->objectName();
        }
        QCOMPARE(silent, QStringList());
        QCOMPARE(viewButtons, 43);
    }
};

TABLICZNIK_TEST_MAIN(ViewSequencesTest)
#include "sequences_test.moc"
