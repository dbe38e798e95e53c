#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The command line of the one `stashline` executable: GNU-style options, the commands add,
// list, copy and open, and what a launch hands to the running instance (show the window, open
// the panel, add the files and links a file manager sent).
//
// A command is carried out by the running instance of the store's group directory when there is
// one (through SingleInstance), so the item appears at once and is uploaded; otherwise by this
// process on the store itself, under the instance lock, without a window: an added item is left
// pending and the next start of the app uploads it. Exit codes: 0 done, 1 failed (the reason on
// standard error), 2 bad usage.
namespace CommandLine {

struct Invocation {
    enum class Kind { launch, request, help, version, usageError };
    Kind kind = Kind::launch;
    // For a request, what to carry out; for a launch, what a running instance is asked to do
    // (SingleInstance::activationRequest(), "panel", or "send" with the files and links).
    QJsonObject request;
    QString usageError;
    bool readsStandardInput = false; // "add -"
    bool needsDesktop = false;       // the clipboard or the desktop's link handler
    bool holdsClipboard = false;     // "copy --hold": keep serving the copied item (internal)
};

// Reads the arguments (the program name first). Arguments that are not valid UTF-8 are a usage
// error; a single-dash option the launch understands (Qt's "-platform", "-UI_TESTING") means a
// launch.
Invocation parse(const QList<QByteArray> &arguments);

QString helpText();

// Carries out a request, help, version or usage error and returns the exit code; creates the
// application object it needs (a QGuiApplication only for the clipboard and links).
int run(const Invocation &invocation, int &argc, char **argv);

// Writes a reply of StashRequestHandler to standard output and standard error; its exit code.
int printReply(const QJsonObject &reply);

} // namespace CommandLine
