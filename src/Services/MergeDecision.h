#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The one rule that decides what happens to an item when the cloud's copy of it is read: by a
// download, by the read-back after an upload lost a race, or when replication left several
// branches of its document. Pure: it looks at two states and returns one instruction; the
// caller acts on it.
//
// The rule, in order:
//  - A deletion wins, from either side: a cloud copy that is deleted removes the item; an item
//    marked for deletion here is sent as a deletion over whatever the cloud holds.
//  - A read that shows nothing new (the revision the item holds, with a picture it holds) or an
//    older revision of this database is skipped.
//  - A synced item has nothing to defend: the cloud's values win.
//  - An item with unsent changes keeps them only when they are later than the cloud's change
//    ("modifiedAt"); a cloud change at the same time or later wins. No time is earlier than any
//    time, and a time more than a day ahead of now counts as now.
//  - Several branches: the same rule chooses among all leaves (a deletion first, then the
//    latest change, then the highest revision, so every device chooses the same leaf), the
//    chosen state is compared with the item as above, and the result is written on the chosen
//    leaf's branch while the other leaves are deleted.
namespace MergeDecision {

struct LocalState {
    bool exists = false;
    bool hasUnsentChanges = false; // pending, syncing or failed
    bool isMarkedForDeletion = false;
    std::optional<QDateTime> modifiedAt;
    // The revision of this database whose values the item holds; empty when none is known (or
    // when the cloud refused a write over it: then the times alone decide).
    QString revision;
    QString pictureDigest; // of the picture the item holds as the cloud knows it; empty: none
};

// One revision of the document as the cloud holds it.
struct Leaf {
    QString revision;
    bool isDeleted = false; // a deletion record ("isDeleted" 1)
    std::optional<QDateTime> modifiedAt;
    QString pictureDigest;
};

struct CloudState {
    enum class Kind {
        nothing,   // no document: never written, or the database was made anew
        tombstone, // the document was deleted in the database
        record,    // one live leaf
    };
    Kind kind = Kind::nothing;
    QList<Leaf> leaves; // record: the server's current revision first, then conflicting leaves

    static CloudState none() { return {}; }
    static CloudState deleted() { return {Kind::tombstone, {}}; }
    static CloudState single(const Leaf &leaf) { return {Kind::record, {leaf}}; }
    static CloudState branches(const QList<Leaf> &leaves) { return {Kind::record, leaves}; }
    bool hasBranches() const { return leaves.size() > 1; }
};

enum class Action {
    applyCloud,    // take the chosen leaf's values (create the item when there is none)
    keepLocal,     // keep the item's values and send them over the chosen leaf's revision
    uploadAsNew,   // keep the item's values and write them as a new document
    deleteLocally, // remove the item (and its picture)
    skip,          // nothing to do: a read of what the item holds, an older one, or a deletion of an item not here
};

struct Decision {
    Action action = Action::skip;
    int chosenLeaf = 0;             // index into the cloud state's leaves
    bool settlesBranches = false;   // write the outcome on the chosen branch and delete the other leaves
    bool sendsPicture = false;      // keepLocal: the cloud does not hold the item's picture
};

// Which leaf wins among several: a deletion, then the latest change, then the highest revision.
int chooseLeaf(const QList<Leaf> &leaves, const QDateTime &now);

// The time a change counts as: none stays none, a time more than a day after `now` is `now`.
std::optional<QDateTime> effectiveTime(const std::optional<QDateTime> &time, const QDateTime &now);

// Whether revision `revision` is an older state of one document than `known` (a lower number
// before the dash); false when either cannot be read.
bool isOlderRevision(const QString &revision, const QString &known);

Decision decide(const LocalState &local, const CloudState &cloud, const QDateTime &now);

} // namespace MergeDecision
