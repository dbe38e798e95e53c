#include "ModelTestSupport.h"

#include "app/PreviewSyncManager.h"
#include "app/StashlineApp.h"
#include "Services/CloudKitSyncManager.h"
#include "platform/NotificationCenter.h"
#include "platform/PersistentContainer.h"

#include <QSignalSpy>
#include <QTemporaryDir>

class TestComposition : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_groupDirectory;

private slots:
    void initTestCase()
    {
        qputenv("STASHLINE_GROUP_DIR", m_groupDirectory.path().toUtf8());
    }

    void testRunUsesPreviewSyncManager()
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XCTestConfigurationFilePath"), QString());
        StashlineApp app({QStringLiteral("stashline")}, environment);
        ShareListViewModel &model = app.viewModel();
        QCOMPARE(&app.viewModel(), &model);
        QCOMPARE(&model.context(), &app.container().viewContext());
        QVERIFY(dynamic_cast<PreviewSyncManager *>(&model.syncManager()));

        ShareItem *item = ShareItem::insert(model.context());
        item->setSyncStatus(ShareItem::SyncStatus::failed);
        ShareItem *pending = ShareItem::insert(model.context());
        QVERIFY(!model.context().save());
        QSignalSpy saved(&model.context(), &ManagedObjectContext::didSave);
        model.retryShare(item);
        QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::synced);
        QCOMPARE(saved.count(), 0);
        model.syncManager().uploadPendingItems();
        QCOMPARE(pending->syncStatus(), ShareItem::SyncStatus::pending);

        QStringList posted;
        QObject receiver;
        for (const QString &name : {CloudSyncNotification::didStart, CloudSyncNotification::didFinish})
            NotificationCenter::defaultCenter().addObserver(name, nullptr, &receiver, [&posted](const Notification &note) {
                posted.append(note.name + (note.userInfo.isEmpty() ? QString() : QStringLiteral("+info")));
            });
        model.refresh();
        QCOMPARE(posted, QStringList{CloudSyncNotification::didStart}); // the finish comes after the call returned
        QVERIFY(model.isSyncingFromCloud());
        QTRY_VERIFY(!model.isSyncingFromCloud());
        QCOMPARE(posted, (QStringList{CloudSyncNotification::didStart, CloudSyncNotification::didFinish}));
        QVERIFY(model.lastCloudSyncErrorMessage().isNull());
    }

    void normalRunUsesTheCloudEngine()
    {
        StashlineApp app({QStringLiteral("stashline")}, QProcessEnvironment());
        ShareListViewModel &model = app.viewModel();
        QCOMPARE(&model.context(), &app.container().viewContext());
        QCOMPARE(dynamic_cast<CloudKitSyncManager *>(&model.syncManager()), &CloudKitSyncManager::shared());
        // A second model (the UI-test window's, say) shares the engine; destroying it leaves the
        // engine alone.
        {
            StashlineApp other({QStringLiteral("stashline")}, QProcessEnvironment());
            QCOMPARE(&other.viewModel().syncManager(), &model.syncManager());
        }
        QVERIFY(!CloudKitSyncManager::shared().isTestRun());
    }
};

QTEST_GUILESS_MAIN(TestComposition)
#include "tst_composition.moc"
