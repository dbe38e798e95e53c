#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One request to Stashline from outside its window, and its answer: what a later launch hands to
// the running instance (show the window, open the panel, add the files and links a file manager
// sent) and the commands of the command line (add, list, copy, open, delete, restore, export,
// import).
//
// The request is typed everywhere; JSON is only its form on the single-instance socket, one
// object on one line each way. fromJson decodes that line once and checks it: an unknown command,
// an unknown field, a field of the wrong type or a request that cannot be carried out as it
// stands is refused with a sentence naming what is wrong, and nothing is carried out. Plain
// values; any thread.
struct StashRequest {
    // `trash` is the command "delete" (to the trash); `exportItems` and `importItems` are "export"
    // and "import".
    enum class Kind {
        activate, panel, send, add, list, copy, open, trash, restore, exportItems, importItems,
        // `stashline account ...`: the signed-in account and its encryption.
        accountStatus, accountSignIn, accountSignOut, accountEncrypt, accountUnlock, accountChangePassphrase
    };
    // Which part of the list `list` prints: all of it, the older favourites, the history, or the
    // trash (numbered on its own, most recently deleted first).
    enum class Scope { all, favorites, history, trash };

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

    // list; with `search`, only the items that match it (SearchQuery's words and filters).
    Scope scope = Scope::all;
    bool asJson = false;
    QString search;

    // copy, open and delete: an item's UUID or its number in `stashline list`; restore: its UUID
    // or its number in `stashline list --trash`.
    QString item;

    // export and import: the archive or file, absolute.
    QString path;

    // accountSignIn: the server's address, the user name and the database (empty: the usual
    // one). accountStatus also takes `asJson`.
    QString server;
    QString user;
    QString database;
    // accountSignIn: the password; accountEncrypt, accountUnlock, accountChangePassphrase: the
    // passphrase. Read from standard input, carried only on the user's own socket, never
    // printed or logged.
    QString secret;

    // Whether the request is one of `stashline account`.
    bool isAccountCommand() const { return kind >= Kind::accountStatus; }

    // What a target of send is (FILE|URL of a launch, or what a file manager hands over): a file
    // when it is a `file:` URL or the path of an existing file; else a link when it is one by the
    // one link rule (LinkFinder::link); else the path of a missing file.
    static std::optional<QUrl> linkTarget(const QString &target);
    // The path of a target that is no link: a `file:` URL's local path, or the target itself.
    static QString targetPath(const QString &target);

    static StashRequest ofKind(Kind kind);
    // "activate", "panel", "send", "add", "list", "copy", "open", "delete", "restore", "export",
    // "import" or "account-..." for the account commands.
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
