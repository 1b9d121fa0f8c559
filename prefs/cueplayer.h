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
    virtual bool playAndWait(int maxMilliseconds) = 0; // returns at the end of the sound, or after the bound
    virtual bool isPlaying() const = 0;

    // After a successful `open`: `onStatus(true)` once the file can be
    // played, `onStatus(false)` once the player has failed for good, each at
    // most once and on the caller's thread. A player that loads in the
    // background reports later, from the event loop; this default is a
    // player that is ready when it has opened and never fails on its own.
    virtual void watch(std::function<void(bool ready)> onStatus) { onStatus(true); }
};

using CuePlayerFactory = std::function<std::unique_ptr<CuePlayer>()>;

} // namespace tablicznik
