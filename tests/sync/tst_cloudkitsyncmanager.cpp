// The sync engine against a fake cloud that answers from queued results.
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
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

CloudError error(CloudErrorCode code)
{
    return CloudError(code, QStringLiteral("error %1").arg(int(code)));
}

QStringList keysOf(const CloudRecord &record)
{
    QStringList keys = record.allKeys();
    keys.sort();
    return keys;
}

} // namespace

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

    ShareItem *addItem(const QString &title, ShareItem::SyncStatus status = ShareItem::SyncStatus::pending)
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        item->setContent(QStringLiteral("content of ") + title);
        item->setSyncStatus(status);
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

    // Items of the store, by title.
    ShareItem *find(const QString &title)
    {
        for (ManagedObject *object : context().execute(ShareItem::fetchRequest()).objects) {
            auto *item = static_cast<ShareItem *>(object);
            if (item->title() == title)
                return item;
        }
        return nullptr;
    }

    void makeEngine(const QProcessEnvironment &environment = QProcessEnvironment())
    {
        m_engine = std::make_unique<CloudKitSyncManager>(*m_cloud, context(), *m_images, environment);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("com.app.Stashline.CloudKitSync.debug=true"));
        LogSink::setCaptureForTesting([this](const LogEntry &entry) {
            QVERIFY(entry.category == QStringLiteral("CloudKitSync"));
            m_log.append(LogSink::levelName(entry.level) + QLatin1Char(' ') + entry.line);
        });
        NotificationCenter::defaultCenter().addObserver(CloudSyncNotification::didStart, nullptr, &m_observer,
                                                        [this](const Notification &) { ++m_started; });
        NotificationCenter::defaultCenter().addObserver(CloudSyncNotification::didFinish, nullptr, &m_observer,
                                                        [this](const Notification &notification) {
                                                            m_finished.append(notification.userInfo);
                                                        });
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
        m_cloud->queueSubscription(std::nullopt);
        makeEngine();
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
        m_cloud->queueSubscription(error(CloudErrorCode::NetworkFailure));
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
        ShareItem *deleted = addItem(QStringLiteral("deleted"), ShareItem::SyncStatus::synced);
        const QUuid deletedImage = savePicture();
        deleted->setImageUUID(deletedImage);
        deleted->setIsMarkedForDeletion(true);
        addItem(QStringLiteral("already synced"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());

        m_cloud->queueModify(std::nullopt);
        m_cloud->queueFetch({});
        m_engine->uploadPendingItems();

        // Statuses and record names are stored before the request leaves.
        QCOMPARE(live->syncStatus(), ShareItem::SyncStatus::syncing);
        QVERIFY(!context().hasChanges());
        QCOMPARE(live->cloudKitRecordID(), ShareItemRecord::uuidText(live->uuid()));
        QCOMPARE(edited->cloudKitRecordID(), QStringLiteral("EXISTING-NAME"));
        QCOMPARE(m_cloud->modifyRequests.size(), 1);
        const QList<CloudRecord> records = m_cloud->modifyRequests.first();
        QCOMPARE(records.size(), 3);

        QHash<QString, CloudRecord> byTitle;
        for (const CloudRecord &record : records)
            byTitle.insert(*record.stringValue(QStringLiteral("title")), record);
        const CloudRecord liveRecord = byTitle.value(QStringLiteral("live"));
        QCOMPARE(liveRecord.recordType(), QStringLiteral("ShareItem"));
        QCOMPARE(liveRecord.recordID().recordName(), ShareItemRecord::uuidText(live->uuid()));
        QCOMPARE(keysOf(liveRecord), (QStringList{"content", "contentType", "createdAt", "imageAsset", "isCompleted",
                                                  "isDeleted", "isFavorite", "title", "uuid"}));
        QCOMPARE(liveRecord.int64Value(QStringLiteral("isFavorite")), 1);
        QCOMPARE(liveRecord.int64Value(QStringLiteral("isDeleted")), 0);
        QCOMPARE(liveRecord.assetValue(QStringLiteral("imageAsset"))->fileURL(), m_images->imageFileURL(live->imageUUID()));
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

    void nothingToUpload()
    {
        addItem(QStringLiteral("synced"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        QVERIFY(m_cloud->modifyRequests.isEmpty());
        QVERIFY(logged(QStringLiteral("Found 0 items to upload/delete")));
    }

    void failedRequests_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("liveA");     // status names after the pass
        QTest::addColumn<QString>("liveB");
        QTest::addColumn<QString>("liveC");
        QTest::addColumn<QString>("deletingStatus"); // the deletion-marked item
        // Partial failure: A conflicts, B over quota, C accepted. The deleting item, over quota
        // too, is not failed; the sweep over what is still syncing then counts it as accepted,
        // and its deletion mark sends it again on the next pass.
        QTest::newRow("partial failure") << 0 << "synced" << "failed" << "synced" << "synced";
        QTest::newRow("whole request changed on the server") << 1 << "synced" << "synced" << "synced" << "synced";
        QTest::newRow("network failure") << 2 << "failed" << "failed" << "failed" << "syncing";
        QTest::newRow("partial failure without a map") << 3 << "failed" << "failed" << "failed" << "syncing";
    }
    void failedRequests()
    {
        QFETCH(int, scenario);
        ShareItem *a = addItem(QStringLiteral("A"));
        ShareItem *b = addItem(QStringLiteral("B"), ShareItem::SyncStatus::failed);
        ShareItem *c = addItem(QStringLiteral("C"), ShareItem::SyncStatus::syncing);
        ShareItem *deleting = addItem(QStringLiteral("D"), ShareItem::SyncStatus::synced);
        deleting->setIsMarkedForDeletion(true);
        QVERIFY(!context().save());
        const auto id = [](ShareItem *item) { return CloudRecordID(ShareItemRecord::uuidText(item->uuid())); };
        if (scenario == 0)
            m_cloud->queueModify(CloudError::partialFailure({{id(a), error(CloudErrorCode::ServerRecordChanged)},
                                                             {id(b), error(CloudErrorCode::QuotaExceeded)},
                                                             {id(deleting), error(CloudErrorCode::QuotaExceeded)},
                                                             {CloudRecordID(QStringLiteral("UNKNOWN")), error(CloudErrorCode::QuotaExceeded)}}));
        else if (scenario == 1)
            m_cloud->queueModify(error(CloudErrorCode::ServerRecordChanged));
        else if (scenario == 2)
            m_cloud->queueModify(error(CloudErrorCode::NetworkFailure));
        else
            m_cloud->queueModify(error(CloudErrorCode::PartialFailure));

        m_engine->uploadPendingItems();
        const auto name = [](ShareItem *item) {
            static const char *names[] = {"pending", "syncing", "synced", "failed"};
            return QString::fromLatin1(names[item->syncStatusValue()]);
        };
        QTRY_VERIFY(logged(QStringLiteral("CloudKit upload failed | ErrorDetail: ")));
        QTRY_VERIFY(!context().hasChanges());
        QFETCH(QString, liveA);
        QFETCH(QString, liveB);
        QFETCH(QString, liveC);
        QFETCH(QString, deletingStatus);
        QCOMPARE(name(a), liveA);
        QCOMPARE(name(b), liveB);
        QCOMPARE(name(c), liveC);
        QCOMPARE(name(deleting), deletingStatus);
        QVERIFY(find(QStringLiteral("D"))); // a failed pass never removes a deleted item
        QVERIFY(m_cloud->fetchRequests.isEmpty());
        if (scenario == 0) {
            QVERIFY(logged(QStringLiteral("Server record changed (Conflict) for CloudRecordID(recordName=%1")
                               .arg(ShareItemRecord::uuidText(a->uuid()))));
            QVERIFY(a->lastSyncDate().isValid());
        }
    }

    void verificationOutcomes_data()
    {
        QTest::addColumn<bool>("wholeFails");
        QTest::newRow("one record missing") << false;
        QTest::newRow("fetch-back fails") << true;
    }
    void verificationOutcomes()
    {
        QFETCH(bool, wholeFails);
        ShareItem *first = addItem(QStringLiteral("first"));
        ShareItem *second = addItem(QStringLiteral("second"));
        ShareItem *deleting = addItem(QStringLiteral("deleting"));
        deleting->setIsMarkedForDeletion(true);
        QVERIFY(!context().save());
        m_cloud->queueModify(std::nullopt);
        FakeCloudDatabase::FetchAnswer answer;
        if (wholeFails)
            answer.overall = error(CloudErrorCode::NetworkUnavailable);
        else
            answer.missing = {ShareItemRecord::uuidText(second->uuid())};
        m_cloud->queueFetch(answer);
        m_engine->uploadPendingItems();

        if (wholeFails) {
            QTRY_COMPARE(first->syncStatus(), ShareItem::SyncStatus::failed);
            QCOMPARE(second->syncStatus(), ShareItem::SyncStatus::failed);
            QVERIFY(logged(QStringLiteral("CloudKit fetch verification failed. Data likely stuck in cloudd local queue. | ErrorDetail: error 3")));
        } else {
            QTRY_COMPARE(first->syncStatus(), ShareItem::SyncStatus::synced);
            QCOMPARE(second->syncStatus(), ShareItem::SyncStatus::failed);
            QVERIFY(logged(QStringLiteral("CloudKit per-record fetch verification incomplete. verified=2 failed=0 missing=1")));
            QVERIFY(logged(QStringLiteral("CloudKit per-record fetch verification missing record ")
                           + ShareItemRecord::uuidText(second->uuid())));
        }
        // The deleted item stays, still to be sent, in both cases.
        QCOMPARE(find(QStringLiteral("deleting")), deleting);
        QCOMPARE(deleting->syncStatus(), ShareItem::SyncStatus::syncing);
        QVERIFY(!context().hasChanges());
    }

    void downloadMergesTheCloudCopy()
    {
        ShareItem *edited = addItem(QStringLiteral("local edit"), ShareItem::SyncStatus::pending);
        const QUuid keptImage = savePicture();
        edited->setImageUUID(keptImage);
        ShareItem *removed = addItem(QStringLiteral("removed elsewhere"), ShareItem::SyncStatus::synced);
        ShareItem *markedHere = addItem(QStringLiteral("marked here"), ShareItem::SyncStatus::syncing);
        markedHere->setIsMarkedForDeletion(true);
        addItem(QStringLiteral("local only"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());

        const QDateTime created = QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC);
        auto record = [&](const QString &name, const std::optional<QString> &uuid) {
            CloudRecord result(QStringLiteral("ShareItem"), CloudRecordID(name));
            result.setString(QStringLiteral("uuid"), uuid);
            return result;
        };
        CloudRecord overwrite = record(QStringLiteral("R1"), ShareItemRecord::uuidText(edited->uuid()));
        overwrite.setString(QStringLiteral("title"), QStringLiteral("cloud title"));
        overwrite.setInt64(QStringLiteral("isFavorite"), 1);
        overwrite.setInt64(QStringLiteral("isCompleted"), 2);
        overwrite.setTimestamp(QStringLiteral("createdAt"), created);
        CloudRecord tombstone = record(QStringLiteral("R2"), ShareItemRecord::uuidText(removed->uuid()));
        tombstone.setInt64(QStringLiteral("isDeleted"), 1);
        const QUuid newUuid = QUuid::createUuid();
        CloudRecord fresh = record(QStringLiteral("R3"), ShareItemRecord::uuidText(newUuid));
        fresh.setString(QStringLiteral("title"), QStringLiteral("from the other device"));
        fresh.setString(QStringLiteral("contentType"), QStringLiteral("image"));
        fresh.setInt64(QStringLiteral("isFavorite"), 2);
        fresh.setInt64(QStringLiteral("isDeleted"), 2);
        const QString downloaded = m_group->filePath(QStringLiteral("downloaded-asset"));
        QFile assetFile(downloaded);
        QVERIFY(assetFile.open(QIODevice::WriteOnly));
        assetFile.write(ImageManager::encodeJpeg(QImage(20, 10, QImage::Format_RGB32)));
        assetFile.close();
        fresh.setAsset(QStringLiteral("imageAsset"), CloudAsset(downloaded));
        CloudRecord deletedUnknown = record(QStringLiteral("R4"), QUuid::createUuid().toString(QUuid::WithoutBraces));
        deletedUnknown.setInt64(QStringLiteral("isDeleted"), 1);
        CloudRecord noUuid = record(QStringLiteral("R5"), std::nullopt);
        CloudRecord badUuid = record(QStringLiteral("R6"), QStringLiteral("not-a-uuid"));
        CloudRecord wrongType(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("R7")));
        wrongType.setInt64(QStringLiteral("uuid"), 42);
        CloudRecord unmarked = record(QStringLiteral("R8"), ShareItemRecord::uuidText(markedHere->uuid()));
        unmarked.setString(QStringLiteral("title"), QStringLiteral("marked here"));

        m_cloud->queueQuery({{overwrite, tombstone, fresh, deletedUnknown, noUuid, badUuid, wrongType, unmarked},
                             {CloudRecordID(QStringLiteral("BROKEN"))}, std::nullopt});
        m_engine->downloadItems();
        QCOMPARE(m_started, 1);
        QCOMPARE(m_cloud->queryRequests, QStringList{QStringLiteral("ShareItem")});
        QTRY_COMPARE(m_finished.size(), 1);
        QVERIFY(m_finished.first().isEmpty());

        QCOMPARE(edited->title(), QStringLiteral("cloud title"));
        QVERIFY(edited->content().isNull()); // absent in the cloud copy clears it
        QVERIFY(edited->isFavorite());
        QVERIFY(!edited->isCompleted());
        QCOMPARE(edited->createdAt(), created);
        QCOMPARE(edited->syncStatus(), ShareItem::SyncStatus::synced);
        QCOMPARE(edited->cloudKitRecordID(), QStringLiteral("R1"));
        QCOMPARE(edited->imageUUID(), keptImage);
        QVERIFY(!find(QStringLiteral("removed elsewhere")));
        ShareItem *created_ = find(QStringLiteral("from the other device"));
        QVERIFY(created_);
        QCOMPARE(created_->uuid(), newUuid);
        QVERIFY(!created_->isFavorite());
        QCOMPARE(created_->syncStatus(), ShareItem::SyncStatus::synced);
        QVERIFY(!created_->imageUUID().isNull());
        QVERIFY(m_images->loadImage(created_->imageUUID()));
        QVERIFY(!QFile::exists(downloaded));
        QVERIFY(markedHere->isMarkedForDeletion()); // still to be sent as a deletion
        QVERIFY(find(QStringLiteral("local only")));
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 4);
        QVERIFY(!context().hasChanges());
        QVERIFY(logged(QStringLiteral("[downloadItems()] CloudKit download success, merging 8 records")));
        QVERIFY(logged(QStringLiteral("Failed to match record CloudRecordID(recordName=BROKEN")));
    }

    void failedDownloadPostsTheError()
    {
        ShareItem *item = addItem(QStringLiteral("kept"), ShareItem::SyncStatus::pending);
        QVERIFY(!context().save());
        m_cloud->queueQuery({{}, {}, error(CloudErrorCode::NotAuthenticated)});
        m_engine->downloadItems();
        QTRY_COMPARE(m_finished.size(), 1);
        QCOMPARE(m_finished.first().value(QStringLiteral("errorMessage")).toString(), QStringLiteral("error 9"));
        QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::pending);
        QVERIFY(logged(QStringLiteral("CloudKit download failed | ErrorDetail: error 9")));

        // A push starts a pass of its own.
        m_cloud->queueQuery({});
        m_engine->handleNotification();
        QVERIFY(logged(QStringLiteral("[handleNotification()] Received remote notification, triggering download")));
        QCOMPARE(m_started, 2);
        QTRY_COMPARE(m_finished.size(), 2);
    }

    void retry()
    {
        ShareItem *failed = addItem(QStringLiteral("failed"), ShareItem::SyncStatus::failed);
        ShareItem *synced = addItem(QStringLiteral("synced"), ShareItem::SyncStatus::synced);
        ShareItem *odd = addItem(QStringLiteral("odd"));
        odd->setSyncStatusValue(7);
        QVERIFY(!context().save());

        m_engine->retry(synced);
        QVERIFY(m_cloud->modifyRequests.isEmpty());
        QVERIFY(logged(QStringLiteral("[retry(item:)] retry called for item %1 with status synced")
                           .arg(ShareItemRecord::uuidText(synced->uuid()))));
        QVERIFY(logged(QStringLiteral("Item status is not failed, pending or syncing, ignoring retry")));

        m_cloud->queueModify(std::nullopt);
        m_cloud->queueFetch({});
        m_engine->retry(failed);
        QCOMPARE(failed->syncStatus(), ShareItem::SyncStatus::syncing);
        QCOMPARE(m_cloud->modifyRequests.size(), 1);
        QTRY_COMPARE(failed->syncStatus(), ShareItem::SyncStatus::synced);

        m_engine->retry(odd); // counts as pending; the pass does not select it
        QVERIFY(logged(QStringLiteral("with status pending")));
        QCOMPARE(odd->syncStatusValue(), qint16(7));
    }

    void testRunsLeaveTheCloudAlone()
    {
        m_engine.reset();
        m_cloud = std::make_unique<FakeCloudDatabase>();
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XCTestConfigurationFilePath"), QString());
        makeEngine(environment);
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
