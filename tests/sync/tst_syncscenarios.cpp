// Sync as a user sees it: devices in this process, each with its own store, pictures, clock and
// engine, on one in-memory cloud. Each scenario changes one side, syncs, and compares what every
// device shows with what the cloud holds: databases made anew, clocks that disagree, records
// misread on the way, branches left by replication, passes that keep meeting other writers,
// and the retry schedule.
#include "ScenarioDevice.h"
#include "Services/CloudKitSyncManager.h"
#include "Services/RetrySchedule.h"
#include "Services/SyncActivity.h"
#include "Services/ShareItemRecord.h"
#include "platform/NotificationCenter.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace ScenarioDevices;

class TestSyncScenarios : public QObject
{
    Q_OBJECT
private slots:
    // A database deleted and made again: what a device knew of the old one (higher revisions)
    // must not hide the new database's edits, and items the new one lacks go up again.
    void databaseMadeAnew()
    {
        FakeCloudDatabase cloud;
        Device first(cloud), second(cloud);
        ShareItem *item = first.add(QStringLiteral("one"));
        QVERIFY(first.syncOnce());
        for (const char *title : {"two", "three"}) {
            QVERIFY(first.edit(item, QString::fromLatin1(title)));
            QVERIFY(first.syncOnce());
        }
        QVERIFY(second.syncOnce());
        QVERIFY(second.add(QStringLiteral("only on the second device")));
        QVERIFY(second.syncOnce());
        QVERIFY(second.find(QStringLiteral("three"))->cloudRevision().startsWith(QLatin1String("3-")));

        cloud.remakeDatabase();
        first.clock.advance(1000);
        QVERIFY(first.edit(item, QStringLiteral("in the new database")));
        QVERIFY(first.syncOnce());
        QVERIFY(cloud.stored(item->cloudKitRecordID())->recordChangeTag().startsWith(QLatin1String("1-")));
        QVERIFY(second.syncOnce());
        QVERIFY(second.syncOnce()); // the second device's own item went up again
        QVERIFY(first.syncOnce());

        QCOMPARE(second.localState(), cloudState(cloud));
        QCOMPARE(first.localState(), cloudState(cloud));
        QCOMPARE(cloudState(cloud).size(), 2);
        QVERIFY(second.find(QStringLiteral("in the new database")));
    }

    // A synced item has nothing to defend: a cloud change stamped earlier than the item's own
    // time (another device's clock is slow) still wins.
    void slowClockElsewhereStillWins()
    {
        FakeCloudDatabase cloud;
        Device fast(cloud), slow(cloud, QDateTime::currentDateTimeUtc().addSecs(-600));
        ShareItem *item = fast.add(QStringLiteral("from the fast clock"));
        QVERIFY(fast.syncOnce());
        QVERIFY(slow.syncOnce());
        // Stamped by the slow wall clock alone, as a device that never saw the item's time.
        ShareItem *there = slow.find(QStringLiteral("from the fast clock"));
        there->setTitle(QStringLiteral("from the slow clock"));
        there->setModifiedAt(slow.clock.now());
        there->setSyncStatus(Status::pending);
        QVERIFY(!slow.context().save());
        QVERIFY(slow.syncOnce());
        QVERIFY(fast.syncOnce());
        QCOMPARE(item->title(), QStringLiteral("from the slow clock"));
        QCOMPARE(fast.localState(), cloudState(cloud));
        QCOMPARE(slow.localState(), cloudState(cloud));
    }

    // A device ten minutes behind edits an item two seconds after another device did, and after
    // that change reached it: its edit is the later one on every device.
    void editAfterSeeingAChangeIsLaterWhateverTheClocks()
    {
        FakeCloudDatabase cloud;
        const QDateTime start = QDateTime::currentDateTimeUtc();
        Device onTime(cloud, start), behind(cloud, start.addSecs(-600));
        ShareItem *item = onTime.add(QStringLiteral("first"));
        QVERIFY(onTime.syncOnce());
        QVERIFY(behind.syncOnce());
        onTime.clock.advance(1000);
        QVERIFY(onTime.edit(item, QStringLiteral("edited on time")));
        QVERIFY(onTime.syncOnce());
        QVERIFY(behind.syncOnce()); // the push
        behind.clock.advance(2000);
        ShareItem *there = behind.find(QStringLiteral("edited on time"));
        QVERIFY(there);
        QVERIFY(behind.edit(there, QStringLiteral("edited ten minutes behind")));
        QVERIFY(there->modifiedAt() > item->modifiedAt());
        QVERIFY(behind.syncOnce());
        QVERIFY(onTime.syncOnce());
        QCOMPARE(item->title(), QStringLiteral("edited ten minutes behind"));
        QCOMPARE(onTime.localState(), cloudState(cloud));
        QCOMPARE(behind.localState(), cloudState(cloud));
    }

    // A record that arrives mangled is neither applied nor counted as held: the next read
    // brings it whole, a new item and an edit alike.
    void misreadRecordsAreReadAgain()
    {
        FakeCloudDatabase cloud;
        Device writer(cloud), reader(cloud);
        ShareItem *kept = writer.add(QStringLiteral("kept"));
        ShareItem *fresh = writer.add(QStringLiteral("fresh"));
        QVERIFY(writer.syncOnce());
        cloud.faults.misreadOnce = {fresh->cloudKitRecordID()};
        QVERIFY(reader.syncOnce());
        QVERIFY(reader.find(QStringLiteral("kept")));
        QCOMPARE(reader.items().size(), 1); // nothing made of the mangled record
        reader.clock.advance(RetrySchedule::firstDelayMilliseconds);
        QTRY_VERIFY(reader.isQuiet() && reader.find(QStringLiteral("fresh")));

        QVERIFY(writer.edit(kept, QStringLiteral("kept, edited")));
        QVERIFY(writer.syncOnce());
        cloud.faults.misreadOnce = {kept->cloudKitRecordID()};
        QVERIFY(reader.syncOnce());
        QCOMPARE(reader.localState().value(ShareItemRecord::uuidText(kept->uuid())), QStringLiteral("kept | 0 | "));
        reader.restart(); // also after a relaunch
        QVERIFY(reader.syncOnce());
        QCOMPARE(reader.localState(), cloudState(cloud));
    }

    // Another device writes between this device's write and its read-back: the later change
    // wins on both sides, and nothing is taken for confirmed that the cloud no longer holds.
    void anotherWriterBetweenWriteAndReadBack()
    {
        FakeCloudDatabase cloud;
        Device here(cloud);
        ShareItem *item = here.add(QStringLiteral("mine"));
        QVERIFY(here.syncOnce());
        QVERIFY(here.edit(item, QStringLiteral("mine, edited")));
        bool raced = false;
        cloud.beforeFetch = [&] {
            if (std::exchange(raced, true))
                return;
            CloudRecord other = *cloud.stored(item->cloudKitRecordID());
            other.setString(QStringLiteral("title"), QStringLiteral("theirs, later"));
            other.setTimestamp(QStringLiteral("modifiedAt"), here.clock.now().addSecs(5));
            cloud.writeAsOtherDevice(other);
        };
        here.engine->uploadPendingItems(); // no download: the read-back alone must see it
        QTRY_VERIFY(here.isQuiet());
        QVERIFY(raced);
        QCOMPARE(item->title(), QStringLiteral("theirs, later"));
        QCOMPARE(item->syncStatus(), Status::synced);
        QCOMPARE(item->cloudRevision(), cloud.stored(item->cloudKitRecordID())->recordChangeTag());
        QCOMPARE(here.localState(), cloudState(cloud));
    }

    // The picture is replaced while the record with the old one is on its way: the old
    // picture's digest is never taken for the item's, and the new picture ends in the cloud.
    void pictureReplacedWhileItsUploadIsInFlight()
    {
        FakeCloudDatabase cloud;
        Device here(cloud);
        ShareItem *item = here.add(QStringLiteral("photo"), picture(Qt::darkCyan));
        cloud.hold();
        here.engine->uploadPendingItems();
        QTRY_COMPARE(cloud.heldCount(), 1);
        item->setImageUUID(*here.images.saveImage(picture(Qt::darkRed)));
        item->markLocallyChanged(here.clock.now());
        QVERIFY(!here.context().save());
        cloud.release();
        QTRY_VERIFY(here.isQuiet() && item->syncStatus() == Status::synced);
        const QString sent = digestOfFile(here.images.imageFileURL(item->imageUUID()));
        QCOMPARE(item->imageDigest(), sent);
        QCOMPARE(ShareItemRecord::recordPictureDigest(*cloud.stored(item->cloudKitRecordID())), sent);
        QCOMPARE(cloud.modifyRequests.size(), 2);
    }

    // Passes that keep meeting another writer end after a few rounds with the items failed;
    // a round without a conflict starts the count again. Races pass: the items go again by
    // themselves after a pause that grows while they go on; one refused for good stays failed.
    void conflictRoundsAreCapped()
    {
        FakeCloudDatabase cloud;
        Device here(cloud);
        ShareItem *item = here.add(QStringLiteral("contested"));
        QVERIFY(here.syncOnce());
        int conflictsLeft = 0;
        cloud.beforeWrite = [&] {
            if (conflictsLeft-- <= 0)
                return;
            CloudRecord other = *cloud.stored(item->cloudKitRecordID());
            other.setTimestamp(QStringLiteral("modifiedAt"), QDateTime::fromSecsSinceEpoch(0, Qt::UTC)); // always older
            cloud.writeAsOtherDevice(other);
        };
        const auto editAndSync = [&](const QString &title, int conflicts) {
            conflictsLeft = conflicts;
            cloud.modifyRequests.clear();
            return here.edit(item, title) && here.syncOnce();
        };

        QVERIFY(editAndSync(QStringLiteral("four conflicts"), CloudKitSyncManager::maxConflictRounds - 1));
        QCOMPARE(item->syncStatus(), Status::synced);
        QCOMPARE(cloud.modifyRequests.size(), CloudKitSyncManager::maxConflictRounds);
        QVERIFY(editAndSync(QStringLiteral("four more"), CloudKitSyncManager::maxConflictRounds - 1));
        QCOMPARE(item->syncStatus(), Status::synced);

        QVERIFY(editAndSync(QStringLiteral("endless"), 1000));
        QCOMPARE(item->syncStatus(), Status::failed);
        QCOMPARE(cloud.modifyRequests.size(), CloudKitSyncManager::maxConflictRounds);
        QCOMPARE(here.clock.nextTimeout(), 2000);
        here.clock.advance(2000);
        QCOMPARE(item->syncStatus(), Status::pending);
        QVERIFY(here.syncOnce()); // capped again
        QCOMPARE(cloud.modifyRequests.size(), 2 * CloudKitSyncManager::maxConflictRounds);
        QCOMPARE(here.clock.nextTimeout(), 4000);
        ShareItem *refused = here.add(QStringLiteral("refused"));
        refused->setSyncStatus(Status::failed);
        QVERIFY(!here.context().save());
        cloud.faults.modifyRecords.insert(ShareItemRecord::uuidText(refused->uuid()), error(CloudErrorCode::QuotaExceeded));
        conflictsLeft = 0;
        here.clock.advance(4000);
        QCOMPARE(item->syncStatus(), Status::pending);
        QCOMPARE(refused->syncStatus(), Status::failed);
        QTRY_VERIFY(here.isQuiet() && item->syncStatus() == Status::synced);
        QCOMPARE(refused->syncStatus(), Status::failed);
        QVERIFY(!here.engine->isUploadRetryScheduled());
        cloud.faults.modifyRecords.clear();
        here.engine->retry(refused);
        QTRY_VERIFY(here.isQuiet() && refused->syncStatus() == Status::synced);
        QCOMPARE(here.localState(), cloudState(cloud));
    }

    // Branches as replication leaves them: the same rule chooses among every leaf, the first
    // device that sees them writes the outcome and deletes the other leaves, and a second device
    // that sees them at the same time agrees instead of undoing it.
    void branchesAreSettled_data()
    {
        QTest::addColumn<int>("longerMinutes");  // change time of the leaf with the longer history
        QTest::addColumn<int>("shorterMinutes"); // and of the one with the shorter history
        QTest::addColumn<bool>("shorterDeletes");
        QTest::addColumn<bool>("shorterHasPicture");
        QTest::addColumn<QString>("title"); // the outcome; empty: deleted
        QTest::newRow("later edit on the shorter branch") << -60 << 5 << false << false << "shorter";
        QTest::newRow("later edit on the longer branch") << 5 << -60 << false << false << "longer";
        QTest::newRow("a deletion on one branch") << 5 << -60 << true << false << "";
        QTest::newRow("a picture on one branch") << -60 << 5 << false << true << "shorter";
    }
    void branchesAreSettled()
    {
        QFETCH(int, longerMinutes);
        QFETCH(int, shorterMinutes);
        QFETCH(bool, shorterDeletes);
        QFETCH(bool, shorterHasPicture);
        QFETCH(QString, title);
        FakeCloudDatabase cloud;
        Device first(cloud), second(cloud);
        ShareItem *item = first.add(QStringLiteral("base"));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());

        const QDateTime now = first.clock.now();
        CloudRecord longer = *cloud.stored(item->cloudKitRecordID());
        longer.setString(QStringLiteral("title"), QStringLiteral("longer"));
        longer.setTimestamp(QStringLiteral("modifiedAt"), now.addSecs(longerMinutes * 60));
        CloudRecord shorter = longer;
        shorter.setString(QStringLiteral("title"), QStringLiteral("shorter"));
        shorter.setTimestamp(QStringLiteral("modifiedAt"), now.addSecs(shorterMinutes * 60));
        shorter.setInt64(QStringLiteral("isDeleted"), shorterDeletes ? 1 : 0);
        QString pictureDigest;
        if (shorterHasPicture) {
            // A picture stored in the cloud under another record, then named by this leaf.
            ShareItem *carrier = first.add(QStringLiteral("carrier"), picture(Qt::darkGreen));
            QVERIFY(first.syncOnce());
            pictureDigest = carrier->imageDigest();
            shorter.setAsset(QStringLiteral("imageAsset"), CloudAsset::stub(pictureDigest));
        }
        cloud.addBranch(longer, QStringLiteral("7-longer"));
        cloud.addBranch(shorter, QStringLiteral("3-shorter"));
        QCOMPARE(cloud.leafCount(item->cloudKitRecordID()), 3);

        // Both devices read the branches before either writes.
        cloud.hold();
        first.engine->downloadItems();
        second.engine->downloadItems();
        QTRY_COMPARE(cloud.heldCount(), 2);
        cloud.modifyRequests.clear();
        cloud.release();
        QTRY_VERIFY(first.isQuiet() && second.isQuiet());
        QVERIFY(first.syncOnce() && second.syncOnce() && first.syncOnce());

        QCOMPARE(cloud.leafCount(item->cloudKitRecordID()), 1);
        QVERIFY2(cloud.modifyRequests.size() <= 4, "the devices undid each other's settling");
        QCOMPARE(first.localState(), cloudState(cloud));
        QCOMPARE(second.localState(), cloudState(cloud));
        const auto settled = cloud.stored(item->cloudKitRecordID());
        if (title.isEmpty()) {
            QVERIFY(ShareItemRecord::isNumberOne(*settled, QStringLiteral("isDeleted")));
            QVERIFY(!first.find(QStringLiteral("base")) && !second.find(QStringLiteral("base")));
            return;
        }
        QCOMPARE(settled->stringValue(QStringLiteral("title")), title);
        QCOMPARE(ShareItemRecord::recordPictureDigest(*settled), pictureDigest);
        QVERIFY(second.find(title));
    }

    // The pause after a passing failure doubles from 2 s to a minute, follows what the server
    // asks for up to an hour, and starts over after a success; other failures wait for a retry.
    void retrySchedule()
    {
        ManualSyncClock clock;
        int tries = 0;
        RetrySchedule schedule(clock, [&] { ++tries; });
        QList<int> pauses;
        for (int failure = 0; failure < 7; ++failure)
            pauses.append(schedule.scheduleAfter(error(CloudErrorCode::NetworkFailure)).value_or(-1));
        QCOMPARE(pauses, (QList<int>{2000, 4000, 8000, 16000, 32000, 60000, 60000}));
        QCOMPARE(schedule.scheduleAfter(error(CloudErrorCode::ServiceUnavailable, 120)), 120000);
        QCOMPARE(schedule.scheduleAfter(error(CloudErrorCode::RequestRateLimited, 99999)), 3600000);
        QCOMPARE(schedule.scheduleAfter(error(CloudErrorCode::ServiceUnavailable, -5)), 60000);
        QCOMPARE(schedule.scheduleAfter(error(CloudErrorCode::QuotaExceeded)), std::nullopt);
        QVERIFY(schedule.isScheduled()); // the earlier try still stands
        clock.advance(59999);
        QCOMPARE(tries, 0);
        clock.advance(1);
        QCOMPARE(tries, 1);
        schedule.reset();
        QCOMPARE(schedule.scheduleAfter(error(CloudErrorCode::NetworkUnavailable)), 2000);
        schedule.cancel();
        clock.advance(10000);
        QCOMPARE(tries, 1);
    }

    // Once the server is back, an upload that went through clears the download error at once
    // instead of at the download's next retry.
    void uploadAfterAFailedDownloadReadsAtOnce()
    {
        FakeCloudDatabase cloud;
        Device here(cloud);
        QList<QVariantMap> finished;
        QObject observer;
        NotificationCenter::defaultCenter().addObserver(CloudSyncNotification::didFinish, nullptr, &observer,
                                                        [&](const Notification &notification) { finished.append(notification.userInfo); });
        cloud.faults.query = error(CloudErrorCode::NetworkFailure);
        here.engine->downloadItems();
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(finished.last().contains(CloudSyncNotification::errorMessageKey));
        cloud.faults.query.reset();
        QVERIFY(here.add(QStringLiteral("back online")));
        here.engine->uploadPendingItems();
        QTRY_COMPARE(finished.size(), 2);
        QVERIFY(finished.last().isEmpty());
        QVERIFY(!here.engine->isDownloadRetryScheduled());
    }

    // Signed out: items wait, pending, for the next account; nothing fails and no download is
    // announced.
    void signedOutItemsWait()
    {
        FakeCloudDatabase cloud;
        cloud.identifier.clear();
        Device here(cloud);
        ShareItem *item = here.add(QStringLiteral("kept here"));
        here.engine->handleNotification();
        QVERIFY(here.isQuiet());
        QCOMPARE(item->syncStatus(), Status::pending);
        QVERIFY(cloud.modifyRequests.isEmpty() && cloud.changeRequests.isEmpty());
        // A pull asked for ends at once, with no error, so no screen keeps showing it.
        SyncActivity activity;
        here.engine->downloadItems();
        QTRY_VERIFY(!activity.isDownloading());
        QVERIFY(activity.lastErrorMessage().isEmpty() && !activity.lastDownload().isValid());
    }

    // An encrypted account on a device without its key: nothing downloaded is applied and nothing
    // is uploaded (an item added meanwhile waits, pending), the banner says so; once the key is
    // there, both sides converge.
    void lockedDeviceWaitsForTheKey()
    {
        FakeCloudDatabase cloud;
        Device writer(cloud);
        QVERIFY(writer.add(QStringLiteral("from the other device")));
        QVERIFY(writer.syncOnce());
        cloud.keyID = QStringLiteral("K1");

        Device here(cloud);
        SyncActivity activity;
        ShareItem *mine = here.add(QStringLiteral("added while locked"));
        const int writesBefore = int(cloud.modifyRequests.size());
        QVERIFY(here.syncOnce());
        QCOMPARE(here.engine->encryptionState(), EncryptionGate::State::locked);
        QVERIFY(!here.find(QStringLiteral("from the other device")));
        QCOMPARE(int(cloud.modifyRequests.size()), writesBefore);
        QCOMPARE(mine->syncStatus(), Status::pending);
        QTRY_VERIFY(activity.isLocked());
        QCOMPARE(activity.lockReason(), QStringLiteral("passphrase"));

        cloud.heldKeys.insert(QStringLiteral("K1"));
        here.engine->keysChanged();
        QVERIFY(QTest::qWaitFor([&] { return here.isQuiet(); }, 5000));
        QVERIFY(here.syncOnce());
        QTRY_VERIFY(!activity.isLocked());
        QCOMPARE(here.localState(), cloudState(cloud));
        QCOMPARE(cloudState(cloud).size(), 2);
        QCOMPARE(mine->syncStatus(), Status::synced);
    }

    // A record that does not open (changed on the server, moved from another document, sealed
    // under another key) leaves its item as it was, marked failed, and deletes nothing; the
    // banner counts it. A database known as encrypted that loses its key is never written plain.
    void recordsThatDoNotOpenAreKept()
    {
        FakeCloudDatabase cloud;
        cloud.keyID = QStringLiteral("K1");
        cloud.heldKeys.insert(QStringLiteral("K1"));
        Device here(cloud), other(cloud);
        ShareItem *item = here.add(QStringLiteral("kept as it was"));
        QVERIFY(here.add(QStringLiteral("untouched")));
        QVERIFY(here.syncOnce());
        QVERIFY(other.syncOnce());
        QVERIFY(other.edit(other.find(QStringLiteral("kept as it was")), QStringLiteral("tampered")));
        QVERIFY(other.syncOnce());
        cloud.faults.unopened.insert(item->cloudKitRecordID());

        SyncActivity activity;
        QVERIFY(here.syncOnce());
        QCOMPARE(item->title(), QStringLiteral("kept as it was"));
        QCOMPARE(item->syncStatus(), Status::failed);
        QCOMPARE(here.items().size(), 2);
        QTRY_VERIFY(activity.lastErrorMessage().contains(QLatin1String("1")));

        cloud.faults.unopened.clear();
        cloud.keyID.reset();
        const int writesBefore = int(cloud.modifyRequests.size());
        QVERIFY(here.add(QStringLiteral("after the key went away")));
        QVERIFY(here.syncOnce());
        QCOMPARE(here.engine->encryptionState(), EncryptionGate::State::locked);
        QCOMPARE(int(cloud.modifyRequests.size()), writesBefore);
        QTRY_COMPARE(activity.lockReason(), QStringLiteral("keyMissing"));
    }

    // Start-up: items a killed run left syncing, and items that failed, go up again; picture
    // files are cleaned up only when the store can tell which ones its items hold.
    void startUpRecovers()
    {
        FakeCloudDatabase cloud;
        QTemporaryDir folder;
        Device here(cloud);
        here.engine.reset();
        const QString path = folder.filePath(QStringLiteral("Stashline.sqlite"));
        here.store = PersistenceController::openOnDiskContainer(path, nullptr);
        QVERIFY(here.store);
        ShareItem *failed = here.add(QStringLiteral("failed offline"), picture(Qt::darkBlue));
        failed->setSyncStatus(Status::failed);
        ShareItem *interrupted = here.add(QStringLiteral("killed mid-upload"));
        interrupted->setSyncStatus(Status::syncing);
        QVERIFY(!here.context().save());
        const QString pictureFile = here.images.imageFileURL(failed->imageUUID());
        QFile file(pictureFile);
        QVERIFY(file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
        file.close();

        // The store cannot be read: no picture is taken for unreferenced.
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "ALTER TABLE ShareItem RENAME TO Hidden", nullptr, nullptr, nullptr), SQLITE_OK);
        here.restart();
        QVERIFY(QFile::exists(pictureFile));
        here.engine.reset();
        QCOMPARE(sqlite3_exec(other, "ALTER TABLE Hidden RENAME TO ShareItem", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);

        here.restart();
        QCOMPARE(interrupted->syncStatus(), Status::pending); // before any request, so nothing spins
        QTRY_VERIFY(here.isQuiet() && failed->syncStatus() == Status::synced && interrupted->syncStatus() == Status::synced);
        QVERIFY(QFile::exists(pictureFile));
        QCOMPARE(here.localState(), cloudState(cloud));
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    TestSyncScenarios test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_syncscenarios.moc"
