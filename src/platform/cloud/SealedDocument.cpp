#include "SealedDocument.h"

#include "platform/Utf8.h"
#include "platform/crypto/Sealing.h"

#include <QJsonDocument>

namespace SealedDocument {
namespace {

// What stays of a document that cannot be taken: enough to name it, place it in its history and
// read its branches.
QJsonObject skeleton(const QJsonObject &document, const QString &problem)
{
    QJsonObject kept;
    for (const QString &key : {QStringLiteral("_id"), QStringLiteral("_rev"), QStringLiteral("recordType"),
                               QStringLiteral("_conflicts"), QStringLiteral("_deleted")}) {
        if (document.contains(key))
            kept.insert(key, document.value(key));
    }
    kept.insert(problemKey, problem);
    return kept;
}

} // namespace

bool isSealed(const QJsonObject &document)
{
    return document.contains(payloadKey);
}

QByteArray payloadAssociatedData(const QString &documentID)
{
    return documentID.toUtf8();
}

QByteArray attachmentAssociatedData(const QString &documentID, const QString &attachmentName)
{
    return documentID.toUtf8() + '/' + attachmentName.toUtf8();
}

QJsonObject open(const QJsonObject &stored, const DatabaseKeys &keys)
{
    QJsonObject document = stored;
    document.remove(sealedWithKey); // only this function marks a view
    document.remove(problemKey);
    if (!isSealed(document)) {
        const bool isRecord = !document.value(QStringLiteral("_deleted")).toBool();
        return !isRecord || keys.acceptsPlainRecords() ? document : skeleton(document, unsealed);
    }
    const QString keyID = document.value(keyIDKey).toString();
    const std::optional<SecretKey> key = keys.key(keyID);
    if (!key)
        return skeleton(document, locked);
    const auto payload = QByteArray::fromBase64Encoding(document.value(payloadKey).toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    const std::optional<QByteArray> opened =
        payload ? Sealing::open(*key, payload.decoded, payloadAssociatedData(document.value(QStringLiteral("_id")).toString()))
                : std::nullopt;
    if (!opened || document.value(formatKey).toInt(-1) != format)
        return skeleton(document, unauthentic);
    // Authentic: its contents are what a plain document holds besides its bookkeeping.
    const QJsonObject contents = Utf8::parseJson(*opened).object();
    document.remove(payloadKey);
    document.remove(keyIDKey);
    document.remove(formatKey);
    for (auto entry = contents.begin(); entry != contents.end(); ++entry) {
        if (!entry.key().startsWith(QLatin1Char('_')))
            document.insert(entry.key(), entry.value());
    }
    document.insert(sealedWithKey, keyID);
    return document;
}

QJsonObject sealedHead(const QString &documentID, const QJsonObject &contents, const QString &keyID, const SecretKey &key)
{
    const QByteArray payload =
        Sealing::seal(key, QJsonDocument(contents).toJson(QJsonDocument::Compact), payloadAssociatedData(documentID));
    return {{QStringLiteral("_id"), documentID},
            {formatKey, format},
            {keyIDKey, keyID},
            {payloadKey, QString::fromLatin1(payload.toBase64())}};
}

QJsonObject seal(const QJsonObject &document, const QHash<QString, QByteArray> &attachments, const QString &keyID,
                 const SecretKey &key)
{
    const QString id = document.value(QStringLiteral("_id")).toString();
    QJsonObject contents;
    for (auto entry = document.begin(); entry != document.end(); ++entry) {
        if (!entry.key().startsWith(QLatin1Char('_')) && entry.key() != QLatin1String("recordType"))
            contents.insert(entry.key(), entry.value());
    }
    QJsonObject sealedAttachments;
    for (auto attachment = attachments.cbegin(); attachment != attachments.cend(); ++attachment) {
        const QByteArray bytes = Sealing::seal(key, attachment.value(), attachmentAssociatedData(id, attachment.key()));
        sealedAttachments.insert(attachment.key(), QJsonObject{{QStringLiteral("content_type"), sealedContentType},
                                                               {QStringLiteral("data"), QString::fromLatin1(bytes.toBase64())}});
    }
    QJsonObject sealed = sealedHead(id, contents, keyID, key);
    for (const QString &kept : {QStringLiteral("_rev"), QStringLiteral("recordType")}) {
        if (document.contains(kept))
            sealed.insert(kept, document.value(kept));
    }
    if (!sealedAttachments.isEmpty())
        sealed.insert(QStringLiteral("_attachments"), sealedAttachments);
    return sealed;
}

std::optional<QByteArray> openAttachment(const DatabaseKeys &keys, const QString &keyID, const QString &documentID,
                                         const QString &attachmentName, const QByteArray &sealed)
{
    const std::optional<SecretKey> key = keys.key(keyID);
    if (!key)
        return std::nullopt;
    return Sealing::open(*key, sealed, attachmentAssociatedData(documentID, attachmentName));
}

} // namespace SealedDocument
