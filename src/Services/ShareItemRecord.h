#pragma once

#include "platform/cloud/CloudRecord.h"

#include <QDateTime>
#include <QUuid>

#include <optional>

class ImageManager;
class ShareItem;

// The cloud record that mirrors one ShareItem: type "ShareItem", named after the item's uuid
// on its first upload, in the default zone.
namespace ShareItemRecord {

inline const QString recordType = QStringLiteral("ShareItem");

// The canonical upper-case text of a UUID (36 characters, 8-4-4-4-12 groups).
QString uuidText(const QUuid &uuid);

// A fresh record for uploading `item` under `recordID`. A live item carries every field (an
// absent value as no value) and its picture as "imageAsset" when its file exists in
// `imagesDirectory`; an item marked for deletion carries only "uuid", "title" and "isDeleted" 1.
CloudRecord makeUploadRecord(const ShareItem &item, const CloudRecordID &recordID, const QString &imagesDirectory);

// The record's "uuid" when it is text in the canonical 36-character form; none otherwise.
std::optional<QUuid> recordUUID(const CloudRecord &record);

// Whether the field holds the number 1 (any other value, type or absence is false).
bool isNumberOne(const CloudRecord &record, const QString &key);

// Copies the record's values over `item` (the cloud wins, absent values included), marks it
// synced as of `now`, and moves a downloaded picture into the image store under a new UUID.
// Does not look at "isDeleted"; the caller handles deletions.
void applyRecord(ShareItem &item, const CloudRecord &record, ImageManager &images, const QDateTime &now);

} // namespace ShareItemRecord
