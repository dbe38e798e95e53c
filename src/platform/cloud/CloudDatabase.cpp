#include "CloudDatabase.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/FetchRecordsOperation.h"
#include "platform/cloud/PushChannel.h"
#include "platform/cloud/QueryOperation.h"

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

void CloudDatabase::modifyRecords(const QList<CloudRecord> &recordsToSave, CloudCallbacks::PerRecord perRecordSave,
                                  CloudCallbacks::ModifyResult result)
{
    m_connection->post([connection = m_connection, recordsToSave, perRecordSave = orIgnore(perRecordSave), result = orIgnore(result), device = m_deviceID,
                        hook = m_revisionsReadHook] {
        if (connection)
            ModifyRecordsOperation::start(connection, recordsToSave, device, perRecordSave, result, hook);
    });
}

void CloudDatabase::fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                                 CloudCallbacks::Result result)
{
    m_connection->post([connection = m_connection, ids, perRecord = orIgnore(perRecord), result = orIgnore(result), directory = preparedAssetDirectory()] {
        if (connection)
            FetchRecordsOperation::start(connection, ids, directory, perRecord, result);
    });
}

void CloudDatabase::queryRecords(const QString &recordType, CloudCallbacks::PerRecord recordMatched,
                                 CloudCallbacks::Result result)
{
    m_connection->post([connection = m_connection, recordType, recordMatched = orIgnore(recordMatched), result = orIgnore(result), directory = preparedAssetDirectory()] {
        if (connection)
            QueryOperation::start(connection, recordType, directory, recordMatched, result);
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
