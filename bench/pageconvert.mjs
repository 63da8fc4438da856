// A code picked, loaded and converted in the page five times over, in the
// engine QVRTOMORVANE_ENGINE, each time by the page's own user timings
// ("qvr-load" and "qvr-convert"). bench/page.mjs takes its figure from
// here; run alone, it compares builds of the page in one run, four pages of
// each, alternating (medians of the twenty, in ms):
//   node bench/pageconvert.mjs CODE PAGE [PAGE ...]
import { resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chooseFile, launch, open, pageUrl, settled } from '../web/tests/browser.mjs';
import { median } from './coldstart.mjs';

export const lastMeasure = (page, name) => page.evaluate((name) => {
  const entries = performance.getEntriesByName(`qvr-${name}`);
  return entries[entries.length - 1].duration;
}, name);

export async function convertTimes(browser, code, url = pageUrl) {
  const page = await open(browser, url);
  const times = [];
  for (let run = 0; run < 5; ++run) {
    await page.click('#clearPushButton');
    await settled(page);
    await chooseFile(page, code);
    await page.click('#convertPushButton');
    await settled(page);
    times.push({ load: await lastMeasure(page, 'load'), convert: await lastMeasure(page, 'convert') });
  }
  await page.close();
  return times;
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [code, ...paths] = process.argv.slice(2);
  const browser = await launch();
  try {
    const times = paths.map(() => []);
    for (let round = 0; round < 4; ++round) {
      for (const [index, path] of paths.entries())
        times[index].push(...await convertTimes(browser, code, pathToFileURL(path).href));
    }
    for (const [index, path] of paths.entries()) {
      const of = (pick) => Math.round(median(times[index].map(pick)));
      process.stdout.write(`${path}: load ${of((time) => time.load)}, Convert ${of((time) => time.convert)}, `
        + `both ${of((time) => time.load + time.convert)}\n`);
    }
  } finally {
    await browser.close();
  }
}
