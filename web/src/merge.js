// The desktop's merge rule, the same table cell for cell (tests/data/merge-rule-cells.json is
// read by both test suites). Pure: states in, one instruction out. Times are milliseconds since
// the epoch, or null for no time.
//
//  - A deletion wins, from either side.
//  - A read of the revision the item holds (with its picture), or of an older one, is skipped.
//  - A synced item has nothing to defend: the cloud's values win.
//  - Unsent changes are kept only when they are later than the cloud's change; the same time
//    goes to the cloud. No time is earlier than any time; a time more than a day ahead counts
//    as now.
//  - Several branches: a deletion first, then the latest change, then the highest revision,
//    so every device chooses the same leaf; the others are deleted.

const dayMs = 24 * 60 * 60 * 1000;

export const Action = Object.freeze({
  applyCloud: 'applyCloud',
  keepLocal: 'keepLocal',
  uploadAsNew: 'uploadAsNew',
  deleteLocally: 'deleteLocally',
  skip: 'skip',
});

export function effectiveTime(time, now) {
  if (time === null || time === undefined || Number.isNaN(time)) return null;
  return time > now + dayMs ? now : time;
}

function isLater(candidate, other) {
  if (candidate === null) return false;
  return other === null || candidate > other;
}

function revisionNumber(revision) {
  const text = String(revision).split('-')[0];
  return /^[+-]?\d+$/.test(text) ? Number(text) : null;
}

// The server's own order: the longer history first, then the larger hash.
function isHigherRevision(revision, other) {
  const number = revisionNumber(revision);
  const otherNumber = revisionNumber(other);
  if (number !== null && otherNumber !== null && number !== otherNumber) return number > otherNumber;
  return revision > other;
}

export function isOlderRevision(revision, known) {
  const number = revisionNumber(revision);
  const knownNumber = revisionNumber(known);
  return number !== null && knownNumber !== null && number < knownNumber;
}

// leaves: [{revision, isDeleted, modifiedAt, pictureDigest}]; the index of the winner.
export function chooseLeaf(leaves, now) {
  let chosen = 0;
  for (let index = 1; index < leaves.length; index++) {
    const candidate = leaves[index];
    const best = leaves[chosen];
    if (candidate.isDeleted !== best.isDeleted) {
      if (candidate.isDeleted) chosen = index;
      continue;
    }
    const candidateTime = effectiveTime(candidate.modifiedAt, now);
    const bestTime = effectiveTime(best.modifiedAt, now);
    if (isLater(candidateTime, bestTime) ||
        (!isLater(bestTime, candidateTime) && isHigherRevision(candidate.revision, best.revision))) {
      chosen = index;
    }
  }
  return chosen;
}

// local: null (no item) or {hasUnsentChanges, isMarkedForDeletion, modifiedAt, revision,
// pictureDigest}; cloud: 'nothing', 'tombstone' or an array of leaves (current revision first).
// Returns {action, chosenLeaf, settlesBranches, sendsPicture}.
export function decide(local, cloud, now) {
  const result = (action, extra = {}) => ({ action, chosenLeaf: 0, settlesBranches: false, sendsPicture: false, ...extra });
  if (cloud === 'nothing') {
    if (!local) return result(Action.skip);
    if (local.isMarkedForDeletion) return result(Action.deleteLocally);
    return result(Action.uploadAsNew, { sendsPicture: true });
  }
  if (cloud === 'tombstone') return result(local ? Action.deleteLocally : Action.skip);
  if (!cloud.length) return result(Action.skip);

  const settlesBranches = cloud.length > 1;
  const chosenLeaf = settlesBranches ? chooseLeaf(cloud, now) : 0;
  const leaf = cloud[chosenLeaf];
  const decision = (action) => result(action, { chosenLeaf, settlesBranches });
  const keepLocal = () => ({
    ...decision(Action.keepLocal),
    sendsPicture: !local.pictureDigest || local.pictureDigest !== leaf.pictureDigest,
  });

  if (leaf.isDeleted) return decision(local || settlesBranches ? Action.deleteLocally : Action.skip);
  if (!local) return decision(Action.applyCloud);
  if (local.isMarkedForDeletion) return keepLocal();
  if (!settlesBranches && local.revision) {
    if (leaf.revision === local.revision) {
      // What this item holds already, unless its picture never came.
      const holdsPicture = !leaf.pictureDigest || leaf.pictureDigest === local.pictureDigest;
      return decision(local.hasUnsentChanges || holdsPicture ? Action.skip : Action.applyCloud);
    }
    if (isOlderRevision(leaf.revision, local.revision)) return decision(Action.skip);
  }
  if (!local.hasUnsentChanges) return decision(Action.applyCloud);
  if (isLater(effectiveTime(local.modifiedAt, now), effectiveTime(leaf.modifiedAt, now))) return keepLocal();
  return decision(Action.applyCloud);
}
