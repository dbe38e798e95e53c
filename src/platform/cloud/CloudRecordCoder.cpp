#include "CloudRecordCoder.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonArray>
#include <QSaveFile>
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

CloudError assetError(const CloudRecordID &id, const QString &detail)
{
    return CloudError(CloudErrorCode::InternalError,
                      CloudError::localized("cloud.error.assetFile", "The picture of record %1 could not be stored: %2")
                          .arg(id.recordName(), detail));
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

std::variant<CloudRecordCoder::EncodedDocument, CloudError> CloudRecordCoder::encode(const CloudRecord &record, const QString &deviceID)
{
    QJsonObject fields;
    QByteArray attachments;
    const QStringList keys = record.allKeys();
    for (const QString &key : keys) {
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
        } else if (const auto *asset = std::get_if<CloudAsset>(&value); asset && asset->isStub()) {
            // The server keeps the attachment it holds on the revision this write replaces.
            QByteArray quotedKey = QJsonDocument(QJsonArray{key}).toJson(QJsonDocument::Compact);
            quotedKey = quotedKey.mid(1, quotedKey.size() - 2);
            // The digest names the attachment: servers that keep attachments by digest need it.
            attachments += (attachments.isEmpty() ? "{" : ",") + quotedKey + ":{\"stub\":true,\"content_type\":\""
                + assetContentType.toLatin1() + "\",\"digest\":"
                + QJsonDocument(QJsonArray{asset->digest()}).toJson(QJsonDocument::Compact).mid(1).chopped(1) + '}';
            field = {{typeKey, QStringLiteral("asset")}, {valueKey, key}};
        } else if (asset) {
            QFile file(asset->fileURL());
            if (!file.open(QIODevice::ReadOnly))
                return CloudError(CloudErrorCode::InternalError,
                                  CloudError::localized("cloud.error.assetUnreadable",
                                                        "The picture of record %1 could not be read: %2")
                                      .arg(record.recordID().recordName(), file.errorString()));
            // The key is escaped by the JSON writer; base64 needs no escaping.
            QByteArray quotedKey = QJsonDocument(QJsonArray{key}).toJson(QJsonDocument::Compact);
            quotedKey = quotedKey.mid(1, quotedKey.size() - 2);
            attachments += (attachments.isEmpty() ? "{" : ",") + quotedKey + ":{\"content_type\":\""
                + assetContentType.toLatin1() + "\",\"data\":\"" + file.readAll().toBase64() + "\"}";
            field = {{typeKey, QStringLiteral("asset")}, {valueKey, key}};
        }
        fields.insert(key, field);
    }

    QJsonObject document{{QStringLiteral("_id"), record.recordID().recordName()},
                         {QStringLiteral("recordType"), record.recordType()},
                         {fieldsKey, fields},
                         {QStringLiteral("device"), deviceID}};
    if (!record.recordChangeTag().isEmpty())
        document.insert(QStringLiteral("_rev"), record.recordChangeTag());
    if (!attachments.isEmpty())
        attachments += '}';
    return EncodedDocument{document, attachments};
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
                                                               const QHash<QString, CloudAsset> &downloadedAssets)
{
    const QString name = document.value(QStringLiteral("_id")).toString();
    if (name.isEmpty())
        return CloudError(CloudErrorCode::ServerRejectedRequest,
                          CloudError::localized("cloud.error.malformedRecord", "The server sent a record without a name."));

    const CloudRecordID id(name);
    CloudRecord record(document.value(QStringLiteral("recordType")).toString(), id);
    record.setRecordChangeTag(document.value(QStringLiteral("_rev")).toString());

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
            const QJsonObject attachment = attachments.value(value.toString()).toObject();
            if (attachment.isEmpty())
                continue; // an asset field without its attachment reads as absent
            const QString digest = attachment.value(QStringLiteral("digest")).toString();
            if (attachment.value(QStringLiteral("stub")).toBool()) {
                const auto downloaded = downloadedAssets.constFind(value.toString());
                if (downloaded != downloadedAssets.cend())
                    record.setAsset(it.key(), *downloaded);
                else if (!digest.isEmpty())
                    record.setAsset(it.key(), CloudAsset::stub(digest)); // a version the reader holds already
                else
                    return assetError(id, QStringLiteral("the picture was not downloaded"));
                continue;
            }
            if (!attachment.value(QStringLiteral("data")).isString())
                return assetError(id, QStringLiteral("the server sent no content"));
            const auto decoded = QByteArray::fromBase64Encoding(attachment.value(QStringLiteral("data")).toString().toLatin1(),
                                                                QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return assetError(id, QStringLiteral("the content is not valid base64"));
            const QString path = assetDirectory + QLatin1Char('/')
                + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".jpg");
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(decoded.decoded) != decoded.decoded.size() || !file.commit())
                return assetError(id, file.errorString());
            record.setAsset(it.key(), CloudAsset::downloaded(path, digest));
        } else {
            record.addUnreadableKey(it.key());
        }
    }
    return record;
}
