#pragma once

#include "platform/cloud/CloudSubscription.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSet>

class CloudConnection;
class QTimer;

// The push channel: follows the database's continuous change feed
// (_changes?feed=continuous&heartbeat=...&include_docs=true, starting at the database's current
// sequence) and emits remoteNotificationReceived() once for changes written by other devices
// that a saved subscription covers. Changes written by this device (the revisions its writes
// made, noted with noteOwnRevision(); in an encrypted database the writer's id is sealed) are not
// pushed, also when the feed shows them before the write's answer arrived: a change counts only
// once the coalescing pause ended. Changes arriving together are coalesced into one push. When
// the feed ends, fails or stays silent past the read timeout, the channel reconnects with
// back-off (first retry after minimumBackoff, doubling up to maximumBackoff) and, once the
// database answers again, emits one push, since changes may have been missed. Never uses a
// filtered feed.
//
// Lives on the cloud layer's worker thread; start()/stop() may be called from any thread.
// The signal is emitted on the worker thread (connect with a queued connection to use it on
// another). Without a valid account start() only logs.
class PushChannel : public QObject
{
    Q_OBJECT
public:
    struct Timing {
        int heartbeatMilliseconds = 10000;
        int readTimeoutMilliseconds = 25000;
        int coalesceMilliseconds = 40;
        int maximumCoalesceMilliseconds = 400;
        int minimumBackoffMilliseconds = 250;
        int maximumBackoffMilliseconds = 30000;
    };

    explicit PushChannel(CloudConnection *connection, QObject *parent = nullptr);
    ~PushChannel() override;

    // Any thread; must be called before start().
    void setTiming(const Timing &timing) { m_timing = timing; }

    void start(); // any thread; a second start while running does nothing
    void stop();  // any thread

    // Worker thread: a subscription saved to the database from now on fires pushes.
    void addSubscription(const CloudSubscription &subscription);

    // Worker thread: a revision this device's write made, not to be pushed. The last few
    // thousand are kept.
    void noteOwnRevision(const QString &revision);

    // Worker thread: true while a feed request is open.
    bool isFollowing() const { return m_feed != nullptr; }

signals:
    void remoteNotificationReceived();
    // A feed request was opened (for tests and diagnostics); `reconnect` after a lost feed.
    void feedOpened(bool reconnect);

private:
    void probeAndOpen();
    void openFeed(const QString &since);
    void readFeed();
    void feedEnded();
    void scheduleReconnect();
    void handleLine(const QByteArray &line);
    void notifySoon();
    void deliver();

    CloudConnection *m_connection;
    QSet<QString> m_ownRevisions;
    QList<QString> m_ownRevisionOrder; // oldest first, to forget the oldest
    QSet<QString> m_pendingRevisions;  // changes of other devices, or not yet known as own
    Timing m_timing;
    QList<CloudSubscription> m_subscriptions;
    QPointer<QNetworkReply> m_feed;
    QByteArray m_buffer;
    QTimer *m_readTimer = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    QTimer *m_coalesceTimer = nullptr;
    QElapsedTimer m_firstPendingChange;
    int m_backoff = 0;
    bool m_running = false;
    bool m_lostFeed = false;
    bool m_feedDelivered = false;
};
