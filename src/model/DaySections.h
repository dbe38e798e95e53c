#pragma once

#include "Calendar.h"
#include "ShareSection.h"

#include <QDateTime>

#include <vector>

class ShareItem;

// Cutting items into the list's day sections, shared by the list's groups and search results.
namespace DaySections {

// An item (or the store row of one not loaded) with the instant it is sorted and grouped by:
// its creation date, or now when it has none.
struct Entry {
    qint64 msecs = 0;
    ShareItem *item = nullptr;
    qint64 rowId = 0; // used when item is null
};

Entry entry(ShareItem *item, qint64 nowMsecs);

// The start of the list's recent group: the start of today in `calendar`, three calendar days
// back; `now` when the calendar cannot compute it.
QDateTime recentCutoff(const Calendar &calendar, const QDateTime &now);

// The titles of the days of instants given newest first: each day is looked up in the time
// zone once, and the instants inside its [start, next start) range get its title without a
// lookup.
class Titler
{
public:
    Titler(const Calendar &calendar, const QDateTime &now) : m_calendar(calendar), m_now(now) {}
    // The title of the day of `msecs`; `isNewDay` tells whether it differs from the last one's.
    const QString &title(qint64 msecs, bool *isNewDay);

private:
    const Calendar &m_calendar;
    QDateTime m_now;
    QDate m_day;
    QString m_title;
    qint64 m_dayStart = 0;
    qint64 m_nextDayStart = 0;
    bool m_hasRange = false;
    bool m_hasDay = false;
};

// Day sections of `entries`, newest day first, titled "date.today", "date.yesterday" or the
// locale's abbreviated date; entries newest first, equal instants in input order. A section
// holds items, or row ids for entries without an item. Empty input gives no sections.
QList<ShareSection> make(std::vector<Entry> entries, const Calendar &calendar, const QDateTime &now);

} // namespace DaySections
