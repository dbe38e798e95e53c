#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QTest>

class TestShareItem : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PersistentContainer> m_container;
    ManagedObjectContext &context() { return m_container->viewContext(); }

private slots:
    void init()
    {
        std::optional<StoreError> error;
        m_container = PersistenceController::openInMemoryContainer(&error);
        QVERIFY(m_container);
    }

    void insertDefaults()
    {
        const QDateTime before = QDateTime::currentDateTimeUtc();
        ShareItem *item = ShareItem::insert(context());
        const QDateTime after = QDateTime::currentDateTimeUtc();
        QVERIFY(!item->uuid().isNull());
        QVERIFY(item->createdAt() >= before && item->createdAt() <= after);
        QVERIFY(!item->title().isNull());
        QCOMPARE(item->title(), QString());
        QCOMPARE(item->syncStatus(), ShareItem::SyncStatus::pending);
        QCOMPARE(item->contentType(), QStringLiteral("text"));
        QVERIFY(item->content().isNull());
        QVERIFY(item->uuid() != ShareItem::insert(context())->uuid());

        // Defaults run once: the values survive a save and a fetch unchanged.
        const QUuid uuid = item->uuid();
        const QDateTime createdAt = item->createdAt();
        QVERIFY(!context().save());
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::uuidPredicate(uuid);
        const auto fetched = context().execute(request).objects;
        QCOMPARE(fetched.size(), 1);
        QCOMPARE(static_cast<ShareItem *>(fetched.first())->createdAt(), createdAt);
    }

    void linkURL_data()
    {
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        const QString absent;
        QTest::newRow("link item with relative reference") << "url" << "notes" << "" << "notes";
        QTest::newRow("link item, address found in title") << "url" << absent << "read this https://example.com/x please"
                                                           << "https://example.com/x";
        QTest::newRow("link item whose content does not parse") << "url" << "see example.org now" << ""
                                                                << "http://example.org";
        QTest::newRow("note with a bare host") << "text" << "kde.org" << "" << "http://kde.org";
        QTest::newRow("note of two plain words") << "text" << "hello" << "world" << "";
        QTest::newRow("blank note") << "text" << "" << "   " << "";
        QTest::newRow("note that parses with a scheme") << "text" << "mailto:me@example.net" << "" << "mailto:me@example.net";
    }
    void linkURL()
    {
        QFETCH(QString, contentType);
        QFETCH(QString, content);
        QFETCH(QString, title);
        QFETCH(QString, expected);
        ShareItem *item = ShareItem::insert(context());
        item->setContentType(contentType);
        item->setContent(content);
        item->setTitle(title);
        QCOMPARE(item->linkURL().toString(), expected);
    }

};

QTEST_GUILESS_MAIN(TestShareItem)
#include "tst_shareitem.moc"
