#include "RecordMerger.h"

#include "MergeDecision.h"
#include "PictureFiles.h"
#include "RecordFields.h"
#include "ShareItemRecord.h"
#include "diagnostics/AppLogger.h"
#include "store/ShareItem.h"

namespace {

// The item a record (or a tombstone, known by name only) belongs to; none when the store has
// none, an error when the store could not be read.
std::optional<ShareItem *> findItem(ManagedObjectContext &context, const CloudRecord &record)
{
    std::optional<QUuid> uuid = ShareItemRecord::recordUUID(record);
    if (!uuid && (record.isTombstone() || ShareItemRecord::sealProblem(record))) {
        const QUuid named = QUuid::fromString(record.recordID().recordName());
        if (!named.isNull())
            uuid = named;
    }
    if (!uuid)
        return nullptr;
    FetchRequest request = ShareItem::fetchRequest();
    request.predicate = ShareItem::uuidPredicate(*uuid);
    request.fetchLimit = 1;
    const auto result = context.execute(request);
    if (result.error) {
        AppLogger::error(AppLogger::cloudKit(), QStringLiteral("Failed to merge record"), result.error->description);
        return std::nullopt;
    }
    return result.objects.isEmpty() ? nullptr : static_cast<ShareItem *>(result.objects.first());
}

} // namespace

RecordMerger::RecordMerger(ManagedObjectContext &context, PictureFiles &pictures)
    : m_context(context), m_pictures(pictures)
{
}

RecordMerger::Result RecordMerger::mergeDownloaded(const CloudRecord &record, const QDateTime &now)
{
    QList<CloudRecord> leaves = record.conflictingLeaves();
    leaves.prepend(record);
    for (const CloudRecord &leaf : std::as_const(leaves)) {
        if (const auto problem = ShareItemRecord::readProblem(leaf)) {
            AppLogger::error(AppLogger::cloudKit(),
                             QStringLiteral("Record %1 at %2 could not be read; it is read again later")
                                 .arg(record.recordID().recordName(), leaf.recordChangeTag()),
                             *problem);
            if (!ShareItemRecord::sealProblem(leaf))
                return {false, true};
            // The item keeps what it holds; its badge says it is not in step with the cloud.
            const auto item = findItem(m_context, record);
            if (item && *item && !(*item)->isMarkedForDeletion())
                (*item)->setSyncStatus(ShareItem::SyncStatus::failed);
            return {false, true, true, true};
        }
    }
    const auto item = findItem(m_context, record);
    if (!item)
        return {false, true};
    return act(*item, &record, now, false);
}

RecordMerger::Result RecordMerger::resolve(ShareItem *item, const std::optional<CloudRecord> &cloudCopy, const QDateTime &now)
{
    if (cloudCopy) {
        QList<CloudRecord> leaves = cloudCopy->conflictingLeaves();
        leaves.prepend(*cloudCopy);
        for (const CloudRecord &leaf : std::as_const(leaves)) {
            if (ShareItemRecord::readProblem(leaf))
                return {false, true};
        }
    }
    return act(item, cloudCopy ? &*cloudCopy : nullptr, now, true);
}

QDateTime RecordMerger::takeLatestChangeSeen()
{
    return std::exchange(m_latestChangeSeen, QDateTime());
}

RecordMerger::Result RecordMerger::act(ShareItem *item, const CloudRecord *record, const QDateTime &now, bool wasRefused)
{
    using MergeDecision::Action;
    const MergeDecision::CloudState cloud = ShareItemRecord::cloudState(record ? std::optional(*record) : std::nullopt);
    MergeDecision::LocalState local = ShareItemRecord::localState(item);
    if (wasRefused)
        local.revision.clear(); // the write did not hold: what the cloud holds now is no stale read
    const MergeDecision::Decision decision = MergeDecision::decide(local, cloud, now);
    Result result;
    if (decision.action == Action::skip)
        return result;

    const CloudRecord chosen = record ? ShareItemRecord::leafRecord(*record, decision.chosenLeaf) : CloudRecord();
    if (record && !record->isTombstone()) {
        const auto changed = MergeDecision::effectiveTime(chosen.timestampValue(RecordField::modifiedAt), now);
        if (changed && (!m_latestChangeSeen.isValid() || *changed > m_latestChangeSeen))
            m_latestChangeSeen = *changed;
    }
    const QString recordName = record ? record->recordID().recordName() : QString();
    if (decision.settlesBranches) {
        // The outcome is written on the chosen leaf's branch, and the other leaves deleted with it.
        QStringList others;
        for (int index = 0; index < cloud.leaves.size(); ++index) {
            if (index != decision.chosenLeaf)
                others.append(cloud.leaves[index].revision);
        }
        m_revisionsToDelete.insert(recordName, others);
        AppLogger::info(AppLogger::cloudKit(),
                        QStringLiteral("Record %1 has %2 branches; settling them on %3")
                            .arg(recordName)
                            .arg(cloud.leaves.size())
                            .arg(chosen.recordChangeTag()));
    }

    switch (decision.action) {
    case Action::skip:
        break;
    case Action::deleteLocally:
        if (!decision.settlesBranches) {
            m_pictures.removePictureOf(*item);
            m_context.deleteObject(item);
            break;
        }
        // The deletion still has to be written over the chosen leaf: the item stays, hidden,
        // until its upload is confirmed.
        if (!item) {
            item = ShareItem::insert(m_context);
            item->setUuid(*ShareItemRecord::recordUUID(chosen));
            ShareItemRecord::applyRecord(*item, chosen, now);
        }
        item->setIsMarkedForDeletion(true);
        item->setCloudKitRecordID(recordName);
        item->setCloudRevision(chosen.recordChangeTag());
        item->setSyncStatus(ShareItem::SyncStatus::pending);
        result.needsUpload = true;
        break;
    case Action::applyCloud: {
        if (!item) {
            item = ShareItem::insert(m_context);
            item->setUuid(*ShareItemRecord::recordUUID(chosen));
        }
        ShareItemRecord::applyRecord(*item, chosen, now);
        const auto picture = chosen.assetValue(RecordField::imageAsset);
        if (picture && !picture->fileURL().isEmpty())
            result.holdsPicture = m_pictures.adoptDownloaded(*item, *picture);
        else if (picture)
            result.holdsPicture = picture->digest() == item->imageDigest();
        if (decision.settlesBranches) {
            item->setSyncStatus(ShareItem::SyncStatus::pending);
            result.needsUpload = true;
        }
        break;
    }
    case Action::keepLocal:
        // The item's change is later: it goes up over the revision just read.
        item->setCloudRevision(chosen.recordChangeTag());
        if (decision.sendsPicture)
            item->setImageDigest(QString());
        item->setSyncStatus(ShareItem::SyncStatus::pending);
        result.needsUpload = true;
        break;
    case Action::uploadAsNew:
        item->setCloudRevision(QString());
        item->setImageDigest(QString());
        item->setSyncStatus(ShareItem::SyncStatus::pending);
        result.needsUpload = true;
        break;
    }
    return result;
}
