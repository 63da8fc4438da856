// Debian's Chromium, driven by playwright-core, for the page's tests: the
// browser is the system's, nothing is downloaded.
import { chromium } from 'playwright-core';
import { after, before } from 'node:test';
import { createServer } from 'node:http';
import { existsSync, readFileSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import { dirname } from 'node:path';
import { pathToFileURL } from 'node:url';

export const pagePath = process.env.QVRTOMORVANE_PAGE;
export const converterPath = process.env.QVRTOMORVANE_CLI;
export const makeCodePath = process.env.QVRTOMORVANE_MAKE_CODE;
export const pageUrl = pathToFileURL(pagePath ?? '').href;

export async function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    // As root a sandbox cannot start; the rest keeps Chromium from reaching
    // out to the network on its own.
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

// One browser and one host for all the tests of a file: what this returns
// holds them once they are up.
export function sharedBrowser() {
  const shared = {};
  before(async () => {
    shared.browser = await launch();
    shared.server = await serve();
  });
  after(async () => {
    await shared.browser?.close();
    shared.server?.close();
  });
  return shared;
}

// A static host on 127.0.0.1 for the page and what the build puts beside
// it; while offline() says so, it answers nothing, as a network that is gone.
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };
export async function serve() {
  const folder = dirname(pagePath);
  const state = { offline: false };
  const server = createServer((request, response) => {
    const name = request.url === '/' ? 'index.html' : request.url.slice(1).split('?')[0];
    const type = types[name.slice(name.lastIndexOf('.'))];
    if (state.offline) {
      request.socket.destroy();
    } else if (!type || name.includes('/') || !existsSync(`${folder}/${name}`)) {
      response.writeHead(404);
      response.end();
    } else {
      response.writeHead(200, { 'content-type': type });
      response.end(readFileSync(`${folder}/${name}`));
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close(),
    offline: (on) => { state.offline = on; } };
}

// Opens the page and waits for its module; problems are collected, and so
// is every request the page makes.
export async function open(browser, url = pageUrl, options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  const page = await context.newPage();
  const problems = [];
  const requests = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning')
      problems.push(`${message.type()}: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error}`));
  page.on('request', (request) => requests.push(request.url()));
  // File choosers are caught from the start: caught only once a test waits
  // for one, a chooser opened at once (by a key) could slip past.
  page.on('filechooser', () => {});
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.ready === 'true');
  return { context, page, problems, requests };
}

// Chooses a file in the picker and waits until the page has taken it.
export async function chooseFile(page, path, open = () => page.click('#loadPushButton')) {
  const loads = await page.evaluate(() => Number(document.body.dataset.loads ?? 0));
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), open()]);
  await chooser.setFiles(path);
  await page.waitForFunction((before) => Number(document.body.dataset.loads ?? 0) > before, loads);
}

export async function save(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#savePushButton')]);
  return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
}

// What qvrtomorvane-cli writes for a file, or null when it refuses it.
export function converterOutput(path) {
  const run = spawnSync(converterPath, [path]);
  return run.status === 0 ? run.stdout : null;
}

// Waits until every step the page has under way is done and shown (the
// session answers from its worker).
export const settled = (page) => page.waitForFunction(() => (document.body.dataset.busy ?? '0') === '0');

export async function state(page) {
  await settled(page);
  return page.evaluate(() => {
    const element = (id) => document.getElementById(id);
    return {
      upper: element('qvrCodeTextEdit').value,
      upperPlaceholder: element('qvrCodeTextEdit').placeholder,
      path: element('loadPathLabel').textContent,
      lower: element('morvaneCodeTextEdit').value,
      convert: !element('convertPushButton').disabled,
      save: !element('savePushButton').disabled,
      copy: !element('copyPushButton').disabled,
      details: !element('conversionDetails').hidden,
      status: element('conversionSummaryLabel').textContent,
    };
  });
}

export const folderOf = (path) => dirname(path);
