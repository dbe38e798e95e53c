#pragma once

#include "platform/cloud/CloudError.h"

#include <QJsonArray>
#include <QStringList>

#include <functional>
#include <optional>

class CloudConnection;

// Looks documents up by ID (POST _all_docs with "keys", with include_docs when asked), split
// into chunks of at most chunkSize keys that are sent side by side: the server answers several
// small lookups together much sooner than one large one. Always sends at least one request, so
// an empty lookup still meets a missing account or an unreachable server. `chunkRows` gets the
// rows of each chunk as it arrives; `done` is called once at the end: no error, or the first
// error (a chunk that failed, or answered without a list of rows), after which no chunkRows
// follows. Worker thread only; callbacks there.
class KeysLookup
{
public:
    static constexpr int chunkSize = 125;

    static void start(CloudConnection *connection, const QStringList &keys, bool includeDocs,
                      std::function<void(const QJsonArray &rows)> chunkRows, std::function<void(const std::optional<CloudError> &)> done);
};
