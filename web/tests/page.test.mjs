// The web page in a real browser: loaded from disk and from a static host,
// driven through its file picker, clipboard, drops and keyboard as a user
// would, and checked byte for byte against qvrtomorvane-cli.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, truncateSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import {
  chooseFile, converterOutput, converterPath, engine, makeCodePath, open, pageUrl, save, serve, sessionConstants, settled,
  sharedBrowser, state,
} from './browser.mjs';

const invalidMessage = 'The file you provided is not a valid QVR file!!';
const exampleFile = (name) => readFileSync(fileURLToPath(new URL(`../../tests/data/${name}`, import.meta.url)), 'utf8');
const exampleCode = exampleFile('example-code.txt');
const exampleConverted = exampleFile('example-morvane.txt');

const shared = sharedBrowser();
const folder = mkdtempSync(join(tmpdir(), 'qvrtomorvane-web-'));
const file = (name, content) => {
  const path = join(folder, name);
  writeFileSync(path, content);
  return path;
};
const utf16WithMark = (text) => Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(text, 'utf16le')]);

test('opens from disk and from a static host with no error and no request', async () => {
  for (const url of [pageUrl, shared.server.url]) {
    const asked = shared.server.asked.length;
    const page = await open(shared.browser, url);
    await chooseFile(page, file('example.txt', exampleCode));
    await page.click('#convertPushButton');
    assert.equal((await state(page)).lower, exampleConverted);
    assert.deepEqual(await page.problems(), [], url);
    // From disk nothing at all; from a host only what installing it needs.
    const beside = url === pageUrl ? [] : ['manifest.webmanifest', 'sw.js', 'apple-touch-icon.png'].map((name) => url + name);
    assert.deepEqual((await page.requests()).filter((request) => request !== url && !/^(data|blob):/.test(request)
      && !beside.includes(request)), [], url);
    const installing = ['/', '/index.html', '/manifest.webmanifest', '/sw.js', '/icon-192.png', '/icon-512.png',
      '/icon-maskable-192.png', '/icon-maskable-512.png', '/apple-touch-icon.png'];
    assert.deepEqual(shared.server.asked.slice(asked).filter((path) => !installing.includes(path)), [], url);
    await page.close();
  }
});

const files = [
  { name: 'valid', content: Buffer.from(exampleCode), upper: exampleCode, converted: exampleConverted },
  { name: 'UTF-16 with byte-order mark and CRLF', content: utf16WithMark('107**z\u00e9_aa1.2.3\r\nzz\r\n'),
    upper: '107**z\u00e9_aa1.2.3\nzz\n', converted: '105**z\u00e9_aa1' },
  { name: 'invalid', content: Buffer.from('108**aa1.2.3'), upper: invalidMessage },
  { name: 'empty', content: Buffer.alloc(0), upper: invalidMessage },
  { name: 'binary junk', content: Buffer.from([0x7f, 0x45, 0x4c, 0x46, 0, 1, 0xff, 0x5f, 0, 0x80]), upper: invalidMessage },
];

for (const { name, content, upper, converted } of files) {
  test(`file picker, convert and save: ${name}`, async () => {
    const page = await open(shared.browser);
    const path = file(`${name.replace(/\W+/g, '-')}.txt`, content);
    await chooseFile(page, path);
    const shown = await state(page);
    assert.equal(shown.upper, upper);
    assert.equal(shown.convert, converted !== undefined);
    if (converted === undefined) {
      assert.equal(converterOutput(path), null);
      assert.equal(shown.save, false);
    } else {
      assert.equal(shown.path, path.split('/').pop());
      await page.click('#convertPushButton');
      assert.equal((await state(page)).lower, converted);
      const saved = await save(page);
      assert.deepEqual(saved.bytes, converterOutput(path));
      assert.match(saved.name, /-morvane\.txt$/);
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
}

// Generated codes of every shape the generator makes, and arbitrary bytes
// behind headers and byte-order marks, through the page's own path from a
// file's bytes to the bytes it saves: all 300 in Chromium, every tenth in
// the other engines, whose core is the same WebAssembly.
const everyCode = engine === 'chromium';
test(`${everyCode ? 300 : 30} generated codes convert in the page exactly as qvrtomorvane-cli converts them`, async () => {
  const codes = join(folder, 'codes');
  const converted = join(folder, 'converted');
  mkdirSync(codes);
  const paths = [];
  for (let seed = 1; seed <= 250; ++seed) {
    const path = join(codes, `code-${seed}.txt`);
    if (everyCode || seed % 10 === 1)
      assert.equal(spawnSync(makeCodePath, [String(0.0005 + (seed % 20) / 1000), path, String(seed)]).status, 0);
    paths.push(path);
  }
  const alphabet = Buffer.from('__...0123456789-+ \n\r\r\nmrstachfdvbx\xc3\xa9\x80\xff', 'latin1');
  const heads = [[], [0xef, 0xbb, 0xbf], [0xff, 0xfe], [0xfe, 0xff]];
  let random = 12345;
  for (let i = 0; i < 50; ++i) {
    const bytes = [...heads[i % heads.length], ...Buffer.from(i % 5 ? '107**' : '106**')];
    for (let j = 0; j < 20 + i * 7; ++j) {
      random = (random * 1103515245 + 12345) % 2147483648;
      bytes.push(alphabet[random % alphabet.length]);
    }
    paths.push(file(join('codes', `noise-${i}.txt`), Buffer.from(bytes)));
  }
  const tried = everyCode ? paths : paths.filter((path, index) => index % 10 === 0);
  spawnSync(converterPath, ['-d', converted, ...tried]);

  const page = await open(shared.browser);
  let convertedCount = 0;
  // As base64 both ways, a batch of codes at a time: the same steps, fewer
  // trips through the automation.
  for (let first = 0; first < tried.length; first += 25) {
    const batch = tried.slice(first, first + 25);
    const inPage = await page.evaluate(async (contents) => {
      const results = [];
      for (const content of contents) {
        const bytes = Uint8Array.from(atob(content), (c) => c.charCodeAt(0));
        const result = await window.QVRtoMorvane.convertFileBytes(bytes);
        results.push(result ? btoa(Array.from(result, (b) => String.fromCharCode(b)).join('')) : null);
      }
      return results;
    }, batch.map((path) => readFileSync(path).toString('base64')));
    batch.forEach((path, index) => {
      const output = join(converted, path.split('/').pop());
      const expected = existsSync(output) ? readFileSync(output) : null;
      assert.deepEqual(inPage[index] === null ? null : Buffer.from(inPage[index], 'base64'), expected, path);
      convertedCount += expected ? 1 : 0;
    });
  }
  assert.ok(convertedCount > tried.length * 0.8, `${convertedCount} of ${tried.length} converted`);
  await page.close();
});

test('paste, copy, drop and clear', async () => {
  const page = await open(shared.browser, shared.server.url);
  await page.evaluate((code) => navigator.clipboard.writeText(code), exampleCode);
  await page.evaluate(() => document.getElementById('qvrCodeTextEdit').focus());
  await page.press('Control+V');
  await page.waitForFunction(() => document.getElementById('loadPathLabel').textContent === '(clipboard)');
  assert.equal((await state(page)).upper, exampleCode);
  await page.click('#convertPushButton');
  await page.click('#copyPushButton');
  // The copy is a step: the worker's answer, then the clipboard's.
  assert.equal((await state(page)).message, 'Morvane code copied.');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), exampleConverted);

  const drop = (names) => page.evaluate((names) => {
    const data = new DataTransfer();
    for (const name of names)
      data.items.add(new File(['106**zz1_cd2'], name, { type: 'text/plain' }));
    document.getElementById('morvaneCodeTextEdit').dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  }, names);
  await drop(['one.txt', 'two.txt']); // several files are converted together, beside the code held
  await page.waitForFunction(() => document.getElementById('batchStatus').textContent !== '');
  assert.equal(await page.textContent('#batchStatus'), 'Converted 2 of 2 codes.');
  assert.equal((await state(page)).path, '(clipboard)');
  await drop(['hero.txt']);
  await page.waitForFunction(() => document.getElementById('loadPathLabel').textContent === 'hero.txt');
  await page.click('#convertPushButton');
  assert.equal((await state(page)).lower, '105**zz1');

  await page.click('#clearPushButton');
  assert.equal((await state(page)).upper, '');
  await page.close();
});

// Tab and Enter alone: load a file, convert it, save it; the focused
// control always shows it.
test('keyboard only', async () => {
  const page = await open(shared.browser);
  const tabTo = async (id) => {
    for (let i = 0; i < 20; ++i) {
      await page.press('Tab');
      // Read at once: the result takes the focus when a conversion ends.
      const focused = await page.evaluate(() => document.activeElement
        && [document.activeElement.id, getComputedStyle(document.activeElement).outlineStyle]);
      if (focused?.[0] === id) {
        assert.notEqual(focused[1], 'none', `focus on ${id} is visible`);
        return;
      }
    }
    assert.fail(`Tab never reached ${id}`);
  };
  await tabTo('loadPushButton');
  await chooseFile(page, file('keys.txt', exampleCode), () => page.press('Enter'));
  await tabTo('convertPushButton');
  await page.press('Enter');
  await settled(page);
  await tabTo('savePushButton');
  const saved = await page.save(() => page.press('Enter'));
  assert.equal(saved.bytes.toString('utf8'), exampleConverted);
  await page.close();
});

// A phone's width and a desktop's, in the system's light or dark scheme:
// nothing scrolls sideways, codes break anywhere and every other text only
// between words. The screenshots go where QVRTOMORVANE_SCREENSHOTS says,
// when it does.
test('layout at 360 and 1280 pixels, light and dark', async () => {
  for (const [width, height, scheme] of [[360, 800, 'light'], [1280, 900, 'light'], [360, 800, 'dark']]) {
    const page = await open(shared.browser, pageUrl, { viewport: { width, height }, dark: scheme === 'dark' });
    await chooseFile(page, file('hero.txt', exampleCode));
    await page.click('#convertPushButton');
    await openDetails(page);
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
    assert.equal(overflow, 0, `${width} px wide scrolls sideways`);
    const background = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
    assert.equal(background === 'rgb(23, 23, 27)', scheme === 'dark');
    assert.deepEqual(await wrapping(page), { codes: 'anywhere', texts: 'between words', brokenWords: [] });
    if (process.env.QVRTOMORVANE_SCREENSHOTS)
      await page.screenshot(join(process.env.QVRTOMORVANE_SCREENSHOTS, `web-${engine}-${width}-${scheme}.png`), width === 360);
    await chooseFile(page, file('refused.txt', '108**zz'));
    assert.deepEqual(await wrapping(page), { codes: 'anywhere', texts: 'between words', brokenWords: [] });
    if (process.env.QVRTOMORVANE_SCREENSHOTS && width === 360 && scheme === 'light')
      await page.screenshot(join(process.env.QVRTOMORVANE_SCREENSHOTS, `web-${engine}-360-refused.png`), false);
    await page.close();
  }
});

// Once Convert is done: a conversion that lands after the details are
// open closes them, as it must.
async function openDetails(page) {
  await settled(page);
  await page.click('#conversionDetails summary');
  await page.waitForFunction(() => document.getElementById('conversionDetails').dataset.shown === 'true');
}

// How the page's texts wrap: the panes' as a code (anywhere) or as words
// (the refusal in the upper pane, the placeholders); and every word of the
// other texts on one line, measured word by word.
function wrapping(page) {
  return page.evaluate(() => {
    const style = (element) => getComputedStyle(element);
    const asCode = (s) => s.wordBreak === 'break-all' || s.overflowWrap === 'anywhere';
    const asWords = (s) => s.wordBreak === 'normal' && s.overflowWrap !== 'anywhere';
    const panes = ['qvrCodeTextEdit', 'morvaneCodeTextEdit'].map((id) => document.getElementById(id));
    const codes = [...panes.filter((pane) => pane.value && !pane.classList.contains('message')),
      ...document.querySelectorAll('.marked')].every((pane) => asCode(style(pane))) ? 'anywhere' : 'not anywhere';
    const wordTexts = [...panes.filter((pane) => !pane.value || pane.classList.contains('message')).map((pane) => style(pane)),
      ...[...document.querySelectorAll('p:not(.marked), li, label, summary, h1, h2, h3, button')].map((element) => style(element))];
    const texts = wordTexts.every(asWords) ? 'between words' : 'inside words';
    const brokenWords = [];
    for (const element of document.querySelectorAll('p:not(.marked), li, summary, h1, h2, h3, button')) {
      const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
      for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        for (const match of node.textContent.matchAll(/\S+/g)) {
          const range = document.createRange();
          range.setStart(node, match.index);
          range.setEnd(node, match.index + match[0].length);
          const lines = new Set([...range.getClientRects()].filter((rect) => rect.width > 0).map((rect) => Math.round(rect.top)));
          if (lines.size > 1 && match[0].length < 30)
            brokenWords.push(match[0]);
        }
      }
    }
    return { codes, texts, brokenWords };
  });
}

// Conversion Details on a phone: both codes marked, a legend, the list; a
// row tapped marks its segment in both codes (or says why it cannot) and
// its reason is the mark's title; nothing scrolls sideways.
const long100 = `cd${'x'.repeat(98)}`;
for (const { name, code, row, inCode, inConversion, note, legend } of [
  { name: 'a dropped segment', code: exampleCode, row: 2, inCode: 'cd1', inConversion: null,
    note: '#5 was dropped: nothing of it is in the Morvane code.', legend: 'copied: 3 (plain)' },
  { name: 'a renumbered segment', code: exampleCode, row: 8, inCode: 's075.0.0.0.0.0.0.0.0.0.0.2.7.8.9',
    inConversion: 's005.0.0.0.0.0.0.0.0.0.0.1', note: '', legend: 'renumbered: 4 (dashed underline)' },
  { name: 'beyond what a pane shows', code: `107**${Array(1000).fill(long100).join('_')}`, row: 999, inCode: null,
    inConversion: null, note: '#1000 stands beyond the part of the code shown here.', legend: 'dropped: 1000 (struck through)' },
]) {
  test(`Conversion Details: ${name}`, async () => {
    const page = await open(shared.browser, pageUrl, { viewport: { width: 360, height: 740 }, touch: true });
    await chooseFile(page, file('details.txt', code));
    await page.click('#convertPushButton');
    await openDetails(page);
    await page.tap(`#detailsList li:nth-child(${row + 1}) button`);
    const shown = await page.evaluate(() => {
      const chosen = [...document.querySelectorAll('.marked .chosen')];
      const of = (id) => chosen.find((element) => element.closest(`#${id}`));
      return {
        legend: document.getElementById('detailsLegend').textContent,
        inCode: of('detailsCode')?.textContent ?? null,
        inConversion: of('detailsConversion')?.textContent ?? null,
        title: of('detailsCode')?.title ?? null,
        note: document.getElementById('detailsNote').textContent,
        overflow: document.documentElement.scrollWidth - document.documentElement.clientWidth,
      };
    });
    assert.ok(shown.legend.includes(legend), shown.legend);
    assert.deepEqual([shown.inCode, shown.inConversion, shown.note, shown.overflow], [inCode, inConversion, note, 0]);
    if (inCode)
      assert.match(shown.title, new RegExp(`^#\\d+ ${inCode.replace(/\./g, '\\.')}: `));
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
}

// On a phone: a code pasted with the button, or with a long press into the
// upper box (which takes a paste and no typing); every outcome said in the
// live status, failures marked as such; after Convert the result has the
// focus and Save and Copy are in view. Where an engine has no touch, a
// click stands for a tap.
test('on a phone: paste, feedback and the next step', async () => {
  const page = await open(shared.browser, shared.server.url, { viewport: { width: 360, height: 740 }, touch: true });
  // What the latest step said, once the page is done with it.
  const message = async () => (await settled(page), {
    text: await page.textContent('#statusMessage'),
    failed: await page.evaluate(() => document.getElementById('statusMessage').classList.contains('error')),
  });
  // A paste into the upper box, as the box's own Paste (or Ctrl+V) gives it.
  const pasteIntoBox = async (text) => {
    await page.evaluate((text) => navigator.clipboard.writeText(text), text);
    await page.evaluate(() => document.getElementById('qvrCodeTextEdit').focus());
    await page.press('Control+V');
  };

  // A browser that will not let the page read the clipboard.
  await page.evaluate(() => {
    window.readClipboard = navigator.clipboard.readText;
    navigator.clipboard.readText = () => Promise.reject(new DOMException('denied', 'NotAllowedError'));
  });
  await page.tap('#pastePushButton');
  assert.match((await message()).text, /long-press the box above the convert button and choose Paste/);
  assert.equal((await message()).failed, true);

  await page.evaluate(async (code) => {
    navigator.clipboard.readText = window.readClipboard;
    await navigator.clipboard.writeText(code);
  }, exampleCode);
  await page.tap('#pastePushButton');
  assert.deepEqual(await message(), { text: 'Loaded the pasted code.', failed: false });
  assert.equal(await page.getAttribute('#convertPushButton', 'class'), 'primary');
  await page.evaluate(() => document.getElementById('qvrCodeTextEdit').focus());
  await page.type('typed');
  assert.equal((await state(page)).upper, exampleCode);

  await pasteIntoBox('108**zz');
  assert.deepEqual(await message(), { text: 'The pasted text is not a QVR code: it does not begin with 106 or 107.', failed: true });
  await pasteIntoBox(exampleCode);
  await settled(page);
  await page.tap('#convertPushButton');
  await page.waitForFunction(() => document.activeElement.id === 'morvaneCodeTextEdit');
  await settled(page);
  const inView = await page.evaluate(() => ['savePushButton', 'copyPushButton', 'statusbar'].every((id) => {
    const box = document.getElementById(id).getBoundingClientRect();
    return box.top >= 0 && box.bottom <= window.innerHeight + 1;
  }));
  assert.ok(inView, 'Save, Copy and the status are in view');
  assert.equal((await state(page)).status, '14 segments: 3 copied, 5 changed, 4 renumbered, 2 dropped');
  assert.equal(await page.getAttribute('#savePushButton', 'class'), 'primary');

  // A copy the browser refuses says so, and nothing scrolls.
  await page.evaluate(() => {
    navigator.clipboard.writeText = () => Promise.reject(new DOMException('denied', 'NotAllowedError'));
    document.execCommand = () => false;
  });
  // Once the scroll Convert started has come to rest.
  const scrolled = await page.evaluate(() => new Promise((resolve) => {
    let last = window.scrollY;
    const check = () => (window.scrollY === last ? resolve(last) : (last = window.scrollY, setTimeout(check, 200)));
    setTimeout(check, 200);
  }));
  await page.tap('#copyPushButton');
  assert.deepEqual(await message(), {
    text: 'The code could not be copied (the browser refused): select it in the lower box and copy it.', failed: true });
  assert.equal(await page.evaluate(() => window.scrollY), scrolled);

  // Dropped text is no file.
  await page.evaluate((text) => {
    const data = new DataTransfer();
    data.setData('text/plain', text);
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  }, exampleCode);
  assert.deepEqual(await message(), { text: 'Only a file can be dropped here; to load a code as text, paste it.', failed: true });
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

// Whether the page shows the image at src.
const imageLoads = (page, src) => page.evaluate((src) => new Promise((resolve) => {
  const image = new Image();
  image.onload = () => resolve(true);
  image.onerror = () => resolve(false);
  image.src = src;
}), src);

// Served from a host: a valid manifest with icons the page's policy lets
// in, Chromium's own verdict that the page can be installed, a service
// worker that takes the page in, and with the network gone the page
// reloads, converts and shows its touch icon. On a host of its own,
// installed by this test: late in a long WebKit run, a worker an earlier
// test installed still served the page but had lost its cache
// ("FetchEvent.respondWith received an error").
test('installable, and converts offline once served', async () => {
  const server = await serve();
  const page = await open(shared.browser, server.url);
  const manifestUrl = await page.evaluate(() => document.querySelector('link[rel=manifest]').href);
  const manifest = await (await fetch(manifestUrl)).json();
  assert.deepEqual([manifest.name, manifest.start_url, manifest.display], ['QVRtoMorvane', './', 'standalone']);
  // Launchers that shape icons get one with room around the artwork, and
  // Safari's home screen its touch icon.
  assert.deepEqual(manifest.icons.map(({ sizes, purpose }) => `${sizes} ${purpose}`),
    ['192x192 any', '512x512 any', '192x192 maskable', '512x512 maskable']);
  const touchIcon = await page.evaluate(() => document.querySelector('link[rel=apple-touch-icon]').href);
  for (const src of [...manifest.icons.map((icon) => new URL(icon.src, manifestUrl).href), touchIcon]) {
    const response = await fetch(src);
    assert.equal(response.headers.get('content-type'), 'image/png', src);
    // The policy the page itself has lets the icon in.
    assert.ok(await imageLoads(page, src), src);
  }
  if (engine === 'chromium') {
    // Chromium's own verdict: nothing in the manifest it could not take,
    // and nothing that stops an install (a test's browser context is
    // incognito, which is no reason of the page's).
    const { errors } = await page.cdp('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const { installabilityErrors } = await page.cdp('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map(({ errorId }) => errorId).filter((id) => id !== 'in-incognito'), []);
  }
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await page.reload();
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), 'the worker serves the page');

  server.offline(true);
  await page.setOffline(true);
  try {
    await page.reload();
    await chooseFile(page, file('offline.txt', exampleCode));
    await page.click('#convertPushButton');
    assert.equal((await state(page)).lower, exampleConverted);
    assert.ok(await imageLoads(page, touchIcon), 'the touch icon, offline');
  } finally {
    server.offline(false);
    await page.setOffline(false);
  }
  assert.deepEqual(await page.problems(), []);
  await page.close();
  server.close();
});

// axe-core, put in for the test alone (the page's own policy lets no
// script in), finds nothing to fix in the empty, converted and refused
// states, light and dark.
test('accessible in every state, light and dark', async () => {
  const axe = readFileSync(fileURLToPath(import.meta.resolve('axe-core/axe.min.js')), 'utf8');
  for (const dark of [false, true]) {
    const page = await open(shared.browser, pageUrl, { dark });
    const check = async (state) => {
      await settled(page);
      if (!await page.evaluate(() => Boolean(window.axe)))
        await page.run(axe);
      const violations = await page.evaluate(async () => (await window.axe.run()).violations
        .map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(' ')}`));
      assert.deepEqual(violations, [], `${dark ? 'dark' : 'light'}, ${state}`);
    };
    await check('empty');
    await chooseFile(page, file('a11y.txt', exampleCode));
    await page.click('#convertPushButton');
    await check('converted');
    await openDetails(page);
    await page.click('#detailsList button');
    await check('converted, its details open and a segment chosen');
    await chooseFile(page, file('a11y-refused.txt', '108**zz'));
    await check('refused');
    await page.close();
  }
});

// A video chosen by mistake is refused by its first bytes, whatever its
// size, and a code too large for the page is refused with both sizes: the
// page reads no more of either than the head it judges by. The page goes
// on converting.
test('the wrong file or one too large is refused before it is read', async () => {
  const page = await open(shared.browser);
  await page.evaluate(() => {
    window.bytesRead = 0;
    const counted = (prototype, name, blobOf = (self) => self) => {
      const original = prototype[name];
      prototype[name] = function read(...args) {
        window.bytesRead += blobOf(this, args).size;
        return original.apply(this, args);
      };
    };
    for (const name of ['arrayBuffer', 'text', 'stream'])
      counted(Blob.prototype, name);
    for (const name of ['readAsArrayBuffer', 'readAsText', 'readAsBinaryString', 'readAsDataURL'])
      counted(FileReader.prototype, name, (self, [blob]) => blob);
  });
  const bytesRead = () => page.evaluate(() => window.bytesRead);
  const { headBytes } = sessionConstants.numbers;

  const video = file('holiday.mp4', Buffer.from([0, 0, 0, 0x20, 0x66, 0x74, 0x79, 0x70]));
  truncateSync(video, Math.round(1.1 * 2 ** 30));
  await chooseFile(page, video);
  assert.equal((await state(page)).upper, invalidMessage);
  assert.ok(await bytesRead() <= headBytes, `${await bytesRead()} bytes read of the video`);

  const large = file('large.txt', '107**zz1');
  truncateSync(large, 300 * 2 ** 20);
  await chooseFile(page, large);
  const shown = await state(page);
  assert.deepEqual([shown.upper, shown.upperPlaceholder, shown.convert], ['', invalidMessage, false]);
  assert.equal(shown.message, 'large.txt holds 300 MB; codes of up to 256 MB can be converted here.');
  assert.ok(await bytesRead() <= 2 * headBytes, `${await bytesRead()} bytes read of both`);

  await chooseFile(page, file('example.txt', exampleCode));
  await page.click('#convertPushButton');
  assert.equal((await state(page)).lower, exampleConverted);
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

// A 10 MB code: the session works in a thread of its own, so the page's
// keeps answering while it converts (its timers go on ticking, where a
// conversion in the page's own thread would hold them until it was done);
// each pane lays out at most the start a pane shows, and says so; the
// details go in as blocks that run on as one paragraph; Save gives the
// whole code. How long each step holds the page is a figure of bench/.
test('a 10 MB code is converted beside the page, which shows its start', async () => {
  const path = join(folder, 'large.txt');
  assert.equal(spawnSync(makeCodePath, ['10', path, '7']).status, 0);
  const page = await open(shared.browser);
  // The core is the worker's alone: the page's own script never loads it.
  assert.equal(await page.evaluate(() => typeof createQvrToMorvane), 'undefined');
  await chooseFile(page, path);
  await page.evaluate(() => {
    window.ticksWhileBusy = 0;
    setInterval(() => {
      if ((document.body.dataset.busy ?? '0') !== '0')
        window.ticksWhileBusy += 1;
    }, 5);
  });
  await page.click('#convertPushButton');
  await settled(page);
  assert.ok(await page.evaluate(() => window.ticksWhileBusy) > 0, 'the page answered while the code was converted');
  await openDetails(page);

  const { previewBytes } = sessionConstants.numbers;
  const laidOut = await page.evaluate(() => ({
    panes: ['qvrCodeTextEdit', 'morvaneCodeTextEdit'].map((id) => new TextEncoder().encode(document.getElementById(id).value).length),
    marked: [...document.querySelectorAll('.marked')].map((pane) => new TextEncoder().encode(pane.textContent).length),
    notes: ['qvrCodeNote', 'morvaneCodeNote'].map((id) => document.getElementById(id).textContent),
  }));
  for (const bytes of [...laidOut.panes, ...laidOut.marked])
    assert.ok(bytes > 0 && bytes <= previewBytes, `${bytes} bytes laid out`);
  assert.match(laidOut.notes[0], /^Showing the first 16 KB of 10,485,\d{3} bytes/);
  assert.match(laidOut.notes[1], /^Showing the first 16 KB of /);

  // Each marked code went in as blocks, a frame each; its lines run on as
  // one paragraph's would, at the width the blocks were made for and, once
  // the width changes, at the new one.
  const asOneParagraph = (width) => page.evaluate(async (width) => {
    document.getElementById('detailsBody').style.maxWidth = width;
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
    return [...document.querySelectorAll('.marked')].map((pane) => {
      const paragraph = pane.cloneNode(true);
      paragraph.classList.add('flowing');
      pane.after(paragraph);
      const same = pane.children.length > 1 && paragraph.scrollHeight === pane.scrollHeight;
      paragraph.remove();
      return same;
    });
  }, width);
  assert.deepEqual([await asOneParagraph(''), await asOneParagraph('30em')], [[true, true], [true, true]]);

  const saved = await save(page);
  assert.equal(spawnSync(converterPath, [path, '-o', join(folder, 'large-converted.txt')]).status, 0);
  assert.ok(saved.bytes.equals(readFileSync(join(folder, 'large-converted.txt'))), 'Save gives the whole conversion');
  assert.deepEqual(await page.problems(), []);
  await page.close();
});
