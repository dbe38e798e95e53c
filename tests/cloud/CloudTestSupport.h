#pragma once

#include "diagnostics/AppLogger.h"
#include "platform/cloud/CloudAccount.h"
#include "platform/cloud/CloudError.h"
#include "platform/cloud/CloudRecord.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <atomic>
#include <optional>

namespace CloudTestSupport {

// The fixture server's root URL with its admin credentials.
inline QString serverUrl()
{
    QFile file(QStringLiteral(STASHLINE_CLOUD_SERVER_URL_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
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
    QNetworkReply *reply = manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (answer)
        *answer = reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}

// A fresh database on `server` (default: the fixture's); its URL with credentials.
inline QString createDatabase(const QString &server = serverUrl())
{
    const QString url = server + QStringLiteral("/test-") + QUuid::createUuid().toString(QUuid::Id128);
    const int status = adminRequest("PUT", url);
    return status == 201 ? url : QString();
}

// Collects the callbacks of one operation, from the worker thread, for the test thread.
struct Recorder {
    struct Item {
        CloudRecordID id;
        std::optional<CloudRecord> record;
        std::optional<CloudError> error;
        bool afterResult = false;
    };
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
    auto result()
    {
        return [this](const std::optional<CloudError> &err) { finish({}, err); };
    }
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
    void noteThread()
    {
        if (QThread::currentThread() == QCoreApplication::instance()->thread())
            onTestThread = true;
    }
    bool wait(int milliseconds = 20000) const
    {
        return QTest::qWaitFor([this] { return done.load(); }, milliseconds);
    }
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
