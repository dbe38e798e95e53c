#include "AccountManager.h"

#include "LocalServerLauncher.h"
#include "SyncActivity.h"
#include "SyncManagerProtocol.h"
#include "diagnostics/AppLogger.h"
#include "platform/NotificationCenter.h"
#include "platform/cloud/CloudError.h"
#include "platform/cloud/KeyringCredentialStore.h"
#include "platform/cloud/SignInOperation.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {

QString localized(const char *id, const char *english)
{
    return CloudError::localized(id, english);
}

} // namespace

AccountManager &AccountManager::shared()
{
    static AccountManager *manager = [] {
        auto *created = new AccountManager(std::make_unique<KeyringCredentialStore>(), CloudAccount::defaultFilePath());
        created->load();
        return created;
    }();
    return *manager;
}

AccountManager::AccountManager(std::unique_ptr<CredentialStore> store, const QString &accountFilePath, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_accountFilePath(accountFilePath)
    , m_localServer(new LocalServerLauncher(QStringLiteral(STASHLINE_LOCAL_SERVER_TOOL), accountFilePath, this))
{
    connect(m_localServer, &LocalServerLauncher::finished, this, [this](const CloudAccount &account, const QString &problem) {
        if (account.isValid())
            switchTo(account);
        else
            fail(problem);
    });
    // The page shows when sync last reached the cloud; SyncActivity keeps that for every screen.
    connect(&SyncActivity::shared(), &SyncActivity::changed, this, &AccountManager::changed);
}

AccountManager::~AccountManager() = default;

void AccountManager::load(int keyringWaitMilliseconds)
{
    m_account = CloudAccount::load(m_accountFilePath);
    m_message = m_account.isValid() || state() == QLatin1String("signedOut") ? QString() : m_account.problem();
    if (!m_account.problemDetail().isEmpty() && m_account.source() != CloudAccount::Source::none)
        AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The cloud account cannot be used"), m_account.problemDetail());
    if (m_account.isValid() && m_account.isPasswordElsewhere()) {
        // The engine starts right after this; waiting here keeps its first requests from going
        // out without the password.
        // The answer may come after the wait gave up: it then finds the loop gone.
        auto loop = std::make_shared<QEventLoop>();
        auto result = std::make_shared<std::optional<CredentialStore::Result>>();
        m_store->read(m_account.credentialKey(), [result, weakLoop = std::weak_ptr<QEventLoop>(loop)](const CredentialStore::Result &answer) {
            *result = answer;
            if (const auto waiting = weakLoop.lock())
                waiting->quit();
        });
        if (!*result) {
            QTimer::singleShot(keyringWaitMilliseconds, loop.get(), &QEventLoop::quit);
            loop->exec();
        }
        if (*result && (*result)->ok) {
            m_account = m_account.withPassword((*result)->password);
        } else {
            const bool unanswered = !*result || (*result)->unavailable;
            m_message = unanswered ? localized("account.error.keyringUnanswered",
                                               "The keyring that holds your password did not answer. Sign in again to go on syncing.")
                                   : localized("account.error.keyringMissing",
                                               "Your password is not in the keyring. Sign in again to go on syncing.");
            if (*result)
                AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The password could not be read from the keyring"),
                                 (*result)->problem);
            m_account = CloudAccount::withProblem(m_message);
        }
    } else if (m_account.isValid() && m_account.source() == CloudAccount::Source::file && m_account.hasPassword()
               && !m_account.isLocalServer()) {
        moveFilePasswordToKeyring();
    }
    emit changed();
}

void AccountManager::moveFilePasswordToKeyring()
{
    const CloudAccount account = m_account;
    m_store->write(account.credentialKey(), account.password(), [this, account](const CredentialStore::Result &result) {
        if (!result.ok)
            return; // stays in the file (mode 0600) until a start that finds a keyring
        QString problem;
        if (account.writeFile(m_accountFilePath, false, &problem))
            AppLogger::info(AppLogger::cloudKit(), QStringLiteral("The account's password moved from the account file to the keyring"));
        else
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The password is in the keyring, the account file still holds it"), problem);
    });
}

QString AccountManager::state() const
{
    if (m_account.source() == CloudAccount::Source::environment)
        return QStringLiteral("environment");
    if (m_account.isValid())
        return QStringLiteral("signedIn");
    return QFileInfo::exists(m_accountFilePath) ? QStringLiteral("problem") : QStringLiteral("signedOut");
}

bool AccountManager::isBusy() const
{
    return !m_operation.isNull() || m_localServer->isRunning() || m_isWaitingForKeyring;
}

QString AccountManager::serverAddress() const
{
    if (!m_account.isValid())
        return {};
    const QUrl root = m_account.serverUrl();
    return root.port() < 0 ? root.host() : root.host() + QLatin1Char(':') + QString::number(root.port());
}

QString AccountManager::localServerProblem() const
{
    return m_localServer->problem();
}

void AccountManager::signIn(const QString &serverAddress, const QString &userName, const QString &password,
                            const QString &databaseName)
{
    if (isBusy() || state() == QLatin1String("environment"))
        return;
    m_offeredAccount = CloudAccount();
    m_message.clear();
    m_operation = new SignInOperation({serverAddress, userName, password, databaseName.trimmed()}, this);
    connect(m_operation, &SignInOperation::finished, this, &AccountManager::finishSignIn);
    m_operation->start();
    emit changed();
}

void AccountManager::cancel()
{
    if (m_operation) {
        m_operation->cancel();
        m_operation->deleteLater();
        m_operation = nullptr;
    }
    m_localServer->cancel();
    emit changed();
}

void AccountManager::finishSignIn(const CloudAccount &account)
{
    if (m_operation)
        m_operation->deleteLater();
    m_operation = nullptr;
    if (!account.isValid()) {
        fail(account.problem());
        return;
    }
    m_isWaitingForKeyring = true;
    emit changed();
    m_store->write(account.credentialKey(), account.password(), [this, account](const CredentialStore::Result &result) {
        m_isWaitingForKeyring = false;
        if (result.ok) {
            commit(account, false);
        } else if (result.unavailable) {
            m_offeredAccount = account;
            fail(localized("account.keyring.unavailable",
                           "No keyring answers on this desktop, so the password cannot be kept there. Stashline can keep it "
                           "in its account file instead, readable by you alone."));
        } else {
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The keyring did not store the password"), result.problem);
            fail(localized("account.keyring.refused", "The keyring did not keep the password, so you are not signed in."));
        }
    });
}

void AccountManager::keepPasswordInFile()
{
    const CloudAccount account = std::exchange(m_offeredAccount, CloudAccount());
    if (account.isValid())
        commit(account, true);
}

void AccountManager::declineKeyringOffer()
{
    m_offeredAccount = CloudAccount();
    m_message.clear();
    emit changed();
}

void AccountManager::commit(const CloudAccount &account, bool includePassword)
{
    // A file this version could not use is kept beside the new one, not overwritten.
    if (state() == QLatin1String("problem"))
        QFile::rename(m_accountFilePath,
                      m_accountFilePath + QStringLiteral(".unusable-") + QString::number(QDateTime::currentMSecsSinceEpoch()));
    QString problem;
    if (!account.writeFile(m_accountFilePath, includePassword, &problem)) {
        AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The account could not be saved"), problem);
        fail(localized("account.error.fileWrite", "The account could not be saved in your settings folder."));
        return;
    }
    switchTo(CloudAccount::fromFile(m_accountFilePath).withPassword(account.password()));
}

void AccountManager::switchTo(const CloudAccount &account)
{
    // The old account's password is not needed any more.
    if (m_account.isValid() && m_account.credentialKey() != account.credentialKey())
        m_store->remove(m_account.credentialKey(), [](const CredentialStore::Result &) {});
    m_account = account;
    m_message.clear();
    SyncActivity::shared().forgetTimes();
    emit changed();
    emit accountChanged(m_account);
}

void AccountManager::signOut()
{
    if (isBusy() || state() == QLatin1String("environment"))
        return;
    if (state() != QLatin1String("signedIn"))
        return; // an unusable file stays for the user to look at; signing in puts it aside
    if (QFile::exists(m_accountFilePath) && !QFile::remove(m_accountFilePath)) {
        fail(localized("account.error.fileRemove", "The account could not be removed from your settings folder."));
        return;
    }
    switchTo(CloudAccount::withProblem(localized("cloud.account.none", "No cloud account is set up yet.")));
}

void AccountManager::followMove(const QString &databaseName)
{
    if (!m_account.isValid() || databaseName.isEmpty() || databaseName == m_account.databaseName())
        return;
    CloudAccount moved = m_account.withDatabaseName(databaseName);
    if (m_account.source() == CloudAccount::Source::file) {
        // The password stays where it was: in the keyring, or in the file (the local server's).
        const bool passwordInFile = CloudAccount::fromFile(m_accountFilePath).hasPassword();
        QString problem;
        if (!moved.writeFile(m_accountFilePath, passwordInFile, &problem)) {
            // This run follows anyway; the next start finds the move again in the old database.
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("The account's new database could not be saved"), problem);
        } else {
            moved = CloudAccount::fromFile(m_accountFilePath).withPassword(m_account.password());
        }
    }
    AppLogger::info(AppLogger::cloudKit(), QStringLiteral("The account moved to the database %1").arg(databaseName));
    m_account = moved;
    emit changed();
    emit accountMoved(m_account);
}

void AccountManager::useLocalServer()
{
    if (isBusy() || state() == QLatin1String("environment"))
        return;
    if (const QString problem = m_localServer->problem(); !problem.isEmpty()) {
        fail(problem);
        return;
    }
    m_localServer->start();
    emit changed();
}

void AccountManager::fail(const QString &message)
{
    m_message = message;
    emit changed();
}

QDateTime AccountManager::lastDownload() const
{
    return SyncActivity::shared().lastDownload();
}

QDateTime AccountManager::lastUpload() const
{
    return SyncActivity::shared().lastUpload();
}
