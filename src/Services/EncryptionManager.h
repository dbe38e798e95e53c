#pragma once

#include "DataKeyStore.h"
#include "EncryptionProgress.h"
#include "platform/cloud/KeyDocumentOperation.h"
#include "platform/MainQueue.h"
#include "platform/crypto/PassphraseKey.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class CloudDatabase;

// End-to-end encryption of the signed-in account, as the account page and `stashline account`
// show and change it:
//  - encrypt(): makes the account's one data key (KeyDocument, created only where none exists:
//    when another device was first, its key is used when the passphrase opens it), keeps it on
//    this device, seals every record that is still plain, whoever wrote it (SealingSweep), and
//    compacts the database so no earlier, plain revision can be read back. Where the account may
//    not compact, it moves the account to a new database on the same server (DatabaseMove: the
//    old one is emptied and deleted, or where it may not be deleted, left empty but for the key
//    document pointing onward) and announces databaseMoved(); where it may not create a
//    database either, the page says that older versions may remain on the server. A move cut
//    short goes on at the next start (sync waits for it meanwhile).
//  - followMove(): the account moved (here or on another device): the key this device holds
//    goes with it, so the new database opens without the passphrase.
//  - unlock(): the passphrase opens the key document's data key, which this device then keeps.
//    A wrong passphrase says so and changes nothing, here or in the cloud.
//  - changePassphrase(): wraps the same data key under a new passphrase; no record changes.
//  - startOver(): for a forgotten passphrase: erases the cloud copy and makes a new key; this
//    device's items go up again under it, other devices ask for the new passphrase and then
//    send what they hold that the cloud lost.
// The data key is kept by DataKeyStore (the keyring), never the passphrase. Passphrases are
// derived on a pool thread, so the screen never stalls.
//
// Every operation ends with finished(ok, message) exactly once (also when it is refused because
// another one runs); `message` then holds a failure in the user's words. keysChanged() tells
// the sync engine to check the account again. Main thread.
class EncryptionManager : public QObject
{
    Q_OBJECT
    // "none" (no account), "unknown" (not read yet, or the server did not answer), "plain",
    // "locked" (encrypted; this device does not hold the key), "unlocked".
    Q_PROPERTY(QString state READ state NOTIFY changed)
    Q_PROPERTY(bool busy READ isBusy NOTIFY changed)
    // What runs: "", "unlocking", "encrypting", "sealing", "compacting", "moving", "changing",
    // "startingOver".
    Q_PROPERTY(QString activity READ activity NOTIFY changed)
    Q_PROPERTY(QString message READ message NOTIFY changed)
    // The account is encrypted, but the server may still hold older, plain versions: it would
    // not let this account compact the database.
    Q_PROPERTY(bool oldVersionsMayRemain READ oldVersionsMayRemain NOTIFY changed)
    // The database this account moved from because the server would not let it clean up old
    // versions there; empty when it did not move.
    Q_PROPERTY(QString movedFrom READ movedFrom NOTIFY changed)
    // What "Start over" asks to be typed: the database's name.
    Q_PROPERTY(QString startOverWord READ startOverWord NOTIFY changed)

public:
    // How long a device that read "no key document" a moment before it was made may still write
    // a plain record: sealing goes round until at least this long after it began.
    static constexpr int sealingGraceMilliseconds = 5000;
    // How soon a move that the server or the network cut short is tried again.
    static constexpr int moveRetryMilliseconds = 30000;

    struct Account {
        QString databaseUrl;  // without credentials; empty: no account
        QString databaseName;
    };

    // The process-wide manager over the desktop's keyring, the group directory and the
    // process-wide cloud container. Main thread.
    static EncryptionManager &shared();

    EncryptionManager(std::unique_ptr<DataKeyStore> keys, const QString &stateDirectory,
                      std::function<CloudDatabase *()> database, std::function<Account()> account, QObject *parent = nullptr);
    ~EncryptionManager() override;

    QString state() const { return m_state; }
    bool isBusy() const { return !m_activity.isEmpty(); }
    QString activity() const { return m_activity; }
    QString message() const { return m_message; }
    bool oldVersionsMayRemain() const { return m_note.oldVersionsMayRemain; }
    QString movedFrom() const { return m_note.movedFrom; }
    QString startOverWord() const { return m_account().databaseName; }

    // Reads the key this device holds for the account into the cloud database (waiting at most
    // `waitMilliseconds` with events running), then the account's key document, and goes on
    // with sealing a previous run left unfinished. Again after every change of account.
    void load(int waitMilliseconds = 8000);

    // The passphrase-derivation limits of new keys (tests use the cheapest ones).
    void setDerivationLimits(const PassphraseKey::Limits &limits) { m_limits = limits; }
    // A passphrase shorter than this is refused before anything is done.
    static constexpr int minimumPassphraseLength = 8;

    // For the screenshot tool: shows `state` without asking any server (answers on their way
    // are dropped).
    void showStateForPreview(const QString &state)
    {
        ++m_generation;
        m_activity.clear();
        setState(state);
    }

    Q_INVOKABLE void refresh() { refreshThen({}); }
    // Reads the key document again and sets the state; then calls `then` (when given).
    void refreshThen(std::function<void()> then);
    Q_INVOKABLE void encrypt(const QString &passphrase);
    Q_INVOKABLE void unlock(const QString &passphrase);
    Q_INVOKABLE void changePassphrase(const QString &passphrase);
    Q_INVOKABLE void startOver(const QString &passphrase, const QString &confirmation);

    // The account moved to the database at `databaseUrl` (without credentials) on the same
    // server: notes that it came from the current one and keeps the key this device holds for
    // it there too, then calls `then` (also when this manager is gone by then), after which the
    // account may switch. While this device's own move is unfinished, it goes on with that
    // instead (announcing databaseMoved() when done), does not call `then` and returns false.
    bool followMove(const QString &databaseUrl, std::function<void()> then);

signals:
    void changed();
    void keysChanged();
    // This device erased the cloud copy and made a new key: its items go up again as new
    // documents, and a read from the start takes nothing erased for a deletion.
    void startedOver();
    void finished(bool ok, const QString &message);
    // This device moved the account to `database` on the same server.
    void databaseMoved(const QString &database);

private:
    bool begin(const QString &activity);
    void setActivity(const QString &activity);
    void end(bool ok, const QString &message = {});
    void failWith(const CloudError &error);
    void setState(const QString &state);
    // False (with the reason as the message and finished()) without an account or for a
    // passphrase too short to keep anyone out.
    bool checkPassphrase(const QString &passphrase);
    // Reads the key document, then calls `then` on the main thread.
    void withKeyDocument(std::function<void(const KeyDocumentOperation::Result &result)> then);
    // Keeps `key` (in memory and in the keyring), announces it, then calls `then`.
    void adopt(const KeyDocument &document, const SecretKey &key, std::function<void()> then);
    // A new key: created where none exists, or, for a start-over, written over `replacing`.
    void createKey(const QString &passphrase, const std::optional<KeyDocument> &replacing);
    void adoptForStartOver(const KeyDocument &document, const SecretKey &key);
    void seal(bool withGrace);
    void compact();
    void moveDatabase();
    void resumeMoveLater();
    void unlockWith(const KeyDocument &document, const QString &passphrase, const QString &refusal);

    // Runs `work` on a pool thread and `then` with its result on the main thread.
    template<typename Result>
    void inBackground(std::function<Result()> work, std::function<void(const Result &)> then);
    // A completion for the cloud layer's thread that calls `then` on the main thread, unless the
    // manager is gone or has loaded another account by then.
    template<typename Value>
    std::function<void(const Value &)> onMain(std::function<void(const Value &)> then)
    {
        return [then = std::move(then), self = QPointer<EncryptionManager>(this), generation = m_generation](const Value &value) {
            MainQueue::async([then, self, generation, value] {
                if (self && self->m_generation == generation)
                    then(value);
            });
        };
    }

    // What this device remembers about the current account beside the key.
    void writeNote(const EncryptionProgress::Note &note);

    std::unique_ptr<DataKeyStore> m_keys;
    EncryptionProgress m_progress;
    std::function<CloudDatabase *()> m_database;
    std::function<Account()> m_account;
    QString m_state = QStringLiteral("unknown");
    QString m_activity;
    QString m_message;
    QString m_heldKeyID;
    EncryptionProgress::Note m_note; // the current account's, as last read or written
    PassphraseKey::Limits m_limits = PassphraseKey::defaultLimits();
    quint64 m_generation = 0; // one per loaded account
};
