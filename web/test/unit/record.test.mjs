// Items and documents in the desktop's layout, and the clock that stamps changes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { classify, documentFromItem, itemFromDocument, isLink, openableLink } from '../../src/record.js';
import { ChangeClock } from '../../src/clock.js';

const vectors = JSON.parse(readFileSync(new URL('../../../tests/data/e2ee-vectors.json', import.meta.url)));
// A record as the desktop writes it (the fields of the encryption vectors' record).
const desktopDocument = {
  _id: '6F9619FF-8B86-D011-B42D-00C04FC964FF', _rev: '3-abc', recordType: 'ShareItem',
  ...JSON.parse(vectors.record.payloadPlaintext),
  _attachments: { imageAsset: { content_type: 'image/jpeg', digest: 'md5-x', stub: true } },
};

test('a desktop record reads as its item and writes back field for field', () => {
  const item = itemFromDocument(desktopDocument);
  assert.equal(item.title, 'Gate code à la maison');
  assert.equal(item.isFavorite, true);
  assert.equal(item.modifiedAt, Date.parse('2024-05-02T09:15:30.250Z'));
  assert.deepEqual(item.picture, { name: 'imageAsset', digest: 'md5-x' });
  const written = documentFromItem(item, desktopDocument.device);
  assert.deepEqual(written.fields, desktopDocument.fields);
  assert.equal(written._rev, '3-abc');
  assert.deepEqual(written._attachments.imageAsset, { stub: true, content_type: 'image/jpeg', digest: 'md5-x' });
});

test('a deletion carries only the uuid, the title, the time and the mark', () => {
  const deleted = documentFromItem({ ...itemFromDocument(desktopDocument), isDeleted: true }, 'web');
  assert.deepEqual(Object.keys(deleted.fields).sort(), ['isDeleted', 'modifiedAt', 'title', 'uuid']);
  assert.equal(deleted.fields.isDeleted.value, 1);
  assert.equal(deleted._attachments, undefined);
  assert.equal(itemFromDocument(deleted).isDeleted, true);
});

test('the trash travels as the desktop writes it, and a restore takes it out', () => {
  const trashedAt = Date.parse('2024-05-03T10:00:00.000Z');
  const trashed = documentFromItem({ ...itemFromDocument(desktopDocument), trashedAt }, 'web');
  assert.deepEqual(trashed.fields.trashedAt, { type: 'timestamp', value: '2024-05-03T10:00:00.000Z' });
  assert.equal(itemFromDocument(trashed).trashedAt, trashedAt);
  const restored = documentFromItem({ ...itemFromDocument(trashed), trashedAt: null }, 'web');
  assert.equal(restored.fields.trashedAt, undefined);
  assert.equal(itemFromDocument(restored).trashedAt, null);
});

test('records the desktop cannot read are not read here either', () => {
  const withField = (name, field) => ({ ...desktopDocument, fields: { ...desktopDocument.fields, [name]: field } });
  assert.match(itemFromDocument(withField('title', { type: 'int64', value: 3 })).problem, /title/);
  assert.match(itemFromDocument(withField('uuid', { type: 'string', value: 'not-a-uuid' })).problem, /uuid/);
  assert.ok(itemFromDocument({ ...desktopDocument, fields: [] }).problem);
  assert.ok(itemFromDocument(withField('createdAt', { type: 'timestamp', value: 'yesterday' })).problem);
  // An unreadable change time counts as none; flags other than 1 are false; unknown fields wait for a later version.
  const lenient = itemFromDocument(withField('modifiedAt', { type: 'timestamp', value: 'soon' }));
  assert.equal(lenient.problem, undefined);
  assert.equal(lenient.modifiedAt, null);
  assert.equal(itemFromDocument(withField('isFavorite', { type: 'int64', value: 2 })).isFavorite, false);
  assert.equal(itemFromDocument(withField('isFavorite', { type: 'double', value: 1 })).isFavorite, true);
  const later = itemFromDocument(withField('laterField', { type: 'string', value: 'x' }));
  assert.equal(later.problem, undefined);
  assert.deepEqual(documentFromItem(later, 'web').fields.laterField, { type: 'string', value: 'x' }, 'kept on write');
});

test('the one rule for links', () => {
  for (const link of ['https://example.com', 'mailto:a@b.c', 'http://x.y/path?q=1']) assert.ok(isLink(link), link);
  for (const text of ['example.com', 'see https://example.com', 'https://exa mple.com', '', 'a:']) assert.ok(!isLink(text), text);
  assert.equal(classify('https://example.com', true), 'url');
  assert.equal(classify('a note', true), 'image');
  assert.equal(classify('a note', false), 'text');
  // A link from another device that would run code in the page is shown, never opened.
  assert.equal(openableLink('https://example.com'), 'https://example.com');
  for (const script of ['javascript:alert(1)', 'JavaScript:alert(1)', 'data:text/html,x', 'vbscript:x']) {
    assert.ok(isLink(script));
    assert.equal(openableLink(script), null, script);
  }
});

test('a change is stamped after every change seen, whatever the wall clock says', () => {
  const storage = new Map();
  const store = { getItem: (key) => storage.get(key) ?? null, setItem: (key, value) => storage.set(key, value) };
  let wall = 1000;
  const clock = new ChangeClock(store, 'latest', () => wall);
  assert.equal(clock.stamp(), 1000);
  clock.observe(600000); // another device, ten minutes ahead
  assert.equal(clock.stamp(), 600001);
  assert.equal(clock.stamp(), 600002);
  wall = 900000;
  assert.equal(clock.stamp(), 900000);
  assert.equal(new ChangeClock(store, 'latest', () => 0).stamp(), 900001, 'kept across reloads');
});
