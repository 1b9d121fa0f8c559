#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

class QLabel;

namespace tablicznik {

// The time as the program sees it; tests hand in their own.
using Clock = std::function<QDateTime()>;
Clock systemClock();

// "7 grudnia 2026, Poniedziałek": the day, the month's genitive, the year
// and the weekday.
QString dateLine(QDate date);
// "09:05": hours and minutes, two digits each.
QString clockText(int hour, int minute);

// The date line and the clock of the main window. The date is set once, at
// start-up, and stays when the program runs past midnight; the clock label
// changes only when the minute does, whether it is visible or not.
class DateClock : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ShownHour READ ShownHour)
    Q_PROPERTY(int ShownMinute READ ShownMinute)

public:
    DateClock(QLabel *dateLabel, QLabel *clockLabel, Clock clock, QObject *parent = nullptr);

    void setDateLine(); // today's date into the date label
    void showTime();    // the clock label, and the hour and minute it shows
    void tick();        // once a second: the clock label when the minute has changed

    quint16 ShownHour() const { return m_shownHour; }
    quint16 ShownMinute() const { return m_shownMinute; }

private:
    void show(QTime time);

    QLabel *m_dateLabel;
    QLabel *m_clockLabel;
    Clock m_clock;
    quint16 m_shownHour = 0;
    quint16 m_shownMinute = 0;
};

} // namespace tablicznik
