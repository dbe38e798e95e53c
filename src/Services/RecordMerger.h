#pragma once

#include "platform/cloud/CloudRecord.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <optional>

class ManagedObjectContext;
class PictureFiles;
class ShareItem;

// Carries out the merge rule (MergeDecision) on the store: finds the item a cloud record
// belongs to, asks the rule what to do, and does it: applies the cloud's values (moving a
// downloaded picture in), keeps the item's values for the next upload over the cloud's
// revision, writes it as a new document, or removes it. Branches to settle are remembered as
// the leaf revisions the item's next upload deletes. Records that were misread (see
// ShareItemRecord::readProblem) change nothing and count as not held; one that was sealed and
// did not open (tampered, moved, or under another key) also marks its item failed, never
// deleting it. Does not save. Main thread.
class RecordMerger
{
public:
    struct Result {
        bool needsUpload = false; // the item waits to go up: a kept change, or branches to settle
        bool isMisread = false;   // nothing was applied; the record must be read again
        bool holdsPicture = true; // false: the record's picture did not come
        bool isUnopened = false;  // a sealed record that did not open: its item is marked failed
    };

    RecordMerger(ManagedObjectContext &context, PictureFiles &pictures);

    // A record of the change feed, or a tombstone: merged into the item of its "uuid" (created
    // when the store has none).
    Result mergeDownloaded(const CloudRecord &record, const QDateTime &now);
    // `item`'s write did not hold: `cloudCopy` is what the cloud holds now (none: no document).
    Result resolve(ShareItem *item, const std::optional<CloudRecord> &cloudCopy, const QDateTime &now);

    // The leaf revisions the next upload of `recordName` deletes, to settle its branches.
    QStringList revisionsToDelete(const QString &recordName) const { return m_revisionsToDelete.value(recordName); }
    // Called once those were written.
    void branchesSettled(const QString &recordName) { m_revisionsToDelete.remove(recordName); }
    void forgetBranches() { m_revisionsToDelete.clear(); }

    // The latest change time of the records merged since the last call; invalid when none.
    QDateTime takeLatestChangeSeen();

private:
    Result act(ShareItem *item, const CloudRecord *record, const QDateTime &now, bool wasRefused);

    ManagedObjectContext &m_context;
    PictureFiles &m_pictures;
    QHash<QString, QStringList> m_revisionsToDelete;
    QDateTime m_latestChangeSeen;
};
