// Two devices, each a process with its own group directory, signed in to one database on the
// local test server: what one does shows up on the other, under server outages and crashes.
#include "../cloud/CloudTestSupport.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

using CloudTestSupport::adminRequest;

QString newDatabase(const QString &server)
{
    const QString url = server + QStringLiteral("/devices-") + QUuid::createUuid().toString(QUuid::Id128);
    return adminRequest("PUT", url) == 201 ? url : QString();
}

// A headless app process: one command a line in, one answer a line out.
class Device
{
public:
    explicit Device(QString name) : m_name(std::move(name)) {}
    ~Device()
    {
        stop();
        if (QTest::currentTestFailed())
            qWarning().noquote() << "log of device" << m_name << ":\n" << log();
    }

    bool start(const QString &databaseUrl)
    {
        m_databaseUrl = databaseUrl;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XCTestConfigurationFilePath"));
        environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), m_group.path());
        environment.insert(QStringLiteral("STASHLINE_CLOUD_URL"), databaseUrl);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("STASHLINE_LOG_SINK"), QStringLiteral("stderr"));
        m_process.setProcessEnvironment(environment);
        m_process.setStandardErrorFile(m_group.filePath(QStringLiteral("device.log")), QIODevice::Append);
        m_process.start(QStringLiteral(STASHLINE_DEVICE), {});
        if (!m_process.waitForStarted(10000) || !command("dump").startsWith('['))
            return false;
        // Pushes reach it only once it follows the change feed.
        return QTest::qWaitFor([this] { return command("ready") == "yes"; }, 20000);
    }
    bool restart() { return kill() && start(m_databaseUrl); }

    QByteArray command(const QByteArray &line)
    {
        m_process.write(line + '\n');
        QByteArray answer;
        QElapsedTimer timer;
        timer.start();
        while (!m_process.canReadLine() && timer.elapsed() < 20000 && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(100);
        answer = m_process.readLine().trimmed();
        return answer;
    }
    QJsonArray dump() { return QJsonDocument::fromJson(command("dump")).array(); }
    QJsonObject item(const QString &title)
    {
        for (const QJsonValue &value : dump()) {
            if (value[QStringLiteral("title")].toString() == title)
                return value.toObject();
        }
        return {};
    }
    bool kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        ::kill(pid_t(m_process.processId()), SIGKILL);
        return m_process.waitForFinished(10000);
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(5000))
            kill();
    }
    QString log() const
    {
        QFile file(m_group.filePath(QStringLiteral("device.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QString m_name;
    QString m_databaseUrl;
    QTemporaryDir m_group;
    QProcess m_process;
};

constexpr int synced = 2;
constexpr int failed = 3;

bool allSynced(const QJsonArray &items)
{
    return std::all_of(items.begin(), items.end(),
                       [](const QJsonValue &item) { return item[QStringLiteral("status")].toInt() == synced; });
}

QByteArray testJpeg(const QString &path)
{
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(40, 40, 300, 200, Qt::darkMagenta);
    painter.end();
    picture.save(path, "JPEG", 85);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestTwoDevices : public QObject
{
    Q_OBJECT
private slots:
    void editsTravelThroughPushes()
    {
        const QString database = newDatabase(CloudTestSupport::serverUrl());
        QVERIFY(!database.isEmpty());
        Device first(QStringLiteral("first"));
        Device second(QStringLiteral("second"));
        QVERIFY(first.start(database));
        QVERIFY(second.start(database));

        QCOMPARE(first.command("add hello"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(first.item("hello")[QStringLiteral("status")].toInt(), synced, 20000);
        // The second device never asks: the push brings it.
        QTRY_COMPARE_WITH_TIMEOUT(second.item("hello")[QStringLiteral("status")].toInt(), synced, 20000);
        const QString uuid = first.item("hello")[QStringLiteral("uuid")].toString();
        QCOMPARE(second.item("hello")[QStringLiteral("uuid")].toString(), uuid);

        QCOMPARE(first.command("edit hello renamed"), QByteArray("ok"));
        QCOMPARE(first.command("favorite renamed"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(second.item("renamed")[QStringLiteral("favorite")].toBool(), 20000);
        QVERIFY(second.item("hello").isEmpty());

        QCOMPARE(second.command("delete renamed"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(second.dump().isEmpty(), 20000); // confirmed, then removed
        QTRY_VERIFY_WITH_TIMEOUT(first.dump().isEmpty(), 20000);

        // The cloud keeps the deletion as a record.
        QByteArray documents;
        QCOMPARE(adminRequest("GET", database + QStringLiteral("/_all_docs?include_docs=true"), {}, &documents), 200);
        const QJsonArray rows = QJsonDocument::fromJson(documents)[QStringLiteral("rows")].toArray();
        QCOMPARE(rows.size(), 1);
        const QJsonObject fields = rows.first()[QStringLiteral("doc")][QStringLiteral("fields")].toObject();
        QCOMPARE(fields[QStringLiteral("uuid")][QStringLiteral("value")].toString(), uuid.toUpper());
        QCOMPARE(fields[QStringLiteral("isDeleted")][QStringLiteral("value")].toVariant().toInt(), 1);
    }

    void picturesArriveByteForByte()
    {
        const QString database = newDatabase(CloudTestSupport::serverUrl());
        Device first(QStringLiteral("first"));
        Device second(QStringLiteral("second"));
        QVERIFY(first.start(database));
        QVERIFY(second.start(database));
        QTemporaryDir scratch;
        const QString picture = scratch.filePath(QStringLiteral("picture.jpg"));
        testJpeg(picture);
        QCOMPARE(first.command("addimage photo " + picture.toUtf8()), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(second.item("photo")[QStringLiteral("status")].toInt(), synced, 20000);
        const QString sent = first.item("photo")[QStringLiteral("imageSha256")].toString();
        QVERIFY(!sent.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(second.item("photo")[QStringLiteral("imageSha256")].toString(), sent, 20000);
    }

    void serverOutageFailsThenRetrySyncs()
    {
        // A server of this test's own, so it can be stopped and started again with its data.
        QTemporaryDir serverDirectory;
        const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
        const QString pidFile = serverDirectory.filePath(QStringLiteral("server.pid"));
        const QString urlFile = serverDirectory.filePath(QStringLiteral("server.url"));
        const QStringList startArguments{QStringLiteral("start"), QStringLiteral("--dir"), serverDirectory.filePath(QStringLiteral("data")),
                                         QStringLiteral("--database"), QStringLiteral("outage"),
                                         QStringLiteral("--pid-file"), pidFile, QStringLiteral("--url-file"), urlFile};
        QCOMPARE(QProcess::execute(tool, startArguments), 0);
        QFile urlSource(urlFile);
        QVERIFY(urlSource.open(QIODevice::ReadOnly));
        const QString database = QString::fromUtf8(urlSource.readAll()).trimmed();

        Device device(QStringLiteral("offline"));
        QVERIFY(device.start(database));
        QCOMPARE(QProcess::execute(tool, {QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile}), 0);

        QCOMPARE(device.command("add offline-note"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(device.item("offline-note")[QStringLiteral("status")].toInt(), failed, 30000);
        QCOMPARE(device.command("download"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(!QJsonDocument::fromJson(device.command("state"))[QStringLiteral("error")].toString().isEmpty(),
                                 30000);
        QVERIFY(device.item("offline-note").value(QStringLiteral("title")).toString() == QStringLiteral("offline-note"));

        QCOMPARE(QProcess::execute(tool, startArguments), 0);
        QCOMPARE(device.command("retry"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(device.item("offline-note")[QStringLiteral("status")].toInt(), synced, 30000);
        QCOMPARE(device.command("download"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(QJsonDocument::fromJson(device.command("state"))[QStringLiteral("error")].toString().isEmpty(),
                                 30000);
        device.stop();
        QProcess::execute(tool, {QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile});
    }

    void killedDuringUploadLosesAndDuplicatesNothing()
    {
        const QString database = newDatabase(CloudTestSupport::serverUrl());
        Device first(QStringLiteral("first"));
        QVERIFY(first.start(database));
        QCOMPARE(first.command("addmany 400 bulk-"), QByteArray("ok"));
        QVERIFY(first.kill()); // the upload of 400 records is on its way

        QVERIFY(first.start(database));
        QCOMPARE(first.dump().size(), 400); // saved before anything was sent
        QCOMPARE(first.command("upload"), QByteArray("ok")); // items left syncing go again
        QTRY_VERIFY_WITH_TIMEOUT(allSynced(first.dump()), 30000);

        Device second(QStringLiteral("second"));
        QVERIFY(second.start(database));
        QCOMPARE(second.command("download"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(second.dump().size(), 400, 30000);
        QSet<QString> uuids;
        QSet<QString> titles;
        for (const QJsonValue &item : second.dump()) {
            uuids.insert(item[QStringLiteral("uuid")].toString());
            titles.insert(item[QStringLiteral("title")].toString());
        }
        QCOMPARE(uuids.size(), 400);
        QCOMPARE(titles.size(), 400);
    }
};

QTEST_GUILESS_MAIN(TestTwoDevices)
#include "tst_twodevices.moc"
