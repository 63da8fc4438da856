// The page's scripts hold no number or name of the session: every one they
// use is among those the core hands over (qvr_constants), and no number of
// its own stands where one of those should.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { sessionConstants as constants } from './browser.mjs';

const source = (name) => readFileSync(fileURLToPath(new URL(`../${name}`, import.meta.url)), 'utf8');
// The code alone: comments and the texts of strings go (a template's
// ${...} stays).
const codeOf = (text) => text.replace(/\/\*[\s\S]*?\*\/|\/\/.*$/gm, '')
  .replace(/'(?:\\.|[^'\\])*'/g, "''").replace(/`(?:\\.|\$\{[^}]*\}|[^`\\])*`/g, '``');

for (const script of ['app.js', 'sessionworker.js']) {
  test(`${script} uses the session's own numbers and names`, () => {
    const text = source(script);
    const code = codeOf(text);
    // Small counts and offsets, how long a frame may be waited for, how many
    // rows and characters of the details go in at a time, how long a
    // download address lives, the zip's maker system (3, Unix), how many
    // small files a batch reads ahead (8), and how many such files' worth
    // of the zip go into one blob (16).
    const numbers = [...code.matchAll(/(?<![\w.$])\d[\d_]*(?:\.\d+)?(?:e\d+)?/g)].map(([number]) => Number(number));
    assert.deepEqual(numbers.filter((number) => ![0, 1, 2, 3, 8, 16, 50, 100, 8192, 60000].includes(number)), []);
    assert.doesNotMatch(code, /=\s*\{[^}]*:\s*\d/, 'no table of numbers');

    const used = [
      ...[...code.matchAll(/(?:\bsession\.|(?<![\w.$]))(change|control|upper|text|message|fate|numbers|words)\.(\w+)/g)]
        .map(([, group, name]) => [group, name]),
      ...[...text.matchAll(/\b(?:text|bytes)\('(\w+)'\)/g)].map(([, name]) => ['text', name]),
      ...[...text.matchAll(/\btell\('(\w+)'/g)].map(([, name]) => ['message', name]),
    ];
    assert.ok(used.length > 5, `${script} names the session's constants`);
    const undefinedOnes = used.filter(([group, name]) => !(group in constants) || !(name in constants[group]));
    assert.deepEqual(undefinedOnes, []);
  });
}
