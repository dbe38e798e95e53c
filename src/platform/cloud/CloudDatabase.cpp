#include "CloudDatabase.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/FetchRecordsOperation.h"
#include "platform/cloud/PushChannel.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

namespace {

// Callers may leave any callback empty.
CloudCallbacks::PerRecord orIgnore(CloudCallbacks::PerRecord callback)
{
    return callback ? callback : [](const CloudRecordID &, const std::optional<CloudRecord> &, const std::optional<CloudError> &) {};
}

CloudCallbacks::Result orIgnore(CloudCallbacks::Result callback)
{
    return callback ? callback : [](const std::optional<CloudError> &) {};
}

CloudCallbacks::ModifyResult orIgnore(CloudCallbacks::ModifyResult callback)
{
    return callback ? callback : [](const QList<CloudRecord> &, const std::optional<CloudError> &) {};
}

} // namespace

CloudDatabase::CloudDatabase(CloudConnection *connection, PushChannel *pushChannel, const QString &deviceID)
    : m_connection(connection)
    , m_keys(connection->sharedKeys())
    , m_pushChannel(pushChannel)
    , m_deviceID(deviceID)
    , m_assetDirectory(QDir::tempPath() + QStringLiteral("/stashline-cloud-assets-") + QString::number(::getuid()))
{
}

void CloudDatabase::setAssetDirectory(const QString &directory)
{
    m_assetDirectory = directory;
}

QString CloudDatabase::preparedAssetDirectory() const
{
    QDir().mkpath(m_assetDirectory);
    QFile::setPermissions(m_assetDirectory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return m_assetDirectory;
}

namespace {

// Saving all keys has no version check, so a record whose write lost a race to another write
// (another device, or an earlier pass of this one still on its way) is written again over the
// new revision; the newest write wins. Only a record that keeps losing ends as "server record
// changed". Per-record callbacks report each record's final outcome once.
void modifyWithRetry(QPointer<CloudConnection> connection, const QList<CloudRecord> &records, const QString &deviceID,
                     const ModifyRecordsOperation::RevisionsReadHook &hook, const CloudCallbacks::PerRecord &perRecord,
                     const CloudCallbacks::ModifyResult &result, int attemptsLeft, const QList<CloudRecord> &savedBefore,
                     const QHash<CloudRecordID, CloudError> &errorsBefore)
{
    if (!connection)
        return;
    const bool lastAttempt = attemptsLeft <= 1;
    auto forward = [perRecord, lastAttempt](const CloudRecordID &id, const std::optional<CloudRecord> &record,
                                            const std::optional<CloudError> &error) {
        if (lastAttempt || !error || error->code() != CloudErrorCode::ServerRecordChanged)
            perRecord(id, record, error);
    };
    auto finish = [=](const QList<CloudRecord> &saved, const std::optional<CloudError> &error) {
        QList<CloudRecord> allSaved = savedBefore + saved;
        QHash<CloudRecordID, CloudError> errors = errorsBefore;
        if (error && error->code() != CloudErrorCode::PartialFailure && savedBefore.isEmpty() && errorsBefore.isEmpty()) {
            result(saved, error); // the whole first request failed
            return;
        }
        QList<CloudRecord> again;
        if (error) {
            const QHash<CloudRecordID, CloudError> partial = error->partialErrorsByItemID();
            if (partial.isEmpty()) {
                // A later attempt failed as a whole: its records end with that error.
                for (const CloudRecord &record : records)
                    errors.insert(record.recordID(), *error);
            }
            for (auto entry = partial.cbegin(); entry != partial.cend(); ++entry) {
                if (!lastAttempt && entry.value().code() == CloudErrorCode::ServerRecordChanged) {
                    for (const CloudRecord &record : records) {
                        if (record.recordID() == entry.key())
                            again.append(record);
                    }
                } else {
                    errors.insert(entry.key(), entry.value());
                }
            }
        }
        if (!again.isEmpty()) {
            modifyWithRetry(connection, again, deviceID, hook, perRecord, result, attemptsLeft - 1, allSaved, errors);
            return;
        }
        result(allSaved, errors.isEmpty() ? std::nullopt : std::optional(CloudError::partialFailure(errors)));
    };
    ModifyRecordsOperation::start(connection, records, deviceID, forward, finish, hook);
}

} // namespace

void CloudDatabase::modifyRecords(const QList<CloudRecord> &recordsToSave, CloudCallbacks::PerRecord perRecordSave,
                                  CloudCallbacks::ModifyResult modifyResult, CloudSavePolicy savePolicy)
{
    // The push channel learns the revisions this device made, so it does not push them back.
    auto result = [push = m_pushChannel, modifyResult = orIgnore(modifyResult)](const QList<CloudRecord> &saved,
                                                                                const std::optional<CloudError> &error) {
        for (const CloudRecord &record : saved) {
            if (push)
                push->noteOwnRevision(record.recordChangeTag());
        }
        modifyResult(saved, error);
    };
    m_connection->post([connection = m_connection, recordsToSave, perRecordSave = orIgnore(perRecordSave), result, device = m_deviceID,
                        hook = m_revisionsReadHook, savePolicy] {
        if (savePolicy == CloudSavePolicy::allKeys)
            modifyWithRetry(connection, recordsToSave, device, hook, perRecordSave, result, 3, {}, {});
        else if (connection)
            ModifyRecordsOperation::start(connection, recordsToSave, device, perRecordSave, result, {}, savePolicy);
    });
}

void CloudDatabase::fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                                 CloudCallbacks::Result result, const QHash<QString, QString> &knownDigests)
{
    m_connection->post([connection = m_connection, ids, perRecord = orIgnore(perRecord), result = orIgnore(result), directory = preparedAssetDirectory(), knownDigests] {
        if (connection)
            FetchRecordsOperation::start(connection, ids, directory, perRecord, result, knownDigests);
    });
}

void CloudDatabase::fetchChanges(const QString &recordType, const QString &since, const QHash<QString, QString> &knownDigests,
                                 ChangesOperation::PageCallback page, CloudCallbacks::Result result, int pageSize)
{
    m_connection->post([connection = m_connection, recordType, since, knownDigests, page = std::move(page),
                        result = orIgnore(result), directory = preparedAssetDirectory(), pageSize] {
        if (connection)
            ChangesOperation::start(connection, recordType, since, knownDigests, directory, pageSize, page, result);
    });
}

namespace {

// Saves a subscription document over whatever revision is current. Another device saving the
// same subscription at the same moment makes the write lose the race; it then tries again on
// the new revision, a few times.
void putSubscription(QPointer<CloudConnection> connection, QPointer<PushChannel> push,
                     const CloudSubscription &subscription, const CloudCallbacks::Result &result, int attemptsLeft)
{
    if (!connection)
        return;
    const QString path = QStringLiteral("_local/subscription.")
        + QString::fromLatin1(QUrl::toPercentEncoding(subscription.subscriptionID()));
    // Local documents need their current revision to be replaced.
    connection->send("GET", path, {}, {}, [connection, push, subscription, result, path, attemptsLeft](const CloudResponse &current) {
        if (!connection)
            return;
        if (current.error && current.status != 404) {
            result(current.error);
            return;
        }
        QJsonObject document = subscription.toDocument();
        const QString revision = current.json.toObject().value(QStringLiteral("_rev")).toString();
        if (!current.error && !revision.isEmpty())
            document.insert(QStringLiteral("_rev"), revision);
        connection->send("PUT", path, {}, QJsonDocument(document).toJson(QJsonDocument::Compact),
                         [connection, push, subscription, result, attemptsLeft](const CloudResponse &saved) {
            if (saved.error && saved.error->code() == CloudErrorCode::ServerRecordChanged && attemptsLeft > 1) {
                putSubscription(connection, push, subscription, result, attemptsLeft - 1);
                return;
            }
            if (!saved.error && push)
                push->addSubscription(subscription);
            result(saved.error);
        });
    });
}

} // namespace

void CloudDatabase::saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result result)
{
    m_connection->post([connection = m_connection, push = m_pushChannel, subscription, result = orIgnore(result)] {
        putSubscription(connection, push, subscription, result, 5);
    });
}

void CloudDatabase::fetchKeyDocument(KeyDocumentOperation::Completion completion)
{
    m_connection->post([connection = m_connection, completion] {
        if (connection)
            KeyDocumentOperation::fetch(connection, completion);
    });
}

void CloudDatabase::createKeyDocument(const KeyDocument &document, KeyDocumentOperation::Completion completion)
{
    m_connection->post([connection = m_connection, document, completion] {
        if (connection)
            KeyDocumentOperation::create(connection, document, completion);
    });
}

void CloudDatabase::replaceKeyDocument(const KeyDocument &document, KeyDocumentOperation::Completion completion)
{
    m_connection->post([connection = m_connection, document, completion] {
        if (connection)
            KeyDocumentOperation::replace(connection, document, completion);
    });
}

void CloudDatabase::sealPlainDocuments(const QString &keyID, int graceMilliseconds,
                                       std::function<void(const SealingSweep::Outcome &)> done)
{
    m_connection->post([connection = m_connection, keys = m_keys, keyID, graceMilliseconds, done] {
        if (!connection)
            return;
        const std::optional<SecretKey> key = keys->key(keyID);
        if (!key) {
            done({0, 0, CloudError(CloudErrorCode::InternalError, QStringLiteral("the key to seal with is not held"))});
            return;
        }
        SealingSweep::start(connection, keyID, *key, graceMilliseconds, done);
    });
}

void CloudDatabase::compact(DatabaseMaintenance::Completion done)
{
    m_connection->post([connection = m_connection, done] {
        if (connection)
            DatabaseMaintenance::compact(connection, done);
    });
}

void CloudDatabase::eraseDocuments(DatabaseMaintenance::Completion done)
{
    m_connection->post([connection = m_connection, done] {
        if (connection)
            DatabaseMaintenance::eraseDocuments(connection, done);
    });
}

void CloudDatabase::moveTo(const QString &target, int graceMilliseconds, DatabaseMove::Completion done)
{
    m_connection->post([connection = m_connection, target, graceMilliseconds, done] {
        if (connection)
            DatabaseMove::start(connection, target, graceMilliseconds, done);
    });
}
