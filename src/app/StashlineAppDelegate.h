#pragma once

#include <QObject>

#include <functional>

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

    // The application is quitting (Quit in the tray, the last window closed without a tray, or
    // the session ending): writes what `model` has not saved yet and stops the push channel.
    void applicationWillTerminate(ShareListViewModel &model);

signals:
    void remoteNotificationReceived();

private:
    void startPushChannel();

    bool m_registered = false;
};
