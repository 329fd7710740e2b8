// Plays a display list (the typed-array shape the worker sends) on a 2D canvas context, as the
// desktop player paints it: the scale maps user coordinates linearly onto the area, pens and
// text grow with the picture's size, pens cover whole device pixels, text hangs from its
// point with an optional backing box.

import { HairlineBatch } from './hairline.js';

export const OP = { scale: 0, line: 1, circle: 2, pset: 3, text: 4, image: 5 };
// The length of each item in `nums`, its op code included.
export const ITEM_LENGTH = [5, 10, 17, 7, 11, 8];

// The font of the pictures: the windows' sans-serif, 8.25 pt at the reference size.
export const PICTURE_FONT = '"Liberation Sans", Arial, sans-serif';
const PICTURE_FONT_PIXELS = (8.25 * 20) / 15;
// Liberation Sans' vertical metrics (units per em 2048), rounded outward to whole pixels as
// the font engine of the desktop does.
const ASCENT_EM = 1854 / 2048;
const DESCENT_EM = 434 / 2048;
// Items far outside the area are cut to this margin (pixels); larger circles are not drawn.
const CLIP_MARGIN = 64;
const LARGEST_RADIUS = 1e6;
// At most this many items wait for the hairlines under them (see playDisplayList).
const MOST_WAITING = 64;

export const DEFAULT_GROWTH = { longerSide: false, referencePixels: 810 };

// How much pens and text grow on a picture of width x height pixels.
export function growthAt(growth, width, height) {
  const side = growth.longerSide ? Math.max(width, height) : Math.min(width, height);
  return growth.referencePixels > 0 ? side / growth.referencePixels : 1;
}

// Dash patterns in pen widths: dashed, dotted, dash-dot.
const DASHES = [null, [4, 2], [1, 2], [4, 2, 1, 2]];

// The part of the segment a-b inside the box [left, right] x [top, bottom], or null.
export function clipSegment(ax, ay, bx, by, left, top, right, bottom) {
  const LEFT = 1, RIGHT = 2, TOP = 4, BOTTOM = 8;
  const code = (x, y) =>
    (x < left ? LEFT : 0) | (x > right ? RIGHT : 0) | (y < top ? TOP : 0) | (y > bottom ? BOTTOM : 0);
  for (let round = 0; round < 8; ++round) {
    const ca = code(ax, ay), cb = code(bx, by);
    if ((ca | cb) === 0) return [ax, ay, bx, by];
    if ((ca & cb) !== 0) return null;
    const out = ca !== 0 ? ca : cb;
    const dx = bx - ax, dy = by - ay;
    let x, y;
    if (out & TOP) {
      x = ax + (dx * (top - ay)) / dy; y = top;
    } else if (out & BOTTOM) {
      x = ax + (dx * (bottom - ay)) / dy; y = bottom;
    } else if (out & LEFT) {
      x = left; y = ay + (dy * (left - ax)) / dx;
    } else {
      x = right; y = ay + (dy * (right - ax)) / dx;
    }
    if (out === ca) { ax = x; ay = y; } else { bx = x; by = y; }
  }
  return null;
}

function rgb(r, g, b) {
  return `rgb(${r | 0},${g | 0},${b | 0})`;
}

// The font's pixel size and vertical metrics for a picture of width x height CSS pixels.
export function textMetrics(growth, width, height, minTextPixels = 0) {
  const pixels = Math.max(1, Math.round(Math.max(PICTURE_FONT_PIXELS * growthAt(growth, width, height), minTextPixels)));
  return { pixels, ascent: Math.ceil(pixels * ASCENT_EM - 1e-9), descent: Math.ceil(pixels * DESCENT_EM - 1e-9) };
}

// Paints `list` ({nums, texts, images, widthTwips, heightTwips, longerSide?, referencePixels?})
// on `ctx`, whose canvas holds width x height CSS pixels at `ratio` device pixels each. The
// area is erased to white first. With `imageCache`, images made once are kept per list.
export function playDisplayList(ctx, list, width, height, ratio = 1, options = {}) {
  const growth = list.referencePixels
    ? { longerSide: !!list.longerSide, referencePixels: list.referencePixels }
    : options.growth || DEFAULT_GROWTH;
  const k = ratio; // device pixels per CSS pixel
  const deviceGrowth = growthAt(growth, width, height) * k;
  const deviceWidth = (w) => Math.max(1, Math.round(Math.max(1, w) * deviceGrowth));
  const centring = (w) => (deviceWidth(w) % 2 === 1 ? 0.5 : 0);
  const font = textMetrics(growth, width, height, options.minTextPixels || 0);

  ctx.save();
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  const W = width * k, H = height * k;
  ctx.beginPath();
  ctx.rect(0, 0, W, H);
  ctx.clip();
  ctx.fillStyle = '#ffffff';
  ctx.fillRect(0, 0, W, H);
  ctx.lineJoin = 'round';
  ctx.imageSmoothingEnabled = true;
  ctx.font = `${font.pixels * k}px ${PICTURE_FONT}`;
  ctx.textBaseline = 'alphabetic';
  ctx.textAlign = 'left';

  const twipScale = [0, 0, list.widthTwips || 1, list.heightTwips || 1];
  let [sx1, sy1, sx2, sy2] = twipScale;
  const mapX = (x) => ((x - sx1) / (sx2 - sx1)) * W;
  const mapY = (y) => ((y - sy1) / (sy2 - sy1)) * H;
  const margin = CLIP_MARGIN * k;
  const left = -margin, top = -margin, right = W + margin, bottom = H + margin;

  // Lines of one pen that follow one another are stroked as one path: a picture of thousands
  // of rays strokes a few dozen paths. (Where two such lines cross, the crossing is covered
  // once rather than twice: invisible on opaque pens.)
  // Solid lines one device pixel wide are drawn as the desktop draws them (hairline.js),
  // straight into a layer laid over the canvas when another kind of item comes; on a dense fan
  // the browser's own thin lines change a tenth of the pixels. `hairlines: false` leaves them
  // to the browser.
  const hairlines = options.hairlines !== false && typeof ctx.createImageData === 'function'
    ? new HairlineBatch(ctx, W, H) : null;
  let open = false; // a path of lines is being gathered
  let pen = ''; // the pen in use, as a key
  const flush = () => {
    if (open) ctx.stroke();
    open = false;
  };
  const usePen = (r, g, b, w, style) => {
    const key = `${r},${g},${b},${w},${style}`;
    if (key === pen) return;
    flush();
    pen = key;
    const dw = deviceWidth(w);
    ctx.strokeStyle = rgb(r, g, b);
    ctx.lineWidth = dw;
    const dashes = DASHES[style] || null;
    ctx.setLineDash(dashes ? dashes.map((d) => d * dw) : []);
    ctx.lineCap = dashes ? 'butt' : 'round';
  };

  const n = list.nums;
  // An item that would lie over hairlines not yet laid on the canvas waits, in its order, until
  // a hairline comes near a waiting item or the list ends; then the hairlines are laid, and the
  // waiting items drawn over them. A chart's labels beside its axes lay the hairlines once
  // rather than once a label. Five numbers each: the item's index and its box.
  const waiting = [];
  let releasing = false;
  const release = () => {
    if (!waiting.length) return;
    flush();
    hairlines.flush();
    releasing = true;
    for (let w = 0; w < waiting.length; w += 5) drawItem(waiting[w]);
    releasing = false;
    waiting.length = 0;
    flush();
    pen = '';
  };
  // Whether the item at `at`, drawn in the box [x1, x2] x [y1, y2], waits.
  const waits = (at, x1, y1, x2, y2) => {
    if (!hairlines || releasing) return false;
    if (waiting.length >= 5 * MOST_WAITING) release();
    if (!waiting.length && !hairlines.inkedNear(x1, y1, x2, y2)) return false;
    waiting.push(at, x1, y1, x2, y2);
    return true;
  };
  const nearWaiting = (x1, y1, x2, y2) => {
    for (let w = 0; w < waiting.length; w += 5) {
      if (x1 < waiting[w + 3] && x2 >= waiting[w + 1] && y1 < waiting[w + 4] && y2 >= waiting[w + 2]) return true;
    }
    return false;
  };

  const drawItem = (i) => {
    const op = n[i];
    if (op !== OP.line) {
      flush();
      pen = ''; // other items set the context's colours
    }
    switch (op) {
      case OP.scale:
        release();
        sx1 = n[i + 1]; sy1 = n[i + 2]; sx2 = n[i + 3]; sy2 = n[i + 4];
        break;
      case OP.line: {
        const w = n[i + 8], c = centring(w);
        const x1 = mapX(n[i + 1]) + c, y1 = mapY(n[i + 2]) + c, x2 = mapX(n[i + 3]) + c, y2 = mapY(n[i + 4]) + c;
        const cut = clipSegment(x1, y1, x2, y2, left, top, right, bottom);
        if (!cut) break;
        if (hairlines && n[i + 9] === 0 && deviceWidth(w) === 1) {
          if (waiting.length && nearWaiting(Math.min(cut[0], cut[2]) - 2, Math.min(cut[1], cut[3]) - 2,
            Math.max(cut[0], cut[2]) + 2, Math.max(cut[1], cut[3]) + 2)) release();
          hairlines.add(cut[0], cut[1], cut[2], cut[3], n[i + 5], n[i + 6], n[i + 7]);
          break;
        }
        const reach = deviceWidth(w) + 2;
        if (waits(i, Math.min(cut[0], cut[2]) - reach, Math.min(cut[1], cut[3]) - reach,
          Math.max(cut[0], cut[2]) + reach, Math.max(cut[1], cut[3]) + reach)) break;
        usePen(n[i + 5], n[i + 6], n[i + 7], w, n[i + 9]);
        if (!open) ctx.beginPath();
        open = true;
        ctx.moveTo(cut[0], cut[1]);
        ctx.lineTo(cut[2], cut[3]);
        break;
      }
      case OP.circle: {
        const w = n[i + 7], c = centring(w);
        const cx = mapX(n[i + 1]) + c, cy = mapY(n[i + 2]) + c;
        const r = (n[i + 3] * W) / Math.abs(sx2 - sx1);
        if (!Number.isFinite(r) || r > LARGEST_RADIUS * k) break;
        if (cx + r < left || cx - r > right || cy + r < top || cy - r > bottom) break;
        const reach = r + deviceWidth(w) + 2;
        if (waits(i, cx - reach, cy - reach, cx + reach, cy + reach)) break;
        usePen(n[i + 4], n[i + 5], n[i + 6], w, n[i + 8]);
        const hasFill = n[i + 9] !== 0;
        const fill = rgb(n[i + 10], n[i + 11], n[i + 12]);
        const hasArc = n[i + 13] !== 0 && n[i + 15] !== 0;
        ctx.beginPath();
        if (!hasArc) {
          ctx.arc(cx, cy, r, 0, 2 * Math.PI);
          if (hasFill) { ctx.fillStyle = fill; ctx.fill(); }
          ctx.stroke();
          break;
        }
        // A negative angle also draws the radius to that end of the arc; both negative make
        // a pie, which takes the fill. Angles run counter-clockwise on the screen.
        const startRaw = n[i + 14], endRaw = n[i + 16];
        const fromCentre = startRaw < 0, toCentre = endRaw < 0;
        const turn = 2 * Math.PI;
        const start = Math.abs(startRaw) % turn;
        let span = (Math.abs(endRaw) % turn) - start;
        if (span < 0) span += turn;
        if (fromCentre) ctx.moveTo(cx, cy);
        ctx.arc(cx, cy, r, -start, -(start + span), true);
        if (toCentre) ctx.lineTo(cx, cy);
        const pie = fromCentre && toCentre;
        if (pie) {
          ctx.closePath();
          if (hasFill) { ctx.fillStyle = fill; ctx.fill(); }
        }
        ctx.stroke();
        break;
      }
      case OP.pset: {
        const x = mapX(n[i + 1]), y = mapY(n[i + 2]);
        if (x < left || x > right || y < top || y > bottom) break;
        const w = deviceWidth(n[i + 6]);
        if (waits(i, x - w - 2, y - w - 2, x + w + 2, y + w + 2)) break;
        ctx.fillStyle = rgb(n[i + 3], n[i + 4], n[i + 5]);
        ctx.fillRect(Math.floor(x - w / 2 + 0.5), Math.floor(y - w / 2 + 0.5), w, w);
        break;
      }
      case OP.text: {
        const x = mapX(n[i + 1]), y = mapY(n[i + 2]);
        if (Math.abs(x) > LARGEST_RADIUS * k || Math.abs(y) > LARGEST_RADIUS * k) break;
        const text = list.texts[n[i + 6]] ?? '';
        const baseline = y + font.ascent * k;
        const advance = ctx.measureText(text).width;
        // the text's box, and its glyphs' overhang: a pixel and the font's size around it
        if (waits(i, x - (font.pixels + 2) * k, y - (font.pixels + 2) * k, x + advance + (font.pixels + 2) * k,
          y + (font.ascent + font.descent + font.pixels + 2) * k)) break;
        if (n[i + 7] !== 0) {
          // The text's own box, a pixel wider all round.
          ctx.fillStyle = rgb(n[i + 8], n[i + 9], n[i + 10]);
          ctx.fillRect(x - k, baseline - font.ascent * k - k, advance + 2 * k,
            (font.ascent + font.descent) * k + 2 * k);
        }
        ctx.fillStyle = rgb(n[i + 3], n[i + 4], n[i + 5]);
        ctx.fillText(text, x, baseline);
        break;
      }
      case OP.image: {
        const x1 = mapX(n[i + 1]), y1 = mapY(n[i + 2]), x2 = mapX(n[i + 3]), y2 = mapY(n[i + 4]);
        const image = list.images[n[i + 7]];
        if (!image) break;
        if (waits(i, Math.min(x1, x2) - 2, Math.min(y1, y2) - 2, Math.max(x1, x2) + 2, Math.max(y1, y2) + 2)) break;
        const source = imageCanvas(image, options.imageCache);
        if (!source) break;
        ctx.save();
        // Flipped where the corners run against the picture's axes.
        ctx.translate(x1, y1);
        ctx.scale(x2 >= x1 ? 1 : -1, y2 >= y1 ? 1 : -1);
        ctx.imageSmoothingEnabled = true;
        ctx.imageSmoothingQuality = 'high';
        ctx.drawImage(source, 0, 0, Math.abs(x2 - x1), Math.abs(y2 - y1));
        ctx.restore();
        break;
      }
      default:
        throw new Error(`display list: unknown op ${op} at ${i}`);
    }
  };

  for (let i = 0; i < n.length; i += ITEM_LENGTH[n[i]]) drawItem(i);
  flush();
  if (hairlines) {
    release();
    hairlines.finish();
  }
  ctx.restore();
}

// A canvas holding an image item's pixels (RGB bytes row by row), kept per item object in
// `cache` when one is given; a page's canvas where there is a page (it makes data URLs).
export function imageCanvas(image, cache) {
  if (cache && cache.has(image)) return cache.get(image);
  const { width, height, rgb: bytes } = image;
  if (!(width > 0 && height > 0) || bytes.length < width * height * 3) return null;
  const canvas = typeof document !== 'undefined'
    ? Object.assign(document.createElement('canvas'), { width, height })
    : new OffscreenCanvas(width, height);
  const c = canvas.getContext('2d');
  const data = c.createImageData(width, height);
  for (let p = 0, q = 0; p < width * height; ++p) {
    data.data[4 * p] = bytes[q++];
    data.data[4 * p + 1] = bytes[q++];
    data.data[4 * p + 2] = bytes[q++];
    data.data[4 * p + 3] = 255;
  }
  c.putImageData(data, 0, 0);
  if (cache) cache.set(image, canvas);
  return canvas;
}

// The items of a list one by one as {op, at}: for tests and the SVG writer.
export function* items(nums) {
  for (let i = 0; i < nums.length; i += ITEM_LENGTH[nums[i]]) {
    if (ITEM_LENGTH[nums[i]] === undefined) throw new Error(`display list: unknown op ${nums[i]} at ${i}`);
    yield i;
  }
}
