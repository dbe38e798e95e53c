#include "AssetDownloader.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudRecordCoder.h"

#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

AssetDownloader::AssetDownloader(CloudConnection *connection, const QString &assetDirectory, bool atDocumentRevision)
    : m_connection(connection)
    , m_assetDirectory(assetDirectory)
    , m_displayUrl(connection->account().displayUrl())
    , m_atDocumentRevision(atDocumentRevision)
{
}

std::shared_ptr<AssetDownloader> AssetDownloader::create(CloudConnection *connection, const QString &assetDirectory,
                                                         bool atDocumentRevision)
{
    return std::shared_ptr<AssetDownloader>(new AssetDownloader(connection, assetDirectory, atDocumentRevision));
}

void AssetDownloader::start(CloudConnection *connection, const QList<QJsonObject> &documents, const QString &assetDirectory,
                            const KnownDigests &known, std::function<void(const Outcome &)> done)
{
    const auto downloader = create(connection, assetDirectory);
    downloader->add(documents, known);
    downloader->finish(std::move(done));
}

void AssetDownloader::add(const QList<QJsonObject> &documents, const KnownDigests &known)
{
    for (const QJsonObject &document : documents) {
        const QString name = document.value(QStringLiteral("_id")).toString();
        const QJsonObject attachments = document.value(QStringLiteral("_attachments")).toObject();
        for (const QString &attachment : CloudRecordCoder::stubAttachments(document)) {
            const QJsonObject stub = attachments.value(attachment).toObject();
            const QString digest = stub.value(QStringLiteral("digest")).toString();
            if (!digest.isEmpty() && known.value(name) == digest)
                continue;
            const QJsonValue length = stub.value(QStringLiteral("length"));
            m_queue.append({name, attachment, length.isDouble() ? qint64(length.toDouble()) : -1, digest,
                            m_atDocumentRevision ? document.value(QStringLiteral("_rev")).toString() : QString()});
        }
    }
    startNext();
}

void AssetDownloader::finish(std::function<void(const Outcome &)> done)
{
    m_done = std::move(done);
    if (m_connection)
        m_connection->post([self = shared_from_this()] { self->finishIfIdle(); });
}

void AssetDownloader::finishIfIdle()
{
    if (m_running == 0 && m_queue.isEmpty() && m_done)
        std::exchange(m_done, {})(m_outcome);
}

void AssetDownloader::startNext()
{
    while (m_connection && m_running < concurrentDownloads && !m_queue.isEmpty()) {
        const Download download = m_queue.takeFirst();
        if (m_outcome.errorsByRecord.contains(download.recordName))
            continue;
        ++m_running;
        const QString path = m_assetDirectory + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()
            + QStringLiteral(".jpg");
        QUrlQuery query;
        if (!download.revision.isEmpty())
            query.addQueryItem(QStringLiteral("rev"), download.revision);
        m_connection->download(encoded(download.recordName) + QLatin1Char('/') + encoded(download.attachmentName), path,
                               download.recordName, query, [self = shared_from_this(), download, path](const std::optional<CloudError> &error) {
            --self->m_running;
            // Owning the file at once removes it again whatever happens to the record later.
            const CloudAsset asset = CloudAsset::downloaded(path, download.digest);
            std::optional<CloudError> failure = error;
            if (!failure && download.expectedLength >= 0 && QFileInfo(path).size() != download.expectedLength)
                failure = CloudConnection::unreadableAnswer(self->m_displayUrl);
            // Bytes that are not the ones the server named are no picture of this record.
            if (!failure && download.digest.startsWith(QLatin1String("md5-")) && CloudAsset::fileDigest(path) != download.digest)
                failure = CloudConnection::unreadableAnswer(self->m_displayUrl);
            if (failure) {
                self->m_outcome.errorsByRecord.insert(download.recordName, *failure);
                self->m_outcome.assetsByRecord.remove(download.recordName);
            } else if (!self->m_outcome.errorsByRecord.contains(download.recordName)) {
                self->m_outcome.assetsByRecord[download.recordName].insert(download.attachmentName, asset);
            }
            self->startNext();
            self->finishIfIdle();
        });
    }
}
