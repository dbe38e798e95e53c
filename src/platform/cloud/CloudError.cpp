#include "CloudError.h"

#include <QtGlobal>

CloudError::CloudError(CloudErrorCode code, const QString &localizedDescription)
    : m_code(code)
    , m_description(localizedDescription)
{
}

CloudError CloudError::partialFailure(const QHash<CloudRecordID, CloudError> &errorsByItemID)
{
    CloudError error(CloudErrorCode::PartialFailure,
                     localized("cloud.error.partialFailure", "Some records could not be saved or read (%1).")
                         .arg(errorsByItemID.size()));
    error.m_partialErrors = std::make_shared<const QHash<CloudRecordID, CloudError>>(errorsByItemID);
    return error;
}

QHash<CloudRecordID, CloudError> CloudError::partialErrorsByItemID() const
{
    return m_partialErrors ? *m_partialErrors : QHash<CloudRecordID, CloudError>();
}

QString CloudError::localized(const char *id, const char *english)
{
    const QString text = qtTrId(id);
    if (text.isEmpty() || text == QLatin1String(id))
        return QString::fromUtf8(english);
    return text;
}
