// The local cloud server that scripts/run and the test fixture start is locked: nothing is read
// or written without the admin's credentials, a web page of another origin gets no CORS
// allowance, nothing listens beyond the loopback interface, and its secrets sit in private files.
#include "CloudTestSupport.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QProcess>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace CloudTestSupport;

namespace {

struct Answer {
    int status = 0;
    QList<QNetworkReply::RawHeaderPair> headers;
    bool hasHeaderStartingWith(const QByteArray &prefix) const
    {
        return std::any_of(headers.begin(), headers.end(),
                           [&prefix](const auto &header) { return header.first.toLower().startsWith(prefix); });
    }
};

// One request to `url`, with the credentials the URL carries (none when it carries none).
Answer send(const QByteArray &verb, const QUrl &url, const QByteArray &body = {},
            const QList<QPair<QByteArray, QByteArray>> &headers = {})
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(url.toString(QUrl::RemoveUserInfo)));
    if (!url.userName().isEmpty())
        request.setRawHeader("Authorization", "Basic " + (url.userName() + QLatin1Char(':') + url.password()).toUtf8().toBase64());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    const std::unique_ptr<QNetworkReply> reply(manager.sendCustomRequest(request, verb, body));
    static_cast<void>(QTest::qWaitFor([&reply] { return reply->isFinished(); }, 30000));
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->rawHeaderPairs()};
}

QUrl withoutCredentials(QUrl url)
{
    url.setUserInfo(QString());
    return url;
}

int permissions(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

} // namespace

class TestLocalCloudServer : public QObject
{
    Q_OBJECT
private slots:
    // Every way in without the admin's credentials is refused; with them the same requests work.
    void refusesEveryRequestWithoutValidCredentials_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QString>("path"); // relative to the database URL
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("allowedStatus");
        QTest::newRow("read every document") << QByteArray("GET") << "/_all_docs?include_docs=true" << QByteArray() << 200;
        QTest::newRow("list databases") << QByteArray("GET") << "/../_all_dbs" << QByteArray() << 200;
        QTest::newRow("follow changes") << QByteArray("GET") << "/_changes" << QByteArray() << 200;
        QTest::newRow("write a document") << QByteArray("PUT") << "/intruder" << QByteArray(R"({"title":"x"})") << 201;
    }
    void refusesEveryRequestWithoutValidCredentials()
    {
        QFETCH(QByteArray, verb);
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        const QString database = createDatabase();
        QVERIFY(!database.isEmpty());
        const QUrl target(QUrl(database + path).adjusted(QUrl::NormalizePathSegments));
        QUrl wrongPassword = target;
        wrongPassword.setPassword(QStringLiteral("not-the-password"));

        QCOMPARE(send(verb, withoutCredentials(target), body).status, 401);
        QCOMPARE(send(verb, wrongPassword, body).status, 401);
        QTEST(send(verb, target, body).status, "allowedStatus");
    }

    // A page of another origin gets no CORS allowance, neither on a preflight nor on a request.
    void grantsNoOriginCrossOriginAccess()
    {
        const QUrl database(createDatabase());
        const QList<QPair<QByteArray, QByteArray>> origin{{"Origin", "https://attacker.example"}};
        const Answer read = send("GET", database, {}, origin);
        QCOMPARE(read.status, 200);
        QVERIFY(!read.hasHeaderStartingWith("access-control-"));
        const Answer preflight = send("OPTIONS", withoutCredentials(database), {},
                                      {origin.first(),
                                       {"Access-Control-Request-Method", "PUT"},
                                       {"Access-Control-Request-Headers", "authorization,content-type"}});
        QVERIFY(!preflight.hasHeaderStartingWith("access-control-"));
        QCOMPARE(preflight.status, 401);
    }

    // The server takes connections on the loopback interface only.
    void listensOnLoopbackOnly()
    {
        const QUrl server(serverUrl());
        QCOMPARE(server.host(), QStringLiteral("127.0.0.1"));
        QHostAddress outside;
        for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
            if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
                outside = address;
        }
        if (outside.isNull())
            QSKIP("this machine has no address besides the loopback one");
        QTcpSocket socket;
        socket.connectToHost(outside, quint16(server.port()));
        QVERIFY(!socket.waitForConnected(3000));
    }

    // A server kept in a folder (as scripts/run starts it): its secrets are private and the account
    // file the app reads carries no credentials in its URL.
    void keepsItsSecretsPrivate()
    {
        QTemporaryDir state;
        const QString serverDir = state.filePath(QStringLiteral("server"));
        const QString accountFile = state.filePath(QStringLiteral("config/Stashline/account.json"));
        const QString pidFile = state.filePath(QStringLiteral("pid"));
        const QStringList start{QStringLiteral("start"), QStringLiteral("--dir"), serverDir,
                                QStringLiteral("--database"), QStringLiteral("stashline"),
                                QStringLiteral("--pid-file"), pidFile, QStringLiteral("--account-file"), accountFile};
        const QString tool = QStringLiteral(STASHLINE_CLOUD_SERVER_TOOL);
        QProcess first;
        first.start(tool, start);
        QVERIFY(first.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        const auto stop = qScopeGuard([&] { QProcess::execute(tool, {QStringLiteral("stop"), QStringLiteral("--pid-file"), pidFile}); });

        QCOMPARE(permissions(serverDir), 0700);
        for (const char *name : {"admin-password", "config.json", "log.txt"})
            QCOMPARE(permissions(serverDir + QLatin1Char('/') + QLatin1String(name)), 0600);
        QCOMPARE(permissions(accountFile), 0600);

        QFile passwordFile(serverDir + QStringLiteral("/admin-password"));
        QVERIFY(passwordFile.open(QIODevice::ReadOnly));
        const QString password = QString::fromUtf8(passwordFile.readAll()).trimmed();
        QVERIFY(password.size() >= 16);
        QVERIFY(!QString::fromUtf8(first.readAll()).contains(password));

        const CloudAccount account = CloudAccount::fromFile(accountFile);
        QVERIFY2(account.isValid(), qPrintable(account.problem()));
        QCOMPARE(account.passwordForTesting(), password);
        QCOMPARE(account.databaseUrl().userInfo(), QString());
        QUrl signedIn = account.databaseUrl();
        signedIn.setUserName(account.userName());
        signedIn.setPassword(password);
        QCOMPARE(send("GET", signedIn).status, 200);
        QCOMPARE(send("GET", account.databaseUrl()).status, 401);
    }
};

QTEST_GUILESS_MAIN(TestLocalCloudServer)
#include "tst_localcloudserver.moc"
