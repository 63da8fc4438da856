// The benchmark table: every figure the project keeps, each beside a floor
// measured in the same run on the same input, and their ratio. Ratios, not
// times, are what a change is judged by: they hold on a slower or busier
// machine, where times do not. A row whose ratio passes its limit (about
// three times what it was when the limit was set) is a gross regression,
// and the run fails; anything less is for people to read.
//   node bench/table.mjs [BUILD]    BUILD: the default preset's folder, build/
// It needs what the test command builds: the programs, the benchmarks, the
// page (build-web/) and, for each engine, its browser. The table goes to
// standard output and to BUILD/bench-table.md.
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { cpus, tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const root = dirname(dirname(fileURLToPath(import.meta.url)));
const build = resolve(process.argv[2] ?? join(root, 'build'));
const bin = (name) => join(build, 'bin', name);
const pagePath = join(root, 'build-web', 'web', 'page', 'index.html');
const scratch = mkdtempSync(join(tmpdir(), 'qvrtomorvane-bench-'));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const rows = [];
const loadBefore = readFileSync('/proc/loadavg', 'utf8').split(' ')[0];

// A figure, its floor and how far above the floor it may go.
function row(figure, value, floor, floorValue, unit, limit = null) {
  rows.push({ figure, value, floor, floorValue, unit, ratio: value / floorValue, limit });
}

// Wall time and the most memory held at once, of one run of a program.
function measured(command, args) {
  const memory = join(scratch, 'memory');
  const start = process.hrtime.bigint();
  const run = spawnSync('/usr/bin/time', ['-f', '%M', '-o', memory, command, ...args], { stdio: ['ignore', 'ignore', 'pipe'] });
  const seconds = Number(process.hrtime.bigint() - start) / 1e9;
  if (run.status !== 0)
    throw new Error(`${command} ${args.join(' ')}: ${run.stderr}`);
  return { seconds, megabytes: Number(readFileSync(memory, 'utf8').trim().split('\n').pop()) / 1024 };
}

// Each program run in turn, five times; the median of each.
function alternating(programs) {
  const runs = programs.map(() => []);
  for (let round = 0; round < 5; ++round)
    programs.forEach(([command, args], index) => runs[index].push(measured(command, args)));
  return runs.map((times) => ({ seconds: median(times.map((time) => time.seconds)),
    megabytes: median(times.map((time) => time.megabytes)) }));
}

function makeCode(megabytes, name) {
  const path = join(scratch, name);
  execFileSync(bin('make_code'), [String(megabytes), path, '7']);
  return path;
}

// The converter of the previous landing (bench/previous-landing), built
// here from its own source as this build is built, once.
function previousConverter() {
  const commit = readFileSync(join(root, 'bench', 'previous-landing'), 'utf8').trim();
  const folder = join(build, 'bench-previous', commit.slice(0, 12));
  const converter = join(folder, 'build', 'bin', 'qvrtomorvane-cli');
  if (existsSync(converter))
    return { commit, converter };
  if (spawnSync('git', ['-C', root, 'cat-file', '-e', `${commit}^{commit}`]).status !== 0)
    return { commit };
  rmSync(folder, { recursive: true, force: true });
  mkdirSync(folder, { recursive: true });
  execFileSync('sh', ['-c', `git -C "$0" archive "$1" | tar -x -C "$2"`, root, commit, folder]);
  const type = /^CMAKE_BUILD_TYPE:\w+=(.*)$/m.exec(readFileSync(join(build, 'CMakeCache.txt'), 'utf8'))?.[1] ?? 'Release';
  execFileSync('cmake', ['-S', folder, '-B', join(folder, 'build'), '-G', 'Ninja', `-DCMAKE_BUILD_TYPE=${type}`,
    '-DCMAKE_UNITY_BUILD=ON', '-DQVRTOMORVANE_BUILD_TESTS=OFF'], { stdio: 'ignore' });
  execFileSync('cmake', ['--build', join(folder, 'build'), '--target', 'qvrtomorvane-cli'], { stdio: 'ignore' });
  return { commit, converter };
}

function converterRows() {
  const code = makeCode(100, 'code100.txt');
  const previous = previousConverter();
  const programs = [[bin('splitcopy'), [code, join(scratch, 'split.txt')]],
    [bin('qvrtomorvane-cli'), [code, '-o', join(scratch, 'converted.txt')]]];
  if (previous.converter)
    programs.push([previous.converter, [code, '-o', join(scratch, 'previous.txt')]]);
  const [split, converter, before] = alternating(programs);
  const inputMegabytes = 100;
  row('converter, 100 MB code', converter.seconds, 'streaming split-and-copy', split.seconds, 's', 3);
  row('converter, 100 MB code: peak memory', converter.megabytes, 'the input', inputMegabytes, 'MB', 1.5);
  if (before) {
    const landing = `converter of ${previous.commit.slice(0, 7)}`;
    row('converter, 100 MB code', converter.seconds, landing, before.seconds, 's', 3);
    row('converter, 100 MB code: peak memory', converter.megabytes, landing, before.megabytes, 'MB', 3);
  } else {
    console.error(`The previous landing ${previous.commit} is not in this clone: its row is left out.`);
  }
  rmSync(code);
}

// Google Benchmark's own figures, in milliseconds.
function benchmarks(program, filter) {
  const run = spawnSync(bin(program), [`--benchmark_filter=${filter}`, '--benchmark_format=json'],
    { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  const { benchmarks: results } = JSON.parse(run.stdout);
  return Object.fromEntries(results.map(({ run_name: name, real_time: time }) => [name.split('/').slice(0, 2).join('/'), time]));
}

// 1,000 codes of 10 KB, for every face's batch, and what the converter's
// --output-dir takes for them: the floor of the batch rows.
let batchFolder;
let batchFloor;
function batchRows() {
  batchFolder = join(scratch, 'many');
  mkdirSync(batchFolder);
  execFileSync(bin('make_code'), ['--many', '1000', String(10 * 1024), batchFolder, '5']);
  const largest = join(batchFolder, 'code-0001.txt');
  const [all, alone] = alternating([[bin('qvrtomorvane-cli'), ['-d', join(scratch, 'batch'), batchFolder]],
    [bin('qvrtomorvane-cli'), ['-d', join(scratch, 'alone'), largest]]]);
  batchFloor = all.seconds;
  row('converter --output-dir, 1,000 codes of 10 KB: peak memory', all.megabytes, 'the converter on one of them',
    alone.megabytes, 'MB', 2);
  const window = JSON.parse(spawnSync(bin('bench_window'), ['--benchmark_filter=^convertSeveral',
    '--benchmark_format=json'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'],
    env: { ...process.env, QVRTOMORVANE_BATCH_FOLDER: batchFolder } }).stdout).benchmarks[0];
  row('window: the same 1,000 codes into a folder', window.real_time / 1000, 'the converter\'s --output-dir',
    batchFloor, 's', 6);
  row('window: the same 1,000 codes: peak memory', window.allKB / 1024, 'the window converting one of them',
    window.largestAloneKB / 1024, 'MB', 2);
}

function windowRows() {
  const core = benchmarks('bench_conversion', '^loadIntoSession/1/');
  const window = benchmarks('bench_window', '^(loadAndShow|showDetails)/1024/');
  row('window: a 1 MB code loaded, converted and shown', window['loadAndShow/1024'],
    'the session\'s load and Convert alone', core['loadIntoSession/1'], 'ms', 10);
  row('window: its Conversion Details shown', window['showDetails/1024'],
    'the window\'s load and show', window['loadAndShow/1024'], 'ms', 6);
}

function engines() {
  const found = (command) => spawnSync('sh', ['-c', `command -v ${command}`]).status === 0;
  if (!existsSync(pagePath) || !existsSync(join(root, 'web', 'node_modules', 'playwright-core')))
    return [];
  return [['chromium', found('chromium')], ['firefox', found('firefox-esr')],
    ['webkit', found('WebKitWebDriver') && found('xvfb-run')]].filter(([, present]) => present).map(([engine]) => engine);
}

// Each engine in a process of its own (WebKit's under a display of its own).
function pageRows() {
  const code = makeCode(10, 'code10.txt');
  const small = join(root, 'tests', 'data', 'example-code.txt');
  const limits = { chromium: 6, firefox: 9, webkit: 9 };
  for (const engine of engines()) {
    const command = [process.execPath, join(root, 'bench', 'page.mjs'), code, small, batchFolder];
    const display = engine === 'webkit' ? ['xvfb-run', '-a', '-s', '-screen 0 1600x1200x24'] : [];
    const [program, ...args] = [...display, ...command];
    const run = spawnSync(program, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'inherit'],
      env: { ...process.env, QVRTOMORVANE_ENGINE: engine, QVRTOMORVANE_PAGE: pagePath } });
    if (run.status !== 0)
      throw new Error(`the page's figures in ${engine} failed`);
    const figures = JSON.parse(run.stdout.trim().split('\n').pop());
    const [native] = alternating([[bin('qvrtomorvane-cli'), [code, '-o', join(scratch, 'native.txt')]]]);
    row(`page in ${engine}: a 10 MB code loaded and converted`, median(figures.convert) / 1000,
      'the converter on the same file', native.seconds, 's', limits[engine]);
    row(`page in ${engine}: the same 1,000 codes into a zip`, figures.batch / 1000, 'the converter\'s --output-dir',
      batchFloor, 's', 20);
    for (const step of ['load', 'convert', 'details']) {
      row(`page in ${engine}: longest hold of its thread, ${step}, 10 MB`, figures.holds[step],
        'the same with the example code', Math.max(1, figures.smallHolds[step]), 'ms');
    }
    if (figures.coldStart) {
      const { paint, barePaint, ready, pageBytes } = figures.coldStart;
      const bare = `a bare page of ${Math.round(pageBytes / 1024)} KB: first paint`;
      row(`page in ${engine}, CPU 6x slower: first paint`, paint, bare, barePaint, 'ms', 3);
      row(`page in ${engine}, CPU 6x slower: converter ready`, ready, bare, barePaint, 'ms', 6);
    }
  }
  rmSync(code);
}

const shown = (value, unit) => (unit === 's' ? `${value.toFixed(3)} s` : unit === 'ms' ? `${value.toFixed(1)} ms`
  : `${value.toFixed(1)} MB`);

function table() {
  const commit = spawnSync('git', ['-C', root, 'rev-parse', '--short', 'HEAD'], { encoding: 'utf8' }).stdout.trim();
  const lines = [
    `${new Date().toISOString().slice(0, 10)}, ${commit}, ${cpus().length} × ${cpus()[0].model.trim()}, ` +
      `load average before the run ${loadBefore}`,
    '',
    '| Figure | Value | Floor | Floor value | Ratio | Limit |',
    '|---|---|---|---|---|---|',
    ...rows.map(({ figure, value, floor, floorValue, unit, ratio, limit }) =>
      `| ${figure} | ${shown(value, unit)} | ${floor} | ${shown(floorValue, unit)} | ${ratio.toFixed(2)} | ${limit ?? '—'} |`),
  ];
  return `${lines.join('\n')}\n`;
}

try {
  converterRows();
  windowRows();
  batchRows();
  pageRows();
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
const text = table();
process.stdout.write(text);
writeFileSync(join(build, 'bench-table.md'), text);
const regressions = rows.filter(({ ratio, limit }) => limit !== null && ratio > limit);
for (const { figure, floor, ratio, limit } of regressions)
  console.error(`Gross regression: ${figure} is ${ratio.toFixed(2)} times ${floor}, over its limit of ${limit}.`);
process.exitCode = regressions.length ? 1 : 0;
