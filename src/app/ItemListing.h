#pragma once

#include "StashRequest.h"

#include <QList>
#include <QString>

class ShareItem;
class ShareListViewModel;

// The list as `stashline list` shows it: the recent days, the older favourites, then the
// history, as the screens group them, numbered from 1 over the whole list so that a number is
// the same in every scope. Reads the model's sections as they are (the caller loads the model).
// Main thread.
class ItemListing
{
public:
    explicit ItemListing(const ShareListViewModel &model);

    int count() const { return int(m_entries.size()); }
    // The item numbered `number`; null when there is none.
    ShareItem *item(int number) const;

    // One heading a section and one line an item: its number, a star for a favourite, the kind,
    // the sync state and title and content cut to one line. User text is printed as it is;
    // CommandLine::visible escapes what a terminal would obey.
    QString text(StashRequest::Scope scope) const;
    // A JSON array of objects: index, uuid, title, content, kind, favorite, created, syncStatus,
    // group ("recent", "favorites", "history") and section.
    QString json(StashRequest::Scope scope) const;

private:
    struct Entry {
        QString group;   // "recent", "favorites" or "history"
        QString section; // the section's title
        ShareItem *item;
    };
    static bool isInScope(const Entry &entry, StashRequest::Scope scope);

    QList<Entry> m_entries;
};
