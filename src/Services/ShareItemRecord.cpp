#include "ShareItemRecord.h"

#include "RecordFields.h"
#include "store/ShareItem.h"

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

bool holdsType(const CloudValue &value, RecordField::Type type)
{
    switch (type) {
    case RecordField::Type::string:
        return std::holds_alternative<QString>(value);
    case RecordField::Type::int64:
        return std::holds_alternative<qint64>(value) || std::holds_alternative<double>(value);
    case RecordField::Type::timestamp:
        return std::holds_alternative<QDateTime>(value);
    case RecordField::Type::asset:
        return std::holds_alternative<CloudAsset>(value);
    }
    return false;
}

} // namespace

QString uuidText(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

CloudRecord makeUploadRecord(const ShareItem &item, const CloudRecordID &recordID, const QString &imagesDirectory)
{
    using namespace RecordField;
    CloudRecord record(recordType, recordID);
    record.setRecordChangeTag(item.cloudRevision());
    record.setTimestamp(modifiedAt, optionalDate(item.modifiedAt()));
    if (!item.isMarkedForDeletion()) {
        record.setString(title, optionalText(item.title()));
        record.setString(content, optionalText(item.content()));
        record.setString(contentType, optionalText(item.contentType()));
        record.setInt64(isCompleted, item.isCompleted() ? 1 : 0);
        record.setTimestamp(dueDate, optionalDate(item.dueDate()));
        record.setTimestamp(createdAt, optionalDate(item.createdAt()));
        record.setInt64(isFavorite, item.isFavorite() ? 1 : 0);
        record.setInt64(isDeleted, 0);
        record.setTimestamp(trashedAt, optionalDate(item.trashedAt()));
        if (!item.imageUUID().isNull()) {
            const QString path = imagesDirectory + QLatin1Char('/') + uuidText(item.imageUUID()) + QStringLiteral(".jpg");
            if (!item.imageDigest().isEmpty())
                record.setAsset(imageAsset, CloudAsset::stub(item.imageDigest()));
            else if (QFileInfo::exists(path))
                record.setAsset(imageAsset, CloudAsset(path));
        }
    } else {
        record.setInt64(isDeleted, 1);
        record.setString(title, optionalText(item.title()));
    }
    record.setString(uuid, item.uuid().isNull() ? std::nullopt : std::optional<QString>(uuidText(item.uuid())));
    return record;
}

std::optional<QUuid> recordUUID(const CloudRecord &record)
{
    const std::optional<QString> text = record.stringValue(RecordField::uuid);
    if (!text || text->size() != 36)
        return std::nullopt;
    const QUuid uuid = QUuid::fromString(*text);
    if (uuid.isNull() && *text != QStringLiteral("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return uuid;
}

std::optional<QString> sealProblem(const CloudRecord &record)
{
    for (const QString &key : record.unreadableKeys()) {
        if (key.startsWith(QLatin1Char('_')) && key != QLatin1String("_document"))
            return key.mid(1);
    }
    return std::nullopt;
}

std::optional<QString> readProblem(const CloudRecord &record)
{
    if (record.isTombstone())
        return std::nullopt;
    if (const auto problem = sealProblem(record))
        return QStringLiteral("sealed record %1").arg(*problem);
    // A change time that cannot be read counts as none (the merge rule takes that as older than
    // any time); every other field must read as what it is.
    QStringList unreadable = record.unreadableKeys();
    unreadable.removeAll(RecordField::modifiedAt);
    if (!unreadable.isEmpty())
        return QStringLiteral("unreadable %1").arg(unreadable.join(QStringLiteral(", ")));
    if (!recordUUID(record))
        return QStringLiteral("no valid uuid");
    for (const RecordField::Description &field : RecordField::all()) {
        const auto value = record.value(field.name);
        if (value && field.name != RecordField::modifiedAt && !holdsType(*value, field.type))
            return QStringLiteral("%1 of another type").arg(field.name);
    }
    return std::nullopt;
}

bool isNumberOne(const CloudRecord &record, const QString &key)
{
    if (const auto integer = record.int64Value(key))
        return *integer == 1;
    if (const auto real = record.doubleValue(key))
        return *real == 1.0;
    return false;
}

void applyRecord(ShareItem &item, const CloudRecord &record, const QDateTime &now)
{
    using namespace RecordField;
    item.setTitle(record.stringValue(title).value_or(QString()));
    item.setContent(record.stringValue(content).value_or(QString()));
    item.setContentType(record.stringValue(contentType).value_or(QString()));
    item.setIsCompleted(isNumberOne(record, isCompleted));
    item.setDueDate(record.timestampValue(dueDate).value_or(QDateTime()));
    item.setCreatedAt(record.timestampValue(createdAt).value_or(QDateTime()));
    item.setIsFavorite(isNumberOne(record, isFavorite));
    item.setTrashedAt(record.timestampValue(trashedAt).value_or(QDateTime()));
    item.setCloudKitRecordID(record.recordID().recordName());
    item.setModifiedAt(MergeDecision::effectiveTime(record.timestampValue(modifiedAt), now).value_or(QDateTime()));
    item.setCloudRevision(record.recordChangeTag());
    item.setSyncStatus(ShareItem::SyncStatus::synced);
    item.setLastSyncDate(now);
}

QString recordPictureDigest(const CloudRecord &record)
{
    const auto asset = record.assetValue(RecordField::imageAsset);
    return asset ? asset->digest() : QString();
}

MergeDecision::LocalState localState(const ShareItem *item)
{
    MergeDecision::LocalState local;
    if (!item)
        return local;
    local.exists = true;
    local.hasUnsentChanges = item->syncStatus() != ShareItem::SyncStatus::synced;
    local.isMarkedForDeletion = item->isMarkedForDeletion();
    local.modifiedAt = item->modifiedAt().isValid() ? std::optional(item->modifiedAt()) : std::nullopt;
    local.revision = item->cloudRevision();
    local.pictureDigest = item->imageDigest();
    return local;
}

MergeDecision::Leaf leaf(const CloudRecord &record)
{
    return {record.recordChangeTag(), isNumberOne(record, RecordField::isDeleted),
            record.timestampValue(RecordField::modifiedAt), recordPictureDigest(record)};
}

MergeDecision::CloudState cloudState(const std::optional<CloudRecord> &record)
{
    if (!record)
        return MergeDecision::CloudState::none();
    if (record->isTombstone())
        return MergeDecision::CloudState::deleted();
    QList<MergeDecision::Leaf> leaves{leaf(*record)};
    for (const CloudRecord &other : record->conflictingLeaves())
        leaves.append(leaf(other));
    return MergeDecision::CloudState::branches(leaves);
}

CloudRecord leafRecord(const CloudRecord &record, int index)
{
    return index == 0 ? record : record.conflictingLeaves().value(index - 1);
}

} // namespace ShareItemRecord
