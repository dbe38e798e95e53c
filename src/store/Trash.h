#pragma once

#include "platform/ManagedObjectContext.h"

#include <QDateTime>
#include <QList>

class ShareItem;

// The trash: where a deleted item waits before it is removed for good.
//
// Moving an item to the trash and restoring it are ordinary local changes (the time it went to
// the trash is set or cleared and the item is stamped changed), so they sync like an edit and
// the later change wins on every device. Removing an item for good is the soft deletion the sync
// engine carries out end to end: the item is marked for deletion, uploaded as a deletion and
// removed here once the cloud has confirmed it; a deletion always wins. Delete Now, Empty Trash
// and the expiry after keepDays days all end there.
//
// Nothing here saves; callers save the context. Main thread (the context's).
namespace Trash {

// How long an item stays in the trash before any device removes it for good.
inline constexpr int keepDays = 30;

// Moves `item` to the trash at `now`; an item already there keeps its time.
void moveToTrash(ShareItem &item, const QDateTime &now);
// Takes `item` out of the trash, back into the list it came from.
void restore(ShareItem &item, const QDateTime &now);
// Removes `item` for good through the soft deletion.
void deleteForGood(ShareItem &item, const QDateTime &now);

// The items in the trash, the most recently trashed first.
QList<ShareItem *> items(ManagedObjectContext &context, std::optional<StoreError> *error = nullptr);

// Removes for good every item that went to the trash more than keepDays days before `now`.
// Returns how many it marked.
int deleteExpired(ManagedObjectContext &context, const QDateTime &now);

} // namespace Trash
