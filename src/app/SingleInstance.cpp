#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr QByteArrayView activateMessage = "activate\n";

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

SingleInstance::Role SingleInstance::start()
{
    m_lock = std::make_unique<QLockFile>(m_groupDirectory + QStringLiteral("/Stashline.lock"));
    m_lock->setStaleLockTime(0); // only a dead owner makes the lock stale
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError)
            return notifyPrimary() ? Role::Secondary : Role::Unavailable;
        return Role::Unavailable;
    }

    const QString name = serverName(m_groupDirectory);
    QLocalServer::removeServer(name); // a socket left by a crashed primary; we hold the lock
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name))
        return Role::Primary; // still the only owner of the store, just not reachable
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate")) {
                    socket->write("ok\n");
                    socket->flush();
                    emit activationRequested();
                }
            });
        }
    });
    return Role::Primary;
}

bool SingleInstance::notifyPrimary()
{
    // The primary may still be starting up: try for a short while.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000) {
        QLocalSocket socket;
        socket.connectToServer(serverName(m_groupDirectory));
        if (socket.waitForConnected(500)) {
            socket.write(activateMessage.data(), activateMessage.size());
            socket.flush();
            if (socket.waitForReadyRead(1000) && socket.readAll().startsWith("ok"))
                return true;
        }
        QThread::msleep(100);
    }
    return false;
}
