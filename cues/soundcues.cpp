#include "soundcues.h"

#include <exception>

namespace tablicznik {

const std::array<const char *, 4> SoundCues::kFileNames = {
    "KTXbutton.wav", "KTXPage.wav", "KTXOverButton.wav", "KTXExit.wav"};

SoundCues::SoundCues(CuePlayerFactory factory, QObject *parent) : QObject(parent), m_factory(std::move(factory)) {}

SoundCues::~SoundCues() = default;

// A request that fails, or a player that throws, silences every cue.
template <typename Request>
void SoundCues::guarded(Request request)
{
    try {
        if (!request())
            silence();
    } catch (const std::exception &) {
        silence();
    }
}

void SoundCues::silence()
{
    m_failed = true;
    m_soundsReady = false;
}

void SoundCues::open()
{
    if (std::exchange(m_opened, true))
        return; // nothing reopens the players
    m_soundsReady = false;
    guarded([this] {
        for (std::size_t i = 0; i < m_players.size(); ++i) {
            m_players[i] = m_factory ? m_factory() : nullptr;
            if (!m_players[i] || !m_players[i]->open(QString::fromLatin1(kFileNames[i])))
                return false; // the players opened so far stay unused
        }
        // Each player says when it is ready, at once or from the event loop.
        m_loading = int(m_players.size());
        for (auto &player : m_players)
            player->watch([this](bool ready) { playerReported(ready); });
        return true;
    });
}

void SoundCues::playerReported(bool ready)
{
    if (!ready) {
        m_loading = 0;
        silence();
        return;
    }
    if (m_loading > 0 && --m_loading == 0 && !m_failed)
        m_soundsReady = true;
}

void SoundCues::play(Cue cue, bool skipWhilePlaying)
{
    if (!m_soundsReady || !m_playSounds)
        return;
    guarded([&] {
        CuePlayer &player = *m_players[cue];
        return (skipWhilePlaying && player.isPlaying()) || player.play();
    });
}

void SoundCues::PlayClick() { play(Click, false); }
void SoundCues::PlayPage() { play(Page, true); }
void SoundCues::PlayOver() { play(Over, true); }

// The window that is closing waits for the end of the sound, within a bound.
void SoundCues::PlayExit()
{
    if (!m_soundsReady || !m_playSounds)
        return;
    guarded([this] { return m_players[Exit]->playAndWait(kExitWaitLimit); });
}

} // namespace tablicznik
