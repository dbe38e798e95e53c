// The page's copy of the stash: a PouchDB database in the browser that follows the user's
// database on the server (live, both ways, retried by itself), the items it holds decoded in
// the desktop's record layout, and every change made here written in that layout.
//
// Status of an item: "waiting" from a change made here until replication has sent that
// revision, "failed" when the server refused it (Retry writes it again), else "sent". The
// waiting set is kept in localStorage, so a change made offline stays waiting across reloads.
//
// Branches that replication leaves (a change here and one elsewhere while offline) are settled
// by the desktop's rule: the chosen leaf stays and the other leaves are deleted in one write.
// Devices that settle at the same time choose the same leaf, so nothing ping-pongs.
//
// An encrypted database (it holds the key document) shows nothing and writes nothing until the
// passphrase opens the key; afterwards every document is read and written sealed.
import PouchDB from 'pouchdb-browser';
import { ChangeClock } from './clock.js';
import { decide } from './merge.js';
import { classify, documentFromItem, itemFromDocument, leafOf, pictureName } from './record.js';

const isDesign = (id) => id.startsWith('_design/') || id.startsWith('_local/');
let sealing = null; // loaded with libsodium only for an encrypted database
const loadSealing = async () => {
  if (!sealing) {
    sealing = await import('./sealing.js');
    await sealing.ready();
  }
  return sealing;
};

export class Stash extends EventTarget {
  // databaseUrl: the user's database, same origin as the page.
  constructor(databaseUrl, storage = localStorage) {
    super();
    this.databaseUrl = databaseUrl;
    this.storage = storage;
    const name = new URL(databaseUrl).pathname.replace(/\W+/g, '-');
    this.local = new PouchDB(`stashline${name}`, { auto_compaction: true });
    this.remote = new PouchDB(databaseUrl, {
      skip_setup: true,
      fetch: (url, options) => PouchDB.fetch(url, { ...options, credentials: 'include' }),
    });
    this.items = new Map(); // id -> item (every decoded document, deleted records included)
    this.clock = new ChangeClock(storage);
    this.device = storage.getItem('stashline-device') || crypto.randomUUID();
    storage.setItem('stashline-device', this.device);
    this.pending = JSON.parse(storage.getItem('stashline-pending') || '{}'); // id -> {rev, failed}
    this.keyDocument = null; // the database's key document, when it is encrypted
    this.key = null; // {keyId, dataKey} once the passphrase opened it
    this.online = true;
    this.syncError = null;
  }

  get isLocked() {
    return !!this.keyDocument && !this.key;
  }

  // Items to show: live ones, readable and not in the trash, newest first by the caller.
  visibleItems() {
    if (this.isLocked) return [];
    return [...this.items.values()].filter((item) => !item.problem && !item.tombstone && !item.isDeleted && !item.trashedAt);
  }

  status(item) {
    const pending = this.pending[item.id];
    if (!pending) return 'sent';
    return pending.failed ? 'failed' : 'waiting';
  }

  async start() {
    const [, all] = await Promise.all([this.learnWhetherEncrypted(), this.local.allDocs({ include_docs: true, conflicts: true })]);
    for (const row of all.rows) this.read(row.doc);
    // A browser that holds no copy yet shows what the server holds at once (one read, pictures
    // as stubs) while replication fills its copy; changes wait for that copy.
    if (!all.rows.length) await this.readServerOnce();
    this.notify();
    this.local.changes({ since: 'now', live: true, include_docs: true, conflicts: true })
      .on('change', (change) => {
        this.read(change.doc);
        this.notify();
      });
    this.replicate();
  }

  async readServerOnce() {
    let snapshot;
    try {
      snapshot = await this.remote.allDocs({ include_docs: true, conflicts: true });
    } catch {
      return; // offline: the copy shows once replication runs
    }
    this.caughtUp = new Promise((resolve) => { this.markCaughtUp = resolve; });
    for (const row of snapshot.rows) {
      if (!row.doc || isDesign(row.id)) continue;
      this.read(row.doc, false);
      const item = this.items.get(row.id);
      if (item) item.onlyOnServer = true;
    }
  }

  // The key document decides; the server is asked first (a new browser has no copy yet), the
  // local copy when the server cannot be reached.
  async learnWhetherEncrypted() {
    let document = null;
    try {
      document = await this.remote.get('stashline-key');
    } catch (error) {
      if (error.status !== 404) document = await this.local.get('stashline-key').catch(() => null);
    }
    if (document) this.keyDocument = document;
  }

  // Live replication both ways, retried with pauses that double up to ten seconds; the moment
  // the browser is online again it starts over at once instead of waiting out a pause.
  replicate() {
    const filter = (document) => !isDesign(document._id);
    const backOff = (delay) => Math.min(delay ? delay * 2 : 500, 10000);
    this.sync = PouchDB.sync(this.local, this.remote, { live: true, retry: true, filter, back_off_function: backOff });
    if (!this.listensForOnline) {
      this.listensForOnline = true;
      addEventListener('online', () => {
        this.sync.cancel();
        this.replicate();
      });
    }
    this.sync.on('change', (info) => {
      this.setOnline(true);
      if (info.direction !== 'push') return;
      let changed = false;
      for (const document of info.change.docs) {
        const pending = this.pending[document._id];
        if (pending && pending.rev === document._rev) {
          delete this.pending[document._id];
          changed = true;
        }
      }
      if (changed) this.savePending();
    });
    this.sync.on('denied', (error) => {
      const id = error && (error.id || (error.doc && error.doc._id));
      if (id && this.pending[id]) {
        this.pending[id].failed = true;
        this.savePending();
      }
    });
    this.sync.on('paused', (error) => {
      this.setOnline(!error);
      if (!error && this.markCaughtUp) this.markCaughtUp();
    });
    this.sync.on('active', () => this.setOnline(true));
    this.sync.on('error', (error) => {
      this.syncError = error;
      this.setOnline(false);
    });
  }

  setOnline(online) {
    if (this.online === online) return;
    this.online = online;
    this.notify();
  }

  savePending() {
    this.storage.setItem('stashline-pending', JSON.stringify(this.pending));
    this.notify();
  }

  notify() {
    this.dispatchEvent(new Event('change'));
  }

  plain(document) {
    if (!this.keyDocument) return document;
    return this.key ? sealing.openDocument(document, this.key) : { _id: document._id, problem: 'locked' };
  }

  // `settles`: branches are settled in the page's copy only, never from a read of the server.
  read(document, settles = true) {
    if (!document || isDesign(document._id)) return;
    if (document._id === 'stashline-key') {
      if (!document._deleted) this.keyDocument = document;
      return;
    }
    const item = itemFromDocument(this.plain(document));
    if (item.modifiedAt) this.clock.observe(item.modifiedAt);
    this.items.set(document._id, item);
    if (settles && document._conflicts && document._conflicts.length && !this.isLocked) {
      this.settle(document._id).catch((error) => console.warn('settling', document._id, error));
    }
  }

  // Chooses among every leaf of `id` by the merge rule and deletes the others in one write.
  async settle(id) {
    const leaves = (await this.local.get(id, { open_revs: 'all' }))
      .filter((result) => result.ok && !result.ok._deleted).map((result) => result.ok);
    if (leaves.length < 2) return;
    // The winner the server would show first, as the desktop orders the leaves.
    const winner = await this.local.get(id);
    leaves.sort((a, b) => (a._rev === winner._rev ? -1 : b._rev === winner._rev ? 1 : 0));
    const decision = decide(null, leaves.map((leaf) => leafOf(this.plain(leaf))), Date.now());
    const losers = leaves.filter((_, index) => index !== decision.chosenLeaf)
      .map((leaf) => ({ _id: id, _rev: leaf._rev, _deleted: true }));
    await this.local.bulkDocs(losers);
    // A change made here that lost to a later one waits for nothing any more.
    if (this.pending[id] && losers.some((loser) => loser._rev === this.pending[id].rev)) {
      delete this.pending[id];
      this.savePending();
    }
  }

  // Opens the key document with `passphrase`: true when it did (the items show), false when it
  // is the wrong one (nothing changes). Throws when the key document cannot be used.
  async unlock(passphrase) {
    const crypto = await loadSealing();
    const key = crypto.unwrapKey(this.keyDocument, passphrase);
    if (!key) return false;
    this.key = key;
    const all = await this.local.allDocs({ include_docs: true, conflicts: true });
    for (const row of all.rows) this.read(row.doc);
    this.notify();
    return true;
  }

  async write(item, picture = null) {
    if (this.isLocked) throw new Error('locked');
    if (item.onlyOnServer) await this.caughtUp; // the change goes over the copy's revision
    const pictureBytes = picture && this.key ? new Uint8Array(await picture.arrayBuffer()) : picture;
    let document = documentFromItem(item, this.device, this.key ? null : pictureBytes);
    if (this.key) document = sealing.sealDocument(document, pictureBytes ? { [pictureName]: pictureBytes } : {}, this.key);
    const answer = await this.local.put(document);
    this.pending[item.id] = { rev: answer.rev };
    this.savePending();
    return answer.rev;
  }

  // A new item from what the composer holds; `picture` a JPEG Blob or null.
  async add({ title, content, picture, isFavorite }) {
    const uuid = crypto.randomUUID().toUpperCase();
    const now = this.clock.stamp();
    const text = content.trim();
    return this.write({
      id: uuid, uuid, title: title.trim(), content: text, contentType: classify(text, !!picture),
      isFavorite: !!isFavorite, isDeleted: false, createdAt: now, modifiedAt: now, trashedAt: null, picture: null,
    }, picture);
  }

  async change(item, changes) {
    return this.write({ ...item, ...changes, modifiedAt: this.clock.stamp() });
  }

  toggleFavorite(item) {
    return this.change(item, { isFavorite: !item.isFavorite });
  }

  // Delete moves an item to the trash, as on the desktop: a later change that another device can
  // undo with Restore; the desktop empties the trash after 30 days.
  remove(item) {
    const now = this.clock.stamp();
    return this.write({ ...item, trashedAt: now, modifiedAt: now });
  }

  // Writes a refused item again, as a new revision over the one it holds.
  async retry(item) {
    delete this.pending[item.id];
    const current = itemFromDocument(this.plain(await this.local.get(item.id)));
    return this.write({ ...current, modifiedAt: this.clock.stamp() });
  }

  // The item's picture as a JPEG Blob; null when it has none or it is not here yet.
  async picture(item) {
    if (!item.picture) return null;
    try {
      const stored = await this.local.getAttachment(item.id, item.picture.name)
        .catch(() => this.remote.getAttachment(item.id, item.picture.name)); // not copied yet
      if (!this.key) return stored;
      const bytes = sealing.openAttachment(this.key, item.id, item.picture.name, new Uint8Array(await stored.arrayBuffer()));
      return bytes ? new Blob([bytes], { type: 'image/jpeg' }) : null;
    } catch {
      return null;
    }
  }
}
