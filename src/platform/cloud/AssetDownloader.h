#pragma once

#include "platform/cloud/CloudAsset.h"
#include "platform/cloud/CloudError.h"

#include <QHash>
#include <QJsonObject>
#include <QList>

#include <functional>

class CloudConnection;

// Downloads the pictures of documents read without their attachment bytes (attachment stubs):
// each attachment an asset field names is fetched on its own (GET document/attachment) into a
// new file in the asset directory, at most concurrentDownloads at a time. Fetching pictures one
// by one beside a small document list is far cheaper for the server than one answer with every
// picture inline. A document whose download fails gets its error; its other files are removed.
// Worker thread only; `done` is called there once, after every download ended.
class AssetDownloader
{
public:
    static constexpr int concurrentDownloads = 4;

    struct Outcome {
        // Record name to its downloaded assets by attachment name; only records with downloads.
        QHash<QString, QHash<QString, CloudAsset>> assetsByRecord;
        QHash<QString, CloudError> errorsByRecord;
    };

    static void start(CloudConnection *connection, const QList<QJsonObject> &documents, const QString &assetDirectory,
                      std::function<void(const Outcome &)> done);
};
