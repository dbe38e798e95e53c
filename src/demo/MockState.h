#pragma once

#include <QDateTime>
#include <QString>

class ManagedObjectContext;

// Fixed demo items for screenshots and UI tests.
namespace MockState {

// Creates the items of `state` in `context` and saves it (a save error is ignored):
// "FULL" four recent synced links, "FAVORITES" two older favourite links, anything else
// (including "EMPTY" and other letter cases) none. Titles follow the current locale.
// `now` is the time the demo items are dated from.
void populateMockState(const QString &state, ManagedObjectContext &context,
                       const QDateTime &now = QDateTime::currentDateTime());

} // namespace MockState
