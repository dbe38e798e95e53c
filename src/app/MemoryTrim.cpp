#include "MemoryTrim.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <malloc.h>
#include <sys/mman.h>

int MemoryTrim::releaseIdlePages()
{
    malloc_trim(0);
#ifdef MADV_PAGEOUT
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    // Collected first: paging out while reading the list could change it under us.
    struct Range
    {
        quintptr start;
        quintptr end;
    };
    QList<Range> ranges;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        // "start-end perms offset dev inode path"
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || !fields[5].startsWith('/'))
            continue;
        const QByteArray &permissions = fields[1];
        if (permissions.size() < 4 || permissions[1] == 'w' || permissions[3] != 'p')
            continue;
        const QList<QByteArray> bounds = fields[0].split('-');
        bool startOk = false;
        bool endOk = false;
        const quintptr start = bounds.value(0).toULongLong(&startOk, 16);
        const quintptr end = bounds.value(1).toULongLong(&endOk, 16);
        if (startOk && endOk && end > start)
            ranges.append({start, end});
    }
    int pagedOut = 0;
    for (const Range &range : std::as_const(ranges)) {
        if (madvise(reinterpret_cast<void *>(range.start), range.end - range.start, MADV_PAGEOUT) == 0)
            ++pagedOut;
    }
    return pagedOut;
#else
    return 0;
#endif
}
