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

// A fresh record for uploading `item` under `recordID`, to be written over the item's
// `cloudRevision` (its change tag). A live item carries every field (an absent value as no
// value) and its picture as "imageAsset": a stub when the cloud already holds that picture (the
// item has its digest), else the file in `imagesDirectory` when it exists; an item marked for
// deletion carries only "uuid", "title", "modifiedAt" and "isDeleted" 1.
CloudRecord makeUploadRecord(const ShareItem &item, const CloudRecordID &recordID, const QString &imagesDirectory);

// The record's "uuid" when it is text in the canonical 36-character form; none otherwise.
std::optional<QUuid> recordUUID(const CloudRecord &record);

// Whether the field holds the number 1 (any other value, type or absence is false).
bool isNumberOne(const CloudRecord &record, const QString &key);

// Copies the record's values over `item` (the cloud wins, absent values included), marks it
// synced as of `now` at the record's revision, and moves a downloaded picture into the image
// store under a new UUID, removing the file it replaces. A picture the item holds already (same
// digest), one that did not come, or none at all leaves the item's picture as it is. Does not
// look at "isDeleted"; the caller handles deletions.
void applyRecord(ShareItem &item, const CloudRecord &record, ImageManager &images, const QDateTime &now);

// The digest of the record's picture as the cloud reported it; empty when there is none.
QString recordPictureDigest(const CloudRecord &record);

// When the record's change was made: its "modifiedAt", none when missing or not a timestamp
// (older than any change with a time). A time more than one day after `now` (a device with a
// wrong clock) counts as `now`, so one bad clock cannot pin an item forever.
std::optional<QDateTime> changeTime(const CloudRecord &record, const QDateTime &now);

// Whether a change made at `candidate` is later than one made at `other`; no time is earlier
// than any time.
bool isLaterChange(const std::optional<QDateTime> &candidate, const std::optional<QDateTime> &other);

// Whether revision `revision` is an older state of the document than `known` (a lower
// generation, the number before the dash); false when either cannot be read.
bool isOlderRevision(const QString &revision, const QString &known);

} // namespace ShareItemRecord
