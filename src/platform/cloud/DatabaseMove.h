#pragma once

#include "platform/cloud/CloudError.h"

#include <functional>
#include <optional>

class CloudConnection;

// Moves an encrypted account to a new database on the same server, for an account that may not
// compact its database: a new database holds none of the old, plain revisions, so moving there
// and deleting the old one removes them as compaction would. Steps, each safe to run again after
// a crash or a network failure (a later start() with the same target goes on from where one
// stopped):
//  1. Creates the target database (PUT); one that exists already (a move resumed) is fine.
//  2. Writes the key document into the target with its id and revision, without "movedTo"
//     (only while the source's key document does not point onward yet: once it does, the
//     target has it).
//  3. Copies every leaf of every document (design documents best effort) with its revision
//     history and its attachments inline, in bounded batches (_bulk_get with revs=true, then
//     _bulk_docs with new_edits=false), so a device that holds a revision can write over it in
//     the target as it did in the source. A plain leaf is never copied: the move stops with
//     `foundPlain` before the next step.
//  4. Writes "movedTo" into the source's key document: every other device stops writing there
//     and follows (EncryptionGate).
//  5. Copies what changed in the source since step 3, round after round, until a round finds
//     nothing and at least `graceMilliseconds` have passed since step 4: a device that read the
//     key document a moment before it pointed onward may still write one upload. Deletions are
//     not copied from here on: they may be step 6's, of a run cut short.
//  6. Erases every document of the source (DatabaseMaintenance::eraseDocuments).
//  7. Deletes the source (its old revisions go with it) and makes it again holding nothing but
//     the key document that points onward, so a device that comes back later still finds the
//     way. Where the account may not delete it, the source stays, erased, its key document
//     pointing onward; `sourceDeleted` is then false.
//
// The connection is the source's; the target is named relative to the same server root. Worker
// thread only; `done` is called there, once.
class DatabaseMove
{
public:
    struct Outcome {
        std::optional<CloudError> error;
        bool createRefused = false; // step 1 was refused: the account may not create databases
        bool sourceDeleted = false;
        bool foundPlain = false; // a plain leaf turned up (never copied): seal again, then move again
        int copied = 0; // leaves written into the target
    };
    using Completion = std::function<void(const Outcome &outcome)>;

    static constexpr int pageSize = 100;
    static constexpr int leavesPerRead = 10;
    static constexpr int maximumRounds = 50;

    static void start(CloudConnection *connection, const QString &target, int graceMilliseconds, Completion done);

    // A new database name beside `current`: `current`, a hyphen and six random lower-case
    // letters and digits, within the 238 characters a CouchDB name may have. Characters a name
    // may not have are left out; a name that does not start with a lower-case letter gets
    // "stashline-" in front.
    static QString newDatabaseName(const QString &current);
};
