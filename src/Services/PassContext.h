#pragma once

#include "CloudDatabaseProtocol.h"

class ImageManager;
class ManagedObjectContext;
class PictureFiles;
class RecordMerger;
class SyncClock;

// What a sync pass works with, lent by the engine for the pass's lifetime. Main thread.
struct PassContext {
    ManagedObjectContext &store;
    PictureFiles &pictures;
    RecordMerger &merger;
    SyncClock &clock;
    CloudContainerProtocol &container;
    QString imagesDirectory;

    CloudDatabaseProtocol &database() const { return container.privateCloudDatabase(); }
};
