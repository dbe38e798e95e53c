#pragma once

#include "platform/cloud/CloudAccount.h"

#include <QObject>
#include <QPointer>

#include <functional>

class CloudConnection;
class CloudError;
struct CloudResponse;

// One sign-in to a server that speaks the CouchDB HTTP API, in the background: it checks that
// the address answers as such a server (GET /), that the name and password are accepted
// (POST /_session), and chooses the database: with no database asked for, the user's own one
// where the server keeps one per user ("userdb-" and the user name in lower-case hex), else
// "stashline"; a database that does not exist is created when the user may create it.
//
// finished() is emitted once with the signed-in account (valid) or with an invalid account
// whose problem() says in the user's words what failed: a bad address (no scheme, a path,
// spaces, plain http to another computer), a server that cannot be reached, is not such a
// server, redirects (never followed), has a certificate that is not trusted (never skipped), did
// not answer in time, or refused the name and password, or a database that is missing and may
// not be created. No message carries the password. cancel() stops at once and emits nothing.
// Main thread; every request runs asynchronously.
class SignInOperation : public QObject
{
    Q_OBJECT
public:
    static inline const QString defaultDatabaseName = QStringLiteral("stashline");

    struct Request {
        QString serverAddress; // "https://host[:port]"
        QString userName;
        QString password;
        QString databaseName; // empty: the user's own database, else defaultDatabaseName
    };

    explicit SignInOperation(const Request &request, QObject *parent = nullptr);
    ~SignInOperation() override;

    // Milliseconds without progress after which a request ends with a message (default 20000).
    void setRequestTimeout(int milliseconds) { m_timeout = milliseconds; }
    void start();
    void cancel();

    // "userdb-" followed by the UTF-8 bytes of `userName` in lower-case hex.
    static QString perUserDatabaseName(const QString &userName);

signals:
    void finished(const CloudAccount &account);

private:
    void connectTo(const QString &databaseName);
    // Sends on the current connection; `handler` runs only while that connection is current.
    void send(const QByteArray &verb, const QString &path, const QByteArray &body,
              std::function<void(const CloudResponse &)> handler, bool atServerRoot = false);
    void checkServer();
    void openSession();
    void chooseDatabase();
    void useDatabase(const QString &databaseName, bool createWhenMissing, bool isFallback);
    QString serverProblem(const CloudError &error) const;
    void fail(const QString &problem);
    void succeed();

    Request m_request;
    CloudAccount m_account;
    QPointer<CloudConnection> m_connection;
    int m_timeout = 20000;
};
