#include "ModifyRecordsOperation.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"
#include "platform/cloud/KeysLookup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace {

struct ModifyState {
    QPointer<CloudConnection> connection;
    QString displayUrl;
    CloudCallbacks::PerRecord perRecord;
    CloudCallbacks::ModifyResult result;
    QList<CloudRecord> pending;      // records to write, in order
    QList<CloudRecordCoder::EncodedDocument> documents; // their documents, same order
    QHash<CloudRecordID, QHash<QString, QString>> digests; // of the attachments sent with their bytes
    QList<CloudRecord> saved;
    QHash<CloudRecordID, CloudError> errors;

    void fail(const CloudRecordID &id, const CloudError &error)
    {
        errors.insert(id, error);
        perRecord(id, std::nullopt, error);
    }
    void finish()
    {
        result(saved, errors.isEmpty() ? std::nullopt : std::optional(CloudError::partialFailure(errors)));
    }
};

void write(const std::shared_ptr<ModifyState> &state)
{
    QByteArray body = QByteArrayLiteral("{\"docs\":[");
    for (qsizetype index = 0; index < state->documents.size(); ++index) {
        // Leaves to delete go before the record's own write, so the record's answer is the last
        // one with its name.
        const CloudRecord &record = state->pending[index];
        for (const QString &revision : record.revisionsToDelete()) {
            if (body.size() > 9)
                body += ',';
            body += QJsonDocument(QJsonObject{{QStringLiteral("_id"), record.recordID().recordName()},
                                              {QStringLiteral("_rev"), revision},
                                              {QStringLiteral("_deleted"), true}})
                        .toJson(QJsonDocument::Compact);
        }
        if (body.size() > 9)
            body += ',';
        body += state->documents[index].toJson();
    }
    body += "]}";
    state->documents.clear(); // the bytes now live in the body only
    state->connection->send("POST", QStringLiteral("_bulk_docs"), {}, body,
                            [state](const CloudResponse &response) {
        if (response.error) {
            state->result({}, response.error);
            return;
        }
        if (!response.json.isArray()) {
            state->result({}, CloudConnection::unreadableAnswer(state->displayUrl));
            return;
        }
        const QJsonArray answers = response.json.toArray();
        QHash<QString, QJsonObject> answerByName;
        for (const QJsonValue &answer : answers)
            answerByName.insert(answer.toObject().value(QStringLiteral("id")).toString(), answer.toObject());
        for (CloudRecord record : std::as_const(state->pending)) {
            const CloudRecordID id = record.recordID();
            const auto found = answerByName.constFind(id.recordName());
            if (found == answerByName.cend()) {
                state->fail(id, CloudConnection::errorForDocument(QStringLiteral("no_answer"),
                                                                  QStringLiteral("the server did not report this record"),
                                                                  id.recordName()));
                continue;
            }
            const QJsonObject answer = *found;
            if (answer.contains(QStringLiteral("error")) || !answer.value(QStringLiteral("ok")).toBool()) {
                state->fail(id, CloudConnection::errorForDocument(answer.value(QStringLiteral("error")).toString(),
                                                                  answer.value(QStringLiteral("reason")).toString(),
                                                                  id.recordName()));
                continue;
            }
            record.setRecordChangeTag(answer.value(QStringLiteral("rev")).toString());
            // A picture sent with its bytes is now held by the server under the digest of what was sent.
            const QHash<QString, QString> sent = state->digests.value(id);
            for (auto digest = sent.cbegin(); digest != sent.cend(); ++digest)
                record.setAsset(digest.key(), CloudAsset::stub(digest.value()));
            state->saved.append(record);
            state->perRecord(id, record, std::nullopt);
        }
        state->finish();
    });
}

} // namespace

void ModifyRecordsOperation::start(CloudConnection *connection, const QList<CloudRecord> &records, const QString &deviceID,
                                   CloudCallbacks::PerRecord perRecord, CloudCallbacks::ModifyResult result,
                                   RevisionsReadHook revisionsReadHook, CloudSavePolicy savePolicy)
{
    auto state = std::make_shared<ModifyState>();
    state->connection = connection;
    state->displayUrl = connection->account().displayUrl();
    state->perRecord = perRecord ? std::move(perRecord) : [](const auto &, const auto &, const auto &) {};
    state->result = std::move(result);

    if (!connection->account().isValid()) {
        // Every operation fails alike without an account, before any record is looked at.
        connection->send("GET", {}, {}, {}, [state](const CloudResponse &response) { state->result({}, response.error); });
        return;
    }

    QSet<QString> names;
    for (const CloudRecord &record : records) {
        const CloudRecordID id = record.recordID();
        if (!id.hasValidName() || id.zoneName() != CloudRecordID::defaultZoneName || names.contains(id.recordName())) {
            state->fail(id, CloudConnection::errorForDocument(QStringLiteral("invalid_record_id"),
                                                              QStringLiteral("the name is empty, repeated, starts with "
                                                                             "an underscore or the zone does not exist"),
                                                              id.recordName()));
            continue;
        }
        CloudRecord fresh = record;
        if (savePolicy == CloudSavePolicy::allKeys)
            fresh.setRecordChangeTag({}); // the current revision is read below
        auto encoded = CloudRecordCoder::encode(fresh, deviceID, &connection->keys());
        if (const auto *error = std::get_if<CloudError>(&encoded)) {
            state->fail(id, *error);
            continue;
        }
        names.insert(id.recordName());
        state->digests.insert(id, std::get<CloudRecordCoder::EncodedDocument>(encoded).attachmentDigests);
        state->pending.append(fresh);
        state->documents.append(std::get<CloudRecordCoder::EncodedDocument>(std::move(encoded)));
    }
    if (state->pending.isEmpty()) {
        connection->post([state] { state->finish(); });
        return;
    }
    if (savePolicy == CloudSavePolicy::ifServerRecordUnchanged) {
        write(state);
        return;
    }

    QStringList keys;
    for (const CloudRecord &record : std::as_const(state->pending))
        keys.append(record.recordID().recordName());
    auto revisions = std::make_shared<QHash<QString, QString>>();
    KeysLookup::start(
        connection, keys, false,
        [revisions](const QJsonArray &rows) {
            for (const QJsonValue &row : rows) {
                const QJsonObject value = row.toObject().value(QStringLiteral("value")).toObject();
                // A deleted document is written again without a revision, which revives it.
                if (!value.value(QStringLiteral("deleted")).toBool() && value.value(QStringLiteral("rev")).isString())
                    revisions->insert(row.toObject().value(QStringLiteral("key")).toString(), value.value(QStringLiteral("rev")).toString());
            }
        },
        [state, revisions, hook = std::move(revisionsReadHook)](const std::optional<CloudError> &error) {
        if (error) {
            state->result({}, error);
            return;
        }
        for (CloudRecordCoder::EncodedDocument &encoded : state->documents) {
            const QString rev = revisions->value(encoded.document.value(QStringLiteral("_id")).toString());
            if (!rev.isEmpty())
                encoded.document.insert(QStringLiteral("_rev"), rev);
        }
        if (!hook) {
            write(state);
            return;
        }
        hook([state] {
            if (state->connection)
                state->connection->post([state] { write(state); });
        });
    });
}
