#!/usr/bin/env node
// The browser edition's speed and size, measured in headless Debian Chromium from file://:
//
//   node web/bench/bench.mjs [--html build-web/rainbow.html] [--steps 60] [--apart MS] [--json FILE]
//
// - a step on the heaviest view (parallel beam, 80 rays, 2 reflections), from the step's
//   message to the worker until the main picture is drawn on its canvas, and until the first
//   animation frame after that (the frame that shows it): median and 90th percentile. The
//   steps follow one another at once, as a bar dragged (the page paints drafts then), or
//   --apart MS after the last was shown (200: single steps, painted the desktop's way), plus a
//   random part of a 60 Hz frame: a user's steps come at any point of the display's frames,
//   and steps a whole number of frames apart would each wait the same part of a frame;
// - the first picture: from the start of the page's loading until the main picture is drawn;
// - the longest task on the page's main thread (Chromium's long-task observer) while the
//   theory window computes its curves, and while it computes a Lee diagram for a few seconds;
// - the file's size, and gzipped.
// The page is 1080 x 1080 CSS pixels at one device pixel a CSS pixel.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');

function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at > 0 && process.argv[at + 1] ? process.argv[at + 1] : fallback;
}

const html = path.resolve(option('--html', path.join(root, 'build-web', 'rainbow.html')));
const steps = Math.max(50, Number(option('--steps', '60')));
const apartMs = Math.max(0, Number(option('--apart', '0')));
const jsonOut = option('--json', '');
const chromium = option('--chromium', '/usr/bin/chromium');
const MAIN = 'arxiki.Picture1';
const FRAME_MS = 1000 / 60;

// Runs in the page before its own scripts: timestamps of the steps sent to the worker, of each
// picture the worker sends back, and of its drawing and showing.
function instrument(main) {
  const bench = { stepSent: [], pictures: [], longTasks: [], received: 0, stepWaiting: true }; // the opening waits for its first picture
  window.__bench = bench;
  // The page tells when a picture has been painted (by the worker on the canvas it was handed,
  // or by the page): the first animation frame after that shows it.
  document.addEventListener('rainbow-painted', (event) => {
    if (event.detail !== main || !bench.stepWaiting) return;
    bench.stepWaiting = false;
    const drawn = performance.now();
    requestAnimationFrame(() => bench.pictures.push({ received: bench.received, drawn, shown: performance.now() }));
  });
  new PerformanceObserver((list) => {
    for (const e of list.getEntries()) bench.longTasks.push({ start: e.startTime, duration: e.duration });
  }).observe({ type: 'longtask', buffered: true });
  const NativeWorker = window.Worker;
  window.Worker = class extends NativeWorker {
    postMessage(message, transfer) {
      if (message && message.type === 'step') {
        bench.stepSent.push(performance.now());
        bench.stepWaiting = true;
      }
      return super.postMessage(message, transfer);
    }
    set onmessage(handler) {
      super.onmessage = (event) => {
        const m = event.data;
        if (m && m.type === 'picture' && m.name === main) bench.received = performance.now();
        handler(event);
      };
    }
    get onmessage() {
      return super.onmessage;
    }
  };
}

function percentile(sorted, p) {
  if (!sorted.length) return NaN;
  const at = Math.min(sorted.length - 1, Math.max(0, Math.ceil((p / 100) * sorted.length) - 1));
  return sorted[at];
}

const summary = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return { median: percentile(sorted, 50), p90: percentile(sorted, 90), max: sorted[sorted.length - 1], n: sorted.length };
};

async function picturesAfter(page, count, timeout = 20000) {
  await page.waitForFunction((n) => window.__bench.pictures.length >= n, { timeout, polling: 5 }, count);
}

const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--window-size=1080,1080', '--force-device-scale-factor=1'],
  defaultViewport: { width: 1080, height: 1080, deviceScaleFactor: 1 },
});
const results = { file: path.relative(root, html) };
try {
  const page = await browser.newPage();
  page.on('pageerror', (e) => console.error('page error:', e.message));
  await page.evaluateOnNewDocument(instrument, MAIN);

  // The first picture after opening.
  await page.goto(pathToFileURL(html).href, { waitUntil: 'load' });
  await picturesAfter(page, 1);
  results.firstPictureMs = await page.evaluate(() => window.__bench.pictures[0].drawn);
  results.firstPictureShownMs = await page.evaluate(() => window.__bench.pictures[0].shown);

  // The heaviest view, then steps that each draw it afresh.
  const settle = () => page.evaluate(() => window.rainbowPage.settled());
  for (const [action, control, value] of [
    ['click', 'parallel', 0],
    ['set', 'arithaktinon', 80],
    ['set', 'arithanak', 2],
  ]) {
    await page.evaluate((a, c, v) => window.rainbowPage.step(a, 'arxiki', c, v), action, control, value);
  }
  await settle();
  const toDrawn = [], toShown = [], workerMs = [];
  for (let i = 0; i < steps; ++i) {
    if (apartMs) await new Promise((resolve) => setTimeout(resolve, apartMs + Math.random() * FRAME_MS));
    const before = await page.evaluate(() => window.__bench.pictures.length);
    const sentAt = await page.evaluate((v) => {
      window.rainbowPage.step('set', 'arxiki', 'goniatheta', v);
      return window.__bench.stepSent[window.__bench.stepSent.length - 1];
    }, i % 2 ? 30 : 35);
    await picturesAfter(page, before + 1);
    const p = await page.evaluate((n) => window.__bench.pictures[n], before);
    toDrawn.push(p.drawn - sentAt);
    toShown.push(p.shown - sentAt);
    workerMs.push(p.received - sentAt);
  }
  results.step = { toDrawn: summary(toDrawn), toShown: summary(toShown), toReceived: summary(workerMs) };

  // The longest main-thread task while the theory window computes, then a Lee diagram.
  const longestSince = (t) => page.evaluate((from) =>
    Math.max(0, ...window.__bench.longTasks.filter((e) => e.start >= from).map((e) => e.duration)), t);
  let from = await page.evaluate(() => performance.now());
  await page.evaluate(() => window.rainbowPage.step('click', 'arxiki', 'Command7', 0));
  await page.waitForFunction(() => window.rainbowPage.busy === true, { timeout: 5000 }).catch(() => {});
  const theoryStart = Date.now();
  await settle();
  results.theory = { computeMs: Date.now() - theoryStart, longestTaskMs: await longestSince(from) };
  from = await page.evaluate(() => performance.now());
  await page.evaluate(() => window.rainbowPage.step('click', 'theoria', 'lee_start', 0));
  await new Promise((resolve) => setTimeout(resolve, 5000));
  const cancelAt = await page.evaluate(() => performance.now());
  await page.evaluate(() => window.rainbowPage.step('click', 'theoria', 'lee_cancel', 0));
  const cancelled = await page.waitForFunction(() => window.rainbowPage.busy === false,
    { timeout: 20000, polling: 5 }).then(() => true, () => false);
  const cancelledAt = await page.evaluate(() => performance.now());
  results.lee = {
    longestTaskMs: await longestSince(from),
    cancelTakenMs: cancelled ? cancelledAt - cancelAt : null,  // null: still busy after 20 s
  };
} finally {
  console.error(JSON.stringify(results));
  await browser.close();
}

const bytes = fs.readFileSync(html);
results.size = { bytes: bytes.length, gzipBytes: zlib.gzipSync(bytes, { level: 9 }).length };

const ms = (v) => `${v.toFixed(1)} ms`;
const kb = (v) => `${(v / 1024).toFixed(0)} KB`;
const rows = [
  ['Step on the parallel beam, 80 rays, 2 reflections: message to drawn canvas (median / 90th pct.)',
    `${ms(results.step.toDrawn.median)} / ${ms(results.step.toDrawn.p90)}`],
  ['The same to the animation frame after the drawing (median / 90th pct.)',
    `${ms(results.step.toShown.median)} / ${ms(results.step.toShown.p90)}`],
  ["The same to the picture's display list at the page (median)", ms(results.step.toReceived.median)],
  ['First picture drawn after opening', ms(results.firstPictureMs)],
  ['Longest main-thread task while the theory window computes', ms(results.theory.longestTaskMs)],
  ['Longest main-thread task during 5 s of a Lee diagram', ms(results.lee.longestTaskMs)],
  ['Cancel of the Lee diagram taken after',
    results.lee.cancelTakenMs === null ? 'still busy after 20 s' : ms(results.lee.cancelTakenMs)],
  ['rainbow.html (gzipped)', `${kb(results.size.bytes)} (${kb(results.size.gzipBytes)})`],
];
console.log(`| Measure (${steps} steps, 1080×1080, headless Chromium) | Result |`);
console.log('|---|---|');
for (const [what, value] of rows) console.log(`| ${what} | ${value} |`);
if (jsonOut) fs.writeFileSync(jsonOut, `${JSON.stringify(results, null, 2)}\n`);
