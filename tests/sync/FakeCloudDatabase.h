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
        std::optional<CloudError> overall;
    };

    FakeCloudDatabase() { m_thread.start(); m_receiver.moveToThread(&m_thread); }
    ~FakeCloudDatabase() override { m_thread.quit(); m_thread.wait(); }

    std::optional<CloudError> modifyAnswer = unavailable();
    FetchAnswer fetchAnswer{{}, {}, unavailable()};
    QueryAnswer queryAnswer{{}, unavailable()};
    QList<QList<CloudRecord>> modifyRequests;
    QList<QList<CloudRecordID>> fetchRequests;
    QList<CloudSubscription> subscriptionRequests; // all saved

    QString containerIdentifier() const override { return QStringLiteral("iCloud.com.quellmar.Stashline"); }
    CloudDatabaseProtocol &privateCloudDatabase() override { return *this; }
    int databaseScope() const override { return 2; }
    void fetchUserRecordID(CloudCallbacks::UserRecordID) override {} // the engine only logs the answer

    void modifyRecords(const QList<CloudRecord> &records, CloudCallbacks::ModifyResult completion) override
    {
        modifyRequests.append(records);
        // The engine reads the saved records only when the whole request succeeded.
        answerLater([records, error = modifyAnswer, completion] { completion(error ? QList<CloudRecord>() : records, error); });
    }

    void fetchRecords(const QList<CloudRecordID> &ids, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        fetchRequests.append(ids);
        answerLater([ids, answer = fetchAnswer, perRecord, completion] {
            for (const CloudRecordID &id : ids) {
                if (answer.refused.contains(id.recordName()))
                    perRecord(id, std::nullopt, CloudError(CloudErrorCode::PermissionFailure, QStringLiteral("refused")));
                else if (!answer.overall && !answer.missing.contains(id.recordName()))
                    perRecord(id, CloudRecord(QStringLiteral("ShareItem"), id), std::nullopt);
            }
            completion(answer.overall);
        });
    }

    void queryRecords(const QString &, CloudCallbacks::PerRecord perRecord,
                      CloudCallbacks::Result completion) override
    {
        answerLater([answer = queryAnswer, perRecord, completion] {
            for (const CloudRecord &record : answer.records)
                perRecord(record.recordID(), record, std::nullopt);
            completion(answer.overall);
        });
    }

    void saveSubscription(const CloudSubscription &subscription, CloudCallbacks::Result completion) override
    {
        subscriptionRequests.append(subscription);
        answerLater([completion] { completion(std::nullopt); });
    }

    static CloudError unavailable() { return CloudError(CloudErrorCode::ServiceUnavailable, QStringLiteral("no answer set")); }

private:
    template<typename Work>
    void answerLater(Work work) { QMetaObject::invokeMethod(&m_receiver, work, Qt::QueuedConnection); }

    QThread m_thread;
    QObject m_receiver;
};
