#include "FetchRecordsOperation.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

CloudError unknownItem(const CloudRecordID &id)
{
    return CloudConnection::errorForDocument(QStringLiteral("not_found"), {}, id.recordName());
}

} // namespace

void FetchRecordsOperation::start(CloudConnection *connection, const QList<CloudRecordID> &ids, const QString &assetDirectory,
                                  CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result result)
{
    QJsonArray keys;
    for (const CloudRecordID &id : ids) {
        if (id.hasValidName() && id.zoneName() == CloudRecordID::defaultZoneName)
            keys.append(id.recordName());
    }
    const QUrlQuery query{{QStringLiteral("include_docs"), QStringLiteral("true")},
                          {QStringLiteral("attachments"), QStringLiteral("true")}};
    const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("keys"), keys}}).toJson(QJsonDocument::Compact);
    connection->send("POST", QStringLiteral("_all_docs"), query, body,
                     [ids, assetDirectory, perRecord, result](const CloudResponse &response) {
        if (response.error) {
            result(response.error);
            return;
        }
        QHash<QString, QJsonObject> rowByName;
        const QJsonArray rows = response.json.toObject().value(QStringLiteral("rows")).toArray();
        for (const QJsonValue &row : rows)
            rowByName.insert(row.toObject().value(QStringLiteral("key")).toString(), row.toObject());

        for (const CloudRecordID &id : ids) {
            const auto found = rowByName.constFind(id.recordName());
            if (!id.hasValidName() || id.zoneName() != CloudRecordID::defaultZoneName || found == rowByName.cend()) {
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
            auto decoded = CloudRecordCoder::decode(document, assetDirectory);
            if (const auto *error = std::get_if<CloudError>(&decoded))
                perRecord(id, std::nullopt, *error);
            else
                perRecord(id, std::get<CloudRecord>(decoded), std::nullopt);
        }
        result(std::nullopt);
    });
}
