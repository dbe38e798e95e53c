#include "DaySections.h"

#include "store/ShareItem.h"

#include <algorithm>

namespace DaySections {
namespace {

QString dayTitle(const QDate &day, const Calendar &calendar, const QDateTime &now)
{
    if (calendar.isDateInToday(day, now))
        return qtTrId("date.today");
    if (calendar.isDateInYesterday(day, now))
        return qtTrId("date.yesterday");
    return calendar.abbreviatedDate(day);
}

void append(ShareSection &section, const Entry &entry)
{
    if (entry.item)
        section.shares.append(entry.item);
    else
        section.rowIds.append(entry.rowId);
}

} // namespace

Entry entry(ShareItem *item, qint64 nowMsecs)
{
    const QDateTime createdAt = item->createdAt();
    return Entry{createdAt.isValid() ? createdAt.toMSecsSinceEpoch() : nowMsecs, item, item->storeRowId()};
}

QDateTime recentCutoff(const Calendar &calendar, const QDateTime &now)
{
    const QDateTime cutoff = calendar.startOfDay(now, -3);
    return cutoff.isValid() ? cutoff : now;
}

const QString &Titler::title(qint64 msecs, bool *isNewDay)
{
    if (m_hasDay) {
        const bool sameDay = m_hasRange ? msecs >= m_dayStart && msecs < m_nextDayStart
                                        : m_calendar.dayOf(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC)) == m_day;
        if (sameDay) {
            *isNewDay = false;
            return m_title;
        }
    }
    *isNewDay = true;
    m_hasDay = true;
    m_day = m_calendar.dayOf(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC));
    const QDateTime start = m_calendar.startOfDay(m_day);
    const QDateTime next = m_calendar.startOfDay(m_day.addDays(1));
    m_hasRange = start.isValid() && next.isValid();
    m_dayStart = m_hasRange ? start.toMSecsSinceEpoch() : 0;
    m_nextDayStart = m_hasRange ? next.toMSecsSinceEpoch() : 0;
    m_title = dayTitle(m_day, m_calendar, m_now);
    return m_title;
}

QList<ShareSection> make(std::vector<Entry> entries, const Calendar &calendar, const QDateTime &now)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &left, const Entry &right) { return left.msecs > right.msecs; });
    QList<ShareSection> sections;
    Titler titler(calendar, now);
    for (const Entry &entry : entries) {
        bool isNewDay = false;
        const QString &title = titler.title(entry.msecs, &isNewDay);
        if (isNewDay)
            sections.append(ShareSection{title, title, {}, {}});
        append(sections.last(), entry);
    }
    return sections;
}

} // namespace DaySections
