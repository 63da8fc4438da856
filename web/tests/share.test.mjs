// Where codes come from and go: a text or a file shared into the installed
// page, as a phone's share sheet sends it (a form to the manifest's
// share_target, which the page's service worker takes), a .txt file opened
// with it (its launch queue), and the converted code shared back
// (navigator.share). In every engine, served on 127.0.0.1.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chooseFile, converterOutput, open, pageUrl, serve, settled, sharedBrowser, state } from './browser.mjs';

const exampleFile = fileURLToPath(new URL('../../tests/data/example-code.txt', import.meta.url));
const exampleCode = readFileSync(exampleFile, 'utf8');
const exampleConverted = readFileSync(fileURLToPath(new URL('../../tests/data/example-morvane.txt', import.meta.url)),
  'utf8');
const folder = mkdtempSync(join(tmpdir(), 'qvrtomorvane-share-'));
const shared = sharedBrowser();
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A chat app's share: a form sent to the page's share_target from another
// page (here one on disk), as the share sheet sends it.
function chat(target) {
  const path = join(folder, 'chat.html');
  writeFileSync(path, `<!doctype html><meta charset="utf-8"><title>chat</title><body data-ready="true">
    <form method="post" enctype="multipart/form-data" action="${target}?share-target">
    <input name="title"><textarea name="text"></textarea><input name="url"><input type="file" name="file"></form>`);
  return pathToFileURL(path).href;
}

async function shareInto(page, server, { title = '', text = '', url = '', file }) {
  await page.goto(chat(server.url));
  await page.evaluate(({ title, text, url, file }) => {
    const form = document.forms[0];
    form.elements.title.value = title;
    form.elements.text.value = text;
    form.elements.url.value = url;
    if (file) {
      const data = new DataTransfer();
      data.items.add(new File([file.content], file.name, { type: 'text/plain' }));
      form.elements.file.files = data.files;
    }
    setTimeout(() => form.submit());
  }, { title, text, url, file });
  // The page, once it has taken what was shared.
  for (const until = Date.now() + 60000; ;) {
    try {
      if (await page.evaluate(() => document.body.dataset.ready === 'true' && Number(document.body.dataset.loads) > 0))
        break;
    } catch { /* on its way */ }
    if (Date.now() > until)
      throw new Error('the shared text never reached the page');
    await sleep(50);
  }
  await page.afterLoad();
  return state(page);
}

// The page served and its worker in charge, as once installed.
async function installed(server) {
  const page = await open(shared.browser, server.url);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await page.reload();
  return page;
}

const found = 'Loaded the QVR code found in the shared text.';
for (const { name, sharing, upper, path, message } of [
  { name: 'a code alone, as text', sharing: { text: exampleCode }, upper: exampleCode, path: '(shared)',
    message: 'Loaded the shared code.' },
  { name: 'a chat message around a code', sharing: { text: `my character: ${exampleCode} have fun` },
    upper: exampleCode, path: '(shared)', message: found },
  { name: 'a code in the link, the way Android shares some texts', sharing: { url: exampleCode },
    upper: exampleCode, path: '(shared)', message: 'Loaded the shared code.' },
  { name: 'a title and a message', sharing: { title: 'From the chat', text: `here:\n${exampleCode}\nbye` },
    upper: exampleCode, path: '(shared)', message: found },
  { name: 'no code', sharing: { text: 'see you tomorrow' }, upper: 'The file you provided is not a valid QVR file!!',
    path: '', message: 'The shared text is not a QVR code: it does not begin with 106 or 107.' },
  { name: 'a .txt file', sharing: { file: { name: 'hero.txt', content: exampleCode } }, upper: exampleCode,
    path: 'hero.txt', message: 'Loaded hero.txt.' },
]) {
  test(`shared into the installed page: ${name}`, async () => {
    const server = await serve();
    const page = await installed(server);
    const shown = await shareInto(page, server, sharing);
    assert.deepEqual([shown.upper, shown.path, shown.message], [upper, path, message]);
    assert.equal(await page.evaluate(() => location.search), '', 'a reload shares nothing again');
    if (shown.convert) {
      await page.click('#convertPushButton');
      assert.equal((await state(page)).lower, exampleConverted);
    }
    assert.deepEqual(await page.problems(), []);
    await page.close();
    server.close();
  });
}

// With the network gone the worker still takes the share and the page
// converts it; opened from disk, nothing is ever shared.
test('a share reaches the page offline, and never one opened from disk', async () => {
  const server = await serve();
  const page = await installed(server);
  server.offline(true);
  await page.setOffline(true);
  try {
    const shown = await shareInto(page, server, { text: `look ${exampleCode}` });
    assert.deepEqual([shown.upper, shown.message], [exampleCode, found]);
  } finally {
    server.offline(false);
    await page.setOffline(false);
  }
  await page.close();
  server.close();

  const fromDisk = await open(shared.browser, `${pageUrl}?shared`);
  await settled(fromDisk);
  assert.deepEqual([(await state(fromDisk)).upper, await fromDisk.problems()], ['', []]);
  await fromDisk.close();
});

// Share, where the browser offers it: the converted code as text and as a
// .txt file, asked for in the click itself (a share must be); a cancelled
// share says nothing, a refused one says so; where the browser cannot
// share there is no button, and Copy is the way.
for (const { how, said } of [
  { how: 'shared', said: 'Morvane code shared.' },
  { how: 'cancelled', said: null },
  { how: 'refused', said: 'The code could not be shared (the browser refused): copy it instead.' },
  { how: 'absent' },
]) {
  test(`share the result: ${how}`, async () => {
    const page = await open(shared.browser);
    await page.evaluate((how) => {
      window.shares = [];
      delete Navigator.prototype.share;
      delete Navigator.prototype.canShare;
      if (how === 'absent')
        return;
      navigator.canShare = ({ files }) => files.every((file) => file.type === 'text/plain');
      navigator.share = async ({ title, text, files }) => {
        window.shares.push({ inClick: window.event?.type === 'click', title, text, files: files.map((file) => file.name),
          file: await files[0].text() });
        if (how !== 'shared')
          throw new DOMException('not shared', how === 'cancelled' ? 'AbortError' : 'NotAllowedError');
      };
    }, how);
    await chooseFile(page, exampleFile);
    await page.click('#convertPushButton');
    const before = await state(page);
    const hidden = await page.evaluate(() => document.getElementById('sharePushButton').hidden);
    assert.equal(hidden, how === 'absent');
    if (how === 'absent') {
      await page.close();
      return;
    }
    await page.click('#sharePushButton');
    const after = await state(page);
    const converted = converterOutput(exampleFile).toString('utf8');
    assert.deepEqual(await page.evaluate(() => window.shares), [{ inClick: true, title: 'example-code-morvane.txt',
      text: converted, files: ['example-code-morvane.txt'], file: converted }]);
    assert.equal(after.message, said ?? before.message);
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
}

// A .txt file opened with the installed page ("Open with", its manifest's
// file_handlers): the browser hands the page a file handle through its
// launch queue, and the file loads as a picked one.
test('a file opened with the installed page loads as a picked one', async () => {
  const server = await serve();
  const page = await installed(server);
  await page.evaluate(async (content) => {
    // A real handle where the browser has a private file system for the page.
    let handle = { kind: 'file', name: 'hero.txt', getFile: async () => new File([content], 'hero.txt') };
    if (navigator.storage?.getDirectory) {
      handle = await (await navigator.storage.getDirectory()).getFileHandle('hero.txt', { create: true });
      const writable = await handle.createWritable?.();
      if (writable) {
        await writable.write(content);
        await writable.close();
      } else {
        handle = { kind: 'file', name: 'hero.txt', getFile: async () => new File([content], 'hero.txt') };
      }
    }
    await window.QVRtoMorvane.openLaunched({ files: [handle] });
  }, exampleCode);
  await page.waitForFunction(() => Number(document.body.dataset.loads) > 0);
  const shown = await state(page);
  assert.deepEqual([shown.upper, shown.path, shown.message], [exampleCode, 'hero.txt', 'Loaded hero.txt.']);
  assert.deepEqual(await page.problems(), []);
  await page.close();
  server.close();
});
