// The web's merge rule against the desktop's own table of cells.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { decide, chooseLeaf } from '../../src/merge.js';

const table = JSON.parse(readFileSync(new URL('../../../tests/data/merge-rule-cells.json', import.meta.url)));
const now = Date.parse(table.now);
const time = (minutes) => (minutes === null || minutes === undefined ? null : now + minutes * 60000);
const leaves = (list) => list.map((leaf) => ({
  revision: leaf.revision, isDeleted: !!leaf.deleted, modifiedAt: time(leaf.at), pictureDigest: leaf.digest ?? '',
}));
const localState = (local) => local && {
  hasUnsentChanges: !!local.unsent,
  isMarkedForDeletion: !!local.deletion,
  modifiedAt: time(local.at),
  revision: local.revision ?? '3-a',
  pictureDigest: local.digest ?? '',
};
const cloudState = (cloud) => (typeof cloud === 'string' ? cloud : leaves(cloud));

test('every cell of the rule table', () => {
  assert.ok(table.cells.length > 30);
  for (const cell of table.cells) {
    const decision = decide(localState(cell.local), cloudState(cell.cloud), now);
    assert.equal(decision.action, cell.action, cell.name);
    if (decision.action === 'skip') continue;
    assert.equal(decision.chosenLeaf, cell.chosenLeaf ?? 0, cell.name);
    assert.equal(decision.settlesBranches, cell.settles ?? false, cell.name);
    if (decision.action === 'keepLocal' || decision.action === 'uploadAsNew') {
      assert.equal(decision.sendsPicture, cell.sendsPicture ?? false, cell.name);
    }
  }
});

test('every order of the leaves chooses the same one', () => {
  const all = leaves(table.everyOrder.leaves);
  const chosen = new Set();
  const permute = (rest, prefix) => {
    if (!rest.length) return chosen.add(prefix[chooseLeaf(prefix, now)].revision);
    rest.forEach((leaf, index) => permute([...rest.slice(0, index), ...rest.slice(index + 1)], [...prefix, leaf]));
  };
  permute(all, []);
  assert.deepEqual([...chosen], [table.everyOrder.chosen]);
});
