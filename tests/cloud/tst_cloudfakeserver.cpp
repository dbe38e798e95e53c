// The cloud database against a scripted server on 127.0.0.1: every failure a server or the
// network can produce ends as the documented error code with a readable description, and no
// description or log line carries the password.
#include "CloudTestSupport.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/Localization.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

using namespace CloudTestSupport;

namespace {

const QString password = QStringLiteral("Pa55-w0rd-never-shown");

// A raw HTTP answer with a body and Content-Length.
QByteArray answer(int status, const QByteArray &body, const QByteArray &contentType = "application/json",
                  const QByteArray &extraHeaders = {})
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Scripted\r\nContent-Type: " + contentType
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

QByteArray json(const QJsonValue &value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

// Answers each complete request with the next queued raw answer and closes the connection.
// With nothing queued it answers 599, so a forgotten answer fails loudly. When hanging it reads
// requests and never answers. Records every request (head and body). Test thread.
class FakeServer : public QObject
{
public:
    struct Request {
        QByteArray head;
        QByteArray body;
    };

    FakeServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    void enqueue(const QByteArray &raw) { m_answers.append(raw); }
    void setHanging(bool hanging) { m_hanging = hanging; }
    QList<Request> requests() const { return m_requests; }

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
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
    }

    QTcpServer m_server;
    QByteArrayList m_answers;
    QList<Request> m_requests;
    bool m_hanging = false;
};

// A TLS server on 127.0.0.1 with the given certificate: completes handshakes and answers every
// request with `answerBytes`. Records whether any request bytes arrived. Test thread.
class TlsServer : public QTcpServer
{
public:
    TlsServer(const QSslCertificate &certificate, const QSslKey &key, const QByteArray &answerBytes)
        : m_certificate(certificate)
        , m_key(key)
        , m_answer(answerBytes)
    {
        listen(QHostAddress::LocalHost);
    }
    bool receivedRequest() const { return m_receivedRequest; }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QSslSocket::readyRead, this, [this, socket] {
            m_receivedRequest = true;
            if (socket->readAll().contains("\r\n\r\n")) {
                socket->write(m_answer);
                socket->disconnectFromHost();
            }
        });
        socket->startServerEncryption();
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    QByteArray m_answer;
    bool m_receivedRequest = false;
};

// A fresh self-signed certificate and key made with the openssl tool, for `subjectAltName`.
bool makeCertificate(const QString &directory, const QString &subjectAltName, QSslCertificate *certificate, QSslKey *key)
{
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        return false;
    QProcess process;
    process.start(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                            QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                            QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=stashline-test"),
                            QStringLiteral("-addext"), QStringLiteral("subjectAltName=") + subjectAltName,
                            QStringLiteral("-keyout"), directory + QStringLiteral("/key.pem"),
                            QStringLiteral("-out"), directory + QStringLiteral("/cert.pem")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    QFile certificateFile(directory + QStringLiteral("/cert.pem"));
    QFile keyFile(directory + QStringLiteral("/key.pem"));
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
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

CloudAccount accountFor(quint16 port)
{
    return CloudAccount::fromUrl(QStringLiteral("http://alice:%1@127.0.0.1:%2/stash").arg(password).arg(port));
}

CloudRecord shareItem(const QString &name)
{
    CloudRecord record(QStringLiteral("ShareItem"), CloudRecordID(name));
    record.setString(QStringLiteral("title"), name);
    return record;
}

// Fails the test when `text` is empty or carries the password or the encoded credentials.
bool isReadableAndSecret(const QString &text)
{
    const QString encoded = QString::fromLatin1(accountFor(1).authorizationHeader().mid(6));
    return !text.trimmed().isEmpty() && !text.contains(password) && !text.contains(encoded);
}

QJsonObject revisionsAnswer()
{
    return {{QStringLiteral("rows"),
             QJsonArray{QJsonObject{{QStringLiteral("key"), QStringLiteral("OK")},
                                    {QStringLiteral("value"), QJsonObject{{QStringLiteral("rev"), QStringLiteral("1-a")}}}},
                        QJsonObject{{QStringLiteral("key"), QStringLiteral("BAD")}, {QStringLiteral("error"), QStringLiteral("not_found")}}}}};
}

} // namespace

class TestCloudFakeServer : public QObject
{
    Q_OBJECT
private slots:
    void requestFailures_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("server"); // "scripted", "refused" or "hanging"
        QTest::addColumn<QByteArrayList>("answers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("retryAfter"); // -1: none
        QTest::addColumn<QString>("mentions");

        const QByteArray html = "<html><body><h1>500 Internal Server Error</h1></body></html>";
        const QByteArray revisions = answer(200, json(revisionsAnswer()));
        QTest::newRow("refused") << "fetch" << "refused" << QByteArrayList{} << 3 << -1 << "cannot be reached";
        QTest::newRow("never answers") << "fetch" << "hanging" << QByteArrayList{} << 4 << -1 << "did not answer";
        QTest::newRow("malformed json") << "fetch" << "scripted" << QByteArrayList{answer(200, R"({"rows": [)")} << 4 << -1
                                        << "cannot be read";
        QTest::newRow("html with 200") << "fetch" << "scripted" << QByteArrayList{answer(200, html, "text/html")} << 4 << -1
                                       << "cannot be read";
        QTest::newRow("rows not a list") << "fetch" << "scripted" << QByteArrayList{answer(200, R"({"rows": 5})")} << 4 << -1
                                         << "cannot be read";
        QTest::newRow("array instead of rows") << "fetch" << "scripted" << QByteArrayList{answer(200, "[]")} << 4 << -1
                                               << "cannot be read";
        QTest::newRow("truncated body") << "fetch" << "scripted"
                                        << QByteArrayList{"HTTP/1.1 200 OK\r\nContent-Length: 500\r\nConnection: close\r\n\r\n{\"rows\":["}
                                        << 4 << -1 << "127.0.0.1";
        QTest::newRow("html 500") << "fetch" << "scripted" << QByteArrayList{answer(500, html, "text/html")} << 6 << -1 << "500";
        QTest::newRow("401") << "fetch" << "scripted"
                             << QByteArrayList{answer(401, R"({"error":"unauthorized","reason":"Name or password is incorrect."})")}
                             << 9 << -1 << "Name or password is incorrect";
        QTest::newRow("403") << "fetch" << "scripted"
                             << QByteArrayList{answer(403, R"({"error":"forbidden","reason":"You are not allowed to access this db."})")}
                             << 10 << -1 << "not allowed";
        QTest::newRow("404 database") << "fetch" << "scripted"
                                      << QByteArrayList{answer(404, R"({"error":"not_found","reason":"Database does not exist."})")}
                                      << 15 << -1 << "does not exist";
        QTest::newRow("413") << "fetch" << "scripted" << QByteArrayList{answer(413, R"({"error":"too_large"})")} << 27 << -1 << "large";
        QTest::newRow("429") << "fetch" << "scripted" << QByteArrayList{answer(429, "{}", "application/json", "Retry-After: 7\r\n")}
                             << 7 << 7 << "too many";
        QTest::newRow("500 json") << "fetch" << "scripted" << QByteArrayList{answer(500, R"({"error":"unknown_error"})")} << 6 << -1
                                  << "500";
        QTest::newRow("503 retry after") << "fetch" << "scripted"
                                         << QByteArrayList{answer(503, "Service Unavailable", "text/plain", "Retry-After: 30\r\n")}
                                         << 6 << 30 << "503";
        QTest::newRow("507") << "fetch" << "scripted" << QByteArrayList{answer(507, "{}")} << 25 << -1 << "full";
        QTest::newRow("redirect") << "fetch" << "scripted"
                                  << QByteArrayList{answer(302, "", "text/plain", "Location: http://127.0.0.1:1/elsewhere\r\n")}
                                  << 15 << -1 << "elsewhere";
        QTest::newRow("query 401") << "query" << "scripted" << QByteArrayList{answer(401, "{}")} << 9 << -1 << "password";
        QTest::newRow("query without rows") << "query" << "scripted" << QByteArrayList{answer(200, "{}")} << 4 << -1 << "cannot be read";
        QTest::newRow("modify refused") << "modify" << "refused" << QByteArrayList{} << 3 << -1 << "cannot be reached";
        QTest::newRow("modify revisions unreadable") << "modify" << "scripted" << QByteArrayList{answer(200, R"({"total_rows":1})")}
                                                     << 4 << -1 << "cannot be read";
        QTest::newRow("modify write 500") << "modify" << "scripted" << QByteArrayList{revisions, answer(500, "{}")} << 6 << -1 << "500";
        QTest::newRow("modify write 413") << "modify" << "scripted" << QByteArrayList{revisions, answer(413, "<html>too big</html>", "text/html")}
                                          << 27 << -1 << "large";
        QTest::newRow("modify write not a list") << "modify" << "scripted" << QByteArrayList{revisions, answer(201, R"({"ok":true})")}
                                                 << 4 << -1 << "cannot be read";
        QTest::newRow("subscription 403") << "subscription" << "scripted" << QByteArrayList{answer(403, "{}")} << 10 << -1 << "may not";
        QTest::newRow("user without name") << "user" << "scripted" << QByteArrayList{answer(200, R"({"userCtx":{"name":null}})")} << 9
                                           << -1 << "not signed in";
        QTest::newRow("user 401") << "user" << "scripted" << QByteArrayList{answer(401, "{}")} << 9 << -1 << "password";
    }
    void requestFailures()
    {
        QFETCH(QString, operation);
        QFETCH(QString, server);
        QFETCH(QByteArrayList, answers);
        QFETCH(int, code);
        QFETCH(int, retryAfter);
        QFETCH(QString, mentions);

        LogCapture logs;
        FakeServer fake;
        fake.setHanging(server == QLatin1String("hanging"));
        for (const QByteArray &raw : answers)
            fake.enqueue(raw);
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(server == QLatin1String("refused") ? closedPort() : fake.port()));
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
        for (const QString &line : logs.lines())
            QVERIFY2(isReadableAndSecret(line), qPrintable(line));
        for (const FakeServer::Request &request : fake.requests())
            QVERIFY2(request.head.contains("Authorization: Basic "), request.head.constData());
    }

    void documentErrorsOfAWrite_data()
    {
        QTest::addColumn<QJsonObject>("badAnswer"); // the _bulk_docs entry for "BAD"; empty: none
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("mentions");

        auto entry = [](const char *error, const char *reason) {
            return QJsonObject{{QStringLiteral("id"), QStringLiteral("BAD")},
                               {QStringLiteral("error"), QString::fromLatin1(error)},
                               {QStringLiteral("reason"), QString::fromLatin1(reason)}};
        };
        QTest::newRow("conflict") << entry("conflict", "Document update conflict.") << 14 << "changed on the server";
        QTest::newRow("forbidden") << entry("forbidden", "only admins may write") << 10 << "only admins may write";
        QTest::newRow("unauthorized") << entry("unauthorized", "You are not a db or server admin.") << 9 << "not a db or server admin";
        QTest::newRow("not found") << entry("not_found", "missing") << 11 << "does not exist";
        QTest::newRow("bad request") << entry("bad_request", "Document must be a JSON object") << 15 << "must be a JSON object";
        QTest::newRow("invalid doc") << entry("doc_validation", "Bad special document member: _x") << 15 << "Bad special document member";
        QTest::newRow("too large") << entry("document_too_large", "BAD") << 27 << "too large";
        QTest::newRow("quota") << entry("quota_exceeded", "") << 25 << "full";
        QTest::newRow("unknown error name") << entry("gremlins", "something odd") << 15 << "gremlins";
        QTest::newRow("neither ok nor error") << QJsonObject{{QStringLiteral("id"), QStringLiteral("BAD")}} << 15 << "BAD";
        QTest::newRow("no answer for the record") << QJsonObject() << 15 << "did not report";
    }
    void documentErrorsOfAWrite()
    {
        QFETCH(QJsonObject, badAnswer);
        QFETCH(int, code);
        QFETCH(QString, mentions);

        LogCapture logs;
        FakeServer fake;
        fake.enqueue(answer(200, json(revisionsAnswer())));
        QJsonArray written{QJsonObject{{QStringLiteral("id"), QStringLiteral("OK")}, {QStringLiteral("ok"), true},
                                       {QStringLiteral("rev"), QStringLiteral("2-b")}}};
        if (!badAnswer.isEmpty())
            written.append(badAnswer);
        fake.enqueue(answer(201, json(written)));
        if (code == 14) {
            // A write that lost a race is written again over the new revision; here it keeps losing.
            for (int retry = 0; retry < 2; ++retry) {
                fake.enqueue(answer(200, json(revisionsAnswer())));
                fake.enqueue(answer(201, json(QJsonArray{badAnswer})));
            }
        }
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(fake.port()));

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

        // The write carries the revision read for the existing document and none for the new one.
        QCOMPARE(fake.requests().size(), code == 14 ? 6 : 2);
        const QJsonArray docs = QJsonDocument::fromJson(fake.requests()[1].body).object().value(QStringLiteral("docs")).toArray();
        QCOMPARE(docs.size(), 2);
        for (const QJsonValue &doc : docs) {
            const bool existing = doc.toObject().value(QStringLiteral("_id")).toString() == QLatin1String("OK");
            QCOMPARE(doc.toObject().value(QStringLiteral("_rev")).toString(), existing ? QStringLiteral("1-a") : QString());
        }
        for (const QString &line : logs.lines())
            QVERIFY2(isReadableAndSecret(line), qPrintable(line));
    }

    void rowProblemsOfAFetch_data()
    {
        QTest::addColumn<QJsonValue>("row"); // the _all_docs row for "B"; null: none
        QTest::addColumn<int>("code");       // 0: the record arrives

        const QString key = QStringLiteral("key");
        QTest::newRow("missing") << QJsonValue(QJsonObject{{key, QStringLiteral("B")}, {QStringLiteral("error"), QStringLiteral("not_found")}})
                                 << 11;
        QTest::newRow("deleted") << QJsonValue(QJsonObject{{key, QStringLiteral("B")},
                                                           {QStringLiteral("value"), QJsonObject{{QStringLiteral("rev"), QStringLiteral("2-x")},
                                                                                                 {QStringLiteral("deleted"), true}}},
                                                           {QStringLiteral("doc"), QJsonValue::Null}})
                                 << 11;
        QTest::newRow("forbidden") << QJsonValue(QJsonObject{{key, QStringLiteral("B")}, {QStringLiteral("error"), QStringLiteral("forbidden")},
                                                             {QStringLiteral("reason"), QStringLiteral("no")}})
                                   << 10;
        QTest::newRow("left out") << QJsonValue() << 11;
        QTest::newRow("row not an object") << QJsonValue(QStringLiteral("B")) << 11;
        QTest::newRow("document without name") << QJsonValue(QJsonObject{{key, QStringLiteral("B")},
                                                                         {QStringLiteral("doc"), QJsonObject{{QStringLiteral("fields"), 3}}}})
                                               << 15;
        QTest::newRow("fields not an object") << QJsonValue(QJsonObject{{key, QStringLiteral("B")},
                                                                        {QStringLiteral("doc"), QJsonObject{{QStringLiteral("_id"), QStringLiteral("B")},
                                                                                                            {QStringLiteral("fields"), 3}}}})
                                              << 0;
    }
    void rowProblemsOfAFetch()
    {
        QFETCH(QJsonValue, row);
        QFETCH(int, code);

        QJsonArray rows{QJsonObject{{QStringLiteral("key"), QStringLiteral("A")},
                                    {QStringLiteral("doc"), QJsonObject{{QStringLiteral("_id"), QStringLiteral("A")},
                                                                        {QStringLiteral("recordType"), QStringLiteral("ShareItem")}}}}};
        if (!row.isUndefined() && !row.isNull())
            rows.append(row);
        FakeServer fake;
        fake.enqueue(answer(200, json(QJsonObject{{QStringLiteral("rows"), rows}})));
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(fake.port()));

        Recorder recorder;
        container.privateCloudDatabase().fetchRecords({CloudRecordID(QStringLiteral("A")), CloudRecordID(QStringLiteral("B"))},
                                                      recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait(10000));
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(recorder.items.size(), 2);
        QVERIFY(recorder.items[0].record);
        QCOMPARE(recorder.items[1].id.recordName(), QStringLiteral("B"));
        if (code == 0) {
            QVERIFY(recorder.items[1].record);
            QVERIFY(recorder.items[1].record->allKeys().isEmpty());
            return;
        }
        QVERIFY(!recorder.items[1].record);
        QVERIFY(recorder.items[1].error);
        QCOMPARE(recorder.items[1].error->numericCode(), code);
        QVERIFY(isReadableAndSecret(recorder.items[1].error->localizedDescription()));
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

        const QJsonObject stub{{QStringLiteral("content_type"), QStringLiteral("image/jpeg")}, {QStringLiteral("stub"), true},
                               {QStringLiteral("length"), 5000}};
        auto row = [&stub](const QString &name) {
            return QJsonObject{{QStringLiteral("key"), name},
                               {QStringLiteral("doc"),
                                QJsonObject{{QStringLiteral("_id"), name},
                                            {QStringLiteral("recordType"), QStringLiteral("ShareItem")},
                                            {QStringLiteral("fields"),
                                             QJsonObject{{QStringLiteral("imageAsset"),
                                                          QJsonObject{{QStringLiteral("type"), QStringLiteral("asset")},
                                                                      {QStringLiteral("value"), QStringLiteral("imageAsset")}}}}},
                                            {QStringLiteral("_attachments"), QJsonObject{{QStringLiteral("imageAsset"), stub}}}}}};
        };
        LogCapture logs;
        FakeServer fake;
        fake.enqueue(answer(200, json(QJsonObject{{QStringLiteral("rows"), QJsonArray{row(QStringLiteral("B"))}}})));
        fake.enqueue(download);
        QTemporaryDir directory;
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(fake.port()));
        container.privateCloudDatabase().setAssetDirectory(directory.path());

        Recorder recorder;
        container.privateCloudDatabase().fetchRecords({CloudRecordID(QStringLiteral("B"))}, recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait(10000));
        QCOMPARE(recorder.error, std::nullopt);
        QCOMPARE(fake.requests().size(), 2);
        QVERIFY2(fake.requests()[1].head.startsWith("GET /stash/B/imageAsset "), fake.requests()[1].head.constData());
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
        for (const QString &line : logs.lines())
            QVERIFY2(isReadableAndSecret(line), qPrintable(line));
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
        TlsServer server(certificate, key, answer(200, R"({"rows":[]})"));
        CloudContainer container(CloudContainer::defaultIdentifier,
                                 CloudAccount::fromUrl(QStringLiteral("https://alice:%1@127.0.0.1:%2/stash").arg(password).arg(server.serverPort())));
        Recorder recorder;
        container.privateCloudDatabase().fetchRecords({CloudRecordID(QStringLiteral("A"))}, recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait(10000));
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
        QVERIFY2(!server.receivedRequest(), "no request, and so no credential, goes to a server that is not trusted");
        for (const QString &line : logs.lines())
            QVERIFY2(isReadableAndSecret(line), qPrintable(line));
    }

    void descriptionsAreTranslated_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en") << "en_US" << "cannot be reached";
        QTest::newRow("de") << "de_DE" << "nicht erreichbar";
        QTest::newRow("ja") << "ja_JP" << "接続できません";
        QTest::newRow("zh_Hant") << "zh_TW" << "無法連線";
    }
    void descriptionsAreTranslated()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QVERIFY(Localization::install(QLocale(locale)));
        auto restore = qScopeGuard([] { Localization::install(QLocale(QStringLiteral("en_US"))); });
        FakeServer unused;
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(closedPort()));
        Recorder recorder;
        container.privateCloudDatabase().fetchRecords({CloudRecordID(QStringLiteral("A"))}, recorder.perRecord(), recorder.result());
        QVERIFY(recorder.wait(10000));
        QVERIFY(recorder.error);
        const QString description = recorder.error->localizedDescription();
        QVERIFY2(description.contains(expected) && description.contains(QLatin1String("127.0.0.1")), qPrintable(description));
    }
};

QTEST_GUILESS_MAIN(TestCloudFakeServer)
#include "tst_cloudfakeserver.moc"
