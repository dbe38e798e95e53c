#include "ShareListViewModel.h"

#include "DaySections.h"
#include "Services/SyncManagerProtocol.h"
#include "platform/FatalError.h"
#include "platform/MainQueue.h"
#include "platform/ManagedObjectContext.h"
#include "platform/NotificationCenter.h"
#include "Services/SyncActivity.h"
#include "store/ShareItem.h"
#include "store/Trash.h"

#include <QMetaObject>

#include <algorithm>
#include <vector>

namespace {

const QString favoritesSectionId = QStringLiteral("Favorites");
const QString trashSectionId = QStringLiteral("RecentlyDeleted");

// The objects of a fetch as items; a failed fetch sets `failed`.
QList<ShareItem *> fetchItems(ManagedObjectContext &context, const Predicate &predicate, int limit, bool *failed)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = predicate;
    request.fetchLimit = limit;
    ManagedObjectContext::FetchResult result = context.execute(request);
    if (result.error)
        *failed = true;
    QList<ShareItem *> items;
    items.reserve(result.objects.size());
    for (ManagedObject *object : std::as_const(result.objects))
        items.append(static_cast<ShareItem *>(object));
    return items;
}

} // namespace

ShareListViewModel::ShareListViewModel(ManagedObjectContext &context, const Calendar &calendar,
                                       std::shared_ptr<SyncManagerProtocol> syncManager, Clock clock, QObject *parent,
                                       SyncActivity *activity)
    : QObject(parent), m_context(context), m_calendar(calendar), m_syncManager(std::move(syncManager)),
      m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); })),
      m_recentModel(new ShareSectionListModel(this)), m_favoritesModel(new ShareSectionListModel(this)),
      m_historyModel(new ShareSectionListModel(this)), m_trashModel(new ShareSectionListModel(this)),
      m_undoStack(new ShareUndoStack([this](const QList<ShareUndoStack::Change> &changes, bool toAfter) {
          applyStates(changes, toAfter);
      }, this)),
      m_activity(activity ? *activity : SyncActivity::shared())
{
    Q_ASSERT(m_syncManager);
    for (ShareSectionListModel *model : {m_favoritesModel, m_historyModel})
        model->setFetchMoreHandler([this, model] { loadMore(model); });
    setupSubscriptions();
}

ShareListViewModel::~ShareListViewModel() = default;

void ShareListViewModel::setupSubscriptions()
{
    // Each delivery is queued on the main event loop with the model as its target, so a
    // delivery after the model is gone does nothing and a save inside loadShares does not
    // reload re-entrantly.
    connect(&m_context, &ManagedObjectContext::didSave, this, [this] {
        // Every save writes all changes, so whatever failed before is stored now.
        if (!m_lastSaveErrorMessage.isNull())
            setLastSaveErrorMessage(QString());
        QMetaObject::invokeMethod(this, [this] { loadShares(); }, Qt::QueuedConnection);
    });

    // What sync is doing lives in SyncActivity, which the account page reads too; the list's
    // own properties follow it.
    connect(&m_activity, &SyncActivity::uploadingChanged, this, &ShareListViewModel::isUploadingChanged);
    connect(&m_activity, &SyncActivity::downloadingChanged, this, &ShareListViewModel::isSyncingFromCloudChanged);
    connect(&m_activity, &SyncActivity::errorChanged, this, &ShareListViewModel::lastCloudSyncErrorMessageChanged);
    connect(&m_activity, &SyncActivity::lockedChanged, this, &ShareListViewModel::isSyncLockedChanged);
}

bool ShareListViewModel::isSyncingFromCloud() const
{
    return m_activity.isDownloading();
}

bool ShareListViewModel::isUploading() const
{
    return m_activity.isUploading();
}

bool ShareListViewModel::isSyncLocked() const
{
    return m_activity.isLocked();
}

QString ShareListViewModel::syncLockReason() const
{
    return m_activity.lockReason();
}

QString ShareListViewModel::lastCloudSyncErrorMessage() const
{
    return m_activity.lastErrorMessage();
}

void ShareListViewModel::loadShares()
{
    if (!MainQueue::isMainThread()) {
        QMetaObject::invokeMethod(this, [this] { loadSharesOnMainThread(); }, Qt::QueuedConnection);
        return;
    }
    loadSharesOnMainThread();
}

void ShareListViewModel::loadSharesOnMainThread()
{
    const QDateTime now = m_clock();
    const QDateTime cutoff = DaySections::recentCutoff(m_calendar, now);
    // One more than a page holds tells whether another page follows.
    bool failed = false;
    const QList<ShareItem *> recent = fetchItems(m_context, ShareItem::undatedPredicate(), 0, &failed)
        + fetchItems(m_context, ShareItem::recentPredicate(cutoff), 0, &failed);
    QList<ShareItem *> favorites =
        fetchItems(m_context, ShareItem::olderPredicate(cutoff, true), m_favoritesLimit + 1, &failed);
    QList<ShareItem *> history =
        fetchItems(m_context, ShareItem::olderPredicate(cutoff, false), m_historyLimit + 1, &failed);
    if (failed) {
        m_favoritesModel->setCanFetchMore(false);
        m_historyModel->setCanFetchMore(false);
        setRecentSections({});
        setFavoriteSections({});
        setHistorySections({});
        setHasHistory(false);
        m_trashModel->setSections({});
        m_trashCount = 0;
        emit trashCountChanged();
        emit reloaded();
        return;
    }
    m_favoritesModel->setCanFetchMore(favorites.size() > m_favoritesLimit);
    m_historyModel->setCanFetchMore(history.size() > m_historyLimit);
    if (favorites.size() > m_favoritesLimit)
        favorites.resize(m_favoritesLimit);
    if (history.size() > m_historyLimit)
        history.resize(m_historyLimit);
    rebuildSections(recent, favorites, history, now);
    loadTrash();
    emit reloaded();
}

int ShareListViewModel::trashKeepDays()
{
    return Trash::keepDays;
}

void ShareListViewModel::loadTrash()
{
    const QList<ShareItem *> trashed = Trash::items(m_context);
    m_trashModel->setSections(trashed.isEmpty() ? QList<ShareSection>()
                                                : QList<ShareSection>{{trashSectionId, qtTrId("share.trash.title"), trashed, {}}});
    m_trashCount = int(trashed.size());
    emit trashCountChanged();
}

ShareItem *ShareListViewModel::firstShare() const
{
    for (const QList<ShareSection> *sections : {&m_recentSections, &m_favoriteSections, &m_historySections}) {
        if (!sections->isEmpty() && !sections->constFirst().shares.isEmpty())
            return sections->constFirst().shares.constFirst();
    }
    return nullptr;
}

void ShareListViewModel::loadMore(ShareSectionListModel *model)
{
    if (model == m_favoritesModel)
        m_favoritesLimit += pageSize;
    else if (model == m_historyModel)
        m_historyLimit += pageSize;
    loadShares();
}

QList<ShareSection> ShareListViewModel::makeDaySections(const QList<ShareItem *> &items, const Calendar &calendar,
                                                        const QDateTime &now)
{
    std::vector<DaySections::Entry> entries;
    entries.reserve(std::size_t(items.size()));
    for (ShareItem *item : items)
        entries.push_back(DaySections::entry(item, now.toMSecsSinceEpoch()));
    return DaySections::make(std::move(entries), calendar, now);
}

void ShareListViewModel::rebuildSections(const QList<ShareItem *> &recent, const QList<ShareItem *> &olderFavorites,
                                         const QList<ShareItem *> &history, const QDateTime &now)
{
    setRecentSections(makeDaySections(recent, m_calendar, now));
    if (olderFavorites.isEmpty())
        setFavoriteSections({});
    else
        setFavoriteSections({ShareSection{favoritesSectionId, qtTrId("share.favorites.title"), olderFavorites, {}}});
    setHistorySections(makeDaySections(history, m_calendar, now));
    setHasHistory(!history.isEmpty());
}

ShareItem *ShareListViewModel::insertShare(ManagedObjectContext &context, const QString &title, const QString &content,
                                           const QString &contentType, const QUuid &imageUUID, bool isFavorite,
                                           const QDateTime &now)
{
    ShareItem *item = ShareItem::insert(context);
    item->setUuid(QUuid::createUuid());
    item->setTitle(title);
    item->setIsCompleted(false);
    item->setDueDate(QDateTime());
    item->setCreatedAt(now);
    item->markLocallyChanged(now);
    item->setIsMarkedForDeletion(false);
    item->setIsFavorite(false);
    item->setContent(content);
    item->setContentType(contentType);
    item->setImageUUID(imageUUID);
    item->setIsFavorite(isFavorite);
    return item;
}

ShareItem *ShareListViewModel::addShare(const QString &title, const QString &content, const QString &contentType,
                                        const QUuid &imageUUID, bool isFavorite, Reload reload)
{
    ShareItem *item = insertShare(m_context, title, content, contentType, imageUUID, isFavorite, m_clock());
    finishEdit(reload);
    return item;
}

void ShareListViewModel::updateShare(ShareItem *item, const QString &title, const QString &content,
                                     const QString &contentType, const QUuid &imageUUID, bool isFavorite)
{
    changeItems({item}, qtTrId("share.undo.edit"), [&](ShareItem &changed) {
        changed.setTitle(title);
        changed.setContent(content);
        changed.setContentType(contentType);
        changed.setImageUUID(imageUUID);
        changed.setIsFavorite(isFavorite);
        changed.markLocallyChanged(m_clock());
    });
}

void ShareListViewModel::toggleFavorite(ShareItem *item)
{
    changeItems({item}, qtTrId("share.undo.favorite"), [this](ShareItem &changed) {
        changed.setIsFavorite(!changed.isFavorite());
        changed.markLocallyChanged(m_clock());
    });
}

void ShareListViewModel::deleteShares(const QList<ShareItem *> &items)
{
    QList<ShareItem *> trashed;
    const int count = changeItems(items, qtTrId("share.undo.delete"), [&](ShareItem &item) {
        if (item.isTrashed() || item.isMarkedForDeletion())
            return;
        Trash::moveToTrash(item, m_clock());
        trashed.append(&item);
    });
    if (count == 0 || trashed.isEmpty())
        return;
    const ShareItem *first = trashed.constFirst();
    emit sharesTrashed((first->title().isEmpty() ? first->copyText() : first->title()).simplified(), int(trashed.size()));
}

void ShareListViewModel::restoreShares(const QList<ShareItem *> &items)
{
    changeItems(items, qtTrId("share.undo.restore"), [this](ShareItem &item) { Trash::restore(item, m_clock()); });
}

void ShareListViewModel::deleteSharesNow(const QList<ShareItem *> &items)
{
    changeItems(items, QString(), [this](ShareItem &item) { Trash::deleteForGood(item, m_clock()); });
}

void ShareListViewModel::emptyTrash()
{
    deleteSharesNow(Trash::items(m_context));
}

int ShareListViewModel::changeItems(const QList<ShareItem *> &items, const QString &undoText,
                                    const std::function<void(ShareItem &)> &change)
{
    QList<ShareUndoStack::Change> changes;
    for (ShareItem *item : items) {
        if (!item)
            continue;
        const ShareItemState before = ShareItemState::of(*item);
        change(*item);
        changes.append({item->uuid(), before, ShareItemState::of(*item)});
    }
    if (changes.isEmpty())
        return 0;
    if (!undoText.isNull())
        m_undoStack->record(undoText, changes);
    finishEdit();
    return int(changes.size());
}

void ShareListViewModel::applyStates(const QList<ShareUndoStack::Change> &changes, bool toAfter)
{
    bool changed = false;
    for (const ShareUndoStack::Change &change : changes) {
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = ShareItem::uuidPredicate(change.uuid);
        request.fetchLimit = 1;
        const ManagedObjectContext::FetchResult found = m_context.execute(request);
        auto *item = found.objects.isEmpty() ? nullptr : static_cast<ShareItem *>(found.objects.constFirst());
        if (!item || item->isMarkedForDeletion())
            continue; // removed for good meanwhile
        if (toAfter)
            change.after.applyTo(*item, change.before);
        else
            change.before.applyTo(*item, change.after);
        item->markLocallyChanged(m_clock());
        changed = true;
    }
    if (changed)
        finishEdit();
}

void ShareListViewModel::retryShare(ShareItem *item)
{
    m_activity.clearError();
    if (item)
        m_syncManager->retry(item);
}

void ShareListViewModel::syncFromCloud()
{
    if (m_activity.isDownloading())
        return;
    m_activity.downloadRequested();
    m_syncManager->downloadItems();
}

void ShareListViewModel::refresh()
{
    syncFromCloud();
    loadShares();
}

bool ShareListViewModel::saveContext()
{
    if (!m_context.hasChanges())
        return true;
    if (const std::optional<StoreError> error = m_context.save()) {
        printLine(QStringLiteral("Failed to save context: ") + error->description);
        setLastSaveErrorMessage(error->description);
        return false;
    }
    return true;
}

void ShareListViewModel::retrySave()
{
    if (saveContext())
        MainQueue::async([syncManager = m_syncManager] { syncManager->uploadPendingItems(); });
}

void ShareListViewModel::finishEdit(Reload reload)
{
    saveContext();
    if (reload == Reload::next)
        QMetaObject::invokeMethod(this, [this] { loadShares(); }, Qt::QueuedConnection);
    MainQueue::async([syncManager = m_syncManager] { syncManager->uploadPendingItems(); });
    if (reload == Reload::now)
        loadShares();
}

void ShareListViewModel::setLastSaveErrorMessage(const QString &message)
{
    m_lastSaveErrorMessage = message;
    emit lastSaveErrorMessageChanged();
}

void ShareListViewModel::reportAddProblem(const QString &message)
{
    if (m_addProblemMessage == message)
        return;
    m_addProblemMessage = message;
    emit addProblemMessageChanged();
}

void ShareListViewModel::setRecentSections(QList<ShareSection> sections)
{
    m_recentSections = std::move(sections);
    m_recentModel->setSections(m_recentSections);
    emit recentSectionsChanged();
}

void ShareListViewModel::setFavoriteSections(QList<ShareSection> sections)
{
    m_favoriteSections = std::move(sections);
    m_favoritesModel->setSections(m_favoriteSections);
    emit favoriteSectionsChanged();
}

void ShareListViewModel::setHistorySections(QList<ShareSection> sections)
{
    m_historySections = std::move(sections);
    m_historyModel->setSections(m_historySections);
    emit historySectionsChanged();
}

void ShareListViewModel::setHasHistory(bool hasHistory)
{
    m_hasHistory = hasHistory;
    emit hasHistoryChanged();
}
