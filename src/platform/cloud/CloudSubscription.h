#pragma once

#include <QJsonObject>
#include <QString>

// A standing query: notify this device when a record of `recordType` is created, updated or
// deleted (the options say which; bit mask 1 creation, 2 update, 4 deletion). The predicate is
// always true. Stored in the database as the local document "_local/subscription.<id>".
// Value type; any thread.
class CloudSubscription
{
public:
    enum Option { FiresOnRecordCreation = 1, FiresOnRecordUpdate = 2, FiresOnRecordDeletion = 4 };

    CloudSubscription() = default;
    CloudSubscription(const QString &subscriptionID, const QString &recordType, int options);

    QString subscriptionID() const { return m_subscriptionID; }
    QString recordType() const { return m_recordType; }
    int options() const { return m_options; }
    // Silent pushes only: no alert, sound or badge.
    bool shouldSendContentAvailable() const { return true; }

    // Whether a change of a document fires it: `recordType` empty for a deleted document.
    bool firesFor(const QString &documentRecordType, bool isCreation, bool isDeletion) const;

    QJsonObject toDocument() const;

private:
    QString m_subscriptionID;
    QString m_recordType;
    int m_options = FiresOnRecordCreation | FiresOnRecordUpdate | FiresOnRecordDeletion;
};
