#include "EncryptionManager.h"

#include "CloudContainerAdapter.h"
#include "diagnostics/AppLogger.h"
#include "platform/GroupDirectory.h"
#include "platform/MainQueue.h"
#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/KeyringCredentialStore.h"

#include <QEventLoop>
#include <QScopeGuard>
#include <QThreadPool>
#include <QTimer>

namespace {

QString localized(const char *id, const char *english)
{
    return CloudError::localized(id, english);
}

QString wrongPassphrase()
{
    return localized("encryption.error.wrongPassphrase",
                     "That passphrase does not open this account's key. Nothing was changed.");
}

QString otherKeyFirst()
{
    return localized("encryption.error.otherKeyFirst",
                     "Another device encrypted this account first, with another passphrase. Enter that passphrase to "
                     "sync here.");
}

QString changedElsewhere()
{
    return localized("encryption.error.changedElsewhere",
                     "The account's key was changed on another device meanwhile. Enter its passphrase, then try again.");
}

} // namespace

EncryptionManager &EncryptionManager::shared()
{
    static EncryptionManager *manager = [] {
        const QString directory = GroupDirectory::path().value_or(QString());
        auto database = [] { return &CloudContainerAdapter::shared().container().privateCloudDatabase(); };
        auto account = [] {
            const CloudAccount &current = CloudContainerAdapter::shared().container().account();
            return current.isValid() ? Account{current.displayUrl(), current.databaseName()} : Account{};
        };
        auto *created = new EncryptionManager(std::make_unique<DataKeyStore>(std::make_unique<KeyringCredentialStore>(), directory),
                                              directory, database, account);
        created->load();
        return created;
    }();
    return *manager;
}

EncryptionManager::EncryptionManager(std::unique_ptr<DataKeyStore> keys, const QString &stateDirectory,
                                     std::function<CloudDatabase *()> database, std::function<Account()> account, QObject *parent)
    : QObject(parent), m_keys(std::move(keys)), m_progress(stateDirectory), m_database(std::move(database)),
      m_account(std::move(account))
{
}

EncryptionManager::~EncryptionManager() = default;

template<typename Result>
void EncryptionManager::inBackground(std::function<Result()> work, std::function<void(const Result &)> then)
{
    QPointer<EncryptionManager> self(this);
    const quint64 generation = m_generation;
    QThreadPool::globalInstance()->start([work = std::move(work), then = std::move(then), self, generation] {
        const Result result = work();
        MainQueue::async([then, result, self, generation] {
            if (self && self->m_generation == generation)
                then(result);
        });
    });
}

void EncryptionManager::load(int waitMilliseconds)
{
    ++m_generation; // answers for the account before are dropped from here on
    m_heldKeyID.clear();
    m_message.clear();
    m_activity.clear();
    const Account account = m_account();
    if (account.databaseUrl.isEmpty()) {
        m_note = {};
        setState(QStringLiteral("none"));
        return;
    }
    m_note = m_progress.read(account.databaseUrl);
    // A move this device began goes on before anything syncs here: a pass would follow it to
    // the new database before the old one is emptied.
    if (!m_note.movingTo.isEmpty())
        m_database()->keys().setSyncHeld(true);
    setState(QStringLiteral("unknown"));
    // The key is taken whenever the keyring answers; the engine starts right after this, so
    // waiting here spares it a first pass that finds the account locked.
    auto loop = std::make_shared<QEventLoop>();
    auto answered = std::make_shared<bool>(false);
    QPointer<EncryptionManager> self(this);
    const quint64 generation = m_generation;
    m_keys->read(account.databaseUrl, [self, generation, answered, weakLoop = std::weak_ptr<QEventLoop>(loop)](
                                          const std::optional<DataKeyStore::HeldKey> &held) {
        *answered = true;
        if (self && self->m_generation == generation) {
            if (held) {
                self->m_database()->keys().addKey(held->keyID, held->key);
                self->m_heldKeyID = held->keyID;
            }
            self->refresh();
            if (held)
                emit self->keysChanged();
        }
        if (const auto waiting = weakLoop.lock())
            waiting->quit();
    });
    if (!*answered && waitMilliseconds > 0) {
        QTimer::singleShot(waitMilliseconds, loop.get(), &QEventLoop::quit);
        loop->exec();
    }
}

void EncryptionManager::refreshThen(std::function<void()> then)
{
    if (m_account().databaseUrl.isEmpty()) {
        setState(QStringLiteral("none"));
        if (then)
            then();
        return;
    }
    withKeyDocument([this, then](const KeyDocumentOperation::Result &result) {
        const auto done = qScopeGuard([then] {
            if (then)
                then();
        });
        if (result.error) {
            setState(QStringLiteral("unknown"));
            if (!m_note.movingTo.isEmpty())
                resumeMoveLater();
            return;
        }
        if (!result.document)
            setState(QStringLiteral("plain"));
        else
            setState(result.document->keyID() == m_heldKeyID ? QStringLiteral("unlocked") : QStringLiteral("locked"));
        // Sealing or a move a run before did not finish (the app quit, the network went): it
        // goes on. Without the key it cannot, and sync follows wherever the account is.
        if (isBusy()) {
            return; // the step that runs goes on
        } else if (m_state != QLatin1String("unlocked")) {
            if (!m_note.movingTo.isEmpty())
                m_database()->keys().setSyncHeld(false);
        } else if (m_note.sealingUnfinished && begin(QStringLiteral("sealing"))) {
            seal(false);
        } else if (!m_note.movingTo.isEmpty() && begin(QStringLiteral("moving"))) {
            moveDatabase();
        }
    });
}

bool EncryptionManager::checkPassphrase(const QString &passphrase)
{
    if (m_account().databaseUrl.isEmpty()) {
        m_message = localized("encryption.error.noAccount", "Sign in to an account first.");
    } else if (passphrase.size() < minimumPassphraseLength) {
        m_message = localized("encryption.error.shortPassphrase", "Choose a passphrase of at least %1 characters.")
                        .arg(minimumPassphraseLength);
    } else {
        return true;
    }
    emit changed();
    emit finished(false, m_message);
    return false;
}

void EncryptionManager::encrypt(const QString &passphrase)
{
    if (!checkPassphrase(passphrase) || !begin(QStringLiteral("encrypting")))
        return;
    withKeyDocument([this, passphrase](const KeyDocumentOperation::Result &result) {
        if (result.error) {
            failWith(*result.error);
        } else if (!result.document) {
            createKey(passphrase, std::nullopt);
        } else if (result.document->keyID() == m_heldKeyID) {
            setState(QStringLiteral("unlocked"));
            seal(false); // already encrypted with this key: what is still plain is sealed
        } else {
            // Another device encrypted the account first: its key is the one, never a second.
            unlockWith(*result.document, passphrase, otherKeyFirst());
        }
    });
}

void EncryptionManager::unlock(const QString &passphrase)
{
    if (!begin(QStringLiteral("unlocking")))
        return;
    withKeyDocument([this, passphrase](const KeyDocumentOperation::Result &result) {
        if (result.error) {
            failWith(*result.error);
        } else if (!result.document) {
            setState(QStringLiteral("plain"));
            end(false, localized("encryption.error.notEncrypted", "This account is not encrypted."));
        } else {
            unlockWith(*result.document, passphrase, wrongPassphrase());
        }
    });
}

void EncryptionManager::unlockWith(const KeyDocument &document, const QString &passphrase, const QString &refusal)
{
    setActivity(QStringLiteral("unlocking"));
    inBackground<std::optional<SecretKey>>([document, passphrase] { return document.unwrap(passphrase); },
                                           [this, document, refusal](const std::optional<SecretKey> &key) {
        if (!key) {
            setState(document.keyID() == m_heldKeyID ? QStringLiteral("unlocked") : QStringLiteral("locked"));
            end(false, refusal);
            return;
        }
        adopt(document, *key, [this] {
            if (m_note.sealingUnfinished)
                seal(false);
            else
                end(true);
        });
    });
}

void EncryptionManager::createKey(const QString &passphrase, const std::optional<KeyDocument> &replacing)
{
    using Made = std::pair<KeyDocument, SecretKey>;
    inBackground<Made>([passphrase, limits = m_limits] {
        SecretKey key;
        KeyDocument document = KeyDocument::create(passphrase, &key, limits);
        return Made(document, key);
    }, [this, passphrase, replacing](const Made &made) {
        auto written = [this, passphrase, key = made.second, isStartOver = replacing.has_value()](const KeyDocumentOperation::Result &result) {
            if (result.error) {
                failWith(result.error->code() == CloudErrorCode::ServerRecordChanged
                             ? CloudError(result.error->code(), changedElsewhere())
                             : *result.error);
            } else if (!result.document) {
                end(false, changedElsewhere()); // made and gone again meanwhile
            } else if (!result.wasCreated && !isStartOver) {
                unlockWith(*result.document, passphrase, otherKeyFirst()); // another device was first
            } else if (isStartOver) {
                adoptForStartOver(*result.document, key);
            } else {
                adopt(*result.document, key, [this] { seal(true); });
            }
        };
        if (replacing) {
            KeyDocument document = made.first;
            document.setRevision(replacing->revision());
            m_database()->replaceKeyDocument(document, onMain<KeyDocumentOperation::Result>(written));
        } else {
            m_database()->createKeyDocument(made.first, onMain<KeyDocumentOperation::Result>(written));
        }
    });
}

void EncryptionManager::adopt(const KeyDocument &document, const SecretKey &key, std::function<void()> then)
{
    m_database()->keys().addKey(document.keyID(), key);
    m_heldKeyID = document.keyID();
    setState(QStringLiteral("unlocked"));
    QPointer<EncryptionManager> self(this);
    const quint64 generation = m_generation;
    m_keys->write(m_account().databaseUrl, {document.keyID(), key}, [self, generation, then](bool ok, const QString &problem) {
        if (!self || self->m_generation != generation)
            return;
        if (!ok) {
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The data key could not be kept on this device"), problem);
            self->m_message = localized("encryption.error.keyNotKept",
                                        "This device could not keep the key. It will ask for the passphrase again at "
                                        "the next start.");
        }
        emit self->keysChanged();
        then();
    });
}

void EncryptionManager::changePassphrase(const QString &passphrase)
{
    if (!checkPassphrase(passphrase) || !begin(QStringLiteral("changing")))
        return;
    withKeyDocument([this, passphrase](const KeyDocumentOperation::Result &result) {
        const std::optional<SecretKey> key = m_database()->keys().key(m_heldKeyID);
        if (result.error) {
            failWith(*result.error);
            return;
        }
        if (!result.document || !key || result.document->keyID() != m_heldKeyID) {
            end(false, result.document && key ? changedElsewhere()
                                              : localized("encryption.error.notUnlocked",
                                                          "Enter the current passphrase first: this device does not hold "
                                                          "the account's key."));
            return;
        }
        inBackground<KeyDocument>([document = *result.document, key = *key, passphrase, limits = m_limits] {
            return document.rewrapped(key, passphrase, limits);
        }, [this](const KeyDocument &rewrapped) {
            m_database()->replaceKeyDocument(rewrapped, onMain<KeyDocumentOperation::Result>([this](const KeyDocumentOperation::Result &written) {
                if (written.error && written.error->code() == CloudErrorCode::ServerRecordChanged)
                    end(false, changedElsewhere());
                else if (written.error)
                    failWith(*written.error);
                else
                    end(true);
            }));
        });
    });
}

void EncryptionManager::startOver(const QString &passphrase, const QString &confirmation)
{
    if (!checkPassphrase(passphrase) || !begin(QStringLiteral("startingOver")))
        return;
    if (confirmation.trimmed() != startOverWord()) {
        end(false, localized("encryption.error.confirmation", "Type the database's name exactly to confirm."));
        return;
    }
    // Sync waits until the cloud holds the new key alone: a pass in between would take the
    // erased documents for deletions.
    m_database()->keys().setSyncHeld(true);
    withKeyDocument([this, passphrase](const KeyDocumentOperation::Result &result) {
        if (result.error) {
            failWith(*result.error);
            return;
        }
        // The new key replaces the old one first, so other devices stop syncing at once.
        if (result.document)
            createKey(passphrase, *result.document);
        else
            createKey(passphrase, KeyDocument());
    });
}

void EncryptionManager::adoptForStartOver(const KeyDocument &document, const SecretKey &key)
{
    m_database()->keys().addKey(document.keyID(), key);
    m_heldKeyID = document.keyID();
    setState(QStringLiteral("unlocked"));
    setActivity(QStringLiteral("erasing"));
    m_database()->eraseDocuments(onMain<std::optional<CloudError>>([this, document, key](const std::optional<CloudError> &error) {
        if (error) {
            failWith(*error);
            return;
        }
        emit startedOver();
        m_database()->keys().setSyncHeld(false);
        adopt(document, key, [this] { seal(true); });
    }));
}

void EncryptionManager::seal(bool withGrace)
{
    setActivity(QStringLiteral("sealing"));
    EncryptionProgress::Note note = m_note;
    note.sealingUnfinished = true;
    writeNote(note);
    CloudDatabase *database = m_database();
    database->keys().setAcceptsPlainRecords(true);
    database->sealPlainDocuments(m_heldKeyID, withGrace ? sealingGraceMilliseconds : 0,
                                 onMain<SealingSweep::Outcome>([this](const SealingSweep::Outcome &outcome) {
        m_database()->keys().setAcceptsPlainRecords(false);
        if (outcome.error) {
            failWith(*outcome.error); // the next start goes on from where this stopped
            return;
        }
        AppLogger::info(AppLogger::cloudKit(), QStringLiteral("Sealed %1 documents in %2 rounds").arg(outcome.sealed).arg(outcome.rounds));
        compact();
    }));
}

void EncryptionManager::compact()
{
    setActivity(QStringLiteral("compacting"));
    m_database()->compact(onMain<std::optional<CloudError>>([this](const std::optional<CloudError> &error) {
        const bool refused = error && (error->code() == CloudErrorCode::PermissionFailure || error->code() == CloudErrorCode::NotAuthenticated);
        if (error && !refused) {
            failWith(*error);
            return;
        }
        if (refused) {
            moveDatabase();
            return;
        }
        EncryptionProgress::Note note = m_note;
        note.sealingUnfinished = false;
        note.oldVersionsMayRemain = false;
        writeNote(note);
        end(true);
    }));
}

void EncryptionManager::moveDatabase()
{
    setActivity(QStringLiteral("moving"));
    EncryptionProgress::Note note = m_note;
    note.sealingUnfinished = false;
    if (note.movingTo.isEmpty())
        note.movingTo = DatabaseMove::newDatabaseName(m_account().databaseName); // kept, so a move resumed goes to the same
    writeNote(note);
    // This device's passes wait: they would follow the move before the old database is emptied.
    m_database()->keys().setSyncHeld(true);
    m_database()->moveTo(note.movingTo, sealingGraceMilliseconds, onMain<DatabaseMove::Outcome>([this](const DatabaseMove::Outcome &outcome) {
        EncryptionProgress::Note moved = m_note;
        if (outcome.foundPlain) {
            seal(false); // then compacting is refused again and the move goes on
            return;
        }
        if (outcome.createRefused) {
            moved.movingTo.clear();
            moved.oldVersionsMayRemain = true;
            writeNote(moved);
            end(true, localized("encryption.done.oldVersionsMayRemain",
                                "Everything is encrypted now. The server did not let this account clean up old versions, so "
                                "earlier, unencrypted versions of your items may still be stored there."));
            return;
        }
        if (outcome.error) {
            failWith(outcome.error->code() == CloudErrorCode::ServerRecordChanged ? CloudError(outcome.error->code(), changedElsewhere())
                                                                                  : *outcome.error);
            resumeMoveLater();
            return;
        }
        AppLogger::info(AppLogger::cloudKit(), QStringLiteral("Moved the account to a new database: %1 documents copied, the old one %2")
                                                   .arg(outcome.copied)
                                                   .arg(outcome.sourceDeleted ? QStringLiteral("deleted") : QStringLiteral("emptied")));
        moved.movedTo = moved.movingTo;
        moved.movingTo.clear();
        moved.oldVersionsMayRemain = !outcome.sourceDeleted;
        writeNote(moved);
        end(true, outcome.sourceDeleted
                      ? localized("encryption.done.moved %1",
                                  "Everything is encrypted now. The server did not let this account clean up old versions, "
                                  "so the account moved to the new database %1 and the old one was deleted.")
                            .arg(moved.movedTo)
                      : localized("encryption.done.movedOldKept %1",
                                  "Everything is encrypted now. The server did not let this account clean up old versions, "
                                  "so the account moved to the new database %1. The old database was emptied, but the server "
                                  "did not let this account delete it: earlier, unencrypted versions may remain in it.")
                            .arg(moved.movedTo));
        emit databaseMoved(moved.movedTo);
    }));
}

void EncryptionManager::resumeMoveLater()
{
    QTimer::singleShot(moveRetryMilliseconds, this, [this, generation = m_generation] {
        if (m_generation == generation && !m_note.movingTo.isEmpty() && !isBusy())
            refresh(); // goes on with the move once the key document has been read
    });
}

bool EncryptionManager::followMove(const QString &databaseUrl, std::function<void()> then)
{
    if (!m_note.movingTo.isEmpty() && m_state == QLatin1String("unlocked")) {
        if (!isBusy() && begin(QStringLiteral("moving")))
            moveDatabase(); // announces the move when it is done
        return false;
    }
    const EncryptionProgress::Note before = m_note;
    EncryptionProgress::Note arrived;
    arrived.movedFrom = m_account().databaseName;
    arrived.oldVersionsMayRemain = before.oldVersionsMayRemain && !before.movedTo.isEmpty();
    m_progress.write(databaseUrl, arrived);
    const std::optional<SecretKey> key = m_heldKeyID.isEmpty() ? std::nullopt : m_database()->keys().key(m_heldKeyID);
    if (!key) {
        then(); // locked here: the new database asks for the passphrase just the same
        return true;
    }
    m_keys->write(databaseUrl, {m_heldKeyID, *key}, [then](bool ok, const QString &problem) {
        if (!ok)
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The data key could not be kept for the new database"), problem);
        then();
    });
    return true;
}

void EncryptionManager::withKeyDocument(std::function<void(const KeyDocumentOperation::Result &result)> then)
{
    m_database()->fetchKeyDocument(onMain<KeyDocumentOperation::Result>(std::move(then)));
}

bool EncryptionManager::begin(const QString &activity)
{
    if (isBusy()) {
        const QString refusal = localized("encryption.error.busy", "Another change of encryption is still running.");
        emit finished(false, refusal);
        return false;
    }
    m_message.clear();
    setActivity(activity);
    return true;
}

void EncryptionManager::setActivity(const QString &activity)
{
    m_activity = activity;
    emit changed();
}

void EncryptionManager::end(bool ok, const QString &message)
{
    if (CloudDatabase *database = m_database())
        database->keys().setSyncHeld(false);
    m_activity.clear();
    if (!ok || !message.isEmpty())
        m_message = message;
    emit changed();
    emit finished(ok, m_message);
}

void EncryptionManager::failWith(const CloudError &error)
{
    AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Encryption step failed during %1").arg(m_activity),
                     error.localizedDescription());
    end(false, error.localizedDescription());
}

void EncryptionManager::setState(const QString &state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit changed();
}

void EncryptionManager::writeNote(const EncryptionProgress::Note &note)
{
    m_note = note;
    m_progress.write(m_account().databaseUrl, note);
}
