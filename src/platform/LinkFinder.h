#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// Link finding and URL parsing for text the user typed.
namespace LinkFinder {

struct Match {
    QUrl url;
    qsizetype start = 0;  // index of the first UTF-16 code unit of the match in the text
    qsizetype length = 0; // number of UTF-16 code units matched
};

// The first web link in `text`: an absolute address with a web scheme ("https://example.com/a",
// "ftp://host") or a bare host name with a known top-level domain ("example.com/path",
// "www.example.org"), which is given the "http" scheme. Trailing sentence punctuation and an
// unbalanced closing bracket are not part of the match. None when the text holds no link.
std::optional<Match> firstMatch(const QString &text);

// Parses `text` as a URL reference: absolute ("https://a.b/c") or relative ("notes", "a/b?c").
// Refuses empty text and text with white space or characters that are never allowed in a
// URL ('<', '>', '"', '{', '}', '|', '\\', '^', '`').
std::optional<QUrl> parseUrl(const QString &text);

// The one rule for what counts as a link, wherever text comes from (the add sheet, the edit page,
// the command line, a file manager): the whole text parses as a URL (parseUrl) that has a
// scheme ("https://example.com", "mailto:a@b.c"). None for anything else, such as "example.com",
// a path, or a sentence holding a link.
std::optional<QUrl> link(const QString &text);

} // namespace LinkFinder
