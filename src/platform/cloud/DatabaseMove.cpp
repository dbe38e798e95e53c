#include "DatabaseMove.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/DatabaseMaintenance.h"
#include "platform/cloud/KeyDocument.h"
#include "platform/cloud/SealingSweep.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool isRefusal(const std::optional<CloudError> &error)
{
    return error && (error->code() == CloudErrorCode::PermissionFailure || error->code() == CloudErrorCode::NotAuthenticated);
}

CloudError changedElsewhere()
{
    return CloudError(CloudErrorCode::ServerRecordChanged,
                      CloudError::localized("cloud.error.serverRecordChanged", "The record was changed on the server in the meantime."));
}

struct MoveState {
    QPointer<CloudConnection> connection;
    QString target;
    int graceMilliseconds = 0;
    DatabaseMove::Completion done;
    DatabaseMove::Outcome outcome;
    QJsonObject keyDocument; // the source's, as last read or written
    QElapsedTimer sincePointedOnward;
    QString since; // the source's change feed, copied up to here
    // Once the source points onward, its deletions may be this move's own erasing (of a run cut
    // short): they are never copied, or they would delete what the target holds.
    bool hasPointedOnward = false;
    int rounds = 0;
    int roundCopied = 0;

    bool isGone() const { return !connection; }
    void finish(const std::optional<CloudError> &error)
    {
        outcome.error = error;
        if (done)
            std::exchange(done, {})(outcome);
    }
};
using State = std::shared_ptr<MoveState>;

void readSource(const State &state);
void copyFeed(const State &state, std::function<void()> then);
void pointOnward(const State &state);
void copyUntilQuiet(const State &state);
void deleteSource(const State &state);
void remakeSource(const State &state);

// The target's path from the server root.
QString targetPath(const State &state, const QString &path = {})
{
    return encoded(state->target) + (path.isEmpty() ? QString() : QLatin1Char('/') + path);
}

// Writes `documents` into the target as they are: revisions, histories and attachments.
void writeIntoTarget(const State &state, const QJsonArray &documents, std::function<void()> then)
{
    if (documents.isEmpty()) {
        then();
        return;
    }
    const QByteArray body = compact(QJsonObject{{QStringLiteral("docs"), documents}, {QStringLiteral("new_edits"), false}});
    state->connection->send("POST", targetPath(state, QStringLiteral("_bulk_docs")), {}, body,
                            [state, then, count = int(documents.size())](const CloudResponse &response) {
        if (response.error) {
            state->finish(response.error);
            return;
        }
        for (const QJsonValue &value : response.json.toArray()) {
            const QJsonObject answer = value.toObject();
            const QString id = answer.value(QStringLiteral("id")).toString();
            // A design document needs the database's admin role; the items do not depend on it.
            if (answer.contains(QStringLiteral("error")) && !id.startsWith(QLatin1String("_design/"))) {
                state->finish(CloudConnection::errorForDocument(answer.value(QStringLiteral("error")).toString(),
                                                                answer.value(QStringLiteral("reason")).toString(), id));
                return;
            }
        }
        state->outcome.copied += count;
        state->roundCopied += count;
        then();
    }, true);
}

// Reads `leaves` ({"id", "rev"}) whole from the source, `perRead` at a time (one at a time once
// an answer was too large), and writes them into the target.
void copyLeaves(const State &state, QJsonArray leaves, int perRead, std::function<void()> then)
{
    if (state->isGone())
        return;
    if (leaves.isEmpty()) {
        then();
        return;
    }
    QJsonArray group;
    while (group.size() < perRead && !leaves.isEmpty())
        group.append(leaves.takeAt(0));
    const QUrlQuery query{{QStringLiteral("revs"), QStringLiteral("true")}, {QStringLiteral("attachments"), QStringLiteral("true")}};
    state->connection->send("POST", QStringLiteral("_bulk_get"), query, compact(QJsonObject{{QStringLiteral("docs"), group}}),
                            [state, leaves, group, perRead, then](const CloudResponse &response) {
        if (response.error && response.error->code() == CloudErrorCode::LimitExceeded && perRead > 1) {
            QJsonArray again = group;
            for (const QJsonValue &leaf : leaves)
                again.append(leaf);
            copyLeaves(state, again, 1, then);
            return;
        }
        if (response.error) {
            state->finish(response.error);
            return;
        }
        QJsonArray documents;
        for (const QJsonValue &result : response.json.toObject().value(QStringLiteral("results")).toArray()) {
            for (const QJsonValue &entry : result.toObject().value(QStringLiteral("docs")).toArray()) {
                // A leaf gone meanwhile (an error here) shows up again later in the feed.
                const QJsonObject leaf = entry.toObject().value(QStringLiteral("ok")).toObject();
                if (leaf.isEmpty() || (state->hasPointedOnward && leaf.value(QStringLiteral("_deleted")).toBool()))
                    continue;
                if (!leaf.value(QStringLiteral("_id")).toString().startsWith(QLatin1String("_design/")) && SealingSweep::isPlain(leaf)) {
                    state->outcome.foundPlain = true;
                    state->finish(CloudError(CloudErrorCode::InternalError, QStringLiteral("an unencrypted leaf turned up while moving")));
                    return;
                }
                documents.append(leaf);
            }
        }
        writeIntoTarget(state, documents, [state, leaves, perRead, then] { copyLeaves(state, leaves, perRead, then); });
    });
}

// Copies every leaf the source's change feed names after `state->since`, page by page.
void copyFeed(const State &state, std::function<void()> then)
{
    if (state->isGone())
        return;
    const QUrlQuery query{{QStringLiteral("since"), state->since}, {QStringLiteral("style"), QStringLiteral("all_docs")},
                          {QStringLiteral("limit"), QString::number(DatabaseMove::pageSize)}};
    state->connection->send("GET", QStringLiteral("_changes"), query, {}, [state, then](const CloudResponse &response) {
        if (response.error) {
            state->finish(response.error);
            return;
        }
        const QJsonObject answer = response.json.toObject();
        const QJsonArray changes = answer.value(QStringLiteral("results")).toArray();
        const QString next = CloudResponse::sequenceText(answer.value(QStringLiteral("last_seq")));
        const bool isLastPage = changes.size() < DatabaseMove::pageSize;
        QJsonArray leaves;
        for (const QJsonValue &value : changes) {
            const QString id = value.toObject().value(QStringLiteral("id")).toString();
            if (id == KeyDocument::documentID)
                continue; // written on its own, without "movedTo"
            for (const QJsonValue &change : value.toObject().value(QStringLiteral("changes")).toArray())
                leaves.append(QJsonObject{{QStringLiteral("id"), id}, {QStringLiteral("rev"), change.toObject().value(QStringLiteral("rev"))}});
        }
        copyLeaves(state, leaves, DatabaseMove::leavesPerRead, [state, then, next, isLastPage] {
            state->since = next;
            if (isLastPage)
                then();
            else
                copyFeed(state, then);
        });
    });
}

void createTarget(const State &state)
{
    state->connection->send("PUT", targetPath(state), {}, {}, [state](const CloudResponse &response) {
        if (response.error && response.status != 412) { // 412: made by an earlier run of this move
            state->outcome.createRefused = isRefusal(response.error);
            state->finish(response.error);
            return;
        }
        readSource(state);
    }, true);
}

void readSource(const State &state)
{
    if (state->isGone())
        return;
    state->connection->send("GET", QString(), {}, {}, [state](const CloudResponse &info) {
        if (info.status == 404) {
            remakeSource(state); // an earlier run deleted it and stopped before making it again
            return;
        }
        if (info.error) {
            state->finish(info.error);
            return;
        }
        state->connection->send("GET", encoded(KeyDocument::documentID), {}, {}, [state](const CloudResponse &response) {
            if (response.status == 404) {
                state->finish(changedElsewhere()); // no key to move with: started over elsewhere
                return;
            }
            if (response.error) {
                state->finish(response.error);
                return;
            }
            state->keyDocument = response.json.toObject();
            const QString movedTo = state->keyDocument.value(QStringLiteral("movedTo")).toString();
            const auto copyAll = [state] {
                state->since = QStringLiteral("0");
                copyFeed(state, [state] { pointOnward(state); });
            };
            state->hasPointedOnward = movedTo == state->target;
            if (state->hasPointedOnward)
                copyAll(); // an earlier run copied the key document before pointing onward
            else if (!movedTo.isEmpty())
                state->finish(changedElsewhere());
            else
                writeIntoTarget(state, QJsonArray{state->keyDocument}, copyAll);
        });
    });
}

void pointOnward(const State &state)
{
    if (state->keyDocument.value(QStringLiteral("movedTo")).toString() == state->target) {
        state->sincePointedOnward.start();
        copyUntilQuiet(state);
        return;
    }
    QJsonObject pointing = state->keyDocument;
    pointing.insert(QStringLiteral("movedTo"), state->target);
    state->connection->send("PUT", encoded(KeyDocument::documentID), {}, compact(pointing), [state, pointing](const CloudResponse &response) {
        if (response.error) {
            state->finish(response.error->code() == CloudErrorCode::ServerRecordChanged ? changedElsewhere() : *response.error);
            return;
        }
        state->keyDocument = pointing;
        state->hasPointedOnward = true;
        state->sincePointedOnward.start();
        copyUntilQuiet(state);
    });
}

void copyUntilQuiet(const State &state)
{
    ++state->rounds;
    state->roundCopied = 0;
    copyFeed(state, [state] {
        if (state->roundCopied == 0 && state->sincePointedOnward.elapsed() >= state->graceMilliseconds) {
            DatabaseMaintenance::eraseDocuments(state->connection, [state](const std::optional<CloudError> &error) {
                if (error)
                    state->finish(error);
                else
                    deleteSource(state);
            });
            return;
        }
        if (state->rounds >= DatabaseMove::maximumRounds) {
            state->finish(CloudError(CloudErrorCode::ServiceUnavailable,
                                     CloudError::localized("cloud.error.moveUnfinished",
                                                           "Other devices kept writing to the old database; moving goes on later.")));
            return;
        }
        QTimer::singleShot(state->roundCopied > 0 ? 100 : 500, state->connection, [state] { copyUntilQuiet(state); });
    });
}

void deleteSource(const State &state)
{
    if (state->isGone())
        return;
    state->connection->send("DELETE", QString(), {}, {}, [state](const CloudResponse &response) {
        if (isRefusal(response.error)) {
            state->finish(std::nullopt); // stays, erased, its key document pointing onward
            return;
        }
        if (response.error && response.status != 404) {
            state->finish(response.error);
            return;
        }
        remakeSource(state);
    });
}

// The source again, holding only the key document that points onward (the target's, which
// has the same key).
void remakeSource(const State &state)
{
    if (state->isGone())
        return;
    state->connection->send("PUT", QString(), {}, {}, [state](const CloudResponse &made) {
        if (made.error && made.status != 412) {
            state->finish(made.error);
            return;
        }
        state->connection->send("GET", targetPath(state, encoded(KeyDocument::documentID)), {}, {}, [state](const CloudResponse &key) {
            if (key.error) {
                state->finish(key.error);
                return;
            }
            QJsonObject pointing = key.json.toObject();
            pointing.remove(QStringLiteral("_rev"));
            pointing.insert(QStringLiteral("movedTo"), state->target);
            state->connection->send("PUT", encoded(KeyDocument::documentID), {}, compact(pointing), [state](const CloudResponse &written) {
                if (written.error && written.status != 409) { // 409: an earlier run wrote it
                    state->finish(written.error);
                    return;
                }
                state->outcome.sourceDeleted = true;
                state->finish(std::nullopt);
            });
        }, true);
    });
}

} // namespace

void DatabaseMove::start(CloudConnection *connection, const QString &target, int graceMilliseconds, Completion done)
{
    auto state = std::make_shared<MoveState>();
    state->connection = connection;
    state->target = target;
    state->graceMilliseconds = graceMilliseconds;
    state->done = std::move(done);
    createTarget(state);
}

QString DatabaseMove::newDatabaseName(const QString &current)
{
    static const QRegularExpression notAllowed(QStringLiteral("[^a-z0-9_$()+-]"));
    QString base = current;
    base.remove(notAllowed);
    if (base.isEmpty() || base.front() < QLatin1Char('a') || base.front() > QLatin1Char('z'))
        base.prepend(QStringLiteral("stashline-"));
    static const QLatin1String alphabet("abcdefghijklmnopqrstuvwxyz0123456789");
    QString suffix;
    for (int index = 0; index < 6; ++index)
        suffix.append(QChar(alphabet[QRandomGenerator::system()->bounded(int(alphabet.size()))]));
    return base.left(238 - 7) + QLatin1Char('-') + suffix;
}
