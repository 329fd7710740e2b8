// The page: the program's windows as tabs, their pictures played on canvases, a toolbar for
// what the desktop's picture menu offers, the program itself in a worker.
import { playDisplayList, growthAt, textMetrics, imageCanvas, DEFAULT_GROWTH } from './player.js';
import { displayListSvg } from './svg.js';
import { FormView, controlList, make } from './forms.js';
import { HelpView } from './help.js';
import { translator } from './i18n.js';

// The desktop program's bound on a saved picture's side.
const LARGEST_PICTURE_PIXELS = 10000;
// On the screen, a picture's text never shrinks below the desktop's normal font, nor grows
// beyond this much over its designed size.
const DESKTOP_TEXT_PIXELS = 12;
const LARGEST_TEXT_GROWTH = 1.3;
// What one animation frame may spend painting pictures, in milliseconds.
const PAINT_BUDGET_MS = 12;
// While steps follow one another this closely (a bar dragged), pictures are painted with the
// browser's own thin lines, three to five times faster; this long after the last step they
// are painted again with the desktop's.
const DRAFT_MS = 150;

const $ = (selector) => document.querySelector(selector);
const language = (navigator.language || 'en').toLowerCase().startsWith('el') ? 'el' : 'en';
const tr = translator(language, window.RAINBOW_TRANSLATIONS || {});

const state = {
  worker: null,
  forms: {}, // name -> form as the worker last sent it
  views: new Map(), // name -> FormView
  tabs: new Map(), // name -> tab button
  lists: new Map(), // "form.picture" -> display list
  dirty: new Set(),
  active: 'arxiki',
  chosenPicture: null, // the picture the toolbar acts on
  busy: false,
  frameRequested: false,
  paintedThisFrame: new Set(), // pictures painted since the last animation frame
  lastStepAt: -Infinity,
  drafts: new Set(), // pictures painted with the browser's thin lines, to be painted again
  redraft: 0, // the timer that paints them again
  waiters: new Map(), // id -> resolve, for state and help pictures
  nextId: 1,
  imageCaches: new WeakMap(),
  stepsSent: [], // the steps the controls sent, for the tests
};

function status(text, alert = false) {
  const s = $('#status');
  s.textContent = text;
  s.setAttribute('role', alert ? 'alert' : 'status');
}

function makeWorker() {
  // Started by the page's first script, so that the module compiles while the page loads.
  if (window.rainbowWorker) return window.rainbowWorker;
  return new Worker('worker.js');
}

function send(message, transfer) {
  if (message.type === 'step') state.lastStepAt = performance.now();
  state.worker.postMessage(message, transfer || []);
}

function start() {
  state.worker = makeWorker();
  state.worker.onmessage = (e) => received(e.data);
  state.worker.onerror = (e) => status(e.message || 'worker error', true);
  // The program lays its windows out for the screen, as the desktop program does.
  state.screen = { width: Math.round(screen.width || 1920), height: Math.round(screen.height || 1080) };
  send({
    type: 'start',
    ...state.screen,
    language,
    translations: language === 'en' ? '' : JSON.stringify(window.RAINBOW_TRANSLATIONS || {}),
  });
}

// Asks the worker and waits for the answer with the same id.
function ask(message, transfer) {
  const id = state.nextId++;
  return new Promise((resolve) => {
    state.waiters.set(id, resolve);
    send({ ...message, id }, transfer);
  });
}

function received(m) {
  switch (m.type) {
    case 'ready':
      performance.mark('rainbow-ready'); break;
    case 'restarted':
      // The program ended (END): the page is the program afresh.
      status('');
      state.help.hide();
      activate('arxiki');
      break;
    case 'forms': takeForms(JSON.parse(m.json).forms); break;
    case 'picture':
      if (!state.lists.size) performance.mark('rainbow-first-picture');
      state.lists.set(m.name, m);
      state.dirty.add(m.name);
      if (!paintAtOnce(m.name)) requestPaint();
      break;
    case 'busy':
      state.busy = m.busy;
      $('#progress').hidden = !m.busy;
      document.documentElement.dataset.busy = String(m.busy);
      break;
    case 'error':
      status(m.lesson ? tr('rainbow::LessonSession', 'This lesson cannot be opened: %1').replace('%1', m.message)
        : `${tr('rainbow::ProgramView', 'The step failed')}: ${m.message}`, true);
      break;
    case 'lesson': download(new Blob([m.text], { type: 'application/json' }), 'lesson.json'); break;
    case 'state':
    case 'pong':
    case 'helpPicture': {
      const resolve = state.waiters.get(m.id);
      state.waiters.delete(m.id);
      if (resolve) resolve(m);
      break;
    }
    default: break;
  }
}

function takeForms(forms) {
  const shownBefore = new Set(Object.keys(state.forms).filter((n) => state.forms[n].shown));
  state.forms = forms;
  for (const [name, form] of Object.entries(forms)) {
    let view = state.views.get(name);
    if (!view) {
      const panel = make('section', { className: 'window', id: `window-${name}`, 'data-form': name, role: 'tabpanel' }, $('#windows'));
      view = new FormView(name, panel, (s) => takeStep(s.action, name, s.control, s.value));
      state.views.set(name, view);
      panel.addEventListener('pointerdown', (e) => {
        if (e.target.tagName === 'CANVAS') state.chosenPicture = e.target.dataset.picture;
      });
    }
    view.element.hidden = name !== state.active;
    // Only a window that changed is brought up to date: the theory window's progress changes
    // its label many times a second while the other windows stay as they are.
    const text = JSON.stringify(form);
    if (view.shownText !== text) {
      view.shownText = text;
      view.update(form);
    }
    tab(name, form);
    if (form.shown && !shownBefore.has(name) && shownBefore.size > 0) activate(name);
  }
  // A window the program no longer has (the program started afresh) is not shown.
  for (const [name, t] of state.tabs) {
    if (!forms[name]) {
      t.hidden = true;
      state.views.get(name).element.hidden = true;
    }
  }
  if (!forms[state.active] || !forms[state.active].shown) activate('arxiki');
  markResized();
  requestPaint();
}

// A user's step, sent to the program.
function takeStep(action, form, control, value) {
  status('');
  state.stepsSent.push({ action, form, control, value });
  send({ type: 'step', action, form, control, value });
}

function tab(name, form) {
  let t = state.tabs.get(name);
  if (!t) {
    t = make('div', { className: 'tab' });
    const button = make('button', { type: 'button', className: 'tab-title', role: 'tab', 'aria-controls': `window-${name}` }, t);
    button.addEventListener('click', () => activate(name));
    const close = make('button', { type: 'button', className: 'tab-close', textContent: '×' }, t);
    close.addEventListener('click', () => takeStep('close', name, '', 0));
    $('#tabs').appendChild(t);
    state.tabs.set(name, t);
  }
  const title = t.querySelector('.tab-title');
  if (title.textContent !== form.caption) title.textContent = form.caption;
  t.querySelector('.tab-close').setAttribute('aria-label', `× ${form.caption}`);
  t.hidden = !form.shown;
}

function activate(name) {
  state.active = name;
  for (const [n, view] of state.views) {
    view.element.hidden = n !== name;
    const t = state.tabs.get(n);
    if (t) t.querySelector('.tab-title').setAttribute('aria-selected', String(n === name));
  }
  const view = state.views.get(name);
  if (view) view.layout();
  for (const key of state.lists.keys()) if (key.startsWith(`${name}.`)) state.dirty.add(key);
  requestPaint();
}

// Marks for painting the pictures whose canvas is no longer the size it was painted at.
function markResized() {
  for (const name of state.lists.keys()) {
    const [form, picture] = splitName(name);
    const canvas = state.views.get(form)?.canvas(picture);
    if (canvas && canvas.dataset.paintedSize !== `${canvas.clientWidth}x${canvas.clientHeight}`) state.dirty.add(name);
  }
}

function requestPaint() {
  if (state.frameRequested) return;
  state.frameRequested = true;
  requestAnimationFrame(paintDirty);
}

function growthOf(list) {
  return list.referencePixels ? { longerSide: !!list.longerSide, referencePixels: list.referencePixels }
    : DEFAULT_GROWTH;
}

// The smallest text on the screen for a picture shown width x height CSS pixels.
function screenTextPixels(list, width, height) {
  const designed = textMetrics(growthOf(list), width, height).pixels;
  return Math.min(DESKTOP_TEXT_PIXELS, LARGEST_TEXT_GROWTH * designed);
}

// Whether pictures are painted as drafts now (see DRAFT_MS).
const drafting = () => performance.now() - state.lastStepAt < DRAFT_MS;

// Paints the drafts again, the desktop's way, once the steps have stopped.
function paintDraftsAgain() {
  state.redraft = 0;
  if (drafting()) {
    state.redraft = setTimeout(paintDraftsAgain, DRAFT_MS);
    return;
  }
  for (const name of state.drafts) state.dirty.add(name);
  state.drafts.clear();
  requestPaint();
}

function paint(canvas, list) {
  const draft = drafting();
  const name = canvas.dataset.picture;
  if (draft) {
    state.drafts.add(name);
    if (!state.redraft) state.redraft = setTimeout(paintDraftsAgain, DRAFT_MS);
  } else {
    state.drafts.delete(name);
  }
  const width = canvas.clientWidth, height = canvas.clientHeight;
  if (!width || !height) return;
  const ratio = window.devicePixelRatio || 1;
  const pw = Math.ceil(width * ratio), ph = Math.ceil(height * ratio);
  if (canvas.width !== pw) canvas.width = pw;
  if (canvas.height !== ph) canvas.height = ph;
  let cache = state.imageCaches.get(list);
  if (!cache) state.imageCaches.set(list, (cache = new Map()));
  playDisplayList(canvas.getContext('2d'), list, width, height, ratio, {
    minTextPixels: screenTextPixels(list, width, height), imageCache: cache, hairlines: !draft,
  });
  canvas.dataset.paintedSize = `${width}x${height}`;
  canvas.dataset.draft = String(draft);
  // How many pictures the page has painted: the tests wait for the first.
  const root = document.documentElement;
  if (!root.dataset.painted) performance.mark('rainbow-first-paint');
  root.dataset.painted = String(Number(root.dataset.painted || 0) + 1);
  // For the benchmark, which times a step until the frame that shows its picture.
  document.dispatchEvent(new CustomEvent('rainbow-painted', { detail: canvas.dataset.picture }));
}

// Paints a picture as soon as it arrives, rather than in the next animation frame: the frame
// after shows it, one frame sooner. A picture that changes again before that frame waits for
// it, so that a picture is painted at most twice a frame.
function paintAtOnce(name) {
  if (!fontsReady || state.paintedThisFrame.has(name)) return false;
  const [form, picture] = splitName(name);
  const view = state.views.get(form);
  const canvas = view && !view.element.hidden ? view.canvas(picture) : null;
  if (!canvas) return false;
  paint(canvas, state.lists.get(name));
  state.dirty.delete(name);
  state.paintedThisFrame.add(name);
  requestPaint();
  return true;
}

function paintDirty() {
  state.frameRequested = false;
  state.paintedThisFrame.clear();
  if (!fontsReady) return;
  const began = performance.now();
  for (const name of state.dirty) {
    // A frame paints what fits in its time; the rest follows in the next frames, so that the
    // page stays free to take the user's input while many pictures change at once.
    if (performance.now() - began > PAINT_BUDGET_MS) {
      requestPaint();
      break;
    }
    const [form, picture] = splitName(name);
    const view = state.views.get(form);
    if (!view || view.element.hidden) continue;
    const canvas = view.canvas(picture);
    const list = state.lists.get(name);
    if (canvas && list) paint(canvas, list);
    state.dirty.delete(name);
  }
}

const splitName = (name) => [name.slice(0, name.indexOf('.')), name.slice(name.indexOf('.') + 1)];

// The picture the toolbar acts on: the one last touched in the window shown, else its first.
function chosenPicture() {
  const view = state.views.get(state.active);
  if (!view) return null;
  const chosen = state.chosenPicture;
  if (chosen && chosen.startsWith(`${state.active}.`) && state.lists.has(chosen)) return chosen;
  for (const p of view.form.pictures || []) {
    const name = `${state.active}.${p}`;
    const canvas = view.canvas(p);
    if (state.lists.has(name) && canvas && canvas.offsetParent !== null && !canvas.closest('[hidden]')) return name;
  }
  return null;
}

// A picture painted afresh at `width` pixels wide (its height in proportion), off the screen.
export async function pictureBlob(name, width, format) {
  const [form, picture] = splitName(name);
  const canvas = state.views.get(form).canvas(picture);
  const list = state.lists.get(name);
  // The picture's own proportions: the shown canvas is rounded to whole pixels.
  const aspect = list.heightTwips / list.widthTwips || canvas.clientHeight / Math.max(1, canvas.clientWidth);
  width = Math.max(16, Math.min(LARGEST_PICTURE_PIXELS, Math.round(width)));
  let height = Math.round(width * aspect);
  if (height > LARGEST_PICTURE_PIXELS) {
    height = LARGEST_PICTURE_PIXELS;
    width = Math.round(height / aspect);
  }
  const minText = screenTextPixels(list, canvas.clientWidth, canvas.clientHeight) * width / Math.max(1, canvas.clientWidth);
  if (format === 'svg') {
    const measuring = document.createElement('canvas').getContext('2d');
    const measure = (text, pixels) => {
      measuring.font = `${pixels}px "Liberation Sans"`;
      return measuring.measureText(text).width;
    };
    const svg = displayListSvg(list, width, height, imageDataUrl, measure);
    return new Blob([svg], { type: 'image/svg+xml' });
  }
  const off = new OffscreenCanvas(width, height);
  playDisplayList(off.getContext('2d'), list, width, height, 1, { minTextPixels: minText });
  return off.convertToBlob({ type: 'image/png' });
}

const imageDataUrl = (image) => imageCanvas(image).toDataURL('image/png');

function download(blob, fileName) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = fileName;
  document.body.appendChild(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

async function copyPicture() {
  const name = chosenPicture();
  if (!name) return status(tr('rainbow::PictureActions', 'There is no picture to save.'), true);
  const [form, picture] = splitName(name);
  const canvas = state.views.get(form).canvas(picture);
  try {
    const blob = await pictureBlob(name, canvas.clientWidth * (window.devicePixelRatio || 1), 'png');
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
  } catch (e) {
    status(String(e.message || e), true);
  }
}

function openSaveDialog() {
  const name = chosenPicture();
  if (!name) return status(tr('rainbow::PictureActions', 'There is no picture to save.'), true);
  const [form, picture] = splitName(name);
  const canvas = state.views.get(form).canvas(picture);
  const dialog = $('#save-dialog');
  dialog.dataset.picture = name;
  $('#save-width').value = String(Math.round(canvas.clientWidth * (window.devicePixelRatio || 1)));
  dialog.showModal();
}

async function savePicture() {
  const dialog = $('#save-dialog');
  const name = dialog.dataset.picture;
  const format = $('#save-format').value;
  const width = Number($('#save-width').value);
  dialog.close();
  try {
    const blob = await pictureBlob(name, width, format);
    download(blob, `${name.replace('.', '-')}.${format}`);
  } catch (e) {
    status(tr('rainbow::PictureActions', 'The picture could not be saved: %1').replace('%1', String(e.message || e)), true);
  }
}

function openLessonFile(file) {
  if (!file) return;
  file.text().then((text) => send({ type: 'lesson', text }));
}

function showHelp() {
  state.help.show(`${state.active}.html`);
}

function setUpToolbar() {
  const label = (id, context, text) => {
    const b = $(id);
    b.textContent = tr(context, text);
    b.setAttribute('aria-label', b.textContent);
  };
  label('#copy', 'rainbow::PictureActions', 'Copy picture');
  label('#save-picture', 'rainbow::PictureActions', 'Save picture…');
  label('#open-lesson', 'rainbow::LessonSession', 'Open lesson…');
  label('#save-lesson', 'rainbow::LessonSession', 'Save lesson…');
  label('#help-button', 'Help', 'Help');
  $('#tabs').setAttribute('aria-label', tr('rainbow::WindowSwitcher', 'Windows'));
  $('#save-title').textContent = tr('rainbow::PictureActions', 'Save picture');
  $('#save-width-label').textContent = tr('rainbow::PictureActions', 'Width in pixels:');
  $('#save-png').textContent = tr('rainbow::PictureActions', 'PNG image (*.png)');
  $('#save-svg').textContent = tr('rainbow::PictureActions', 'SVG drawing (*.svg)');
  $('#save-ok').textContent = tr('rainbow::PictureActions', 'Save picture');
  $('#save-width').max = String(LARGEST_PICTURE_PIXELS);
  $('#copy').addEventListener('click', copyPicture);
  $('#save-picture').addEventListener('click', openSaveDialog);
  $('#save-ok').addEventListener('click', (e) => { e.preventDefault(); savePicture(); });
  $('#open-lesson').addEventListener('click', () => $('#lesson-file').click());
  $('#lesson-file').addEventListener('change', (e) => { openLessonFile(e.target.files[0]); e.target.value = ''; });
  $('#save-lesson').addEventListener('click', () => send({ type: 'saveLesson' }));
  $('#help-button').addEventListener('click', showHelp);
  document.addEventListener('keydown', (e) => {
    if (e.key === 'F1') { e.preventDefault(); showHelp(); }
  });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    openLessonFile(e.dataTransfer && e.dataTransfer.files[0]);
  });
  // Menus close when the pointer goes down elsewhere.
  document.addEventListener('pointerdown', (e) => {
    for (const items of document.querySelectorAll('.menu-items')) {
      if (!items.parentElement.contains(e.target)) items.hidden = true;
    }
  });
}

document.documentElement.lang = language;
performance.mark('rainbow-page-script');
setUpToolbar();
state.help = new HelpView($('#help'), language, window.RAINBOW_HELP || {}, window.RAINBOW_HELP_PICTURES || {},
  (message) => ask({ type: 'helpPicture', ...message }), tr);
new ResizeObserver(() => {
  const view = state.views.get(state.active);
  if (view) view.layout();
  markResized();
  requestPaint();
}).observe($('#windows'));
// The program starts at once; pictures wait for the fonts, which load meanwhile.
const fontsLoaded = Promise.all([
  document.fonts.load(`12px ${'"Liberation Sans"'}`), document.fonts.load(`12px ${'"Liberation Serif"'}`),
]).catch(() => {});
let fontsReady = false;
fontsLoaded.then(() => {
  performance.mark('rainbow-fonts');
  fontsReady = true;
  requestPaint();
  // The bold faces too, while the page is idle after its first picture: read the first time a
  // window shows them, they held up its opening by 50 to 70 ms.
  setTimeout(() => document.fonts.forEach((face) => { if (face.status === 'unloaded') face.load().catch(() => {}); }), 500);
});
start();

// For the browser tests: the page's state as the program gives it, and a picture as a PNG.
window.rainbowPage = {
  stateJson: async () => (await ask({ type: 'state' })).json,
  pictureBlob,
  step: (action, form, control, value) => send({ type: 'step', action, form, control, value }),
  restart: () => send({ type: 'restart' }),
  // Resolves when the worker has taken every message sent before, its long work is done and
  // the page has painted what it sent.
  settled: async () => {
    for (;;) {
      const answer = await ask({ type: 'ping' });
      if (!answer.busy) break;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    while (state.redraft) await new Promise((resolve) => setTimeout(resolve, DRAFT_MS));
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
  },
  get drafts() { return state.drafts.size; },
  // Plays a picture's list as the render command paints it (no smallest text).
  play: (ctx, name, width, height, ratio = 1, options = {}) =>
    playDisplayList(ctx, state.lists.get(name), width, height, ratio, options),
  get busy() { return state.busy; },
  lists: state.lists,
  stepsSent: state.stepsSent,
  get screen() { return state.screen; },
  controls: (form) => controlList(state.forms[form]),
  growthAt,
};
