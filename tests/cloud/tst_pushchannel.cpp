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

bool write(CloudContainer &container, const QString &name, const QString &type = QStringLiteral("ShareItem"))
{
    Recorder recorder;
    container.privateCloudDatabase().modifyRecords({CloudRecord(type, CloudRecordID(name))}, {}, recorder.modifyResult());
    return recorder.wait() && !recorder.error;
}

// Subscribes `container` to share item changes, twice as a restarted app would, and opens its
// push channel; false when either save failed or no feed opened.
bool startPushes(CloudContainer &container, QSignalSpy &opened)
{
    container.pushChannel()->setTiming(fastTiming);
    for (int round = 0; round < 2; ++round) {
        Recorder recorder;
        container.privateCloudDatabase().saveSubscription(
            CloudSubscription(QStringLiteral("share-item-changes"), QStringLiteral("ShareItem"), 7), recorder.result());
        if (!recorder.wait() || recorder.error)
            return false;
    }
    container.pushChannel()->start();
    return opened.wait(5000);
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
        QSignalSpy opened(mine.pushChannel(), &PushChannel::feedOpened);
        QSignalSpy pushes(mine.pushChannel(), &PushChannel::remoteNotificationReceived);
        QVERIFY(startPushes(mine, opened));
        QCOMPARE(opened.first().first().toBool(), false);

        QVERIFY(write(mine, QStringLiteral("OWN")));
        QTest::qWait(800);
        QCOMPARE(pushes.size(), 0);

        QVERIFY(write(other, QStringLiteral("THEIRS")));
        QVERIFY(pushes.wait(5000));
        QTest::qWait(500);
        QCOMPARE(pushes.size(), 1);

        QCOMPARE(opened.size(), 1); // the feed stayed open all along

        // A record type nobody subscribed to is no push.
        pushes.clear();
        QVERIFY(write(other, QStringLiteral("O"), QStringLiteral("Other")));
        QTest::qWait(600);
        QCOMPARE(pushes.size(), 0);
    }

    void reconnectsAfterServerRestartWithOnePush()
    {
        // A server of this test's own, so that stopping it disturbs no other test; kept in a folder
        // so that it comes back with the same port and password.
        QTemporaryDir state;
        // Runs the server tool with `arguments`, %1 standing for the state folder.
        auto server = [&state](const QString &arguments) {
            const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
            return QProcess::execute(tool, arguments.arg(state.path()).split(QLatin1Char(' '))) == 0;
        };
        const QString start = QStringLiteral("start --dir %1/server --database stashline --pid-file %1/pid --url-file %1/url "
                                             "--port-file %1/port");
        const QString stop = QStringLiteral("stop --pid-file %1/pid");
        auto readFile = [&state](const char *name) {
            QFile file(state.filePath(QLatin1String(name)));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
        };

        QVERIFY(server(start));
        const QString port = readFile("port");
        CloudContainer mine(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(readFile("url")));
        mine.setRequestTimeout(2000);
        QSignalSpy opened(mine.pushChannel(), &PushChannel::feedOpened);
        QSignalSpy pushes(mine.pushChannel(), &PushChannel::remoteNotificationReceived);
        QVERIFY(startPushes(mine, opened));

        QVERIFY(server(stop));
        QTest::qWait(1000);
        QCOMPARE(pushes.size(), 0);
        QVERIFY(server(start + QStringLiteral(" --port ") + port));
        QVERIFY(QTest::qWaitFor([&] { return opened.size() >= 2; }, 10000));
        QCOMPARE(opened.last().first().toBool(), true);
        QVERIFY(pushes.wait(3000) || pushes.size() == 1);
        QTest::qWait(500);
        QCOMPARE(pushes.size(), 1);

        // The new feed delivers again.
        CloudContainer other(CloudContainer::defaultIdentifier, CloudAccount::fromUrl(readFile("url")));
        QVERIFY(write(other, QStringLiteral("AFTER")));
        QVERIFY(pushes.wait(5000));
        QVERIFY(server(stop));
    }
};

QTEST_GUILESS_MAIN(TestPushChannel)
#include "tst_pushchannel.moc"
