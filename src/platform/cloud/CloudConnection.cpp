#include "CloudConnection.h"

#include "diagnostics/AppLogger.h"
#include "platform/Utf8.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {

QString serverReason(const QByteArray &body)
{
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    QString reason = object.value(QStringLiteral("reason")).toString();
    if (reason.isEmpty())
        reason = object.value(QStringLiteral("error")).toString();
    reason = reason.simplified();
    if (reason.size() > 200)
        reason = reason.left(200) + QStringLiteral("…");
    return reason;
}

QString withReason(const QString &text, const QString &reason)
{
    return reason.isEmpty() ? text : text + QStringLiteral(" (") + reason + QLatin1Char(')');
}

} // namespace

CloudConnection::CloudConnection(const CloudAccount &account, QObject *parent)
    : QObject(parent)
    , m_account(account)
{
}

void CloudConnection::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

QNetworkAccessManager *CloudConnection::networkAccessManager()
{
    if (!m_manager) {
        m_manager = new QNetworkAccessManager(this);
        m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
        m_manager->setAutoDeleteReplies(false);
    }
    return m_manager;
}

QUrl CloudConnection::databaseUrl(const QString &path, const QUrlQuery &query) const
{
    QUrl url = m_account.databaseUrl();
    if (!path.isEmpty())
        url.setPath(url.path(QUrl::FullyEncoded) + QLatin1Char('/') + path, QUrl::TolerantMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

QNetworkRequest CloudConnection::makeRequest(const QUrl &url) const
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept", "application/json");
    // Asset bytes do not compress, and compressing large answers costs both ends more than it saves.
    request.setRawHeader("Accept-Encoding", "identity");
    const QByteArray authorization = m_account.authorizationHeader();
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);
    return request;
}

CloudError CloudConnection::notAuthenticated(const CloudAccount &account)
{
    return CloudError(CloudErrorCode::NotAuthenticated,
                      account.problem().isEmpty()
                          ? CloudError::localized("cloud.error.notAuthenticated", "You are not signed in to a cloud account.")
                          : account.problem());
}

std::shared_ptr<bool> CloudConnection::abortWhenStalled(QNetworkReply *reply, int stallMilliseconds)
{
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    timer->setInterval(stallMilliseconds);
    auto timedOut = std::make_shared<bool>(false);
    connect(timer, &QTimer::timeout, reply, [reply, timedOut] {
        *timedOut = true;
        reply->abort();
    });
    auto restart = [timer](qint64, qint64) { timer->start(); };
    connect(reply, &QNetworkReply::uploadProgress, timer, restart);
    connect(reply, &QNetworkReply::downloadProgress, timer, restart);
    timer->start();
    return timedOut;
}

void CloudConnection::download(const QString &path, const QString &filePath, const QString &recordName,
                               const QUrlQuery &query, DownloadCompletion completion)
{
    if (!m_account.isValid()) {
        post([completion, error = notAuthenticated(m_account)] { completion(error); });
        return;
    }
    auto file = std::make_shared<QFile>(filePath);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        post([completion, error = CloudError(CloudErrorCode::InternalError,
                                             CloudError::localized("cloud.error.assetFile",
                                                                   "The picture of record %1 could not be stored: %2")
                                                 .arg(recordName, file->errorString()))] { completion(error); });
        return;
    }
    QNetworkRequest request = makeRequest(databaseUrl(path, query));
    request.setRawHeader("Accept", "*/*");
    QNetworkReply *reply = networkAccessManager()->get(request);
    // A picture that stops coming gives up sooner than a request: the others go on, and the
    // picture is fetched by a later read.
    const int timeout = std::min(m_requestTimeout, pictureStallMilliseconds);
    const std::shared_ptr<bool> timedOut = abortWhenStalled(reply, timeout);
    // The body goes to the file only for a success; an error page is kept for its reason.
    auto errorBody = std::make_shared<QByteArray>();
    auto writeFailed = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::readyRead, this, [reply, file, errorBody, writeFailed] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray bytes = reply->readAll();
        if (status < 200 || status >= 300) {
            if (errorBody->size() < 65536)
                errorBody->append(bytes.left(65536));
        } else if (!*writeFailed && file->write(bytes) != bytes.size()) {
            *writeFailed = true;
            reply->abort();
        }
    });
    const QString displayUrl = m_account.displayUrl();
    QElapsedTimer clock;
    clock.start();
    connect(reply, &QNetworkReply::finished, this, [reply, file, errorBody, writeFailed, timedOut, completion, timeout, displayUrl,
                                                    recordName, clock] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray rest = reply->isOpen() ? reply->readAll() : QByteArray();
        const bool success = !*timedOut && !*writeFailed && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
        std::optional<CloudError> error;
        if (success && file->write(rest) == rest.size() && file->flush()) {
            file->close();
        } else {
            const QString fileProblem = file->errorString();
            file->close();
            file->remove();
            if (*writeFailed || success)
                error = CloudError(CloudErrorCode::InternalError,
                                   CloudError::localized("cloud.error.assetFile", "The picture of record %1 could not be stored: %2")
                                       .arg(recordName, fileProblem));
            else if (status == 404 && !*timedOut)
                error = errorForDocument(QStringLiteral("not_found"), {}, recordName);
            else {
                const bool complete = status >= 300 || reply->error() == QNetworkReply::NoError;
                error = errorFor(reply->error(), *timedOut || !complete ? 0 : status, *errorBody + rest, displayUrl, *timedOut,
                                 timeout, reply->rawHeader("Retry-After"));
            }
        }
        AppLogger::debug(AppLogger::cloudKit(), QStringLiteral("GET attachment of %1: status %2 in %3 ms%4")
                                                    .arg(recordName)
                                                    .arg(status)
                                                    .arg(clock.elapsed())
                                                    .arg(error ? QStringLiteral(", error ") + QString::number(error->numericCode())
                                                               : QString()));
        completion(error);
    });
}

CloudError CloudConnection::unreadableAnswer(const QString &displayUrl)
{
    return CloudError(CloudErrorCode::NetworkFailure,
                      CloudError::localized("cloud.error.unreadableAnswer", "The cloud server at %1 sent an answer that cannot be read.")
                          .arg(displayUrl));
}

void CloudConnection::send(const QByteArray &verb, const QString &path, const QUrlQuery &query, const QByteArray &body,
                           Completion completion, bool atServerRoot)
{
    if (!m_account.isValid()) {
        post([completion, error = notAuthenticated(m_account)] { completion(CloudResponse{error, 0, {}}); });
        return;
    }

    QUrl url = atServerRoot ? m_account.serverUrl() : databaseUrl({});
    if (atServerRoot)
        url.setPath(url.path(QUrl::FullyEncoded) + path, QUrl::TolerantMode);
    else
        url = databaseUrl(path, query);
    if (atServerRoot && !query.isEmpty())
        url.setQuery(query);

    QNetworkRequest request = makeRequest(url);
    if (!body.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    QNetworkReply *reply = networkAccessManager()->sendCustomRequest(request, verb, body);
    const std::shared_ptr<bool> timedOut = abortWhenStalled(reply, m_requestTimeout);
    auto isTooLarge = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, isTooLarge, limit = m_maximumAnswerBytes](qint64 received, qint64 total) {
        if (!*isTooLarge && (received > limit || total > limit)) {
            *isTooLarge = true;
            reply->abort();
        }
    });

    QElapsedTimer clock;
    clock.start();
    const int timeout = m_requestTimeout;
    const QString displayUrl = m_account.displayUrl();
    const QString logPath = path;
    connect(reply, &QNetworkReply::finished, this, [reply, completion, timedOut, isTooLarge, clock, timeout, displayUrl, verb, logPath,
                                                     limit = m_maximumAnswerBytes] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        QByteArray answer = reply->isOpen() && !*isTooLarge ? reply->readAll() : QByteArray(); // closed after an abort
        CloudResponse response;
        response.status = status;
        const bool success = !*timedOut && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
        if (*isTooLarge) {
            response.error = CloudError(CloudErrorCode::LimitExceeded,
                                        CloudError::localized("cloud.error.answerTooLarge",
                                                              "The cloud server at %1 sent an answer larger than %2 MB; it was not read.")
                                            .arg(displayUrl)
                                            .arg(limit / (1024 * 1024)));
        } else if (success) {
            QJsonParseError parseError;
            const QJsonDocument document = Utf8::parseJson(answer, &parseError);
            answer = QByteArray(); // the parsed answer is all that is kept from here on
            if (parseError.error != QJsonParseError::NoError || document.isNull())
                response.error = unreadableAnswer(displayUrl);
            else
                response.json = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        } else {
            const bool complete = status >= 300 || reply->error() == QNetworkReply::NoError;
            response.error = errorFor(reply->error(), *timedOut || !complete ? 0 : status, answer, displayUrl, *timedOut, timeout,
                                      reply->rawHeader("Retry-After"));
        }
        AppLogger::debug(AppLogger::cloudKit(),
                         QStringLiteral("%1 %2: status %3 in %4 ms%5")
                             .arg(QString::fromLatin1(verb), logPath)
                             .arg(status)
                             .arg(clock.elapsed())
                             .arg(response.error ? QStringLiteral(", error ") + QString::number(response.error->numericCode())
                                                 : QString()));
        completion(response);
    });
}

CloudError CloudConnection::errorFor(QNetworkReply::NetworkError networkError, int status, const QByteArray &body,
                                     const QString &displayUrl, bool timedOut, int timeoutMilliseconds,
                                     const QByteArray &retryAfter)
{
    if (timedOut)
        return CloudError(CloudErrorCode::NetworkFailure,
                          CloudError::localized("cloud.error.timeout", "The cloud server at %1 did not answer within %2 seconds.")
                              .arg(displayUrl)
                              .arg(QString::number(timeoutMilliseconds / 1000.0, 'g', 3)));

    if (status == 0) {
        switch (networkError) {
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::UnknownNetworkError:
            return CloudError(CloudErrorCode::NetworkUnavailable,
                              CloudError::localized("cloud.error.unreachable", "The cloud server at %1 cannot be reached.")
                                  .arg(displayUrl));
        case QNetworkReply::SslHandshakeFailedError:
            return CloudError(CloudErrorCode::NetworkFailure,
                              CloudError::localized("cloud.error.certificate",
                                                    "The secure connection to %1 failed: the server's certificate was not accepted.")
                                  .arg(displayUrl));
        default:
            return CloudError(CloudErrorCode::NetworkFailure,
                              CloudError::localized("cloud.error.connectionLost",
                                                    "The connection to the cloud server at %1 failed.")
                                  .arg(displayUrl));
        }
    }

    const QString reason = serverReason(body);
    CloudError error = [&] {
        if (status == 401)
            return CloudError(CloudErrorCode::NotAuthenticated,
                              withReason(CloudError::localized("cloud.error.unauthorized",
                                                               "The cloud server at %1 did not accept the account's user name or password.")
                                             .arg(displayUrl),
                                         reason));
        if (status == 403)
            return CloudError(CloudErrorCode::PermissionFailure,
                              withReason(CloudError::localized("cloud.error.forbidden",
                                                               "The cloud account may not use the database at %1.")
                                             .arg(displayUrl),
                                         reason));
        if (status == 404)
            return CloudError(CloudErrorCode::ServerRejectedRequest,
                              withReason(CloudError::localized("cloud.error.noDatabase",
                                                               "The cloud database at %1 does not exist.")
                                             .arg(displayUrl),
                                         reason));
        if (status == 409 || status == 412)
            return CloudError(CloudErrorCode::ServerRecordChanged,
                              CloudError::localized("cloud.error.serverRecordChanged",
                                                    "The record was changed on the server in the meantime."));
        if (status == 413)
            return CloudError(CloudErrorCode::LimitExceeded,
                              CloudError::localized("cloud.error.tooLarge", "The request was too large for the cloud server."));
        if (status == 429)
            return CloudError(CloudErrorCode::RequestRateLimited,
                              CloudError::localized("cloud.error.rateLimited",
                                                    "The cloud server is receiving too many requests. Try again later."));
        if (status == 507)
            return CloudError(CloudErrorCode::QuotaExceeded,
                              CloudError::localized("cloud.error.quota", "The cloud database is full."));
        if (status >= 500)
            return CloudError(CloudErrorCode::ServiceUnavailable,
                              CloudError::localized("cloud.error.serverError",
                                                    "The cloud server at %1 has a problem (error %2). Try again later.")
                                  .arg(displayUrl)
                                  .arg(status));
        if (status >= 300 && status < 400)
            return CloudError(CloudErrorCode::ServerRejectedRequest,
                              CloudError::localized("cloud.error.redirect",
                                                    "The cloud server at %1 sent the request elsewhere; only the configured database is used.")
                                  .arg(displayUrl));
        return CloudError(CloudErrorCode::ServerRejectedRequest,
                          withReason(CloudError::localized("cloud.error.rejected",
                                                           "The cloud server at %1 rejected the request (error %2).")
                                         .arg(displayUrl)
                                         .arg(status),
                                     reason));
    }();
    bool ok = false;
    const int seconds = retryAfter.trimmed().toInt(&ok);
    if (ok && seconds >= 0)
        error.setRetryAfterSeconds(seconds);
    return error;
}

CloudError CloudConnection::errorForDocument(const QString &errorName, const QString &reason, const QString &recordName)
{
    const QString detail = reason.simplified().left(200);
    if (errorName == QLatin1String("conflict"))
        return CloudError(CloudErrorCode::ServerRecordChanged,
                          CloudError::localized("cloud.error.recordChanged", "Record %1 was changed on the server in the meantime.")
                              .arg(recordName));
    if (errorName == QLatin1String("not_found"))
        return CloudError(CloudErrorCode::UnknownItem,
                          CloudError::localized("cloud.error.unknownItem", "Record %1 does not exist.").arg(recordName));
    if (errorName == QLatin1String("forbidden"))
        return CloudError(CloudErrorCode::PermissionFailure,
                          withReason(CloudError::localized("cloud.error.recordForbidden", "The server refused to store record %1.")
                                         .arg(recordName),
                                     detail));
    if (errorName == QLatin1String("unauthorized"))
        return CloudError(CloudErrorCode::NotAuthenticated,
                          withReason(CloudError::localized("cloud.error.recordUnauthorized",
                                                           "The cloud account may not write record %1.")
                                         .arg(recordName),
                                     detail));
    if (errorName == QLatin1String("too_large") || errorName == QLatin1String("document_too_large")
        || errorName == QLatin1String("attachment_too_large"))
        return CloudError(CloudErrorCode::LimitExceeded,
                          CloudError::localized("cloud.error.recordTooLarge", "Record %1 is too large for the cloud server.")
                              .arg(recordName));
    if (errorName == QLatin1String("quota_exceeded"))
        return CloudError(CloudErrorCode::QuotaExceeded,
                          CloudError::localized("cloud.error.quota", "The cloud database is full."));
    return CloudError(CloudErrorCode::ServerRejectedRequest,
                      withReason(CloudError::localized("cloud.error.recordRejected", "The server rejected record %1.")
                                     .arg(recordName),
                                 errorName.isEmpty() ? detail : errorName + (detail.isEmpty() ? QString() : QStringLiteral(": ") + detail)));
}

QString CloudResponse::sequenceText(const QJsonValue &sequence, const QString &fallback)
{
    if (sequence.isString())
        return sequence.toString();
    if (sequence.isDouble())
        return QString::number(qint64(sequence.toDouble()));
    return fallback;
}
