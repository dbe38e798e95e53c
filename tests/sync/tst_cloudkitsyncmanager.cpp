// The sync engine against an in-memory cloud that keeps revisions: uploads and their
// confirmation, races with another device's writes, downloads, one pass at a time, recovery.
#include "FakeCloudDatabase.h"
#include "ManualSyncClock.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/ShareItemRecord.h"
#include "diagnostics/LogSink.h"
#include "platform/NotificationCenter.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Code = CloudErrorCode;
using Faults = FakeCloudDatabase::Faults;
using Status = ShareItem::SyncStatus;
constexpr int removed = -1; // no longer stored

const QDateTime t0 = QDateTime::currentDateTimeUtc().addSecs(-3600);

CloudError error(Code code)
{
    return CloudError(code, QStringLiteral("error %1").arg(int(code)));
}

QString name(int number)
{
    return QStringLiteral("00000000-0000-0000-0000-00000000000%1").arg(number);
}

// A container whose account changes under the engine, as the app's does when the user signs in
// to another account.
class SwitchingContainer : public CloudContainerProtocol
{
public:
    explicit SwitchingContainer(FakeCloudDatabase *cloud) : current(cloud) {}
    FakeCloudDatabase *current;
    QString containerIdentifier() const override { return current->containerIdentifier(); }
    QString accountIdentifier() const override { return current->accountIdentifier(); }
    CloudDatabaseProtocol &privateCloudDatabase() override { return *current; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID completion) override { current->fetchUserRecordID(completion); }
};

} // namespace

Q_DECLARE_METATYPE(Faults)

class TestCloudKitSyncManager : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_group;
    std::unique_ptr<ImageManager> m_images;
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<FakeCloudDatabase> m_cloud;
    ManualSyncClock m_clock;
    std::unique_ptr<CloudKitSyncManager> m_engine;
    QStringList m_log;
    QList<QVariantMap> m_finished;
    int m_started = 0;
    int m_uploadsRunning = 0;
    int m_mostUploadsRunning = 0;
    QObject m_observer;

    ManagedObjectContext &context() { return m_container->viewContext(); }

    ShareItem *addItem(const QString &title, Status status = Status::pending, bool markedForDeletion = false)
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        item->setContent(QStringLiteral("content of ") + title);
        item->setSyncStatus(status);
        item->setIsMarkedForDeletion(markedForDeletion);
        return item;
    }

    // An item the cloud holds as synced at its first revision, last changed at `changedAt`.
    ShareItem *addSyncedItem(const QString &title, const QDateTime &changedAt)
    {
        ShareItem *item = addItem(title);
        item->setModifiedAt(changedAt);
        const CloudRecordID id(ShareItemRecord::uuidText(item->uuid()));
        const CloudRecord stored = m_cloud->writeAsOtherDevice(ShareItemRecord::makeUploadRecord(*item, id, QString()));
        item->setCloudKitRecordID(id.recordName());
        item->setCloudRevision(stored.recordChangeTag());
        item->setSyncStatus(Status::synced);
        return item;
    }

    // An unsent change made here at `changedAt`, stamped as given (not by the change clock, which
    // orders a device's own edits).
    void editHere(ShareItem *item, const QString &title, const QDateTime &changedAt)
    {
        item->setTitle(title);
        item->setModifiedAt(changedAt);
        item->setSyncStatus(Status::pending);
    }

    // What another device writes over `item`'s record: a new title changed at `changedAt`.
    void editElsewhere(ShareItem *item, const QString &title, const QDateTime &changedAt, bool deleted = false)
    {
        CloudRecord record = *m_cloud->stored(item->cloudKitRecordID());
        record.setString(QStringLiteral("title"), title);
        record.setTimestamp(QStringLiteral("modifiedAt"), changedAt);
        record.setInt64(QStringLiteral("isDeleted"), deleted ? 1 : 0);
        m_cloud->writeAsOtherDevice(record);
    }

    QUuid savePicture()
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        return *m_images->saveImage(picture);
    }

    bool logged(const QString &text) const
    {
        return std::any_of(m_log.begin(), m_log.end(), [&](const QString &line) { return line.contains(text); });
    }

    ShareItem *find(const QString &title)
    {
        for (ManagedObject *object : context().execute(ShareItem::fetchRequest()).objects) {
            if (auto *item = static_cast<ShareItem *>(object); item->title() == title)
                return item;
        }
        return nullptr;
    }

    QString cloudTitle(ShareItem *item) const
    {
        return m_cloud->stored(item->cloudKitRecordID())->stringValue(QStringLiteral("title")).value_or(QString());
    }

    void settle() { QTRY_VERIFY(m_engine->isIdle() && m_cloud->heldCount() == 0 && !context().hasChanges()); }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("com.app.Stashline.CloudKitSync.debug=true"));
        LogSink::setCaptureForTesting([this](const LogEntry &entry) {
            QVERIFY(entry.category == QStringLiteral("CloudKitSync"));
            m_log.append(LogSink::levelName(entry.level) + QLatin1Char(' ') + entry.line);
        });
        NotificationCenter &center = NotificationCenter::defaultCenter();
        center.addObserver(CloudSyncNotification::didStart, nullptr, &m_observer,
                           [this](const Notification &) { ++m_started; });
        center.addObserver(CloudSyncNotification::didFinish, nullptr, &m_observer,
                           [this](const Notification &notification) { m_finished.append(notification.userInfo); });
        center.addObserver(CloudUploadNotification::didStart, nullptr, &m_observer, [this](const Notification &) {
            m_mostUploadsRunning = std::max(m_mostUploadsRunning, ++m_uploadsRunning);
        });
        center.addObserver(CloudUploadNotification::didFinish, nullptr, &m_observer,
                           [this](const Notification &) { --m_uploadsRunning; });
    }

    void init()
    {
        m_group = std::make_unique<QTemporaryDir>();
        m_images = std::make_unique<ImageManager>(m_group->path());
        m_container = PersistenceController::openInMemoryContainer(nullptr);
        m_log.clear();
        m_finished.clear();
        m_started = m_uploadsRunning = m_mostUploadsRunning = 0;
        m_cloud = std::make_unique<FakeCloudDatabase>();
        m_engine = std::make_unique<CloudKitSyncManager>(*m_cloud, context(), *m_images, QProcessEnvironment(), m_clock);
    }

    void cleanup()
    {
        m_engine.reset();
        m_cloud.reset(); // waits for its thread; answers after this are dropped by the engine guard
        QCoreApplication::processEvents();
    }

    void uploadOutcomes_data()
    {
        // A pending, B failed, C synced and marked for deletion with a picture; record names
        // name(1) to name(3). Statuses after the pass: 0 pending (a deletion waiting for the
        // next pass), 2 synced, 3 failed.
        QTest::addColumn<Faults>("faults");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("logLine");
        Faults none;
        QTest::newRow("all confirmed") << none << QList<int>{2, 2, removed}
            << "CloudKit per-record fetch verification success. All records confirmed.";
        Faults quota;
        quota.modifyRecords = {{name(2), error(Code::QuotaExceeded)}, {name(3), error(Code::QuotaExceeded)}};
        QTest::newRow("one record refused") << quota << QList<int>{2, 3, 0} << "CloudKit upload failed";
        Faults network;
        network.modify = error(Code::NetworkFailure);
        QTest::newRow("network failure") << network << QList<int>{3, 3, 0}
            << "CloudKit upload failed | ErrorDetail: error 4";
        Faults missing;
        missing.fetchMissing = {name(2)};
        QTest::newRow("verification misses one record") << missing << QList<int>{2, 3, 0}
            << "CloudKit per-record fetch verification missing record " + name(2);
        Faults refused;
        refused.fetchRefused = {name(1)};
        QTest::newRow("verification refuses one record") << refused << QList<int>{3, 2, 0}
            << "CloudKit per-record fetch verification failed for " + name(1) + " | ErrorDetail: refused";
        Faults offline;
        offline.fetch = error(Code::NetworkUnavailable);
        QTest::newRow("verification fails") << offline << QList<int>{3, 3, 0}
            << "CloudKit fetch verification failed. Data likely stuck in cloudd local queue. | ErrorDetail: error 3";
    }
    void uploadOutcomes()
    {
        QFETCH(Faults, faults);
        QFETCH(QList<int>, statuses);
        QFETCH(QString, logLine);
        const QList<ShareItem *> items{addItem(QStringLiteral("A")), addItem(QStringLiteral("B"), Status::failed),
                                       addItem(QStringLiteral("C"), Status::synced, true)};
        for (int index = 0; index < items.size(); ++index)
            items[index]->setUuid(QUuid(name(index + 1)));
        items[2]->setImageUUID(savePicture());
        const QString picture = m_images->imageFileURL(items[2]->imageUUID());
        addItem(QStringLiteral("already synced"), Status::synced);
        QVERIFY(!context().save());
        m_cloud->faults = faults;
        m_cloud->hold();
        m_engine->uploadPendingItems();

        // Statuses are stored before the request leaves (after the key check).
        QTRY_COMPARE(m_cloud->heldCount(), 1);
        QVERIFY(!context().hasChanges());
        QCOMPARE(items[0]->syncStatus(), Status::syncing);
        QCOMPARE(m_cloud->modifyRequests.value(0).size(), 3);
        m_cloud->release();

        QTRY_VERIFY2(logged(logLine), qPrintable(logLine));
        settle();
        QList<int> after;
        for (const char *title : {"A", "B", "C"}) {
            ShareItem *item = find(title);
            after.append(item ? item->syncStatusValue() : removed);
            QCOMPARE(item && item->lastSyncDate().isValid(), after.last() == 2);
            // Synced means the cloud holds the revision the item knows.
            if (after.last() == 2)
                QCOMPARE(m_cloud->stored(item->cloudKitRecordID())->recordChangeTag(), item->cloudRevision());
        }
        QCOMPARE(after, statuses);
        QCOMPARE(QFile::exists(picture), after.last() != removed); // the picture goes with the confirmed deletion
        QCOMPARE(m_cloud->modifyRequests.size(), 1); // a failure waits for a retry or a push
    }

    void raceWithAnotherDevice_data()
    {
        // The local item was edited at t0 + 10 min; another device's write lands between the
        // engine reading the revision and writing. Either way the later change ends on both sides.
        QTest::addColumn<int>("otherMinutes");
        QTest::addColumn<bool>("otherDeletes");
        QTest::addColumn<bool>("localDeletes");
        QTest::addColumn<QString>("title"); // on both sides afterwards; empty: the item is gone
        QTest::newRow("the other change is later") << 20 << false << false << "other";
        QTest::newRow("the local change is later") << 5 << false << false << "local";
        QTest::newRow("a deletion elsewhere wins") << 5 << true << false << "";
        QTest::newRow("a local deletion wins") << 20 << false << true << "";
    }
    void raceWithAnotherDevice()
    {
        QFETCH(int, otherMinutes);
        QFETCH(bool, otherDeletes);
        QFETCH(bool, localDeletes);
        QFETCH(QString, title);
        ShareItem *item = addSyncedItem(QStringLiteral("base"), t0);
        QVERIFY(!context().save());
        item->setTitle(QStringLiteral("local"));
        item->setIsMarkedForDeletion(localDeletes);
        item->markLocallyChanged(t0.addSecs(600));
        QVERIFY(!context().save());
        const QString recordName = item->cloudKitRecordID();
        bool raced = false;
        m_cloud->beforeWrite = [&] {
            if (!std::exchange(raced, true))
                editElsewhere(item, QStringLiteral("other"), t0.addSecs(otherMinutes * 60), otherDeletes);
        };

        m_engine->uploadPendingItems();
        QTRY_VERIFY(raced);
        settle();
        QVERIFY(logged(QStringLiteral("Server record changed (Conflict) for")));
        const CloudRecord cloud = *m_cloud->stored(recordName);
        if (title.isEmpty()) {
            QVERIFY(!find(QStringLiteral("local")) && !find(QStringLiteral("other")));
            QCOMPARE(ShareItemRecord::isNumberOne(cloud, QStringLiteral("isDeleted")), otherDeletes || localDeletes);
            return;
        }
        QCOMPARE(item->title(), title);
        QCOMPARE(cloud.stringValue(QStringLiteral("title")).value_or(QString()), title);
        QCOMPARE(item->syncStatus(), Status::synced);
        QCOMPARE(item->cloudRevision(), cloud.recordChangeTag());
        // The losing write is never sent again as it was: one conflict, then one write of the winner.
        QCOMPARE(m_cloud->modifyRequests.size(), title == u"local" ? 2 : 1);
    }

    void recordGoneFromTheCloudIsWrittenAgain()
    {
        // The item knows a revision the cloud no longer has (its database was emptied).
        ShareItem *item = addItem(QStringLiteral("orphan"));
        item->setCloudKitRecordID(ShareItemRecord::uuidText(item->uuid()));
        item->setCloudRevision(QStringLiteral("3-gone"));
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        settle();
        QCOMPARE(cloudTitle(item), QStringLiteral("orphan"));
        QCOMPARE(m_cloud->modifyRequests.size(), 2);
    }

    void editDuringUploadIsSentNext()
    {
        ShareItem *item = addItem(QStringLiteral("first"));
        QVERIFY(!context().save());
        m_cloud->hold();
        m_engine->uploadPendingItems();
        QTRY_COMPARE(m_cloud->heldCount(), 1);
        // Edits while the record is on its way; the passes they ask for wait for this one.
        for (const char *title : {"second", "third"}) {
            item->setTitle(QString::fromLatin1(title));
            item->markLocallyChanged(QDateTime::currentDateTimeUtc());
            QVERIFY(!context().save());
            m_engine->uploadPendingItems();
        }
        m_engine->downloadItems();
        m_engine->handleNotification();
        QCOMPARE(m_cloud->modifyRequests.size(), 1);
        QCOMPARE(m_cloud->changeRequests.size(), 0);
        m_cloud->release();
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        QTRY_COMPARE(m_finished.size(), 1);
        settle();

        QCOMPARE(cloudTitle(item), QStringLiteral("third"));
        QCOMPARE(item->title(), QStringLiteral("third"));
        QCOMPARE(m_mostUploadsRunning, 1);
        // One follow-up upload and one download for everything asked during the first pass.
        QCOMPARE(m_cloud->modifyRequests.size(), 2);
        QCOMPARE(m_cloud->changeRequests.size(), 1);
        QCOMPARE(m_started, 1);
    }

    void requestsDuringADownloadEachRunOnce()
    {
        m_cloud->hold();
        m_engine->downloadItems();
        QTRY_COMPARE(m_cloud->heldCount(), 1);
        for (int push = 0; push < 5; ++push)
            m_engine->handleNotification(); // nothing waits to go up
        m_cloud->release();
        QTRY_COMPARE(m_finished.size(), 2);
        settle();
        QCOMPARE(m_cloud->changeRequests.size(), 2);
        QVERIFY(m_cloud->modifyRequests.isEmpty());
    }

    void downloadMerges()
    {
        // Synced here, changed elsewhere: the cloud copy wins.
        ShareItem *synced = addSyncedItem(QStringLiteral("synced"), t0);
        editElsewhere(synced, QStringLiteral("synced, changed elsewhere"), t0.addSecs(60));
        // Unsent changes made later than the cloud's: kept, and sent over the cloud's revision.
        ShareItem *later = addSyncedItem(QStringLiteral("later"), t0);
        editElsewhere(later, QStringLiteral("older elsewhere"), t0.addSecs(60));
        editHere(later, QStringLiteral("later, edited here"), t0.addSecs(120));
        later->setSyncStatus(Status::failed); // made while offline
        // A time that is no timestamp counts as none, older than any local change.
        ShareItem *garbled = addSyncedItem(QStringLiteral("garbled"), t0);
        CloudRecord garbledRecord = *m_cloud->stored(garbled->cloudKitRecordID());
        garbledRecord.setString(QStringLiteral("modifiedAt"), QStringLiteral("yesterday-ish"));
        garbledRecord.setString(QStringLiteral("title"), QStringLiteral("garbled elsewhere"));
        m_cloud->writeAsOtherDevice(garbledRecord);
        editHere(garbled, QStringLiteral("garbled, edited here"), t0.addSecs(1));
        // Deleted elsewhere while a change waits here: the deletion wins.
        ShareItem *deleted = addSyncedItem(QStringLiteral("deleted"), t0);
        editHere(deleted, QStringLiteral("deleted"), t0.addSecs(300));
        editElsewhere(deleted, QStringLiteral("deleted"), t0.addSecs(60), true);
        const QUuid keptImage = savePicture();
        synced->setImageUUID(keptImage);
        addItem(QStringLiteral("local only"), Status::synced);
        // New records: one with a picture and values that are not 1 (neither favourite nor
        // deleted), one deleted, two without a valid uuid.
        const QUuid newUuid = QUuid::createUuid();
        CloudRecord fresh(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("R3")));
        fresh.setString(QStringLiteral("uuid"), ShareItemRecord::uuidText(newUuid));
        fresh.setString(QStringLiteral("title"), QStringLiteral("from the other device"));
        fresh.setInt64(QStringLiteral("isFavorite"), 2);
        fresh.setInt64(QStringLiteral("isDeleted"), 2);
        const QString downloaded = m_group->filePath(QStringLiteral("downloaded-asset"));
        QVERIFY(QImage(20, 10, QImage::Format_RGB32).save(downloaded, "JPEG"));
        fresh.setAsset(QStringLiteral("imageAsset"), CloudAsset(downloaded));
        m_cloud->writeAsOtherDevice(fresh);
        for (const auto &[recordName, uuid] : {std::pair{"R4", QUuid::createUuid().toString(QUuid::WithoutBraces)},
                                              std::pair{"R5", QStringLiteral("not-a-uuid")}}) {
            CloudRecord other(QStringLiteral("ShareItem"), CloudRecordID(QString::fromLatin1(recordName)));
            other.setString(QStringLiteral("uuid"), uuid);
            other.setInt64(QStringLiteral("isDeleted"), recordName == std::string_view("R4") ? 1 : 0);
            m_cloud->writeAsOtherDevice(other);
        }
        QVERIFY(!context().save());

        m_engine->downloadItems();
        QCOMPARE(m_started, 1);
        QTRY_COMPARE(m_finished.size(), 1);
        QVERIFY(m_finished.first().isEmpty());
        QCOMPARE(synced->title(), QStringLiteral("synced, changed elsewhere"));
        QCOMPARE(synced->imageUUID(), keptImage); // a record without a picture keeps the item's
        QCOMPARE(synced->syncStatus(), Status::synced);
        QCOMPARE(later->title(), QStringLiteral("later, edited here"));
        QCOMPARE(garbled->title(), QStringLiteral("garbled, edited here"));
        QVERIFY(!find(QStringLiteral("deleted")));
        ShareItem *arrived = find(QStringLiteral("from the other device"));
        QVERIFY(arrived && !arrived->isFavorite());
        QCOMPARE(arrived->uuid(), newUuid);
        QVERIFY(m_images->loadImage(arrived->imageUUID()));
        QVERIFY(find(QStringLiteral("local only")));
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 5);

        // The kept changes go up over the revisions just read, without a conflict.
        m_engine->retry(later);
        QTRY_COMPARE(later->syncStatus(), Status::synced);
        settle();
        QCOMPARE(cloudTitle(later), QStringLiteral("later, edited here"));
        QVERIFY(!logged(QStringLiteral("Conflict")));
    }

    void passingFailureIsTriedAgainByItself()
    {
        ShareItem *item = addItem(QStringLiteral("offline"));
        QVERIFY(!context().save());
        m_cloud->faults.modify = error(Code::NetworkFailure);
        m_engine->uploadPendingItems();
        QTRY_COMPARE(item->syncStatus(), Status::failed);
        m_cloud->faults.modify.reset();
        QCOMPARE(m_clock.nextTimeout(), 2000);
        m_clock.advance(1999);
        QCOMPARE(m_cloud->modifyRequests.size(), 1);
        m_clock.advance(1);
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        QCOMPARE(m_cloud->modifyRequests.size(), 2);

        // A download too, so a change another device pushed while this one was cut off arrives.
        m_cloud->faults.query = error(Code::ServiceUnavailable);
        m_engine->downloadItems();
        QTRY_COMPARE(m_finished.size(), 1);
        QCOMPARE(m_finished.last().value(QStringLiteral("errorMessage")).toString(), QStringLiteral("error 6"));
        QVERIFY(logged(QStringLiteral("CloudKit download failed | ErrorDetail: error 6")));
        m_cloud->faults.query.reset();
        m_clock.advance(2000);
        QTRY_COMPARE(m_finished.size(), 2);
        QVERIFY(m_finished.last().isEmpty());
    }

    void picturesTravelOnce()
    {
        // A second device: its own store and pictures, on the same cloud.
        QTemporaryDir otherGroup;
        ImageManager otherImages(otherGroup.path());
        auto otherStore = PersistenceController::openInMemoryContainer(nullptr);
        CloudKitSyncManager other(*m_cloud, otherStore->viewContext(), otherImages, QProcessEnvironment());
        const auto pictureFiles = [&otherImages] {
            return QDir(otherImages.imagesDirectoryURL()).entryList(QDir::Files).size();
        };
        const auto otherItem = [&otherStore]() -> ShareItem * {
            const auto objects = otherStore->viewContext().execute(ShareItem::fetchRequest()).objects;
            return objects.isEmpty() ? nullptr : static_cast<ShareItem *>(objects.first());
        };

        ShareItem *item = addItem(QStringLiteral("photo"));
        item->setImageUUID(savePicture());
        const qint64 size = QFileInfo(m_images->imageFileURL(item->imageUUID())).size();
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        settle();
        QVERIFY(item->imageDigest().startsWith(QLatin1String("md5-")));
        QCOMPARE(m_cloud->pictureBytesSent, size);
        QCOMPARE(m_cloud->pictureBytesFetched, 0); // the verification knows the digest it sent

        other.downloadItems();
        QTRY_VERIFY(otherItem() && !otherItem()->imageUUID().isNull());
        QTRY_VERIFY(other.isIdle());
        const QUuid firstFile = otherItem()->imageUUID();
        QCOMPARE(m_cloud->pictureBytesFetched, size);

        // A title edit sends no picture, and the other device fetches none.
        item->setTitle(QStringLiteral("photo, renamed"));
        item->markLocallyChanged(QDateTime::currentDateTimeUtc());
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        settle();
        for (int pass = 0; pass < 3; ++pass) {
            other.downloadItems();
            QTRY_VERIFY(other.isIdle());
        }
        QCOMPARE(otherItem()->title(), QStringLiteral("photo, renamed"));
        QCOMPARE(otherItem()->imageUUID(), firstFile);
        QCOMPARE(m_cloud->pictureBytesSent, size);
        QCOMPARE(m_cloud->pictureBytesFetched, size);
        QCOMPARE(m_cloud->changeRequests.size(), 4);
        QVERIFY(!m_cloud->changeRequests.last().isEmpty()); // from the checkpoint, not from the start
        QCOMPARE(pictureFiles(), 1);

        // A new picture arrives once, and the file it replaces is gone.
        const QString before = m_images->imageFileURL(item->imageUUID());
        QImage replacement(32, 32, QImage::Format_RGB32);
        replacement.fill(Qt::darkRed);
        item->setImageUUID(*m_images->saveImage(replacement));
        QVERIFY(item->imageDigest().isEmpty());
        item->markLocallyChanged(QDateTime::currentDateTimeUtc());
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        settle();
        other.downloadItems();
        QTRY_VERIFY(otherItem()->imageUUID() != firstFile);
        QTRY_VERIFY(other.isIdle());
        QCOMPARE(pictureFiles(), 1);
        QVERIFY(!QFile::exists(otherImages.imageFileURL(firstFile)));
        QCOMPARE(otherImages.loadImage(otherItem()->imageUUID())->pixelColor(4, 4), QColor(Qt::darkRed));
        QVERIFY(QFile::exists(before)); // the first device's own files are the edit's business

        // The picture file lost here: an edit keeps the cloud's copy, and says so.
        QVERIFY(QFile::remove(m_images->imageFileURL(item->imageUUID())));
        const QString kept = m_cloud->stored(item->cloudKitRecordID())->assetValue(QStringLiteral("imageAsset"))->digest();
        item->setTitle(QStringLiteral("photo without its file"));
        item->markLocallyChanged(QDateTime::currentDateTimeUtc());
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        QTRY_COMPARE(item->syncStatus(), Status::synced);
        QCOMPARE(m_cloud->stored(item->cloudKitRecordID())->assetValue(QStringLiteral("imageAsset"))->digest(), kept);
        QVERIFY(logged(QStringLiteral("is missing here; the cloud keeps its copy")));
    }

    // Another account: the old account's pass in flight is dropped, and every item, its picture
    // included, is written whole to the new database; nothing is lost or left behind.
    void switchingAccountsMovesEveryItem()
    {
        m_engine.reset();
        SwitchingContainer account(m_cloud.get());
        CloudKitSyncManager engine(account, context(), *m_images, QProcessEnvironment());
        ShareItem *photo = addItem(QStringLiteral("photo"));
        photo->setImageUUID(savePicture());
        ShareItem *note = addItem(QStringLiteral("note"));
        QVERIFY(!context().save());
        engine.uploadPendingItems();
        QTRY_VERIFY(engine.isIdle() && photo->syncStatus() == Status::synced && note->syncStatus() == Status::synced);

        m_cloud->hold();
        note->setTitle(QStringLiteral("note, latest"));
        note->markLocallyChanged(QDateTime::currentDateTimeUtc());
        QVERIFY(!context().save());
        engine.uploadPendingItems();
        QTRY_COMPARE(m_cloud->heldCount(), 1);

        FakeCloudDatabase next;
        next.identifier = QStringLiteral("http://127.0.0.1:2/next");
        engine.resetForAccountChange();
        account.current = &next;
        engine.startWithAccount();
        m_cloud->release(); // the old account's answer comes late and changes nothing here
        QTRY_VERIFY(engine.isIdle() && next.heldCount() == 0 && !context().hasChanges());

        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 2);
        for (ShareItem *item : {photo, note}) {
            QCOMPARE(item->syncStatus(), Status::synced);
            QCOMPARE(item->cloudRevision(), next.stored(item->cloudKitRecordID())->recordChangeTag());
        }
        QCOMPARE(next.stored(note->cloudKitRecordID())->stringValue(QStringLiteral("title")), QStringLiteral("note, latest"));
        QCOMPARE(next.pictureBytesSent, QFileInfo(m_images->imageFileURL(photo->imageUUID())).size());
        QCOMPARE(next.modifyRequests.size(), 1); // written as new, not as a conflict with the old revisions
        QCOMPARE(next.changeRequests.value(0), QString()); // read from the start
        QCOMPARE(m_mostUploadsRunning, 1); // the late answer ended no pass of the new account
        QCOMPARE(m_uploadsRunning, 0);
    }

    void checkpointOnlyMovesPastWhatWasMerged()
    {
        m_cloud->pageSize = 2;
        QList<ShareItem *> items;
        for (int index = 0; index < 5; ++index)
            items.append(addSyncedItem(QStringLiteral("item %1").arg(index), t0));
        // Another device adds one with a picture that cannot be downloaded yet.
        CloudRecord picture(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("P1")));
        picture.setString(QStringLiteral("uuid"), ShareItemRecord::uuidText(QUuid::createUuid()));
        picture.setString(QStringLiteral("title"), QStringLiteral("picture elsewhere"));
        const QString file = m_group->filePath(QStringLiteral("elsewhere.jpg"));
        QVERIFY(QImage(16, 16, QImage::Format_RGB32).save(file, "JPEG"));
        picture.setAsset(QStringLiteral("imageAsset"), CloudAsset(file));
        m_cloud->writeAsOtherDevice(picture);
        m_cloud->faults.pictureDownloads = {QStringLiteral("P1")};
        QVERIFY(!context().save());

        m_engine->downloadItems();
        QTRY_COMPARE(m_finished.size(), 1);
        ShareItem *arrived = find(QStringLiteral("picture elsewhere"));
        QVERIFY(arrived && arrived->imageUUID().isNull()); // its other fields merged
        const QString stuck = context().metadata(QStringLiteral("changesCheckpoint http://127.0.0.1:1/fake"));
        QCOMPARE(stuck, QStringLiteral("first/4")); // the pages before the incomplete one

        // The engine reads again by itself, from the same checkpoint.
        m_cloud->faults.pictureDownloads.clear();
        m_clock.advance(2000);
        QTRY_COMPARE(m_finished.size(), 2);
        QCOMPARE(m_cloud->changeRequests.last(), stuck);
        QVERIFY(!arrived->imageUUID().isNull());
        QCOMPARE(context().metadata(QStringLiteral("changesCheckpoint http://127.0.0.1:1/fake")), QStringLiteral("first/6"));
    }

    void startUpRemovesPictureFilesNoItemNames()
    {
        ShareItem *item = addItem(QStringLiteral("kept"));
        item->setImageUUID(savePicture());
        QVERIFY(!context().save());
        const QString stray = m_images->imageFileURL(savePicture());
        const QString young = m_images->imageFileURL(savePicture());
        QDir().mkpath(m_images->imagesDirectoryURL() + QStringLiteral("/.incoming"));
        const QString leftover = m_images->imagesDirectoryURL() + QStringLiteral("/.incoming/half.jpg");
        QVERIFY(QFile(leftover).open(QIODevice::WriteOnly));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
        for (const QString &path : {stray, leftover, m_images->imageFileURL(item->imageUUID())}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        m_engine = std::make_unique<CloudKitSyncManager>(*m_cloud, context(), *m_images, QProcessEnvironment(), m_clock);
        QVERIFY(!QFile::exists(stray) && !QFile::exists(leftover));
        QVERIFY(QFile::exists(young)); // may belong to an add being saved
        QVERIFY(QFile::exists(m_images->imageFileURL(item->imageUUID())));
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    TestCloudKitSyncManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cloudkitsyncmanager.moc"
