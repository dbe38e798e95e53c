#include "PreviewSyncManager.h"

#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "store/ShareItem.h"

void PreviewSyncManager::uploadPendingItems() {}

void PreviewSyncManager::downloadItems()
{
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);
    MainQueue::async([] { NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish); });
}

void PreviewSyncManager::retry(ShareItem *item)
{
    if (item)
        item->setSyncStatus(ShareItem::SyncStatus::synced);
}
