#pragma once

#include "platform/cloud/CloudCallbacks.h"

#include <QHash>

class CloudConnection;

// One read of what changed in the database since a checkpoint (GET _changes with `since`,
// include_docs, attachments as stubs), in pages of at most `pageSize` changes, so any number of
// changes never sits in memory at once. Each page's records of `recordType` have their pictures
// downloaded first (except those whose digest `knownDigests` holds for their record name),
// then the page goes to `page` with the checkpoint after it; the next page is asked for only
// when the receiver calls `next` (from any thread). A record whose picture failed to download
// comes as a stub asset and the page as incomplete: its checkpoint must not be kept, so the
// picture is fetched again by a later read. Documents the database itself deleted are skipped.
//
// Reads from the start when `since` is empty, when the database's update sequence is behind
// `since` (the database was deleted and made again), and when the server refuses `since`.
// Then `result` once: no error after the last page, or the error that stopped the read (pages
// already handed over stay handed over). Worker thread only; callbacks there.
class ChangesOperation
{
public:
    struct Page {
        QList<CloudRecord> records;
        QString checkpoint; // where the next read starts once this page is merged
        bool isComplete = true;
        bool isFromStart = false; // the read began from the start although a checkpoint was given
    };
    using PageCallback = std::function<void(const Page &page, std::function<void()> next)>;

    static constexpr int defaultPageSize = 500;

    static void start(CloudConnection *connection, const QString &recordType, const QString &since,
                      const QHash<QString, QString> &knownDigests, const QString &assetDirectory, int pageSize,
                      PageCallback page, CloudCallbacks::Result result);
};
