#pragma once

#include "Calendar.h"
#include "ShareSection.h"
#include "ShareSectionListModel.h"
#include "ShareUndoStack.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>
#include <memory>

class ManagedObjectContext;
class ShareItem;
class SyncActivity;
class SyncManagerProtocol;

// The one observable model behind every screen: the live items of the main context, cut into
// recent day sections (today and the three calendar days before it), one section of older
// favourites and history day sections of older items; the state of the cloud download for the
// list banner; and every operation that changes items.
//
// The recent group is read whole. The older favourites and the history are read a page at a
// time, newest first: a reload reads as many pages as were shown, and a list view asks its
// section list for the next page (fetchMore) when it scrolls to the end. So a store of a
// hundred thousand items costs what the screens show, not what it holds.
//
// Every assignment of a published field (isSyncingFromCloud, lastCloudSyncErrorMessage, the
// three section lists, hasHistory) emits its change signal, even when the value stays the
// same, so screens redraw from state. The section lists are also offered as flattened list
// models for virtualized list views.
//
// Construction reads nothing; the first loadShares comes from the list screen. The model
// reloads after every successful save of its context and follows the cloud notifications;
// these three subscriptions deliver on the main event loop and end with the model.
//
// Main thread only, except loadShares, which may be called from any thread. No operation
// reports failure to its caller: a failed fetch empties the lists, a failed save prints
// "Failed to save context: " and the error on standard output, keeps the changes in memory (they
// stay in the lists and go to the store with the next successful save) and publishes the reason
// as lastSaveErrorMessage for the list banner until a save of the context succeeds.
Q_MOC_INCLUDE("store/ShareItem.h")

class ShareListViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isSyncingFromCloud READ isSyncingFromCloud NOTIFY isSyncingFromCloudChanged)
    Q_PROPERTY(bool isUploading READ isUploading NOTIFY isUploadingChanged)
    // The account is encrypted and this device does not hold its key: sync waits for the
    // passphrase (SyncActivity).
    Q_PROPERTY(bool isSyncLocked READ isSyncLocked NOTIFY isSyncLockedChanged)
    // Why: "passphrase", "newKey" (started over elsewhere) or "keyMissing".
    Q_PROPERTY(QString syncLockReason READ syncLockReason NOTIFY isSyncLockedChanged)
    Q_PROPERTY(QString lastCloudSyncErrorMessage READ lastCloudSyncErrorMessage NOTIFY lastCloudSyncErrorMessageChanged)
    Q_PROPERTY(QString lastSaveErrorMessage READ lastSaveErrorMessage NOTIFY lastSaveErrorMessageChanged)
    Q_PROPERTY(QString addProblemMessage READ addProblemMessage NOTIFY addProblemMessageChanged)
    Q_PROPERTY(bool hasHistory READ hasHistory NOTIFY hasHistoryChanged)
    Q_PROPERTY(ShareSectionListModel *recentModel READ recentModel CONSTANT)
    Q_PROPERTY(ShareSectionListModel *favoritesModel READ favoritesModel CONSTANT)
    Q_PROPERTY(ShareSectionListModel *historyModel READ historyModel CONSTANT)
    // The trash ("Recently Deleted"), most recently deleted first, in one section.
    Q_PROPERTY(ShareSectionListModel *trashModel READ trashModel CONSTANT)
    Q_PROPERTY(int trashCount READ trashCount NOTIFY trashCountChanged)
    Q_PROPERTY(int trashKeepDays READ trashKeepDays CONSTANT)
    Q_PROPERTY(ShareUndoStack *undoStack READ undoStack CONSTANT)

public:
    // The current instant; injected so tests fix "now".
    using Clock = std::function<QDateTime()>;

    // `context` and `syncManager` must outlive the model (the model shares ownership of the
    // sync interface). A null clock means the system clock.
    // The list follows `activity` for what sync is doing (by default the process-wide one the
    // account page reads too).
    ShareListViewModel(ManagedObjectContext &context, const Calendar &calendar,
                       std::shared_ptr<SyncManagerProtocol> syncManager, Clock clock = {}, QObject *parent = nullptr,
                       SyncActivity *activity = nullptr);
    ~ShareListViewModel() override;

    // Items a page of the older favourites or of the history holds.
    static constexpr int pageSize = 100;

    // Published state.
    bool isSyncingFromCloud() const;
    // Whether an upload pass is in flight right now (from the upload notifications), so a row
    // left "syncing" by an earlier run does not spin while nothing moves.
    bool isUploading() const;
    // Null when absent; never empty when present.
    QString lastCloudSyncErrorMessage() const;
    bool isSyncLocked() const;
    QString syncLockReason() const;
    // Why the last save of the context failed; null once a save succeeded (whoever saved: every
    // save writes all unsaved changes).
    QString lastSaveErrorMessage() const { return m_lastSaveErrorMessage; }
    // What could not be added from outside the window (files a file manager sent), one line a
    // file, until the user dismisses it; empty when nothing was refused.
    QString addProblemMessage() const { return m_addProblemMessage; }
    const QList<ShareSection> &recentSections() const { return m_recentSections; }
    const QList<ShareSection> &favoriteSections() const { return m_favoriteSections; }
    const QList<ShareSection> &historySections() const { return m_historySections; }
    bool hasHistory() const { return m_hasHistory; }
    // The first item loaded: of the recent sections, else the favourites, else the history; null
    // when none is.
    ShareItem *firstShare() const;

    ShareSectionListModel *recentModel() const { return m_recentModel; }
    ShareSectionListModel *favoritesModel() const { return m_favoritesModel; }
    ShareSectionListModel *historyModel() const { return m_historyModel; }
    ShareSectionListModel *trashModel() const { return m_trashModel; }
    int trashCount() const { return m_trashCount; }
    static int trashKeepDays();
    ShareUndoStack *undoStack() const { return m_undoStack; }

    ManagedObjectContext &context() const { return m_context; }
    // The current instant of the model's clock.
    QDateTime now() const { return m_clock(); }
    const Calendar &calendar() const { return m_calendar; }
    SyncManagerProtocol &syncManager() const { return *m_syncManager; }

    // Reloads the recent items and the pages of older favourites and history read so far
    // (newest createdAt first) and rebuilds the sections, then emits reloaded. A failed read
    // empties every list. From another thread the work is posted to the main thread and the call
    // returns at once.
    Q_INVOKABLE void loadShares();

    // Day sections of `items`, newest day first, titled "date.today", "date.yesterday" or the
    // locale's abbreviated date; items newest first, equal dates in input order. An item
    // without createdAt counts as created at `now`. Empty input gives no sections.
    static QList<ShareSection> makeDaySections(const QList<ShareItem *> &items, const Calendar &calendar,
                                               const QDateTime &now);

    // A new item in `context` with the add sheet's fields, created and changed at `now`, marked
    // pending; nothing is saved. addShare builds on it; the command line uses it alone, so adding
    // to a store of thousands of items reads none of them.
    static ShareItem *insertShare(ManagedObjectContext &context, const QString &title, const QString &content,
                                  const QString &contentType, const QUuid &imageUUID, bool isFavorite,
                                  const QDateTime &now);

    // When an edit publishes its reload: before the call returns (the screens), or as the next
    // event on the main queue, still before the upload request (a command-line request, answered
    // as soon as the item is stored).
    enum class Reload { now, next };

    // The editing operations. Each writes its fields and marks the item pending, saves, queues
    // an upload on the main queue and reloads, so the reload is published before the upload
    // request runs. Null items are ignored. addShare returns the new item.
    ShareItem *addShare(const QString &title, const QString &content, const QString &contentType, const QUuid &imageUUID,
                        bool isFavorite, Reload reload = Reload::now);
    void updateShare(ShareItem *item, const QString &title, const QString &content, const QString &contentType,
                     const QUuid &imageUUID, bool isFavorite);
    Q_INVOKABLE void toggleFavorite(ShareItem *item);
    // Delete: moves the items to the trash, so they leave every list at once, and emits
    // sharesTrashed. Undo brings them back. An empty list does nothing.
    Q_INVOKABLE void deleteShares(const QList<ShareItem *> &items);
    Q_INVOKABLE void deleteShare(ShareItem *item) { deleteShares({item}); }
    // Takes items out of the trash, back to their lists.
    Q_INVOKABLE void restoreShares(const QList<ShareItem *> &items);
    Q_INVOKABLE void restoreShare(ShareItem *item) { restoreShares({item}); }
    // Delete Now and Empty Trash: removes the items for good through the soft deletion (hidden at
    // once; the sync engine removes them on every device). Not undoable.
    Q_INVOKABLE void deleteSharesNow(const QList<ShareItem *> &items);
    Q_INVOKABLE void deleteShareNow(ShareItem *item) { deleteSharesNow({item}); }
    Q_INVOKABLE void emptyTrash();
    // Clears the banner error and hands the item to the sync interface; writes and saves nothing.
    Q_INVOKABLE void retryShare(ShareItem *item);
    // Starts a cloud download unless one is running; the finish notification ends it.
    Q_INVOKABLE void syncFromCloud();
    // syncFromCloud, then loadShares; does not wait for the download.
    Q_INVOKABLE void refresh();
    // Saves the context when it has changes; a failure prints one line, keeps the changes and
    // sets lastSaveErrorMessage. Returns whether nothing is left unsaved.
    bool saveContext();
    // Try Again of the save banner: saves the changes kept in memory; once they are stored, asks
    // the sync interface to upload them.
    Q_INVOKABLE void retrySave();
    // Shows `message` in the banner until dismissed; a later report replaces it.
    Q_INVOKABLE void reportAddProblem(const QString &message);
    Q_INVOKABLE void dismissAddProblem() { reportAddProblem(QString()); }

signals:
    // After every loadShares, when the sections are published.
    void reloaded();
    void isSyncingFromCloudChanged();
    void isUploadingChanged();
    void lastCloudSyncErrorMessageChanged();
    void isSyncLockedChanged();
    void lastSaveErrorMessageChanged();
    void addProblemMessageChanged();
    void recentSectionsChanged();
    void favoriteSectionsChanged();
    void historySectionsChanged();
    void hasHistoryChanged();
    void trashCountChanged();
    // After a delete: the title of the item deleted (the first one's when several were; its text
    // when it has no title; on one line, empty for a picture without either) and how many were,
    // for the bar that offers Undo.
    void sharesTrashed(const QString &title, int count);

private:
    void setupSubscriptions();
    void loadSharesOnMainThread();
    // Reads one more page of `model`'s group.
    void loadMore(ShareSectionListModel *model);
    void rebuildSections(const QList<ShareItem *> &recent, const QList<ShareItem *> &olderFavorites,
                         const QList<ShareItem *> &history, const QDateTime &now);
    void finishEdit(Reload reload = Reload::now);
    // Changes each item by `change` (null items skipped), records the step for undo under
    // `undoText` (none: not undoable) and finishes the edit; returns how many items it changed.
    int changeItems(const QList<ShareItem *> &items, const QString &undoText, const std::function<void(ShareItem &)> &change);
    // Writes recorded states back (undo and redo) as a new local change.
    void applyStates(const QList<ShareUndoStack::Change> &changes, bool toAfter);
    void loadTrash();

    void setLastSaveErrorMessage(const QString &message);
    void setRecentSections(QList<ShareSection> sections);
    void setFavoriteSections(QList<ShareSection> sections);
    void setHistorySections(QList<ShareSection> sections);
    void setHasHistory(bool hasHistory);

    QString m_lastSaveErrorMessage;
    QString m_addProblemMessage;
    ManagedObjectContext &m_context;
    Calendar m_calendar;
    std::shared_ptr<SyncManagerProtocol> m_syncManager;
    QList<ShareSection> m_recentSections;
    QList<ShareSection> m_favoriteSections;
    QList<ShareSection> m_historySections;
    bool m_hasHistory = false;
    int m_favoritesLimit = pageSize;
    int m_historyLimit = pageSize;

    Clock m_clock;
    ShareSectionListModel *m_recentModel;
    ShareSectionListModel *m_favoritesModel;
    ShareSectionListModel *m_historyModel;
    ShareSectionListModel *m_trashModel;
    int m_trashCount = 0;
    ShareUndoStack *m_undoStack;
    SyncActivity &m_activity;
};
