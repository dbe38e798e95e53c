#include "platform/GroupDirectory.h"
#include "platform/SqliteDatabase.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QList<ShareItem *> fetch(ManagedObjectContext &context, std::optional<Predicate> predicate = std::nullopt, int limit = 0)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = std::move(predicate);
    request.fetchLimit = limit;
    QList<ShareItem *> result;
    for (ManagedObject *object : context.execute(request).objects)
        result.append(static_cast<ShareItem *>(object));
    return result;
}

int permissions(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestPersistenceController : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_directory;
    QString storePath() const { return m_directory.filePath(QStringLiteral("Stashline.sqlite")); }

    // Runs the app on a group directory holding `storeFile`; it must stop before any window.
    QString runAppExpectingFatal(const QString &groupDirectory)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("STASHLINE_GROUP_DIR"), groupDirectory);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(STASHLINE_EXECUTABLE), {});
        if (!process.waitForFinished(30000)) {
            process.kill();
            return QStringLiteral("did not stop");
        }
        return QString::fromUtf8(process.readAllStandardError());
    }

private slots:
    void init()
    {
        QFile::remove(storePath());
        QFile::remove(storePath() + QStringLiteral("-wal"));
        QFile::remove(storePath() + QStringLiteral("-shm"));
    }

    void onDiskKeepsItems()
    {
        const QString text = QString(1024 * 1024, QLatin1Char('x')) + QStringLiteral("😀 مرحبا");
        QUuid uuid;
        {
            std::optional<StoreError> error;
            auto container = PersistenceController::openOnDiskContainer(storePath(), &error);
            QVERIFY2(container, error ? qPrintable(error->description) : "");
            ShareItem *item = ShareItem::insert(container->viewContext());
            item->setTitle(QStringLiteral("שלום 👋🏽 עולם"));
            item->setContent(text);
            item->setImageUUID(QUuid::createUuid());
            uuid = item->uuid();
            QVERIFY(!container->viewContext().save());
        }
        {
            std::optional<StoreError> error;
            auto container = PersistenceController::openOnDiskContainer(storePath(), &error);
            QVERIFY(container);
            const auto found = fetch(container->viewContext(), ShareItem::uuidPredicate(uuid), 1);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.first()->title(), QStringLiteral("שלום 👋🏽 עולם"));
            QCOMPARE(found.first()->content(), text);
            QVERIFY(!found.first()->imageUUID().isNull());
        }
    }

    // A save of many new items writes them many rows to a statement: every object keeps its own
    // row, before and after a reopen, also where an older row was removed.
    void aLargeSaveKeepsEveryItem()
    {
        std::optional<StoreError> error;
        QList<QUuid> uuids;
        {
            auto container = PersistenceController::openOnDiskContainer(storePath(), &error);
            QVERIFY(container);
            ManagedObjectContext &context = container->viewContext();
            ShareItem *removed = ShareItem::insert(context);
            QVERIFY(!context.save());
            ShareItem::insert(context)->setTitle(QStringLiteral("kept"));
            QVERIFY(!context.save());
            context.deleteObject(removed);
            QVERIFY(!context.save());

            QList<ShareItem *> items;
            for (int index = 0; index < 1234; ++index) {
                items.append(ShareItem::insert(context));
                items.last()->setTitle(QStringLiteral("item %1").arg(index));
                uuids.append(items.last()->uuid());
            }
            QVERIFY(!context.save());
            for (int index : {0, 499, 500, 1233}) {
                const auto found = fetch(context, ShareItem::uuidPredicate(uuids.at(index)), 1);
                QCOMPARE(found.size(), 1);
                QCOMPARE(found.first(), items.at(index));
            }
        }
        auto container = PersistenceController::openOnDiskContainer(storePath(), &error);
        QVERIFY(container);
        QCOMPARE(fetch(container->viewContext()).size(), 1235);
        for (int index : {0, 499, 500, 1233}) {
            const auto found = fetch(container->viewContext(), ShareItem::uuidPredicate(uuids.at(index)), 1);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.first()->title(), QStringLiteral("item %1").arg(index));
        }
    }

    void unloadableStoresAreReportedAndLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QString>("journal"); // "" (none), "wal+shm" or "wal": left as a crash leaves them
        QTest::addColumn<QString>("expected");
        const QByteArray newer = "PRAGMA user_version = 99; CREATE TABLE ShareItem (id INTEGER PRIMARY KEY);"
                                 "INSERT INTO ShareItem VALUES (1);";
        const QByteArray foreign = "CREATE TABLE photos (id INTEGER PRIMARY KEY); INSERT INTO photos VALUES (7);";
        QTest::newRow("not a database") << QByteArray("garbage") << "" << "is not a readable Stashline store";
        QTest::newRow("newer model version") << newer << "" << "written by a newer version";
        QTest::newRow("another program's database") << foreign << "" << "not a Stashline store";
        // Only the journal knows what the file is; reading it must not merge or touch it.
        QTest::newRow("newer version in the journal") << newer << "wal+shm" << "written by a newer version";
        QTest::newRow("journal without its index") << newer << "wal" << "written by a newer version";
        // An older layout whose version record is gone cannot be migrated; nothing is half done.
        QTest::newRow("older store that cannot be migrated")
            << QByteArray("CREATE TABLE ShareItem (id INTEGER PRIMARY KEY, uuid BLOB, title TEXT); PRAGMA user_version = 1;")
            << "" << "could not be brought up to this version";
    }

    void olderStoreIsMigratedWithoutLoss()
    {
        // A store written by the version before the sync bookkeeping: three failed items, then
        // one marked synced, one left syncing.
        QVERIFY(QFile::copy(QStringLiteral(STASHLINE_TEST_DATA "/store-v1.sqlite"), storePath()));
        QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::WriteOwner);
        for (int run = 0; run < 2; ++run) {
            std::optional<StoreError> error;
            auto container = PersistenceController::openOnDiskContainer(storePath(), &error);
            QVERIFY2(container, error ? qPrintable(error->description) : "");
            const QList<ShareItem *> items = fetch(container->viewContext());
            QCOMPARE(items.size(), 3);
            QCOMPARE(items[0]->title(), QStringLiteral("Third-edited"));
            QCOMPARE(items[0]->syncStatus(), ShareItem::SyncStatus::failed);
            QCOMPARE(items[1]->title(), QStringLiteral("Second"));
            QVERIFY(items[1]->isFavorite());
            QCOMPARE(items[1]->syncStatus(), ShareItem::SyncStatus::syncing);
            QCOMPARE(items[2]->cloudKitRecordID(), QStringLiteral("5BC3F9C3-4979-47A2-9958-6370D4F638A8"));
            QCOMPARE(items[2]->content(), QStringLiteral("content of First"));
            if (run == 0) {
                QCOMPARE(items[2]->localChangeCount(), 0);
                QVERIFY(!items[2]->modifiedAt().isValid() && items[2]->cloudRevision().isNull());
                items[2]->markLocallyChanged(QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC));
                items[2]->setCloudRevision(QStringLiteral("3-abc"));
                QVERIFY(!container->viewContext().save());
            } else {
                QCOMPARE(items[2]->localChangeCount(), 1);
                QCOMPARE(items[2]->modifiedAt().toMSecsSinceEpoch(), 1700000000000);
                QCOMPARE(items[2]->cloudRevision(), QStringLiteral("3-abc"));
            }
        }
    }
    void unloadableStoresAreReportedAndLeftAlone()
    {
        QFETCH(QByteArray, setup);
        QFETCH(QString, journal);
        QFETCH(QString, expected);
        QTemporaryDir group;
        const QString path = group.filePath(QStringLiteral("Stashline.sqlite"));
        if (setup == "garbage") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, '\x5a'));
        } else if (journal.isEmpty()) {
            SqliteDatabase database;
            QVERIFY(!database.open(path));
            QVERIFY(!database.execute(setup.constData()));
        } else {
            // Written in write-ahead mode and copied while the writer is still open, as a
            // process killed mid-run leaves the files: everything is still in the journal.
            QTemporaryDir scratch;
            const QString writerPath = scratch.filePath(QStringLiteral("writer.sqlite"));
            SqliteDatabase writer;
            QVERIFY(!writer.open(writerPath));
            QVERIFY(!writer.execute("PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"));
            QVERIFY(!writer.execute(setup.constData()));
            QStringList suffixes{QString(), QStringLiteral("-wal")};
            if (journal == QLatin1String("wal+shm"))
                suffixes.append(QStringLiteral("-shm"));
            for (const QString &suffix : std::as_const(suffixes))
                QVERIFY(QFile::copy(writerPath + suffix, path + suffix));
        }
        // Every file of the store, by suffix: its hash, or empty when it does not exist.
        auto snapshot = [&path] {
            QStringList hashes;
            for (const char *suffix : {"", "-wal", "-shm", "-journal"})
                hashes.append(QString::fromLatin1(fileHash(path + QLatin1String(suffix)).toHex()));
            return hashes;
        };
        const QStringList before = snapshot();

        std::optional<StoreError> error;
        QVERIFY(!PersistenceController::openOnDiskContainer(path, &error));
        QVERIFY(error);
        QVERIFY2(error->description.contains(expected), qPrintable(error->description));
        QCOMPARE(snapshot(), before);

        // The app stops with the fatal line and leaves every file untouched.
        const QString output = runAppExpectingFatal(group.path());
        QVERIFY2(output.contains(QStringLiteral("Fatal error: Unresolved error The store file")), qPrintable(output));
        QVERIFY2(output.contains(expected), qPrintable(output));
        QCOMPARE(snapshot(), before);
    }

    void groupDirectoryAndFallback()
    {
        QTemporaryDir root;
        qputenv("STASHLINE_GROUP_DIR", root.filePath(QStringLiteral("group")).toUtf8());
        QCOMPARE(PersistenceController::storeDirectoryURL(), root.filePath(QStringLiteral("group")));
        QVERIFY(QFileInfo(root.filePath(QStringLiteral("group"))).isDir());

        // A group directory that cannot be created falls back to a directory in the temporary
        // directory that only this user can enter, found again at the next start.
        QTemporaryDir temporary;
        const QByteArray savedTemporary = qgetenv("TMPDIR");
        qputenv("TMPDIR", temporary.path().toUtf8());
        const auto restore = qScopeGuard([&savedTemporary] {
            qputenv("TMPDIR", savedTemporary);
            qunsetenv("STASHLINE_GROUP_DIR");
        });
        QFile blocker(root.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("STASHLINE_GROUP_DIR", root.filePath(QStringLiteral("file/group")).toUtf8());
        const QString stable = temporary.filePath(QStringLiteral("stashline-%1").arg(::getuid()));
        QCOMPARE(PersistenceController::storeDirectoryURL(), stable);
        QCOMPARE(permissions(stable), 0700);
        QVERIFY(::chmod(QFile::encodeName(stable).constData(), 0755) == 0); // tightened again
        QCOMPARE(PersistenceController::storeDirectoryURL(), stable);
        QCOMPARE(permissions(stable), 0700);

        // A name someone else got to first (here a link to a directory anyone can read) is
        // not used: a fresh private directory is.
        QVERIFY(QDir(stable).removeRecursively());
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("open"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("open")), stable));
        const QString fresh = PersistenceController::storeDirectoryURL();
        QVERIFY2(fresh != stable && fresh.startsWith(temporary.path() + QStringLiteral("/stashline-")), qPrintable(fresh));
        QCOMPARE(permissions(fresh), 0700);
        QVERIFY(QFileInfo(fresh).isDir() && !QFileInfo(fresh).isSymLink());
    }

    // The store, its journal and the pictures are the user's alone from the start, and a group
    // directory an earlier version left readable by others is closed with all it holds.
    void groupDirectoryIsPrivate()
    {
        QTemporaryDir root;
        const QString group = root.filePath(QStringLiteral("group.com.quellmar.Stashline.shared.device-2"));
        qputenv("STASHLINE_GROUP_DIR", group.toUtf8());
        const auto restore = qScopeGuard([] { qunsetenv("STASHLINE_GROUP_DIR"); });
        const mode_t oldMask = ::umask(022);
        const auto restoreMask = qScopeGuard([oldMask] { ::umask(oldMask); });

        QCOMPARE(GroupDirectory::path(), std::optional<QString>(group));
        QCOMPARE(permissions(group), 0700);
        QCOMPARE(GroupDirectory::deviceName(), QStringLiteral("device-2"));
        {
            std::optional<StoreError> error;
            auto container = PersistenceController::openOnDiskContainer(group + QStringLiteral("/Stashline.sqlite"), &error);
            QVERIFY(container);
            ShareItem *item = ShareItem::insert(container->viewContext());
            item->setUuid(QUuid::createUuid());
            QVERIFY(!container->viewContext().save());
            for (const char *suffix : {"", "-wal", "-shm"}) {
                const QString file = group + QStringLiteral("/Stashline.sqlite") + QLatin1String(suffix);
                QCOMPARE(permissions(file), 0600);
            }
        }
        ImageManager images(group);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const std::optional<QUuid> saved = images.saveImage(picture);
        QVERIFY(saved);
        QCOMPARE(permissions(group + QStringLiteral("/ShareImages")), 0700);
        QCOMPARE(permissions(images.imageFileURL(*saved)), 0600);

        // As an earlier version left it: everything readable by others.
        const QString link = group + QStringLiteral("/link-to-outside");
        const QString outside = root.filePath(QStringLiteral("outside.txt"));
        QFile(outside).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(outside, link));
        QVERIFY(::chmod(QFile::encodeName(outside).constData(), 0644) == 0);
        for (const QString &path : {group, group + QStringLiteral("/ShareImages")})
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0755) == 0);
        for (const QString &path : {group + QStringLiteral("/Stashline.sqlite"), images.imageFileURL(*saved)})
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        QCOMPARE(GroupDirectory::path(), std::optional<QString>(group));
        QCOMPARE(permissions(group), 0700);
        QCOMPARE(permissions(group + QStringLiteral("/ShareImages")), 0700);
        QCOMPARE(permissions(group + QStringLiteral("/Stashline.sqlite")), 0600);
        QCOMPARE(permissions(images.imageFileURL(*saved)), 0600);
        QCOMPARE(permissions(outside), 0644); // a link is not followed out of the directory

        qputenv("STASHLINE_GROUP_DIR", "");
        QCOMPARE(GroupDirectory::deviceName(), QString());
    }
};

QTEST_GUILESS_MAIN(TestPersistenceController)
#include "tst_persistencecontroller.moc"
