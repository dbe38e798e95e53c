#include "EncryptionGate.h"

#include "DownloadPass.h"
#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "platform/ManagedObjectContext.h"
#include "platform/NotificationCenter.h"
#include "store/ShareItem.h"

EncryptionGate::EncryptionGate(CloudContainerProtocol &container, ManagedObjectContext &store)
    : m_container(container), m_store(store)
{
}

QString EncryptionGate::rememberedKeyKey(const QString &accountIdentifier)
{
    return QStringLiteral("encryptionKey ") + accountIdentifier;
}

QString EncryptionGate::reasonName(LockReason reason)
{
    switch (reason) {
    case LockReason::none:
        return {};
    case LockReason::passphrase:
        return QStringLiteral("passphrase");
    case LockReason::newKey:
        return QStringLiteral("newKey");
    case LockReason::keyMissing:
        return QStringLiteral("keyMissing");
    }
    return {};
}

EncryptionGate::Outcome EncryptionGate::decide(const CloudDatabaseProtocol::KeyState &keyState, const QString &rememberedKeyID)
{
    Outcome outcome;
    if (keyState.error) {
        outcome.error = keyState.error;
        return outcome;
    }
    outcome.keyID = keyState.keyID;
    if (keyState.isSyncHeld) {
        outcome.state = State::locked; // reason none: this device is starting the account over
    } else if (!keyState.movedTo.isEmpty()) {
        outcome.state = State::moved;
        outcome.movedTo = keyState.movedTo;
    } else if (!keyState.isEncrypted) {
        // A database known as encrypted that shows no key is never written plain.
        outcome.state = rememberedKeyID.isEmpty() ? State::plain : State::locked;
        outcome.reason = rememberedKeyID.isEmpty() ? LockReason::none : LockReason::keyMissing;
    } else if (keyState.holdsKey) {
        outcome.state = State::unlocked;
        outcome.keyChanged = keyState.keyID != rememberedKeyID;
        outcome.startedOver = outcome.keyChanged && !rememberedKeyID.isEmpty();
    } else {
        outcome.state = State::locked;
        const bool knewAnother = !rememberedKeyID.isEmpty() && rememberedKeyID != keyState.keyID;
        outcome.reason = knewAnother ? LockReason::newKey : LockReason::passphrase;
    }
    return outcome;
}

void EncryptionGate::check(QObject *owner, std::function<void(const Outcome &outcome)> then)
{
    QPointer<QObject> guard(owner);
    m_container.privateCloudDatabase().readKeyState([this, guard, then](const CloudDatabaseProtocol::KeyState &keyState) {
        MainQueue::async([this, guard, then, keyState] {
            if (!guard)
                return;
            const QString account = m_container.accountIdentifier();
            const Outcome outcome = decide(keyState, m_store.metadata(rememberedKeyKey(account)));
            apply(outcome);
            then(outcome);
        });
    });
}

void EncryptionGate::rejoin()
{
    const QString account = m_container.accountIdentifier();
    // The revisions belong to documents the start-over erased: uploads go as new documents, and
    // the next download, from the start, rejoins.
    m_store.setMetadata(DownloadPass::checkpointKey(account), QString());
    m_store.setMetadata(DownloadPass::rejoinKey(account), QStringLiteral("1"));
    for (ManagedObject *object : m_store.execute(ShareItem::fetchRequest()).objects)
        static_cast<ShareItem *>(object)->setCloudRevision(QString());
    if (const auto error = m_store.save())
        AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Could not save the account's key state"), error->description);
}

void EncryptionGate::apply(const Outcome &outcome)
{
    if (outcome.error)
        return; // nothing is known: the pass fails, the state stays
    m_state = outcome.state;
    CloudDatabaseProtocol &database = m_container.privateCloudDatabase();
    switch (outcome.state) {
    case State::plain:
        database.setWriteMode(DatabaseKeys::Mode::plain, {});
        break;
    case State::unlocked:
        database.setWriteMode(DatabaseKeys::Mode::sealed, outcome.keyID);
        break;
    case State::locked:
    case State::moved:
        database.setWriteMode(DatabaseKeys::Mode::locked, {});
        break;
    }
    if (outcome.keyChanged) {
        const QString account = m_container.accountIdentifier();
        AppLogger::info(AppLogger::cloudKit(), outcome.startedOver
                                                   ? QStringLiteral("The account was started over under a new key; rejoining it")
                                                   : QStringLiteral("Syncing under the account's key; reading it from the start"));
        m_store.setMetadata(rememberedKeyKey(account), outcome.keyID);
        m_store.setMetadata(DownloadPass::checkpointKey(account), QString());
        if (outcome.startedOver)
            rejoin();
        else if (const auto error = m_store.save())
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Could not save the account's key state"), error->description);
    }
    NotificationCenter::defaultCenter().post(CloudKeyNotification::didChange, nullptr,
                                             {{CloudKeyNotification::lockedKey, outcome.state == State::locked},
                                              {CloudKeyNotification::reasonKey, reasonName(outcome.reason)}});
}
