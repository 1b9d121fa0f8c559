#include "app/toknoglowne.h"
#include "views/viewtables.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

using namespace tablicznik;

// Every property view from the click on its button (or the choice of its
// menu item) to the end of its pass, and the same with the window painted
// afterwards. Run with -median 5; the slowest rows are what counts.
class ViewsBench : public QObject {
    Q_OBJECT

    std::unique_ptr<TOknoGlowne> m_window;

    void start(const QString &trigger)
    {
        if (auto *item = m_window->findChild<QAction *>(trigger))
            item->trigger();
        else
            m_window->findChild<QAbstractButton *>(trigger)->click();
    }

    template <typename Rows>
    static void addRows(const Rows &rows)
    {
        for (const auto &row : rows)
            QTest::newRow(row.trigger) << QString::fromUtf8(row.trigger);
    }

    static void allViews()
    {
        QTest::addColumn<QString>("trigger");
        addRows(kNumericScaleViews);
        addRows(kFilteredScaleViews);
        addRows(kCategoryViews);
        addRows(kShellViews);
        addRows(kEraViews);
        addRows(kTypeFilterViews);
        addRows(kSusceptibilityViews);
        addRows(kAbundanceViews);
    }

private slots:
    void initTestCase()
    {
        m_window = std::make_unique<TOknoGlowne>(Catalogue::load());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanupTestCase() { m_window.reset(); }

    void view_data() { allViews(); }
    void view()
    {
        QFETCH(QString, trigger);
        start(trigger); // the first run builds fonts and caches
        QBENCHMARK {
            start(trigger);
        }
    }

    void viewAndRepaint_data() { allViews(); }
    void viewAndRepaint()
    {
        QFETCH(QString, trigger);
        start(trigger);
        m_window->grab();
        QBENCHMARK {
            start(trigger);
            m_window->grab();
        }
    }

    // Two views in turn, so that every element changes colour or state each
    // time, in the usual look and in the readable one.
    void twoViewsInTurnAndRepaint_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::newRow("usual") << false;
        QTest::newRow("readable") << true;
    }
    void twoViewsInTurnAndRepaint()
    {
        QFETCH(bool, readable);
        m_window->setWyrazneKolory(readable);
        QBENCHMARK {
            start(QStringLiteral("PromAtomButton"));
            m_window->grab();
            start(QStringLiteral("ZawZiemiaButton"));
            m_window->grab();
        }
        m_window->setWyrazneKolory(false);
    }

    // "Wyraźne kolory" switched on a coloured table, and the table repainted.
    void switchLookAndRepaint()
    {
        start(QStringLiteral("PromAtomButton"));
        bool readable = false;
        QBENCHMARK {
            m_window->setWyrazneKolory(readable = !readable);
            m_window->grab();
        }
        m_window->setWyrazneKolory(false);
    }
};

QTEST_MAIN(ViewsBench)
#include "views_bench.moc"
