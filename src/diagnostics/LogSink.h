#pragma once

#include <QString>

#include <functional>

// Log levels of the system log. Fault is the most severe.
enum class LogLevel { Debug, Info, Default, Error, Fault };

// One composed log entry as the sink receives it.
struct LogEntry {
    QString subsystem;
    QString category;
    LogLevel level = LogLevel::Default;
    QString line;
};

// Writes log entries to the systemd journal when its socket exists, else to standard error.
// The journal entry carries the subsystem, category and level as fields of their own
// (STASHLINE_SUBSYSTEM, STASHLINE_CATEGORY, PRIORITY); standard error gets one line
// "<subsystem> <category> <level>: <line>". STASHLINE_LOG_SINK=stderr forces standard error.
// Any thread.
namespace LogSink {

void write(const LogEntry &entry);

// Text name of a level: "debug", "info", "default", "error", "fault".
QString levelName(LogLevel level);

// Routes every entry to `capture` instead of the system log, or back when it is empty.
// For tests; not thread-safe against concurrent writes.
void setCaptureForTesting(std::function<void(const LogEntry &)> capture);

} // namespace LogSink
