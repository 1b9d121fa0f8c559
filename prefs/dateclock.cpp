#include "dateclock.h"

#include <QLabel>

namespace tablicznik {
namespace {

const char *const kMonths[12] = {
    " stycznia ", " lutego ", " marca ",     " kwietnia ",    " maja ",      " czerwca ",
    " lipca ",    " sierpnia ", " września ", " października ", " listopada ", " grudnia ",
};

// The week begins on Sunday. Polish writes weekdays in lower case.
const char *const kWeekdays[7] = {
    "niedziela", "poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota",
};

} // namespace

Clock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

QString dateLine(QDate date)
{
    if (!date.isValid())
        return {};
    return QString::number(date.day()) + QString::fromUtf8(kMonths[date.month() - 1]) + QString::number(date.year()) +
           QStringLiteral(", ") + QString::fromUtf8(kWeekdays[date.dayOfWeek() % 7]); // Qt counts Sunday as 7
}

QString clockText(int hour, int minute) { return QString::asprintf("%.2d:%.2d", hour, minute); }

DateClock::DateClock(QLabel *dateLabel, QLabel *clockLabel, Clock clock, QObject *parent)
    : QObject(parent), m_dateLabel(dateLabel), m_clockLabel(clockLabel), m_clock(clock ? std::move(clock) : systemClock())
{
    setObjectName(QStringLiteral("DateClock"));
}

void DateClock::setDateLine() { m_dateLabel->setText(dateLine(m_clock().date())); }

void DateClock::showTime() { show(m_clock().time()); }

void DateClock::tick()
{
    const QTime now = m_clock().time();
    if (now.hour() != m_shownHour || now.minute() != m_shownMinute)
        show(now);
}

void DateClock::show(QTime time)
{
    m_shownHour = quint16(time.hour());
    m_shownMinute = quint16(time.minute());
    m_clockLabel->setText(clockText(time.hour(), time.minute()));
}

} // namespace tablicznik
