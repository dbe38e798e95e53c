#pragma once

#include "platform/cloud/CloudCallbacks.h"

class CloudConnection;

// One query for every record of a type, in one answer without a page limit
// (GET _all_docs?include_docs=true, matched on "recordType"), then each matched record's
// pictures downloaded into files in `assetDirectory` through AssetDownloader, all before the
// first record is handed over. Records are handed over one at a time, all before result. A
// record whose picture cannot be downloaded, decoded or written is reported through
// recordMatched with the error. A success answer without a list of rows is the request's error.
// Worker thread only; callbacks there.
class QueryOperation
{
public:
    static void start(CloudConnection *connection, const QString &recordType, const QString &assetDirectory,
                      CloudCallbacks::PerRecord recordMatched, CloudCallbacks::Result result,
                      const QHash<QString, QString> &knownDigests = {});
};
