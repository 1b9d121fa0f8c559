#include "support/testmain.h"
#include "support/viewtable.h"

#include "app/optionsmenu.h"
#include "app/plotwindow.h"

using namespace tablicznik;
using namespace tablicznik::testing;

class PeriodicPlotTest : public QObject {
    Q_OBJECT
private slots:
    void look()
    {
        ViewTable t;
        for (const char *trigger : {"PotJon1Button", "PromAtomButton", "TwardoscButton", "TempTopButton"}) {
            t.start(QLatin1StringView(trigger));
            t.choose(QStringLiteral("WykresAction"));
            PlotWindow *w = t.window->optionsMenu().plotCommand().plotWindow();
            QVERIFY(w);
            w->grab().save(QStringLiteral("/tmp/plot_%1.png").arg(QLatin1StringView(trigger)));
        }
        PlotWindow *w = t.window->optionsMenu().plotCommand().plotWindow();
        w->resize(1400, 900);
        QApplication::processEvents();
        w->grab().save(QStringLiteral("/tmp/plot_big.png"));
    }
};

TABLICZNIK_TEST_MAIN(PeriodicPlotTest)
#include "periodicplot_test.moc"
