#pragma once

#include "SyncClock.h"

#include "platform/cloud/CloudError.h"

#include <functional>
#include <memory>
#include <optional>

// When to try again after a failure that passes by itself (no network, the server busy or out
// of reach, too many requests): the pause doubles from 2 s up to a minute, and is stretched to
// what the server asked for with Retry-After, at most an hour. A success starts over at 2 s.
// Other failures (refused, quota, not signed in) wait for the user or the next change, unless
// the caller knows the cause passes (scheduleNext). One schedule per kind of pass; the retry
// callback runs on the main thread. Main thread.
class RetrySchedule
{
public:
    static constexpr int firstDelayMilliseconds = 2000;
    static constexpr int longestDelayMilliseconds = 60000;
    static constexpr int longestServerDelaySeconds = 3600;

    RetrySchedule(SyncClock &clock, std::function<void()> retry);

    static bool isPassing(const CloudError &error);

    // Arms the next try when `error` passes by itself; the pause in milliseconds, or none.
    std::optional<int> scheduleAfter(const CloudError &error);
    // Arms the next try whatever the cause (a race with other devices passes too); the pause in
    // milliseconds, doubling like the one after a passing failure.
    int scheduleNext();
    // Disarms the timer: the attempt that starts now is the retry. The pause is kept.
    void cancel();
    // The last attempt succeeded: disarms the timer, and the next failure waits 2 s again.
    void reset();
    bool isScheduled() const { return m_timer->isActive(); }

private:
    int nextDelay(); // doubles the pause, from firstDelayMilliseconds up to longestDelayMilliseconds

    std::unique_ptr<SyncClock::Timer> m_timer;
    int m_delayMilliseconds = 0; // the last pause; 0: none since the last success
};
