// Two devices, each a process with its own group directory, signed in to one database on the
// local test server: what one does shows up on the other, under server outages and crashes.
#include "../cloud/CloudTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <csignal>

namespace {

using CloudTestSupport::adminRequest;

constexpr int synced = 2;
constexpr int failed = 3;
constexpr int patience = 30000;

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

    QByteArray command(const QByteArray &line)
    {
        m_process.write(line + '\n');
        QElapsedTimer timer;
        timer.start();
        while (!m_process.canReadLine() && timer.elapsed() < 20000 && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(100);
        return m_process.readLine().trimmed();
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
    int status(const QString &title) { return item(title)[QStringLiteral("status")].toInt(); }
    bool allSynced()
    {
        const QJsonArray items = dump();
        return std::all_of(items.begin(), items.end(),
                           [](const QJsonValue &item) { return item[QStringLiteral("status")].toInt() == synced; });
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
    QTemporaryDir m_group;
    QProcess m_process;
};

} // namespace

class TestTwoDevices : public QObject
{
    Q_OBJECT
private slots:
    void editsTravelThroughPushes()
    {
        const QString database = CloudTestSupport::createDatabase();
        Device first(QStringLiteral("first"));
        Device second(QStringLiteral("second"));
        QVERIFY(first.start(database));
        QVERIFY(second.start(database));

        QCOMPARE(first.command("add hello"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(first.status("hello"), synced, patience);
        // The second device never asks: the push brings it.
        QTRY_COMPARE_WITH_TIMEOUT(second.status("hello"), synced, patience);
        const QString uuid = first.item("hello")[QStringLiteral("uuid")].toString();
        QCOMPARE(second.item("hello")[QStringLiteral("uuid")].toString(), uuid);

        QCOMPARE(first.command("edit hello renamed"), QByteArray("ok"));
        QCOMPARE(first.command("favorite renamed"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(second.item("renamed")[QStringLiteral("favorite")].toBool(), patience);
        QVERIFY(second.item("hello").isEmpty());

        QCOMPARE(second.command("delete renamed"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(second.dump().isEmpty(), patience); // confirmed, then removed
        QTRY_VERIFY_WITH_TIMEOUT(first.dump().isEmpty(), patience);

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
        const QString database = CloudTestSupport::createDatabase();
        Device first(QStringLiteral("first"));
        Device second(QStringLiteral("second"));
        QVERIFY(first.start(database));
        QVERIFY(second.start(database));
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("picture.jpg"));
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(40, 40, 300, 200, Qt::darkMagenta);
        QVERIFY(picture.save(path, "JPEG", 85));

        QCOMPARE(first.command("addimage photo " + path.toUtf8()), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(second.status("photo"), synced, patience);
        const QString sent = first.item("photo")[QStringLiteral("imageSha256")].toString();
        QVERIFY(!sent.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(second.item("photo")[QStringLiteral("imageSha256")].toString(), sent, patience);
    }

    void serverOutageFailsThenRetrySyncs()
    {
        // A server of this test's own, so it can be stopped and started again with its data.
        QTemporaryDir serverDirectory;
        const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
        const QString pidFile = serverDirectory.filePath(QStringLiteral("server.pid"));
        const QString urlFile = serverDirectory.filePath(QStringLiteral("server.url"));
        const QStringList start{"start", "--dir", serverDirectory.filePath(QStringLiteral("data")), "--database", "outage",
                                "--pid-file", pidFile, "--url-file", urlFile};
        const QStringList stop{"stop", "--pid-file", pidFile};
        QCOMPARE(QProcess::execute(tool, start), 0);
        const auto stopServer = qScopeGuard([&] { QProcess::execute(tool, stop); }); // after the device
        QFile urlSource(urlFile);
        QVERIFY(urlSource.open(QIODevice::ReadOnly));
        Device device(QStringLiteral("offline"));
        QVERIFY(device.start(QString::fromUtf8(urlSource.readAll()).trimmed()));
        QCOMPARE(QProcess::execute(tool, stop), 0);

        QCOMPARE(device.command("add offline-note"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(device.status("offline-note"), failed, patience);
        QCOMPARE(device.command("download"), QByteArray("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(device.command("state").startsWith("banner "), patience); // an error shows
        QCOMPARE(device.dump().size(), 1);

        QCOMPARE(QProcess::execute(tool, start), 0);
        QCOMPARE(device.command("retry"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(device.status("offline-note"), synced, patience);
        QCOMPARE(device.command("download"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(device.command("state"), QByteArray("banner"), patience);
    }

    void killedDuringUploadLosesAndDuplicatesNothing()
    {
        const QString database = CloudTestSupport::createDatabase();
        Device first(QStringLiteral("first"));
        QVERIFY(first.start(database));
        QCOMPARE(first.command("addmany 400 bulk-"), QByteArray("ok"));
        QVERIFY(first.kill()); // the upload of 400 records is on its way

        QVERIFY(first.start(database));
        QCOMPARE(first.dump().size(), 400); // saved before anything was sent
        QCOMPARE(first.command("upload"), QByteArray("ok")); // items left syncing go again
        QTRY_VERIFY_WITH_TIMEOUT(first.allSynced(), patience);

        Device second(QStringLiteral("second"));
        QVERIFY(second.start(database));
        QCOMPARE(second.command("download"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(second.dump().size(), 400, patience);
        QSet<QString> titles; // each once: none lost, none uploaded twice
        for (const QJsonValue &item : second.dump())
            titles.insert(item[QStringLiteral("title")].toString());
        QCOMPARE(titles.size(), 400);
    }
};

QTEST_GUILESS_MAIN(TestTwoDevices)
#include "tst_twodevices.moc"
