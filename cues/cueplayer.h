#pragma once

#include <QString>
#include <QtPlugin>

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

// What the sound plugin (sound/) gives the program: cue players, and at the
// end the stop of the thread they play on.
class CuePlayerPlugin {
public:
    virtual ~CuePlayerPlugin() = default;
    virtual std::unique_ptr<CuePlayer> createPlayer() = 0;
    // Ends the players' thread, waiting at most `milliseconds`. False when a
    // call into the audio library has not come back: the library must then
    // not be shut down, and the program ends without unloading it.
    virtual bool stop(int milliseconds) = 0;
};

} // namespace tablicznik

#define TABLICZNIK_CUE_PLAYER_PLUGIN_IID "pl.lumera.Tablicznik.CuePlayerPlugin/1"
Q_DECLARE_INTERFACE(tablicznik::CuePlayerPlugin, TABLICZNIK_CUE_PLAYER_PLUGIN_IID)
