#pragma once

#include "CloudDatabaseProtocol.h"

#include <QObject>
#include <QPointer>

#include <functional>

class ManagedObjectContext;

// Decides, before each sync pass, whether this device may sync with the account's database and
// how: plain (no key document), sealed under the database's key (the device holds it: unlocked),
// not at all (locked: the database is encrypted and the device does not hold its key, or a
// database this device knew as encrypted has lost its key document, which is never taken as
// leave to write plain text), or somewhere else (the account moved to another database).
//
// It remembers per account the key id it last synced under (store metadata). Unlocked under
// another key than that one, the device reads the database from the start, so records that
// could not be opened before are read again; when the new key replaced one it knew (the account
// was started over on another device) the device also forgets the revisions it holds and rejoins
// the account like a database made anew: it takes what the cloud holds, keeps what the cloud
// lost, and never takes the erased documents for deletions (DownloadPass::rejoinKey).
//
// Posts CloudKeyNotification::didChange after each check, for SyncActivity. Main thread.
class EncryptionGate
{
public:
    enum class State { plain, unlocked, locked, moved };
    enum class LockReason { none, passphrase, newKey, keyMissing };

    struct Outcome {
        std::optional<CloudError> error; // the key document could not be read: the pass fails with it
        State state = State::plain;
        LockReason reason = LockReason::none;
        QString keyID;
        QString movedTo;
        bool keyChanged = false;  // unlocked under another key than the last one used here
        bool startedOver = false; // and that key replaced one this device knew
    };

    EncryptionGate(CloudContainerProtocol &container, ManagedObjectContext &store);

    // The rule, pure: what the database's key state means for a device that last synced under
    // `rememberedKeyID` (empty: never under a key).
    static Outcome decide(const CloudDatabaseProtocol::KeyState &keyState, const QString &rememberedKeyID);

    // Reads the key state, decides, sets how records are written, remembers a new key (resetting
    // the download checkpoint, and on a start-over the items' revisions), posts the notification
    // and calls `then` on the main thread, unless `owner` is gone by then.
    void check(QObject *owner, std::function<void(const Outcome &outcome)> then);

    // The account was started over (its documents erased, a new key made): the items' revisions
    // are forgotten and the next download, from the start, rejoins (DownloadPass::rejoinKey).
    void rejoin();

    // The last outcome's state; plain before the first check.
    State state() const { return m_state; }

    static QString rememberedKeyKey(const QString &accountIdentifier);
    static QString reasonName(LockReason reason);

private:
    void apply(const Outcome &outcome);

    CloudContainerProtocol &m_container;
    ManagedObjectContext &m_store;
    State m_state = State::plain;
};

// Process-wide notification of the key check, posted on the default notification centre with no
// sender: `lockedKey` true while the database is locked on this device, with `reasonKey` the
// reason ("passphrase", "newKey", "keyMissing").
namespace CloudKeyNotification {
inline const QString didChange = QStringLiteral("StashlineCloudKeyDidChange");
inline const QString lockedKey = QStringLiteral("locked");
inline const QString reasonKey = QStringLiteral("reason");
} // namespace CloudKeyNotification
