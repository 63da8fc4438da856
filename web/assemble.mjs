// Puts the page together: the template with the style, the core's module
// (WebAssembly embedded) and the page's script written into it, the icon as
// a data address, and a Content-Security-Policy that lets in exactly those
// two scripts and that style, and no request at all.
// Beside it, for a host that serves it: the service worker, its cache named
// after the page it holds.
//   node assemble.mjs TEMPLATE STYLE MODULE SCRIPT ICON OUTPUT WORKER
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';

const [template, style, module, script, icon, output, worker] = process.argv.slice(2);
const read = (path) => readFileSync(path, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const styleText = read(style);
// A script may not hold "</script" inside the page; the module never does.
const moduleText = read(module);
const scriptText = read(script);
for (const text of [moduleText, scriptText]) {
  if (text.includes('</script'))
    throw new Error('a script holds "</script"');
}

const policy = [
  "default-src 'none'",
  `script-src ${hash(moduleText)} ${hash(scriptText)} 'wasm-unsafe-eval'`,
  `style-src ${hash(styleText)}`,
  'img-src data:',
  // Served from a host, the page links its manifest and starts its worker.
  "manifest-src 'self'",
  "worker-src 'self'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

// Replaced one at a time, so that no text put in is searched again.
const parts = {
  '@CSP@': policy,
  '@FAVICON@': `data:image/png;base64,${readFileSync(icon).toString('base64')}`,
  '@STYLE@': styleText,
  '@MODULE@': moduleText,
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
