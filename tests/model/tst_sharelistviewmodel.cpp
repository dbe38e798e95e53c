#include "ModelTestSupport.h"

#include "../StdoutCapture.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/SqliteDatabase.h"
#include "store/PersistenceController.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QTimeZone berlin("Europe/Berlin");

QDateTime berlinTime(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    time.setTimeZone(berlin);
    return time;
}

} // namespace

class TestShareListViewModel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_directory;
    std::unique_ptr<PersistentContainer> m_container;
    QStringList m_log;
    std::shared_ptr<RecordingSyncManager> m_sync;
    QDateTime m_now;
    std::unique_ptr<ShareListViewModel> m_model;

    ManagedObjectContext &context() { return m_container->viewContext(); }

    void openStore(bool onDisk)
    {
        m_model.reset();
        m_container.reset();
        std::optional<StoreError> error;
        const QString path = m_directory.filePath(QStringLiteral("%1-%2.sqlite").arg(QString::fromLatin1(QTest::currentTestFunction()), QString::fromLatin1(QTest::currentDataTag())));
        m_container = onDisk ? PersistenceController::openOnDiskContainer(path, &error)
                             : PersistenceController::openInMemoryContainer(&error);
        QVERIFY(m_container);
        m_model = std::make_unique<ShareListViewModel>(context(), Calendar(berlin, QLocale(QLocale::English, QLocale::UnitedStates)),
                                                       m_sync, [this] { return m_now; });
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

    void init()
    {
        m_log.clear();
        m_sync = std::make_shared<RecordingSyncManager>(&m_log);
        m_now = berlinTime(QStringLiteral("2024-03-13T10:00:00"));
        openStore(false);
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
        QTest::newRow("old favourite versus today's")
            << now << QStringList{"old=2024-03-08T12:00:00*", "new=2024-03-13T08:00:00*"} << "Today: new" << "Favorites: old"
            << "";
        QTest::newRow("only recent")
            << now << QStringList{"c=2024-03-11T00:30:00", "a=2024-03-13T00:00:00", "b=2024-03-12T23:59:00"}
            << "Today: a | Yesterday: b | Mar 11, 2024: c" << "" << "";
        QTest::newRow("only old favourites")
            << now << QStringList{"f2=2024-02-01T10:00:00*", "f1=2024-03-01T10:00:00*"} << "" << "Favorites: f1, f2" << "";
        QTest::newRow("history days newest first")
            << now << QStringList{"h1=2024-03-01T10:00:00", "h3=2024-03-05T08:00:00", "h2=2024-03-05T10:00:00"} << ""
            << "" << "Mar 5, 2024: h2, h3 | Mar 1, 2024: h1";
        // Clocks go forward on 31 March: 72 hours before today's midnight is 23:00 on the 29th.
        QTest::newRow("clocks go forward inside the window")
            << "2024-04-02T10:00:00"
            << QStringList{"old=2024-03-29T23:30:00", "first=2024-03-30T00:00:00", "before=2024-03-31T01:30:00",
                           "after=2024-03-31T03:30:00"}
            << "Mar 31, 2024: after, before | Mar 30, 2024: first" << "" << "Mar 29, 2024: old";
        // Clocks go back on 27 October: 72 hours before today's midnight is 01:00 on the 25th.
        QTest::newRow("clocks go back inside the window")
            << "2024-10-28T10:00:00" << QStringList{"new=2024-10-25T00:30:00", "old=2024-10-24T23:59:00"}
            << "Oct 25, 2024: new" << "" << "Oct 24, 2024: old";
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
        QCOMPARE(brokenInvariant(*m_model), QString());
        if (!favorites.isEmpty())
            QCOMPARE(m_model->favoriteSections().first().id, QStringLiteral("Favorites"));
    }

    void equalDatesKeepFetchOrder()
    {
        for (const QString &title : {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")})
            addItem(title, QStringLiteral("2024-03-12T09:00:00"));
        QVERIFY(!context().save());
        m_model->loadShares();
        QCOMPARE(m_model->recentSections().size(), 1);
        QCOMPARE(m_model->recentSections().first().shares, m_model->shares());
    }

    void localizedTitles()
    {
        addItem(QStringLiteral("a"), QStringLiteral("2024-03-13T08:00:00"));
        addItem(QStringLiteral("b"), QStringLiteral("2024-03-12T08:00:00"));
        addItem(QStringLiteral("c"), QStringLiteral("2024-03-01T08:00:00"), true);
        QVERIFY(!context().save());
        QVERIFY(Localization::install(QLocale(QLocale::German)));
        m_model->loadShares();
        QVERIFY(Localization::install(QLocale(QLocale::English)));
        QCOMPARE(describe(m_model->recentSections()), QStringLiteral("Heute: a | Gestern: b"));
        QCOMPARE(describe(m_model->favoriteSections()), QStringLiteral("Favoriten: c"));
    }

    void everyAssignmentNotifiesInOrder()
    {
        QStringList emitted;
        for (auto [signal, name] : {std::pair{&ShareListViewModel::sharesChanged, "shares"},
                                    {&ShareListViewModel::recentSectionsChanged, "recent"},
                                    {&ShareListViewModel::favoriteSectionsChanged, "favorites"},
                                    {&ShareListViewModel::historySectionsChanged, "history"},
                                    {&ShareListViewModel::hasHistoryChanged, "hasHistory"}})
            connect(m_model.get(), signal, this, [&emitted, name] { emitted.append(QString::fromLatin1(name)); });
        m_model->loadShares();
        m_model->loadShares(); // nothing changed, still every field is assigned
        const QStringList once{"shares", "recent", "favorites", "history", "hasHistory"};
        QCOMPARE(emitted, once + once);
    }

    void legacyContent_data()
    {
        QTest::addColumn<QString>("title"); // "<absent>" for none
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QString>("newTitle");
        QTest::addColumn<bool>("saves");

        QTest::newRow("word and link") << "Read https://example.com/a?b=1" << "https://example.com/a?b=1" << "url" << "Read" << true;
        QTest::newRow("bare www host") << "www.example.org" << "http://www.example.org" << "url" << "example.org" << true;
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

        ShareItem *legacy = addItem(value(title), QStringLiteral("2024-03-13T08:00:00"));
        legacy->setContent(QString());
        legacy->setContentType(QStringLiteral("url"));
        ShareItem *withContent = addItem(QStringLiteral("see example.com"), QStringLiteral("2024-03-13T07:00:00"));
        withContent->setContent(QStringLiteral(""));
        QVERIFY(!context().save());

        QSignalSpy saved(&context(), &ManagedObjectContext::didSave);
        m_model->loadShares();
        QCOMPARE(legacy->content(), value(content));
        QCOMPARE(legacy->content().isNull(), content == QLatin1String("<absent>"));
        QCOMPARE(legacy->contentType(), contentType);
        QCOMPARE(legacy->title(), value(newTitle));
        QCOMPARE(legacy->title().isNull(), newTitle == QLatin1String("<absent>"));
        QCOMPARE(saved.count(), saves ? 1 : 0);
        QCOMPARE(withContent->title(), QStringLiteral("see example.com")); // present content is never touched
        QCOMPARE(withContent->content(), QStringLiteral(""));
    }

    void notifications_data()
    {
        QTest::addColumn<QVariantMap>("userInfo");
        QTest::addColumn<QString>("error");
        QTest::newRow("no user info") << QVariantMap() << "old";
        QTest::newRow("empty text") << QVariantMap{{"errorMessage", QString()}} << "old";
        QTest::newRow("not text") << QVariantMap{{"errorMessage", 42}} << "old";
        QTest::newRow("other key") << QVariantMap{{"message", "boom"}} << "old";
        QTest::newRow("error text") << QVariantMap{{"errorMessage", "boom"}} << "boom";
    }

    void notifications()
    {
        QFETCH(QVariantMap, userInfo);
        QFETCH(QString, error);
        NotificationCenter &center = NotificationCenter::defaultCenter();
        center.post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", "old"}});
        QTRY_COMPARE(m_model->lastCloudSyncErrorMessage(), QStringLiteral("old"));

        center.post(CloudSyncNotification::didStart);
        QTRY_VERIFY(m_model->isSyncingFromCloud());
        QVERIFY(m_model->lastCloudSyncErrorMessage().isNull());
        center.post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", "old"}});
        QTRY_VERIFY(!m_model->isSyncingFromCloud());

        // A pass posted from another thread, as the cloud layer may.
        QThread *poster = QThread::create([&] {
            center.post(CloudSyncNotification::didStart);
            center.post(CloudSyncNotification::didFinish, nullptr, userInfo);
        });
        poster->start();
        poster->wait();
        delete poster;
        QSignalSpy finished(m_model.get(), &ShareListViewModel::isSyncingFromCloudChanged);
        QTRY_COMPARE(finished.count(), 2);
        QVERIFY(!m_model->isSyncingFromCloud());
        // The start cleared the text; only an error text sets it again.
        QCOMPARE(m_model->lastCloudSyncErrorMessage(), error == QLatin1String("old") ? QString() : error);
        QCOMPARE(m_model->lastCloudSyncErrorMessage().isNull(), error == QLatin1String("old"));
    }

    void finishWithoutErrorKeepsText()
    {
        NotificationCenter &center = NotificationCenter::defaultCenter();
        center.post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", "old"}});
        center.post(CloudSyncNotification::didFinish);
        center.post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", ""}});
        QTRY_VERIFY(!m_model->lastCloudSyncErrorMessage().isNull());
        QCoreApplication::processEvents();
        QCOMPARE(m_model->lastCloudSyncErrorMessage(), QStringLiteral("old"));
    }

    void addSavesReloadsThenUploads()
    {
        connect(&context(), &ManagedObjectContext::didSave, this, [this] { m_log.append(QStringLiteral("save")); });
        connect(m_model.get(), &ShareListViewModel::recentSectionsChanged, this, [this] { m_log.append(QStringLiteral("reload")); });
        QString sectionsAtUpload;
        m_sync->onUpload = [&] { sectionsAtUpload = describe(m_model->recentSections()); };
        m_now = berlinTime(QStringLiteral("2024-03-13T09:30:00"));

        m_model->addShare(QStringLiteral("Link"), QStringLiteral("https://example.com"), QStringLiteral("url"), QUuid(), true);
        QCOMPARE(m_log, (QStringList{"save", "reload"}));
        QTRY_COMPARE(m_sync->uploads, 1);
        QCOMPARE(m_log.first(2), (QStringList{"save", "reload"}));
        QCOMPARE(m_log.last(), QStringLiteral("upload"));
        QCOMPARE(sectionsAtUpload, QStringLiteral("Today: Link"));

        ShareItem *item = m_model->shares().first();
        QCOMPARE(item->createdAt(), m_now);
        QVERIFY(item->isFavorite());
        QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::pending);
        QCOMPARE(item->contentType(), QStringLiteral("url"));
        QVERIFY(!item->uuid().isNull());
        QVERIFY(!context().hasChanges());
    }

    void editsMarkPendingAndKeepDay()
    {
        ShareItem *old = addItem(QStringLiteral("old"), QStringLiteral("2024-03-05T10:00:00"));
        old->setSyncStatus(ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());
        m_model->loadShares();

        m_model->updateShare(old, QStringLiteral("edited"), QStringLiteral("text"), QStringLiteral("text"), QUuid(), false);
        QCOMPARE(describe(m_model->historySections()), QStringLiteral("Mar 5, 2024: edited"));
        QCOMPARE(old->syncStatus(), ShareItem::SyncStatus::pending);

        old->setSyncStatus(ShareItem::SyncStatus::synced);
        m_model->toggleFavorite(old);
        QCOMPARE(describe(m_model->favoriteSections()), QStringLiteral("Favorites: edited"));
        m_model->toggleFavorite(old);
        QVERIFY(!old->isFavorite());
        QCOMPARE(old->syncStatus(), ShareItem::SyncStatus::pending);
        QTRY_COMPARE(m_sync->uploads, 3);
    }

    void softDeleteKeepsRecordPending()
    {
        openStore(true);
        ShareItem *kept = addItem(QStringLiteral("kept"), QStringLiteral("2024-03-01T10:00:00"));
        ShareItem *gone = addItem(QStringLiteral("gone"), QStringLiteral("2024-03-02T10:00:00"));
        gone->setSyncStatus(ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());
        m_model->loadShares();
        QVERIFY(m_model->hasHistory());
        QCoreApplication::processEvents(); // the reload that follows the save

        QSignalSpy reloads(m_model.get(), &ShareListViewModel::sharesChanged);
        m_model->deleteShares({});
        QCoreApplication::processEvents();
        QCOMPARE(reloads.count(), 0);
        QCOMPARE(m_sync->uploads, 0);

        m_model->deleteShares({gone});
        QCOMPARE(m_model->shares(), QList<ShareItem *>{kept});
        QCOMPARE(describe(m_model->historySections()), QStringLiteral("Mar 1, 2024: kept"));
        QTRY_COMPARE(m_sync->uploads, 1);

        SqliteDatabase other;
        QVERIFY(!other.open(m_container->persistentStoreDescription().path));
        SqliteStatement row(other, "SELECT isMarkedForDeletion, syncStatus FROM ShareItem WHERE title = 'gone'");
        QVERIFY(row.step());
        QCOMPARE(row.columnInt64(0), 1);
        QCOMPARE(row.columnInt64(1), 0);
    }

    void retryAndDownloads()
    {
        ShareItem *item = addItem(QStringLiteral("a"), QStringLiteral("2024-03-13T08:00:00"));
        QVERIFY(!context().save());
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr, {{"errorMessage", "offline"}});
        QTRY_COMPARE(m_model->lastCloudSyncErrorMessage(), QStringLiteral("offline"));

        QSignalSpy saved(&context(), &ManagedObjectContext::didSave);
        m_model->retryShare(item);
        QVERIFY(m_model->lastCloudSyncErrorMessage().isNull());
        QCOMPARE(m_sync->retried, QList<ShareItem *>{item});
        QCOMPARE(saved.count(), 0);

        m_model->syncFromCloud();
        m_model->refresh();
        QCOMPARE(m_sync->downloads, 1);
        QVERIFY(m_model->isSyncingFromCloud());
        QCOMPARE(m_model->shares(), QList<ShareItem *>{item}); // refresh reloads at once
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish);
        QTRY_VERIFY(!m_model->isSyncingFromCloud());
        m_model->refresh();
        QCOMPARE(m_sync->downloads, 2);
    }

    void loadFromWorkerThreadPublishesOnMainThread()
    {
        addItem(QStringLiteral("a"), QStringLiteral("2024-03-13T08:00:00"));
        QVERIFY(!context().save());
        QThread *publishedOn = nullptr;
        connect(m_model.get(), &ShareListViewModel::sharesChanged, this,
                [&publishedOn] { publishedOn = QThread::currentThread(); }, Qt::DirectConnection);
        QThread *worker = QThread::create([this] { m_model->loadShares(); });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        QVERIFY(m_model->shares().isEmpty()); // nothing happened inside the call
        QTRY_COMPARE(m_model->shares().size(), 1);
        QCOMPARE(publishedOn, QThread::currentThread());
    }

    void failedSaveKeepsChanges()
    {
        openStore(true);
        SqliteDatabase other;
        QVERIFY(!other.open(m_container->persistentStoreDescription().path));
        QVERIFY(!other.execute("CREATE TRIGGER refuse_insert BEFORE INSERT ON ShareItem BEGIN SELECT RAISE(ABORT, 'disk is full'); END;"));
        StdoutCapture capture;
        m_model->addShare(QStringLiteral("t"), QStringLiteral("c"), QStringLiteral("text"), QUuid(), false);
        const QByteArray printed = capture.text();
        QVERIFY2(printed.startsWith("Failed to save context: ") && printed.contains("disk is full"), printed.constData());
        QCOMPARE(m_model->shares().size(), 1);
        QVERIFY(context().hasChanges());
        QTRY_COMPARE(m_sync->uploads, 1); // the upload is still requested

        QVERIFY(!other.execute("DROP TRIGGER refuse_insert;"));
        m_model->saveContext();
        QVERIFY(!context().hasChanges());
    }

    void failedFetchEmptiesLists()
    {
        openStore(true);
        addItem(QStringLiteral("a"), QStringLiteral("2024-03-01T08:00:00"));
        QVERIFY(!context().save());
        m_model->loadShares();
        QVERIFY(m_model->hasHistory());
        SqliteDatabase other;
        QVERIFY(!other.open(m_container->persistentStoreDescription().path));
        QVERIFY(!other.execute("DROP TABLE ShareItem;"));
        m_model->loadShares();
        QVERIFY(m_model->shares().isEmpty());
        QVERIFY(m_model->historySections().isEmpty());
        QVERIFY(!m_model->hasHistory());
        QVERIFY(m_model->historyModel()->isEmpty());
    }

    void badInputLoads()
    {
        ShareItem *undated = addItem(QString(), QStringLiteral("-"));
        undated->setContentType(QStringLiteral("🙂 anything"));
        addItem(QString(1024 * 1024, QLatin1Char('t')), QStringLiteral("2024-03-01T08:00:00"), true);
        addItem(QStringLiteral("far future"), QStringLiteral("9999-12-31T23:59:59"))->setSyncStatusValue(7);
        addItem(QStringLiteral("far past"), QStringLiteral("0001-01-01T00:00:00"))->setSyncStatusValue(-3);
        ShareItem *epoch = addItem(QStringLiteral("epoch"), QStringLiteral("-"));
        epoch->setCreatedAt(QDateTime::fromMSecsSinceEpoch(0, Qt::UTC));
        QVERIFY(!context().save());
        m_model->loadShares();
        QCOMPARE(m_model->shares().size(), 5);
        QCOMPARE(brokenInvariant(*m_model), QString());
        QCOMPARE(m_model->recentSections().size(), 2); // the far future day and today
        QCOMPARE(m_model->historySections().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestShareListViewModel)
#include "tst_sharelistviewmodel.moc"
