#pragma once

#include "platform/cloud/ChangesOperation.h"
#include "platform/cloud/CloudCallbacks.h"
#include "platform/cloud/CloudSubscription.h"
#include "platform/cloud/DatabaseKeys.h"

#include <QList>
#include <QString>

// The operations of the user's private cloud database that the sync engine calls. Completions
// run on the cloud layer's own thread; per-record callbacks of one operation arrive one at a
// time and all before its overall result.
class CloudDatabaseProtocol
{
public:
    virtual ~CloudDatabaseProtocol() = default;

    // 2: the user's private database.
    virtual int databaseScope() const = 0;

    // Saves each record only over the cloud revision it carries as its change tag (no tag: only
    // where the cloud holds no live copy), so a write never replaces a change it has not seen.
    // The saved records come back with their new change tags. Fails as a whole, or with a
    // partial failure that maps each failed record ID to its error; a record whose cloud copy
    // moved on fails with "server record changed".
    virtual void modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion) = 0;

    // Record name to the digest of the picture the device holds: such pictures are not
    // downloaded again, their records carry a stub asset with the digest instead.
    using KnownDigests = QHash<QString, QString>;

    // One callback per ID (the record, or its error: "unknown item" when it does not exist),
    // then the overall result.
    virtual void fetchRecords(const QList<CloudRecordID> &ids, const KnownDigests &knownDigests,
                              CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result completion) = 0;

    // The records of `recordType` changed since the checkpoint `since` (empty: all of them),
    // page by page with the checkpoint after each page (see ChangesOperation), then the overall
    // result. The next page comes once the receiver calls `next`.
    virtual void fetchChanges(const QString &recordType, const QString &since, const KnownDigests &knownDigests,
                              ChangesOperation::PageCallback page, CloudCallbacks::Result completion) = 0;

    virtual void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) = 0;

    // What the database says about its encryption, and whether this device holds the key.
    struct KeyState {
        std::optional<CloudError> error; // the key document could not be read (or used)
        bool isEncrypted = false;        // the database has a key document
        QString keyID;                   // its key id
        QString movedTo;                 // the account moved to this database of the same server
        bool holdsKey = false;           // this device holds the data key of keyID
        bool isSyncHeld = false;         // the account is being started over here (DatabaseKeys)
    };
    virtual void readKeyState(std::function<void(const KeyState &state)> completion) = 0;
    // How records are written from now on: plain, sealed under `keyID` (held), or not at all.
    virtual void setWriteMode(DatabaseKeys::Mode mode, const QString &keyID) = 0;
};

// A cloud container: an identifier, the user's private database and the user's record ID.
class CloudContainerProtocol
{
public:
    virtual ~CloudContainerProtocol() = default;

    virtual QString containerIdentifier() const = 0;
    // Names the account's database (its URL without credentials): what download checkpoints
    // are kept for.
    virtual QString accountIdentifier() const = 0;
    virtual CloudDatabaseProtocol &privateCloudDatabase() = 0;
    virtual void fetchUserRecordID(CloudCallbacks::UserRecordID completion) = 0;
};
