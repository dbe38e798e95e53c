#include "ModelTestSupport.h"

#include "app/PreviewSyncManager.h"
#include "app/StashlineApp.h"
#include "app/SyncManagerProvider.h"
#include "app/UnavailableCloudSyncManager.h"
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

    void normalRunUsesTheProcessWideSyncInterface()
    {
        {
            StashlineApp app({QStringLiteral("stashline")}, QProcessEnvironment());
            ShareListViewModel &model = app.viewModel();
            QVERIFY(dynamic_cast<UnavailableCloudSyncManager *>(&model.syncManager()));
            // Without an engine a pull ends at once and says why nothing arrived.
            model.syncFromCloud();
            QTRY_VERIFY(!model.isSyncingFromCloud());
            QCOMPARE(model.lastCloudSyncErrorMessage(), UnavailableCloudSyncManager::errorMessage);
        }
        auto engine = std::make_shared<RecordingSyncManager>();
        SyncManagerProvider::install([engine] { return engine; });
        StashlineApp app({QStringLiteral("stashline")}, QProcessEnvironment());
        QCOMPARE(&app.viewModel().syncManager(), engine.get());
        app.viewModel().syncFromCloud();
        QCOMPARE(engine->downloads, 1);
        SyncManagerProvider::install({});
    }
};

QTEST_GUILESS_MAIN(TestComposition)
#include "tst_composition.moc"
