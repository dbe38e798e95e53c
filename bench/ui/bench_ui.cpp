// Screen benchmarks, with the offscreen platform and the software renderer:
// - ui.first_frame_1000: from the start of a new process to the first frame of the main window,
//   its on-disk store holding 1,000 items (the process is this program in "--first-frame" mode,
//   which starts the way the application does);
// - ui.scroll_frame_mean_10000 / ui.scroll_frame_worst_10000: the time of each frame while the
//   list screen scrolls from top to bottom over 10,000 items.
#include "QmlEngineSetup.h"
#include "app/PreviewSyncManager.h"
#include "app/StashlineApp.h"
#include "model/ShareListViewModel.h"
#include "platform/Localization.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QApplication>
#include <QElapsedTimer>
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

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.3f %s\n", name, value, unit);
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

double firstFrameMilliseconds(const QString &program)
{
    QTemporaryDir groupDirectory;
    {
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(
            groupDirectory.filePath(QString::fromLatin1(PersistenceController::storeFileName)), &error);
        if (!container)
            return -1;
        fillStore(container->viewContext(), 1000);
    }
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

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QTemporaryDir groupDirectory;
    qputenv("STASHLINE_GROUP_DIR", groupDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    QmlEngineSetup::applyStyle();

    report("ui.first_frame_1000", firstFrameMilliseconds(QCoreApplication::applicationFilePath()), "ms");
    double mean = -1;
    double worst = -1;
    scrollFrames(&mean, &worst);
    report("ui.scroll_frame_mean_10000", mean, "ms");
    report("ui.scroll_frame_worst_10000", worst, "ms");
    return 0;
}
