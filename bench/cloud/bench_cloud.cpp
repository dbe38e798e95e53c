// Cloud database benchmarks against a local in-memory server that this program starts and
// stops: a modify of 1,000 records (100 with a 200 KB JPEG asset), fetching them back by ID,
// and the median push latency of 50 writes by a second client.
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/PushChannel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// A JPEG of about 200 KB: noise compresses badly, so its size follows the pixel count.
bool writeJpeg(const QString &path)
{
    QImage image(470, 470, QImage::Format_RGB32);
    auto *random = QRandomGenerator::global();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random->generate());
    return image.save(path, "JPEG", 90);
}

bool waitUntil(const std::atomic<bool> &flag)
{
    return QTest::qWaitFor([&] { return flag.load(); }, 120000);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir state;
    const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
    const QString pidFile = state.filePath(QStringLiteral("pid"));
    const QString urlFile = state.filePath(QStringLiteral("url"));
    if (QProcess::execute(tool, {QStringLiteral("start"), QStringLiteral("--in-memory"), QStringLiteral("--database"),
                                 QStringLiteral("bench"), QStringLiteral("--pid-file"), pidFile, QStringLiteral("--url-file"), urlFile})
        != 0) {
        std::fprintf(stderr, "bench_cloud: the local cloud server did not start\n");
        return 1;
    }
    int status = 0;
    {
        const CloudAccount account = CloudAccount::fromUrl(readFile(urlFile));
        CloudContainer container(CloudContainer::defaultIdentifier, account);
        CloudContainer other(CloudContainer::defaultIdentifier, account);
        CloudDatabase &database = container.privateCloudDatabase();
        database.setAssetDirectory(state.filePath(QStringLiteral("assets")));

        const QString jpeg = state.filePath(QStringLiteral("picture.jpg"));
        writeJpeg(jpeg);
        std::printf("bench_cloud: asset size %lld bytes\n", QFileInfo(jpeg).size());

        QList<CloudRecord> records;
        QList<CloudRecordID> ids;
        for (int i = 0; i < 1000; ++i) {
            CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("REC-%1").arg(i, 4, 10, QLatin1Char('0'))));
            record.setString(QStringLiteral("title"), QStringLiteral("Item %1").arg(i));
            record.setString(QStringLiteral("content"), QStringLiteral("https://example.com/%1").arg(i));
            record.setInt64(QStringLiteral("isFavorite"), i % 2);
            record.setTimestamp(QStringLiteral("createdAt"), QDateTime::currentDateTimeUtc());
            if (i % 10 == 0)
                record.setAsset(QStringLiteral("imageAsset"), CloudAsset(jpeg));
            records.append(record);
            ids.append(record.recordID());
        }

        QElapsedTimer timer;
        std::atomic<bool> done = false;
        std::atomic<bool> failed = false;
        timer.start();
        database.modifyRecords(records, {}, [&](const QList<CloudRecord> &saved, const std::optional<CloudError> &error) {
            failed = error.has_value() || saved.size() != 1000;
            done = true;
        });
        if (!waitUntil(done) || failed)
            status = 1;
        report("cloud.modify_1000", timer.nsecsElapsed() / 1e6, "ms");

        std::atomic<int> fetched = 0;
        done = false;
        timer.start();
        database.fetchRecords(ids, [&](const CloudRecordID &, const std::optional<CloudRecord> &record, const std::optional<CloudError> &) {
            if (record)
                ++fetched;
        }, [&](const std::optional<CloudError> &) { done = true; });
        if (!waitUntil(done) || fetched != 1000)
            status = 1;
        report("cloud.fetch_1000", timer.nsecsElapsed() / 1e6, "ms");

        // Push latency: from handing a write to the second client to the push on the first.
        done = false;
        database.saveSubscription(CloudSubscription(QStringLiteral("share-item-changes"), QStringLiteral("ShareItem"), 7),
                                  [&](const std::optional<CloudError> &) { done = true; });
        waitUntil(done);
        std::atomic<qint64> pushedAt = -1;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(container.pushChannel(), &PushChannel::remoteNotificationReceived, container.pushChannel(),
                         [&] { pushedAt = clock.nsecsElapsed(); }, Qt::DirectConnection);
        std::atomic<bool> opened = false;
        QObject::connect(container.pushChannel(), &PushChannel::feedOpened, container.pushChannel(), [&] { opened = true; },
                         Qt::DirectConnection);
        container.pushChannel()->start();
        waitUntil(opened);
        QTest::qWait(300);
        QList<double> latencies;
        for (int i = 0; i < 50; ++i) {
            pushedAt = -1;
            const qint64 start = clock.nsecsElapsed();
            other.privateCloudDatabase().modifyRecords({records[i]}, {}, {});
            if (!QTest::qWaitFor([&] { return pushedAt.load() >= 0; }, 10000)) {
                status = 1;
                break;
            }
            latencies.append((pushedAt - start) / 1e6);
            QTest::qWait(50);
        }
        std::sort(latencies.begin(), latencies.end());
        report("cloud.push_latency_median", latencies.isEmpty() ? -1 : latencies[latencies.size() / 2], "ms");
    }
    QProcess::execute(tool, {QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile});
    return status;
}
