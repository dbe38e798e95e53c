#include "SignInOperation.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudError.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QString localized(const char *id, const char *english)
{
    return CloudError::localized(id, english);
}

} // namespace

SignInOperation::SignInOperation(const Request &request, QObject *parent)
    : QObject(parent)
    , m_request(request)
{
}

SignInOperation::~SignInOperation()
{
    cancel();
}

QString SignInOperation::perUserDatabaseName(const QString &userName)
{
    return QStringLiteral("userdb-") + QString::fromLatin1(userName.toUtf8().toHex());
}

void SignInOperation::start()
{
    const QString address = m_request.serverAddress.trimmed();
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (address.contains(QLatin1Char(' ')) || !url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        fail(localized("account.error.address", "Type the server's address with https://, for example https://couch.example.com:6984."));
        return;
    }
    if (!url.userInfo().isEmpty() || (!url.path().isEmpty() && url.path() != QLatin1String("/")) || url.hasQuery()
        || url.hasFragment()) {
        fail(localized("account.error.addressPath",
                       "Type the server's address alone, without a path or a name: https://host or https://host:port."));
        return;
    }
    if (m_request.userName.isEmpty() || m_request.password.isEmpty()) {
        fail(localized("account.error.credentialsMissing", "Type your user name and password."));
        return;
    }
    static const QRegularExpression databasePattern(QStringLiteral("^[a-z][a-z0-9_$()+-]*$"));
    if (!m_request.databaseName.isEmpty() && !databasePattern.match(m_request.databaseName).hasMatch()) {
        fail(localized("account.error.databaseName",
                       "A database name starts with a lower-case letter and holds only lower-case letters, digits and _$()+-."));
        return;
    }
    connectTo(QStringLiteral("_"));
    if (m_connection)
        checkServer();
}

void SignInOperation::cancel()
{
    // Its replies go with it; an answer already on its way is dropped by send()'s check.
    if (m_connection)
        m_connection->deleteLater();
    m_connection = nullptr;
}

void SignInOperation::send(const QByteArray &verb, const QString &path, const QByteArray &body,
                           std::function<void(const CloudResponse &)> handler, bool atServerRoot)
{
    QPointer<CloudConnection> connection = m_connection;
    m_connection->send(verb, path, {}, body, [this, connection, handler = std::move(handler)](const CloudResponse &response) {
        if (connection && connection == m_connection)
            handler(response);
    }, atServerRoot);
}

void SignInOperation::connectTo(const QString &databaseName)
{
    cancel();
    QUrl database(m_request.serverAddress.trimmed());
    database.setPath(QLatin1Char('/') + databaseName);
    const CloudAccount account = CloudAccount::fromUrl(database.toString());
    if (!account.isValid()) { // plain http to another computer
        fail(account.problem());
        return;
    }
    m_account = account.withCredentials(m_request.userName, m_request.password);
    m_connection = new CloudConnection(m_account, this);
    m_connection->setRequestTimeout(m_timeout);
}

QString SignInOperation::serverProblem(const CloudError &error) const
{
    // The connection names the placeholder database; the user typed the server's address.
    return error.localizedDescription().replace(m_account.displayUrl(), m_account.serverUrl().toString());
}

void SignInOperation::checkServer()
{
    send("GET", QString(), {}, [this](const CloudResponse &response) {
        const QString host = m_account.serverUrl().toString();
        // A server demanding a password before anything else is judged once the session answers.
        if (response.error && response.error->code() == CloudErrorCode::NotAuthenticated) {
            openSession();
            return;
        }
        const QJsonObject welcome = response.json.toObject();
        const bool speaksApi = welcome.contains(QStringLiteral("couchdb")) || welcome.value(QStringLiteral("vendor")).isObject();
        const bool isHttpAnswer = response.status >= 200 && response.status < 300;
        if (response.error && !(isHttpAnswer || response.status == 404)) {
            fail(serverProblem(*response.error));
            return;
        }
        if (!speaksApi) {
            fail(localized("account.error.notCouch", "The server at %1 answers, but not as a CouchDB database server.").arg(host));
            return;
        }
        openSession();
    }, true);
}

void SignInOperation::openSession()
{
    const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("name"), m_request.userName},
                                                      {QStringLiteral("password"), m_request.password}})
                                .toJson(QJsonDocument::Compact);
    send("POST", QStringLiteral("_session"), body, [this](const CloudResponse &response) {
        if (response.error && (response.status == 401 || response.status == 403)) {
            fail(localized("account.error.credentials", "The server did not accept this user name and password."));
            return;
        }
        if (response.error) {
            fail(response.status == 404 ? localized("account.error.notCouch",
                                                    "The server at %1 answers, but not as a CouchDB database server.")
                                              .arg(m_account.serverUrl().toString())
                                        : serverProblem(*response.error));
            return;
        }
        chooseDatabase();
    }, true);
}

void SignInOperation::chooseDatabase()
{
    if (!m_request.databaseName.isEmpty()) {
        useDatabase(m_request.databaseName, true, false);
        return;
    }
    useDatabase(perUserDatabaseName(m_request.userName), false, true);
}

void SignInOperation::useDatabase(const QString &databaseName, bool createWhenMissing, bool isFallback)
{
    connectTo(databaseName);
    if (!m_connection)
        return;
    send("GET", QString(), {}, [this, databaseName, createWhenMissing, isFallback](const CloudResponse &response) {
        if (!response.error) {
            succeed();
            return;
        }
        if (response.status == 404 && isFallback) { // no database per user on this server
            useDatabase(defaultDatabaseName, true, false);
            return;
        }
        if (response.status == 404 && createWhenMissing) {
            send("PUT", QString(), {}, [this, databaseName](const CloudResponse &created) {
                if (!created.error || created.status == 412) { // 412: someone created it meanwhile
                    succeed();
                    return;
                }
                if (created.status == 401 || created.status == 403)
                    fail(localized("account.error.cannotCreate",
                                   "The database %1 does not exist, and this account may not create it. Ask the server's "
                                   "administrator to create it, or type the name of one you may use.")
                             .arg(databaseName));
                else
                    fail(created.error->localizedDescription());
            });
            return;
        }
        if (response.status == 401 || response.status == 403)
            fail(localized("account.error.databaseForbidden", "This account may not use the database %1.").arg(databaseName));
        else
            fail(response.error->localizedDescription());
    });
}

void SignInOperation::fail(const QString &problem)
{
    cancel();
    emit finished(CloudAccount::withProblem(problem));
}

void SignInOperation::succeed()
{
    cancel();
    emit finished(m_account);
}
