#include "FatalErrorDialog.h"
#include "SingleInstance.h"
#include "StashlineApp.h"
#include "StashlineAppDelegate.h"
#include "StashlineScenes.h"
#include "TerminationSignals.h"

#include "DesktopColorScheme.h"
#include "QmlEngineSetup.h"

#include "Services/AccountManager.h"
#include "Services/CloudContainerAdapter.h"
#include "model/ShareListViewModel.h"
#include "platform/Localization.h"
#include "platform/MainQueue.h"
#include "platform/PersistentContainer.h"
#include "platform/cloud/CloudAccount.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/PushChannel.h"
#include "store/PersistenceController.h"

#include <QApplication>
#include <QQmlExtensionPlugin>
#include <QTimer>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

int main(int argc, char *argv[])
{
    QmlEngineSetup::applyDefaultRenderer();
    // The account URL may carry a password: out of the environment before anything can start
    // a thread or a child process that would inherit it.
    CloudAccount::takeFromEnvironment();
    QApplication application(argc, argv);
    QApplication::setOrganizationDomain(QStringLiteral("quellmar.com"));
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    QApplication::setApplicationVersion(QStringLiteral(STASHLINE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("com.quellmar.Stashline"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/stashline/com.quellmar.Stashline.svg")));
    Localization::install(QLocale());
    // Dark when the desktop prefers it, also where the platform theme does not say so.
    DesktopColorScheme colorScheme(QDBusConnection::sessionBus());
    colorScheme.start();
    // From here on a fatal start-up error is also shown on the desktop, not only on standard error.
    FatalErrorDialog::install();

    const QStringList arguments = QApplication::arguments();
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    StashlineAppDelegate delegate; // connected before anything else starts

    // Two processes never share one store: a second launch on the same group directory hands
    // over to the running one, which comes to the front.
    std::unique_ptr<SingleInstance> instance;
    if (!LaunchMode::parse(arguments, environment).usesInMemoryStore()) {
        instance = std::make_unique<SingleInstance>(PersistenceController::storeDirectoryURL());
        if (instance->start() == SingleInstance::Role::Secondary) {
            std::printf("Stashline is already running; its window was brought to the front.\n");
            return 0;
        }
    }

    // The account, with its password from the keyring, is read before anything syncs.
    AccountManager &account = AccountManager::shared();
    StashlineApp app(arguments, environment);
    StashlineScenes scenes(app);
    if (app.isUITesting()) {
        ManagedObjectContext *context = &app.container().viewContext();
        StashlineAppDelegate::setUITestLaunchHook(
            [&scenes, context] { MainQueue::async([&scenes, context] { scenes.openUITestWindow(*context); }); });
    }
    if (!scenes.load())
        return 1;
    if (instance)
        QObject::connect(instance.get(), &SingleInstance::activationRequested, &scenes, &StashlineScenes::showMainWindow);
    if (!app.launchMode().usesInMemoryStore()) // a signed-in account takes effect at once
        QObject::connect(&account, &AccountManager::accountChanged, &delegate, &StashlineAppDelegate::switchAccount);

    // Launch has finished once the event loop runs.
    QTimer::singleShot(0, &delegate, [&delegate, arguments] { delegate.applicationDidFinishLaunching(arguments); });

    // Quit (the tray menu, the last window without a tray, or the session ending) writes what
    // is not saved yet and stops listening for pushes.
    TerminationSignals::quitOnTermination();
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&app] {
        app.viewModel().saveContext();
        if (PushChannel *channel = CloudContainerAdapter::shared().container().pushChannel())
            channel->stop();
    });
    return application.exec();
}
