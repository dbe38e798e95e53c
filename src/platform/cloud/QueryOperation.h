#pragma once

#include "platform/cloud/CloudCallbacks.h"

class CloudConnection;

// One query for every record of a type, in one answer without a page limit
// (GET _all_docs?include_docs=true&attachments=true, matched on "recordType"). Each matched
// record's assets are written to files in `assetDirectory` before recordMatched is called for
// it; records are handed over one at a time, all before result. A record whose assets cannot
// be decoded or written is reported through recordMatched with the error. Worker thread only;
// callbacks there.
class QueryOperation
{
public:
    static void start(CloudConnection *connection, const QString &recordType, const QString &assetDirectory,
                      CloudCallbacks::PerRecord recordMatched, CloudCallbacks::Result result);
};
