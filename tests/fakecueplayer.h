#pragma once

#include "prefs/cueplayer.h"

#include <QStringList>

namespace tablicznik::testing {

// A cue player that records what was asked of it. Tests share one log.
struct CueLog {
    QStringList played;   // file names, in the order played
    QStringList missing;  // files that fail to open
    bool failPlay = false;
    bool playing = false; // what isPlaying() reports
};

class FakeCuePlayer : public CuePlayer {
public:
    explicit FakeCuePlayer(CueLog &log) : m_log(log) {}
    bool open(const QString &fileName) override
    {
        m_name = fileName;
        return !m_log.missing.contains(fileName);
    }
    bool play() override
    {
        if (m_log.failPlay)
            return false;
        m_log.played << m_name;
        return true;
    }
    bool playAndWait(int) override { return play(); }
    bool isPlaying() const override { return m_log.playing; }

private:
    CueLog &m_log;
    QString m_name;
};

inline CuePlayerFactory fakeCuePlayers(CueLog &log)
{
    return [&log] { return std::make_unique<FakeCuePlayer>(log); };
}

} // namespace tablicznik::testing
