#pragma once

#include "MergeDecision.h"

#include "platform/cloud/CloudRecord.h"

#include <QDateTime>
#include <QUuid>

#include <optional>

class ShareItem;

// The cloud record that mirrors one ShareItem: type "ShareItem", named after the item's uuid
// on its first upload, in the default zone. Field names and types: RecordFields.h.
namespace ShareItemRecord {

inline const QString recordType = QStringLiteral("ShareItem");

// The canonical upper-case text of a UUID (36 characters, 8-4-4-4-12 groups).
QString uuidText(const QUuid &uuid);

// A fresh record for uploading `item` under `recordID`, to be written over the item's
// `cloudRevision` (its change tag). A live item, in the trash or not, carries every field (an
// absent value as no value) and its picture as "imageAsset": a stub when the cloud already holds that picture (the
// item has its digest), else the file in `imagesDirectory` when it exists; an item marked for
// deletion carries only "uuid", "title", "modifiedAt" and "isDeleted" 1.
CloudRecord makeUploadRecord(const ShareItem &item, const CloudRecordID &recordID, const QString &imagesDirectory);

// The record's "uuid" when it is text in the canonical 36-character form; none otherwise.
std::optional<QUuid> recordUUID(const CloudRecord &record);

// Why the record cannot be taken for what the cloud holds, or none when it can: no valid
// "uuid", a field of this version's table holding another type, or a field the reader could
// not read. "modifiedAt" is the exception: one that cannot be read counts as no time. A
// tombstone is always readable.
std::optional<QString> readProblem(const CloudRecord &record);

// Why a sealed record could not be opened ("locked": under a key this device does not hold;
// "unauthentic": changed, moved or forged; "unsealed": plain in an encrypted database), or none.
std::optional<QString> sealProblem(const CloudRecord &record);

// Whether the field holds the number 1 (any other value, type or absence is false).
bool isNumberOne(const CloudRecord &record, const QString &key);

// Copies the record's values over `item` (the cloud wins, absent values included) and marks it
// synced as of `now` at the record's revision. Neither "isDeleted" nor the picture is looked at:
// the caller handles deletions and moves a downloaded picture in (PictureFiles).
void applyRecord(ShareItem &item, const CloudRecord &record, const QDateTime &now);

// The digest of the record's picture as the cloud reported it; empty when there is none.
QString recordPictureDigest(const CloudRecord &record);

// The item and the record as the merge rule sees them.
MergeDecision::LocalState localState(const ShareItem *item);
MergeDecision::Leaf leaf(const CloudRecord &record);
// One record (its other leaves included), a tombstone, or nothing.
MergeDecision::CloudState cloudState(const std::optional<CloudRecord> &record);
// The record of leaf `index` of cloudState(record): the record itself first, then its other leaves.
CloudRecord leafRecord(const CloudRecord &record, int index);

} // namespace ShareItemRecord
