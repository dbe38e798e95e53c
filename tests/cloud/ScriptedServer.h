#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

#include <memory>

namespace CloudTestSupport {

// A raw HTTP answer with a body and Content-Length.
inline QByteArray answer(int status, const QByteArray &body, const QByteArray &contentType = "application/json",
                  const QByteArray &extraHeaders = {})
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Scripted\r\nContent-Type: " + contentType
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

// Answers each complete request with the next queued raw answer and closes the connection.
// With nothing queued it answers 599, so a forgotten answer fails loudly. When hanging it reads
// requests and never answers. Given a certificate it speaks TLS. Records every request head.
class FakeServer : public QTcpServer
{
public:
    explicit FakeServer(const QSslCertificate &certificate = QSslCertificate(), const QSslKey &key = QSslKey())
        : m_certificate(certificate), m_key(key)
    {
        listen(QHostAddress::LocalHost);
    }

    QByteArrayList answers; // taken in order
    bool hanging = false;
    QByteArrayList heads;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype headEnd = buffer->indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            static const QRegularExpression lengthHeader(QStringLiteral("content-length: *(\\d+)"),
                                                         QRegularExpression::CaseInsensitiveOption);
            const QByteArray head = buffer->left(headEnd);
            if (buffer->size() < headEnd + 4 + lengthHeader.match(QString::fromLatin1(head)).captured(1).toLongLong())
                return;
            heads.append(head);
            buffer->clear();
            if (hanging)
                return;
            socket->write(answers.isEmpty() ? answer(599, R"({"error":"no scripted answer"})") : answers.takeFirst());
            socket->disconnectFromHost();
        });
        if (!m_certificate.isNull()) {
            socket->setLocalCertificate(m_certificate);
            socket->setPrivateKey(m_key);
            socket->startServerEncryption();
        }
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
};

// A fresh self-signed certificate and key made with the openssl tool, for `subjectAltName`.
inline bool makeCertificate(const QTemporaryDir &directory, const QString &subjectAltName, QSslCertificate *certificate, QSslKey *key)
{
    const QString certificatePath = directory.filePath(QStringLiteral("cert.pem"));
    QFile keyFile(directory.filePath(QStringLiteral("key.pem")));
    const QString arguments = QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
                                             "-subj /CN=stashline-test -addext subjectAltName=%1 -keyout %2 -out %3")
                                  .arg(subjectAltName, keyFile.fileName(), certificatePath);
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty() || QProcess::execute(openssl, arguments.split(QLatin1Char(' '))) != 0 || !keyFile.open(QIODevice::ReadOnly))
        return false;
    *certificate = QSslCertificate::fromPath(certificatePath).value(0);
    *key = QSslKey(&keyFile, QSsl::Ec);
    return !certificate->isNull() && !key->isNull();
}

} // namespace CloudTestSupport
