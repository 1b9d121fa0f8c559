#include "animation/avireader.h"
#include "prefs/settings.h"
#include "sound/soundeffectplayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstdio>

using namespace tablicznik;

// What a hostile file costs the program before it gives the default: a
// 1 GiB sound or animation file (sparse, whole and valid if it were read)
// and a 100 MB settings file of garbage. Each should be refused in far less
// than 100 ms; the last case shows what reading the store whole would cost.
class HostileFilesBench : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_sound, m_animation, m_store;

    static QByteArray le32(quint32 v)
    {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    }
    static void sparse(const QString &path, const QByteArray &head, qint64 size)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(head) != head.size() ||
            !file.resize(size))
            qFatal("cannot write %s", qPrintable(path));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const qint64 gib = 1024LL * 1024 * 1024;
        m_sound = m_dir.filePath("KTXbutton.wav");
        const QByteArray format = "fmt " + le32(16) + QByteArray::fromHex("01000100225600004487000002001000");
        sparse(m_sound, "RIFF" + le32(quint32(gib - 8)) + "WAVE" + format + "data" + le32(quint32(gib - 44)), gib);
        m_animation = m_dir.filePath("atom.avi");
        sparse(m_animation, "RIFF" + le32(quint32(gib - 8)) + "AVI LIST", gib);

        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("config"));
        m_store = settings::location();
        QDir().mkpath(QFileInfo(m_store).path());
        QFile store(m_store);
        QVERIFY(store.open(QIODevice::WriteOnly));
        QByteArray block(1024 * 1024, Qt::Uninitialized);
        QRandomGenerator random(100);
        for (int i = 0; i < 100; ++i) {
            random.fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
            store.write(block);
        }
        store.close();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}); // the expected reports
    }

    void refusingAHugeCue()
    {
        SoundEffectOptions options;
        options.needAudioOutput = false;
        options.folders = {m_dir.path()};
        QBENCHMARK {
            SoundEffectPlayer player(options);
            QVERIFY(!player.open(QStringLiteral("KTXbutton.wav")));
        }
    }

    void refusingAHugeAnimation()
    {
        QBENCHMARK {
            QVERIFY(!readAviFile(m_animation).isValid());
        }
    }

    void refusingAHugeStore()
    {
        QBENCHMARK {
            Preferences flags;
            QVERIFY(!SprawdzRejestr(flags, {}));
        }
    }

    // What the store's check saves: QSettings reading the file whole.
    void readingTheHugeStoreWhole()
    {
        QElapsedTimer clock;
        clock.start();
        QSettings whole(m_store, QSettings::IniFormat);
        whole.allKeys();
        std::printf("QSettings on the 100 MB store: %lld ms, status %d\n", clock.elapsed(), int(whole.status()));
    }
};

QTEST_MAIN(HostileFilesBench)
#include "hostilefiles_bench.moc"
