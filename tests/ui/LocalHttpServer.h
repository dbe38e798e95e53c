#pragma once

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

// A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers GET requests by path (query included)
// from a table of canned bodies, 404 for anything else, and counts the requests it served.
class LocalHttpServer : public QTcpServer
{
public:
    struct Response {
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
    };

    bool start() { return listen(QHostAddress::LocalHost, 0); }
    QString baseAddress() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }

    QHash<QString, Response> responses;
    QStringList requestedPaths;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        const auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> requestLine = request->left(request->indexOf("\r\n")).split(' ');
            const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
            requestedPaths.append(path);
            const Response response = responses.value(path, Response{404, "text/plain", "not found"});
            socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " X\r\nContent-Type: " + response.contentType
                          + "\r\nContent-Length: " + QByteArray::number(response.body.size())
                          + "\r\nConnection: close\r\n\r\n" + response.body);
            socket->disconnectFromHost();
        });
    }
};
