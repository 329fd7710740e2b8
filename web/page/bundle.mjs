#!/usr/bin/env node
// Builds the browser edition from the page's files: build-web/rainbow.html, one self-contained
// file (page, worker, core module, fonts, help and translations inline) that runs from file://,
// and build-web/site/, the same as separate files for a web server.
//
//   node web/page/bundle.mjs [--core FILE] [--out DIR]
//
// --core is the core module (default build-web/web/rainbow-core.js, which scripts/web builds).
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { translationTable } from './ts-table.mjs';
import { helpPictures } from './render-steps.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');

function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at > 0 && process.argv[at + 1] ? path.resolve(process.argv[at + 1]) : fallback;
}

const out = option('--out', path.join(root, 'build-web'));
const corePath = option('--core', path.join(out, 'web', 'rainbow-core.js'));
const read = (file) => fs.readFileSync(path.join(here, file), 'utf8');

// The page's modules in the order they depend on one another, and the worker's.
const MODULES = ['hairline.js', 'player.js', 'painter.js', 'svg.js', 'forms.js', 'help.js', 'i18n.js', 'lessons.js', 'page.js'];
const WORKER_MODULES = ['hairline.js', 'player.js', 'painter.js', 'worker.js'];

// The page's ES modules as one script: each module in a function of its own, its exports
// returned, its imports taken from the modules before it.
// `modules` is a list of {file, source}.
export function joinModules(modules) {
  const parts = [];
  for (const { file, source } of modules) {
    const name = `module_${file.replace(/\W/g, '_')}`;
    const exports = [];
    const body = source
      .replace(/^import\s*\{([^}]*)\}\s*from\s*'\.\/([\w.-]+)';$/gm, (all, names, from) =>
        `const {${names}} = module_${from.replace(/\W/g, '_')};`)
      .replace(/^export\s+(async\s+function\*?|function\*?|const|let|class)\s+([\w$]+)/gm, (all, kind, id) => {
        exports.push(id);
        return `${kind} ${id}`;
      });
    if (/^\s*(import|export)\b/m.test(body)) throw new Error(`${file}: an import or export the bundler cannot join`);
    parts.push(`const ${name} = (() => {\n${body}\nreturn { ${exports.join(', ')} };\n})();`);
  }
  return parts.join('\n');
}

// Every character the program may show: the fonts are cut to these.
function shownCharacters() {
  const chars = new Set();
  const add = (text) => { for (const ch of text) chars.add(ch.codePointAt(0)); };
  for (let c = 0x20; c < 0x7f; ++c) chars.add(c);
  for (let c = 0xa0; c <= 0xff; ++c) chars.add(c);
  for (let c = 0x370; c <= 0x3ff; ++c) chars.add(c); // Greek
  for (const c of [0x2013, 0x2014, 0x2018, 0x2019, 0x201c, 0x201d, 0x2026, 0x2032, 0x2033, 0x2212,
    0x2248, 0x2264, 0x2265, 0x00d7, 0x2022, 0x2190, 0x2192, 0x221e, 0x2713]) chars.add(c);
  const walk = (dir, test) => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
      const full = path.join(dir, entry.name);
      if (entry.isDirectory()) walk(full, test);
      else if (test(entry.name)) add(fs.readFileSync(full, 'utf8'));
    }
  };
  for (const dir of ['app', 'caustics', 'crossing', 'forms', 'geometry', 'rainbow', 'theory', 'scattering', 'lessons', 'qt/i18n', 'tools/help']) {
    const full = path.join(root, dir);
    if (fs.existsSync(full)) walk(full, (n) => /\.(cpp|h|ts|html|json|txt)$/.test(n));
  }
  return [...chars].filter((c) => c >= 0x20).sort((a, b) => a - b);
}

function fontFaces() {
  const chars = shownCharacters().map((c) => `U+${c.toString(16).toUpperCase()}`).join(',');
  const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'rainbow-fonts-'));
  const faces = [];
  const fonts = [
    ['Liberation Sans', 'LiberationSans-Regular.ttf', 'normal'],
    ['Liberation Sans', 'LiberationSans-Bold.ttf', 'bold'],
    ['Liberation Serif', 'LiberationSerif-Regular.ttf', 'normal'],
    ['Liberation Serif', 'LiberationSerif-Bold.ttf', 'bold'],
  ];
  for (const [family, file, weight] of fonts) {
    const source = path.join('/usr/share/fonts/truetype/liberation', file);
    const target = path.join(tmp, `${file}.woff2`);
    let flavor = 'woff2';
    const subset = (f, t) => execFileSync('pyftsubset', [source, `--unicodes=${chars}`, `--flavor=${f}`,
      `--output-file=${t}`, '--layout-features=kern,liga', '--no-hinting', '--desubroutinize'], { stdio: 'pipe' });
    try {
      subset('woff2', target);
    } catch {
      // Without python3-brotli there is no WOFF2: WOFF compresses with zlib.
      flavor = 'woff';
      subset('woff', target);
    }
    const data = fs.readFileSync(target).toString('base64');
    faces.push(`@font-face { font-family: "${family}"; font-weight: ${weight}; font-style: normal; ` +
      `src: url(data:font/${flavor};base64,${data}) format("${flavor}"); }`);
  }
  fs.rmSync(tmp, { recursive: true, force: true });
  return faces.join('\n');
}

function helpPages() {
  const pages = {};
  for (const language of ['en', 'el']) {
    pages[language] = {};
    const dir = path.join(root, 'tools', 'help', language);
    for (const file of fs.readdirSync(dir).filter((f) => f.endsWith('.html')).sort()) {
      pages[language][file] = fs.readFileSync(path.join(dir, file), 'utf8');
    }
  }
  return pages;
}

// The lessons that come with the program, {file: text}.
function exampleLessonFiles() {
  const dir = path.join(root, 'lessons');
  const lessons = {};
  for (const file of fs.readdirSync(dir).filter((f) => f.endsWith('.json')).sort()) {
    lessons[file] = fs.readFileSync(path.join(dir, file), 'utf8');
  }
  return lessons;
}

// A script kept as the text of a plain-text element: it must not close the element.
function workerSource(text) {
  if (/<\/script/i.test(text)) throw new Error('the worker script holds "</script": it cannot be inlined as text');
  return text;
}

// The core module split into its loader and its WebAssembly (base64), which the single-file
// page decodes and compiles once, while it loads, and hands to the worker compiled: the worker
// then parses 70 KB of script rather than 900 KB. `source` is the module as emscripten writes it
// (-sSINGLE_FILE), the WebAssembly as a data URL.
const EMBEDDED_WASM = /(wasmBinaryFile\s*=\s*)"data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)"/;
export function splitCore(source) {
  const found = EMBEDDED_WASM.exec(source);
  if (!found) throw new Error('the core module holds no embedded WebAssembly (built without -sSINGLE_FILE?)');
  return {
    loader: source.slice(0, found.index) + `${found[1]}""` + source.slice(found.index + found[0].length),
    wasmBase64: found[2],
  };
}

// Keeps a script's text from closing the element it sits in.
const inScript = (text) => text.replace(/<\/(script)/gi, '<\\/$1').replace(/<!--/g, '<\\!--');

function build() {
  if (!fs.existsSync(corePath)) {
    throw new Error(`no core module at ${corePath}: build it with scripts/web`);
  }
  const core = fs.readFileSync(corePath, 'utf8');
  // A classic worker script (a module worker cannot start from file://).
  const worker = joinModules(WORKER_MODULES.map((file) => ({ file, source: read(file) })));
  const data = {
    RAINBOW_TRANSLATIONS: translationTable(fs.readFileSync(path.join(root, 'qt', 'i18n', 'rainbow_el.ts'), 'utf8')),
    RAINBOW_HELP: helpPages(),
    RAINBOW_LESSONS: exampleLessonFiles(),
    RAINBOW_HELP_PICTURES: helpPictures(fs.readFileSync(path.join(root, 'tools', 'help', 'pictures.txt'), 'utf8')),
  };
  const dataScript = Object.entries(data).map(([k, v]) => `window.${k} = ${JSON.stringify(v)};`).join('\n');
  const style = `${fontFaces()}\n${read('style.css')}`;
  const page = joinModules(MODULES.map((file) => ({ file, source: read(file) })));
  const template = read('index.html');
  const fill = (styleHtml, dataHtml, scriptHtml) => template
    .replace('<!--STYLE-->', () => styleHtml).replace('<!--DATA-->', () => dataHtml)
    .replace('<!--SCRIPT-->', () => scriptHtml);

  fs.mkdirSync(out, { recursive: true });
  const { loader, wasmBase64 } = splitCore(core);
  // gzip, which the browser undoes as it compiles: a third of the text to read.
  const wasmGzipBase64 = zlib.gzipSync(Buffer.from(wasmBase64, 'base64'), { level: 9 }).toString('base64');
  // First of all, before the fonts: the WebAssembly compiled by the browser from a data URL
  // (no script parses it), and the worker started from its script as plain text; the worker
  // takes the compiled module in its first message.
  const start = `<script type="text/plain" id="worker-source">${workerSource(`self.rainbowWasmFromPage = true;\n${loader}\n${worker}`)}</script>\n` +
    `<script>(() => {\n${inScript(read('start.js'))}\n})();</script>`;
  const fillSingle = (html) => html.replace('<!--START-->', () =>
    `<script type="application/octet-stream" id="rainbow-wasm">${wasmGzipBase64}</script>\n${start}`);
  const single = fillSingle(fill(`<style>\n${style}\n</style>`,
    `<script>\n${inScript(dataScript)}\n</script>`,
    `<script type="module">\n${inScript(page)}\n</script>`));
  fs.writeFileSync(path.join(out, 'rainbow.html'), single);

  const site = path.join(out, 'site');
  fs.mkdirSync(site, { recursive: true });
  fs.writeFileSync(path.join(site, 'style.css'), style);
  fs.writeFileSync(path.join(site, 'data.js'), dataScript);
  fs.writeFileSync(path.join(site, 'rainbow-core.js'), core);
  fs.writeFileSync(path.join(site, 'worker.js'), worker);
  fs.writeFileSync(path.join(site, 'page.js'), page);
  fs.writeFileSync(path.join(site, 'index.html'), fill('<link rel="stylesheet" href="style.css">',
    '<script src="data.js"></script>', '<script type="module" src="page.js"></script>').replace('<!--START-->\n', ''));
  const size = fs.statSync(path.join(out, 'rainbow.html')).size;
  console.log(`bundle: ${path.join(out, 'rainbow.html')} (${(size / 1024).toFixed(0)} KB), ${site}/`);
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  try {
    build();
  } catch (e) {
    console.error(`bundle: ${e.message}`);
    process.exit(1);
  }
}
