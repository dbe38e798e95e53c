// The sync engine against a fake cloud that answers as each test sets it.
#include "FakeCloudDatabase.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/ShareItemRecord.h"
#include "platform/LogSink.h"
#include "platform/NotificationCenter.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

namespace {

CloudError error(CloudErrorCode code)
{
    return CloudError(code, QStringLiteral("error %1").arg(int(code)));
}

QString name(int number)
{
    return QStringLiteral("00000000-0000-0000-0000-00000000000%1").arg(number);
}

QStringList keysOf(const CloudRecord &record)
{
    QStringList keys = record.allKeys();
    keys.sort();
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<CloudError>)
Q_DECLARE_METATYPE(FakeCloudDatabase::FetchAnswer)

class TestCloudKitSyncManager : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_group;
    std::unique_ptr<ImageManager> m_images;
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<FakeCloudDatabase> m_cloud;
    std::unique_ptr<CloudKitSyncManager> m_engine;
    QStringList m_log;
    QList<QVariantMap> m_finished;
    int m_started = 0;
    QObject m_observer;

    ManagedObjectContext &context() { return m_container->viewContext(); }

    ShareItem *addItem(const QString &title, ShareItem::SyncStatus status = ShareItem::SyncStatus::pending,
                       bool markedForDeletion = false)
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        item->setContent(QStringLiteral("content of ") + title);
        item->setSyncStatus(status);
        item->setIsMarkedForDeletion(markedForDeletion);
        return item;
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
    }

    void init()
    {
        m_group = std::make_unique<QTemporaryDir>();
        m_images = std::make_unique<ImageManager>(m_group->path());
        std::optional<StoreError> storeError;
        m_container = PersistenceController::openInMemoryContainer(&storeError);
        m_log.clear();
        m_finished.clear();
        m_started = 0;
        m_cloud = std::make_unique<FakeCloudDatabase>();
        m_engine = std::make_unique<CloudKitSyncManager>(*m_cloud, context(), *m_images, QProcessEnvironment());
    }

    void cleanup()
    {
        m_engine.reset();
        m_cloud.reset(); // waits for its thread; answers after this are dropped by the engine guard
        QCoreApplication::processEvents();
    }

    void constructionSavesTheSubscription()
    {
        QCOMPARE(m_cloud->subscriptionRequests.size(), 1);
        const CloudSubscription subscription = m_cloud->subscriptionRequests.first();
        QCOMPARE(subscription.subscriptionID(), QStringLiteral("share-item-changes"));
        QCOMPARE(subscription.recordType(), QStringLiteral("ShareItem"));
        QCOMPARE(subscription.options(), 7);
        QTRY_VERIFY(logged(QStringLiteral("[subscribeToChanges()] Successfully subscribed to changes")));

        // A failing save is only logged.
        m_cloud->subscriptionAnswer = error(CloudErrorCode::NetworkFailure);
        m_engine->subscribeToChanges();
        QTRY_VERIFY(logged(QStringLiteral("Subscription save attempt result | ErrorDetail: error 4")));
    }

    void uploadBuildsRecordsAndVerificationConfirmsThem()
    {
        ShareItem *live = addItem(QStringLiteral("live"));
        live->setImageUUID(savePicture());
        live->setIsFavorite(true);
        ShareItem *edited = addItem(QStringLiteral("edited"));
        edited->setCloudKitRecordID(QStringLiteral("EXISTING-NAME"));
        ShareItem *deleted = addItem(QStringLiteral("deleted"), ShareItem::SyncStatus::synced, true);
        const QUuid deletedImage = savePicture();
        deleted->setImageUUID(deletedImage);
        addItem(QStringLiteral("already synced"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());

        m_cloud->modifyAnswer = std::nullopt;
        m_cloud->fetchAnswer = {};
        m_engine->uploadPendingItems();

        // Statuses and record names are stored before the request leaves.
        QCOMPARE(live->syncStatus(), ShareItem::SyncStatus::syncing);
        QVERIFY(!context().hasChanges());
        QCOMPARE(live->cloudKitRecordID(), ShareItemRecord::uuidText(live->uuid()));
        QCOMPARE(m_cloud->modifyRequests.size(), 1);
        QCOMPARE(m_cloud->modifyRequests.first().size(), 3);
        QHash<QString, CloudRecord> byTitle;
        for (const CloudRecord &record : m_cloud->modifyRequests.first())
            byTitle.insert(*record.stringValue(QStringLiteral("title")), record);
        const CloudRecord liveRecord = byTitle.value(QStringLiteral("live"));
        QCOMPARE(keysOf(liveRecord), (QStringList{"content", "contentType", "createdAt", "imageAsset", "isCompleted",
                                                  "isDeleted", "isFavorite", "title", "uuid"}));
        QCOMPARE(liveRecord.assetValue(QStringLiteral("imageAsset"))->fileURL(),
                 m_images->imageFileURL(live->imageUUID()));
        QCOMPARE(byTitle.value(QStringLiteral("edited")).recordID().recordName(), QStringLiteral("EXISTING-NAME"));
        QCOMPARE(keysOf(byTitle.value(QStringLiteral("deleted"))), (QStringList{"isDeleted", "title", "uuid"}));
        QCOMPARE(byTitle.value(QStringLiteral("deleted")).int64Value(QStringLiteral("isDeleted")), 1);

        // Every record came back: live items synced, the deleted one gone with its picture.
        QTRY_COMPARE(live->syncStatus(), ShareItem::SyncStatus::synced);
        QCOMPARE(edited->syncStatus(), ShareItem::SyncStatus::synced);
        QVERIFY(live->lastSyncDate().isValid());
        QVERIFY(!find(QStringLiteral("deleted")));
        QVERIFY(!QFile::exists(m_images->imageFileURL(deletedImage)));
        QVERIFY(QFile::exists(m_images->imageFileURL(live->imageUUID())));
        QVERIFY(!context().hasChanges());
        QCOMPARE(m_cloud->fetchRequests.first().size(), 3);
        QVERIFY(logged(QStringLiteral("[uploadPendingItems()] Found 3 items to upload/delete")));
        QVERIFY(logged(QStringLiteral("Saving 3 records (including soft deletes)")));
        QVERIFY(logged(QStringLiteral("CloudKit upload success. container=iCloud.com.quellmar.Stashline scope=2 recordNames=[\"")));
        QVERIFY(logged(QStringLiteral("zones=[\"_defaultZone@_currentUser\", \"_defaultZone@_currentUser\", \"_defaultZone@_currentUser\"]")));
        QVERIFY(logged(QStringLiteral("CloudKit per-record fetch verification success. All records confirmed.")));
        QTRY_VERIFY(logged(QStringLiteral("Upload ran under userRecordID=_user-1")));
    }

    void uploadOutcomes_data()
    {
        // Items A, B and C get the record names name(1) to name(3): A pending, B failed, C synced
        // and marked for deletion. Statuses after the pass: 1 syncing, 2 synced, 3 failed.
        QTest::addColumn<std::optional<CloudError>>("upload");
        QTest::addColumn<FakeCloudDatabase::FetchAnswer>("verification");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QStringList>("logs");
        const auto failed = [](CloudErrorCode code) {
            return QStringList{QStringLiteral("CloudKit upload failed | ErrorDetail: error %1").arg(int(code))};
        };
        const std::optional<CloudError> accepted;
        const FakeCloudDatabase::FetchAnswer allFound;
        // C is not failed; the sweep over what is still syncing counts it as accepted, and its
        // deletion mark sends it again on the next pass.
        QTest::newRow("partial failure")
            << std::optional(CloudError::partialFailure(
                   {{CloudRecordID(name(1)), error(CloudErrorCode::ServerRecordChanged)},
                    {CloudRecordID(name(2)), error(CloudErrorCode::QuotaExceeded)},
                    {CloudRecordID(name(3)), error(CloudErrorCode::QuotaExceeded)},
                    {CloudRecordID(name(9)), error(CloudErrorCode::QuotaExceeded)}}))
            << allFound << QList<int>{2, 3, 2}
            << QStringList{"CloudKit upload failed | ErrorDetail: ",
                           "Server record changed (Conflict) for CloudRecordID(recordName=" + name(1)};
        QTest::newRow("whole request changed on the server")
            << std::optional(error(CloudErrorCode::ServerRecordChanged)) << allFound << QList<int>{2, 2, 2}
            << failed(CloudErrorCode::ServerRecordChanged);
        QTest::newRow("network failure") << std::optional(error(CloudErrorCode::NetworkFailure)) << allFound
                                         << QList<int>{3, 3, 1} << failed(CloudErrorCode::NetworkFailure);
        QTest::newRow("partial failure without a map")
            << std::optional(error(CloudErrorCode::PartialFailure)) << allFound << QList<int>{3, 3, 1}
            << failed(CloudErrorCode::PartialFailure);
        QTest::newRow("verification misses one record")
            << accepted << FakeCloudDatabase::FetchAnswer{{name(2)}, {}, std::nullopt} << QList<int>{2, 3, 1}
            << QStringList{"CloudKit per-record fetch verification incomplete. verified=2 failed=0 missing=1",
                           "CloudKit per-record fetch verification missing record " + name(2)};
        QTest::newRow("verification refuses one record")
            << accepted << FakeCloudDatabase::FetchAnswer{{}, {name(1)}, std::nullopt} << QList<int>{3, 2, 1}
            << QStringList{"CloudKit per-record fetch verification incomplete. verified=2 failed=1 missing=0",
                           "CloudKit per-record fetch verification failed for " + name(1) + " | ErrorDetail: refused"};
        QTest::newRow("verification fails")
            << accepted << FakeCloudDatabase::FetchAnswer{{}, {}, error(CloudErrorCode::NetworkUnavailable)}
            << QList<int>{3, 3, 1}
            << QStringList{"CloudKit fetch verification failed. Data likely stuck in cloudd local queue. | "
                           "ErrorDetail: error 3"};
    }
    void uploadOutcomes()
    {
        QFETCH(std::optional<CloudError>, upload);
        QFETCH(FakeCloudDatabase::FetchAnswer, verification);
        QFETCH(QList<int>, statuses);
        QFETCH(QStringList, logs);
        const QList<ShareItem *> items{addItem(QStringLiteral("A")),
                                       addItem(QStringLiteral("B"), ShareItem::SyncStatus::failed),
                                       addItem(QStringLiteral("C"), ShareItem::SyncStatus::synced, true)};
        for (int index = 0; index < items.size(); ++index)
            items[index]->setUuid(QUuid(name(index + 1)));
        QVERIFY(!context().save());
        m_cloud->modifyAnswer = upload;
        m_cloud->fetchAnswer = verification;
        m_engine->uploadPendingItems();

        for (const QString &text : logs)
            QTRY_VERIFY2(logged(text), qPrintable(text));
        QTRY_VERIFY(!context().hasChanges());
        QList<int> after;
        for (ShareItem *item : items) {
            after.append(item->syncStatusValue());
            QCOMPARE(item->lastSyncDate().isValid(), after.last() == 2);
        }
        QCOMPARE(after, statuses);
        QCOMPARE(find(QStringLiteral("C")), items[2]); // an incomplete pass never removes a deleted item
        QCOMPARE(m_cloud->fetchRequests.isEmpty(), upload.has_value()); // only what was saved is verified
    }

    void downloadMergesTheCloudCopy()
    {
        ShareItem *edited = addItem(QStringLiteral("local edit"));
        const QUuid keptImage = savePicture();
        edited->setImageUUID(keptImage);
        ShareItem *removed = addItem(QStringLiteral("removed elsewhere"), ShareItem::SyncStatus::synced);
        ShareItem *markedHere = addItem(QStringLiteral("marked here"), ShareItem::SyncStatus::syncing, true);
        addItem(QStringLiteral("local only"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());

        auto record = [](const QString &name, const std::optional<QString> &uuid) {
            CloudRecord result(QStringLiteral("ShareItem"), CloudRecordID(name));
            result.setString(QStringLiteral("uuid"), uuid);
            return result;
        };
        const QDateTime created = QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC);
        CloudRecord overwrite = record(QStringLiteral("R1"), ShareItemRecord::uuidText(edited->uuid()));
        overwrite.setString(QStringLiteral("title"), QStringLiteral("cloud title"));
        overwrite.setInt64(QStringLiteral("isFavorite"), 1);
        overwrite.setTimestamp(QStringLiteral("createdAt"), created);
        CloudRecord tombstone = record(QStringLiteral("R2"), ShareItemRecord::uuidText(removed->uuid()));
        tombstone.setInt64(QStringLiteral("isDeleted"), 1);
        // Only 1 counts as true: 2 neither favours nor deletes.
        const QUuid newUuid = QUuid::createUuid();
        CloudRecord fresh = record(QStringLiteral("R3"), ShareItemRecord::uuidText(newUuid));
        fresh.setString(QStringLiteral("title"), QStringLiteral("from the other device"));
        fresh.setInt64(QStringLiteral("isFavorite"), 2);
        fresh.setInt64(QStringLiteral("isDeleted"), 2);
        const QString downloaded = m_group->filePath(QStringLiteral("downloaded-asset"));
        QVERIFY(QImage(20, 10, QImage::Format_RGB32).save(downloaded, "JPEG"));
        fresh.setAsset(QStringLiteral("imageAsset"), CloudAsset(downloaded));
        CloudRecord deletedUnknown = record(QStringLiteral("R4"), QUuid::createUuid().toString(QUuid::WithoutBraces));
        deletedUnknown.setInt64(QStringLiteral("isDeleted"), 1);
        CloudRecord unmarked = record(QStringLiteral("R7"), ShareItemRecord::uuidText(markedHere->uuid()));
        unmarked.setString(QStringLiteral("title"), QStringLiteral("marked here"));

        m_cloud->queryAnswer = {{overwrite, tombstone, fresh, deletedUnknown, record(QStringLiteral("R5"), std::nullopt),
                                 record(QStringLiteral("R6"), QStringLiteral("not-a-uuid")), unmarked},
                                {CloudRecordID(QStringLiteral("BROKEN"))}, std::nullopt};
        m_engine->handleNotification(); // a push starts a download pass
        QVERIFY(logged(QStringLiteral("[handleNotification()] Received remote notification, triggering download")));
        QCOMPARE(m_started, 1);
        QTRY_COMPARE(m_finished.size(), 1);
        QVERIFY(m_finished.first().isEmpty());

        QCOMPARE(edited->title(), QStringLiteral("cloud title"));
        QVERIFY(edited->content().isNull()); // absent in the cloud copy clears it
        QVERIFY(edited->isFavorite());
        QCOMPARE(edited->createdAt(), created);
        QCOMPARE(edited->syncStatus(), ShareItem::SyncStatus::synced);
        QCOMPARE(edited->cloudKitRecordID(), QStringLiteral("R1"));
        QCOMPARE(edited->imageUUID(), keptImage);
        QVERIFY(!find(QStringLiteral("removed elsewhere")));
        ShareItem *arrived = find(QStringLiteral("from the other device"));
        QVERIFY(arrived);
        QCOMPARE(arrived->uuid(), newUuid);
        QVERIFY(!arrived->isFavorite());
        QCOMPARE(arrived->syncStatus(), ShareItem::SyncStatus::synced);
        QVERIFY(m_images->loadImage(arrived->imageUUID()));
        QVERIFY(!QFile::exists(downloaded));
        QVERIFY(markedHere->isMarkedForDeletion()); // still to be sent as a deletion
        QVERIFY(find(QStringLiteral("local only")));
        // Nothing created for the unknown tombstone nor the records without a valid uuid.
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 4);
        QVERIFY(!context().hasChanges());
        QVERIFY(logged(QStringLiteral("[downloadItems()] CloudKit download success, merging 7 records")));
        QVERIFY(logged(QStringLiteral("Failed to match record CloudRecordID(recordName=BROKEN")));
    }

    void failedDownloadPostsTheError()
    {
        ShareItem *item = addItem(QStringLiteral("kept"));
        QVERIFY(!context().save());
        m_cloud->queryAnswer = {{}, {}, error(CloudErrorCode::NotAuthenticated)};
        m_engine->downloadItems();
        QTRY_COMPARE(m_finished.size(), 1);
        QCOMPARE(m_finished.first().value(QStringLiteral("errorMessage")).toString(), QStringLiteral("error 9"));
        QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::pending);
        QVERIFY(logged(QStringLiteral("CloudKit download failed | ErrorDetail: error 9")));
    }

    void retry()
    {
        ShareItem *synced = addItem(QStringLiteral("synced"), ShareItem::SyncStatus::synced);
        ShareItem *odd = addItem(QStringLiteral("odd"));
        odd->setSyncStatusValue(7);
        QVERIFY(!context().save());

        m_engine->retry(synced);
        QVERIFY(logged(QStringLiteral("[retry(item:)] retry called for item %1 with status synced")
                           .arg(ShareItemRecord::uuidText(synced->uuid()))));
        QVERIFY(logged(QStringLiteral("Item status is not failed, pending or syncing, ignoring retry")));

        m_engine->retry(odd); // counts as pending; the pass does not select it
        QVERIFY(logged(QStringLiteral("with status pending")));
        QCOMPARE(odd->syncStatusValue(), qint16(7));
        QVERIFY(m_cloud->modifyRequests.isEmpty());
    }

    void testRunsLeaveTheCloudAlone()
    {
        m_engine.reset();
        m_cloud = std::make_unique<FakeCloudDatabase>();
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XCTestConfigurationFilePath"), QString());
        m_engine = std::make_unique<CloudKitSyncManager>(*m_cloud, context(), *m_images, environment);
        m_log.clear();
        ShareItem *item = addItem(QStringLiteral("x"));
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        m_engine->downloadItems();
        QVERIFY(m_cloud->subscriptionRequests.isEmpty());
        QVERIFY(m_cloud->modifyRequests.isEmpty());
        QVERIFY(m_cloud->queryRequests.isEmpty());
        QCOMPARE(m_started, 0);
        QVERIFY(m_log.isEmpty());
        QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::pending);
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    TestCloudKitSyncManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cloudkitsyncmanager.moc"
