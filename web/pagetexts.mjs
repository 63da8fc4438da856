// The texts the page marks for translation (data-tr: an element's text;
// data-tr-label: its aria-label), and those its scripts translate
// (qsTranslate('Context', 'words')), written out as the plain calls lupdate
// reads (its JavaScript reader knows no newer syntax than the scripts'),
// so that they go into the catalogues beside every other text. The page
// translates marked texts the same way: their whitespace made single
// spaces.
//   node pagetexts.mjs PAGE OUTPUT [SCRIPT...]
import { readFileSync, writeFileSync } from 'node:fs';

const [page, output, ...scripts] = process.argv.slice(2);
const html = readFileSync(page, 'utf8');
const decoded = (text) => text.replace(/&quot;/g, '"').replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&amp;/g, '&');
const normalised = (text) => decoded(text).replace(/\s+/g, ' ').trim();
const calls = [];
for (const [, attributes, text] of html.matchAll(/<\w+([^>]*\sdata-tr="[^"]+"[^>]*)>([^<]*)</g))
  calls.push([/\sdata-tr="([^"]+)"/.exec(attributes)[1], normalised(text)]);
for (const [element] of html.matchAll(/<\w+[^>]*\sdata-tr-label="[^"]+"[^>]*>/g))
  calls.push([/\sdata-tr-label="([^"]+)"/.exec(element)[1], normalised(/\saria-label="([^"]*)"/.exec(element)[1])]);
const literal = String.raw`'((?:[^'\\]|\\.)*)'`;
const call = new RegExp(String.raw`\bqsTranslate\(\s*${literal}\s*,\s*${literal}`, 'g');
const unescaped = (text) => text.replace(/\\(.)/g, '$1');
for (const script of scripts)
  for (const [, context, source] of readFileSync(script, 'utf8').matchAll(call))
    calls.push([unescaped(context), unescaped(source)]);
writeFileSync(output, `${calls.map(([context, source]) => `qsTranslate(${JSON.stringify(context)}, ${JSON.stringify(source)});`)
  .join('\n')}\n`);
