#include "ShareListing.h"

#include "DaySections.h"
#include "ShareListViewModel.h"

#include "store/ShareItem.h"
#include "store/Trash.h"

namespace ShareListing {

std::optional<StoreError> forEach(ManagedObjectContext &context, const Calendar &calendar, const QDateTime &now,
                                  const std::function<bool(const Entry &)> &visit)
{
    const QDateTime cutoff = DaySections::recentCutoff(calendar, now);
    int number = 0;

    FetchRequest request = ShareItem::fetchRequest();
    QList<ShareItem *> recentItems;
    for (const Predicate &predicate : {ShareItem::undatedPredicate(), ShareItem::recentPredicate(cutoff)}) {
        request.predicate = predicate;
        const ManagedObjectContext::FetchResult recent = context.execute(request);
        if (recent.error)
            return recent.error;
        for (ManagedObject *object : recent.objects)
            recentItems.append(static_cast<ShareItem *>(object));
    }
    for (const ShareSection &section : ShareListViewModel::makeDaySections(recentItems, calendar, now)) {
        for (ShareItem *item : section.shares) {
            if (!visit(Entry{++number, QStringLiteral("recent"), section.title, *item, item}))
                return std::nullopt;
        }
    }

    const QString favoritesTitle = qtTrId("share.favorites.title");
    bool stopped = false;
    for (const bool isFavorite : {true, false}) {
        request.predicate = ShareItem::olderPredicate(cutoff, isFavorite);
        DaySections::Titler titler(calendar, now);
        const std::optional<StoreError> error =
            context.enumerateStoredObjects(request, [&](const ManagedObject &object) {
                const auto &item = static_cast<const ShareItem &>(object);
                bool isNewDay = false;
                const QString &section =
                    isFavorite ? favoritesTitle : titler.title(item.createdAt().toMSecsSinceEpoch(), &isNewDay);
                stopped = !visit(Entry{++number, isFavorite ? QStringLiteral("favorites") : QStringLiteral("history"),
                                       section, item, nullptr});
                return !stopped;
            });
        if (error || stopped)
            return error;
    }
    return std::nullopt;
}

ShareItem *item(ManagedObjectContext &context, const Calendar &calendar, const QDateTime &now, int number)
{
    if (number < 1)
        return nullptr;
    ShareItem *found = nullptr;
    qint64 rowId = 0;
    forEach(context, calendar, now, [&](const Entry &entry) {
        if (entry.number < number)
            return true;
        found = entry.heldObject;
        rowId = entry.item.storeRowId();
        return false;
    });
    if (!found && rowId != 0)
        found = static_cast<ShareItem *>(context.existingObject(ShareItem::entityName, rowId));
    return found;
}

std::optional<StoreError> forEachTrashed(ManagedObjectContext &context, const std::function<bool(const Entry &)> &visit)
{
    std::optional<StoreError> error;
    const QList<ShareItem *> trashed = Trash::items(context, &error);
    if (error)
        return error;
    const QString title = qtTrId("share.trash.title");
    int number = 0;
    for (ShareItem *item : trashed) {
        if (!visit(Entry{++number, QStringLiteral("trash"), title, *item, item}))
            break;
    }
    return std::nullopt;
}

} // namespace ShareListing
