// The cloud database against a scripted server on 127.0.0.1: every failure a server or the
// network can produce ends as the documented error code with a readable description, and no
// description or log line carries the password.
#include "CloudTestSupport.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/Localization.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

using namespace CloudTestSupport;

namespace {

const QString password = QStringLiteral("Pa55-w0rd-never-shown");
// The _all_docs answer to the revisions lookup of a write of "OK" (exists) and "BAD" (new).
const QByteArray revisions = R"({"rows":[{"key":"OK","value":{"rev":"1-a"}},{"key":"BAD","error":"not_found"}]})";

// A raw HTTP answer with a body and Content-Length.
QByteArray answer(int status, const QByteArray &body, const QByteArray &contentType = "application/json",
                  const QByteArray &extraHeaders = {})
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Scripted\r\nContent-Type: " + contentType
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

// Answers each complete request with the next queued raw answer and closes the connection.
// With nothing queued it answers 599, so a forgotten answer fails loudly. When hanging it reads
// requests and never answers. Given a certificate it speaks TLS. Records every request (head
// and body). Test thread.
class FakeServer : public QTcpServer
{
public:
    struct Request {
        QByteArray head;
        QByteArray body;
    };

    explicit FakeServer(const QSslCertificate &certificate = QSslCertificate(), const QSslKey &key = QSslKey())
        : m_certificate(certificate)
        , m_key(key)
    {
        listen(QHostAddress::LocalHost);
    }

    void enqueue(const QByteArray &raw) { m_answers.append(raw); }
    void setHanging(bool hanging) { m_hanging = hanging; }
    QList<Request> requests() const { return m_requests; }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype headEnd = buffer->indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            const QByteArray head = buffer->left(headEnd);
            qsizetype length = 0;
            for (const QByteArray &line : head.split('\n')) {
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            }
            if (buffer->size() < headEnd + 4 + length)
                return;
            m_requests.append({head, buffer->mid(headEnd + 4, length)});
            buffer->clear();
            if (m_hanging)
                return;
            socket->write(m_answers.isEmpty() ? answer(599, R"({"error":"no scripted answer"})") : m_answers.takeFirst());
            socket->disconnectFromHost();
        });
        if (!m_certificate.isNull()) {
            socket->setLocalCertificate(m_certificate);
            socket->setPrivateKey(m_key);
            socket->startServerEncryption();
        }
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    QByteArrayList m_answers;
    QList<Request> m_requests;
    bool m_hanging = false;
};

// A fresh self-signed certificate and key made with the openssl tool, for `subjectAltName`.
bool makeCertificate(const QString &directory, const QString &subjectAltName, QSslCertificate *certificate, QSslKey *key)
{
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        return false;
    const QString certificatePath = directory + QStringLiteral("/cert.pem");
    const QString keyPath = directory + QStringLiteral("/key.pem");
    QStringList arguments = QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
                                           "-subj /CN=stashline-test -addext")
                                .split(QLatin1Char(' '));
    arguments << QStringLiteral("subjectAltName=") + subjectAltName << QStringLiteral("-keyout") << keyPath
              << QStringLiteral("-out") << certificatePath;
    QProcess process;
    process.start(openssl, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    QFile certificateFile(certificatePath);
    QFile keyFile(keyPath);
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return false;
    *certificate = QSslCertificate(certificateFile.readAll(), QSsl::Pem);
    *key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
    return !certificate->isNull() && !key->isNull();
}

// A port on 127.0.0.1 that nobody listens on.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

CloudAccount accountFor(quint16 port, const char *scheme = "http")
{
    return CloudAccount::fromUrl(QStringLiteral("%1://alice:%2@127.0.0.1:%3/stash").arg(QLatin1String(scheme), password).arg(port));
}

CloudRecord shareItem(const QString &name)
{
    CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(name));
    record.setString(QStringLiteral("title"), name);
    return record;
}

// Fetches the records `names` through a container of its own; false when no result came.
bool fetch(const CloudAccount &account, const QStringList &names, Recorder &recorder, const QString &assetDirectory = {})
{
    CloudContainer container(CloudContainer::defaultIdentifier, account);
    if (!assetDirectory.isEmpty())
        container.privateCloudDatabase().setAssetDirectory(assetDirectory);
    QList<CloudRecordID> ids;
    for (const QString &name : names)
        ids.append(CloudRecordID(name));
    container.privateCloudDatabase().fetchRecords(ids, recorder.perRecord(), recorder.result());
    return recorder.wait(10000);
}

// False when `text` is empty or carries the password or the encoded credentials.
bool isReadableAndSecret(const QString &text)
{
    const QString encoded = QString::fromLatin1(accountFor(1).authorizationHeader().mid(6));
    return !text.trimmed().isEmpty() && !text.contains(password) && !text.contains(encoded);
}

void verifyLogsKeepTheSecret(const LogCapture &logs)
{
    for (const QString &line : logs.lines())
        QVERIFY2(isReadableAndSecret(line), qPrintable(line));
}

} // namespace

class TestCloudFakeServer : public QObject
{
    Q_OBJECT
private slots:
    // The status and network mapping is shared by every request; each operation is checked
    // for the failures only it handles.
    void requestFailures_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArrayList>("answers"); // {"refused"}: nobody listens; {"hanging"}: never answers
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("mentions");
        QTest::addColumn<int>("retryAfter"); // -1: none
        auto row = [](const char *name, const char *operation, const QByteArrayList &answers, int code, const char *mentions,
                      int retryAfter = -1) {
            QTest::newRow(name) << QString::fromLatin1(operation) << answers << code << QString::fromUtf8(mentions) << retryAfter;
        };
        row("refused", "fetch", {"refused"}, 3, "cannot be reached");
        row("never answers", "fetch", {"hanging"}, 4, "did not answer");
        row("malformed json", "fetch", {answer(200, R"({"rows": [)")}, 4, "cannot be read");
        row("rows not a list", "fetch", {answer(200, R"({"rows": 5})")}, 4, "cannot be read");
        row("truncated body", "fetch", {"HTTP/1.1 200 OK\r\nContent-Length: 500\r\nConnection: close\r\n\r\n{\"rows\":["}, 4,
            "127.0.0.1");
        row("404 database", "fetch", {answer(404, R"({"error":"not_found","reason":"Database does not exist."})")}, 15,
            "does not exist");
        row("429", "fetch", {answer(429, "{}", "application/json", "Retry-After: 7\r\n")}, 7, "too many", 7);
        row("503 html, retry after", "fetch",
            {answer(503, "<html><body><h1>503 Service Unavailable</h1></body></html>", "text/html", "Retry-After: 30\r\n")}, 6,
            "503", 30);
        row("507", "fetch", {answer(507, "{}")}, 25, "full");
        row("redirect", "fetch", {answer(302, "", "text/plain", "Location: http://127.0.0.1:1/elsewhere\r\n")}, 15, "elsewhere");
        row("query without rows", "query", {answer(200, "{}")}, 4, "cannot be read");
        row("modify revisions unreadable", "modify", {answer(200, R"({"total_rows":1})")}, 4, "cannot be read");
        row("modify write 413", "modify", {answer(200, revisions), answer(413, "<html>too big</html>", "text/html")}, 27, "large");
        row("modify write not a list", "modify", {answer(200, revisions), answer(201, R"({"ok":true})")}, 4, "cannot be read");
        row("subscription 403", "subscription", {answer(403, R"({"error":"forbidden","reason":"You are not allowed here."})")}, 10,
            "/stash. (You are not allowed here.)");
        row("user without name", "user", {answer(200, R"({"userCtx":{"name":null}})")}, 9, "not signed in");
        row("user 401", "user", {answer(401, R"({"error":"unauthorized","reason":"Name or password is incorrect."})")}, 9,
            "user name or password. (Name or password is incorrect.)");
    }
    void requestFailures()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArrayList, answers);
        QFETCH(int, code);
        QFETCH(QString, mentions);
        QFETCH(int, retryAfter);

        LogCapture logs;
        FakeServer fake;
        const bool refused = answers == QByteArrayList{"refused"};
        fake.setHanging(answers == QByteArrayList{"hanging"});
        for (const QByteArray &raw : answers)
            fake.enqueue(raw);
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(refused ? closedPort() : fake.serverPort()));
        container.setRequestTimeout(400);
        CloudDatabase &database = container.privateCloudDatabase();

        Recorder recorder;
        if (operation == QLatin1String("fetch")) {
            database.fetchRecords({CloudRecordID(QStringLiteral("A")), CloudRecordID(QStringLiteral("B"))}, recorder.perRecord(),
                                  recorder.result());
        } else if (operation == QLatin1String("query")) {
            database.queryRecords(QStringLiteral("ShareItem"), recorder.perRecord(), recorder.result());
        } else if (operation == QLatin1String("modify")) {
            database.modifyRecords({shareItem(QStringLiteral("OK")), shareItem(QStringLiteral("BAD"))}, recorder.perRecord(),
                                   recorder.modifyResult());
        } else if (operation == QLatin1String("subscription")) {
            database.saveSubscription(CloudSubscription(QStringLiteral("share-item-changes"), QStringLiteral("ShareItem"), 7),
                                      recorder.result());
        } else {
            container.fetchUserRecordID([&recorder](const std::optional<CloudRecordID> &, const std::optional<CloudError> &error) {
                recorder.result()(error);
            });
        }
        QVERIFY(recorder.wait(10000));
        QCOMPARE(recorder.resultCount.load(), 1);
        QVERIFY(recorder.error);
        QCOMPARE(recorder.error->numericCode(), code);
        QCOMPARE(recorder.error->retryAfterSeconds().value_or(-1), retryAfter);
        const QString description = recorder.error->localizedDescription();
        QVERIFY2(description.contains(mentions, Qt::CaseInsensitive), qPrintable(description));
        QVERIFY2(isReadableAndSecret(description), qPrintable(description));
        QVERIFY2(recorder.items.isEmpty(), "a request that failed as a whole reports no record");
        QVERIFY(recorder.saved.isEmpty());

        QVERIFY(!logs.lines().isEmpty());
        verifyLogsKeepTheSecret(logs);
        for (const FakeServer::Request &request : fake.requests())
            QVERIFY2(request.head.contains("Authorization: Basic "), request.head.constData());
    }

    void documentErrorsOfAWrite_data()
    {
        QTest::addColumn<QByteArray>("badAnswer"); // the _bulk_docs entry for "BAD"; empty: none
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("mentions");

        auto entry = [](const QByteArray &error, const QByteArray &reason) {
            return "{\"id\":\"BAD\",\"error\":\"" + error + "\",\"reason\":\"" + reason + "\"}";
        };
        QTest::newRow("conflict") << entry("conflict", "Document update conflict.") << 14 << "changed on the server";
        QTest::newRow("forbidden") << entry("forbidden", "only admins may write") << 10 << "only admins may write";
        QTest::newRow("unauthorized") << entry("unauthorized", "You are not a db or server admin.") << 9 << "not a db or server admin";
        QTest::newRow("not found") << entry("not_found", "missing") << 11 << "does not exist";
        QTest::newRow("too large") << entry("document_too_large", "BAD") << 27 << "too large";
        QTest::newRow("quota") << entry("quota_exceeded", "") << 25 << "full";
        QTest::newRow("unknown error name") << entry("gremlins", "something odd") << 15 << "gremlins: something odd";
        QTest::newRow("neither ok nor error") << QByteArray(R"({"id":"BAD"})") << 15 << "BAD";
        QTest::newRow("no answer for the record") << QByteArray() << 15 << "did not report";
    }
    void documentErrorsOfAWrite()
    {
        QFETCH(QByteArray, badAnswer);
        QFETCH(int, code);
        QFETCH(QString, mentions);

        LogCapture logs;
        FakeServer fake;
        fake.enqueue(answer(200, revisions));
        QByteArray written = R"([{"id":"OK","ok":true,"rev":"2-b"})";
        if (!badAnswer.isEmpty())
            written += ',' + badAnswer;
        fake.enqueue(answer(201, written + ']'));
        if (code == 14) {
            // A write that lost a race is written again over the new revision; here it keeps losing.
            for (int retry = 0; retry < 2; ++retry) {
                fake.enqueue(answer(200, revisions));
                fake.enqueue(answer(201, '[' + badAnswer + ']'));
            }
        }
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(fake.serverPort()));

        Recorder recorder;
        container.privateCloudDatabase().modifyRecords({shareItem(QStringLiteral("OK")), shareItem(QStringLiteral("BAD"))},
                                                       recorder.perRecord(), recorder.modifyResult());
        QVERIFY(recorder.wait(10000));
        QVERIFY(recorder.error);
        QCOMPARE(recorder.error->code(), CloudErrorCode::PartialFailure);
        QVERIFY(isReadableAndSecret(recorder.error->localizedDescription()));
        const auto partial = recorder.error->partialErrorsByItemID();
        QCOMPARE(partial.size(), 1);
        const auto bad = partial.constFind(CloudRecordID(QStringLiteral("BAD")));
        QVERIFY(bad != partial.cend());
        QCOMPARE(bad->numericCode(), code);
        QVERIFY2(bad->localizedDescription().contains(mentions, Qt::CaseInsensitive), qPrintable(bad->localizedDescription()));
        QVERIFY2(isReadableAndSecret(bad->localizedDescription()), qPrintable(bad->localizedDescription()));

        QCOMPARE(recorder.saved.size(), 1);
        QCOMPARE(recorder.saved[0].recordID().recordName(), QStringLiteral("OK"));
        QCOMPARE(recorder.saved[0].recordChangeTag(), QStringLiteral("2-b"));
        QCOMPARE(recorder.items.size(), 2);
        QCOMPARE(fake.requests().size(), code == 14 ? 6 : 2); // a lost race is tried three times in all
        verifyLogsKeepTheSecret(logs);
    }

    void rowProblemsOfAFetchStayWithTheirRecord()
    {
        // B: the server refuses that row; C: a document without a name. A arrives all the same.
        FakeServer fake;
        fake.enqueue(answer(200, R"({"rows":[{"key":"A","doc":{"_id":"A","recordType":"ShareItem"}},)"
                                 R"({"key":"B","error":"forbidden","reason":"no"},{"key":"C","doc":{"fields":3}}]})"));
        Recorder recorder;
        QVERIFY(fetch(accountFor(fake.serverPort()), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, recorder));
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(recorder.items.size(), 3);
        const QList<int> codes{0, 10, 15}; // 0: the record arrives
        for (int i = 0; i < 3; ++i) {
            const Recorder::Item &item = recorder.items[i];
            QCOMPARE(item.id.recordName(), QString(QLatin1Char(char('A' + i))));
            QCOMPARE(item.record.has_value(), codes[i] == 0);
            QCOMPARE(item.error ? item.error->numericCode() : 0, codes[i]);
            QVERIFY(!item.error || isReadableAndSecret(item.error->localizedDescription()));
        }
    }

    void pictureDownloads_data()
    {
        QTest::addColumn<QByteArray>("download"); // the answer to GET B/imageAsset
        QTest::addColumn<int>("code");            // 0: the record arrives with the picture

        const QByteArray picture(5000, 'j');
        QTest::newRow("downloaded") << answer(200, picture, "image/jpeg") << 0;
        QTest::newRow("gone in between") << answer(404, R"({"error":"not_found","reason":"Document is missing attachment"})") << 11;
        QTest::newRow("server error") << answer(500, "<html>oops</html>", "text/html") << 6;
        QTest::newRow("shorter than announced") << answer(200, picture.left(10), "image/jpeg") << 4;
        QTest::newRow("cut off") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nConnection: close\r\n\r\njjj") << 4;
    }
    void pictureDownloads()
    {
        QFETCH(QByteArray, download);
        QFETCH(int, code);

        LogCapture logs;
        FakeServer fake;
        fake.enqueue(answer(200, R"({"rows":[{"key":"B","doc":{"_id":"B","recordType":"ShareItem",)"
                                 R"("fields":{"imageAsset":{"type":"asset","value":"imageAsset"}},)"
                                 R"("_attachments":{"imageAsset":{"content_type":"image/jpeg","stub":true,"length":5000}}}}]})"));
        fake.enqueue(download);
        QTemporaryDir directory;
        Recorder recorder;
        QVERIFY(fetch(accountFor(fake.serverPort()), {QStringLiteral("B")}, recorder, directory.path()));
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(fake.requests().size(), 2);
        QCOMPARE(recorder.items.size(), 1);
        if (code == 0) {
            QVERIFY(recorder.items[0].record);
            const auto asset = recorder.items[0].record->assetValue(QStringLiteral("imageAsset"));
            QVERIFY(asset);
            QFile file(asset->fileURL());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray(5000, 'j'));
        } else {
            QVERIFY(!recorder.items[0].record);
            QCOMPARE(recorder.items[0].error->numericCode(), code);
            QVERIFY(isReadableAndSecret(recorder.items[0].error->localizedDescription()));
        }
        recorder.items.clear();
        QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList()); // no file outlives its asset
        verifyLogsKeepTheSecret(logs);
    }

    void https_data()
    {
        QTest::addColumn<QString>("subjectAltName");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<int>("code"); // 0: the request succeeds

        QTest::newRow("trusted") << "IP:127.0.0.1" << true << 0;
        QTest::newRow("self-signed, not trusted") << "IP:127.0.0.1" << false << 4;
        QTest::newRow("trusted, other host name") << "DNS:elsewhere.example" << true << 4;
    }
    void https()
    {
        QFETCH(QString, subjectAltName);
        QFETCH(bool, trusted);
        QFETCH(int, code);
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend");
        QTemporaryDir directory;
        QSslCertificate certificate;
        QSslKey key;
        if (!makeCertificate(directory.path(), subjectAltName, &certificate, &key))
            QSKIP("the openssl tool is not available to make a test certificate");

        const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
        QSslConfiguration configuration = original;
        if (trusted)
            configuration.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(configuration);
        auto restore = qScopeGuard([&original] { QSslConfiguration::setDefaultConfiguration(original); });

        LogCapture logs;
        FakeServer server(certificate, key);
        server.enqueue(answer(200, R"({"rows":[]})"));
        Recorder recorder;
        QVERIFY(fetch(accountFor(server.serverPort(), "https"), {QStringLiteral("A")}, recorder));
        if (code == 0) {
            QCOMPARE(recorder.error, std::nullopt);
            QCOMPARE(recorder.items.size(), 1);
            QCOMPARE(recorder.items[0].error->code(), CloudErrorCode::UnknownItem);
            return;
        }
        QVERIFY(recorder.error);
        QCOMPARE(recorder.error->numericCode(), code);
        QVERIFY2(recorder.error->localizedDescription().contains(QLatin1String("certificate")),
                 qPrintable(recorder.error->localizedDescription()));
        QVERIFY(isReadableAndSecret(recorder.error->localizedDescription()));
        QVERIFY2(server.requests().isEmpty(), "no request, and so no credential, goes to a server that is not trusted");
        verifyLogsKeepTheSecret(logs);
    }

    void descriptionsAreTranslated()
    {
        auto restore = qScopeGuard([] { Localization::install(QLocale(QStringLiteral("en_US"))); });
        for (const auto &[locale, expected] : {std::pair("de_DE", "nicht erreichbar"), std::pair("zh_TW", "無法連線")}) {
            QVERIFY(Localization::install(QLocale(QLatin1String(locale))));
            Recorder recorder;
            QVERIFY(fetch(accountFor(closedPort()), {QStringLiteral("A")}, recorder));
            QVERIFY(recorder.error);
            const QString description = recorder.error->localizedDescription();
            QVERIFY2(description.contains(QString::fromUtf8(expected)) && description.contains(QLatin1String("127.0.0.1")),
                     qPrintable(description));
        }
    }
};

QTEST_GUILESS_MAIN(TestCloudFakeServer)
#include "tst_cloudfakeserver.moc"
