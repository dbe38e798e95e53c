#pragma once

#include "Calendar.h"

#include "platform/ManagedObjectContext.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class ShareItem;

// The whole list in the screens' order, for `stashline list` and item numbers: the recent days,
// the older favourites, then the history days, numbered from 1. The recent items come from the
// context (changes not yet saved included); the older ones are read from the store one row at a
// time and never held, so listing a hundred thousand items costs one row's memory. Main thread.
namespace ShareListing {

struct Entry {
    int number = 0;
    QString group;   // "recent", "favorites" or "history"
    QString section; // the section's title
    const ShareItem &item; // valid during the call only
    ShareItem *heldObject; // the context's object when it holds one, else null
};

// Calls `visit` for each item in order until it returns false. Returns the error of a failed
// read (the entries visited before it stand).
std::optional<StoreError> forEach(ManagedObjectContext &context, const Calendar &calendar, const QDateTime &now,
                                  const std::function<bool(const Entry &)> &visit);

// The item numbered `number`, as an object of the context; null when there is none.
ShareItem *item(ManagedObjectContext &context, const Calendar &calendar, const QDateTime &now, int number);

// The trash as `stashline list --trash` shows it, numbered on its own from 1, the most recently
// deleted first, in one section (group "trash"). The trash is small; it is read whole.
std::optional<StoreError> forEachTrashed(ManagedObjectContext &context, const std::function<bool(const Entry &)> &visit);

} // namespace ShareListing
