#pragma once

#include "platform/cloud/DatabaseKeys.h"

#include <QHash>
#include <QJsonObject>

#include <optional>

// The sealed form of a record's document. Only what the server needs to store and sync the
// document stays readable:
//   {"_id": record name, "_rev": ..., "recordType": type, "format": 1, "keyId": the data key's id,
//    "payload": base64 of Sealing::seal(data key, payload JSON, associated data = the UTF-8 _id),
//    "_attachments": {name: {"content_type": "application/octet-stream",
//                            "data": base64 of Sealing::seal(data key, the file's bytes,
//                                                            associated data = _id + "/" + name)}}}
// The payload JSON is what a plain document holds besides its _id, _rev, recordType and
// attachments (for a record, {"fields": {...}, "device": ...}, with every field, the change time
// and the deletion mark); keys that start with an underscore are CouchDB's and never sealed. Sealing binds a payload to its document and an attachment to its document and
// name, so the server cannot move either to another place; a flipped byte, another key or a
// moved payload does not open.
//
// open() turns any document into its plain view, the form the record coder reads: a sealed one
// opened (marked with the key id it was opened with, so its attachments are opened too), a plain
// one as it is. What cannot be opened keeps only its _id, _rev, recordType, _conflicts and
// attachment stubs, and names the problem. Stateless; any thread.
namespace SealedDocument {

constexpr int format = 1;
inline const QString payloadKey = QStringLiteral("payload");
inline const QString keyIDKey = QStringLiteral("keyId");
inline const QString formatKey = QStringLiteral("format");
inline const QString sealedContentType = QStringLiteral("application/octet-stream");

// In a plain view only (never in a stored document).
inline const QString sealedWithKey = QStringLiteral("_sealedWith");
inline const QString problemKey = QStringLiteral("_sealProblem");

// Why a document could not be taken. "locked": sealed under a key this device does not hold;
// "unauthentic": it does not open under the key it names (changed, moved or forged); "unsealed":
// plain where the database is encrypted.
inline const QString locked = QStringLiteral("locked");
inline const QString unauthentic = QStringLiteral("unauthentic");
inline const QString unsealed = QStringLiteral("unsealed");

bool isSealed(const QJsonObject &document);

QByteArray payloadAssociatedData(const QString &documentID);
QByteArray attachmentAssociatedData(const QString &documentID, const QString &attachmentName);

QJsonObject open(const QJsonObject &document, const DatabaseKeys &keys);

// The bytes of a sealed attachment opened; none when they do not open.
// {"_id", "format", "keyId", "payload"} for `contents` sealed under `keyID` and `key`.
QJsonObject sealedHead(const QString &documentID, const QJsonObject &contents, const QString &keyID, const SecretKey &key);

// `document` (plain, with its attachments' bytes in `attachments` by name) in its sealed form
// under `keyID` and `key`, to be written over its revision.
QJsonObject seal(const QJsonObject &document, const QHash<QString, QByteArray> &attachments, const QString &keyID,
                 const SecretKey &key);

std::optional<QByteArray> openAttachment(const DatabaseKeys &keys, const QString &keyID, const QString &documentID,
                                         const QString &attachmentName, const QByteArray &sealed);

} // namespace SealedDocument
