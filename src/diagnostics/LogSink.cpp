#include "LogSink.h"

#include <QFile>

#include <cstdio>
#include <syslog.h>

#ifdef STASHLINE_HAVE_JOURNAL
#include <systemd/sd-journal.h>
#endif

namespace LogSink {
namespace {

std::function<void(const LogEntry &)> &capture()
{
    static std::function<void(const LogEntry &)> handler;
    return handler;
}

int syslogPriority(LogLevel level)
{
    switch (level) {
    case LogLevel::Debug:
        return LOG_DEBUG;
    case LogLevel::Info:
        return LOG_INFO;
    case LogLevel::Default:
        return LOG_NOTICE;
    case LogLevel::Error:
        return LOG_ERR;
    case LogLevel::Fault:
        return LOG_CRIT;
    }
    return LOG_NOTICE;
}

bool useJournal()
{
#ifdef STASHLINE_HAVE_JOURNAL
    static const bool journal = qEnvironmentVariable("STASHLINE_LOG_SINK") != QLatin1String("stderr")
                                && QFile::exists(QStringLiteral("/run/systemd/journal/socket"));
    return journal;
#else
    return false;
#endif
}

} // namespace

QString levelName(LogLevel level)
{
    switch (level) {
    case LogLevel::Debug:
        return QStringLiteral("debug");
    case LogLevel::Info:
        return QStringLiteral("info");
    case LogLevel::Default:
        return QStringLiteral("default");
    case LogLevel::Error:
        return QStringLiteral("error");
    case LogLevel::Fault:
        return QStringLiteral("fault");
    }
    return QStringLiteral("default");
}

void write(const LogEntry &entry)
{
    if (capture()) {
        capture()(entry);
        return;
    }
#ifdef STASHLINE_HAVE_JOURNAL
    if (useJournal()) {
        const QByteArray line = entry.line.toUtf8();
        const QByteArray subsystem = entry.subsystem.toUtf8();
        const QByteArray category = entry.category.toUtf8();
        const int result = sd_journal_send("MESSAGE=%s", line.constData(), "PRIORITY=%i",
                                           syslogPriority(entry.level), "STASHLINE_SUBSYSTEM=%s",
                                           subsystem.constData(), "STASHLINE_CATEGORY=%s",
                                           category.constData(), "SYSLOG_IDENTIFIER=%s",
                                           subsystem.constData(), nullptr);
        if (result >= 0)
            return;
    }
#else
    (void)syslogPriority;
    (void)useJournal;
#endif
    const QByteArray text = (entry.subsystem + QLatin1Char(' ') + entry.category + QLatin1Char(' ')
                             + levelName(entry.level) + QStringLiteral(": ") + entry.line + QLatin1Char('\n'))
                                .toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

void setCaptureForTesting(std::function<void(const LogEntry &)> handler)
{
    capture() = std::move(handler);
}

} // namespace LogSink
