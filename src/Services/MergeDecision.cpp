#include "MergeDecision.h"

namespace MergeDecision {
namespace {

// Whether a change made at `candidate` is later than one made at `other`; no time is earlier
// than any time.
bool isLater(const std::optional<QDateTime> &candidate, const std::optional<QDateTime> &other)
{
    if (!candidate)
        return false;
    return !other || *candidate > *other;
}

qint64 revisionNumber(const QString &revision, bool *ok)
{
    return revision.section(QLatin1Char('-'), 0, 0).toLongLong(ok);
}

// The server's own order of revisions: the longer history first, then the larger hash.
bool isHigherRevision(const QString &revision, const QString &other)
{
    bool ok = false, otherOk = false;
    const qint64 number = revisionNumber(revision, &ok);
    const qint64 otherNumber = revisionNumber(other, &otherOk);
    if (ok && otherOk && number != otherNumber)
        return number > otherNumber;
    return revision > other;
}

} // namespace

std::optional<QDateTime> effectiveTime(const std::optional<QDateTime> &time, const QDateTime &now)
{
    if (!time || !time->isValid())
        return std::nullopt;
    return *time > now.addDays(1) ? now : *time;
}

bool isOlderRevision(const QString &revision, const QString &known)
{
    bool ok = false, knownOk = false;
    const qint64 number = revisionNumber(revision, &ok);
    const qint64 knownNumber = revisionNumber(known, &knownOk);
    return ok && knownOk && number < knownNumber;
}

int chooseLeaf(const QList<Leaf> &leaves, const QDateTime &now)
{
    int chosen = 0;
    for (int index = 1; index < leaves.size(); ++index) {
        const Leaf &candidate = leaves[index];
        const Leaf &best = leaves[chosen];
        if (candidate.isDeleted != best.isDeleted) {
            if (candidate.isDeleted)
                chosen = index;
            continue;
        }
        const auto candidateTime = effectiveTime(candidate.modifiedAt, now);
        const auto bestTime = effectiveTime(best.modifiedAt, now);
        if (isLater(candidateTime, bestTime)
            || (!isLater(bestTime, candidateTime) && isHigherRevision(candidate.revision, best.revision)))
            chosen = index;
    }
    return chosen;
}

Decision decide(const LocalState &local, const CloudState &cloud, const QDateTime &now)
{
    switch (cloud.kind) {
    case CloudState::Kind::nothing:
        if (!local.exists)
            return {Action::skip};
        if (local.isMarkedForDeletion)
            return {Action::deleteLocally}; // nothing in the cloud to delete
        return {Action::uploadAsNew, 0, false, true};
    case CloudState::Kind::tombstone:
        return {local.exists ? Action::deleteLocally : Action::skip};
    case CloudState::Kind::record:
        break;
    }
    if (cloud.leaves.isEmpty())
        return {Action::skip};

    Decision decision;
    decision.settlesBranches = cloud.hasBranches();
    decision.chosenLeaf = decision.settlesBranches ? chooseLeaf(cloud.leaves, now) : 0;
    const Leaf &leaf = cloud.leaves[decision.chosenLeaf];
    const auto keepLocal = [&] {
        decision.action = Action::keepLocal;
        decision.sendsPicture = local.pictureDigest.isEmpty() || local.pictureDigest != leaf.pictureDigest;
        return decision;
    };

    if (leaf.isDeleted) {
        // A deletion wins. Without an item here there is nothing to remove, unless branches
        // still have to be settled.
        decision.action = local.exists || decision.settlesBranches ? Action::deleteLocally : Action::skip;
        return decision;
    }
    if (!local.exists) {
        decision.action = Action::applyCloud;
        return decision;
    }
    if (local.isMarkedForDeletion)
        return keepLocal();
    if (!decision.settlesBranches && !local.revision.isEmpty()) {
        if (leaf.revision == local.revision) {
            // What this item holds already, unless its picture never came.
            const bool holdsPicture = leaf.pictureDigest.isEmpty() || leaf.pictureDigest == local.pictureDigest;
            decision.action = local.hasUnsentChanges || holdsPicture ? Action::skip : Action::applyCloud;
            return decision;
        }
        if (isOlderRevision(leaf.revision, local.revision)) {
            decision.action = Action::skip; // a read older than one this device made
            return decision;
        }
    }
    if (!local.hasUnsentChanges) {
        decision.action = Action::applyCloud;
        return decision;
    }
    if (isLater(effectiveTime(local.modifiedAt, now), effectiveTime(leaf.modifiedAt, now)))
        return keepLocal();
    decision.action = Action::applyCloud;
    return decision;
}

} // namespace MergeDecision
