#include "UnavailableCloudSyncManager.h"

#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"

void UnavailableCloudSyncManager::uploadPendingItems()
{
    AppLogger::info(AppLogger::cloudKit(), QStringLiteral("Cloud sync is not available; pending items stay on this device"));
}

void UnavailableCloudSyncManager::downloadItems()
{
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);
    MainQueue::async([] {
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                 {{CloudSyncNotification::errorMessageKey, errorMessage}});
    });
}

void UnavailableCloudSyncManager::retry(ShareItem *)
{
    uploadPendingItems();
}
