#include "LocalServerLauncher.h"

#include "diagnostics/AppLogger.h"
#include "platform/cloud/CloudError.h"
#include "platform/cloud/SignInOperation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString notStarted()
{
    return CloudError::localized("account.localServer.failed", "The local server did not start.");
}

} // namespace

LocalServerLauncher::LocalServerLauncher(const QString &toolPath, const QString &accountFilePath, QObject *parent)
    : QObject(parent), m_toolPath(toolPath), m_accountFilePath(accountFilePath)
{
}

QString LocalServerLauncher::problem() const
{
    const QFileInfo tool(m_toolPath);
    const bool installed = tool.isExecutable() && QFileInfo::exists(tool.absolutePath() + QStringLiteral("/node_modules"));
    if (installed && !QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        return {};
    return CloudError::localized("account.localServer.missing",
                                 "A local server needs the cloud-server tool of Stashline's source folder (with its Node.js "
                                 "packages) and Node.js, which this installation does not have.");
}

void LocalServerLauncher::start()
{
    if (isRunning())
        return;
    if (const QString missing = problem(); !missing.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, missing] { emit finished(CloudAccount(), missing); }, Qt::QueuedConnection);
        return;
    }
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    m_process = new QProcess(this);
    m_process->setProgram(m_toolPath);
    m_process->setArguments({QStringLiteral("start"), QStringLiteral("--dir"), dataHome + QStringLiteral("/Stashline/cloud-server"),
                             QStringLiteral("--database"), SignInOperation::defaultDatabaseName, QStringLiteral("--account-file"),
                             m_accountFilePath});
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const QByteArray errors = m_process->readAllStandardError();
        const CloudAccount account = CloudAccount::fromFile(m_accountFilePath);
        if (status != QProcess::NormalExit || exitCode != 0 || !account.isValid()) {
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The local server did not start"), QString::fromLocal8Bit(errors).trimmed());
            finish(CloudAccount(), notStarted());
            return;
        }
        finish(account, {});
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(CloudAccount(), notStarted());
    });
    m_process->start();
}

void LocalServerLauncher::cancel()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->deleteLater();
    m_process = nullptr;
}

void LocalServerLauncher::finish(const CloudAccount &account, const QString &problemText)
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    emit finished(account, problemText);
}
