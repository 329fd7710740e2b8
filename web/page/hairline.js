// Lines one device pixel wide, drawn into RGBA pixels by the rule of the desktop's raster engine
// for its thin anti-aliased pens, in the same fixed-point steps, so that the same pixels take
// the same ink:
// - the line is first cut to the picture and a pixel around it (two past the right and
//   bottom edges), then its ends are taken in 1/64 of a pixel;
// - along the longer axis (the horizontal one when both are equal) each pixel row or column
//   takes the line once, its ink shared between the two pixels nearest the line at that row's
//   middle (a pixel's centre at +0.5), in 1/256 parts;
// - round caps lengthen the line by half a pixel at each end, and the end rows take the part
//   of the row the line covers;
// - a line whose two ends are one point is that point's pixel.
// The browser's own thin lines weigh and place that ink differently, which on a fan of
// hairlines one or two pixels apart changes a tenth of the pixels.

// x * a / 255, rounded, for the four bytes of the word x at once (a: 0..255).
function byteMul(x, a) {
  let t = Math.imul(x & 0xff00ff, a) >>> 0;
  t = ((t + ((t >>> 8) & 0xff00ff) + 0x800080) >>> 8) & 0xff00ff;
  let u = Math.imul((x >>> 8) & 0xff00ff, a) >>> 0;
  u = (u + ((u >>> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
  return (u | t) >>> 0;
}

// Lays `colour` (an opaque RGBA word) with `coverage` (0..255) over the word `at` of a layer of
// premultiplied pixels. Most pixels of a fan are inked once, over nothing.
function blend(words, at, colour, coverage) {
  if (coverage === 0) return;
  const c = coverage === 255 ? colour : byteMul(colour, coverage);
  const d = words[at];
  words[at] = d === 0 ? c : (c + byteMul(d, 255 - (c >>> 24))) >>> 0;
}

// The layer's bytes and 32-bit words, made once.
function layerBytes(image) {
  return image.bytes || (image.bytes = new Uint8Array(image.data.buffer, image.data.byteOffset, image.data.length));
}
function layerWords(image) {
  return image.words || (image.words = new Uint32Array(image.data.buffer, image.data.byteOffset, image.data.length >> 2));
}

// RGBA as a 32-bit word of pixels in memory order, on this machine's byte order: alpha is
// the top byte of the word either way round of the other three.
const LITTLE_ENDIAN = new Uint8Array(new Uint32Array([1]).buffer)[0] === 1;
function packed(r, g, b) {
  return LITTLE_ENDIAN ? ((255 << 24) | (b << 16) | (g << 8) | r) >>> 0 : ((255 << 24) | (r << 16) | (g << 8) | b) >>> 0;
}

// The line cut to the box [low, xHigh] x [low, yHigh] as the raster engine cuts it, in place in
// `p` ([x1, y1, x2, y2]); false when nothing of it is left.
export function cutToBox(p, low, xHigh, yHigh) {
  for (let axis = 0; axis < 2; ++axis) {
    const a = axis, c = 1 - axis, high = axis === 0 ? xHigh : yHigh;
    if (p[a] < low) {
      if (p[a + 2] <= low) return false;
      p[c] += ((p[c + 2] - p[c]) / (p[a + 2] - p[a])) * (low - p[a]);
      p[a] = low;
    } else if (p[a] > high) {
      if (p[a + 2] >= high) return false;
      p[c] += ((p[c + 2] - p[c]) / (p[a + 2] - p[a])) * (high - p[a]);
      p[a] = high;
    }
    if (p[a + 2] < low) {
      p[c + 2] += ((p[c + 2] - p[c]) / (p[a + 2] - p[a])) * (low - p[a + 2]);
      p[a + 2] = low;
    } else if (p[a + 2] > high) {
      p[c + 2] += ((p[c + 2] - p[c]) / (p[a + 2] - p[a])) * (high - p[a + 2]);
      p[a + 2] = high;
    }
  }
  return true;
}

const ends = [0, 0, 0, 0];

// Draws the line (x1, y1)-(x2, y2) (device pixels, a pixel's centre at +0.5) in colour r, g, b
// into `image` ({data, width, height, left, top}: a premultiplied layer over the part of the
// canvas whose first pixel is (left, top), the line cut to that part). Returns the layer's
// pixels it may have touched as [left, top, right, bottom] (right and bottom past the last),
// or null.
export function drawHairline(image, x1, y1, x2, y2, r, g, b) {
  const w = image.width, h = image.height;
  const words = layerWords(image);
  const colour = packed(r & 255, g & 255, b & 255);
  ends[0] = x1 - image.left; ends[1] = y1 - image.top; ends[2] = x2 - image.left; ends[3] = y2 - image.top;
  if (!Number.isFinite(ends[0] + ends[1] + ends[2] + ends[3])) return null;
  if (ends[0] === ends[2] && ends[1] === ends[3]) {
    const px = Math.round(ends[0]), py = Math.round(ends[1]);
    if (px < 0 || py < 0 || px >= w || py >= h) return null;
    blend(words, py * w + px, colour, 255);
    return [px, py, px + 1, py + 1];
  }
  if (!cutToBox(ends, -1, w + 1, h + 1)) return null;
  let fx1 = Math.trunc(ends[0] * 64), fy1 = Math.trunc(ends[1] * 64);
  let fx2 = Math.trunc(ends[2] * 64), fy2 = Math.trunc(ends[3] * 64);
  const steep = Math.abs(fx2 - fx1) < Math.abs(fy2 - fy1);
  // a: along the longer axis, c: across it, in 1/64 of a pixel.
  let a1 = steep ? fy1 : fx1, c1 = steep ? fx1 : fy1, a2 = steep ? fy2 : fx2, c2 = steep ? fx2 : fy2;
  if (a1 === a2) return null;
  // The step across for one row, in 1/65536 of a pixel, cut toward zero.
  const step = Math.trunc(((c2 - c1) * 65536) / (a2 - a1)) | 0;
  const swapped = a1 > a2;
  if (swapped) {
    let t = a1; a1 = a2; a2 = t;
    t = c1; c1 = c2; c2 = t;
  }
  // Where the line crosses the first row's middle, less half a pixel (16.16), then the caps.
  let across = (c1 - 32) << 10;
  across -= (((a1 & 63) - 32) * step) >> 6;
  a1 -= 32;
  across -= step >> 1;
  a2 += 32;
  const first = a1 >> 6, last = a2 >> 6;
  const startPart = first === last ? a2 - a1 : 64 - (a1 & 63);
  const endPart = first === last ? 0 : a2 & 63;
  const rows = steep ? h : w, columns = steep ? w : h;
  const rowStep = steep ? w : 1, acrossStep = steep ? 1 : w;
  const acrossFirst = across >> 16;
  for (let row = first; row <= last; ++row, across = (across + step) | 0) {
    const part = row === first ? startPart : row === last ? endPart : 64;
    if (part === 0 || row < 0 || row >= rows) continue;
    const near = across >> 16, share = (across >> 8) & 255;
    const at = row * rowStep;
    if (near >= 0 && near < columns) blend(words, at + near * acrossStep, colour, ((255 - share) * part) >> 6);
    if (near + 1 >= 0 && near + 1 < columns) blend(words, at + (near + 1) * acrossStep, colour, (share * part) >> 6);
  }
  const acrossLast = (across - step) >> 16;
  const from = Math.max(0, first), to = Math.min(rows, last + 1);
  const low = Math.max(0, Math.min(acrossFirst, acrossLast)), high = Math.min(columns, Math.max(acrossFirst, acrossLast) + 2);
  if (from >= to || low >= high) return null;
  return steep ? [low, from, high, to] : [from, low, to, high];
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
// The layer's pixels, all clear between batches: one buffer for pictures of every size, seen
// through an image of each size, so that windows of pictures of several sizes allocate nothing.
let layerBuffer = null;
const layers = new Map();

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

function layerFor(width, height) {
  const bytes = 4 * width * height;
  if (!layerBuffer || layerBuffer.byteLength < bytes) {
    layerBuffer = new ArrayBuffer(bytes);
    layers.clear();
  }
  const key = `${width}x${height}`;
  let layer = layers.get(key);
  if (!layer) {
    const pixels = new ImageData(new Uint8ClampedArray(layerBuffer, 0, bytes), width, height);
    layer = { pixels, data: pixels.data, width, height, left: 0, top: 0 };
    layers.set(key, layer);
  }
  return layer;
}

// Lets go of what a large picture needed.
function releaseLarge() {
  if (layerBuffer && layerBuffer.byteLength > 4 * KEPT_PIXELS) {
    layerBuffer = null;
    layers.clear();
  }
  carriers.forEach((carrier, at) => {
    if (carrier && carrier.width * carrier.height > KEPT_PIXELS) carriers[at] = undefined;
  });
}

// Draws hairlines straight into one layer of the canvas's size, and lays the part they inked
// over the canvas when an item comes near them: reading the canvas's pixels back would cost
// more than a frame.
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
    if (!this.layer) this.layer = layerFor(this.width, this.height);
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
    // A picture saved large goes through one carrier: a carrier each would hold gigabytes.
    const large = this.width * this.height > KEPT_PIXELS;
    const carrier = carrierCanvas(large ? 0 : this.flushes++, w, h);
    carrier.getContext('2d').putImageData(pixels, -left, -top, left, top, w, h);
    this.ctx.drawImage(carrier, 0, 0, w, h, left, top, w, h);
    for (let y = top; y < bottom; ++y) bytes.fill(0, 4 * (y * width + left), 4 * (y * width + right));
  }

  // Whether hairlines not yet laid over the canvas may lie under the box [x1, x2] x [y1, y2].
  inkedNear(x1, y1, x2, y2) {
    const box = this.box;
    return !!box && x1 < box[2] && x2 >= box[0] && y1 < box[3] && y2 >= box[1];
  }

  // Lays the last hairlines over the canvas; the batch is done.
  finish() {
    this.flush();
    releaseLarge();
  }
}
