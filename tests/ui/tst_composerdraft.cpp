#include "../model/ModelTestSupport.h"
#include "../PictureSamples.h"
#include "ComposerDraft.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"
#include "store/PictureDecoder.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

// The draft applies the add and save rules, trims and classifies its input, and stores pictures
// only on Add or Save.
class TestComposerDraft : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_groupDirectory;
    QTemporaryDir m_files;
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<ShareListViewModel> m_model;

    // A file of this run holding `bytes`, or a picture of `color` when no bytes are given.
    QUrl writeFile(const QString &name, QColor color, const QByteArray &bytes = {})
    {
        const QString path = m_files.filePath(name);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        QFile file(path);
        if (bytes.isEmpty())
            image.save(path, "PNG");
        else if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return QUrl::fromLocalFile(path);
    }
    ShareItem *onlyItem()
    {
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::notMarkedForDeletionPredicate();
        const QList<ManagedObject *> live = m_model->context().execute(request).objects;
        return live.size() == 1 ? static_cast<ShareItem *>(live.first()) : nullptr;
    }
    int storedImageFiles() const { return int(QDir(ImageManager::shared().imagesDirectoryURL()).entryList(QDir::Files).size()); }

private slots:
    void init()
    {
        qputenv("STASHLINE_GROUP_DIR", m_groupDirectory.path().toLocal8Bit());
        m_model.reset();
        std::optional<StoreError> error;
        m_container = PersistenceController::openInMemoryContainer(&error);
        QVERIFY(m_container);
        m_model = std::make_unique<ShareListViewModel>(m_container->viewContext(), Calendar::current(),
                                                       std::make_shared<RecordingSyncManager>());
        QDir(ImageManager::shared().imagesDirectoryURL()).removeRecursively();
        QDir().mkpath(ImageManager::shared().imagesDirectoryURL());
    }

    void addHandsTrimmedInputToTheModel_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<QString>("storedContent");
        QTest::addColumn<QString>("contentType"); // empty: nothing may be added
        QTest::newRow("title alone adds nothing") << " \n\t " << false << "" << "";
        QTest::newRow("link with image") << "  https://example.com/a \n" << true << "https://example.com/a" << "url";
        QTest::newRow("image alone") << "" << true << "" << "image";
        QTest::newRow("note") << "\n just text " << false << "just text" << "text";
    }
    void addHandsTrimmedInputToTheModel()
    {
        QFETCH(QString, content);
        QFETCH(bool, withImage);
        QFETCH(QString, storedContent);
        QFETCH(QString, contentType);
        ComposerDraft draft;
        draft.setTitle(QStringLiteral("  Title \n"));
        draft.setContent(content);
        draft.setIsFavorite(true);
        if (withImage)
            QVERIFY(draft.pickImageFile(writeFile(QStringLiteral("b.png"), Qt::green)));
        QCOMPARE(storedImageFiles(), 0);
        QCOMPARE(draft.canAdd(), !contentType.isEmpty());
        QCOMPARE(draft.add(m_model.get()), !contentType.isEmpty());
        ShareItem *item = onlyItem();
        QCOMPARE(item != nullptr, !contentType.isEmpty());
        if (!item)
            return;
        QCOMPARE(item->title(), QStringLiteral("Title"));
        QCOMPARE(item->content(), storedContent);
        QCOMPARE(item->contentType(), contentType);
        QVERIFY(item->isFavorite());
        QCOMPARE(item->imageUUID().isNull(), !withImage);
        if (withImage)
            QVERIFY(ImageManager::shared().loadImage(item->imageUUID()).has_value());
    }

    // A picture attaches by picking, pasting or dropping; one that cannot be read or decoded
    // leaves the attached one as it was.
    void picturesAttachOnlyWhenTheyDecode()
    {
        ComposerDraft draft;
        QGuiApplication::clipboard()->setText(QStringLiteral("only text"));
        QVERIFY(!draft.pasteImageFromClipboard());
        QVERIFY(!draft.hasImage());
        QGuiApplication::clipboard()->setImage(QImage(writeFile(QStringLiteral("p.png"), Qt::magenta).toLocalFile()));
        QVERIFY(draft.pasteImageFromClipboard());

        const qint64 key = draft.selectedImage().cacheKey();
        QVERIFY(!draft.pickImageFile(writeFile(QStringLiteral("d.png"), {}, "not an image")));
        QCOMPARE(draft.imageProblem(), QStringLiteral("share.composer.image.unreadable"));
        // Beyond 200 megapixels: refused with the reason, from the header alone.
        QVERIFY(!draft.pickImageFile(writeFile(QStringLiteral("huge.jpg"), {}, PictureSamples::jpegClaiming(QSize(20000, 12000)))));
        QCOMPARE(draft.imageProblem(), QStringLiteral("share.composer.image.tooLarge 240 200"));
        QVERIFY(!draft.pickImageFile(QUrl::fromLocalFile(m_files.filePath(QStringLiteral("missing.png")))));
        QVERIFY(!draft.dropImageFiles({QUrl(QStringLiteral("https://example.com/x.png"))}));
        QCOMPARE(draft.selectedImage().cacheKey(), key);
        QVERIFY(draft.hasSelectedItem());

        QVERIFY(draft.dropImageFiles({writeFile(QStringLiteral("x.txt"), {}, "text"),
                                      writeFile(QStringLiteral("drop.png"), Qt::cyan)}));
        QCOMPARE(draft.selectedImage().pixelColor(1, 1), QColor(Qt::cyan));
        QVERIFY(draft.imageProblem().isEmpty());
        draft.removeImage();
        QVERIFY(!draft.hasImage());
        QVERIFY(!draft.hasSelectedItem());
    }

    // A photo of tens of megapixels attaches as a preview and is stored at full size on Add.
    void bigPhotoIsStoredAtFullSize()
    {
        ComposerDraft draft;
        const QSize size(7000, 5000);
        QVERIFY(draft.pickImageFile(writeFile(QStringLiteral("photo.jpg"), {}, PictureSamples::jpeg(size))));
        QVERIFY(draft.selectedImage().width() <= PictureDecoder::previewSide);
        QVERIFY(draft.add(m_model.get()));
        ShareItem *item = onlyItem();
        QVERIFY(item && !item->imageUUID().isNull());
        QCOMPARE(QImageReader(ImageManager::shared().imageFileURL(item->imageUUID())).size(), size);

        // The edit page shows the stored picture as a preview; when it is stored anew (a pick
        // that failed), the full picture is, not the preview.
        const QUuid original = item->imageUUID();
        draft.loadFromItem(item);
        QVERIFY(draft.hasImage() && draft.selectedImage().width() <= PictureDecoder::previewSide);
        QVERIFY(!draft.pickImageFile(writeFile(QStringLiteral("broken.jpg"), {}, "garbage")));
        QVERIFY(draft.save(m_model.get(), item));
        QVERIFY(item->imageUUID() != original);
        QCOMPARE(QImageReader(ImageManager::shared().imageFileURL(item->imageUUID())).size(), size);
    }

    // Save keeps the item's picture by its identifier, stores a pick anew (even one that failed to
    // decode: the old picture under a new identifier) and clears a removed one.
    void editKeepsReplacesOrClearsThePicture()
    {
        ComposerDraft draft;
        draft.setTitle(QStringLiteral("Old"));
        QVERIFY(draft.pickImageFile(writeFile(QStringLiteral("e.png"), Qt::red)));
        QVERIFY(draft.add(m_model.get()));
        ShareItem *item = onlyItem();
        QVERIFY(item);
        const QUuid original = item->imageUUID();
        QCOMPARE(storedImageFiles(), 1);

        draft.loadFromItem(item);
        QCOMPARE(draft.title(), QStringLiteral("Old"));
        draft.setTitle(QStringLiteral("  New \n"));
        QVERIFY(draft.save(m_model.get(), item));
        QCOMPARE(item->title(), QStringLiteral("New"));
        QCOMPARE(item->imageUUID(), original);
        QCOMPARE(storedImageFiles(), 1);

        draft.loadFromItem(item);
        QVERIFY(!draft.pickImageFile(writeFile(QStringLiteral("f.jpg"), {}, "garbage")));
        QVERIFY(draft.save(m_model.get(), item));
        QVERIFY(item->imageUUID() != original);
        QCOMPARE(storedImageFiles(), 2);
        m_model->loadShares();
        QCOMPARE(item->contentType(), QStringLiteral("image")); // empty content stays text, not absent

        // Without picture, title or content there is nothing to save; a title alone is enough.
        draft.loadFromItem(item);
        draft.removeImage();
        draft.setTitle(QStringLiteral(" "));
        QVERIFY(!draft.canSave());
        QVERIFY(!draft.save(m_model.get(), item));
        QCOMPARE(item->title(), QStringLiteral("New"));
        draft.setTitle(QStringLiteral("Kept"));
        QVERIFY(draft.save(m_model.get(), item));
        QVERIFY(item->imageUUID().isNull());
        QCOMPARE(item->contentType(), QStringLiteral("text"));
        QCOMPARE(storedImageFiles(), 2);
    }
};

QTEST_MAIN(TestComposerDraft)
#include "tst_composerdraft.moc"
