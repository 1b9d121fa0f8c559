#include "soundcues.h"

namespace tablicznik {

const std::array<const char *, 4> SoundCues::kFileNames = {
    "KTXbutton.wav", "KTXPage.wav", "KTXOverButton.wav", "KTXExit.wav"};

SoundCues::SoundCues(CuePlayerFactory factory, QObject *parent) : QObject(parent), m_factory(std::move(factory)) {}

SoundCues::~SoundCues() = default;

void SoundCues::open()
{
    m_soundsReady = false;
    for (std::size_t i = 0; i < m_players.size(); ++i) {
        m_players[i] = m_factory ? m_factory() : nullptr;
        if (!m_players[i] || !m_players[i]->open(QString::fromLatin1(kFileNames[i])))
            return; // the players opened so far stay unused
    }
    m_soundsReady = true;
}

void SoundCues::play(Cue cue, bool skipWhilePlaying)
{
    if (!m_soundsReady || !m_playSounds)
        return;
    CuePlayer &player = *m_players[cue];
    if (skipWhilePlaying && player.isPlaying())
        return;
    if (!player.play())
        m_soundsReady = false;
}

void SoundCues::PlayClick() { play(Click, false); }
void SoundCues::PlayPage() { play(Page, true); }
void SoundCues::PlayOver() { play(Over, true); }

void SoundCues::PlayExit()
{
    if (!m_soundsReady || !m_playSounds)
        return;
    if (!m_players[Exit]->playAndWait(kExitWaitLimit))
        m_soundsReady = false;
}

} // namespace tablicznik
