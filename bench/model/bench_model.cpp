// List model benchmarks: loadShares (fetch and sections) over 100, 1,000 and 10,000 stored
// items spread over 60 days, and the process's peak memory with 10,000 loaded; and over a
// library of 100,000 items (bench/BenchLibrary.h) the first load, the reload after an edit was
// saved (model.reload_after_edit_100000: the reload alone, as after every save) and a whole edit
// (model.edit_100000: save and reload), each the median of 20 edits.
#include "../BenchLibrary.h"
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
#include <vector>
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

bool libraryFigures(const QTemporaryDir &directory, const Calendar &calendar)
{
    const QString path = directory.filePath(QStringLiteral("Stashline-library.sqlite"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(path, &error);
        if (!container || !BenchLibrary::fill(container->viewContext(), 100000, now))
            return false;
    }
    std::optional<StoreError> error;
    auto container = PersistenceController::openOnDiskContainer(path, &error);
    ShareListViewModel model(container->viewContext(), calendar, std::make_shared<IdleSyncManager>(), [now] { return now; });
    QElapsedTimer timer;
    timer.start();
    model.loadShares();
    report("model.load_100000_first", double(timer.nsecsElapsed()) / 1e6, "ms");
    if (model.recentSections().isEmpty())
        return false;
    ShareItem *item = model.recentSections().constFirst().shares.constFirst();
    std::vector<double> reloads;
    std::vector<double> edits;
    for (int edit = 0; edit < 20; ++edit) {
        item->setTitle(QStringLiteral("Edited %1").arg(edit));
        container->viewContext().save();
        timer.restart();
        model.loadShares();
        reloads.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        model.updateShare(item, QStringLiteral("Edited again %1").arg(edit), item->content(), item->contentType(),
                          item->imageUUID(), item->isFavorite());
        edits.push_back(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents(); // the reload and upload request the edit queued
    }
    report("model.reload_after_edit_100000", median(reloads), "ms");
    report("model.edit_100000", median(edits), "ms");
    return true;
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
            if (model.recentSections().isEmpty() && model.historySections().isEmpty()) {
                std::fprintf(stderr, "loaded nothing of %d\n", count);
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
    return libraryFigures(directory, calendar) ? 0 : 1;
}
