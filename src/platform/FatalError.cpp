#include "FatalError.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

std::function<void(const QString &)> &presenter()
{
    static std::function<void(const QString &)> instance;
    return instance;
}

} // namespace

void setFatalErrorPresenter(std::function<void(const QString &line)> show)
{
    presenter() = std::move(show);
}

void fatalError(const QString &message)
{
    const QString line = QStringLiteral("Fatal error: %1").arg(message);
    const QByteArray text = (line + QLatin1Char('\n')).toUtf8();
    std::fflush(stdout);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
    // Taken out before it runs: a second fatal error while the first is shown stops at once.
    const std::function<void(const QString &)> show = std::exchange(presenter(), {});
    const QCoreApplication *application = QCoreApplication::instance();
    if (show && application && QThread::currentThread() == application->thread())
        show(line);
    std::abort();
}

void printLine(const QString &line)
{
    const QByteArray text = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}
