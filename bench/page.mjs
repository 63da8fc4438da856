// The page's figures in one engine (QVRTOMORVANE_ENGINE), as JSON on
// standard output, for bench/table.mjs, which runs this once per engine:
//   node bench/page.mjs CODE SMALL_CODE FOLDER
// - convert: the page's own time (its user timings) to load and convert
//   CODE, five times;
// - holds: the longest the page's thread was held during each step (load,
//   Convert, Conversion Details), for CODE and for SMALL_CODE, the floor;
// - batch: the page's time to convert the codes of FOLDER into its zip,
//   picked as files (every engine picks several), the least of three;
// - coldStart (Chromium, whose CPU its DevTools slow down 6 times, as a
//   cheap phone's): first paint and the converter ready, five cold starts,
//   alternating with a bare page of the same size.
import { mkdtempSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chooseFile, engine, launch, open, pagePath, pageUrl, settled } from '../web/tests/browser.mjs';

const [code, smallCode, batchFolder] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const lastMeasure = (page, name) => page.evaluate((name) => {
  const entries = performance.getEntriesByName(`qvr-${name}`);
  return entries[entries.length - 1].duration;
}, name);

async function convertTimes(browser) {
  const page = await open(browser);
  const times = [];
  for (let run = 0; run < 5; ++run) {
    await page.click('#clearPushButton');
    await settled(page);
    await chooseFile(page, code);
    await page.click('#convertPushButton');
    await settled(page);
    times.push((await lastMeasure(page, 'load')) + (await lastMeasure(page, 'convert')));
  }
  await page.close();
  return times;
}

// What a timer that asks every 10 ms finds: the longest gap between two of
// its turns, less the 10 ms, over each step. The median of three tries.
async function holds(browser, path) {
  const page = await open(browser);
  await page.evaluate(() => {
    let last = performance.now();
    window.longestHold = 0;
    setInterval(() => {
      const now = performance.now();
      window.longestHold = Math.max(window.longestHold, now - last - 10);
      last = now;
    }, 10);
  });
  const tries = { load: [], convert: [], details: [] };
  const measured = async (step, act) => {
    await page.evaluate(() => { window.longestHold = 0; });
    await act();
    await settled(page);
    await new Promise((resolve) => setTimeout(resolve, 100));
    tries[step].push(await page.evaluate(() => window.longestHold));
  };
  for (let run = 0; run < 3; ++run) {
    await page.click('#clearPushButton');
    await settled(page);
    await measured('load', () => chooseFile(page, path));
    await measured('convert', () => page.click('#convertPushButton'));
    await measured('details', async () => {
      await page.click('#conversionDetails summary');
      await page.waitForFunction(() => document.getElementById('conversionDetails').dataset.shown === 'true');
    });
  }
  await page.close();
  return Object.fromEntries(Object.entries(tries).map(([step, ms]) => [step, median(ms)]));
}

async function batchTime(browser) {
  const paths = readdirSync(batchFolder).sort().map((name) => join(batchFolder, name));
  const times = [];
  for (let run = 0; run < 3; ++run) {
    const page = await open(browser);
    await page.setFiles('#batchFilesInput', paths, null);
    await page.waitForFunction(() => performance.getEntriesByName('qvr-batch').length > 0, undefined,
      { timeout: 300000 });
    times.push(await lastMeasure(page, 'batch'));
    await page.close();
  }
  return Math.min(...times);
}

// A page as large as the converter's, but a heading and the rest inert
// text: what the browser needs to paint a page of that size at all.
function barePage() {
  const size = statSync(pagePath).size;
  const head = '<!doctype html><html lang="en"><meta charset="utf-8"><title>QVRtoMorvane</title><h1>QVRtoMorvane</h1>'
    + '<script type="text/plain">';
  const tail = '</script></html>';
  const path = join(mkdtempSync(join(tmpdir(), 'qvrtomorvane-bare-')), 'bare.html');
  writeFileSync(path, head + 'x'.repeat(Math.max(0, size - head.length - tail.length)) + tail);
  return pathToFileURL(path).href;
}

async function coldStarts(browser) {
  const bare = barePage();
  const times = { page: [], bare: [], ready: [] };
  for (let run = 0; run < 5; ++run) {
    for (const url of [pageUrl, bare]) {
      const page = await browser.open(null);
      await page.cdp('Emulation.setCPUThrottlingRate', { rate: 6 });
      // Playwright's own page: the bare one never gets ready.
      await page.page.goto(url);
      await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
      if (url === pageUrl)
        await page.waitForFunction(() => document.body.dataset.ready === 'true');
      const { paint, ready } = await page.evaluate(() => ({
        paint: performance.getEntriesByName('first-contentful-paint')[0].startTime,
        ready: Number(document.body.dataset.readyAt ?? NaN),
      }));
      times[url === pageUrl ? 'page' : 'bare'].push(paint);
      if (url === pageUrl)
        times.ready.push(ready);
      await page.close();
    }
  }
  return { paint: median(times.page), barePaint: median(times.bare), ready: median(times.ready),
    pageBytes: statSync(pagePath).size };
}

const browser = await launch();
try {
  const result = { engine, convert: await convertTimes(browser), holds: await holds(browser, code),
    smallHolds: await holds(browser, smallCode), batch: await batchTime(browser) };
  if (engine === 'chromium')
    result.coldStart = await coldStarts(browser);
  process.stdout.write(`${JSON.stringify(result)}\n`);
} finally {
  await browser.close();
}
