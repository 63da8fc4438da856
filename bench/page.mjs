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
import { readdirSync } from 'node:fs';
import { join } from 'node:path';
import { chooseFile, engine, launch, open, pagePath, settled } from '../web/tests/browser.mjs';
import { coldStarts, median } from './coldstart.mjs';
import { convertTimes, lastMeasure } from './pageconvert.mjs';

const [code, smallCode, batchFolder] = process.argv.slice(2);

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

const browser = await launch();
try {
  const result = { engine, convert: (await convertTimes(browser, code)).map(({ load, convert }) => load + convert),
    holds: await holds(browser, code), smallHolds: await holds(browser, smallCode), batch: await batchTime(browser) };
  if (engine === 'chromium')
    [result.coldStart] = await coldStarts(browser, [pagePath]);
  process.stdout.write(`${JSON.stringify(result)}\n`);
} finally {
  await browser.close();
}
