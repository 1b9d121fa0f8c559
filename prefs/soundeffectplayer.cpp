#include "soundeffectplayer.h"

#include "data/appinfo.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <cstring>

namespace tablicznik {
namespace {

Q_LOGGING_CATEGORY(lcCues, "tablicznik.cues", QtInfoMsg)

constexpr qint64 kLargestCue = 16 * 1024 * 1024; // a cue is a short sound

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

} // namespace

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
    const qint64 size = bytes.size();
    if (size < 12 || !isTag(bytes, 0, "RIFF") || !isTag(bytes, 8, "WAVE"))
        return false;
    bool formatSeen = false;
    quint16 blockAlign = 0;
    for (qint64 at = 12; at + 8 <= size;) {
        const qint64 length = le32(bytes, at + 4), body = at + 8;
        if (length > size - body)
            return false; // cut short
        if (isTag(bytes, at, "fmt ")) {
            if (length < 16 || !playableFormat(bytes.sliced(body, 16)))
                return false;
            formatSeen = true;
            blockAlign = le16(bytes, body + 12);
        } else if (isTag(bytes, at, "data")) {
            return formatSeen && length >= blockAlign && length > 0;
        }
        at = body + length + (length & 1);
    }
    return false;
}

bool audioOutputAvailable()
{
    // Qt's audio back end tells standard error when no sound server answers;
    // having no audio device is an ordinary case for this program.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const bool available = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    return available;
}

SoundEffectPlayer::SoundEffectPlayer() : SoundEffectPlayer(SoundEffectOptions{}) {}

SoundEffectPlayer::SoundEffectPlayer(SoundEffectOptions options) : m_options(std::move(options)) {}

SoundEffectPlayer::~SoundEffectPlayer() = default;

CuePlayerFactory SoundEffectPlayer::factory(SoundEffectOptions options)
{
    return [options] { return std::make_unique<SoundEffectPlayer>(options); };
}

bool SoundEffectPlayer::open(const QString &fileName)
{
    m_effect.reset();
    m_filePath = locateCueFile(fileName, m_options.folders);
    if (m_filePath.isEmpty()) {
        qCDebug(lcCues).noquote() << "cue" << fileName << "not found in" << m_options.folders.join(u", ");
        return false;
    }
    qCDebug(lcCues).noquote() << "cue" << fileName << "found in" << QFileInfo(m_filePath).absolutePath();
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestCue || !isPlayableWave(file.readAll()))
        return false;
    if (m_options.needAudioOutput && !audioOutputAvailable())
        return false;

    // The decoder works in the background; a checked file takes a few
    // milliseconds, and the bound keeps a stuck one from delaying the program.
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(m_filePath));
    if (effect->status() == QSoundEffect::Loading) {
        QEventLoop wait;
        QObject::connect(effect.get(), &QSoundEffect::statusChanged, &wait, [&] {
            if (effect->status() != QSoundEffect::Loading)
                wait.quit();
        });
        QTimer::singleShot(m_options.loadLimit, &wait, &QEventLoop::quit);
        if (effect->status() == QSoundEffect::Loading)
            wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (effect->status() != QSoundEffect::Ready)
        return false;
    m_effect = std::move(effect);
    return true;
}

bool SoundEffectPlayer::play()
{
    if (!m_effect || m_effect->status() != QSoundEffect::Ready)
        return false;
    m_effect->play(); // from the start, also while it is still sounding
    return true;
}

bool SoundEffectPlayer::playAndWait(int maxMilliseconds)
{
    if (!play())
        return false;
    if (m_effect->isPlaying()) {
        QEventLoop wait;
        QObject::connect(m_effect.get(), &QSoundEffect::playingChanged, &wait, [&] {
            if (!m_effect->isPlaying())
                wait.quit();
        });
        QTimer::singleShot(maxMilliseconds, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (m_effect->isPlaying()) { // the device stalled
        m_effect->stop();
        return false;
    }
    return true;
}

bool SoundEffectPlayer::isPlaying() const { return m_effect && m_effect->isPlaying(); }

} // namespace tablicznik
