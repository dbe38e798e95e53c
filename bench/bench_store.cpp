// Store benchmarks: one save of 10,000 new items, fetching them back, a lookup by uuid, and the
// same fetch through the SQLite C API on the same file as the floor.
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

namespace {

constexpr int itemCount = 10000;

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

template<typename Work>
double bestOf(int runs, Work work)
{
    double best = 1e300;
    for (int run = 0; run < runs; ++run)
        best = std::min(best, work());
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("Stashline.sqlite"));
    std::optional<StoreError> error;
    QList<QUuid> uuids;

    {
        auto container = PersistenceController::openOnDiskContainer(path, &error);
        ManagedObjectContext &context = container->viewContext();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int index = 0; index < itemCount; ++index) {
            ShareItem *item = ShareItem::insert(context);
            item->setTitle(QStringLiteral("Item %1 with a title of ordinary length").arg(index));
            item->setContent(QStringLiteral("https://example.com/articles/%1").arg(index));
            item->setContentType(QStringLiteral("url"));
            item->setCreatedAt(now.addSecs(-qint64(index) * 517)); // spread over about 60 days
            item->setIsMarkedForDeletion(index % 50 == 0);
            uuids.append(item->uuid());
        }
        QElapsedTimer timer;
        timer.start();
        if (context.save()) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
        report("store.save_10000", milliseconds(timer), "ms");
    }

    // A cold fetch in a freshly opened store materializes every object.
    const double coldFetch = bestOf(5, [&] {
        auto container = PersistenceController::openOnDiskContainer(path, &error);
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::notMarkedForDeletionPredicate();
        QElapsedTimer timer;
        timer.start();
        const auto result = container->viewContext().execute(request);
        const double elapsed = milliseconds(timer);
        if (result.objects.size() != itemCount - itemCount / 50)
            std::fprintf(stderr, "unexpected count %lld\n", qlonglong(result.objects.size()));
        return elapsed;
    });
    report("store.fetch_live_10000", coldFetch, "ms");

    auto container = PersistenceController::openOnDiskContainer(path, &error);
    ManagedObjectContext &context = container->viewContext();
    FetchRequest live = ShareItem::fetchRequest();
    live.predicate = ShareItem::notMarkedForDeletionPredicate();
    context.execute(live);
    report("store.fetch_live_10000_warm", bestOf(5, [&] {
               QElapsedTimer timer;
               timer.start();
               context.execute(live);
               return milliseconds(timer);
           }),
           "ms");

    report("store.fetch_by_uuid", bestOf(20, [&] {
               FetchRequest request = ShareItem::fetchRequest();
               request.predicate = ShareItem::uuidPredicate(uuids.at(itemCount / 2));
               request.fetchLimit = 1;
               QElapsedTimer timer;
               timer.start();
               const auto result = context.execute(request);
               const double elapsed = milliseconds(timer);
               return result.objects.size() == 1 ? elapsed : 1e9;
           }),
           "ms");

    // The floor: the same query and column reads through the C API.
    sqlite3 *database = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &database, SQLITE_OPEN_READONLY, nullptr);
    report("store.floor_fetch_10000", bestOf(5, [&] {
               QElapsedTimer timer;
               timer.start();
               sqlite3_stmt *statement = nullptr;
               sqlite3_prepare_v2(database,
                                  "SELECT id, uuid, title, isCompleted, dueDate, createdAt, syncStatus, cloudKitRecordID, "
                                  "lastSyncDate, isMarkedForDeletion, isFavorite, content, contentType, imageUUID "
                                  "FROM ShareItem WHERE isMarkedForDeletion = 0 ORDER BY createdAt DESC, id DESC",
                                  -1, &statement, nullptr);
               qint64 checksum = 0;
               while (sqlite3_step(statement) == SQLITE_ROW) {
                   for (int column = 0; column < 14; ++column) {
                       if (sqlite3_column_type(statement, column) == SQLITE_TEXT || sqlite3_column_type(statement, column) == SQLITE_BLOB)
                           checksum += sqlite3_column_bytes(statement, column);
                       else
                           checksum += sqlite3_column_int64(statement, column);
                   }
               }
               sqlite3_finalize(statement);
               const double elapsed = milliseconds(timer);
               return checksum != 0 ? elapsed : 1e9;
           }),
           "ms");
    sqlite3_close(database);
    return 0;
}
