// The application shell: the UI-test window, the tray panel, the second-launch hand-over and a
// clean quit, with the screens loaded headless.
#include "app/FatalErrorDialog.h"
#include "app/SingleInstance.h"
#include "app/StashlineApp.h"
#include "app/StashlineAppDelegate.h"
#include "app/StashlineScenes.h"
#include "model/ShareListViewModel.h"
#include "platform/FatalError.h"
#include "AppProcess.h"
#include "platform/MainQueue.h"
#include "platform/PersistentContainer.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QLocalSocket>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QQmlExtensionPlugin>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

// The item named `name` in the visual tree under `root`.
QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The titles the list screen of `window` shows, in order.
QStringList shownTitles(QQuickWindow *window, const char *listName)
{
    QStringList titles;
    QQuickItem *list = findItem(window->contentItem(), QLatin1String(listName));
    if (!list)
        return {QStringLiteral("<no list>")};
    const QVariant model = list->property("model");
    auto *rows = qvariant_cast<QAbstractItemModel *>(model);
    if (!rows)
        return {QStringLiteral("<no model>")};
    const int itemRole = rows->roleNames().key("item");
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (auto *item = qvariant_cast<ShareItem *>(rows->index(row, 0).data(itemRole)))
            titles.append(item->title());
    }
    return titles;
}

} // namespace

class TestScenes : public QObject
{
    Q_OBJECT
private slots:
    void panelShowsTheSameListAndFollowsIt()
    {
        StashlineApp app({QStringLiteral("stashline"), QStringLiteral("-UI_TESTING")}, QProcessEnvironment());
        StashlineScenes scenes(app);
        QVERIFY(scenes.load());
        ShareListViewModel &model = app.viewModel();
        model.addShare(QStringLiteral("first"), QString(), QStringLiteral("text"), {}, false);
        QSignalSpy shown(&scenes, &StashlineScenes::panelShown);
        scenes.showPanel();
        QCOMPARE(shown.count(), 1);
        QVERIFY(scenes.panelWindow());
        QCOMPARE(scenes.panelWindow()->size(), QSize(360, 420));
        QTRY_COMPARE(shownTitles(scenes.panelWindow(), "shareList"), QStringList{QStringLiteral("first")});
        // An item added through the main window's model shows in the panel too.
        model.addShare(QStringLiteral("second"), QString(), QStringLiteral("text"), {}, false);
        QTRY_COMPARE(shownTitles(scenes.panelWindow(), "shareList"),
                     (QStringList{QStringLiteral("second"), QStringLiteral("first")}));
        QCOMPARE(shownTitles(scenes.mainWindow(), "shareList"), shownTitles(scenes.panelWindow(), "shareList"));

        // With every window hidden, showing the app brings the main window back.
        scenes.mainWindow()->hide();
        scenes.panelWindow()->hide();
        scenes.showMainWindow();
        QVERIFY(scenes.mainWindow()->isVisible());
    }

    // Closed to the tray, the app keeps its model but no window and no QML tree; opening it
    // builds the window again, showing what changed meanwhile.
    void closingToTheTrayReleasesTheScene()
    {
        StashlineApp app({QStringLiteral("stashline"), QStringLiteral("-UI_TESTING")}, QProcessEnvironment());
        StashlineScenes scenes(app);
        QVERIFY(scenes.load(StashlineScenes::TrayUse::Always));
        QVERIFY(scenes.hasTray());
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
        ShareListViewModel &model = app.viewModel();
        model.addShare(QStringLiteral("kept"), QString(), QStringLiteral("text"), {}, false);
        QSignalSpy released(&scenes, &StashlineScenes::sceneReleased);

        QPointer<QQuickWindow> mainWindow = scenes.mainWindow();
        scenes.showPanel();
        QPointer<QQuickWindow> panel = scenes.panelWindow();
        QVERIFY(mainWindow && panel);
        panel->close();
        QTest::qWait(50);
        QVERIFY(!scenes.isSceneReleased()); // the main window is still open
        QVERIFY(panel);
        mainWindow->close();
        QTRY_VERIFY(scenes.isSceneReleased());
        QCOMPARE(released.count(), 1);
        QVERIFY(!mainWindow && !panel);
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty());

        model.addShare(QStringLiteral("added while hidden"), QString(), QStringLiteral("text"), {}, false);
        scenes.showMainWindow();
        QVERIFY(!scenes.isSceneReleased());
        QVERIFY(scenes.mainWindow() && scenes.mainWindow()->isVisible());
        QTRY_COMPARE(shownTitles(scenes.mainWindow(), "shareList").mid(0, 2),
                     (QStringList{QStringLiteral("added while hidden"), QStringLiteral("kept")}));
        // Closed again, released again.
        scenes.mainWindow()->close();
        QTRY_COMPARE(released.count(), 2);
        QGuiApplication::setQuitOnLastWindowClosed(true);
    }

    // A second device on this machine names itself in the window title and the tray tooltip;
    // the default one is plain "Stashline".
    void secondDeviceShowsItsName()
    {
        QTemporaryDir root;
        qputenv("STASHLINE_GROUP_DIR", root.filePath(QStringLiteral("group.com.quellmar.Stashline.shared.device-2")).toUtf8());
        {
            StashlineApp app({QStringLiteral("stashline"), QStringLiteral("-UI_TESTING")}, QProcessEnvironment());
            StashlineScenes scenes(app);
            QVERIFY(scenes.load(StashlineScenes::TrayUse::Always));
            QVERIFY2(scenes.mainWindow()->title().contains(QStringLiteral("device-2")), qPrintable(scenes.mainWindow()->title()));
            QVERIFY2(scenes.trayToolTip().contains(QStringLiteral("device-2")), qPrintable(scenes.trayToolTip()));
            scenes.showPanel();
            QCOMPARE(scenes.panelWindow()->title(), scenes.mainWindow()->title());
        }
        qunsetenv("STASHLINE_GROUP_DIR");
        qputenv("XDG_DATA_HOME", root.path().toUtf8());
        QCOMPARE(StashlineScenes::windowTitle(), QStringLiteral("Stashline"));
        qunsetenv("XDG_DATA_HOME");
        QGuiApplication::setQuitOnLastWindowClosed(true);
    }

    void secondLaunchHandsOverAndQuitIsClean()
    {
        QTemporaryDir group;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), group.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("STASHLINE_CLOUD_URL"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), group.filePath(QStringLiteral("config")));

        QProcess first;
        QVERIFY(startApp(first, environment, group.path()));

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(STASHLINE_EXECUTABLE), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardOutput().contains("already running"));
        QCOMPARE(first.state(), QProcess::Running);

        // The session ending quits it the way Quit does.
        ::kill(pid_t(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(20000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);

        // The lock went with it: the next launch is the primary again.
        SingleInstance again(group.path());
        QCOMPARE(again.start(), SingleInstance::Role::Primary);
    }

    void fatalErrorPresentsBeforeStopping()
    {
        int channel[2];
        QCOMPARE(::pipe(channel), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(channel[0]);
            ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
            setFatalErrorPresenter([channel](const QString &shown) {
                const QByteArray bytes = shown.toUtf8();
                // The parent reads what arrives; a short write shows there as a wrong text.
                [[maybe_unused]] const ssize_t written = ::write(channel[1], bytes.constData(), size_t(bytes.size()));
            });
            fatalError(QStringLiteral("Unable to locate shared app group directory"));
        }
        ::close(channel[1]);
        QByteArray presented(256, '\0');
        const ssize_t size = ::read(channel[0], presented.data(), size_t(presented.size()));
        ::close(channel[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT);
        QCOMPARE(presented.left(qMax<ssize_t>(size, 0)), QByteArray("Fatal error: Unable to locate shared app group directory"));
    }
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TestScenes test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scenes.moc"
