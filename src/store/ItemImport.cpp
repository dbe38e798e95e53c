#include "ItemImport.h"

#include "ChangeClock.h"
#include "ImageManager.h"
#include "ImportedFiles.h"
#include "ItemArchive.h"
#include "ShareItem.h"

#include "platform/Utf8.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace ItemImport {
namespace {

// What a kept item held before the import wrote over it, to put back when the save fails.
struct Replaced {
    ShareItem *item;
    ArchivedItem values;
    QUuid imageUUID;
    QString imageDigest;
    QDateTime modifiedAt;
    qint64 localChangeCount;
    qint16 syncStatus;
};

struct Read {
    QList<ArchivedItem> items;
    QString error;
};

bool isNoteFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("txt") || suffix == QLatin1String("text") || suffix == QLatin1String("md")
        || suffix == QLatin1String("markdown");
}

Read readFile(const QString &path, const QString &stagingDirectory, const QDateTime &now)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, qtTrId("transfer.import.missing %1").arg(path)};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {{}, qtTrId("transfer.import.unreadable %1").arg(path)};
    const QByteArray head = file.read(8);
    if (ItemArchive::looksLikeArchive(head)) {
        if (info.size() > maximumArchiveBytes)
            return {{}, qtTrId("transfer.import.tooLarge %1").arg(info.fileName())};
        file.close();
        ItemArchive::ReadResult archive = ItemArchive::read(path, stagingDirectory);
        return {std::move(archive.items), archive.error};
    }
    if (info.size() > maximumTextBytes)
        return {{}, qtTrId("transfer.import.tooLarge %1").arg(info.fileName())};
    file.seek(0);
    const std::optional<QString> text = Utf8::decodeFileText(file.readAll());
    if (text && ImportedFiles::looksLikeBookmarks(*text))
        return {ImportedFiles::bookmarks(*text, now), {}};
    if (text && isNoteFile(path)) {
        if (text->trimmed().isEmpty())
            return {{}, qtTrId("transfer.import.emptyNote %1").arg(info.fileName())};
        return {{ImportedFiles::note(path, *text, info.lastModified().toUTC())}, {}};
    }
    return {{}, qtTrId("transfer.import.unknownFormat %1").arg(info.fileName())};
}

ShareItem *findItem(ManagedObjectContext &context, const QUuid &uuid)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::uuidPredicate(uuid);
    request.fetchLimit = 1;
    const ManagedObjectContext::FetchResult found = context.execute(request);
    return found.objects.isEmpty() ? nullptr : static_cast<ShareItem *>(found.objects.constFirst());
}

// Marks `item` as a local change waiting for upload, at the imported change time.
void markImported(ShareItem &item, const QDateTime &modifiedAt)
{
    item.setModifiedAt(modifiedAt);
    item.setLocalChangeCount(item.localChangeCount() + 1);
    item.setSyncStatus(ShareItem::SyncStatus::pending);
}

} // namespace

Outcome importFile(ManagedObjectContext &context, ImageManager &images, const QString &path, const QDateTime &now)
{
    Outcome outcome;
    // Pictures are unpacked beside the image store, so taking one in is a rename.
    QTemporaryDir staging(images.imagesDirectoryURL() + QStringLiteral("/.import-XXXXXX"));
    if (!staging.isValid()) {
        outcome.error = qtTrId("transfer.import.noSpace %1").arg(staging.errorString());
        return outcome;
    }
    Read read = readFile(path, staging.path(), now);
    if (!read.error.isEmpty()) {
        outcome.error = read.error;
        return outcome;
    }

    QList<ShareItem *> inserted;
    QList<Replaced> replaced;
    QList<QUuid> newPictures;
    QList<QUuid> oldPictures;
    QDateTime latest;
    for (const ArchivedItem &imported : std::as_const(read.items)) {
        const QDateTime modifiedAt = imported.modifiedAt.isValid() ? imported.modifiedAt : now;
        ShareItem *item = findItem(context, imported.uuid);
        if (item && (item->isMarkedForDeletion() || (item->modifiedAt().isValid() && item->modifiedAt() >= modifiedAt))) {
            ++outcome.unchanged;
            continue;
        }
        if (item) {
            replaced.append({item, ArchivedItem::of(*item, {}), item->imageUUID(), item->imageDigest(), item->modifiedAt(),
                             item->localChangeCount(), item->syncStatusValue()});
            if (!item->imageUUID().isNull())
                oldPictures.append(item->imageUUID());
            ++outcome.updated;
        } else {
            item = ShareItem::insert(context);
            inserted.append(item);
            ++outcome.added;
        }
        imported.applyTo(*item);
        QUuid imageUUID;
        if (!imported.picture.isEmpty()) {
            imageUUID = QUuid::createUuid();
            images.moveDownloadedImage(imported.picture, imageUUID);
            newPictures.append(imageUUID);
        }
        item->setImageUUID(imageUUID);
        markImported(*item, modifiedAt);
        if (!latest.isValid() || modifiedAt > latest)
            latest = modifiedAt;
    }
    if (outcome.added + outcome.updated == 0)
        return outcome;
    ChangeClock::observe(context, latest);
    if (const std::optional<StoreError> error = context.save()) {
        // Nothing of the import stays: the context goes back to what it held.
        for (ShareItem *item : std::as_const(inserted))
            context.deleteObject(item);
        for (const Replaced &old : std::as_const(replaced)) {
            old.values.applyTo(*old.item);
            old.item->setImageUUID(old.imageUUID);
            old.item->setImageDigest(old.imageDigest);
            old.item->setModifiedAt(old.modifiedAt);
            old.item->setLocalChangeCount(old.localChangeCount);
            old.item->setSyncStatusValue(old.syncStatus);
        }
        for (const QUuid &picture : std::as_const(newPictures))
            images.deleteImage(picture);
        return Outcome{0, 0, 0, qtTrId("transfer.import.notSaved %1").arg(error->description)};
    }
    for (const QUuid &picture : std::as_const(oldPictures))
        images.deleteImage(picture);
    return outcome;
}

} // namespace ItemImport
