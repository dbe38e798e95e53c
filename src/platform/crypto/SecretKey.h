#pragma once

#include <QByteArray>

#include <memory>

// A 256-bit secret key in memory that libsodium guards (kept out of swap where the system
// allows, wiped when the last copy is gone). Copies share the same bytes; the bytes never
// change. A default-constructed key is null. Value type; any thread.
class SecretKey
{
public:
    static constexpr int size = 32;

    SecretKey() = default;

    // A fresh random key.
    static SecretKey random();
    // A key of exactly `size` bytes; null for any other length. The caller wipes its own copy.
    static SecretKey fromBytes(const QByteArray &bytes);

    bool isNull() const { return !m_bytes; }
    const unsigned char *data() const;
    // A copy of the bytes, for the keyring and the wrapped key only.
    QByteArray toByteArray() const;

    friend bool operator==(const SecretKey &a, const SecretKey &b);

private:
    struct Guarded;
    std::shared_ptr<Guarded> m_bytes;
};
