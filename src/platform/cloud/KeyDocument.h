#pragma once

#include "platform/crypto/PassphraseKey.h"
#include "platform/crypto/SecretKey.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// The one document that makes a database encrypted: the database's random 256-bit data key,
// wrapped (sealed) under the key of the user's passphrase, with what it takes to derive that key
// again. It is an ordinary, replicated document:
//   {"_id": "stashline-key", "_rev": ..., "recordType": "StashlineKey", "format": 1,
//    "keyId": 32 hexadecimal digits,
//    "kdf": {"algorithm": "argon2id13", "salt": base64 (16 bytes), "operations": N, "memoryBytes": N},
//    "wrappedKey": base64 of the data key sealed (Sealing) under the passphrase's key, with the
//                  associated data "stashline-key/" followed by the key id,
//    "movedTo": database name (only when the account moved to another database)}
// Base64 is the standard alphabet with padding. The key id names the data key: records name the
// key id they were sealed with, and a new key (after "Start over") has a new id. Changing the
// passphrase wraps the same data key again under the same id. Value type; any thread (unwrap()
// and create() derive a key: never on the main thread).
class KeyDocument
{
public:
    static inline const QString documentID = QStringLiteral("stashline-key");
    static inline const QString recordType = QStringLiteral("StashlineKey");
    static constexpr int format = 1;

    // A new data key with a new id, wrapped under `passphrase`; the data key in `dataKey`.
    static KeyDocument create(const QString &passphrase, SecretKey *dataKey,
                              const PassphraseKey::Limits &limits = PassphraseKey::defaultLimits());
    // The document as read; none when it is not a key document this version can use (an unknown
    // format, a malformed field, limits out of bounds), with the reason in `problem`.
    static std::optional<KeyDocument> fromJson(const QJsonObject &document, QString *problem = nullptr);
    QJsonObject toJson() const;

    QString keyID() const { return m_keyID; }
    QString revision() const { return m_revision; }
    void setRevision(const QString &revision) { m_revision = revision; }
    PassphraseKey::Limits limits() const { return m_limits; }
    // Empty unless the account moved to another database.
    QString movedTo() const { return m_movedTo; }
    void setMovedTo(const QString &database) { m_movedTo = database; }

    // The data key, or none when `passphrase` is not the one it was wrapped with.
    std::optional<SecretKey> unwrap(const QString &passphrase) const;
    // The same key id and data key, wrapped under `passphrase` with a new salt.
    KeyDocument rewrapped(const SecretKey &dataKey, const QString &passphrase,
                          const PassphraseKey::Limits &limits = PassphraseKey::defaultLimits()) const;

    // The associated data of the wrapped key.
    static QByteArray wrapAssociatedData(const QString &keyID);

private:
    static KeyDocument wrap(const QString &keyID, const SecretKey &dataKey, const QString &passphrase,
                            const PassphraseKey::Limits &limits);

    QString m_keyID;
    QString m_revision;
    QByteArray m_salt;
    PassphraseKey::Limits m_limits;
    QByteArray m_wrappedKey;
    QString m_movedTo;
};
