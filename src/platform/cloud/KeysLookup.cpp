#include "KeysLookup.h"

#include "platform/cloud/CloudConnection.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct LookupState {
    int outstanding = 0;
    bool finished = false;
    std::function<void(const QJsonArray &)> chunkRows;
    std::function<void(const std::optional<CloudError> &)> done;
};

} // namespace

void KeysLookup::start(CloudConnection *connection, const QStringList &keys, bool includeDocs,
                       std::function<void(const QJsonArray &)> chunkRows, std::function<void(const std::optional<CloudError> &)> done)
{
    auto state = std::make_shared<LookupState>();
    state->chunkRows = std::move(chunkRows);
    state->done = std::move(done);
    QUrlQuery query;
    if (includeDocs) {
        query.addQueryItem(QStringLiteral("include_docs"), QStringLiteral("true"));
        query.addQueryItem(QStringLiteral("conflicts"), QStringLiteral("true"));
    }
    const QString displayUrl = connection->account().displayUrl();

    QList<QStringList> chunks;
    for (qsizetype first = 0; first < keys.size(); first += chunkSize)
        chunks.append(keys.mid(first, chunkSize));
    if (chunks.isEmpty())
        chunks.append(QStringList());
    state->outstanding = int(chunks.size());

    for (const QStringList &chunk : std::as_const(chunks)) {
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("keys"), QJsonArray::fromStringList(chunk)}})
                                    .toJson(QJsonDocument::Compact);
        connection->send("POST", QStringLiteral("_all_docs"), query, body, [state, displayUrl](const CloudResponse &response) {
            --state->outstanding;
            if (state->finished)
                return;
            const QJsonValue rows = response.json.toObject().value(QStringLiteral("rows"));
            if (response.error || !rows.isArray()) {
                state->finished = true;
                state->done(response.error ? *response.error : CloudConnection::unreadableAnswer(displayUrl));
                return;
            }
            state->chunkRows(rows.toArray());
            if (state->outstanding == 0) {
                state->finished = true;
                state->done(std::nullopt);
            }
        });
    }
}
