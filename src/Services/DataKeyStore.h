#pragma once

#include "platform/crypto/SecretKey.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class CredentialStore;

// Where this device keeps the data key of an encrypted account, never the passphrase: the
// desktop's keyring (a CredentialStore) under "data-key " and the database URL, or, where no
// keyring answers (a machine without a desktop), a file readable by the user alone
// (DataKeys.json, mode 0600) in the group directory of this device's store. Every operation
// ends with one completion on the main thread. Main thread.
class DataKeyStore
{
public:
    struct HeldKey {
        QString keyID;
        SecretKey key;
    };
    using ReadCompletion = std::function<void(const std::optional<HeldKey> &key)>;
    using WriteCompletion = std::function<void(bool ok, const QString &problem)>;

    DataKeyStore(std::unique_ptr<CredentialStore> keyring, const QString &fileDirectory);
    ~DataKeyStore();

    // The key held for `databaseUrl` (the URL without credentials), none when there is none.
    void read(const QString &databaseUrl, ReadCompletion completion);
    void write(const QString &databaseUrl, const HeldKey &key, WriteCompletion completion);
    void remove(const QString &databaseUrl);

    // The name of a key in the keyring.
    static QString keyringName(const QString &databaseUrl);

private:
    std::optional<HeldKey> readFile(const QString &databaseUrl) const;
    bool writeFile(const QString &databaseUrl, const std::optional<HeldKey> &key, QString *problem) const;
    QString filePath() const;

    std::unique_ptr<CredentialStore> m_keyring;
    QString m_fileDirectory;
};
