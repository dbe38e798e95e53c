#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <csignal>

#include <sys/prctl.h>

// A session bus of the test's own: a dbus-daemon on a private address, stopped with this
// object. It starts no service by itself (no service directories), so a portal or keyring
// installed on the machine never answers in place of the test's stand-ins. scripts/setup
// installs dbus-daemon. The daemon also ends with the test process, even one that crashed.
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
        QFile config(m_directory.filePath(QStringLiteral("session.conf")));
        if (!m_directory.isValid() || !config.open(QIODevice::WriteOnly))
            return {};
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                     " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:dir=" + m_directory.path().toUtf8() + "</listen>"
                     "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config.fileName(),
                                                       QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
            return {};
        return QString::fromLatin1(m_daemon.readLine().trimmed());
    }

private:
    QTemporaryDir m_directory;
    QProcess m_daemon;
};
