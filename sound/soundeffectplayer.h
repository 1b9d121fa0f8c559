#pragma once

#include "cues/cueplayer.h"

#include <QByteArrayView>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace tablicznik {

struct CueState;
class CueVoice;

// The folders a cue file is looked up in, in order: the current directory,
// the program's own folder, then the installed data folder, found from the
// program's folder (<prefix>/bin/../share/tablicznik), so that it works
// under any prefix and in a staging tree.
QStringList cueFolders();

// The first folder of `folders` that holds `fileName` as a regular file,
// joined with it; empty when none does.
QString locateCueFile(const QString &fileName, const QStringList &folders);

// A cue is a short sound: a larger file is not taken, whatever it holds.
inline constexpr qint64 kLargestCue = 16 * 1024 * 1024;

// Whether the bytes are a whole WAV file that the player can play: the RIFF
// WAVE header, a format chunk of PCM or floating-point samples before a
// non-empty data chunk, and the data chunk inside the file.
bool isPlayableWave(QByteArrayView bytes);

// The same for a file, reading only its chunk headers; a file that is not a
// regular file or is larger than kLargestCue is refused before it is read.
bool isPlayableWaveFile(const QString &path);

struct SoundEffectOptions {
    bool needAudioOutput = true; // off: open a file even with no audio device (tests, benchmarks)
    int loadLimit = 5000;        // ms the loading may take before the file counts as unplayable (nothing waits for it)
    QStringList folders = cueFolders();
    int startLimit = 1000;       // ms a requested cue may take to start before the cues fall silent
    // Run on the cue thread just before each cue starts, possibly after the
    // player is gone (what it uses must outlive that). Tests make it block,
    // as the audio library does when its output vanishes.
    std::function<void()> beforeStart;
};

// A cue player on Qt Multimedia's QSoundEffect. The caller's thread never
// calls into the audio library: every sound lives on one cue thread shared
// by the whole program, and the caller only checks the file and posts
// requests. So a library call that never returns (PulseAudio's, when the
// output device goes away) cannot block the window.
//
// `open` checks the file at once (missing, too large, not a playable WAV:
// false) and loads it on the cue thread; `watch` then reports whether it
// loaded within loadLimit (with an audio output, when one is needed). Later
// the player fails for good, and reports it, when its output device is no
// longer among the system's outputs, when a cue has not started within
// startLimit, or when the exit cue has not ended within its bound. A failed
// player plays nothing. Nothing is written to standard error except for a
// failure while the program runs (a device gone, a cue that did not start).
class SoundEffectPlayer : public CuePlayer {
public:
    SoundEffectPlayer();
    explicit SoundEffectPlayer(SoundEffectOptions options);
    ~SoundEffectPlayer() override;

    bool open(const QString &fileName) override;
    bool play() override;
    bool playAndWait(int maxMilliseconds) override;
    bool isPlaying() const override;
    void watch(std::function<void(bool ready)> onStatus) override;

    QString filePath() const { return m_filePath; } // where the open file was found
    bool failed() const;                           // failed for good (loading, device, a stalled cue)

    static CuePlayerFactory factory(SoundEffectOptions options = {});

private:
    enum Status { Pending, Ready, Failed };
    bool request(quint64 &number);
    void fail(const QString &why);
    void settle(Status status);
    void deliver();

    SoundEffectOptions m_options;
    QString m_filePath;
    std::shared_ptr<CueState> m_state;   // shared with the voice
    CueVoice *m_voice = nullptr;         // lives on the cue thread
    std::unique_ptr<QObject> m_context;  // this thread's end of the voice's signals and of the bounds
    std::function<void(bool)> m_onStatus;
    Status m_status = Pending;           // as this thread knows it
    Status m_delivered = Pending;        // as reported to m_onStatus
};

// The plugin the program loads at its first cue (cues/soundlibrary.h).
class SoundEffectPlugin : public QObject, public CuePlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TABLICZNIK_CUE_PLAYER_PLUGIN_IID)
    Q_INTERFACES(tablicznik::CuePlayerPlugin)

public:
    std::unique_ptr<CuePlayer> createPlayer() override;
    bool stop(int milliseconds) override;
};

} // namespace tablicznik
