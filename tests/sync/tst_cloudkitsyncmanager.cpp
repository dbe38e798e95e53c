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

using Code = CloudErrorCode;
using Fetch = FakeCloudDatabase::FetchAnswer;
constexpr int removed = -1; // no longer stored

} // namespace

Q_DECLARE_METATYPE(std::optional<CloudError>)
Q_DECLARE_METATYPE(Fetch)

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
    static CloudError error(Code code) { return CloudError(code, QStringLiteral("error %1").arg(int(code))); }
    static QString name(int number) { return QStringLiteral("00000000-0000-0000-0000-00000000000%1").arg(number); }

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
        m_container = PersistenceController::openInMemoryContainer(nullptr);
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

    void uploadOutcomes_data()
    {
        // Items A, B and C get the record names name(1) to name(3): A pending, B failed, C synced
        // and marked for deletion, with a picture. Statuses after the pass: 1 syncing, 2 synced, 3 failed.
        QTest::addColumn<std::optional<CloudError>>("upload");
        QTest::addColumn<Fetch>("verification");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QStringList>("logs");
        const auto failed = [](Code code) {
            return QStringList{"CloudKit upload failed | ErrorDetail: " + error(code).localizedDescription()};
        };
        const auto id = [](int number) { return CloudRecordID(name(number)); };
        const std::optional<CloudError> accepted;
        const CloudError quota = error(Code::QuotaExceeded);
        const Fetch allFound;
        QTest::newRow("all confirmed") << accepted << allFound << QList<int>{2, 2, removed}
            << QStringList{"CloudKit per-record fetch verification success. All records confirmed."};
        // C is not failed; the sweep over what is still syncing counts it as accepted, and its
        // deletion mark sends it again on the next pass. name(9) is in no pass.
        QTest::newRow("partial failure")
            << std::optional(CloudError::partialFailure(
                   {{id(1), error(Code::ServerRecordChanged)}, {id(2), quota}, {id(3), quota}, {id(9), quota}}))
            << allFound << QList<int>{2, 3, 2}
            << QStringList{"Server record changed (Conflict) for CloudRecordID(recordName=" + name(1)};
        QTest::newRow("whole request changed on the server") << std::optional(error(Code::ServerRecordChanged))
            << allFound << QList<int>{2, 2, 2} << failed(Code::ServerRecordChanged);
        QTest::newRow("network failure") << std::optional(error(Code::NetworkFailure)) << allFound
            << QList<int>{3, 3, 1} << failed(Code::NetworkFailure);
        QTest::newRow("partial failure without a map") << std::optional(error(Code::PartialFailure)) << allFound
            << QList<int>{3, 3, 1} << failed(Code::PartialFailure);
        QTest::newRow("verification misses one record") << accepted << Fetch{{name(2)}, {}, std::nullopt}
            << QList<int>{2, 3, 1}
            << QStringList{"CloudKit per-record fetch verification missing record " + name(2)};
        QTest::newRow("verification refuses one record") << accepted << Fetch{{}, {name(1)}, std::nullopt}
            << QList<int>{3, 2, 1}
            << QStringList{"CloudKit per-record fetch verification failed for " + name(1) + " | ErrorDetail: refused"};
        QTest::newRow("verification fails") << accepted << Fetch{{}, {}, error(Code::NetworkUnavailable)}
            << QList<int>{3, 3, 1}
            << QStringList{"CloudKit fetch verification failed. Data likely stuck in cloudd local queue. | "
                           "ErrorDetail: error 3"};
    }
    void uploadOutcomes()
    {
        QFETCH(std::optional<CloudError>, upload);
        QFETCH(Fetch, verification);
        QFETCH(QList<int>, statuses);
        QFETCH(QStringList, logs);
        const QList<ShareItem *> items{addItem(QStringLiteral("A")),
                                       addItem(QStringLiteral("B"), ShareItem::SyncStatus::failed),
                                       addItem(QStringLiteral("C"), ShareItem::SyncStatus::synced, true)};
        for (int index = 0; index < items.size(); ++index)
            items[index]->setUuid(QUuid(name(index + 1)));
        items[2]->setImageUUID(savePicture());
        const QString picture = m_images->imageFileURL(items[2]->imageUUID());
        addItem(QStringLiteral("already synced"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());
        m_cloud->modifyAnswer = upload;
        m_cloud->fetchAnswer = verification;
        m_engine->uploadPendingItems();

        // Statuses are stored before the request leaves.
        QVERIFY(!context().hasChanges());
        QCOMPARE(items[0]->syncStatus(), ShareItem::SyncStatus::syncing);
        QCOMPARE(m_cloud->modifyRequests.value(0).size(), 3);

        for (const QString &text : logs)
            QTRY_VERIFY2(logged(text), qPrintable(text));
        QTRY_VERIFY(!context().hasChanges());
        QList<int> after;
        for (const char *title : {"A", "B", "C"}) {
            ShareItem *item = find(title);
            after.append(item ? item->syncStatusValue() : removed);
            QCOMPARE(item && item->lastSyncDate().isValid(), after.last() == 2);
        }
        QCOMPARE(after, statuses);
        QCOMPARE(QFile::exists(picture), after.last() != removed); // the picture goes with the confirmed deletion
        QCOMPARE(m_cloud->fetchRequests.isEmpty(), upload.has_value()); // only what was saved is verified
    }

    void downloadMergesTheCloudCopyOrPostsTheError()
    {
        ShareItem *edited = addItem(QStringLiteral("local edit"));
        const QUuid keptImage = savePicture();
        edited->setImageUUID(keptImage);
        ShareItem *removedElsewhere = addItem(QStringLiteral("removed elsewhere"), ShareItem::SyncStatus::synced);
        addItem(QStringLiteral("local only"), ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());

        const auto record = [](const QString &recordName, const std::optional<QString> &uuid, const QString &title,
                               qint64 favorite = 0, qint64 deleted = 0) {
            CloudRecord result(QStringLiteral("ShareItem"), CloudRecordID(recordName));
            result.setString(QStringLiteral("uuid"), uuid);
            result.setString(QStringLiteral("title"), title);
            result.setInt64(QStringLiteral("isFavorite"), favorite);
            result.setInt64(QStringLiteral("isDeleted"), deleted);
            return result;
        };
        const auto uuidOf = [](ShareItem *item) { return ShareItemRecord::uuidText(item->uuid()); };
        const CloudRecord overwrite = record("R1", uuidOf(edited), "cloud title", 1);
        // Only 1 counts as true: 2 neither favours nor deletes.
        const QUuid newUuid = QUuid::createUuid();
        CloudRecord fresh = record("R3", ShareItemRecord::uuidText(newUuid), "from the other device", 2, 2);
        const QString downloaded = m_group->filePath(QStringLiteral("downloaded-asset"));
        QVERIFY(QImage(20, 10, QImage::Format_RGB32).save(downloaded, "JPEG"));
        fresh.setAsset(QStringLiteral("imageAsset"), CloudAsset(downloaded));
        m_cloud->queryAnswer = {{overwrite, record("R2", uuidOf(removedElsewhere), {}, 0, 1), fresh,
                                 record("R4", QUuid::createUuid().toString(QUuid::WithoutBraces), "unknown", 0, 1),
                                 record("R5", std::nullopt, "no uuid"), record("R6", "not-a-uuid", "bad uuid")},
                                std::nullopt};
        m_engine->handleNotification(); // a push starts a download pass
        QCOMPARE(m_started, 1);
        QTRY_COMPARE(m_finished.size(), 1);
        QVERIFY(m_finished.first().isEmpty());

        QCOMPARE(edited->title(), QStringLiteral("cloud title"));
        QVERIFY(edited->content().isNull()); // absent in the cloud copy clears it
        QVERIFY(edited->isFavorite());
        QCOMPARE(edited->syncStatus(), ShareItem::SyncStatus::synced);
        QCOMPARE(edited->cloudKitRecordID(), QStringLiteral("R1"));
        QCOMPARE(edited->imageUUID(), keptImage);
        QVERIFY(!find(QStringLiteral("removed elsewhere")));
        ShareItem *arrived = find(QStringLiteral("from the other device"));
        QVERIFY(arrived);
        QCOMPARE(arrived->uuid(), newUuid);
        QVERIFY(!arrived->isFavorite());
        QVERIFY(m_images->loadImage(arrived->imageUUID()));
        QVERIFY(find(QStringLiteral("local only")));
        // Nothing created for the unknown tombstone nor the records without a valid uuid.
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 3);
        QVERIFY(!context().hasChanges());

        m_cloud->queryAnswer = {{}, error(Code::NotAuthenticated)};
        m_engine->downloadItems();
        QTRY_COMPARE(m_finished.size(), 2);
        QCOMPARE(m_finished.last().value(QStringLiteral("errorMessage")).toString(), QStringLiteral("error 9"));
        QVERIFY(logged(QStringLiteral("CloudKit download failed | ErrorDetail: error 9")));
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 3);
    }

    void retry()
    {
        ShareItem *synced = addItem(QStringLiteral("synced"), ShareItem::SyncStatus::synced);
        ShareItem *odd = addItem(QStringLiteral("odd"));
        odd->setSyncStatusValue(7);
        QVERIFY(!context().save());

        m_engine->retry(synced);
        QVERIFY(logged(QStringLiteral("Item status is not failed, pending or syncing, ignoring retry")));
        m_engine->retry(odd); // counts as pending; the pass does not select it
        QVERIFY(logged(QStringLiteral("with status pending")));
        QCOMPARE(odd->syncStatusValue(), qint16(7));
        QVERIFY(m_cloud->modifyRequests.isEmpty());
    }

    void testRunsLeaveTheCloudAlone()
    {
        QCOMPARE(m_cloud->subscriptionRequests.value(0).subscriptionID(), QStringLiteral("share-item-changes"));
        m_engine.reset();
        m_cloud = std::make_unique<FakeCloudDatabase>();
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XCTestConfigurationFilePath"), QString());
        m_engine = std::make_unique<CloudKitSyncManager>(*m_cloud, context(), *m_images, environment);
        m_log.clear();
        addItem(QStringLiteral("x"));
        QVERIFY(!context().save());
        m_engine->uploadPendingItems();
        m_engine->downloadItems();
        QVERIFY(m_cloud->subscriptionRequests.isEmpty() && m_cloud->modifyRequests.isEmpty());
        QCOMPARE(m_started, 0); // a download pass announces itself before it asks the cloud
        QVERIFY(m_log.isEmpty());
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    TestCloudKitSyncManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cloudkitsyncmanager.moc"
