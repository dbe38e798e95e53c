#pragma once

#include "ShareItem.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a search asks for, read from the text a user types in a search field or gives to
// `stashline list --search`. One parser for every caller:
//
//   words, "quoted phrases"   must all occur in the title, the content or the link's host,
//                              ignoring case (any script; a phrase keeps its spaces)
//   -word, -"phrase"          leaves out the items that hold it
//   is:fav                    favourites (also is:favorite, is:favourite)
//   is:note, is:link, is:picture   items of that kind; several kinds mean any of them
//   site:example.org          links to that host or a host under it ("www." and a scheme or
//                              path typed with it are dropped)
//   before:2026-12-01         created before that day; after:2026-12-01 created on it or later
//   -is:…, -site:…            the opposite filter; -before:D is after:D and -after:D before:D
//
// Filter names ignore case. Anything the parser does not know (an unknown filter, a date that is
// no ISO date, a lone "-") is searched as text, so parsing never fails. Any thread.
struct SearchQuery {
    QStringList terms;
    QStringList excludedTerms;
    std::optional<bool> favorite;
    QList<ShareItem::ContentKind> kinds;
    QList<ShareItem::ContentKind> excludedKinds;
    QStringList sites;         // lower case, without "www."
    QStringList excludedSites;
    QDate before; // created before the start of this day; invalid when not given
    QDate after;  // created at or after the start of this day; invalid when not given
    // Search the trash instead of the lists (the command line's --trash); no word sets it.
    bool inTrash = false;

    static SearchQuery parse(const QString &text);

    // `text` with a filter word a menu chose: the word is added at the end, or taken out when
    // the text holds it already (ignoring case). A date word replaces the text's date word of
    // the same kind (after:, before:). A word still to be completed ("site:", "-") is added
    // with no space after it, once.
    static QString withFilter(const QString &text, const QString &word);

    // Nothing to look for or filter by: every item matches.
    bool isEmpty() const;
    // The words and phrases a screen highlights in what it shows: the terms, longest first.
    QStringList highlightTerms() const;

    friend bool operator==(const SearchQuery &, const SearchQuery &) = default;
};
