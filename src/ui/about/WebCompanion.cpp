#include "WebCompanion.h"

#include "Services/AccountManager.h"
#include "platform/cloud/CloudError.h"

WebCompanion::WebCompanion(QObject *parent) : QObject(parent)
{
    connect(&m_publisher, &WebAppPublisher::finished, this, [this](const QUrl &address, const QString &problem) {
        m_busy = false;
        m_address = address.toString();
        m_problem = problem.isEmpty()
            ? QString()
            : CloudError::localized("account.web.failed %1", "The web app could not be published: %1").arg(problem);
        emit changed();
    });
    connect(&AccountManager::shared(), &AccountManager::accountChanged, this, [this] {
        // Another account: the address shown belongs to the one before.
        m_publisher.cancel();
        m_busy = false;
        m_address.clear();
        m_problem.clear();
        emit changed();
    });
}

bool WebCompanion::isOnThisComputer() const
{
    return WebAppPublisher::isOnThisComputer(AccountManager::shared().account().databaseUrl());
}

void WebCompanion::publish()
{
    m_busy = true;
    m_address.clear();
    m_problem.clear();
    emit changed();
    m_publisher.publish(AccountManager::shared().account());
}
