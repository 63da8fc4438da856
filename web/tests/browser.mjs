// The browsers the page's tests run in, all from Debian's packages and
// driven by clients that download nothing: Chromium through playwright-core,
// Firefox ESR through puppeteer-core over WebDriver BiDi, and WebKitGTK (the
// engine of Safari) through its WebKitWebDriver. Every test is written once
// against the Page below; QVRTOMORVANE_ENGINE says which engine a run uses.
// What one engine's automation cannot do is done another way here, not
// skipped: WebKit's console is read through a hook in the page, its window
// is never narrower than 447 pixels so narrower views are a frame of that
// width, and a download is taken where the page hands it to the browser in
// the engines whose automation has no downloads.
import { after, before } from 'node:test';
import { createServer } from 'node:http';
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const pagePath = process.env.QVRTOMORVANE_PAGE;
export const converterPath = process.env.QVRTOMORVANE_CLI;
export const makeCodePath = process.env.QVRTOMORVANE_MAKE_CODE;
export const pageUrl = pathToFileURL(pagePath ?? '').href;
export const engine = process.env.QVRTOMORVANE_ENGINE ?? 'chromium';
// Every number and name of the session, as the build handed them to the page.
export const sessionConstants = pagePath
  ? JSON.parse(readFileSync(join(dirname(pagePath), '..', 'session-constants.json'), 'utf8')) : {};

const chromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// In the page: what would reach the console, for an engine whose
// automation cannot see it; and a download, where the page hands it to the
// browser, for one whose automation has none.
function installHooks(takeDownloads) {
  if (window.testHooks)
    return;
  const hooks = { problems: [], downloads: [], clicks: 0 };
  window.testHooks = hooks;
  document.addEventListener('click', () => { hooks.clicks += 1; }, true);
  for (const type of ['error', 'warn'])
    console[type] = ((original) => (...args) => { hooks.problems.push(`${type}: ${args.join(' ')}`); original(...args); })(console[type]);
  addEventListener('error', (event) => hooks.problems.push(`page error: ${event.message}`));
  addEventListener('unhandledrejection', (event) => hooks.problems.push(`page error: ${event.reason}`));
  document.addEventListener('securitypolicyviolation', (event) =>
    hooks.problems.push(`error: ${event.blockedURI} violates ${event.violatedDirective}`));
  if (!takeDownloads)
    return;
  // The page's policy lets no fetch in, not even of its own blob: the blob
  // is kept as the page makes its address.
  const blobs = new Map();
  const createObjectURL = URL.createObjectURL;
  URL.createObjectURL = (blob) => {
    const address = createObjectURL(blob);
    blobs.set(address, blob);
    return address;
  };
  const click = HTMLAnchorElement.prototype.click;
  HTMLAnchorElement.prototype.click = function clickAndKeep() {
    if (!this.download || !blobs.has(this.href))
      return click.call(this);
    // As base64, which every automation carries quickly, even megabytes.
    hooks.downloads.push(blobs.get(this.href).arrayBuffer().then((buffer) => {
      const bytes = new Uint8Array(buffer);
      let binary = '';
      for (let i = 0; i < bytes.length; i += 0x8000)
        binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      return { name: this.download, base64: btoa(binary) };
    }));
    return undefined;
  };
}

// A function for the page that looks at the condition every few
// milliseconds until it holds (and gives what it gave) or a few seconds
// have passed. Made here from the condition's text, since the page's
// policy lets no text become code.
const pollSlice = 5000;
function inPagePoll(condition) {
  // eslint-disable-next-line no-new-func
  return new Function('arg', `const condition = ${condition};
    const until = Date.now() + ${pollSlice};
    return (async () => {
      for (;;) {
        const value = await condition(arg);
        if (value)
          return value;
        if (Date.now() > until)
          return false;
        await new Promise((resolve) => setTimeout(resolve, 4));
      }
    })();`);
}

// What every engine's page does the same way, on top of evaluate.
class Page {
  // Polled in the page, a few seconds at a time, so that a wait already
  // over, or over soon, costs one round trip to the browser and not one
  // for every look. Gives what the condition gave once it held.
  async waitForFunction(condition, arg, { timeout = 60000 } = {}) {
    const until = Date.now() + timeout;
    const poll = inPagePoll(condition);
    for (;;) {
      const value = await this.evaluate(poll, arg);
      if (value)
        return value;
      if (Date.now() > until)
        throw new Error(`waited ${timeout} ms for ${condition}`);
    }
  }

  // As playwright's clicks do, a click waits until its target is on: no
  // one can click a button that a step under way has turned off.
  enabled(selector) {
    return this.waitForFunction((selector) => !document.querySelector(selector).disabled, selector);
  }

  textContent(selector) {
    return this.evaluate((selector) => document.querySelector(selector).textContent, selector);
  }

  getAttribute(selector, name) {
    return this.evaluate(([selector, name]) => document.querySelector(selector).getAttribute(name), [selector, name]);
  }

  // A page opened from disk makes no request at all; one served is seen by
  // the server too.
  requests() {
    return this.evaluate(() => performance.getEntriesByType('resource').map((entry) => entry.name));
  }

  async problems() {
    return this.evaluate(() => window.testHooks?.problems ?? []);
  }

  // The download a button starts (Save's), or whatever open() does, as the
  // page hands it to the browser.
  async save(open = '#savePushButton') {
    const before = await this.evaluate(() => window.testHooks.downloads.length);
    await (typeof open === 'string' ? this.click(open) : open());
    await this.waitForFunction((before) => window.testHooks.downloads.length > before, before);
    const { name, base64 } = await this.evaluate((index) => window.testHooks.downloads[index], before);
    return { name, bytes: Buffer.from(base64, 'base64') };
  }

  async afterLoad() {
    await this.evaluate(installHooks, !(this instanceof PlaywrightPage));
    await this.waitForFunction(() => document.body.dataset.ready === 'true');
  }

  setOffline() {}

  cdp() {
    throw new Error(`${engine} has no DevTools protocol`);
  }
}

class PlaywrightPage extends Page {
  constructor(context, page) {
    super();
    Object.assign(this, { context, page, seen: [], asked: [] });
    page.on('console', (message) => {
      if (message.type() === 'error' || message.type() === 'warning')
        this.seen.push(`${message.type()}: ${message.text()}`);
    });
    page.on('pageerror', (error) => this.seen.push(`page error: ${error}`));
    page.on('request', (request) => this.asked.push(request.url()));
    // File choosers are caught from the start: caught only once a test
    // waits for one, a chooser opened at once (by a key) could slip past.
    page.on('filechooser', () => {});
  }

  async goto(url) {
    await this.page.goto(url);
    await this.afterLoad();
  }

  async reload() {
    await this.page.reload();
    await this.afterLoad();
  }

  evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  // A script of the test's own, which the page's policy would not let in.
  run(source) { return this.page.evaluate(source); }
  // Waits for its target as the other engines' clicks do, then clicks where
  // it is, with real mouse events: whatever covered it would take the
  // click. Playwright's own checks besides (two still frames, what the
  // point hits) took 35 ms a click.
  async click(selector) {
    await this.enabled(selector);
    await this.page.click(selector, { force: true });
  }

  async select(selector, value) { await this.page.selectOption(selector, value); }
  tap(selector) { return this.page.tap(selector); }
  press(key) { return this.page.keyboard.press(key); }
  type(text) { return this.page.keyboard.type(text); }
  screenshot(path, fullPage) { return this.page.screenshot({ path, fullPage }); }
  async problems() { return [...this.seen]; }
  async requests() { return [...this.asked]; }
  setOffline(on) { return this.context.setOffline(on); }
  // One DevTools session for the page, whose settings (a slowed CPU) hold
  // while it does.
  async cdp(method, params) {
    this.devTools ??= await this.context.newCDPSession(this.page);
    return this.devTools.send(method, params);
  }

  // Through the picker the load button opens, as a user does; or, where a
  // test opens no picker (open: null), on the file input itself, as the
  // other engines' automation always does.
  async setFiles(selector, path, open = () => this.page.click('#loadPushButton')) {
    if (open === null)
      return this.page.setInputFiles(selector, path);
    const [chooser] = await Promise.all([this.page.waitForEvent('filechooser'), open()]);
    return chooser.setFiles(path);
  }

  async save(open = () => this.page.click('#savePushButton')) {
    if (typeof open === 'string') {
      const selector = open;
      open = () => this.page.click(selector);
    }
    const [download] = await Promise.all([this.page.waitForEvent('download'), open()]);
    return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
  }

  close() { return this.context.close(); }
}

// Firefox loads a served page's touch icon itself, through the page's
// service worker; a test that reloads or moves on while that load is on its
// way cuts it off, and Firefox reports the cut as the page's error. It is
// the browser's: the installable test loads the icon offline through the
// worker, as the page's own load.
const firefoxsIconCut = /^Error: Failed to load ‘[^’]*\/apple-touch-icon\.png’\. A ServiceWorker intercepted the request and encountered an unexpected error\.$/;

class PuppeteerPage extends Page {
  constructor(context, page) {
    super();
    Object.assign(this, { context, page, seen: [] });
    page.on('console', (message) => {
      if (message.type() === 'error' || message.type() === 'warn')
        this.seen.push(`${message.type()}: ${message.text()}`);
    });
    page.on('pageerror', (error) => {
      if (!firefoxsIconCut.test(String(error)))
        this.seen.push(`page error: ${error}`);
    });
  }

  async goto(url) {
    await this.page.goto(url);
    await this.afterLoad();
  }

  async reload() {
    await this.page.reload();
    await this.afterLoad();
  }

  evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  run(source) { return this.page.evaluate(source); }
  async click(selector) {
    await this.enabled(selector);
    await this.page.click(selector);
  }

  tap(selector) { return this.click(selector); }
  async select(selector, value) { await this.page.select(selector, value); }
  // "Control+V": modifiers held down around the key.
  async press(combination) {
    const keys = combination.split('+');
    const key = keys.pop();
    for (const modifier of keys)
      await this.page.keyboard.down(modifier);
    await this.page.keyboard.press(key);
    for (const modifier of keys.reverse())
      await this.page.keyboard.up(modifier);
  }

  type(text) { return this.page.keyboard.type(text); }
  screenshot(path, fullPage) { return this.page.screenshot({ path, fullPage }); }
  async problems() { return [...this.seen]; }
  async setFiles(selector, paths) { await (await this.page.$(selector)).uploadFile(...[paths].flat()); }
  close() { return this.context.close(); }
}

// Classic WebDriver over HTTP, for WebKitWebDriver.
class WebDriverPage extends Page {
  constructor(session, viewport) {
    super();
    Object.assign(this, { session, viewport });
  }

  async call(method, path, body) {
    const response = await fetch(`${this.session.url}${path}`, {
      method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body) });
    const { value } = await response.json();
    if (value?.error)
      throw new Error(`${value.error}: ${value.message}`);
    return value;
  }

  // A view narrower than the window can be is a frame of that width. The
  // window's view holds all of it: WebKitWebDriver scrolls an element into
  // view in its frame alone, and a click outside the window's view misses.
  async goto(url) {
    const { width, height } = this.viewport;
    if (width < 447) {
      const harness = join(this.session.folder, `frame-${width}.html`);
      writeFileSync(harness, `<!doctype html><body style="margin:0"><iframe id="view" title="page" src="${url}"
        style="border:0;display:block;width:${width}px;height:${height}px"></iframe>`);
      await this.call('POST', '/url', { url: pathToFileURL(harness).href });
      await this.fitWindow(1024, height);
      await this.call('POST', '/frame', { id: await this.call('POST', '/element', { using: 'css selector', value: '#view' }) });
      await this.waitForFunction(() => document.readyState === 'complete' && document.body !== null);
    } else {
      await this.call('POST', '/url', { url });
      await this.fitWindow(width, height);
    }
    await this.afterLoad();
  }

  // The window's rectangle holds its toolbar too.
  async fitWindow(width, height) {
    await this.call('POST', '/window/rect', { width, height });
    const inner = await this.evaluate(() => innerHeight);
    await this.call('POST', '/window/rect', { width, height: 2 * height - inner });
  }

  // Opens the address again, as a user opens the page: offline, WebKit's
  // refresh of a page its service worker held from the start never loads.
  async reload() {
    await this.call('POST', '/url', { url: await this.call('GET', '/url') });
    await this.afterLoad();
  }

  async evaluate(fn, arg) {
    const script = `const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn})(arguments[0])).then((value) => done({ value }), (error) => done({ error: String(error) }));`;
    const { value, error } = await this.call('POST', '/execute/async', { script, args: [arg ?? null] });
    if (error)
      throw new Error(error);
    return value;
  }

  run(source) { return this.call('POST', '/execute/sync', { script: source, args: [] }); }

  async element(selector) {
    return this.call('POST', '/element', { using: 'css selector', value: selector });
  }

  // WebKitWebDriver answers before the page has had the click: this waits
  // until it has (a disabled button has none). It aims where the element
  // is once the page has stopped scrolling; a click the page never had
  // (on a busy machine, once in about sixty runs, none of three reached
  // the page at all: no click event anywhere in it) is made again, and
  // the third time by the element itself, with what the page saw of it
  // printed.
  async click(selector) {
    await this.enabled(selector);
    await this.waitForFunction(() => new Promise((resolve) => {
      const at = [scrollX, scrollY];
      requestAnimationFrame(() => requestAnimationFrame(() => resolve(scrollX === at[0] && scrollY === at[1])));
    }));
    const before = await this.evaluate(() => window.testHooks.clicks);
    const had = ({ selector, before }) => window.testHooks.clicks > before || document.querySelector(selector).disabled;
    for (let attempt = 0; attempt < 2; ++attempt) {
      await this.call('POST', `/element/${Object.values(await this.element(selector))[0]}/click`, {});
      try {
        await this.waitForFunction(had, { selector, before }, { timeout: 5000 });
        return;
      } catch { /* lost: made again */ }
    }
    console.log(`WebKit lost two clicks on ${selector}: ${JSON.stringify(await this.evaluate((selector) => {
      const box = document.querySelector(selector).getBoundingClientRect();
      const hit = document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2);
      return { box, view: [innerWidth, innerHeight, scrollX, scrollY], hit: hit && (hit.id || hit.tagName) };
    }, selector))}`);
    await this.evaluate((selector) => document.querySelector(selector).click(), selector);
    await this.waitForFunction(had, { selector, before });
  }

  tap(selector) { return this.click(selector); }

  // WebDriver chooses an option by clicking it.
  async select(selector, value) {
    const option = await this.element(`${selector} option[value="${value}"]`);
    await this.call('POST', `/element/${Object.values(option)[0]}/click`, {});
    await this.waitForFunction(([selector, value]) => document.querySelector(selector).value === value, [selector, value]);
  }

  async press(combination) {
    const keys = { Tab: '\uE004', Enter: '\uE007', Control: '\uE009', Shift: '\uE008', Escape: '\uE00C' };
    const parts = combination.split('+').map((key) => keys[key] ?? key.toLowerCase());
    const actions = [...parts.map((value) => ({ type: 'keyDown', value })),
      ...parts.reverse().map((value) => ({ type: 'keyUp', value }))];
    await this.call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
  }

  async type(text) {
    const actions = [...text].flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]);
    await this.call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
  }

  // Several files as WebDriver gives them: one path to a line.
  async setFiles(selector, paths) {
    await this.call('POST', `/element/${Object.values(await this.element(selector))[0]}/value`,
      { text: [paths].flat().join('\n') });
  }

  async screenshot(path) {
    const frame = this.viewport.width < 447;
    if (frame)
      await this.call('POST', '/frame/parent', {});
    const image = frame
      ? await this.call('GET', `/element/${Object.values(await this.element('#view'))[0]}/screenshot`)
      : await this.call('GET', '/screenshot');
    if (frame)
      await this.call('POST', '/frame', { id: await this.element('#view') });
    writeFileSync(path, Buffer.from(image, 'base64'));
  }

  async close() {}
}

// A port no one listens on, as the system hands it out: a port picked at
// random was sometimes another suite's driver's, whose session then
// answered "Maximum number of active sessions".
function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer();
    probe.on('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// A WebKitWebDriver with one browser session, which every page of its
// scheme reuses in turn.
async function webDriverSession(dark, languages) {
  const port = await freePort();
  // WebKitGTK takes the user's language from the system's locale ("ja-JP"
  // from ja_JP.UTF-8), which must exist: it is made in a folder of this
  // session's own.
  let env = process.env;
  if (languages?.[0] === 'C') {
    env = { ...process.env, LANG: 'C', LANGUAGE: '', LC_ALL: '', LC_MESSAGES: '' };
  } else if (languages) {
    const locale = languages[0].replace('-', '_');
    const locales = mkdtempSync(join(tmpdir(), 'qvrtomorvane-locale-'));
    const made = spawnSync('localedef', ['-i', locale, '-f', 'UTF-8', join(locales, `${locale}.UTF-8`)]);
    if (made.status !== 0)
      throw new Error(`localedef could not make ${locale}: ${made.stderr}`);
    env = { ...process.env, LANG: `${locale}.UTF-8`, LANGUAGE: '', LC_ALL: '', LC_MESSAGES: '', LOCPATH: locales };
  }
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore', env });
  const url = `http://127.0.0.1:${port}`;
  const args = ['--automation', '--javascript-can-access-clipboard=true', ...(dark ? ['--dark-mode'] : [])];
  let created;
  for (let attempt = 0; !created && attempt < 100; ++attempt) {
    created = await fetch(`${url}/session`, { method: 'POST', headers: { 'content-type': 'application/json' },
      body: JSON.stringify({ capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: miniBrowser, args } } } }) })
      .then((response) => response.json()).catch(() => sleep(100));
  }
  if (!created?.value?.sessionId)
    throw new Error(`WebKitWebDriver did not start: ${JSON.stringify(created)}`);
  const folder = mkdtempSync(join(tmpdir(), 'qvrtomorvane-webkit-'));
  return { url: `${url}/session/${created.value.sessionId}`, folder,
    close: async () => { await fetch(`${url}/session/${created.value.sessionId}`, { method: 'DELETE' }); driver.kill(); } };
}

// One engine's browser. Pages open in turn with what a test asks: a
// viewport, a dark scheme, touch, the user's languages (["ja", "en"]).
export async function launch() {
  // Per scheme and languages, for the engines that start a browser for each.
  const shown = {};
  const ofScheme = async (dark, start, languages) =>
    (shown[`${dark} ${languages ?? ''}`] ??= await start(dark, languages));
  const closers = [];
  let open;
  if (engine === 'chromium') {
    const { chromium } = await import('playwright-core');
    // As root a sandbox cannot start; the rest keeps Chromium from reaching
    // out to the network on its own.
    const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: chromiumFlags });
    closers.push(() => browser.close());
    open = async ({ viewport, dark, touch, languages } = {}) => {
      const context = await browser.newContext({ acceptDownloads: true, viewport, colorScheme: dark ? 'dark' : 'light',
        isMobile: touch, hasTouch: touch, locale: languages?.[0] });
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      const page = new PlaywrightPage(context, await context.newPage());
      // Playwright's locale is one language; the rest of the list as
      // Chromium takes it from its settings.
      if (languages?.length > 1)
        await page.cdp('Emulation.setUserAgentOverride', { userAgent: await page.evaluate(() => navigator.userAgent),
          acceptLanguage: languages.join(',') });
      return page;
    };
  } else if (engine === 'firefox') {
    const { default: puppeteer } = await import('puppeteer-core');
    // A scheme is the browser's own setting; the testing setting lets a
    // page read the clipboard without Firefox's own "Paste" confirmation.
    const start = async (dark, languages) => {
      const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
        extraPrefsFirefox: { 'dom.events.testing.asyncClipboard': true,
          'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1,
          ...(languages && { 'intl.accept_languages': languages.join(',') }) } });
      closers.push(() => browser.close());
      return browser;
    };
    open = async ({ viewport = { width: 1280, height: 720 }, dark, languages } = {}) => {
      const browser = await ofScheme(Boolean(dark), start, languages);
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport(viewport);
      return new PuppeteerPage(context, page);
    };
  } else if (engine === 'webkit') {
    const start = async (dark, languages) => {
      const session = await webDriverSession(dark, languages);
      closers.push(session.close);
      return session;
    };
    open = async ({ viewport = { width: 1280, height: 720 }, dark, languages } = {}) =>
      new WebDriverPage(await ofScheme(Boolean(dark), start, languages), viewport);
  } else {
    throw new Error(`unknown engine ${engine}`);
  }
  return {
    // Nothing is opened without a url, for a test to prepare the page first.
    async open(url, options) {
      const page = await open(options);
      if (url)
        await page.goto(url);
      return page;
    },
    async close() {
      for (const close of closers)
        await close();
    },
  };
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
// it; while offline() says so, it answers nothing, as a network that is
// gone. It keeps what it was asked for.
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };
export async function serve() {
  const folder = dirname(pagePath);
  const state = { offline: false, asked: [] };
  const server = createServer((request, response) => {
    const name = request.url === '/' ? 'index.html' : request.url.slice(1).split('?')[0];
    const type = types[name.slice(name.lastIndexOf('.'))];
    state.asked.push(request.url);
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
  // A test that fails before it closes its host must not keep its file's
  // process, and with it the whole suite, waiting.
  server.unref();
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => { server.close(); server.closeAllConnections(); },
    offline: (on) => { state.offline = on; }, asked: state.asked };
}

// Opens the page and waits for its module.
export const open = (browser, url = pageUrl, options = {}) => browser.open(url, options);

// Waits until every step the page has under way is done and shown (the
// session answers from its worker).
export const settled = (page) => page.waitForFunction(() => (document.body.dataset.busy ?? '0') === '0');

// Chooses a file in the picker and waits until the page has taken it.
export async function chooseFile(page, path, how) {
  const loads = await page.evaluate(() => Number(document.body.dataset.loads ?? 0));
  await page.setFiles('#fileInput', path, how);
  await page.waitForFunction((before) => Number(document.body.dataset.loads ?? 0) > before, loads);
  await settled(page);
}

export async function save(page) {
  const saved = await page.save();
  await settled(page);
  return saved;
}

// What qvrtomorvane-cli writes for a file, or null when it refuses it.
export function converterOutput(path) {
  const run = spawnSync(converterPath, [path]);
  return run.status === 0 ? run.stdout : null;
}

// What the page shows once every step under way is done, and how many
// loads it has counted: one wait, whose last look is the answer.
export function state(page) {
  return page.waitForFunction(() => {
    if ((document.body.dataset.busy ?? '0') !== '0')
      return false;
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
      message: element('statusMessage').textContent,
      loads: Number(document.body.dataset.loads ?? 0),
    };
  });
}

export const folderOf = (path) => dirname(path);
