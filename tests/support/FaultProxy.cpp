#include "FaultProxy.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

// One request and its answer: the device's connection and, once forwarded, the server's.
struct FaultProxy::Exchange {
    QPointer<QTcpSocket> client;
    QPointer<QTcpSocket> server;
    QByteArray request;       // head and body as the device sent them, once complete
    qsizetype headLength = -1;
    qsizetype bodyLength = 0;
    bool isChangeFeed = false;
    bool isWrite = false;
    qint64 cutAfter = -1;     // bytes of the answer that go through before the cut; -1: no cut
    qint64 answered = 0;
    QByteArray heldAnswer;    // change-feed bytes waiting while the feed is held

    void closeBoth()
    {
        if (server)
            server->abort();
        if (client)
            client->disconnectFromHost();
    }
};

namespace {

QByteArray answer(int status, const QByteArray &reason, const QByteArray &error)
{
    const QByteArray body = "{\"error\":\"" + error + "\",\"reason\":\"injected by the test proxy\"}\n";
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
        + "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// The head with "Connection: close" in place of whatever the device asked for.
QByteArray closingHead(const QByteArray &head)
{
    QList<QByteArray> lines = head.split('\n');
    QByteArray result;
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.toLower().startsWith("connection:"))
            continue;
        result += line + "\r\n";
    }
    return result + "Connection: close\r\n\r\n";
}

} // namespace

FaultProxy::FaultProxy(const QUrl &upstream, quint32 seed, QObject *parent)
    : QObject(parent), m_upstream(upstream), m_random(seed)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FaultProxy::accept);
}

QString FaultProxy::route(const QString &url) const
{
    QUrl routed(url);
    routed.setHost(QStringLiteral("127.0.0.1"));
    routed.setPort(m_server.serverPort());
    return routed.toString();
}

void FaultProxy::setChangeFeedHeld(bool held)
{
    m_isFeedHeld = held;
    if (!held)
        emit changeFeedReleased();
}

void FaultProxy::setOffline(bool offline)
{
    m_isOffline = offline;
    if (!offline)
        return;
    // Connections already open break too, the change feed among them.
    for (const QPointer<QTcpSocket> &client : std::as_const(m_clients)) {
        if (client)
            client->abort();
    }
    m_clients.clear();
}

void FaultProxy::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        auto exchange = std::make_shared<Exchange>();
        exchange->client = socket;
        m_clients.removeAll(nullptr);
        m_clients.append(socket);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::disconnected, this, [exchange] {
            if (exchange->server)
                exchange->server->abort();
        });
        connect(socket, &QTcpSocket::readyRead, this, [this, exchange] {
            if (!exchange->client || exchange->headLength == -2)
                return;
            exchange->request += exchange->client->readAll();
            if (exchange->headLength < 0) {
                exchange->headLength = exchange->request.indexOf("\r\n\r\n");
                if (exchange->headLength < 0)
                    return;
                const QByteArray head = exchange->request.left(exchange->headLength).toLower();
                if (const qsizetype at = head.indexOf("content-length:"); at >= 0)
                    exchange->bodyLength = head.mid(at + 15, head.indexOf('\r', at) - at - 15).trimmed().toLongLong();
            }
            if (exchange->request.size() < exchange->headLength + 4 + exchange->bodyLength)
                return;
            const QByteArray requestLine = exchange->request.left(exchange->request.indexOf('\r'));
            exchange->isChangeFeed = requestLine.contains("_changes") && requestLine.contains("feed=continuous");
            exchange->isWrite = requestLine.startsWith("POST") && requestLine.contains("_bulk_docs");
            exchange->headLength = -2; // complete: later bytes belong to no request
            handleRequest(exchange);
        });
    }
}

void FaultProxy::handleRequest(const std::shared_ptr<Exchange> &exchange)
{
    ++m_requests;
    m_bytesFromDevice += exchange->request.size();
    const int delay = exchange->isChangeFeed || m_faults.maximumDelayMilliseconds <= 0
        ? 0
        : m_faults.minimumDelayMilliseconds
            + int(m_random.bounded(std::max(1, m_faults.maximumDelayMilliseconds - m_faults.minimumDelayMilliseconds + 1)));
    QByteArray injected;
    const QByteArray requestLine = exchange->request.left(exchange->request.indexOf('\r'));
    const QString path = QString::fromUtf8(requestLine).section(QLatin1Char(' '), 1, 1).section(QLatin1Char('?'), 0, 0);
    const bool isRefused = std::any_of(m_refusals.cbegin(), m_refusals.cend(), [&](const auto &refusal) {
        return requestLine.startsWith(refusal.first + ' ') && refusal.second.match(path).hasMatch();
    });
    if (isRefused)
        injected = answer(403, "Forbidden", "forbidden");
    else if (m_isOffline || (!exchange->isChangeFeed && chance(m_faults.unavailableRate)))
        injected = answer(503, "Service Unavailable", "unavailable");
    else if (exchange->isWrite && chance(m_faults.conflictRate))
        injected = answer(409, "Conflict", "conflict");
    else if (!exchange->isChangeFeed && chance(m_faults.cutRate))
        exchange->cutAfter = 1 + m_random.bounded(200);
    if (!injected.isEmpty())
        ++m_injected;

    QTimer::singleShot(delay, this, [this, exchange, injected] {
        if (!exchange->client)
            return;
        if (!injected.isEmpty()) {
            exchange->client->write(injected);
            exchange->client->disconnectFromHost();
            return;
        }
        forward(exchange);
    });
}

void FaultProxy::forward(const std::shared_ptr<Exchange> &exchange)
{
    auto *server = new QTcpSocket(exchange->client);
    exchange->server = server;
    const qsizetype headEnd = exchange->request.indexOf("\r\n\r\n");
    const QByteArray head = exchange->request.left(headEnd);
    const QByteArray body = exchange->request.mid(headEnd + 4);
    connect(server, &QTcpSocket::connected, server, [server, head, body] { server->write(closingHead(head) + body); });
    const auto flowToClient = [this, exchange] {
        if (!exchange->client || !exchange->server)
            return;
        QByteArray bytes = exchange->server->readAll();
        if (exchange->isChangeFeed && m_isFeedHeld) {
            exchange->heldAnswer += bytes;
            return;
        }
        bytes.prepend(std::exchange(exchange->heldAnswer, {}));
        if (exchange->cutAfter >= 0 && exchange->answered + bytes.size() > exchange->cutAfter) {
            exchange->client->write(bytes.left(exchange->cutAfter - exchange->answered));
            exchange->client->flush();
            exchange->client->abort(); // the device sees the connection break mid-answer
            exchange->server->abort();
            return;
        }
        exchange->answered += bytes.size();
        m_bytesToDevice += bytes.size();
        exchange->client->write(bytes);
    };
    connect(server, &QTcpSocket::readyRead, this, flowToClient);
    connect(this, &FaultProxy::changeFeedReleased, server, flowToClient);
    connect(server, &QTcpSocket::disconnected, this, [exchange, flowToClient] {
        flowToClient();
        if (exchange->client && exchange->heldAnswer.isEmpty())
            exchange->client->disconnectFromHost();
    });
    connect(server, &QTcpSocket::errorOccurred, this, [exchange](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            exchange->closeBoth();
    });
    server->connectToHost(m_upstream.host(), quint16(m_upstream.port()));
}
