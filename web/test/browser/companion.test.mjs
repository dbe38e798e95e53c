// The web companion in a real browser (Debian's chromium, headless) against the local test
// server, with a desktop device process on the other side: items, pictures, favourites, edits
// and deletions both ways; offline edits meeting desktop edits; the page served by its service
// worker while offline; an encrypted database behind its passphrase.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  Device, card, closeBrowser, launchBrowser, openPage, pagePictureSha256, setOffline, shown, testServer, waitFor,
} from './harness.mjs';
import * as sealing from '../../src/sealing.js';

const server = testServer();
const scratch = mkdtempSync(join(tmpdir(), 'stashline-web-test-'));
// How long a change may take to travel: generous, for a busy machine and a sanitizer build.
const patience = 45000;

async function addInPage(page, { title, content = '', picture = null }) {
  await page.type('#content', content);
  await page.type('#title', title);
  if (picture) {
    const input = await page.$('#gallery');
    await input.uploadFile(picture);
    await page.waitForSelector('.composer .preview:not([hidden]) img');
  }
  await page.click('.composer .add');
  await page.waitForSelector(card(title));
}

async function editInPage(page, title, newTitle) {
  await page.click(`${card(title)} .card-body`);
  await page.waitForSelector('dialog[open] #edit-title');
  await page.$eval('#edit-title', (input, value) => { input.value = value; }, newTitle);
  await page.click('dialog[open] .save');
  await page.waitForSelector(card(newTitle));
}

// A PNG drawn by the browser, as a file the page's picture chooser and a device can take.
async function drawPicture(page, path) {
  const dataUrl = await page.evaluate(() => {
    const canvas = document.createElement('canvas');
    canvas.width = 320;
    canvas.height = 200;
    const context = canvas.getContext('2d');
    const gradient = context.createLinearGradient(0, 0, 320, 200);
    gradient.addColorStop(0, '#14b8a6');
    gradient.addColorStop(1, '#0b1a7a');
    context.fillStyle = gradient;
    context.fillRect(0, 0, 320, 200);
    return canvas.toDataURL('image/png');
  });
  writeFileSync(path, Buffer.from(dataUrl.split(',')[1], 'base64'));
  return path;
}

async function serverConflicts(database) {
  const answer = await server.request('GET', `${database}/_all_docs?include_docs=true&conflicts=true`);
  return answer.json.rows.filter((row) => row.doc && row.doc._conflicts).map((row) => row.id);
}

describe('a page and a desktop on one database', () => {
  let database, device, browser, page, address;

  before(async () => {
    database = await server.createDatabase('web');
    device = new Device();
    await device.start(database.url);
    const published = await device.command('publishweb');
    assert.match(published, /^ok /);
    address = published.slice(3);
    assert.equal(address, `${server.origin}/${database.name}/_design/stashline-web/index.html`);
    browser = await launchBrowser();
    page = await openPage(browser, server, address);
  });

  after(async () => {
    await closeBrowser(browser);
    await device?.stop();
  });

  test('the server hands out the page, its worker and its manifest with their content types', async () => {
    for (const [file, type] of [['index.html', 'text/html'], ['sw.js', 'text/javascript'], ['app.css', 'text/css'],
      ['manifest.webmanifest', 'application/manifest+json']]) {
      const response = await fetch(address.replace('index.html', file), {
        headers: { authorization: `Basic ${Buffer.from(`${server.user}:${server.password}`).toString('base64')}` },
      });
      assert.equal(response.status, 200, file);
      assert.ok(response.headers.get('content-type').startsWith(type), `${file}: ${response.headers.get('content-type')}`);
    }
  });

  test('items, pictures, favourites, edits and deletions travel both ways', async () => {
    const picture = await drawPicture(page, join(scratch, 'drawn.png'));

    // Desktop to page: a note and a picture, the picture's bytes the same.
    assert.equal(await device.command('add FromDesktop'), 'ok');
    assert.equal(await device.command(`addimage DesktopPicture ${picture}`), 'ok');
    await waitFor(() => shown(page, 'FromDesktop'), patience, 'the desktop note shows in the page');
    const desktopPicture = await waitFor(async () => (await device.item('DesktopPicture'))?.status === 2
      && (await device.item('DesktopPicture')).imageSha256, patience, 'the desktop picture is synced');
    assert.equal(await waitFor(() => pagePictureSha256(page, 'DesktopPicture'), patience, 'the picture reaches the page'),
      desktopPicture);

    // Page to desktop: a link and a picture from the gallery, stored as JPEG, the bytes the same.
    await addInPage(page, { title: 'FromPhone', content: 'https://example.com/phone' });
    await addInPage(page, { title: 'PhonePicture', picture });
    const phonePicture = await pagePictureSha256(page, 'PhonePicture');
    const phoneBytes = await page.evaluate(async () => {
      const item = window.stash.visibleItems().find((candidate) => candidate.title === 'PhonePicture');
      return [...new Uint8Array(await (await window.stash.picture(item)).slice(0, 3).arrayBuffer())];
    });
    assert.deepEqual(phoneBytes, [0xff, 0xd8, 0xff], 'a JPEG');
    await waitFor(async () => (await device.command('has FromPhone')) === 'yes', patience, 'the phone link reaches the desktop');

    // Search with the desktop's filters, over every item.
    await page.type('#search', 'site:example.com');
    await waitFor(async () => (await shown(page, 'FromPhone')) && !(await shown(page, 'FromDesktop')), 5000, 'the search finds the link alone');
    await page.$eval('#search', (input) => { input.value = ''; input.dispatchEvent(new Event('input')); });
    await page.waitForSelector(card('FromDesktop'));
    assert.equal(await waitFor(async () => (await device.item('PhonePicture'))?.imageSha256, patience,
      'the phone picture reaches the desktop'), phonePicture);
    await waitFor(async () => (await shown(page, 'PhonePicture')).status === 'sent', patience, 'the page shows it sent');

    // Favourites, both ways.
    await page.click(`${card('FromDesktop')} .star`);
    await waitFor(async () => (await device.item('FromDesktop'))?.favorite === true, patience, 'the star reaches the desktop');
    assert.equal(await device.command('favorite FromPhone'), 'ok');
    await waitFor(async () => (await shown(page, 'FromPhone'))?.favorite === true, patience, 'the star reaches the page');

    // Edits, both ways.
    await editInPage(page, 'FromDesktop', 'FromDesktopEditedOnPhone');
    await waitFor(async () => (await device.command('has FromDesktopEditedOnPhone')) === 'yes', patience,
      'the phone edit reaches the desktop');
    assert.equal(await device.command('edit FromPhone FromPhoneEditedOnDesktop'), 'ok');
    await waitFor(() => shown(page, 'FromPhoneEditedOnDesktop'), patience, 'the desktop edit reaches the page');
    assert.equal(await shown(page, 'FromPhone'), null);

    // Deletions, both ways.
    await page.click(`${card('DesktopPicture')} .delete`);
    await page.click('dialog[open] .delete-confirm');
    await waitFor(async () => (await device.item('DesktopPicture'))?.trashed === true, patience,
      'the phone deletion moves the item to the desktop\'s trash');
    assert.equal(await device.command('delete FromPhoneEditedOnDesktop'), 'ok');
    await waitFor(async () => (await shown(page, 'FromPhoneEditedOnDesktop')) === null, patience,
      'the desktop deletion reaches the page');
    assert.deepEqual(page.errors, []);
  });

  test('offline edits meet desktop edits: the later one wins on both sides, nothing is lost, no branches stay', async () => {
    for (const title of ['OfflineA', 'OfflineB']) assert.equal(await device.command(`add ${title}`), 'ok');
    await waitFor(async () => (await shown(page, 'OfflineA'))?.status === 'sent' && shown(page, 'OfflineB'), patience,
      'both items are in the page');
    const itemsBefore = (await device.dump()).length;

    await page.setOfflineMode(true);
    const pause = () => new Promise((resolve) => setTimeout(resolve, 20));
    assert.equal(await device.command('edit OfflineB B-desktop-earlier'), 'ok');
    await pause();
    await editInPage(page, 'OfflineA', 'A-phone-earlier');
    await editInPage(page, 'OfflineB', 'B-phone-later');
    assert.equal((await shown(page, 'B-phone-later')).status, 'waiting');
    await pause();
    assert.equal(await device.command('edit OfflineA A-desktop-later'), 'ok');
    await waitFor(async () => (await device.command('has A-desktop-later')) === 'yes', patience, 'the desktop edit is synced');
    await page.setOfflineMode(false);

    const converged = async () => {
      const titles = (await device.dump()).map((item) => item.title);
      return titles.includes('A-desktop-later') && titles.includes('B-phone-later')
        && await shown(page, 'A-desktop-later') && (await shown(page, 'B-phone-later'))?.status === 'sent'
        && !(await shown(page, 'A-phone-earlier')) && !(await shown(page, 'B-desktop-earlier'))
        && (await serverConflicts(database.name)).length === 0;
    };
    await waitFor(converged, 30000, 'the page, the desktop and the server agree on the later edits');
    assert.equal((await device.dump()).length, itemsBefore, 'no item lost or doubled');
    const pageConflicts = await page.evaluate(async () => (await window.stash.local.allDocs({ conflicts: true, include_docs: true }))
      .rows.filter((row) => row.doc._conflicts).length);
    assert.equal(pageConflicts, 0);
  });

  test('offline, the service worker serves the page and a reload shows the browser copy', async () => {
    await waitFor(() => page.evaluate(() => !!navigator.serviceWorker.controller), 10000, 'the worker controls the page');
    const count = await page.evaluate(() => document.body.dataset.count);
    assert.ok(Number(count) >= 3);
    await setOffline(browser, page, true);
    await page.reload();
    await page.waitForSelector('body[data-ready]', { timeout: 20000 });
    await waitFor(async () => (await page.evaluate(() => document.body.dataset.count)) === count, 10000,
      'the reloaded page lists the same items');
    assert.ok(await shown(page, 'A-desktop-later'));
    assert.equal(await page.$eval('.banner', (banner) => banner.hidden), false, 'it says it is offline');
    await setOffline(browser, page, false);
  });
});

describe('an encrypted database', () => {
  let database, browser, page;
  const vectors = JSON.parse(readFileSync(new URL('../../../tests/data/e2ee-vectors.json', import.meta.url)));
  const keyDocument = vectors.keyDocument;

  before(async () => {
    await sealing.ready();
    database = await server.createDatabase('web-sealed');
    const device = new Device();
    await device.start(database.url);
    const published = await device.command('publishweb');
    await device.stop();
    // The key document and one record sealed under its data key, in the desktop's format.
    const key = { keyId: keyDocument.document.keyId, dataKey: sealing.fromBase64(keyDocument.dataKey) };
    const record = {
      _id: '0F8C0000-0000-4000-8000-00000000BEEF', recordType: 'ShareItem', device: 'another-device',
      fields: {
        uuid: { type: 'string', value: '0F8C0000-0000-4000-8000-00000000BEEF' },
        title: { type: 'string', value: 'Sealed secret' },
        content: { type: 'string', value: 'only with the passphrase' },
        contentType: { type: 'string', value: 'text' },
        createdAt: { type: 'timestamp', value: new Date().toISOString() },
        modifiedAt: { type: 'timestamp', value: new Date().toISOString() },
        isFavorite: { type: 'int64', value: 0 }, isDeleted: { type: 'int64', value: 0 },
      },
    };
    for (const document of [keyDocument.document, sealing.sealDocument(record, {}, key)]) {
      assert.equal((await server.request('PUT', `${database.name}/${document._id}`, document)).status, 201);
    }
    browser = await launchBrowser();
    page = await openPage(browser, server, published.slice(3));
  });

  after(async () => closeBrowser(browser));

  test('a wrong passphrase shows nothing and changes nothing; the right one shows the items', async () => {
    await page.waitForSelector('#passphrase');
    assert.equal(await page.evaluate(() => document.body.dataset.count), '0');
    const before = (await server.request('GET', database.name)).json.update_seq;

    await page.type('#passphrase', keyDocument.wrongPassphrase);
    await page.click('.locked button');
    await page.waitForSelector('.locked .problem:not([hidden])', { timeout: 20000 });
    assert.equal(await page.evaluate(() => document.body.dataset.count), '0');
    assert.equal(await shown(page, 'Sealed secret'), null);
    assert.equal((await server.request('GET', database.name)).json.update_seq, before, 'nothing written');

    await page.$eval('#passphrase', (input) => { input.value = ''; });
    await page.type('#passphrase', keyDocument.passphrase);
    await page.click('.locked button');
    await waitFor(() => shown(page, 'Sealed secret'), patience, 'the sealed item shows');

    // What the page writes is sealed too: the server never sees the text.
    await addInPage(page, { title: 'Written sealed', content: 'a phone secret' });
    await waitFor(async () => (await shown(page, 'Written sealed'))?.status === 'sent', patience, 'it is sent');
    const stored = JSON.stringify((await server.request('GET', `${database.name}/_all_docs?include_docs=true`)).json);
    assert.ok(!stored.includes('a phone secret') && !stored.includes('Written sealed') && !stored.includes('Sealed secret'));
    assert.deepEqual(page.errors, []);
  });
});

after(() => rmSync(scratch, { recursive: true, force: true }));
