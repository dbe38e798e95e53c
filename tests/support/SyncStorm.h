#pragma once

#include "FaultProxy.h"

#include <QString>

// A storm of edits on several device processes, each behind a fault proxy of its own, against
// one database: the devices first agree on a few items, then edit their titles (and stars) at
// random, a few milliseconds apart, each edit answered with the time it was stamped with. Then
// the storm waits until every device and the cloud agree, and counts the items whose agreed
// title is not the latest edit: lost edits.
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
};

struct SyncStormResult {
    QString failure;       // empty when the devices and the cloud came to agree
    int lostEdits = 0;     // items whose agreed values are not their latest edit
    qint64 convergeMilliseconds = -1; // from the last edit until everything agreed
    int injectedFaults = 0;
};

SyncStormResult runSyncStorm(const SyncStormOptions &options);
