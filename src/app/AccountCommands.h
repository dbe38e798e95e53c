#pragma once

#include "StashRequest.h"

#include <QObject>

#include <functional>

class AccountManager;
class EncryptionManager;

// Carries out `stashline account ...` on an account and its encryption, as the account page
// does: status (the server, the user, the database, whether it is encrypted and whether this
// device holds the key; as text or JSON), sign-in (a password that no keyring can keep is kept
// in the account file, readable by the user alone, so a machine without a desktop syncs too),
// sign-out, encrypt, unlock and change-passphrase. The running app carries them out on its own
// managers (the window shows the change at once); a command line that finds no running app, on
// managers of its own.
//
// Each request ends with exactly one answer: exit code 0 done, 1 failed (with the reason in the
// user's words, for example a wrong passphrase). The secret a request carries never reaches an
// answer or a log line. Main thread.
class AccountCommands : public QObject
{
    Q_OBJECT
public:
    using Answer = std::function<void(const StashReply &reply)>;

    AccountCommands(AccountManager &account, EncryptionManager &encryption, QObject *parent = nullptr);

    void carryOut(const StashRequest &request, Answer answer);

    // How long a command line waits for the running app to answer an account command: sealing
    // a large account can take a while.
    static constexpr int answerTimeoutMilliseconds = 4 * 60 * 60 * 1000;

private:
    void status(bool asJson, const Answer &answer);
    void signIn(const StashRequest &request, const Answer &answer);
    void encryption(const StashRequest &request, const Answer &answer);
    // Calls `then` once the account manager is idle (at once when it already is).
    void whenAccountIdle(std::function<void()> then);

    AccountManager &m_account;
    EncryptionManager &m_encryption;
};
