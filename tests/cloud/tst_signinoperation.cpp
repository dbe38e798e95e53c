// Signing in from the app: against the local server (accounts, per-user and missing databases)
// and against scripted servers (not a database server, a redirect, an untrusted certificate, a
// server that hangs). Every failure ends with its own message, and none carries the password.
#include "CloudTestSupport.h"
#include "ScriptedServer.h"

#include "platform/cloud/SignInOperation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSslConfiguration>

using namespace CloudTestSupport;

namespace {

// Quotes, a colon and letters outside ASCII: each must survive the Basic header and the JSON body.
const QString userPassword = QStringLiteral("p\"w:ü-日本");

// The fixture server's address, without credentials, and its admin's.
QUrl fixture()
{
    return QUrl(serverUrl());
}

QString fixtureAddress()
{
    return fixture().toString(QUrl::RemoveUserInfo);
}

// Runs one sign-in to its end; the account it ends with.
CloudAccount signIn(const SignInOperation::Request &request, int timeout = 20000)
{
    SignInOperation operation(request);
    operation.setRequestTimeout(timeout);
    QSignalSpy finished(&operation, &SignInOperation::finished);
    operation.start();
    if (finished.isEmpty() && !finished.wait(30000))
        return CloudAccount::withProblem(QStringLiteral("no answer"));
    return finished.first().first().value<CloudAccount>();
}

} // namespace

Q_DECLARE_METATYPE(CloudAccount)

class TestSignInOperation : public QObject
{
    Q_OBJECT
private:
    QString m_user; // a user of the fixture's _users database, not an admin

private slots:
    void initTestCase()
    {
        qRegisterMetaType<CloudAccount>();
        QVERIFY2(!serverUrl().isEmpty(), "the cloud_server fixture did not start");
        m_user = QStringLiteral("zoë-") + QUuid::createUuid().toString(QUuid::Id128).left(8);
        const QString document = QStringLiteral("%1/_users/org.couchdb.user:%2").arg(serverUrl(), m_user);
        const QByteArray body = QJsonDocument(QJsonObject{{QStringLiteral("name"), m_user},
                                                          {QStringLiteral("password"), userPassword},
                                                          {QStringLiteral("roles"), QJsonArray()},
                                                          {QStringLiteral("type"), QStringLiteral("user")}})
                                    .toJson();
        QCOMPARE(adminRequest("PUT", QUrl(document).toString(), body), 201);
        QCOMPARE(adminRequest("PUT", serverUrl() + QLatin1Char('/') + SignInOperation::perUserDatabaseName(m_user)), 201);
    }

    void againstTheLocalServer_data()
    {
        QTest::addColumn<bool>("asAdmin");
        QTest::addColumn<QString>("password"); // empty: the right one
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("expected"); // the database signed in to, or a word of the message
        const QString fresh = QStringLiteral("created-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        QTest::newRow("missing database created") << true << "" << fresh << fresh;
        QTest::newRow("wrong password") << true << "wrong" << fresh << "did not accept";
        QTest::newRow("per-user database found") << false << "" << "" << "userdb-";
        QTest::newRow("missing, may not create") << false << "" << "not-mine" << "may not create";
    }
    void againstTheLocalServer()
    {
        QFETCH(bool, asAdmin);
        QFETCH(QString, password);
        QFETCH(QString, database);
        QFETCH(QString, expected);
        const QString user = asAdmin ? fixture().userName() : m_user;
        const QString rightPassword = asAdmin ? fixture().password() : userPassword;
        const CloudAccount account = signIn({fixtureAddress(), user, password.isEmpty() ? rightPassword : password, database});
        if (!expected.contains(QLatin1Char(' '))) {
            QVERIFY2(account.isValid(), qPrintable(account.problem()));
            QVERIFY(account.databaseName().startsWith(expected));
            QCOMPARE(account.userName(), user);
            QCOMPARE(account.passwordForTesting(), rightPassword);
            if (!asAdmin)
                QCOMPARE(account.databaseName(), QStringLiteral("userdb-") + QString::fromLatin1(m_user.toUtf8().toHex()));
            QCOMPARE(adminRequest("GET", serverUrl() + QLatin1Char('/') + account.databaseName()), 200);
            return;
        }
        QVERIFY(!account.isValid());
        QVERIFY2(account.problem().contains(expected), qPrintable(account.problem()));
        QVERIFY(!account.problem().contains(rightPassword));
    }

    void refusedServers_data()
    {
        QTest::addColumn<QString>("address"); // %1: the scripted server's port
        QTest::addColumn<QByteArray>("reply"); // empty: the server hangs
        QTest::addColumn<bool>("trusted");     // its certificate, for https
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no scheme") << "couch.example.com" << QByteArray() << true << "https://";
        QTest::newRow("a path") << "https://couch.example.com/db" << QByteArray() << true << "without a path";
        QTest::newRow("spaces") << "https://couch example.com" << QByteArray() << true << "https://";
        QTest::newRow("http to another computer") << "http://192.0.2.7:5984" << QByteArray() << true << "unencrypted";
        QTest::newRow("any http server") << "http://127.0.0.1:%1"
                                         << answer(200, "<html>It works</html>", "text/html") << true << "not as a CouchDB";
        QTest::newRow("not found at the root") << "http://127.0.0.1:%1" << answer(404, "no") << true << "not as a CouchDB";
        QTest::newRow("redirect to another host")
            << "http://127.0.0.1:%1" << answer(302, "", "text/plain", "Location: https://elsewhere.example/\r\n") << true
            << "elsewhere";
        QTest::newRow("hangs") << "http://127.0.0.1:%1" << QByteArray() << true << "did not answer";
        QTest::newRow("untrusted certificate") << "https://127.0.0.1:%1" << answer(200, R"({"couchdb":"Welcome"})") << false
                                               << "certificate";
    }
    void refusedServers()
    {
        QFETCH(QString, address);
        QFETCH(QByteArray, reply);
        QFETCH(bool, trusted);
        QTemporaryDir directory;
        QSslCertificate certificate;
        QSslKey key;
        if (!trusted && (!QSslSocket::supportsSsl() || !makeCertificate(directory, QStringLiteral("IP:127.0.0.1"), &certificate, &key)))
            QSKIP("no TLS backend, or no openssl tool to make a test certificate");
        FakeServer server(certificate, key);
        if (reply.isEmpty())
            server.hanging = true;
        else
            server.answers = {reply, reply};
        const CloudAccount account = signIn({address.contains(QLatin1String("%1")) ? address.arg(server.serverPort()) : address, QStringLiteral("alice"), userPassword, {}}, 400);
        QVERIFY(!account.isValid());
        QFETCH(QString, mentions);
        QVERIFY2(account.problem().contains(mentions), qPrintable(account.problem()));
        QVERIFY(!account.problem().contains(userPassword));
    }

    void cancelEndsAtOnce()
    {
        FakeServer server;
        server.hanging = true;
        SignInOperation operation({QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()), QStringLiteral("alice"),
                                   userPassword, {}});
        operation.setRequestTimeout(200);
        QSignalSpy finished(&operation, &SignInOperation::finished);
        operation.start();
        QTRY_COMPARE(server.heads.size(), 1);
        operation.cancel();
        QVERIFY(!finished.wait(600)); // not even the timeout's message comes
    }
};

QTEST_GUILESS_MAIN(TestSignInOperation)
#include "tst_signinoperation.moc"
