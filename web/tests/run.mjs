#!/usr/bin/env node
// The browser edition in headless Chromium: opens build-web/rainbow.html from file:// and
// drives it as a user would, comparing what it shows and holds with the native program.
//
//   node web/tests/run.mjs [--page build-web/rainbow.html] [--render build/bin/rainbow-render]
//                          [--only NAME]
//
// Exit status 0 when every test passes (tests that need the real core module are skipped
// when the page was built with the stand-in), 1 otherwise.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launchBrowser, openPage, nativeState, nativePng, comparePictures, viewPicture, STEP_TABLE } from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const option = (name, fallback) => {
  const at = process.argv.indexOf(name);
  return at > 0 ? process.argv[at + 1] : fallback;
};
const pageFile = path.resolve(option('--page', path.join(root, 'build-web', 'rainbow.html')));
const render = path.resolve(option('--render', path.join(root, 'build', 'bin', 'rainbow-render')));
const only = option('--only', '');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'rainbow-web-'));

const tests = [];
const test = (name, fn, { needsCore = false } = {}) => tests.push({ name, fn, needsCore });
class Skip extends Error {}
const check = (ok, message) => { if (!ok) throw new Error(message); };

// What a step of the table does in the page: the same as the render command's --set/--click.
async function takeSteps(page, steps) {
  for (const s of steps) await page.evaluate((x) => window.rainbowPage.step(x.action, x.form, x.control, x.value), s);
  await page.evaluate(() => window.rainbowPage.settled());
}

test('the start scene is shown, its first picture painted within a second', async ({ page, loadMs }) => {
  check(loadMs < 1000, `first picture after ${loadMs} ms`);
  const tabs = await page.$$eval('.tab:not([hidden]) .tab-title', (t) => t.map((x) => x.textContent));
  check(tabs.length === 1, `tabs shown: ${JSON.stringify(tabs)}`);
  const inked = await page.$eval('canvas[data-picture="arxiki.Picture1"]', (c) => {
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] < 200 || d[i + 1] < 200 || d[i + 2] < 200) ++n;
    return n / (d.length / 4);
  });
  check(inked > 0.002, `the main picture is nearly blank (${(100 * inked).toFixed(2)}% inked)`);
});

test('the page\'s state equals the native program\'s after the same steps', async ({ page, standIn }) => {
  for (const row of STEP_TABLE) {
    if (standIn && row.steps.length) continue;
    await page.evaluate(() => window.rainbowPage.restart());
    await takeSteps(page, row.steps);
    const ours = JSON.parse(await page.evaluate(() => window.rainbowPage.stateJson()));
    const native = JSON.parse(nativeState(render, row.steps));
    check(JSON.stringify(ours) === JSON.stringify(native), `${row.name}: the states differ`);
  }
});

test('the canvas player draws as the native player (at most 2% of pixels off by more than 48)', async ({ page, standIn }) => {
  for (const row of STEP_TABLE) {
    if (standIn && row.steps.length) continue;
    await page.evaluate(() => window.rainbowPage.restart());
    await takeSteps(page, row.steps);
    for (const picture of [viewPicture(row)]) {
      const png = nativePng(render, row.steps, picture, work);
      const result = await comparePictures(page, picture, png, path.join(work, `${row.name}-${picture}`));
      console.log(`      ${row.name} ${picture} ${result.width}x${result.height}: ${(100 * result.off).toFixed(2)}% off`);
      check(result.off <= 0.02, `${row.name} ${picture}: ${(100 * result.off).toFixed(2)}% of pixels differ (see ${result.files})`);
    }
  }
});

run();

async function run() {
  if (!fs.existsSync(pageFile)) {
    console.error(`no page at ${pageFile}: build it with node web/page/bundle.mjs`);
    process.exit(1);
  }
  const browser = await launchBrowser();
  let failed = 0;
  try {
    for (const t of tests) {
      if (only && !t.name.includes(only)) continue;
      const { page, loadMs, standIn } = await openPage(browser, pathToFileURL(pageFile).href, work);
      try {
        if (t.needsCore && standIn) throw new Skip('the page was built with the stand-in core');
        await t.fn({ page, loadMs, standIn, work });
        console.log(`ok    ${t.name}`);
      } catch (e) {
        if (e instanceof Skip) {
          console.log(`skip  ${t.name}: ${e.message}`);
        } else {
          ++failed;
          console.log(`FAIL  ${t.name}\n      ${e.stack || e}`);
        }
      } finally {
        await page.close();
      }
    }
  } finally {
    await browser.close();
  }
  console.log(failed ? `${failed} failed` : 'all passed');
  process.exit(failed ? 1 : 0);
}
