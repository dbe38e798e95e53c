#pragma once

#include "StashRequest.h"

#include <QString>

#include <cstdio>
#include <functional>
#include <optional>

// The command line of the one `stashline` executable: GNU-style options, the commands add,
// list, copy and open, and what a launch hands to the running instance (show the window, open
// the panel, add the files and links a file manager sent).
//
// A command is carried out by the running instance of the store's group directory when there is
// one (through SingleInstance), so the item appears at once and is uploaded; otherwise by this
// process on the store itself, under the instance lock, without a window: an added item is left
// pending and the next start of the app uploads it. Both go through StashRequestRouter. Exit
// codes: 0 done, 1 failed (the reason on standard error), 2 bad usage. Help, usage errors and
// every answer are in the user's language.
class QCommandLineParser;

namespace CommandLine {

struct Invocation {
    enum class Kind { launch, request, help, version, usageError };
    Kind kind = Kind::launch;
    // For a request, what to carry out; for a launch, what a running instance is asked to do
    // (activate, panel, or send with the files and links).
    StashRequest request;
    // For a usage error, the message; called once the translations are installed.
    std::function<QString()> usageError;
    bool readsStandardInput = false; // "add -"
    bool holdsClipboard = false;     // "copy --hold": keep serving the copied item (internal)
};

// Parses one command's options (`arguments` start with the command's name); the invocation it
// ends in when they do not fit or ask for help, none when they fit.
std::optional<Invocation> parseCommand(QCommandLineParser &parser, const QStringList &arguments);
Invocation usageError(std::function<QString()> message);
Invocation request(const StashRequest &stashRequest);

// Writes `text` to `stream`, escaped where the stream is a terminal and `raw` is false.
void write(std::FILE *stream, const QString &text, bool raw = false);

// Reads the arguments (the program name first). Arguments that are not valid UTF-8 are a usage
// error; an argument keeps a leading U+FEFF (it is text, not an encoding signature). A
// single-dash option the launch understands (Qt's "-platform", "-UI_TESTING") means a launch.
Invocation parse(const QList<QByteArray> &arguments);

QString helpText();

// Carries out a request, help, version or usage error and returns the exit code; creates the
// application object it needs (a QGuiApplication only for the clipboard and links).
int run(const Invocation &invocation, int &argc, char **argv);

// Writes a reply to standard output and standard error; its exit code. What goes to a terminal
// shows control and invisible format characters escaped (visible()), except `rawOutput`
// (JSON, which escapes them itself).
int printReply(const StashReply &reply, bool rawOutput = false);

// What a second launch prints: that the running window came to the front, or the answer to the
// request it handed over. The exit code.
int printHandOver(const StashRequest &request, const std::optional<StashReply> &reply);

// `text` with every character a terminal would obey or hide shown as an escape: C0 and C1
// controls but line feed and tab ("\x1B", "\u009B"), and invisible format characters such as
// bidirectional overrides, zero-width spaces and U+FEFF ("\u202E"), but for the joiners that
// emoji and some scripts need.
QString visible(const QString &text);

} // namespace CommandLine
