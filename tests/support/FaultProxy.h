#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// An HTTP proxy on 127.0.0.1 that sits between one device and the local cloud server and puts
// real network conditions in between: a random delay before each request goes on (so requests
// that run side by side arrive in another order), answers of its own (503, or 409 for a write),
// connections cut in the middle of an answer, and a change feed held back for a while.
//
// One request per connection: the request goes upstream with "Connection: close", and the
// answer streams back as it comes (the continuous change feed included), then both sides close.
// Randomness comes from the seed, so a failing storm can be run again. Lives on the thread that
// created it; every setter may be called between requests.
class FaultProxy : public QObject
{
    Q_OBJECT
public:
    struct Faults {
        int minimumDelayMilliseconds = 0;
        int maximumDelayMilliseconds = 0;
        double unavailableRate = 0; // answered 503 without reaching the server
        double conflictRate = 0;    // a write (POST _bulk_docs) answered 409 without reaching it
        double cutRate = 0;         // the answer is cut off after its first bytes
    };

    FaultProxy(const QUrl &upstream, quint32 seed, QObject *parent = nullptr);

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    // `url` (the upstream's database URL with credentials) with the proxy as its host.
    QString route(const QString &url) const;

    void setFaults(const Faults &faults) { m_faults = faults; }
    // While held, nothing of the change feed reaches the device; released, what waited flows.
    void setChangeFeedHeld(bool held);
    // Every request answered 503, as if the server were gone (the change feed too).
    void setOffline(bool offline);
    // Requests with `method` whose path (without the query) matches `path` are answered 403,
    // as a server answers what the account may not do.
    void refuse(const QByteArray &method, const QString &path) { m_refusals.append({method, QRegularExpression(path)}); }
    void clearRefusals() { m_refusals.clear(); }

    int requestCount() const { return m_requests; }
    int injectedCount() const { return m_injected; }
    // What went through: requests (heads and bodies) from the device, answers to it.
    qint64 bytesFromDevice() const { return m_bytesFromDevice; }
    qint64 bytesToDevice() const { return m_bytesToDevice; }
    void resetCounts() { m_requests = m_injected = 0; m_bytesFromDevice = m_bytesToDevice = 0; }

signals:
    void changeFeedReleased();

private:
    struct Exchange;
    void accept();
    void handleRequest(const std::shared_ptr<Exchange> &exchange);
    void forward(const std::shared_ptr<Exchange> &exchange);
    bool chance(double rate) { return rate > 0 && m_random.generateDouble() < rate; }

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_clients; // open device connections

    QUrl m_upstream;
    QRandomGenerator m_random;
    Faults m_faults;
    bool m_isFeedHeld = false;
    bool m_isOffline = false;
    QList<std::pair<QByteArray, QRegularExpression>> m_refusals;
    int m_requests = 0;
    int m_injected = 0;
    qint64 m_bytesFromDevice = 0;
    qint64 m_bytesToDevice = 0;
};
