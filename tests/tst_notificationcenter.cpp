#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"

#include <QTest>
#include <QThread>

class TestNotificationCenter : public QObject
{
    Q_OBJECT
private slots:
    void deliveryOnTheMainThread()
    {
        NotificationCenter &center = NotificationCenter::defaultCenter();
        auto receiver = std::make_unique<QObject>();
        QList<QVariantMap> received;
        QList<bool> onMain;
        center.addObserver(QStringLiteral("StashlineCloudSyncDidFinish"), nullptr, receiver.get(),
                           [&](const Notification &notification) {
                               received.append(notification.userInfo);
                               onMain.append(MainQueue::isMainThread());
                           });

        // On the main thread observers run before post returns.
        center.post(QStringLiteral("StashlineCloudSyncDidFinish"), nullptr, {{QStringLiteral("errorMessage"), QStringLiteral("x")}});
        QCOMPARE(received.size(), 1);
        center.post(QStringLiteral("SomethingElse"));
        QCOMPARE(received.size(), 1);

        // From another thread they run later, on the main thread.
        std::unique_ptr<QThread> worker(QThread::create([&center] { center.post(QStringLiteral("StashlineCloudSyncDidFinish")); }));
        worker->start();
        worker->wait();
        QCOMPARE(received.size(), 1);
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(onMain, (QList<bool>{true, true}));

        // A destroyed receiver hears nothing more.
        receiver.reset();
        center.post(QStringLiteral("StashlineCloudSyncDidFinish"));
        QCOMPARE(received.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
