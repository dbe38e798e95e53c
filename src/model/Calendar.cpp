#include "Calendar.h"

namespace {

bool isSeparator(QChar character)
{
    return character.isSpace() || character == QLatin1Char(',') || character == QChar(0x060C) /* Arabic comma */
           || character == QChar(0x3001) /* ideographic comma */;
}

// Drops weekday fields ("ddd", "dddd") with the separators next to them and turns a full month
// name ("MMMM") into the abbreviated one. Quoted literals are copied untouched.
QString abbreviatePattern(const QString &longPattern)
{
    QString result;
    bool droppedWeekday = false;
    for (qsizetype index = 0; index < longPattern.size();) {
        const QChar character = longPattern.at(index);
        if (character == QLatin1Char('\'')) {
            const qsizetype end = longPattern.indexOf(QLatin1Char('\''), index + 1);
            const qsizetype stop = end < 0 ? longPattern.size() : end + 1;
            result += longPattern.mid(index, stop - index);
            index = stop;
            continue;
        }
        qsizetype run = 1;
        while (index + run < longPattern.size() && longPattern.at(index + run) == character)
            ++run;
        if (character == QLatin1Char('d') && run >= 3) {
            // Remove the separators before the weekday, or after it when it leads the pattern.
            while (!result.isEmpty() && isSeparator(result.back()))
                result.chop(1);
            droppedWeekday = true;
        } else if (character == QLatin1Char('M') && run >= 4) {
            result += QStringLiteral("MMM");
        } else {
            if (droppedWeekday && result.isEmpty() && isSeparator(character)) {
                index += run;
                continue;
            }
            result += longPattern.mid(index, run);
        }
        index += run;
    }
    while (!result.isEmpty() && isSeparator(result.back()))
        result.chop(1);
    return result.isEmpty() ? QStringLiteral("MMM d, yyyy") : result;
}

} // namespace

Calendar::Calendar(const QTimeZone &timeZone, const QLocale &locale)
    : m_timeZone(timeZone), m_locale(locale),
      m_abbreviatedDatePattern(abbreviatePattern(locale.dateFormat(QLocale::LongFormat)))
{
}

Calendar Calendar::current()
{
    return Calendar(QTimeZone::systemTimeZone(), QLocale());
}

QDate Calendar::dayOf(const QDateTime &instant) const
{
    if (!instant.isValid())
        return {};
    return (m_timeZone.isValid() ? instant.toTimeZone(m_timeZone) : instant.toUTC()).date();
}

QDateTime Calendar::startOfDay(const QDate &day) const
{
    if (!day.isValid() || !m_timeZone.isValid())
        return {};
    return day.startOfDay(m_timeZone);
}

QDateTime Calendar::startOfDay(const QDateTime &instant, int dayOffset) const
{
    const QDate day = dayOf(instant);
    return day.isValid() ? startOfDay(day.addDays(dayOffset)) : QDateTime();
}

QString Calendar::abbreviatedDate(const QDate &day) const
{
    return m_locale.toString(day, m_abbreviatedDatePattern);
}
