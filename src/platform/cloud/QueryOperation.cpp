#include "QueryOperation.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QJsonArray>
#include <QJsonObject>

void QueryOperation::start(CloudConnection *connection, const QString &recordType, const QString &assetDirectory,
                           CloudCallbacks::PerRecord recordMatched, CloudCallbacks::Result result)
{
    const QUrlQuery query{{QStringLiteral("include_docs"), QStringLiteral("true")},
                          {QStringLiteral("attachments"), QStringLiteral("true")}};
    connection->send("GET", QStringLiteral("_all_docs"), query, {},
                     [recordType, assetDirectory, recordMatched, result](const CloudResponse &response) {
        if (response.error) {
            result(response.error);
            return;
        }
        const QJsonValue rowsValue = response.json.toObject().value(QStringLiteral("rows"));
        if (!rowsValue.isArray()) {
            result(CloudConnection::errorForDocument(QStringLiteral("bad_answer"),
                                                     QStringLiteral("the server's list of records has no rows"), recordType));
            return;
        }
        const QJsonArray rows = rowsValue.toArray();
        for (const QJsonValue &row : rows) {
            const QJsonObject document = row.toObject().value(QStringLiteral("doc")).toObject();
            if (document.value(QStringLiteral("recordType")).toString() != recordType)
                continue;
            const CloudRecordID id(document.value(QStringLiteral("_id")).toString());
            if (!id.hasValidName())
                continue;
            auto decoded = CloudRecordCoder::decode(document, assetDirectory);
            if (const auto *error = std::get_if<CloudError>(&decoded))
                recordMatched(id, std::nullopt, *error);
            else
                recordMatched(id, std::get<CloudRecord>(decoded), std::nullopt);
        }
        result(std::nullopt);
    });
}
