#include "SecretKey.h"

#include "Sealing.h"

#include <sodium.h>

struct SecretKey::Guarded {
    Guarded() : bytes(static_cast<unsigned char *>(sodium_malloc(size))) {}
    ~Guarded() { sodium_free(bytes); } // wipes before it frees
    Guarded(const Guarded &) = delete;
    Guarded &operator=(const Guarded &) = delete;
    unsigned char *bytes;
};

SecretKey SecretKey::random()
{
    if (!Sealing::isReady())
        return {};
    SecretKey key;
    key.m_bytes = std::make_shared<Guarded>();
    if (!key.m_bytes->bytes)
        return {};
    randombytes_buf(key.m_bytes->bytes, size);
    return key;
}

SecretKey SecretKey::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() != size || !Sealing::isReady())
        return {};
    SecretKey key;
    key.m_bytes = std::make_shared<Guarded>();
    if (!key.m_bytes->bytes)
        return {};
    std::copy(bytes.cbegin(), bytes.cend(), key.m_bytes->bytes);
    return key;
}

const unsigned char *SecretKey::data() const
{
    return m_bytes ? m_bytes->bytes : nullptr;
}

QByteArray SecretKey::toByteArray() const
{
    return m_bytes ? QByteArray(reinterpret_cast<const char *>(m_bytes->bytes), size) : QByteArray();
}

bool operator==(const SecretKey &a, const SecretKey &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return sodium_memcmp(a.data(), b.data(), SecretKey::size) == 0;
}
