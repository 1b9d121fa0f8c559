#include "freezeguard.h"
#include "cues/soundcues.h"
#include "sound/soundeffectplayer.h"
#include "support/testmain.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tablicznik;
using tablicznik::testing::FreezeGuard;

// How long a check waits for the cue thread or the sound server on a
// machine busy with other work; no check needs it when the machine is idle.
constexpr int kPatience = 30000;

// The sound device going away while the program runs, as when a USB headset
// or HDMI audio is unplugged: a private PulseAudio daemon whose only output
// is a null sink, which the test unloads. This program must be a process of
// its own: the audio library picks its server once, at its first use.
namespace {

class PulseDaemon {
public:
    // Starts the daemon with one null sink; an empty result when it runs.
    QString start()
    {
        m_pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        m_pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        if (m_pulseaudio.isEmpty() || m_pactl.isEmpty())
            return QStringLiteral("pulseaudio and pactl are not installed (tools/setup.sh installs them)");
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        m_server = QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QLatin1String(name), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_daemon.setProcessEnvironment(env);
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        m_daemon.start(m_pulseaudio,
                       {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disable-shm=yes",
                        "--log-target=stderr", "-L",
                        "module-native-protocol-unix auth-anonymous=1 socket=" + m_dir.filePath(QStringLiteral("native")),
                        "-L", "module-null-sink sink_name=tablicznik_cues"});
        if (!m_daemon.waitForStarted(5000))
            return QStringLiteral("pulseaudio did not start: ") + m_daemon.errorString();
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (m_daemon.state() != QProcess::Running)
                return QStringLiteral("pulseaudio ended at once: ") + QString::fromLocal8Bit(m_daemon.readAll()).right(400);
            if (pactl({"info"}).first == 0)
                return {};
            QTest::qWait(100);
        }
        return QStringLiteral("pulseaudio did not answer within 10 s");
    }

    QString server() const { return m_server; }

    // pactl's exit status and output.
    QPair<int, QString> pactl(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(m_pactl, QStringList{"-s", m_server} + arguments);
        if (!process.waitForFinished(10000))
            return {-1, QStringLiteral("pactl did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAll())};
    }

    void kill()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    ~PulseDaemon() { kill(); }

private:
    QTemporaryDir m_dir;
    QString m_pulseaudio, m_pactl, m_server;
    QProcess m_daemon;
};

SoundEffectOptions programsCues(int loadLimit = kPatience)
{
    SoundEffectOptions options; // as the program's, with an audio output needed
    options.folders = {QStringLiteral(TABLICZNIK_SOUNDS_DIR)};
    options.loadLimit = loadLimit; // loading is not what is tried here, and the machine may be busy
    return options;
}

} // namespace

class SoundDeviceTest : public QObject {
    Q_OBJECT

    PulseDaemon m_pulse;

    // Qt's PulseAudio back end lives on the thread that first used the audio
    // library. When the server goes, that thread frees the connection right
    // after telling the streams, and streams on another thread hear it too
    // late. The program calls the library on the cue thread alone, so the
    // test's own thread asks the server (pactl) until cues have been opened,
    // and the library only after, as the program would.
    bool serverHasSink(const QString &sink)
    {
        return m_pulse.pactl({"list", "short", "sinks"}).second.contains(u'\t' + sink + u'\t');
    }
    static bool libraryHasOutput(const QByteArray &sink)
    {
        const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
        return std::any_of(outputs.begin(), outputs.end(), [&](const QAudioDevice &d) { return d.id() == sink; });
    }

    // The program's cues, switched on, once every file has loaded or failed
    // (or the wait has ended: the caller checks).
    static std::unique_ptr<SoundCues> openCues(int loadLimit = kPatience)
    {
        auto cues = std::make_unique<SoundCues>(SoundEffectPlayer::factory(programsCues(loadLimit)));
        cues->setPlaySounds(true);
        cues->open();
        (void)QTest::qWaitFor([&] { return !cues->loading(); }, kPatience);
        return cues;
    }

private slots:
    void initTestCase()
    {
        if (const QString why = m_pulse.start(); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private PulseAudio daemon: ") + why));
        qputenv("PULSE_SERVER", m_pulse.server().toLocal8Bit()); // before the library's first use
        QTRY_VERIFY_WITH_TIMEOUT(serverHasSink(QStringLiteral("tablicznik_cues")), kPatience);
    }

    // The cues play on the null sink; the sink is unloaded; "Czyść" plays
    // the click cue. That froze the program for good: the audio library
    // waited for a stream on the vanished device. Now every cue returns, the
    // cues fall silent for the rest of the run, and the preference stays.
    void cueAfterTheDeviceIsGone()
    {
        const std::unique_ptr<SoundCues> opened = openCues();
        SoundCues &cues = *opened;
        QVERIFY(cues.soundsReady());

        {
            FreezeGuard guard("the cues on a working device", 20);
            cues.PlayClick();
            cues.PlayPage();
            cues.PlayOver();
        }
        // They play on the sink.
        QTRY_VERIFY_WITH_TIMEOUT(m_pulse.pactl({"list", "short", "sink-inputs"}).second.contains(u'\t'), kPatience);
        QVERIFY(cues.soundsReady());

        const auto unloaded = m_pulse.pactl({"unload-module", "module-null-sink"});
        QVERIFY2(unloaded.first == 0, qPrintable(unloaded.second));
        QTRY_VERIFY_WITH_TIMEOUT(!libraryHasOutput("tablicznik_cues"), kPatience); // the system knows, as a person clicking would find

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Tablicznik: dźwięki wyciszone do końca pracy \\(KTXbutton.wav: "
                                                "urządzenie dźwiękowe tablicznik_cues zniknęło\\)"));
        {
            FreezeGuard guard("PlayClick after the device went away (\"Czyść\")", 20);
            cues.PlayClick();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!cues.soundsReady(), kPatience);
        QVERIFY(cues.playSounds());
        {
            FreezeGuard guard("the cues after the device went away", 20);
            cues.PlayClick();
            cues.PlayPage();
            cues.PlayOver();
            cues.PlayExit();
        }
        QVERIFY(!cues.soundsReady());

        // Cues opened now find no output at all and stay silent.
        const std::unique_ptr<SoundCues> later = openCues();
        QVERIFY(!later->loading());
        QVERIFY(!later->soundsReady());
    }

    // The exit cue's wait ends with the sound; then the
    // sound server itself dies: no cue blocks, and the cues fall silent.
    // The click may race the library's noticing the death; then the
    // library's call never returns on the cue thread, the cue is dropped at
    // its bound, and the program ends through the cues' last-resort exit.
    // Either way the window goes on. A process of its own (see CMakeLists).
    void soundServerGone()
    {
        // Now and then, on a busy machine, a sound stays loading in the
        // audio library for good; the cues then fall silent at their load
        // limit, as they should. What is tried here needs working cues, so a
        // fresh set is opened again.
        std::unique_ptr<SoundCues> opened;
        for (int attempt = 0; attempt < 3 && !(opened && opened->soundsReady()); ++attempt)
            opened = openCues(kPatience / 3);
        SoundCues &cues = *opened;
        QVERIFY(cues.soundsReady());

        SoundEffectPlayer exit(programsCues());
        QVERIFY(exit.open(QStringLiteral("KTXExit.wav")));
        bool ready = false;
        exit.watch([&](bool ok) { ready = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(ready, kPatience);
        {
            FreezeGuard guard("the exit cue on a working device", 2 * kPatience / 1000);
            QVERIFY(exit.playAndWait(kPatience)); // back when the sound has ended
        }
        QVERIFY(!exit.isPlaying());
        QVERIFY(!exit.failed());

        m_pulse.kill(); // the library still lists the outputs it knew
        {
            FreezeGuard guard("the cues after the sound server died", 20);
            for (int i = 0; i < 3; ++i) {
                cues.PlayClick();
                cues.PlayOver();
            }
            cues.PlayExit();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!cues.soundsReady(), kPatience);
        QVERIFY(cues.playSounds());
    }
};

TABLICZNIK_TEST_MAIN(SoundDeviceTest)
#include "sounddevice_test.moc"
