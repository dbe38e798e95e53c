#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>

class ShareItem;

// One item as export writes it and import reads it: what the user made (texts, kind, favourite,
// times, whether it is in the trash) and its picture, never the sync bookkeeping of a device.
struct ArchivedItem {
    QUuid uuid;
    QString title;
    QString content;
    QString contentType;
    bool isFavorite = false;
    bool isCompleted = false;
    QDateTime createdAt;
    QDateTime dueDate;
    QDateTime modifiedAt;
    QDateTime trashedAt;
    // Export: the picture file to store. Import: the name of its entry in the archive while it
    // is read, then the file it was unpacked to. Empty: no picture.
    QString picture;

    // `item` with the path of its picture file in `imagesDirectory` (when it has one).
    static ArchivedItem of(const ShareItem &item, const QString &imagesDirectory);

    // The item as an object of the items file; `pictureEntry` names its picture in the archive.
    QJsonObject toJson(const QString &pictureEntry) const;
    // None when the object is no item: no valid "uuid", or a field of the wrong type.
    static std::optional<ArchivedItem> fromJson(const QJsonObject &object);

    // Writes the item's values over `item` (not the picture, nor the sync bookkeeping).
    void applyTo(ShareItem &item) const;
};
