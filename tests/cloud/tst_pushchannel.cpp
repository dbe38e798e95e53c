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

};

QTEST_GUILESS_MAIN(TestPushChannel)
#include "tst_pushchannel.moc"
