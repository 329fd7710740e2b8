#!/usr/bin/env node
// How long the theory window's work keeps the worker from its messages, in the module under
// node (no browser):
//
//   node --no-experimental-fetch web/bench/slices.mjs [build-web/web/rainbow-core.js] [--lee-seconds 60]
//
// Each case runs the work as the page's worker does, in calls of work(ms), and reports the
// longest call: with ms = 40 (the worker's slice: a message waits at most this long), and with
// ms = 1 (one piece at least a call: the longest piece of work that cannot pause). Then the
// time from a new setting, or a Cancel, to the worker having taken it: the slice under way
// ends, the step is taken, and the next slice drops the old work (a new setting) or finishes
// the row under way (Cancel, as on the desktop).
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 && args[at + 1] ? args[at + 1] : fallback;
};
const modulePath = path.resolve(args.find((a) => a.endsWith('.js'))
  || path.join(here, '../../build-web/web/rainbow-core.js'));
const leeSeconds = Number(option('--lee-seconds', '60'));
const createRainbowCore = createRequire(import.meta.url)(modulePath);
const M = await createRainbowCore();

const now = () => performance.now();
const ms = (t) => `${t.toFixed(1)} ms`;

function step(session, action, form, control, value = 0) {
  const error = session.step(action, form, control, value);
  if (error) throw new Error(error);
}

// Runs the work in calls of work(slice) until it is done or `seconds` have passed.
function slices(session, slice, seconds = Infinity) {
  const start = now();
  let longest = 0, count = 0;
  while (session.busy() && now() - start < seconds * 1000) {
    const t = now();
    session.work(slice);
    longest = Math.max(longest, now() - t);
    ++count;
  }
  return { longest, count, total: now() - start, done: !session.busy() };
}

// The theory window opened (at the radius position given, else its start), its work in slices.
function openTheory(slice, radius) {
  const session = new M.Session(1920, 1080, '');
  try {
    if (radius !== undefined) {
      step(session, 'click', 'arxiki', 'Command7');
      while (session.busy()) session.work(1000);
      const t = now();
      step(session, 'set', 'theoria', 'radius', radius);
      const stepMs = now() - t;
      return { stepMs, ...slices(session, slice) };
    }
    const t = now();
    step(session, 'click', 'arxiki', 'Command7');
    const stepMs = now() - t;
    return { stepMs, ...slices(session, slice) };
  } finally {
    session.delete();
  }
}

// A new setting `after` ms into opening the theory window: from the step to the first slice
// that has dropped the old work and begun the new (the end of that slice).
function newSetting(after) {
  const session = new M.Session(1920, 1080, '');
  try {
    step(session, 'click', 'arxiki', 'Command7');
    const start = now();
    while (now() - start < after) session.work(40);
    const t = now();
    step(session, 'set', 'theoria', 'radius', 301);
    session.work(40);
    const taken = now() - t;
    slices(session, 40);
    return taken;
  } finally {
    session.delete();
  }
}

// The Lee diagram for `seconds`, in slices of `slice` ms; then Cancel, and the time until the
// row under way has ended and the worker is idle.
function lee(slice, seconds) {
  const session = new M.Session(1920, 1080, '');
  try {
    step(session, 'click', 'arxiki', 'Command7');
    while (session.busy()) session.work(1000);
    step(session, 'click', 'theoria', 'lee_start');
    const run = slices(session, slice, seconds);
    const rows = JSON.parse(session.stateJson()).forms.theoria.controls.lee_progress.caption;
    const t = now();
    step(session, 'click', 'theoria', 'lee_cancel');
    const stepMs = now() - t;
    const ended = slices(session, slice);
    return { ...run, rows, cancelStepMs: stepMs, cancelEndedMs: now() - t, endSlices: ended.count };
  } finally {
    session.delete();
  }
}

const report = [];
for (const [name, radius] of [['theory window, start (500 um)', undefined], ['largest drop (2 mm)', 2602]]) {
  for (const slice of [40, 1]) {
    const r = openTheory(slice, radius);
    report.push([`${name}, work(${slice})`, `step ${ms(r.stepMs)}, longest call ${ms(r.longest)}, ` +
      `${r.count} calls, ${ms(r.total)} in all`]);
  }
}
for (const after of [100, 1000, 2500]) {
  report.push([`new radius ${after} ms into opening`, `taken (old work dropped, new begun) in ${ms(newSetting(after))}`]);
}
for (const slice of [40, 1]) {
  const r = lee(slice, leeSeconds / 2);
  report.push([`Lee diagram, work(${slice}), ${ms(r.total)}`, `longest call ${ms(r.longest)}, ${r.count} calls, rows ${r.rows}`]);
  report.push([`  then Cancel`, `step ${ms(r.cancelStepMs)}; row under way ended, idle after ${ms(r.cancelEndedMs)} (${r.endSlices} calls)`]);
}
for (const [what, value] of report) console.log(`${what.padEnd(48)} ${value}`);
