// Device processes that reach the local test server through fault proxies: random delays that
// reorder requests, refused and cut requests, a device that goes offline. After every storm the
// devices and the cloud must agree, and the latest edit of each item must be what they agree on.
#include "../cloud/CloudTestSupport.h"
#include "DeviceProcess.h"
#include "SyncStorm.h"

#include <QImage>
#include <QTemporaryDir>

namespace {

constexpr int synced = 2, failed = 3;
constexpr int patience = 60000;

struct Device : DeviceProcess {
    Device() : DeviceProcess(QStringLiteral(STASHLINE_DEVICE)) {}
};

// Two devices on a fresh database, each behind a fault proxy of its own.
struct ProxiedPair {
    QString database = CloudTestSupport::createDatabase();
    FaultProxy toFirst{QUrl(database), 1}, toSecond{QUrl(database), 2};
    Device first, second;
    bool start()
    {
        return toFirst.listen() && toSecond.listen() && first.start(toFirst.route(database))
            && second.start(toSecond.route(database));
    }
};

} // namespace

class TestSyncUnderFaults : public QObject
{
    Q_OBJECT
private slots:
    void stormsConvergeOnTheLatestEdit_data()
    {
        QTest::addColumn<int>("devices");
        QTest::addColumn<int>("edits");
        QTest::addColumn<FaultProxy::Faults>("faults");
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<int>("encryption");
        QTest::addColumn<bool>("trashAndRestore");
        constexpr int off = int(SyncStormOptions::Encryption::off), fromStart = int(SyncStormOptions::Encryption::fromStart),
                      midStorm = int(SyncStormOptions::Encryption::midStorm);
        // Latency alone reorders the writes of quick edits; the others add refusals and breaks.
        QTest::newRow("two devices, 0-500 ms, a picture") << 2 << 40 << FaultProxy::Faults{0, 500, 0, 0, 0} << 7u << true << off << false;
        QTest::newRow("three devices, conflicts") << 3 << 40 << FaultProxy::Faults{0, 200, 0, 0.2, 0} << 11u << false << off << false;
        QTest::newRow("three devices, 503s and cut answers, a picture")
            << 3 << 30 << FaultProxy::Faults{0, 200, 0.1, 0, 0.1} << 23u << true << off << false;
        // Encrypted: sealed records and pictures, and the switch in the middle of the edits.
        QTest::newRow("encrypted, three devices, 0-300 ms, a picture")
            << 3 << 30 << FaultProxy::Faults{0, 300, 0, 0, 0} << 29u << true << fromStart << false;
        QTest::newRow("encryption turned on mid-storm, two devices, 0-300 ms")
            << 2 << 30 << FaultProxy::Faults{0, 300, 0, 0, 0} << 31u << false << midStorm << false;
        // Sealed writes, a fifth of them refused as conflicts; an item that meets the conflict cap
        // goes again by itself.
        QTest::newRow("encrypted, three devices, conflicts")
            << 3 << 40 << FaultProxy::Faults{0, 200, 0, 0.2, 0} << 37u << false << fromStart << false;
        // Deletes and restores race each other and the edits: the latest change wins, the
        // picture of a restored item included.
        QTest::newRow("deletes and restores, conflicts and cut answers, a picture")
            << 3 << 40 << FaultProxy::Faults{0, 200, 0.05, 0.15, 0.05} << 31u << true << off << true;
    }
    void stormsConvergeOnTheLatestEdit()
    {
        QFETCH(int, devices);
        QFETCH(int, edits);
        QFETCH(FaultProxy::Faults, faults);
        QFETCH(quint32, seed);
        QFETCH(bool, withPicture);
        QFETCH(int, encryption);
        QFETCH(bool, trashAndRestore);
        QTemporaryDir scratch;
        SyncStormOptions options;
        options.encryption = SyncStormOptions::Encryption(encryption);
        if (withPicture) {
            QImage picture(800, 600, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            options.pictureFile = scratch.filePath(QStringLiteral("storm.jpg"));
            QVERIFY(picture.save(options.pictureFile, "JPEG", 95));
        }
        options.deviceExecutable = QStringLiteral(STASHLINE_DEVICE);
        options.databaseUrl = CloudTestSupport::createDatabase();
        options.devices = devices;
        options.edits = edits;
        options.faults = faults;
        options.seed = seed;
        options.trashAndRestore = trashAndRestore;
        options.patienceMilliseconds = patience;
        const SyncStormResult result = runSyncStorm(options);
        QVERIFY2(result.failure.isEmpty(), qPrintable(result.failure));
        QCOMPARE(result.lostEdits, 0);
        qInfo("converged %lld ms after the last edit; %d faults injected", result.convergeMilliseconds,
              result.injectedFaults);
    }

    void aPendingEditMeetsAPush()
    {
        ProxiedPair pair;
        QVERIFY(pair.start());
        Device &first = pair.first, &second = pair.second;
        FaultProxy &toSecond = pair.toSecond;
        QCOMPARE(first.command("add shared"), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(second.status(QStringLiteral("shared")), synced, patience);
        const QByteArray uuid = first.item(QStringLiteral("shared"))[QStringLiteral("uuid")].toString().toUtf8();

        // The second device hears of the first's edit only when its feed is let go, and its
        // download of it is slow; it edits the item while that download is on its way.
        toSecond.setChangeFeedHeld(true);
        QVERIFY(first.command("rename " + uuid + " from-first").startsWith("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(first.status(QStringLiteral("from-first")), synced, patience);
        toSecond.setFaults({400, 400, 0, 0, 0});
        toSecond.setChangeFeedHeld(false);
        QTest::qWait(100);
        QVERIFY(second.command("rename " + uuid + " from-second").startsWith("ok"));

        for (Device *device : {&first, &second}) {
            QTRY_COMPARE_WITH_TIMEOUT(device->status(QStringLiteral("from-second")), synced, patience);
            QCOMPARE(device->dump().size(), 1);
        }
        QCOMPARE(second.command("idle"), QByteArray("yes"));
    }

    void offlineEditsMeetOnlineEdits()
    {
        ProxiedPair pair;
        QVERIFY(pair.start());
        Device &online = pair.first, &offline = pair.second;
        FaultProxy &toSecond = pair.toSecond;
        for (const char *title : {"early", "late", "star"})
            QCOMPARE(online.command(QByteArray("add ") + title), QByteArray("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(offline.count(synced), 3, patience);
        const auto uuidOf = [&](Device &device, const char *title) {
            return device.item(QString::fromLatin1(title))[QStringLiteral("uuid")].toString().toUtf8();
        };

        // "early": edited offline, then later online. "late": edited online, then later offline.
        toSecond.setOffline(true);
        QVERIFY(offline.command("rename " + uuidOf(offline, "early") + " early-offline").startsWith("ok"));
        QVERIFY(online.command("rename " + uuidOf(online, "late") + " late-online").startsWith("ok"));
        QTest::qWait(20);
        QVERIFY(online.command("rename " + uuidOf(online, "early") + " early-online").startsWith("ok"));
        QVERIFY(offline.command("rename " + uuidOf(offline, "late") + " late-offline").startsWith("ok"));
        QVERIFY(offline.command("star " + uuidOf(offline, "star")).startsWith("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(offline.count(failed), 3, patience);
        QTRY_COMPARE_WITH_TIMEOUT(online.count(synced), 3, patience);

        // Back online: the change feed reconnects by itself, what waited goes up and the later
        // change of each item wins on both devices.
        toSecond.setOffline(false);
        for (Device *device : {&online, &offline}) {
            QTRY_VERIFY_WITH_TIMEOUT(!device->item(QStringLiteral("early-online")).isEmpty(), patience);
            QTRY_VERIFY_WITH_TIMEOUT(!device->item(QStringLiteral("late-offline")).isEmpty(), patience);
            QTRY_VERIFY_WITH_TIMEOUT(device->item(QStringLiteral("star"))[QStringLiteral("favorite")].toBool(), patience);
            QTRY_COMPARE_WITH_TIMEOUT(device->count(synced), 3, patience);
        }
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    TestSyncUnderFaults test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_syncunderfaults.moc"
