// The web companion's figures, as "bench: NAME VALUE UNIT" lines:
//   web.first_load_ms_1000  a cold page (new browser profile, desktop-sized Chromium) until it
//                           lists an account of 1,000 items, 50 of them pictures of ~200 KB
//   web.latency_median_ms   median of 20 (10 each way) from a save on a desktop device process
//                           to the item in the page, and from an add in the page to the item
//                           synced into the device's store
//   web.bundle_kb           the app's own code and files, gzipped (PouchDB and libsodium aside)
// It starts its own local cloud server and needs the desktop build for the device process
// (STASHLINE_DEVICE, default ../build/tests/sync/stashline-device).
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import * as esbuild from 'esbuild';
import { Device, closeBrowser, launchBrowser, testServer, waitFor } from '../test/browser/harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const web = join(here, '..');
const scratch = mkdtempSync(join(tmpdir(), 'stashline-web-bench-'));
const cloudServer = join(web, '..', 'tools', 'cloud-server', 'cloud-server');
process.env.STASHLINE_DEVICE ||= join(web, '..', 'build', 'tests', 'sync', 'stashline-device');
const print = (name, value, unit) => console.log(`bench: ${name} ${value} ${unit}`);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function bundleKb() {
  const out = join(scratch, 'bundle');
  await esbuild.build({
    entryPoints: [join(web, 'src', 'app.js')], bundle: true, splitting: true, format: 'esm', minify: true,
    target: ['es2020'], outdir: out, external: ['pouchdb-browser', 'libsodium-wrappers-sumo'],
    plugins: [{ name: 'messages', setup(build) {
      build.onResolve({ filter: /^stashline-messages$/ }, () => ({ path: 'm', namespace: 'm' }));
      build.onLoad({ filter: /.*/, namespace: 'm' }, async () => ({
        contents: JSON.stringify((await import('../scripts/messages.mjs')).readMessages(join(web, '..', 'i18n'))), loader: 'json',
      }));
    } }],
    logLevel: 'error',
  });
  const files = [...readdirSync(out).map((file) => join(out, file)),
    ...readdirSync(join(web, 'static')).map((file) => join(web, 'static', file))];
  return files.reduce((total, file) => total + gzipSync(readFileSync(file)).length, 0) / 1024;
}

// A JPEG of about 200 KB: noise does not compress.
async function pictureBase64(browser) {
  const page = await browser.newPage();
  const data = await page.evaluate(() => {
    const canvas = document.createElement('canvas');
    canvas.width = 640;
    canvas.height = 480;
    const context = canvas.getContext('2d');
    const image = context.createImageData(640, 480);
    for (let index = 0; index < image.data.length; index++) image.data[index] = (index * 7919) % 251 ^ (index >> 9);
    context.putImageData(image, 0, 0);
    return canvas.toDataURL('image/jpeg', 0.7).split(',')[1];
  });
  await page.close();
  return data;
}

async function publish(server, database) {
  const document = join(scratch, 'design.json');
  execFileSync('node', [join(web, 'build.mjs'), '--out', join(scratch, 'dist'), '--design-document', document]);
  const answer = await server.request('PUT', `${database}/_design/stashline-web`, JSON.parse(readFileSync(document, 'utf8')));
  if (answer.status !== 201) throw new Error(`publishing failed: ${answer.status}`);
  return `${server.origin}/${database}/_design/stashline-web/index.html`;
}

function record(index, day, picture) {
  const uuid = `B0000000-0000-4000-8000-${String(index).padStart(12, '0')}`;
  const time = new Date(day - index * 1000).toISOString();
  const document = {
    _id: uuid, recordType: 'ShareItem', device: 'bench',
    fields: {
      uuid: { type: 'string', value: uuid }, title: { type: 'string', value: `Item ${index}` },
      content: { type: 'string', value: `Something to carry, number ${index}` },
      contentType: { type: 'string', value: picture ? 'image' : 'text' },
      isCompleted: { type: 'int64', value: 0 }, isFavorite: { type: 'int64', value: index % 7 === 0 ? 1 : 0 },
      isDeleted: { type: 'int64', value: 0 }, createdAt: { type: 'timestamp', value: time },
      modifiedAt: { type: 'timestamp', value: time },
    },
  };
  if (picture) {
    document.fields.imageAsset = { type: 'asset', value: 'imageAsset' };
    document._attachments = { imageAsset: { content_type: 'image/jpeg', data: picture } };
  }
  return document;
}

async function firstLoad(server, browser) {
  const database = (await server.createDatabase('bench-load')).name;
  const address = await publish(server, database);
  const picture = await pictureBase64(browser);
  const now = Date.now();
  const documents = Array.from({ length: 1000 }, (_, index) => record(index, now, index % 20 === 0 ? picture : null));
  for (let start = 0; start < documents.length; start += 100) {
    await server.request('POST', `${database}/_bulk_docs`, { docs: documents.slice(start, start + 100) });
  }
  const cold = await launchBrowser();
  try {
    const page = await cold.newPage();
    await page.authenticate({ username: server.user, password: server.password });
    await page.setViewport({ width: 1280, height: 800 });
    const started = Date.now();
    await page.goto(address);
    await page.waitForSelector('body[data-count="1000"]', { timeout: 60000 });
    return Date.now() - started;
  } finally {
    await closeBrowser(cold);
  }
}

async function latency(server, browser) {
  const database = await server.createDatabase('bench-latency');
  const device = new Device();
  await device.start(database.url);
  const address = (await device.command('publishweb')).slice(3);
  const page = await browser.newPage();
  await page.authenticate({ username: server.user, password: server.password });
  await page.goto(address);
  await page.waitForSelector('body[data-ready]');
  const times = [];
  try {
    for (let round = 0; round < 10; round++) {
      let started = Date.now();
      await device.command(`add Desk${round}`);
      await page.waitForSelector(`article[data-title="Desk${round}"]`, { timeout: 20000 });
      times.push(Date.now() - started);

      await page.type('#content', `phone ${round}`);
      await page.type('#title', `Phone${round}`);
      started = Date.now();
      await page.click('.composer .add');
      await waitFor(async () => (await device.command(`has Phone${round}`)) === 'yes', 20000, 'the page item reaches the desktop');
      times.push(Date.now() - started);
      await new Promise((resolve) => setTimeout(resolve, 200));
    }
  } finally {
    await device.stop();
  }
  return median(times);
}

async function main() {
  print('web.bundle_kb', (await bundleKb()).toFixed(1), 'KB');
  const urlFile = join(scratch, 'server.url');
  const pidFile = join(scratch, 'server.pid');
  execFileSync(cloudServer, ['start', '--in-memory', '--pid-file', pidFile, '--url-file', urlFile, '--database', 'bench'],
    { stdio: 'ignore' });
  process.env.STASHLINE_CLOUD_SERVER_URL_FILE = urlFile;
  const browser = await launchBrowser();
  try {
    const server = testServer();
    print('web.first_load_ms_1000', await firstLoad(server, browser), 'ms');
    if (existsSync(process.env.STASHLINE_DEVICE)) print('web.latency_median_ms', await latency(server, browser), 'ms');
    else console.error(`bench: no device process at ${process.env.STASHLINE_DEVICE}; build the desktop first`);
  } finally {
    await closeBrowser(browser);
    execFileSync(cloudServer, ['stop', '--pid-file', pidFile], { stdio: 'ignore' });
    rmSync(scratch, { recursive: true, force: true });
  }
}

await main();
