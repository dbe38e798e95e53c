#pragma once

#include "model/ShareListViewModel.h"
#include "model/ShareSectionListModel.h"
#include "store/ShareItem.h"

#include <QtQml/qqmlregistration.h>

// The list model's types as QML sees them. They live in the core library, which knows nothing
// of QML; screens receive them, never create them.

struct ShareListViewModelForeign
{
    Q_GADGET
    QML_FOREIGN(ShareListViewModel)
    QML_NAMED_ELEMENT(ShareListViewModel)
    QML_UNCREATABLE("The list model is built by the application.")
};

struct ShareSectionListModelForeign
{
    Q_GADGET
    QML_FOREIGN(ShareSectionListModel)
    QML_NAMED_ELEMENT(ShareSectionListModel)
    QML_UNCREATABLE("Section lists belong to the list model.")
};

struct ShareUndoStackForeign
{
    Q_GADGET
    QML_FOREIGN(ShareUndoStack)
    QML_NAMED_ELEMENT(ShareUndoStack)
    QML_UNCREATABLE("The undo history belongs to the list model.")
};

struct ShareItemForeign
{
    Q_GADGET
    QML_FOREIGN(ShareItem)
    QML_NAMED_ELEMENT(ShareItem)
    QML_UNCREATABLE("Items are records of the store.")
};

// A list of items, as the delete confirmation hands it to ShareListViewModel::deleteShares.
struct ShareItemListForeign
{
    Q_GADGET
    QML_FOREIGN(QList<ShareItem *>)
    QML_ANONYMOUS
    QML_SEQUENTIAL_CONTAINER(ShareItem *)
};
