// Qt Quick tests of the screens: every tst_*.qml in this folder, with the Stashline module, the
// icon provider and the fixture below.

#include "../model/ModelTestSupport.h"
#include "Services/SyncActivity.h"
#include "QmlEngineSetup.h"
#include "Services/AccountManager.h"
#include "platform/NotificationCenter.h"
#include "platform/PersistentContainer.h"
#include "platform/SqliteDatabase.h"
#include "platform/cloud/CloudAccount.h"
#include "store/ImageManager.h"
#include "store/PersistenceController.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

// What the screen tests drive, as the singleton "Fixture" of "StashlineTest": a list model over a
// fresh store (in memory unless a test asks for a file) with a sync interface that counts its calls, items made to order, the
// cloud notifications and a picture file. Pictures the screens store go to a directory of this run.
class ScreenTestFixture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ShareListViewModel *viewModel READ viewModel NOTIFY viewModelChanged)

public:
    ScreenTestFixture()
    {
        qputenv("STASHLINE_GROUP_DIR", m_groupDirectory.path().toLocal8Bit());
        // No account: the settings folder is this run's, never the user's.
        qputenv("XDG_CONFIG_HOME", m_groupDirectory.path().toLocal8Bit());
        qunsetenv("STASHLINE_CLOUD_URL");
        QmlEngineSetup::applyStyle();
    }

    ShareListViewModel *viewModel() const { return m_model.get(); }

    // A new empty store (in memory, or in a file of its own) and model.
    Q_INVOKABLE void reset(bool inFile = false)
    {
        m_model.reset();
        std::optional<StoreError> error;
        m_storeFile = m_directory.filePath(QStringLiteral("store-%1.sqlite").arg(++m_storeCount));
        m_container = inFile ? PersistenceController::openOnDiskContainer(m_storeFile, &error)
                             : PersistenceController::openInMemoryContainer(&error);
        Q_ASSERT(m_container);
        m_sync = std::make_shared<RecordingSyncManager>();
        m_model.reset();
        m_activity = std::make_unique<SyncActivity>(); // no sync state carried over from the last test
        m_model = std::make_unique<ShareListViewModel>(m_container->viewContext(), Calendar::current(), m_sync, &screensNow,
                                                       nullptr, m_activity.get());
        emit viewModelChanged();
    }
    // The screens' "now": noon of the day the run started, moving on as the run goes, so items
    // minutes or hours old stay on the day a test puts them on, whenever the tests run.
    static QDateTime screensNow()
    {
        static const QDateTime noon(QDate::currentDate(), QTime(12, 0));
        static const QElapsedTimer running = [] {
            QElapsedTimer timer;
            timer.start();
            return timer;
        }();
        return noon.addMSecs(running.elapsed());
    }
    // An item created `ageDays` ago (fractions allowed), saved and loaded.
    Q_INVOKABLE QObject *addItem(const QString &title, const QString &content, const QString &contentType,
                                 int syncStatus, double ageDays, bool isFavorite)
    {
        ShareItem *item = ShareItem::insert(m_container->viewContext());
        item->setUuid(QUuid::createUuid());
        item->setTitle(title);
        item->setContent(content);
        item->setContentType(contentType);
        item->setCreatedAt(screensNow().addMSecs(qint64(-ageDays * 86400000.0)));
        item->setSyncStatusValue(qint16(syncStatus));
        item->setIsFavorite(isFavorite);
        m_container->viewContext().save();
        m_model->loadShares();
        return item;
    }
    // The live items of the context, saved or not.
    Q_INVOKABLE int storedItemCount() const
    {
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::notMarkedForDeletionPredicate();
        return int(m_model->context().execute(request).objects.size());
    }
    // A picture item: its picture stored as the screens store one, its title and content as given.
    Q_INVOKABLE QObject *addPictureItem(const QString &title, const QString &content)
    {
        auto *item = static_cast<ShareItem *>(addItem(title, content, QStringLiteral("image"), 2, 0, false));
        item->setImageUUID(ImageManager::shared().saveImage(QImage(pictureFile().toLocalFile())).value_or(QUuid()));
        m_container->viewContext().save();
        return item;
    }
    // What the clipboard holds: its picture's size ("60x40"), else its text.
    Q_INVOKABLE QString clipboardContent() const
    {
        const QImage picture = QGuiApplication::clipboard()->image();
        if (!picture.isNull())
            return QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
        return QGuiApplication::clipboard()->text();
    }
    Q_INVOKABLE void setClipboardText(const QString &text) { QGuiApplication::clipboard()->setText(text); }
    // The account the screens read: "signedIn" (a local server's account, password in the
    // file), "signedOut" (no account file) or "problem" (a file others may read, refused).
    Q_INVOKABLE void setAccount(const QString &state)
    {
        const QString path = CloudAccount::defaultFilePath();
        QFile::remove(path);
        if (state != QLatin1String("signedOut")) {
            QString problem;
            CloudAccount::fromUrl(QStringLiteral("http://127.0.0.1:5984/stashline"))
                .withCredentials(QStringLiteral("alice"), QStringLiteral("secret"))
                .asLocalServer()
                .writeFile(path, true, &problem);
            if (state == QLatin1String("problem"))
                QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther);
        }
        AccountManager::shared().load(0);
    }
    // For a store in a file: refuses (or allows again) every new item, as a full disk would, and
    // counts the items the file holds, through a second connection.
    Q_INVOKABLE void refuseSaves(bool refuse)
    {
        SqliteDatabase other;
        if (other.open(m_storeFile)
            || other.execute(refuse ? "CREATE TRIGGER refuse BEFORE INSERT ON ShareItem BEGIN SELECT RAISE(ABORT, 'disk is full'); END;"
                                    : "DROP TRIGGER refuse;"))
            qFatal("the store file cannot be changed");
    }
    Q_INVOKABLE int itemsInStoreFile() const
    {
        SqliteDatabase other;
        if (other.open(m_storeFile))
            return -1;
        SqliteStatement count(other, "SELECT COUNT(*) FROM ShareItem");
        return count.step() ? int(count.columnInt64(0)) : -1;
    }
    Q_INVOKABLE int retryCount() const { return int(m_sync->retried.size()); }
    Q_INVOKABLE int downloadCount() const { return m_sync->calls("download"); }
    Q_INVOKABLE void postUploadStart() { NotificationCenter::defaultCenter().post(CloudUploadNotification::didStart); }
    Q_INVOKABLE void postUploadFinish() { NotificationCenter::defaultCenter().post(CloudUploadNotification::didFinish); }
    Q_INVOKABLE void postSyncStart() { NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart); }
    // An empty message is a pass that ended well.
    Q_INVOKABLE void postSyncFinish(const QString &errorMessage)
    {
        const QVariantMap userInfo{{CloudSyncNotification::errorMessageKey, errorMessage}};
        NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr,
                                                 errorMessage.isEmpty() ? QVariantMap() : userInfo);
    }
    Q_INVOKABLE QUrl pictureFile() const { return QUrl::fromLocalFile(m_directory.filePath(QStringLiteral("picture.png"))); }
    // A file named like a picture that does not decode as one.
    Q_INVOKABLE QUrl brokenPictureFile() const { return QUrl::fromLocalFile(m_directory.filePath(QStringLiteral("broken.png"))); }

    // The file chooser as the user drives it: the open dialog picks `file` and is accepted, or
    // is cancelled. False when no chooser dialog is open.
    Q_INVOKABLE bool isFileDialogOpen() const { return openFileDialog() != nullptr; }
    Q_INVOKABLE bool acceptFileDialog(const QUrl &file)
    {
        QFileDialog *dialog = openFileDialog();
        if (!dialog)
            return false;
        // As a user does: the path typed into the name field, then Open.
        auto *nameField = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!nameField)
            return false;
        nameField->setText(file.toLocalFile());
        QMetaObject::invokeMethod(dialog, "accept");
        return true;
    }
    Q_INVOKABLE bool cancelFileDialog()
    {
        QFileDialog *dialog = openFileDialog();
        if (!dialog)
            return false;
        dialog->reject();
        return true;
    }

signals:
    void viewModelChanged();

private:
    static QFileDialog *openFileDialog()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (dialog && dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        QmlEngineSetup::install(*engine);
        // The store and the picture are made here, once the application object exists.
        if (!m_model) {
            QImage picture(60, 40, QImage::Format_RGB32);
            picture.fill(QColor(0x14, 0xb8, 0xa6));
            picture.save(m_directory.filePath(QStringLiteral("picture.png")), "PNG");
            QFile broken(m_directory.filePath(QStringLiteral("broken.png")));
            if (broken.open(QIODevice::WriteOnly))
                broken.write("not a picture");
            reset();
        }
        qmlRegisterSingletonInstance("StashlineTest", 1, 0, "Fixture", this);
    }

private:
    QTemporaryDir m_groupDirectory;
    QTemporaryDir m_directory;
    std::unique_ptr<PersistentContainer> m_container;
    QString m_storeFile;
    int m_storeCount = 0;
    std::shared_ptr<RecordingSyncManager> m_sync;
    std::unique_ptr<SyncActivity> m_activity;
    std::unique_ptr<ShareListViewModel> m_model;
};

// A widget application, as the app has: the file chooser falls back to a widget dialog.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    ScreenTestFixture setup;
    return quick_test_main_with_setup(argc, argv, "tst_screens", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "tst_screens.moc"
