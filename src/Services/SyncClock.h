#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

// The time and the timers the sync engine waits on, injected so tests can move time forward
// without sleeping. The system clock reads the wall clock and runs Qt timers on the calling
// thread's event loop. Main thread.
class SyncClock
{
public:
    // A single-shot timer: `start` (re)arms it, the callback runs once when it fires.
    class Timer
    {
    public:
        virtual ~Timer() = default;
        virtual void start(int milliseconds) = 0;
        virtual void stop() = 0;
        virtual bool isActive() const = 0;
    };

    virtual ~SyncClock() = default;
    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<Timer> makeTimer(std::function<void()> timeout) = 0;

    // The wall clock and Qt timers; lives until exit.
    static SyncClock &system();
};
