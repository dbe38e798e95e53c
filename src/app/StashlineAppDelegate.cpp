#include "StashlineAppDelegate.h"

#include "Services/AccountManager.h"
#include "Services/CloudContainerAdapter.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/EncryptionManager.h"
#include "model/ShareListViewModel.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/PushChannel.h"

#include <QPointer>
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
    CloudKitSyncManager::shared().resetForAccountChange();
    useAccount(account);
}

void StashlineAppDelegate::moveAccount(const CloudAccount &account)
{
    CloudKitSyncManager::shared().resetForMove();
    useAccount(account);
}

void StashlineAppDelegate::useAccount(const CloudAccount &account)
{
    CloudContainerAdapter::shared().replaceAccount(account);
    EncryptionManager::shared().load(); // the new account's key, before its first pass
    if (m_registered)
        startPushChannel();
    CloudKitSyncManager::shared().startWithAccount();
}

void StashlineAppDelegate::followAccount(AccountManager &account)
{
    connect(&account, &AccountManager::accountChanged, this, &StashlineAppDelegate::switchAccount);
    connect(&account, &AccountManager::accountMoved, this, &StashlineAppDelegate::moveAccount);
    connect(&CloudKitSyncManager::shared(), &CloudKitSyncManager::databaseMoved, this, &StashlineAppDelegate::followMove);
    connect(&EncryptionManager::shared(), &EncryptionManager::databaseMoved, this, &StashlineAppDelegate::followMove);
}

void StashlineAppDelegate::followMove(const QString &databaseName)
{
    const CloudAccount &current = AccountManager::shared().account();
    if (!current.isValid() || databaseName == current.databaseName() || databaseName == m_following)
        return;
    m_following = databaseName;
    QPointer<StashlineAppDelegate> self(this);
    const bool following = EncryptionManager::shared().followMove(current.withDatabaseName(databaseName).displayUrl(), [self, databaseName] {
        if (!self)
            return;
        self->m_following.clear();
        AccountManager::shared().followMove(databaseName);
    });
    if (!following)
        m_following.clear(); // this device's own move goes on first, and announces it again
}

void StashlineAppDelegate::didReceiveRemoteNotification()
{
    emit remoteNotificationReceived();
    CloudKitSyncManager::shared().handleNotification();
}
