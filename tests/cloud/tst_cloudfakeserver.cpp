// The cloud database against a scripted server on 127.0.0.1: every failure a server or the
// network can produce ends as the documented error code with a readable description, and no
// description or log line carries the password.
#include "CloudTestSupport.h"
#include "ScriptedServer.h"

#include "platform/cloud/CloudContainer.h"
#include "platform/cloud/CloudDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QTemporaryDir>

using namespace CloudTestSupport;

namespace {

const QString password = QStringLiteral("Pa55-w0rd-never-shown");
// The _all_docs answer to the revisions lookup of a write of "OK" (exists) and "BAD" (new).
const QByteArray revisions = R"({"rows":[{"key":"OK","value":{"rev":"1-a"}},{"key":"BAD","error":"not_found"}]})";

CloudAccount accountFor(quint16 port, const char *scheme = "http")
{
    return CloudAccount::fromUrl(QStringLiteral("%1://alice:%2@127.0.0.1:%3/stash").arg(QLatin1String(scheme), password).arg(port));
}

// False when `text` is empty or carries the password or the encoded credentials.
bool isReadableAndSecret(const QString &text)
{
    const QString encoded = QString::fromLatin1(accountFor(1).authorizationHeader().mid(6));
    return !text.trimmed().isEmpty() && !text.contains(password) && !text.contains(encoded);
}

// What is wrong with `error` against the expected code and mention; empty when nothing is.
QString errorProblem(const std::optional<CloudError> &error, int code, const QString &mentions)
{
    if (!error)
        return QStringLiteral("no error");
    const QString description = error->localizedDescription();
    if (error->numericCode() != code || !description.contains(mentions, Qt::CaseInsensitive) || !isReadableAndSecret(description))
        return QString::number(error->numericCode()) + QStringLiteral(": ") + description;
    return {};
}

// The first log line that is empty or gives the secret away; empty when all keep it.
QString leakingLogLine(const LogCapture &logs)
{
    for (const QString &line : logs.lines()) {
        if (!isReadableAndSecret(line))
            return line + QLatin1Char('.');
    }
    return logs.lines().isEmpty() ? QStringLiteral("nothing was logged") : QString();
}

} // namespace

class TestCloudFakeServer : public QObject
{
    Q_OBJECT
private slots:
    // The status and network mapping is shared by every request; each operation is checked for
    // the failures only it handles. A write whose answer fails "BAD" alone is a partial failure:
    // "OK" is saved all the same and the error checked is the one of "BAD".
    void failures_data()
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
        // The answers to a write whose "BAD" entry is `entry` (none when empty), `times` times over.
        auto write = [](const QByteArray &entry, int times = 1) {
            QByteArrayList answers{answer(200, revisions), answer(201, R"([{"id":"OK","ok":true,"rev":"2-b"})"
                                                                           + (entry.isEmpty() ? "" : ',' + entry) + ']')};
            while (--times > 0)
                answers << answer(200, revisions) << answer(201, '[' + entry + ']');
            return answers;
        };
        const QByteArray html = "text/html";
        row("refused", "fetch", {"refused"}, 3, "cannot be reached");
        row("never answers", "fetch", {"hanging"}, 4, "did not answer");
        row("malformed json", "fetch", {answer(200, R"({"rows": [)")}, 4, "cannot be read");
        row("answer too large", "fetch", {answer(200, R"({"rows": [")" + QByteArray(8000, 'x') + R"("]})")}, 27, "larger than");
        row("503 html, retry after", "fetch", {answer(503, "<h1>503 Service Unavailable</h1>", html, "Retry-After: 30\r\n")}, 6,
            "503", 30);
        row("507", "fetch", {answer(507, "{}")}, 25, "full");
        row("subscription 403", "subscription", {answer(403, R"({"error":"forbidden","reason":"Not here."})")}, 10,
            "/stash. (Not here.)");
        row("user 401", "user", {answer(401, R"({"error":"unauthorized","reason":"No."})")}, 9, "user name or password. (No.)");
        row("write 413", "modify", {answer(200, revisions), answer(413, "<html>too big</html>", html)}, 27, "large");
        // A write that lost a race is written again over the new revision; here it keeps losing, three times in all.
        row("record conflict", "modify", write(R"({"id":"BAD","error":"conflict","reason":"Document update conflict."})", 3), 14,
            "changed on the server");
        row("record forbidden", "modify", write(R"({"id":"BAD","error":"forbidden","reason":"only admins may write"})"), 10,
            "only admins may write");
        row("record too large", "modify", write(R"({"id":"BAD","error":"document_too_large","reason":"BAD"})"), 27, "too large");
        row("record unknown error", "modify", write(R"({"id":"BAD","error":"gremlins","reason":"something odd"})"), 15,
            "gremlins: something odd");
        row("record not answered", "modify", write({}), 15, "did not report");
    }
    void failures()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArrayList, answers);
        LogCapture logs;
        FakeServer fake;
        const bool refused = answers == QByteArrayList{"refused"};
        fake.hanging = answers == QByteArrayList{"hanging"};
        fake.answers = answers;
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(fake.serverPort()));
        if (refused)
            fake.close(); // nobody listens on its port any more
        container.setRequestTimeout(400);
        container.setMaximumAnswerBytes(4096);
        CloudDatabase &database = container.privateCloudDatabase();
        Recorder recorder;
        if (operation == QLatin1String("fetch"))
            database.fetchRecords({CloudRecordID(QStringLiteral("A"))}, recorder.perRecord(), recorder.result());
        else if (operation == QLatin1String("modify"))
            database.modifyRecords({CloudRecord(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("OK"))),
                                    CloudRecord(QStringLiteral("ShareItem"), CloudRecordID(QStringLiteral("BAD")))},
                                   recorder.perRecord(), recorder.modifyResult());
        else if (operation == QLatin1String("subscription"))
            database.saveSubscription(CloudSubscription(QStringLiteral("s"), QStringLiteral("ShareItem"), 7), recorder.result());
        else
            container.fetchUserRecordID([&recorder](const auto &, const auto &error) { recorder.result()(error); });
        QVERIFY(recorder.wait(10000));
        QCOMPARE(recorder.resultCount.load(), 1);
        QVERIFY(recorder.error && isReadableAndSecret(recorder.error->localizedDescription()));
        std::optional<CloudError> error = recorder.error;
        if (error->code() == CloudErrorCode::PartialFailure) {
            const auto partial = error->partialErrorsByItemID();
            QCOMPARE(partial.keys(), QList<CloudRecordID>{CloudRecordID(QStringLiteral("BAD"))});
            error = *partial.cbegin();
            QCOMPARE(recorder.items.size(), 2);
            QCOMPARE(recorder.saved.size(), 1);
            QCOMPARE(recorder.saved[0].recordChangeTag(), QStringLiteral("2-b"));
        } else {
            QVERIFY(recorder.items.isEmpty() && recorder.saved.isEmpty()); // a request that failed as a whole reports no record
        }
        QFETCH(int, code);
        QFETCH(QString, mentions);
        QCOMPARE(errorProblem(error, code, mentions), QString());
        QTEST(error->retryAfterSeconds().value_or(-1), "retryAfter");
        QCOMPARE(fake.heads.size(), refused ? 0 : answers.size());
        QCOMPARE(leakingLogLine(logs), QString());
    }

    void changesAreReadFromTheCheckpointOrFromTheStart_data()
    {
        QTest::addColumn<QString>("since");
        QTest::addColumn<QByteArrayList>("answers");
        QTest::addColumn<QString>("lastQuery"); // of the last request
        QTest::addColumn<int>("code");          // 0: the read succeeded
        QTest::addColumn<QString>("checkpoint");
        QTest::addColumn<bool>("isFromStart");
        const QByteArray page = answer(200, R"({"results":[{"seq":"12-x","id":"A","changes":[],)"
                                            R"("doc":{"_id":"A","_rev":"3-c","recordType":"ShareItem","fields":{}}},)"
                                            R"({"seq":"13-x","id":"Z","deleted":true,"changes":[],"doc":{"_id":"Z","_rev":"2-z","_deleted":true}}],)"
                                            R"("last_seq":"13-x"})");
        const QByteArray generation = answer(200, R"({"_id":"_local/stashline-generation","_rev":"0-1","generation":"g1"})");
        const QByteArray database = answer(200, R"({"db_name":"stash","update_seq":"13-x"})");
        const QByteArray missing = answer(404, R"({"error":"not_found","reason":"missing"})");
        QTest::newRow("from the checkpoint") << "g1/9-abc" << QByteArrayList{generation, page} << "since=9-abc" << 0
                                             << "g1/13-x" << false;
        QTest::newRow("a database made anew") << "g0/9-abc" << QByteArrayList{generation, page} << "since=0" << 0
                                              << "g1/13-x" << true;
        QTest::newRow("the first read makes the generation")
            << "" << QByteArrayList{missing, answer(201, R"({"ok":true})"), generation, page} << "since=0" << 0 << "g1/13-x" << false;
        QTest::newRow("an older checkpoint, from the same database")
            << "9-abc" << QByteArrayList{generation, database, page} << "since=9-abc" << 0 << "g1/13-x" << false;
        QTest::newRow("an older checkpoint, database made anew")
            << "99-abc" << QByteArrayList{generation, database, page} << "since=0" << 0 << "g1/13-x" << true;
        QTest::newRow("no generation may be kept")
            << "9-abc" << QByteArrayList{answer(403, R"({"error":"forbidden"})"), database, page} << "since=9-abc" << 0 << "13-x" << false;
        QTest::newRow("a checkpoint the server refuses")
            << "g1/9-abc" << QByteArrayList{generation, answer(400, R"({"error":"bad_request"})"), page} << "since=0" << 0
            << "g1/13-x" << true;
        QTest::newRow("an answer cut short") << "g1/9-abc" << QByteArrayList{generation, answer(200, R"({"results":[{"seq")")}
                                             << "since=9-abc" << 4 << "" << false;
    }
    void changesAreReadFromTheCheckpointOrFromTheStart()
    {
        QFETCH(QString, since);
        QFETCH(QByteArrayList, answers);
        FakeServer fake;
        fake.answers = answers;
        CloudContainer container(CloudContainer::defaultIdentifier, accountFor(fake.serverPort()));
        QMutex mutex;
        QList<ChangesOperation::Page> pages;
        std::optional<std::optional<CloudError>> result;
        container.privateCloudDatabase().fetchChanges(
            QStringLiteral("ShareItem"), since, {},
            [&](const ChangesOperation::Page &page, std::function<void()> next) {
                QMutexLocker lock(&mutex);
                pages.append(page);
                next();
            },
            [&](const std::optional<CloudError> &error) {
                QMutexLocker lock(&mutex);
                result = error;
            });
        QVERIFY(QTest::qWaitFor([&] { QMutexLocker lock(&mutex); return result.has_value(); }, 10000));
        QMutexLocker lock(&mutex);
        QFETCH(int, code);
        QCOMPARE(result->has_value() ? result->value().numericCode() : 0, code);
        QFETCH(QString, lastQuery);
        QVERIFY2(QString::fromLatin1(fake.heads.last()).contains(lastQuery), fake.heads.last().constData());
        if (code != 0)
            return;
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].records.size(), 2);
        const auto tombstone = std::find_if(pages[0].records.cbegin(), pages[0].records.cend(),
                                            [](const CloudRecord &record) { return record.isTombstone(); });
        QVERIFY(tombstone != pages[0].records.cend()); // the document the database deleted
        QCOMPARE(tombstone->recordID().recordName(), QStringLiteral("Z"));
        QCOMPARE(tombstone->recordChangeTag(), QStringLiteral("2-z"));
        QTEST(pages[0].checkpoint, "checkpoint");
        QTEST(pages[0].isFromStart, "isFromStart");
    }

};

QTEST_GUILESS_MAIN(TestCloudFakeServer)
#include "tst_cloudfakeserver.moc"
