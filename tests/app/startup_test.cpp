#include "app/program.h"
#include "app/toknoglowne.h"
#include "animation/animationview.h"
#include "prefs/dateclock.h"
#include "prefs/settings.h"
#include "cues/soundcues.h"
#include "support/catalogue.h"
#include "support/mainwindow.h"
#include "support/settingsfile.h"
#include "support/testmain.h"
#include "windows/toprogramie.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>
#include <QToolTip>

#include <memory>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The store's group "2.00" as the file holds it.
QMap<QString, QString> storedGroup()
{
    QSettings file(settings::location(), QSettings::IniFormat);
    file.beginGroup("2.00");
    QMap<QString, QString> values;
    for (const QString &key : file.childKeys())
        values.insert(key, file.value(key).toString());
    return values;
}

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    FreshStore m_store;
    CueLog m_log;
    QDateTime m_now;
    int m_aboutShown = 0;
    bool m_windowVisibleAtAbout = false;
    std::unique_ptr<TOknoGlowne> m_window;

    void writeStore(const QByteArray &lines) { QVERIFY(writeStoredGroup(settings::location(), lines)); }
    WindowServices services()
    {
        WindowServices s;
        s.clock = [this] { return m_now; };
        s.settingsStore = true;
        s.firstRunAbout = [this](TOknoGlowne &) {
            ++m_aboutShown;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (qobject_cast<TOknoGlowne *>(w) && w->isVisible())
                    m_windowVisibleAtAbout = true;
        };
        return s;
    }
    void create() { m_window = makeMainWindow(m_log, services()); }
    void showWindow()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCoreApplication::processEvents(); // what the first paint queued: the cues
    }
    template <typename T = QWidget>
    T *control(const char *name)
    {
        return m_window->findChild<T *>(QLatin1StringView(name));
    }
    // One tick of `timer`, as the event loop would deliver it.
    static void tick(QTimer *timer)
    {
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }
    QString dateText() { return control<QLabel>("WitamyLab1")->text(); }
    QString clockText() { return control<QLabel>("WitamyLab2")->text(); }

private slots:
    // The catalogue read on the second thread is the one read here, field by
    // field, and the thread ends with it.
    void theCatalogueReadMeanwhileIsTheProgramsOwn()
    {
        std::future<Catalogue> reading = startReadingCatalogue();
        QVERIFY(reading.valid());
        const Catalogue read = reading.get();
        const Catalogue &own = programCatalogue();
        QCOMPARE(std::distance(read.begin(), read.end()), std::distance(own.begin(), own.end()));
        for (int n = 1; n <= Catalogue::kCount; ++n) {
            const ElementRecord &a = read.element(n), &b = own.element(n);
            QCOMPARE(a.Numer, b.Numer);
            for (const TextField &field : kStoredTextFields)
                QVERIFY2(a.*field.member == b.*field.member, field.name);
            QVERIFY(a.Opis == b.Opis);
        }
    }

    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QVERIFY(!m_store.open().isEmpty());
        m_log = CueLog();
        m_now = QDateTime(QDate(2027, 1, 1), QTime(9, 5, 0));
        m_aboutShown = 0;
        m_windowVisibleAtAbout = false;
    }
    void cleanup()
    {
        m_window.reset();
        m_store.close();
    }

    void firstRunShowsTheAboutWindowBeforeTheMainWindow()
    {
        create();
        QCOMPARE(m_aboutShown, 1);
        QVERIFY(!m_windowVisibleAtAbout);
        QCOMPARE(storedGroup().value("Showed"), QStringLiteral("1"));
        m_window.reset();
        create(); // the second run
        QCOMPARE(m_aboutShown, 1);
    }

    // The program's own first-run step shows the real about window, modally.
    void theProgramsAboutWindowIsModal()
    {
        WindowServices program = WindowServices::program();
        WindowServices s = services();
        s.firstRunAbout = program.firstRunAbout;
        QString caption;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<TOprogramie *>(QApplication::activeModalWidget());
            QVERIFY(about);
            caption = about->windowTitle();
            modal = about->isModal();
            about->findChild<QAbstractButton *>(QStringLiteral("OK"))->click();
        });
        m_window = makeMainWindow(m_log, std::move(s));
        QCOMPARE(caption, QStringLiteral("Tablicznik – O programie"));
        QVERIFY(modal);
        QVERIFY(m_log.calls.isEmpty()); // its "OK" plays no cue: the cues are not open yet
        QCOMPARE(storedGroup().value("Showed"), QStringLiteral("1"));
    }

    void defaultsOnAFirstRun()
    {
        create();
        QCOMPARE(m_window->property("PlaySounds").toBool(), true);
        QCOMPARE(m_window->property("ShowTime").toBool(), true);
        QCOMPARE(m_window->property("ShowAVI").toBool(), true);
        QCOMPARE(m_window->property("ShowHelp").toBool(), true);
        QCOMPARE(m_window->property("ClockVisible").toBool(), true);
        QCOMPARE(m_window->property("SoundsReady").toBool(), false); // until shown
        QVERIFY(m_window->Animate1()->isActive());
        QCOMPARE(m_window->Animate1()->frameCount(), 32);
        QCOMPARE(dateText(), QStringLiteral("1 stycznia 2027, piątek"));
        showWindow();
        QVERIFY(control("WitamyLab1")->isVisible());
        QVERIFY(control("WitamyLab2")->isVisible());
        QCOMPARE(clockText(), QStringLiteral("09:05"));
    }

    // Each stored preference takes effect at creation.
    void storedPreferencesApply_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("sounds");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("hints");
        QTest::newRow("all on") << QByteArray("PlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n") << true << true
                                << true << true;
        QTest::newRow("all off") << QByteArray("PlaySounds=0\nShowTime=0\nShowAVI=0\nShowHelp=0\n") << false << false
                                 << false << false;
        QTest::newRow("only the clock off") << QByteArray("ShowTime=0\n") << true << false << true << true;
        QTest::newRow("2 reads as on") << QByteArray("PlaySounds=2\nShowTime=2\nShowAVI=0\nShowHelp=abc\n") << true
                                       << true << false << true;
    }
    void storedPreferencesApply()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, sounds);
        QFETCH(bool, clock);
        QFETCH(bool, animation);
        QFETCH(bool, hints);
        writeStore("Showed=1\n" + stored);
        create();
        showWindow();
        QCOMPARE(m_aboutShown, 0);
        QCOMPARE(m_window->property("PlaySounds").toBool(), sounds);
        QCOMPARE(m_window->property("ShowTime").toBool(), clock);
        QCOMPARE(m_window->property("ClockVisible").toBool(), clock);
        QCOMPARE(control("WitamyLab1")->isVisible(), clock);
        QCOMPARE(control("WitamyLab2")->isVisible(), clock);
        QCOMPARE(m_window->property("ShowAVI").toBool(), animation);
        QCOMPARE(m_window->Animate1()->isActive(), animation);
        QCOMPARE(m_window->property("ShowHelp").toBool(), hints);

        // Tooltips: a request reaching the window's "La" label shows its hint or not.
        QToolTip::hideText();
        auto *la = control<QLabel>("Label21");
        QHelpEvent ask(QEvent::ToolTip, QPoint(3, 3), la->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(la, &ask);
        QCOMPARE(QToolTip::isVisible() && QToolTip::text() == QStringLiteral("Lantan"), hints);
        QToolTip::hideText();

        m_log.calls.clear();
        m_window->PlayClick();
        QCOMPARE(m_log.calls.contains("play " + kClick), sounds);
    }

    // The cues open once the window is shown and painted, not before.
    void cuesOpenAfterTheWindowIsShown()
    {
        create();
        QVERIFY(m_log.calls.isEmpty());
        PaintCounter paints;
        m_window->installEventFilter(&paints);
        int paintsBeforeOpening = -1;
        m_log.onOpen = [&] {
            if (paintsBeforeOpening < 0)
                paintsBeforeOpening = paints.count;
        };
        showWindow();
        QVERIFY(paintsBeforeOpening > 0);
        QCOMPARE(m_log.calls, (QStringList{"open " + kClick, "open " + kPage, "open " + kOver, "open " + kExit}));
        QVERIFY(m_window->property("SoundsReady").toBool());
        m_window->hide();
        showWindow(); // shown again: nothing reopens
        QCOMPARE(m_log.calls.size(), 4);
    }

    void missingOverFileSilencesEveryCue()
    {
        m_log.missing << kOver;
        create();
        showWindow();
        QVERIFY(!m_window->property("SoundsReady").toBool());
        QVERIFY(m_window->property("PlaySounds").toBool());
        m_log.calls.clear();
        m_window->PlayClick();
        m_window->PlayPage();
        m_window->PlayOver();
        m_window->close();
        QVERIFY(m_log.calls.isEmpty());
    }

    // Closing stores the settings first, then plays the exit cue, by the
    // " Wyjdź" button and by the close box alike.
    void closingStoresThenPlaysTheExitCue_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Wyjdź") << true;
        QTest::newRow("close box") << false;
    }
    void closingStoresThenPlaysTheExitCue()
    {
        QFETCH(bool, byButton);
        writeStore("Showed=1\nPlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n");
        create();
        showWindow();
        m_window->setProperty("ShowAVI", false);
        m_window->setProperty("ShowHelp", false);
        QMap<QString, QString> storedAtExitCue;
        bool visibleAtExitCue = false;
        m_log.onWait = [&] {
            storedAtExitCue = storedGroup();
            visibleAtExitCue = m_window->isVisible();
        };
        if (byButton)
            control<QToolButton>("SpeedButton4")->click();
        else
            m_window->close();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_log.waited(), QStringList{kExit});
        QVERIFY(visibleAtExitCue); // the window stays until the cue is over
        QCOMPARE(storedAtExitCue, (QMap<QString, QString>{{"Showed", "1"},
                                                         {"PlaySounds", "1"},
                                                         {"ShowTime", "1"},
                                                         {"ShowAVI", "0"},
                                                         {"ShowHelp", "0"}}));
        QVERIFY(!m_window->Animate1()->isActive());
    }

    void soundsOffClosesWithoutTheCueAndStaysOff()
    {
        create();
        showWindow();
        m_window->setProperty("PlaySounds", false);
        m_window->close();
        QVERIFY(m_log.waited().isEmpty());
        QCOMPARE(storedGroup().value("PlaySounds"), QStringLiteral("0"));
        m_window.reset();
        create();
        QVERIFY(!m_window->property("PlaySounds").toBool());
    }

    // An unwritable store is reported and the window closes anyway.
    void unwritableStoreStillCloses()
    {
        QVERIFY(QDir().mkpath(settings::location()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można odczytać ustawień"));
        create();
        QCOMPARE(m_aboutShown, 0);
        QVERIFY(m_window->property("PlaySounds").toBool());
        showWindow();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień"));
        m_window->close();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_log.waited(), QStringList{kExit});
    }

    // With "ShowTime" stored as 0 the date and clock are hidden from the
    // start, but the timer runs and keeps the hidden clock's text.
    void hiddenClockKeepsTime()
    {
        writeStore("Showed=1\nShowTime=0\n");
        m_now = QDateTime(QDate(2027, 1, 1), QTime(9, 5, 59));
        create();
        showWindow();
        QVERIFY(!control("WitamyLab2")->isVisible());
        QCOMPARE(dateText(), QStringLiteral("1 stycznia 2027, piątek"));
        QCOMPARE(clockText(), QStringLiteral("09:05"));
        auto *timer = control<QTimer>("Timer1");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        m_now = m_now.addSecs(1);
        tick(timer);
        QCOMPARE(clockText(), QStringLiteral("09:06"));
        QVERIFY(!control("WitamyLab2")->isVisible());
    }
};

TABLICZNIK_TEST_MAIN(StartupTest)
#include "startup_test.moc"
