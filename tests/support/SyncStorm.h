#pragma once

#include "FaultProxy.h"

#include <QString>

// A storm of edits on several device processes, each behind a fault proxy of its own, against
// one database: the devices first agree on a few items, then edit their titles (and stars) at
// random, a few milliseconds apart, each edit answered with the time it was stamped with. Then
// the storm waits until every device and the cloud agree, and counts the items whose agreed
// title is not the latest edit: lost edits.
//
// With a passphrase the account is encrypted by the first device, before the items are made or
// in the middle of the storm (the others then enter the passphrase); the cloud is read through
// the key, and afterwards no title may be readable on the server in any revision.
//
// With `trashAndRestore`, a third of the changes move the item to the trash and a third restore
// it; then an item's agreed state (title, and whether it is in the trash) must be the state the
// latest change left on its device.
struct SyncStormOptions {
    QString deviceExecutable;
    QString databaseUrl; // with credentials
    int devices = 2;
    int items = 3;
    int edits = 30;
    int minimumGapMilliseconds = 10;
    int maximumGapMilliseconds = 100;
    FaultProxy::Faults faults;
    quint32 seed = 1;
    QString pictureFile; // when set, the first item carries this picture, which must arrive whole everywhere
    int patienceMilliseconds = 60000;
    enum class Encryption { off, fromStart, midStorm };
    Encryption encryption = Encryption::off;
    QString passphrase = QStringLiteral("tempest-passphrase-7"); // one word: the device reads one
    bool trashAndRestore = false;
};

struct SyncStormResult {
    QString failure;       // empty when the devices and the cloud came to agree
    int lostEdits = 0;     // items whose agreed values are not their latest edit
    qint64 convergeMilliseconds = -1; // from the last edit until everything agreed
    int injectedFaults = 0;
};

SyncStormResult runSyncStorm(const SyncStormOptions &options);
