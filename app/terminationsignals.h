#pragma once

#include <QObject>

class QSocketNotifier;

namespace tablicznik {

// Turns SIGTERM and SIGINT (a logout, `kill`, Ctrl+C in a terminal) into a
// Qt signal delivered by the event loop, so that the program ends through
// its normal closing steps instead of dying with unsaved settings. The
// handler itself only writes a byte to a pipe, which is all a signal
// handler may safely do. One object per program.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Whether a termination signal has arrived, even before an event loop ran.
    bool received() const { return m_received; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
    bool m_received = false;
};

} // namespace tablicznik
