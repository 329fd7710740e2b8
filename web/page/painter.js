// The pictures of the windows painted on their canvases: each display list at the size its
// canvas is shown, painted again when its list or its size changes. The same painter serves
// the program's worker, which paints on canvases the page hands over (the page's own thread
// then neither paints nor rasterizes a picture), and the page, where a browser cannot hand
// canvases to a worker. It knows no page: its host tells it the canvases, their sizes and
// whether they are shown, and when to paint.
import { playDisplayList, textMetrics, DEFAULT_GROWTH } from './player.js';

// On the screen, a picture's text never shrinks below the desktop's normal font, nor grows
// beyond this much over its designed size.
const DESKTOP_TEXT_PIXELS = 12;
const LARGEST_TEXT_GROWTH = 1.3;
// While steps follow one another this closely (a bar dragged), pictures are painted with the
// browser's own thin lines, three to five times faster; this long after the last step they
// are painted again with the desktop's.
export const DRAFT_MS = 150;

function growthOf(list) {
  return list.referencePixels ? { longerSide: !!list.longerSide, referencePixels: list.referencePixels }
    : DEFAULT_GROWTH;
}

// The smallest text on the screen for a picture shown width x height CSS pixels.
export function screenTextPixels(list, width, height) {
  const designed = textMetrics(growthOf(list), width, height).pixels;
  return Math.min(DESKTOP_TEXT_PIXELS, LARGEST_TEXT_GROWTH * designed);
}

export class PicturePainter {
  // `painted(name, {size, draft})` is told of each painting; `wake()` is called when
  // pictures need painting without a call of the host's (drafts to paint again).
  constructor({ painted = () => {}, wake = () => {}, now = () => performance.now() } = {}) {
    this.painted = painted;
    this.wake = wake;
    this.now = now;
    this.lists = new Map(); // name -> display list
    this.views = new Map(); // name -> {canvas, width, height, ratio, shown, paintedSize}
    this.dirty = new Set();
    this.drafts = new Set(); // painted with the browser's thin lines, to be painted again
    this.redraft = 0; // the timer that paints them again
    this.lastStepAt = -Infinity;
    this.paintings = 0;
    this.imageCaches = new WeakMap(); // list -> its images as canvases
  }

  // A step was taken: pictures are drafts for a while.
  stepTaken() {
    this.lastStepAt = this.now();
  }

  drafting() {
    return this.now() - this.lastStepAt < DRAFT_MS;
  }

  setList(name, list) {
    this.lists.set(name, list);
    this.dirty.add(name);
  }

  // A picture's canvas (given once; a later one replaces it), its CSS size, device pixels per
  // CSS pixel, and whether it is shown. A picture shown at a size it was not painted at is
  // painted again.
  setView(name, { canvas, width, height, ratio = 1, shown }) {
    let view = this.views.get(name);
    if (!view) this.views.set(name, (view = { canvas: null, width: 0, height: 0, ratio: 1, shown: false, paintedSize: '' }));
    if (canvas && canvas !== view.canvas) {
      view.canvas = canvas;
      view.paintedSize = '';
    }
    Object.assign(view, { width: width | 0, height: height | 0, ratio, shown: !!shown });
    if (view.paintedSize !== this.sizeKey(view)) this.dirty.add(name);
  }

  sizeKey(view) {
    return `${view.width}x${view.height}@${view.ratio}`;
  }

  // Whether the picture can be painted now: its list has come and its canvas is shown.
  paintable(name) {
    const view = this.views.get(name);
    return !!(view && view.canvas && view.shown && view.width > 0 && view.height > 0 && this.lists.has(name));
  }

  // Paints one picture if it can be; true when it did.
  paint(name) {
    if (!this.paintable(name)) return false;
    const view = this.views.get(name);
    const list = this.lists.get(name);
    // The first picture of all is a draft too: the desktop's thin lines cost it 100 ms or more
    // while the browser is cold, which the program's first picture should not wait for.
    const draft = this.drafting() || this.paintings++ === 0;
    if (draft) {
      this.drafts.add(name);
      if (!this.redraft) this.redraft = setTimeout(() => this.paintDraftsAgain(), DRAFT_MS);
    } else {
      this.drafts.delete(name);
    }
    const { canvas, width, height, ratio } = view;
    const pw = Math.ceil(width * ratio), ph = Math.ceil(height * ratio);
    if (canvas.width !== pw) canvas.width = pw;
    if (canvas.height !== ph) canvas.height = ph;
    let cache = this.imageCaches.get(list);
    if (!cache) this.imageCaches.set(list, (cache = new Map()));
    playDisplayList(canvas.getContext('2d'), list, width, height, ratio, {
      minTextPixels: screenTextPixels(list, width, height), imageCache: cache, hairlines: !draft,
    });
    view.paintedSize = this.sizeKey(view);
    this.dirty.delete(name);
    this.painted(name, { size: `${width}x${height}`, draft });
    return true;
  }

  // Paints the pictures waiting, as long as `budgetMs` allows (at least one); true when none
  // that can be painted is left.
  paintDirty(budgetMs = Infinity) {
    const began = this.now();
    for (const name of [...this.dirty]) {
      if (this.now() - began > budgetMs) return false;
      this.paint(name);
    }
    return true;
  }

  // Paints the drafts again, the desktop's way, once the steps have stopped.
  paintDraftsAgain() {
    this.redraft = 0;
    if (this.drafting()) {
      this.redraft = setTimeout(() => this.paintDraftsAgain(), DRAFT_MS);
      return;
    }
    for (const name of this.drafts) this.dirty.add(name);
    this.drafts.clear();
    this.wake();
  }

  // Whether drafts are still to be painted again.
  get pendingDrafts() {
    return this.drafts.size + (this.redraft ? 1 : 0);
  }
}
