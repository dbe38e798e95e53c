#include "FetchRecordsOperation.h"

#include "platform/cloud/AssetDownloader.h"
#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace {

CloudError unknownItem(const CloudRecordID &id)
{
    return CloudConnection::errorForDocument(QStringLiteral("not_found"), {}, id.recordName());
}

bool isFetchable(const CloudRecordID &id)
{
    return id.hasValidName() && id.zoneName() == CloudRecordID::defaultZoneName;
}

} // namespace

void FetchRecordsOperation::start(CloudConnection *connection, const QList<CloudRecordID> &ids, const QString &assetDirectory,
                                  CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result result)
{
    QJsonArray keys;
    for (const CloudRecordID &id : ids) {
        if (isFetchable(id))
            keys.append(id.recordName());
    }
    // Documents come with attachment stubs; the pictures are downloaded one by one afterwards.
    const QUrlQuery query{{QStringLiteral("include_docs"), QStringLiteral("true")}};
    const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("keys"), keys}}).toJson(QJsonDocument::Compact);
    QPointer<CloudConnection> guarded(connection);
    connection->send("POST", QStringLiteral("_all_docs"), query, body,
                     [guarded, ids, assetDirectory, perRecord, result, displayUrl = connection->account().displayUrl()](const CloudResponse &response) {
        if (response.error) {
            result(response.error);
            return;
        }
        const QJsonValue rowsValue = response.json.toObject().value(QStringLiteral("rows"));
        if (!rowsValue.isArray()) {
            result(CloudConnection::unreadableAnswer(displayUrl));
            return;
        }
        QHash<QString, QJsonObject> rowByName;
        QList<QJsonObject> documents;
        const QJsonArray rows = rowsValue.toArray();
        for (const QJsonValue &row : rows) {
            const QJsonObject object = row.toObject();
            rowByName.insert(object.value(QStringLiteral("key")).toString(), object);
            if (!object.contains(QStringLiteral("error")) && object.value(QStringLiteral("doc")).isObject())
                documents.append(object.value(QStringLiteral("doc")).toObject());
        }
        if (!guarded)
            return;

        AssetDownloader::start(guarded, documents, assetDirectory,
                               [ids, rowByName, assetDirectory, perRecord, result](const AssetDownloader::Outcome &downloads) {
            for (const CloudRecordID &id : ids) {
                const auto found = rowByName.constFind(id.recordName());
                if (!isFetchable(id) || found == rowByName.cend()) {
                    perRecord(id, std::nullopt, unknownItem(id));
                    continue;
                }
                const QJsonObject row = *found;
                const QJsonObject document = row.value(QStringLiteral("doc")).toObject();
                if (row.contains(QStringLiteral("error"))) {
                    perRecord(id, std::nullopt,
                              CloudConnection::errorForDocument(row.value(QStringLiteral("error")).toString(),
                                                                row.value(QStringLiteral("reason")).toString(), id.recordName()));
                    continue;
                }
                if (document.isEmpty() || row.value(QStringLiteral("value")).toObject().value(QStringLiteral("deleted")).toBool()) {
                    perRecord(id, std::nullopt, unknownItem(id));
                    continue;
                }
                if (const auto failed = downloads.errorsByRecord.constFind(id.recordName()); failed != downloads.errorsByRecord.cend()) {
                    perRecord(id, std::nullopt, *failed);
                    continue;
                }
                auto decoded = CloudRecordCoder::decode(document, assetDirectory, downloads.assetsByRecord.value(id.recordName()));
                if (const auto *error = std::get_if<CloudError>(&decoded))
                    perRecord(id, std::nullopt, *error);
                else
                    perRecord(id, std::get<CloudRecord>(decoded), std::nullopt);
            }
            result(std::nullopt);
        });
    });
}
