#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One request to Stashline from outside its window, and its answer: what a later launch hands to
// the running instance (show the window, open the panel, add the files and links a file manager
// sent) and the commands of the command line (add, list, copy, open).
//
// The request is typed everywhere; JSON is only its form on the single-instance socket, one
// object on one line each way. fromJson decodes that line once and checks it: an unknown command,
// an unknown field, a field of the wrong type or a request that cannot be carried out as it
// stands is refused with a sentence naming what is wrong, and nothing is carried out. Plain
// values; any thread.
struct StashRequest {
    enum class Kind { activate, panel, send, add, list, copy, open };
    // Which part of the list `list` prints: all of it, the older favourites, or the history.
    enum class Scope { all, favorites, history };

    Kind kind = Kind::activate;

    // add: a note or link (`text`), a picture file (`imagePath`, absolute) or what the clipboard
    // holds (`fromClipboard`), exactly one of them; the title may be empty.
    QString title;
    QString text;
    QString imagePath;
    bool fromClipboard = false;
    // add and send: every new item is a favourite.
    bool isFavorite = false;

    // send: absolute paths of files, and links as they were given.
    QStringList targets;

    // list
    Scope scope = Scope::all;
    bool asJson = false;

    // copy and open: an item's UUID or its number in `stashline list`.
    QString item;

    // What a target of send is (FILE|URL of a launch, or what a file manager hands over): a file
    // when it is a `file:` URL or the path of an existing file; else a link when it is one by the
    // one link rule (LinkFinder::link); else the path of a missing file.
    static std::optional<QUrl> linkTarget(const QString &target);
    // The path of a target that is no link: a `file:` URL's local path, or the target itself.
    static QString targetPath(const QString &target);

    static StashRequest ofKind(Kind kind);
    // "activate", "panel", "send", "add", "list", "copy" or "open".
    static QString commandName(Kind kind);

    // One line of compact JSON, ending in a newline.
    QByteArray toJson() const;

    struct Decoded;
    static Decoded fromJson(const QByteArray &line);

    bool operator==(const StashRequest &other) const = default;
};

struct StashRequest::Decoded {
    std::optional<StashRequest> request;
    QString error; // why the line is no request; empty when it is one
};

// The answer to a StashRequest, as the command line prints it: `output` to standard output,
// `error` to standard error, `exitCode` 0 done, 1 failed, 2 bad usage. copy also names the item it
// copied (`uuid`), so a helper can keep the copy alive.
struct StashReply {
    int exitCode = 0;
    QString output;
    QString error;
    QString uuid;

    static StashReply done(const QString &output) { return {0, output, {}, {}}; }
    static StashReply failed(const QString &error, int exitCode = 1) { return {exitCode, {}, error, {}}; }

    // One line of compact JSON, ending in a newline.
    QByteArray toJson() const;
    // None when `line` is no reply object.
    static std::optional<StashReply> fromJson(const QByteArray &line);

    bool operator==(const StashReply &other) const = default;
};
