#pragma once

#include "CloudDatabaseProtocol.h"
#include "SyncManagerProtocol.h"

#include <QObject>
#include <QPointer>
#include <QProcessEnvironment>
#include <QTimer>

#include <memory>

class ImageManager;
class ManagedObjectContext;
class ShareItem;

// The cloud sync engine: mirrors the local store into the user's private cloud database, one
// "ShareItem" record per item, and brings the cloud's records back into the store.
//
// Upload sends every pending, failed, syncing or deletion-marked item in one request, each
// record written only over the cloud revision the item was last confirmed against, then fetches
// the records back. An item becomes synced only when the cloud holds the very revision this
// device wrote and the item has not changed since its record was built; only then do deleted
// items leave the store. A write that lost a race is never sent again as it was: the cloud copy
// is read, and the later change (by "modifiedAt") wins, either merged into the item or sent by
// the next pass over the new revision. A deletion always wins.
//
// Download reads only what changed since the last merged page of the account's change feed
// (the checkpoint is saved with the merge) and merges it by "uuid": the cloud copy wins over
// synced items, and over items with unsent local changes only when its change is later.
// Pictures travel once: an item keeps the cloud's digest of its picture, so a picture it holds
// is neither fetched nor sent again, and a replaced picture file is removed. At start-up,
// picture files no item names are removed. A change push uploads
// what is waiting, then downloads.
//
// An upload or a download that failed for a passing reason (no network, the server busy or out
// of reach) is tried again by itself after a pause that doubles from 2 s up to a minute; the
// items show failed, or the banner the error, meanwhile, and a retry by the user or a push
// starts at once.
//
// One pass runs at a time, upload or download; a request during a pass schedules one follow-up
// pass of its kind (so a flood of pushes costs at most two downloads). At construction, items a
// killed process left "syncing" go back to pending and an upload pass is queued.
//
// Failures end as item statuses, the "errorMessage" of the download's finish notification, or
// log lines; nothing is reported to callers.
//
// Lives on the main thread. Cloud completions arrive on the cloud layer's thread and are
// re-posted to the main queue; a posted step does nothing once the engine is gone. Under a test
// runner ("XCTestConfigurationFilePath" in the environment) no subscription is saved, and
// upload and download do nothing.
class CloudKitSyncManager : public QObject, public SyncManagerProtocol
{
    Q_OBJECT
public:
    static inline const QString containerIdentifier = QStringLiteral("iCloud.com.quellmar.Stashline");
    static inline const QString subscriptionID = QStringLiteral("share-item-changes");

    // The process-wide engine over the configured cloud account and the on-disk store, created
    // on first use (its construction saves the change subscription). Main thread.
    static CloudKitSyncManager &shared();

    CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context, ImageManager &images,
                        const QProcessEnvironment &environment, QObject *parent = nullptr);
    ~CloudKitSyncManager() override;

    void uploadPendingItems() override;
    void downloadItems() override;
    void retry(ShareItem *item) override;

    // Saves the subscription that makes every change of a "ShareItem" record push to devices.
    void subscribeToChanges();
    // Applies downloaded records to the store, matching by "uuid", and saves it.
    void mergeDownloadedRecords(const QList<CloudRecord> &records);
    // A change push from another device: starts a download.
    void handleNotification();

    // Before the container changes account: abandons the pass in flight (no answer of a request
    // made for the old account is applied from now on), stops automatic retries, and makes every
    // item pending with no cloud revision and no picture digest, so each is written whole, and
    // unconditionally new, to the next account. Nothing is removed from the store.
    void resetForAccountChange();
    // After the container changed account: saves the subscription, uploads every item and reads
    // the account's change feed from the start. Without an account (signed out) it does nothing.
    void startWithAccount();

    bool isTestRun() const { return m_isTestRun; }
    // Whether an upload pass is in flight right now.
    bool isUploading() const { return m_activePass == Pass::upload; }
    // Whether no pass runs and none waits to start.
    bool isIdle() const { return m_activePass == Pass::none && !m_isUploadRequested && !m_isDownloadRequested; }

private:
    enum class Pass { none, upload, download };
    struct UploadPass;
    struct VerificationState;

    CloudDatabaseProtocol &database();
    void beginPass(Pass pass);
    void endPass();
    void startRequestedPass();
    void recoverInterruptedUploads();
    void handleUploadResult(const std::shared_ptr<UploadPass> &pass, const QList<CloudRecord> &savedRecords,
                            const std::optional<CloudError> &error);
    void verifyUpload(const std::shared_ptr<UploadPass> &pass, const QList<CloudRecordID> &ids);
    void evaluateVerification(const std::shared_ptr<UploadPass> &pass, const std::optional<CloudError> &error,
                              const VerificationState &state, const QList<CloudRecordID> &ids);
    void resolveConflict(ShareItem *item, const CloudRecord &cloudCopy, bool &needsUpload);
    void keepLocalOver(ShareItem *item, const CloudRecord &cloudCopy);
    CloudDatabaseProtocol::KnownDigests knownPictureDigests();
    void removeUnreferencedImages();
    // Schedules `timer` after the next pause in `delayMilliseconds` when `error` is passing.
    void scheduleAutomaticRetry(const CloudError &error, QTimer *timer, int &delayMilliseconds);
    void saveIgnoringErrors();

    CloudContainerProtocol &m_container;
    CloudDatabaseProtocol *m_database = nullptr; // resolved on first use
    ManagedObjectContext &m_context;
    ImageManager &m_images;
    bool m_isTestRun = false;
    Pass m_activePass = Pass::none;
    Pass m_lastPass = Pass::none;
    bool m_isUploadRequested = false;
    bool m_isDownloadRequested = false;
    int m_conflictRounds = 0; // upload passes in a row that ended in a conflict
    QTimer *m_retryTimer;
    int m_retryDelayMilliseconds = 0; // the pause before the next automatic upload; 0: none yet
    QTimer *m_downloadRetryTimer;
    int m_downloadRetryDelayMilliseconds = 0;
    quint64 m_accountGeneration = 0; // stamped on every request; bumped when the account changes
    bool m_hasConfirmedInPass = false;
};

