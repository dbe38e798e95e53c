#pragma once

#include "platform/cloud/CloudCallbacks.h"

class CloudConnection;

// One fetch of records by ID, with their assets downloaded into `assetDirectory`
// (POST _all_docs?include_docs=true with keys, in chunks through KeysLookup, each picture
// downloaded on its own through AssetDownloader). perRecord is called once per requested ID, in
// request order: the record (with its other leaves when replication left several branches), a
// tombstone record for a document the database deleted, "unknown item" for a missing one, or the
// error that kept the record from being read (a failed picture download included). Then result once: no error when the request
// itself succeeded (per-ID failures are reported only through perRecord), else the request's
// error (and perRecord is not called); a success answer without a list of rows is an error.
// A picture whose digest `knownDigests` holds for its record is not downloaded: the record
// carries a stub asset with that digest. Worker thread only; callbacks there.
class FetchRecordsOperation
{
public:
    static void start(CloudConnection *connection, const QList<CloudRecordID> &ids, const QString &assetDirectory,
                      CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result result,
                      const QHash<QString, QString> &knownDigests = {});
};
