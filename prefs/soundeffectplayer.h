#pragma once

#include "cueplayer.h"

#include <QByteArrayView>
#include <QStringList>

#include <memory>

class QSoundEffect;

namespace tablicznik {

// The folders a cue file is looked up in, in order: the current directory,
// the program's own folder, then the installed data folder, found from the
// program's folder (<prefix>/bin/../share/tablicznik), so that it works
// under any prefix and in a staging tree.
QStringList cueFolders();

// The first folder of `folders` that holds `fileName`, joined with it;
// empty when none does.
QString locateCueFile(const QString &fileName, const QStringList &folders);

// Whether the bytes are a whole WAV file that the player can play: the RIFF
// WAVE header, a format chunk of PCM or floating-point samples before a
// non-empty data chunk, and the data chunk inside the file.
bool isPlayableWave(QByteArrayView bytes);

// Whether the system offers any audio output.
bool audioOutputAvailable();

struct SoundEffectOptions {
    bool needAudioOutput = true; // off: open a file even with no audio device (tests, benchmarks)
    int loadLimit = 500;         // ms the decoder may take before the file counts as unplayable
    QStringList folders = cueFolders();
};

// A cue player on Qt Multimedia's QSoundEffect. Every failure (no such
// file, not a playable WAV, no audio output, a decoder error) makes `open`
// return false at once, with nothing written to standard error. Where each
// file was found, or that it was not, goes to the debug lines of the
// logging category "tablicznik.cues" (off unless QT_LOGGING_RULES switches
// it on).
class SoundEffectPlayer : public CuePlayer {
public:
    SoundEffectPlayer();
    explicit SoundEffectPlayer(SoundEffectOptions options);
    ~SoundEffectPlayer() override;

    bool open(const QString &fileName) override;
    bool play() override;
    bool playAndWait(int maxMilliseconds) override;
    bool isPlaying() const override;

    QString filePath() const { return m_filePath; } // where the open file was found

    static CuePlayerFactory factory(SoundEffectOptions options = {});

private:
    SoundEffectOptions m_options;
    std::unique_ptr<QSoundEffect> m_effect;
    QString m_filePath;
};

} // namespace tablicznik
