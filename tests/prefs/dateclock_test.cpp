#include "prefs/dateclock.h"
#include "support/testmain.h"

#include <QLabel>
#include <QLocale>
#include <QTest>

using namespace tablicznik;

class DateClockTest : public QObject {
    Q_OBJECT

    QDateTime m_now;
    std::unique_ptr<QLabel> m_date, m_clock;
    std::unique_ptr<DateClock> m_dateClock;

    void at(int y, int mo, int d, int h, int mi, int s) { m_now = QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }

private slots:
    void init()
    {
        m_date = std::make_unique<QLabel>();
        m_clock = std::make_unique<QLabel>();
        m_dateClock = std::make_unique<DateClock>(m_date.get(), m_clock.get(), [this] { return m_now; });
    }

    // The 1st of every month of 2027, whose weekdays a calendar gives.
    void everyMonth_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("line");
        QTest::newRow("January") << QDate(2027, 1, 1) << "1 stycznia 2027, piątek";
        QTest::newRow("February") << QDate(2027, 2, 1) << "1 lutego 2027, poniedziałek";
        QTest::newRow("March") << QDate(2027, 3, 1) << "1 marca 2027, poniedziałek";
        QTest::newRow("April") << QDate(2027, 4, 1) << "1 kwietnia 2027, czwartek";
        QTest::newRow("May") << QDate(2027, 5, 1) << "1 maja 2027, sobota";
        QTest::newRow("June") << QDate(2027, 6, 1) << "1 czerwca 2027, wtorek";
        QTest::newRow("July") << QDate(2027, 7, 1) << "1 lipca 2027, czwartek";
        QTest::newRow("August") << QDate(2027, 8, 1) << "1 sierpnia 2027, niedziela";
        QTest::newRow("September") << QDate(2027, 9, 1) << "1 września 2027, środa";
        QTest::newRow("October") << QDate(2027, 10, 1) << "1 października 2027, piątek";
        QTest::newRow("November") << QDate(2027, 11, 1) << "1 listopada 2027, poniedziałek";
        QTest::newRow("December") << QDate(2027, 12, 1) << "1 grudnia 2027, środa";
    }
    void everyMonth()
    {
        QFETCH(QDate, date);
        QFETCH(QString, line);
        QCOMPARE(dateLine(date), line);
    }

    // One week, Sunday to Saturday, with two-digit days and another year.
    void everyWeekday_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("line");
        QTest::newRow("Sunday") << QDate(2026, 12, 6) << "6 grudnia 2026, niedziela";
        QTest::newRow("Monday") << QDate(2026, 12, 7) << "7 grudnia 2026, poniedziałek";
        QTest::newRow("Tuesday") << QDate(2026, 12, 8) << "8 grudnia 2026, wtorek";
        QTest::newRow("Wednesday") << QDate(2026, 12, 9) << "9 grudnia 2026, środa";
        QTest::newRow("Thursday") << QDate(2026, 12, 10) << "10 grudnia 2026, czwartek";
        QTest::newRow("Friday") << QDate(2026, 12, 11) << "11 grudnia 2026, piątek";
        QTest::newRow("Saturday") << QDate(2026, 12, 12) << "12 grudnia 2026, sobota";
        QTest::newRow("leap day") << QDate(2028, 2, 29) << "29 lutego 2028, wtorek";
    }
    void everyWeekday()
    {
        QFETCH(QDate, date);
        QFETCH(QString, line);
        QCOMPARE(dateLine(date), line);
    }

    // Every day of a leap year reads as the Polish calendar writes it: the
    // month in the genitive, the weekday in lower case.
    void aWholeYearAsPolishWritesIt()
    {
        const QLocale polish(QLocale::Polish, QLocale::Poland);
        for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1)) {
            const QString line = dateLine(day);
            QCOMPARE(line, polish.toString(day, QStringLiteral("d MMMM yyyy, dddd")));
            QCOMPARE(line, line.toLower());
        }
    }

    void clockTexts_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("text");
        QTest::newRow("morning") << 9 << 5 << "09:05";
        QTest::newRow("midnight") << 0 << 0 << "00:00";
        QTest::newRow("noon") << 12 << 30 << "12:30";
        QTest::newRow("last minute") << 23 << 59 << "23:59";
    }
    void clockTexts()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, text);
        QCOMPARE(clockText(hour, minute), text);
    }

    // 09:05:59 shows 09:05; the first tick after the minute changes shows
    // 09:06, and the ticks between change nothing.
    void labelChangesOnlyWithTheMinute()
    {
        at(2027, 1, 1, 9, 5, 0);
        m_dateClock->showTime();
        QCOMPARE(m_clock->text(), QStringLiteral("09:05"));
        QCOMPARE(m_dateClock->ShownHour(), 9);
        QCOMPARE(m_dateClock->ShownMinute(), 5);

        m_clock->setText(QStringLiteral("untouched")); // tells a tick that writes from one that does not
        at(2027, 1, 1, 9, 5, 59);
        m_dateClock->tick();
        QCOMPARE(m_clock->text(), QStringLiteral("untouched"));

        at(2027, 1, 1, 9, 6, 0);
        m_dateClock->tick();
        QCOMPARE(m_clock->text(), QStringLiteral("09:06"));
        QCOMPARE(m_dateClock->ShownMinute(), 6);

        m_clock->setText(QStringLiteral("untouched"));
        at(2027, 1, 1, 9, 6, 1);
        m_dateClock->tick();
        QCOMPARE(m_clock->text(), QStringLiteral("untouched"));

        at(2027, 1, 1, 10, 6, 0); // same minute, another hour
        m_dateClock->tick();
        QCOMPARE(m_clock->text(), QStringLiteral("10:06"));
        QCOMPARE(m_dateClock->ShownHour(), 10);
    }

    void pastMidnightTheDateStays()
    {
        at(2026, 12, 31, 23, 59, 30);
        m_dateClock->setDateLine();
        m_dateClock->showTime();
        QCOMPARE(m_date->text(), QStringLiteral("31 grudnia 2026, czwartek"));
        at(2027, 1, 1, 0, 0, 1);
        m_dateClock->tick();
        QCOMPARE(m_clock->text(), QStringLiteral("00:00"));
        QCOMPARE(m_date->text(), QStringLiteral("31 grudnia 2026, czwartek"));
    }

    void hiddenClockStillKeepsTime()
    {
        at(2027, 1, 1, 9, 5, 0);
        m_dateClock->showTime();
        m_clock->hide();
        at(2027, 1, 1, 9, 7, 0);
        m_dateClock->tick();
        QCOMPARE(m_clock->text(), QStringLiteral("09:07"));
    }
};

TABLICZNIK_TEST_MAIN(DateClockTest)
#include "dateclock_test.moc"
