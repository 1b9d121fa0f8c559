#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace tablicznik {

// One sound cue player: the four operations the program needs of an audio
// service. Every operation reports failure instead of throwing.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual bool open(const QString &fileName) = 0; // a WAV file, by bare name
    virtual bool play() = 0;                         // asynchronous, from the start
    virtual bool playAndWait(int maxMilliseconds) = 0; // returns at the end of the sound
    virtual bool isPlaying() const = 0;
};

using CuePlayerFactory = std::function<std::unique_ptr<CuePlayer>()>;

} // namespace tablicznik
