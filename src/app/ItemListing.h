#pragma once

#include "StashRequest.h"

#include "model/Calendar.h"

#include <QDateTime>

class ManagedObjectContext;
class ShareItem;

// The list as `stashline list` shows it: the recent days, the older favourites, then the
// history, as the screens group them, numbered from 1 over the whole list so that a number is
// the same in every scope and in every search. Reads the store through ShareListing one row at
// a time (the recent days from the context, with changes not yet saved), so listing a hundred
// thousand items holds one row and the text it prints. Main thread.
class ItemListing
{
public:
    ItemListing(ManagedObjectContext &context, const Calendar &calendar, const QDateTime &now);

    // The answer to `list`: one heading a section and one line an item (its number, a star for a
    // favourite, the kind, the sync state, title and content cut to one line), or with `asJson`
    // a JSON array of objects (index, uuid, title, content, kind, favorite, created, syncStatus,
    // group "recent", "favorites" or "history", section). With a search, only the items that
    // match it, the best match first in each section; none matching ends with exit code 1 and
    // "No items match “…”". The trash scope lists the trash alone, numbered on its own, with the
    // time each item was deleted ("trashed" in JSON). User text is printed as it is;
    // CommandLine::visible escapes what a terminal would obey.
    StashReply list(const StashRequest &request) const;

    // The item numbered `number`, as an object of the context; null when there is none, and then
    // `count` holds the number of items.
    ShareItem *item(int number, int *count) const;
    // The same for the numbers of `list --trash`.
    ShareItem *trashedItem(int number, int *count) const;

private:
    ManagedObjectContext &m_context;
    Calendar m_calendar;
    QDateTime m_now;
};
