#pragma once

#include "platform/cloud/CloudError.h"
#include "platform/cloud/CloudRecord.h"
#include "platform/cloud/DatabaseKeys.h"

#include <QJsonObject>

#include <variant>

// Turns records into database documents and back. A document is
//   {"_id": record name, "_rev": revision (when known), "recordType": type,
//    "fields": {name: {"type": "string"|"int64"|"double"|"timestamp"|"asset", "value": ...}},
//    "device": id of the writing device,
//    "_attachments": {asset field name: {"content_type": "image/jpeg", "data": base64}}}
// Timestamps are ISO 8601 UTC with milliseconds; an asset field's value is its attachment name.
// Reading is lenient: a field of an unknown type or with a malformed value is left out.
// In an encrypted database (DatabaseKeys in the sealed mode) the document is written in its
// sealed form instead (see SealedDocument), its pictures sealed too; readers open a document
// (SealedDocument::open) before they read it here.
// Stateless; any thread.
namespace CloudRecordCoder {

// A document ready to send: its JSON without attachments, and the "_attachments" object as JSON
// text (empty when there are none), kept apart so large asset bytes are not copied into a
// QJsonObject.
struct EncodedDocument {
    QJsonObject document;
    QByteArray attachmentsJson;
    // The digest the server gives each attachment sent with its bytes, by field name.
    QHash<QString, QString> attachmentDigests;
    QByteArray toJson() const;
};

// The document for `record`, with the bytes of its asset files inline (sealed where `keys` say
// so), or an error when an asset file cannot be read or the database is locked.
std::variant<EncodedDocument, CloudError> encode(const CloudRecord &record, const QString &deviceID,
                                                 const DatabaseKeys *keys = nullptr);

// The record of `document` (a plain view: SealedDocument::open), its inline assets written as
// new files into `assetDirectory` (owned by the returned assets), opened with `keys` when the
// view was sealed. A view that could not be opened gives a record with the unreadable key
// "_locked", "_unauthentic" or "_unsealed" and no fields. An attachment that came as a stub ({"stub": true}, no bytes) takes
// its file from `downloadedAssets` (attachment name to asset), or, when it was not downloaded,
// becomes a stub asset with the server's digest. An error when the document has no name, an
// inline asset cannot be decoded or written, or a stub has neither a file nor a digest.
// Assets sent as stubs (CloudAsset::stub) are written as {"stub": true} with their digest: the
// server keeps the attachment of the revision the document replaces.
std::variant<CloudRecord, CloudError> decode(const QJsonObject &document, const QString &assetDirectory,
                                             const QHash<QString, CloudAsset> &downloadedAssets = {},
                                             const DatabaseKeys *keys = nullptr);

// The attachment names that asset fields of `document` refer to and that came as stubs: the
// files to download before decode().
QStringList stubAttachments(const QJsonObject &document);

QString timestampText(const QDateTime &timestamp);

} // namespace CloudRecordCoder
