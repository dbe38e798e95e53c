#include "PushChannel.h"

#include "diagnostics/AppLogger.h"
#include "platform/cloud/CloudConnection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>

PushChannel::PushChannel(CloudConnection *connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_readTimer(new QTimer(this))
    , m_reconnectTimer(new QTimer(this))
    , m_coalesceTimer(new QTimer(this))
{
    m_readTimer->setSingleShot(true);
    m_reconnectTimer->setSingleShot(true);
    m_coalesceTimer->setSingleShot(true);
    connect(m_readTimer, &QTimer::timeout, this, [this] {
        AppLogger::debug(AppLogger::cloudKit(), QStringLiteral("Change feed silent past its read timeout, reconnecting"));
        if (m_feed)
            m_feed->abort();
    });
    connect(m_reconnectTimer, &QTimer::timeout, this, &PushChannel::probeAndOpen);
    connect(m_coalesceTimer, &QTimer::timeout, this, &PushChannel::deliver);
}

PushChannel::~PushChannel()
{
    m_running = false;
    if (m_feed) {
        m_feed->disconnect(this);
        m_feed->abort();
        delete m_feed;
    }
}

void PushChannel::start()
{
    QMetaObject::invokeMethod(this, [this] {
        if (m_running)
            return;
        if (!m_connection->account().isValid()) {
            const CloudAccount &account = m_connection->account();
            AppLogger::info(AppLogger::cloudKit(), QStringLiteral("Push channel not started: ") + account.problem()
                                                       + (account.problemDetail().isEmpty() ? QString()
                                                                                            : QStringLiteral(" (%1)").arg(account.problemDetail())));
            return;
        }
        m_running = true;
        m_lostFeed = false;
        m_backoff = 0;
        probeAndOpen();
    }, Qt::QueuedConnection);
}

void PushChannel::stop()
{
    QMetaObject::invokeMethod(this, [this] {
        m_running = false;
        m_reconnectTimer->stop();
        m_readTimer->stop();
        m_coalesceTimer->stop();
        if (m_feed)
            m_feed->abort();
    }, Qt::QueuedConnection);
}

void PushChannel::addSubscription(const CloudSubscription &subscription)
{
    for (CloudSubscription &existing : m_subscriptions) {
        if (existing.subscriptionID() == subscription.subscriptionID()) {
            existing = subscription;
            return;
        }
    }
    m_subscriptions.append(subscription);
}

void PushChannel::probeAndOpen()
{
    if (!m_running || m_feed)
        return;
    // The database's info tells whether the server is back, and its current sequence, so the feed
    // starts exactly where this answer left off.
    m_connection->send("GET", {}, {}, {}, [this](const CloudResponse &response) {
        if (!m_running || m_feed)
            return;
        if (response.error) {
            AppLogger::debug(AppLogger::cloudKit(),
                             QStringLiteral("Change feed unavailable: ") + response.error->localizedDescription());
            m_lostFeed = true;
            scheduleReconnect();
            return;
        }
        const bool reconnect = m_lostFeed;
        openFeed(CloudResponse::sequenceText(response.json.toObject().value(QStringLiteral("update_seq")), QStringLiteral("now")));
        emit feedOpened(reconnect);
        if (reconnect) {
            AppLogger::info(AppLogger::cloudKit(), QStringLiteral("Change feed reconnected"));
            notifySoon();
        }
    });
}

void PushChannel::openFeed(const QString &since)
{
    QUrlQuery query{{QStringLiteral("feed"), QStringLiteral("continuous")},
                    {QStringLiteral("since"), since},
                    {QStringLiteral("heartbeat"), QString::number(m_timing.heartbeatMilliseconds)},
                    {QStringLiteral("include_docs"), QStringLiteral("true")}};
    QNetworkRequest request = m_connection->makeRequest(m_connection->databaseUrl(QStringLiteral("_changes"), query));
    m_buffer.clear();
    m_feedDelivered = false;
    m_feed = m_connection->networkAccessManager()->get(request);
    connect(m_feed, &QNetworkReply::readyRead, this, &PushChannel::readFeed);
    connect(m_feed, &QNetworkReply::finished, this, &PushChannel::feedEnded);
    // Headers arrive only with the first heartbeat or change, so the timeout covers that wait too.
    m_readTimer->start(m_timing.readTimeoutMilliseconds);
}

void PushChannel::readFeed()
{
    if (!m_feed)
        return;
    m_readTimer->start(m_timing.readTimeoutMilliseconds);
    const int status = m_feed->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200) {
        m_feed->readAll(); // an error answer; finished() handles it
        return;
    }
    m_feedDelivered = true;
    m_backoff = 0;
    m_buffer += m_feed->readAll();
    qsizetype newline;
    while ((newline = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(newline).trimmed();
        m_buffer.remove(0, newline + 1);
        if (!line.isEmpty())
            handleLine(line);
    }
    // A change line is short; anything this long without a line end is not a feed.
    if (m_buffer.size() > 16 * 1024 * 1024)
        m_feed->abort();
}

void PushChannel::handleLine(const QByteArray &line)
{
    const QJsonObject change = QJsonDocument::fromJson(line).object();
    if (change.contains(QStringLiteral("last_seq"))) {
        if (m_feed)
            m_feed->abort(); // the server ended the feed
        return;
    }
    const QString id = change.value(QStringLiteral("id")).toString();
    if (id.isEmpty() || id.startsWith(QLatin1Char('_')))
        return;
    const QJsonObject document = change.value(QStringLiteral("doc")).toObject();
    const bool isDeletion = change.value(QStringLiteral("deleted")).toBool();
    const QString revision = change.value(QStringLiteral("changes")).toArray().first().toObject().value(QStringLiteral("rev")).toString();
    if (m_ownRevisions.contains(revision))
        return; // this device's own write
    const bool isCreation = revision.startsWith(QLatin1String("1-"));
    const QString recordType = document.value(QStringLiteral("recordType")).toString();
    for (const CloudSubscription &subscription : std::as_const(m_subscriptions)) {
        if (subscription.firesFor(recordType, isCreation, isDeletion)) {
            m_pendingRevisions.insert(revision);
            notifySoon();
            return;
        }
    }
}

void PushChannel::feedEnded()
{
    QNetworkReply *feed = m_feed;
    m_feed = nullptr;
    m_readTimer->stop();
    if (feed) {
        const int status = feed->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (m_running && status != 0 && status != 200) {
            const CloudError error = CloudConnection::errorFor(feed->error(), status, feed->readAll(),
                                                               m_connection->account().displayUrl(), false, 0);
            AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Change feed refused"), error.localizedDescription());
        }
        feed->deleteLater();
    }
    if (!m_running)
        return;
    m_lostFeed = true;
    scheduleReconnect();
}

void PushChannel::scheduleReconnect()
{
    if (!m_running)
        return;
    m_backoff = m_backoff == 0 ? m_timing.minimumBackoffMilliseconds
                               : std::min(m_backoff * 2, m_timing.maximumBackoffMilliseconds);
    m_reconnectTimer->start(m_backoff);
}

void PushChannel::notifySoon()
{
    if (!m_coalesceTimer->isActive())
        m_firstPendingChange.start();
    // Wait for a quiet moment, but never longer than the maximum after the first change.
    const qint64 waited = m_firstPendingChange.elapsed();
    const qint64 left = std::max<qint64>(0, m_timing.maximumCoalesceMilliseconds - waited);
    m_coalesceTimer->start(int(std::min<qint64>(m_timing.coalesceMilliseconds, left)));
}

void PushChannel::noteOwnRevision(const QString &revision)
{
    constexpr int kept = 4096;
    if (revision.isEmpty() || m_ownRevisions.contains(revision))
        return;
    m_ownRevisions.insert(revision);
    m_ownRevisionOrder.append(revision);
    if (m_ownRevisionOrder.size() > kept)
        m_ownRevisions.remove(m_ownRevisionOrder.takeFirst());
}

void PushChannel::deliver()
{
    if (!m_running)
        return;
    // A write's answer may come after the feed showed its change: only what is still not known
    // as this device's own is a push. A reconnect pushes with nothing pending.
    const bool hadPending = !m_pendingRevisions.isEmpty();
    m_pendingRevisions.removeIf([this](const QString &revision) { return m_ownRevisions.contains(revision); });
    const bool onlyOwn = hadPending && m_pendingRevisions.isEmpty();
    m_pendingRevisions.clear();
    if (onlyOwn)
        return;
    AppLogger::debug(AppLogger::cloudKit(), QStringLiteral("Remote change notification"));
    emit remoteNotificationReceived();
}
