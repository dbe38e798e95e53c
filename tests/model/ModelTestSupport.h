#pragma once

#include "Services/SyncManagerProtocol.h"
#include "model/ShareListViewModel.h"
#include "store/ShareItem.h"

#include <QStringList>

// A sync interface that records each call, in order, in `log`; tests may add their own entries.
class RecordingSyncManager : public SyncManagerProtocol
{
public:
    void uploadPendingItems() override { log.append(QStringLiteral("upload")); }
    void downloadItems() override { log.append(QStringLiteral("download")); }
    void retry(ShareItem *item) override
    {
        log.append(QStringLiteral("retry"));
        retried.append(item);
    }
    int calls(const char *name) const { return int(log.count(QLatin1String(name))); }

    QStringList log;
    QList<ShareItem *> retried;
};
