#pragma once

#include "Services/SyncManagerProtocol.h"

// The sync interface of test and UI-test runs: never reaches the cloud and completes at once.
// A download announces a clean pass (start now, finish from the main queue, so the finish
// arrives after downloadItems has returned); a retry marks the item synced without saving;
// an upload does nothing. No state; main thread only.
class PreviewSyncManager : public SyncManagerProtocol
{
public:
    void uploadPendingItems() override;
    void downloadItems() override;
    void retry(ShareItem *item) override;
};
