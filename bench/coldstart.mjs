// Cold starts of the page in Chromium with its CPU slowed 6 times, as a
// cheap phone's: each page's first paint and, for the converter's pages,
// when the converter is ready, alternating with a bare page of each one's
// size. bench/page.mjs takes its figure from here; run alone, it compares
// builds of the page in one run (medians, in ms):
//   node bench/coldstart.mjs [--runs N] PAGE [PAGE ...]
import { mkdtempSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch } from '../web/tests/browser.mjs';

export const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A page as large as the converter's, but a heading and the rest inert
// text: what the browser needs to paint a page of that size at all.
function barePage(size) {
  const head = '<!doctype html><html lang="en"><meta charset="utf-8"><title>QVRtoMorvane</title><h1>QVRtoMorvane</h1>'
    + '<script type="text/plain">';
  const tail = '</script></html>';
  const path = join(mkdtempSync(join(tmpdir(), 'qvrtomorvane-bare-')), 'bare.html');
  writeFileSync(path, head + 'x'.repeat(Math.max(0, size - head.length - tail.length)) + tail);
  return path;
}

async function coldStart(browser, path, converter) {
  const page = await browser.open(null);
  await page.cdp('Emulation.setCPUThrottlingRate', { rate: 6 });
  // Playwright's own page: the bare one never gets ready.
  await page.page.goto(pathToFileURL(path).href);
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
  if (converter)
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
  const times = await page.evaluate(() => ({
    paint: performance.getEntriesByName('first-contentful-paint')[0].startTime,
    ready: Number(document.body.dataset.readyAt ?? NaN),
  }));
  await page.close();
  return times;
}

// For each page, medians over the runs: { path, pageBytes, paint, ready,
// barePaint }.
export async function coldStarts(browser, paths, runs = 5) {
  const pages = paths.map((path) => ({ path, bytes: statSync(path).size, paint: [], ready: [], barePaint: [] }));
  for (const page of pages)
    page.bare = barePage(page.bytes);
  for (let run = 0; run < runs; ++run) {
    for (const page of pages) {
      const { paint, ready } = await coldStart(browser, page.path, true);
      page.paint.push(paint);
      page.ready.push(ready);
      page.barePaint.push((await coldStart(browser, page.bare, false)).paint);
    }
  }
  return pages.map(({ path, bytes, paint, ready, barePaint }) => ({ path, pageBytes: bytes, paint: median(paint),
    ready: median(ready), barePaint: median(barePaint) }));
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  const runsAt = args.indexOf('--runs');
  const runs = runsAt >= 0 ? Number(args.splice(runsAt, 2)[1]) : 15;
  const browser = await launch();
  try {
    // A first page in a browser just launched competes with the browser's
    // own start; it is not counted.
    await coldStart(browser, args[0], true);
    for (const { path, pageBytes, paint, ready, barePaint } of await coldStarts(browser, args, runs)) {
      process.stdout.write(`${path} (${pageBytes} bytes): first paint ${Math.round(paint)}, ready ${Math.round(ready)}, `
        + `bare page's first paint ${Math.round(barePaint)}; ${(paint / barePaint).toFixed(2)} and `
        + `${(ready / barePaint).toFixed(2)} times\n`);
    }
  } finally {
    await browser.close();
  }
}
