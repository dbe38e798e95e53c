#pragma once

#include "ArchivedItem.h"

#include "platform/ManagedObjectContext.h"

#include <QList>
#include <QString>

// The export archive: one ZIP file, written and read with libarchive, holding "items.json" (every
// item, those in the trash included, as ArchivedItem objects) followed by each picture as its
// JPEG file under "pictures/". The items file comes first, so a reader knows what to expect
// before the pictures stream past.
//
// Both directions stream: export reads the store one row at a time and each picture in small
// blocks; import keeps the items file and unpacks each picture to a file. A file that is not such
// an archive, a damaged or truncated one, an entry too large or a picture that is not a JPEG ends
// with a sentence saying so; nothing is left behind then. Main thread (the context's).
namespace ItemArchive {

inline const QString itemsEntry = QStringLiteral("items.json");
inline const QString picturesFolder = QStringLiteral("pictures/");
inline const QString formatName = QStringLiteral("stashline-items");
inline constexpr int formatVersion = 1;
// The largest items file and the largest picture an archive may hold.
inline constexpr qint64 maximumItemsBytes = 512LL * 1024 * 1024;
inline constexpr qint64 maximumPictureBytes = 256LL * 1024 * 1024;

// Whether `head`, the first bytes of a file, starts like a ZIP archive.
bool looksLikeArchive(const QByteArray &head);

struct WriteResult {
    int items = 0;
    int pictures = 0;
    QString error; // empty when the archive was written
};

// Writes every item of the store (saved state) that is not being removed to `path`, replacing
// the file only once the archive is complete. Pictures whose file is missing are left out.
WriteResult write(ManagedObjectContext &context, const QString &imagesDirectory, const QString &path);

struct ReadResult {
    QList<ArchivedItem> items; // `picture` is the unpacked file, in `stagingDirectory`
    QString error;             // empty when the archive was read whole
};

// Reads the archive at `path`, unpacking its pictures into `stagingDirectory`.
ReadResult read(const QString &path, const QString &stagingDirectory);

} // namespace ItemArchive
