#include "SealingSweep.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/KeyDocument.h"
#include "platform/cloud/SealedDocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

struct SweepState {
    QPointer<CloudConnection> connection;
    QString keyID;
    SecretKey key;
    QElapsedTimer sinceStart;
    int graceMilliseconds = 0;
    std::function<void(const SealingSweep::Outcome &)> done;
    SealingSweep::Outcome outcome;
    bool roundFoundPlain = false;
    QList<QJsonObject> toSeal;       // plain leaves of the page still to handle
    QJsonArray batch;                // sealed leaves waiting to be written
    qint64 batchSize = 0;
    QString nextSince;               // the feed position after the current page
    bool isLastPage = false;
    QString temporaryDirectory = QDir::tempPath() + QStringLiteral("/stashline-sweep-") + QUuid::createUuid().toString(QUuid::Id128);

    void finish(const std::optional<CloudError> &error)
    {
        QDir(temporaryDirectory).removeRecursively();
        outcome.error = error;
        std::exchange(done, {})(outcome);
    }
};
using State = std::shared_ptr<SweepState>;

void startRound(const State &state);
void readPage(const State &state, const QString &since);
void sealNext(const State &state);

void afterPage(const State &state)
{
    if (!state->isLastPage) {
        readPage(state, state->nextSince);
        return;
    }
    if (!state->roundFoundPlain && state->sinceStart.elapsed() >= state->graceMilliseconds) {
        state->finish(std::nullopt);
        return;
    }
    if (state->outcome.rounds >= SealingSweep::maximumRounds) {
        state->finish(CloudError(CloudErrorCode::ServiceUnavailable,
                                 CloudError::localized("cloud.error.sweepUnfinished",
                                                       "Other devices kept writing unencrypted items; encrypting goes on later.")));
        return;
    }
    // Another round, after a pause that lets writes on their way arrive.
    QTimer::singleShot(state->roundFoundPlain ? 100 : 500, state->connection, [state] { startRound(state); });
}

void writeBatch(const State &state, std::function<void()> then)
{
    if (state->batch.isEmpty()) {
        then();
        return;
    }
    const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("docs"), state->batch}}).toJson(QJsonDocument::Compact);
    const int written = int(state->batch.size());
    state->batch = QJsonArray();
    state->batchSize = 0;
    state->connection->send("POST", QStringLiteral("_bulk_docs"), {}, body, [state, then, written](const CloudResponse &response) {
        if (response.error) {
            state->finish(response.error);
            return;
        }
        // A leaf another writer moved on meanwhile is looked at again in the next round.
        int accepted = 0;
        for (const QJsonValue &answer : response.json.toArray())
            accepted += answer.toObject().value(QStringLiteral("ok")).toBool() ? 1 : 0;
        state->outcome.sealed += accepted;
        if (accepted < written)
            state->roundFoundPlain = true;
        then();
    });
}

void addSealed(const State &state, const QJsonObject &sealed)
{
    const qint64 size = QJsonDocument(sealed).toJson(QJsonDocument::Compact).size();
    state->batch.append(sealed);
    state->batchSize += size;
    if (state->batchSize >= SealingSweep::batchBytes)
        writeBatch(state, [state] { sealNext(state); });
    else
        sealNext(state);
}

// Downloads the attachments of `leaf` one after the other into memory, then seals it.
void sealWithAttachments(const State &state, const QJsonObject &leaf, QStringList names, QHash<QString, QByteArray> bytes)
{
    if (names.isEmpty()) {
        addSealed(state, SealedDocument::seal(leaf, bytes, state->keyID, state->key));
        return;
    }
    const QString name = names.takeFirst();
    const QString id = leaf.value(QStringLiteral("_id")).toString();
    const QString path = state->temporaryDirectory + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(state->temporaryDirectory);
    state->connection->download(encoded(id) + QLatin1Char('/') + encoded(name), path, id,
                                QUrlQuery{{QStringLiteral("rev"), leaf.value(QStringLiteral("_rev")).toString()}},
                                [state, leaf, names, bytes, name, path](const std::optional<CloudError> &error) mutable {
        if (error) {
            state->finish(error);
            return;
        }
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes.insert(name, file.readAll());
        file.remove();
        sealWithAttachments(state, leaf, names, bytes);
    });
}

void sealNext(const State &state)
{
    if (!state->connection)
        return;
    if (state->toSeal.isEmpty()) {
        writeBatch(state, [state] { afterPage(state); });
        return;
    }
    const QJsonObject leaf = state->toSeal.takeFirst();
    state->roundFoundPlain = true;
    if (leaf.value(QStringLiteral("_deleted")).toBool()) {
        addSealed(state, QJsonObject{{QStringLiteral("_id"), leaf.value(QStringLiteral("_id"))},
                                     {QStringLiteral("_rev"), leaf.value(QStringLiteral("_rev"))},
                                     {QStringLiteral("_deleted"), true}});
        return;
    }
    sealWithAttachments(state, leaf, leaf.value(QStringLiteral("_attachments")).toObject().keys(), {});
}

// The leaves of documents with more than one, read whole (open_revs=all), one document at a time.
void readLeaves(const State &state, QStringList names)
{
    if (names.isEmpty()) {
        sealNext(state);
        return;
    }
    const QString name = names.takeFirst();
    state->connection->send("GET", encoded(name), QUrlQuery{{QStringLiteral("open_revs"), QStringLiteral("all")}}, {},
                            [state, names](const CloudResponse &response) {
        if (response.error) {
            state->finish(response.error);
            return;
        }
        for (const QJsonValue &entry : response.json.toArray()) {
            const QJsonObject leaf = entry.toObject().value(QStringLiteral("ok")).toObject();
            if (!leaf.isEmpty() && SealingSweep::isPlain(leaf))
                state->toSeal.append(leaf);
        }
        readLeaves(state, names);
    });
}

void readPage(const State &state, const QString &since)
{
    if (!state->connection)
        return;
    const QUrlQuery query{{QStringLiteral("since"), since.isEmpty() ? QStringLiteral("0") : since},
                          {QStringLiteral("style"), QStringLiteral("all_docs")},
                          {QStringLiteral("include_docs"), QStringLiteral("true")},
                          {QStringLiteral("limit"), QString::number(SealingSweep::pageSize)}};
    state->connection->send("GET", QStringLiteral("_changes"), query, {}, [state](const CloudResponse &response) {
        if (response.error) {
            state->finish(response.error);
            return;
        }
        const QJsonObject answer = response.json.toObject();
        const QJsonArray changes = answer.value(QStringLiteral("results")).toArray();
        state->nextSince = CloudResponse::sequenceText(answer.value(QStringLiteral("last_seq")));
        state->isLastPage = changes.size() < SealingSweep::pageSize;
        QStringList branched;
        for (const QJsonValue &value : changes) {
            const QJsonObject change = value.toObject();
            const QString name = change.value(QStringLiteral("id")).toString();
            if (name.startsWith(QLatin1String("_design/")) || name == KeyDocument::documentID)
                continue;
            if (change.value(QStringLiteral("changes")).toArray().size() > 1)
                branched.append(name);
            else if (const QJsonObject document = change.value(QStringLiteral("doc")).toObject(); SealingSweep::isPlain(document))
                state->toSeal.append(document);
        }
        readLeaves(state, branched);
    });
}

void startRound(const State &state)
{
    ++state->outcome.rounds;
    state->roundFoundPlain = false;
    readPage(state, QString());
}

} // namespace

bool SealingSweep::isPlain(const QJsonObject &leaf)
{
    if (leaf.value(QStringLiteral("_deleted")).toBool()) {
        const QStringList keys = leaf.keys();
        return std::any_of(keys.cbegin(), keys.cend(), [](const QString &key) { return !key.startsWith(QLatin1Char('_')); });
    }
    return !SealedDocument::isSealed(leaf);
}

void SealingSweep::start(CloudConnection *connection, const QString &keyID, const SecretKey &key, int graceMilliseconds,
                         std::function<void(const Outcome &)> done)
{
    auto state = std::make_shared<SweepState>();
    state->connection = connection;
    state->keyID = keyID;
    state->key = key;
    state->graceMilliseconds = graceMilliseconds;
    state->done = std::move(done);
    state->sinceStart.start();
    connection->post([state] { startRound(state); });
}
