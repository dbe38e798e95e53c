#include "ModelTestSupport.h"

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

// "Today: a, b | Yesterday: c", using the items' titles.
QString describe(const QList<ShareSection> &sections)
{
    QStringList parts;
    for (const ShareSection &section : sections) {
        QStringList titles;
        for (const ShareItem *item : section.shares)
            titles.append(item->title());
        parts.append(section.title + QStringLiteral(": ") + titles.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(" | "));
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
        QCOMPARE(m_model->shares().size(), items.size());
        QCOMPARE(describe(m_model->recentSections()), recent);
        QCOMPARE(describe(m_model->favoriteSections()), favorites);
        QCOMPARE(describe(m_model->historySections()), history);
        QCOMPARE(m_model->hasHistory(), !history.isEmpty());
    }

    void legacyContent_data()
    {
        QTest::addColumn<QString>("title"); // "<absent>" for none
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QString>("newTitle");
        QTest::addColumn<bool>("saves");

        QTest::newRow("word and link") << "Read https://example.com/a?b=1" << "https://example.com/a?b=1" << "url" << "Read" << true;
        QTest::newRow("link only, www host") << "  https://www.news.example.com/x \n"
                                             << "https://www.news.example.com/x" << "url" << "news.example.com" << true;
        QTest::newRow("no link") << "Just a note" << "<absent>" << "text" << "Just a note" << false;
        QTest::newRow("absent title") << "<absent>" << "<absent>" << "text" << "<absent>" << false;
    }

    void legacyContent()
    {
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(QString, contentType);
        QFETCH(QString, newTitle);
        QFETCH(bool, saves);
        auto value = [](const QString &text) { return text == QLatin1String("<absent>") ? QString() : text; };
        auto shown = [](const QString &text) { return text.isNull() ? QStringLiteral("<absent>") : text; };

        ShareItem *legacy = addItem(value(title), QStringLiteral("2024-03-13T08:00:00"));
        legacy->setContent(QString());
        legacy->setContentType(QStringLiteral("url"));
        ShareItem *withContent = addItem(QStringLiteral("see example.com"), QStringLiteral("2024-03-13T07:00:00"));
        withContent->setContent(QStringLiteral(""));
        QVERIFY(!context().save());

        QSignalSpy saved(&context(), &ManagedObjectContext::didSave);
        m_model->loadShares();
        QCOMPARE(shown(legacy->content()), content);
        QCOMPARE(legacy->contentType(), contentType);
        QCOMPARE(shown(legacy->title()), newTitle);
        QCOMPARE(saved.count(), saves ? 1 : 0);
        QCOMPARE(withContent->title(), QStringLiteral("see example.com")); // present content is never touched
        QCOMPARE(withContent->content(), QStringLiteral(""));
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
        ShareItem *added = m_model->shares().first();
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

        // Deleting hides the item at once; its record stays, marked and pending, for the upload.
        old->setSyncStatus(ShareItem::SyncStatus::synced);
        m_model->deleteShares({old});
        QCOMPARE(m_model->shares(), QList<ShareItem *>{added});
        QVERIFY(!m_model->hasHistory());
        QTRY_COMPARE(m_sync->calls("upload"), 5);
        QVERIFY(!context().hasChanges());
        QCOMPARE(context().execute(ShareItem::fetchRequest()).objects.size(), 2);
        QVERIFY(old->isMarkedForDeletion());
        QCOMPARE(old->syncStatus(), ShareItem::SyncStatus::pending);
        QCOMPARE(old->localChangeCount(), 4);
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
        QCOMPARE(m_model->shares().size(), 1);
        QVERIFY(context().hasChanges());
        QTRY_COMPARE(m_sync->calls("upload"), 1); // the upload is still requested

        // Another edit while the store refuses: both stay in memory, the banner stays.
        m_model->toggleFavorite(m_model->shares().first());
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
        m_model->toggleFavorite(m_model->shares().first());
        QVERIFY(m_model->lastSaveErrorMessage().contains(QLatin1String("read-only")));
        executeOnStoreFile("DROP TRIGGER refuse_update;");
        QVERIFY(!context().save());
        QVERIFY(m_model->lastSaveErrorMessage().isNull());

        executeOnStoreFile("DROP TABLE ShareItem;");
        m_model->loadShares();
        QVERIFY(m_model->shares().isEmpty());
        QVERIFY(m_model->recentModel()->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestShareListViewModel)
#include "tst_sharelistviewmodel.moc"
