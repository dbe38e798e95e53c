#include "ItemTransfer.h"

#include "ShareListViewModel.h"

#include "Services/SyncManagerProtocol.h"
#include "platform/MainQueue.h"
#include "store/ImageManager.h"
#include "store/ItemArchive.h"
#include "store/ItemImport.h"

#include <QFileInfo>
#include <QPointer>

namespace ItemTransfer {

Result exportTo(ShareListViewModel &model, ImageManager &images, const QString &path)
{
    if (!model.saveContext())
        return {false, qtTrId("transfer.export.notSaved %1").arg(model.lastSaveErrorMessage())};
    const ItemArchive::WriteResult written = ItemArchive::write(model.context(), images.imagesDirectoryURL(), path);
    if (!written.error.isEmpty())
        return {false, written.error};
    return {true, qtTrId("transfer.export.done %1 %2 %3").arg(written.items).arg(written.pictures).arg(QFileInfo(path).fileName())};
}

Result importFrom(ShareListViewModel &model, ImageManager &images, const QString &path)
{
    const ItemImport::Outcome outcome = ItemImport::importFile(model.context(), images, path, model.now());
    if (!outcome.error.isEmpty())
        return {false, outcome.error};
    if (outcome.added + outcome.updated > 0) {
        model.loadShares();
        MainQueue::async([guard = QPointer<ShareListViewModel>(&model)] {
            if (guard)
                guard->syncManager().uploadPendingItems();
        });
    }
    return {true, qtTrId("transfer.import.done %1 %2 %3").arg(outcome.added).arg(outcome.updated).arg(outcome.unchanged)};
}

} // namespace ItemTransfer
