#pragma once

#include "platform/cloud/CloudAccount.h"
#include "platform/cloud/CloudError.h"
#include "platform/cloud/DatabaseKeys.h"

#include <QJsonValue>
#include <QNetworkReply>
#include <QObject>
#include <QUrlQuery>

#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkRequest;

// The answer to one request: either an error, or the HTTP status and the parsed JSON body.
struct CloudResponse {
    std::optional<CloudError> error;
    int status = 0;
    QJsonValue json;

    // A change feed's sequence ("last_seq", "update_seq") as text. Sequences are opaque: numbers
    // on some servers, strings on others; anything else reads as `fallback`.
    static QString sequenceText(const QJsonValue &sequence, const QString &fallback = QString());
};

// The HTTP connection to the account's database. Lives on the cloud layer's worker thread and
// must be used there (post() gets there from any thread). Every request carries the account's
// credentials in a header (never in a URL), follows no redirect, verifies certificates and ends
// with an error when no byte moves for requestTimeout() milliseconds. Without a valid account
// every request fails with "not authenticated" and the account's problem as description.
class CloudConnection : public QObject
{
    Q_OBJECT
public:
    using Completion = std::function<void(const CloudResponse &)>;

    explicit CloudConnection(const CloudAccount &account, QObject *parent = nullptr);

    const CloudAccount &account() const { return m_account; }
    // The keys the database's records are sealed with, and how they are written (any thread:
    // DatabaseKeys guards itself).
    DatabaseKeys &keys() const { return *m_keys; }
    std::shared_ptr<DatabaseKeys> sharedKeys() const { return m_keys; }

    // Runs `work` on this connection's thread, later, also when called there. Any thread.
    void post(std::function<void()> work);

    // Worker thread. `path` is relative to the database ("_all_docs"), or to the server root
    // when `atServerRoot` ("_session"). The body, when not empty, is sent as JSON.
    void send(const QByteArray &verb, const QString &path, const QUrlQuery &query, const QByteArray &body,
              Completion completion, bool atServerRoot = false);

    // Worker thread. Downloads the raw bytes at `path` (relative to the database, already
    // percent-encoded) into a new file at `filePath`, then calls `completion` with no error, or
    // with the error after removing the partial file. A 404 is "unknown item" for `recordName`.
    using DownloadCompletion = std::function<void(const std::optional<CloudError> &)>;
    void download(const QString &path, const QString &filePath, const QString &recordName, const QUrlQuery &query,
                  DownloadCompletion completion);

    // Worker thread: a request with the credentials and redirect policy, for streaming callers.
    QNetworkRequest makeRequest(const QUrl &url) const;
    QUrl databaseUrl(const QString &path, const QUrlQuery &query = {}) const;
    QNetworkAccessManager *networkAccessManager();

    // Milliseconds without progress after which a request fails. Default 60000. Any thread
    // before the next request.
    void setRequestTimeout(int milliseconds) { m_requestTimeout = milliseconds; }
    // An answer (not a picture download, which goes to a file) larger than this is not read:
    // the request fails with "limit exceeded" instead of the process growing without bound.
    // Parsed, an answer takes several times its size, so the default keeps a read far below
    // the memory of the app; requests that may grow large ask for less at a time.
    static constexpr qint64 defaultMaximumAnswerBytes = qint64(16) * 1024 * 1024;
    void setMaximumAnswerBytes(qint64 bytes) { m_maximumAnswerBytes = bytes; }
    int requestTimeout() const { return m_requestTimeout; }

    // The error for a failed exchange. `status` 0 when no HTTP answer came. Stateless.
    static CloudError errorFor(QNetworkReply::NetworkError networkError, int status, const QByteArray &body,
                               const QString &displayUrl, bool timedOut, int timeoutMilliseconds,
                               const QByteArray &retryAfter = {});
    static CloudError notAuthenticated(const CloudAccount &account);
    // The error for a success answer that is not JSON or not shaped as the request expects.
    static CloudError unreadableAnswer(const QString &displayUrl);
    // The error for a CouchDB error name from a per-document answer ("conflict", "forbidden").
    static CloudError errorForDocument(const QString &errorName, const QString &reason, const QString &recordName);

private:
    // Aborts `reply` when no byte moves for requestTimeout(); the flag tells that it did.
    std::shared_ptr<bool> abortWhenStalled(QNetworkReply *reply, int stallMilliseconds);

    CloudAccount m_account;
    std::shared_ptr<DatabaseKeys> m_keys = std::make_shared<DatabaseKeys>();
    QNetworkAccessManager *m_manager = nullptr;
    int m_requestTimeout = 60000;
    static constexpr int pictureStallMilliseconds = 15000;
    qint64 m_maximumAnswerBytes = defaultMaximumAnswerBytes;
};
