#include "ShareListViewModel.h"

#include "Services/SyncManagerProtocol.h"
#include "platform/FatalError.h"
#include "platform/LinkFinder.h"
#include "platform/MainQueue.h"
#include "platform/ManagedObjectContext.h"
#include "platform/NotificationCenter.h"
#include "Services/SyncActivity.h"
#include "store/ShareItem.h"

#include <QMetaObject>

#include <algorithm>
#include <vector>

namespace {

const QString favoritesSectionId = QStringLiteral("Favorites");

// An item with the instant it is sorted and grouped by: createdAt, or now when absent.
struct DatedItem {
    qint64 msecs;
    ShareItem *item;
};

std::vector<DatedItem> sortedByEffectiveDate(const QList<ShareItem *> &items, qint64 nowMsecs)
{
    std::vector<DatedItem> dated;
    dated.reserve(std::size_t(items.size()));
    for (ShareItem *item : items) {
        const QDateTime createdAt = item->createdAt();
        dated.push_back({createdAt.isValid() ? createdAt.toMSecsSinceEpoch() : nowMsecs, item});
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const DatedItem &left, const DatedItem &right) { return left.msecs > right.msecs; });
    return dated;
}

QString dayTitle(const QDate &day, const Calendar &calendar, const QDateTime &now)
{
    if (calendar.isDateInToday(day, now))
        return qtTrId("date.today");
    if (calendar.isDateInYesterday(day, now))
        return qtTrId("date.yesterday");
    return calendar.abbreviatedDate(day);
}

// Day sections of items already sorted newest first. Each day is looked up in the time zone
// once; the items that fall inside its [start, next start) range join it without a lookup.
QList<ShareSection> daySections(const std::vector<DatedItem> &sorted, const Calendar &calendar, const QDateTime &now)
{
    QList<ShareSection> sections;
    QDate day;
    qint64 dayStart = 0;
    qint64 nextDayStart = 0;
    bool hasRange = false;
    for (const DatedItem &entry : sorted) {
        bool sameDay = false;
        QDate entryDay;
        if (!sections.isEmpty()) {
            if (hasRange) {
                sameDay = entry.msecs >= dayStart && entry.msecs < nextDayStart;
            } else {
                entryDay = calendar.dayOf(QDateTime::fromMSecsSinceEpoch(entry.msecs, Qt::UTC));
                sameDay = entryDay == day;
            }
        }
        if (!sameDay) {
            if (!entryDay.isValid())
                entryDay = calendar.dayOf(QDateTime::fromMSecsSinceEpoch(entry.msecs, Qt::UTC));
            day = entryDay;
            const QDateTime start = calendar.startOfDay(day);
            const QDateTime next = calendar.startOfDay(day.addDays(1));
            hasRange = start.isValid() && next.isValid();
            dayStart = hasRange ? start.toMSecsSinceEpoch() : 0;
            nextDayStart = hasRange ? next.toMSecsSinceEpoch() : 0;
            const QString title = dayTitle(day, calendar, now);
            sections.append(ShareSection{title, title, {}});
        }
        sections.last().shares.append(entry.item);
    }
    return sections;
}

} // namespace

ShareListViewModel::ShareListViewModel(ManagedObjectContext &context, const Calendar &calendar,
                                       std::shared_ptr<SyncManagerProtocol> syncManager, Clock clock, QObject *parent,
                                       SyncActivity *activity)
    : QObject(parent), m_context(context), m_calendar(calendar), m_syncManager(std::move(syncManager)),
      m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); })),
      m_recentModel(new ShareSectionListModel(this)), m_favoritesModel(new ShareSectionListModel(this)),
      m_historyModel(new ShareSectionListModel(this)), m_activity(activity ? *activity : SyncActivity::shared())
{
    Q_ASSERT(m_syncManager);
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
}

bool ShareListViewModel::isSyncingFromCloud() const
{
    return m_activity.isDownloading();
}

bool ShareListViewModel::isUploading() const
{
    return m_activity.isUploading();
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
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::notMarkedForDeletionPredicate();
    ManagedObjectContext::FetchResult result = m_context.execute(request);
    if (result.error) {
        setShares({});
        setRecentSections({});
        setFavoriteSections({});
        setHistorySections({});
        setHasHistory(false);
        return;
    }

    QList<ShareItem *> shares;
    shares.reserve(result.objects.size());
    for (ManagedObject *object : std::as_const(result.objects))
        shares.append(static_cast<ShareItem *>(object));
    setShares(std::move(shares));

    if (migrateLegacyContent())
        saveContext();
    rebuildSections();
}

bool ShareListViewModel::migrateLegacyContent()
{
    bool changed = false;
    for (ShareItem *item : std::as_const(m_shares)) {
        if (!item->content().isNull())
            continue;
        const QString title = item->title().isNull() ? QString(QLatin1String("")) : item->title();
        const std::optional<LinkFinder::Match> match = LinkFinder::firstMatch(title);
        if (!match || !match->url.isValid() || match->url.isEmpty()) {
            item->setContent(QString());
            item->setContentType(QStringLiteral("text"));
            continue;
        }
        item->setContent(match->url.toString(QUrl::FullyEncoded));
        item->setContentType(QStringLiteral("url"));
        QString remainder = title;
        remainder.remove(match->start, match->length);
        remainder = remainder.trimmed();
        if (remainder.isEmpty()) {
            const QString host = match->url.host();
            remainder = host.isEmpty() ? QString() : QString(host).remove(QStringLiteral("www."));
        }
        item->setTitle(remainder);
        changed = true;
    }
    return changed;
}

QList<ShareSection> ShareListViewModel::makeDaySections(const QList<ShareItem *> &items, const Calendar &calendar,
                                                        const QDateTime &now)
{
    return daySections(sortedByEffectiveDate(items, now.toMSecsSinceEpoch()), calendar, now);
}

void ShareListViewModel::rebuildSections()
{
    const QDateTime now = m_clock();
    QDateTime cutoff = m_calendar.startOfDay(now, -3);
    if (!cutoff.isValid())
        cutoff = now;
    const qint64 cutoffMsecs = cutoff.toMSecsSinceEpoch();

    std::vector<DatedItem> recent;
    std::vector<DatedItem> history;
    QList<ShareItem *> olderFavorites;
    for (const DatedItem &entry : sortedByEffectiveDate(m_shares, now.toMSecsSinceEpoch())) {
        if (entry.msecs >= cutoffMsecs)
            recent.push_back(entry);
        else if (entry.item->isFavorite())
            olderFavorites.append(entry.item);
        else
            history.push_back(entry);
    }

    setRecentSections(daySections(recent, m_calendar, now));
    if (olderFavorites.isEmpty())
        setFavoriteSections({});
    else
        setFavoriteSections({ShareSection{favoritesSectionId, qtTrId("share.favorites.title"), olderFavorites}});
    setHistorySections(daySections(history, m_calendar, now));
    setHasHistory(!history.empty());
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
    if (!item)
        return;
    item->setTitle(title);
    item->setContent(content);
    item->setContentType(contentType);
    item->setImageUUID(imageUUID);
    item->setIsFavorite(isFavorite);
    item->markLocallyChanged(m_clock());
    finishEdit();
}

void ShareListViewModel::toggleFavorite(ShareItem *item)
{
    if (!item)
        return;
    item->setIsFavorite(!item->isFavorite());
    item->markLocallyChanged(m_clock());
    finishEdit();
}

void ShareListViewModel::deleteShares(const QList<ShareItem *> &items)
{
    bool marked = false;
    for (ShareItem *item : items) {
        if (!item)
            continue;
        item->setIsMarkedForDeletion(true);
        item->markLocallyChanged(m_clock());
        marked = true;
    }
    if (marked)
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

void ShareListViewModel::setShares(QList<ShareItem *> shares)
{
    m_shares = std::move(shares);
    emit sharesChanged();
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
