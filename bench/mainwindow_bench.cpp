#include "app/toknoglowne.h"

#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace tablicznik;

// Constructing and first painting the main window, beside a bare window of
// the same furniture: 112 tool buttons and a tabbed control of 11 pages.
class MainWindowBench : public QObject {
    Q_OBJECT

private slots:
    void mainWindow()
    {
        const Catalogue catalogue = Catalogue::load();
        QBENCHMARK {
            TOknoGlowne window{Catalogue(catalogue)};
            window.show();
            window.grab();
        }
    }

    void bareWindow()
    {
        QBENCHMARK {
            QWidget window;
            window.resize(625, 429);
            auto *tabs = new QTabWidget(&window);
            tabs->setGeometry(88, 2, 532, 107);
            for (int i = 0; i < 11; ++i)
                tabs->addTab(new QWidget, QStringLiteral("Strona %1").arg(i + 1));
            for (int i = 0; i < 112; ++i) {
                auto *b = new QToolButton(&window);
                b->setText(QStringLiteral("Xx"));
                b->setGeometry(6 + 34 * (i % 18), 116 + 33 * (i / 18), 33, 32);
            }
            window.show();
            window.grab();
        }
    }

    void loadingTheCatalogue()
    {
        QBENCHMARK {
            Catalogue::load();
        }
    }
};

QTEST_MAIN(MainWindowBench)
#include "mainwindow_bench.moc"
