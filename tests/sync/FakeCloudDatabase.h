#pragma once

#include "Services/CloudDatabaseProtocol.h"

#include <QObject>
#include <QThread>

#include <mutex>

// An in-memory cloud database that keeps revisions the way the real one does: a write names the
// revision it replaces, and one that names an older revision is refused as "server record
// changed". It records every request and answers later, on a thread of its own. Faults are set
// per test: a whole request failing, single records refused or missing, and held answers (to
// catch passes that overlap). `writeAsOtherDevice` changes the cloud behind the engine's back.
class FakeCloudDatabase : public CloudContainerProtocol, public CloudDatabaseProtocol
{
public:
    struct Faults {
        std::optional<CloudError> modify;          // the whole modify fails, nothing is stored
        QHash<QString, CloudError> modifyRecords;  // these records are refused
        std::optional<CloudError> fetch;           // the whole fetch fails
        QSet<QString> fetchMissing;                // fetch says nothing about these
        QSet<QString> fetchRefused;                // fetch answers these with an error
        std::optional<CloudError> query;           // the whole query fails
    };

    FakeCloudDatabase() { m_thread.start(); m_receiver.moveToThread(&m_thread); }
    ~FakeCloudDatabase() override { m_thread.quit(); m_thread.wait(); }

    Faults faults;
    // Runs on the cloud thread after a modify read its revisions and before it writes: another
    // device's write lands in between.
    std::function<void()> beforeWrite;
    QList<QList<CloudRecord>> modifyRequests;
    QList<QList<CloudRecordID>> fetchRequests;
    int queryRequests = 0;

    QString containerIdentifier() const override { return QStringLiteral("iCloud.com.quellmar.Stashline"); }
    CloudDatabaseProtocol &privateCloudDatabase() override { return *this; }
    int databaseScope() const override { return 2; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID) override {} // the engine only logs the answer

    // The cloud's copy of a record, with its revision as change tag.
    std::optional<CloudRecord> stored(const QString &recordName) const
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_records.constFind(recordName);
        return found == m_records.cend() ? std::nullopt : std::optional(*found);
    }
    // Writes over whatever revision is current, as another device that read it a moment ago.
    CloudRecord writeAsOtherDevice(CloudRecord record)
    {
        std::lock_guard lock(m_mutex);
        record.setRecordChangeTag(m_records.value(record.recordID().recordName()).recordChangeTag());
        return *storeLocked(record);
    }

    // Answers wait until release(); the number of requests waiting shows what is in flight.
    void hold() { std::lock_guard lock(m_mutex); m_isHolding = true; }
    int heldCount() const { std::lock_guard lock(m_mutex); return int(m_held.size()); }
    void release()
    {
        QList<std::function<void()>> held;
        {
            std::lock_guard lock(m_mutex);
            m_isHolding = false;
            held.swap(m_held);
        }
        for (const auto &work : held)
            QMetaObject::invokeMethod(&m_receiver, work, Qt::QueuedConnection);
    }

    void modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion) override
    {
        modifyRequests.append(records);
        answerLater([this, records, completion] {
            if (beforeWrite)
                beforeWrite();
            std::lock_guard lock(m_mutex);
            if (faults.modify)
                return completion({}, faults.modify);
            QList<CloudRecord> saved;
            QHash<CloudRecordID, CloudError> errors;
            for (const CloudRecord &record : records) {
                const QString name = record.recordID().recordName();
                if (const auto refused = faults.modifyRecords.constFind(name); refused != faults.modifyRecords.cend()) {
                    errors.insert(record.recordID(), *refused);
                } else if (const auto written = storeLocked(record)) {
                    saved.append(*written);
                } else {
                    errors.insert(record.recordID(), CloudError(CloudErrorCode::ServerRecordChanged, QStringLiteral("conflict")));
                }
            }
            completion(saved, errors.isEmpty() ? std::nullopt : std::optional(CloudError::partialFailure(errors)));
        });
    }

    void fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        fetchRequests.append(ids);
        answerLater([this, ids, perRecord, completion] {
            std::lock_guard lock(m_mutex);
            for (const CloudRecordID &id : ids) {
                const QString name = id.recordName();
                if (faults.fetch || faults.fetchMissing.contains(name))
                    continue;
                if (faults.fetchRefused.contains(name))
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::PermissionFailure, QStringLiteral("refused")));
                else if (m_records.contains(name))
                    perRecord(id, m_records.value(name), std::nullopt);
                else
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::UnknownItem, QStringLiteral("unknown item")));
            }
            completion(faults.fetch);
        });
    }

    void queryRecords(const QString &, CloudCallbacks::PerRecord perRecord, CloudCallbacks::Result completion) override
    {
        ++queryRequests;
        answerLater([this, perRecord, completion] {
            std::lock_guard lock(m_mutex);
            if (!faults.query) {
                for (const CloudRecord &record : std::as_const(m_records))
                    perRecord(record.recordID(), record, std::nullopt);
            }
            completion(faults.query);
        });
    }

    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) override
    {
        subscriptionRequests.append(subscription);
        answerLater([completion] { completion(std::nullopt); });
    }
    QList<CloudSubscription> subscriptionRequests;

private:
    // Stores `record` when its change tag is the current revision (none: no copy yet); the
    // stored record, or none when the write lost. Called with m_mutex held.
    std::optional<CloudRecord> storeLocked(CloudRecord record)
    {
        const QString name = record.recordID().recordName();
        const QString current = m_records.value(name).recordChangeTag();
        if (record.recordChangeTag() != current)
            return std::nullopt;
        record.setRecordChangeTag(QStringLiteral("%1-fake").arg(current.section(QLatin1Char('-'), 0, 0).toInt() + 1));
        m_records.insert(name, record);
        return record;
    }

    template<typename Work>
    void answerLater(Work work)
    {
        std::lock_guard lock(m_mutex);
        if (m_isHolding)
            m_held.append(work);
        else
            QMetaObject::invokeMethod(&m_receiver, work, Qt::QueuedConnection);
    }

    mutable std::mutex m_mutex; // guards m_records, m_held, m_isHolding and the faults while answering
    QHash<QString, CloudRecord> m_records;
    QList<std::function<void()>> m_held;
    bool m_isHolding = false;
    QThread m_thread;
    QObject m_receiver;
};
