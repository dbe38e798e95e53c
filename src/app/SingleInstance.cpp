#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>

namespace {

// A request larger than this is refused before it is read to the end (a pipe of 10 MB of text
// fits many times over).
constexpr qsizetype maximumRequestBytes = 256 * 1024 * 1024;

} // namespace

SingleInstance::SingleInstance(const QString &groupDirectory, QObject *parent)
    : QObject(parent), m_groupDirectory(QDir(groupDirectory).absolutePath())
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &groupDirectory)
{
    const QByteArray hash =
        QCryptographicHash::hash(QDir(groupDirectory).absolutePath().toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("stashline-") + QString::fromLatin1(hash.left(24));
}

QString SingleInstance::lockFilePath(const QString &groupDirectory)
{
    return QDir(groupDirectory).absoluteFilePath(QStringLiteral("Stashline.lock"));
}

SingleInstance::Role SingleInstance::start(const StashRequest &handOver)
{
    m_lock = std::make_unique<QLockFile>(lockFilePath(m_groupDirectory));
    m_lock->setStaleLockTime(0); // only a dead owner makes the lock stale
    // The holder is a primary (it answers, perhaps only once it has finished starting) or a
    // command line working on the store for a moment (it never answers, and lets go soon).
    const QDeadlineTimer deadline(5000);
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError)
            return Role::Unavailable;
        const Exchange exchange = send(m_groupDirectory, handOver, 20000);
        if (exchange.reply) {
            m_handOverReply = exchange.reply;
            return Role::Secondary;
        }
        if (exchange.connected || deadline.hasExpired())
            return Role::Unavailable;
        QThread::msleep(20);
    }

    const QString name = serverName(m_groupDirectory);
    QLocalServer::removeServer(name); // a socket left by a crashed primary; we hold the lock
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name))
        return Role::Primary; // still the only owner of the store, just not reachable
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            serve(socket);
    });
    return Role::Primary;
}

void SingleInstance::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        const qsizetype end = buffer->indexOf('\n');
        if (end < 0 && buffer->size() <= maximumRequestBytes)
            return;
        const StashRequest::Decoded decoded =
            end < 0 ? StashRequest::Decoded{std::nullopt, qtTrId("cli.request.tooLarge")}
                    : StashRequest::fromJson(buffer->left(end));
        buffer->clear();
        const auto answer = [guarded = QPointer<QLocalSocket>(socket)](const StashReply &reply) {
            if (!guarded)
                return; // the asking process went away meanwhile
            guarded->write(reply.toJson());
            guarded->flush();
            guarded->disconnectFromServer(); // after the answer is written
        };
        if (!decoded.request) {
            answer(StashReply::failed(decoded.error, 2));
        } else if (m_handler) {
            m_handler(*decoded.request, answer);
        } else if (decoded.request->kind == StashRequest::Kind::activate) {
            emit activationRequested();
            answer(StashReply());
        } else {
            answer(StashReply::failed(qtTrId("cli.instance.starting")));
        }
    });
}

SingleInstance::Exchange SingleInstance::send(const QString &groupDirectory, const StashRequest &request, int timeoutMs)
{
    return sendLine(groupDirectory, request.toJson(), timeoutMs);
}

SingleInstance::Exchange SingleInstance::sendLine(const QString &groupDirectory, const QByteArray &line, int timeoutMs)
{
    Exchange exchange;
    QLocalSocket socket;
    socket.connectToServer(serverName(groupDirectory));
    if (!socket.waitForConnected(500))
        return exchange;
    exchange.connected = true;
    const QDeadlineTimer deadline(timeoutMs);
    socket.write(line);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return exchange;
    }
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        answer.append(socket.readAll());
    }
    answer.append(socket.readAll());
    exchange.reply = StashReply::fromJson(answer.left(answer.indexOf('\n')));
    return exchange;
}
