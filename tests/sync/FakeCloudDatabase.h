#pragma once

#include "Services/CloudDatabaseProtocol.h"

#include <QMutex>
#include <QObject>
#include <QThread>

#include <deque>

// A cloud database that records every request and answers from queued results, later and on
// a thread of its own, the way the real one does. A request with nothing queued fails with a
// "service unavailable" error, so a forgotten set-up shows.
class FakeCloudDatabase : public CloudContainerProtocol, public CloudDatabaseProtocol
{
public:
    struct FetchAnswer {
        QSet<QString> missing;                 // names that come back as unknown item
        QHash<QString, CloudError> errors;     // names that come back with this error
        std::optional<CloudError> overall;     // the whole fetch fails
    };
    struct QueryAnswer {
        QList<CloudRecord> records;
        QList<CloudRecordID> unmatched;        // per-record failures
        std::optional<CloudError> overall;
    };

    FakeCloudDatabase()
    {
        m_thread.start();
        m_receiver.moveToThread(&m_thread);
    }
    ~FakeCloudDatabase() override
    {
        m_thread.quit();
        m_thread.wait();
    }

    // Queued answers, used in order.
    void queueModify(std::optional<CloudError> error) { m_modifyAnswers.push_back(std::move(error)); }
    void queueFetch(FetchAnswer answer) { m_fetchAnswers.push_back(std::move(answer)); }
    void queueQuery(QueryAnswer answer) { m_queryAnswers.push_back(std::move(answer)); }
    void queueSubscription(std::optional<CloudError> error) { m_subscriptionAnswers.push_back(std::move(error)); }

    // What was asked.
    QList<QList<CloudRecord>> modifyRequests;
    QList<QList<CloudRecordID>> fetchRequests;
    QStringList queryRequests;
    QList<CloudSubscription> subscriptionRequests;
    int completedCallbacks() const
    {
        QMutexLocker lock(&m_mutex);
        return m_completed;
    }

    QString containerIdentifier() const override { return QStringLiteral("iCloud.com.quellmar.Stashline"); }
    CloudDatabaseProtocol &privateCloudDatabase() override { return *this; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID completion) override
    {
        answerLater([completion] { completion(CloudRecordID(QStringLiteral("_user-1")), std::nullopt); });
    }
    int databaseScope() const override { return 2; }

    void modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion) override
    {
        modifyRequests.append(records);
        const std::optional<CloudError> error = take(m_modifyAnswers, unavailable());
        answerLater([records, error, completion] {
            QList<CloudRecord> saved;
            if (!error) {
                saved = records;
            } else if (error->code() == CloudErrorCode::PartialFailure) {
                const auto failed = error->partialErrorsByItemID();
                for (const CloudRecord &record : records) {
                    if (!failed.contains(record.recordID()))
                        saved.append(record);
                }
            }
            completion(saved, error);
        });
    }

    void fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        fetchRequests.append(ids);
        FetchAnswer answer = takeFetch();
        answerLater([ids, answer, perRecord, completion] {
            if (!answer.overall) {
                for (const CloudRecordID &id : ids) {
                    if (answer.missing.contains(id.recordName()))
                        continue; // the server says nothing about it
                    if (const auto found = answer.errors.constFind(id.recordName()); found != answer.errors.cend())
                        perRecord(id, std::nullopt, *found);
                    else
                        perRecord(id, CloudRecord(QStringLiteral("ShareItem"), id), std::nullopt);
                }
            }
            completion(answer.overall);
        });
    }

    void queryRecords(const QString &recordType, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        queryRequests.append(recordType);
        QueryAnswer answer;
        if (m_queryAnswers.empty()) {
            answer.overall = unavailable();
        } else {
            answer = m_queryAnswers.front();
            m_queryAnswers.pop_front();
        }
        answerLater([answer, perRecord, completion] {
            for (const CloudRecord &record : answer.records)
                perRecord(record.recordID(), record, std::nullopt);
            for (const CloudRecordID &id : answer.unmatched)
                perRecord(id, std::nullopt, CloudError(CloudErrorCode::UnknownItem, QStringLiteral("gone")));
            completion(answer.overall);
        });
    }

    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) override
    {
        subscriptionRequests.append(subscription);
        const std::optional<CloudError> error = take(m_subscriptionAnswers, unavailable());
        answerLater([error, completion] { completion(error); });
    }

    static CloudError unavailable()
    {
        return CloudError(CloudErrorCode::ServiceUnavailable, QStringLiteral("nothing queued in the fake cloud"));
    }

private:
    template<typename Work>
    void answerLater(Work work)
    {
        QMetaObject::invokeMethod(&m_receiver, [this, work] {
            work();
            QMutexLocker lock(&m_mutex);
            ++m_completed;
        }, Qt::QueuedConnection);
    }
    static std::optional<CloudError> take(std::deque<std::optional<CloudError>> &queue, const CloudError &fallback)
    {
        if (queue.empty())
            return fallback;
        std::optional<CloudError> answer = queue.front();
        queue.pop_front();
        return answer;
    }
    FetchAnswer takeFetch()
    {
        if (m_fetchAnswers.empty())
            return FetchAnswer{{}, {}, unavailable()};
        FetchAnswer answer = m_fetchAnswers.front();
        m_fetchAnswers.pop_front();
        return answer;
    }

    QThread m_thread;
    QObject m_receiver;
    mutable QMutex m_mutex; // guards m_completed
    int m_completed = 0;
    std::deque<std::optional<CloudError>> m_modifyAnswers;
    std::deque<FetchAnswer> m_fetchAnswers;
    std::deque<QueryAnswer> m_queryAnswers;
    std::deque<std::optional<CloudError>> m_subscriptionAnswers;
};
