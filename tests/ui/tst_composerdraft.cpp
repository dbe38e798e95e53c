#include "../model/ModelTestSupport.h"
#include "ComposerDraft.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class TestComposerDraft : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_groupDirectory;
    QTemporaryDir m_files;
    std::unique_ptr<PersistentContainer> m_container;
    std::shared_ptr<RecordingSyncManager> m_sync;
    std::unique_ptr<ShareListViewModel> m_model;

    QString writeImage(const QString &name, QColor color)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        const QString path = m_files.filePath(name);
        image.save(path, "PNG");
        return path;
    }
    QString writeBytes(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_files.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    ShareItem *onlyItem()
    {
        m_model->loadShares();
        return m_model->shares().size() == 1 ? m_model->shares().first() : nullptr;
    }
    int storedImageFiles() const
    {
        return int(QDir(ImageManager::shared().imagesDirectoryURL()).entryList(QDir::Files).size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_groupDirectory.isValid());
        qputenv("STASHLINE_GROUP_DIR", m_groupDirectory.path().toLocal8Bit());
    }
    void init()
    {
        std::optional<StoreError> error;
        m_container = PersistenceController::openInMemoryContainer(&error);
        QVERIFY(m_container);
        m_sync = std::make_shared<RecordingSyncManager>();
        m_model = std::make_unique<ShareListViewModel>(m_container->viewContext(), Calendar::current(), m_sync);
        QDir(ImageManager::shared().imagesDirectoryURL()).removeRecursively();
        QDir().mkpath(ImageManager::shared().imagesDirectoryURL());
    }
    void cleanup()
    {
        m_model.reset();
        m_container.reset();
    }

    void addEnablement_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<bool>("canAdd");
        QTest::newRow("empty") << "" << "" << false << false;
        QTest::newRow("blanks and line breaks") << "" << "  \n\t " << false << false;
        QTest::newRow("title alone") << "A title" << "" << false << false;
        QTest::newRow("content") << "" << "note" << false << true;
        QTest::newRow("image alone") << "" << "" << true << true;
    }
    void addEnablement()
    {
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(bool, withImage);
        QFETCH(bool, canAdd);
        ComposerDraft draft;
        draft.setTitle(title);
        draft.setContent(content);
        if (withImage)
            QVERIFY(draft.pickImageFile(QUrl::fromLocalFile(writeImage(QStringLiteral("a.png"), Qt::red))));
        QCOMPARE(draft.canAdd(), canAdd);
        QCOMPARE(draft.add(m_model.get()), canAdd);
        m_model->loadShares();
        QCOMPARE(m_model->shares().size(), canAdd ? 1 : 0);
    }

    void addStoresTrimmedClassifiedInput_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<QString>("storedContent");
        QTest::addColumn<QString>("contentType");
        QTest::newRow("link with image") << "  https://example.com/a \n" << true << "https://example.com/a" << "url";
        QTest::newRow("sentence with image") << "a plain sentence" << true << "a plain sentence" << "image";
        QTest::newRow("note") << "\n just text " << false << "just text" << "text";
    }
    void addStoresTrimmedClassifiedInput()
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
            QVERIFY(draft.pickImageFile(QUrl::fromLocalFile(writeImage(QStringLiteral("b.png"), Qt::green))));
        QVERIFY(draft.add(m_model.get()));
        ShareItem *item = onlyItem();
        QVERIFY(item);
        QCOMPARE(item->title(), QStringLiteral("Title"));
        QCOMPARE(item->content(), storedContent);
        QCOMPARE(item->contentType(), contentType);
        QVERIFY(item->isFavorite());
        QCOMPARE(item->imageUUID().isNull(), !withImage);
        if (withImage)
            QVERIFY(ImageManager::shared().loadImage(item->imageUUID()).has_value());
    }

    void undecodablePickKeepsThePreviousImage()
    {
        ComposerDraft draft;
        QVERIFY(draft.pickImageFile(QUrl::fromLocalFile(writeImage(QStringLiteral("c.png"), Qt::blue))));
        const qint64 key = draft.selectedImage().cacheKey();
        QVERIFY(!draft.pickImageFile(QUrl::fromLocalFile(writeBytes(QStringLiteral("d.png"), "not an image"))));
        QVERIFY(!draft.pickImageFile(QUrl::fromLocalFile(m_files.filePath(QStringLiteral("missing.png")))));
        QVERIFY(!draft.dropImageFiles({QUrl(QStringLiteral("https://example.com/x.png"))}));
        QCOMPARE(draft.selectedImage().cacheKey(), key);
        QVERIFY(draft.hasSelectedItem());
        draft.removeImage();
        QVERIFY(!draft.hasImage());
        QVERIFY(!draft.hasSelectedItem());
    }

    void pasteAndDropAttachPictures()
    {
        ComposerDraft draft;
        QGuiApplication::clipboard()->setText(QStringLiteral("only text"));
        QVERIFY(!draft.pasteImageFromClipboard());
        QVERIFY(!draft.hasImage());

        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QGuiApplication::clipboard()->setImage(picture);
        QVERIFY(draft.pasteImageFromClipboard());
        QVERIFY(draft.hasImage());
        QVERIFY(draft.hasSelectedItem());
        QVERIFY(draft.canAdd());

        const QString dropped = writeImage(QStringLiteral("drop.png"), Qt::cyan);
        QVERIFY(draft.dropImageFiles({QUrl::fromLocalFile(writeBytes(QStringLiteral("x.txt"), "text")),
                                      QUrl::fromLocalFile(dropped)}));
        QCOMPARE(draft.selectedImage().pixelColor(1, 1), QColor(Qt::cyan));
    }

    void editSaveRules_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("canSave");
        QTest::newRow("both cleared") << " " << "\n" << false;
        QTest::newRow("title alone") << "Title" << "" << true;
        QTest::newRow("content alone") << "" << "text" << true;
    }
    void editSaveRules()
    {
        QFETCH(QString, title);
        QFETCH(QString, content);
        QFETCH(bool, canSave);
        m_model->addShare(QStringLiteral("Old"), QStringLiteral("old content"), QStringLiteral("text"), QUuid(), false);
        ShareItem *item = onlyItem();
        const QDateTime created = item->createdAt();
        ComposerDraft draft;
        draft.loadFromItem(item);
        QCOMPARE(draft.title(), QStringLiteral("Old"));
        draft.setTitle(title);
        draft.setContent(content);
        QCOMPARE(draft.canSave(), canSave);
        QCOMPARE(draft.save(m_model.get(), item), canSave);
        QCOMPARE(item->title(), canSave ? title.trimmed() : QStringLiteral("Old"));
        QCOMPARE(item->createdAt(), created);
        if (canSave)
            QCOMPARE(item->contentType(), QStringLiteral("text"));
    }

    void editImageIdentifier()
    {
        ComposerDraft adding;
        adding.setContent(QStringLiteral("picture"));
        QVERIFY(adding.pickImageFile(QUrl::fromLocalFile(writeImage(QStringLiteral("e.png"), Qt::red))));
        QVERIFY(adding.add(m_model.get()));
        ShareItem *item = onlyItem();
        const QUuid original = item->imageUUID();
        QVERIFY(!original.isNull());
        QCOMPARE(storedImageFiles(), 1);

        // Untouched: the same identifier, no new file.
        ComposerDraft untouched;
        untouched.loadFromItem(item);
        QVERIFY(untouched.hasImage());
        QVERIFY(untouched.save(m_model.get(), item));
        QCOMPARE(item->imageUUID(), original);
        QCOMPARE(storedImageFiles(), 1);

        // An undecodable pick keeps the old picture but counts as a pick: stored anew.
        ComposerDraft failedPick;
        failedPick.loadFromItem(item);
        QVERIFY(!failedPick.pickImageFile(QUrl::fromLocalFile(writeBytes(QStringLiteral("f.jpg"), "garbage"))));
        QVERIFY(failedPick.save(m_model.get(), item));
        QVERIFY(item->imageUUID() != original);
        QCOMPARE(storedImageFiles(), 2);

        // Replaced: a new file and identifier; the old file stays.
        const QUuid beforeReplace = item->imageUUID();
        ComposerDraft replaced;
        replaced.loadFromItem(item);
        QVERIFY(replaced.pickImageFile(QUrl::fromLocalFile(writeImage(QStringLiteral("g.png"), Qt::yellow))));
        QVERIFY(replaced.save(m_model.get(), item));
        QVERIFY(item->imageUUID() != beforeReplace);
        QCOMPARE(storedImageFiles(), 3);
        QCOMPARE(ImageManager::shared().loadImage(item->imageUUID())->pixelColor(5, 5).red(), 255);

        // Removed: no identifier, type "text".
        ComposerDraft removed;
        removed.loadFromItem(item);
        removed.removeImage();
        QVERIFY(removed.save(m_model.get(), item));
        QVERIFY(item->imageUUID().isNull());
        QCOMPARE(item->contentType(), QStringLiteral("text"));
        QCOMPARE(storedImageFiles(), 3);
    }
};

QTEST_MAIN(TestComposerDraft)
#include "tst_composerdraft.moc"
