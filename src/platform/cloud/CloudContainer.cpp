#include "CloudContainer.h"

#include "platform/cloud/CloudConnection.h"
#include "platform/cloud/CloudDatabase.h"
#include "platform/cloud/PushChannel.h"

#include <QJsonObject>
#include <QThread>
#include <QUuid>

const QString CloudContainer::defaultIdentifier = QStringLiteral("iCloud.com.quellmar.Stashline");

CloudContainer::CloudContainer(const QString &identifier, const CloudAccount &account, const QString &deviceID)
    : m_identifier(identifier)
    , m_account(account)
    , m_deviceID(deviceID.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : deviceID)
    , m_thread(new QThread)
{
    m_thread->setObjectName(QStringLiteral("CloudDatabase"));
    m_connection = new CloudConnection(m_account);
    m_pushChannel = new PushChannel(m_connection);
    m_connection->moveToThread(m_thread);
    m_pushChannel->moveToThread(m_thread);
    m_thread->start();
    m_database = std::make_unique<CloudDatabase>(m_connection, m_pushChannel, m_deviceID);
}

CloudContainer::~CloudContainer()
{
    stop();
    delete m_thread;
}

void CloudContainer::stop()
{
    if (!m_thread->isRunning())
        return;
    // The connection and channel are deleted on their own thread, then the thread ends.
    QMetaObject::invokeMethod(m_connection, [connection = m_connection, push = m_pushChannel] {
        delete push;
        delete connection;
    }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

void CloudContainer::fetchUserRecordID(CloudCallbacks::UserRecordID completion)
{
    if (!completion)
        return;
    m_connection->post([connection = m_connection, completion] {
        connection->send("GET", QStringLiteral("_session"), {}, {}, [completion](const CloudResponse &response) {
            if (response.error) {
                completion(std::nullopt, response.error);
                return;
            }
            const QString name = response.json.toObject()
                                     .value(QStringLiteral("userCtx"))
                                     .toObject()
                                     .value(QStringLiteral("name"))
                                     .toString();
            if (name.isEmpty()) {
                completion(std::nullopt, CloudError(CloudErrorCode::NotAuthenticated,
                                                    CloudError::localized("cloud.error.notAuthenticated",
                                                                          "You are not signed in to a cloud account.")));
                return;
            }
            completion(CloudRecordID(name), std::nullopt);
        }, true);
    });
}

void CloudContainer::setRequestTimeout(int milliseconds)
{
    m_connection->setRequestTimeout(milliseconds);
}

void CloudContainer::setMaximumAnswerBytes(qint64 bytes)
{
    m_connection->setMaximumAnswerBytes(bytes);
}
