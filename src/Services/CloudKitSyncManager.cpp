#include "CloudKitSyncManager.h"

#include "CloudContainerAdapter.h"
#include "DownloadPass.h"
#include "ShareItemRecord.h"
#include "SyncClock.h"
#include "UploadPass.h"
#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"
#include "store/ChangeClock.h"
#include "store/Trash.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "platform/cloud/KeyDocument.h"
#include "store/ShareItem.h"

namespace {

const QString functionUpload = QStringLiteral("uploadPendingItems()");
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

} // namespace

CloudKitSyncManager::CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context,
                                         ImageManager &images, const QProcessEnvironment &environment, SyncClock &clock,
                                         QObject *parent)
    : QObject(parent), m_container(container), m_context(context), m_images(images), m_clock(clock),
      m_pictures(context, images), m_merger(context, m_pictures), m_gate(container, context),
      m_uploadRetry(clock, [this] { uploadPendingItems(); }), m_downloadRetry(clock, [this] { downloadItems(); }),
      m_isTestRun(environment.contains(QStringLiteral("XCTestConfigurationFilePath")))
{
    if (m_isTestRun)
        return;
    subscribeToChanges();
    m_pictures.removeUnreferenced(m_clock.now());
    recoverWaitingItems();
}

CloudKitSyncManager::CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context,
                                         ImageManager &images, const QProcessEnvironment &environment, QObject *parent)
    : CloudKitSyncManager(container, context, images, environment, SyncClock::system(), parent)
{
}

CloudKitSyncManager::~CloudKitSyncManager() = default;

bool CloudKitSyncManager::hasAccount() const
{
    return !m_container.accountIdentifier().isEmpty();
}

PassContext CloudKitSyncManager::passContext()
{
    return {m_context, m_pictures, m_merger, m_clock, m_container, m_images.imagesDirectoryURL()};
}

void CloudKitSyncManager::recoverWaitingItems()
{
    // No upload is in flight yet, so "syncing" was left by a process that stopped mid-upload,
    // and "failed" by one that could not reach the cloud. Both go up again now, with what an
    // earlier run left pending.
    for (const ShareItem::SyncStatus status : {ShareItem::SyncStatus::syncing, ShareItem::SyncStatus::failed}) {
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::statusPredicate(status);
        for (ManagedObject *object : m_context.execute(request).objects)
            static_cast<ShareItem *>(object)->setSyncStatus(ShareItem::SyncStatus::pending);
    }
    Trash::deleteExpired(m_context, m_clock.now());
    if (m_context.hasChanges())
        (void)m_context.save();
    FetchRequest waiting = ShareItem::fetchRequest();
    waiting.predicate = ShareItem::statusOrDeletionPredicate(ShareItem::SyncStatus::pending, ShareItem::SyncStatus::pending,
                                                             ShareItem::SyncStatus::pending);
    waiting.fetchLimit = 1;
    if (m_context.execute(waiting).objects.isEmpty())
        return;
    QPointer<CloudKitSyncManager> engine(this);
    MainQueue::async([engine] {
        if (engine)
            engine->uploadPendingItems();
    });
}

void CloudKitSyncManager::subscribeToChanges()
{
    const int everyChange = CloudSubscription::FiresOnRecordCreation | CloudSubscription::FiresOnRecordUpdate
        | CloudSubscription::FiresOnRecordDeletion;
    // Items, and the key document: a key made, changed or replaced elsewhere is noticed at once.
    for (const CloudSubscription &subscription : {CloudSubscription(subscriptionID, ShareItemRecord::recordType, everyChange),
                                                  CloudSubscription(keySubscriptionID, KeyDocument::recordType, everyChange)}) {
        m_container.privateCloudDatabase().saveSubscription(subscription, [](const std::optional<CloudError> &error) {
            if (error)
                log(LogLevel::Error, functionSubscribe, QStringLiteral("Subscription save attempt result"),
                    error->localizedDescription());
            else
                log(LogLevel::Info, functionSubscribe, QStringLiteral("Successfully subscribed to changes"));
        });
    }
}

void CloudKitSyncManager::handleNotification()
{
    log(LogLevel::Info, functionNotification, QStringLiteral("Received remote notification, triggering download"));
    // What waits here goes up first, so a change made while the server was out of reach meets
    // the cloud copy in an upload (where the merge rule decides) rather than being merged over.
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
                 ShareItem::syncStatusText(status)));
    if (status == ShareItem::SyncStatus::synced) {
        log(LogLevel::Debug, functionRetry, QStringLiteral("Item status is not failed, pending or syncing, ignoring retry"));
        return;
    }
    if (status == ShareItem::SyncStatus::failed) {
        item->setSyncStatus(ShareItem::SyncStatus::pending);
        (void)m_context.save();
    }
    m_conflictRounds = 0; // the user asks for another try
    uploadPendingItems();
}

void CloudKitSyncManager::uploadPendingItems()
{
    if (m_isTestRun || !hasAccount())
        return;
    if (m_activePass != Pass::none) {
        m_isUploadRequested = true;
        return;
    }
    m_uploadRetry.cancel(); // this pass is the retry
    requeueRacedItems();
    log(LogLevel::Debug, functionUpload, QStringLiteral("uploadPendingItems called"));
    deleteExpiredTrash(); // items kept in the trash for too long go with this pass
    if (!UploadPass::hasWaitingItems(m_context)) {
        log(LogLevel::Debug, functionUpload, QStringLiteral("No records to save after processing"));
        return;
    }
    // The key check belongs to the pass: nothing else starts meanwhile.
    m_activePass = Pass::upload;
    checkKeyThen([this](const EncryptionGate::Outcome &outcome) {
        if (!outcome.error && !mayWrite(outcome)) {
            endPass(); // locked or moved: the items wait
            return;
        }
        startUploadPass(outcome.error); // the key could not be read: the items fail as the write would
    });
}

void CloudKitSyncManager::startUploadPass(const std::optional<CloudError> &failure)
{
    auto *pass = new UploadPass(passContext(), this);
    const bool started = pass->start([this, pass](const UploadPass::Outcome &outcome) {
        std::optional<int> pause;
        if (outcome.error)
            pause = m_uploadRetry.scheduleAfter(*outcome.error);
        else if (!outcome.hadConflict)
            m_uploadRetry.reset(); // the cloud answered, and no other device was in the way
        bool isCapped = false;
        if (!outcome.hadConflict) {
            m_conflictRounds = 0;
        } else if (++m_conflictRounds >= maxConflictRounds) {
            // Every round found the cloud moved on again. Races pass: the items go again by
            // themselves after a pause, longer each time the cap is met before a clean pass.
            m_racedItems = pass->markWaitingItemsFailed();
            if (!pause)
                pause = m_uploadRetry.scheduleNext();
            log(LogLevel::Error, functionUpload,
                QStringLiteral("The cloud kept changing under %1 upload passes; %2 items are tried again in %3 ms")
                    .arg(m_conflictRounds)
                    .arg(m_racedItems.size())
                    .arg(*pause));
            m_conflictRounds = 0;
            isCapped = true;
        }
        if (outcome.needsFollowUp && !isCapped)
            m_isUploadRequested = true;
        // The server is back: a download that failed goes now instead of at its retry.
        if (outcome.wroteAny && m_lastDownloadFailed) {
            m_downloadRetry.cancel();
            m_isDownloadRequested = true;
        }
        NotificationCenter::defaultCenter().post(CloudUploadNotification::didFinish, nullptr,
                                                 outcome.confirmedAny ? QVariantMap{{CloudUploadNotification::confirmedKey, true}}
                                                                      : QVariantMap());
        pass->deleteLater();
        endPass();
    }, failure);
    if (!started) {
        log(LogLevel::Debug, functionUpload, QStringLiteral("No records to save after processing"));
        delete pass;
        endPass();
        return;
    }
    // The answer comes through the event loop, after this.
    m_activePass = Pass::upload;
    m_pass = pass;
    NotificationCenter::defaultCenter().post(CloudUploadNotification::didStart);
}

void CloudKitSyncManager::requeueRacedItems()
{
    bool changed = false;
    for (const QPointer<ShareItem> &item : std::exchange(m_racedItems, {})) {
        if (item && item->syncStatus() == ShareItem::SyncStatus::failed) {
            item->setSyncStatus(ShareItem::SyncStatus::pending);
            changed = true;
        }
    }
    if (!changed)
        return;
    if (const auto error = m_context.save())
        log(LogLevel::Error, functionUpload, QStringLiteral("Failed to save context"), error->description);
}

void CloudKitSyncManager::downloadItems()
{
    if (m_isTestRun)
        return;
    if (!hasAccount()) {
        // Nothing to read while signed out; a screen that asked sees the pull end, with no error.
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                 {{CloudSyncNotification::abandonedKey, true}});
        return;
    }
    if (m_activePass != Pass::none) {
        m_isDownloadRequested = true;
        return;
    }
    m_downloadRetry.cancel(); // this pass is the retry
    log(LogLevel::Debug, functionDownload, QStringLiteral("downloadItems called"));
    m_activePass = Pass::download;
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);
    checkKeyThen([this](const EncryptionGate::Outcome &outcome) {
        if (outcome.error) {
            finishDownload(DownloadPass::Outcome{outcome.error, 0, true, false, 0});
            return;
        }
        if (!mayWrite(outcome)) {
            // Locked or moved: nothing downloaded is applied; the banner says why.
            NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                     {{CloudSyncNotification::abandonedKey, true}});
            endPass();
            return;
        }
        auto *pass = new DownloadPass(passContext(), m_misreads, this);
        m_pass = pass;
        pass->start([this, pass](const DownloadPass::Outcome &result) {
            pass->deleteLater();
            finishDownload(result);
        });
    });
}

void CloudKitSyncManager::finishDownload(const DownloadPass::Outcome &outcome)
{
    m_lastDownloadFailed = outcome.error.has_value();
    if (outcome.error) {
        log(LogLevel::Error, functionDownload, QStringLiteral("CloudKit download failed"), outcome.error->localizedDescription());
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                 {{CloudSyncNotification::errorMessageKey, outcome.error->localizedDescription()}});
        m_downloadRetry.scheduleAfter(*outcome.error);
    } else {
        log(LogLevel::Info, functionDownload, QStringLiteral("CloudKit download success, merging %1 records").arg(outcome.merged));
        // Records that did not open keep their items as they were; the banner says so.
        const QVariantMap problem = outcome.unopened == 0
            ? QVariantMap()
            : QVariantMap{{CloudSyncNotification::errorMessageKey,
                           CloudError::localized("cloud.error.unopened %1",
                                                 "%1 items could not be decrypted: they were changed on the server or "
                                                 "sealed with another key. This device keeps them as they were.")
                               .arg(outcome.unopened)}};
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr, problem);
        if (outcome.isComplete) {
            m_downloadRetry.reset();
        } else {
            // A picture or a record did not come whole: the next read, from the same
            // checkpoint, reads it again.
            log(LogLevel::Info, functionDownload, QStringLiteral("Some records did not arrive whole; reading again soon"));
            m_downloadRetry.scheduleAfter(CloudError(CloudErrorCode::NetworkFailure, QString()));
        }
    }
    // What the cloud just brought may have been in the trash for too long.
    if (outcome.needsUpload || (!outcome.error && deleteExpiredTrash()))
        m_isUploadRequested = true;
    endPass();
}

void CloudKitSyncManager::checkKeyThen(std::function<void(const EncryptionGate::Outcome &outcome)> then)
{
    auto *check = new QObject(this); // abandoned with the pass (resetForAccountChange)
    m_pass = check;
    m_gate.check(check, [this, check, then](const EncryptionGate::Outcome &outcome) {
        check->deleteLater();
        if (outcome.state == EncryptionGate::State::moved)
            emit databaseMoved(outcome.movedTo);
        then(outcome);
    });
}

bool CloudKitSyncManager::mayWrite(const EncryptionGate::Outcome &outcome)
{
    return outcome.state == EncryptionGate::State::plain || outcome.state == EncryptionGate::State::unlocked;
}

void CloudKitSyncManager::keysChanged()
{
    m_conflictRounds = 0;
    m_misreads.clear(); // records that did not open may open now
    uploadPendingItems();
    downloadItems();
}

bool CloudKitSyncManager::deleteExpiredTrash()
{
    const int expired = Trash::deleteExpired(m_context, m_clock.now());
    if (expired == 0)
        return false;
    log(LogLevel::Info, functionUpload, QStringLiteral("Emptying %1 items kept in the trash for over %2 days").arg(expired).arg(Trash::keepDays));
    if (const auto error = m_context.save())
        log(LogLevel::Error, functionUpload, QStringLiteral("Failed to save context"), error->description);
    return true;
}

void CloudKitSyncManager::endPass()
{
    m_lastPass = std::exchange(m_activePass, Pass::none);
    m_pass = nullptr;
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

void CloudKitSyncManager::mergeDownloadedRecords(const QList<CloudRecord> &records)
{
    bool needsUpload = false;
    const QDateTime now = m_clock.now();
    for (const CloudRecord &record : records) {
        const RecordMerger::Result result = m_merger.mergeDownloaded(record, now);
        needsUpload = needsUpload || result.needsUpload;
    }
    ChangeClock::observe(m_context, m_merger.takeLatestChangeSeen());
    if (const auto error = m_context.save())
        log(LogLevel::Error, functionMerge, QStringLiteral("Failed to merge record"), error->description);
    if (needsUpload)
        uploadPendingItems();
}

void CloudKitSyncManager::abandonPass()
{
    delete m_pass.data(); // answers for the old account are dropped from here on
    m_uploadRetry.reset();
    m_downloadRetry.reset();
    m_merger.forgetBranches();
    m_misreads.clear();
    m_conflictRounds = 0;
    m_racedItems.clear();
    m_isUploadRequested = false;
    m_isDownloadRequested = false;
    m_lastDownloadFailed = false;
    const Pass abandoned = std::exchange(m_activePass, Pass::none);
    if (abandoned == Pass::download)
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                 {{CloudSyncNotification::abandonedKey, true}});
    if (abandoned == Pass::upload)
        NotificationCenter::defaultCenter().post(CloudUploadNotification::didFinish);
}

void CloudKitSyncManager::resetForAccountChange()
{
    abandonPass();
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

void CloudKitSyncManager::resetForMove()
{
    abandonPass();
    // The new database holds the same documents under the same revisions: what is synced stays
    // synced, what waits goes up there. An upload cut short may have reached only the old one.
    int waiting = 0;
    for (ManagedObject *object : m_context.execute(ShareItem::fetchRequest()).objects) {
        auto *item = static_cast<ShareItem *>(object);
        if (item->syncStatus() != ShareItem::SyncStatus::synced) {
            item->setSyncStatus(ShareItem::SyncStatus::pending);
            ++waiting;
        }
    }
    if (const auto error = m_context.save())
        log(LogLevel::Error, functionUpload, QStringLiteral("Could not save the items for the moved account"), error->description);
    log(LogLevel::Info, functionUpload, QStringLiteral("Account moved: %1 items wait for its new database").arg(waiting));
}

void CloudKitSyncManager::startWithAccount()
{
    // Signed out: the items wait, pending, for the next account.
    if (m_isTestRun || !hasAccount())
        return;
    // Read from the start: what this device merged from the account before may have changed
    // since, and what it holds now was uploaded whole.
    m_context.setMetadata(DownloadPass::checkpointKey(m_container.accountIdentifier()), QString());
    subscribeToChanges();
    uploadPendingItems();
    downloadItems();
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
