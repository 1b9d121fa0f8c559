#include "app/optionsmenu.h"
#include "app/tableimage.h"
#include "app/toknoglowne.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tablicznik;

// The table's picture, on the shown main window. (A change of the zoom
// starts the program again: bench/startup/run.sh times it.)
class ClassroomBench : public QObject {
    Q_OBJECT

    std::unique_ptr<TOknoGlowne> m_window;

private slots:
    void initTestCase()
    {
        m_window = std::make_unique<TOknoGlowne>(Catalogue::load());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanupTestCase()
    {
        m_window.reset();
    }

    // The picture at twice the window's resolution, written as PNG.
    void savingThePicture()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tablica.png"));
        TableImage &image = m_window->optionsMenu().tableImage();
        QBENCHMARK {
            const QString fault = TableImage::writePng(image.picture(), file);
            QVERIFY(fault.isEmpty());
        }
    }

    // The two parts of it.
    void renderingThePicture()
    {
        TableImage &image = m_window->optionsMenu().tableImage();
        QBENCHMARK {
            image.picture();
        }
    }
};

QTEST_MAIN(ClassroomBench)
#include "classroom_bench.moc"
