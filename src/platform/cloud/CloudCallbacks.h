#pragma once

#include "platform/cloud/CloudError.h"
#include "platform/cloud/CloudRecord.h"

#include <QList>

#include <functional>
#include <optional>

// How a modify writes a record over the server copy.
enum class CloudSavePolicy {
    // Only over the revision the record carries as its change tag (no tag: only where no live
    // copy exists). A record whose server copy moved on fails alone with "server record changed".
    ifServerRecordUnchanged = 0,
    // Every key over whatever revision is current, without a version check.
    allKeys = 2,
};

// Completion types of the cloud database. All are called on the cloud layer's worker thread.
namespace CloudCallbacks {

// One record's outcome: the record, or the error for its ID.
using PerRecord = std::function<void(const CloudRecordID &id, const std::optional<CloudRecord> &record,
                                     const std::optional<CloudError> &error)>;
// The overall outcome of an operation: no error, or the error.
using Result = std::function<void(const std::optional<CloudError> &error)>;
// The overall outcome of a modify: the records saved (with their new change tags), and no
// error, or a partial failure with the error of each record that was not saved, or the error
// that stopped the whole request.
using ModifyResult = std::function<void(const QList<CloudRecord> &savedRecords, const std::optional<CloudError> &error)>;
// The user's record ID, or an error.
using UserRecordID = std::function<void(const std::optional<CloudRecordID> &id, const std::optional<CloudError> &error)>;

} // namespace CloudCallbacks
