#include "SyncClock.h"

#include <QTimer>

namespace {

class QtTimer final : public SyncClock::Timer
{
public:
    explicit QtTimer(std::function<void()> timeout)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(timeout));
    }
    void start(int milliseconds) override { m_timer.start(milliseconds); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class WallClock final : public SyncClock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    std::unique_ptr<Timer> makeTimer(std::function<void()> timeout) override
    {
        return std::make_unique<QtTimer>(std::move(timeout));
    }
};

} // namespace

SyncClock &SyncClock::system()
{
    static WallClock clock;
    return clock;
}
