#pragma once

#include "platform/cloud/CloudError.h"

#include <functional>
#include <optional>

class CloudConnection;

// Work on the database as a whole. Worker thread only; `done` is called there, once.
class DatabaseMaintenance
{
public:
    using Completion = std::function<void(const std::optional<CloudError> &error)>;

    // Compacts the database (POST _compact) and waits until the server has finished: afterwards
    // only the leaves of each document keep their bodies and attachments; earlier revisions are
    // names without contents. "permission failure" (or "not authenticated") when the account may
    // not compact; the server's own error otherwise. Gives up after `patienceMilliseconds`.
    static void compact(CloudConnection *connection, Completion done, int patienceMilliseconds = 30 * 60 * 1000);

    // Deletes every document but design documents and the key document, every branch of each:
    // the database is left as empty as the account can make it, under the key it has now.
    static void eraseDocuments(CloudConnection *connection, Completion done);
};
