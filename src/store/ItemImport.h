#pragma once

#include "platform/ManagedObjectContext.h"

#include <QDateTime>
#include <QString>

class ImageManager;

// Import of a file into the store, in one transaction: an export archive (ItemArchive), a
// browser's bookmarks export, or a plain text or Markdown note (ImportedFiles).
//
// Items are matched by uuid and never duplicated: an item the store does not hold is added; one
// it holds takes the imported values only when they were changed later ("modifiedAt"), else it
// stays as it is; an item being removed for good stays removed. What is taken is a local change
// waiting for upload that keeps the imported change time, so it syncs and wins or loses on every
// device as that change would.
//
// The file is read whole (the archive's pictures unpacked beside the image store) before the
// store is touched; a file that cannot be read, an unknown format, a file too large, a damaged
// archive or a picture that is not a JPEG ends with a sentence saying so and changes nothing.
// When the save fails, the store and the context are left as they were. Main thread.
namespace ItemImport {

// The largest file import reads: an archive, and a bookmarks or note file.
inline constexpr qint64 maximumArchiveBytes = 8LL * 1024 * 1024 * 1024;
inline constexpr qint64 maximumTextBytes = 32LL * 1024 * 1024;

struct Outcome {
    int added = 0;
    int updated = 0;
    int unchanged = 0;
    QString error; // empty when the import was saved
};

Outcome importFile(ManagedObjectContext &context, ImageManager &images, const QString &path, const QDateTime &now);

} // namespace ItemImport
