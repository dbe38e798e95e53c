#pragma once

#include "diagnostics/AppLogger.h"
#include "platform/cloud/CloudAccount.h"
#include "platform/cloud/CloudError.h"
#include "platform/cloud/CloudRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <atomic>
#include <memory>
#include <optional>

namespace CloudTestSupport {

// The fixture server's root URL with its admin credentials.
inline QString serverUrl()
{
    QFile file(QStringLiteral(STASHLINE_CLOUD_SERVER_URL_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// Sends one request with the credentials of `urlWithCredentials` and waits for the answer.
inline int adminRequest(const QByteArray &verb, const QString &urlWithCredentials, const QByteArray &body = {},
                        QByteArray *answer = nullptr)
{
    QUrl url(urlWithCredentials);
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(url.toString(QUrl::RemoveUserInfo)));
    request.setRawHeader("Authorization", "Basic " + (url.userName() + QLatin1Char(':') + url.password()).toUtf8().toBase64());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    const std::unique_ptr<QNetworkReply> reply(manager.sendCustomRequest(request, verb, body));
    // A reply still unfinished after the wait gives status 0.
    static_cast<void>(QTest::qWaitFor([&reply] { return reply->isFinished(); }, 30000));
    if (answer)
        *answer = reply->readAll();
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// A fresh database on `server` (default: the fixture's); its URL with credentials.
inline QString createDatabase(const QString &server = serverUrl())
{
    const QString url = server + QStringLiteral("/test-") + QUuid::createUuid().toString(QUuid::Id128);
    return adminRequest("PUT", url) == 201 ? url : QString();
}

// Collects the callbacks of one operation, from the worker thread, for the test thread.
struct Recorder {
    // One per-record callback; afterResult: it came after the result.
    struct Item { CloudRecordID id; std::optional<CloudRecord> record; std::optional<CloudError> error; bool afterResult; };
    mutable QMutex mutex;
    QList<Item> items;
    QList<CloudRecord> saved;
    std::optional<CloudError> error;
    std::atomic<bool> done = false;
    std::atomic<bool> onTestThread = false;
    std::atomic<int> resultCount = 0;

    auto perRecord()
    {
        return [this](const CloudRecordID &id, const std::optional<CloudRecord> &record, const std::optional<CloudError> &err) {
            QMutexLocker lock(&mutex);
            noteThread();
            items.append({id, record, err, done.load()});
        };
    }
    auto result() { return [this](const std::optional<CloudError> &err) { finish({}, err); }; }
    auto modifyResult()
    {
        return [this](const QList<CloudRecord> &records, const std::optional<CloudError> &err) { finish(records, err); };
    }
    void finish(const QList<CloudRecord> &records, const std::optional<CloudError> &err)
    {
        QMutexLocker lock(&mutex);
        noteThread();
        saved = records;
        error = err;
        ++resultCount;
        done = true;
    }
    void noteThread() { onTestThread = onTestThread || QThread::currentThread() == QCoreApplication::instance()->thread(); }
    bool wait(int milliseconds = 20000) const { return QTest::qWaitFor([this] { return done.load(); }, milliseconds); }
};

// Captures every log line, debug included, while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=true"));
        LogSink::setCaptureForTesting([this](const LogEntry &entry) {
            QMutexLocker lock(&m_mutex);
            m_lines.append(entry.line);
        });
    }
    ~LogCapture()
    {
        LogSink::setCaptureForTesting({});
        QLoggingCategory::setFilterRules(QString());
    }
    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_lines;
};

} // namespace CloudTestSupport
