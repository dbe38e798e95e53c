#pragma once

// Turns SIGTERM, SIGINT and SIGHUP (the session ending, Ctrl+C in a terminal) into a normal
// quit of the event loop, so the application shuts down the way its Quit command does.
// Call once, on the main thread, after the application object exists.
namespace TerminationSignals {

void quitOnTermination();

} // namespace TerminationSignals
