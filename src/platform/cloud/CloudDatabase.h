#pragma once

#include "platform/cloud/ChangesOperation.h"
#include "platform/cloud/CloudCallbacks.h"
#include "platform/cloud/CloudSubscription.h"
#include "platform/cloud/DatabaseKeys.h"
#include "platform/cloud/DatabaseMaintenance.h"
#include "platform/cloud/DatabaseMove.h"
#include "platform/cloud/KeyDocumentOperation.h"
#include "platform/cloud/ModifyRecordsOperation.h"
#include "platform/cloud/SealingSweep.h"

#include <QPointer>

class CloudConnection;
class PushChannel;

// The user's private cloud database. Every operation may be started from any thread; its
// callbacks are called on the cloud layer's worker thread (re-post with MainQueue::async to
// touch main-thread state). Each operation ends with exactly one overall result, unless the
// container is destroyed first (then nothing more is called). Without an account every
// operation fails with "not authenticated". Owned by its CloudContainer.
class CloudDatabase
{
public:
    static constexpr int privateScope = 2;

    CloudDatabase(CloudConnection *connection, PushChannel *pushChannel, const QString &deviceID);

    int databaseScope() const { return privateScope; }

    // Writes every record as the save policy says (see ModifyRecordsOperation). With allKeys, a
    // write that lost a race is written again over the new revision, up to three tries; with
    // ifServerRecordUnchanged nothing is tried again. perRecordSave may be empty.
    void modifyRecords(const QList<CloudRecord> &recordsToSave, CloudCallbacks::PerRecord perRecordSave,
                       CloudCallbacks::ModifyResult result, CloudSavePolicy savePolicy = CloudSavePolicy::allKeys);

    // Fetches records by ID, one perRecord call per ID, then result (see FetchRecordsOperation).
    // Pictures whose digest `knownDigests` holds for their record name are not downloaded.
    void fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result result,
                      const QHash<QString, QString> &knownDigests = {});

    // What changed since `since`, page by page (see ChangesOperation).
    void fetchChanges(const QString &recordType, const QString &since, const QHash<QString, QString> &knownDigests,
                      ChangesOperation::PageCallback page, CloudCallbacks::Result result,
                      int pageSize = ChangesOperation::defaultPageSize);

    // Stores the subscription (replacing one with the same ID) and lets the push channel fire
    // for it.
    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result result);

    // The data keys held for this database and how its records are written (see DatabaseKeys).
    DatabaseKeys &keys() const { return *m_keys; }

    // The key document (KeyDocumentOperation), read, made once or replaced over its revision.
    void fetchKeyDocument(KeyDocumentOperation::Completion completion);
    void createKeyDocument(const KeyDocument &document, KeyDocumentOperation::Completion completion);
    void replaceKeyDocument(const KeyDocument &document, KeyDocumentOperation::Completion completion);
    // Seals whatever is still plain (SealingSweep), under `keyID`, which must be held.
    void sealPlainDocuments(const QString &keyID, int graceMilliseconds, std::function<void(const SealingSweep::Outcome &)> done);
    void compact(DatabaseMaintenance::Completion done);
    void eraseDocuments(DatabaseMaintenance::Completion done);
    // Moves the account to the database `target` of the same server (DatabaseMove).
    void moveTo(const QString &target, int graceMilliseconds, DatabaseMove::Completion done);

    // Where downloaded asset files go; default a private folder in the temporary directory.
    void setAssetDirectory(const QString &directory);
    QString assetDirectory() const { return m_assetDirectory; }

    void setRevisionsReadHookForTesting(ModifyRecordsOperation::RevisionsReadHook hook) { m_revisionsReadHook = std::move(hook); }

private:
    QString preparedAssetDirectory() const;

    QPointer<CloudConnection> m_connection;
    std::shared_ptr<DatabaseKeys> m_keys;
    QPointer<PushChannel> m_pushChannel;
    QString m_deviceID;
    QString m_assetDirectory;
    ModifyRecordsOperation::RevisionsReadHook m_revisionsReadHook;
};
