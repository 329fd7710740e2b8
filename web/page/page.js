// The page: the program's windows as tabs, their pictures played on canvases, a toolbar for
// what the desktop's picture menu offers, the program itself in a worker.
import { playDisplayList, growthAt, imageCanvas } from './player.js';
import { PicturePainter, screenTextPixels, DRAFT_MS } from './painter.js';
import { displayListSvg } from './svg.js';
import { FormView, controlList, make } from './forms.js';
import { HelpView } from './help.js';
import { LessonBar } from './lessons.js';
import { translator } from './i18n.js';

// The desktop program's bound on a saved picture's side.
const LARGEST_PICTURE_PIXELS = 10000;
// Where the page paints its pictures itself, what one animation frame may spend on them, in
// milliseconds.
const PAINT_BUDGET_MS = 12;
// The page paints its pictures itself, even where the worker could (for the tests).
const PAGE_PAINTS = new URLSearchParams(location.search).get('paint') === 'page';

const $ = (selector) => document.querySelector(selector);
const language = (navigator.language || 'en').toLowerCase().startsWith('el') ? 'el' : 'en';
const tr = translator(language, window.RAINBOW_TRANSLATIONS || {});

const state = {
  worker: null,
  forms: {}, // name -> form as the worker last sent it
  views: new Map(), // name -> FormView
  tabs: new Map(), // name -> tab button
  lists: new Map(), // "form.picture" -> display list
  // Who paints the pictures: the worker, on the canvases the page hands it, or the page.
  workerPaints: false,
  painter: null, // the page's own painter, where the worker cannot paint
  viewsSent: new Map(), // name -> the view last sent to the worker, as a key
  handedOver: new WeakSet(), // the canvases given to the worker
  active: 'arxiki',
  room: null, // the windows' room, {width, height} CSS pixels
  chosenPicture: null, // the picture the toolbar acts on
  busy: false,
  frameRequested: false,
  paintedThisFrame: new Set(), // pictures painted since the last animation frame
  waiters: new Map(), // id -> resolve, for state and help pictures
  nextId: 1,
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
  if (message.type === 'step') state.painter.stepTaken();
  state.worker.postMessage(message, transfer || []);
}

// The page's @font-face rules, for the worker to paint with the same fonts.
function fontFaces() {
  const faces = [];
  for (const sheet of document.styleSheets) {
    let rules = [];
    try {
      rules = sheet.cssRules;
    } catch {
      continue; // a sheet from elsewhere
    }
    for (const rule of rules) {
      if (!(rule instanceof CSSFontFaceRule)) continue;
      const style = rule.style;
      faces.push({
        family: style.getPropertyValue('font-family').trim().replace(/^["']|["']$/g, ''),
        weight: style.getPropertyValue('font-weight') || 'normal',
        style: style.getPropertyValue('font-style') || 'normal',
        src: style.getPropertyValue('src'),
      });
    }
  }
  return faces;
}

function start() {
  state.worker = makeWorker();
  state.worker.onmessage = (e) => received(e.data);
  state.worker.onerror = (e) => status(e.message || 'worker error', true);
  if (!PAGE_PAINTS) send({ type: 'fonts', faces: fontFaces() });
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
      performance.mark('rainbow-ready');
      state.workerPaints = !!m.paints && !PAGE_PAINTS && 'transferControlToOffscreen' in HTMLCanvasElement.prototype;
      break;
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
      if (state.workerPaints) break;
      state.painter.setList(m.name, m);
      if (!paintAtOnce(m.name)) requestPaint();
      break;
    case 'painted':
      painted(m.name, m);
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
    case 'scene': state.lessons.show(m.scene); break;
    case 'lesson': download(new Blob([m.text], { type: 'application/json' }), 'lesson.json'); break;
    case 'state':
    case 'pixels':
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
      view.room = state.room;
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
  syncViews();
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
  syncViews();
}

// Tells the painter every picture's canvas, the size it is shown at and whether it is shown.
// The worker is sent what changed, with the canvases it has not had.
function syncViews() {
  const ratio = window.devicePixelRatio || 1;
  const changed = [], transfer = [];
  for (const [form, view] of state.views) {
    for (const [picture, canvas] of view.canvases) {
      const name = `${form}.${picture}`;
      const shown = !view.element.hidden && !canvas.hidden;
      const size = { ...view.pictureSize(picture), ratio, shown };
      if (!state.workerPaints) {
        state.painter.setView(name, { canvas, ...size });
        continue;
      }
      const key = JSON.stringify(size);
      const handOver = !state.handedOver.has(canvas);
      if (!handOver && state.viewsSent.get(name) === key) continue;
      state.viewsSent.set(name, key);
      const message = { name, ...size };
      if (handOver) {
        message.canvas = canvas.transferControlToOffscreen();
        state.handedOver.add(canvas);
        transfer.push(message.canvas);
      }
      changed.push(message);
    }
  }
  if (changed.length) send({ type: 'views', views: changed }, transfer);
  if (!state.workerPaints) requestPaint();
}

function requestPaint() {
  if (state.frameRequested) return;
  state.frameRequested = true;
  requestAnimationFrame(paintDirty);
}

// A picture was painted (by the page or the worker).
function painted(name, { size, draft }) {
  const [form, picture] = splitName(name);
  const canvas = state.views.get(form)?.canvas(picture);
  if (canvas) {
    canvas.dataset.paintedSize = size;
    canvas.dataset.draft = String(draft);
  }
  // How many pictures the page has painted: the tests wait for the first.
  const root = document.documentElement;
  if (!root.dataset.painted) performance.mark('rainbow-first-paint');
  root.dataset.painted = String(Number(root.dataset.painted || 0) + 1);
  // For the benchmark, which times a step until the frame that shows its picture.
  document.dispatchEvent(new CustomEvent('rainbow-painted', { detail: name }));
}

// Paints a picture as soon as it arrives, rather than in the next animation frame: the frame
// after shows it, one frame sooner. A picture that changes again before that frame waits for
// it, so that a picture is painted at most twice a frame.
function paintAtOnce(name) {
  if (!fontsReady || state.paintedThisFrame.has(name) || !state.painter.paint(name)) return false;
  state.paintedThisFrame.add(name);
  requestPaint();
  return true;
}

// A frame paints what fits in its time; the rest follows in the next frames, so that the page
// stays free to take the user's input while many pictures change at once.
function paintDirty() {
  state.frameRequested = false;
  state.paintedThisFrame.clear();
  if (!fontsReady || state.workerPaints) return;
  if (!state.painter.paintDirty(PAINT_BUDGET_MS)) requestPaint();
}

// How many pictures are drafts still to be painted again.
async function pendingDrafts() {
  return state.workerPaints ? (await ask({ type: 'ping' })).drafts : state.painter.pendingDrafts;
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

// Opens a lesson file, or presents it (`how` 'present').
function openLessonFile(file, how = 'lesson') {
  if (!file) return;
  file.text().then((text) => send({ type: how, text }));
}

// The file picker, for a lesson to open or to present.
function chooseLessonFile(how) {
  const input = $('#lesson-file');
  input.dataset.how = how;
  input.click();
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
  $('#open-lesson').addEventListener('click', () => chooseLessonFile('lesson'));
  $('#lesson-file').addEventListener('change', (e) => {
    openLessonFile(e.target.files[0], e.target.dataset.how);
    e.target.value = '';
  });
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

state.painter = new PicturePainter({ painted, wake: requestPaint });
state.lessons = new LessonBar({ send, tr, language, lessons: window.RAINBOW_LESSONS || {}, openFile: chooseLessonFile });
document.documentElement.lang = language;
performance.mark('rainbow-page-script');
setUpToolbar();
state.help = new HelpView($('#help'), language, window.RAINBOW_HELP || {}, window.RAINBOW_HELP_PICTURES || {},
  (message) => ask({ type: 'helpPicture', ...message }), tr);
// The windows' room, told to each window as it changes: a window then lays itself out without
// asking the browser for its size.
new ResizeObserver((entries) => {
  const box = entries[entries.length - 1].contentRect;
  state.room = { width: box.width, height: box.height };
  for (const view of state.views.values()) view.room = state.room;
  const view = state.views.get(state.active);
  if (view) view.layout();
  syncViews();
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
    while (await pendingDrafts()) await new Promise((resolve) => setTimeout(resolve, DRAFT_MS));
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
  },
  drafts: pendingDrafts,
  // What a picture's canvas shows: {width, height, data} (RGBA bytes).
  shownPixels: async (name) => {
    if (state.workerPaints) return ask({ type: 'pixels', name });
    const [form, picture] = splitName(name);
    const canvas = state.views.get(form).canvas(picture);
    return canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
  },
  get workerPaints() { return state.workerPaints; },
  workerFonts: async () => (await ask({ type: 'ping' })).fonts,
  screenTextPixels: (name, width, height) => screenTextPixels(state.lists.get(name), width, height),
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
