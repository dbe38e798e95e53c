#include "ChangesOperation.h"

#include "platform/cloud/AssetDownloader.h"
#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QUrlQuery>

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

QString sequenceText(const QJsonValue &sequence)
{
    return sequence.isDouble() ? QString::number(qint64(sequence.toDouble())) : sequence.toString();
}

struct ChangesState {
    QPointer<CloudConnection> connection;
    QString recordType;
    QHash<QString, QString> knownDigests;
    QString assetDirectory;
    int pageSize = ChangesOperation::defaultPageSize;
    ChangesOperation::PageCallback page;
    CloudCallbacks::Result result;
    QString displayUrl;
    bool isFromStart = false;
    bool mayRestart = true; // one read from the start after a refused checkpoint
};

void readPage(const std::shared_ptr<ChangesState> &state, const QString &since);

void deliverPage(const std::shared_ptr<ChangesState> &state, const QJsonObject &answer)
{
    const QJsonValue results = answer.value(QStringLiteral("results"));
    if (!results.isArray() || !answer.contains(QStringLiteral("last_seq"))) {
        state->result(CloudConnection::unreadableAnswer(state->displayUrl));
        return;
    }
    const QJsonArray changes = results.toArray();
    const QString checkpoint = sequenceText(answer.value(QStringLiteral("last_seq")));
    QList<QJsonObject> documents;
    for (const QJsonValue &change : changes) {
        const QJsonObject document = change.toObject().value(QStringLiteral("doc")).toObject();
        if (change.toObject().value(QStringLiteral("deleted")).toBool() || document.value(QStringLiteral("_deleted")).toBool())
            continue;
        if (document.value(QStringLiteral("recordType")).toString() == state->recordType
            && CloudRecordID(document.value(QStringLiteral("_id")).toString()).hasValidName())
            documents.append(document);
    }
    const bool isLast = changes.size() < state->pageSize;
    AssetDownloader::start(state->connection, documents, state->assetDirectory, state->knownDigests,
                           [state, documents, checkpoint, isLast](const AssetDownloader::Outcome &downloads) {
        ChangesOperation::Page page;
        page.checkpoint = checkpoint;
        page.isFromStart = state->isFromStart;
        for (const QJsonObject &document : documents) {
            const QString name = document.value(QStringLiteral("_id")).toString();
            // A picture that did not come: the other fields still merge, the picture comes with
            // a later read.
            if (downloads.errorsByRecord.contains(name))
                page.isComplete = false;
            auto decoded = CloudRecordCoder::decode(document, state->assetDirectory, downloads.assetsByRecord.value(name));
            if (auto *record = std::get_if<CloudRecord>(&decoded))
                page.records.append(*record);
            else
                page.isComplete = false;
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
    });
}

void readPage(const std::shared_ptr<ChangesState> &state, const QString &since)
{
    if (!state->connection)
        return;
    const QUrlQuery query{{QStringLiteral("since"), since.isEmpty() ? QStringLiteral("0") : since},
                          {QStringLiteral("include_docs"), QStringLiteral("true")},
                          {QStringLiteral("style"), QStringLiteral("main_only")},
                          {QStringLiteral("limit"), QString::number(state->pageSize)}};
    state->connection->send("GET", QStringLiteral("_changes"), query, {}, [state, since](const CloudResponse &response) {
        if (response.status == 400 && !since.isEmpty() && state->mayRestart) {
            state->mayRestart = false;
            state->isFromStart = true;
            readPage(state, QString());
            return;
        }
        if (response.error) {
            state->result(response.error);
            return;
        }
        deliverPage(state, response.json.toObject());
    });
}

} // namespace

void ChangesOperation::start(CloudConnection *connection, const QString &recordType, const QString &since,
                             const QHash<QString, QString> &knownDigests, const QString &assetDirectory, int pageSize,
                             PageCallback page, CloudCallbacks::Result result)
{
    auto state = std::make_shared<ChangesState>();
    state->connection = connection;
    state->recordType = recordType;
    state->knownDigests = knownDigests;
    state->assetDirectory = assetDirectory;
    state->pageSize = std::max(1, pageSize);
    state->page = std::move(page);
    state->result = std::move(result);
    state->displayUrl = connection->account().displayUrl();
    if (since.isEmpty()) {
        readPage(state, since);
        return;
    }
    // A database deleted and made again starts its sequence anew: a checkpoint beyond its
    // current sequence would skip everything, so the read starts over.
    connection->send("GET", QString(), {}, {}, [state, since](const CloudResponse &response) {
        if (response.error) {
            state->result(response.error);
            return;
        }
        const qint64 current = sequenceNumber(response.json.toObject().value(QStringLiteral("update_seq")));
        const qint64 checkpoint = sequenceNumber(QJsonValue(since));
        if (current >= 0 && checkpoint > current) {
            state->isFromStart = true;
            readPage(state, QString());
        } else {
            readPage(state, since);
        }
    });
}
