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

private:
    template<typename T>
    std::optional<T> typed(const QString &key) const;

    QString m_recordType;
    CloudRecordID m_recordID;
    QString m_changeTag;
    QHash<QString, CloudValue> m_fields;
};
