#include "CloudSubscription.h"

CloudSubscription::CloudSubscription(const QString &subscriptionID, const QString &recordType, int options)
    : m_subscriptionID(subscriptionID)
    , m_recordType(recordType)
    , m_options(options)
{
}

bool CloudSubscription::firesFor(const QString &documentRecordType, bool isCreation, bool isDeletion) const
{
    if (isDeletion)
        return m_options & FiresOnRecordDeletion;
    if (documentRecordType != m_recordType)
        return false;
    return m_options & (isCreation ? FiresOnRecordCreation : FiresOnRecordUpdate);
}

QJsonObject CloudSubscription::toDocument() const
{
    return {{QStringLiteral("subscriptionID"), m_subscriptionID},
            {QStringLiteral("recordType"), m_recordType},
            {QStringLiteral("options"), m_options},
            {QStringLiteral("contentAvailable"), true}};
}
