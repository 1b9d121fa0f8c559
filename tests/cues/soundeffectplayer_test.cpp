#include "cues/soundcues.h"
#include "cues/soundlibrary.h"
#include "sound/soundeffectplayer.h"
#include "support/mediafiles.h"
#include "support/testmain.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

using namespace tablicznik;
using namespace tablicznik::testing;

class SoundEffectPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString put(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(bytes);
        return file.fileName();
    }
    // A player that looks only in the test's folder and opens files even
    // where there is no audio device, so that the file alone decides.
    static SoundEffectOptions filesOnly(const QString &folder)
    {
        SoundEffectOptions options;
        options.needAudioOutput = false;
        options.folders = {folder};
        return options;
    }

private slots:
    void wavesTheDecoderTakes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("playable");
        const QByteArray good = waveFile();
        QTest::newRow("mono 16-bit PCM") << good << true;
        QTest::newRow("stereo 8-bit PCM")
            << riff("WAVE", waveFormat(1, 2, 44100, 8) + chunk("data", QByteArray(100, '\x80'))) << true;
        QTest::newRow("float samples") << riff("WAVE", waveFormat(3, 1, 48000, 32) + chunk("data", QByteArray(64, 0)))
                                       << true;
        QTest::newRow("a LIST and an odd chunk before the data")
            << waveFile(100, list("INFO", chunk("INAM", "tik")) + chunk("odd ", "abc")) << true;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("text named .wav") << QByteArray("To nie jest dźwięk, tylko tekst.\n") << false;
        QTest::newRow("RIFF of another form") << riff("AVI ", chunk("data", QByteArray(8, 0))) << false;
        QTest::newRow("truncated in the samples") << good.left(good.size() / 2) << false;
        QTest::newRow("truncated in the header") << good.left(30) << false;
        QTest::newRow("no data chunk") << riff("WAVE", waveFormat(1, 1, 22050, 16)) << false;
        QTest::newRow("empty data chunk") << riff("WAVE", waveFormat(1, 1, 22050, 16) + chunk("data", {})) << false;
        QTest::newRow("data before format")
            << riff("WAVE", chunk("data", QByteArray(64, 0)) + waveFormat(1, 1, 22050, 16)) << false;
        QTest::newRow("compressed (ADPCM)")
            << riff("WAVE", waveFormat(2, 1, 22050, 4) + chunk("data", QByteArray(64, 0))) << false;
        QTest::newRow("no channels") << riff("WAVE", waveFormat(1, 0, 22050, 16) + chunk("data", QByteArray(64, 0)))
                                     << false;
        QTest::newRow("12-bit samples")
            << riff("WAVE", waveFormat(1, 1, 22050, 12) + chunk("data", QByteArray(64, 0))) << false;
        QTest::newRow("short format chunk")
            << riff("WAVE", chunk("fmt ", le16(1) + le16(1)) + chunk("data", QByteArray(64, 0))) << false;
        QByteArray hugeChunk = good;
        hugeChunk.replace(16, 4, le32(0xFFFFFFF0u)); // the format chunk claims 4 GB
        QTest::newRow("chunk size past the end") << hugeChunk << false;
    }
    void wavesTheDecoderTakes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);
        QCOMPARE(isPlayableWave(bytes), playable);
    }

    void theProgramsCuesArePlayable()
    {
        for (const char *name : SoundCues::kFileNames) {
            QFile file(QStringLiteral(TABLICZNIK_SOUNDS_DIR "/") + QLatin1String(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            QVERIFY2(isPlayableWave(file.readAll()), name);
        }
        // The build puts them beside the program.
        const QString besideProgram = QStringLiteral(TABLICZNIK_PROGRAM_DIR "/KTXExit.wav");
        QVERIFY2(QFile::exists(besideProgram), qPrintable(besideProgram));
    }

    void lookupOrder()
    {
        QTemporaryDir first, second;
        QVERIFY(QFile::copy(put("both.wav", waveFile()), first.filePath("both.wav")));
        QVERIFY(QFile::copy(m_dir.filePath("both.wav"), second.filePath("both.wav")));
        QVERIFY(QFile::copy(m_dir.filePath("both.wav"), second.filePath("second.wav")));
        QVERIFY(QDir(first.path()).mkdir("folder.wav"));
        const QStringList folders{QString(), first.path(), second.path()};
        QCOMPARE(locateCueFile("both.wav", folders), first.filePath("both.wav"));
        QCOMPARE(locateCueFile("second.wav", folders), second.filePath("second.wav"));
        QCOMPARE(locateCueFile("folder.wav", folders), QString()); // a directory is not a sound
        QCOMPARE(locateCueFile("none.wav", folders), QString());

        // The current folder, beside the program, then the one data folder,
        // outside the program's folder (the installed program's is checked
        // by the installation test).
        const QStringList standard = cueFolders();
        QCOMPARE(standard.size(), 3);
        QCOMPARE(standard.at(0), QDir::currentPath());
        QCOMPARE(standard.at(1), QCoreApplication::applicationDirPath());
        const QString data = standard.at(2);
        QCOMPARE(data, QDir::cleanPath(data));
        QVERIFY2(QDir::isAbsolutePath(data), qPrintable(data));
        QVERIFY2(!data.startsWith(standard.at(1) + u'/'), qPrintable(data));
        QCOMPARE(QFileInfo(data).fileName(), QStringLiteral("tablicznik"));
    }

    // Real files through the real player: each broken one fails at open.
    void openFailsOnBrokenFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no such file
        const QByteArray good = waveFile();
        QTest::newRow("missing file") << "KTXOverButton.wav" << QByteArray();
        QTest::newRow("text file named .wav") << "KTXPage.wav" << QByteArray("[2.00]\nPlaySounds=1\n");
        QTest::newRow("truncated WAV") << "KTXExit.wav" << good.left(good.size() - 1000);
        QTest::newRow("header only") << "KTXbutton.wav" << good.left(44);
    }
    void openFailsOnBrokenFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        if (!bytes.isNull()) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        SoundEffectPlayer player(filesOnly(folder.path()));
        QVERIFY(!player.open(name));
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.play());
        QVERIFY(!player.playAndWait(100));
    }

    void openTakesAGoodFile()
    {
        put("KTXbutton.wav", waveFile());
        SoundEffectPlayer player(filesOnly(m_dir.path()));
        QVERIFY(player.open("KTXbutton.wav"));
        QCOMPARE(player.filePath(), m_dir.filePath("KTXbutton.wav"));
        QVERIFY(!player.isPlaying());
    }

    // With no audio device at all every open fails, so every cue is silent;
    // the program's own cue files make no difference.
    void noAudioDeviceSilencesTheCues()
    {
        if (!QMediaDevices::audioOutputs().isEmpty())
            QSKIP("this machine has an audio output");
        SoundEffectOptions options;
        options.needAudioOutput = true;
        options.folders = {QStringLiteral(TABLICZNIK_SOUNDS_DIR)};
        SoundCues cues(SoundEffectPlayer::factory(options));
        cues.setPlaySounds(true);
        cues.open();
        QVERIFY(!cues.soundsReady());
        QTRY_VERIFY_WITH_TIMEOUT(!cues.loading(), 30000); // every player has answered, on a busy machine too
        QVERIFY(!cues.soundsReady());
        cues.PlayExit(); // returns at once: nothing to wait for
    }

    // The program's players come from the plugin file, which the loader
    // takes as a cue player plugin built for this Qt; its thread stops.
    void theProgramsPlayersComeFromThePlugin()
    {
        const QString plugin = QStringLiteral(TABLICZNIK_PROGRAM_DIR "/libtablicznik-sound.so");
        const auto player = soundLibraryPlayers({QStringLiteral("/no/such/folder/libtablicznik-sound.so"), plugin})();
        QVERIFY(dynamic_cast<SoundEffectPlayer *>(player.get()));
        QVERIFY(!player->open(QStringLiteral("no-such-cue.wav")));
        QVERIFY(stopSoundLibrary());
    }
};

TABLICZNIK_TEST_MAIN(SoundEffectPlayerTest)
#include "soundeffectplayer_test.moc"
