#include "CommandLine.h"
#include "FatalErrorDialog.h"
#include "SingleInstance.h"
#include "StashRequestHandler.h"
#include "StashlineApp.h"
#include "StashlineAppDelegate.h"
#include "StashlineScenes.h"
#include "TerminationSignals.h"

#include "DesktopColorScheme.h"
#include "GlobalShortcutPortal.h"
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
    // "stashline add ..." and the other commands build no window and end at once.
    const CommandLine::Invocation invocation = CommandLine::parse(QList<QByteArray>(argv, argv + argc));
    if (invocation.kind != CommandLine::Invocation::Kind::launch)
        return CommandLine::run(invocation, argc, argv);

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
    // over to the running one, which comes to the front (or opens its panel, or adds the files
    // and links it was given).
    std::unique_ptr<SingleInstance> instance;
    if (!LaunchMode::parse(arguments, environment).usesInMemoryStore()) {
        instance = std::make_unique<SingleInstance>(PersistenceController::storeDirectoryURL());
        if (instance->start(invocation.request) == SingleInstance::Role::Secondary) {
            if (invocation.request == SingleInstance::activationRequest())
                std::printf("Stashline is already running; its window was brought to the front.\n");
            return CommandLine::printReply(instance->handOverReply().value_or(QJsonObject()));
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
    // Requests of later launches and of the command line are carried out on the list model,
    // so an added item shows at once and is uploaded.
    StashRequestHandler requests(app.viewModel());
    const auto carryOut = [&scenes, &requests, &app](const QJsonObject &request) {
        const QString command = request.value(QStringLiteral("command")).toString();
        if (command == QLatin1String("panel")) {
            scenes.showPanel();
            return StashRequestHandler::reply(0, {});
        }
        if (command == QLatin1String("activate") || command == QLatin1String("send"))
            scenes.showMainWindow();
        if (command == QLatin1String("activate"))
            return StashRequestHandler::reply(0, {});
        const QJsonObject reply = requests.handle(request);
        // Files a file manager sent have nobody reading standard error: what was refused shows
        // in the window.
        if (command == QLatin1String("send"))
            app.viewModel().reportAddProblem(reply.value(QStringLiteral("error")).toString().trimmed());
        return reply;
    };
    if (instance)
        instance->setRequestHandler(carryOut);
    // A desktop-wide shortcut opens the panel where the desktop portal offers one; elsewhere
    // `stashline --panel` bound in the desktop's settings does the same.
    GlobalShortcutPortal panelShortcut(QDBusConnection::sessionBus());
    QObject::connect(&panelShortcut, &GlobalShortcutPortal::activated, &scenes, &StashlineScenes::showPanel);
    if (instance)
        panelShortcut.start(qEnvironmentVariable("STASHLINE_PANEL_SHORTCUT", QStringLiteral("CTRL+ALT+S")));
    if (invocation.request != SingleInstance::activationRequest())
        QTimer::singleShot(0, &scenes, [carryOut, request = invocation.request] {
            CommandLine::printReply(carryOut(request));
        });
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
