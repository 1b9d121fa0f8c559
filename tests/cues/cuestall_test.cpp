#include "freezeguard.h"
#include "cues/soundcues.h"
#include "sound/soundeffectplayer.h"
#include "support/fakecueplayer.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QSemaphore>
#include <QTest>

#include <atomic>

using namespace tablicznik;
using tablicznik::testing::CueLog;
using tablicznik::testing::FreezeGuard;
using tablicznik::testing::fakeCuePlayers;

// How long a check waits for the cue thread on a machine busy with other
// work; no check needs it when the machine is idle.
constexpr int kPatience = 30000;

// The cues' own logic when players answer later.
class SoundCuesLoadingTest : public QObject {
    Q_OBJECT

    CueLog m_loading;
    std::unique_ptr<SoundCues> m_cues;

    void openCues()
    {
        m_cues = std::make_unique<SoundCues>(fakeCuePlayers(m_loading));
        m_cues->setPlaySounds(true);
        m_cues->open();
    }

private slots:
    void init()
    {
        m_loading = CueLog();
        m_loading.late = true; // the players answer when the test says
    }

    // Silent until the last of the four has loaded, whatever the order.
    void readyWhenAllFourHaveLoaded()
    {
        openCues();
        QCOMPARE(m_loading.calls.filter(QStringLiteral("open ")).size(), 4);
        QCOMPARE(int(m_loading.reports.size()), 4);
        for (int i : {2, 0, 3}) {
            m_loading.reports[i](true);
            QVERIFY(!m_cues->soundsReady());
            QVERIFY(m_cues->loading());
            m_cues->PlayClick();
        }
        QVERIFY(m_loading.played.isEmpty());
        m_loading.reports[1](true);
        QVERIFY(m_cues->soundsReady());
        QVERIFY(!m_cues->loading());
        m_cues->PlayClick();
        QCOMPARE(m_loading.played, QStringList{"KTXbutton.wav"});
    }

    // One file that does not load silences all four for the run, also when
    // the others load after it.
    void oneFailedLoadSilencesAll()
    {
        openCues();
        m_loading.reports[0](true);
        m_loading.reports[3](false);
        QVERIFY(!m_cues->soundsReady());
        QVERIFY(!m_cues->loading());
        m_loading.reports[1](true);
        m_loading.reports[2](true);
        QVERIFY(!m_cues->soundsReady());
        m_cues->PlayClick();
        m_cues->PlayExit();
        QVERIFY(m_loading.played.isEmpty());
        QVERIFY(m_cues->playSounds());
    }

    // A player that fails while the program runs (its device gone) silences
    // every cue from then on.
    void laterFailureSilencesAll()
    {
        openCues();
        for (auto &report : m_loading.reports)
            report(true);
        m_cues->PlayOver();
        QCOMPARE(m_loading.played.size(), 1);
        m_loading.reports[1](false);
        QVERIFY(!m_cues->soundsReady());
        m_cues->PlayOver();
        m_cues->PlayPage();
        m_cues->PlayExit();
        QCOMPARE(m_loading.played.size(), 1);
    }
};

// The real player with a cue thread that stops answering, as it does when
// the audio library waits for a device that has gone: the caller never
// waits for it beyond a bound, and the cues fall silent.
class CueStallTest : public QObject {
    Q_OBJECT

    // Shared with the cue thread, which may still run `beforeStart` for
    // requests queued before the test ended.
    struct Gate {
        QSemaphore open;              // the stalled library call returns when released
        std::atomic<bool> stall{false};
        std::atomic<int> stalled{0};
    };
    std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();

    SoundEffectOptions options(int startLimit)
    {
        SoundEffectOptions o;
        o.needAudioOutput = false; // the files decide, with or without a device here
        o.folders = {QStringLiteral(TABLICZNIK_SOUNDS_DIR)};
        o.loadLimit = kPatience; // loading is not what is tried here, and the machine may be busy
        o.startLimit = startLimit;
        o.beforeStart = [gate = m_gate] {
            if (gate->stall) {
                ++gate->stalled;
                gate->open.acquire();
            }
        };
        return o;
    }

private slots:
    void cleanup()
    {
        // Let the cue thread go on, for the next test and for the end.
        m_gate->stall = false;
        m_gate->open.release(m_gate->stalled.exchange(0));
    }

    void stalledCueIsDroppedAndTheCuesFallSilent()
    {
        SoundCues cues(SoundEffectPlayer::factory(options(200)));
        cues.setPlaySounds(true);
        cues.open();
        QTRY_VERIFY_WITH_TIMEOUT(!cues.loading(), kPatience);
        QVERIFY(cues.soundsReady());
        cues.PlayClick(); // a cue thread that answers

        m_gate->stall = true;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("dźwięki wyciszone do końca pracy \\(KTXbutton.wav: dźwięk nie zaczął "
                                                "się w ciągu 200 ms\\)"));
        {
            FreezeGuard guard("PlayClick on a stalled cue thread", 20);
            cues.PlayClick(); // "Czyść"
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_gate->stalled.load(), 1, kPatience); // the click is stuck on the cue thread
        {
            FreezeGuard guard("PlayPage and PlayOver behind a stalled cue", 20);
            cues.PlayPage();
            cues.PlayOver();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!cues.soundsReady(), kPatience); // the bound has passed
        QVERIFY(cues.playSounds());       // the preference stays
        {
            FreezeGuard guard("cues after the stall", 20);
            cues.PlayClick();
            cues.PlayExit(); // silent: returns at once
        }
        QCOMPARE(m_gate->stalled.load(), 1); // nothing more was sent to the stuck thread
    }

    // A file whose loading cannot even begin (the cue thread is stuck) is
    // given up at the load bound: its cues never become ready.
    void loadingIsBounded()
    {
        SoundEffectPlayer first(options(60000));
        QVERIFY(first.open(QStringLiteral("KTXbutton.wav")));
        bool ready = false;
        first.watch([&](bool ok) { ready = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(ready, kPatience);
        m_gate->stall = true;
        QVERIFY(first.play());
        QTRY_COMPARE_WITH_TIMEOUT(m_gate->stalled.load(), 1, kPatience);

        SoundEffectOptions quick = options(60000);
        quick.loadLimit = 100;
        SoundEffectPlayer second(quick);
        QVERIFY(second.open(QStringLiteral("KTXPage.wav"))); // the file itself is good
        int reports = 0;
        bool secondReady = true;
        second.watch([&](bool ok) {
            ++reports;
            secondReady = ok;
        });
        QTRY_COMPARE_WITH_TIMEOUT(reports, 1, kPatience);
        QVERIFY(!secondReady);
        QVERIFY(second.failed());
        QVERIFY(!second.play());
    }

    // The exit cue's wait is bounded even when the cue never starts.
    void exitCueWaitIsBounded()
    {
        SoundEffectPlayer player(options(60000));
        QVERIFY(player.open(QStringLiteral("KTXExit.wav")));
        bool ready = false;
        player.watch([&](bool ok) { ready = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(ready, kPatience);

        m_gate->stall = true;
        bool ended;
        {
            FreezeGuard guard("the exit cue on a stalled cue thread", 20);
            ended = player.playAndWait(150);
        }
        QVERIFY(!ended);
        QVERIFY(player.failed());
        QVERIFY(!player.play());
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.playAndWait(150)); // failed: at once, and nothing more is sent
        QTRY_COMPARE_WITH_TIMEOUT(m_gate->stalled.load(), 1, kPatience);
    }
};

// Two classes about the same player: the program runs both.
int main(int argc, char **argv)
{
    const int loading = tablicznik::testing::runTestClass<SoundCuesLoadingTest>(argc, argv);
    return tablicznik::testing::runTestClass<CueStallTest>(argc, argv) | loading;
}
#include "cuestall_test.moc"
