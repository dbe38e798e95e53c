#include "AssetDownloader.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QUuid>

namespace {

struct Download {
    QString recordName;
    QString attachmentName;
    qint64 expectedLength = -1;
};

struct DownloadState {
    QPointer<CloudConnection> connection;
    QString assetDirectory;
    QString displayUrl;
    QList<Download> queue;
    int running = 0;
    AssetDownloader::Outcome outcome;
    std::function<void(const AssetDownloader::Outcome &)> done;
};

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

void startNext(const std::shared_ptr<DownloadState> &state)
{
    if (!state->connection)
        return;
    while (state->running < AssetDownloader::concurrentDownloads && !state->queue.isEmpty()) {
        const Download download = state->queue.takeFirst();
        if (state->outcome.errorsByRecord.contains(download.recordName))
            continue;
        ++state->running;
        const QString path = state->assetDirectory + QLatin1Char('/')
            + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".jpg");
        state->connection->download(encoded(download.recordName) + QLatin1Char('/') + encoded(download.attachmentName), path,
                                    download.recordName, [state, download, path](const std::optional<CloudError> &error) {
            --state->running;
            // Owning the file at once removes it again whatever happens to the record later.
            const CloudAsset asset = CloudAsset::downloaded(path);
            if (error) {
                state->outcome.errorsByRecord.insert(download.recordName, *error);
                state->outcome.assetsByRecord.remove(download.recordName);
            } else if (download.expectedLength >= 0 && QFileInfo(path).size() != download.expectedLength) {
                state->outcome.errorsByRecord.insert(download.recordName, CloudConnection::unreadableAnswer(state->displayUrl));
                state->outcome.assetsByRecord.remove(download.recordName);
            } else if (!state->outcome.errorsByRecord.contains(download.recordName)) {
                state->outcome.assetsByRecord[download.recordName].insert(download.attachmentName, asset);
            }
            if (state->running == 0 && state->queue.isEmpty())
                state->done(state->outcome);
            else
                startNext(state);
        });
    }
    if (state->running == 0 && state->queue.isEmpty())
        state->done(state->outcome);
}

} // namespace

void AssetDownloader::start(CloudConnection *connection, const QList<QJsonObject> &documents, const QString &assetDirectory,
                            std::function<void(const Outcome &)> done)
{
    auto state = std::make_shared<DownloadState>();
    state->connection = connection;
    state->assetDirectory = assetDirectory;
    state->displayUrl = connection->account().displayUrl();
    state->done = std::move(done);
    for (const QJsonObject &document : documents) {
        const QString name = document.value(QStringLiteral("_id")).toString();
        const QJsonObject attachments = document.value(QStringLiteral("_attachments")).toObject();
        for (const QString &attachment : CloudRecordCoder::stubAttachments(document)) {
            const QJsonValue length = attachments.value(attachment).toObject().value(QStringLiteral("length"));
            state->queue.append({name, attachment, length.isDouble() ? qint64(length.toDouble()) : -1});
        }
    }
    if (state->queue.isEmpty()) {
        connection->post([state] { state->done(state->outcome); });
        return;
    }
    startNext(state);
}
