#include "app/optionsmenu.h"
#include "support/mainwindow.h"
#include "support/testmain.h"
#include "windows/auxiliarywindows.h"
#include "windows/trozpuszczalnoscform.h"
#include "windows/tszeregform.h"

#include <QMenu>
#include <QSettings>

using namespace tablicznik;
using namespace tablicznik::testing;

// The school tables from the options menu and their shortcuts: one window
// of each, brought forward by every further use, and nothing stored.
class SchoolTablesMenuTest : public QObject {
    Q_OBJECT

    MainWindowFixture f;

    template <typename Window>
    QList<Window *> opened() const
    {
        return f.window->auxiliaryWindows().windows<Window>();
    }

private slots:
    void init() { f.open(); }
    void cleanup() { f.close(); }

    void menuItemsBesideTheConstants()
    {
        QMenu *menu = f.window->optionsMenu().SetupPopupMenu();
        QStringList names;
        for (QAction *item : menu->actions())
            names << item->objectName();
        const qsizetype prefixes = names.indexOf(QStringLiteral("Przedr1"));
        QVERIFY(prefixes > 0);
        QCOMPARE(names.mid(prefixes + 1, 2), QStringList({"Rozpuszczalnosc1", "Szereg1"}));
        QAction *solubility = menu->findChild<QAction *>(QStringLiteral("Rozpuszczalnosc1"));
        QAction *series = menu->findChild<QAction *>(QStringLiteral("Szereg1"));
        QCOMPARE(solubility->text(), QStringLiteral("Tabela rozpuszczalności..."));
        QCOMPARE(series->text(), QStringLiteral("Szereg elektrochemiczny metali..."));
        QCOMPARE(solubility->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        QCOMPARE(series->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
        solubility->trigger();
        series->trigger();
        QCOMPARE(opened<TRozpuszczalnoscForm>().size(), 1);
        QCOMPARE(opened<TSzeregForm>().size(), 1);
    }

    void secondUseBringsTheOneWindowForward_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("title");
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << "Tabela rozpuszczalności";
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << "Szereg elektrochemiczny metali";
    }
    void secondUseBringsTheOneWindowForward()
    {
        QFETCH(int, key);
        QFETCH(QString, title);
        auto press = [&] {
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            QTest::keyClick(f.window.get(), Qt::Key(key), Qt::ControlModifier);
        };
        press();
        const QList<QWidget *> first = f.window->auxiliaryWindows().windows();
        QCOMPARE(first.size(), 1);
        QWidget *window = first.first();
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(window->isVisible());
        press(); // while it is open
        QCOMPARE(f.window->auxiliaryWindows().windows(), first);
        window->showMinimized();
        press(); // while it is minimised
        QVERIFY(!(window->windowState() & Qt::WindowMinimized));
        window->close();
        QVERIFY(window->isHidden());
        press(); // after it was closed
        QCOMPARE(f.window->auxiliaryWindows().windows(), first);
        QVERIFY(window->isVisible());
        QCOMPARE(f.log.played, QStringList({kOver, kOver, kOver, kExit, kOver}));
    }


    // The choice in a window is not written to the settings store.
    void nothingIsStored()
    {
        QSettings store;
        const QStringList before = store.allKeys();
        f.window->optionsMenu().RozpuszczalnoscAction()->trigger();
        f.window->optionsMenu().SzeregAction()->trigger();
        opened<TRozpuszczalnoscForm>().first()->showCell(2, 16);
        for (QWidget *w : f.window->auxiliaryWindows().windows())
            w->close();
        store.sync();
        QCOMPARE(store.allKeys(), before);
    }
};

TABLICZNIK_TEST_MAIN(SchoolTablesMenuTest)
#include "schooltables_test.moc"
