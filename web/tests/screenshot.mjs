#!/usr/bin/env node
// Takes a screenshot of the page (for looking at it, and for the README):
//   node web/tests/screenshot.mjs OUT.png [WIDTHxHEIGHT] [--lang el] [--help]
import path from 'node:path';
import os from 'node:os';
import fs from 'node:fs';
import { pathToFileURL, fileURLToPath } from 'node:url';
import { launchBrowser, openPage } from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const [out, size = '1280x900'] = process.argv.slice(2).filter((a) => !a.startsWith('--') && !['el', 'en'].includes(a));
const [width, height] = size.split('x').map(Number);
const language = process.argv.includes('el') ? 'el' : 'en';
const browser = await launchBrowser();
try {
  const { page } = await openPage(browser, pathToFileURL(path.resolve(here, '../../build-web/rainbow.html')).href,
    fs.mkdtempSync(path.join(os.tmpdir(), 'shot-')), { width, height, language });
  if (process.argv.includes('--help')) {
    await page.keyboard.press('F1');
    await new Promise((r) => setTimeout(r, 1500));
  }
  await page.evaluate(() => window.rainbowPage.settled());
  await page.screenshot({ path: out });
  if (page.errors.length) console.error(page.errors.join('\n'));
} finally {
  await browser.close();
}
