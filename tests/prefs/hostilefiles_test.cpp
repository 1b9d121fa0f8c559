#include "animation/animationview.h"
#include "animation/avireader.h"
#include "prefs/settings.h"
#include "cues/soundcues.h"
#include "sound/soundeffectplayer.h"
#include "support/mediafiles.h"
#include "support/settingsfile.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tablicznik;
using namespace tablicznik::testing;

// Media and settings files that a broken disk, a careless copy or a prank
// leaves in the program's way: each gives the same default as a missing
// file, and a large one is refused by its size before it is read. The
// large files are sparse, so they cost no disk space.
namespace {

constexpr qint64 kGiB = 1024 * 1024 * 1024;
constexpr qint64 kMiB = 1024 * 1024;

// Writes `head` at the start of `path` and makes the file `size` bytes
// long, the rest a hole; `pieces` are written at their offsets.
bool writeSparse(const QString &path, const QByteArray &head, qint64 size, const QList<QPair<qint64, QByteArray>> &pieces = {})
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(head) != head.size())
        return false;
    for (const auto &[at, bytes] : pieces)
        if (!file.seek(at) || file.write(bytes) != bytes.size())
            return false;
    return file.resize(size);
}

// A WAV file of `size` bytes that is whole and playable when read: its data
// chunk of silence fills the file.
QByteArray hugeWaveHead(qint64 size)
{
    const QByteArray format = waveFormat(1, 1, 22050, 16);
    const qint64 dataLength = size - 12 - format.size() - 8;
    return "RIFF" + le32(quint32(size - 8)) + "WAVE" + format + "data" + le32(quint32(dataLength));
}

// An AVI file of `size` bytes that the reader would take if it read it all:
// 4096 × 4096 frames of colour 0, as many as fill the file.
QByteArray hugeAviHead(qint64 size, QList<QPair<qint64, QByteArray>> &frameHeaders)
{
    AviRecipe recipe;
    recipe.width = recipe.height = 4096;
    recipe.frames.clear();
    const QByteArray whole = aviFile(recipe); // headers and an empty 'movi'
    const qint64 moviAt = whole.indexOf("movi") - 8;
    const QByteArray head = whole.left(moviAt);
    const qint64 frame = 4096LL * 4096, frameChunk = frame + 8;
    const qint64 frames = (size - moviAt - 12) / frameChunk;
    const qint64 moviSize = 4 + frames * frameChunk;
    QByteArray riffHead = head;
    riffHead.replace(4, 4, le32(quint32(moviAt + 8 + moviSize - 8)));
    riffHead += "LIST" + le32(quint32(moviSize)) + "movi";
    for (qint64 i = 0; i < frames; ++i)
        frameHeaders.append({moviAt + 12 + i * frameChunk, "00db" + le32(quint32(frame))});
    return riffHead;
}

// Whether this process can still read a file that nobody may read (root can).
bool unreadableFor(const QString &path)
{
    QFile file(path);
    return !file.open(QIODevice::ReadOnly);
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // What a broken sound file gives: nothing plays, and it is said at once
    // (by `open`), so the cues never start loading it.
    void expectSilentCue(const QString &name, const QString &folder)
    {
        SoundEffectOptions options;
        options.needAudioOutput = false;
        options.folders = {folder};
        SoundEffectPlayer player(options);
        QVERIFY2(!player.open(name), qPrintable(name));
        QVERIFY(!player.play());
        QVERIFY(!player.isPlaying());

        SoundCues cues(SoundEffectPlayer::factory(options));
        cues.setPlaySounds(true);
        cues.open();
        QVERIFY(!cues.soundsReady());
        QVERIFY(!cues.loading());
    }

    // What a broken animation gives: a silver control with no frames and a
    // message naming the file.
    void expectNoAnimation(const QString &file)
    {
        AnimationView view;
        QVERIFY(!view.open(file));
        QCOMPARE(view.frameCount(), 0);
        QVERIFY2(view.error().startsWith(file), qPrintable(view.error()));
        view.setActive(true);
        QVERIFY(!view.isActive());
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void hostileSoundFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("huge, whole and playable if read") << "huge";
        QTest::newRow("just over the limit") << "over";
        QTest::newRow("a picture named .wav") << "picture";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("unreadable") << "unreadable";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a dangling link") << "link";
    }
    void hostileSoundFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        // The whole set, so that only the spoiled file decides.
        for (const char *name : SoundCues::kFileNames)
            QVERIFY(QFile::copy(QStringLiteral(TABLICZNIK_SOUNDS_DIR "/") + QLatin1String(name),
                                folder.filePath(QLatin1String(name))));
        const QString name = QStringLiteral("KTXPage.wav");
        const QString file = folder.filePath(name);
        QVERIFY(QFile::remove(file));
        const QByteArray good = waveFile();
        if (kind == "truncated") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(good.left(good.size() - 7));
        } else if (kind == "huge") {
            QVERIFY(writeSparse(file, hugeWaveHead(kGiB), kGiB));
        } else if (kind == "over") {
            QVERIFY(writeSparse(file, hugeWaveHead(kLargestCue + 2), kLargestCue + 2));
        } else if (kind == "picture") {
            QVERIFY(QFile::copy(QStringLiteral(":/pictures/icon.png"), file));
        } else if (kind == "random") {
            QByteArray bytes(64 * 1024, Qt::Uninitialized);
            QRandomGenerator(16).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        } else if (kind == "unreadable") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(good);
            f.close();
            QVERIFY(f.setPermissions({}));
            if (!unreadableFor(file))
                QSKIP("this user reads any file (root): a file without read permission cannot be made");
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(file));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0); // opening it would wait for a writer
        } else if (kind == "link") {
            QVERIFY(QFile::link(folder.filePath("gone.wav"), file));
        }
        expectSilentCue(name, folder.path());
    }

    // The limit itself is a size, not a guess about the content: a playable
    // file just under it is taken.
    void largestCueIsTaken()
    {
        const QString file = path("KTXExit.wav");
        QVERIFY(writeSparse(file, hugeWaveHead(kLargestCue), kLargestCue));
        QVERIFY(isPlayableWaveFile(file));
        QVERIFY(writeSparse(file, hugeWaveHead(kLargestCue + 2), kLargestCue + 2));
        QVERIFY(!isPlayableWaveFile(file));
    }

    void hostileAnimationFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("fault");
        QTest::newRow("truncated") << "truncated" << "urwany";
        QTest::newRow("huge, whole if read") << "huge" << "bajtów, a animacja najwyżej";
        QTest::newRow("a WAV file named .avi") << "wave" << "to nie jest plik AVI";
        QTest::newRow("a picture named .avi") << "picture" << "to nie jest plik AVI";
        QTest::newRow("empty") << "empty" << "to nie jest plik AVI";
        QTest::newRow("unreadable") << "unreadable" << "nie można otworzyć";
        QTest::newRow("a folder") << "folder" << "nie jest zwykły plik";
        QTest::newRow("a named pipe") << "pipe" << "nie jest zwykły plik";
        QTest::newRow("missing") << "missing" << "nie ma takiego pliku";
    }
    void hostileAnimationFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, fault);
        QTemporaryDir folder;
        const QString file = folder.filePath("atom.avi");
        AviRecipe recipe;
        recipe.frames = {QByteArray(15, 1), QByteArray(15, 2)};
        const QByteArray good = aviFile(recipe);
        const auto write = [&](const QByteArray &bytes) {
            QFile f(file);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        if (kind == "truncated") {
            QVERIFY(write(good.left(good.size() - 20)));
        } else if (kind == "huge") {
            QList<QPair<qint64, QByteArray>> frames;
            const QByteArray head = hugeAviHead(kGiB, frames);
            QVERIFY(frames.size() > 60);
            QVERIFY(writeSparse(file, head, kGiB, frames));
        } else if (kind == "wave") {
            QVERIFY(write(waveFile()));
        } else if (kind == "picture") {
            QVERIFY(QFile::copy(QStringLiteral(":/pictures/icon.png"), file));
        } else if (kind == "empty") {
            QVERIFY(write({}));
        } else if (kind == "unreadable") {
            QVERIFY(write(good));
            QVERIFY(QFile::setPermissions(file, {}));
            if (!unreadableFor(file))
                QSKIP("this user reads any file (root): a file without read permission cannot be made");
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(file));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        }
        expectNoAnimation(file);
        AnimationView view;
        view.open(file);
        QVERIFY2(view.error().contains(fault), qPrintable(view.error()));
        // The same file whole, for the truncated case, is a good animation:
        // the fault is the cut.
        if (kind == "truncated") {
            QVERIFY(write(good));
            QVERIFY2(view.open(file), qPrintable(view.error()));
            QCOMPARE(view.frameCount(), 2);
        }
    }

    // Bytes after the RIFF chunk are not the animation's and are not read.
    void bytesAfterTheRiffChunkAreIgnored()
    {
        AviRecipe recipe;
        recipe.frames = {QByteArray(15, 1)};
        const QString file = path("trailing.avi");
        QVERIFY(writeSparse(file, aviFile(recipe), 200 * kMiB));
        QVERIFY(QFileInfo(file).size() > kLargestAviFile); // refused by its size all the same
        QVERIFY(!readAviFile(file).isValid());
        QVERIFY(writeSparse(file, aviFile(recipe) + "trailing junk", aviFile(recipe).size() + 13));
        const AviAnimation read = readAviFile(file);
        QVERIFY2(read.isValid(), qPrintable(read.error));
        QCOMPARE(read.frames.size(), 1);
    }
};

// The store as a 100 MB file: garbage, or a group that would change the
// flags followed by 100 MB of nothing. Either gives the defaults, is not
// read, and is replaced when the settings are stored, unless the file is
// read-only.
class HostileSettingsTest : public QObject {
    Q_OBJECT

    testing::FreshStore m_store;
    QString m_file;

    bool writeStore(const QByteArray &head, qint64 size, bool garbage)
    {
        QDir().mkpath(QFileInfo(m_file).path());
        QFile file(m_file);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(head) != head.size())
            return false;
        if (garbage) {
            QByteArray block(kMiB, Qt::Uninitialized);
            QRandomGenerator random(100);
            while (file.size() < size) {
                random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
                if (file.write(block) != block.size())
                    return false;
            }
        }
        return file.resize(size);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_file = m_store.open();
        QVERIFY(!m_file.isEmpty());
    }
    void cleanup() { m_store.close(); }

    void hugeStore_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("garbage");
        QTest::newRow("100 MB of random bytes") << QByteArray() << true;
        QTest::newRow("sounds off, then 100 MB of nothing") << QByteArray("[2.00]\nShowed=1\nPlaySounds=0\n") << false;
    }
    void hugeStore()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, garbage);
        QVERIFY(writeStore(head, 100 * kMiB, garbage));
        const QDateTime written = QFileInfo(m_file).lastModified();

        Preferences flags;
        int aboutShown = 0;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można odczytać ustawień z .*Tablicznik.conf "
                                                              "\\(plik ma 104857600 bajtów"));
        QVERIFY(!SprawdzRejestr(flags, [&] { ++aboutShown; }));
        QCOMPARE(flags, Preferences::defaults()); // not the "PlaySounds=0" at its head: it was not read
        QCOMPARE(aboutShown, 0);
        QCOMPARE(QFileInfo(m_file).size(), 100 * kMiB);
        QCOMPARE(QFileInfo(m_file).lastModified(), written);

        // Storing replaces it with a clean store, as any garbage.
        QVERIFY(ZapiszRejestr(Preferences{true, false, true, true}));
        QVERIFY(QFileInfo(m_file).size() < 1024);
        Preferences next;
        QVERIFY(SprawdzRejestr(next, [&] { ++aboutShown; }));
        QCOMPARE(next, (Preferences{true, false, true, true}));
    }

    // A read-only file is never replaced nor deleted, garbage or not, large
    // or small; the program runs on the defaults and closes anyway.
    void readOnlyGarbageIsLeftAlone_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("small") << qint64(40);
        QTest::newRow("100 MB") << 100 * kMiB;
    }
    void readOnlyGarbageIsLeftAlone()
    {
        QFETCH(qint64, size);
        QVERIFY(writeStore(QByteArray("\x01\x02[[[\xff\xfe garbage \x00\x00\n=\n", 22), size, size > 1024));
        QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QStringList filesBefore = QDir(QFileInfo(m_file).path()).entryList(QDir::Files);
        Preferences flags;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można odczytać ustawień"));
        QVERIFY(!SprawdzRejestr(flags, {}));
        QCOMPARE(flags, Preferences::defaults());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień w .*Tablicznik.conf"));
        QVERIFY(!ZapiszRejestr(Preferences{false, false, false, false}));
        QCOMPARE(QFileInfo(m_file).size(), size);
        QCOMPARE(QDir(QFileInfo(m_file).path()).entryList(QDir::Files), filesBefore);
    }

    // A store that cannot be read at all is not replaced either.
    void unreadableStoreIsLeftAlone()
    {
        const QByteArray store("[2.00]\nShowed=1\nPlaySounds=0\n");
        QVERIFY(writeStore(store, store.size(), false));
        QVERIFY(QFile::setPermissions(m_file, {}));
        if (!unreadableFor(m_file))
            QSKIP("this user reads any file (root): a file without read permission cannot be made");
        Preferences flags;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można odczytać ustawień"));
        QVERIFY(!SprawdzRejestr(flags, {}));
        QCOMPARE(flags, Preferences::defaults());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nie można zapisać ustawień"));
        QVERIFY(!ZapiszRejestr(Preferences{false, false, false, false}));
        QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner));
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), store);
    }

    // A store at the limit is still read: the limit is far above any real
    // store, not a guess about what it holds.
    void storeAtTheLimitIsRead()
    {
        QByteArray store("[2.00]\nShowed=1\nPlaySounds=0\n[notes]\n");
        while (store.size() < 64 * 1024 - 40)
            store += "n" + QByteArray::number(store.size()) + "=" + QByteArray(20, 'x') + "\n";
        QVERIFY(writeStore(store, store.size(), false));
        QVERIFY(QFileInfo(m_file).size() <= 64 * 1024);
        Preferences flags;
        QVERIFY(SprawdzRejestr(flags, {}));
        QCOMPARE(flags.PlaySounds, false);
    }
};

// The media files and the settings store: the program runs both classes.
int main(int argc, char **argv)
{
    const int media = tablicznik::testing::runTestClass<HostileFilesTest>(argc, argv);
    return tablicznik::testing::runTestClass<HostileSettingsTest>(argc, argv) | media;
}
#include "hostilefiles_test.moc"
