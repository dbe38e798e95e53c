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
// picture is fetched again by a later read. A document the database itself deleted comes as a
// tombstone record; a document replication left with several branches comes with its other
// leaves (CloudRecord::conflictingLeaves), read whole with their pictures. A page whose answer
// is larger than the connection reads is asked for again with half as many changes; a single
// change that is still too large comes as a record with the unreadable key "_document".
//
// Reads from the start when `since` is empty, when the database was deleted and made again
// since `since` was taken, and when the server refuses `since`. A database is known by its
// generation: a random name in the local document generationDocument, made by the first
// reader (where the account may not keep one, a checkpoint beyond the database's update
// sequence tells instead). Checkpoints name the generation and the sequence.
// Then `result` once: no error after the last page, or the error that stopped the read (pages
// already handed over stay handed over). Worker thread only; callbacks there.
class ChangesOperation
{
public:
    struct Page {
        QList<CloudRecord> records;
        QString checkpoint; // where the next read starts once this page is merged
        bool isComplete = true;
        // The read began from the start although a checkpoint was given: the database was made
        // anew, or refused the checkpoint. Revisions known from before may be another database's.
        bool isFromStart = false;
    };
    using PageCallback = std::function<void(const Page &page, std::function<void()> next)>;

    static constexpr int defaultPageSize = 500;
    static inline const QString generationDocument = QStringLiteral("_local/stashline-generation");

    static void start(CloudConnection *connection, const QString &recordType, const QString &since,
                      const QHash<QString, QString> &knownDigests, const QString &assetDirectory, int pageSize,
                      PageCallback page, CloudCallbacks::Result result);
};
