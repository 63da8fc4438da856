// Puts the page together: the template with the style, the page's script,
// and, as a text the script starts a worker from, the core's module
// (WebAssembly embedded) followed by the worker's own script; the icon as a
// data address; and a Content-Security-Policy that lets in exactly that
// script, that style and that worker, and no request at all.
// Beside it, for a host that serves it: the service worker, its cache named
// after the page it holds.
// The worker also holds fflate, which writes the zip of several codes; the
// page and the worker both hold translate.js, and the page the catalogues
// of every language (translations/*.ts, each language's plural rule from
// its compiled .qm).
//   node assemble.mjs TEMPLATE STYLE MODULE FFLATE TRANSLATE SESSION_WORKER SCRIPT ICON OUTPUT SERVICE_WORKER
//                     CATALOGUES COMPILED_CATALOGUES
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [template, style, module, fflate, translate, sessionWorker, script, icon, output, worker, catalogueFolder,
  compiledFolder] = process.argv.slice(2);
const read = (path) => readFileSync(path, 'utf8');

// The session's own words for what the page shows before its worker is up
// (the panes' placeholders), from the module itself, which runs here as it
// runs in the worker.
async function sessionConstants() {
  const scope = { location: { href: pathToFileURL(module).href } };
  const create = new Function('self', `${read(module)}\nreturn createQvrToMorvane;`)(scope);
  const created = create();
  const core = await Promise.resolve(created.ready || created);
  const at = core._qvr_constants() >> 2;
  const start = core.HEAPU32[at];
  return JSON.parse(Buffer.from(core.HEAPU8.subarray(start, start + core.HEAPU32[at + 1])).toString('utf8'));
}
const constants = await sessionConstants();
const { words } = constants;
const escaped = (text) => text.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const styleText = read(style);
// A script may not hold "</script" inside the page; the module never does.
const sessionText = `${read(module)}\n${read(fflate)}\n${read(translate)}\n${read(sessionWorker)}`;
const scriptText = `${read(translate)}\n${read(script)}`;
for (const text of [sessionText, scriptText]) {
  if (text.includes('</script'))
    throw new Error('a script holds "</script"');
}

const policy = [
  "default-src 'none'",
  // The worker inherits this policy: it compiles the module.
  `script-src ${hash(scriptText)} 'wasm-unsafe-eval'`,
  `style-src ${hash(styleText)}`,
  // The icon in the page is a data address; served, the manifest's icons
  // come from the page's own origin, and a browser checks them against this
  // before it offers to install the page.
  "img-src data: 'self'",
  // The session's worker comes from the page's own text (blob:); served
  // from a host, the page links its manifest and starts its service worker.
  "manifest-src 'self'",
  "worker-src blob: 'self'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

// Each language the catalogues have, English first: its name in itself,
// its tag for <html lang>, its plural rule and its finished translations
// of the texts the page shows.
const languages = [['en', 'en', 'English'], ['ja', 'ja', '日本語'], ['zh_CN', 'zh-CN', '简体中文'], ['ko', 'ko', '한국어'],
  ['es', 'es', 'Español'], ['pt_BR', 'pt-BR', 'Português (Brasil)'], ['fr', 'fr', 'Français'], ['de', 'de', 'Deutsch'],
  ['ru', 'ru', 'Русский']];
const pageContexts = new Set(['Page', 'Help', 'QVRtoMorvane', 'StepMessage', 'ConversionReport', 'CodeSession', 'CodeText']);
// A catalogue is the flat XML lupdate writes, always in the same shape:
// read with a pattern per element, which spares the page's build an XML
// library (Node has none of its own).
const xmlText = (text) => text.replace(/&(#x[0-9a-f]+|#\d+|\w+);/gi, (entity, name) => {
  if (name[0] === '#')
    return String.fromCodePoint(name[1] === 'x' || name[1] === 'X' ? parseInt(name.slice(2), 16) : Number(name.slice(1)));
  return { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" }[name] ?? entity;
});
function messagesOf(ts) {
  const messages = {};
  for (const [, context] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = xmlText(/<name>([\s\S]*?)<\/name>/.exec(context)[1]);
    if (!pageContexts.has(name))
      continue;
    for (const [, message] of context.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = xmlText(/<source>([\s\S]*?)<\/source>/.exec(message)[1]);
      const translation = /<translation( type="[^"]*")?>([\s\S]*?)<\/translation>|<translation[^>]*\/>/.exec(message);
      if (!translation?.[2] || translation[1])
        continue; // unfinished, vanished or empty: the source stands
      const forms = [...translation[2].matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)].map(([, form]) => xmlText(form));
      if (!forms.length && xmlText(translation[2]) === source)
        continue; // the same in the language: the source stands, and the page is smaller
      (messages[name] ??= {})[source] = forms.length ? forms : xmlText(translation[2]);
    }
  }
  return messages;
}
// The plural rule lrelease compiled into a .qm: its numerus rules block.
function rulesOf(qm) {
  for (let at = 16; at + 5 <= qm.length;) {
    const tag = qm[at];
    const length = qm.readUInt32BE(at + 1);
    if (tag === 0x88)
      return [...qm.subarray(at + 5, at + 5 + length)];
    at += 5 + length;
  }
  return [];
}
const catalogues = languages.map(([code, tag, name]) => ({ code, tag, name,
  rules: rulesOf(readFileSync(join(compiledFolder, `qvrtomorvane_${code}.qm`))),
  messages: messagesOf(read(join(catalogueFolder, `qvrtomorvane_${code}.ts`))) }));
// Each in a script element of its own, which nothing inside may close,
// named for the language menu.
const cataloguesText = catalogues.map((catalogue) => `<script id="catalogue-${catalogue.code}" `
  + `data-catalogue="${catalogue.code}" data-name="${escaped(catalogue.name)}" type="application/json">`
  + `${JSON.stringify(catalogue).replace(/</g, '\\u003c')}</script>`).join('\n');
// The menu holds English alone until the page's script fills it: laying out
// the other languages' names (Han, Hangul, Cyrillic), for the menu's width,
// looked up fonts that held a cheap phone's first paint by a tenth of a
// second.
const [[firstCode, , firstName]] = languages;
const languageOptions = `<option value="${firstCode}">${escaped(firstName)}</option>`;

// Replaced one at a time, so that no text put in is searched again.
const parts = {
  '@CSP@': policy,
  '@FAVICON@': `data:image/png;base64,${readFileSync(icon).toString('base64')}`,
  '@STYLE@': styleText,
  '@SESSION@': sessionText,
  '@APP@': scriptText,
  '@UPPER_PLACEHOLDER@': escaped(words.upperPlaceholder),
  '@CATALOGUES@': cataloguesText,
  '@LANGUAGES@': languageOptions,
  '@LOWER_PLACEHOLDER@': escaped(words.lowerPlaceholder),
};
let page = read(template);
let result = '';
for (;;) {
  const match = /@[A-Z_]+@/.exec(page);
  if (!match) {
    result += page;
    break;
  }
  if (!(match[0] in parts))
    throw new Error(`unknown placeholder ${match[0]}`);
  result += page.slice(0, match.index) + parts[match[0]];
  page = page.slice(match.index + match[0].length);
}
writeFileSync(output, result);
// For the test that the page's scripts use only what the session defines.
writeFileSync(join(dirname(output), '..', 'session-constants.json'), JSON.stringify(constants));
const version = createHash('sha256').update(result).digest('hex').slice(0, 16);
writeFileSync(join(dirname(output), 'sw.js'), read(worker).replace('@VERSION@', version));
