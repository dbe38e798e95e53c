#include "PictureFiles.h"

#include "ShareItemRecord.h"
#include "diagnostics/AppLogger.h"
#include "platform/cloud/CloudAsset.h"
#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

PictureFiles::PictureFiles(ManagedObjectContext &context, ImageManager &images)
    : m_context(context), m_images(images)
{
}

QString PictureFiles::incomingDirectory() const
{
    return m_images.imagesDirectoryURL() + QStringLiteral("/.incoming");
}

bool PictureFiles::adoptDownloaded(ShareItem &item, const CloudAsset &asset)
{
    const QUuid replaced = item.imageUUID();
    const QUuid imageUUID = QUuid::createUuid();
    m_images.moveDownloadedImage(asset.fileURL(), imageUUID);
    if (!QFileInfo::exists(m_images.imageFileURL(imageUUID)))
        return false;
    item.setImageUUID(imageUUID);
    item.setImageDigest(asset.digest());
    if (!replaced.isNull())
        m_images.deleteImage(replaced);
    return true;
}

QString PictureFiles::fileOf(const ShareItem &item) const
{
    return item.imageUUID().isNull() ? QString() : m_images.imageFileURL(item.imageUUID());
}

void PictureFiles::removePictureOf(const ShareItem &item)
{
    if (!item.imageUUID().isNull())
        m_images.deleteImage(item.imageUUID());
}

void PictureFiles::removeUnreferenced(const QDateTime &now)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::hasPicturePredicate();
    const auto holders = m_context.execute(request);
    if (holders.error) {
        // Without the list every file would look unreferenced.
        AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Picture clean-up skipped: the store could not be read"),
                         holders.error->description);
        return;
    }
    QSet<QString> referenced;
    for (ManagedObject *object : holders.objects)
        referenced.insert(ShareItemRecord::uuidText(static_cast<ShareItem *>(object)->imageUUID()) + QStringLiteral(".jpg"));
    const QDateTime aMinuteAgo = now.addSecs(-60);
    for (const QString &directory : {m_images.imagesDirectoryURL(), incomingDirectory()}) {
        const QFileInfoList files = QDir(directory).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo &file : files) {
            if (!referenced.contains(file.fileName()) && file.lastModified().toUTC() < aMinuteAgo)
                QFile::remove(file.filePath());
        }
    }
}
