#include "ShareListActions.h"

#include "model/ShareListViewModel.h"
#include "store/ShareItem.h"

ShareListActions::ShareListActions(QObject *parent)
    : QObject(parent)
{
}

void ShareListActions::toggleFavorite(QObject *model, QObject *item)
{
    auto *viewModel = qobject_cast<ShareListViewModel *>(model);
    auto *share = qobject_cast<ShareItem *>(item);
    if (viewModel && share)
        viewModel->toggleFavorite(share);
}

void ShareListActions::deleteShares(QObject *model, const QVariantList &items)
{
    auto *viewModel = qobject_cast<ShareListViewModel *>(model);
    if (!viewModel)
        return;
    QList<ShareItem *> shares;
    for (const QVariant &value : items) {
        if (auto *share = qobject_cast<ShareItem *>(value.value<QObject *>()))
            shares.append(share);
    }
    viewModel->deleteShares(shares);
}

void ShareListActions::retryShare(QObject *model, QObject *item)
{
    auto *viewModel = qobject_cast<ShareListViewModel *>(model);
    auto *share = qobject_cast<ShareItem *>(item);
    if (viewModel && share)
        viewModel->retryShare(share);
}
