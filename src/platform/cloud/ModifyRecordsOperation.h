#pragma once

#include "platform/cloud/CloudCallbacks.h"

class CloudConnection;

// One modify request. With CloudSavePolicy::allKeys it writes every record over the server copy
// without a version check: it reads the current revisions (POST _all_docs with keys, in chunks
// side by side), then writes all documents in one POST _bulk_docs. With
// ifServerRecordUnchanged it writes each record over the revision in its change tag, in one
// POST _bulk_docs, and the server refuses a record whose document moved on. A record that cannot be encoded (bad name, another zone, unreadable asset)
// fails alone; a document the server refuses fails alone with its error (a write that lost a
// race against another writer is "server record changed"). A record that names revisions to
// delete (CloudRecord::revisionsToDelete) deletes those leaves of its document in the same
// request; whether a leaf was still there to delete does not change the record's outcome.
// perRecord is called once per
// record, then result once. Worker thread only; callbacks on the worker thread.
class ModifyRecordsOperation
{
public:
    // Called between reading revisions and writing; the write starts when `proceed` is called
    // (from any thread). For tests that race a second writer.
    using RevisionsReadHook = std::function<void(std::function<void()> proceed)>;

    static void start(CloudConnection *connection, const QList<CloudRecord> &records, const QString &deviceID,
                      CloudCallbacks::PerRecord perRecord, CloudCallbacks::ModifyResult result,
                      RevisionsReadHook revisionsReadHook = {},
                      CloudSavePolicy savePolicy = CloudSavePolicy::allKeys);
};
