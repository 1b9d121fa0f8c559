#include "animation/avireader.h"
#include "cues/soundcues.h"
#include "sound/soundeffectplayer.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTest>

using namespace tablicznik;

// What the program pays at start-up for its media: opening the four sound
// cues when the window is first shown, and reading the atom animation.
// Run from the build folder, where the cue files lie beside the program.
class PrefsBench : public QObject {
    Q_OBJECT

    static void openCues(const SoundEffectOptions &options)
    {
        SoundCues cues(SoundEffectPlayer::factory(options));
        cues.open();
    }

private slots:
    // The very first opening in a process, as the program does it once:
    // the audio back end starts up here.
    void firstOpeningOfTheCues()
    {
        QElapsedTimer clock;
        clock.start();
        openCues({});
        const double ms = clock.nsecsElapsed() / 1e6;
        qInfo("first opening of the four cues: %.2f ms (audio outputs: %d, cue files: %s)", ms,
              int(QMediaDevices::audioOutputs().size()),
              qPrintable(QFileInfo(locateCueFile(QStringLiteral("KTXExit.wav"), cueFolders())).path()));
    }

    // Opening as the program does, on this machine's audio outputs.
    void openingTheCues()
    {
        QBENCHMARK {
            openCues({});
        }
    }

    // The files checked and decoded whether or not there is a device: what
    // a machine with sound pays.
    void decodingTheCues()
    {
        SoundEffectOptions options;
        options.needAudioOutput = false;
        // Without a device the player says so for every cue; that is not measured.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QBENCHMARK {
            openCues(options);
        }
        qInstallMessageHandler(previous);
    }

    void readingTheAtom()
    {
        QFile file(QStringLiteral(":/pictures/atom.avi"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QBENCHMARK {
            readAvi(bytes);
        }
    }
};

QTEST_MAIN(PrefsBench)
#include "prefs_bench.moc"
