#pragma once

#include <QProcess>
#include <QString>

// A session bus of the test's own: a dbus-daemon on a private address, stopped with this
// object. scripts/setup installs dbus-daemon.
class PrivateSessionBus
{
public:
    ~PrivateSessionBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // Starts the daemon; the bus address, or empty when it could not start.
    QString start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
            return {};
        return QString::fromLatin1(m_daemon.readLine().trimmed());
    }

private:
    QProcess m_daemon;
};
