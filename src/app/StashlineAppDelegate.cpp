#include "StashlineAppDelegate.h"

#include "Services/CloudContainerAdapter.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/EncryptionManager.h"
#include "model/ShareListViewModel.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/PushChannel.h"

#include <QStringList>

namespace {

StashlineAppDelegate::Hook &uiTestLaunchHook()
{
    static StashlineAppDelegate::Hook hook;
    return hook;
}

} // namespace

StashlineAppDelegate::StashlineAppDelegate(QObject *parent) : QObject(parent) {}

void StashlineAppDelegate::setUITestLaunchHook(Hook hook)
{
    uiTestLaunchHook() = std::move(hook);
}

void StashlineAppDelegate::applicationDidFinishLaunching(const QStringList &arguments)
{
    registerForRemoteNotifications();
    if (arguments.contains(QStringLiteral("-UI_TESTING")) && uiTestLaunchHook())
        uiTestLaunchHook()();
}

void StashlineAppDelegate::applicationWillTerminate(ShareListViewModel &model)
{
    model.saveContext();
    if (PushChannel *channel = CloudContainerAdapter::shared().container().pushChannel())
        channel->stop();
}

void StashlineAppDelegate::registerForRemoteNotifications()
{
    if (m_registered)
        return;
    m_registered = true;
    startPushChannel();
}

void StashlineAppDelegate::startPushChannel()
{
    PushChannel *channel = CloudContainerAdapter::shared().container().pushChannel();
    if (!channel)
        return;
    // The channel signals on the cloud thread; the engine is handed the push on this one.
    connect(channel, &PushChannel::remoteNotificationReceived, this, &StashlineAppDelegate::didReceiveRemoteNotification,
            Qt::QueuedConnection);
    channel->start();
}

void StashlineAppDelegate::switchAccount(const CloudAccount &account)
{
    CloudKitSyncManager &engine = CloudKitSyncManager::shared();
    engine.resetForAccountChange();
    CloudContainerAdapter::shared().replaceAccount(account);
    EncryptionManager::shared().load(); // the new account's key, before its first pass
    if (m_registered)
        startPushChannel();
    engine.startWithAccount();
}

void StashlineAppDelegate::didReceiveRemoteNotification()
{
    emit remoteNotificationReceived();
    CloudKitSyncManager::shared().handleNotification();
}
