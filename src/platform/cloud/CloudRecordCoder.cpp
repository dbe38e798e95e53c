#include "CloudRecordCoder.h"

#include "platform/cloud/SealedDocument.h"
#include "platform/crypto/Sealing.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonArray>
#include <QUuid>

#include <cmath>

namespace {

const QString fieldsKey = QStringLiteral("fields");
const QString typeKey = QStringLiteral("type");
const QString valueKey = QStringLiteral("value");
const QString attachmentsKey = QStringLiteral("_attachments");
const QString assetContentType = QStringLiteral("image/jpeg");
constexpr double largestExactInteger = 9007199254740992.0; // 2^53

QJsonValue doubleJson(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0 && std::signbit(value))
        return QStringLiteral("-0"); // a JSON number loses the sign of zero
    return value;
}

std::optional<double> doubleFromJson(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    const QString text = value.toString();
    if (text == QLatin1String("NaN"))
        return std::nan("");
    if (text == QLatin1String("Infinity"))
        return INFINITY;
    if (text == QLatin1String("-Infinity"))
        return -INFINITY;
    if (text == QLatin1String("-0"))
        return -0.0;
    return std::nullopt;
}

std::optional<qint64> int64FromJson(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::trunc(number) != number || std::fabs(number) > largestExactInteger)
            return std::nullopt;
        return qint64(number);
    }
    if (value.isString()) {
        bool ok = false;
        const qint64 number = value.toString().toLongLong(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

// `text` as a JSON string, quotes included.
QByteArray jsonText(const QString &text)
{
    return QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

// The bytes of an attachment of a sealed view, opened; an error when they do not open.
std::variant<QByteArray, CloudError> openedAttachment(const QJsonObject &document, const QString &name,
                                                      const QByteArray &bytes, const DatabaseKeys *keys)
{
    const QString keyID = document.value(SealedDocument::sealedWithKey).toString();
    if (keyID.isEmpty())
        return bytes;
    const QString id = document.value(QStringLiteral("_id")).toString();
    const auto opened = keys ? SealedDocument::openAttachment(*keys, keyID, id, name, bytes) : std::nullopt;
    if (!opened)
        return CloudError(CloudErrorCode::InternalError,
                          CloudError::localized("cloud.error.pictureUnauthentic",
                                                "The picture of record %1 was changed on the server or sealed with another key.")
                              .arg(id));
    return *opened;
}

CloudError assetError(const CloudRecordID &id, const QString &detail)
{
    return CloudError(CloudErrorCode::InternalError,
                      CloudError::localized("cloud.error.assetFile", "The picture of record %1 could not be stored: %2")
                          .arg(id.recordName(), detail));
}


// A new file in `directory` holding `bytes`, owned by the returned asset. Written as a download
// is, without waiting for the disk: the picture store copies it into place with its own
// guarantees, and a file cut short by a crash is never merged (the process is gone).
std::variant<std::optional<CloudAsset>, CloudError> writeAsset(const CloudRecordID &id, const QString &directory,
                                                              const QByteArray &bytes, const QString &digest)
{
    const QString path = directory + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()
        + QStringLiteral(".jpg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        return assetError(id, file.errorString());
    }
    file.close();
    return std::optional(CloudAsset::downloaded(path, digest));
}

// The asset an asset field names: a downloaded or inline picture (opened when the view was
// sealed), a stub for a version the reader holds, or none when the attachment is missing. An
// error with "permission failure" when a sealed picture does not open.
std::variant<std::optional<CloudAsset>, CloudError> decodeAsset(const QJsonObject &document, const QString &name,
                                                               const QString &directory,
                                                               const QHash<QString, CloudAsset> &downloadedAssets,
                                                               const DatabaseKeys *keys)
{
    const CloudRecordID id(document.value(QStringLiteral("_id")).toString());
    const QJsonObject attachment = document.value(attachmentsKey).toObject().value(name).toObject();
    if (attachment.isEmpty())
        return std::nullopt; // an asset field without its attachment reads as absent
    const QString digest = attachment.value(QStringLiteral("digest")).toString();
    const bool isSealed = document.contains(SealedDocument::sealedWithKey);
    QByteArray bytes;
    if (attachment.value(QStringLiteral("stub")).toBool()) {
        const auto downloaded = downloadedAssets.constFind(name);
        if (downloaded == downloadedAssets.cend() && !digest.isEmpty())
            return std::optional(CloudAsset::stub(digest)); // a version the reader holds already
        if (downloaded == downloadedAssets.cend())
            return assetError(id, QStringLiteral("the picture was not downloaded"));
        if (!isSealed)
            return std::optional(*downloaded);
        QFile file(downloaded->fileURL());
        if (!file.open(QIODevice::ReadOnly))
            return assetError(id, file.errorString());
        bytes = file.readAll(); // the sealed file goes with its asset
    } else {
        if (!attachment.value(QStringLiteral("data")).isString())
            return assetError(id, QStringLiteral("the server sent no content"));
        const auto decoded = QByteArray::fromBase64Encoding(attachment.value(QStringLiteral("data")).toString().toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return assetError(id, QStringLiteral("the content is not valid base64"));
        bytes = decoded.decoded;
    }
    auto opened = openedAttachment(document, name, bytes, keys);
    if (const auto *error = std::get_if<CloudError>(&opened))
        return CloudError(CloudErrorCode::PermissionFailure, error->localizedDescription());
    return writeAsset(id, directory, std::get<QByteArray>(opened), digest);
}

} // namespace

QString CloudRecordCoder::timestampText(const QDateTime &timestamp)
{
    return timestamp.toUTC().toString(Qt::ISODateWithMs);
}

QByteArray CloudRecordCoder::EncodedDocument::toJson() const
{
    QByteArray json = QJsonDocument(document).toJson(QJsonDocument::Compact);
    if (attachmentsJson.isEmpty())
        return json;
    json.chop(1); // the closing brace
    json.reserve(json.size() + attachmentsJson.size() + 20);
    json += QByteArrayLiteral(",\"_attachments\":");
    json += attachmentsJson;
    json += '}';
    return json;
}

std::variant<CloudRecordCoder::EncodedDocument, CloudError> CloudRecordCoder::encode(const CloudRecord &record, const QString &deviceID,
                                                                                     const DatabaseKeys *keys)
{
    const QString name = record.recordID().recordName();
    if (keys && keys->mode() == DatabaseKeys::Mode::locked)
        return CloudError(CloudErrorCode::PermissionFailure,
                          CloudError::localized("cloud.error.locked",
                                                "This account is encrypted. Enter your passphrase to sync."));
    const auto sealing = keys ? keys->writingKey() : std::nullopt;
    QJsonObject fields;
    QByteArray attachments;
    QHash<QString, QString> digests;
    const QStringList keyNames = record.allKeys();
    for (const QString &key : keyNames) {
        const CloudValue value = *record.value(key);
        QJsonObject field;
        if (const auto *text = std::get_if<QString>(&value)) {
            field = {{typeKey, QStringLiteral("string")}, {valueKey, *text}};
        } else if (const auto *integer = std::get_if<qint64>(&value)) {
            const bool exact = *integer >= -qint64(largestExactInteger) && *integer <= qint64(largestExactInteger);
            field = {{typeKey, QStringLiteral("int64")},
                     {valueKey, exact ? QJsonValue(double(*integer)) : QJsonValue(QString::number(*integer))}};
        } else if (const auto *number = std::get_if<double>(&value)) {
            field = {{typeKey, QStringLiteral("double")}, {valueKey, doubleJson(*number)}};
        } else if (const auto *timestamp = std::get_if<QDateTime>(&value)) {
            field = {{typeKey, QStringLiteral("timestamp")}, {valueKey, timestampText(*timestamp)}};
        } else if (const auto *asset = std::get_if<CloudAsset>(&value)) {
            const QString contentType = sealing ? SealedDocument::sealedContentType : assetContentType;
            QByteArray attachment;
            if (asset->isStub()) {
                // The server keeps the attachment it holds on the revision this write replaces;
                // the digest names it for servers that keep attachments by digest.
                attachment = "{\"stub\":true,\"content_type\":\"" + contentType.toLatin1() + "\",\"digest\":"
                    + jsonText(asset->digest()) + '}';
            } else {
                QFile file(asset->fileURL());
                if (!file.open(QIODevice::ReadOnly))
                    return CloudError(CloudErrorCode::InternalError,
                                      CloudError::localized("cloud.error.assetUnreadable",
                                                            "The picture of record %1 could not be read: %2")
                                          .arg(name, file.errorString()));
                QByteArray bytes = file.readAll();
                if (sealing)
                    bytes = Sealing::seal(sealing->second, bytes, SealedDocument::attachmentAssociatedData(name, key));
                digests.insert(key, QStringLiteral("md5-")
                                        + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toBase64()));
                // Base64 needs no escaping.
                attachment = "{\"content_type\":\"" + contentType.toLatin1() + "\",\"data\":\"" + bytes.toBase64() + "\"}";
            }
            attachments += (attachments.isEmpty() ? "{" : ",") + jsonText(key) + ':' + attachment;
            field = {{typeKey, QStringLiteral("asset")}, {valueKey, key}};
        }
        fields.insert(key, field);
    }

    const QJsonObject contents{{fieldsKey, fields}, {QStringLiteral("device"), deviceID}};
    QJsonObject document = sealing ? SealedDocument::sealedHead(name, contents, sealing->first, sealing->second) : contents;
    document.insert(QStringLiteral("_id"), name);
    document.insert(QStringLiteral("recordType"), record.recordType());
    if (!record.recordChangeTag().isEmpty())
        document.insert(QStringLiteral("_rev"), record.recordChangeTag());
    if (!attachments.isEmpty())
        attachments += '}';
    return EncodedDocument{document, attachments, digests};
}

QStringList CloudRecordCoder::stubAttachments(const QJsonObject &document)
{
    QStringList names;
    const QJsonObject fields = document.value(fieldsKey).toObject();
    const QJsonObject attachments = document.value(attachmentsKey).toObject();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        const QJsonObject field = it.value().toObject();
        if (field.value(typeKey).toString() != QLatin1String("asset"))
            continue;
        const QString name = field.value(valueKey).toString();
        if (attachments.value(name).toObject().value(QStringLiteral("stub")).toBool() && !names.contains(name))
            names.append(name);
    }
    return names;
}

std::variant<CloudRecord, CloudError> CloudRecordCoder::decode(const QJsonObject &document, const QString &assetDirectory,
                                                               const QHash<QString, CloudAsset> &downloadedAssets,
                                                               const DatabaseKeys *keys)
{
    const QString name = document.value(QStringLiteral("_id")).toString();
    if (name.isEmpty())
        return CloudError(CloudErrorCode::ServerRejectedRequest,
                          CloudError::localized("cloud.error.malformedRecord", "The server sent a record without a name."));

    const CloudRecordID id(name);
    CloudRecord record(document.value(QStringLiteral("recordType")).toString(), id);
    record.setRecordChangeTag(document.value(QStringLiteral("_rev")).toString());
    if (const QString problem = document.value(SealedDocument::problemKey).toString(); !problem.isEmpty()) {
        record.addUnreadableKey(QLatin1Char('_') + problem);
        return record;
    }

    const QJsonValue fieldList = document.value(fieldsKey);
    if (!fieldList.isObject() && !fieldList.isUndefined())
        record.addUnreadableKey(fieldsKey);
    const QJsonObject fields = fieldList.toObject();
    const QJsonObject attachments = document.value(attachmentsKey).toObject();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        const QJsonObject field = it.value().toObject();
        const QString type = field.value(typeKey).toString();
        const QJsonValue value = field.value(valueKey);
        if (!it.value().isObject()) {
            record.addUnreadableKey(it.key());
        } else if (value.isNull() || value.isUndefined()) {
            continue; // no value: the field is absent
        } else if (type == QLatin1String("string")) {
            if (value.isString())
                record.setString(it.key(), value.toString());
            else
                record.addUnreadableKey(it.key());
        } else if (type == QLatin1String("int64")) {
            if (const auto number = int64FromJson(value))
                record.setInt64(it.key(), number);
            else
                record.addUnreadableKey(it.key());
        } else if (type == QLatin1String("double")) {
            if (const auto number = doubleFromJson(value))
                record.setDouble(it.key(), number);
            else
                record.addUnreadableKey(it.key());
        } else if (type == QLatin1String("timestamp")) {
            const QDateTime timestamp = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
            if (timestamp.isValid())
                record.setTimestamp(it.key(), timestamp.toUTC());
            else
                record.addUnreadableKey(it.key());
        } else if (type == QLatin1String("asset")) {
            auto asset = decodeAsset(document, value.toString(), assetDirectory, downloadedAssets, keys);
            if (auto *error = std::get_if<CloudError>(&asset)) {
                if (error->code() != CloudErrorCode::PermissionFailure)
                    return *error;
                // A picture that does not open: nothing of the record is taken.
                CloudRecord unopened(record.recordType(), id);
                unopened.setRecordChangeTag(record.recordChangeTag());
                unopened.addUnreadableKey(QLatin1Char('_') + SealedDocument::unauthentic);
                return unopened;
            } else if (const auto &decoded = std::get<std::optional<CloudAsset>>(asset)) {
                record.setAsset(it.key(), *decoded);
            }
        } else {
            record.addUnreadableKey(it.key());
        }
    }
    return record;
}
