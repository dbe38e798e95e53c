#pragma once

#include "PassContext.h"

#include "platform/cloud/CloudError.h"
#include "platform/cloud/CloudRecord.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <mutex>
#include <optional>

class ShareItem;

// One upload: takes a bounded batch of the items that wait (pending and syncing ones and
// deletions first, then failed ones), sets them syncing, and writes one record each in one
// request, each over the cloud revision its item last held. Then every record is read back:
// an item becomes synced only when the cloud holds the very revision this pass wrote and the
// item has not changed since its record was built; only then does a deletion leave the store.
// A write that lost a race, or whose record moved on before it was read back, goes to the merge
// rule with the cloud's copy (RecordMerger::resolve). Failures end as failed items.
//
// Lives on the main thread as a child of the engine; cloud completions are re-posted there and
// dropped once the pass is gone (the engine abandons a pass by deleting it).
class UploadPass : public QObject
{
    Q_OBJECT
public:
    // At most this many items, and pictures of at most pictureBytesPerPass, go in one request.
    static constexpr int itemsPerPass = 500;
    static constexpr qint64 pictureBytesPerPass = qint64(32) * 1024 * 1024;

    struct Outcome {
        bool wroteAny = false;     // the cloud took at least one record
        bool confirmedAny = false; // at least one item became synced
        bool hadConflict = false;  // a write met another revision and went to the merge rule
        bool needsFollowUp = false; // items wait for another pass
        std::optional<CloudError> error; // what made the pass or some of its items fail
    };
    using Completion = std::function<void(const Outcome &outcome)>;

    UploadPass(const PassContext &context, QObject *parent);
    ~UploadPass() override;

    // Whether any item waits to go up (what start() would select).
    static bool hasWaitingItems(ManagedObjectContext &store);

    // Selects and sends; false (and no completion) when nothing waits or the store could not
    // be read or written. With `failure` (the key document could not be read), the selected
    // items end as if the write had failed with it, and nothing is sent.
    bool start(Completion completion, const std::optional<CloudError> &failure = std::nullopt);
    // After this many passes in a row ended in a conflict, items still waiting are marked failed;
    // returns them (deletions stay pending and are not among them).
    QList<QPointer<ShareItem>> markWaitingItemsFailed();

private:
    struct Entry {
        QPointer<ShareItem> item;
        qint64 builtFromChange = 0; // the item's change count when its record was built
        QString pictureDigest;      // of the picture the record carries, when it has one
        bool deletesBranches = false;
    };
    struct ReadBack;

    QList<ShareItem *> selectWaiting();
    void handleWriteResult(const QList<CloudRecord> &saved, const std::optional<CloudError> &error);
    void readBack(const QList<CloudRecordID> &ids);
    void evaluate(const ReadBack &answer, const QList<CloudRecordID> &ids);
    void finish();

    PassContext m_context;
    Completion m_completion;
    QHash<CloudRecordID, Entry> m_entries;
    QList<CloudRecordID> m_order;
    QHash<CloudRecordID, QString> m_writtenRevisions; // the revision each accepted write made
    Outcome m_outcome;
};
