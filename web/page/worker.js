/* The program in a Web Worker: one session of the core module, driven by the page's messages.
   Where the browser lets it, the worker also paints the windows' pictures on canvases the
   page hands over, so that the page's own thread stays free for the user while pictures are
   painted. The bundler joins this file and the painter into a classic worker script; the
   module's own script comes before it (in the bundle, in the same Blob), or is loaded from
   beside it. */
/* global createRainbowCore, importScripts, WebAssembly, FontFace */
import { PicturePainter } from './painter.js';

if (typeof createRainbowCore === 'undefined') importScripts('rainbow-core.js');

// A slice of long work, in milliseconds: short enough that a new message is taken within 100 ms.
const WORK_SLICE_MS = 40;

let core = null; // the module
let session = null;
let translations = '';
let language = 'en';
let sceneSent = ''; // the caption of the presented lesson's scene as last sent
let screen = { width: 1920, height: 1080 };
let working = false; // a slice is scheduled
let wasBusy = false;
const waiting = []; // messages that came before the module was ready

// Whether this worker can paint on canvases: it needs them and the pictures' fonts.
const canPaint = typeof OffscreenCanvas === 'function' && typeof FontFace === 'function' && !!self.fonts;
let fontsReady = false;
const painter = new PicturePainter({
  painted: (name, how) => post({ type: 'painted', name, ...how }),
  wake: () => paintPictures(),
});

function paintPictures() {
  if (fontsReady) painter.paintDirty();
}

// The fonts of the page's pictures (their CSS sources), added to the worker's own.
function loadFonts(faces) {
  const loads = (faces || []).map((f) => {
    const face = new FontFace(f.family, f.src, { weight: f.weight || 'normal', style: f.style || 'normal' });
    self.fonts.add(face);
    return face.load();
  });
  Promise.all(loads).catch(() => {}).then(() => {
    fontsReady = true;
    paintPictures();
  });
}

function post(message, transfer) {
  self.postMessage(message, transfer || []);
}

let formsSent = ''; // the forms as last sent: unchanged forms are not sent again

// The forms go as their JSON text, which crosses to the page faster than the objects would.
function sendForms() {
  const text = session.formsJson();
  if (text === formsSent) return;
  formsSent = text;
  post({ type: 'forms', json: text });
}

// A picture's display list as a message, and the buffers it transfers rather than copies.
function pictureMessage(type, list, transferImages = true) {
  const transfer = [list.nums.buffer];
  const images = (list.images || []).map((image) => {
    if (transferImages) transfer.push(image.rgb.buffer);
    return { width: image.width, height: image.height, rgb: image.rgb };
  });
  return [{
    type, nums: list.nums, texts: list.texts, images,
    widthTwips: list.widthTwips, heightTwips: list.heightTwips,
    longerSide: list.longerSide, referencePixels: list.referencePixels,
  }, transfer];
}

// Paints every picture whose display list changed and sends it to the page (which keeps it to
// save it, and paints it where this worker cannot), a copy of its numbers transferred: the
// painter keeps the list to paint it again.
function sendPictures() {
  const changed = session.changedPictures().map((name) => {
    const dot = name.indexOf('.');
    const list = session.picture(name.slice(0, dot), name.slice(dot + 1));
    painter.setList(name, list);
    return [name, list];
  });
  paintPictures();
  for (const [name, list] of changed) {
    const [message, transfer] = pictureMessage('picture', { ...list, nums: list.nums.slice() }, false);
    post({ ...message, name }, transfer);
  }
}

function sendBusy() {
  const busy = !!session.busy();
  if (busy !== wasBusy) post({ type: 'busy', busy });
  wasBusy = busy;
  if (busy && !working) {
    working = true;
    setTimeout(workSlice, 0);
  }
}

// Runs the long work in slices, taking messages between them.
function workSlice() {
  working = false;
  if (!session || !session.busy()) {
    if (session) sendBusy();
    return;
  }
  session.work(WORK_SLICE_MS);
  afterChange();
}

// The pictures go first: the page paints them before it brings the controls up to date, so
// that a step's picture is drawn 3 ms sooner and more often makes the next frame.
function afterChange() {
  sendPictures();
  sendForms();
  sendScene();
  sendBusy();
}

// The scene of the lesson presented, when it changes: {scene, scenes, title, note}, or null.
function sendScene() {
  const text = session.sceneJson(language);
  if (text === sceneSent) return;
  sceneSent = text;
  post({ type: 'scene', scene: text ? JSON.parse(text) : null });
}

function startSession() {
  formsSent = '';
  if (session) session.delete();
  session = new core.Session(screen.width, screen.height, translations);
  afterChange();
}

function handle(message) {
  switch (message.type) {
    case 'start':
      post({ type: 'ready', paints: canPaint });
      screen = { width: message.width | 0 || 1920, height: message.height | 0 || 1080 };
      translations = message.translations || '';
      language = message.language || 'en';
      startSession();
      break;
    case 'step': {
      painter.stepTaken();
      const error = session.step(message.action, message.form, message.control,
        message.value === undefined ? 0 : message.value);
      if (error) post({ type: 'error', message: error });
      // END ends the desktop program; the page starts afresh.
      if (session.ended && session.ended()) {
        session.restart();
        post({ type: 'restarted' });
      }
      afterChange();
      break;
    }
    case 'lesson': {
      const error = session.openLesson(message.text);
      if (error) post({ type: 'error', message: error, lesson: true });
      afterChange();
      break;
    }
    case 'present': {
      const error = session.presentLesson(message.text);
      if (error) post({ type: 'error', message: error, lesson: true });
      afterChange();
      break;
    }
    case 'scene':
      // The presented lesson's next or previous scene, or its end.
      if (message.go === 'next') session.nextScene();
      else if (message.go === 'previous') session.previousScene();
      else session.endPresentation();
      afterChange();
      break;
    case 'addScene':
      session.addScene(message.title || '', message.note || '');
      break;
    case 'saveLesson':
      post({ type: 'lesson', text: session.lessonJson() });
      break;
    case 'restart':
      session.restart();
      afterChange();
      break;
    case 'views':
      // The page's canvases (each handed over once), their sizes, and which are shown.
      for (const view of message.views) painter.setView(view.name, view);
      paintPictures();
      break;
    case 'pixels': {
      // For the tests: what a canvas shows.
      const view = painter.views.get(message.name);
      const canvas = view && view.canvas;
      const image = canvas && canvas.width && canvas.height
        ? canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height) : null;
      post({ type: 'pixels', id: message.id, width: image ? image.width : 0, height: image ? image.height : 0,
        data: image ? image.data : null }, image ? [image.data.buffer] : []);
      break;
    }
    case 'ping':
      post({
        type: 'pong', id: message.id, busy: !!session.busy(), drafts: painter.pendingDrafts,
        fonts: canPaint ? [...self.fonts].filter((face) => face.status === 'loaded').length : 0,
      });
      break;
    case 'state':
      post({ type: 'state', json: session.stateJson(), id: message.id });
      break;
    case 'helpPicture': {
      // A picture of the help drawn on a session of its own, after the steps.
      const help = new core.Session(message.width || 1024, message.height || 768, translations);
      try {
        let error = '';
        for (const s of message.steps) {
          error = help.step(s.action, s.form, s.control, s.value === undefined ? 0 : s.value);
          if (error) break;
        }
        while (!error && help.busy()) help.work(1000);
        const [picture, transfer] = pictureMessage('helpPicture', help.picture(message.form, message.picture));
        post({ ...picture, id: message.id, error }, transfer);
      } finally {
        help.delete();
      }
      break;
    }
    default:
      post({ type: 'error', message: `unknown message ${message.type}` });
  }
}

function safely(message) {
  try {
    handle(message);
  } catch (e) {
    post({ type: 'error', message: String(e && e.message ? e.message : e) });
  }
}

function started(module) {
  core = module;
  while (waiting.length) safely(waiting.shift());
}
const notStarted = (e) => post({ type: 'error', message: `the program could not start: ${e}` });

// In the single-file page the page compiles the WebAssembly and sends it first; elsewhere the
// module's script loads it.
let wasmAwaited = !!self.rainbowWasmFromPage;

self.onmessage = (event) => {
  const message = event.data;
  if (wasmAwaited && message && message.type === 'wasm') {
    wasmAwaited = false;
    if (message.error) return notStarted(message.error);
    createRainbowCore({
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(message.module, imports).then((instance) => receive(instance, message.module), notStarted);
        return {};
      },
    }).then(started, notStarted);
    return;
  }
  // The fonts load while the module is still being made ready.
  if (message && message.type === 'fonts') {
    if (canPaint) loadFonts(message.faces);
    return;
  }
  if (!core) waiting.push(message);
  else safely(message);
};

if (!wasmAwaited) createRainbowCore(self.rainbowCoreOptions || {}).then(started, notStarted);
