#include "ArchivedItem.h"

#include "ShareItem.h"

#include <QJsonValue>

namespace {

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

// A time field: absent or null is no time; text that is no time makes the item unreadable.
bool readTime(const QJsonObject &object, const QString &key, QDateTime *time)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isString())
        return false;
    *time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return time->isValid();
}

bool readText(const QJsonObject &object, const QString &key, QString *text)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    *text = value.toString();
    return value.isString();
}

bool readFlag(const QJsonObject &object, const QString &key, bool *flag)
{
    const QJsonValue value = object.value(key);
    *flag = value.toBool();
    return value.isUndefined() || value.isBool();
}

} // namespace

ArchivedItem ArchivedItem::of(const ShareItem &item, const QString &imagesDirectory)
{
    ArchivedItem archived{item.uuid(),       item.title(),   item.content(),    item.contentType(), item.isFavorite(),
                          item.isCompleted(), item.createdAt(), item.dueDate(), item.modifiedAt(),  item.trashedAt(),
                          QString()};
    if (!item.imageUUID().isNull())
        archived.picture = imagesDirectory + QLatin1Char('/') + item.imageUUID().toString(QUuid::WithoutBraces).toUpper()
            + QStringLiteral(".jpg");
    return archived;
}

QJsonObject ArchivedItem::toJson(const QString &pictureEntry) const
{
    QJsonObject object{
        {QStringLiteral("uuid"), uuid.toString(QUuid::WithoutBraces).toUpper()},
        {QStringLiteral("title"), title.isNull() ? QJsonValue() : QJsonValue(title)},
        {QStringLiteral("content"), content.isNull() ? QJsonValue() : QJsonValue(content)},
        {QStringLiteral("contentType"), contentType.isNull() ? QJsonValue() : QJsonValue(contentType)},
        {QStringLiteral("isFavorite"), isFavorite},
        {QStringLiteral("isCompleted"), isCompleted},
    };
    const std::pair<const char *, const QDateTime *> times[]{
        {"createdAt", &createdAt}, {"dueDate", &dueDate}, {"modifiedAt", &modifiedAt}, {"trashedAt", &trashedAt}};
    for (const auto &[key, time] : times) {
        if (time->isValid())
            object.insert(QLatin1String(key), timeText(*time));
    }
    if (!pictureEntry.isEmpty())
        object.insert(QStringLiteral("picture"), pictureEntry);
    return object;
}

std::optional<ArchivedItem> ArchivedItem::fromJson(const QJsonObject &object)
{
    ArchivedItem item;
    const QString uuidText = object.value(QStringLiteral("uuid")).toString();
    item.uuid = QUuid::fromString(uuidText);
    if (item.uuid.isNull())
        return std::nullopt;
    const bool readable = readText(object, QStringLiteral("title"), &item.title)
        && readText(object, QStringLiteral("content"), &item.content)
        && readText(object, QStringLiteral("contentType"), &item.contentType)
        && readText(object, QStringLiteral("picture"), &item.picture)
        && readFlag(object, QStringLiteral("isFavorite"), &item.isFavorite)
        && readFlag(object, QStringLiteral("isCompleted"), &item.isCompleted)
        && readTime(object, QStringLiteral("createdAt"), &item.createdAt)
        && readTime(object, QStringLiteral("dueDate"), &item.dueDate)
        && readTime(object, QStringLiteral("modifiedAt"), &item.modifiedAt)
        && readTime(object, QStringLiteral("trashedAt"), &item.trashedAt);
    if (!readable)
        return std::nullopt;
    return item;
}

void ArchivedItem::applyTo(ShareItem &item) const
{
    item.setUuid(uuid);
    item.setTitle(title.isNull() ? QStringLiteral("") : title);
    item.setContent(content);
    item.setContentType(contentType.isNull() ? QStringLiteral("text") : contentType);
    item.setIsFavorite(isFavorite);
    item.setIsCompleted(isCompleted);
    item.setCreatedAt(createdAt);
    item.setDueDate(dueDate);
    item.setTrashedAt(trashedAt);
}
