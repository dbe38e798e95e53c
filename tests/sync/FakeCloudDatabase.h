#pragma once

#include "Services/CloudDatabaseProtocol.h"

#include <QObject>
#include <QThread>

// A cloud database that records every request and answers it as the answer fields say when it
// was made, later and on a thread of its own, the way the real one does. Until a test sets an
// answer, requests fail with "service unavailable", so a forgotten set-up shows.
class FakeCloudDatabase : public CloudContainerProtocol, public CloudDatabaseProtocol
{
public:
    struct FetchAnswer {
        QSet<QString> missing;             // names the server says nothing about
        QSet<QString> refused;             // names answered with an error of their own
        std::optional<CloudError> overall; // the whole fetch fails
    };
    struct QueryAnswer {
        QList<CloudRecord> records;
        QList<CloudRecordID> unmatched; // per-record failures
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

    std::optional<CloudError> modifyAnswer = unavailable();
    FetchAnswer fetchAnswer{{}, {}, unavailable()};
    QueryAnswer queryAnswer{{}, {}, unavailable()};
    std::optional<CloudError> subscriptionAnswer; // saved

    QList<QList<CloudRecord>> modifyRequests;
    QList<QList<CloudRecordID>> fetchRequests;
    QStringList queryRequests;
    QList<CloudSubscription> subscriptionRequests;

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
        answerLater([records, error = modifyAnswer, completion] {
            QList<CloudRecord> saved;
            for (const CloudRecord &record : records) {
                if (!error || (error->code() == CloudErrorCode::PartialFailure
                               && !error->partialErrorsByItemID().contains(record.recordID())))
                    saved.append(record);
            }
            completion(saved, error);
        });
    }

    void fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        fetchRequests.append(ids);
        answerLater([ids, answer = fetchAnswer, perRecord, completion] {
            for (const CloudRecordID &id : ids) {
                if (answer.overall || answer.missing.contains(id.recordName()))
                    continue;
                if (answer.refused.contains(id.recordName()))
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::PermissionFailure, QStringLiteral("refused")));
                else
                    perRecord(id, CloudRecord(QStringLiteral("ShareItem"), id), std::nullopt);
            }
            completion(answer.overall);
        });
    }

    void queryRecords(const QString &recordType, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        queryRequests.append(recordType);
        answerLater([answer = queryAnswer, perRecord, completion] {
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
        answerLater([error = subscriptionAnswer, completion] { completion(error); });
    }

    static CloudError unavailable()
    {
        return CloudError(CloudErrorCode::ServiceUnavailable, QStringLiteral("no answer set in the fake cloud"));
    }

private:
    template<typename Work>
    void answerLater(Work work)
    {
        QMetaObject::invokeMethod(&m_receiver, work, Qt::QueuedConnection);
    }

    QThread m_thread;
    QObject m_receiver;
};
