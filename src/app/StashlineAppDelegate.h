#pragma once

#include <QObject>
#include <QString>

#include <functional>

class AccountManager;
class CloudAccount;
class ShareListViewModel;

// Connects the application's launch and remote-notification callbacks to the cloud sync engine.
// Main thread.
class StashlineAppDelegate : public QObject
{
    Q_OBJECT
public:
    using Hook = std::function<void()>;

    explicit StashlineAppDelegate(QObject *parent = nullptr);

    // Set during start-up of a UI-test run; run once launch has finished. A new hook replaces
    // (and releases) the old one.
    static void setUITestLaunchHook(Hook hook);

    // Launch has finished: registers for remote notifications (the push channel of the
    // process-wide cloud container starts), then runs the UI-test hook when the arguments hold
    // "-UI_TESTING" and a hook is set.
    void applicationDidFinishLaunching(const QStringList &arguments);

    // A change push: hands it to the process-wide sync engine, whatever kind of run this is.
    void didReceiveRemoteNotification();

    // Starts the push channel; its pushes arrive at didReceiveRemoteNotification on the main
    // thread. Registration is not checked: without an account or server the channel only logs.
    void registerForRemoteNotifications();

    // The user signed in to another account or signed out: the process-wide engine drops the old
    // account's pass, the container moves to `account`, the push channel follows it (when it
    // was started), and the engine uploads every item to it and downloads all of it.
    void switchAccount(const CloudAccount &account);

    // Follows the process-wide account through changes: switchAccount() when the user changes
    // it, moveAccount() when it moved to a new database, and followMove() when the sync engine
    // (from the key document) or the encryption manager (which moved it here) says it moved.
    void followAccount(AccountManager &account);

    // The account moved to `databaseName` on the same server: the key this device holds goes
    // with it (EncryptionManager::followMove), then the account names the new database
    // (AccountManager::followMove). Asked again while that runs, it does nothing.
    void followMove(const QString &databaseName);

    // The account moved to the new database `account` names: as switchAccount(), but the
    // engine keeps what it knows of the items (CloudKitSyncManager::resetForMove).
    void moveAccount(const CloudAccount &account);

    // The application is quitting (Quit in the tray, the last window closed without a tray, or
    // the session ending): writes what `model` has not saved yet and stops the push channel.
    void applicationWillTerminate(ShareListViewModel &model);

signals:
    void remoteNotificationReceived();

private:
    void startPushChannel();
    // Moves the container to `account`, loads its key and starts the engine there.
    void useAccount(const CloudAccount &account);

    bool m_registered = false;
    QString m_following; // the database a move is being followed to
};
