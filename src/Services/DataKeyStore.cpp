#include "DataKeyStore.h"

#include "platform/Utf8.h"
#include "platform/cloud/CredentialStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

// "key id:base64 of the key", as kept in the keyring and the file.
QString encode(const DataKeyStore::HeldKey &key)
{
    return key.keyID + QLatin1Char(':') + QString::fromLatin1(key.key.toByteArray().toBase64());
}

std::optional<DataKeyStore::HeldKey> decode(const QString &text)
{
    const QString keyID = text.section(QLatin1Char(':'), 0, 0);
    const SecretKey key = SecretKey::fromBytes(QByteArray::fromBase64(text.section(QLatin1Char(':'), 1).toLatin1()));
    if (keyID.isEmpty() || key.isNull())
        return std::nullopt;
    return DataKeyStore::HeldKey{keyID, key};
}

} // namespace

DataKeyStore::DataKeyStore(std::unique_ptr<CredentialStore> keyring, const QString &fileDirectory)
    : m_keyring(std::move(keyring)), m_fileDirectory(fileDirectory)
{
}

DataKeyStore::~DataKeyStore() = default;

QString DataKeyStore::keyringName(const QString &databaseUrl)
{
    return QStringLiteral("data-key ") + databaseUrl;
}

QString DataKeyStore::filePath() const
{
    return QDir(m_fileDirectory).filePath(QStringLiteral("DataKeys.json"));
}

std::optional<DataKeyStore::HeldKey> DataKeyStore::readFile(const QString &databaseUrl) const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(Utf8::parseJson(file.readAll()).object().value(databaseUrl).toString());
}

bool DataKeyStore::writeFile(const QString &databaseUrl, const std::optional<HeldKey> &key, QString *problem) const
{
    QJsonObject keys;
    if (QFile existing(filePath()); existing.open(QIODevice::ReadOnly))
        keys = Utf8::parseJson(existing.readAll()).object();
    if (key)
        keys.insert(databaseUrl, encode(*key));
    else if (!keys.contains(databaseUrl))
        return true;
    else
        keys.remove(databaseUrl);
    QDir().mkpath(m_fileDirectory);
    QSaveFile file(filePath());
    // Readable by the user alone from the moment it exists.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        || file.write(QJsonDocument(keys).toJson(QJsonDocument::Compact)) < 0 || !file.commit()) {
        *problem = file.errorString();
        return false;
    }
    return true;
}

void DataKeyStore::read(const QString &databaseUrl, ReadCompletion completion)
{
    // A file of this device's own comes first: where it exists no keyring answered before, and
    // asking one that is not there can take long.
    if (const auto inFile = readFile(databaseUrl)) {
        completion(inFile);
        return;
    }
    m_keyring->read(keyringName(databaseUrl), [completion](const CredentialStore::Result &result) {
        completion(result.ok ? decode(result.password) : std::nullopt);
    });
}

void DataKeyStore::write(const QString &databaseUrl, const HeldKey &key, WriteCompletion completion)
{
    m_keyring->write(keyringName(databaseUrl), encode(key), [this, databaseUrl, key, completion](const CredentialStore::Result &result) {
        if (result.ok) {
            QString ignored;
            writeFile(databaseUrl, std::nullopt, &ignored); // one place only
            completion(true, QString());
            return;
        }
        if (!result.unavailable) {
            completion(false, result.problem);
            return;
        }
        QString problem;
        const bool written = writeFile(databaseUrl, key, &problem);
        completion(written, problem);
    });
}

void DataKeyStore::remove(const QString &databaseUrl)
{
    m_keyring->remove(keyringName(databaseUrl), [](const CredentialStore::Result &) {});
    QString ignored;
    writeFile(databaseUrl, std::nullopt, &ignored);
}
