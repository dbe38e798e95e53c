// The page's search reads the desktop's words and filters the same way.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { parseQuery, matchRank } from '../../src/search.js';

const item = (fields) => ({ title: '', content: '', contentType: 'text', isFavorite: false, picture: null,
  createdAt: new Date(2026, 11, 5, 12).getTime(), ...fields });

test('words, phrases and filters', () => {
  const query = parseQuery('Budget "green door" -draft is:fav -is:link site:https://www.Example.org/a before:2026-12-08 after:x');
  assert.deepEqual(query.terms, ['Budget', 'green door', 'after:x']);
  assert.deepEqual(query.excludedTerms, ['draft']);
  assert.equal(query.favorite, true);
  assert.deepEqual(query.excludedKinds, ['url']);
  assert.deepEqual(query.sites, ['example.org']);
  assert.equal(query.before, new Date(2026, 11, 8).getTime());
  assert.deepEqual(parseQuery('-before:2026-12-08').after, new Date(2026, 11, 8).getTime());
  assert.deepEqual(parseQuery('is:what before:2026-02-30 -').terms, ['is:what', 'before:2026-02-30', '-']);
});

test('matches as the desktop does: every word, any case, title matches first', () => {
  const note = item({ title: 'Gate code', content: 'Then the GREEN door' });
  assert.equal(matchRank(note, parseQuery('green door')), 1);
  assert.equal(matchRank(note, parseQuery('gate')), 0);
  assert.equal(matchRank(note, parseQuery('"door then"')), null);
  assert.equal(matchRank(note, parseQuery('gate -green')), null);
  assert.equal(matchRank(note, parseQuery('is:note')), 0);
  assert.equal(matchRank(note, parseQuery('is:fav')), null);
  assert.equal(matchRank(item({ title: '東京タワー' }), parseQuery('タワー')), 0);
  const link = item({ contentType: 'url', content: 'https://docs.example.org/x' });
  assert.equal(matchRank(link, parseQuery('site:example.org is:link')), 0);
  assert.equal(matchRank(link, parseQuery('docs')), 1);
  assert.equal(matchRank(link, parseQuery('site:ample.org')), null);
  assert.equal(matchRank(link, parseQuery('-site:example.org')), null);
  assert.equal(matchRank(note, parseQuery('after:2026-12-05')), 0);
  assert.equal(matchRank(note, parseQuery('before:2026-12-05')), null);
  assert.equal(matchRank(item({ picture: { name: 'imageAsset' }, contentType: 'image' }), parseQuery('is:picture')), 0);
});
