// What the browser tests share: the local test server (started by the CTest fixture, its
// database URL with the admin's credentials in STASHLINE_CLOUD_SERVER_URL_FILE), desktop device
// processes (STASHLINE_DEVICE, one command a line), and Debian's chromium driven headless.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

export const chromium = process.env.STASHLINE_CHROMIUM || '/usr/bin/chromium';

export function testServer() {
  const file = process.env.STASHLINE_CLOUD_SERVER_URL_FILE;
  if (!file) throw new Error('STASHLINE_CLOUD_SERVER_URL_FILE names no server (run through ctest)');
  const url = new URL(readFileSync(file, 'utf8').trim());
  const user = decodeURIComponent(url.username);
  const password = decodeURIComponent(url.password);
  const authorization = `Basic ${Buffer.from(`${user}:${password}`).toString('base64')}`;
  const request = async (method, path, body) => {
    const response = await fetch(`${url.origin}/${path}`, {
      method, headers: { authorization, 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const text = await response.text();
    return { status: response.status, json: text ? JSON.parse(text) : null };
  };
  return {
    origin: url.origin, user, password, request,
    // A new database of the test's own, and its URL with the credentials for device processes.
    async createDatabase(prefix) {
      const name = `${prefix}-${Date.now()}-${Math.floor(Math.random() * 1e6)}`;
      const answer = await request('PUT', name);
      if (answer.status !== 201) throw new Error(`cannot create ${name}: ${answer.status}`);
      const withCredentials = new URL(url);
      withCredentials.pathname = `/${name}`;
      return { name, url: withCredentials.toString() };
    },
  };
}

// A desktop device process: the app's composition without screens, in a group directory of its own.
export class Device {
  async start(databaseUrl) {
    this.group = mkdtempSync(join(tmpdir(), 'stashline-web-device-'));
    const environment = { ...process.env, STASHLINE_GROUP_DIR: this.group, STASHLINE_CLOUD_URL: databaseUrl,
      QT_QPA_PLATFORM: 'offscreen', STASHLINE_LOG_SINK: 'stderr' };
    delete environment.XCTestConfigurationFilePath;
    this.process = spawn(process.env.STASHLINE_DEVICE, [], { env: environment, stdio: ['pipe', 'pipe', 'ignore'] });
    this.answers = [];
    this.waiting = [];
    createInterface({ input: this.process.stdout }).on('line', (line) => {
      const waiter = this.waiting.shift();
      if (waiter) waiter(line);
      else this.answers.push(line);
    });
    await waitFor(async () => (await this.command('ready')) === 'yes', 30000, 'the device follows the change feed');
  }

  command(line) {
    return new Promise((resolve) => {
      this.waiting.push(resolve);
      this.process.stdin.write(`${line}\n`);
    });
  }

  async dump() {
    return JSON.parse(await this.command('dump'));
  }

  async item(title) {
    return (await this.dump()).find((item) => item.title === title) || null;
  }

  async stop() {
    if (!this.process) return;
    const ended = new Promise((resolve) => this.process.once('exit', resolve));
    this.process.stdin.write('quit\n');
    await Promise.race([ended, new Promise((resolve) => setTimeout(resolve, 5000))]);
    this.process.kill('SIGKILL');
    rmSync(this.group, { recursive: true, force: true });
  }
}

// Polls `check` until it returns something truthy; fails naming `what` after `timeout` ms.
export async function waitFor(check, timeout, what) {
  const end = Date.now() + timeout;
  let last;
  while (Date.now() < end) {
    try {
      last = await check();
      if (last) return last;
    } catch (error) {
      last = error;
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`timed out waiting until ${what} (last: ${last instanceof Error ? last.message : JSON.stringify(last)})`);
}

export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'stashline-web-profile-'));
  const browser = await puppeteer.launch({
    executablePath: chromium, headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--lang=en-US'],
  });
  browser.profile = profile;
  return browser;
}

export async function closeBrowser(browser) {
  if (!browser) return;
  await browser.close();
  rmSync(browser.profile, { recursive: true, force: true });
}

// A phone-sized page signed in to the server, showing `address` once its list is ready.
export async function openPage(browser, server, address) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.authenticate({ username: server.user, password: server.password });
  await page.setViewport({ width: 390, height: 844 });
  await page.goto(address);
  await page.waitForSelector('body[data-ready]', { timeout: 20000 });
  return page;
}

export const card = (title) => `article[data-title="${title}"]`;

// What the page shows of `title`: null when it is not listed.
export function shown(page, title) {
  return page.evaluate((selector) => {
    const element = document.querySelector(selector);
    if (!element) return null;
    return {
      status: element.querySelector('.status').dataset.status,
      favorite: element.querySelector('.star').getAttribute('aria-pressed') === 'true',
    };
  }, card(title));
}

// The SHA-256 of the picture the page holds for `title`, in hex.
export function pagePictureSha256(page, title) {
  return page.evaluate(async (wanted) => {
    const item = window.stash.visibleItems().find((candidate) => candidate.title === wanted);
    const blob = item && await window.stash.picture(item);
    if (!blob) return null;
    const digest = await crypto.subtle.digest('SHA-256', await blob.arrayBuffer());
    return [...new Uint8Array(digest)].map((byte) => byte.toString(16).padStart(2, '0')).join('');
  }, title);
}

// Cuts the network (or gives it back) for the page and for its service worker, whose requests
// the page's own emulation does not cover. The worker's session stays open: closing it would
// end its emulation.
const workerSessions = new Map();
export async function setOffline(browser, page, offline) {
  await page.setOfflineMode(offline);
  for (const target of browser.targets().filter((candidate) => candidate.type() === 'service_worker')) {
    if (!workerSessions.has(target)) {
      const session = await target.createCDPSession();
      await session.send('Network.enable');
      workerSessions.set(target, session);
    }
    await workerSessions.get(target).send('Network.emulateNetworkConditions',
      { offline, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  }
}
