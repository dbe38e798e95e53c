#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <mutex>
#include <vector>

// A process-wide notification: a name, an optional sender and a user-info map.
struct Notification {
    QString name;
    const QObject *object = nullptr;
    QVariantMap userInfo;
};

// Posts named notifications to observers, always on the main thread.
//
// A post on the main thread reaches the observers before `post` returns; a post on another
// thread is delivered from the main event loop. An observer is tied to a receiver object and
// is dropped when that object is destroyed.
class NotificationCenter
{
public:
    using Handler = std::function<void(const Notification &)>;

    static NotificationCenter &defaultCenter();

    // Calls `handler` for every notification named `name` (any sender when `object` is null).
    // Returns a token for removeObserver. Any thread.
    quint64 addObserver(const QString &name, const QObject *object, QObject *receiver, Handler handler);
    void removeObserver(quint64 token);

    void post(const QString &name, const QObject *object = nullptr, const QVariantMap &userInfo = {});

private:
    struct Observer {
        quint64 token;
        QString name;
        const QObject *object;
        QPointer<QObject> receiver;
        Handler handler;
    };

    void deliver(const Notification &notification);

    std::mutex m_mutex; // guards m_observers and m_nextToken
    std::vector<Observer> m_observers;
    quint64 m_nextToken = 1;
};
