#pragma once

#include "CloudDatabaseProtocol.h"
#include "SyncManagerProtocol.h"

#include <QObject>
#include <QPointer>
#include <QProcessEnvironment>

#include <memory>

class ImageManager;
class ManagedObjectContext;
class ShareItem;

// The cloud sync engine: mirrors the local store into the user's private cloud database, one
// "ShareItem" record per item, and brings the cloud's records back into the store.
//
// Upload sends every pending, failed, syncing or deletion-marked item in one request, then
// fetches the saved records back; only confirmed items become synced, and only then do deleted
// items leave the store. Download fetches every record and merges it by "uuid", the cloud
// winning. A change push starts a download. Failures end as item statuses, the "errorMessage"
// of the download's finish notification, or log lines; nothing is reported to callers.
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

    bool isTestRun() const { return m_isTestRun; }

private:
    struct UploadPass;
    struct VerificationState;

    CloudDatabaseProtocol &database();
    void handleUploadResult(const std::shared_ptr<UploadPass> &pass, const QList<CloudRecord> &savedRecords,
                            const std::optional<CloudError> &error);
    void verifyUpload(const std::shared_ptr<UploadPass> &pass, const QList<CloudRecord> &savedRecords);
    void evaluateVerification(const std::shared_ptr<UploadPass> &pass, const std::optional<CloudError> &error,
                              const QSet<CloudRecordID> &verified, const QHash<CloudRecordID, CloudError> &failed,
                              const QList<CloudRecordID> &expected);
    void saveIgnoringErrors();

    CloudContainerProtocol &m_container;
    CloudDatabaseProtocol *m_database = nullptr; // resolved on first use
    ManagedObjectContext &m_context;
    ImageManager &m_images;
    bool m_isTestRun = false;
};
