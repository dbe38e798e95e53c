#include "ChangeClock.h"

#include "platform/ManagedObjectContext.h"

namespace ChangeClock {
namespace {

const QString latestKey = QStringLiteral("latestChangeSeen");

QDateTime latest(ManagedObjectContext &context)
{
    bool ok = false;
    const qint64 milliseconds = context.metadata(latestKey).toLongLong(&ok);
    return ok ? QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC) : QDateTime();
}

} // namespace

QDateTime stamp(ManagedObjectContext &context, const QDateTime &wallTime)
{
    const QDateTime seen = latest(context);
    QDateTime time = wallTime.toUTC();
    if (seen.isValid() && (!time.isValid() || time <= seen))
        time = seen.addMSecs(1);
    observe(context, time);
    return time;
}

void observe(ManagedObjectContext &context, const QDateTime &time)
{
    if (!time.isValid())
        return;
    const QDateTime seen = latest(context);
    if (!seen.isValid() || time > seen)
        context.setMetadata(latestKey, QString::number(time.toMSecsSinceEpoch()));
}

} // namespace ChangeClock
