#pragma once

#include <functional>

// The main queue: the event loop of the main thread.
namespace MainQueue {

// Runs `work` on the main thread from the event loop, after the caller has returned, also
// when called on the main thread. Any thread. Work posted before the application object exists
// runs once its event loop starts.
void async(std::function<void()> work);

// True on the thread that runs the application's event loop.
bool isMainThread();

} // namespace MainQueue
