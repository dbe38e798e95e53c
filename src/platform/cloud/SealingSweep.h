#pragma once

#include "platform/cloud/CloudError.h"
#include "platform/crypto/SecretKey.h"

#include <QJsonObject>

#include <functional>
#include <optional>

class CloudConnection;

// Seals what is still plain in the database, whoever wrote it: every live leaf of every document
// (the current revision and the branches replication left) is written again in its sealed form
// (SealedDocument::seal) over its own revision, its attachments sealed with it; a deleted leaf
// that still carries fields is written again as a bare deletion. Documents of every type are
// sealed alike, except design documents and the key document.
//
// It reads the whole change feed (style=all_docs, so every leaf is seen, deleted documents
// included) in pages, and goes round again until a round finds nothing plain. A device that
// read the key document's absence a moment before it was made may still write a plain record
// after that, so the last round starts no sooner than `graceMilliseconds` after the sweep began.
// Old revisions keep their plain bodies until the database is compacted (DatabaseMaintenance).
//
// Worker thread only; `done` is called there, once: the documents sealed, or the error that
// stopped the sweep (what was written stays written; a later sweep goes on from there).
class SealingSweep
{
public:
    struct Outcome {
        int sealed = 0; // leaves written sealed (or as bare deletions)
        int rounds = 0;
        std::optional<CloudError> error;
    };

    static constexpr int pageSize = 100;
    static constexpr int maximumRounds = 50;
    static constexpr qint64 batchBytes = qint64(8) * 1024 * 1024;

    static void start(CloudConnection *connection, const QString &keyID, const SecretKey &key, int graceMilliseconds,
                      std::function<void(const Outcome &)> done);

    // Whether a leaf holds anything that must not stay readable: a live leaf that is not sealed,
    // or a deletion that carries fields.
    static bool isPlain(const QJsonObject &leaf);
};
