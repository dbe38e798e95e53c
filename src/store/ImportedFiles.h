#pragma once

#include "ArchivedItem.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Items made from files of other programs: a browser's bookmarks export and plain text or
// Markdown notes. Each item gets a uuid made from what it holds (a name-based UUID), so the same
// file imported twice names the same items and adds nothing the second time. Pure functions.
namespace ImportedFiles {

// Whether `text` is a bookmarks export in the Netscape bookmark file format that browsers write.
bool looksLikeBookmarks(const QString &text);

// One link item per bookmark: the link as content, its title (the link when it has none), and,
// for a bookmark inside folders, the folder names before the title ("Travel › Japan › Kyoto"),
// so the folders can still be searched for. Its creation time is the bookmark's ADD_DATE, its
// change time LAST_MODIFIED (else ADD_DATE); `now` stands in for a bookmark without either.
// Entities and numeric character references are decoded; bookmarks that are no web address
// (javascript:, place:) are left out.
QList<ArchivedItem> bookmarks(const QString &html, const QDateTime &now);

// One note: the whole text as content; the title is a Markdown file's first heading, else the
// first line when it is short, else the file name without its extension. Created and changed at
// `modified` (the file's time).
ArchivedItem note(const QString &fileName, const QString &text, const QDateTime &modified);

} // namespace ImportedFiles
