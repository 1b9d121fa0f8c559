#include "animation/animationview.h"
#include "support/mediafiles.h"
#include "support/testmain.h"

#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

using namespace tablicznik;
using namespace tablicznik::testing;

class AnimationViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AnimationView> m_view;

    // One tick of the frame timer, as the event loop would deliver it.
    void tick()
    {
        auto *timer = m_view->findChild<QTimer *>(QStringLiteral("AnimationTimer"));
        QVERIFY(timer && timer->isActive());
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }
    QColor shownAt(int x, int y) { return m_view->grab().toImage().pixelColor(x, y); }

private slots:
    void init()
    {
        m_view = std::make_unique<AnimationView>();
        m_view->resize(60, 60);
    }
    void cleanup() { m_view.reset(); }

    void theAtomPlaysAtTwentyFiveFramesASecond()
    {
        QVERIFY2(m_view->open(QStringLiteral(":/pictures/atom.avi")), qPrintable(m_view->error()));
        QCOMPARE(m_view->frameCount(), 32);
        QCOMPARE(m_view->frameInterval(), 40);
        QCOMPARE(m_view->currentFrame(), 0);
        QVERIFY(!m_view->isActive()); // opening does not start it
    }

    // Frames 1 to 32, then 1 again, without end; stopping keeps the frame.
    void loopsAndStops()
    {
        QVERIFY(m_view->open(QStringLiteral(":/pictures/atom.avi")));
        m_view->setActive(true);
        QVERIFY(m_view->isActive());
        QList<int> seen;
        for (int i = 0; i < 33; ++i) {
            tick();
            seen << m_view->currentFrame();
        }
        QCOMPARE(seen.first(), 1);
        QCOMPARE(seen.at(30), 31);
        QCOMPARE(seen.at(31), 0);
        QCOMPARE(seen.last(), 1);

        m_view->setActive(false);
        QVERIFY(!m_view->isActive());
        QCOMPARE(m_view->currentFrame(), 1);
        m_view->setActive(true); // on from where it stopped
        tick();
        QCOMPARE(m_view->currentFrame(), 2);
    }

    // The frame shown is the current one, on silver where it leaves room.
    void paintsTheCurrentFrameOnSilver()
    {
        AviRecipe recipe;
        recipe.frames = {QByteArray(15, '\1'), QByteArray(15, '\2')};
        m_view->setAnimation(readAvi(aviFile(recipe)));
        QCOMPARE(shownAt(30, 30), QColor(255, 0, 0));
        QCOMPARE(shownAt(0, 0), QColor(0xC0, 0xC0, 0xC0)); // the 5 × 3 frame sits in the middle
        m_view->setActive(true);
        tick();
        QCOMPARE(shownAt(30, 30), QColor(0, 128, 255));
    }

    void brokenFileLeavesItSilverAndStill()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(QByteArray("RIFF\x10\0\0\0AVI LIST", 16));
        file.close();
        QVERIFY(!m_view->open(file.fileName()));
        QVERIFY(m_view->error().startsWith(file.fileName()));
        QVERIFY(m_view->error().contains(QStringLiteral("urwany")));
        m_view->setActive(true);
        QVERIFY(!m_view->isActive());
        QCOMPARE(m_view->frameCount(), 0);
        QCOMPARE(shownAt(30, 30), QColor(0xC0, 0xC0, 0xC0));

        QVERIFY(!m_view->open(QStringLiteral(":/pictures/no-such.avi")));
        QVERIFY(m_view->error().contains(QStringLiteral("no-such.avi")));
    }
};

TABLICZNIK_TEST_MAIN(AnimationViewTest)
#include "animationview_test.moc"
