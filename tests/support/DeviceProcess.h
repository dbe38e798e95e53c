#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A headless app process (the stashline-device driver) with a group directory of its own: one
// command a line in, one answer a line out. While it waits for an answer the caller's event
// loop keeps running, so a proxy living in the caller keeps moving bytes.
class DeviceProcess
{
public:
    explicit DeviceProcess(const QString &executable) : m_executable(executable) {}
    ~DeviceProcess()
    {
        if (m_process.state() != QProcess::NotRunning && m_process.write("quit\n") > 0)
            static_cast<void>(QTest::qWaitFor([this] { return m_process.state() == QProcess::NotRunning; }, 5000));
        if (QTest::currentTestFailed())
            printLog();
    }

    // Prints the end of what the device logged, as a warning.
    void printLog() const
    {
        QFile log(logPath());
        if (log.open(QIODevice::ReadOnly))
            qWarning().noquote() << "log of the device in" << m_group.path() << ":\n" << log.readAll().right(20000);
    }

    // Starts it signed in to `databaseUrl`; true once it follows the change feed.
    bool start(const QString &databaseUrl)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XCTestConfigurationFilePath"));
        environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), m_group.path());
        environment.insert(QStringLiteral("STASHLINE_CLOUD_URL"), databaseUrl);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("STASHLINE_LOG_SINK"), QStringLiteral("stderr"));
        // No session bus: a data key goes to the device's own folder, never to the user's keyring.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        m_process.setProcessEnvironment(environment);
        m_process.setStandardErrorFile(logPath(), QIODevice::Append);
        m_process.start(m_executable, {});
        return m_process.waitForStarted(10000) && QTest::qWaitFor([this] { return command("ready") == "yes"; }, 30000);
    }

    QByteArray command(const QByteArray &line)
    {
        m_process.write(line + '\n');
        static_cast<void>(QTest::qWaitFor([this] { return m_process.canReadLine() || m_process.state() != QProcess::Running; }, 30000));
        return m_process.readLine().trimmed();
    }
    QJsonArray dump() { return QJsonDocument::fromJson(command("dump")).array(); }
    QJsonObject item(const QString &title)
    {
        const QJsonArray items = dump();
        const auto found = std::find_if(items.begin(), items.end(),
                                        [&title](const QJsonValue &value) { return value["title"] == title; });
        return found == items.end() ? QJsonObject() : found->toObject();
    }
    int status(const QString &title) { return item(title)[QStringLiteral("status")].toInt(); }
    // The title of the item with `uuid` (any case); empty when there is none.
    QString titleOf(const QString &uuid)
    {
        for (const QJsonValue &value : dump()) {
            if (value["uuid"].toString().compare(uuid, Qt::CaseInsensitive) == 0)
                return value["title"].toString();
        }
        return {};
    }
    qsizetype count(int wanted)
    {
        const QJsonArray items = dump();
        return std::count_if(items.begin(), items.end(), [wanted](const QJsonValue &value) { return value["status"] == wanted; });
    }
    qint64 pid() const { return m_process.processId(); }
    QString groupPath() const { return m_group.path(); }
    bool kill()
    {
        m_process.kill(); // SIGKILL
        return m_process.waitForFinished(10000);
    }

private:
    QString logPath() const { return m_group.filePath(QStringLiteral("device.log")); }

    QString m_executable;
    QTemporaryDir m_group;
    QProcess m_process;
};
