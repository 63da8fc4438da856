// Several codes at once on the page, every batch of tests/data/batches.json:
// files picked (in every engine) or a folder (in Chromium, whose automation
// picks one), converted in the session's worker, each code's fate listed,
// and the zip of "SAVE ALL" holding, byte for byte, what the converter's
// --output-dir writes for the same files; the zip read back by the unzip
// tools people use. Then a stop halfway.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync, truncateSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import { converterPath, engine, makeCodePath, open, settled, sharedBrowser } from './browser.mjs';

const { batches } = JSON.parse(readFileSync(fileURLToPath(new URL('../../tests/data/batches.json', import.meta.url)), 'utf8'));
const shared = sharedBrowser();
const fateNames = ['Waiting', 'Converted', 'Refused', 'Unreadable', 'TooLarge', 'NotWritten', 'Kept', 'NotDone'];

// The batch's files in a folder of their own, as the table describes them.
function write(batch) {
  const root = mkdtempSync(join(tmpdir(), 'qvrtomorvane-batch-'));
  for (const [name, content] of Object.entries(batch.files ?? {})) {
    const path = join(root, name);
    mkdirSync(name.endsWith('/') ? path : dirname(path), { recursive: true });
    if (typeof content === 'string') {
      writeFileSync(path, content);
    } else if (content?.head) {
      writeFileSync(path, content.head);
      truncateSync(path, content.megabytes * 2 ** 20);
    } else if (content?.missing) {
      writeFileSync(path, '107**zz1'); // picked, then gone before it is read
    }
  }
  if (batch.generate) {
    const { folder, codes, bytes, seed } = batch.generate;
    mkdirSync(join(root, folder));
    assert.equal(spawnSync(makeCodePath, ['--many', codes, bytes, join(root, folder), seed]).status, 0);
  }
  return root;
}

function filesBelow(folder) {
  if (!existsSync(folder))
    return [];
  return readdirSync(folder, { recursive: true }).filter((name) => statSync(join(folder, name)).isFile()).sort();
}

// Until a test lets it go, the page's batch waits before the worker starts
// it: a file can go from the disk after it was picked and before it is read.
function holdBatches(page) {
  return page.evaluate(() => {
    const post = Worker.prototype.postMessage;
    Worker.prototype.postMessage = function held(message, transfer) {
      if (message?.step !== 'batchStart')
        return post.call(this, message, transfer);
      window.heldBatch = () => post.call(this, message, transfer);
      return undefined;
    };
  });
}

async function pick(page, root, given) {
  const folder = given.length === 1 && given[0].endsWith('/');
  const paths = given.map((name) => join(root, name));
  await page.setFiles(folder ? '#batchFolderInput' : '#batchFilesInput', folder ? paths[0].replace(/\/$/, '') : paths,
    null);
  await page.waitForFunction(() => typeof window.heldBatch === 'function');
}

async function rowsOf(page) {
  await settled(page);
  return page.evaluate(() => ({
    rows: [...document.querySelectorAll('#batchList li')].map((row) => [row.textContent, Number(row.dataset.fate)]),
    status: document.getElementById('batchStatus').textContent,
    saveAll: !document.getElementById('batchSaveButton').disabled,
  }));
}

// The zip as people open it: Info-ZIP's unzip, libarchive's bsdtar and
// Python's zipfile, where they are installed, each finding it whole.
function unzipped(bytes) {
  const folder = mkdtempSync(join(tmpdir(), 'qvrtomorvane-zip-'));
  const zip = join(folder, 'morvane-codes.zip');
  writeFileSync(zip, bytes);
  const tools = [['unzip', ['-tq', zip]], ['bsdtar', ['-tf', zip]], ['python3', ['-m', 'zipfile', '-t', zip]]];
  for (const [tool, args] of tools) {
    const run = spawnSync(tool, args, { encoding: 'utf8' });
    if (run.error?.code !== 'ENOENT')
      assert.equal(run.status, 0, `${tool}: ${run.stdout}${run.stderr}`);
  }
  const out = join(folder, 'out');
  mkdirSync(out);
  assert.equal(spawnSync('unzip', ['-q', zip, '-d', out]).status, 0);
  return out;
}

for (const batch of batches) {
  const folder = batch.given.some((name) => name.endsWith('/'));
  const skip = folder && engine !== 'chromium' && 'a folder is picked in Chromium alone';
  test(`several codes: ${batch.title}`, { skip }, async () => {
    const root = write(batch);
    const byConverter = join(root, '..', `${root.split('/').pop()}-converter`);
    const expected = Array.isArray(batch.expected) ? batch.expected
      : filesBelow(join(root, batch.generate.folder)).map((name) => [`${batch.generate.folder}/${name}`, 'Converted']);

    const page = await open(shared.browser);
    await holdBatches(page);
    await pick(page, root, batch.given);
    for (const [name, content] of Object.entries(batch.files ?? {}))
      if (content?.missing)
        rmSync(join(root, name));
    spawnSync(converterPath, ['-d', byConverter, ...batch.given.map((name) => join(root, name))]);
    await page.evaluate(() => window.heldBatch());
    const { rows, status, saveAll } = await rowsOf(page);

    assert.deepEqual(rows.map(([text, fate]) => [text.slice(0, text.indexOf(': ')), fateNames[fate]]), expected);
    const converted = expected.filter(([, fate]) => fate === 'Converted').length;
    assert.equal(status, expected.length ? `Converted ${converted} of ${expected.length} codes.`
      : 'There are no .txt files to convert here.');
    assert.equal(saveAll, converted > 0);
    if (converted) {
      const zip = await page.save('#batchSaveButton');
      assert.equal(zip.name, 'morvane-codes.zip');
      const out = unzipped(zip.bytes);
      assert.deepEqual(filesBelow(out), filesBelow(byConverter));
      for (const name of filesBelow(byConverter))
        assert.ok(readFileSync(join(out, name)).equals(readFileSync(join(byConverter, name))), name);
    }
    // The one code the page holds is not the batch's business.
    assert.equal(await page.evaluate(() => document.getElementById('qvrCodeTextEdit').value), '');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  });
}

// Stop ends the batch before its next code: those before it are in the
// zip, the rest are listed as not converted.
test('several codes: stopped halfway', async () => {
  const many = batches.find((batch) => batch.generate);
  const root = write(many);
  const page = await open(shared.browser);
  await page.setFiles('#batchFilesInput', filesBelow(join(root, many.generate.folder))
    .map((name) => join(root, many.generate.folder, name)), null);
  await page.waitForFunction(() => document.querySelectorAll('#batchList li[data-fate]').length >= 20);
  await page.evaluate(() => document.getElementById('batchStopButton').click());
  const { rows, status } = await rowsOf(page);
  const done = rows.filter(([, fate]) => fateNames[fate] === 'Converted').length;
  assert.ok(done >= 20 && done < rows.length, `${done} of ${rows.length}`);
  assert.ok(rows.slice(done).every(([, fate]) => fateNames[fate] === 'NotDone'));
  assert.equal(status, `Stopped: converted ${done} of ${rows.length} codes; every file written before is whole.`);
  const out = unzipped((await page.save('#batchSaveButton')).bytes);
  assert.equal(filesBelow(out).length, done);
  await page.close();
});
