#pragma once

#include "cueplayer.h"

#include <QObject>

#include <array>
#include <utility>

namespace tablicznik {

// The four sound cues shared by all windows. Any failure to open or play,
// and any player that reports a failure of its own, silences every cue for
// the rest of the run, without a message to the user (a player that fails
// while the program runs notes it once on standard error).
class SoundCues : public QObject {
    Q_OBJECT

public:
    enum Cue { Click, Page, Over, Exit };
    static constexpr int kExitWaitLimit = 3000; // ms; a stalled device cannot hang the close

    explicit SoundCues(CuePlayerFactory factory, QObject *parent = nullptr);
    ~SoundCues() override;

    static const std::array<const char *, 4> kFileNames;

    // Opens the four files, once per run: SoundsReady tells whether all of
    // them opened. Players that load in the background report later, from
    // the event loop; until all four have, the cues are silent. A later call
    // changes nothing, so a cue that failed stays silent.
    void open();
    bool opened() const { return m_opened; }
    bool loading() const { return m_loading > 0; } // opened, some players not yet ready

    bool soundsReady() const { return m_soundsReady; }
    bool playSounds() const { return m_playSounds; }
    void setPlaySounds(bool on) { m_playSounds = on; }

    void PlayClick();
    void PlayPage();
    void PlayOver();
    void PlayExit();

private:
    void play(Cue cue, bool skipWhilePlaying);
    template <typename Request>
    void guarded(Request request);
    void playerReported(bool ready);
    void silence();

    CuePlayerFactory m_factory;
    std::array<std::unique_ptr<CuePlayer>, 4> m_players;
    bool m_opened = false;
    int m_loading = 0;    // players still to report
    bool m_failed = false; // a player failed: silent for the rest of the run
    bool m_soundsReady = false;
    bool m_playSounds = false;
};

} // namespace tablicznik
