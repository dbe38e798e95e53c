#include "CloudRecordID.h"

const QString CloudRecordID::defaultZoneName = QStringLiteral("_defaultZone");
const QString CloudRecordID::currentOwnerName = QStringLiteral("_currentUser");

CloudRecordID::CloudRecordID(const QString &recordName, const QString &zoneName, const QString &ownerName)
    : m_recordName(recordName)
    , m_zoneName(zoneName)
    , m_ownerName(ownerName)
{
}

QString CloudRecordID::description() const
{
    return QStringLiteral("CloudRecordID(recordName=%1, zone=%2@%3)").arg(m_recordName, m_zoneName, m_ownerName);
}

bool CloudRecordID::hasValidName() const
{
    return !m_recordName.isEmpty() && !m_recordName.startsWith(QLatin1Char('_'))
        && m_recordName.toUtf8().size() <= 255;
}
