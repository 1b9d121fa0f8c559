#pragma once

// The one fake cue player of the tests: players that share one log of what
// was asked of them, and fail, throw or keep sounding where the test says.

#include "cues/cueplayer.h"

#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace tablicznik::testing {

// The four cue files by their bare names.
inline const QString kClick = QStringLiteral("KTXbutton.wav");
inline const QString kPage = QStringLiteral("KTXPage.wav");
inline const QString kOver = QStringLiteral("KTXOverButton.wav");
inline const QString kExit = QStringLiteral("KTXExit.wav");

struct CueLog {
    QStringList played;   // the files that sounded (played or waited for), in order
    QStringList calls;    // every request: "open X", "play X", "wait X <limit>"
    QStringList missing;  // files whose open fails
    QStringList failing;  // files whose play fails
    QStringList throwing; // files whose play throws
    // With `lasting` set, a sound that starts keeps sounding (is in
    // `sounding`) until the test takes it out; otherwise it ends at once.
    bool lasting = false;
    QSet<QString> sounding;
    std::function<void()> onOpen; // runs at every open, to look at the world then
    std::function<void()> onWait; // runs when a sound is waited for (the exit cue)
    // With `late` set, the players report their loading only when the test
    // calls what they left in `reports`, in the order of opening, as the real
    // ones answer later from the event loop; otherwise they are ready at once.
    bool late = false;
    std::vector<std::function<void(bool ready)>> reports;

    // The plays and waits among the requests.
    QStringList requests() const
    {
        QStringList found;
        for (const QString &call : calls)
            if (call.startsWith(u"play ") || call.startsWith(u"wait "))
                found << call;
        return found;
    }
    // The files waited for, in order.
    QStringList waited() const
    {
        QStringList found;
        for (const QString &call : calls)
            if (call.startsWith(u"wait "))
                found << call.section(u' ', 1, 1);
        return found;
    }
};

class FakeCuePlayer : public CuePlayer {
public:
    explicit FakeCuePlayer(CueLog &log) : m_log(log) {}
    bool open(const QString &fileName) override
    {
        m_name = fileName;
        m_log.calls << QStringLiteral("open ") + fileName;
        if (m_log.onOpen)
            m_log.onOpen();
        return !m_log.missing.contains(fileName);
    }
    bool play() override
    {
        if (m_log.throwing.contains(m_name))
            throw std::runtime_error("device gone");
        if (m_log.failing.contains(m_name))
            return false;
        m_log.calls << QStringLiteral("play ") + m_name;
        m_log.played << m_name;
        if (m_log.lasting)
            m_log.sounding.insert(m_name);
        return true;
    }
    bool playAndWait(int limit) override
    {
        if (m_log.failing.contains(m_name))
            return false;
        m_log.calls << QStringLiteral("wait %1 %2").arg(m_name).arg(limit);
        m_log.played << m_name;
        if (m_log.onWait)
            m_log.onWait();
        return true;
    }
    bool isPlaying() const override { return m_log.sounding.contains(m_name); }
    void watch(std::function<void(bool ready)> onStatus) override
    {
        if (m_log.late)
            m_log.reports.push_back(std::move(onStatus));
        else
            onStatus(true);
    }

private:
    CueLog &m_log;
    QString m_name;
};

inline CuePlayerFactory fakeCuePlayers(CueLog &log)
{
    return [&log] { return std::make_unique<FakeCuePlayer>(log); };
}

} // namespace tablicznik::testing
