#include "MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace MainQueue {

void async(std::function<void()> work)
{
    QCoreApplication *application = QCoreApplication::instance();
    Q_ASSERT_X(application, "MainQueue::async", "needs the application object");
    QMetaObject::invokeMethod(application, std::move(work), Qt::QueuedConnection);
}

bool isMainThread()
{
    QCoreApplication *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

} // namespace MainQueue
