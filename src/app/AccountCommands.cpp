#include "AccountCommands.h"

#include "Services/AccountManager.h"
#include "Services/EncryptionManager.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {

using Kind = StashRequest::Kind;

QString encryptionLine(const QString &state)
{
    if (state == QLatin1String("plain"))
        return qtTrId("cli.account.encryption.plain");
    if (state == QLatin1String("locked"))
        return qtTrId("cli.account.encryption.locked");
    if (state == QLatin1String("unlocked"))
        return qtTrId("cli.account.encryption.unlocked");
    return qtTrId("cli.account.encryption.unknown");
}

} // namespace

AccountCommands::AccountCommands(AccountManager &account, EncryptionManager &encryption, QObject *parent)
    : QObject(parent), m_account(account), m_encryption(encryption)
{
}

void AccountCommands::carryOut(const StashRequest &request, Answer answer)
{
    const bool isFixed = m_account.state() == QLatin1String("environment");
    switch (request.kind) {
    case Kind::accountStatus:
        status(request.asJson, answer);
        return;
    case Kind::accountSignIn:
        if (isFixed)
            answer(StashReply::failed(qtTrId("cli.account.environment")));
        else
            signIn(request, answer);
        return;
    case Kind::accountSignOut:
        if (isFixed) {
            answer(StashReply::failed(qtTrId("cli.account.environment")));
            return;
        }
        whenAccountIdle([this, answer] {
            m_account.signOut();
            if (m_account.state() == QLatin1String("signedIn"))
                answer(StashReply::failed(m_account.message()));
            else
                answer(StashReply::done(qtTrId("cli.account.signedOut") + QLatin1Char('\n')));
        });
        return;
    case Kind::accountEncrypt:
    case Kind::accountUnlock:
    case Kind::accountChangePassphrase:
        encryption(request, answer);
        return;
    default:
        answer(StashReply::failed(qtTrId("cli.request.unknownCommand %1").arg(StashRequest::commandName(request.kind)), 2));
    }
}

void AccountCommands::status(bool asJson, const Answer &answer)
{
    const bool isSignedIn = m_account.state() == QLatin1String("signedIn") || m_account.state() == QLatin1String("environment");
    m_encryption.refreshThen([this, asJson, isSignedIn, answer] {
        const QString state = isSignedIn ? m_encryption.state() : QStringLiteral("none");
        if (asJson) {
            const QJsonObject object{
                {QStringLiteral("signedIn"), isSignedIn},
                {QStringLiteral("server"), m_account.serverAddress()},
                {QStringLiteral("user"), m_account.userName()},
                {QStringLiteral("database"), m_account.databaseName()},
                {QStringLiteral("encryption"), state},
                {QStringLiteral("encrypted"), state == QLatin1String("locked") || state == QLatin1String("unlocked")},
                {QStringLiteral("holdsKey"), state == QLatin1String("unlocked")},
                {QStringLiteral("problem"), isSignedIn ? QString() : m_account.message()},
            };
            answer(StashReply::done(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n')));
            return;
        }
        if (!isSignedIn) {
            const QString problem = m_account.message();
            answer(StashReply::done(qtTrId("cli.account.notSignedIn") + QLatin1Char('\n')
                                    + (problem.isEmpty() ? QString() : problem + QLatin1Char('\n'))));
            return;
        }
        QStringList lines{qtTrId("cli.account.server %1").arg(m_account.serverAddress()),
                          qtTrId("cli.account.user %1").arg(m_account.userName()),
                          qtTrId("cli.account.database %1").arg(m_account.databaseName()), encryptionLine(state)};
        if (!m_encryption.movedFrom().isEmpty())
            lines.append(qtTrId("encryption.moved %1").arg(m_encryption.movedFrom()));
        if (state == QLatin1String("unlocked") && m_encryption.oldVersionsMayRemain())
            lines.append(m_encryption.movedFrom().isEmpty() ? qtTrId("encryption.oldVersions")
                                                            : qtTrId("encryption.oldVersionsInOld %1").arg(m_encryption.movedFrom()));
        answer(StashReply::done(lines.join(QLatin1Char('\n')) + QLatin1Char('\n')));
    });
}

void AccountCommands::signIn(const StashRequest &request, const Answer &answer)
{
    whenAccountIdle([this, request, answer] {
        m_account.signIn(request.server, request.user, request.secret, request.database);
        whenAccountIdle([this, answer] {
            if (m_account.isKeyringOfferPending()) {
                // No keyring here (a machine without a desktop): the account file keeps it.
                m_account.keepPasswordInFile();
                whenAccountIdle([this, answer] {
                    if (m_account.state() == QLatin1String("signedIn"))
                        answer(StashReply::done(qtTrId("cli.account.signedIn") + QLatin1Char('\n') + qtTrId("cli.account.keptInFile")
                                                + QLatin1Char('\n')));
                    else
                        answer(StashReply::failed(m_account.message()));
                });
                return;
            }
            if (m_account.state() == QLatin1String("signedIn") && m_account.message().isEmpty())
                answer(StashReply::done(qtTrId("cli.account.signedIn") + QLatin1Char('\n')));
            else
                answer(StashReply::failed(m_account.message()));
        });
    });
}

void AccountCommands::encryption(const StashRequest &request, const Answer &answer)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&m_encryption, &EncryptionManager::finished, this,
                          [connection, answer, kind = request.kind](bool ok, const QString &message) {
        disconnect(*connection); // the answer to this request only
        if (!ok) {
            answer(StashReply::failed(message));
            return;
        }
        const QString done = kind == Kind::accountEncrypt ? qtTrId("cli.account.encrypted")
            : kind == Kind::accountUnlock                 ? qtTrId("cli.account.unlocked")
                                                          : qtTrId("cli.account.passphraseChanged");
        answer(StashReply::done(done + QLatin1Char('\n') + (message.isEmpty() ? QString() : message + QLatin1Char('\n'))));
    });
    if (request.kind == Kind::accountEncrypt)
        m_encryption.encrypt(request.secret);
    else if (request.kind == Kind::accountUnlock)
        m_encryption.unlock(request.secret);
    else
        m_encryption.changePassphrase(request.secret);
}

void AccountCommands::whenAccountIdle(std::function<void()> then)
{
    if (!m_account.isBusy()) {
        then();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&m_account, &AccountManager::changed, this, [this, connection, then] {
        if (m_account.isBusy())
            return;
        disconnect(*connection);
        then();
    });
}
