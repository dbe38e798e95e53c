#pragma once

#include "platform/PersistentContainer.h"

#include <QString>

// Sets up the local store of every ShareItem: the model, the on-disk container in the group
// directory for normal runs and the in-memory container for test runs. Hands out containers;
// fetches and saves are the callers' (on the main context, on the main thread).
namespace PersistenceController {

inline constexpr const char *storeFileName = "Stashline.sqlite";
inline constexpr const char *containerName = "Stashline";
inline constexpr const char *transactionAuthor = "StashlineApp";

// The model: one entity "ShareItem", version identifiers {"1.5"}. Built once.
const ManagedObjectModel &makeModel();

// The group directory, or privateTemporaryDirectory() when the group directory is unavailable.
QString storeDirectoryURL();

// A directory in the temporary directory that only this user can enter (mode 0700): the
// reusable "stashline-<uid>" when it is a real directory owned by this user (its mode is
// tightened to 0700 if needed), else a fresh one for this process. Stops the process with
// "Unresolved error " when neither can be made. Any thread.
QString privateTemporaryDirectory();

// The loaded on-disk container ("Stashline.sqlite" in the store directory), created once. Its
// main context merges in-memory values over stored ones per property and saves as
// "StashlineApp". A store that cannot be loaded stops the process with "Unresolved error "
// and what is wrong; the file is left as it was.
PersistentContainer &sharedContainer();

// The loaded in-memory container, created once; empty at every process start.
PersistentContainer &previewContainer();

// Builds and loads an on-disk container for the store file at `path` with the main-context
// settings of sharedContainer(). For tools and tests that open a store of their own; returns
// the error instead of stopping the process.
std::unique_ptr<PersistentContainer> openOnDiskContainer(const QString &path, std::optional<StoreError> *error);

// Builds and loads a new in-memory container with the settings of previewContainer().
std::unique_ptr<PersistentContainer> openInMemoryContainer(std::optional<StoreError> *error);

} // namespace PersistenceController
