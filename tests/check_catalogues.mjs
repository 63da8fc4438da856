// The catalogues (translations/*.ts) are whole and right, and hold every
// text a player reads: a missing or unfinished translation, a placeholder
// (%1 to %9, %n) dropped or added, a plural form too many or too few for
// the language's rule (as lrelease compiled it), a shortcut translated, or
// a text of the window, the page or the core that is not in the
// catalogues (lupdate, run on copies, finds something new or something
// gone) fails. `update_translations` puts new texts in; a translator then
// translates them.
//   node check_catalogues.mjs TS_FOLDER QM_FOLDER WORK_FOLDER -- LUPDATE_COMMAND...
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { join } from 'node:path';

const separator = process.argv.indexOf('--');
const [tsFolder, qmFolder, work] = process.argv.slice(2, separator);
const lupdate = process.argv.slice(separator + 1);
const problems = [];

const xmlText = (text) => text.replace(/&(#x[0-9a-f]+|#\d+|\w+);/gi, (entity, name) => {
  if (name[0] === '#')
    return String.fromCodePoint(name[1] === 'x' || name[1] === 'X' ? parseInt(name.slice(2), 16) : Number(name.slice(1)));
  return { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" }[name] ?? entity;
});

// Every message of a catalogue: its context, source, whether it counts,
// its translation's type and its forms.
function messagesOf(path) {
  const ts = readFileSync(path, 'utf8');
  const messages = [];
  for (const [, context] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = xmlText(/<name>([\s\S]*?)<\/name>/.exec(context)[1]);
    for (const [, attributes, body] of context.matchAll(/<message([^>]*)>([\s\S]*?)<\/message>/g)) {
      const source = xmlText(/<source>([\s\S]*?)<\/source>/.exec(body)[1]);
      const [, type = '', translation = ''] = /<translation(?: type="([^"]*)")?>([\s\S]*?)<\/translation>/.exec(body) ?? [];
      const forms = [...translation.matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)].map(([, form]) => xmlText(form));
      messages.push({ context: name, source, numerus: attributes.includes('numerus="yes"'), type,
        forms: forms.length ? forms : [xmlText(translation)] });
    }
  }
  return messages;
}

// How many plural forms a language has: one more than its compiled rules.
function formsOf(qm) {
  for (let at = 16; at + 5 <= qm.length;) {
    const length = qm.readUInt32BE(at + 1);
    if (qm[at] === 0x88 && length > 0)
      return [...qm.subarray(at + 5, at + 5 + length)].filter((code) => code === 0xff).length + 2;
    at += 5 + length;
  }
  return 1;
}

const placeholders = (text) => [...text.matchAll(/%[1-9n]/g)].map(([marker]) => marker).sort().join(' ');
const catalogues = readdirSync(tsFolder).filter((name) => /^qvrtomorvane_\w+\.ts$/.test(name));
for (const name of catalogues) {
  const language = name.slice('qvrtomorvane_'.length, -'.ts'.length);
  const formCount = formsOf(readFileSync(join(qmFolder, `qvrtomorvane_${language}.qm`)));
  for (const { context, source, numerus, type, forms } of messagesOf(join(tsFolder, name))) {
    const where = `${language} ${context} "${source}"`;
    if (type)
      problems.push(`${where}: ${type}`);
    else if (forms.some((form) => !form))
      problems.push(`${where}: a translation is missing`);
    if (numerus && forms.length !== formCount)
      problems.push(`${where}: ${forms.length} plural forms where ${language} has ${formCount}`);
    for (const form of forms)
      if (form && placeholders(form) !== placeholders(source))
        problems.push(`${where}: "${form}" has ${placeholders(form) || 'no placeholder'}, not ${placeholders(source)}`);
    if (/^(F\d+|Ctrl\+[\w+]+)$/.test(source) && forms.some((form) => form !== source))
      problems.push(`${where}: a shortcut is translated`);
  }
}

// What lupdate makes of the sources, in copies of the catalogues: every
// text there already, none left over.
rmSync(work, { recursive: true, force: true });
mkdirSync(work, { recursive: true });
const copies = catalogues.map((name) => {
  copyFileSync(join(tsFolder, name), join(work, name));
  return join(work, name);
});
const english = copies.find((path) => path.endsWith('_en.ts'));
for (const [files, extra] of [[copies.filter((path) => path !== english), []], [[english], ['-pluralonly']]]) {
  const run = spawnSync(lupdate[0], [...lupdate.slice(1), ...extra, '-ts', ...files], { encoding: 'utf8' });
  if (run.status !== 0)
    problems.push(`lupdate failed: ${run.stderr}`);
}
for (const copy of copies) {
  const before = new Set(messagesOf(join(tsFolder, copy.split('/').pop())).map(({ context, source }) => `${context}\u0000${source}`));
  for (const { context, source, type } of messagesOf(copy)) {
    if (!before.has(`${context}\u0000${source}`))
      problems.push(`${copy.split('/').pop()}: "${source}" (${context}) is a text the catalogue lacks: run update_translations`);
    else if (type === 'vanished' || type === 'obsolete')
      problems.push(`${copy.split('/').pop()}: "${source}" (${context}) is no longer in the sources: run update_translations`);
  }
}

if (problems.length) {
  console.error(problems.join('\n'));
  process.exit(1);
}
console.log(`${catalogues.length} catalogues whole, every text of the sources in them`);
