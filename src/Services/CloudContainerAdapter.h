#pragma once

#include "CloudDatabaseProtocol.h"

#include <memory>

class CloudAccount;
class CloudContainer;

// Presents the account's cloud container to the sync engine. Owns the container (and so the
// cloud layer's worker thread) for as long as it lives.
class CloudContainerAdapter : public CloudContainerProtocol, private CloudDatabaseProtocol
{
public:
    // The process-wide container of the configured account ("iCloud.com.quellmar.Stashline"),
    // created on first use and kept until exit. Main thread.
    static CloudContainerAdapter &shared();

    explicit CloudContainerAdapter(std::unique_ptr<CloudContainer> container);
    ~CloudContainerAdapter() override;

    CloudContainer &container() { return *m_container; }
    // Replaces the container with one for `account`, with the same identifier, device id and
    // download folder. The old container's worker stops first, so none of its callbacks runs
    // afterwards; its push channel goes with it. Main thread, between passes of the engine
    // (see CloudKitSyncManager::resetForAccountChange).
    void replaceAccount(const CloudAccount &account);

    QString containerIdentifier() const override;
    QString accountIdentifier() const override;
    CloudDatabaseProtocol &privateCloudDatabase() override { return *this; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID completion) override;

private:
    int databaseScope() const override;
    void modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion) override;
    void fetchRecords(const QList<CloudRecordID> &ids, const KnownDigests &knownDigests,
                      CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result completion) override;
    void fetchChanges(const QString &recordType, const QString &since, const KnownDigests &knownDigests,
                      ChangesOperation::PageCallback page, CloudCallbacks::Result completion) override;
    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) override;
    void readKeyState(std::function<void(const KeyState &state)> completion) override;
    void setWriteMode(DatabaseKeys::Mode mode, const QString &keyID) override;

    std::unique_ptr<CloudContainer> m_container;
};
