#include "ShareItem.h"

#include "ChangeClock.h"

#include "platform/LinkFinder.h"
#include "platform/SqliteDatabase.h"

namespace {

bool same(const QString &left, const QString &right)
{
    return left.isNull() == right.isNull() && left == right;
}
bool same(const QDateTime &left, const QDateTime &right)
{
    return left.isValid() == right.isValid() && (!left.isValid() || left.toMSecsSinceEpoch() == right.toMSecsSinceEpoch());
}
template<typename T>
bool same(const T &left, const T &right)
{
    return left == right;
}

QByteArray uuidBytes(const QUuid &uuid)
{
    return uuid.isNull() ? QByteArray() : uuid.toRfc4122();
}

QUuid readUuid(const SqliteStatement &row, int column)
{
    const QByteArray bytes = row.columnBlob(column);
    return bytes.size() == 16 ? QUuid::fromRfc4122(bytes) : QUuid();
}

QDateTime readDate(const SqliteStatement &row, int column)
{
    if (row.isNull(column))
        return {};
    return QDateTime::fromMSecsSinceEpoch(row.columnInt64(column), Qt::UTC);
}

void bindDate(SqliteStatement &statement, int parameter, const QDateTime &date)
{
    if (date.isValid())
        statement.bindInt64(parameter, date.toMSecsSinceEpoch());
    else
        statement.bindNull(parameter);
}

} // namespace

// Assigns a changed value, marks the attribute and notifies.
#define SHARE_ITEM_ASSIGN(field, value, attribute, signal)                                                   \
    do {                                                                                                   \
        if (same(field, value))                                                                            \
            return;                                                                                        \
        field = value;                                                                                     \
        didChange(attribute);                                                                              \
        emit signal();                                                                                     \
    } while (false)

std::optional<ShareItem::SyncStatus> ShareItem::decodeSyncStatus(qint64 rawValue)
{
    if (rawValue < 0 || rawValue > 3)
        return std::nullopt;
    return SyncStatus(rawValue);
}

ShareItem::ContentKind ShareItem::decodeContentKind(const QString &storedText)
{
    if (storedText == QLatin1String("url"))
        return ContentKind::url;
    if (storedText == QLatin1String("image"))
        return ContentKind::image;
    return ContentKind::text;
}

QString ShareItem::contentKindText(ContentKind kind)
{
    switch (kind) {
    case ContentKind::url:
        return QStringLiteral("url");
    case ContentKind::image:
        return QStringLiteral("image");
    case ContentKind::text:
        break;
    }
    return QStringLiteral("text");
}

QString ShareItem::syncStatusText(SyncStatus status)
{
    switch (status) {
    case SyncStatus::pending:
        return QStringLiteral("pending");
    case SyncStatus::syncing:
        return QStringLiteral("syncing");
    case SyncStatus::synced:
        return QStringLiteral("synced");
    case SyncStatus::failed:
        return QStringLiteral("failed");
    }
    return QStringLiteral("pending");
}

const EntityDescription &ShareItem::entityDescription()
{
    static const EntityDescription description{
        entityName,
        {
            {QStringLiteral("uuid"), AttributeType::UUID, true},
            {QStringLiteral("title"), AttributeType::String, true},
            {QStringLiteral("isCompleted"), AttributeType::Boolean, false},
            {QStringLiteral("dueDate"), AttributeType::Date, true},
            {QStringLiteral("createdAt"), AttributeType::Date, true},
            {QStringLiteral("syncStatus"), AttributeType::Integer16, false},
            {QStringLiteral("cloudKitRecordID"), AttributeType::String, true},
            {QStringLiteral("lastSyncDate"), AttributeType::Date, true},
            {QStringLiteral("isMarkedForDeletion"), AttributeType::Boolean, false},
            {QStringLiteral("isFavorite"), AttributeType::Boolean, false},
            {QStringLiteral("content"), AttributeType::String, true},
            {QStringLiteral("contentType"), AttributeType::String, true},
            {QStringLiteral("imageUUID"), AttributeType::UUID, true},
            {QStringLiteral("localChangeCount"), AttributeType::Integer64, false},
            {QStringLiteral("modifiedAt"), AttributeType::Date, true},
            {QStringLiteral("cloudRevision"), AttributeType::String, true},
            {QStringLiteral("imageDigest"), AttributeType::String, true},
            {QStringLiteral("trashedAt"), AttributeType::Date, true},
        },
        QStringLiteral("createdAt"),
        {QStringLiteral("uuid")},
        [] { return new ShareItem; },
    };
    return description;
}

FetchRequest ShareItem::fetchRequest()
{
    FetchRequest request;
    request.entityName = entityName;
    request.sortByCreatedAtDescending = true;
    return request;
}

Predicate ShareItem::notMarkedForDeletionPredicate()
{
    return Predicate{QStringLiteral("\"isMarkedForDeletion\" = 0"),
                     {},
                     [](const ManagedObject &object) {
                         return !static_cast<const ShareItem &>(object).isMarkedForDeletion();
                     },
                     QStringLiteral("isMarkedForDeletion == NO")};
}

Predicate ShareItem::trashedPredicate()
{
    return Predicate{QStringLiteral("\"isMarkedForDeletion\" = 0 AND \"trashedAt\" IS NOT NULL"),
                     {},
                     [](const ManagedObject &object) {
                         const auto &item = static_cast<const ShareItem &>(object);
                         return !item.isMarkedForDeletion() && item.isTrashed();
                     },
                     QStringLiteral("isMarkedForDeletion == NO AND trashedAt != nil")};
}

Predicate ShareItem::trashedBeforePredicate(const QDateTime &cutoff)
{
    const qint64 cutoffMsecs = cutoff.toMSecsSinceEpoch();
    return Predicate{QStringLiteral("\"isMarkedForDeletion\" = 0 AND \"trashedAt\" < ?"),
                     {cutoffMsecs},
                     [cutoffMsecs](const ManagedObject &object) {
                         const auto &item = static_cast<const ShareItem &>(object);
                         return !item.isMarkedForDeletion() && item.isTrashed()
                             && item.trashedAt().toMSecsSinceEpoch() < cutoffMsecs;
                     },
                     QStringLiteral("isMarkedForDeletion == NO AND trashedAt < %1").arg(cutoff.toString(Qt::ISODateWithMs))};
}

Predicate ShareItem::statusOrDeletionPredicate(SyncStatus first, SyncStatus second, SyncStatus third)
{
    const qint16 a = qint16(first), b = qint16(second), c = qint16(third);
    return Predicate{
        QStringLiteral("(\"syncStatus\" = ? OR \"syncStatus\" = ? OR \"syncStatus\" = ?) OR \"isMarkedForDeletion\" = 1"),
        {qint64(a), qint64(b), qint64(c)},
        [a, b, c](const ManagedObject &object) {
            const auto &item = static_cast<const ShareItem &>(object);
            const qint16 status = item.syncStatusValue();
            return status == a || status == b || status == c || item.isMarkedForDeletion();
        },
        QStringLiteral("(syncStatus == %1 OR syncStatus == %2 OR syncStatus == %3) OR isMarkedForDeletion == YES")
            .arg(a)
            .arg(b)
            .arg(c)};
}

Predicate ShareItem::uuidPredicate(const QUuid &uuid)
{
    return Predicate{uuid.isNull() ? QStringLiteral("\"uuid\" IS NULL") : QStringLiteral("\"uuid\" = ?"),
                     uuid.isNull() ? QVariantList{} : QVariantList{uuid.toRfc4122()},
                     [uuid](const ManagedObject &object) { return static_cast<const ShareItem &>(object).uuid() == uuid; },
                     QStringLiteral("uuid == %1").arg(uuid.toString(QUuid::WithoutBraces).toUpper())};
}

Predicate ShareItem::recentPredicate(const QDateTime &cutoff)
{
    const qint64 cutoffMsecs = cutoff.toMSecsSinceEpoch();
    // "+" keeps the planner from the group index, which would read every live item.
    return Predicate{QStringLiteral("+\"isMarkedForDeletion\" = 0 AND \"trashedAt\" IS NULL AND \"createdAt\" >= ?"),
                     {cutoffMsecs},
                     [cutoffMsecs](const ManagedObject &object) {
                         const auto &item = static_cast<const ShareItem &>(object);
                         return !item.isMarkedForDeletion() && !item.isTrashed() && item.createdAt().isValid()
                             && item.createdAt().toMSecsSinceEpoch() >= cutoffMsecs;
                     },
                     QStringLiteral("isMarkedForDeletion == NO AND trashedAt == nil AND createdAt >= %1").arg(cutoff.toString(Qt::ISODateWithMs))};
}

Predicate ShareItem::undatedPredicate()
{
    return Predicate{QStringLiteral("+\"isMarkedForDeletion\" = 0 AND \"trashedAt\" IS NULL AND \"createdAt\" IS NULL"),
                     {},
                     [](const ManagedObject &object) {
                         const auto &item = static_cast<const ShareItem &>(object);
                         return !item.isMarkedForDeletion() && !item.isTrashed() && !item.createdAt().isValid();
                     },
                     QStringLiteral("isMarkedForDeletion == NO AND trashedAt == nil AND createdAt == nil")};
}

Predicate ShareItem::olderPredicate(const QDateTime &cutoff, bool isFavorite)
{
    const qint64 cutoffMsecs = cutoff.toMSecsSinceEpoch();
    return Predicate{QStringLiteral("\"isMarkedForDeletion\" = 0 AND \"isFavorite\" = ? AND \"createdAt\" < ? AND \"trashedAt\" IS NULL"),
                     {isFavorite, cutoffMsecs},
                     [cutoffMsecs, isFavorite](const ManagedObject &object) {
                         const auto &item = static_cast<const ShareItem &>(object);
                         return !item.isMarkedForDeletion() && !item.isTrashed() && item.isFavorite() == isFavorite
                             && item.createdAt().isValid() && item.createdAt().toMSecsSinceEpoch() < cutoffMsecs;
                     },
                     QStringLiteral("isMarkedForDeletion == NO AND trashedAt == nil AND createdAt < %1 AND isFavorite == %2")
                         .arg(cutoff.toString(Qt::ISODateWithMs), isFavorite ? QStringLiteral("YES") : QStringLiteral("NO"))};
}

Predicate ShareItem::hasPicturePredicate()
{
    return Predicate{QStringLiteral("\"imageUUID\" IS NOT NULL"),
                     {},
                     [](const ManagedObject &object) { return !static_cast<const ShareItem &>(object).imageUUID().isNull(); },
                     QStringLiteral("imageUUID != nil")};
}

Predicate ShareItem::statusPredicate(SyncStatus status)
{
    const qint16 value = qint16(status);
    return Predicate{QStringLiteral("\"syncStatus\" = ? AND \"isMarkedForDeletion\" = 0"),
                     {qint64(value)},
                     [value](const ManagedObject &object) {
                         const auto &item = static_cast<const ShareItem &>(object);
                         return item.syncStatusValue() == value && !item.isMarkedForDeletion();
                     },
                     QStringLiteral("syncStatus == %1 AND isMarkedForDeletion == NO").arg(value)};
}

ShareItem *ShareItem::insert(ManagedObjectContext &context)
{
    return context.insertNewObject<ShareItem>(entityName);
}

void ShareItem::awakeFromInsert()
{
    ManagedObject::awakeFromInsert();
    if (m_uuid.isNull())
        setUuid(QUuid::createUuid());
    if (!m_createdAt.isValid())
        setCreatedAt(QDateTime::currentDateTimeUtc());
    if (m_title.isNull())
        setTitle(QStringLiteral(""));
    setSyncStatus(SyncStatus::pending);
    setIsMarkedForDeletion(false);
    setIsFavorite(false);
}

void ShareItem::setUuid(const QUuid &uuid)
{
    SHARE_ITEM_ASSIGN(m_uuid, uuid, UuidAttribute, uuidChanged);
}

void ShareItem::setTitle(const QString &title)
{
    if (same(m_title, title))
        return;
    m_title = title;
    didChange(TitleAttribute);
    emit titleChanged();
    emit linkInputsChanged();
}

void ShareItem::setIsCompleted(bool isCompleted)
{
    SHARE_ITEM_ASSIGN(m_isCompleted, isCompleted, IsCompletedAttribute, isCompletedChanged);
}

void ShareItem::setDueDate(const QDateTime &dueDate)
{
    SHARE_ITEM_ASSIGN(m_dueDate, dueDate, DueDateAttribute, dueDateChanged);
}

void ShareItem::setCreatedAt(const QDateTime &createdAt)
{
    SHARE_ITEM_ASSIGN(m_createdAt, createdAt, CreatedAtAttribute, createdAtChanged);
}

void ShareItem::setSyncStatusValue(qint16 rawValue)
{
    SHARE_ITEM_ASSIGN(m_syncStatus, rawValue, SyncStatusAttribute, syncStatusChanged);
}

void ShareItem::setCloudKitRecordID(const QString &recordID)
{
    SHARE_ITEM_ASSIGN(m_cloudKitRecordID, recordID, CloudKitRecordIDAttribute, cloudKitRecordIDChanged);
}

void ShareItem::setLastSyncDate(const QDateTime &lastSyncDate)
{
    SHARE_ITEM_ASSIGN(m_lastSyncDate, lastSyncDate, LastSyncDateAttribute, lastSyncDateChanged);
}

void ShareItem::setIsMarkedForDeletion(bool isMarked)
{
    SHARE_ITEM_ASSIGN(m_isMarkedForDeletion, isMarked, IsMarkedForDeletionAttribute, isMarkedForDeletionChanged);
}

void ShareItem::setIsFavorite(bool isFavorite)
{
    SHARE_ITEM_ASSIGN(m_isFavorite, isFavorite, IsFavoriteAttribute, isFavoriteChanged);
}

void ShareItem::setContent(const QString &content)
{
    if (same(m_content, content))
        return;
    m_content = content;
    didChange(ContentAttribute);
    emit contentChanged();
    emit linkInputsChanged();
}

void ShareItem::setContentType(const QString &contentType)
{
    if (same(m_contentType, contentType))
        return;
    m_contentType = contentType;
    didChange(ContentTypeAttribute);
    emit contentTypeChanged();
    emit linkInputsChanged();
}

void ShareItem::setImageUUID(const QUuid &imageUUID)
{
    if (m_imageUUID == imageUUID)
        return;
    setImageDigest(QString()); // another picture: the cloud has not confirmed this one
    m_imageUUID = imageUUID;
    didChange(ImageUUIDAttribute);
    emit imageUUIDChanged();
}

void ShareItem::setImageDigest(const QString &digest)
{
    SHARE_ITEM_ASSIGN(m_imageDigest, digest, ImageDigestAttribute, imageDigestChanged);
}

void ShareItem::setTrashedAt(const QDateTime &trashedAt)
{
    SHARE_ITEM_ASSIGN(m_trashedAt, trashedAt, TrashedAtAttribute, trashedAtChanged);
}

void ShareItem::setLocalChangeCount(qint64 count)
{
    SHARE_ITEM_ASSIGN(m_localChangeCount, count, LocalChangeCountAttribute, localChangeCountChanged);
}

void ShareItem::setModifiedAt(const QDateTime &modifiedAt)
{
    SHARE_ITEM_ASSIGN(m_modifiedAt, modifiedAt, ModifiedAtAttribute, modifiedAtChanged);
}

void ShareItem::setCloudRevision(const QString &revision)
{
    SHARE_ITEM_ASSIGN(m_cloudRevision, revision, CloudRevisionAttribute, cloudRevisionChanged);
}

void ShareItem::markLocallyChanged(const QDateTime &when)
{
    setLocalChangeCount(m_localChangeCount + 1);
    setModifiedAt(managedObjectContext() ? ChangeClock::stamp(*managedObjectContext(), when) : when);
    setSyncStatus(SyncStatus::pending);
}

QString ShareItem::copyText() const
{
    if (contentKind() == ContentKind::url && !linkURL().isEmpty())
        return linkURL().toString();
    return m_content.isEmpty() ? m_title : m_content;
}

QUrl ShareItem::linkURL() const
{
    if (contentKind() == ContentKind::url && !m_content.isNull()) {
        if (auto url = LinkFinder::parseUrl(m_content))
            return *url;
    }
    const QString searchText = (m_content + QLatin1Char(' ') + m_title).trimmed();
    if (searchText.isEmpty())
        return {};
    if (auto match = LinkFinder::firstMatch(searchText))
        return match->url;
    if (auto url = LinkFinder::link(searchText))
        return *url;
    return {};
}

void ShareItem::readRow(const SqliteStatement &row, int column)
{
    m_uuid = readUuid(row, column + UuidAttribute);
    m_title = row.columnText(column + TitleAttribute);
    m_isCompleted = row.columnInt64(column + IsCompletedAttribute) != 0;
    m_dueDate = readDate(row, column + DueDateAttribute);
    m_createdAt = readDate(row, column + CreatedAtAttribute);
    m_syncStatus = qint16(row.columnInt64(column + SyncStatusAttribute));
    m_cloudKitRecordID = row.columnText(column + CloudKitRecordIDAttribute);
    m_lastSyncDate = readDate(row, column + LastSyncDateAttribute);
    m_isMarkedForDeletion = row.columnInt64(column + IsMarkedForDeletionAttribute) != 0;
    m_isFavorite = row.columnInt64(column + IsFavoriteAttribute) != 0;
    m_content = row.columnText(column + ContentAttribute);
    m_contentType = row.columnText(column + ContentTypeAttribute);
    m_imageUUID = readUuid(row, column + ImageUUIDAttribute);
    m_localChangeCount = row.columnInt64(column + LocalChangeCountAttribute);
    m_modifiedAt = readDate(row, column + ModifiedAtAttribute);
    m_cloudRevision = row.columnText(column + CloudRevisionAttribute);
    m_imageDigest = row.columnText(column + ImageDigestAttribute);
    m_trashedAt = readDate(row, column + TrashedAtAttribute);
}

void ShareItem::bindAttribute(int attributeIndex, SqliteStatement &statement, int parameter) const
{
    switch (Attribute(attributeIndex)) {
    case UuidAttribute:
        return statement.bindBlob(parameter, uuidBytes(m_uuid));
    case TitleAttribute:
        return statement.bindText(parameter, m_title);
    case IsCompletedAttribute:
        return statement.bindInt64(parameter, m_isCompleted);
    case DueDateAttribute:
        return bindDate(statement, parameter, m_dueDate);
    case CreatedAtAttribute:
        return bindDate(statement, parameter, m_createdAt);
    case SyncStatusAttribute:
        return statement.bindInt64(parameter, m_syncStatus);
    case CloudKitRecordIDAttribute:
        return statement.bindText(parameter, m_cloudKitRecordID);
    case LastSyncDateAttribute:
        return bindDate(statement, parameter, m_lastSyncDate);
    case IsMarkedForDeletionAttribute:
        return statement.bindInt64(parameter, m_isMarkedForDeletion);
    case IsFavoriteAttribute:
        return statement.bindInt64(parameter, m_isFavorite);
    case ContentAttribute:
        return statement.bindText(parameter, m_content);
    case ContentTypeAttribute:
        return statement.bindText(parameter, m_contentType);
    case ImageUUIDAttribute:
        return statement.bindBlob(parameter, uuidBytes(m_imageUUID));
    case LocalChangeCountAttribute:
        return statement.bindInt64(parameter, m_localChangeCount);
    case ModifiedAtAttribute:
        return bindDate(statement, parameter, m_modifiedAt);
    case CloudRevisionAttribute:
        return statement.bindText(parameter, m_cloudRevision);
    case ImageDigestAttribute:
        return statement.bindText(parameter, m_imageDigest);
    case TrashedAtAttribute:
        return bindDate(statement, parameter, m_trashedAt);
    }
}
