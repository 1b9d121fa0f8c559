#include "soundeffectplayer.h"

#include "data/appinfo.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace tablicznik {
namespace {

Q_LOGGING_CATEGORY(lcCues, "tablicznik.cues", QtInfoMsg)

quint32 le32(QByteArrayView bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(QByteArrayView bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data()) + at;
    return quint16(p[0] | p[1] << 8);
}

bool isTag(QByteArrayView bytes, qsizetype at, const char (&tag)[5])
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// The sample formats Qt's WAV decoder takes.
bool playableFormat(QByteArrayView fmt)
{
    enum : quint16 { Pcm = 1, Float = 3, Extensible = 0xFFFE };
    const quint16 format = le16(fmt, 0), channels = le16(fmt, 2), blockAlign = le16(fmt, 12), bits = le16(fmt, 14);
    const quint32 rate = le32(fmt, 4);
    if (format != Pcm && format != Float && format != Extensible)
        return false;
    if (channels < 1 || channels > 2 || rate < 1000 || rate > 192000)
        return false;
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    return blockAlign == channels * bits / 8;
}

// Walks the chunks of a WAV file of `size` bytes; `read(at, n)` gives the n
// bytes at `at` (fewer when they cannot be read). Only the RIFF header, the
// chunk headers and the format chunk are read.
template <typename Read>
bool isPlayableWaveOf(qint64 size, Read read)
{
    if (size < 12)
        return false;
    const QByteArray riff = read(0, 12);
    if (riff.size() < 12 || !isTag(riff, 0, "RIFF") || !isTag(riff, 8, "WAVE"))
        return false;
    bool formatSeen = false;
    quint16 blockAlign = 0;
    for (qint64 at = 12; at + 8 <= size;) {
        const QByteArray header = read(at, 8);
        if (header.size() < 8)
            return false;
        const qint64 length = le32(header, 4), body = at + 8;
        if (length > size - body)
            return false; // cut short
        if (isTag(header, 0, "fmt ")) {
            const QByteArray fmt = read(body, 16);
            if (length < 16 || fmt.size() < 16 || !playableFormat(fmt))
                return false;
            formatSeen = true;
            blockAlign = le16(fmt, 12);
        } else if (isTag(header, 0, "data")) {
            return formatSeen && length >= blockAlign && length > 0;
        }
        at = body + length + (length & 1);
    }
    return false;
}

using namespace std::chrono_literals;
constexpr auto kStopLimit = 2000ms; // for the cue thread to finish at the end of the program

// The one thread on which every cue plays, from the first cue opened until
// the application object goes.
QThread *g_cueThread = nullptr;
QObject *g_cueAnchor = nullptr; // lives on the cue thread

// Ends the cue thread after the requests already posted, the players'
// voices among them. False when it has not ended within `limit`: a call
// into the audio library has not come back and never will (a PulseAudio
// stream whose device vanished). The library cannot be shut down under it,
// so the thread is left as it is and the caller decides how the process
// ends.
bool stopCueThread(std::chrono::milliseconds limit)
{
    if (!g_cueThread)
        return true;
    if (g_cueAnchor) {
        QMetaObject::invokeMethod(g_cueAnchor, [anchor = g_cueAnchor] {
            anchor->deleteLater();
            QThread::currentThread()->quit();
        });
        g_cueAnchor = nullptr;
    }
    if (!g_cueThread->wait(QDeadlineTimer(limit)))
        return false;
    delete std::exchange(g_cueThread, nullptr);
    return true;
}

// At the application object's end, for a program that has not stopped the
// thread itself (the tests).
void stopCueThreadAtTheEnd()
{
    if (!stopCueThread(kStopLimit))
        std::fputs("Tablicznik: biblioteka dźwięku nie odpowiada.\n", stderr);
}

QThread *cueThread()
{
    if (!g_cueThread) {
        g_cueThread = new QThread;
        g_cueThread->setObjectName(QStringLiteral("Tablicznik cues"));
        g_cueAnchor = new QObject;
        g_cueAnchor->moveToThread(g_cueThread);
        g_cueThread->start();
        qAddPostRoutine(stopCueThreadAtTheEnd);
    }
    return g_cueThread;
}

} // namespace

// What the caller's thread and the cue thread share about one player.
struct CueState {
    std::mutex mutex;
    std::condition_variable changed;
    quint64 requested = 0; // starts asked for, by the caller
    quint64 started = 0;   // starts carried out (or refused), on the cue thread
    bool playing = false;  // the sound is heard now
    bool failed = false;   // for good

    template <typename Change>
    void update(Change change)
    {
        {
            const std::lock_guard lock(mutex);
            change();
        }
        changed.notify_all();
    }
};

// One cue's sound, on the cue thread: the only code that calls the audio
// library. It must stay so: Qt's PulseAudio back end lives on the thread
// that first calls it and, when the server goes, frees its connection there
// right after telling the streams; streams on another thread would hear it
// too late.
class CueVoice : public QObject {
    Q_OBJECT

public:
    CueVoice(std::shared_ptr<CueState> state, const SoundEffectOptions &options)
        : m_state(std::move(state)), m_needDevice(options.needAudioOutput), m_beforeStart(options.beforeStart)
    {
    }

    void load(const QString &path)
    {
        QAudioDevice device;
        if (m_needDevice) {
            device = QMediaDevices::defaultAudioOutput();
            if (device.isNull()) {
                fail(QStringLiteral("brak wyjścia dźwięku"));
                return;
            }
            m_device = device.id();
            // The server may still name a default it has just lost; a stream
            // on it would never become ready.
            if (!deviceAvailable()) {
                fail(QStringLiteral("urządzenie dźwiękowe %1 zniknęło").arg(QString::fromUtf8(m_device)));
                return;
            }
        }
        m_effect = new QSoundEffect(device, this);
        connect(m_effect, &QSoundEffect::statusChanged, this, &CueVoice::statusChanged);
        connect(m_effect, &QSoundEffect::playingChanged, this, [this] {
            const bool playing = m_effect->isPlaying();
            m_state->update([&] { m_state->playing = playing; });
        });
        m_effect->setSource(QUrl::fromLocalFile(path));
        statusChanged();
    }

    void start(quint64 number)
    {
        if (!m_effect || m_failed) {
            m_state->update([&] { m_state->started = number; });
            return;
        }
        // A stream opened on a device that is gone never becomes ready, and
        // PulseAudio's Qt back end waits for it for good.
        if (m_needDevice && !deviceAvailable()) {
            fail(QStringLiteral("urządzenie dźwiękowe %1 zniknęło").arg(QString::fromUtf8(m_device)));
            m_state->update([&] { m_state->started = number; });
            return;
        }
        if (m_beforeStart)
            m_beforeStart();
        m_effect->play(); // from the start, also while it is still sounding
        // QSoundEffect counts itself playing before it starts its output and
        // stops counting at once when the output refuses (a sound server
        // that has gone away).
        const bool playing = m_effect->isPlaying();
        if (!playing)
            fail(QStringLiteral("wyjście dźwięku nie przyjęło dźwięku"));
        m_state->update([&] {
            m_state->started = number;
            m_state->playing = playing;
        });
    }

    void stop()
    {
        if (m_effect)
            m_effect->stop();
    }

signals:
    void loaded();
    void failed(const QString &why);

private:
    void statusChanged()
    {
        if (m_loaded || m_failed)
            return;
        if (m_effect->status() == QSoundEffect::Ready) {
            m_loaded = true;
            emit loaded();
        } else if (m_effect->status() == QSoundEffect::Error) {
            fail(QStringLiteral("dekoder odrzucił plik"));
        }
    }

    bool deviceAvailable() const
    {
        const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
        return std::any_of(outputs.begin(), outputs.end(), [&](const QAudioDevice &d) { return d.id() == m_device; });
    }

    void fail(const QString &why)
    {
        m_failed = true;
        m_state->update([&] { m_state->failed = true; });
        emit failed(why);
    }

    std::shared_ptr<CueState> m_state;
    bool m_needDevice;
    std::function<void()> m_beforeStart;
    QSoundEffect *m_effect = nullptr;
    QByteArray m_device;
    bool m_loaded = false;
    bool m_failed = false;
};

QStringList cueFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), program, QDir::cleanPath(program + u'/' + kDataFolderFromProgram.toString())};
}

QString locateCueFile(const QString &fileName, const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool isPlayableWave(QByteArrayView bytes)
{
    return isPlayableWaveOf(bytes.size(), [&](qint64 at, qint64 n) {
        return bytes.sliced(at, qMin(n, bytes.size() - at)).toByteArray();
    });
}

bool isPlayableWaveFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestCue) // a pipe or a device could block the reading
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return isPlayableWaveOf(file.size(), [&](qint64 at, qint64 n) {
        return file.seek(at) ? file.read(n) : QByteArray();
    });
}

SoundEffectPlayer::SoundEffectPlayer() : SoundEffectPlayer(SoundEffectOptions{}) {}

SoundEffectPlayer::SoundEffectPlayer(SoundEffectOptions options) : m_options(std::move(options)) {}

SoundEffectPlayer::~SoundEffectPlayer()
{
    m_context.reset(); // no more reports, no more bounds
    if (m_voice)
        m_voice->deleteLater(); // on the cue thread, after what was asked of it
}

CuePlayerFactory SoundEffectPlayer::factory(SoundEffectOptions options)
{
    return [options] { return std::make_unique<SoundEffectPlayer>(options); };
}

bool SoundEffectPlayer::open(const QString &fileName)
{
    m_context.reset();
    if (m_voice)
        std::exchange(m_voice, nullptr)->deleteLater();
    m_state.reset();
    m_status = Pending;
    m_delivered = Pending;

    m_filePath = locateCueFile(fileName, m_options.folders);
    if (m_filePath.isEmpty()) {
        qCDebug(lcCues).noquote() << "cue" << fileName << "not found in" << m_options.folders.join(u", ");
        return false;
    }
    qCDebug(lcCues).noquote() << "cue" << fileName << "found in" << QFileInfo(m_filePath).absolutePath();
    if (!isPlayableWaveFile(m_filePath))
        return false;

    m_state = std::make_shared<CueState>();
    m_context = std::make_unique<QObject>();
    m_voice = new CueVoice(m_state, m_options);
    QObject::connect(m_voice, &CueVoice::loaded, m_context.get(), [this] { settle(Ready); });
    QObject::connect(m_voice, &CueVoice::failed, m_context.get(), [this](const QString &why) { fail(why); });
    m_voice->moveToThread(cueThread());
    QMetaObject::invokeMethod(m_voice, [voice = m_voice, path = m_filePath] { voice->load(path); });
    // The decoder takes a few milliseconds; the bound keeps a stuck one, or
    // a stuck audio service, from keeping the cues in waiting.
    QTimer::singleShot(m_options.loadLimit, m_context.get(), [this] {
        if (m_status == Pending)
            fail(QStringLiteral("plik nie wczytał się w ciągu %1 ms").arg(m_options.loadLimit));
    });
    return true;
}

void SoundEffectPlayer::watch(std::function<void(bool ready)> onStatus)
{
    m_onStatus = std::move(onStatus);
    deliver();
}

bool SoundEffectPlayer::request(quint64 &number)
{
    if (m_status != Ready)
        return false;
    {
        const std::lock_guard lock(m_state->mutex);
        if (m_state->failed)
            return false;
        number = ++m_state->requested;
    }
    QMetaObject::invokeMethod(m_voice, [voice = m_voice, number] { voice->start(number); });
    QTimer::singleShot(m_options.startLimit, m_context.get(), [this, number] {
        bool late;
        {
            const std::lock_guard lock(m_state->mutex);
            late = m_state->started < number && !m_state->failed;
        }
        if (late)
            fail(QStringLiteral("dźwięk nie zaczął się w ciągu %1 ms").arg(m_options.startLimit));
    });
    return true;
}

bool SoundEffectPlayer::play()
{
    quint64 number = 0;
    return request(number);
}

// The caller waits for the end of the sound without running an event loop:
// the cue thread reports the start and the end, and the bound holds even
// when the cue thread is stuck.
bool SoundEffectPlayer::playAndWait(int maxMilliseconds)
{
    quint64 number = 0;
    if (!request(number))
        return false;
    std::unique_lock lock(m_state->mutex);
    const bool ended = m_state->changed.wait_for(lock, std::chrono::milliseconds(maxMilliseconds), [&] {
        return m_state->failed || (m_state->started >= number && !m_state->playing);
    });
    const bool failed = m_state->failed;
    lock.unlock();
    if (!ended) {
        QMetaObject::invokeMethod(m_voice, [voice = m_voice] { voice->stop(); });
        fail(QStringLiteral("dźwięk zamknięcia nie skończył się w ciągu %1 ms").arg(maxMilliseconds));
        return false;
    }
    if (failed)
        fail(QString()); // the cue thread's reason follows through the event loop, if it still runs
    return !failed;
}

bool SoundEffectPlayer::isPlaying() const
{
    if (!m_state)
        return false;
    const std::lock_guard lock(m_state->mutex);
    return !m_state->failed && (m_state->playing || m_state->requested > m_state->started);
}

bool SoundEffectPlayer::failed() const
{
    if (m_status == Failed)
        return true;
    if (!m_state)
        return false;
    const std::lock_guard lock(m_state->mutex);
    return m_state->failed;
}

void SoundEffectPlayer::fail(const QString &why)
{
    if (m_state)
        m_state->update([&] { m_state->failed = true; });
    if (m_status == Failed)
        return;
    qCDebug(lcCues).noquote() << "cue" << QFileInfo(m_filePath).fileName() << "failed:" << why;
    // Failing at the start is an ordinary case (no sound on this computer);
    // a player that worked and stops while the program runs is worth a line,
    // once: the others usually follow it for the same reason.
    static std::atomic<bool> said{false};
    if (m_status == Ready && !why.isEmpty() && !said.exchange(true))
        qWarning().noquote() << QStringLiteral("Tablicznik: dźwięki wyciszone do końca pracy (%1: %2).")
                                    .arg(QFileInfo(m_filePath).fileName(), why);
    settle(Failed);
}

void SoundEffectPlayer::settle(Status status)
{
    if (m_status == Failed)
        return;
    m_status = status;
    deliver();
}

void SoundEffectPlayer::deliver()
{
    if (!m_onStatus || m_delivered == Failed || m_delivered == m_status)
        return;
    m_delivered = m_status;
    if (m_status != Pending)
        m_onStatus(m_status == Ready);
}

std::unique_ptr<CuePlayer> SoundEffectPlugin::createPlayer()
{
    return std::make_unique<SoundEffectPlayer>();
}

bool SoundEffectPlugin::stop(int milliseconds)
{
    return stopCueThread(std::chrono::milliseconds(milliseconds));
}

} // namespace tablicznik

#include "soundeffectplayer.moc"
