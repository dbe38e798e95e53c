#include "LeafReader.h"

#include "platform/cloud/AssetDownloader.h"
#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"
#include "platform/cloud/SealedDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QUrl>
#include <QUrlQuery>

namespace {

struct LeafState {
    QPointer<CloudConnection> connection;
    std::shared_ptr<DatabaseKeys> keys;
    QList<QJsonObject> waiting; // documents whose leaves are still to be read
    QString assetDirectory;
    QHash<QString, QString> knownDigests;
    LeafReader::Leaves leaves;
    LeafReader::Completion done;
};

void readNext(const std::shared_ptr<LeafState> &state);

void decodeLeaves(const std::shared_ptr<LeafState> &state, const QString &name, const QList<QJsonObject> &documents)
{
    // One downloader per leaf keeps their pictures apart: every leaf has the same record name.
    auto outcomes = std::make_shared<QList<AssetDownloader::Outcome>>();
    auto remaining = std::make_shared<int>(int(documents.size()));
    for (const QJsonObject &document : documents) {
        const int index = int(outcomes->size());
        outcomes->append(AssetDownloader::Outcome());
        const auto downloader = AssetDownloader::create(state->connection, state->assetDirectory, true);
        downloader->add({document}, state->knownDigests);
        downloader->finish([state, name, documents, outcomes, remaining, index](const AssetDownloader::Outcome &outcome) {
            (*outcomes)[index] = outcome;
            if (--*remaining > 0)
                return;
            QList<CloudRecord> decoded;
            for (qsizetype leaf = 0; leaf < documents.size(); ++leaf) {
                const AssetDownloader::Outcome &pictures = outcomes->at(leaf);
                if (const auto failed = pictures.errorsByRecord.constFind(name); failed != pictures.errorsByRecord.cend()) {
                    state->done({}, *failed);
                    return;
                }
                auto record = CloudRecordCoder::decode(documents[leaf], state->assetDirectory,
                                                       pictures.assetsByRecord.value(name), state->keys.get());
                if (const auto *error = std::get_if<CloudError>(&record)) {
                    state->done({}, *error);
                    return;
                }
                decoded.append(std::get<CloudRecord>(record));
            }
            state->leaves.insert(name, decoded);
            readNext(state);
        });
    }
    if (documents.isEmpty())
        readNext(state);
}

void readNext(const std::shared_ptr<LeafState> &state)
{
    if (!state->connection)
        return;
    if (state->waiting.isEmpty()) {
        state->done(state->leaves, std::nullopt);
        return;
    }
    const QJsonObject document = state->waiting.takeFirst();
    const QString name = document.value(QStringLiteral("_id")).toString();
    const QByteArray revisions = QJsonDocument(QJsonArray::fromStringList(LeafReader::conflictingRevisions(document)))
                                     .toJson(QJsonDocument::Compact);
    const QUrlQuery query{{QStringLiteral("open_revs"), QString::fromUtf8(revisions)}};
    const QString displayUrl = state->connection->account().displayUrl();
    state->connection->send("GET", QString::fromLatin1(QUrl::toPercentEncoding(name)), query, {},
                            [state, name, displayUrl](const CloudResponse &response) {
        if (response.error) {
            state->done({}, response.error);
            return;
        }
        if (!response.json.isArray()) {
            state->done({}, CloudConnection::unreadableAnswer(displayUrl));
            return;
        }
        // {"ok": document} per leaf still there; {"missing": revision} for one deleted meanwhile.
        QList<QJsonObject> leaves;
        for (const QJsonValue &entry : response.json.toArray()) {
            const QJsonObject leaf = entry.toObject().value(QStringLiteral("ok")).toObject();
            if (!leaf.isEmpty() && !leaf.value(QStringLiteral("_deleted")).toBool())
                leaves.append(SealedDocument::open(leaf, *state->keys));
        }
        decodeLeaves(state, name, leaves);
    });
}

} // namespace

QStringList LeafReader::conflictingRevisions(const QJsonObject &document)
{
    QStringList revisions;
    for (const QJsonValue &revision : document.value(QStringLiteral("_conflicts")).toArray()) {
        if (revision.isString())
            revisions.append(revision.toString());
    }
    return revisions;
}

void LeafReader::start(CloudConnection *connection, const QList<QJsonObject> &documents, const QString &assetDirectory,
                       const QHash<QString, QString> &knownDigests, Completion done)
{
    auto state = std::make_shared<LeafState>();
    state->connection = connection;
    state->keys = connection->sharedKeys();
    state->assetDirectory = assetDirectory;
    state->knownDigests = knownDigests;
    state->done = std::move(done);
    for (const QJsonObject &document : documents) {
        if (!conflictingRevisions(document).isEmpty())
            state->waiting.append(document);
    }
    connection->post([state] { readNext(state); });
}
