// Sync benchmarks against a local test server of their own: one upload pass of 1,000 new items
// until all are synced (verification included), 5,000 records downloaded and merged into an
// empty store, the time from a save on one device to the item in the other device's store, a
// storm of edits on three devices behind 0-200 ms of random latency, one item with a photo (time
// to agree, edits lost),
// a flood of changes on one device while another follows (its download passes and memory), and
// an account of 1,000 items of which 200 carry a picture of about 300 KB: a new device's first
// sync against plain HTTP fetching of the same documents and pictures, the latency of a title
// edit, the bytes of a download pass after one change and of a title edit's upload, and the
// picture files after 20 download passes. The same upload, latency and first sync run again on
// an encrypted account (e2ee.*), beside them in the same run, with the time Argon2id takes to
// open the key with a passphrase on this machine.
#include "DeviceProcess.h"
#include "SyncStorm.h"
#include "Services/CloudContainerAdapter.h"
#include "Services/CloudKitSyncManager.h"
#include "platform/NotificationCenter.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/KeyDocument.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QEventLoop>
#include <QFile>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <algorithm>
#include <cstdio>

namespace {

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

QString runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL), arguments);
    tool.waitForFinished(120000);
    return QString::fromUtf8(tool.readAllStandardError());
}

bool createDatabase(const QString &url)
{
    const QUrl target(url);
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(target.toString(QUrl::RemoveUserInfo)));
    request.setRawHeader("Authorization",
                         "Basic " + (target.userName() + QLatin1Char(':') + target.password()).toUtf8().toBase64());
    QNetworkReply *reply = manager.put(request, QByteArray());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status == 201;
}

const QString benchPassphrase = QStringLiteral("bench-passphrase");

// Makes the account encrypted under `benchPassphrase`, as a first device does; its key.
std::optional<std::pair<QString, SecretKey>> encryptAccount(const QString &databaseUrl)
{
    SecretKey key;
    const KeyDocument document = KeyDocument::create(benchPassphrase, &key);
    CloudContainer container(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(databaseUrl));
    std::optional<KeyDocumentOperation::Result> written;
    container.privateCloudDatabase().createKeyDocument(document, [&written](const KeyDocumentOperation::Result &result) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [&written, result] { written = result; }, Qt::QueuedConnection);
    });
    if (!QTest::qWaitFor([&] { return written.has_value(); }, 30000) || written->error || !written->wasCreated)
        return std::nullopt;
    return std::pair(document.keyID(), key);
}

// The time Argon2id takes to open the account's key with the passphrase, as a device does.
double unlockMilliseconds()
{
    SecretKey key;
    const KeyDocument document = KeyDocument::create(benchPassphrase, &key);
    QElapsedTimer timer;
    timer.start();
    const std::optional<SecretKey> opened = document.unwrap(benchPassphrase);
    return opened && *opened == key ? double(timer.elapsed()) : -1;
}

// One engine over a store and image directory of its own, on `databaseUrl`.
struct Device {
    QTemporaryDir group;
    std::unique_ptr<PersistentContainer> store;
    std::unique_ptr<ImageManager> images;
    std::unique_ptr<CloudContainerAdapter> cloud;
    std::unique_ptr<CloudKitSyncManager> engine;

    explicit Device(const QString &databaseUrl)
    {
        std::optional<StoreError> error;
        store = PersistenceController::openOnDiskContainer(group.filePath(QStringLiteral("Stashline.sqlite")), &error);
        images = std::make_unique<ImageManager>(group.path());
        CloudAccount account = CloudAccount::fromUrl(databaseUrl);
        cloud = std::make_unique<CloudContainerAdapter>(
            std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, account));
        engine = std::make_unique<CloudKitSyncManager>(*cloud, store->viewContext(), *images, QProcessEnvironment());
    }
    ManagedObjectContext &context() { return store->viewContext(); }
};

double uploadVerify(const QString &databaseUrl, int count, bool encrypted = false)
{
    const auto key = encrypted ? encryptAccount(databaseUrl) : std::nullopt;
    if (encrypted && !key)
        return -1;
    Device device(databaseUrl);
    if (key) // the device holds the account's key, as after its passphrase was entered
        device.cloud->container().privateCloudDatabase().keys().addKey(key->first, key->second);
    QList<ShareItem *> items;
    for (int index = 0; index < count; ++index) {
        ShareItem *item = ShareItem::insert(device.context());
        item->setTitle(QStringLiteral("Upload %1").arg(index));
        item->setContent(QStringLiteral("https://example.com/upload/%1").arg(index));
        item->setContentType(QStringLiteral("url"));
        items.append(item);
    }
    device.context().save();
    QElapsedTimer timer;
    timer.start();
    device.engine->uploadPendingItems();
    const bool done = QTest::qWaitFor(
        [&] {
            return std::all_of(items.begin(), items.end(),
                               [](ShareItem *item) { return item->syncStatus() == ShareItem::SyncStatus::synced; });
        },
        120000);
    return done ? double(timer.elapsed()) : -1;
}

double downloadMerge(const QString &databaseUrl, int count)
{
    {
        // Another device writes the records first.
        Device writer(databaseUrl);
        for (int index = 0; index < count; ++index) {
            ShareItem *item = ShareItem::insert(writer.context());
            item->setTitle(QStringLiteral("Download %1").arg(index));
            item->setContent(QStringLiteral("note %1").arg(index));
        }
        writer.context().save();
        writer.engine->uploadPendingItems();
        FetchRequest pending = ShareItem::fetchRequest();
        pending.predicate = ShareItem::statusOrDeletionPredicate(ShareItem::SyncStatus::pending,
                                                                 ShareItem::SyncStatus::failed, ShareItem::SyncStatus::syncing);
        if (!QTest::qWaitFor([&] { return writer.context().execute(pending).objects.isEmpty(); }, 300000))
            return -1;
    }
    Device reader(databaseUrl);
    bool finished = false;
    QObject receiver;
    NotificationCenter::defaultCenter().addObserver(CloudSyncNotification::didFinish, nullptr, &receiver,
                                                    [&finished](const Notification &) { finished = true; });
    QElapsedTimer timer;
    timer.start();
    reader.engine->downloadItems();
    if (!QTest::qWaitFor([&] { return finished; }, 300000))
        return -1;
    const double elapsed = double(timer.elapsed());
    return reader.context().execute(ShareItem::fetchRequest()).objects.size() == count ? elapsed : -1;
}

// Median of `rounds` saves on one device process until the other process's store has the item.
double deviceLatencyMedian(const QString &databaseUrl, int rounds, bool encrypted = false)
{
    if (encrypted && !encryptAccount(databaseUrl))
        return -1;
    QTemporaryDir firstGroup;
    QTemporaryDir secondGroup;
    auto startDevice = [&](QProcess &process, const QString &group) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), group);
        environment.insert(QStringLiteral("STASHLINE_CLOUD_URL"), databaseUrl);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("STASHLINE_LOG_SINK"), QStringLiteral("stderr"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:")); // never the user's keyring
        process.setProcessEnvironment(environment);
        process.setStandardErrorFile(group + QStringLiteral("/device.log"));
        process.start(QStringLiteral(STASHLINE_DEVICE), {});
        process.waitForStarted();
    };
    auto command = [](QProcess &process, const QByteArray &line) {
        process.write(line + '\n');
        while (!process.canReadLine() && process.state() == QProcess::Running)
            process.waitForReadyRead(50);
        return process.readLine();
    };
    QProcess first;
    QProcess second;
    startDevice(first, firstGroup.path());
    startDevice(second, secondGroup.path());
    // Both push channels follow the feed before the clock starts.
    if (!QTest::qWaitFor([&] { return command(first, "ready").startsWith("yes") && command(second, "ready").startsWith("yes"); },
                         20000))
        return -1;
    if (encrypted && (!command(first, "unlock " + benchPassphrase.toUtf8()).startsWith("ok")
                      || !command(second, "unlock " + benchPassphrase.toUtf8()).startsWith("ok")))
        return -1;

    QList<double> latencies;
    for (int round = 0; round < rounds; ++round) {
        const QByteArray title = "latency-" + QByteArray::number(round);
        QElapsedTimer timer;
        timer.start();
        command(first, "add " + title);
        bool arrived = false;
        while (!arrived && timer.elapsed() < 20000) {
            arrived = command(second, "dump").contains("\"" + title + "\"");
            if (!arrived)
                QTest::qWait(2);
        }
        if (!arrived)
            return -1;
        latencies.append(double(timer.elapsed()));
        QTest::qWait(100); // let the first device's verification settle
    }
    command(first, "quit");
    command(second, "quit");
    first.waitForFinished();
    second.waitForFinished();
    std::sort(latencies.begin(), latencies.end());
    return latencies.at(latencies.size() / 2);
}

// The kilobytes a /proc/PID/status line gives (VmRSS, VmHWM).
double memoryMegabytes(qint64 pid, const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// 2,000 records written in 40 bursts, 100 ms apart, on one device while another follows through
// pushes: one download at a time, so a push that arrives during a pass costs at most one more.
void pushFlood(const QString &databaseUrl)
{
    DeviceProcess writer{QStringLiteral(STASHLINE_DEVICE)}, follower{QStringLiteral(STASHLINE_DEVICE)};
    if (!writer.start(databaseUrl) || !follower.start(databaseUrl))
        return report("sync.flood_download_passes", -1, "passes");
    const double before = memoryMegabytes(follower.pid(), "VmRSS");
    for (int burst = 0; burst < 40; ++burst) {
        writer.command("addmany 50 flood-" + QByteArray::number(burst) + '-');
        QTest::qWait(100);
    }
    const bool arrived = QTest::qWaitFor([&] { return follower.dump().size() == 2000 && follower.command("idle") == "yes"; },
                                         120000);
    if (!arrived)
        std::fprintf(stderr, "bench_sync: flood: the follower holds %lld of 2000 records (idle: %s)\n",
                     qlonglong(follower.dump().size()), follower.command("idle").constData());
    const QJsonObject stats = QJsonDocument::fromJson(follower.command("stats")).object();
    report("sync.flood_pushes", stats.value(QStringLiteral("pushes")).toDouble(), "pushes");
    report("sync.flood_download_passes", arrived ? stats.value(QStringLiteral("downloadsStarted")).toDouble() : -1, "passes");
    report("sync.flood_rss_before", before, "MB");
    report("sync.flood_rss_peak", memoryMegabytes(follower.pid(), "VmHWM"), "MB");
    report("sync.flood_rss_after", memoryMegabytes(follower.pid(), "VmRSS"), "MB");
}

// 250 records that each carry 1 MB of a field this version does not know (250 MB, one page of the
// change feed at 500 changes a page): the peak memory of a new device that reads them. What the
// answer limit and the parser cost, not what the store keeps.
void largeAnswers(const QString &databaseUrl)
{
    const QUrl target(databaseUrl + QStringLiteral("/_bulk_docs"));
    QNetworkAccessManager manager;
    const QByteArray title(1024 * 1024, 'x');
    for (int chunk = 0; chunk < 25; ++chunk) {
        QJsonArray documents;
        for (int index = 0; index < 10; ++index) {
            const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
            const auto text = [](const QString &value) { return QJsonObject{{QStringLiteral("type"), QStringLiteral("string")}, {QStringLiteral("value"), value}}; };
            documents.append(QJsonObject{{QStringLiteral("_id"), uuid},
                                         {QStringLiteral("recordType"), QStringLiteral("ShareItem")},
                                         {QStringLiteral("fields"), QJsonObject{{QStringLiteral("uuid"), text(uuid)},
                                                                                {QStringLiteral("title"), text(QStringLiteral("large %1").arg(chunk * 10 + index))},
                                                                                {QStringLiteral("laterVersionNotes"), text(QString::fromLatin1(title))},
                                                                                {QStringLiteral("contentType"), text(QStringLiteral("text"))}}}});
        }
        QNetworkRequest request(QUrl(target.toString(QUrl::RemoveUserInfo)));
        request.setRawHeader("Authorization", "Basic " + (target.userName() + QLatin1Char(':') + target.password()).toUtf8().toBase64());
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        QNetworkReply *reply = manager.post(request, QJsonDocument(QJsonObject{{QStringLiteral("docs"), documents}}).toJson(QJsonDocument::Compact));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        delete reply;
        if (status != 201) {
            std::fprintf(stderr, "bench_sync: large answers: the server refused the records (%d)\n", status);
            return report("sync.large_answers_peak_rss", -1, "MB");
        }
    }
    DeviceProcess reader{QStringLiteral(STASHLINE_DEVICE)};
    if (!reader.start(databaseUrl))
        return report("sync.large_answers_peak_rss", -1, "MB");
    reader.command("download");
    const bool arrived = QTest::qWaitFor([&] { return reader.command("count") == "250" && reader.command("idle") == "yes"; }, 300000);
    if (!arrived)
        std::fprintf(stderr, "bench_sync: large answers: the reader holds %s of 250 records (%s); its log is in %s\n",
                     reader.command("count").constData(), reader.command("state").constData(), qPrintable(reader.groupPath()));
    report("sync.large_answers_peak_rss", arrived ? memoryMegabytes(reader.pid(), "VmHWM") : -1, "MB");
}

// A JPEG of about 300 KB that compresses like a photo: noise over a gradient.
QByteArray photo(quint32 seed)
{
    QImage image(900, 600, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(48));
            line[x] = qRgb((x / 4 + noise) % 256, (y / 3 + noise) % 256, (int(seed) * 37 + noise) % 256);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

// The documents and pictures of `databaseUrl` read with plain HTTP requests (the documents in
// one answer, pictures four at a time) and written to files: the floor for a first sync.
double floorFetch(const QString &databaseUrl, const QString &directory)
{
    const QUrl url(databaseUrl);
    const QByteArray authorization = "Basic " + (url.userName() + QLatin1Char(':') + url.password()).toUtf8().toBase64();
    const QString base = url.toString(QUrl::RemoveUserInfo);
    QNetworkAccessManager manager;
    auto get = [&](const QString &target) {
        QNetworkRequest request{QUrl(target)};
        request.setRawHeader("Authorization", authorization);
        return manager.get(request);
    };
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QNetworkReply> list(get(base + QStringLiteral("/_all_docs?include_docs=true")));
    if (!QTest::qWaitFor([&] { return list->isFinished(); }, 120000))
        return -1;
    QStringList pictures;
    for (const QJsonValue &row : QJsonDocument::fromJson(list->readAll())[QStringLiteral("rows")].toArray()) {
        if (row[QStringLiteral("doc")][QStringLiteral("_attachments")].isObject())
            pictures.append(row[QStringLiteral("id")].toString());
    }
    int running = 0, next = 0, done = 0;
    std::function<void()> startMore = [&] {
        while (running < 4 && next < pictures.size()) {
            const QString name = pictures.at(next++);
            QNetworkReply *reply = get(base + QLatin1Char('/') + name + QStringLiteral("/imageAsset"));
            ++running;
            QObject::connect(reply, &QNetworkReply::finished, reply, [&, reply, name] {
                QFile file(directory + QLatin1Char('/') + name + QStringLiteral(".jpg"));
                if (file.open(QIODevice::WriteOnly))
                    file.write(reply->readAll());
                reply->deleteLater();
                --running;
                ++done;
                startMore();
            });
        }
    };
    startMore();
    if (!QTest::qWaitFor([&] { return done == pictures.size(); }, 300000))
        return -1;
    return double(timer.elapsed());
}

// With `encrypted` the writer encrypts the account first and the new device enters the
// passphrase as its first step (timed with the sync); only the first sync is measured then.
void picturesAccount(const QString &databaseUrl, bool encrypted = false)
{
    const char *firstSync = encrypted ? "e2ee.first_sync_1000_200pics" : "sync.first_sync_1000_200pics";
    QTemporaryDir scratch;
    DeviceProcess writer{QStringLiteral(STASHLINE_DEVICE)};
    if (!writer.start(databaseUrl) || (encrypted && writer.command("encrypt " + benchPassphrase.toUtf8()) != "ok"))
        return report(firstSync, -1, "ms");
    writer.command("addmany 800 note-");
    for (int index = 0; index < 200; ++index) {
        const QString path = scratch.filePath(QStringLiteral("photo-%1.jpg").arg(index));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(photo(quint32(index))) < 0)
            return report(firstSync, -1, "ms");
        file.close();
        writer.command("addimage photo-" + QByteArray::number(index) + ' ' + path.toUtf8());
    }
    if (!QTest::qWaitFor([&] { return writer.command("synced") == "1000" && writer.command("idle") == "yes"; }, 600000))
        return report(firstSync, -1, "ms");

    // A new device's first sync, timed from its first download.
    const auto settled = [](DeviceProcess &device) {
        return QTest::qWaitFor([&] { return device.command("synced") == "1000" && device.command("idle") == "yes"; }, 600000);
    };
    DeviceProcess reader{QStringLiteral(STASHLINE_DEVICE)};
    if (!reader.start(databaseUrl))
        return report(firstSync, -1, "ms");
    QElapsedTimer timer;
    timer.start();
    // Entering the passphrase starts the device's first sync by itself.
    if (encrypted && reader.command("unlock " + benchPassphrase.toUtf8()) != "ok")
        return report(firstSync, -1, "ms");
    if (!encrypted)
        reader.command("download");
    report(firstSync, settled(reader) ? double(timer.elapsed()) : -1, "ms");
    if (encrypted)
        return;
    report("sync.floor_fetch_1000_200pics", floorFetch(databaseUrl, scratch.path()), "ms");

    QList<double> latencies;
    for (int round = 0; round < 20; ++round) {
        const QByteArray title = "photo-" + QByteArray::number(round);
        const QByteArray renamed = title + "-round-" + QByteArray::number(round);
        QElapsedTimer latency;
        latency.start();
        writer.command("edit " + title + ' ' + renamed);
        if (!QTest::qWaitFor([&] { return reader.command("has " + renamed) == "yes"; }, 20000))
            return report("sync.device_latency_median_200pics", -1, "ms");
        latencies.append(double(latency.elapsed()));
        QTest::qWait(50);
    }
    std::sort(latencies.begin(), latencies.end());
    report("sync.device_latency_median_200pics", latencies.at(latencies.size() / 2), "ms");

    // Another device behind a counting proxy: the bytes of one change, and of a title edit.
    FaultProxy counting(QUrl(databaseUrl), 1);
    counting.listen();
    DeviceProcess counted{QStringLiteral(STASHLINE_DEVICE)};
    if (!counted.start(counting.route(databaseUrl)) || counted.command("download") != "ok" || !settled(counted))
        return report("sync.download_pass_bytes_1change", -1, "bytes");
    counting.resetCounts();
    writer.command("edit note-7 note-7-edited");
    const bool arrived = QTest::qWaitFor([&] { return counted.command("has note-7-edited") == "yes"; }, 60000)
        && QTest::qWaitFor([&] { return counted.command("idle") == "yes"; }, 60000);
    report("sync.download_pass_bytes_1change", arrived ? double(counting.bytesToDevice()) : -1, "bytes");

    counting.resetCounts();
    counted.command("edit photo-150 photo-150-edited");
    const bool sent = QTest::qWaitFor([&] { return counted.command("has photo-150-edited") == "yes"; }, 60000);
    report("sync.upload_bytes_title_edit_picture", sent ? double(counting.bytesFromDevice()) : -1, "bytes");

    for (int pass = 0; pass < 20; ++pass) {
        counted.command("download");
        if (!QTest::qWaitFor([&] { return counted.command("idle") == "yes"; }, 60000))
            return report("sync.image_files_after_20_passes", -1, "files");
    }
    report("sync.image_files_after_20_passes",
           double(QDir(counted.groupPath() + QStringLiteral("/ShareImages")).entryList(QDir::Files).size()), "files");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir state;
    const QString pidFile = state.filePath(QStringLiteral("server.pid"));
    const QString urlFile = state.filePath(QStringLiteral("server.url"));
    runTool({QStringLiteral("start"), QStringLiteral("--in-memory"), QStringLiteral("--pid-file"), pidFile,
             QStringLiteral("--url-file"), urlFile});
    QFile urlSource(urlFile);
    if (!urlSource.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_sync: the local test server did not start\n");
        return 1;
    }
    const QString server = QString::fromUtf8(urlSource.readAll()).trimmed();
    auto database = [&server](const char *name) {
        const QString url = server + QLatin1Char('/') + QLatin1String(name);
        return createDatabase(url) ? url : QString();
    };

    // Arguments pick parts by name (upload, download, latency, storm, flood, large, pictures, e2ee);
    // none runs them all.
    const QStringList parts = application.arguments().mid(1);
    const auto runs = [&parts](const char *part) { return parts.isEmpty() || parts.contains(QLatin1String(part)); };
    if (runs("upload"))
        report("sync.upload_verify_1000", uploadVerify(database("bench-upload"), 1000), "ms");
    if (runs("e2ee")) {
        report("e2ee.upload_verify_1000", uploadVerify(database("bench-e2ee-upload"), 1000, true), "ms");
        report("e2ee.unlock_ms", unlockMilliseconds(), "ms");
    }
    if (runs("download"))
        report("sync.download_merge_5000", downloadMerge(database("bench-download"), 5000), "ms");
    if (runs("latency"))
        report("sync.device_latency_median", deviceLatencyMedian(database("bench-latency"), 20), "ms");
    if (runs("e2ee"))
        report("e2ee.device_latency_median", deviceLatencyMedian(database("bench-e2ee-latency"), 20, true), "ms");

    if (runs("storm")) {
    SyncStormOptions storm;
    storm.deviceExecutable = QStringLiteral(STASHLINE_DEVICE);
    storm.databaseUrl = database("bench-storm");
    storm.devices = 3;
    storm.items = 10;
    storm.edits = 300;
    storm.faults.maximumDelayMilliseconds = 200;
    storm.seed = 2026;
    QTemporaryDir stormFiles; // one of the items carries a photo of about 300 KB
    storm.pictureFile = stormFiles.filePath(QStringLiteral("storm.jpg"));
    if (QFile file(storm.pictureFile); file.open(QIODevice::WriteOnly))
        file.write(photo(2026));
    const SyncStormResult stormResult = runSyncStorm(storm);
    if (!stormResult.failure.isEmpty())
        std::fprintf(stderr, "bench_sync: storm: %s\n", qPrintable(stormResult.failure));
    report("sync.converge_ms_storm", double(stormResult.convergeMilliseconds), "ms");
    report("sync.lost_edits_storm", stormResult.lostEdits, "edits");
    }
    if (runs("flood"))
        pushFlood(database("bench-flood"));
    if (runs("large"))
        largeAnswers(database("bench-large"));
    if (runs("pictures"))
        picturesAccount(database("bench-pictures"));
    if (runs("e2ee"))
        picturesAccount(database("bench-e2ee-pictures"), true);

    runTool({QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile});
    return 0;
}
