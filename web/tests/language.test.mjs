// The page in the player's language: chosen from the browser's own
// languages (a tag that names none passed by), or from the page's menu,
// which the browser keeps; every word a player reads translated, the
// core's words included, with <html lang> set; and in every language each
// text fitting at 360 pixels, and in Chromium at 1280 too.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chooseFile, engine, open, pageUrl, settled, sharedBrowser } from './browser.mjs';

const shared = sharedBrowser();
// Where docs/take-web-screenshots.sh wants the page's pictures taken.
const screenshots = process.env.QVRTOMORVANE_SCREENSHOTS;
const folder = mkdtempSync(join(tmpdir(), 'qvrtomorvane-language-'));
const file = (name, content) => {
  const path = join(folder, name);
  writeFileSync(path, content);
  return path;
};
const example = file('example.txt',
  readFileSync(fileURLToPath(new URL('../../tests/data/example-code.txt', import.meta.url)), 'utf8'));
const refused = file('refused.txt', '108**zz');

// Each catalogue, as the browser asks for it and as the page tags itself.
const languages = [
  { code: 'ja', asked: ['ja-JP'], lang: 'ja' }, { code: 'zh_CN', asked: ['zh-CN'], lang: 'zh-CN' },
  { code: 'ko', asked: ['ko-KR'], lang: 'ko' }, { code: 'es', asked: ['es-MX'], lang: 'es' },
  { code: 'pt_BR', asked: ['pt-BR', 'en'], lang: 'pt-BR' }, { code: 'fr', asked: ['fr-CA'], lang: 'fr' },
  { code: 'de', asked: ['de-AT'], lang: 'de' }, { code: 'ru', asked: ['ru-RU'], lang: 'ru' },
];

// Every text the page shows a player, in the order it shows them: its
// words, placeholders and labels; the codes, the file names and the
// languages' own names aside. What the status line said is kept as it is
// said, since it goes after a while.
function shownTexts(page) {
  return page.evaluate(() => {
    const aside = '#loadPathLabel, #statusMessage, #languageMenu, .marked, textarea, script, [hidden]';
    const texts = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const element = node.parentElement;
      // A batch's row is the code's name, then what became of it.
      if (element.closest(aside) || element.matches('#batchList li') || !node.textContent.trim()
        || !element.getClientRects().length)
        continue;
      texts.push(node.textContent.trim());
    }
    for (const element of document.querySelectorAll('[placeholder], [aria-label], [title]'))
      if (!element.closest('[hidden]'))
        texts.push(...['placeholder', 'aria-label', 'title'].map((name) => element.getAttribute(name)).filter(Boolean));
    return { texts, said: window.said ?? [] };
  });
}

// The page in every state a player meets: a code loaded and converted,
// its details open, and two codes converted at once, one refused.
async function throughEveryState(page) {
  await page.evaluate(() => {
    window.said = [];
    new MutationObserver(() => {
      const { textContent } = document.getElementById('statusMessage');
      if (textContent)
        window.said.push(textContent);
    }).observe(document.getElementById('statusMessage'), { childList: true, characterData: true, subtree: true });
  });
  await chooseFile(page, example);
  await page.click('#convertPushButton');
  await settled(page);
  await page.click('#conversionDetails summary');
  await page.waitForFunction(() => document.getElementById('conversionDetails').dataset.shown === 'true');
  await page.setFiles('#batchFilesInput', [example, refused], null);
  await page.waitForFunction(() => !document.getElementById('batchSaveButton').disabled);
  await settled(page);
  return shownTexts(page);
}

// What of the page's text is cut or pushes it sideways: a text wider than
// its box where the box clips it or is a control, or anything past the
// view's right edge.
function cutTexts(page) {
  return page.evaluate(() => {
    const cut = [];
    const view = document.documentElement.clientWidth;
    if (document.documentElement.scrollWidth > view)
      cut.push(`the page scrolls sideways (${document.documentElement.scrollWidth} in ${view})`);
    for (const element of document.body.querySelectorAll('*')) {
      if (!element.getClientRects().length || element.closest('textarea, .marked, script'))
        continue;
      const style = getComputedStyle(element);
      // An inline element has no width of its own to clip with.
      const clips = style.display !== 'inline' && (style.overflowX !== 'visible' || style.textOverflow === 'ellipsis'
        || element.matches('button, select, label, summary'));
      const name = element.id || `${element.tagName.toLowerCase()} "${element.textContent.trim().slice(0, 30)}"`;
      if (clips && element.scrollWidth > element.clientWidth + 1)
        cut.push(`${name} shows ${element.clientWidth} of ${element.scrollWidth} pixels`);
      if (element.getBoundingClientRect().right > view + 1)
        cut.push(`${name} reaches past the view`);
    }
    return cut;
  });
}

// The page as English shows it at a width, for the translations to differ
// from, word for word.
const english = {};
const englishAt = (width) => (english[width] ??= (async () => {
  const page = await open(shared.browser, pageUrl, { viewport: { width, height: 900 } });
  const shown = await throughEveryState(page);
  if (screenshots && width === 1280) {
    await page.evaluate(() => document.getElementById('batch').scrollIntoView());
    await page.screenshot(join(screenshots, `web-${engine}-batch.png`), false);
  }
  await page.close();
  return shown;
})());

// A choice made in the menu is kept by the browser: the next page of the
// same browser starts from the browser's own languages again.
async function forget(page) {
  await page.evaluate(() => localStorage.removeItem('qvrtomorvane-language'));
  await page.close();
}

// Words rightly the same as in English (a text without a letter, a mark
// or a segment's number, is no word).
const kept = new Set(['QVRtoMorvane', 'Morvane', 'QVR']);

// The words are the same in every engine, and a text is cut first on a
// phone: the wide screen in Chromium alone.
const widths = engine === 'chromium' || screenshots ? [360, 1280] : [360];
for (const { code, asked, lang } of languages) {
  test(`${code}: every word translated, and each fits at ${widths.join(' and ')} pixels`, async () => {
    for (const width of widths) {
      const { texts: before, said: saidBefore } = await englishAt(width);
      // Japanese as the browser asks for it, from disk, with no request;
      // the others chosen in the menu.
      const fromBrowser = code === 'ja';
      const page = await open(shared.browser, pageUrl, { viewport: { width, height: 900 },
        languages: fromBrowser ? asked : undefined });
      if (!fromBrowser)
        await page.select('#languageMenu', code);
      assert.equal(await page.evaluate(() => document.documentElement.lang), lang);
      const { texts, said } = await throughEveryState(page);
      assert.equal(texts.length, before.length, `${width} px: ${texts.join(' | ')}`);
      assert.deepEqual(texts.filter((text, index) => text === before[index] && /\p{L}/u.test(text) && !kept.has(text)),
        [], `${width} px`);
      assert.equal(said.length, saidBefore.length);
      assert.deepEqual(said.filter((text, index) => text === saidBefore[index]), []);
      assert.deepEqual(await cutTexts(page), [], `${width} px`);
      if (screenshots && fromBrowser)
        await page.screenshot(join(screenshots, `web-${engine}-${width}-${code}.png`), false);
      if (fromBrowser)
        assert.deepEqual((await page.requests()).filter((request) => request !== pageUrl
          && !/^(data|blob):/.test(request)), []);
      assert.deepEqual(await page.problems(), []);
      await forget(page);
    }
  });
}

// The browser's first language the catalogues have; English for one they
// lack and for a tag that names no language (WebKitGTK's "C"). Each engine
// asks as its automation can: Chromium a list in each page, for the
// page's reading of tags; Firefox and WebKitGTK (whose one language is its
// locale's) at the cost of a browser each, for what they hand over.
const choices = [
  { asked: ['it-IT', 'pt-BR', 'ja'], code: 'pt_BR', in: ['chromium', 'firefox'] },
  { asked: ['zh-Hans-CN'], code: 'zh_CN', in: ['chromium'] }, { asked: ['zh-TW'], code: 'en', in: ['chromium'] },
  { asked: ['pt-PT'], code: 'en', in: ['chromium'] }, { asked: ['fr-BE'], code: 'fr', in: ['chromium', 'webkit'] },
  { asked: ['C'], code: 'en', in: ['firefox', 'webkit'] },
  // Read by hand, as Intl.Locale's likeliest subtags would read them.
  { asked: ['pt'], code: 'pt_BR', in: ['chromium'] }, { asked: ['zh'], code: 'zh_CN', in: ['chromium'] },
  { asked: ['zh-Hant-CN'], code: 'en', in: ['chromium'] }, { asked: ['zh-HK'], code: 'en', in: ['chromium'] },
].filter((choice) => choice.in.includes(engine));
test('chosen from the browser\'s languages, then from the menu, which the browser keeps', async () => {
  for (const { asked, code } of choices) {
    const page = await open(shared.browser, pageUrl, { languages: asked });
    assert.equal(await page.evaluate(() => document.getElementById('languageMenu').value), code, asked.join());
    await page.close();
  }
  // A menu choice outlasts the browser's language and a reload, from disk;
  // English can be chosen again.
  const page = await open(shared.browser, pageUrl, { languages: ['ja-JP'] });
  await chooseFile(page, example);
  await page.click('#convertPushButton');
  await settled(page);
  await page.select('#languageMenu', 'de');
  assert.equal(await page.textContent('#convertPushButton'), 'QVR IN MORVANE UMWANDELN');
  await page.reload();
  assert.equal(await page.evaluate(() => [document.documentElement.lang, document.getElementById('languageMenu').value]
    .join()), 'de,de');
  await page.select('#languageMenu', 'en');
  assert.equal(await page.textContent('#convertPushButton'), 'CONVERT QVR TO MORVANE');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  await forget(page);
});
