#include "KeyDocument.h"

#include "platform/crypto/Sealing.h"

#include <QRegularExpression>

#include <cmath>

namespace {

const QString algorithmName = QStringLiteral("argon2id13");

std::optional<QByteArray> base64(const QJsonValue &value)
{
    const auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!value.isString() || !decoded)
        return std::nullopt;
    return decoded.decoded;
}

std::optional<quint64> count(const QJsonValue &value)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number != std::floor(number) || number > 9007199254740992.0)
        return std::nullopt;
    return quint64(number);
}

} // namespace

QByteArray KeyDocument::wrapAssociatedData(const QString &keyID)
{
    return QByteArrayLiteral("stashline-key/") + keyID.toUtf8();
}

KeyDocument KeyDocument::wrap(const QString &keyID, const SecretKey &dataKey, const QString &passphrase,
                              const PassphraseKey::Limits &limits)
{
    KeyDocument document;
    document.m_keyID = keyID;
    document.m_salt = PassphraseKey::randomSalt();
    document.m_limits = limits;
    if (const auto wrapping = PassphraseKey::derive(passphrase, document.m_salt, limits))
        document.m_wrappedKey = Sealing::seal(*wrapping, dataKey.toByteArray(), wrapAssociatedData(keyID));
    return document;
}

KeyDocument KeyDocument::create(const QString &passphrase, SecretKey *dataKey, const PassphraseKey::Limits &limits)
{
    *dataKey = SecretKey::random();
    return wrap(QString::fromLatin1(Sealing::randomBytes(16).toHex()), *dataKey, passphrase, limits);
}

KeyDocument KeyDocument::rewrapped(const SecretKey &dataKey, const QString &passphrase, const PassphraseKey::Limits &limits) const
{
    KeyDocument document = wrap(m_keyID, dataKey, passphrase, limits);
    document.m_revision = m_revision;
    document.m_movedTo = m_movedTo;
    return document;
}

std::optional<SecretKey> KeyDocument::unwrap(const QString &passphrase) const
{
    const auto wrapping = PassphraseKey::derive(passphrase, m_salt, m_limits);
    if (!wrapping)
        return std::nullopt;
    const std::optional<QByteArray> bytes = Sealing::open(*wrapping, m_wrappedKey, wrapAssociatedData(m_keyID));
    if (!bytes)
        return std::nullopt;
    SecretKey key = SecretKey::fromBytes(*bytes);
    QByteArray wipe = *bytes;
    wipe.fill('\0');
    return key.isNull() ? std::nullopt : std::optional(key);
}

std::optional<KeyDocument> KeyDocument::fromJson(const QJsonObject &json, QString *problem)
{
    const auto refuse = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    static const QRegularExpression hexadecimalID(QStringLiteral("^[0-9a-f]{32}$"));
    if (json.value(QStringLiteral("_id")).toString() != documentID || json.value(QStringLiteral("recordType")).toString() != recordType)
        return refuse(QStringLiteral("not a key document"));
    if (json.value(QStringLiteral("format")).toInt(-1) != format)
        return refuse(QStringLiteral("a key document of another format"));
    KeyDocument document;
    document.m_keyID = json.value(QStringLiteral("keyId")).toString();
    document.m_revision = json.value(QStringLiteral("_rev")).toString();
    document.m_movedTo = json.value(QStringLiteral("movedTo")).toString();
    if (!hexadecimalID.match(document.m_keyID).hasMatch())
        return refuse(QStringLiteral("a malformed key id"));
    const QJsonObject kdf = json.value(QStringLiteral("kdf")).toObject();
    const auto salt = base64(kdf.value(QStringLiteral("salt")));
    const auto operations = count(kdf.value(QStringLiteral("operations")));
    const auto memory = count(kdf.value(QStringLiteral("memoryBytes")));
    const auto wrapped = base64(json.value(QStringLiteral("wrappedKey")));
    if (kdf.value(QStringLiteral("algorithm")).toString() != algorithmName || !salt || salt->size() != PassphraseKey::saltSize
        || !operations || !memory || !wrapped)
        return refuse(QStringLiteral("a malformed key derivation or wrapped key"));
    document.m_salt = *salt;
    document.m_limits = {*operations, *memory};
    document.m_wrappedKey = *wrapped;
    if (!PassphraseKey::areAcceptable(document.m_limits))
        return refuse(QStringLiteral("key derivation limits out of bounds"));
    if (document.m_wrappedKey.size() != Sealing::nonceSize + SecretKey::size + Sealing::tagSize)
        return refuse(QStringLiteral("a wrapped key of the wrong length"));
    return document;
}

QJsonObject KeyDocument::toJson() const
{
    QJsonObject json{{QStringLiteral("_id"), documentID},
                     {QStringLiteral("recordType"), recordType},
                     {QStringLiteral("format"), format},
                     {QStringLiteral("keyId"), m_keyID},
                     {QStringLiteral("kdf"), QJsonObject{{QStringLiteral("algorithm"), algorithmName},
                                                         {QStringLiteral("salt"), QString::fromLatin1(m_salt.toBase64())},
                                                         {QStringLiteral("operations"), double(m_limits.operations)},
                                                         {QStringLiteral("memoryBytes"), double(m_limits.memoryBytes)}}},
                     {QStringLiteral("wrappedKey"), QString::fromLatin1(m_wrappedKey.toBase64())}};
    if (!m_revision.isEmpty())
        json.insert(QStringLiteral("_rev"), m_revision);
    if (!m_movedTo.isEmpty())
        json.insert(QStringLiteral("movedTo"), m_movedTo);
    return json;
}
