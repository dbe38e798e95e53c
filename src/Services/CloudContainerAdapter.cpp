#include "CloudContainerAdapter.h"

#include "AccountManager.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "store/ImageManager.h"

CloudContainerAdapter &CloudContainerAdapter::shared()
{
    static CloudContainerAdapter *adapter = [] {
        auto *created = new CloudContainerAdapter(
            std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, AccountManager::shared().account()));
        // Downloads land beside the pictures, so moving one into place is a rename on one file
        // system, and what a killed run left is cleaned up with them.
        created->container().privateCloudDatabase().setAssetDirectory(ImageManager::shared().imagesDirectoryURL()
                                                                      + QStringLiteral("/.incoming"));
        return created;
    }();
    return *adapter;
}

CloudContainerAdapter::CloudContainerAdapter(std::unique_ptr<CloudContainer> container)
    : m_container(std::move(container))
{
}

CloudContainerAdapter::~CloudContainerAdapter() = default;

void CloudContainerAdapter::replaceAccount(const CloudAccount &account)
{
    const QString deviceID = m_container->deviceID();
    const QString assetDirectory = m_container->privateCloudDatabase().assetDirectory();
    m_container.reset();
    m_container = std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier, account, deviceID);
    m_container->privateCloudDatabase().setAssetDirectory(assetDirectory);
}

QString CloudContainerAdapter::containerIdentifier() const
{
    return m_container->containerIdentifier();
}

void CloudContainerAdapter::fetchUserRecordID(CloudCallbacks::UserRecordID completion)
{
    m_container->fetchUserRecordID(std::move(completion));
}

QString CloudContainerAdapter::accountIdentifier() const
{
    return m_container->account().displayUrl();
}

int CloudContainerAdapter::databaseScope() const
{
    return m_container->privateCloudDatabase().databaseScope();
}

void CloudContainerAdapter::modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion)
{
    m_container->privateCloudDatabase().modifyRecords(records, {}, std::move(completion),
                                                      CloudSavePolicy::ifServerRecordUnchanged);
}

void CloudContainerAdapter::fetchRecords(const QList<CloudRecordID> &ids, const KnownDigests &knownDigests,
                                         CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result completion)
{
    m_container->privateCloudDatabase().fetchRecords(ids, std::move(perRecord), std::move(completion), knownDigests);
}

void CloudContainerAdapter::fetchChanges(const QString &recordType, const QString &since, const KnownDigests &knownDigests,
                                         ChangesOperation::PageCallback page, CloudCallbacks::Result completion)
{
    m_container->privateCloudDatabase().fetchChanges(recordType, since, knownDigests, std::move(page), std::move(completion));
}

void CloudContainerAdapter::saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion)
{
    m_container->privateCloudDatabase().saveSubscription(subscription, std::move(completion));
}

void CloudContainerAdapter::readKeyState(std::function<void(const KeyState &state)> completion)
{
    CloudDatabase &database = m_container->privateCloudDatabase();
    database.fetchKeyDocument([completion, keys = &database.keys()](const KeyDocumentOperation::Result &result) {
        KeyState state;
        state.error = result.error;
        state.isSyncHeld = keys->isSyncHeld();
        if (result.document) {
            state.isEncrypted = true;
            state.keyID = result.document->keyID();
            state.movedTo = result.document->movedTo();
            state.holdsKey = keys->holdsKey(state.keyID);
        }
        completion(state);
    });
}

void CloudContainerAdapter::setWriteMode(DatabaseKeys::Mode mode, const QString &keyID)
{
    m_container->privateCloudDatabase().keys().setMode(mode, keyID);
}
