// Lines one device pixel wide, drawn into RGBA pixels as the desktop's raster engine draws its
// thin pens: along the line's longer axis each pixel row (or column) takes the line once, its
// ink shared between the two pixels nearest the line's crossing of that row's middle, in
// proportion to how near each pixel's centre lies; the end rows take the part of the row the
// line covers, and round caps lengthen the line by half a pixel at each end. The browser's
// own thin lines weigh and place that ink differently, which on a fan of hairlines one or two
// pixels apart changes a tenth of the pixels.

const CAP = 0.5;

// Lays `colour` (RGBA packed as the layer's 32-bit words hold it, alpha 255) with `coverage`
// (0..256) over the word `at` of a layer of premultiplied pixels: each byte p becomes
// p + floor((c - p) * coverage / 256), two bytes at a time in the word's 16-bit halves.
function blend(words, at, colour, coverage) {
  const p = words[at], keep = 256 - coverage;
  const rb = (Math.imul(p & 0xff00ff, keep) + Math.imul(colour & 0xff00ff, coverage)) >>> 8;
  const ga = (Math.imul((p >>> 8) & 0xff00ff, keep) + Math.imul((colour >>> 8) & 0xff00ff, coverage)) >>> 8;
  words[at] = (rb & 0xff00ff) | ((ga & 0xff00ff) << 8);
}

// The layer's bytes and 32-bit words, made once.
function layerBytes(image) {
  return image.bytes || (image.bytes = new Uint8Array(image.data.buffer, image.data.byteOffset, image.data.length));
}
function layerWords(image) {
  return image.words || (image.words = new Uint32Array(image.data.buffer, image.data.byteOffset, image.data.length >> 2));
}

// RGBA as a 32-bit word of pixels in memory order, on this machine's byte order.
const LITTLE_ENDIAN = new Uint8Array(new Uint32Array([1]).buffer)[0] === 1;
function packed(r, g, b) {
  return LITTLE_ENDIAN ? ((255 << 24) | (b << 16) | (g << 8) | r) >>> 0 : ((r << 24) | (g << 16) | (b << 8) | 255) >>> 0;
}

// Draws the line (x1, y1)-(x2, y2) (device pixels, a pixel's centre at +0.5) in colour r, g, b
// into `image` ({data, width, height, left, top}: a premultiplied layer over the part of the
// canvas whose first pixel is (left, top)). Returns the layer's pixels it touched as
// [left, top, right, bottom] (right and bottom past the last), or null.
export function drawHairline(image, x1, y1, x2, y2, r, g, b) {
  const steep = Math.abs(y2 - y1) > Math.abs(x2 - x1);
  // a: along the longer axis, c: across it; both within the image.
  let a1 = steep ? y1 - image.top : x1 - image.left, c1 = steep ? x1 - image.left : y1 - image.top;
  let a2 = steep ? y2 - image.top : x2 - image.left, c2 = steep ? x2 - image.left : y2 - image.top;
  if (a1 === a2 || !Number.isFinite(a1 + a2 + c1 + c2)) return null; // a point: nothing, as on the desktop
  if (a1 > a2) {
    let t = a1; a1 = a2; a2 = t;
    t = c1; c1 = c2; c2 = t;
  }
  const slope = (c2 - c1) / (a2 - a1);
  // The first row takes the line where it crosses the start row's edge, the rows after one
  // step of the slope each: half a pixel along the line from the rows' middles.
  const startEdge = Math.floor(a1);
  a1 -= CAP;
  a2 += CAP;
  const first = Math.floor(a1), last = Math.floor(a2);
  const w = image.width, h = image.height;
  const rows = steep ? h : w, columns = steep ? w : h;
  const from = Math.max(first, 0), to = Math.min(last, rows - 1);
  if (from > to) return null;
  const words = layerWords(image);
  const colour = packed(r & 255, g & 255, b & 255);
  const rowStep = steep ? w : 1, acrossStep = steep ? 1 : w;
  const firstWeight = first === last ? ((a2 - a1) * 256) | 0 : ((1 - (a1 - first)) * 256) | 0;
  const lastWeight = ((a2 - last) * 256) | 0;
  let across = c1 + (startEdge - a1 - CAP) * slope - 0.5 + (from - first) * slope;
  const acrossFrom = Math.floor(across);
  let at = from * rowStep;
  for (let row = from; row <= to; ++row, across += slope, at += rowStep) {
    const weight = row === first ? firstWeight : row === last ? lastWeight : 256;
    const near = Math.floor(across);
    const share = ((across - near) * weight) | 0;
    if (near >= 0 && near < columns && weight > share) blend(words, at + near * acrossStep, colour, weight - share);
    if (near + 1 >= 0 && near + 1 < columns && share > 0) blend(words, at + (near + 1) * acrossStep, colour, share);
  }
  const acrossTo = Math.floor(across - slope);
  const low = Math.max(0, Math.min(acrossFrom, acrossTo)), high = Math.min(columns, Math.max(acrossFrom, acrossTo) + 2);
  if (low >= high) return null;
  return steep ? [low, from, high, to + 1] : [from, low, to + 1, high];
}

// Turns premultiplied bytes into the plain RGBA an ImageData holds: the whole layer, or the
// box [left, right) x [top, bottom) of a layer `width` pixels wide.
export function unpremultiply(bytes, width = bytes.length >> 2, left = 0, top = 0, right = width, bottom = (bytes.length >> 2) / width) {
  for (let y = top; y < bottom; ++y) {
    const end = 4 * (y * width + right);
    for (let at = 4 * (y * width + left); at < end; at += 4) {
      const a = bytes[at + 3];
      if (a === 0 || a === 255) continue;
      bytes[at] = Math.min(255, (bytes[at] * 255 + (a >> 1)) / a);
      bytes[at + 1] = Math.min(255, (bytes[at + 1] * 255 + (a >> 1)) / a);
      bytes[at + 2] = Math.min(255, (bytes[at + 2] * 255 + (a >> 1)) / a);
    }
  }
}

// Canvases that carry layers of hairlines onto a picture, and the layer's pixels, kept between
// pictures: a picture of thousands of hairlines is drawn in a few milliseconds when nothing is
// made afresh. Each layer of a picture goes through a carrier of its own: a carrier the
// picture still draws from (the browser draws later) would be copied before it took new
// pixels, at the cost of drawing the whole picture so far.
const CARRIERS = 16;
// Carriers and layers larger than this many pixels (a picture saved large) are not kept.
const KEPT_PIXELS = 4096 * 4096;
const carriers = [];
let layer = null;

function carrierCanvas(index, width, height) {
  const at = index % CARRIERS;
  if (!carriers[at]) {
    // A page's canvas takes pixels ten times faster than an off-screen one.
    carriers[at] = typeof document !== 'undefined' ? Object.assign(document.createElement('canvas'), { width, height })
      : new OffscreenCanvas(width, height);
  }
  const carrier = carriers[at];
  if (carrier.width < width) carrier.width = width;
  if (carrier.height < height) carrier.height = height;
  return carrier;
}

function layerFor(ctx, width, height) {
  if (!layer || layer.width !== width || layer.height !== height) {
    const pixels = ctx.createImageData(width, height);
    layer = { pixels, data: pixels.data, width, height, left: 0, top: 0 };
  }
  return layer;
}

// Lets go of what a large picture needed.
function releaseLarge() {
  if (layer && layer.width * layer.height > KEPT_PIXELS) layer = null;
  carriers.forEach((carrier, at) => {
    if (carrier.width * carrier.height > KEPT_PIXELS) carriers[at] = undefined;
  });
}

// Draws hairlines straight into one layer of the canvas's size, and lays the part they inked
// over the canvas when another kind of item comes: reading the canvas's pixels back would
// cost more than a frame.
export class HairlineBatch {
  constructor(ctx, width, height) {
    this.ctx = ctx;
    this.width = Math.ceil(width);
    this.height = Math.ceil(height);
    this.layer = null;
    this.box = null; // [left, top, right, bottom] inked since the last flush
    this.flushes = 0;
  }

  add(x1, y1, x2, y2, r, g, b) {
    if (!this.layer) this.layer = layerFor(this.ctx, this.width, this.height);
    const inked = drawHairline(this.layer, x1, y1, x2, y2, r, g, b);
    if (!inked) return;
    const box = this.box;
    if (!box) {
      this.box = inked;
    } else {
      box[0] = Math.min(box[0], inked[0]);
      box[1] = Math.min(box[1], inked[1]);
      box[2] = Math.max(box[2], inked[2]);
      box[3] = Math.max(box[3], inked[3]);
    }
  }

  flush() {
    const box = this.box;
    if (!box) return;
    this.box = null;
    const [left, top, right, bottom] = box;
    const { pixels, width } = this.layer;
    const bytes = layerBytes(this.layer);
    unpremultiply(bytes, width, left, top, right, bottom);
    const w = right - left, h = bottom - top;
    const carrier = carrierCanvas(this.flushes++, w, h);
    carrier.getContext('2d').putImageData(pixels, -left, -top, left, top, w, h);
    this.ctx.drawImage(carrier, 0, 0, w, h, left, top, w, h);
    for (let y = top; y < bottom; ++y) bytes.fill(0, 4 * (y * width + left), 4 * (y * width + right));
  }

  // Lays the last hairlines over the canvas; the batch is done.
  finish() {
    this.flush();
    releaseLarge();
  }
}
