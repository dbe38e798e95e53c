#include "WebAppPublisher.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudError.h"

#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>

WebAppPublisher::WebAppPublisher(QObject *parent) : QObject(parent) {}

WebAppPublisher::~WebAppPublisher()
{
    cancel();
}

QByteArray WebAppPublisher::bundledDocument()
{
    QFile file(QStringLiteral(":/web/stashline-web.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QUrl WebAppPublisher::pageAddress(const CloudAccount &account)
{
    QUrl address = account.databaseUrl();
    address.setPath(address.path() + QLatin1Char('/') + designDocumentID + QStringLiteral("/index.html"));
    return address;
}

bool WebAppPublisher::isOnThisComputer(const QUrl &address)
{
    const QString host = address.host();
    const QHostAddress hostAddress(host);
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || hostAddress.isLoopback();
}

void WebAppPublisher::cancel()
{
    if (m_connection)
        m_connection->deleteLater();
    m_connection = nullptr;
}

void WebAppPublisher::publish(const CloudAccount &account, const QByteArray &designDocument)
{
    cancel();
    m_account = account;
    if (designDocument.isEmpty()) {
        // Answered later, like every other outcome, so callers connect after publish() alike.
        QMetaObject::invokeMethod(this, [this] {
            finish({}, CloudError::localized("account.web.missing", "This build of Stashline carries no web app."));
        }, Qt::QueuedConnection);
        return;
    }
    m_document = designDocument;
    m_connection = new CloudConnection(account, this);
    QPointer<CloudConnection> connection = m_connection;
    m_connection->send("GET", designDocumentID, {}, {}, [this, connection](const CloudResponse &response) {
        if (!connection || connection != m_connection)
            return;
        // Not there yet (404): the first publish. A database that is missing fails at the write.
        if (response.error && response.status != 404) {
            finish({}, response.error->localizedDescription());
            return;
        }
        write(response.error ? QString() : response.json.toObject().value(QStringLiteral("_rev")).toString());
    });
}

void WebAppPublisher::write(const QString &revision)
{
    QJsonObject document = QJsonDocument::fromJson(m_document).object();
    if (document.value(QStringLiteral("_id")).toString() != designDocumentID) {
        finish({}, CloudError::localized("account.web.missing", "This build of Stashline carries no web app."));
        return;
    }
    if (!revision.isEmpty())
        document.insert(QStringLiteral("_rev"), revision);
    QPointer<CloudConnection> connection = m_connection;
    m_connection->send("PUT", designDocumentID, {}, QJsonDocument(document).toJson(QJsonDocument::Compact),
                       [this, connection](const CloudResponse &response) {
        if (!connection || connection != m_connection)
            return;
        if (response.error)
            finish({}, response.error->localizedDescription());
        else
            finish(pageAddress(m_account), {});
    });
}

void WebAppPublisher::finish(const QUrl &address, const QString &problem)
{
    cancel();
    m_document.clear();
    emit finished(address, problem);
}
