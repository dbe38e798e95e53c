#include "ModelTestSupport.h"

#include "model/ShareSearchModel.h"

#include "../StdoutCapture.h"
#include "Services/SyncActivity.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/SqliteDatabase.h"
#include "store/PersistenceController.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QDateTime berlinTime(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    time.setTimeZone(QTimeZone("Europe/Berlin"));
    return time;
}

// "Today: a, b | Yesterday: c", using the items' titles (row ids read through `context`).
QString describe(const QList<ShareSection> &sections, ManagedObjectContext *context = nullptr)
{
    QStringList parts;
    for (const ShareSection &section : sections) {
        QStringList titles;
        for (const ShareItem *item : section.shares)
            titles.append(item->title());
        for (qint64 rowId : section.rowIds)
            titles.append(static_cast<ShareItem *>(context->existingObject(ShareItem::entityName, rowId))->title());
        parts.append(section.title + QStringLiteral(": ") + titles.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(" | "));
}

int itemCount(const QList<ShareSection> &sections)
{
    int count = 0;
    for (const ShareSection &section : sections)
        count += int(section.shares.size());
    return count;
}

} // namespace

class TestShareListViewModel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_directory;
    std::unique_ptr<PersistentContainer> m_container;
    std::shared_ptr<RecordingSyncManager> m_sync;
    QDateTime m_now;
    std::unique_ptr<SyncActivity> m_activity;
    std::unique_ptr<ShareListViewModel> m_model;

    ManagedObjectContext &context() { return m_container->viewContext(); }

    // Changes the store file behind the model's back, through a second connection.
    void executeOnStoreFile(const char *sql)
    {
        SqliteDatabase other;
        QVERIFY(!other.open(m_container->persistentStoreDescription().path));
        QVERIFY(!other.execute(sql));
    }

    // A stored item; `when` "-" means no creation date.
    ShareItem *addItem(const QString &title, const QString &when, bool isFavorite = false)
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        item->setContent(QStringLiteral("note"));
        item->setCreatedAt(when == QLatin1String("-") ? QDateTime() : berlinTime(when));
        item->setIsFavorite(isFavorite);
        return item;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Localization::install(QLocale(QLocale::English)));
    }

    // Every test gets a store file of its own, so a second connection can change it underneath.
    void init()
    {
        m_model.reset();
        m_container.reset();
        m_sync = std::make_shared<RecordingSyncManager>();
        m_now = berlinTime(QStringLiteral("2024-03-13T10:00:00"));
        std::optional<StoreError> error;
        m_container = PersistenceController::openOnDiskContainer(
            m_directory.filePath(QStringLiteral("%1-%2.sqlite").arg(QTest::currentTestFunction(), QTest::currentDataTag())), &error);
        QVERIFY(m_container);
        m_model.reset();
        m_activity = std::make_unique<SyncActivity>();
        m_model = std::make_unique<ShareListViewModel>(
            context(), Calendar(QTimeZone("Europe/Berlin"), QLocale(QLocale::English, QLocale::UnitedStates)), m_sync,
            [this] { return m_now; }, nullptr, m_activity.get());
    }

    void sections_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QStringList>("items"); // "title=local time", "*" after the time: favourite
        QTest::addColumn<QString>("recent");
        QTest::addColumn<QString>("favorites");
        QTest::addColumn<QString>("history");

        const QString now = QStringLiteral("2024-03-13T10:00:00");
        QTest::newRow("empty") << now << QStringList() << "" << "" << "";
        QTest::newRow("cut-off instant and one moment before")
            << now << QStringList{"a=2024-03-10T00:00:00.000", "b=2024-03-09T23:59:59.999"} << "Mar 10, 2024: a" << ""
            << "Mar 9, 2024: b";
        QTest::newRow("no creation date counts as now")
            << now << QStringList{"a=-", "later=2024-03-13T11:00:00", "earlier=2024-03-13T09:00:00"}
            << "Today: later, a, earlier" << "" << "";
        QTest::newRow("equal dates keep fetch order")
            << now << QStringList{"x=2024-03-12T09:00:00", "y=2024-03-12T09:00:00", "z=2024-03-12T09:00:00"} << "Yesterday: z, y, x"
            << "" << "";
        QTest::newRow("old favourites newest first, today's stays recent")
            << now << QStringList{"f2=2024-02-01T10:00:00*", "f1=2024-03-08T12:00:00*", "new=2024-03-13T08:00:00*"}
            << "Today: new" << "Favorites: f1, f2" << "";
        // Clocks go forward on 31 March: 72 hours before today's midnight would be 23:00 on the 29th.
        QTest::newRow("clocks go forward inside the window")
            << "2024-04-02T10:00:00"
            << QStringList{"old=2024-03-29T23:30:00", "first=2024-03-30T00:00:00", "before=2024-03-31T01:30:00",
                           "after=2024-03-31T03:30:00"}
            << "Mar 31, 2024: after, before | Mar 30, 2024: first" << "" << "Mar 29, 2024: old";
    }

    void sections()
    {
        QFETCH(QString, now);
        QFETCH(QStringList, items);
        QFETCH(QString, recent);
        QFETCH(QString, favorites);
        QFETCH(QString, history);
        m_now = berlinTime(now);
        for (const QString &entry : items) {
            const QString when = entry.section(QLatin1Char('='), 1);
            addItem(entry.section(QLatin1Char('='), 0, 0), QString(when).remove(QLatin1Char('*')), when.endsWith(QLatin1Char('*')));
        }
        QVERIFY(!context().save());

        m_model->loadShares();
        QCOMPARE(describe(m_model->recentSections()), recent);
        QCOMPARE(describe(m_model->favoriteSections()), favorites);
        QCOMPARE(describe(m_model->historySections()), history);
        QCOMPARE(m_model->hasHistory(), !history.isEmpty());
    }

    void finishNotification_data()
    {
        QTest::addColumn<QVariantMap>("userInfo");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty text") << QVariantMap{{"errorMessage", QString()}} << "old";
        QTest::newRow("not text") << QVariantMap{{"errorMessage", 42}} << "old";
        QTest::newRow("error text") << QVariantMap{{"errorMessage", "boom"}} << "boom";
    }

    void finishNotification()
    {
        QFETCH(QVariantMap, userInfo);
        QFETCH(QString, error);
        NotificationCenter &center = NotificationCenter::defaultCenter();
        QSignalSpy syncing(m_model.get(), &ShareListViewModel::isSyncingFromCloudChanged);
        // Posted from another thread, as the cloud layer may.
        std::unique_ptr<QThread> poster(QThread::create([&] {
            center.post(CloudSyncNotification::didStart);
            center.post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", "old"}});
            center.post(CloudSyncNotification::didFinish, nullptr, userInfo);
        }));
        poster->start();
        poster->wait();
        QTRY_COMPARE(syncing.count(), 3);
        QVERIFY(!m_model->isSyncingFromCloud());
        QCOMPARE(m_model->lastCloudSyncErrorMessage(), error);

        center.post(CloudSyncNotification::didStart);
        QTRY_VERIFY(m_model->isSyncingFromCloud());
        QVERIFY(m_model->lastCloudSyncErrorMessage().isNull()); // the start always clears it
    }

    // Every edit saves, publishes the reload, and only then runs the queued upload.
    void editsSaveReloadThenUpload()
    {
        ShareItem *old = addItem(QStringLiteral("old"), QStringLiteral("2024-03-05T10:00:00"));
        old->setSyncStatus(ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());
        connect(&context(), &ManagedObjectContext::didSave, this, [this] { m_sync->log.append(QStringLiteral("save")); });
        connect(m_model.get(), &ShareListViewModel::recentSectionsChanged, this,
                [this] { m_sync->log.append(QStringLiteral("reload")); });

        m_model->addShare(QStringLiteral("Link"), QStringLiteral("https://example.com"), QStringLiteral("url"), QUuid(), false);
        QCOMPARE(m_sync->log, (QStringList{"save", "reload"}));
        QCOMPARE(describe(m_model->recentSections()), QStringLiteral("Today: Link"));
        QTRY_COMPARE(m_sync->log.last(), QStringLiteral("upload"));
        ShareItem *added = m_model->firstShare();
        QCOMPARE(added->createdAt(), m_now);
        QVERIFY(!added->uuid().isNull());
        QCOMPARE(added->localChangeCount(), 1);
        QCOMPARE(added->modifiedAt(), m_now);

        // An edit keeps the item's day; two favourite toggles give the flag back, still pending.
        m_model->updateShare(old, QStringLiteral("edited"), QStringLiteral("text"), QStringLiteral("text"), QUuid(), false);
        QCOMPARE(describe(m_model->historySections()), QStringLiteral("Mar 5, 2024: edited"));
        QCOMPARE(old->syncStatus(), ShareItem::SyncStatus::pending);
        old->setSyncStatus(ShareItem::SyncStatus::synced);
        m_model->toggleFavorite(old);
        QCOMPARE(describe(m_model->favoriteSections()), QStringLiteral("Favorites: edited"));
        m_model->toggleFavorite(old);
        QVERIFY(!old->isFavorite());
        QCOMPARE(old->syncStatus(), ShareItem::SyncStatus::pending);
        QTRY_COMPARE(m_sync->calls("upload"), 4);
        QCOMPARE(old->localChangeCount(), 3); // every change counts, so an upload in flight knows
        // Changes at one wall-clock time are still ordered: each is stamped after the one before.
        QCOMPARE(old->modifiedAt(), m_now.addMSecs(3));

        // Deleting moves the item to the trash: it leaves every list at once and waits, pending,
        // for the upload; Delete Now then marks it for the soft deletion.
        old->setSyncStatus(ShareItem::SyncStatus::synced);
        m_model->deleteShares({old});
        QCOMPARE(describe(m_model->recentSections()), QStringLiteral("Today: Link"));
        QVERIFY(m_model->favoriteSections().isEmpty());
        QVERIFY(!m_model->hasHistory());
        QCOMPARE(m_model->trashCount(), 1);
        QCOMPARE(m_model->trashModel()->rowCount(), 2); // its heading and the item
        QTRY_COMPARE(m_sync->calls("upload"), 5);
        QVERIFY(!context().hasChanges());
        QCOMPARE(old->trashedAt(), m_now);
        QVERIFY(!old->isMarkedForDeletion());
        QCOMPARE(old->syncStatus(), ShareItem::SyncStatus::pending);
        QCOMPARE(old->localChangeCount(), 4);
        m_model->deleteShareNow(old);
        QCOMPARE(m_model->trashCount(), 0);
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 2);
        QVERIFY(old->isMarkedForDeletion());
        QCOMPARE(old->localChangeCount(), 5);
    }

    // The older favourites and the history are read a page at a time, newest first; a view asks
    // for the next page, and a reload reads as many pages as were shown.
    void olderGroupsArePaged()
    {
        const int total = ShareListViewModel::pageSize + 30;
        QList<ShareItem *> history;
        for (int index = 0; index < total; ++index)
            history.append(addItem(QStringLiteral("h%1").arg(index),
                                   QDateTime(QDate(2024, 2, 20), QTime(10, 0)).addSecs(-60 * index).toString(Qt::ISODate)));
        addItem(QStringLiteral("older favourite"), QStringLiteral("2024-01-01T10:00:00"), true);
        QVERIFY(!context().save());
        m_model->loadShares();
        QCOMPARE(itemCount(m_model->historySections()), ShareListViewModel::pageSize);
        QCOMPARE(m_model->historySections().constFirst().shares.constFirst()->title(), QStringLiteral("h0"));
        QVERIFY(m_model->hasHistory());
        QVERIFY(m_model->historyModel()->canFetchMore({}));
        QVERIFY(!m_model->favoritesModel()->canFetchMore({}));

        // An edit's reload reads the same pages; the favourite leaves the history.
        m_model->toggleFavorite(history.at(5));
        QCOMPARE(itemCount(m_model->historySections()), ShareListViewModel::pageSize);
        QCOMPARE(describe(m_model->favoriteSections()), QStringLiteral("Favorites: h5, older favourite"));

        // Changes the store refuses still show, and a page still holds a page's worth.
        executeOnStoreFile("CREATE TRIGGER refuse_update BEFORE UPDATE ON ShareItem BEGIN SELECT RAISE(ABORT, 'disk is full'); END;");
        StdoutCapture capture;
        m_model->toggleFavorite(history.at(7));
        m_model->deleteShares({history.at(0)});
        QVERIFY(context().hasChanges());
        QCOMPARE(itemCount(m_model->historySections()), ShareListViewModel::pageSize);
        QVERIFY(m_model->historyModel()->canFetchMore({}));
        QCOMPARE(describe(m_model->favoriteSections()), QStringLiteral("Favorites: h5, h7, older favourite"));
        QCOMPARE(m_model->historySections().constFirst().shares.constFirst()->title(), QStringLiteral("h1"));

        m_model->historyModel()->fetchMore({});
        QCOMPARE(itemCount(m_model->historySections()), total - 3);
        QCOMPARE(m_model->historySections().constLast().shares.constLast()->title(), QStringLiteral("h%1").arg(total - 1));
        QVERIFY(!m_model->historyModel()->canFetchMore({}));
    }

    // Search results keep the list's sections, rank a title match first within a section, and
    // follow every edit.
    void searchResultsKeepSections()
    {
        addItem(QStringLiteral("budget today"), QStringLiteral("2024-03-13T08:00:00"));
        ShareItem *inContent = addItem(QStringLiteral("notes"), QStringLiteral("2024-03-13T09:00:00"));
        inContent->setContent(QStringLiteral("the budget for spring"));
        addItem(QStringLiteral("older budget"), QStringLiteral("2024-03-01T10:00:00"));
        addItem(QStringLiteral("budget favourite"), QStringLiteral("2024-02-01T10:00:00"), true);
        addItem(QStringLiteral("unrelated"), QStringLiteral("2024-03-13T07:00:00"));
        QVERIFY(!context().save());
        m_model->loadShares();

        ShareSearchModel search;
        search.setViewModel(m_model.get());
        QVERIFY(!search.isActive());
        QVERIFY(search.results()->isEmpty());
        QSignalSpy changed(&search, &ShareSearchModel::resultsChanged);
        search.setQuery(QStringLiteral("budget"));
        QVERIFY(search.isActive());
        QCOMPARE(search.resultCount(), 4);
        QCOMPARE(describe(search.results()->sections(), &context()),
                 QStringLiteral("Today: budget today, notes | Favorites: budget favourite | Mar 1, 2024: older budget"));
        QCOMPARE(search.highlightTerms(), QStringList{"budget"});
        QCOMPARE(search.results()->itemAt(2), inContent); // rows are read when shown

        m_model->updateShare(inContent, QStringLiteral("notes"), QStringLiteral("for spring"), QStringLiteral("text"), QUuid(),
                             false);
        QCOMPARE(describe(search.results()->sections(), &context()),
                 QStringLiteral("Today: budget today | Favorites: budget favourite | Mar 1, 2024: older budget"));
        QVERIFY(changed.count() >= 2);

        search.setQuery(QStringLiteral("budget -is:fav before:2024-03-10"));
        QCOMPARE(describe(search.results()->sections(), &context()), QStringLiteral("Mar 1, 2024: older budget"));
        search.setQuery(QStringLiteral("nothing like it"));
        QVERIFY(search.isActive());
        QCOMPARE(search.resultCount(), 0);
        QVERIFY(search.results()->isEmpty());
        search.setQuery(QStringLiteral("  "));
        QVERIFY(!search.isActive());
        QVERIFY(search.results()->isEmpty());
    }

    // A retry clears the banner error and leaves the rest to the sync interface; nothing is saved.
    void retryClearsErrorWithoutSaving()
    {
        ShareItem *item = addItem(QStringLiteral("a"), QStringLiteral("2024-03-13T08:00:00"));
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", "offline"}});
        QTRY_COMPARE(m_model->lastCloudSyncErrorMessage(), QStringLiteral("offline"));
        m_model->retryShare(item);
        QVERIFY(m_model->lastCloudSyncErrorMessage().isNull());
        QCOMPARE(m_sync->retried, QList<ShareItem *>{item});
        QVERIFY(context().hasChanges());
        m_model->syncFromCloud();
        m_model->refresh(); // a download already runs: no second one
        QCOMPARE(m_sync->calls("download"), 1);
    }

    void storeFailures()
    {
        auto storedRows = [this] {
            SqliteDatabase other;
            if (other.open(m_container->persistentStoreDescription().path))
                return -1;
            SqliteStatement count(other, "SELECT COUNT(*) FROM ShareItem");
            return count.step() ? int(count.columnInt64(0)) : -1;
        };
        QSignalSpy saveError(m_model.get(), &ShareListViewModel::lastSaveErrorMessageChanged);
        executeOnStoreFile("CREATE TRIGGER refuse_insert BEFORE INSERT ON ShareItem BEGIN SELECT RAISE(ABORT, 'disk is full'); END;");
        StdoutCapture capture;
        m_model->addShare(QStringLiteral("t"), QStringLiteral("c"), QStringLiteral("text"), QUuid(), false);
        const QByteArray printed = capture.text();
        QVERIFY2(printed.startsWith("Failed to save context: ") && printed.contains("disk is full"), printed.constData());
        QVERIFY2(m_model->lastSaveErrorMessage().contains(QLatin1String("disk is full")),
                 qPrintable(m_model->lastSaveErrorMessage()));
        QCOMPARE(saveError.count(), 1);
        QCOMPARE(describe(m_model->recentSections()), QStringLiteral("Today: t"));
        QVERIFY(context().hasChanges());
        QTRY_COMPARE(m_sync->calls("upload"), 1); // the upload is still requested

        // Another edit while the store refuses: both stay in memory, the banner stays.
        m_model->toggleFavorite(m_model->firstShare());
        m_model->retrySave();
        QVERIFY(!m_model->lastSaveErrorMessage().isNull());
        QCOMPARE(storedRows(), 0);

        executeOnStoreFile("DROP TRIGGER refuse_insert;");
        m_model->retrySave();
        QVERIFY(!context().hasChanges());
        QVERIFY(m_model->lastSaveErrorMessage().isNull());
        QCOMPARE(storedRows(), 1);
        QTRY_COMPARE(m_sync->calls("upload"), 3); // the stored items go up

        // A save by someone else (the sync engine) also ends a failure.
        executeOnStoreFile("CREATE TRIGGER refuse_update BEFORE UPDATE ON ShareItem BEGIN SELECT RAISE(ABORT, 'read-only'); END;");
        m_model->toggleFavorite(m_model->firstShare());
        QVERIFY(m_model->lastSaveErrorMessage().contains(QLatin1String("read-only")));
        executeOnStoreFile("DROP TRIGGER refuse_update;");
        QVERIFY(!context().save());
        QVERIFY(m_model->lastSaveErrorMessage().isNull());

        executeOnStoreFile("DROP TABLE ShareItem;");
        m_model->loadShares();
        QVERIFY(!m_model->firstShare());
        QVERIFY(m_model->recentModel()->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestShareListViewModel)
#include "tst_sharelistviewmodel.moc"
