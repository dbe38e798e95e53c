#pragma once

#include "Services/SyncManagerProtocol.h"

#include <functional>
#include <memory>

// Where a normal run gets its process-wide cloud sync interface. The cloud engine installs its
// shared instance here at start-up; until something is installed, the stand-in
// UnavailableCloudSyncManager is used. Main thread only.
namespace SyncManagerProvider {

using Provider = std::function<std::shared_ptr<SyncManagerProtocol>()>;

// Replaces the provider. Call before the first list model is built; a null provider restores
// the stand-in.
void install(Provider provider);

// The installed provider's sync interface, else the one stand-in of the process (created once).
std::shared_ptr<SyncManagerProtocol> cloudSyncManager();

} // namespace SyncManagerProvider
