#pragma once

#include "platform/cloud/CloudRecordID.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

// Error codes of the cloud database, with the numbers its clients know.
enum class CloudErrorCode {
    InternalError = 1,
    PartialFailure = 2,
    NetworkUnavailable = 3,
    NetworkFailure = 4,
    ServiceUnavailable = 6,
    RequestRateLimited = 7,
    NotAuthenticated = 9,
    PermissionFailure = 10,
    UnknownItem = 11,
    ServerRecordChanged = 14,
    ServerRejectedRequest = 15,
    QuotaExceeded = 25,
    LimitExceeded = 27,
};

// One failure of a cloud request: a code, a localized description a user can read (never a
// credential), and for a partial failure the error of each record that failed. A value type;
// copies share the per-item map. Any thread.
class CloudError
{
public:
    CloudError(CloudErrorCode code, const QString &localizedDescription);

    // A partial failure (code 2) carrying the error of each failed record.
    static CloudError partialFailure(const QHash<CloudRecordID, CloudError> &errorsByItemID);

    CloudErrorCode code() const { return m_code; }
    int numericCode() const { return int(m_code); }
    QString localizedDescription() const { return m_description; }

    // The per-record errors of a partial failure; empty for every other error.
    QHash<CloudRecordID, CloudError> partialErrorsByItemID() const;

    // Seconds the server asked the client to wait before trying again, when it said so.
    std::optional<int> retryAfterSeconds() const { return m_retryAfterSeconds; }
    void setRetryAfterSeconds(std::optional<int> seconds) { m_retryAfterSeconds = seconds; }

    // The translated text of `id`, or `english` when no translation carries it.
    static QString localized(const char *id, const char *english);

private:
    CloudErrorCode m_code;
    QString m_description;
    std::optional<int> m_retryAfterSeconds;
    std::shared_ptr<const QHash<CloudRecordID, CloudError>> m_partialErrors;
};
