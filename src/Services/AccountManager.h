#pragma once

#include "platform/cloud/CloudAccount.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <memory>

class CredentialStore;
class LocalServerLauncher;
class SignInOperation;

// The signed-in cloud account, as the account page shows and changes it. The account file keeps
// the database URL and the user name; the password lives in the credential store (the desktop's
// keyring), or, only when no keyring answers and the user agrees, in the account file (mode
// 0600). An account file with a password from an earlier version is moved to the keyring when
// one answers. STASHLINE_CLOUD_URL overrides everything: that account is shown and cannot be
// changed here.
//
// Sign-in, the local server and keyring calls run in the background: `busy` is true meanwhile and
// cancel() ends a sign-in at once. Every failure ends as `message`, in the user's words; nothing
// is deleted on a failure (a broken or too open account file stays as it was). A completed
// change of account emits accountChanged(), after which the sync engine moves to it. No password
// reaches a message, a log line or a property. Main thread.
class AccountManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString state READ state NOTIFY changed)
    Q_PROPERTY(QString userName READ userName NOTIFY changed)
    Q_PROPERTY(QString serverAddress READ serverAddress NOTIFY changed)
    Q_PROPERTY(QString databaseName READ databaseName NOTIFY changed)
    Q_PROPERTY(QString message READ message NOTIFY changed)
    Q_PROPERTY(bool busy READ isBusy NOTIFY changed)
    Q_PROPERTY(bool isKeyringOfferPending READ isKeyringOfferPending NOTIFY changed)
    Q_PROPERTY(QDateTime lastDownload READ lastDownload NOTIFY changed)
    Q_PROPERTY(QDateTime lastUpload READ lastUpload NOTIFY changed)
    Q_PROPERTY(QString localServerProblem READ localServerProblem CONSTANT)

public:
    // The process-wide account over the desktop's keyring and the default account file, loaded
    // on first use (waiting for the keyring at most a few seconds). Main thread.
    static AccountManager &shared();

    AccountManager(std::unique_ptr<CredentialStore> store, const QString &accountFilePath, QObject *parent = nullptr);
    ~AccountManager() override;

    // Reads the account file (or the environment) and the password it names. Blocks on the
    // keyring for at most `keyringWaitMilliseconds` while events run.
    void load(int keyringWaitMilliseconds = 8000);
    const CloudAccount &account() const { return m_account; }

    // "signedOut", "signedIn", "environment" (from STASHLINE_CLOUD_URL), "problem" (an account
    // file that cannot be used; `message` says why).
    QString state() const;
    QString userName() const { return m_account.userName(); }
    QString serverAddress() const;
    QString databaseName() const { return m_account.isValid() ? m_account.databaseName() : QString(); }
    QString message() const { return m_message; }
    bool isBusy() const;
    bool isKeyringOfferPending() const { return m_offeredAccount.isValid(); }
    QDateTime lastDownload() const;
    QDateTime lastUpload() const;
    // Empty when "Use a Local Server" can work here, else what is missing.
    QString localServerProblem() const;

    Q_INVOKABLE void signIn(const QString &serverAddress, const QString &userName, const QString &password,
                            const QString &databaseName);
    Q_INVOKABLE void cancel();
    // Forgets the account and its password; the items stay and go to the next account.
    Q_INVOKABLE void signOut();
    // After a sign-in that found no keyring: keeps the password in the account file (mode 0600).
    Q_INVOKABLE void keepPasswordInFile();
    Q_INVOKABLE void declineKeyringOffer();
    // Starts (or reuses) the local server in the user's data folder and signs in to it.
    Q_INVOKABLE void useLocalServer();
    // The account's database moved to `databaseName` on the same server: the account names it
    // from now on (the account file too; an account from STASHLINE_CLOUD_URL for as long as the
    // app runs, and the move is found again at the next start), and accountMoved() says so.
    // Nothing happens without an account or when it names that database already.
    void followMove(const QString &databaseName);
    // Asks the main window to show the account page (the list banner's "Set Up Sync…").
    Q_INVOKABLE void requestAccountPage() { emit accountPageRequested(); }

signals:
    void changed();
    // The account the sync engine should use from now on (invalid after signing out).
    void accountChanged(const CloudAccount &account);
    void accountPageRequested();
    // The same account on another database of the same server, holding the same documents: the
    // sync engine keeps what it knows of them.
    void accountMoved(const CloudAccount &account);

private:
    void finishSignIn(const CloudAccount &account);
    void commit(const CloudAccount &account, bool includePassword);
    // Makes `account` the current one (invalid: signed out) and announces it.
    void switchTo(const CloudAccount &account);
    void moveFilePasswordToKeyring();
    void fail(const QString &message);

    std::unique_ptr<CredentialStore> m_store;
    QString m_accountFilePath;
    CloudAccount m_account;
    CloudAccount m_offeredAccount; // signed in, waiting for the user to allow the file
    QString m_message;
    QPointer<SignInOperation> m_operation;
    LocalServerLauncher *m_localServer;
    bool m_isWaitingForKeyring = false;
};
