// Command-line benchmarks, each the median of 20 runs of `stashline add TEXT` measured from
// starting the process until it exited:
// - cli.add_cold_10000: no running instance, the store holding 10,000 items (the command opens
//   the store, writes one pending item and exits);
// - cli.add_warm: the app running on that store (the command hands the item over and prints
//   the answer).
// Runs are 300 ms apart, so each command meets an app that has finished the previous one.
// - cli.list_100000 / cli.list_peak_rss_100000: `stashline list > /dev/null` with no running
//   instance over a library of 100,000 items (bench/BenchLibrary.h), the median time of 5 runs
//   and the highest peak memory of the process.
// - export.10000_200pics_ms / export.10000_200pics_peak_rss_mb: `stashline export FILE` over a
//   library of 10,000 items, 200 of them with a photo of about 300 KB; then
//   import.10000_200pics_ms / import.10000_200pics_peak_rss_mb: `stashline import FILE` of that
//   archive into an empty store. The median time of 3 runs each and the highest peak memory.
//   (--transfer-only runs these alone.)
#include "../BenchLibrary.h"
#include "../ProcessMemory.h"
#include "app/SingleInstance.h"
#include "model/ShareListViewModel.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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


// Runs `stashline ARGUMENTS` with its output going nowhere; its wall time in ms and peak memory
// in MB. The child stops at its exit (ptrace) so its high-water mark is read as it ends: the
// kernel's own count for a child (wait4) starts from this big process's memory.
bool timeCommand(const QString &groupDirectory, const QList<QByteArray> &commandArguments, double *milliseconds, double *peak)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), groupDirectory);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), groupDirectory + QStringLiteral("/config"));
    environment.remove(QStringLiteral("STASHLINE_CLOUD_URL"));
    QList<QByteArray> entries;
    for (const QString &entry : environment.toStringList())
        entries.append(entry.toLocal8Bit());
    std::vector<char *> environmentPointers;
    for (QByteArray &entry : entries)
        environmentPointers.push_back(entry.data());
    environmentPointers.push_back(nullptr);
    QByteArray program = QByteArrayLiteral(STASHLINE_EXECUTABLE);
    QList<QByteArray> argumentCopies = commandArguments;
    std::vector<char *> arguments{program.data()};
    for (QByteArray &argument : argumentCopies)
        arguments.push_back(argument.data());
    arguments.push_back(nullptr);

    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const int output = ::open("/dev/null", O_WRONLY);
        ::dup2(output, STDOUT_FILENO);
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::execve(program.constData(), arguments.data(), environmentPointers.data());
        ::_exit(127);
    }
    int status = 0;
    // Stopped at the start of the program: follow it to its exit.
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status))
        return false;
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, reinterpret_cast<void *>(PTRACE_O_TRACEEXIT));
    ::ptrace(PTRACE_CONT, child, nullptr, nullptr);
    *peak = -1;
    while (::waitpid(child, &status, 0) == child && WIFSTOPPED(status)) {
        int signal = WSTOPSIG(status);
        if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            *peak = peakMegabytes(QString::number(child));
            signal = 0;
        }
        ::ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void *>(qintptr(signal)));
    }
    *milliseconds = double(timer.nsecsElapsed()) / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && *peak > 0;
}

bool listFigures()
{
    QTemporaryDir group;
    {
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(
            group.filePath(QLatin1String(PersistenceController::storeFileName)), &error);
        if (!container || !BenchLibrary::fill(container->viewContext(), 100000, QDateTime::currentDateTimeUtc()))
            return false;
    }
    std::vector<double> times;
    double peak = 0;
    for (int run = 0; run < 5; ++run) {
        double milliseconds = 0;
        double megabytes = 0;
        if (!timeCommand(group.path(), {QByteArrayLiteral("list")}, &milliseconds, &megabytes)) {
            std::fprintf(stderr, "stashline list failed\n");
            return false;
        }
        times.push_back(milliseconds);
        peak = std::max(peak, megabytes);
    }
    std::sort(times.begin(), times.end());
    report("cli.list_100000", times[times.size() / 2], "ms");
    report("cli.list_peak_rss_100000", peak, "MB");
    return true;
}

// The median time and highest peak memory of 3 runs of `stashline ARGUMENTS`, each on a group
// directory that `prepare` sets up anew.
bool commandFigures(const char *name, const QList<QByteArray> &arguments, const std::function<QString()> &prepare)
{
    std::vector<double> times;
    double peak = 0;
    for (int run = 0; run < 3; ++run) {
        const QString groupDirectory = prepare();
        double milliseconds = 0;
        double megabytes = 0;
        if (groupDirectory.isEmpty() || !timeCommand(groupDirectory, arguments, &milliseconds, &megabytes)) {
            std::fprintf(stderr, "stashline %s failed\n", arguments.constFirst().constData());
            return false;
        }
        times.push_back(milliseconds);
        peak = std::max(peak, megabytes);
    }
    std::sort(times.begin(), times.end());
    report(QByteArray(name).append("_ms").constData(), times[times.size() / 2], "ms");
    report(QByteArray(name).append("_peak_rss_mb").constData(), peak, "MB");
    return true;
}

bool transferFigures()
{
    QTemporaryDir group;
    {
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(
            group.filePath(QLatin1String(PersistenceController::storeFileName)), &error);
        if (!container || !BenchLibrary::fill(container->viewContext(), 10000, QDateTime::currentDateTimeUtc()))
            return false;
        // A photo of about 300 KB (noise does not compress), as 200 of the picture items' files.
        QImage photo(1200, 900, QImage::Format_RGB32);
        QRandomGenerator random(11);
        for (int y = 0; y < photo.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                line[x] = qRgb(x / 5 + int(random.bounded(40)), y / 4 + int(random.bounded(40)), int(random.bounded(60)));
        }
        const QByteArray jpeg = ImageManager::encodeJpeg(photo);
        ImageManager images(group.path());
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::hasPicturePredicate();
        request.fetchLimit = 200;
        for (ManagedObject *object : container->viewContext().execute(request).objects) {
            auto *item = static_cast<ShareItem *>(object);
            QFile file(images.imageFileURL(item->imageUUID()));
            if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
                return false;
        }
    }
    const QByteArray archive = QFile::encodeName(group.filePath(QStringLiteral("export.zip")));
    if (!commandFigures("export.10000_200pics", {QByteArrayLiteral("export"), archive}, [&] { return group.path(); }))
        return false;
    std::unique_ptr<QTemporaryDir> target;
    return commandFigures("import.10000_200pics", {QByteArrayLiteral("import"), archive}, [&] {
        target = std::make_unique<QTemporaryDir>();
        return target->isValid() ? target->path() : QString();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (application.arguments().contains(QStringLiteral("--list-only")))
        return listFigures() ? 0 : 1;
    if (application.arguments().contains(QStringLiteral("--transfer-only")))
        return transferFigures() ? 0 : 1;
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
    return listFigures() && transferFigures() ? 0 : 1;
}
