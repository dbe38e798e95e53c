#pragma once

#include "platform/cloud/CloudAccount.h"
#include "platform/cloud/CloudCallbacks.h"

#include <QString>

#include <memory>

class CloudConnection;
class CloudDatabase;
class PushChannel;
class QThread;

// A cloud container: the account's private database, its push channel, and the user lookup.
// Owns the cloud layer's worker thread, on which the network runs and every callback of its
// database, user lookup and push channel is called. Created and destroyed on one thread
// (normally the main thread); destruction stops the worker, after which no callback runs.
class CloudContainer
{
public:
    static const QString defaultIdentifier; // "iCloud.com.quellmar.Stashline"

    // `deviceID` marks this device's writes (a fresh id per process when empty).
    explicit CloudContainer(const QString &identifier, const CloudAccount &account = CloudAccount::load(),
                            const QString &deviceID = {});
    ~CloudContainer();
    CloudContainer(const CloudContainer &) = delete;
    CloudContainer &operator=(const CloudContainer &) = delete;

    QString containerIdentifier() const { return m_identifier; }
    const CloudAccount &account() const { return m_account; }
    QString deviceID() const { return m_deviceID; }

    CloudDatabase &privateCloudDatabase() { return *m_database; }
    PushChannel *pushChannel() { return m_pushChannel; }

    // The signed-in user's record ID (GET _session: the user name), or an error.
    void fetchUserRecordID(CloudCallbacks::UserRecordID completion);

    // Milliseconds without progress after which a request fails (default 60000).
    void setRequestTimeout(int milliseconds);
    void setMaximumAnswerBytes(qint64 bytes);

    // Ends the worker thread before the process does: nothing started is answered any more. A
    // process that leaves while the thread still runs its event loop tears Qt down under it.
    void stop();

private:
    QString m_identifier;
    CloudAccount m_account;
    QString m_deviceID;
    QThread *m_thread = nullptr;
    CloudConnection *m_connection = nullptr;
    PushChannel *m_pushChannel = nullptr;
    std::unique_ptr<CloudDatabase> m_database;
};
