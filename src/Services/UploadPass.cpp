#include "UploadPass.h"

#include "PictureFiles.h"
#include "RecordFields.h"
#include "RecordMerger.h"
#include "ShareItemRecord.h"
#include "SyncClock.h"
#include "diagnostics/AppLogger.h"
#include "platform/MainQueue.h"
#include "store/ChangeClock.h"
#include "store/ShareItem.h"

#include <QFileInfo>

namespace {

const QString functionUpload = QStringLiteral("uploadPendingItems()");

void log(LogLevel level, const QString &message, const std::optional<QString> &error = std::nullopt,
         const std::source_location &location = std::source_location::current())
{
    AppLogger::logIn(AppLogger::cloudKit(), level, functionUpload, message, error, location);
}

QString quotedList(const QStringList &values)
{
    QStringList quoted;
    for (const QString &value : values)
        quoted.append(QLatin1Char('"') + value + QLatin1Char('"'));
    return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
}

void markFailedUnlessDeleted(ShareItem *item)
{
    if (item && !item->isMarkedForDeletion())
        item->setSyncStatus(ShareItem::SyncStatus::failed);
}

} // namespace

// What the read-back of one upload brought. The callbacks may run concurrently.
struct UploadPass::ReadBack {
    std::mutex mutex; // guards fetched and failed
    QHash<CloudRecordID, CloudRecord> fetched;
    QHash<CloudRecordID, CloudError> failed;
};

UploadPass::UploadPass(const PassContext &context, QObject *parent) : QObject(parent), m_context(context) {}

UploadPass::~UploadPass() = default;

QList<ShareItem *> UploadPass::selectWaiting()
{
    // What waits for its first try comes before what failed already, so items that keep
    // failing never hold back new changes.
    QList<ShareItem *> items;
    for (const Predicate &predicate :
         {ShareItem::statusOrDeletionPredicate(ShareItem::SyncStatus::pending, ShareItem::SyncStatus::syncing,
                                               ShareItem::SyncStatus::syncing),
          ShareItem::statusPredicate(ShareItem::SyncStatus::failed)}) {
        FetchRequest request = ShareItem::fetchRequest();
        request.predicate = predicate;
        request.fetchLimit = itemsPerPass - int(items.size());
        if (request.fetchLimit <= 0)
            break;
        const auto fetched = m_context.store.execute(request);
        if (fetched.error) {
            log(LogLevel::Error, QStringLiteral("Failed to fetch pending items"), fetched.error->description);
            return {};
        }
        for (ManagedObject *object : fetched.objects)
            items.append(static_cast<ShareItem *>(object));
    }
    return items;
}

bool UploadPass::hasWaitingItems(ManagedObjectContext &store)
{
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::statusOrDeletionPredicate(ShareItem::SyncStatus::pending, ShareItem::SyncStatus::syncing,
                                                             ShareItem::SyncStatus::failed);
    request.fetchLimit = 1;
    return !store.execute(request).objects.isEmpty();
}

bool UploadPass::start(Completion completion, const std::optional<CloudError> &failure)
{
    m_completion = std::move(completion);
    const QList<ShareItem *> waiting = selectWaiting();
    log(LogLevel::Debug, QStringLiteral("Found %1 items to upload/delete").arg(waiting.size()));
    if (waiting.isEmpty())
        return false;

    QList<CloudRecord> records;
    qint64 pictureBytes = 0;
    for (ShareItem *item : waiting) {
        QString recordName = item->cloudKitRecordID();
        if (recordName.isNull())
            recordName = ShareItemRecord::uuidText(item->uuid().isNull() ? QUuid::createUuid() : item->uuid());
        const CloudRecordID recordID(recordName);
        CloudRecord record = ShareItemRecord::makeUploadRecord(*item, recordID, m_context.imagesDirectory);
        const auto picture = record.assetValue(RecordField::imageAsset);
        const qint64 size = picture && !picture->isStub() ? QFileInfo(picture->fileURL()).size() : 0;
        if (!records.isEmpty() && pictureBytes + size > pictureBytesPerPass) {
            m_outcome.needsFollowUp = true; // the rest goes in the next pass
            break;
        }
        pictureBytes += size;
        item->setSyncStatus(ShareItem::SyncStatus::syncing);
        item->setCloudKitRecordID(recordName);
        if (!item->imageUUID().isNull() && !item->isMarkedForDeletion()
            && !QFileInfo::exists(m_context.pictures.fileOf(*item))) {
            log(LogLevel::Error, picture ? QStringLiteral("The picture file of %1 is missing here; the cloud keeps its copy").arg(recordName)
                                         : QStringLiteral("The picture file of %1 is missing; the record goes without it").arg(recordName));
        }
        record.setRevisionsToDelete(m_context.merger.revisionsToDelete(recordName));
        const QString digest = !picture ? QString() : picture->isStub() ? picture->digest() : CloudAsset::fileDigest(picture->fileURL());
        m_entries.insert(recordID, {item, item->localChangeCount(), digest, !record.revisionsToDelete().isEmpty()});
        m_order.append(recordID);
        records.append(record);
    }
    if (waiting.size() == itemsPerPass)
        m_outcome.needsFollowUp = true;

    // The syncing statuses and new record names are stored before anything is sent.
    if (const auto error = m_context.store.save()) {
        log(LogLevel::Error, QStringLiteral("Failed to fetch pending items"), error->description);
        return false;
    }
    QPointer<UploadPass> pass(this);
    if (failure) {
        MainQueue::async([pass, failure] {
            if (pass)
                pass->handleWriteResult({}, failure);
        });
        return true;
    }
    log(LogLevel::Debug, QStringLiteral("Saving %1 records (including soft deletes)").arg(records.size()));
    m_context.database().modifyRecords(records, [pass](const QList<CloudRecord> &saved, const std::optional<CloudError> &error) {
        MainQueue::async([pass, saved, error] {
            if (pass)
                pass->handleWriteResult(saved, error);
        });
    });
    return true;
}

void UploadPass::handleWriteResult(const QList<CloudRecord> &saved, const std::optional<CloudError> &error)
{
    for (const CloudRecord &record : saved) {
        m_writtenRevisions.insert(record.recordID(), record.recordChangeTag());
        // The digest of the picture as the server now holds it (sealed bytes have their own).
        if (const auto picture = record.assetValue(RecordField::imageAsset); picture && picture->isStub())
            m_entries[record.recordID()].pictureDigest = picture->digest();
        if (m_entries.value(record.recordID()).deletesBranches)
            m_context.merger.branchesSettled(record.recordID().recordName());
    }
    m_outcome.wroteAny = !saved.isEmpty();
    if (!error) {
        QStringList names;
        QStringList zones;
        for (const CloudRecord &record : saved) {
            names.append(record.recordID().recordName());
            zones.append(record.recordID().zoneName() + QLatin1Char('@') + record.recordID().ownerName());
        }
        log(LogLevel::Info, QStringLiteral("CloudKit upload success: %1 records saved, confirming them").arg(saved.size()));
        const QString identifier = m_context.container.containerIdentifier();
        log(LogLevel::Debug, QStringLiteral("CloudKit upload success. container=%1 scope=%2 recordNames=%3 zones=%4")
                                 .arg(identifier.isEmpty() ? QStringLiteral("<nil>") : identifier)
                                 .arg(m_context.database().databaseScope())
                                 .arg(quotedList(names), quotedList(zones)));
        readBack(m_order);
        return;
    }

    log(LogLevel::Error, QStringLiteral("CloudKit upload failed"), error->localizedDescription());
    m_outcome.error = error;
    // What is read back: the records the server accepted (to confirm them) and those whose
    // cloud copy moved on (to let the merge rule decide). The rest failed.
    QList<CloudRecordID> ids;
    const QHash<CloudRecordID, CloudError> partialErrors = error->partialErrorsByItemID();
    if (error->code() == CloudErrorCode::PartialFailure && !partialErrors.isEmpty()) {
        for (const CloudRecordID &id : std::as_const(m_order)) {
            const auto entry = partialErrors.constFind(id);
            if (entry == partialErrors.cend()) {
                if (m_writtenRevisions.contains(id))
                    ids.append(id);
                else
                    markFailedUnlessDeleted(m_entries.value(id).item);
            } else if (entry->code() == CloudErrorCode::ServerRecordChanged) {
                log(LogLevel::Info,
                    QStringLiteral("Server record changed (Conflict) for %1. Reading the cloud copy.").arg(id.description()));
                ids.append(id);
            } else {
                markFailedUnlessDeleted(m_entries.value(id).item);
            }
        }
        // Conflicts alone are no failure worth a retry: the merge rule decides what goes next.
        if (std::all_of(partialErrors.cbegin(), partialErrors.cend(),
                        [](const CloudError &each) { return each.code() == CloudErrorCode::ServerRecordChanged; }))
            m_outcome.error.reset();
    } else if (error->code() == CloudErrorCode::ServerRecordChanged) {
        ids = m_order;
        m_outcome.error.reset();
    } else {
        for (const CloudRecordID &id : std::as_const(m_order))
            markFailedUnlessDeleted(m_entries.value(id).item);
    }
    if (ids.isEmpty()) {
        (void)m_context.store.save();
        finish();
        return;
    }
    readBack(ids);
}

void UploadPass::readBack(const QList<CloudRecordID> &ids)
{
    if (!m_writtenRevisions.isEmpty()) {
        m_context.container.fetchUserRecordID([](const std::optional<CloudRecordID> &id, const std::optional<CloudError> &error) {
            if (error)
                log(LogLevel::Debug, QStringLiteral("Fetch userRecordID failed after upload success"), error->localizedDescription());
            else if (id)
                log(LogLevel::Debug, QStringLiteral("Upload ran under userRecordID=") + id->recordName());
        });
    }
    // The pictures this pass sent, or the items hold, are not fetched back: their digests say
    // whether the cloud holds them.
    CloudDatabaseProtocol::KnownDigests known;
    for (const CloudRecordID &id : ids) {
        const Entry entry = m_entries.value(id);
        const QString digest = entry.item && !entry.item->imageDigest().isEmpty() ? entry.item->imageDigest() : entry.pictureDigest;
        if (!digest.isEmpty())
            known.insert(id.recordName(), digest);
    }
    auto answer = std::make_shared<ReadBack>();
    QPointer<UploadPass> pass(this);
    m_context.database().fetchRecords(
        ids, known,
        [answer](const CloudRecordID &id, const std::optional<CloudRecord> &record, const std::optional<CloudError> &error) {
            std::lock_guard lock(answer->mutex);
            if (record)
                answer->fetched.insert(id, *record);
            else
                answer->failed.insert(id, error.value_or(CloudError(CloudErrorCode::UnknownItem, QString())));
        },
        [pass, answer, ids](const std::optional<CloudError> &error) {
            MainQueue::async([pass, answer, ids, error] {
                if (!pass)
                    return;
                if (!error) {
                    std::lock_guard lock(answer->mutex);
                    pass->evaluate(*answer, ids);
                    return;
                }
                log(LogLevel::Error, QStringLiteral("CloudKit fetch verification failed. Data likely stuck in cloudd local queue."),
                    error->localizedDescription());
                for (const CloudRecordID &id : ids)
                    markFailedUnlessDeleted(pass->m_entries.value(id).item);
                pass->m_outcome.error = error;
                (void)pass->m_context.store.save();
                pass->finish();
            });
        });
}

void UploadPass::evaluate(const ReadBack &answer, const QList<CloudRecordID> &ids)
{
    const QDateTime now = m_context.clock.now();
    // A written record is confirmed when the cloud still holds the revision this pass wrote,
    // on a single branch.
    const auto isConfirmed = [&](const CloudRecordID &id) {
        const auto written = m_writtenRevisions.constFind(id);
        const auto fetched = answer.fetched.constFind(id);
        return written != m_writtenRevisions.cend() && fetched != answer.fetched.cend() && !fetched->isTombstone()
            && fetched->recordChangeTag() == *written && fetched->conflictingLeaves().isEmpty();
    };
    QList<CloudRecordID> missing;
    qsizetype confirmed = 0;
    for (const CloudRecordID &id : ids) {
        if (!answer.fetched.contains(id) && !answer.failed.contains(id))
            missing.append(id);
        confirmed += isConfirmed(id) ? 1 : 0;
    }
    const bool allConfirmed = confirmed == ids.size();
    if (allConfirmed) {
        log(LogLevel::Info, QStringLiteral("CloudKit per-record fetch verification success. All records confirmed."));
    } else {
        log(LogLevel::Info, QStringLiteral("CloudKit per-record fetch verification incomplete. verified=%1 failed=%2 missing=%3")
                                .arg(answer.fetched.size())
                                .arg(answer.failed.size())
                                .arg(missing.size()));
        for (auto entry = answer.failed.cbegin(); entry != answer.failed.cend(); ++entry) {
            if (entry.value().code() != CloudErrorCode::UnknownItem || m_writtenRevisions.contains(entry.key()))
                log(LogLevel::Error, QStringLiteral("CloudKit per-record fetch verification failed for ") + entry.key().recordName(),
                    entry.value().localizedDescription());
        }
        for (const CloudRecordID &id : std::as_const(missing))
            log(LogLevel::Info, QStringLiteral("CloudKit per-record fetch verification missing record ") + id.recordName());
    }

    for (const CloudRecordID &id : ids) {
        const Entry entry = m_entries.value(id);
        ShareItem *item = entry.item;
        if (!item)
            continue;
        if (isConfirmed(id)) {
            item->setCloudRevision(m_writtenRevisions.value(id));
            if (item->localChangeCount() != entry.builtFromChange) {
                // Changed while its record was on the way: the newer state goes in the next pass.
                item->setSyncStatus(ShareItem::SyncStatus::pending);
                m_outcome.needsFollowUp = true;
            } else if (!item->isMarkedForDeletion()) {
                if (!item->imageUUID().isNull())
                    item->setImageDigest(ShareItemRecord::recordPictureDigest(answer.fetched.value(id))); // the cloud holds this picture
                item->setSyncStatus(ShareItem::SyncStatus::synced);
                item->setLastSyncDate(now);
                m_outcome.confirmedAny = true;
            } else if (allConfirmed) {
                m_context.pictures.removePictureOf(*item);
                m_context.store.deleteObject(item);
            }
            continue;
        }
        const auto refused = answer.failed.constFind(id);
        if (answer.fetched.contains(id) || (refused != answer.failed.cend() && refused->code() == CloudErrorCode::UnknownItem)) {
            // Another revision, branches, a deletion or no document at all: the merge rule decides.
            if (m_writtenRevisions.contains(id) || answer.fetched.contains(id))
                log(LogLevel::Info, QStringLiteral("Cloud copy of %1 changed since it was read").arg(id.recordName()));
            const auto cloudCopy = answer.fetched.contains(id) ? std::optional(answer.fetched.value(id)) : std::nullopt;
            const RecordMerger::Result result = m_context.merger.resolve(item, cloudCopy, now);
            if (result.isMisread)
                markFailedUnlessDeleted(item);
            if (result.needsUpload) {
                m_outcome.hadConflict = true;
                m_outcome.needsFollowUp = true;
            }
            continue;
        }
        markFailedUnlessDeleted(item); // refused, or the answer said nothing about it
    }
    ChangeClock::observe(m_context.store, m_context.merger.takeLatestChangeSeen());
    (void)m_context.store.save();
    finish();
}

QList<QPointer<ShareItem>> UploadPass::markWaitingItemsFailed()
{
    QList<QPointer<ShareItem>> marked;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.item && entry.item->syncStatus() == ShareItem::SyncStatus::pending && !entry.item->isMarkedForDeletion()) {
            entry.item->setSyncStatus(ShareItem::SyncStatus::failed);
            marked.append(entry.item);
        }
    }
    (void)m_context.store.save();
    return marked;
}

void UploadPass::finish()
{
    // No item stays syncing past its pass: a deletion not yet confirmed waits for the next one.
    bool changed = false;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.item && entry.item->syncStatus() == ShareItem::SyncStatus::syncing) {
            entry.item->setSyncStatus(entry.item->isMarkedForDeletion() ? ShareItem::SyncStatus::pending : ShareItem::SyncStatus::failed);
            changed = true;
        }
    }
    if (changed)
        (void)m_context.store.save();
    if (m_completion)
        std::exchange(m_completion, {})(m_outcome);
}
