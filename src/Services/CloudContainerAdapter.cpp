#include "CloudContainerAdapter.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"

CloudContainerAdapter &CloudContainerAdapter::shared()
{
    static CloudContainerAdapter *adapter =
        new CloudContainerAdapter(std::make_unique<CloudContainer>(CloudContainer::defaultIdentifier));
    return *adapter;
}

CloudContainerAdapter::CloudContainerAdapter(std::unique_ptr<CloudContainer> container)
    : m_container(std::move(container))
{
}

CloudContainerAdapter::~CloudContainerAdapter() = default;

QString CloudContainerAdapter::containerIdentifier() const
{
    return m_container->containerIdentifier();
}

void CloudContainerAdapter::fetchUserRecordID(CloudCallbacks::UserRecordID completion)
{
    m_container->fetchUserRecordID(std::move(completion));
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

void CloudContainerAdapter::fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                                         CloudCallbacks::Result completion)
{
    m_container->privateCloudDatabase().fetchRecords(ids, std::move(perRecord), std::move(completion));
}

void CloudContainerAdapter::queryRecords(const QString &recordType, CloudCallbacks::PerRecord perRecord,
                                         CloudCallbacks::Result completion)
{
    m_container->privateCloudDatabase().queryRecords(recordType, std::move(perRecord), std::move(completion));
}

void CloudContainerAdapter::saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion)
{
    m_container->privateCloudDatabase().saveSubscription(subscription, std::move(completion));
}
