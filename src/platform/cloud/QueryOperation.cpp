#include "QueryOperation.h"

#include "platform/cloud/AssetDownloader.h"
#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>

void QueryOperation::start(CloudConnection *connection, const QString &recordType, const QString &assetDirectory,
                           CloudCallbacks::PerRecord recordMatched, CloudCallbacks::Result result,
                           const QHash<QString, QString> &knownDigests)
{
    // Documents come with attachment stubs; the pictures are downloaded one by one afterwards.
    const QUrlQuery query{{QStringLiteral("include_docs"), QStringLiteral("true")}};
    QPointer<CloudConnection> guarded(connection);
    connection->send("GET", QStringLiteral("_all_docs"), query, {},
                     [guarded, recordType, assetDirectory, recordMatched, result, knownDigests, displayUrl = connection->account().displayUrl()](const CloudResponse &response) {
        if (response.error) {
            result(response.error);
            return;
        }
        const QJsonValue rowsValue = response.json.toObject().value(QStringLiteral("rows"));
        if (!rowsValue.isArray()) {
            result(CloudConnection::unreadableAnswer(displayUrl));
            return;
        }
        QList<QJsonObject> matched;
        const QJsonArray rows = rowsValue.toArray();
        for (const QJsonValue &row : rows) {
            const QJsonObject document = row.toObject().value(QStringLiteral("doc")).toObject();
            if (document.value(QStringLiteral("recordType")).toString() == recordType
                && CloudRecordID(document.value(QStringLiteral("_id")).toString()).hasValidName())
                matched.append(document);
        }
        if (!guarded)
            return;
        AssetDownloader::start(guarded, matched, assetDirectory, knownDigests,
                               [matched, assetDirectory, recordMatched, result](const AssetDownloader::Outcome &downloads) {
            for (const QJsonObject &document : matched) {
                const CloudRecordID id(document.value(QStringLiteral("_id")).toString());
                if (const auto failed = downloads.errorsByRecord.constFind(id.recordName()); failed != downloads.errorsByRecord.cend()) {
                    recordMatched(id, std::nullopt, *failed);
                    continue;
                }
                auto decoded = CloudRecordCoder::decode(document, assetDirectory, downloads.assetsByRecord.value(id.recordName()));
                if (const auto *error = std::get_if<CloudError>(&decoded))
                    recordMatched(id, std::nullopt, *error);
                else
                    recordMatched(id, std::get<CloudRecord>(decoded), std::nullopt);
            }
            result(std::nullopt);
        });
    });
}
