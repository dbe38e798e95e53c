#pragma once

#include "platform/cloud/CloudAccount.h"

#include <QObject>
#include <QPointer>

class QProcess;

// Starts (or reuses) the local cloud server in the user's data folder, through the cloud-server
// tool of Stashline's source folder, which creates the user's database and writes the account
// file (mode 0600, marked as the local server's). finished() comes once per start(): the account
// from that file, or a problem in the user's words (the account invalid). Main thread.
class LocalServerLauncher : public QObject
{
    Q_OBJECT
public:
    LocalServerLauncher(const QString &toolPath, const QString &accountFilePath, QObject *parent = nullptr);

    // Empty when a local server can start here, else what is missing.
    QString problem() const;
    bool isRunning() const { return !m_process.isNull(); }

    void start();
    // Stops a start in progress; finished() does not come.
    void cancel();

signals:
    void finished(const CloudAccount &account, const QString &problem);

private:
    void finish(const CloudAccount &account, const QString &problem);

    QString m_toolPath;
    QString m_accountFilePath;
    QPointer<QProcess> m_process;
};
