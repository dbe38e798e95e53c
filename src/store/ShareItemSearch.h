#pragma once

#include "SearchQuery.h"

#include "platform/ManagedObjectContext.h"

#include <QDateTime>
#include <QList>
#include <QTimeZone>

#include <optional>

class SqliteDatabase;

// Full-text search over every item of the store.
//
// The store keeps an SQLite FTS5 table over each item's title, content and link host with the
// trigram tokenizer, so any run of three or more characters is found in any script (Chinese,
// Japanese and Korean words included), ignoring case. Triggers on the item table keep it in
// step inside the transaction of every write (an insert, an edit, a deletion, a downloaded
// change, a migration), so it can never disagree with the items, also after a crash. It is
// contentless: it keeps only the index, and the triggers remove a row by giving back the values
// it was indexed with, which they read from the item row itself.
//
// A search word of one or two characters cannot be found by trigrams; it is looked for by a
// scan of the titles and contents instead. Main thread (the store's).
namespace ShareItemSearch {

// One item a search found, read without loading the item.
struct Hit {
    qint64 rowId = 0;
    QDateTime createdAt; // invalid when the item has none
    bool isFavorite = false;
    // Lower ranks first: the searched words weighted by the columns they are in, the title most,
    // so a title match comes before a match in the content. 0 when the query has no text.
    double rank = 0;
};

struct Result {
    QList<Hit> hits; // in no particular order
    std::optional<StoreError> error;
};

// The live items (not marked for deletion, and out of the trash unless the query asks for the
// trash) that match `query`, as the store holds them (changes not yet saved are not seen). Dates
// of before: and after: are days in `timeZone`; an item without a creation date counts as created
// at `now`. An empty query matches every live item.
Result run(ManagedObjectContext &context, const SearchQuery &query, const QTimeZone &timeZone, const QDateTime &now);

// Installs the SQL functions searches use on a connection to the store; every container the
// store opens calls it once.
std::optional<QString> installFunctions(SqliteDatabase &database);

// The store layout step that builds the index for the items already stored and installs the
// triggers that keep it in step.
StoreMigration indexMigration(int version);

// The store layout step that lets a search read its filters (the group, the kind, the trash, the
// date) from indexes instead of the items.
StoreMigration filterIndexMigration(int version);

} // namespace ShareItemSearch
