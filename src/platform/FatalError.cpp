#include "FatalError.h"

#include <cstdio>
#include <cstdlib>

void fatalError(const QString &message)
{
    const QByteArray text = QStringLiteral("Fatal error: %1\n").arg(message).toUtf8();
    std::fflush(stdout);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
    std::abort();
}

void printLine(const QString &line)
{
    const QByteArray text = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}
