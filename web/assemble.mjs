// Puts the page together: the template with the style, the page's script,
// and, as a text the script starts a worker from, the core's module
// (WebAssembly embedded) followed by the worker's own script; the icon as a
// data address; and a Content-Security-Policy that lets in exactly that
// script, that style and that worker, and no request at all.
// Beside it, for a host that serves it: the service worker, its cache named
// after the page it holds.
//   node assemble.mjs TEMPLATE STYLE MODULE SESSION_WORKER SCRIPT ICON OUTPUT SERVICE_WORKER
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';

const [template, style, module, sessionWorker, script, icon, output, worker] = process.argv.slice(2);
const read = (path) => readFileSync(path, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const styleText = read(style);
// A script may not hold "</script" inside the page; the module never does.
const sessionText = `${read(module)}\n${read(sessionWorker)}`;
const scriptText = read(script);
for (const text of [sessionText, scriptText]) {
  if (text.includes('</script'))
    throw new Error('a script holds "</script"');
}

const policy = [
  "default-src 'none'",
  // The worker inherits this policy: it compiles the module.
  `script-src ${hash(scriptText)} 'wasm-unsafe-eval'`,
  `style-src ${hash(styleText)}`,
  'img-src data:',
  // The session's worker comes from the page's own text (blob:); served
  // from a host, the page links its manifest and starts its service worker.
  "manifest-src 'self'",
  "worker-src blob: 'self'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

// Replaced one at a time, so that no text put in is searched again.
const parts = {
  '@CSP@': policy,
  '@FAVICON@': `data:image/png;base64,${readFileSync(icon).toString('base64')}`,
  '@STYLE@': styleText,
  '@SESSION@': sessionText,
  '@APP@': scriptText,
};
let page = read(template);
let result = '';
for (;;) {
  const match = /@[A-Z]+@/.exec(page);
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
const version = createHash('sha256').update(result).digest('hex').slice(0, 16);
writeFileSync(join(dirname(output), 'sw.js'), read(worker).replace('@VERSION@', version));
