#pragma once

#include "Services/SyncClock.h"

#include <QList>

#include <algorithm>

// A clock whose time moves only when a test says so; its timers fire in advance(), in order of
// their due time, on the calling thread.
class ManualSyncClock : public SyncClock
{
public:
    explicit ManualSyncClock(const QDateTime &start = QDateTime::currentDateTimeUtc()) : m_now(start) {}

    QDateTime now() const override { return m_now; }
    void setNow(const QDateTime &now) { m_now = now; }

    std::unique_ptr<Timer> makeTimer(std::function<void()> timeout) override
    {
        auto timer = std::make_unique<ManualTimer>(*this, std::move(timeout));
        m_timers.append(timer.get());
        return timer;
    }

    // Moves time forward by `milliseconds`, firing every timer that comes due on the way.
    void advance(qint64 milliseconds)
    {
        const QDateTime end = m_now.addMSecs(milliseconds);
        for (;;) {
            ManualTimer *next = nullptr;
            for (ManualTimer *timer : std::as_const(m_timers)) {
                if (timer->isActive() && timer->due <= end && (!next || timer->due < next->due))
                    next = timer;
            }
            if (!next)
                break;
            m_now = next->due;
            next->active = false;
            next->timeout();
        }
        m_now = end;
    }

    // When the next timer fires, in milliseconds from now; -1 when none is armed.
    qint64 nextTimeout() const
    {
        qint64 soonest = -1;
        for (const ManualTimer *timer : m_timers) {
            if (timer->isActive())
                soonest = soonest < 0 ? m_now.msecsTo(timer->due) : std::min(soonest, m_now.msecsTo(timer->due));
        }
        return soonest;
    }

private:
    struct ManualTimer : Timer {
        ManualTimer(ManualSyncClock &owner, std::function<void()> callback) : clock(owner), timeout(std::move(callback)) {}
        ~ManualTimer() override { clock.m_timers.removeOne(this); }
        void start(int milliseconds) override { due = clock.m_now.addMSecs(milliseconds); active = true; }
        void stop() override { active = false; }
        bool isActive() const override { return active; }
        ManualSyncClock &clock;
        std::function<void()> timeout;
        QDateTime due;
        bool active = false;
    };

    QDateTime m_now;
    QList<ManualTimer *> m_timers;
};
