#pragma once

#include <QHashFunctions>
#include <QString>

// The identity of a cloud record: its name within a zone of an owner's database. There is one
// zone, the default zone of the signed-in user. Compares and hashes by name and zone. Any thread.
class CloudRecordID
{
public:
    static const QString defaultZoneName;  // "_defaultZone"
    static const QString currentOwnerName; // "_currentUser"

    CloudRecordID() = default;
    explicit CloudRecordID(const QString &recordName, const QString &zoneName = defaultZoneName,
                           const QString &ownerName = currentOwnerName);

    QString recordName() const { return m_recordName; }
    QString zoneName() const { return m_zoneName; }
    QString ownerName() const { return m_ownerName; }

    // For log lines: "CloudRecordID(recordName=NAME, zone=ZONE@OWNER)".
    QString description() const;

    // A name the database can store: not empty, no leading underscore, at most 255 bytes.
    bool hasValidName() const;

    friend bool operator==(const CloudRecordID &a, const CloudRecordID &b)
    {
        return a.m_recordName == b.m_recordName && a.m_zoneName == b.m_zoneName;
    }
    friend bool operator!=(const CloudRecordID &a, const CloudRecordID &b) { return !(a == b); }

private:
    QString m_recordName;
    QString m_zoneName = defaultZoneName;
    QString m_ownerName = currentOwnerName;
};

inline size_t qHash(const CloudRecordID &id, size_t seed = 0)
{
    return qHashMulti(seed, id.recordName(), id.zoneName());
}
