#pragma once

#include "platform/cloud/CloudAsset.h"
#include "platform/cloud/CloudRecordID.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <optional>
#include <variant>

// The value of one record field: text, 64-bit integer, double, timestamp or asset.
using CloudValue = std::variant<QString, qint64, double, QDateTime, CloudAsset>;

// One cloud record: a type, an ID and typed field values. Reading a field as a type it does
// not hold gives no value, as does reading an absent field. Setting no value removes the field.
// A value type; any thread.
class CloudRecord
{
public:
    CloudRecord() = default;
    CloudRecord(const QString &recordType, const CloudRecordID &recordID);

    QString recordType() const { return m_recordType; }
    CloudRecordID recordID() const { return m_recordID; }

    // The server's revision of the record as last read or written; empty for a new record.
    QString recordChangeTag() const { return m_changeTag; }
    void setRecordChangeTag(const QString &tag) { m_changeTag = tag; }

    QStringList allKeys() const { return m_fields.keys(); }
    bool contains(const QString &key) const { return m_fields.contains(key); }
    std::optional<CloudValue> value(const QString &key) const;
    void setValue(const QString &key, const std::optional<CloudValue> &value);

    std::optional<QString> stringValue(const QString &key) const;
    std::optional<qint64> int64Value(const QString &key) const;
    std::optional<double> doubleValue(const QString &key) const;
    std::optional<QDateTime> timestampValue(const QString &key) const;
    std::optional<CloudAsset> assetValue(const QString &key) const;

    void setString(const QString &key, const std::optional<QString> &value);
    void setInt64(const QString &key, std::optional<qint64> value);
    void setDouble(const QString &key, std::optional<double> value);
    void setTimestamp(const QString &key, const std::optional<QDateTime> &value); // invalid = none
    void setAsset(const QString &key, const std::optional<CloudAsset> &value);

    // Fields the reader found but could not read (a value that is not of its type, or a type it
    // does not know), and "fields" itself when the field list was no object. Such a record was
    // misread; its values must not be taken for what the cloud holds.
    QStringList unreadableKeys() const { return m_unreadableKeys; }
    void addUnreadableKey(const QString &key) { m_unreadableKeys.append(key); }

    // A document the database deleted: only its ID and revision are known.
    bool isTombstone() const { return m_isTombstone; }
    void setTombstone(bool isTombstone) { m_isTombstone = isTombstone; }

    // Read: the other live leaves when replication left several branches of this document (the
    // record itself is the server's current revision). Written: the revisions of the leaves to
    // delete in the same request, which settles those branches.
    QList<CloudRecord> conflictingLeaves() const { return m_conflictingLeaves; }
    void setConflictingLeaves(const QList<CloudRecord> &leaves) { m_conflictingLeaves = leaves; }
    QStringList revisionsToDelete() const { return m_revisionsToDelete; }
    void setRevisionsToDelete(const QStringList &revisions) { m_revisionsToDelete = revisions; }

private:
    template<typename T>
    std::optional<T> typed(const QString &key) const;

    QString m_recordType;
    CloudRecordID m_recordID;
    QString m_changeTag;
    QHash<QString, CloudValue> m_fields;
    QStringList m_unreadableKeys;
    QList<CloudRecord> m_conflictingLeaves;
    QStringList m_revisionsToDelete;
    bool m_isTombstone = false;
};
