// Lines one device pixel wide, drawn into RGBA pixels as the desktop's raster engine draws its
// thin pens: along the line's longer axis each pixel row (or column) takes the line once, its
// ink shared between the two pixels nearest the line's crossing of that row's middle, in
// proportion to how near each pixel's centre lies; the end rows take the part of the row the
// line covers, and round caps lengthen the line by half a pixel at each end. The browser's
// own thin lines weigh and place that ink differently, which on a fan of hairlines one or two
// pixels apart changes a tenth of the pixels.

// Lays (r, g, b) with `coverage` (0..256) over the pixel (px, py) of `pixels` (a layer of
// premultiplied RGBA bytes, `width` x `height`).
function blend(pixels, width, height, px, py, r, g, b, coverage) {
  if (coverage <= 0 || px < 0 || py < 0 || px >= width || py >= height) return;
  const at = (py * width + px) << 2;
  pixels[at] += ((r - pixels[at]) * coverage) >> 8;
  pixels[at + 1] += ((g - pixels[at + 1]) * coverage) >> 8;
  pixels[at + 2] += ((b - pixels[at + 2]) * coverage) >> 8;
  pixels[at + 3] += ((255 - pixels[at + 3]) * coverage) >> 8;
}

// Draws the line (x1, y1)-(x2, y2) (device pixels, a pixel's centre at +0.5) in colour r, g, b
// into `image` ({data, width, height, left, top}: a premultiplied layer over the part of the
// canvas whose first pixel is (left, top)).
export function drawHairline(image, x1, y1, x2, y2, r, g, b) {
  const steep = Math.abs(y2 - y1) > Math.abs(x2 - x1);
  // a: along the longer axis, c: across it; both within the image.
  let a1 = steep ? y1 - image.top : x1 - image.left, c1 = steep ? x1 - image.left : y1 - image.top;
  let a2 = steep ? y2 - image.top : x2 - image.left, c2 = steep ? x2 - image.left : y2 - image.top;
  if (a1 === a2) return; // a point: the raster engine draws nothing either
  if (a1 > a2) [a1, c1, a2, c2] = [a2, c2, a1, c1];
  const slope = (c2 - c1) / (a2 - a1);
  // The first row takes the line where it crosses the start row's edge, the rows after one
  // step of the slope each: half a pixel along the line from the rows' middles.
  const startEdge = Math.floor(a1);
  const CAP = 0.5;
  a1 -= CAP;
  a2 += CAP;
  const first = Math.floor(a1), last = Math.floor(a2);
  let across = c1 + (startEdge - a1 - CAP) * slope - 0.5;
  const pixels = image.bytes || (image.bytes = new Uint8Array(image.data.buffer, image.data.byteOffset, image.data.length));
  const w = image.width, h = image.height;
  const rows = steep ? h : w;
  for (let row = first; row <= last; ++row, across += slope) {
    if (row < 0 || row >= rows) continue;
    let weight = 256;
    if (first === last) weight = ((a2 - a1) * 256) | 0;
    else if (row === first) weight = ((1 - (a1 - first)) * 256) | 0;
    else if (row === last) weight = ((a2 - last) * 256) | 0;
    const near = Math.floor(across);
    const share = ((across - near) * weight) | 0;
    if (steep) {
      blend(pixels, w, h, near, row, r, g, b, weight - share);
      blend(pixels, w, h, near + 1, row, r, g, b, share);
    } else {
      blend(pixels, w, h, row, near, r, g, b, weight - share);
      blend(pixels, w, h, row, near + 1, r, g, b, share);
    }
  }
}

// Turns a layer of premultiplied bytes into the plain RGBA an ImageData holds.
export function unpremultiply(bytes) {
  for (let at = 0; at < bytes.length; at += 4) {
    const a = bytes[at + 3];
    if (a === 0 || a === 255) continue;
    bytes[at] = Math.min(255, (bytes[at] * 255 + (a >> 1)) / a);
    bytes[at + 1] = Math.min(255, (bytes[at + 1] * 255 + (a >> 1)) / a);
    bytes[at + 2] = Math.min(255, (bytes[at + 2] * 255 + (a >> 1)) / a);
  }
}

// A canvas to carry a layer of hairlines onto the picture, kept between batches.
let carrier = null;
function carrierCanvas(width, height) {
  if (!carrier) {
    // A page's canvas takes pixels ten times faster than an off-screen one.
    carrier = typeof document !== 'undefined' ? Object.assign(document.createElement('canvas'), { width, height })
      : new OffscreenCanvas(width, height);
  }
  if (carrier.width < width) carrier.width = width;
  if (carrier.height < height) carrier.height = height;
  return carrier;
}

// Gathers hairlines and lays them over the canvas as one layer of the pixels they cover:
// reading the canvas's pixels back would cost more than a frame.
export class HairlineBatch {
  constructor(ctx, width, height) {
    this.ctx = ctx;
    this.width = Math.ceil(width);
    this.height = Math.ceil(height);
    this.lines = [];
  }

  add(x1, y1, x2, y2, r, g, b) {
    this.lines.push(x1, y1, x2, y2, r, g, b);
  }

  flush() {
    const lines = this.lines;
    if (!lines.length) return;
    let left = Infinity, top = Infinity, right = -Infinity, bottom = -Infinity;
    for (let i = 0; i < lines.length; i += 7) {
      left = Math.min(left, lines[i], lines[i + 2]);
      right = Math.max(right, lines[i], lines[i + 2]);
      top = Math.min(top, lines[i + 1], lines[i + 3]);
      bottom = Math.max(bottom, lines[i + 1], lines[i + 3]);
    }
    left = Math.max(0, Math.floor(left) - 2);
    top = Math.max(0, Math.floor(top) - 2);
    right = Math.min(this.width, Math.ceil(right) + 2);
    bottom = Math.min(this.height, Math.ceil(bottom) + 2);
    this.lines = [];
    if (right <= left || bottom <= top) return;
    const width = right - left, height = bottom - top;
    const pixels = this.ctx.createImageData(width, height);
    const image = { data: pixels.data, width, height, left, top };
    for (let i = 0; i < lines.length; i += 7) {
      drawHairline(image, lines[i], lines[i + 1], lines[i + 2], lines[i + 3], lines[i + 4], lines[i + 5], lines[i + 6]);
    }
    unpremultiply(image.bytes);
    const layer = carrierCanvas(width, height);
    const c = layer.getContext('2d');
    c.clearRect(0, 0, width, height);
    c.putImageData(pixels, 0, 0);
    this.ctx.drawImage(layer, 0, 0, width, height, left, top, width, height);
  }
}
