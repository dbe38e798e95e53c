#include "DownloadPass.h"

#include "RecordMerger.h"
#include "ShareItemRecord.h"
#include "SyncClock.h"
#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "store/ChangeClock.h"
#include "store/ShareItem.h"

#include <QPointer>

namespace {

const QString functionDownload = QStringLiteral("downloadItems()");

void log(LogLevel level, const QString &message, const std::optional<QString> &error = std::nullopt,
         const std::source_location &location = std::source_location::current())
{
    AppLogger::logIn(AppLogger::cloudKit(), level, functionDownload, message, error, location);
}

} // namespace

DownloadPass::DownloadPass(const PassContext &context, QHash<QString, int> &misreads, QObject *parent)
    : QObject(parent), m_context(context), m_misreads(misreads),
      m_checkpointKey(checkpointKey(context.container.accountIdentifier())),
      m_isRejoining(!context.store.metadata(rejoinKey(context.container.accountIdentifier())).isEmpty())
{
}

QString DownloadPass::rejoinKey(const QString &accountIdentifier)
{
    return QStringLiteral("rejoin ") + accountIdentifier;
}

QString DownloadPass::checkpointKey(const QString &accountIdentifier)
{
    return QStringLiteral("changesCheckpoint ") + accountIdentifier;
}

CloudDatabaseProtocol::KnownDigests DownloadPass::knownPictureDigests()
{
    CloudDatabaseProtocol::KnownDigests known;
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::hasPicturePredicate();
    for (ManagedObject *object : m_context.store.execute(request).objects) {
        const auto *item = static_cast<ShareItem *>(object);
        if (!item->imageDigest().isEmpty() && !item->cloudKitRecordID().isEmpty())
            known.insert(item->cloudKitRecordID(), item->imageDigest());
    }
    return known;
}

void DownloadPass::start(Completion completion)
{
    m_completion = std::move(completion);
    QPointer<DownloadPass> pass(this);
    m_context.database().fetchChanges(
        ShareItemRecord::recordType, m_context.store.metadata(m_checkpointKey), knownPictureDigests(),
        [pass](const ChangesOperation::Page &page, std::function<void()> next) {
            MainQueue::async([pass, page, next] {
                if (!pass)
                    return;
                pass->mergePage(page);
                next();
            });
        },
        [pass](const std::optional<CloudError> &error) {
            MainQueue::async([pass, error] {
                if (!pass)
                    return;
                pass->m_outcome.error = error;
                if (!error && pass->m_isNewDatabase && pass->m_outcome.isComplete)
                    pass->uploadWhatTheCloudLacks();
                if (!error && pass->m_isRejoining && pass->m_outcome.isComplete) {
                    pass->m_context.store.setMetadata(rejoinKey(pass->m_context.container.accountIdentifier()), QString());
                    (void)pass->m_context.store.save();
                }
                std::exchange(pass->m_completion, {})(pass->m_outcome);
            });
        });
}

void DownloadPass::mergePage(const ChangesOperation::Page &page)
{
    if ((page.isFromStart || m_isRejoining) && !m_isNewDatabase) {
        m_isNewDatabase = true;
        forgetRevisions();
    }
    const QDateTime now = m_context.clock.now();
    bool isComplete = page.isComplete;
    for (const CloudRecord &record : page.records) {
        if (m_isRejoining && record.isTombstone())
            continue; // erased by the start-over, not deleted by the user
        const RecordMerger::Result result = m_context.merger.mergeDownloaded(record, now);
        m_outcome.needsUpload = m_outcome.needsUpload || result.needsUpload;
        m_outcome.unopened += result.isUnopened ? 1 : 0;
        if (!result.isMisread)
            continue;
        const QString key = record.recordID().recordName() + QLatin1Char('@') + record.recordChangeTag();
        if (++m_misreads[key] < readsBeforeSkipping) {
            isComplete = false;
        } else {
            log(LogLevel::Error, QStringLiteral("Record %1 could not be read %2 times; it is skipped until it changes")
                                     .arg(record.recordID().recordName())
                                     .arg(readsBeforeSkipping));
        }
    }
    m_outcome.merged += int(page.records.size());
    // The checkpoint goes in the same save as the page, and only past pages that came whole, so
    // a crash, a missing picture or a misread record never skips a change.
    m_outcome.isComplete = m_outcome.isComplete && isComplete;
    if (m_outcome.isComplete)
        m_context.store.setMetadata(m_checkpointKey, page.checkpoint);
    ChangeClock::observe(m_context.store, m_context.merger.takeLatestChangeSeen());
    if (const auto error = m_context.store.save())
        log(LogLevel::Error, QStringLiteral("Failed to save downloaded records"), error->description);
}

void DownloadPass::forgetRevisions()
{
    log(LogLevel::Info, QStringLiteral("The cloud database was made anew; every item is compared with it again"));
    m_context.merger.forgetBranches();
    for (ManagedObject *object : m_context.store.execute(ShareItem::fetchRequest()).objects) {
        auto *item = static_cast<ShareItem *>(object);
        item->setCloudRevision(QString()); // picture digests name bytes, not revisions: they stay
    }
}

void DownloadPass::uploadWhatTheCloudLacks()
{
    // A synced item that the new database did not bring has no revision now: it goes up whole.
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::statusPredicate(ShareItem::SyncStatus::synced);
    int lacking = 0;
    for (ManagedObject *object : m_context.store.execute(request).objects) {
        auto *item = static_cast<ShareItem *>(object);
        if (item->cloudRevision().isEmpty()) {
            item->setSyncStatus(ShareItem::SyncStatus::pending);
            ++lacking;
        }
    }
    if (lacking == 0)
        return;
    log(LogLevel::Info, QStringLiteral("%1 items are not in the new cloud database; they are uploaded again").arg(lacking));
    (void)m_context.store.save();
    m_outcome.needsUpload = true;
}
