#include "CommandLine.h"
#include "FatalErrorDialog.h"
#include "SingleInstance.h"
#include "StashRequestRouter.h"
#include "StashlineApp.h"
#include "StashlineAppDelegate.h"
#include "StashlineScenes.h"
#include "TerminationSignals.h"

#include "QmlEngineSetup.h"

#include "Services/AccountManager.h"
#include "platform/DesktopColorScheme.h"
#include "platform/GlobalShortcutPortal.h"
#include "platform/Localization.h"
#include "platform/cloud/CloudAccount.h"
#include "store/PersistenceController.h"

#include <QApplication>
#include <QQmlExtensionPlugin>
#include <QTimer>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

int main(int argc, char *argv[])
{
    QmlEngineSetup::applyDefaultRenderer();
    // The account URL may carry a password: out of the environment before anything can start
    // a thread or a child process that would inherit it.
    CloudAccount::takeFromEnvironment();
    // The commands ("stashline add ...") build no window and end at once.
    const CommandLine::Invocation invocation = CommandLine::parse(QList<QByteArray>(argv, argv + argc));
    if (invocation.kind != CommandLine::Invocation::Kind::launch)
        return CommandLine::run(invocation, argc, argv);
    QApplication application(argc, argv);
    StashlineApp::nameApplication();
    QApplication::setDesktopFileName(QStringLiteral("com.quellmar.Stashline"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/stashline/com.quellmar.Stashline.svg")));
    Localization::install(QLocale());
    DesktopColorScheme colorScheme(QDBusConnection::sessionBus()); // dark when the desktop prefers it
    colorScheme.start();
    FatalErrorDialog::install(); // from here on a fatal start-up error also shows on the desktop

    const QStringList arguments = QApplication::arguments();
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    StashlineAppDelegate delegate; // connected before anything else starts

    // Two processes never share one store: a second launch on the same group directory hands
    // its request (show the window, open the panel, add files and links) to the running one.
    std::unique_ptr<SingleInstance> instance;
    if (!LaunchMode::parse(arguments, environment).usesInMemoryStore()) {
        instance = std::make_unique<SingleInstance>(PersistenceController::storeDirectoryURL());
        if (instance->start(invocation.request) == SingleInstance::Role::Secondary)
            return CommandLine::printHandOver(invocation.request, instance->handOverReply());
    }
    AccountManager &account = AccountManager::shared(); // with its password, before anything syncs
    StashlineApp app(arguments, environment);
    StashlineScenes scenes(app);
    scenes.openUITestWindowAfterLaunch();
    if (!scenes.load())
        return 1;
    // Later launches, the command line and this launch's own files are carried out on the list
    // model, so an added item shows at once and is uploaded.
    StashRequestRouter router(app.viewModel(), &scenes);
    GlobalShortcutPortal panelShortcut(QDBusConnection::sessionBus()); // else `stashline --panel`
    QObject::connect(&panelShortcut, &GlobalShortcutPortal::activated, &scenes, &StashlineScenes::showPanel);
    if (instance) {
        instance->setRequestHandler([&router](const auto &request, auto answer) { router.route(request, std::move(answer)); });
        panelShortcut.start(qEnvironmentVariable("STASHLINE_PANEL_SHORTCUT", QStringLiteral("CTRL+ALT+S")));
        delegate.followAccount(account);
    }
    if (invocation.request.kind != StashRequest::Kind::activate)
        QTimer::singleShot(0, &scenes, [&router, request = invocation.request] {
            CommandLine::printReply(router.route(request));
        });

    // Launch has finished once the event loop runs. Quit writes what is not saved yet.
    QTimer::singleShot(0, &delegate, [&] { delegate.applicationDidFinishLaunching(arguments); });
    TerminationSignals::quitOnTermination();
    QObject::connect(&application, &QCoreApplication::aboutToQuit,
                     [&] { delegate.applicationWillTerminate(app.viewModel()); });
    return application.exec();
}
