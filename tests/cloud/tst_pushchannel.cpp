#include "CloudTestSupport.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/PushChannel.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace CloudTestSupport;

namespace {

const PushChannel::Timing fastTiming{.heartbeatMilliseconds = 300, .readTimeoutMilliseconds = 1500, .coalesceMilliseconds = 40,
                                     .maximumCoalesceMilliseconds = 300, .minimumBackoffMilliseconds = 100,
                                     .maximumBackoffMilliseconds = 400};

CloudRecord shareItem(const QString &name)
{
    CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(name));
    record.setString(QStringLiteral("title"), name);
    return record;
}

bool write(CloudContainer &container, const QList<CloudRecord> &records)
{
    Recorder recorder;
    container.privateCloudDatabase().modifyRecords(records, {}, recorder.modifyResult());
    return recorder.wait() && !recorder.error;
}

bool subscribe(CloudContainer &container)
{
    Recorder recorder;
    container.privateCloudDatabase().saveSubscription(
        CloudSubscription(QStringLiteral("share-item-changes"), QStringLiteral("ShareItem"), 7), recorder.result());
    return recorder.wait() && !recorder.error;
}

} // namespace

class TestPushChannel : public QObject
{
    Q_OBJECT
private slots:
    void pushFromAnotherDeviceNotForOwnWrites()
    {
        const QString url = createDatabase();
        QVERIFY(!url.isEmpty());
        CloudContainer mine(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(url));
        CloudContainer other(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(url));
        mine.pushChannel()->setTiming(fastTiming);
        QVERIFY(subscribe(mine));
        QSignalSpy opened(mine.pushChannel(), &PushChannel::feedOpened);
        QSignalSpy pushes(mine.pushChannel(), &PushChannel::remoteNotificationReceived);
        mine.pushChannel()->start();
        QVERIFY(opened.wait(5000));
        QCOMPARE(opened.first().first().toBool(), false);

        QVERIFY(write(mine, {shareItem(QStringLiteral("OWN"))}));
        QTest::qWait(800);
        QCOMPARE(pushes.size(), 0);

        QVERIFY(write(other, {shareItem(QStringLiteral("THEIRS"))}));
        QVERIFY(pushes.wait(5000));
        QTest::qWait(500);
        QCOMPARE(pushes.size(), 1);

        // A burst of writes is one push.
        pushes.clear();
        for (int i = 0; i < 5; ++i)
            other.privateCloudDatabase().modifyRecords({shareItem(QStringLiteral("B%1").arg(i))}, {}, {});
        QVERIFY(pushes.wait(5000));
        QTest::qWait(600);
        QVERIFY2(pushes.size() <= 2, qPrintable(QString::number(pushes.size())));

        QCOMPARE(opened.size(), 1); // the feed stayed open all along

        // A record type nobody subscribed to is no push.
        pushes.clear();
        QVERIFY(write(other, {CloudRecord(QStringLiteral("Other"), CloudRecordID(QStringLiteral("O")))}));
        QTest::qWait(600);
        QCOMPARE(pushes.size(), 0);
    }

    void reconnectsAfterServerRestartWithOnePush()
    {
        // A server of this test's own, so that stopping it disturbs no other test; kept in a folder
        // so that it comes back with the same port and password.
        QTemporaryDir state;
        const QString pidFile = state.filePath(QStringLiteral("pid"));
        const QString urlFile = state.filePath(QStringLiteral("url"));
        const QString portFile = state.filePath(QStringLiteral("port"));
        const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
        auto startServer = [&](const QString &port) {
            QStringList arguments{QStringLiteral("start"), QStringLiteral("--dir"), state.filePath(QStringLiteral("server")), QStringLiteral("--database"),
                                  QStringLiteral("stashline"), QStringLiteral("--pid-file"), pidFile,
                                  QStringLiteral("--url-file"), urlFile, QStringLiteral("--port-file"), portFile};
            if (!port.isEmpty())
                arguments << QStringLiteral("--port") << port;
            return QProcess::execute(tool, arguments) == 0;
        };
        auto stopServer = [&] { return QProcess::execute(tool, {QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile}) == 0; };
        auto readFile = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
        };

        QVERIFY(startServer({}));
        const QString port = readFile(portFile);
        CloudContainer mine(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(readFile(urlFile)));
        mine.setRequestTimeout(2000);
        mine.pushChannel()->setTiming(fastTiming);
        QVERIFY(subscribe(mine));
        QSignalSpy opened(mine.pushChannel(), &PushChannel::feedOpened);
        QSignalSpy pushes(mine.pushChannel(), &PushChannel::remoteNotificationReceived);
        mine.pushChannel()->start();
        QVERIFY(opened.wait(5000));

        QVERIFY(stopServer());
        QTest::qWait(1000);
        QCOMPARE(pushes.size(), 0);
        QVERIFY(startServer(port));
        QVERIFY(QTest::qWaitFor([&] { return opened.size() >= 2; }, 10000));
        QCOMPARE(opened.last().first().toBool(), true);
        QVERIFY(pushes.wait(3000) || pushes.size() == 1);
        QTest::qWait(500);
        QCOMPARE(pushes.size(), 1);

        // The new feed delivers again.
        CloudContainer other(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(readFile(urlFile)));
        QVERIFY(write(other, {shareItem(QStringLiteral("AFTER"))}));
        QVERIFY(pushes.wait(5000));
        QVERIFY(stopServer());
    }
};

QTEST_GUILESS_MAIN(TestPushChannel)
#include "tst_pushchannel.moc"
