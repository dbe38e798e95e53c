#pragma once

#include <QString>

#include <functional>

// Stops the process: writes "Fatal error: " and `message` as one line to standard error, shows
// that line to the user through the presenter when one is set and this is the main thread (the
// presenter returns once the user has read it), and aborts.
// For set-up failures the program cannot run without (an unloadable store, no group directory).
[[noreturn]] void fatalError(const QString &message);

// How fatalError shows its line on the desktop (a dialog); none by default, so tools, tests and
// headless runs stop at once. Set on the main thread.
void setFatalErrorPresenter(std::function<void(const QString &line)> presenter);

// Writes `line` to standard output and flushes it. The image store reports its errors this way.
void printLine(const QString &line);
