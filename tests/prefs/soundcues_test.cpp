#include "prefs/soundcues.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <stdexcept>

using namespace tablicznik;

namespace {

// Players that keep one log, each with its own sound: a sound that starts
// keeps playing until the test ends it.
struct Audio {
    QStringList log;       // "open X", "play X", "wait X <limit>"
    QStringList missing;   // files whose open fails
    QStringList failing;   // files whose play fails
    QStringList throwing;  // files whose play throws
    QSet<QString> playing; // files sounding now
};

class ScriptedPlayer : public CuePlayer {
public:
    explicit ScriptedPlayer(Audio &audio) : m_audio(audio) {}
    bool open(const QString &fileName) override
    {
        m_name = fileName;
        m_audio.log << "open " + fileName;
        return !m_audio.missing.contains(fileName);
    }
    bool play() override
    {
        if (m_audio.throwing.contains(m_name))
            throw std::runtime_error("device gone");
        if (m_audio.failing.contains(m_name))
            return false;
        m_audio.log << "play " + m_name;
        m_audio.playing.insert(m_name);
        return true;
    }
    bool playAndWait(int limit) override
    {
        if (m_audio.failing.contains(m_name))
            return false;
        m_audio.log << QStringLiteral("wait %1 %2").arg(m_name).arg(limit);
        return true;
    }
    bool isPlaying() const override { return m_audio.playing.contains(m_name); }

private:
    Audio &m_audio;
    QString m_name;
};

const QString kClick = QStringLiteral("KTXbutton.wav");
const QString kPage = QStringLiteral("KTXPage.wav");
const QString kOver = QStringLiteral("KTXOverButton.wav");
const QString kExit = QStringLiteral("KTXExit.wav");

QStringList plays(const Audio &audio) { return audio.log.filter(QRegularExpression("^(play|wait) ")); }

} // namespace

class SoundCuesTest : public QObject {
    Q_OBJECT

    Audio m_audio;
    std::unique_ptr<SoundCues> m_cues;

    void openCues(bool playSounds = true)
    {
        m_cues = std::make_unique<SoundCues>([this] { return std::make_unique<ScriptedPlayer>(m_audio); });
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
    void init() { m_audio = Audio(); }

    void silentUntilOpened()
    {
        SoundCues cues([this] { return std::make_unique<ScriptedPlayer>(m_audio); });
        cues.setPlaySounds(true);
        QVERIFY(!cues.soundsReady());
        cues.PlayClick();
        cues.PlayExit();
        QVERIFY(m_audio.log.isEmpty());
    }

    void fourFilesOpenInOrder()
    {
        openCues();
        QVERIFY(m_cues->soundsReady());
        QCOMPARE(m_audio.log, (QStringList{"open " + kClick, "open " + kPage, "open " + kOver, "open " + kExit}));
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
        QCOMPARE(m_audio.log.size(), opened);
        QCOMPARE(m_audio.log.last(), "open " + missing);
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

        m_audio.playing.remove(kOver); // the over cue has ended
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
        const int opens = int(m_audio.log.size());
        m_cues->open();
        QVERIFY(!m_cues->soundsReady());
        QCOMPARE(m_audio.log.size(), opens);
        QVERIFY(m_cues->opened());
    }
};

TABLICZNIK_REGISTER_TEST(SoundCuesTest)
#include "soundcues_test.moc"
