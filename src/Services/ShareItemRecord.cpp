#include "ShareItemRecord.h"

#include "store/ImageManager.h"
#include "store/ShareItem.h"

#include <QFile>
#include <QFileInfo>

namespace ShareItemRecord {
namespace {

std::optional<QString> optionalText(const QString &text)
{
    return text.isNull() ? std::nullopt : std::optional<QString>(text);
}

std::optional<QDateTime> optionalDate(const QDateTime &date)
{
    return date.isValid() ? std::optional<QDateTime>(date) : std::nullopt;
}

} // namespace

QString uuidText(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

CloudRecord makeUploadRecord(const ShareItem &item, const CloudRecordID &recordID, const QString &imagesDirectory)
{
    CloudRecord record(recordType, recordID);
    record.setRecordChangeTag(item.cloudRevision());
    record.setTimestamp(QStringLiteral("modifiedAt"), optionalDate(item.modifiedAt()));
    if (!item.isMarkedForDeletion()) {
        record.setString(QStringLiteral("title"), optionalText(item.title()));
        record.setString(QStringLiteral("content"), optionalText(item.content()));
        record.setString(QStringLiteral("contentType"), optionalText(item.contentType()));
        record.setInt64(QStringLiteral("isCompleted"), item.isCompleted() ? 1 : 0);
        record.setTimestamp(QStringLiteral("dueDate"), optionalDate(item.dueDate()));
        record.setTimestamp(QStringLiteral("createdAt"), optionalDate(item.createdAt()));
        record.setInt64(QStringLiteral("isFavorite"), item.isFavorite() ? 1 : 0);
        record.setInt64(QStringLiteral("isDeleted"), 0);
        if (!item.imageUUID().isNull()) {
            const QString path = imagesDirectory + QLatin1Char('/') + uuidText(item.imageUUID()) + QStringLiteral(".jpg");
            if (!item.imageDigest().isEmpty())
                record.setAsset(QStringLiteral("imageAsset"), CloudAsset::stub(item.imageDigest()));
            else if (QFileInfo::exists(path))
                record.setAsset(QStringLiteral("imageAsset"), CloudAsset(path));
        }
    } else {
        record.setInt64(QStringLiteral("isDeleted"), 1);
        record.setString(QStringLiteral("title"), optionalText(item.title()));
    }
    record.setString(QStringLiteral("uuid"),
                     item.uuid().isNull() ? std::nullopt : std::optional<QString>(uuidText(item.uuid())));
    return record;
}

std::optional<QUuid> recordUUID(const CloudRecord &record)
{
    const std::optional<QString> text = record.stringValue(QStringLiteral("uuid"));
    if (!text || text->size() != 36)
        return std::nullopt;
    const QUuid uuid = QUuid::fromString(*text);
    if (uuid.isNull() && *text != QStringLiteral("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return uuid;
}

bool isNumberOne(const CloudRecord &record, const QString &key)
{
    if (const auto integer = record.int64Value(key))
        return *integer == 1;
    if (const auto real = record.doubleValue(key))
        return *real == 1.0;
    return false;
}

void applyRecord(ShareItem &item, const CloudRecord &record, ImageManager &images, const QDateTime &now)
{
    item.setTitle(record.stringValue(QStringLiteral("title")).value_or(QString()));
    item.setContent(record.stringValue(QStringLiteral("content")).value_or(QString()));
    item.setContentType(record.stringValue(QStringLiteral("contentType")).value_or(QString()));
    item.setIsCompleted(isNumberOne(record, QStringLiteral("isCompleted")));
    item.setDueDate(record.timestampValue(QStringLiteral("dueDate")).value_or(QDateTime()));
    item.setCreatedAt(record.timestampValue(QStringLiteral("createdAt")).value_or(QDateTime()));
    item.setIsFavorite(isNumberOne(record, QStringLiteral("isFavorite")));
    item.setCloudKitRecordID(record.recordID().recordName());
    item.setModifiedAt(changeTime(record, now).value_or(QDateTime()));
    item.setCloudRevision(record.recordChangeTag());
    item.setSyncStatus(ShareItem::SyncStatus::synced);
    item.setLastSyncDate(now);
    const auto asset = record.assetValue(QStringLiteral("imageAsset"));
    if (!asset || asset->fileURL().isEmpty())
        return; // none, one the item holds, or one that did not come (fetched by a later read)
    const QUuid replaced = item.imageUUID();
    const QUuid imageUUID = QUuid::createUuid();
    images.moveDownloadedImage(asset->fileURL(), imageUUID);
    if (!QFileInfo::exists(images.imageFileURL(imageUUID)))
        return; // the image store said why; the item keeps the picture it has
    item.setImageUUID(imageUUID);
    item.setImageDigest(asset->digest());
    if (!replaced.isNull())
        images.deleteImage(replaced);
}

QString recordPictureDigest(const CloudRecord &record)
{
    const auto asset = record.assetValue(QStringLiteral("imageAsset"));
    return asset ? asset->digest() : QString();
}

std::optional<QDateTime> changeTime(const CloudRecord &record, const QDateTime &now)
{
    const std::optional<QDateTime> time = record.timestampValue(QStringLiteral("modifiedAt"));
    if (!time || !time->isValid())
        return std::nullopt;
    return *time > now.addDays(1) ? now : *time;
}

bool isLaterChange(const std::optional<QDateTime> &candidate, const std::optional<QDateTime> &other)
{
    if (!candidate)
        return false;
    return !other || *candidate > *other;
}

bool isOlderRevision(const QString &revision, const QString &known)
{
    bool revisionRead = false, knownRead = false;
    const qint64 generation = revision.section(QLatin1Char('-'), 0, 0).toLongLong(&revisionRead);
    const qint64 knownGeneration = known.section(QLatin1Char('-'), 0, 0).toLongLong(&knownRead);
    return revisionRead && knownRead && generation < knownGeneration;
}

} // namespace ShareItemRecord
