#include "DatabaseMaintenance.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/KeyDocument.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>

namespace {

constexpr int pollMilliseconds = 300;
constexpr int erasePageSize = 200;

void waitForCompaction(QPointer<CloudConnection> connection, const DatabaseMaintenance::Completion &done,
                       const QElapsedTimer &clock, int patienceMilliseconds)
{
    if (!connection)
        return;
    connection->send("GET", QString(), {}, {}, [connection, done, clock, patienceMilliseconds](const CloudResponse &response) {
        if (response.error) {
            done(response.error);
            return;
        }
        if (!response.json.toObject().value(QStringLiteral("compact_running")).toBool()) {
            done(std::nullopt);
            return;
        }
        if (clock.elapsed() > patienceMilliseconds) {
            done(CloudError(CloudErrorCode::ServiceUnavailable,
                            CloudError::localized("cloud.error.compactionSlow",
                                                  "The server has not finished cleaning up old versions yet.")));
            return;
        }
        QTimer::singleShot(pollMilliseconds, connection, [connection, done, clock, patienceMilliseconds] {
            waitForCompaction(connection, done, clock, patienceMilliseconds);
        });
    });
}

void erasePage(QPointer<CloudConnection> connection, const QString &startKey, const DatabaseMaintenance::Completion &done)
{
    if (!connection)
        return;
    QUrlQuery query{{QStringLiteral("include_docs"), QStringLiteral("true")},
                    {QStringLiteral("conflicts"), QStringLiteral("true")},
                    {QStringLiteral("limit"), QString::number(erasePageSize)}};
    if (!startKey.isEmpty())
        query.addQueryItem(QStringLiteral("startkey"), QString::fromUtf8(QJsonDocument(QJsonArray{startKey}).toJson(QJsonDocument::Compact).mid(1).chopped(1)));
    connection->send("GET", QStringLiteral("_all_docs"), query, {}, [connection, startKey, done](const CloudResponse &response) {
        if (response.error) {
            done(response.error);
            return;
        }
        const QJsonArray rows = response.json.toObject().value(QStringLiteral("rows")).toArray();
        QJsonArray deletions;
        QString lastKey;
        for (const QJsonValue &value : rows) {
            const QJsonObject row = value.toObject();
            const QString id = row.value(QStringLiteral("id")).toString();
            lastKey = id;
            if (id == startKey || id.startsWith(QLatin1String("_design/")) || id == KeyDocument::documentID)
                continue;
            const QJsonObject document = row.value(QStringLiteral("doc")).toObject();
            QStringList revisions{document.value(QStringLiteral("_rev")).toString()};
            for (const QJsonValue &other : document.value(QStringLiteral("_conflicts")).toArray())
                revisions.append(other.toString());
            for (const QString &revision : std::as_const(revisions))
                deletions.append(QJsonObject{{QStringLiteral("_id"), id}, {QStringLiteral("_rev"), revision}, {QStringLiteral("_deleted"), true}});
        }
        const bool isLast = rows.size() < erasePageSize;
        const auto next = [connection, lastKey, isLast, done] {
            if (isLast)
                done(std::nullopt);
            else
                erasePage(connection, lastKey, done);
        };
        if (deletions.isEmpty()) {
            next();
            return;
        }
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("docs"), deletions}}).toJson(QJsonDocument::Compact);
        connection->send("POST", QStringLiteral("_bulk_docs"), {}, body, [next, done](const CloudResponse &written) {
            // A document another device wrote meanwhile keeps that write: erasing is best effort
            // for what changes while it runs.
            if (written.error)
                done(written.error);
            else
                next();
        });
    });
}

} // namespace

void DatabaseMaintenance::compact(CloudConnection *connection, Completion done, int patienceMilliseconds)
{
    QPointer<CloudConnection> guarded(connection);
    connection->send("POST", QStringLiteral("_compact"), {}, QByteArrayLiteral("{}"),
                     [guarded, done, patienceMilliseconds](const CloudResponse &response) {
        if (response.error) {
            done(response.error);
            return;
        }
        QElapsedTimer clock;
        clock.start();
        waitForCompaction(guarded, done, clock, patienceMilliseconds);
    });
}

void DatabaseMaintenance::eraseDocuments(CloudConnection *connection, Completion done)
{
    erasePage(connection, QString(), std::move(done));
}
