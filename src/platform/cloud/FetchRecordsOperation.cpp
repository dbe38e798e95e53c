#include "FetchRecordsOperation.h"

#include "platform/cloud/AssetDownloader.h"
#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"
#include "platform/cloud/KeysLookup.h"
#include "platform/cloud/LeafReader.h"
#include "platform/cloud/SealedDocument.h"

#include <QPointer>

#include <QJsonArray>
#include <QJsonObject>

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
                                  CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result result,
                                  const QHash<QString, QString> &knownDigests)
{
    QStringList keys;
    for (const CloudRecordID &id : ids) {
        if (isFetchable(id))
            keys.append(id.recordName());
    }
    // Documents come with attachment stubs; each chunk's pictures start downloading as soon as
    // the chunk arrives, while the other chunks are still being looked up.
    auto rowByName = std::make_shared<QHash<QString, QJsonObject>>();
    const auto downloader = AssetDownloader::create(connection, assetDirectory);
    auto deliver = [ids, rowByName, assetDirectory, perRecord, result, keys = connection->sharedKeys()](const LeafReader::Leaves &leaves,
                                                                        const AssetDownloader::Outcome &downloads) {
        for (const CloudRecordID &id : ids) {
            const auto found = rowByName->constFind(id.recordName());
            if (!isFetchable(id) || found == rowByName->cend()) {
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
            if (row.value(QStringLiteral("value")).toObject().value(QStringLiteral("deleted")).toBool()) {
                CloudRecord tombstone(QString(), id);
                tombstone.setRecordChangeTag(row.value(QStringLiteral("value")).toObject().value(QStringLiteral("rev")).toString());
                tombstone.setTombstone(true);
                perRecord(id, tombstone, std::nullopt);
                continue;
            }
            if (document.isEmpty()) {
                perRecord(id, std::nullopt, unknownItem(id));
                continue;
            }
            if (const auto failed = downloads.errorsByRecord.constFind(id.recordName()); failed != downloads.errorsByRecord.cend()) {
                perRecord(id, std::nullopt, *failed);
                continue;
            }
            auto decoded = CloudRecordCoder::decode(document, assetDirectory, downloads.assetsByRecord.value(id.recordName()),
                                                    keys.get());
            if (auto *record = std::get_if<CloudRecord>(&decoded)) {
                record->setConflictingLeaves(leaves.value(id.recordName()));
                perRecord(id, *record, std::nullopt);
            } else {
                perRecord(id, std::nullopt, std::get<CloudError>(decoded));
            }
        }
        result(std::nullopt);
    };
    KeysLookup::start(
        connection, keys, true,
        [rowByName, downloader, knownDigests, keys = connection->sharedKeys()](const QJsonArray &rows) {
            QList<QJsonObject> documents;
            for (const QJsonValue &row : rows) {
                QJsonObject object = row.toObject();
                if (object.value(QStringLiteral("doc")).isObject()) // read from here on as its plain view
                    object.insert(QStringLiteral("doc"), SealedDocument::open(object.value(QStringLiteral("doc")).toObject(), *keys));
                rowByName->insert(object.value(QStringLiteral("key")).toString(), object);
                if (!object.contains(QStringLiteral("error")) && object.value(QStringLiteral("doc")).isObject())
                    documents.append(object.value(QStringLiteral("doc")).toObject());
            }
            downloader->add(documents, knownDigests);
        },
        [connection = QPointer<CloudConnection>(connection), rowByName, assetDirectory, knownDigests, downloader, deliver,
         result](const std::optional<CloudError> &error) {
            if (error || !connection) {
                result(error); // downloads already running end unseen; their files go with them
                return;
            }
            // Documents replication left with several branches come with their other leaves.
            QList<QJsonObject> documents;
            for (const QJsonObject &row : std::as_const(*rowByName))
                documents.append(row.value(QStringLiteral("doc")).toObject());
            LeafReader::start(connection, documents, assetDirectory, knownDigests,
                              [downloader, deliver, result](const LeafReader::Leaves &leaves, const std::optional<CloudError> &leafError) {
                if (leafError) {
                    result(leafError);
                    return;
                }
                downloader->finish([deliver, leaves](const AssetDownloader::Outcome &downloads) { deliver(leaves, downloads); });
            });
        });
}
