#pragma once

#include "SecretKey.h"

#include <QByteArray>

#include <optional>

// Authenticated encryption of byte strings with XChaCha20-Poly1305 (libsodium's
// crypto_aead_xchacha20poly1305_ietf), each sealed with a fresh random 192-bit nonce.
//
// A sealed string is the nonce (24 bytes) followed by the ciphertext and its 16-byte tag. The
// associated data is authenticated but not stored: opening with other associated data fails, so
// a sealed string cannot be moved to another place that names other associated data. Opening
// fails (none) for a wrong key, a changed byte, other associated data or a string too short to
// be sealed. Stateless; any thread.
namespace Sealing {

constexpr int nonceSize = 24;
constexpr int tagSize = 16;

// libsodium is initialised (once, on first use, thread-safe); false when it cannot be, and then
// nothing seals or opens.
bool isReady();

// `plaintext` sealed under `key`, bound to `associatedData`; empty when `key` is null.
QByteArray seal(const SecretKey &key, const QByteArray &plaintext, const QByteArray &associatedData);
// The same with a given nonce, for test vectors only.
QByteArray sealWithNonce(const SecretKey &key, const QByteArray &plaintext, const QByteArray &associatedData,
                         const QByteArray &nonce);

std::optional<QByteArray> open(const SecretKey &key, const QByteArray &sealed, const QByteArray &associatedData);

QByteArray randomBytes(int count);

} // namespace Sealing
