// List model benchmarks: loadShares (fetch, legacy step and sections) over 100, 1,000 and
// 10,000 stored items spread over 60 days, and the process's peak memory with 10,000 loaded.
#include "Services/SyncManagerProtocol.h"
#include "model/ShareListViewModel.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

class IdleSyncManager : public SyncManagerProtocol
{
public:
    void uploadPendingItems() override {}
    void downloadItems() override {}
    void retry(ShareItem *) override {}
};

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

// VmHWM from /proc/self/status, else ru_maxrss; in MB.
double peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Stores `count` items, one in 50 a favourite, over the 60 days before `now`.
bool fillStore(const QString &path, int count, const QDateTime &now)
{
    std::optional<StoreError> error;
    auto container = PersistenceController::openOnDiskContainer(path, &error);
    if (!container)
        return false;
    ManagedObjectContext &context = container->viewContext();
    const qint64 spreadSeconds = 60LL * 24 * 3600;
    for (int index = 0; index < count; ++index) {
        ShareItem *item = ShareItem::insert(context);
        item->setTitle(QStringLiteral("Saved article number %1").arg(index));
        item->setContent(QStringLiteral("https://example.com/articles/%1").arg(index));
        item->setContentType(QStringLiteral("url"));
        item->setCreatedAt(now.addSecs(-(qint64(index) * spreadSeconds) / count));
        item->setIsFavorite(index % 50 == 0);
        item->setSyncStatus(ShareItem::SyncStatus(index % 4));
    }
    return !context.save();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir directory;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const Calendar calendar(QTimeZone("Europe/Berlin"),
                            QLocale(QLocale::English, QLocale::UnitedStates));

    for (int count : {100, 1000, 10000}) {
        const QString path = directory.filePath(QStringLiteral("Stashline-%1.sqlite").arg(count));
        if (!fillStore(path, count, now)) {
            std::fprintf(stderr, "could not fill the store\n");
            return 1;
        }
        // A first load in a freshly opened store materializes every record (best of 3).
        double first = 1e300;
        for (int run = 0; run < 3; ++run) {
            std::optional<StoreError> error;
            auto fresh = PersistenceController::openOnDiskContainer(path, &error);
            ShareListViewModel model(fresh->viewContext(), calendar,
                                     std::make_shared<IdleSyncManager>(), [now] { return now; });
            QElapsedTimer timer;
            timer.start();
            model.loadShares();
            first = std::min(first, double(timer.nsecsElapsed()) / 1e6);
            if (model.shares().size() != count) {
                std::fprintf(stderr, "loaded %lld of %d\n", qlonglong(model.shares().size()),
                             count);
                return 1;
            }
        }

        // Later loads find the records in the context: the reload after every save.
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(path, &error);
        ShareListViewModel model(container->viewContext(), calendar,
                                 std::make_shared<IdleSyncManager>(), [now] { return now; });
        model.loadShares();
        QElapsedTimer timer;
        double best = 1e300;
        for (int run = 0; run < 10; ++run) {
            timer.restart();
            model.loadShares();
            best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        }
        const QByteArray name = "model.reload_" + QByteArray::number(count);
        report(name.constData(), best, "ms");
        report((name + "_first").constData(), first, "ms");
        if (count == 10000)
            report("model.peak_rss_10000", peakResidentMegabytes(), "MB");
    }
    return 0;
}
