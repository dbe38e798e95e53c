#pragma once

#include "SecretKey.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The key a passphrase stands for: Argon2id (libsodium's crypto_pwhash with
// crypto_pwhash_ALG_ARGON2ID13) over the passphrase in Unicode normalisation form C, as UTF-8,
// with a random 128-bit salt and the limits kept beside it. The same passphrase, salt and limits
// give the same key on every device and in every language binding of libsodium.
//
// Limits read from elsewhere are checked before any work: a salt of the wrong length, or limits
// below libsodium's minimum or above the ceilings here (which keep a hostile key document from
// making a device spend minutes or gigabytes), give no key. Stateless; any thread (deriving
// takes about a second and `memoryLimit` bytes of memory: never on the main thread).
namespace PassphraseKey {

struct Limits {
    quint64 operations = 3;
    quint64 memoryBytes = quint64(64) * 1024 * 1024;
    friend bool operator==(const Limits &, const Limits &) = default;
};

constexpr int saltSize = 16;
constexpr quint64 maximumOperations = 10;
constexpr quint64 maximumMemoryBytes = quint64(1024) * 1024 * 1024;

// What new keys are derived with: about 0.7 s and 64 MiB on a desktop of today.
Limits defaultLimits();
// The cheapest limits libsodium allows, for tests that derive many keys.
Limits minimumLimits();
bool areAcceptable(const Limits &limits);

QByteArray randomSalt();

// The key, or none when the salt or the limits are not acceptable or the derivation failed
// (out of memory).
std::optional<SecretKey> derive(const QString &passphrase, const QByteArray &salt, const Limits &limits);

} // namespace PassphraseKey
