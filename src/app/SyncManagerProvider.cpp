#include "SyncManagerProvider.h"

#include "UnavailableCloudSyncManager.h"

namespace SyncManagerProvider {

namespace {

Provider &installedProvider()
{
    static Provider provider;
    return provider;
}

} // namespace

void install(Provider provider)
{
    installedProvider() = std::move(provider);
}

std::shared_ptr<SyncManagerProtocol> cloudSyncManager()
{
    if (const Provider &provider = installedProvider()) {
        if (std::shared_ptr<SyncManagerProtocol> manager = provider())
            return manager;
    }
    static const std::shared_ptr<SyncManagerProtocol> standIn = std::make_shared<UnavailableCloudSyncManager>();
    return standIn;
}

} // namespace SyncManagerProvider
