#include "AppLogger.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QStringList>

namespace {

QString applicationIdentifier()
{
    const QString domain = QCoreApplication::organizationDomain();
    const QString name = QCoreApplication::applicationName();
    if (domain.isEmpty() || name.isEmpty())
        return {};
    QStringList parts = domain.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    std::reverse(parts.begin(), parts.end());
    return parts.join(QLatin1Char('.')) + QLatin1Char('.') + name;
}

AppLogger::Logger makeLogger(const char *category)
{
    const QString subsystem = AppLogger::subsystem();
    // QLoggingCategory keeps the pointer to its name: the bytes must live as long as it does.
    auto *name = new QByteArray((subsystem + QLatin1Char('.') + QLatin1String(category)).toUtf8());
    auto *loggingCategory = new QLoggingCategory(name->constData(), QtInfoMsg);
    return AppLogger::Logger{subsystem, QLatin1String(category), loggingCategory};
}

} // namespace

const QString &AppLogger::subsystem()
{
    static const QString value = [] {
        const QString identifier = applicationIdentifier();
        return identifier.isEmpty() ? QStringLiteral("com.app.Stashline") : identifier;
    }();
    return value;
}

const AppLogger::Logger &AppLogger::cloudKit()
{
    static const Logger logger = makeLogger("CloudKitSync");
    return logger;
}

const AppLogger::Logger &AppLogger::coreData()
{
    static const Logger logger = makeLogger("CoreData");
    return logger;
}

const AppLogger::Logger &AppLogger::ui()
{
    static const Logger logger = makeLogger("UI");
    return logger;
}

const AppLogger::Logger &AppLogger::general()
{
    static const Logger logger = makeLogger("General");
    return logger;
}

bool AppLogger::isEnabled(const Logger &logger, LogLevel level)
{
    switch (level) {
    case LogLevel::Debug:
        return logger.loggingCategory->isDebugEnabled();
    case LogLevel::Info:
    case LogLevel::Default:
        return logger.loggingCategory->isInfoEnabled();
    case LogLevel::Error:
        return logger.loggingCategory->isWarningEnabled();
    case LogLevel::Fault:
        return logger.loggingCategory->isCriticalEnabled();
    }
    return true;
}

QString AppLogger::composeLine(const QString &message, const std::optional<QString> &errorDescription,
                               const QString &file, const QString &function, int line)
{
    QString composed = QLatin1Char('[') + file.section(QLatin1Char('/'), -1) + QLatin1Char(':')
                       + QString::number(line) + QStringLiteral("][") + function + QStringLiteral("] ") + message;
    if (errorDescription)
        composed += QStringLiteral(" | ErrorDetail: ") + *errorDescription;
    return composed;
}

QString AppLogger::functionName(const char *signature)
{
    const QString text = QString::fromUtf8(signature);
    // The function's own parameter list is the first '(' outside template brackets.
    int angle = 0;
    qsizetype open = -1;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (character == QLatin1Char('<'))
            ++angle;
        else if (character == QLatin1Char('>'))
            --angle;
        else if (character == QLatin1Char('(') && angle == 0) {
            open = index;
            break;
        }
    }
    if (open < 0)
        return text;
    qsizetype nameStart = open;
    while (nameStart > 0 && !text.at(nameStart - 1).isSpace() && text.at(nameStart - 1) != QLatin1Char(':')
           && text.at(nameStart - 1) != QLatin1Char('*') && text.at(nameStart - 1) != QLatin1Char('&'))
        --nameStart;
    const QString name = text.mid(nameStart, open - nameStart);

    int depth = 0;
    int parameters = 0;
    bool sawParameterText = false;
    for (qsizetype index = open + 1; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (character == QLatin1Char('(') || character == QLatin1Char('<')) {
            ++depth;
        } else if (character == QLatin1Char(')') || character == QLatin1Char('>')) {
            if (depth == 0)
                break;
            --depth;
        } else if (character == QLatin1Char(',') && depth == 0) {
            ++parameters;
            continue;
        }
        if (!character.isSpace())
            sawParameterText = true;
    }
    const QString parameterText = text.mid(open + 1).section(QLatin1Char(')'), 0, 0).trimmed();
    if (sawParameterText && parameterText != QLatin1String("void"))
        ++parameters;
    return name + QLatin1Char('(') + QStringLiteral("_:").repeated(parameters) + QLatin1Char(')');
}

void AppLogger::log(const Logger &logger, LogLevel level, const QString &message,
                    const std::optional<QString> &errorDescription, const std::source_location &location)
{
    if (!isEnabled(logger, level))
        return;
    LogSink::write(LogEntry{logger.subsystem, logger.category, level,
                            composeLine(message, errorDescription, QString::fromUtf8(location.file_name()),
                                        functionName(location.function_name()), int(location.line()))});
}

void AppLogger::logIn(const Logger &logger, LogLevel level, const QString &function, const QString &message,
                      const std::optional<QString> &errorDescription, const std::source_location &location)
{
    if (!isEnabled(logger, level))
        return;
    LogSink::write(LogEntry{logger.subsystem, logger.category, level,
                            composeLine(message, errorDescription, QString::fromUtf8(location.file_name()), function,
                                        int(location.line()))});
}

void AppLogger::debug(const Logger &logger, const QString &message, const std::source_location &location)
{
    log(logger, LogLevel::Debug, message, std::nullopt, location);
}

void AppLogger::info(const Logger &logger, const QString &message, const std::source_location &location)
{
    log(logger, LogLevel::Info, message, std::nullopt, location);
}

void AppLogger::error(const Logger &logger, const QString &message, const std::optional<QString> &errorDescription,
                      const std::source_location &location)
{
    log(logger, LogLevel::Error, message, errorDescription, location);
}
