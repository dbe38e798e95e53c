#pragma once

#include "platform/cloud/CloudAsset.h"
#include "platform/cloud/CloudError.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QPointer>

#include <functional>
#include <memory>

class CloudConnection;

// Downloads the pictures of documents read without their attachment bytes (attachment stubs):
// each attachment an asset field names is fetched on its own (GET document/attachment) into a
// new file in the asset directory, at most concurrentDownloads at a time. Fetching pictures one
// by one beside a small document list is far cheaper for the server than one answer with every
// picture inline. A document whose download fails gets its error; its other files are removed.
// Documents may be added while earlier downloads run; finish() hands over the outcome once
// every download ended. Worker thread only; callbacks there.
class AssetDownloader : public std::enable_shared_from_this<AssetDownloader>
{
public:
    static constexpr int concurrentDownloads = 4;

    struct Outcome {
        // Record name to its downloaded assets by attachment name; only records with downloads.
        QHash<QString, QHash<QString, CloudAsset>> assetsByRecord;
        QHash<QString, CloudError> errorsByRecord;
    };

    // With `atDocumentRevision`, each picture is fetched as of its document's "_rev" (a leaf of
    // a document with several branches) instead of the current revision.
    static std::shared_ptr<AssetDownloader> create(CloudConnection *connection, const QString &assetDirectory,
                                                   bool atDocumentRevision = false);

    // Record name to the digest of the picture the reader holds already: not downloaded again.
    using KnownDigests = QHash<QString, QString>;

    // Queues the stub attachments of `documents` and starts downloading, except attachments
    // whose digest `known` holds for their record.
    void add(const QList<QJsonObject> &documents, const KnownDigests &known = {});
    // Calls `done` once, after every download added so far ended (later, also when none did).
    void finish(std::function<void(const Outcome &)> done);

    // create(), add() and finish() in one.
    static void start(CloudConnection *connection, const QList<QJsonObject> &documents, const QString &assetDirectory,
                      const KnownDigests &known, std::function<void(const Outcome &)> done);

private:
    struct Download {
        QString recordName;
        QString attachmentName;
        qint64 expectedLength = -1;
        QString digest;
        QString revision; // empty: the current revision
    };

    AssetDownloader(CloudConnection *connection, const QString &assetDirectory, bool atDocumentRevision);
    void startNext();
    void finishIfIdle();

    QPointer<CloudConnection> m_connection;
    QString m_assetDirectory;
    QString m_displayUrl;
    bool m_atDocumentRevision = false;
    QList<Download> m_queue;
    int m_running = 0;
    Outcome m_outcome;
    std::function<void(const Outcome &)> m_done;
};
