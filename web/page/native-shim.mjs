// Turns the native render command's display lists (JSON items) into the typed-array shape the
// core module gives the page: the tests compare both editions with it.
import { inflateSync } from 'node:zlib';

const OPS = { scale: 0, line: 1, circle: 2, pset: 3, text: 4, image: 5 };

// The RGB bytes of an 8-bit RGB, non-interlaced PNG (as the program writes its images).
export function decodePng(bytes) {
  const signature = [137, 80, 78, 71, 13, 10, 26, 10];
  if (!signature.every((b, i) => bytes[i] === b)) throw new Error('not a PNG file');
  let at = 8, width = 0, height = 0, colorType = 0, depth = 0, interlace = 0;
  const idat = [];
  while (at + 8 <= bytes.length) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const data = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = data.readUInt32BE(0); height = data.readUInt32BE(4);
      depth = data[8]; colorType = data[9]; interlace = data[12];
    } else if (type === 'IDAT') {
      idat.push(data);
    } else if (type === 'IEND') {
      break;
    }
    at += 12 + length;
  }
  if (depth !== 8 || colorType !== 2 || interlace !== 0) {
    throw new Error(`PNG of depth ${depth}, colour type ${colorType}: only 8-bit RGB is read`);
  }
  const raw = inflateSync(Buffer.concat(idat));
  const stride = width * 3;
  if (raw.length < (stride + 1) * height) throw new Error('PNG data too short');
  const out = new Uint8Array(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const row = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const at0 = y * stride;
    for (let x = 0; x < stride; ++x) {
      const a = x >= 3 ? out[at0 + x - 3] : 0;
      const b = y > 0 ? out[at0 - stride + x] : 0;
      const c = x >= 3 && y > 0 ? out[at0 - stride + x - 3] : 0;
      let v = row[x];
      switch (filter) {
        case 0: break;
        case 1: v += a; break;
        case 2: v += b; break;
        case 3: v += (a + b) >> 1; break;
        case 4: {
          const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
          v += pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
          break;
        }
        default: throw new Error(`PNG filter ${filter}`);
      }
      out[at0 + x] = v & 255;
    }
  }
  return { width, height, rgb: out };
}

const color = (c) => (c ? [c[0], c[1], c[2]] : [0, 0, 0]);

// One picture's JSON items as {nums, texts, images}.
export function typedList(items) {
  const nums = [], texts = [], images = [];
  for (const it of items) {
    const op = OPS[it.op];
    if (op === undefined) throw new Error(`unknown item ${it.op}`);
    switch (it.op) {
      case 'scale': nums.push(op, it.x1, it.y1, it.x2, it.y2); break;
      case 'line':
        nums.push(op, it.x1, it.y1, it.x2, it.y2, ...color(it.color), it.width, it.style);
        break;
      case 'circle':
        nums.push(op, it.x, it.y, it.r, ...color(it.color), it.width, it.style,
          it.fill ? 1 : 0, ...color(it.fill), it.start == null ? 0 : 1, it.start ?? 0,
          it.end == null ? 0 : 1, it.end ?? 0);
        break;
      case 'pset': nums.push(op, it.x, it.y, ...color(it.color), it.width); break;
      case 'text':
        nums.push(op, it.x, it.y, ...color(it.color), texts.length, it.backing ? 1 : 0,
          ...color(it.backing));
        texts.push(it.text);
        break;
      case 'image': {
        const image = decodePng(Buffer.from(it.png, 'base64'));
        nums.push(op, it.x1, it.y1, it.x2, it.y2, image.width, image.height, images.length);
        images.push(image);
        break;
      }
    }
  }
  return { nums: Float32Array.from(nums), texts, images };
}
