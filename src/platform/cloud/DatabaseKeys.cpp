#include "DatabaseKeys.h"

void DatabaseKeys::addKey(const QString &keyID, const SecretKey &key)
{
    std::lock_guard lock(m_mutex);
    m_keys.insert(keyID, key);
}

void DatabaseKeys::forgetKeys()
{
    std::lock_guard lock(m_mutex);
    m_keys.clear();
    if (m_mode == Mode::sealed)
        m_mode = Mode::locked;
}

std::optional<SecretKey> DatabaseKeys::key(const QString &keyID) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_keys.constFind(keyID);
    return found == m_keys.cend() ? std::nullopt : std::optional(*found);
}

bool DatabaseKeys::holdsKey(const QString &keyID) const
{
    std::lock_guard lock(m_mutex);
    return m_keys.contains(keyID);
}

void DatabaseKeys::setMode(Mode mode, const QString &writingKeyID)
{
    std::lock_guard lock(m_mutex);
    // Sealing needs the key: without it nothing is written, never plain text.
    m_mode = mode == Mode::sealed && !m_keys.contains(writingKeyID) ? Mode::locked : mode;
    m_writingKeyID = m_mode == Mode::sealed ? writingKeyID : QString();
}

DatabaseKeys::Mode DatabaseKeys::mode() const
{
    std::lock_guard lock(m_mutex);
    return m_mode;
}

std::optional<std::pair<QString, SecretKey>> DatabaseKeys::writingKey() const
{
    std::lock_guard lock(m_mutex);
    if (m_mode != Mode::sealed)
        return std::nullopt;
    return std::pair(m_writingKeyID, m_keys.value(m_writingKeyID));
}

void DatabaseKeys::setAcceptsPlainRecords(bool accepts)
{
    std::lock_guard lock(m_mutex);
    m_acceptsPlain = accepts;
}

bool DatabaseKeys::acceptsPlainRecords() const
{
    std::lock_guard lock(m_mutex);
    return m_mode == Mode::plain || m_acceptsPlain;
}

void DatabaseKeys::setSyncHeld(bool held)
{
    std::lock_guard lock(m_mutex);
    m_syncHeld = held;
}

bool DatabaseKeys::isSyncHeld() const
{
    std::lock_guard lock(m_mutex);
    return m_syncHeld;
}
