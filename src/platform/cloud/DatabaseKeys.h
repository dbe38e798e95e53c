#pragma once

#include "platform/crypto/SecretKey.h"

#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

// The data keys this device holds for one database, and how records are written and read there.
// Plain (the database is not encrypted): records are written and read as they are. Sealed:
// records are written sealed under the key of `writingKeyID`, and a record that comes unsealed is
// not taken (a server could otherwise slip in records of its own), unless plain records are
// accepted for a while (this device is sealing the plain records of an account itself). Locked
// (the database is encrypted, and this device does not hold the key): nothing is written at all.
//
// Set from the main thread, read by the cloud layer's worker thread: every member is guarded by
// one mutex; copies of keys are handed out.
class DatabaseKeys
{
public:
    enum class Mode { plain, sealed, locked };

    void addKey(const QString &keyID, const SecretKey &key);
    void forgetKeys();
    std::optional<SecretKey> key(const QString &keyID) const;
    bool holdsKey(const QString &keyID) const;

    // Sealed with the key of `keyID` (which must be held), plain, or locked.
    void setMode(Mode mode, const QString &writingKeyID = {});
    Mode mode() const;
    // The key id and key records are sealed with; none unless the mode is sealed.
    std::optional<std::pair<QString, SecretKey>> writingKey() const;

    // While held, the sync engine neither applies nor uploads anything (the account is being
    // started over here), whatever the key document says.
    void setSyncHeld(bool held);
    bool isSyncHeld() const;

    void setAcceptsPlainRecords(bool accepts);
    // Whether an unsealed record is taken: always in a plain database, in a sealed one only while
    // this device seals the account's plain records.
    bool acceptsPlainRecords() const;

private:
    mutable std::mutex m_mutex; // guards everything below
    QHash<QString, SecretKey> m_keys;
    Mode m_mode = Mode::plain;
    QString m_writingKeyID;
    bool m_acceptsPlain = false;
    bool m_syncHeld = false;
};
