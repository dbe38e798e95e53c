#pragma once

#include <QString>

// Stops the process: writes `message` as one line to standard error and aborts.
// For set-up failures the program cannot run without (an unloadable store, no group directory).
[[noreturn]] void fatalError(const QString &message);

// Writes `line` to standard output and flushes it. The image store reports its errors this way.
void printLine(const QString &line);
