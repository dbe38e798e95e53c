#include "ScreenTestFixture.h"

#include "Services/SyncManagerProtocol.h"
#include "platform/NotificationCenter.h"
#include "store/PersistenceController.h"
#include "store/ShareItem.h"

#include <QFile>
#include <QImage>

class CountingSyncManager : public SyncManagerProtocol
{
public:
    void uploadPendingItems() override {}
    void downloadItems() override { ++downloads; }
    void retry(ShareItem *) override { ++retries; }
    int downloads = 0;
    int retries = 0;
};

ScreenTestFixture::ScreenTestFixture(QObject *parent)
    : QObject(parent)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(QColor(0x14, 0xb8, 0xa6));
    picture.save(m_directory.filePath(QStringLiteral("picture.png")), "PNG");
    QFile broken(m_directory.filePath(QStringLiteral("broken.png")));
    if (broken.open(QIODevice::WriteOnly))
        broken.write("this is not a picture");
    reset();
}

ScreenTestFixture::~ScreenTestFixture() = default;

void ScreenTestFixture::reset()
{
    m_model.reset();
    m_container.reset();
    std::optional<StoreError> error;
    m_container = PersistenceController::openInMemoryContainer(&error);
    Q_ASSERT(m_container);
    m_sync = std::make_shared<CountingSyncManager>();
    m_model = std::make_unique<ShareListViewModel>(m_container->viewContext(), Calendar::current(), m_sync);
    emit viewModelChanged();
}

QObject *ScreenTestFixture::addItem(const QString &title, const QString &content, const QString &contentType,
                                    int syncStatus, double ageDays, bool isFavorite)
{
    ShareItem *item = ShareItem::insert(m_container->viewContext());
    item->setUuid(QUuid::createUuid());
    item->setTitle(title);
    item->setContent(content);
    item->setContentType(contentType);
    item->setCreatedAt(QDateTime::currentDateTime().addMSecs(qint64(-ageDays * 86400000.0)));
    item->setSyncStatusValue(qint16(syncStatus));
    item->setIsFavorite(isFavorite);
    m_container->viewContext().save();
    m_model->loadShares();
    return item;
}

int ScreenTestFixture::storedItemCount() const
{
    return int(m_model->shares().size());
}

int ScreenTestFixture::retryCount() const
{
    return m_sync->retries;
}

int ScreenTestFixture::downloadCount() const
{
    return m_sync->downloads;
}

void ScreenTestFixture::postSyncStart()
{
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didStart);
}

void ScreenTestFixture::postSyncFinish(const QString &errorMessage)
{
    QVariantMap userInfo;
    if (!errorMessage.isEmpty())
        userInfo.insert(CloudSyncNotification::errorMessageKey, errorMessage);
    NotificationCenter::defaultCenter().post(CloudSyncNotification::didFinish, nullptr, userInfo);
}

QUrl ScreenTestFixture::pictureFile() const
{
    return QUrl::fromLocalFile(m_directory.filePath(QStringLiteral("picture.png")));
}

QUrl ScreenTestFixture::brokenPictureFile() const
{
    return QUrl::fromLocalFile(m_directory.filePath(QStringLiteral("broken.png")));
}
