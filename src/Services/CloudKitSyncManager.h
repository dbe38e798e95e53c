#pragma once

#include "CloudDatabaseProtocol.h"
#include "DownloadPass.h"
#include "EncryptionGate.h"
#include "PassContext.h"
#include "PictureFiles.h"
#include "RecordMerger.h"
#include "RetrySchedule.h"
#include "SyncManagerProtocol.h"

#include <QObject>
#include <QPointer>
#include <QProcessEnvironment>

#include <memory>

class ImageManager;
class ManagedObjectContext;
class ShareItem;
class SyncClock;
class UploadPass;

// The cloud sync engine: mirrors the local store into the user's private cloud database, one
// "ShareItem" record per item, and brings the cloud's records back into the store. This class
// schedules the passes and keeps what lives between them; the passes themselves are
// UploadPass and DownloadPass, the merge rule is MergeDecision (carried out by RecordMerger),
// picture files are PictureFiles, and automatic retries are RetrySchedule.
//
// One pass runs at a time, upload or download; a request during a pass schedules one follow-up
// pass of its kind (so a flood of pushes costs at most two downloads), and when both wait they
// take turns. A change push uploads what waits, then downloads. An upload or a download that
// failed for a passing reason is tried again by itself (RetrySchedule); a retry by the user or a
// push starts at once. Passes that keep meeting another device's writes end after
// maxConflictRounds in a row, the items still waiting marked failed. Races pass too: when the
// next upload pass starts (after a RetrySchedule pause that grows each time the cap is met again
// before a pass without a conflict, or sooner for a push, a change or a retry), those items go
// back to pending and up. Only they do: items that failed for a lasting reason (refused by the
// server, a record that does not open) arm no retry. A successful upload after a failed
// download starts the download at once, so the banner's error clears as soon as the server is
// back.
//
// Items kept in the trash for longer than Trash::keepDays are removed for good before every upload
// and after every download, by whichever device sees them first.
//
// At construction, items a killed process left syncing and items that failed before go back to
// waiting and are uploaded, and picture files no item names are removed. Without an account
// (signed out) nothing is uploaded or downloaded: items wait, pending, for the next account.
//
// Every pass begins by reading the database's key document (EncryptionGate): a plain database
// is synced as it is, an encrypted one sealed, and one this device holds no key for is locked:
// nothing is uploaded (items wait, pending) and nothing downloaded is applied until the key is
// there (keysChanged()). A record that was sealed and does not open leaves its item as it was,
// marked failed, and the banner says so. When the account moved to another database (the key
// document says so), nothing is written here any more and databaseMoved() tells whoever keeps
// the account (StashlineAppDelegate), after every check until it follows.
//
// Failures end as item statuses, the "errorMessage" of the download's finish notification, or
// log lines; nothing is reported to callers. Lives on the main thread. Under a test runner
// ("XCTestConfigurationFilePath" in the environment) no subscription is saved, and upload and
// download do nothing.
class CloudKitSyncManager : public QObject, public SyncManagerProtocol
{
    Q_OBJECT
public:
    static inline const QString containerIdentifier = QStringLiteral("iCloud.com.quellmar.Stashline");
    static inline const QString subscriptionID = QStringLiteral("share-item-changes");
    static inline const QString keySubscriptionID = QStringLiteral("stashline-key-changes");
    static constexpr int maxConflictRounds = 5;

    // The process-wide engine over the configured cloud account and the on-disk store, created
    // on first use (its construction saves the change subscription). Main thread.
    static CloudKitSyncManager &shared();

    CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context, ImageManager &images,
                        const QProcessEnvironment &environment, SyncClock &clock, QObject *parent = nullptr);
    CloudKitSyncManager(CloudContainerProtocol &container, ManagedObjectContext &context, ImageManager &images,
                        const QProcessEnvironment &environment, QObject *parent = nullptr);
    ~CloudKitSyncManager() override;

    void uploadPendingItems() override;
    void downloadItems() override;
    void retry(ShareItem *item) override;

    // Saves the subscription that makes every change of a "ShareItem" record push to devices.
    void subscribeToChanges();
    // Applies downloaded records to the store through the merge rule, and saves it.
    void mergeDownloadedRecords(const QList<CloudRecord> &records);
    // A change push from another device: uploads what waits, then downloads.
    void handleNotification();

    // Before the container changes account: abandons the pass in flight (no answer of a request
    // made for the old account is applied from now on), stops automatic retries, and makes every
    // item pending with no cloud revision and no picture digest, so each is written whole, and
    // unconditionally new, to the next account. Nothing is removed from the store.
    void resetForAccountChange();
    // Before the container moves to another database of the same account, which holds the same
    // documents under the same revisions (DatabaseMove): abandons the pass in flight and stops
    // automatic retries as above, but keeps the items' revisions and picture digests; items
    // not synced go back to pending.
    void resetForMove();
    // After the container changed account (or moved): saves the subscription, uploads every item and reads
    // the account's change feed from the start. Without an account (signed out) it does nothing.
    void startWithAccount();

    bool isTestRun() const { return m_isTestRun; }
    bool isUploading() const { return m_activePass == Pass::upload; }
    bool isDownloading() const { return m_activePass == Pass::download; }
    // The keys held for the account changed (a passphrase was entered, the account was
    // encrypted or started over here): checks again and syncs.
    void keysChanged();
    // This device started the account over: what it holds goes up again under the new key.
    void rejoinAfterStartOver() { m_gate.rejoin(); }
    EncryptionGate::State encryptionState() const { return m_gate.state(); }

    // Whether no pass runs and none waits to start.
    bool isIdle() const { return m_activePass == Pass::none && !m_isUploadRequested && !m_isDownloadRequested; }
    // Whether an automatic retry waits to run.
    bool isUploadRetryScheduled() const { return m_uploadRetry.isScheduled(); }
    bool isDownloadRetryScheduled() const { return m_downloadRetry.isScheduled(); }

signals:
    // The account's key document says it moved to `database` on the same server.
    void databaseMoved(const QString &database);

private:
    enum class Pass { none, upload, download };

    bool hasAccount() const;
    PassContext passContext();
    void startUploadPass(const std::optional<CloudError> &failure);
    void finishDownload(const DownloadPass::Outcome &outcome);
    // Reads the key state; `then` runs on the main thread unless the pass was abandoned.
    void checkKeyThen(std::function<void(const EncryptionGate::Outcome &outcome)> then);
    static bool mayWrite(const EncryptionGate::Outcome &outcome);
    void endPass();
    // Drops the pass in flight and what waits to start; no answer of it is applied from now on.
    void abandonPass();
    void startRequestedPass();
    // Items the conflict cap marked failed wait again (those changed or retried since wait already).
    void requeueRacedItems();
    void recoverWaitingItems();
    // Removes for good (the soft deletion) what has been in the trash longer than the trash
    // keeps items, and saves; returns whether there was any. Any device does it, on its own clock.
    bool deleteExpiredTrash();

    CloudContainerProtocol &m_container;
    ManagedObjectContext &m_context;
    ImageManager &m_images;
    SyncClock &m_clock;
    PictureFiles m_pictures;
    RecordMerger m_merger;
    EncryptionGate m_gate;
    RetrySchedule m_uploadRetry;
    RetrySchedule m_downloadRetry;
    QHash<QString, int> m_misreads; // record name and revision to times it could not be read
    bool m_isTestRun = false;
    Pass m_activePass = Pass::none;
    Pass m_lastPass = Pass::none;
    QPointer<QObject> m_pass; // the pass in flight; deleting it abandons it
    bool m_isUploadRequested = false;
    bool m_isDownloadRequested = false;
    bool m_lastDownloadFailed = false;
    int m_conflictRounds = 0; // upload passes in a row that ended in a conflict
    QList<QPointer<ShareItem>> m_racedItems; // marked failed by the conflict cap, waiting for the next pass
};
