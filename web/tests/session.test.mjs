// The page's face of tests/data/session-sequences.json, and of the sequences
// the window's test generated and ran (QVRTOMORVANE_SESSION_TRACES): each
// one replayed in the browser through the file picker, drops, pastes and
// buttons, with the whole state compared after every step, so that the page
// does at each step exactly what the window did.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { chooseFile, engine, open, save, sessionConstants, settled, sharedBrowser, state } from './browser.mjs';

// Texts are bytes, a character each; a list joins its pieces, [TEXT, COUNT]
// repeating one; {"file": NAME} is the bytes of a file beside the table.
// Pieces go to the page as they are, to be joined there.
const isRepeat = (value) => Array.isArray(value) && typeof value[1] === 'number';
const piecesOf = (value) => (typeof value === 'string' || isRepeat(value) ? [value] : value.flatMap(piecesOf));
const bytesOf = (value) => Buffer.concat(piecesOf(value).map((piece) => (
  isRepeat(piece) ? Buffer.from(piece[0].repeat(piece[1]), 'latin1') : Buffer.from(piece, 'latin1'))));

function readTable(path) {
  const { files, sequences } = JSON.parse(readFileSync(path, 'utf8'), (key, value) => (
    typeof value?.file === 'string' ? readFileSync(join(dirname(path), value.file), 'latin1') : value));
  return {
    files: new Map(Object.entries(files)),
    sequences: sequences.map(({ title, steps }) => ({
      title,
      steps: steps.map(([words, changes = {}]) => ({
        words: words.split(' '),
        expected: new Map(Object.entries(changes).map(([key, value]) => [key, bytesOf(value)])),
      })),
    })),
  };
}

const startState = () => new Map([
  ['upper', Buffer.alloc(0)], ['placeholder', Buffer.from('QVR Code will be displayed here...')],
  ['path', Buffer.alloc(0)], ['lower', Buffer.alloc(0)], ['summary', Buffer.alloc(0)],
  ['convert', Buffer.from('off')], ['save', Buffer.from('off')], ['copy', Buffer.from('off')],
  ['details', Buffer.from('off')], ['message', Buffer.alloc(0)],
]);

// What a pane shows of a code: all of it up to the session's previewBytes,
// else its start, cut before a character.
const { previewBytes } = sessionConstants.numbers;
function shownPart(code) {
  let end = Math.min(code.length, previewBytes);
  while (end < code.length && end > 0 && (code[end] & 0xc0) === 0x80)
    end -= 1;
  return code.subarray(0, end);
}

// The page's state under the table's names.
async function observe(page) {
  const shown = await state(page);
  const onOff = (on) => (on ? 'on' : 'off');
  return {
    upper: shown.upper,
    placeholder: shown.upperPlaceholder,
    path: shown.path,
    lower: shown.lower,
    summary: shown.status,
    convert: onOff(shown.convert),
    save: onOff(shown.save),
    copy: onOff(shown.copy),
    details: onOff(shown.details),
    // Why a file could not be read is each system's own.
    message: shown.message.replace(/( could not be read: ).*$/, '$1...'),
    loads: shown.loads,
  };
}

const waitForLoads = (page, count) => page.waitForFunction(
  (count) => Number(document.body.dataset.loads ?? 0) >= count, count, { timeout: 60000 });

// Builds Files in the page from their pieces and drops them one right after
// the other; a File that cannot be read stands for an unreadable one.
function dropInPage(page, files) {
  return page.evaluate((files) => {
    const bytesOf = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));
    for (const { name, pieces, unreadable } of files) {
      const parts = pieces.flatMap((piece) => (
        typeof piece === 'string' ? [bytesOf(piece)] : Array(piece[1]).fill(bytesOf(piece[0]))));
      const file = new File(parts, name, { type: 'text/plain' });
      if (unreadable)
        file.arrayBuffer = () => Promise.reject(new DOMException('cannot read', 'NotReadableError'));
      const data = new DataTransfer();
      data.items.add(file);
      document.getElementById('qvrCodeTextEdit')
        .dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
    }
  }, files);
}

// Does one step as a user would, on the page as it was last seen, and
// gives what it gave once.
async function perform(page, words, table, folder, seen) {
  const [step, ...names] = words;
  const inPage = (name) => ({ name, pieces: piecesOf(table.files.get(name)) });
  const on = (key) => seen[key] === 'on';
  const once = new Map();
  const before = seen.loads;
  switch (step) {
  case 'load':
    // On the file input, without opening the picker: the picker itself is
    // the page test's.
    await chooseFile(page, join(folder, names[0]), null);
    break;
  case 'drop':
  case 'drops':
    await dropInPage(page, names.map(inPage));
    await waitForLoads(page, before + names.length);
    break;
  case 'unreadable':
    await dropInPage(page, [{ name: 'unreadable.txt', pieces: [], unreadable: true }]);
    await waitForLoads(page, before + 1);
    break;
  case 'paste': {
    // On the clipboard, then Ctrl+V into the upper box, which takes pastes.
    const pasted = bytesOf(table.files.get(names[0])).toString('utf8');
    await page.evaluate((pasted) => navigator.clipboard.writeText(pasted)
      .then(() => document.getElementById('qvrCodeTextEdit').focus()), pasted);
    await page.press('Control+V');
    if (pasted)
      await waitForLoads(page, before + 1);
    break;
  }
  case 'cancel':
    await page.evaluate(() => document.getElementById('fileInput').dispatchEvent(new Event('cancel')));
    break;
  case 'convert':
  case 'clear': {
    // Clear is always on.
    if (step === 'clear' || on('convert'))
      await page.click(step === 'convert' ? '#convertPushButton' : '#clearPushButton');
    break;
  }
  case 'save':
    if (on('save')) {
      const saved = await save(page);
      once.set('saved', saved.bytes).set('saved-as', Buffer.from(saved.name));
    } else {
      once.set('saved', Buffer.from('-'));
    }
    break;
  case 'copy':
    await page.evaluate(() => navigator.clipboard.writeText('-'));
    if (on('copy')) {
      await page.click('#copyPushButton');
      await settled(page);
    }
    once.set('copied', Buffer.from(await page.evaluate(() => navigator.clipboard.readText())));
    break;
  case 'details':
    if (on('details')) {
      await page.click('#conversionDetails summary');
      await page.waitForFunction(() => document.getElementById('conversionDetails').dataset.shown === 'true');
      const lines = await page.evaluate(() => [...document.querySelectorAll('#detailsList button')]
        .map((button) => button.textContent));
      const shown = lines.length ? lines : [await page.textContent('#detailsNote')];
      once.set('details-lines', Buffer.from(String(shown.length))).set('details-first', Buffer.from(shown[0]));
      await page.click('#conversionDetails summary');
    }
    break;
  default:
    assert.fail(`unknown step ${step}`);
  }
  return once;
}

const show = (bytes) => JSON.stringify(bytes.toString('utf8').slice(0, 200));

async function check(page, expected, where) {
  const seen = await observe(page);
  for (const [key, value] of expected) {
    const shown = key === 'upper' || key === 'lower' ? shownPart(value) : value;
    assert.equal(JSON.stringify(seen[key]), JSON.stringify(shown.toString('utf8')), `${where}: ${key}`);
  }
  return seen;
}

// Every sequence starts from the start state, which Clear brings back.
async function run(page, table, folder, sequence) {
  await page.click('#clearPushButton');
  const expected = startState();
  let seen = await check(page, expected, `${sequence.title}: start`);
  for (const { words, expected: changes } of sequence.steps) {
    const where = `${sequence.title}: ${words.join(' ')}`;
    const once = await perform(page, words, table, folder, seen);
    for (const [key, value] of changes) {
      if (expected.has(key))
        expected.set(key, value);
      else
        assert.ok(once.get(key)?.equals(value), `${where}: ${key} is ${show(once.get(key) ?? Buffer.alloc(0))}, not ${show(value)}`);
    }
    seen = await check(page, expected, where);
  }
}

const shared = sharedBrowser();

// The table in every engine; the window's 200 generated sequences in
// Chromium, since they try the session, which is the same WebAssembly in
// every engine, more than the engine.
for (const [name, path, skip] of [['table', process.env.QVRTOMORVANE_SESSION_TABLE, false],
  ['window\'s generated sequences', process.env.QVRTOMORVANE_SESSION_TRACES, engine !== 'chromium' && 'run in Chromium']]) {
  test(`the page does what the window does: ${name}`, { skip }, async () => {
    const table = readTable(path);
    const folder = mkdtempSync(join(tmpdir(), 'qvrtomorvane-session-'));
    for (const [file, pieces] of table.files)
      writeFileSync(join(folder, file), bytesOf(pieces));
    const page = await open(shared.browser, shared.server.url);
    for (const sequence of table.sequences)
      await run(page, table, folder, sequence);
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
}
