#include "NotificationCenter.h"

#include "MainQueue.h"

NotificationCenter &NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

quint64 NotificationCenter::addObserver(const QString &name, const QObject *object, QObject *receiver,
                                        Handler handler)
{
    std::lock_guard lock(m_mutex);
    const quint64 token = m_nextToken++;
    m_observers.push_back({token, name, object, receiver, std::move(handler)});
    return token;
}

void NotificationCenter::removeObserver(quint64 token)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_observers, [token](const Observer &observer) { return observer.token == token; });
}

void NotificationCenter::post(const QString &name, const QObject *object, const QVariantMap &userInfo)
{
    Notification notification{name, object, userInfo};
    if (MainQueue::isMainThread())
        deliver(notification);
    else
        MainQueue::async([this, notification] { deliver(notification); });
}

void NotificationCenter::deliver(const Notification &notification)
{
    // Handlers run without the lock, so they may add or remove observers.
    std::vector<std::pair<QPointer<QObject>, Handler>> matching;
    {
        std::lock_guard lock(m_mutex);
        std::erase_if(m_observers, [](const Observer &observer) { return observer.receiver.isNull(); });
        for (const Observer &observer : m_observers) {
            if (observer.name == notification.name
                && (!observer.object || observer.object == notification.object))
                matching.emplace_back(observer.receiver, observer.handler);
        }
    }
    for (const auto &[receiver, handler] : matching) {
        if (receiver)
            handler(notification);
    }
}
