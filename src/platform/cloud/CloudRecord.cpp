#include "CloudRecord.h"

CloudRecord::CloudRecord(const QString &recordType, const CloudRecordID &recordID)
    : m_recordType(recordType)
    , m_recordID(recordID)
{
}

std::optional<CloudValue> CloudRecord::value(const QString &key) const
{
    const auto found = m_fields.constFind(key);
    if (found == m_fields.cend())
        return std::nullopt;
    return *found;
}

void CloudRecord::setValue(const QString &key, const std::optional<CloudValue> &value)
{
    if (!value) {
        m_fields.remove(key);
        return;
    }
    if (const auto *timestamp = std::get_if<QDateTime>(&*value); timestamp && !timestamp->isValid()) {
        m_fields.remove(key);
        return;
    }
    m_fields.insert(key, *value);
}

template<typename T>
std::optional<T> CloudRecord::typed(const QString &key) const
{
    const auto found = m_fields.constFind(key);
    if (found == m_fields.cend())
        return std::nullopt;
    if (const T *held = std::get_if<T>(&*found))
        return *held;
    return std::nullopt;
}

std::optional<QString> CloudRecord::stringValue(const QString &key) const
{
    return typed<QString>(key);
}

std::optional<qint64> CloudRecord::int64Value(const QString &key) const
{
    return typed<qint64>(key);
}

std::optional<double> CloudRecord::doubleValue(const QString &key) const
{
    return typed<double>(key);
}

std::optional<QDateTime> CloudRecord::timestampValue(const QString &key) const
{
    return typed<QDateTime>(key);
}

std::optional<CloudAsset> CloudRecord::assetValue(const QString &key) const
{
    return typed<CloudAsset>(key);
}

void CloudRecord::setString(const QString &key, const std::optional<QString> &value)
{
    setValue(key, value ? std::optional<CloudValue>(*value) : std::nullopt);
}

void CloudRecord::setInt64(const QString &key, std::optional<qint64> value)
{
    setValue(key, value ? std::optional<CloudValue>(*value) : std::nullopt);
}

void CloudRecord::setDouble(const QString &key, std::optional<double> value)
{
    setValue(key, value ? std::optional<CloudValue>(*value) : std::nullopt);
}

void CloudRecord::setTimestamp(const QString &key, const std::optional<QDateTime> &value)
{
    setValue(key, value ? std::optional<CloudValue>(*value) : std::nullopt);
}

void CloudRecord::setAsset(const QString &key, const std::optional<CloudAsset> &value)
{
    setValue(key, value && !value->isNull() ? std::optional<CloudValue>(*value) : std::nullopt);
}
