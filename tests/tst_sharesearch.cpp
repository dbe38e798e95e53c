// Search over every item: the query words and filters, the index kept in step with every kind of
// write (a crash and a downloaded change included), the store migration that builds it, words
// in any script and of any length, and ranking.
#include "Services/CloudKitSyncManager.h"
#include "platform/SqliteDatabase.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/SearchQuery.h"
#include "store/ShareItem.h"
#include "store/ShareItemSearch.h"
#include "sync/FakeCloudDatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QTimeZone utc = QTimeZone::utc();
const QDateTime now = QDateTime(QDate(2026, 3, 13), QTime(12, 0), utc);

QDateTime day(const char *isoDate)
{
    return QDateTime(QDate::fromString(QLatin1String(isoDate), Qt::ISODate), QTime(9, 0), utc);
}

// The store's own view of the index: every stored item has exactly one indexed row, and FTS5
// finds its structure sound.
QString indexProblem(ManagedObjectContext &context)
{
    SqliteDatabase &database = context.database();
    SqliteStatement counts(database, "SELECT (SELECT count(*) FROM ShareItem), "
                                     "(SELECT count(*) FROM ShareItemSearchIndex_docsize), "
                                     "(SELECT count(*) FROM ShareItemSearchIndex_docsize WHERE id NOT IN (SELECT id FROM ShareItem))");
    if (!counts.step())
        return database.lastError();
    if (counts.columnInt64(0) != counts.columnInt64(1) || counts.columnInt64(2) != 0)
        return QStringLiteral("%1 items, %2 indexed rows, %3 of them for no item")
            .arg(counts.columnInt64(0))
            .arg(counts.columnInt64(1))
            .arg(counts.columnInt64(2));
    if (auto error = database.execute("INSERT INTO ShareItemSearchIndex (ShareItemSearchIndex) VALUES ('integrity-check')"))
        return *error;
    return {};
}

// A writer that dies in the middle of a save: many rows inserted through the triggers, pages
// spilled to the write-ahead log, no commit.
int crashingWriter(const QString &path)
{
    SqliteDatabase database;
    if (database.open(path) || database.execute("PRAGMA cache_size = 2; BEGIN IMMEDIATE"))
        return 1;
    for (int index = 0; index < 2000; ++index) {
        SqliteStatement insert(database, "INSERT INTO ShareItem (title, content, contentType) VALUES (?, ?, 'text')");
        insert.bindText(1, QStringLiteral("unfinished crashword %1").arg(index));
        insert.bindText(2, QString(200, QLatin1Char('z')));
        insert.step();
    }
    ::_exit(0); // no commit, no close
}

} // namespace

class TestShareSearch : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_directory;
    std::unique_ptr<PersistentContainer> m_container;

    ManagedObjectContext &context() { return m_container->viewContext(); }
    int m_storeNumber = 0;
    QString storePath() const { return m_directory.filePath(QStringLiteral("store-%1.sqlite").arg(m_storeNumber)); }

    ShareItem *add(const QString &title, const QString &content, const char *kind = "text", const char *created = "2026-03-01",
                   bool isFavorite = false)
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        item->setContent(content);
        item->setContentType(QLatin1String(kind));
        item->setCreatedAt(created ? day(created) : QDateTime());
        item->setIsFavorite(isFavorite);
        return item;
    }

    // The titles of the hits, best rank first (ties by title).
    QStringList search(const QString &text)
    {
        const ShareItemSearch::Result result = ShareItemSearch::run(context(), SearchQuery::parse(text), utc, now);
        if (result.error)
            return {QStringLiteral("error: ") + result.error->description};
        QList<ShareItemSearch::Hit> hits = result.hits;
        QStringList titles;
        std::stable_sort(hits.begin(), hits.end(), [](const auto &left, const auto &right) { return left.rank < right.rank; });
        for (const ShareItemSearch::Hit &hit : hits)
            titles.append(static_cast<ShareItem *>(context().existingObject(ShareItem::entityName, hit.rowId))->title());
        return titles;
    }
    QStringList searchSorted(const QString &text)
    {
        QStringList titles = search(text);
        titles.sort();
        return titles;
    }

    // A small library of items of every kind, script and age.
    void addLibrary()
    {
        add(QStringLiteral("Grocery list"), QStringLiteral("milk, eggs, bread"), "text", "2026-03-10", true);
        add(QStringLiteral("Rust book"), QStringLiteral("https://doc.rust-lang.org/book/"), "url", "2026-02-01");
        add(QStringLiteral("Vacation album"), QStringLiteral("https://www.Example.org/albums/2024"), "url", "2025-12-24", true);
        add(QStringLiteral("Lookalike"), QStringLiteral("https://myexample.org/page"), "url", "2026-01-15");
        add(QStringLiteral("Whiteboard sketch"), QString(), "image", "2026-03-01");
        add(QStringLiteral("東京タワーの夜景"), QStringLiteral("週末に行く"), "text", "2026-02-20");
        add(QStringLiteral("서울 여행 계획"), QStringLiteral("경복궁 방문"), "text", "2026-03-05");
        add(QStringLiteral("北京烤鸭餐厅"), QStringLiteral("周五晚上"), "text", "2026-03-06");
        add(QStringLiteral("Ελληνικά μαθήματα"), QStringLiteral("ΜΆΘΗΜΑ πρώτο"), "text", "2026-03-07");
        add(QStringLiteral("Meeting notes"), QStringLiteral("discuss the budget with Anna"), "text", "2026-03-11");
        add(QStringLiteral("Budget 2026"), QStringLiteral("spreadsheet attached"), "text", "2026-03-12");
        add(QStringLiteral("Budget draft"), QStringLiteral("old"), "text", "2026-03-12")->setIsMarkedForDeletion(true);
        add(QStringLiteral("Undated scribble"), QStringLiteral("from long ago"), "text", nullptr);
        QVERIFY(!context().save());
    }

    void open()
    {
        std::optional<StoreError> error;
        m_container = PersistenceController::openOnDiskContainer(storePath(), &error);
        QVERIFY2(m_container, error ? qPrintable(error->description) : "");
    }

private slots:
    void init()
    {
        ++m_storeNumber; // a store of its own for every test and data row
        open();
    }
    void cleanup() { m_container.reset(); }

    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed");
        QTest::newRow("words") << "  Budget   2026 " << "terms=Budget,2026";
        QTest::newRow("phrase and leaving out") << "\"budget with\" -anna -“two words”"
                                                << "terms=budget with excluded=anna,two words";
        QTest::newRow("filters ignore case") << "IS:Fav is:note is:LINK is:picture"
                                             << "favorite=1 kinds=0,1,2";
        QTest::newRow("negated filters") << "-is:fav -is:image -site:Example.org"
                                         << "favorite=0 excludedKinds=2 excludedSites=example.org";
        QTest::newRow("site drops scheme, www and path") << "site:https://www.Example.org/a?b" << "sites=example.org";
        QTest::newRow("dates, the tightest wins") << "after:2026-01-01 after:2026-02-01 before:2026-12-01 before:2026-11-01"
                                                  << "before=2026-11-01 after=2026-02-01";
        QTest::newRow("negated dates swap") << "-before:2026-05-01 -after:2026-06-01"
                                            << "before=2026-06-01 after=2026-05-01";
        QTest::newRow("unknown words are text")
            << "is:nothing site: before:tomorrow after:2026-13-01 before:2026-1-1 http://x 12:30 - :"
            << "terms=is:nothing,site:,before:tomorrow,after:2026-13-01,before:2026-1-1,http://x,12:30,-,:";
        QTest::newRow("a phrase is never a filter") << "\"is:fav\" \"unterminated" << "terms=is:fav,unterminated";
        QTest::newRow("empty") << " \t\n" << "";
    }

    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        const SearchQuery query = SearchQuery::parse(text);
        QStringList parts;
        auto list = [&parts](const char *name, const QStringList &values) {
            if (!values.isEmpty())
                parts.append(QLatin1String(name) + QLatin1Char('=') + values.join(QLatin1Char(',')));
        };
        auto kinds = [](const QList<ShareItem::ContentKind> &values) {
            QStringList names;
            for (ShareItem::ContentKind kind : values)
                names.append(QString::number(int(kind)));
            return names;
        };
        list("terms", query.terms);
        list("excluded", query.excludedTerms);
        if (query.favorite)
            parts.append(QStringLiteral("favorite=%1").arg(*query.favorite ? 1 : 0));
        list("kinds", kinds(query.kinds));
        list("excludedKinds", kinds(query.excludedKinds));
        list("sites", query.sites);
        list("excludedSites", query.excludedSites);
        if (query.before.isValid())
            parts.append(QStringLiteral("before=") + query.before.toString(Qt::ISODate));
        if (query.after.isValid())
            parts.append(QStringLiteral("after=") + query.after.toString(Qt::ISODate));
        QCOMPARE(parts.join(QLatin1Char(' ')), parsed);
        QCOMPARE(query.isEmpty(), parsed.isEmpty());
    }

    void filterMenuWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("result");
        QTest::newRow("added") << "budget" << "is:fav" << "budget is:fav";
        QTest::newRow("taken out again") << "budget IS:FAV  anna" << "is:fav" << "budget anna";
        QTest::newRow("a date replaces its kind") << "after:2026-01-01 x before:2025-01-01" << "after:2026-03-01"
                                                  << "x before:2025-01-01 after:2026-03-01";
        QTest::newRow("a word to complete") << "budget " << "site:" << "budget site:";
        QTest::newRow("only once") << "budget site:" << "site:" << "budget site:";
        QTest::newRow("into an empty field") << "" << "-" << "-";
    }

    void filterMenuWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(QString, result);
        QCOMPARE(SearchQuery::withFilter(text, word), result);
    }

    void filters_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("titles");
        const QStringList budget{"Budget 2026", "Meeting notes"};
        QTest::newRow("words in title or content") << "budget" << budget;
        QTest::newRow("ignoring case") << "BUDGET" << budget;
        QTest::newRow("every word") << "budget anna" << QStringList{"Meeting notes"};
        QTest::newRow("words apart, phrase together") << "with budget" << QStringList{"Meeting notes"};
        QTest::newRow("a phrase keeps its order") << "\"with budget\"" << QStringList{};
        QTest::newRow("leaving a word out") << "budget -anna" << QStringList{"Budget 2026"};
        QTest::newRow("leaving out alone") << "-budget -a -the -is:link -東京"
                                           << QStringList{"Ελληνικά μαθήματα", "北京烤鸭餐厅", "서울 여행 계획"};
        QTest::newRow("favourites") << "is:fav" << QStringList{"Grocery list", "Vacation album"};
        QTest::newRow("not favourites, links") << "-is:fav is:link" << QStringList{"Lookalike", "Rust book"};
        QTest::newRow("links or pictures") << "is:link is:picture"
                                           << QStringList{"Lookalike", "Rust book", "Vacation album", "Whiteboard sketch"};
        QTest::newRow("site and its hosts, not lookalikes") << "site:example.org" << QStringList{"Vacation album"};
        QTest::newRow("site typed as an address") << "site:https://WWW.example.org/x" << QStringList{"Vacation album"};
        QTest::newRow("leaving a site out") << "is:link -site:example.org" << QStringList{"Lookalike", "Rust book"};
        QTest::newRow("before a day") << "before:2026-01-15" << QStringList{"Vacation album"};
        QTest::newRow("after a day, that day included")
            << "after:2026-03-11" << QStringList{"Budget 2026", "Meeting notes", "Undated scribble"};
        QTest::newRow("no date counts as now") << "before:2026-03-14 scribble" << QStringList{"Undated scribble"};
        QTest::newRow("no date is not before today") << "before:2026-03-13 scribble" << QStringList{};
        QTest::newRow("a window") << "after:2026-02-01 before:2026-02-21" << QStringList{"Rust book", "東京タワーの夜景"};
        QTest::newRow("everything at once") << "album is:fav is:link site:example.org before:2026-01-01 -budget"
                                            << QStringList{"Vacation album"};
        QTest::newRow("unknown filter is text") << "is:nothing" << QStringList{};
        QTest::newRow("bad date is text") << "before:2026-02-30" << QStringList{};
        QTest::newRow("a deleted item is never found") << "draft" << QStringList{};
    }

    void filters()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, titles);
        addLibrary();
        titles.sort();
        QCOMPARE(searchSorted(query), titles);
    }

    void scriptsAndShortWords_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("Japanese, three or more") << "東京タワー" << QStringList{"東京タワーの夜景"};
        QTest::newRow("Japanese, two") << "夜景" << QStringList{"東京タワーの夜景"};
        QTest::newRow("Japanese, one") << "週" << QStringList{"東京タワーの夜景"};
        QTest::newRow("Korean in the content") << "경복궁" << QStringList{"서울 여행 계획"};
        QTest::newRow("Korean, two") << "서울" << QStringList{"서울 여행 계획"};
        QTest::newRow("Chinese, two") << "烤鸭" << QStringList{"北京烤鸭餐厅"};
        QTest::newRow("Greek, case folded") << "μάθημα" << QStringList{"Ελληνικά μαθήματα"};
        QTest::newRow("Greek, two, case folded") << "ΜΑ" << QStringList{"Ελληνικά μαθήματα"};
        QTest::newRow("Latin, two") << "EG" << QStringList{"Grocery list"};
        QTest::newRow("Latin, one, with a filter") << "k is:link" << QStringList{"Lookalike", "Rust book"};
        QTest::newRow("short and long together") << "ng budget" << QStringList{"Meeting notes"};
        QTest::newRow("leaving a short word out") << "budget -an" << QStringList{"Budget 2026"};
        QTest::newRow("wildcards are characters") << "%" << QStringList{};
        QTest::newRow("wildcards are characters too") << "_" << QStringList{};
    }

    void scriptsAndShortWords()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, titles);
        addLibrary();
        titles.sort();
        QCOMPARE(searchSorted(query), titles);
    }

    void titleMatchesRankFirst()
    {
        addLibrary();
        // The content match is newer and shorter; the title match still leads.
        add(QStringLiteral("Notes"), QStringLiteral("budget"), "text", "2026-03-13");
        add(QStringLiteral("A long title that ends with the word budget somewhere"), QStringLiteral("x"), "text", "2026-01-01");
        QVERIFY(!context().save());
        const QStringList ranked = search(QStringLiteral("budget"));
        QCOMPARE(ranked.size(), 4);
        QCOMPARE(QSet<QString>(ranked.begin(), ranked.begin() + 2),
                 (QSet<QString>{"Budget 2026", "A long title that ends with the word budget somewhere"}));
        // Without the index to rank by (a short word), the title matches lead as well.
        const QStringList shortRanked = search(QStringLiteral("bu"));
        QCOMPARE(shortRanked.size(), 5); // "albums" of a link holds it too
        QCOMPARE(QSet<QString>(shortRanked.begin(), shortRanked.begin() + 3),
                 (QSet<QString>{"Budget 2026", "A long title that ends with the word budget somewhere", "Vacation album"}));
    }

    void indexFollowsEveryWrite()
    {
        ShareItem *item = add(QStringLiteral("Quarterly budget"), QStringLiteral("numbers"));
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("quarterly")), QStringList{"Quarterly budget"});

        item->setTitle(QStringLiteral("Annual plan"));
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("quarterly")), QStringList{});
        QCOMPARE(search(QStringLiteral("annual")), QStringList{"Annual plan"});

        item->setContent(QStringLiteral("https://example.net/plan"));
        item->setContentType(QStringLiteral("url"));
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("numbers")), QStringList{});
        QCOMPARE(search(QStringLiteral("site:example.net")), QStringList{"Annual plan"});
        item->setContentType(QStringLiteral("text")); // no longer a link: no host
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("site:example.net")), QStringList{});

        // A change that touches no indexed field leaves the index alone, and it stays sound.
        item->setIsFavorite(true);
        item->setSyncStatus(ShareItem::SyncStatus::synced);
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("annual is:fav")), QStringList{"Annual plan"});

        // Another connection writing the table (any writer) keeps it in step too.
        {
            SqliteDatabase other;
            QVERIFY(!other.open(storePath()));
            QVERIFY(!other.execute("UPDATE ShareItem SET title = 'Written elsewhere'"));
        }
        QCOMPARE(searchSorted(QStringLiteral("elsewhere")).size(), 1);

        context().deleteObject(item);
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("elsewhere")), QStringList{});
        QCOMPARE(indexProblem(context()), QString());
    }

    void aFailedSaveLeavesTheIndexAsItWas()
    {
        add(QStringLiteral("kept words"), QString());
        QVERIFY(!context().save());
        {
            SqliteDatabase other;
            QVERIFY(!other.open(storePath()));
            QVERIFY(!other.execute("CREATE TRIGGER refuse AFTER INSERT ON ShareItem WHEN new.title = 'second' "
                                   "BEGIN SELECT RAISE(ABORT, 'disk is full'); END;"));
        }
        add(QStringLiteral("first of the save"), QString());
        add(QStringLiteral("second"), QString());
        QVERIFY(context().save());
        QCOMPARE(search(QStringLiteral("first")), QStringList{});
        QCOMPARE(search(QStringLiteral("kept")), QStringList{"kept words"});
        QCOMPARE(indexProblem(context()), QString());
    }

    void aCrashMidSaveLeavesTheIndexInStep()
    {
        add(QStringLiteral("committed before"), QString());
        QVERIFY(!context().save());
        m_container.reset();
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--crashing-writer"), storePath()});
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitCode(), 0);
        QVERIFY(QFileInfo(storePath() + QStringLiteral("-wal")).size() > 0); // it had written pages

        open();
        QCOMPARE(search(QStringLiteral("crashword")), QStringList{});
        QCOMPARE(search(QStringLiteral("committed")), QStringList{"committed before"});
        QCOMPARE(indexProblem(context()), QString());
        add(QStringLiteral("after the crash"), QString());
        QVERIFY(!context().save());
        QCOMPARE(search(QStringLiteral("crash")), QStringList{"after the crash"});
    }

    void downloadedChangesAreFound()
    {
        QTemporaryDir group;
        ImageManager images(group.path());
        FakeCloudDatabase cloud;
        CloudKitSyncManager engine(cloud, context(), images, QProcessEnvironment());
        const auto download = [&] {
            engine.downloadItems();
            QTRY_VERIFY(engine.isIdle() && !context().hasChanges());
        };
        CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("R1")));
        record.setString(QStringLiteral("uuid"), QUuid::createUuid().toString(QUuid::WithoutBraces));
        record.setString(QStringLiteral("title"), QStringLiteral("Recipe from the tablet"));
        record.setString(QStringLiteral("content"), QStringLiteral("https://cooking.example.com/soup"));
        record.setString(QStringLiteral("contentType"), QStringLiteral("url"));
        record.setTimestamp(QStringLiteral("modifiedAt"), now.addDays(-1));
        record = cloud.writeAsOtherDevice(record);
        download();
        QCOMPARE(search(QStringLiteral("tablet site:example.com")), QStringList{"Recipe from the tablet"});

        record.setString(QStringLiteral("title"), QStringLiteral("Soup from the phone"));
        record.setTimestamp(QStringLiteral("modifiedAt"), now);
        record = cloud.writeAsOtherDevice(record);
        download();
        QCOMPARE(search(QStringLiteral("tablet")), QStringList{});
        QCOMPARE(search(QStringLiteral("phone")), QStringList{"Soup from the phone"});

        record.setInt64(QStringLiteral("isDeleted"), 1);
        record.setTimestamp(QStringLiteral("modifiedAt"), now.addSecs(60));
        cloud.writeAsOtherDevice(record);
        download();
        QCOMPARE(search(QStringLiteral("phone")), QStringList{});
        QCOMPARE(indexProblem(context()), QString());
    }

    // A store of the layout before the index: the move builds the index for every item, fills in
    // content-less items, and is one step: a store it cannot move is left as it was.
    void migrationBuildsTheIndex()
    {
        add(QStringLiteral("Old article"), QStringLiteral("about gardening"));
        add(QStringLiteral("Read later https://www.example.com/post"), QStringLiteral("emptied below"));
        QVERIFY(!context().save());
        m_container.reset();
        {
            SqliteDatabase database;
            QVERIFY(!database.open(storePath()));
            QVERIFY(!database.execute("DROP TRIGGER ShareItemSearchIndex_insert; DROP TRIGGER ShareItemSearchIndex_delete;"
                                      "DROP TRIGGER ShareItemSearchIndex_update; DROP TABLE ShareItemSearchIndex;"
                                      "DROP INDEX ShareItem_by_group; DROP INDEX ShareItem_by_kind; DROP INDEX ShareItem_by_id; PRAGMA user_version = 2;"
                                      "UPDATE ShareItem SET content = NULL WHERE title LIKE 'Read later%';"));
        }
        open();
        QCOMPARE(search(QStringLiteral("gardening")), QStringList{"Old article"});
        QCOMPARE(search(QStringLiteral("site:example.com")), QStringList{"Read later"});
        const auto *filledIn = static_cast<ShareItem *>(context().existingObject(ShareItem::entityName, 2));
        QVERIFY(filledIn);
        QCOMPARE(filledIn->content(), QStringLiteral("https://www.example.com/post"));
        QCOMPARE(filledIn->contentType(), QStringLiteral("url"));
        QCOMPARE(indexProblem(context()), QString());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--crashing-writer") == 0)
        return crashingWriter(QString::fromLocal8Bit(argv[2]));
    QGuiApplication application(argc, argv);
    TestShareSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharesearch.moc"
