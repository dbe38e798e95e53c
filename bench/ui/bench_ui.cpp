// Screen benchmarks, with the offscreen platform and the software renderer:
// - ui.first_frame_1000: from the start of a new process to the first frame of the main window,
//   its on-disk store holding 1,000 items (the process is this program in "--first-frame" mode,
//   which starts the way the application does);
// - ui.scroll_frame_mean_10000 / ui.scroll_frame_worst_10000: the time of each frame while the
//   list screen scrolls from top to bottom over 10,000 items;
// - ui.idle_cpu_percent_1000: CPU time of the app over 10 s in which nothing happens, its main
//   window showing 1,000 items (synced, pending, failed and left syncing), in % of one core;
// - ui.pss_shown_1000 / ui.pss_hidden_1000: the app's proportional set size with that window
//   shown, and after it was closed to the tray and the scene released;
// - ui.reopen_ms: from the tray's "open" to the first frame of the rebuilt main window.
// The last four run in a child that starts like the app, with the app's default renderer, on
// a virtual X display (xvfb-run) when there is no display, else on the display there is.
//
// `bench_ui --items 100000` runs the start and memory figures over a library of 100,000 items
// (bench/BenchLibrary.h) instead: ui.first_frame_100000, ui.idle_cpu_percent_100000,
// ui.pss_shown_100000, ui.pss_hidden_100000 and ui.reopen_ms_100000; and
// ui.start_with_pending_100000: the app (the stashline program) started over that library with
// one item waiting to upload, signed in to a local cloud server started here, the time from its
// start until its main thread went quiet (read from /proc: the end of the last quarter second
// in which it worked 30 ms or more, once 3 s passed without one), with the main thread's working
// time until then (ui.start_with_pending_cpu_100000) and the process's peak memory
// (ui.start_with_pending_peak_rss_100000).
#include "../BenchLibrary.h"
#include "../ProcessMemory.h"
#include "QmlEngineSetup.h"
#include "app/PreviewSyncManager.h"
#include "app/StashlineApp.h"
#include "app/StashlineScenes.h"
#include "model/ShareListViewModel.h"
#include "platform/Localization.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

void report(const QByteArray &name, double value, const char *unit)
{
    std::printf("bench: %s %.3f %s\n", name.constData(), value, unit);
    std::fflush(stdout);
}

// Items like a user's: notes and links, newest first, a few minutes apart.
void fillStore(ManagedObjectContext &context, int count)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (int index = 0; index < count; ++index) {
        ShareItem *item = ShareItem::insert(context);
        item->setUuid(QUuid::createUuid());
        item->setTitle(QStringLiteral("Item %1 to take along").arg(index));
        if (index % 2 == 0) {
            item->setContent(QStringLiteral("https://www.example.com/articles/%1").arg(index));
            item->setContentType(QStringLiteral("url"));
        } else {
            item->setContent(QStringLiteral("A note with a few words, number %1").arg(index));
            item->setContentType(QStringLiteral("text"));
        }
        item->setCreatedAt(now.addSecs(-qint64(index) * 30));
        item->setSyncStatusValue(qint16(index % 4));
        item->setIsFavorite(index % 7 == 0);
    }
    context.save();
}

// An on-disk store of `count` items in `groupDirectory`, as the application opens it: the
// 1,000 items of the everyday figures, or a library of a user's items at scale.
bool writeStore(const QTemporaryDir &groupDirectory, int count)
{
    std::optional<StoreError> error;
    auto container = PersistenceController::openOnDiskContainer(
        groupDirectory.filePath(QString::fromLatin1(PersistenceController::storeFileName)), &error);
    if (!container)
        return false;
    if (count == 1000)
        fillStore(container->viewContext(), count);
    else if (!BenchLibrary::fill(container->viewContext(), count, QDateTime::currentDateTimeUtc()))
        return false;
    return true;
}

QByteArray figure(const char *name, int count)
{
    return QByteArray(name) + '_' + QByteArray::number(count);
}

// The child process: starts like the application and prints the time of its first frame.
int runFirstFrame(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    Localization::install(QLocale());
    StashlineApp app({QStringLiteral("stashline")}, QProcessEnvironment());
    ShareListViewModel &viewModel = app.viewModel();
    QmlEngineSetup::applyStyle();
    QQmlApplicationEngine engine;
    QmlEngineSetup::install(engine);
    engine.setInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)}});
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Stashline/MainWindow.qml")));
    auto *window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;
    QObject::connect(window, &QQuickWindow::frameSwapped, &application, [] {
        std::printf("first-frame\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return application.exec();
}

double firstFrameMilliseconds(const QString &program, int count)
{
    QTemporaryDir groupDirectory;
    if (!writeStore(groupDirectory, count))
        return -1;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), groupDirectory.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    environment.remove(QStringLiteral("STASHLINE_CLOUD_URL"));

    double best = -1;
    for (int run = 0; run < 3; ++run) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        child.start(program, {QStringLiteral("--first-frame")});
        double elapsed = -1;
        while (child.waitForReadyRead(30000)) {
            if (child.readAllStandardOutput().contains("first-frame")) {
                elapsed = double(timer.nsecsElapsed()) / 1e6;
                break;
            }
        }
        child.waitForFinished(30000);
        if (elapsed >= 0 && (best < 0 || elapsed < best))
            best = elapsed;
    }
    return best;
}

// Runs the event loop for `milliseconds` without polling, so the waiting itself costs nothing.
void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Proportional set size of this process in MB, from /proc/self/smaps_rollup; -1 if unreadable.
double proportionalSetSizeMB()
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Waits up to `milliseconds` for the next frame of `window`; false when none came.
bool waitForFrame(QQuickWindow *window, int milliseconds)
{
    QEventLoop loop;
    bool drawn = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, &loop, [&] {
        drawn = true;
        loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    window->requestUpdate();
    loop.exec();
    return drawn;
}

// The child of the tray figures: the app with its store of 1,000 items, its default renderer
// and a tray, idle with the window shown, then closed to the tray, then opened again.
int runTrayCycle(int argc, char *argv[], int count)
{
    QmlEngineSetup::applyDefaultRenderer();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stashline"));
    Localization::install(QLocale());
    StashlineApp app({QStringLiteral("stashline")}, QProcessEnvironment());
    StashlineScenes scenes(app);
    if (!scenes.load(StashlineScenes::TrayUse::Always) || !waitForFrame(scenes.mainWindow(), 10000))
        return 1;
    // Start-up work (the first load, the first cloud attempts) settles first.
    idle(4000);

    const double cpuBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    idle(10000);
    report(figure("ui.idle_cpu_percent", count), 100.0 * (processCpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9), "%");
    report(figure("ui.pss_shown", count), proportionalSetSizeMB(), "MB");

    scenes.mainWindow()->close();
    QElapsedTimer guard;
    guard.start();
    while (!scenes.isSceneReleased() && guard.elapsed() < 5000)
        idle(50);
    idle(2000);
    report(figure("ui.pss_hidden", count), scenes.isSceneReleased() ? proportionalSetSizeMB() : -1, "MB");

    QElapsedTimer reopen;
    reopen.start();
    scenes.showMainWindow();
    const bool drawn = scenes.mainWindow() && waitForFrame(scenes.mainWindow(), 10000);
    report(count == 1000 ? QByteArray("ui.reopen_ms") : figure("ui.reopen_ms", count),
           drawn ? double(reopen.nsecsElapsed()) / 1e6 : -1, "ms");
    return 0;
}

// Starts the tray child over a store of `count` items and passes on the figures it prints.
void trayCycleFigures(const QString &program, int count)
{
    QTemporaryDir groupDirectory;
    if (!writeStore(groupDirectory, count))
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), groupDirectory.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), groupDirectory.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("STASHLINE_CLOUD_URL"));
    environment.remove(QStringLiteral("QT_QUICK_BACKEND"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QString command = program;
    QStringList arguments{QStringLiteral("--tray-cycle"), QString::number(count)};
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (environment.value(QStringLiteral("DISPLAY")).isEmpty()) {
        if (xvfbRun.isEmpty()) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            command = xvfbRun;
            arguments = QStringList{QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x900x24"),
                                    program, QStringLiteral("--tray-cycle"), QString::number(count)};
        }
    }
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command, arguments);
    if (!child.waitForFinished(120000))
        child.kill();
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("bench: ")) {
            std::printf("%s\n", line.constData());
            std::fflush(stdout);
        }
    }
}

// The main thread's CPU time of process `pid` in ms (its utime and stime in /proc), -1 when gone.
double mainThreadCpuMilliseconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/task/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}


void startWithPendingFigures(int count)
{
    QTemporaryDir state;
    const QString pidFile = state.filePath(QStringLiteral("server.pid"));
    const QString urlFile = state.filePath(QStringLiteral("server.url"));
    QProcess tool;
    tool.start(QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL),
               {QStringLiteral("start"), QStringLiteral("--in-memory"), QStringLiteral("--database"), QStringLiteral("bench"),
                QStringLiteral("--pid-file"), pidFile, QStringLiteral("--url-file"), urlFile});
    tool.waitForFinished(120000);
    QFile urlSource(urlFile);
    QTemporaryDir groupDirectory;
    if (!urlSource.open(QIODevice::ReadOnly) || !writeStore(groupDirectory, count)) {
        std::fprintf(stderr, "bench_ui: no local server or store for the start with a pending item\n");
        return;
    }
    {
        // What `stashline add` leaves for the next start: one new item, pending.
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(
            groupDirectory.filePath(QString::fromLatin1(PersistenceController::storeFileName)), &error);
        ShareItem *item = ShareItem::insert(container->viewContext());
        item->setTitle(QStringLiteral("Added from the terminal"));
        item->setContent(QStringLiteral("waiting to upload"));
        container->viewContext().save();
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), groupDirectory.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), groupDirectory.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("STASHLINE_CLOUD_URL"), QString::fromUtf8(urlSource.readAll()).trimmed());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("STASHLINE_LOG_SINK"), QStringLiteral("stderr"));
    QProcess app;
    app.setProcessEnvironment(environment);
    app.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer sinceStart;
    sinceStart.start();
    app.start(QStringLiteral(STASHLINE_EXECUTABLE), {});
    if (!app.waitForStarted(10000))
        return;
    double lastCpu = 0;
    double busyUntil = 0;
    double cpuUntilQuiet = 0;
    double peak = -1;
    while (sinceStart.elapsed() < 120000) {
        idle(250);
        const double cpu = mainThreadCpuMilliseconds(app.processId());
        if (cpu < 0)
            break;
        peak = std::max(peak, peakMegabytes(QString::number(app.processId())));
        if (cpu - lastCpu >= 30) {
            busyUntil = double(sinceStart.elapsed());
            cpuUntilQuiet = cpu;
        }
        lastCpu = cpu;
        if (double(sinceStart.elapsed()) - busyUntil > 3000)
            break;
    }
    app.terminate();
    app.waitForFinished(20000);
    QProcess::execute(QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL), {QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile});
    report(figure("ui.start_with_pending", count), busyUntil, "ms");
    report(figure("ui.start_with_pending_cpu", count), cpuUntilQuiet, "ms");
    report(figure("ui.start_with_pending_peak_rss", count), peak, "MB");
}

// Scrolls the list screen from top to bottom over 10,000 items and times every frame.
void scrollFrames(double *mean, double *worst)
{
    std::optional<StoreError> error;
    auto container = PersistenceController::openInMemoryContainer(&error);
    fillStore(container->viewContext(), 10000);
    ShareListViewModel viewModel(container->viewContext(), Calendar::current(), std::make_shared<PreviewSyncManager>());

    QQmlEngine engine;
    QmlEngineSetup::install(engine);
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport Stashline\n"
                      "Window { id: host; width: 960; height: 720; visible: true; color: Theme.windowBackground\n"
                      "  required property var viewModel\n"
                      "  ShareListView { anchors.fill: parent; viewModel: host.viewModel } }\n",
                      QUrl(QStringLiteral("qrc:/bench/Scroll.qml")));
    std::unique_ptr<QObject> root(component.createWithInitialProperties(
        {{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)}}));
    auto *window = qobject_cast<QQuickWindow *>(root.get());
    if (!window) {
        std::fprintf(stderr, "bench_ui: %s\n", qPrintable(component.errorString()));
        return;
    }
    bool swapped = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
    const auto waitFrame = [&] {
        swapped = false;
        window->requestUpdate();
        QElapsedTimer guard;
        guard.start();
        while (!swapped && guard.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    viewModel.loadShares();
    for (int frame = 0; frame < 5; ++frame)
        waitFrame();

    auto *list = window->findChild<QQuickItem *>(QStringLiteral("shareList"));
    if (!list)
        return;
    std::vector<double> frames;
    double position = 0;
    const double step = 180; // about one card per frame
    while (true) {
        const double bottom = list->property("contentHeight").toDouble() - list->height()
            + list->property("originY").toDouble();
        if (position >= bottom)
            break;
        position = std::min(position + step, bottom);
        QElapsedTimer timer;
        timer.start();
        list->setProperty("contentY", position + list->property("originY").toDouble());
        waitFrame();
        frames.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (frames.size() > 200000)
            break;
    }
    if (frames.empty())
        return;
    double total = 0;
    for (double value : frames)
        total += value;
    *mean = total / double(frames.size());
    *worst = *std::max_element(frames.begin(), frames.end());
    std::fprintf(stderr, "bench_ui: %zu frames scrolled\n", frames.size());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--first-frame") == 0)
        return runFirstFrame(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--tray-cycle") == 0)
        return runTrayCycle(argc, argv, QByteArray(argv[2]).toInt());

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QTemporaryDir groupDirectory;
    qputenv("STASHLINE_GROUP_DIR", groupDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    QmlEngineSetup::applyStyle();

    const qsizetype itemsArgument = application.arguments().indexOf(QStringLiteral("--items"));
    const int count = itemsArgument > 0 ? application.arguments().value(itemsArgument + 1).toInt() : 1000;
    report(figure("ui.first_frame", count), firstFrameMilliseconds(QCoreApplication::applicationFilePath(), count), "ms");
    if (count != 1000) {
        trayCycleFigures(QCoreApplication::applicationFilePath(), count);
        startWithPendingFigures(count);
        return 0;
    }
    double mean = -1;
    double worst = -1;
    scrollFrames(&mean, &worst);
    report("ui.scroll_frame_mean_10000", mean, "ms");
    report("ui.scroll_frame_worst_10000", worst, "ms");
    trayCycleFigures(QCoreApplication::applicationFilePath(), count);
    return 0;
}
