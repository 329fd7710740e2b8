// What the browser tests share: the browser, the page opened from file://, the native program's
// answers for the same steps, and the pixel comparison of two pictures.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { renderSteps, stepArguments } from '../page/render-steps.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');

// The golden views: each a name and the steps from start-up that lead to it.
export const STEP_TABLE = fs.readFileSync(path.join(root, 'tests', 'golden', 'views.txt'), 'utf8')
  .split('\n').map((l) => l.trim()).filter((l) => l && !l.startsWith('#'))
  .map((line, i) => {
    const [name, ...words] = line.split(/\s+/);
    return { name, steps: renderSteps(words, `views.txt:${i + 1}`).steps };
  });

// The picture a view is about: the main picture of the window its last step touched.
const MAIN_PICTURE = { arxiki: 'Picture1', cut_rays: 'client', kafstikh: 'eikona', theoria: 'primary' };
export function viewPicture(row) {
  const form = row.steps.length ? row.steps[row.steps.length - 1].form : 'arxiki';
  return `${form}.${MAIN_PICTURE[form]}`;
}

export async function launchBrowser() {
  const args = ['--disable-gpu', '--font-render-hinting=none'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, args,
    protocolTimeout: 120000,
  });
}

// Opens the page at width x height CSS pixels, downloads going to `downloads`; resolves when
// the main picture is painted, with the time that took.
export async function openPage(browser, url, downloads, { width = 1280, height = 900, language = 'en' } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height, deviceScaleFactor: 1 });
  const client = await page.createCDPSession();
  await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.evaluateOnNewDocument((lang) => {
    Object.defineProperty(navigator, 'language', { get: () => lang });
  }, language);
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); else if (process.env.RAINBOW_CONSOLE) console.log(m.text()); });
  page.errors = errors;
  const started = Date.now();
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction(() => window.rainbowPage &&
    document.querySelector('canvas[data-picture="arxiki.Picture1"]')?.dataset.paintedSize, { timeout: 30000 });
  const loadMs = await page.evaluate(() => performance.now());
  useScreen(await page.evaluate(() => window.rainbowPage.screen));
  return { page, loadMs: Math.round(loadMs), wallMs: Date.now() - started };
}

// The screen the page's program runs on; the native program is given the same.
let screenArguments = [];
export function useScreen(screen) {
  screenArguments = screen ? ['--screen', `${screen.width}x${screen.height}`] : [];
}

function renderArguments(steps) {
  return [...screenArguments, ...steps.flatMap(stepArguments)];
}

const renderEnv = { ...process.env, QT_QPA_PLATFORM: 'offscreen', LANG: 'C.UTF-8', LC_ALL: 'C.UTF-8' };

// The native program's state after the steps.
export function nativeState(render, steps, extra = []) {
  return execFileSync(render, [...extra, ...renderArguments(steps), '--json', '-'],
    { env: renderEnv, maxBuffer: 1 << 28 }).toString('utf8');
}

// The native picture after the steps, as a PNG file (its path).
export function nativePng(render, steps, picture, dir, size = 0) {
  const file = path.join(dir, `native-${picture}-${Math.random().toString(36).slice(2)}.png`);
  execFileSync(render, [...renderArguments(steps), ...(size ? ['--size', String(size)] : []), '--png', `${picture}=${file}`],
    { env: renderEnv });
  return file;
}

// Plays the page's display list of `picture` at the native PNG's size (in device pixels, at
// `ratio` device pixels a CSS pixel) and counts the pixels
// whose colour differs by more than 48 in some channel. Writes both pictures and the
// difference beside `prefix` for a look.
export async function comparePictures(page, picture, pngFile, prefix, ratio = 1, playOptions = {}) {
  const png = fs.readFileSync(pngFile).toString('base64');
  const result = await page.evaluate(async (name, data, ratio, playOptions) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const width = image.naturalWidth, height = image.naturalHeight;
    const native = new OffscreenCanvas(width, height).getContext('2d');
    native.drawImage(image, 0, 0);
    const ours = new OffscreenCanvas(width, height);
    window.rainbowPage.play(ours.getContext('2d'), name, width / ratio, height / ratio, ratio, playOptions);
    const a = ours.getContext('2d').getImageData(0, 0, width, height).data;
    const b = native.getImageData(0, 0, width, height).data;
    const diff = new OffscreenCanvas(width, height).getContext('2d');
    const marks = diff.createImageData(width, height);
    let off = 0;
    for (let i = 0; i < a.length; i += 4) {
      const d = Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2]));
      const bad = d > 48;
      if (bad) ++off;
      marks.data.set(bad ? [255, 0, 0, 255] : [b[i], b[i + 1], b[i + 2], 60], i);
    }
    diff.putImageData(marks, 0, 0);
    const url = async (c) => {
      const blob = await c.convertToBlob({ type: 'image/png' });
      const bytes = new Uint8Array(await blob.arrayBuffer());
      let s = '';
      for (let i = 0; i < bytes.length; i += 8192) s += String.fromCharCode(...bytes.subarray(i, i + 8192));
      return btoa(s);
    };
    return { off: off / (width * height), width, height, ours: await url(ours), diff: await url(diff.canvas) };
  }, picture, png, ratio, playOptions);
  fs.writeFileSync(`${prefix}-ours.png`, Buffer.from(result.ours, 'base64'));
  fs.writeFileSync(`${prefix}-diff.png`, Buffer.from(result.diff, 'base64'));
  fs.copyFileSync(pngFile, `${prefix}-native.png`);
  return { off: result.off, width: result.width, height: result.height, files: `${prefix}-{ours,native,diff}.png` };
}

// Where two JSON values first differ: a path and both values, or null when they are equal.
export function firstDifference(a, b, at = '') {
  if (typeof a !== typeof b || Array.isArray(a) !== Array.isArray(b) || (a === null) !== (b === null)) {
    return `${at}: ${JSON.stringify(a)?.slice(0, 200)} vs ${JSON.stringify(b)?.slice(0, 200)}`;
  }
  if (a !== null && typeof a === 'object') {
    const keys = new Set([...Object.keys(a), ...Object.keys(b)]);
    for (const k of keys) {
      const d = firstDifference(a[k], b[k], `${at}/${k}`);
      if (d) return d;
    }
    return null;
  }
  return a === b ? null : `${at}: ${JSON.stringify(a)} vs ${JSON.stringify(b)}`;
}

// Fails with the first difference when the page's state is not the native one.
export function sameState(ours, native, what) {
  if (ours === native) return;
  throw new Error(`${what}: the states differ at ${firstDifference(JSON.parse(ours), JSON.parse(native)) || 'the text only'}`);
}
