#pragma once

#include "platform/cloud/CloudCallbacks.h"
#include "platform/cloud/CloudSubscription.h"

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

    // One callback per ID (the record, or its error: "unknown item" when it does not exist),
    // then the overall result.
    virtual void fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                              CloudCallbacks::Result completion) = 0;

    // Every record of `recordType`, one callback each (assets already downloaded to local
    // files), then the overall result.
    virtual void queryRecords(const QString &recordType, CloudCallbacks::PerRecord perRecord,
                              CloudCallbacks::Result completion) = 0;

    virtual void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) = 0;
};

// A cloud container: an identifier, the user's private database and the user's record ID.
class CloudContainerProtocol
{
public:
    virtual ~CloudContainerProtocol() = default;

    virtual QString containerIdentifier() const = 0;
    virtual CloudDatabaseProtocol &privateCloudDatabase() = 0;
    virtual void fetchUserRecordID(CloudCallbacks::UserRecordID completion) = 0;
};
