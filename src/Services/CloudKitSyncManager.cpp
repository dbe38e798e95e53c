#include "CloudKitSyncManager.h"

#include "CloudContainerAdapter.h"
#include "ShareItemRecord.h"
#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
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
    return ShareItem::syncStatusText(status);
}

} // namespace

namespace {

const QString functionUpload = QStringLiteral("uploadPendingItems()");

// Conflicts that keep coming back pass after pass (another device writing the same item all
// the time, or a server that refuses every revision) end as failed instead of looping.
constexpr int maxConflictRounds = 5;

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

void markFailedUnlessDeleted(ShareItem *item)
{
    if (item && !item->isMarkedForDeletion())
        item->setSyncStatus(ShareItem::SyncStatus::failed);
}

std::optional<QDateTime> localChangeTime(const ShareItem &item)
{
    return item.modifiedAt().isValid() ? std::optional(item.modifiedAt()) : std::nullopt;
}

} // namespace

CloudKitSyncManager::CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context,
                                         ImageManager &images, const QProcessEnvironment &environment, QObject *parent)
    : QObject(parent), m_container(container), m_context(context), m_images(images),
      m_isTestRun(environment.contains(QStringLiteral("XCTestConfigurationFilePath"))), m_retryTimer(new QTimer(this)),
      m_downloadRetryTimer(new QTimer(this))
{
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &CloudKitSyncManager::uploadPendingItems);
    m_downloadRetryTimer->setSingleShot(true);
    connect(m_downloadRetryTimer, &QTimer::timeout, this, &CloudKitSyncManager::downloadItems);
    if (m_isTestRun)
        return;
    subscribeToChanges();
    removeUnreferencedImages();
    recoverInterruptedUploads();
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

void CloudKitSyncManager::recoverInterruptedUploads()
{
    // No upload is in flight yet, so "syncing" was left by a process that stopped mid-upload.
    // Those and what an earlier run left pending go up now.
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::statusOrDeletionPredicate(ShareItem::SyncStatus::syncing, ShareItem::SyncStatus::pending,
                                                             ShareItem::SyncStatus::pending);
    const auto interrupted = m_context.execute(request);
    bool hasWork = false;
    for (ManagedObject *object : interrupted.objects) {
        auto *item = static_cast<ShareItem *>(object);
        if (item->syncStatus() == ShareItem::SyncStatus::syncing)
            item->setSyncStatus(ShareItem::SyncStatus::pending);
        hasWork = true;
    }
    if (!hasWork)
        return;
    saveIgnoringErrors();
    QPointer<CloudKitSyncManager> engine(this);
    MainQueue::async([engine] {
        if (engine)
            engine->uploadPendingItems();
    });
}

void CloudKitSyncManager::beginPass(Pass pass)
{
    m_activePass = pass;
    if (pass == Pass::upload)
        NotificationCenter::defaultCenter().post(CloudUploadNotification::didStart);
}

void CloudKitSyncManager::endPass()
{
    const Pass ended = std::exchange(m_activePass, Pass::none);
    m_lastPass = ended;
    if (ended == Pass::upload)
        NotificationCenter::defaultCenter().post(CloudUploadNotification::didFinish, nullptr,
                                                 std::exchange(m_hasConfirmedInPass, false)
                                                     ? QVariantMap{{CloudUploadNotification::confirmedKey, true}}
                                                     : QVariantMap());
    if (!m_isUploadRequested && !m_isDownloadRequested)
        return;
    // From the event loop, so a pass never starts inside the completion of another.
    QPointer<CloudKitSyncManager> engine(this);
    MainQueue::async([engine] {
        if (engine)
            engine->startRequestedPass();
    });
}

void CloudKitSyncManager::startRequestedPass()
{
    if (m_activePass != Pass::none)
        return; // the running pass starts the requested one when it ends
    // Take turns when both wait, so a stream of edits cannot hold back downloads or the other
    // way round; otherwise what waits.
    const bool uploadFirst = m_isUploadRequested && !(m_isDownloadRequested && m_lastPass == Pass::upload);
    if (uploadFirst) {
        m_isUploadRequested = false;
        uploadPendingItems();
    }
    // An upload with nothing to send starts no pass; then the download goes now.
    if (m_activePass == Pass::none && m_isDownloadRequested) {
        m_isDownloadRequested = false;
        downloadItems();
    }
    if (m_activePass == Pass::none && m_isUploadRequested) {
        m_isUploadRequested = false;
        uploadPendingItems();
    }
}

void CloudKitSyncManager::scheduleAutomaticRetry(const CloudError &error, QTimer *timer, int &delayMilliseconds)
{
    const bool isPassing = error.code() == CloudErrorCode::NetworkUnavailable || error.code() == CloudErrorCode::NetworkFailure
        || error.code() == CloudErrorCode::ServiceUnavailable || error.code() == CloudErrorCode::RequestRateLimited;
    if (!isPassing)
        return;
    constexpr int firstDelay = 2000, longestDelay = 60000;
    delayMilliseconds = delayMilliseconds == 0 ? firstDelay : std::min(delayMilliseconds * 2, longestDelay);
    const int serverAsked = std::clamp(error.retryAfterSeconds().value_or(0), 0, 3600) * 1000;
    timer->start(std::max(delayMilliseconds, serverAsked));
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
    // What waits here goes up first, so a change made while the server was out of reach meets
    // the cloud copy in an upload (where the later change wins) rather than being merged over.
    uploadPendingItems();
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
    m_conflictRounds = 0; // the user asks for another try
    uploadPendingItems();
}

void CloudKitSyncManager::downloadItems()
{
    if (m_isTestRun)
        return;
    if (m_activePass != Pass::none) {
        m_isDownloadRequested = true;
        return;
    }
    m_downloadRetryTimer->stop(); // this pass is the retry
    log(LogLevel::Debug, functionDownload, QStringLiteral("downloadItems called"));
    beginPass(Pass::download);
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);

    // Only what changed since the last merged page; pictures the items hold are not fetched.
    const QString checkpointKey = QStringLiteral("changesCheckpoint ") + m_container.accountIdentifier();
    auto merged = std::make_shared<int>(0);
    auto isComplete = std::make_shared<bool>(true);
    QPointer<CloudKitSyncManager> engine(this);
    database().fetchChanges(
        ShareItemRecord::recordType, m_context.metadata(checkpointKey), knownPictureDigests(),
        [engine, generation = m_accountGeneration, checkpointKey, merged, isComplete](const ChangesOperation::Page &page,
                                                                                      std::function<void()> next) {
            MainQueue::async([engine, generation, checkpointKey, merged, isComplete, page, next] {
                if (!engine || engine->m_accountGeneration != generation)
                    return;
                *merged += int(page.records.size());
                // The checkpoint goes in the same save as the page, and only past a page that came
                // whole, so a crash or a missing picture never skips a change.
                *isComplete = *isComplete && page.isComplete;
                if (*isComplete)
                    engine->m_context.setMetadata(checkpointKey, page.checkpoint);
                engine->mergeDownloadedRecords(page.records);
                next();
            });
        },
        [engine, generation = m_accountGeneration, merged, isComplete](const std::optional<CloudError> &error) {
            MainQueue::async([engine, generation, merged, isComplete, error] {
                if (!engine || engine->m_accountGeneration != generation)
                    return;
                if (error) {
                    log(LogLevel::Error, functionDownload, QStringLiteral("CloudKit download failed"),
                        error->localizedDescription());
                    NotificationCenter::defaultCenter().post(
                        CloudSyncNotification::didFinish, nullptr,
                        {{CloudSyncNotification::errorMessageKey, error->localizedDescription()}});
                    engine->scheduleAutomaticRetry(*error, engine->m_downloadRetryTimer, engine->m_downloadRetryDelayMilliseconds);
                } else {
                    log(LogLevel::Info, functionDownload,
                        QStringLiteral("CloudKit download success, merging %1 records").arg(*merged));
                    NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish);
                    if (*isComplete) {
                        engine->m_downloadRetryDelayMilliseconds = 0;
                    } else {
                        // A picture did not come: the next read, from the same checkpoint, fetches it.
                        log(LogLevel::Info, functionDownload, QStringLiteral("Some pictures did not arrive; reading again soon"));
                        engine->scheduleAutomaticRetry(CloudError(CloudErrorCode::NetworkFailure, QString()),
                                                       engine->m_downloadRetryTimer, engine->m_downloadRetryDelayMilliseconds);
                    }
                }
                engine->endPass();
            });
        });
}

void CloudKitSyncManager::resetForAccountChange()
{
    ++m_accountGeneration; // answers of the old account's requests are dropped from here on
    m_database = nullptr;   // resolved again from the container's next account
    m_retryTimer->stop();
    m_downloadRetryTimer->stop();
    m_retryDelayMilliseconds = 0;
    m_downloadRetryDelayMilliseconds = 0;
    m_conflictRounds = 0;
    m_isUploadRequested = false;
    m_isDownloadRequested = false;
    const Pass abandoned = std::exchange(m_activePass, Pass::none);
    if (abandoned == Pass::download)
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                 {{CloudSyncNotification::abandonedKey, true}});
    if (abandoned == Pass::upload)
        NotificationCenter::defaultCenter().post(CloudUploadNotification::didFinish);
    m_hasConfirmedInPass = false;

    // The revisions and picture digests belong to the old database: writes to the next one
    // start from nothing, pictures included. Deletions stay marked and go up as deletions.
    const auto items = m_context.execute(ShareItem::fetchRequest());
    for (ManagedObject *object : items.objects) {
        auto *item = static_cast<ShareItem *>(object);
        item->setSyncStatus(ShareItem::SyncStatus::pending);
        item->setCloudRevision(QString());
        item->setImageDigest(QString());
    }
    if (const auto error = m_context.save())
        log(LogLevel::Error, functionUpload, QStringLiteral("Could not save the items for the next account"), error->description);
    log(LogLevel::Info, functionUpload, QStringLiteral("Account changed: %1 items wait for the next account").arg(items.objects.size()));
}

void CloudKitSyncManager::startWithAccount()
{
    // Signed out: the items wait, pending, for the next account.
    if (m_isTestRun || m_container.accountIdentifier().isEmpty())
        return;
    // Read from the start: what this device merged from the account before may have changed
    // since, and what it holds now was uploaded whole.
    m_context.setMetadata(QStringLiteral("changesCheckpoint ") + m_container.accountIdentifier(), QString());
    subscribeToChanges();
    uploadPendingItems();
    downloadItems();
}

CloudDatabaseProtocol::KnownDigests CloudKitSyncManager::knownPictureDigests()
{
    CloudDatabaseProtocol::KnownDigests known;
    for (ManagedObject *object : m_context.execute(ShareItem::fetchRequest()).objects) {
        const auto *item = static_cast<ShareItem *>(object);
        if (!item->imageDigest().isEmpty() && !item->cloudKitRecordID().isEmpty())
            known.insert(item->cloudKitRecordID(), item->imageDigest());
    }
    return known;
}

void CloudKitSyncManager::mergeDownloadedRecords(const QList<CloudRecord> &records)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    bool needsUpload = false;
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
        ShareItem *item = result.objects.isEmpty() ? nullptr : static_cast<ShareItem *>(result.objects.first());
        if (ShareItemRecord::isNumberOne(record, QStringLiteral("isDeleted"))) {
            // A deletion wins over any local state; nothing is created for a deleted item.
            if (item)
                m_context.deleteObject(item);
            continue;
        }
        if (!item) {
            item = ShareItem::insert(m_context);
            item->setUuid(*uuid);
            ShareItemRecord::applyRecord(*item, record, m_images, now);
            continue;
        }
        const QString revision = record.recordChangeTag();
        const QString digest = ShareItemRecord::recordPictureDigest(record);
        const bool holdsPicture = digest.isEmpty() || digest == item->imageDigest();
        if ((!revision.isEmpty() && revision == item->cloudRevision() && holdsPicture)
            || ShareItemRecord::isOlderRevision(revision, item->cloudRevision())) {
            // Nothing this device has not seen: its own write, or a read older than one it made.
            continue;
        }
        const std::optional<QDateTime> cloudTime = ShareItemRecord::changeTime(record, now);
        const std::optional<QDateTime> localTime = localChangeTime(*item);
        const bool hasUnsentChanges = item->syncStatus() != ShareItem::SyncStatus::synced;
        const bool cloudWins = hasUnsentChanges ? ShareItemRecord::isLaterChange(cloudTime, localTime)
                                                : !ShareItemRecord::isLaterChange(localTime, cloudTime);
        if (cloudWins) {
            ShareItemRecord::applyRecord(*item, record, m_images, now);
            continue;
        }
        // The local change is later: it is sent over this revision by the next upload.
        keepLocalOver(item, record);
        if (!hasUnsentChanges) {
            item->setSyncStatus(ShareItem::SyncStatus::pending);
            needsUpload = true;
        }
    }
    saveIgnoringErrors();
    if (needsUpload)
        uploadPendingItems();
}

void CloudKitSyncManager::keepLocalOver(ShareItem *item, const CloudRecord &cloudCopy)
{
    item->setCloudRevision(cloudCopy.recordChangeTag());
    // The cloud's picture is not the item's: the next upload sends the item's picture itself.
    if (ShareItemRecord::recordPictureDigest(cloudCopy) != item->imageDigest())
        item->setImageDigest(QString());
}

void CloudKitSyncManager::removeUnreferencedImages()
{
    // Pictures no item names, left by a replaced picture or a killed run, and downloads a killed
    // run left half done. Young files may belong to an add that is just being saved.
    QSet<QString> referenced;
    for (ManagedObject *object : m_context.execute(ShareItem::fetchRequest()).objects) {
        const auto *item = static_cast<ShareItem *>(object);
        if (!item->imageUUID().isNull())
            referenced.insert(ShareItemRecord::uuidText(item->imageUUID()) + QStringLiteral(".jpg"));
    }
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QString &directory : {m_images.imagesDirectoryURL(), m_images.imagesDirectoryURL() + QStringLiteral("/.incoming")}) {
        const QFileInfoList files = QDir(directory).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo &file : files) {
            if (!referenced.contains(file.fileName()) && file.lastModified().toUTC() < aMinuteAgo)
                QFile::remove(file.filePath());
        }
    }
}

// One upload pass: the items it took, the records it built, and what each write left behind.
struct CloudKitSyncManager::UploadPass {
    struct Entry {
        QPointer<ShareItem> item;
        qint64 builtFromChange = 0; // the item's change count when its record was built
        QString pictureDigest;      // of the picture the record carries, when it has one
    };
    QHash<CloudRecordID, Entry> entries;
    QList<CloudRecordID> order; // fetch order
    QList<CloudRecord> records;
    QHash<CloudRecordID, QString> writtenRevisions; // the revision each accepted write made
};

// What the fetch-back of one upload brought. The callbacks may run concurrently.
struct CloudKitSyncManager::VerificationState {
    std::mutex mutex; // guards fetched and failed
    QHash<CloudRecordID, CloudRecord> fetched;
    QHash<CloudRecordID, CloudError> failed;
};

void CloudKitSyncManager::uploadPendingItems()
{
    if (m_isTestRun)
        return;
    if (m_activePass != Pass::none) {
        m_isUploadRequested = true;
        return;
    }
    m_retryTimer->stop(); // this pass is the retry
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
        CloudRecord record = ShareItemRecord::makeUploadRecord(*item, recordID, imagesDirectory);
        const auto picture = record.assetValue(QStringLiteral("imageAsset"));
        if (!item->imageUUID().isNull() && !item->isMarkedForDeletion()
            && !QFileInfo::exists(m_images.imageFileURL(item->imageUUID()))) {
            if (picture)
                log(LogLevel::Error, functionUpload,
                    QStringLiteral("The picture file of %1 is missing here; the cloud keeps its copy").arg(recordName));
            else
                log(LogLevel::Error, functionUpload,
                    QStringLiteral("The picture file of %1 is missing; the record goes without it").arg(recordName));
        }
        const QString digest = !picture ? QString()
            : picture->isStub()         ? picture->digest()
                                        : CloudAsset::fileDigest(picture->fileURL());
        pass->entries.insert(recordID, {item, item->localChangeCount(), digest});
        pass->order.append(recordID);
        pass->records.append(record);
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

    beginPass(Pass::upload);
    QPointer<CloudKitSyncManager> engine(this);
    database().modifyRecords(pass->records, [engine, generation = m_accountGeneration, pass](const QList<CloudRecord> &saved,
                                                                                             const std::optional<CloudError> &error) {
        MainQueue::async([engine, generation, pass, saved, error] {
            if (engine && engine->m_accountGeneration == generation)
                engine->handleUploadResult(pass, saved, error);
        });
    });
}

void CloudKitSyncManager::handleUploadResult(const std::shared_ptr<UploadPass> &pass,
                                             const QList<CloudRecord> &savedRecords,
                                             const std::optional<CloudError> &error)
{
    for (const CloudRecord &record : savedRecords)
        pass->writtenRevisions.insert(record.recordID(), record.recordChangeTag());
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
        verifyUpload(pass, pass->order);
        return;
    }

    log(LogLevel::Error, functionUpload, QStringLiteral("CloudKit upload failed"), error->localizedDescription());
    // What is read back: the records the server accepted (to confirm them) and those whose
    // cloud copy moved on (to let the later change win). The rest failed.
    QList<CloudRecordID> readBack;
    const QHash<CloudRecordID, CloudError> partialErrors = error->partialErrorsByItemID();
    if (error->code() == CloudErrorCode::PartialFailure && !partialErrors.isEmpty()) {
        for (const CloudRecordID &id : std::as_const(pass->order)) {
            const auto entry = partialErrors.constFind(id);
            if (entry == partialErrors.cend()) {
                if (pass->writtenRevisions.contains(id))
                    readBack.append(id);
                else
                    markFailedUnlessDeleted(pass->entries.value(id).item);
            } else if (entry->code() == CloudErrorCode::ServerRecordChanged) {
                log(LogLevel::Info, functionUpload,
                    QStringLiteral("Server record changed (Conflict) for %1. Reading the cloud copy.").arg(id.description()));
                readBack.append(id);
            } else {
                markFailedUnlessDeleted(pass->entries.value(id).item);
            }
        }
    } else if (error->code() == CloudErrorCode::ServerRecordChanged) {
        readBack = pass->order;
    } else {
        for (const CloudRecordID &id : std::as_const(pass->order))
            markFailedUnlessDeleted(pass->entries.value(id).item);
        scheduleAutomaticRetry(*error, m_retryTimer, m_retryDelayMilliseconds);
    }
    if (readBack.isEmpty()) {
        saveIgnoringErrors();
        endPass();
        return;
    }
    verifyUpload(pass, readBack);
}

void CloudKitSyncManager::verifyUpload(const std::shared_ptr<UploadPass> &pass, const QList<CloudRecordID> &ids)
{
    if (!pass->writtenRevisions.isEmpty()) {
        m_container.fetchUserRecordID([](const std::optional<CloudRecordID> &id, const std::optional<CloudError> &error) {
            if (error)
                log(LogLevel::Error, functionUpload, QStringLiteral("Fetch userRecordID failed after upload success"),
                    error->localizedDescription());
            else if (id)
                log(LogLevel::Info, functionUpload, QStringLiteral("Upload ran under userRecordID=") + id->recordName());
        });
    }

    // The pictures this pass sent, or the items hold, are not fetched back: their digests say
    // whether the cloud holds them.
    CloudDatabaseProtocol::KnownDigests known;
    for (const CloudRecordID &id : ids) {
        const UploadPass::Entry entry = pass->entries.value(id);
        const QString digest = entry.item && !entry.item->imageDigest().isEmpty() ? entry.item->imageDigest() : entry.pictureDigest;
        if (!digest.isEmpty())
            known.insert(id.recordName(), digest);
    }
    auto state = std::make_shared<VerificationState>();
    QPointer<CloudKitSyncManager> engine(this);
    database().fetchRecords(
        ids, known,
        [state](const CloudRecordID &id, const std::optional<CloudRecord> &record, const std::optional<CloudError> &error) {
            std::lock_guard lock(state->mutex);
            if (record)
                state->fetched.insert(id, *record);
            else
                state->failed.insert(id, error.value_or(CloudError(CloudErrorCode::UnknownItem, QString())));
        },
        [engine, generation = m_accountGeneration, state, pass, ids](const std::optional<CloudError> &error) {
            MainQueue::async([engine, generation, pass, error, state, ids] {
                std::lock_guard lock(state->mutex);
                if (engine && engine->m_accountGeneration == generation)
                    engine->evaluateVerification(pass, error, *state, ids);
            });
        });
}

void CloudKitSyncManager::evaluateVerification(const std::shared_ptr<UploadPass> &pass,
                                               const std::optional<CloudError> &error, const VerificationState &state,
                                               const QList<CloudRecordID> &ids)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (error) {
        log(LogLevel::Error, functionUpload,
            QStringLiteral("CloudKit fetch verification failed. Data likely stuck in cloudd local queue."),
            error->localizedDescription());
        for (const CloudRecordID &id : ids)
            markFailedUnlessDeleted(pass->entries.value(id).item);
        scheduleAutomaticRetry(*error, m_retryTimer, m_retryDelayMilliseconds);
        saveIgnoringErrors();
        endPass();
        return;
    }

    m_retryDelayMilliseconds = 0; // the cloud answered
    // A written record is confirmed when the cloud still holds the revision this device wrote.
    QList<CloudRecordID> missing;
    int confirmed = 0;
    for (const CloudRecordID &id : ids) {
        if (!state.fetched.contains(id) && !state.failed.contains(id))
            missing.append(id);
        const auto written = pass->writtenRevisions.constFind(id);
        if (written != pass->writtenRevisions.cend() && state.fetched.value(id).recordChangeTag() == *written)
            ++confirmed;
    }
    const bool allConfirmed = confirmed == ids.size();
    if (allConfirmed) {
        log(LogLevel::Info, functionUpload,
            QStringLiteral("CloudKit per-record fetch verification success. All records confirmed."));
    } else {
        log(LogLevel::Info, functionUpload,
            QStringLiteral("CloudKit per-record fetch verification incomplete. verified=%1 failed=%2 missing=%3")
                .arg(state.fetched.size())
                .arg(state.failed.size())
                .arg(missing.size()));
        for (auto entry = state.failed.cbegin(); entry != state.failed.cend(); ++entry)
            log(LogLevel::Error, functionUpload,
                QStringLiteral("CloudKit per-record fetch verification failed for ") + entry.key().recordName(),
                entry.value().localizedDescription());
        for (const CloudRecordID &id : std::as_const(missing))
            log(LogLevel::Info, functionUpload,
                QStringLiteral("CloudKit per-record fetch verification missing record ") + id.recordName());
    }

    bool needsUpload = false;
    for (const CloudRecordID &id : ids) {
        const UploadPass::Entry entry = pass->entries.value(id);
        ShareItem *item = entry.item;
        const auto fetched = state.fetched.constFind(id);
        if (!item)
            continue;
        const bool wasWritten = pass->writtenRevisions.contains(id);
        if (fetched == state.fetched.cend()) {
            const auto refused = state.failed.constFind(id);
            const bool isGone = refused == state.failed.cend() || refused->code() == CloudErrorCode::UnknownItem;
            if (!wasWritten && isGone) {
                // The write lost to a document that is gone now: write again without a revision.
                item->setCloudRevision(QString());
                item->setSyncStatus(ShareItem::SyncStatus::pending);
                needsUpload = true;
            } else {
                markFailedUnlessDeleted(item);
            }
            continue;
        }
        if (!wasWritten || fetched->recordChangeTag() != pass->writtenRevisions.value(id)) {
            resolveConflict(item, *fetched, needsUpload);
            continue;
        }
        item->setCloudRevision(fetched->recordChangeTag());
        if (item->localChangeCount() == entry.builtFromChange && !item->imageUUID().isNull())
            item->setImageDigest(ShareItemRecord::recordPictureDigest(*fetched)); // the cloud holds this picture
        if (item->localChangeCount() != entry.builtFromChange) {
            // Changed while its record was on the way: the newer state goes in the next pass.
            item->setSyncStatus(ShareItem::SyncStatus::pending);
            needsUpload = true;
        } else if (!item->isMarkedForDeletion()) {
            markSynced(item, now);
            m_hasConfirmedInPass = true;
        } else if (allConfirmed) {
            if (!item->imageUUID().isNull())
                m_images.deleteImage(item->imageUUID());
            m_context.deleteObject(item);
        }
    }
    saveIgnoringErrors();
    if (needsUpload && ++m_conflictRounds >= maxConflictRounds) {
        // Every round found the cloud moved on again; the user's retry starts over.
        for (const CloudRecordID &id : ids) {
            ShareItem *item = pass->entries.value(id).item;
            if (item && item->syncStatus() == ShareItem::SyncStatus::pending)
                markFailedUnlessDeleted(item);
        }
        saveIgnoringErrors();
        needsUpload = false;
    }
    if (!needsUpload)
        m_conflictRounds = 0;
    else
        m_isUploadRequested = true;
    endPass();
}

void CloudKitSyncManager::resolveConflict(ShareItem *item, const CloudRecord &cloudCopy, bool &needsUpload)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    log(LogLevel::Info, functionUpload,
        QStringLiteral("Cloud copy of %1 changed since it was read").arg(cloudCopy.recordID().recordName()));
    if (ShareItemRecord::isNumberOne(cloudCopy, QStringLiteral("isDeleted"))) {
        // A deletion wins, from either side.
        if (item->isMarkedForDeletion() && !item->imageUUID().isNull())
            m_images.deleteImage(item->imageUUID());
        m_context.deleteObject(item);
        return;
    }
    const bool cloudWins = !item->isMarkedForDeletion()
        && ShareItemRecord::isLaterChange(ShareItemRecord::changeTime(cloudCopy, now), localChangeTime(*item));
    if (cloudWins) {
        ShareItemRecord::applyRecord(*item, cloudCopy, m_images, now);
        return;
    }
    keepLocalOver(item, cloudCopy);
    item->setSyncStatus(ShareItem::SyncStatus::pending);
    needsUpload = true;
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
