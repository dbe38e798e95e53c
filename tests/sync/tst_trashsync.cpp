// The trash across devices, on in-process devices and the in-memory cloud: a delete and a
// restore are ordinary later changes, an offline edit brings a trashed item back with the edit,
// the trash empties itself after its keeping time on every device (a device that was away for
// longer does not bring the item back), and undo of this session reaches the other device.
#include "ScenarioDevice.h"
#include "model/ShareListViewModel.h"
#include "store/Trash.h"

#include <QGuiApplication>
#include <QSignalSpy>

using namespace ScenarioDevices;

namespace {

constexpr qint64 day = 24LL * 60 * 60 * 1000;

bool trash(Device &device, ShareItem *item)
{
    Trash::moveToTrash(*item, device.clock.now());
    return !device.context().save();
}

bool restore(Device &device, ShareItem *item)
{
    Trash::restore(*item, device.clock.now());
    return !device.context().save();
}

// Every device and the cloud show the same items.
bool allAgree(const FakeCloudDatabase &cloud, std::initializer_list<Device *> devices)
{
    const auto expected = cloudState(cloud);
    for (Device *device : devices) {
        if (device->localState() != expected) {
            qWarning() << "device" << device->localState() << "cloud" << expected;
            return false;
        }
    }
    return true;
}

} // namespace

class TestTrashSync : public QObject
{
    Q_OBJECT
private slots:
    // Deleted on one device, restored on the other: back everywhere, picture included.
    void restoreOnAnotherDeviceBringsItBackEverywhere()
    {
        FakeCloudDatabase cloud;
        Device first(cloud), second(cloud);
        ShareItem *item = first.add(QStringLiteral("photo of the whiteboard"), picture(Qt::darkGreen));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        const QString withPicture = first.localState().value(ShareItemRecord::uuidText(item->uuid()));
        QVERIFY(!withPicture.endsWith(QLatin1String("| ")));

        first.clock.advance(1000);
        QVERIFY(trash(first, item));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        ShareItem *there = second.find(QStringLiteral("photo of the whiteboard"));
        QVERIFY(there && there->isTrashed());
        QVERIFY(allAgree(cloud, {&first, &second}));

        second.clock.advance(2000);
        QVERIFY(restore(second, there));
        QVERIFY(second.syncOnce());
        QVERIFY(first.syncOnce());
        QVERIFY(!item->isTrashed());
        QCOMPARE(first.localState().value(ShareItemRecord::uuidText(item->uuid())), withPicture);
        QVERIFY(allAgree(cloud, {&first, &second}));
    }

    // An edit made offline after another device trashed the item is the later change: the item
    // comes back with the edit. A trash made after an offline edit wins the same way.
    void laterChangeWinsBetweenTrashAndOfflineEdit()
    {
        FakeCloudDatabase cloud;
        Device first(cloud), second(cloud);
        ShareItem *item = first.add(QStringLiteral("shopping list"));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());

        first.clock.advance(1000);
        QVERIFY(trash(first, item));
        QVERIFY(first.syncOnce());
        second.clock.advance(5000); // offline all along, edits afterwards
        QVERIFY(second.edit(second.find(QStringLiteral("shopping list")), QStringLiteral("shopping list, with milk")));
        QVERIFY(second.syncOnce());
        QVERIFY(first.syncOnce());
        QCOMPARE(item->title(), QStringLiteral("shopping list, with milk"));
        QVERIFY(!item->isTrashed());
        QVERIFY(allAgree(cloud, {&first, &second}));

        second.clock.advance(1000);
        QVERIFY(second.edit(second.find(QStringLiteral("shopping list, with milk")), QStringLiteral("edited offline")));
        first.clock.advance(60000); // trashed later, while the edit waits
        QVERIFY(trash(first, item));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(first.syncOnce());
        QVERIFY(item->isTrashed());
        QVERIFY(allAgree(cloud, {&first, &second}));
    }

    // Day 29 keeps the item; after day 30 the first device to sync removes it for good, on
    // every device; a device away for 40 days does not bring it back, whether it saw the
    // delete before leaving or not.
    void trashEmptiesItselfAfterThirtyDays()
    {
        FakeCloudDatabase cloud;
        const QDateTime start = QDateTime::currentDateTimeUtc();
        Device first(cloud, start), second(cloud, start), sawDelete(cloud, start), away(cloud, start);
        ShareItem *item = first.add(QStringLiteral("old ticket"), picture(Qt::darkBlue));
        ShareItem *kept = first.add(QStringLiteral("kept ticket"));
        for (Device *device : {&first, &second, &sawDelete, &away})
            QVERIFY(device->syncOnce());
        QVERIFY(trash(first, item));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(sawDelete.syncOnce());
        QVERIFY(sawDelete.find(QStringLiteral("old ticket"))->isTrashed());
        const QString recordName = item->cloudKitRecordID();
        const QString picturePath = first.images.imageFileURL(item->imageUUID());
        QVERIFY(QFile::exists(picturePath));

        for (Device *device : {&first, &second})
            device->clock.advance(29 * day);
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(second.find(QStringLiteral("old ticket")));
        QVERIFY(!ShareItemRecord::isNumberOne(*cloud.stored(recordName), QStringLiteral("isDeleted")));

        for (Device *device : {&first, &second})
            device->clock.advance(2 * day);
        QVERIFY(second.syncOnce()); // no change of its own: its clock alone empties the trash
        QVERIFY(!second.find(QStringLiteral("old ticket")));
        QVERIFY(ShareItemRecord::isNumberOne(*cloud.stored(recordName), QStringLiteral("isDeleted")));
        QVERIFY(first.syncOnce());
        QVERIFY(!first.find(QStringLiteral("old ticket")));
        QVERIFY(!QFile::exists(picturePath));

        for (Device *device : {&sawDelete, &away}) {
            device->clock.advance(40 * day);
            QVERIFY(device->syncOnce());
            QVERIFY(!device->find(QStringLiteral("old ticket")));
        }
        QVERIFY(second.syncOnce());
        QVERIFY(ShareItemRecord::isNumberOne(*cloud.stored(recordName), QStringLiteral("isDeleted")));
        QCOMPARE(cloudState(cloud).size(), 1);
        QCOMPARE(kept->title(), QStringLiteral("kept ticket"));
        QVERIFY(allAgree(cloud, {&first, &second, &sawDelete, &away}));
    }

    // Undo through the list model after the delete went up, and undo of an edit: each is a
    // later change that reaches the other device.
    void undoReachesTheOtherDevice()
    {
        FakeCloudDatabase cloud;
        Device first(cloud), second(cloud);
        std::shared_ptr<SyncManagerProtocol> engine(first.engine.get(), [](SyncManagerProtocol *) {});
        ShareListViewModel model(first.context(), Calendar::current(), engine, [&] { return first.clock.now(); });
        ShareItem *item = first.add(QStringLiteral("draft"));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());

        QSignalSpy trashed(&model, &ShareListViewModel::sharesTrashed);
        model.deleteShare(item);
        QCOMPARE(trashed.size(), 1);
        QCOMPARE(trashed.constFirst().constFirst().toString(), QStringLiteral("draft"));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(second.find(QStringLiteral("draft"))->isTrashed());
        QCOMPARE(model.trashCount(), 1);
        QVERIFY(model.undoStack()->canUndo());
        first.clock.advance(1000);
        model.undoStack()->undo();
        QVERIFY(!item->isTrashed());
        QCOMPARE(model.trashCount(), 0);
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(!second.find(QStringLiteral("draft"))->isTrashed());

        first.clock.advance(1000);
        model.updateShare(item, QStringLiteral("final"), QStringLiteral("body"), QStringLiteral("text"), QUuid(), true);
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(second.find(QStringLiteral("final")));
        first.clock.advance(1000);
        model.undoStack()->undo();
        QCOMPARE(item->title(), QStringLiteral("draft"));
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(second.find(QStringLiteral("draft")));
        QVERIFY(!second.find(QStringLiteral("draft"))->isFavorite());
        first.clock.advance(1000);
        model.undoStack()->redo();
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(second.find(QStringLiteral("final")));
        QVERIFY(allAgree(cloud, {&first, &second}));

        // The other device deletes the item meanwhile: undoing this device's edit takes back the
        // edit alone, and the item stays in the trash.
        second.clock.advance(5000);
        QVERIFY(trash(second, second.find(QStringLiteral("final"))));
        QVERIFY(second.syncOnce());
        QVERIFY(first.syncOnce());
        QVERIFY(item->isTrashed());
        model.undoStack()->undo();
        QCOMPARE(item->title(), QStringLiteral("draft"));
        QVERIFY(item->isTrashed());
        model.restoreShare(item);
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(allAgree(cloud, {&first, &second}));

        // Removed for good meanwhile: the undo of its delete finds nothing to bring back.
        model.deleteShare(item);
        model.deleteShareNow(item);
        model.undoStack()->undo();
        QVERIFY(item->isMarkedForDeletion());
        QVERIFY(first.syncOnce());
        QVERIFY(second.syncOnce());
        QVERIFY(!second.find(QStringLiteral("draft")));
        QVERIFY(allAgree(cloud, {&first, &second}));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    TestTrashSync test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trashsync.moc"
