#!/usr/bin/env node
// The browser edition in headless Chromium: opens build-web/rainbow.html from file:// and
// drives it as a user would, comparing what it shows and holds with the native program.
//
//   node web/tests/run.mjs [--page build-web/rainbow.html] [--render build/bin/rainbow-render]
//                          [--only NAME]
//
// Exit status 0 when every test passes, 1 otherwise.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launchBrowser, openPage, nativeState, nativePng, comparePictures, viewPicture, sameState, STEP_TABLE } from './harness.mjs';

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
const test = (name, fn) => tests.push({ name, fn });
const check = (ok, message) => { if (!ok) throw new Error(message); };

// What a step of the table does in the page: the same as the render command's --set/--click.
async function takeSteps(page, steps) {
  for (const s of steps) await page.evaluate((x) => window.rainbowPage.step(x.action, x.form, x.control, x.value), s);
  await page.evaluate(() => window.rainbowPage.settled());
}

// How soon it comes is measured by web/bench/bench.mjs, on a quiet machine: a test that timed
// it would fail whenever CI's machine is busy.
test('the start scene is shown, its first picture painted', async ({ page, loadMs }) => {
  console.log(`      first picture after ${loadMs} ms`);
  const tabs = await page.$$eval('.tab:not([hidden]) .tab-title', (t) => t.map((x) => x.textContent));
  check(tabs.length === 1, `tabs shown: ${JSON.stringify(tabs)}`);
  const inked = await page.evaluate(async () => {
    const d = (await window.rainbowPage.shownPixels('arxiki.Picture1')).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] < 200 || d[i + 1] < 200 || d[i + 2] < 200) ++n;
    return n / (d.length / 4);
  });
  check(inked > 0.002, `the main picture is nearly blank (${(100 * inked).toFixed(2)}% inked)`);
});

test('the page\'s state equals the native program\'s after the same steps', async ({ page }) => {
  for (const row of STEP_TABLE) {
    await page.evaluate(() => window.rainbowPage.restart());
    await takeSteps(page, row.steps);
    sameState(await page.evaluate(() => window.rainbowPage.stateJson()), nativeState(render, row.steps), row.name);
  }
});

test('on a screen of two device pixels a CSS pixel, the canvas is the native picture painted twice as large', async ({ page }) => {
  const png = nativePng(render, [], 'arxiki.Picture1', work, 1620);
  const result = await comparePictures(page, 'arxiki.Picture1', png, path.join(work, 'ratio2'), 2);
  console.log(`      ratio 2, ${result.width}x${result.height}: ${(100 * result.off).toFixed(2)}% off`);
  check(result.width === 1620 && result.off <= 0.02, `${(100 * result.off).toFixed(2)}% of pixels differ (see ${result.files})`);
});

// The screen and a saved picture draw alike, thin lines as the desktop draws them.
test('the canvas player draws as the native player (at most 2% of pixels off by more than 48)', async ({ page }) => {
  const failures = [];
  for (const row of STEP_TABLE) {
    await page.evaluate(() => window.rainbowPage.restart());
    await takeSteps(page, row.steps);
    const picture = viewPicture(row);
    const png = nativePng(render, row.steps, picture, work);
    const result = await comparePictures(page, picture, png, path.join(work, `${row.name}-${picture}`), 1);
    const figure = `${row.name} ${picture} ${result.width}x${result.height}: ${(100 * result.off).toFixed(2)}% off`;
    console.log(`      ${figure}`);
    if (result.off > 0.02) failures.push(`${figure} (see ${result.files})`);
  }
  check(!failures.length, failures.join('\n      '));
});


test('pictures painted as drafts while a bar is dragged are painted the desktop\'s way once it stops', async ({ page }) => {
  await page.evaluate(() => window.rainbowPage.step('click', 'arxiki', 'parallel', 1));
  await page.evaluate(() => window.rainbowPage.settled());
  const draftAt = (at) => page.$eval('canvas[data-picture="arxiki.Picture1"]', (c, n) => c.dataset.draft === 'true' && `step ${n}`, at);
  let seen = false;
  for (let i = 0; i < 8; ++i) {
    await page.evaluate((v) => window.rainbowPage.step('set', 'arxiki', 'arithaktinon', v), 20 + 10 * i);
    await new Promise((resolve) => setTimeout(resolve, 40));
    seen = seen || !!(await draftAt(i));
  }
  console.log(`      drafts seen while dragging: ${seen}`);
  await page.evaluate(() => window.rainbowPage.settled());
  check(await page.evaluate(() => window.rainbowPage.drafts()) === 0, 'drafts left after the steps stopped');
  check(!(await draftAt('last')), 'the main picture is still a draft after the steps stopped');
});

// Every control of the shown windows, worked as a user works it: the step it sends must be
// the render command's step for the same action.
async function workControls(page, form) {
  const controls = await page.evaluate((f) => window.rainbowPage.controls(f), form);
  const expected = [];
  for (const c of controls) {
    if (c.visible === false) continue;
    const at = `#window-${form} [data-control="${c.name}"]`;
    if (c.kind === 'scrollbar') {
      for (const key of ['End', 'Home']) {
        const [before, after] = await page.$eval(at, (e, k) => [Number(e.value), Number(k === 'End' ? e.max : e.min)], key);
        if (after === before) continue;
        await page.focus(at);
        await page.keyboard.press(key);
        const value = c.min > c.max ? c.min + c.max - after : after;
        expected.push({ action: 'set', form, control: c.name, value });
        await page.evaluate(() => window.rainbowPage.settled());
      }
    } else if (c.kind === 'option' && !(c.checked ?? c.value)) {
      // Clicked on the element itself: the windows' layout lets a button cover part of an
      // option on some screens, as on the desktop.
      await page.$eval(`${at} input`, (e) => e.click());
      expected.push({ action: 'click', form, control: c.name, value: 1 });
      await page.evaluate(() => window.rainbowPage.settled());
    }
  }
  return expected;
}

test('each scroll bar and option sends the render command\'s step, and the state follows', async ({ page }) => {
  const expected = await workControls(page, 'arxiki');
  const sent = await page.evaluate(() => window.rainbowPage.stepsSent);
  check(expected.length >= 8, `only ${expected.length} steps taken`);
  check(JSON.stringify(sent) === JSON.stringify(expected), `sent ${JSON.stringify(sent)}\nexpected ${JSON.stringify(expected)}`);
  check(!page.errors.length, page.errors.join('\n'));
  sameState(await page.evaluate(() => window.rainbowPage.stateJson()), nativeState(render, expected), 'after the controls');
});

test('each window opens from its button, its controls work, and it closes', async ({ page }) => {
  const windows = [['Command5', 'cut_rays'], ['Command6', 'kafstikh'], ['Command7', 'theoria']];
  for (const [button, form] of windows) {
    await page.evaluate(() => { window.rainbowPage.restart(); window.rainbowPage.stepsSent.length = 0; });
    await page.evaluate(() => window.rainbowPage.settled());
    await page.click(`#window-arxiki [data-control="${button}"]`);
    const steps = [{ action: 'click', form: 'arxiki', control: button, value: 1 }];
    await page.evaluate(() => window.rainbowPage.settled());
    const shown = await page.$eval(`#window-${form}`, (e) => !e.hidden);
    check(shown, `${form} is not shown after ${button}`);
    const painted = await page.$$eval(`#window-${form} canvas`, (cs) => cs.filter((c) => c.dataset.paintedSize).length);
    check(painted > 0, `${form}: no picture painted`);
    // The theory window's bars start long computations, and its numbers are compared with
    // native in the golden views (the state test): here only that it opens and closes.
    if (form !== 'theoria') steps.push(...await workControls(page, form));
    const sent = await page.evaluate(() => window.rainbowPage.stepsSent);
    check(JSON.stringify(sent) === JSON.stringify(steps), `sent ${JSON.stringify(sent)}\nexpected ${JSON.stringify(steps)}`);
    if (form !== 'theoria') sameState(await page.evaluate(() => window.rainbowPage.stateJson()), nativeState(render, steps), `${form} after ${steps.length} steps`);
    const tab = `.tab:has(.tab-title[aria-controls="window-${form}"])`;
    await page.click(`${tab} .tab-close`);
    await page.evaluate(() => window.rainbowPage.settled());
    check(await page.$eval(tab, (e) => e.hidden), `${form}: its tab stays after closing`);
    const state = JSON.parse(await page.evaluate(() => window.rainbowPage.stateJson()));
    check(state.forms[form].shown === false, `${form}: still shown after closing`);
    check(await page.$eval('#window-arxiki', (e) => !e.hidden), 'the main window is not shown again');
  }
});

// What a canvas shows, against the page's own playing of its list at that size: the share of
// pixels off by more than 48, and whether the worker painted it.
const shownAgainstPlayed = (page, name) => page.evaluate(async (picture) => {
  const rp = window.rainbowPage;
  const shown = await rp.shownPixels(picture);
  const [form, control] = picture.split('.');
  const canvas = document.querySelector(`#window-${form} canvas[data-picture="${picture}"]`);
  const [width, height] = canvas.dataset.paintedSize.split('x').map(Number);
  const played = new OffscreenCanvas(shown.width, shown.height);
  rp.play(played.getContext('2d'), picture, width, height, 1, { minTextPixels: rp.screenTextPixels(picture, width, height) });
  const a = shown.data, b = played.getContext('2d').getImageData(0, 0, shown.width, shown.height).data;
  let off = 0;
  for (let i = 0; i < a.length; i += 4) {
    if (Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2])) > 48) ++off;
  }
  return { off: off / (a.length / 4), worker: rp.workerPaints, control };
}, name);

// Where the worker paints, the canvases show what the page's own player paints from the same
// list, in the page's fonts; where the page paints itself, the same.
test('the canvases show what the player paints, whether the worker or the page paints them', async ({ browser, work: dir }) => {
  for (const [query, worker] of [['', true], ['?paint=page', false]]) {
    const { page } = await openPage(browser, pathToFileURL(pageFile).href + query, dir);
    try {
      await page.click('#window-arxiki [data-control="Command7"]');
      await page.evaluate(() => window.rainbowPage.settled());
      for (const name of ['theoria.primary', 'theoria.descartes']) {
        const result = await shownAgainstPlayed(page, name);
        console.log(`      ${worker ? 'worker' : 'page'} ${name}: ${(100 * result.off).toFixed(2)}% off`);
        check(result.worker === worker, `${query || 'by default'}: the worker paints: ${result.worker}`);
        check(result.off <= 0.001, `${name} painted ${worker ? 'by the worker' : 'by the page'}: ${(100 * result.off).toFixed(2)}% off`);
      }
      if (worker) {
        const faces = await page.evaluate(async () => (await window.rainbowPage.workerFonts()));
        check(faces === 4, `the worker has ${faces} of the page's 4 font faces`);
      }
      check(!page.errors.length, page.errors.join('\n'));
    } finally {
      await page.close();
    }
  }
});

// Waits for a file to appear in the download folder.
async function downloaded(dir, name, timeout = 20000) {
  const file = path.join(dir, name);
  for (const start = Date.now(); Date.now() - start < timeout;) {
    if (fs.existsSync(file) && fs.statSync(file).size > 0) return file;
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error(`${name} was not downloaded`);
}

test('a picture saves as PNG at a chosen size and as SVG, painted afresh', async ({ page, work: dir }) => {
  const rows = [
    { format: 'png', width: 3000 },
    { format: 'svg', width: 500 },
    { format: 'png', width: 12000, saved: 10000 }, // the desktop's bound
  ];
  for (const row of rows) {
    const name = 'arxiki-Picture1.' + row.format;
    fs.rmSync(path.join(dir, name), { force: true });
    await page.click('#save-picture');
    await page.$eval('#save-width', (e, w) => { e.value = String(w); }, row.width);
    await page.select('#save-format', row.format);
    await page.$eval('#save-width', (e) => e.removeAttribute('max')); // as a user typing past it
    await page.click('#save-ok');
    const file = await downloaded(dir, name, 60000);
    const bytes = fs.readFileSync(file);
    if (row.format === 'png') {
      const [w, h] = [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
      check(w === (row.saved || row.width) && h === w, `${row.width}: saved ${w}x${h}`);
    } else {
      const svg = bytes.toString('utf8');
      check(svg.startsWith('<svg') && svg.includes('width="500"') && /<line /.test(svg) && /<text /.test(svg),
        'the SVG lacks lines or text');
    }
  }
});

test('a lesson saves as a download and opens from the file picker', async ({ page, work: dir }) => {
  await page.click('#save-lesson');
  const file = await downloaded(dir, 'lesson.json');
  const lesson = JSON.parse(fs.readFileSync(file, 'utf8'));
  check(typeof lesson === 'object', 'the lesson is not JSON');
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-lesson')]);
  await chooser.accept([file]);
  await page.evaluate(() => window.rainbowPage.settled());
  const message = await page.$eval('#status', (e) => e.textContent);
  check(message === '', `opening the lesson said: ${message}`);
  const broken = path.join(dir, 'broken.json');
  fs.writeFileSync(broken, '{"not": "a lesson"');
  const [again] = await Promise.all([page.waitForFileChooser(), page.click('#open-lesson')]);
  await again.accept([broken]);
  await page.evaluate(() => window.rainbowPage.settled());
  const said = await page.$eval('#status', (e) => e.textContent);
  check(said.includes('This lesson cannot be opened'), `a broken lesson said: ${said}`);
  sameState(await page.evaluate(() => window.rainbowPage.stateJson()), nativeState(render, [], ['--lesson', file]), 'the lesson replayed');
});

test('help opens on the window\'s page with F1, its pictures drawn live, in the browser\'s language', async ({ browser, work: dir }) => {
  for (const language of ['en', 'el']) {
    const { page } = await openPage(browser, pathToFileURL(pageFile).href, dir, { language });
    try {
      await page.keyboard.press('F1');
      await page.waitForFunction(() => !document.querySelector('#help').hidden);
      const shown = await page.$eval('#help', (e) => e.dataset.page);
      check(shown === 'arxiki.html', `F1 showed ${shown}`);
      await page.waitForFunction(() => [...document.querySelectorAll('.help-picture')].every((c) => c.dataset.drawn), { timeout: 60000 });
      const pictures = await page.$$eval('.help-picture', (cs) => cs.length);
      check(pictures >= 1, 'no live picture on the main window\'s help page');
      const copy = await page.$eval('#copy', (e) => e.textContent);
      check(copy === (language === 'el' ? 'Αντιγραφή εικόνας' : 'Copy picture'), `${language}: the toolbar says ${copy}`);
      const title = await page.$eval('#window-arxiki [data-control="Command1"]', (e) => e.title);
      check(title.length > 0, `${language}: Belqor's button has no tooltip`);
    } finally {
      await page.close();
    }
  }
});

// A guided lesson that comes with the program, presented as a teacher does in class: each
// scene ends in the native program's state for the lesson up to there, whatever the teacher
// moved between scenes; keys and the bar's buttons step through it.
test('an example lesson is presented scene by scene, each scene the native state of its steps', async ({ page, work: dir }) => {
  const lesson = JSON.parse(fs.readFileSync(path.join(root, 'lessons', 'primary-bow.json'), 'utf8'));
  const upTo = (k) => {
    const file = path.join(dir, `scenes-${k}.json`);
    const steps = lesson.scenes.slice(0, k + 1).flatMap((scene) => scene.steps);
    fs.writeFileSync(file, JSON.stringify({ version: 1, screen: lesson.screen, steps }));
    return nativeState(render, [], ['--lesson', file]);
  };
  const shows = async (k, how) => {
    await page.evaluate(() => window.rainbowPage.settled());
    const caption = await page.$eval('#caption-bar', (bar) => !bar.hidden && {
      title: bar.querySelector('.scene-title').textContent, where: bar.querySelector('.scene-where').textContent,
    });
    check(caption && caption.title === lesson.scenes[k].title.en && caption.where === `${k + 1} / ${lesson.scenes.length}`,
      `${how}: the caption bar shows ${JSON.stringify(caption)}`);
    sameState(await page.evaluate(() => window.rainbowPage.stateJson()), upTo(k), `${how}: scene ${k + 1}`);
  };
  await page.click('#present-lesson');
  await page.select('#present-dialog select', 'primary-bow.json');
  await page.click('#present-dialog .ok');
  await shows(0, 'presented');
  await page.keyboard.press('PageDown');
  await shows(1, 'Page Down');
  await page.evaluate(() => window.rainbowPage.step('set', 'arxiki', 'goniatheta', 40));
  await page.click('#scene-next');
  await shows(2, 'the bar\'s next button, after the teacher moved a bar');
  await page.keyboard.press('PageUp');
  await shows(1, 'Page Up');
  await page.keyboard.press('Escape');
  await page.evaluate(() => window.rainbowPage.settled());
  check(await page.$eval('#caption-bar', (bar) => bar.hidden), 'the caption bar stays after Escape');
  check(!page.errors.length, page.errors.join('\n'));
});

// A scene begun in the page is kept in the lesson saved, as the scenes of a lesson opened.
test('scenes added in the page and those of an example opened are saved with the lesson', async ({ page, work: dir }) => {
  await page.click('#examples .menu-title');
  await page.click('#examples [data-lesson="primary-bow.json"]');
  await page.evaluate(() => window.rainbowPage.settled());
  await page.click('#add-scene');
  await page.type('#scene-dialog input', 'Η γωνία');
  await page.type('#scene-dialog textarea', 'A note.');
  await page.click('#scene-dialog .ok');
  await page.evaluate(() => window.rainbowPage.step('set', 'arxiki', 'goniatheta', 30));
  fs.rmSync(path.join(dir, 'lesson.json'), { force: true });
  await page.click('#save-lesson');
  const saved = JSON.parse(fs.readFileSync(await downloaded(dir, 'lesson.json'), 'utf8'));
  const example = JSON.parse(fs.readFileSync(path.join(root, 'lessons', 'primary-bow.json'), 'utf8'));
  const titles = saved.scenes.map((scene) => (typeof scene.title === 'string' ? scene.title : scene.title.en));
  check(JSON.stringify(titles) === JSON.stringify([...example.scenes.map((scene) => scene.title.en), 'Η γωνία']),
    `the saved lesson's scenes: ${JSON.stringify(titles)}`);
  sameState(await page.evaluate(() => window.rainbowPage.stateJson()), nativeState(render, [], ['--lesson', path.join(dir, 'lesson.json')]),
    'the saved lesson replayed');
});

test('while the theory window computes, the Lee diagram arrives row by row, progress is shown and Cancel ends it', async ({ page }) => {
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => window.longTasks.push(...list.getEntries().map((e) => Math.round(e.duration))))
      .observe({ type: 'longtask' });
    window.leeUpdates = 0;
    const lists = window.rainbowPage.lists;
    const set = lists.set.bind(lists);
    lists.set = (name, list) => { if (name === 'theoria.lee') ++window.leeUpdates; return set(name, list); };
  });
  await page.click('#window-arxiki [data-control="Command7"]');
  await page.evaluate(() => window.rainbowPage.settled());
  await page.evaluate(() => window.rainbowPage.step('set', 'theoria', 'radius', 301));
  await page.evaluate(() => window.rainbowPage.settled());
  // Opening the window (its controls made, five pictures painted) is counted apart.
  const opening = await page.evaluate(() => window.longTasks.splice(0));
  console.log(`      long tasks while the theory window opened: ${JSON.stringify(opening)}`);
  const before = await page.evaluate(() => window.leeUpdates);
  await page.click('#window-theoria [data-control="lee_start"]');
  await new Promise((resolve) => setTimeout(resolve, 1500));
  check(await page.evaluate(() => window.rainbowPage.busy), 'not busy while the Lee diagram is computed');
  const progress = await page.$eval('#progress', (e) => !e.hidden);
  check(progress, 'no progress shown while busy');
  const asked = Date.now();
  await page.click('#window-theoria [data-control="lee_cancel"]');
  await page.waitForFunction(() => !window.rainbowPage.busy, { timeout: 60000 }).catch(() => {});
  const cancelMs = Date.now() - asked;
  const longTasks = await page.evaluate(() => window.longTasks);
  console.log(`      Lee rows delivered: ${await page.evaluate(() => window.leeUpdates) - before}, Cancel taken in ${cancelMs} ms, long tasks while it computed ${JSON.stringify(longTasks)}`);
  // How soon Cancel is taken and how long the page's tasks are depend on the machine's load:
  // web/bench measures them. Here, Cancel must be taken and the work must end.
  check(!(await page.evaluate(() => window.rainbowPage.busy)), 'Cancel never ended the Lee diagram');
  // Started again, its first rows are shown before it ends.
  await page.click('#window-theoria [data-control="lee_start"]');
  const rows = await page.waitForFunction((n) => window.leeUpdates > n + 1 && window.rainbowPage.busy,
    { timeout: 45000 }, before).then(() => true, () => false);
  check(rows, 'no row of the Lee diagram arrived within 45 s while it computed');
});

test('a touch works the buttons and options (no right-click needed)', async ({ page }) => {
  const tap = async (selector) => {
    const box = await (await page.$(selector)).boundingBox();
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    await page.evaluate(() => window.rainbowPage.settled());
  };
  await tap('#window-arxiki [data-control="parallel"] input');
  await tap('#window-arxiki [data-control="Command1"]');
  const sent = await page.evaluate(() => window.rainbowPage.stepsSent);
  check(JSON.stringify(sent.map((s) => s.control)) === '["parallel","Command1"]', `sent ${JSON.stringify(sent)}`);
});

test('END, and closing the main window, start the page afresh', async ({ page }) => {
  const fresh = nativeState(render, []);
  const rows = [
    { name: 'END of the ray-crossing window', act: async () => {
      await page.click('#window-arxiki [data-control="Command5"]');
      await page.evaluate(() => window.rainbowPage.settled());
      await page.click('#window-cut_rays [data-control="Command1"]');
    } },
    { name: 'the main window\'s tab closed', act: () => page.click('.tab:has(.tab-title[aria-controls="window-arxiki"]) .tab-close') },
  ];
  for (const row of rows) {
    await page.evaluate(() => window.rainbowPage.step('click', 'arxiki', 'parallel', 1));
    await row.act();
    await page.evaluate(() => window.rainbowPage.settled());
    sameState(await page.evaluate(() => window.rainbowPage.stateJson()), fresh, row.name);
    const tabs = await page.$$eval('.tab:not([hidden]) .tab-title', (t) => t.map((x) => x.getAttribute('aria-controls')));
    check(JSON.stringify(tabs) === '["window-arxiki"]', `${row.name}: tabs ${tabs}`);
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
      const { page, loadMs } = await openPage(browser, pathToFileURL(pageFile).href, work);
      try {
        await t.fn({ page, loadMs, work, browser });
        console.log(`ok    ${t.name}`);
      } catch (e) {
        ++failed;
        console.log(`FAIL  ${t.name}\n      ${e.stack || e}`);
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
