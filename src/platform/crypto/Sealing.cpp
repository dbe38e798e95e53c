#include "Sealing.h"

#include <sodium.h>

namespace Sealing {

static_assert(nonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(tagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(SecretKey::size == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);

bool isReady()
{
    static const bool ready = sodium_init() >= 0; // thread-safe; also safe to call again
    return ready;
}

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    if (!isReady())
        return {};
    randombytes_buf(bytes.data(), size_t(count));
    return bytes;
}

QByteArray sealWithNonce(const SecretKey &key, const QByteArray &plaintext, const QByteArray &associatedData,
                         const QByteArray &nonce)
{
    if (key.isNull() || nonce.size() != nonceSize || !isReady())
        return {};
    QByteArray sealed(nonceSize + plaintext.size() + tagSize, Qt::Uninitialized);
    std::copy(nonce.cbegin(), nonce.cend(), sealed.begin());
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        reinterpret_cast<unsigned char *>(sealed.data()) + nonceSize, &length,
        reinterpret_cast<const unsigned char *>(plaintext.constData()), size_t(plaintext.size()),
        reinterpret_cast<const unsigned char *>(associatedData.constData()), size_t(associatedData.size()), nullptr,
        reinterpret_cast<const unsigned char *>(nonce.constData()), key.data());
    sealed.truncate(nonceSize + qsizetype(length));
    return sealed;
}

QByteArray seal(const SecretKey &key, const QByteArray &plaintext, const QByteArray &associatedData)
{
    return sealWithNonce(key, plaintext, associatedData, randomBytes(nonceSize));
}

std::optional<QByteArray> open(const SecretKey &key, const QByteArray &sealed, const QByteArray &associatedData)
{
    if (key.isNull() || sealed.size() < nonceSize + tagSize || !isReady())
        return std::nullopt;
    QByteArray plaintext(sealed.size() - nonceSize - tagSize, Qt::Uninitialized);
    unsigned long long length = 0;
    const auto *nonce = reinterpret_cast<const unsigned char *>(sealed.constData());
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char *>(plaintext.data()), &length, nullptr, nonce + nonceSize,
            size_t(sealed.size() - nonceSize), reinterpret_cast<const unsigned char *>(associatedData.constData()),
            size_t(associatedData.size()), nonce, key.data())
        != 0)
        return std::nullopt;
    plaintext.truncate(qsizetype(length));
    return plaintext;
}

} // namespace Sealing
