#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

// Calendar days in one time zone and the date texts of one locale: what the list model needs
// to cut items into days (start of day, day arithmetic, today / yesterday tests, day titles).
//
// A value type; any thread. Days are calendar days in `timeZone`, so a day on which the clocks
// change is 23 or 25 hours long. With an invalid time zone no start of day can be computed
// (the start-of-day functions return an invalid QDateTime) and days are read in UTC.
class Calendar
{
public:
    Calendar(const QTimeZone &timeZone, const QLocale &locale);

    // The user's current calendar: the system time zone and the system locale.
    static Calendar current();

    const QTimeZone &timeZone() const { return m_timeZone; }
    const QLocale &locale() const { return m_locale; }

    // The calendar day that contains `instant`; an invalid date for an invalid instant.
    QDate dayOf(const QDateTime &instant) const;
    // The first instant of `day` (midnight, or the first valid time when the clocks skip
    // midnight); invalid when it cannot be computed (invalid day or time zone).
    QDateTime startOfDay(const QDate &day) const;
    // The start of the day of `instant` moved by `dayOffset` calendar days (not 24-hour steps).
    QDateTime startOfDay(const QDateTime &instant, int dayOffset) const;

    bool isDateInToday(const QDate &day, const QDateTime &now) const { return day.isValid() && day == dayOf(now); }
    bool isDateInYesterday(const QDate &day, const QDateTime &now) const
    {
        return day.isValid() && day == dayOf(now).addDays(-1);
    }

    // `day` as an abbreviated date of the locale, without weekday or time: "Mar 5, 2024" in
    // American English, "5. März 2024" in German, "2024年3月5日" in Japanese.
    QString abbreviatedDate(const QDate &day) const;
    // The pattern abbreviatedDate uses, derived from the locale's long date pattern by dropping
    // the weekday and shortening the month name.
    QString abbreviatedDatePattern() const { return m_abbreviatedDatePattern; }

private:
    QTimeZone m_timeZone;
    QLocale m_locale;
    QString m_abbreviatedDatePattern;
};
