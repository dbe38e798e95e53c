#pragma once

#include <QDateTime>

class ManagedObjectContext;

// The time stamps of local changes, ordered after what this store has seen. A change made here
// after this device saw another device's change must count as later than it, whatever the two
// wall clocks say: its stamp is the larger of the wall clock and one millisecond past the latest
// change time this store has seen, its own included. The latest time is kept in the store's
// metadata, so it is written with the change it orders and holds across restarts and for the
// command line. Main thread (the context's).
namespace ChangeClock {

// The stamp for a local change made at `wallTime`; records it as seen.
QDateTime stamp(ManagedObjectContext &context, const QDateTime &wallTime);

// Records that a change made at `time` was seen (a downloaded record's time). Invalid times are
// ignored. Staged with the context's next save.
void observe(ManagedObjectContext &context, const QDateTime &time);

} // namespace ChangeClock
