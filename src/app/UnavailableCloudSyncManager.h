#pragma once

#include "Services/SyncManagerProtocol.h"

// Stand-in for the cloud sync engine in a normal run until the engine is built in: items stay
// on this device. An upload or retry leaves every item as it is (pending items stay pending)
// and logs that nothing was sent; a download is announced and finishes at once with the error
// text `errorMessage`, so the list shows why nothing arrived and leaves its syncing state.
// Main thread only.
class UnavailableCloudSyncManager : public SyncManagerProtocol
{
public:
    static inline const QString errorMessage = QStringLiteral("Cloud sync is not available in this build.");

    void uploadPendingItems() override;
    void downloadItems() override;
    void retry(ShareItem *item) override;
};
