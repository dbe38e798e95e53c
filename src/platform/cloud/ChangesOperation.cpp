#include "ChangesOperation.h"

#include "platform/cloud/AssetDownloader.h"
#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"
#include "platform/cloud/KeyDocument.h"
#include "platform/cloud/SealedDocument.h"
#include "platform/cloud/LeafReader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QJsonDocument>
#include <QUrlQuery>
#include <QUuid>

namespace {

// The leading number of an update sequence (a number, or text such as "12-g1AAAA..."); -1 when
// there is none.
qint64 sequenceNumber(const QJsonValue &sequence)
{
    if (sequence.isDouble())
        return qint64(sequence.toDouble());
    bool ok = false;
    const qint64 number = sequence.toString().section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
    return ok ? number : -1;
}

struct ChangesState {
    QPointer<CloudConnection> connection;
    std::shared_ptr<DatabaseKeys> keys;
    QString recordType;
    QHash<QString, QString> knownDigests;
    QString assetDirectory;
    int pageSize = ChangesOperation::defaultPageSize; // this read's pages; smaller after an answer too large
    int fullPageSize = ChangesOperation::defaultPageSize;
    ChangesOperation::PageCallback page;
    CloudCallbacks::Result result;
    QString displayUrl;
    bool isFromStart = false;
    bool mayRestart = true; // one read from the start after a refused checkpoint
    QString generation;     // of the database read; empty when it keeps none
};

void readPage(const std::shared_ptr<ChangesState> &state, const QString &since);

// Where the next read starts: the database's generation and the sequence after a page.
QString checkpointText(const std::shared_ptr<ChangesState> &state, const QJsonValue &sequence)
{
    const QString text = CloudResponse::sequenceText(sequence);
    return state->generation.isEmpty() ? text : state->generation + QLatin1Char('/') + text;
}
void readSmallerPage(const std::shared_ptr<ChangesState> &state, const QString &since);
void readGeneration(const std::shared_ptr<ChangesState> &state, const QString &since, bool mayCreate);

// The page's records once their leaves and pictures are there: decoded documents, tombstones for
// documents the database deleted, and each conflicted document with its other leaves.
void finishPage(const std::shared_ptr<ChangesState> &state, const QList<QJsonObject> &documents,
                const QList<CloudRecord> &tombstones, const LeafReader::Leaves &leaves, const QString &checkpoint,
                bool isLast, const AssetDownloader::Outcome &downloads)
{
    ChangesOperation::Page page;
    page.checkpoint = checkpoint;
    page.isFromStart = state->isFromStart;
    page.records = tombstones;
    for (const QJsonObject &document : documents) {
        const QString name = document.value(QStringLiteral("_id")).toString();
        // A picture that did not come: the other fields still merge, the picture comes with a
        // later read.
        if (downloads.errorsByRecord.contains(name))
            page.isComplete = false;
        auto decoded = CloudRecordCoder::decode(document, state->assetDirectory, downloads.assetsByRecord.value(name),
                                                state->keys.get());
        if (auto *record = std::get_if<CloudRecord>(&decoded)) {
            record->setConflictingLeaves(leaves.value(name));
            page.records.append(std::move(*record));
        } else {
            page.isComplete = false;
        }
    }
    auto next = [state, checkpoint, isLast] {
        if (!state->connection)
            return;
        state->connection->post([state, checkpoint, isLast] {
            if (isLast)
                state->result(std::nullopt);
            else
                readPage(state, checkpoint);
        });
    };
    state->page(page, next);
}

void deliverPage(const std::shared_ptr<ChangesState> &state, const QJsonObject &answer)
{
    const QJsonValue results = answer.value(QStringLiteral("results"));
    if (!results.isArray() || !answer.contains(QStringLiteral("last_seq"))) {
        state->result(CloudConnection::unreadableAnswer(state->displayUrl));
        return;
    }
    const QJsonArray changes = results.toArray();
    const QString checkpoint = checkpointText(state, answer.value(QStringLiteral("last_seq")));
    QList<QJsonObject> documents;
    QList<CloudRecord> tombstones;
    for (const QJsonValue &change : changes) {
        const QJsonObject stored = change.toObject().value(QStringLiteral("doc")).toObject();
        const QString name = change.toObject().value(QStringLiteral("id")).toString();
        if (!CloudRecordID(name).hasValidName() || name == KeyDocument::documentID)
            continue;
        const QJsonObject document = SealedDocument::open(stored, *state->keys);
        if (change.toObject().value(QStringLiteral("deleted")).toBool() || document.value(QStringLiteral("_deleted")).toBool()) {
            CloudRecord tombstone(state->recordType, CloudRecordID(name));
            tombstone.setRecordChangeTag(document.value(QStringLiteral("_rev")).toString());
            tombstone.setTombstone(true);
            tombstones.append(tombstone);
        } else if (document.value(QStringLiteral("recordType")).toString() == state->recordType
                   && document.value(QStringLiteral("_id")).toString() == name) {
            documents.append(document);
        }
    }
    const bool isLast = changes.size() < state->pageSize;
    LeafReader::start(state->connection, documents, state->assetDirectory, state->knownDigests,
                      [state, documents, tombstones, checkpoint, isLast](const LeafReader::Leaves &leaves,
                                                                         const std::optional<CloudError> &error) {
        if (error) {
            state->result(error);
            return;
        }
        AssetDownloader::start(state->connection, documents, state->assetDirectory, state->knownDigests,
                               [state, documents, tombstones, leaves, checkpoint, isLast](const AssetDownloader::Outcome &downloads) {
            finishPage(state, documents, tombstones, leaves, checkpoint, isLast, downloads);
        });
    });
}

void readPage(const std::shared_ptr<ChangesState> &state, const QString &since)
{
    if (!state->connection)
        return;
    const QString sequence = since.mid(since.indexOf(QLatin1Char('/')) + 1); // a checkpoint names its generation first
    const QUrlQuery query{{QStringLiteral("since"), sequence.isEmpty() ? QStringLiteral("0") : sequence},
                          {QStringLiteral("include_docs"), QStringLiteral("true")},
                          {QStringLiteral("style"), QStringLiteral("main_only")},
                          {QStringLiteral("conflicts"), QStringLiteral("true")},
                          {QStringLiteral("limit"), QString::number(state->pageSize)}};
    state->connection->send("GET", QStringLiteral("_changes"), query, {}, [state, since](const CloudResponse &response) {
        if (response.status == 400 && !since.isEmpty() && state->mayRestart) {
            state->mayRestart = false;
            state->isFromStart = true;
            readPage(state, QString());
            return;
        }
        if (response.error && response.error->code() == CloudErrorCode::LimitExceeded) {
            readSmallerPage(state, since);
            return;
        }
        if (response.error) {
            state->result(response.error);
            return;
        }
        deliverPage(state, response.json.toObject());
        // Pages grow back after one that had to shrink.
        state->pageSize = std::min(state->pageSize * 2, state->fullPageSize);
    });
}

void readSmallerPage(const std::shared_ptr<ChangesState> &state, const QString &since)
{
    if (state->pageSize > 1) {
        state->pageSize /= 2;
        readPage(state, since);
        return;
    }
    // One change alone is larger than any answer the connection reads: its name and place in
    // the feed are read without the document, and it comes as a record that could not be read.
    const QString sequence = since.mid(since.indexOf(QLatin1Char('/')) + 1);
    const QUrlQuery query{{QStringLiteral("since"), sequence.isEmpty() ? QStringLiteral("0") : sequence},
                          {QStringLiteral("limit"), QStringLiteral("1")}};
    state->connection->send("GET", QStringLiteral("_changes"), query, {}, [state](const CloudResponse &response) {
        const QJsonObject answer = response.json.toObject();
        const QJsonObject change = answer.value(QStringLiteral("results")).toArray().first().toObject();
        const QString name = change.value(QStringLiteral("id")).toString();
        if (response.error || name.isEmpty() || !answer.contains(QStringLiteral("last_seq"))) {
            state->result(response.error.value_or(CloudConnection::unreadableAnswer(state->displayUrl)));
            return;
        }
        CloudRecord tooLarge(state->recordType, CloudRecordID(name));
        tooLarge.addUnreadableKey(QStringLiteral("_document"));
        ChangesOperation::Page page;
        page.records.append(tooLarge);
        page.checkpoint = checkpointText(state, answer.value(QStringLiteral("last_seq")));
        page.isFromStart = state->isFromStart;
        const QString checkpoint = page.checkpoint;
        state->page(page, [state, checkpoint] {
            if (state->connection)
                state->connection->post([state, checkpoint] { readPage(state, checkpoint); });
        });
    });
}


// Reads from `since` unless the database was made anew since the checkpoint was taken: a
// checkpoint of another database would skip its changes.
void readFromCheckpoint(const std::shared_ptr<ChangesState> &state, const QString &since)
{
    const qsizetype slash = since.indexOf(QLatin1Char('/'));
    const QString sequence = slash < 0 ? since : since.mid(slash + 1);
    if (since.isEmpty() || (slash >= 0 && since.left(slash) == state->generation)) {
        readPage(state, sequence);
        return;
    }
    if (slash >= 0 && !state->generation.isEmpty()) {
        state->isFromStart = true; // another database's checkpoint
        readPage(state, QString());
        return;
    }
    // No generation to compare: a checkpoint beyond the database's current sequence belongs
    // to a database deleted and made again.
    state->connection->send("GET", QString(), {}, {}, [state, sequence](const CloudResponse &response) {
        if (response.error) {
            state->result(response.error);
            return;
        }
        const qint64 current = sequenceNumber(response.json.toObject().value(QStringLiteral("update_seq")));
        const qint64 checkpoint = sequenceNumber(QJsonValue(sequence));
        state->isFromStart = current >= 0 && checkpoint > current;
        readPage(state, state->isFromStart ? QString() : sequence);
    });
}

// The database's generation: a random name kept in a local (never replicated) document, made
// by the first reader. A database deleted and made again has a new one.
void readGeneration(const std::shared_ptr<ChangesState> &state, const QString &since, bool mayCreate)
{
    if (!state->connection)
        return;
    state->connection->send("GET", ChangesOperation::generationDocument, {}, {},
                            [state, since, mayCreate](const CloudResponse &response) {
        const QString generation = response.json.toObject().value(QStringLiteral("generation")).toString();
        if (!response.error && !generation.isEmpty()) {
            state->generation = generation;
            readFromCheckpoint(state, since);
            return;
        }
        if (response.status == 401 || response.status == 403 || (!response.error && generation.isEmpty())) {
            readFromCheckpoint(state, since); // an account that may not keep one reads without
            return;
        }
        if (response.status != 404 || !mayCreate) {
            state->result(response.error.value_or(CloudConnection::unreadableAnswer(state->displayUrl)));
            return;
        }
        const QByteArray body = QJsonDocument(QJsonObject{
            {QStringLiteral("generation"), QUuid::createUuid().toString(QUuid::WithoutBraces)}}).toJson(QJsonDocument::Compact);
        state->connection->send("PUT", ChangesOperation::generationDocument, {}, body,
                                [state, since](const CloudResponse &created) {
            // Made by this reader, or by another one first (a conflict): read the one that holds.
            if (created.error && created.error->code() != CloudErrorCode::ServerRecordChanged) {
                state->result(created.error);
                return;
            }
            readGeneration(state, since, false);
        });
    });
}

} // namespace

void ChangesOperation::start(CloudConnection *connection, const QString &recordType, const QString &since,
                             const QHash<QString, QString> &knownDigests, const QString &assetDirectory, int pageSize,
                             PageCallback page, CloudCallbacks::Result result)
{
    auto state = std::make_shared<ChangesState>();
    state->connection = connection;
    state->keys = connection->sharedKeys();
    state->recordType = recordType;
    state->knownDigests = knownDigests;
    state->assetDirectory = assetDirectory;
    state->pageSize = state->fullPageSize = std::max(1, pageSize);
    state->page = std::move(page);
    state->result = std::move(result);
    state->displayUrl = connection->account().displayUrl();
    readGeneration(state, since, true);
}
