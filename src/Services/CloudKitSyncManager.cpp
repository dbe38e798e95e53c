#include "CloudKitSyncManager.h"

#include "CloudContainerAdapter.h"
#include "ShareItemRecord.h"
#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <mutex>

namespace {

const QString functionDownload = QStringLiteral("downloadItems()");
const QString functionMerge = QStringLiteral("mergeDownloadedRecords(_:)");
const QString functionSubscribe = QStringLiteral("subscribeToChanges()");
const QString functionNotification = QStringLiteral("handleNotification()");
const QString functionRetry = QStringLiteral("retry(item:)");

void log(LogLevel level, const QString &function, const QString &message,
         const std::optional<QString> &error = std::nullopt,
         const std::source_location &location = std::source_location::current())
{
    AppLogger::logIn(AppLogger::cloudKit(), level, function, message, error, location);
}

QString statusName(ShareItem::SyncStatus status)
{
    switch (status) {
    case ShareItem::SyncStatus::pending:
        return QStringLiteral("pending");
    case ShareItem::SyncStatus::syncing:
        return QStringLiteral("syncing");
    case ShareItem::SyncStatus::synced:
        return QStringLiteral("synced");
    case ShareItem::SyncStatus::failed:
        return QStringLiteral("failed");
    }
    return QStringLiteral("pending");
}

} // namespace

CloudKitSyncManager::CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context,
                                         ImageManager &images, const QProcessEnvironment &environment, QObject *parent)
    : QObject(parent), m_container(container), m_context(context), m_images(images),
      m_isTestRun(environment.contains(QStringLiteral("XCTestConfigurationFilePath")))
{
    if (!m_isTestRun)
        subscribeToChanges();
}

CloudKitSyncManager::~CloudKitSyncManager() = default;

CloudDatabaseProtocol &CloudKitSyncManager::database()
{
    if (!m_database)
        m_database = &m_container.privateCloudDatabase();
    return *m_database;
}

void CloudKitSyncManager::saveIgnoringErrors()
{
    (void)m_context.save();
}

void CloudKitSyncManager::subscribeToChanges()
{
    const CloudSubscription subscription(subscriptionID, ShareItemRecord::recordType,
                                         CloudSubscription::FiresOnRecordCreation | CloudSubscription::FiresOnRecordUpdate
                                             | CloudSubscription::FiresOnRecordDeletion);
    database().saveSubscription(subscription, [](const std::optional<CloudError> &error) {
        if (error)
            log(LogLevel::Error, functionSubscribe, QStringLiteral("Subscription save attempt result"),
                error->localizedDescription());
        else
            log(LogLevel::Info, functionSubscribe, QStringLiteral("Successfully subscribed to changes"));
    });
}

void CloudKitSyncManager::handleNotification()
{
    log(LogLevel::Info, functionNotification, QStringLiteral("Received remote notification, triggering download"));
    downloadItems();
}

void CloudKitSyncManager::retry(ShareItem *item)
{
    if (!item)
        return;
    const ShareItem::SyncStatus status = item->syncStatus().value_or(ShareItem::SyncStatus::pending);
    log(LogLevel::Debug, functionRetry,
        QStringLiteral("retry called for item %1 with status %2")
            .arg(item->uuid().isNull() ? QStringLiteral("nil") : ShareItemRecord::uuidText(item->uuid()),
                 statusName(status)));
    if (status == ShareItem::SyncStatus::synced) {
        log(LogLevel::Debug, functionRetry, QStringLiteral("Item status is not failed, pending or syncing, ignoring retry"));
        return;
    }
    if (status == ShareItem::SyncStatus::failed) {
        item->setSyncStatus(ShareItem::SyncStatus::pending);
        saveIgnoringErrors();
    }
    uploadPendingItems();
}

void CloudKitSyncManager::downloadItems()
{
    if (m_isTestRun)
        return;
    log(LogLevel::Debug, functionDownload, QStringLiteral("downloadItems called"));
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);

    // Filled on the cloud thread one record at a time; read on the main thread only after the
    // overall result was posted there.
    auto buffer = std::make_shared<QList<CloudRecord>>();
    QPointer<CloudKitSyncManager> engine(this);
    database().queryRecords(
        ShareItemRecord::recordType,
        [buffer](const CloudRecordID &id, const std::optional<CloudRecord> &record, const std::optional<CloudError> &error) {
            if (record)
                buffer->append(*record);
            else
                log(LogLevel::Error, functionDownload, QStringLiteral("Failed to match record ") + id.description(),
                    error ? error->localizedDescription() : QString());
        },
        [engine, buffer](const std::optional<CloudError> &error) {
            MainQueue::async([engine, buffer, error] {
                if (!engine)
                    return;
                if (error) {
                    log(LogLevel::Error, functionDownload, QStringLiteral("CloudKit download failed"),
                        error->localizedDescription());
                    NotificationCenter::defaultCenter().post(
                        CloudSyncNotification::didFinish, nullptr,
                        {{CloudSyncNotification::errorMessageKey, error->localizedDescription()}});
                    return;
                }
                log(LogLevel::Info, functionDownload,
                    QStringLiteral("CloudKit download success, merging %1 records").arg(buffer->size()));
                engine->mergeDownloadedRecords(*buffer);
                NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish);
            });
        });
}

void CloudKitSyncManager::mergeDownloadedRecords(const QList<CloudRecord> &records)
{
    for (const CloudRecord &record : records) {
        const std::optional<QUuid> uuid = ShareItemRecord::recordUUID(record);
        if (!uuid)
            continue;
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::uuidPredicate(*uuid);
        request.fetchLimit = 1;
        const auto result = m_context.execute(request);
        if (result.error) {
            log(LogLevel::Error, functionMerge, QStringLiteral("Failed to merge record"), result.error->description);
            continue;
        }
        const bool isDeleted = ShareItemRecord::isNumberOne(record, QStringLiteral("isDeleted"));
        ShareItem *item = nullptr;
        if (result.objects.isEmpty()) {
            if (isDeleted)
                continue; // nothing to create for a deleted item
            item = ShareItem::insert(m_context);
            item->setUuid(*uuid);
        } else {
            item = static_cast<ShareItem *>(result.objects.first());
        }
        if (isDeleted) {
            m_context.deleteObject(item);
            continue;
        }
        ShareItemRecord::applyRecord(*item, record, m_images, QDateTime::currentDateTimeUtc());
    }
    saveIgnoringErrors();
}

// One upload pass: the items it took, the records it built, and which item each record is.
struct CloudKitSyncManager::UploadPass {
    QList<QPointer<ShareItem>> items;
    QList<CloudRecord> records;
    QHash<CloudRecordID, QPointer<ShareItem>> itemsByRecordID;
};

// What the fetch-back of one upload confirmed so far. The callbacks may run concurrently.
struct CloudKitSyncManager::VerificationState {
    std::mutex mutex; // guards verified and failed
    QSet<CloudRecordID> verified;
    QHash<CloudRecordID, CloudError> failed;
};

namespace {

const QString functionUpload = QStringLiteral("uploadPendingItems()");

QString quotedList(const QStringList &values)
{
    QStringList quoted;
    for (const QString &value : values)
        quoted.append(QLatin1Char('"') + value + QLatin1Char('"'));
    return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
}

void markSynced(ShareItem *item, const QDateTime &now)
{
    item->setSyncStatus(ShareItem::SyncStatus::synced);
    item->setLastSyncDate(now);
}

} // namespace

void CloudKitSyncManager::uploadPendingItems()
{
    if (m_isTestRun)
        return;
    log(LogLevel::Debug, functionUpload, QStringLiteral("uploadPendingItems called"));

    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::statusOrDeletionPredicate(ShareItem::SyncStatus::pending, ShareItem::SyncStatus::failed,
                                                             ShareItem::SyncStatus::syncing);
    const auto fetched = m_context.execute(request);
    if (fetched.error) {
        log(LogLevel::Error, functionUpload, QStringLiteral("Failed to fetch pending items"), fetched.error->description);
        return;
    }
    log(LogLevel::Debug, functionUpload, QStringLiteral("Found %1 items to upload/delete").arg(fetched.objects.size()));
    if (fetched.objects.isEmpty())
        return;

    auto pass = std::make_shared<UploadPass>();
    const QString imagesDirectory = m_images.imagesDirectoryURL();
    for (ManagedObject *object : fetched.objects) {
        auto *item = static_cast<ShareItem *>(object);
        item->setSyncStatus(ShareItem::SyncStatus::syncing);
        QString recordName = item->cloudKitRecordID();
        if (recordName.isNull()) {
            recordName = ShareItemRecord::uuidText(item->uuid().isNull() ? QUuid::createUuid() : item->uuid());
            item->setCloudKitRecordID(recordName);
        }
        const CloudRecordID recordID(recordName);
        pass->itemsByRecordID.insert(recordID, item);
        pass->items.append(item);
        pass->records.append(ShareItemRecord::makeUploadRecord(*item, recordID, imagesDirectory));
    }

    // The syncing statuses and new record names are stored before anything is sent.
    if (const auto error = m_context.save()) {
        log(LogLevel::Error, functionUpload, QStringLiteral("Failed to fetch pending items"), error->description);
        return;
    }
    if (pass->records.isEmpty()) {
        log(LogLevel::Debug, functionUpload, QStringLiteral("No records to save after processing"));
        return;
    }
    log(LogLevel::Debug, functionUpload,
        QStringLiteral("Saving %1 records (including soft deletes)").arg(pass->records.size()));

    QPointer<CloudKitSyncManager> engine(this);
    database().modifyRecords(pass->records, [engine, pass](const QList<CloudRecord> &saved,
                                                           const std::optional<CloudError> &error) {
        MainQueue::async([engine, pass, saved, error] {
            if (engine)
                engine->handleUploadResult(pass, saved, error);
        });
    });
}

void CloudKitSyncManager::handleUploadResult(const std::shared_ptr<UploadPass> &pass,
                                             const QList<CloudRecord> &savedRecords,
                                             const std::optional<CloudError> &error)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!error) {
        QStringList names;
        QStringList zones;
        for (const CloudRecord &record : savedRecords) {
            names.append(record.recordID().recordName());
            zones.append(record.recordID().zoneName() + QLatin1Char('@') + record.recordID().ownerName());
        }
        const QString identifier = m_container.containerIdentifier();
        log(LogLevel::Info, functionUpload,
            QStringLiteral("CloudKit upload success. container=%1 scope=%2 recordNames=%3 zones=%4")
                .arg(identifier.isEmpty() ? QStringLiteral("<nil>") : identifier)
                .arg(database().databaseScope())
                .arg(quotedList(names), quotedList(zones)));
        verifyUpload(pass, savedRecords);
        return;
    }

    log(LogLevel::Error, functionUpload, QStringLiteral("CloudKit upload failed"), error->localizedDescription());
    const QHash<CloudRecordID, CloudError> partialErrors = error->partialErrorsByItemID();
    if (error->code() == CloudErrorCode::PartialFailure && !partialErrors.isEmpty()) {
        for (auto entry = partialErrors.cbegin(); entry != partialErrors.cend(); ++entry) {
            ShareItem *item = pass->itemsByRecordID.value(entry.key());
            if (!item)
                continue;
            if (entry.value().code() == CloudErrorCode::ServerRecordChanged) {
                log(LogLevel::Info, functionUpload,
                    QStringLiteral("Server record changed (Conflict) for %1. Marking as synced.").arg(entry.key().description()));
                markSynced(item, now);
            } else if (!item->isMarkedForDeletion()) {
                item->setSyncStatus(ShareItem::SyncStatus::failed);
            }
        }
        // The records the server accepted.
        for (const QPointer<ShareItem> &item : std::as_const(pass->items)) {
            if (item && item->syncStatus() == ShareItem::SyncStatus::syncing)
                markSynced(item, now);
        }
    } else if (error->code() == CloudErrorCode::ServerRecordChanged) {
        for (const QPointer<ShareItem> &item : std::as_const(pass->items)) {
            if (item)
                markSynced(item, now);
        }
    } else {
        for (const QPointer<ShareItem> &item : std::as_const(pass->items)) {
            if (item && !item->isMarkedForDeletion())
                item->setSyncStatus(ShareItem::SyncStatus::failed);
        }
    }
    saveIgnoringErrors();
}

void CloudKitSyncManager::verifyUpload(const std::shared_ptr<UploadPass> &pass, const QList<CloudRecord> &savedRecords)
{
    m_container.fetchUserRecordID([](const std::optional<CloudRecordID> &id, const std::optional<CloudError> &error) {
        if (error)
            log(LogLevel::Error, functionUpload, QStringLiteral("Fetch userRecordID failed after upload success"),
                error->localizedDescription());
        else if (id)
            log(LogLevel::Info, functionUpload, QStringLiteral("Upload ran under userRecordID=") + id->recordName());
    });

    QList<CloudRecordID> expected;
    for (const CloudRecord &record : savedRecords)
        expected.append(record.recordID());
    auto state = std::make_shared<VerificationState>();
    QPointer<CloudKitSyncManager> engine(this);
    database().fetchRecords(
        expected,
        [state](const CloudRecordID &id, const std::optional<CloudRecord> &record, const std::optional<CloudError> &error) {
            std::lock_guard lock(state->mutex);
            if (record)
                state->verified.insert(id);
            else
                state->failed.insert(id, error.value_or(CloudError(CloudErrorCode::UnknownItem, QString())));
        },
        [engine, state, pass, expected](const std::optional<CloudError> &error) {
            QSet<CloudRecordID> verified;
            QHash<CloudRecordID, CloudError> failed;
            {
                std::lock_guard lock(state->mutex);
                verified = state->verified;
                failed = state->failed;
            }
            MainQueue::async([engine, pass, error, verified, failed, expected] {
                if (engine)
                    engine->evaluateVerification(pass, error, verified, failed, expected);
            });
        });
}

void CloudKitSyncManager::evaluateVerification(const std::shared_ptr<UploadPass> &pass,
                                               const std::optional<CloudError> &error,
                                               const QSet<CloudRecordID> &verified,
                                               const QHash<CloudRecordID, CloudError> &failed,
                                               const QList<CloudRecordID> &expected)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (error) {
        log(LogLevel::Error, functionUpload,
            QStringLiteral("CloudKit fetch verification failed. Data likely stuck in cloudd local queue."),
            error->localizedDescription());
        for (const QPointer<ShareItem> &item : std::as_const(pass->items)) {
            if (item && !item->isMarkedForDeletion())
                item->setSyncStatus(ShareItem::SyncStatus::failed);
        }
        saveIgnoringErrors();
        return;
    }

    QList<CloudRecordID> missing;
    for (const CloudRecordID &id : expected) {
        if (!verified.contains(id) && !failed.contains(id))
            missing.append(id);
    }
    if (failed.isEmpty() && missing.isEmpty()) {
        log(LogLevel::Info, functionUpload,
            QStringLiteral("CloudKit per-record fetch verification success. All records confirmed."));
        for (const CloudRecordID &id : expected) {
            ShareItem *item = pass->itemsByRecordID.value(id);
            if (!item)
                continue;
            if (!item->isMarkedForDeletion()) {
                markSynced(item, now);
            } else {
                if (!item->imageUUID().isNull())
                    m_images.deleteImage(item->imageUUID());
                m_context.deleteObject(item);
            }
        }
    } else {
        log(LogLevel::Info, functionUpload,
            QStringLiteral("CloudKit per-record fetch verification incomplete. verified=%1 failed=%2 missing=%3")
                .arg(verified.size())
                .arg(failed.size())
                .arg(missing.size()));
        for (auto entry = failed.cbegin(); entry != failed.cend(); ++entry)
            log(LogLevel::Error, functionUpload,
                QStringLiteral("CloudKit per-record fetch verification failed for ") + entry.key().recordName(),
                entry.value().localizedDescription());
        for (const CloudRecordID &id : std::as_const(missing))
            log(LogLevel::Info, functionUpload,
                QStringLiteral("CloudKit per-record fetch verification missing record ") + id.recordName());
        for (const CloudRecordID &id : expected) {
            ShareItem *item = pass->itemsByRecordID.value(id);
            if (!item || item->isMarkedForDeletion())
                continue;
            if (verified.contains(id))
                markSynced(item, now);
            else
                item->setSyncStatus(ShareItem::SyncStatus::failed);
        }
    }
    saveIgnoringErrors();
}

CloudKitSyncManager &CloudKitSyncManager::shared()
{
    static CloudKitSyncManager *engine = [] {
        // Process-wide, kept until exit, like the container and the store it works on.
        return new CloudKitSyncManager(CloudContainerAdapter::shared(), PersistenceController::sharedContainer().viewContext(),
                                       ImageManager::shared(), QProcessEnvironment::systemEnvironment());
    }();
    return *engine;
}
