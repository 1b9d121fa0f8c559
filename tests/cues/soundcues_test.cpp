#include "cues/soundcues.h"
#include "support/fakecueplayer.h"
#include "support/testmain.h"

#include <QTest>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The plays and waits the cues asked for.
QStringList plays(const CueLog &audio) { return audio.requests(); }

} // namespace

class SoundCuesTest : public QObject {
    Q_OBJECT

    CueLog m_audio;
    std::unique_ptr<SoundCues> m_cues;

    void openCues(bool playSounds = true)
    {
        m_cues = std::make_unique<SoundCues>(fakeCuePlayers(m_audio));
        m_cues->setPlaySounds(playSounds);
        m_cues->open();
    }
    void playEveryCue()
    {
        m_cues->PlayClick();
        m_cues->PlayPage();
        m_cues->PlayOver();
        m_cues->PlayExit();
    }

private slots:
    void init()
    {
        m_audio = CueLog();
        m_audio.lasting = true; // a sound that starts keeps sounding until the test ends it
    }

    void silentUntilOpened()
    {
        SoundCues cues(fakeCuePlayers(m_audio));
        cues.setPlaySounds(true);
        QVERIFY(!cues.soundsReady());
        cues.PlayClick();
        cues.PlayExit();
        QVERIFY(m_audio.calls.isEmpty());
    }

    void fourFilesOpenInOrder()
    {
        openCues();
        QVERIFY(m_cues->soundsReady());
        QCOMPARE(m_audio.calls, (QStringList{"open " + kClick, "open " + kPage, "open " + kOver, "open " + kExit}));
        playEveryCue();
        QCOMPARE(plays(m_audio),
                 (QStringList{"play " + kClick, "play " + kPage, "play " + kOver, "wait " + kExit + " 3000"}));
    }

    // Any missing file silences every cue, also those whose files opened,
    // and the files after it are not opened.
    void oneMissingFileSilencesAll_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<int>("opened");
        QTest::newRow("click") << kClick << 1;
        QTest::newRow("page") << kPage << 2;
        QTest::newRow("over") << kOver << 3;
        QTest::newRow("exit") << kExit << 4;
    }
    void oneMissingFileSilencesAll()
    {
        QFETCH(QString, missing);
        QFETCH(int, opened);
        m_audio.missing << missing;
        openCues();
        QVERIFY(!m_cues->soundsReady());
        QCOMPARE(m_audio.calls.size(), opened);
        QCOMPARE(m_audio.calls.last(), "open " + missing);
        playEveryCue();
        QVERIFY(plays(m_audio).isEmpty());
        QVERIFY(m_cues->playSounds()); // the preference stays
    }

    void noPlayersSilenceAll()
    {
        SoundCues cues(CuePlayerFactory{});
        cues.setPlaySounds(true);
        cues.open();
        QVERIFY(!cues.soundsReady());
        cues.PlayClick();
        cues.PlayExit();
    }

    void soundsSwitchedOff()
    {
        openCues(false);
        playEveryCue();
        QVERIFY(plays(m_audio).isEmpty());
        QVERIFY(m_cues->soundsReady());
        m_cues->setPlaySounds(true);
        m_cues->PlayClick();
        QCOMPARE(plays(m_audio), QStringList{"play " + kClick});
    }

    // Page and over cues are skipped while their own player sounds; the
    // click cue is requested again whatever it does.
    void skipWhilePlaying()
    {
        openCues();
        for (int i = 0; i < 5; ++i) // the pointer crossing five elements quickly
            m_cues->PlayOver();
        QCOMPARE(plays(m_audio), QStringList{"play " + kOver});

        m_cues->PlayPage(); // the page player is silent: another player sounding does not matter
        m_cues->PlayPage();
        QCOMPARE(plays(m_audio), (QStringList{"play " + kOver, "play " + kPage}));

        m_cues->PlayClick();
        m_cues->PlayClick();
        QCOMPARE(plays(m_audio).count("play " + kClick), 2);

        m_audio.sounding.remove(kOver); // the over cue has ended
        m_cues->PlayOver();
        QCOMPARE(plays(m_audio).count("play " + kOver), 2);
    }

    void exitWaitsWithinTheBound()
    {
        openCues();
        m_cues->PlayExit();
        QCOMPARE(plays(m_audio), QStringList{QStringLiteral("wait %1 %2").arg(kExit).arg(SoundCues::kExitWaitLimit)});
        QVERIFY(SoundCues::kExitWaitLimit > 0 && SoundCues::kExitWaitLimit <= 5000);
    }

    // A failing request silences every cue for the rest of the run and
    // leaves the preference alone.
    void failingCueSilencesTheRest_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("throws");
        QTest::newRow("click fails") << kClick << false;
        QTest::newRow("page fails") << kPage << false;
        QTest::newRow("over throws") << kOver << true;
        QTest::newRow("exit fails") << kExit << false;
    }
    void failingCueSilencesTheRest()
    {
        QFETCH(QString, failing);
        QFETCH(bool, throws);
        openCues();
        (throws ? m_audio.throwing : m_audio.failing) << failing;
        playEveryCue(); // the failing cue, whichever it is, silences the ones after it
        QVERIFY(!m_cues->soundsReady());
        QVERIFY(m_cues->playSounds());
        const int heard = int(plays(m_audio).size());
        playEveryCue();
        QCOMPARE(plays(m_audio).size(), heard);
    }

    void nothingReopensThePlayers()
    {
        m_audio.missing << kPage;
        openCues();
        QVERIFY(!m_cues->soundsReady());
        m_audio.missing.clear();
        const int opens = int(m_audio.calls.size());
        m_cues->open();
        QVERIFY(!m_cues->soundsReady());
        QCOMPARE(m_audio.calls.size(), opens);
        QVERIFY(m_cues->opened());
    }
};

TABLICZNIK_TEST_MAIN(SoundCuesTest)
#include "soundcues_test.moc"
