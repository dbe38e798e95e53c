#pragma once

#include "diagnostics/LogSink.h"

#include <QLoggingCategory>
#include <QString>

#include <optional>
#include <source_location>

// The one logging facade: one line per event, under the application's subsystem and one of
// four categories, stamped with the caller's file name, line and function. Any thread.
//
// A line reads "[File.cpp:42][functionName(_:)] message", followed by
// " | ErrorDetail: <description>" when an error is given. Whether a level is written follows
// Qt's logging rules for the category "<subsystem>.<category>" (QT_LOGGING_RULES); debug is
// off unless enabled there.
class AppLogger
{
public:
    struct Logger {
        QString subsystem;
        QString category;
        QLoggingCategory *loggingCategory; // for the enabled levels; lives until exit
    };

    // The application's identifier ("com.quellmar.Stashline" when the organization domain is
    // set), else "com.app.Stashline".
    static const QString &subsystem();

    static const Logger &cloudKit(); // "CloudKitSync": every message of the system
    static const Logger &coreData(); // "CoreData"
    static const Logger &ui();       // "UI"
    static const Logger &general();  // "General"

    static void log(const Logger &logger, LogLevel level, const QString &message,
                    const std::optional<QString> &errorDescription = std::nullopt,
                    const std::source_location &location = std::source_location::current());

    static void debug(const Logger &logger, const QString &message,
                      const std::source_location &location = std::source_location::current());
    static void info(const Logger &logger, const QString &message,
                     const std::source_location &location = std::source_location::current());
    static void error(const Logger &logger, const QString &message, const std::optional<QString> &errorDescription,
                      const std::source_location &location = std::source_location::current());

    // The same with the function field given by the caller, for steps that report under the
    // operation they belong to (a completion of an upload logs as "uploadPendingItems()").
    static void logIn(const Logger &logger, LogLevel level, const QString &function, const QString &message,
                      const std::optional<QString> &errorDescription = std::nullopt,
                      const std::source_location &location = std::source_location::current());

    // The composed line, without the level or category.
    static QString composeLine(const QString &message, const std::optional<QString> &errorDescription,
                               const QString &file, const QString &function, int line);

    // The function's name with one "_:" per parameter, from a compiler's function signature:
    // "void CloudKitSyncManager::mergeDownloadedRecords(const QList<CloudRecord>&)" gives
    // "mergeDownloadedRecords(_:)"; a lambda reports the function it is written in.
    static QString functionName(const char *signature);

    static bool isEnabled(const Logger &logger, LogLevel level);
};
