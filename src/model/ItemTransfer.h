#pragma once

#include <QString>

class ImageManager;
class ShareListViewModel;

// Export and import as the About page and the command line offer them, on the list model's
// store: export writes every item (the trash included) to one archive (ItemArchive); import
// reads an archive, a bookmarks export or a note (ItemImport), then uploads what it took and
// reloads the lists. Each ends with one sentence for the user. Main thread.
namespace ItemTransfer {

struct Result {
    bool isDone = false;
    QString message; // what was done, or why nothing was
};

// Unsaved changes are saved first, so the archive holds what the screens show.
Result exportTo(ShareListViewModel &model, ImageManager &images, const QString &path);
Result importFrom(ShareListViewModel &model, ImageManager &images, const QString &path);

} // namespace ItemTransfer
