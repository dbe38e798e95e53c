// A database the desktop encrypted: the page asks for the passphrase, a wrong one shows nothing
// and changes nothing (every revision and the database's update_seq stay), the right one shows
// the desktop's items, and what the page writes the desktop reads while the server sees it sealed.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { Device, closeBrowser, launchBrowser, openPage, shown, testServer, waitFor } from './harness.mjs';

const server = testServer();
const patience = 45000;
const passphrase = 'CorrectHorseBatteryStaple✓';

describe('a database the desktop encrypted', () => {
  let database, device, browser, page;
  before(async () => {
    database = await server.createDatabase('web-e2ee');
    device = new Device();
    await device.start(database.url);
    assert.equal(await device.command('add SealedOnDesktop'), 'ok');
    await waitFor(async () => (await device.command('has SealedOnDesktop')) === 'yes', patience, 'synced');
    assert.equal(await device.command(`encrypt ${passphrase}`), 'ok');
    const published = await device.command('publishweb');
    assert.match(published, /^ok /);
    browser = await launchBrowser();
    page = await openPage(browser, server, published.slice(3));
  });
  after(async () => { await closeBrowser(browser); await device?.stop(); });

  test('wrong shows nothing and changes nothing; right shows the desktop items; the page writes sealed items the desktop reads', async () => {
    await page.waitForSelector('#passphrase', { timeout: patience });
    const revisions = async () => JSON.stringify([(await server.request('GET', database.name)).json.update_seq,
      (await server.request('GET', `${database.name}/_all_docs`)).json.rows.map((row) => [row.id, row.value.rev])]);
    const before = await revisions();
    await page.type('#passphrase', 'not it');
    await page.click('.locked button');
    await page.waitForSelector('.locked .problem:not([hidden])', { timeout: patience });
    assert.equal(await page.evaluate(() => document.body.dataset.count), '0');
    assert.equal(await revisions(), before);
    await page.$eval('#passphrase', (input) => { input.value = ''; });
    await page.type('#passphrase', passphrase);
    await page.click('.locked button');
    await waitFor(() => shown(page, 'SealedOnDesktop'), patience, 'the desktop item shows');
    await page.type('#content', 'from the phone, sealed');
    await page.type('#title', 'SealedFromPhone');
    await page.click('.composer .add');
    await waitFor(async () => (await device.command('has SealedFromPhone')) === 'yes', patience, 'the desktop reads the page item');
    assert.equal(await device.command('edit SealedOnDesktop SealedEditedOnDesktop'), 'ok');
    await waitFor(() => shown(page, 'SealedEditedOnDesktop'), patience, 'the desktop edit shows');
    const stored = JSON.stringify((await server.request('GET', `${database.name}/_all_docs?include_docs=true`)).json);
    assert.ok(!stored.includes('SealedFromPhone') && !stored.includes('SealedEditedOnDesktop'));
    assert.deepEqual(page.errors, []);
  });
});
