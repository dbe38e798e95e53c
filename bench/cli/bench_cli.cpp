// Command-line benchmarks, each the median of 20 runs of `stashline add TEXT` measured from
// starting the process until it exited:
// - cli.add_cold_10000: no running instance, the store holding 10,000 items (the command opens
//   the store, writes one pending item and exits);
// - cli.add_warm: the app running on that store (the command hands the item over and prints
//   the answer).
// Runs are 300 ms apart, so each command meets an app that has finished the previous one.
#include "app/SingleInstance.h"
#include "model/ShareListViewModel.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 20;

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

bool fillStore(const QString &groupDirectory, int count)
{
    std::optional<StoreError> error;
    auto container = PersistenceController::openOnDiskContainer(
        groupDirectory + QLatin1Char('/') + QLatin1String(PersistenceController::storeFileName), &error);
    if (!container)
        return false;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int index = 0; index < count; ++index) {
        ShareItem *item = ShareListViewModel::insertShare(
            container->viewContext(), QStringLiteral("Item %1").arg(index), QStringLiteral("https://example.com/%1").arg(index),
            QStringLiteral("url"), {}, false, now.addSecs(-60 * index));
        item->setSyncStatus(ShareItem::SyncStatus::synced); // a user's items are in the cloud already
    }
    return !container->viewContext().save();
}

// The median wall time of `stashline add`, in milliseconds; negative when a run failed.
double medianAddTime(const QProcessEnvironment &environment)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(STASHLINE_EXECUTABLE), {QStringLiteral("add"), QStringLiteral("hi")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            std::fprintf(stderr, "stashline add failed: %s\n", process.readAllStandardError().constData());
            return -1;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        // A person adds one thing at a time: the app finishes what an add set off (the list
        // reload, the upload attempt) before the next command comes.
        QThread::msleep(300);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir group;
    if (!group.isValid() || !fillStore(group.path(), 10000)) {
        std::fprintf(stderr, "the store could not be filled\n");
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), group.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), group.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("STASHLINE_CLOUD_URL"));

    const double cold = medianAddTime(environment);
    if (cold < 0)
        return 1;
    report("cli.add_cold_10000", cold, "ms");

    QProcess app;
    app.setProcessEnvironment(environment);
    app.start(QStringLiteral(STASHLINE_EXECUTABLE), {});
    QElapsedTimer waited;
    waited.start();
    bool answering = false;
    while (!answering && waited.elapsed() < 30000) {
        QLocalSocket probe;
        probe.connectToServer(SingleInstance::serverName(group.path()));
        answering = probe.waitForConnected(200);
        QThread::msleep(50);
    }
    const double warm = answering ? medianAddTime(environment) : -1;
    app.terminate();
    app.waitForFinished(20000);
    if (warm < 0)
        return 1;
    report("cli.add_warm", warm, "ms");
    return 0;
}
