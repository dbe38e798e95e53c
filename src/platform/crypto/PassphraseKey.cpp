#include "PassphraseKey.h"

#include "Sealing.h"

#include <sodium.h>

namespace PassphraseKey {

static_assert(saltSize == crypto_pwhash_SALTBYTES);

Limits defaultLimits()
{
    return {};
}

Limits minimumLimits()
{
    return {crypto_pwhash_argon2id_OPSLIMIT_MIN, crypto_pwhash_argon2id_MEMLIMIT_MIN};
}

bool areAcceptable(const Limits &limits)
{
    return limits.operations >= crypto_pwhash_argon2id_OPSLIMIT_MIN && limits.operations <= maximumOperations
        && limits.memoryBytes >= crypto_pwhash_argon2id_MEMLIMIT_MIN && limits.memoryBytes <= maximumMemoryBytes;
}

QByteArray randomSalt()
{
    return Sealing::randomBytes(saltSize);
}

std::optional<SecretKey> derive(const QString &passphrase, const QByteArray &salt, const Limits &limits)
{
    if (salt.size() != saltSize || !areAcceptable(limits) || !Sealing::isReady())
        return std::nullopt;
    QByteArray text = passphrase.normalized(QString::NormalizationForm_C).toUtf8();
    QByteArray derived(SecretKey::size, Qt::Uninitialized);
    const int failed = crypto_pwhash(reinterpret_cast<unsigned char *>(derived.data()), SecretKey::size, text.constData(),
                                     quint64(text.size()), reinterpret_cast<const unsigned char *>(salt.constData()),
                                     limits.operations, size_t(limits.memoryBytes), crypto_pwhash_ALG_ARGON2ID13);
    sodium_memzero(text.data(), size_t(text.size()));
    std::optional<SecretKey> key;
    if (failed == 0)
        key = SecretKey::fromBytes(derived);
    sodium_memzero(derived.data(), size_t(derived.size()));
    return key;
}

} // namespace PassphraseKey
