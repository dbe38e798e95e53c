// Export and import on real stores and picture folders: a round trip into a fresh store keeps
// every item whole, importing twice adds nothing, the later change wins item by item, a
// browser's bookmarks and a Markdown note come in as links and a note, and every bad file (a
// damaged or truncated archive, a picture that is not a JPEG, an unknown format, a file too
// large) is refused with its reason and changes nothing.
#include "platform/Localization.h"
#include "store/ImageManager.h"
#include "store/ItemArchive.h"
#include "store/ItemImport.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"
#include "store/Trash.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>

namespace {

// One device's store and pictures.
struct Store {
    Store() : images(folder.path()), container(PersistenceController::openInMemoryContainer(nullptr)) {}

    QTemporaryDir folder;
    ImageManager images;
    std::unique_ptr<PersistentContainer> container;

    ManagedObjectContext &context() { return container->viewContext(); }
    ShareItem *add(const QString &title, const QDateTime &modifiedAt, bool withPicture = false)
    {
        ShareItem *item = ShareItem::insert(context());
        item->setTitle(title);
        item->setContent(title + QStringLiteral(" body"));
        item->setCreatedAt(modifiedAt.addDays(-1));
        item->setModifiedAt(modifiedAt);
        if (withPicture) {
            // Noise, so the picture data is most of the archive.
            QImage picture(96, 72, QImage::Format_RGB32);
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x)
                    picture.setPixel(x, y, qRgb(int(qHash(title) % 256), (x * 37 + y * 11) % 256, (x * y) % 256));
            }
            item->setImageUUID(*images.saveImage(picture));
        }
        return item;
    }
    // Every item as the user knows it, with its picture's bytes, by uuid.
    QMap<QString, QString> state()
    {
        QMap<QString, QString> items;
        for (ManagedObject *object : context().execute(ShareItem::fetchRequest()).objects) {
            const auto *item = static_cast<ShareItem *>(object);
            if (item->isMarkedForDeletion())
                continue;
            QFile picture(images.imageFileURL(item->imageUUID()));
            const QByteArray bytes = !item->imageUUID().isNull() && picture.open(QIODevice::ReadOnly) ? picture.readAll() : QByteArray();
            items.insert(item->uuid().toString(),
                         QStringList{item->title(), item->content(), item->contentType(), QString::number(item->isFavorite()),
                                     item->createdAt().toString(Qt::ISODateWithMs), item->modifiedAt().toString(Qt::ISODateWithMs),
                                     item->trashedAt().toString(Qt::ISODateWithMs),
                                     QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())}
                             .join(QLatin1String(" | ")));
        }
        return items;
    }
    ItemImport::Outcome import(const QString &path) { return ItemImport::importFile(context(), images, path, now); }
    int pictureFiles() { return int(QDir(images.imagesDirectoryURL()).entryList(QDir::Files).size()); }

    QDateTime now = QDateTime::fromString(QStringLiteral("2026-05-01T12:00:00.000Z"), Qt::ISODateWithMs);
};

const QDateTime monday = QDateTime::fromString(QStringLiteral("2026-04-06T09:30:00.250Z"), Qt::ISODateWithMs);

// A ZIP archive written with the same library, holding `entries` (name, bytes) in order.
bool writeZip(const QString &path, const QList<std::pair<QString, QByteArray>> &entries)
{
    archive *handle = archive_write_new();
    archive_write_set_format_zip(handle);
    bool ok = archive_write_open_filename(handle, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    for (const auto &[name, bytes] : entries) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_size(entry, bytes.size());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        ok = ok && archive_write_header(handle, entry) == ARCHIVE_OK
            && archive_write_data(handle, bytes.constData(), size_t(bytes.size())) == bytes.size();
        archive_entry_free(entry);
    }
    ok = archive_write_close(handle) == ARCHIVE_OK && ok;
    archive_write_free(handle);
    return ok;
}

QByteArray itemsFile(const QString &pictureEntry)
{
    return QStringLiteral(R"({"format":"stashline-items","version":1,"items":[{"uuid":"5B0F3C6E-1A2B-4C3D-8E9F-A0B1C2D3E4F5",)"
                          R"("title":"pictured","contentType":"image","modifiedAt":"2026-04-06T09:30:00.000Z","picture":"%1"}]})")
        .arg(pictureEntry)
        .toUtf8();
}

} // namespace

class TestItemTransfer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;

    QString exported(Store &store)
    {
        const QString path = m_files.filePath(QStringLiteral("export-%1.zip").arg(QUuid::createUuid().toString(QUuid::Id128)));
        const ItemArchive::WriteResult written = ItemArchive::write(store.context(), store.images.imagesDirectoryURL(), path);
        if (!written.error.isEmpty())
            qWarning() << "export failed:" << written.error;
        return written.error.isEmpty() ? path : QString();
    }

private slots:
    // Into a fresh store: the same uuids, times, favourites, trash and picture bytes; a second
    // import adds nothing.
    void roundTripIntoAFreshStore()
    {
        Store first;
        first.add(QStringLiteral("note"), monday);
        first.add(QStringLiteral("photo"), monday.addSecs(60), true)->setIsFavorite(true);
        ShareItem *trashed = first.add(QStringLiteral("in the trash, 日本語"), monday.addSecs(120), true);
        Trash::moveToTrash(*trashed, monday.addSecs(180));
        ShareItem *removed = first.add(QStringLiteral("being removed"), monday);
        Trash::deleteForGood(*removed, monday);
        QCOMPARE(first.context().save(), std::nullopt);
        const QString path = exported(first);
        QVERIFY(!path.isEmpty());

        Store second;
        const ItemImport::Outcome outcome = second.import(path);
        QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
        QCOMPARE(outcome.added, 3);
        QCOMPARE(second.state(), first.state());
        QCOMPARE(second.pictureFiles(), 2);
        for (ManagedObject *object : second.context().execute(ShareItem::fetchRequest()).objects)
            QCOMPARE(static_cast<ShareItem *>(object)->syncStatus(), ShareItem::SyncStatus::pending);

        const ItemImport::Outcome again = second.import(path);
        QCOMPARE(again.added + again.updated, 0);
        QCOMPARE(again.unchanged, 3);
        QCOMPARE(second.state(), first.state());
        QCOMPARE(second.pictureFiles(), 2); // no picture left over from the second reading
        QCOMPARE(QDir(second.images.imagesDirectoryURL()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).size(), 0);
    }

    // Item by item, the later change wins: an older local copy takes the archive's values (and
    // its picture), a newer one keeps its own.
    void laterChangeWinsItemByItem()
    {
        Store source;
        ShareItem *newer = source.add(QStringLiteral("newer in the archive"), monday.addSecs(100), true);
        ShareItem *older = source.add(QStringLiteral("older in the archive"), monday);
        QCOMPARE(source.context().save(), std::nullopt);
        const QString path = exported(source);

        Store here;
        QVERIFY(here.import(path).error.isEmpty());
        for (ManagedObject *object : here.context().execute(ShareItem::fetchRequest()).objects) {
            auto *item = static_cast<ShareItem *>(object);
            if (item->uuid() == newer->uuid()) {
                item->setTitle(QStringLiteral("edited here earlier"));
                item->setModifiedAt(monday.addSecs(50));
                item->setImageUUID({});
            } else {
                item->setTitle(QStringLiteral("edited here later"));
                item->setModifiedAt(monday.addSecs(500));
            }
        }
        QCOMPARE(here.context().save(), std::nullopt);
        const ItemImport::Outcome outcome = here.import(path);
        QCOMPARE(outcome.updated, 1);
        QCOMPARE(outcome.unchanged, 1);
        const QMap<QString, QString> state = here.state();
        QCOMPARE(state.value(newer->uuid().toString()), source.state().value(newer->uuid().toString()));
        QVERIFY(state.value(older->uuid().toString()).startsWith(QLatin1String("edited here later |")));
    }

    // A bookmarks file as browsers write it: links in nested folders, non-ASCII titles,
    // entities; a bookmarklet is no link. Imported twice, nothing is added the second time.
    void browserBookmarks()
    {
        Store store;
        const QString path = QStringLiteral(STASHLINE_TEST_DATA "/bookmarks.html");
        const ItemImport::Outcome outcome = store.import(path);
        QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
        QCOMPARE(outcome.added, 4);
        QMap<QString, ShareItem *> byTitle;
        for (ManagedObject *object : store.context().execute(ShareItem::fetchRequest()).objects)
            byTitle.insert(static_cast<ShareItem *>(object)->title(), static_cast<ShareItem *>(object));
        QCOMPARE(byTitle.keys(), (QStringList{QStringLiteral("Bookmarks bar › Example & Co"),
                                              QStringLiteral("Bookmarks bar › 旅行 › Café <Paris> › Crêpes & cidre \U0001F95E"),
                                              QStringLiteral("Bookmarks bar › 旅行 › 京都市 - Wikipedia"),
                                              QStringLiteral("https://example.net/top")}));
        const ShareItem *crepes = byTitle.value(QStringLiteral("Bookmarks bar › 旅行 › Café <Paris> › Crêpes & cidre \U0001F95E"));
        QCOMPARE(crepes->content(), QStringLiteral("https://example.org/cr%C3%AApes?x=1&y=2"));
        QCOMPARE(crepes->contentType(), QStringLiteral("url"));
        QCOMPARE(crepes->createdAt(), QDateTime::fromSecsSinceEpoch(1700000230, Qt::UTC));
        QCOMPARE(crepes->modifiedAt(), QDateTime::fromSecsSinceEpoch(1700000240, Qt::UTC));
        QCOMPARE(byTitle.value(QStringLiteral("https://example.net/top"))->createdAt(), QDateTime::fromSecsSinceEpoch(1700000400, Qt::UTC));

        const ItemImport::Outcome again = store.import(path);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.unchanged, 4);
    }

    // Plain text and Markdown become one note each, titled by the heading or the first line.
    void notes_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::newRow("markdown heading") << "trip.md" << QByteArray("Some intro\n\n## Packing list ##\n- socks\n") << "Packing list";
        QTest::newRow("markdown without heading") << "ideas.markdown" << QByteArray("just *text*\n") << "ideas";
        QTest::newRow("text first line") << "todo.txt" << QByteArray("\xEF\xBB\xBFGroceries\nmilk\n") << "Groceries";
    }
    void notes()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        Store store;
        QFile file(m_files.filePath(fileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(store.import(file.fileName()).error.isEmpty());
        const QList<ManagedObject *> items = store.context().execute(ShareItem::fetchRequest()).objects;
        QCOMPARE(items.size(), 1);
        const auto *note = static_cast<ShareItem *>(items.constFirst());
        QCOMPARE(note->title(), title);
        QCOMPARE(note->contentType(), QStringLiteral("text"));
        QVERIFY(!note->content().startsWith(QChar(0xFEFF)));
        QVERIFY(note->content().contains(QString::fromUtf8(bytes).trimmed().right(3)));
        QCOMPARE(store.import(file.fileName()).added, 0);
    }

    // Each bad file is refused with its reason, and the store and the picture folder stay as
    // they were.
    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("truncated archive") << "truncated" << "damaged";
        QTest::newRow("corrupted picture data") << "corrupted" << "damaged";
        QTest::newRow("picture that is no JPEG") << "png" << "not a JPEG";
        QTest::newRow("picture entry missing") << "missingPicture" << "damaged";
        QTest::newRow("items file unreadable") << "badJson" << "damaged";
        QTest::newRow("unknown format") << "unknown" << "not a file Stashline can import";
        QTest::newRow("text file too large") << "tooLarge" << "too large";
        QTest::newRow("missing file") << "missing" << "no file";
    }
    void badFilesChangeNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        Store source;
        for (int index = 0; index < 5; ++index)
            source.add(QStringLiteral("item %1").arg(index), monday.addSecs(index), true);
        QCOMPARE(source.context().save(), std::nullopt);
        const QString good = exported(source);
        QFile goodFile(good);
        QVERIFY(goodFile.open(QIODevice::ReadOnly));
        QByteArray bytes = goodFile.readAll();
        goodFile.close();

        QString path = m_files.filePath(kind + QStringLiteral(".zip"));
        QImage png(8, 8, QImage::Format_RGB32);
        png.fill(Qt::red);
        QByteArray pngBytes;
        QBuffer buffer(&pngBytes);
        buffer.open(QIODevice::WriteOnly);
        png.save(&buffer, "PNG");
        if (kind == QLatin1String("truncated")) {
            bytes.truncate(bytes.size() * 2 / 3);
        } else if (kind == QLatin1String("corrupted")) {
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x5A);
        } else if (kind == QLatin1String("png")) {
            QVERIFY(writeZip(path, {{QStringLiteral("items.json"), itemsFile(QStringLiteral("pictures/A.jpg"))},
                                    {QStringLiteral("pictures/A.jpg"), pngBytes}}));
        } else if (kind == QLatin1String("missingPicture")) {
            QVERIFY(writeZip(path, {{QStringLiteral("items.json"), itemsFile(QStringLiteral("pictures/A.jpg"))}}));
        } else if (kind == QLatin1String("badJson")) {
            QVERIFY(writeZip(path, {{QStringLiteral("items.json"), QByteArray("{\"format\":\"stashline-items\",\"items\":[{\"uuid\":7}]}")}}));
        } else if (kind == QLatin1String("unknown")) {
            path = m_files.filePath(QStringLiteral("picture.png"));
            bytes = pngBytes;
        } else if (kind == QLatin1String("tooLarge")) {
            path = m_files.filePath(QStringLiteral("huge.txt"));
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(ItemImport::maximumTextBytes + 1));
            bytes.clear();
        } else if (kind == QLatin1String("missing")) {
            path = m_files.filePath(QStringLiteral("nowhere.zip"));
            bytes.clear();
        }
        if (!bytes.isEmpty() && !QFile::exists(path)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }

        Store here;
        here.add(QStringLiteral("mine"), monday, true);
        QCOMPARE(here.context().save(), std::nullopt);
        const QMap<QString, QString> before = here.state();
        const ItemImport::Outcome outcome = here.import(path);
        QVERIFY2(outcome.error.contains(message), qPrintable(QStringLiteral("%1 (added %2)").arg(outcome.error).arg(outcome.added)));
        QCOMPARE(outcome.added + outcome.updated, 0);
        QVERIFY(!here.context().hasChanges());
        QCOMPARE(here.state(), before);
        QCOMPARE(QDir(here.images.imagesDirectoryURL()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
    }

    // A failed save leaves neither the items nor their pictures behind.
    void failedSaveLeavesNothing()
    {
        Store source;
        source.add(QStringLiteral("pictured"), monday, true);
        QCOMPARE(source.context().save(), std::nullopt);
        const QString path = exported(source);
        Store here;
        ShareItem *mine = here.add(QStringLiteral("mine"), monday.addDays(-3));
        QCOMPARE(here.context().save(), std::nullopt);
        const QMap<QString, QString> before = here.state();
        here.context().database().execute("CREATE TRIGGER refuse BEFORE INSERT ON ShareItem BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        const ItemImport::Outcome outcome = here.import(path);
        QVERIFY2(outcome.error.contains(QLatin1String("disk full")), qPrintable(outcome.error));
        QCOMPARE(here.state(), before);
        QCOMPARE(here.pictureFiles(), 0);
        QCOMPARE(mine->title(), QStringLiteral("mine"));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Localization::install(QLocale(QStringLiteral("en_US")));
    TestItemTransfer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_itemtransfer.moc"
