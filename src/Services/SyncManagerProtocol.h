#pragma once

#include <QString>

class ShareItem;

// The sync interface the list model and the application shell call. One real implementation
// talks to the cloud; a test implementation completes at once without reaching it.
//
// Every operation is called on the main thread, returns at once and reports nothing to its
// caller: outcomes show up as item sync statuses, saves of the main context and the two
// notifications below. An implementation that announces a download pass with the start
// notification must always post the finish notification for it, or the list model keeps its
// "syncing" state.
class SyncManagerProtocol
{
public:
    virtual ~SyncManagerProtocol() = default;

    // Starts an upload of every item whose status or deletion mark asks for one.
    virtual void uploadPendingItems() = 0;
    // Starts a download pass: posts the start notification, fetches and merges, posts the finish one.
    virtual void downloadItems() = 0;
    // Re-queues one item and starts an upload. `item` belongs to the main context.
    virtual void retry(ShareItem *item) = 0;

protected:
    SyncManagerProtocol() = default;
    SyncManagerProtocol(const SyncManagerProtocol &) = default;
    SyncManagerProtocol &operator=(const SyncManagerProtocol &) = default;
};

// Process-wide notifications of a download pass, posted on the default notification centre
// with no sender.
namespace CloudSyncNotification {
// At the start of every download pass; no user info.
inline const QString didStart = QStringLiteral("StashlineCloudSyncDidStart");
// At the end of every download pass that was started; on failure the user info holds
// `errorMessageKey` with the error's description as text, on success no user info.
inline const QString didFinish = QStringLiteral("StashlineCloudSyncDidFinish");
inline const QString errorMessageKey = QStringLiteral("errorMessage");
inline const QString abandonedKey = QStringLiteral("abandoned");
} // namespace CloudSyncNotification

// Process-wide notifications of an upload pass, posted on the default notification centre with
// no sender, so screens animate only while an upload is in flight. didFinish carries
// `confirmedKey` true when the pass confirmed at least one item in the cloud.
namespace CloudUploadNotification {
inline const QString didStart = QStringLiteral("StashlineCloudUploadDidStart");
inline const QString didFinish = QStringLiteral("StashlineCloudUploadDidFinish");
inline const QString confirmedKey = QStringLiteral("confirmed");
} // namespace CloudUploadNotification
