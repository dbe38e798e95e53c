#include "app/PreviewSyncManager.h"
#include "app/StashlineApp.h"
#include "Services/CloudKitSyncManager.h"
#include "model/ShareListViewModel.h"
#include "platform/NotificationCenter.h"
#include "platform/PersistentContainer.h"
#include "store/ShareItem.h"

#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(&model.context(), &app.container().viewContext());
        QVERIFY(dynamic_cast<PreviewSyncManager *>(&model.syncManager()));

        ShareItem *failed = ShareItem::insert(model.context());
        failed->setSyncStatus(ShareItem::SyncStatus::failed);
        ShareItem *pending = ShareItem::insert(model.context());
        QVERIFY(!model.context().save());
        model.retryShare(failed);
        QCOMPARE(failed->syncStatus(), ShareItem::SyncStatus::synced);
        QVERIFY(model.context().hasChanges()); // not saved
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
        QTRY_VERIFY(!model.isSyncingFromCloud());
        QCOMPARE(posted, (QStringList{CloudSyncNotification::didStart, CloudSyncNotification::didFinish}));
    }

    void normalRunUsesTheCloudEngine()
    {
        StashlineApp app({QStringLiteral("stashline")}, QProcessEnvironment());
        ShareListViewModel &model = app.viewModel();
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
