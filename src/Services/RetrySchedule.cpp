#include "RetrySchedule.h"

#include <algorithm>

RetrySchedule::RetrySchedule(SyncClock &clock, std::function<void()> retry)
    : m_timer(clock.makeTimer(std::move(retry)))
{
}

bool RetrySchedule::isPassing(const CloudError &error)
{
    switch (error.code()) {
    case CloudErrorCode::NetworkUnavailable:
    case CloudErrorCode::NetworkFailure:
    case CloudErrorCode::ServiceUnavailable:
    case CloudErrorCode::RequestRateLimited:
        return true;
    default:
        return false;
    }
}

std::optional<int> RetrySchedule::scheduleAfter(const CloudError &error)
{
    if (!isPassing(error))
        return std::nullopt;
    const int serverAsked = std::clamp(error.retryAfterSeconds().value_or(0), 0, longestServerDelaySeconds) * 1000;
    const int pause = std::max(nextDelay(), serverAsked);
    m_timer->start(pause);
    return pause;
}

int RetrySchedule::scheduleNext()
{
    const int pause = nextDelay();
    m_timer->start(pause);
    return pause;
}

int RetrySchedule::nextDelay()
{
    m_delayMilliseconds = m_delayMilliseconds == 0 ? firstDelayMilliseconds
                                                   : std::min(m_delayMilliseconds * 2, longestDelayMilliseconds);
    return m_delayMilliseconds;
}

void RetrySchedule::cancel()
{
    m_timer->stop();
}

void RetrySchedule::reset()
{
    m_timer->stop();
    m_delayMilliseconds = 0;
}
