#include "Trash.h"

#include "ShareItem.h"

#include <algorithm>

namespace Trash {
namespace {

QList<ShareItem *> fetch(ManagedObjectContext &context, const Predicate &predicate, std::optional<StoreError> *error)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = predicate;
    const ManagedObjectContext::FetchResult result = context.execute(request);
    if (error)
        *error = result.error;
    QList<ShareItem *> found;
    found.reserve(result.objects.size());
    for (ManagedObject *object : result.objects)
        found.append(static_cast<ShareItem *>(object));
    return found;
}

} // namespace

void moveToTrash(ShareItem &item, const QDateTime &now)
{
    if (item.isTrashed() || item.isMarkedForDeletion())
        return;
    item.setTrashedAt(now);
    item.markLocallyChanged(now);
}

void restore(ShareItem &item, const QDateTime &now)
{
    if (!item.isTrashed() || item.isMarkedForDeletion())
        return;
    item.setTrashedAt(QDateTime());
    item.markLocallyChanged(now);
}

void deleteForGood(ShareItem &item, const QDateTime &now)
{
    if (item.isMarkedForDeletion())
        return;
    item.setIsMarkedForDeletion(true);
    item.markLocallyChanged(now);
}

QList<ShareItem *> items(ManagedObjectContext &context, std::optional<StoreError> *error)
{
    QList<ShareItem *> trashed = fetch(context, ShareItem::trashedPredicate(), error);
    std::stable_sort(trashed.begin(), trashed.end(),
                     [](const ShareItem *left, const ShareItem *right) { return left->trashedAt() > right->trashedAt(); });
    return trashed;
}

int deleteExpired(ManagedObjectContext &context, const QDateTime &now)
{
    const QList<ShareItem *> expired = fetch(context, ShareItem::trashedBeforePredicate(now.addDays(-keepDays)), nullptr);
    for (ShareItem *item : expired)
        deleteForGood(*item, now);
    return int(expired.size());
}

} // namespace Trash
