// The page's pure parts under node (node --test web/tests/): no browser needed.
import test from 'node:test';
import assert from 'node:assert/strict';
import { clipSegment, growthAt, textMetrics, items, ITEM_LENGTH, OP, playDisplayList } from '../page/player.js';
import { drawHairline, unpremultiply, cutToBox, HairlineBatch } from '../page/hairline.js';
import { mirroredValue, clientTwips } from '../page/forms.js';
import { translationTable } from '../page/ts-table.mjs';
import { renderSteps, helpPictures } from '../page/render-steps.mjs';
import { typedList } from '../page/native-shim.mjs';
import { joinModules } from '../page/bundle.mjs';
import { PicturePainter } from '../page/painter.js';
import { sceneKey, exampleLessons, lessonTitle } from '../page/lessons.js';

test('a reversed scroll bar is mirrored within its range, and back', () => {
  const rows = [
    { name: 'ordinary', bar: { min: 0, max: 100 }, value: 30, shown: 30 },
    { name: 'reversed', bar: { min: 100, max: 0 }, value: 30, shown: 70 },
    { name: 'reversed, negative', bar: { min: 10, max: -90 }, value: -90, shown: 10 },
  ];
  for (const row of rows) {
    const shown = mirroredValue(row.bar, row.value);
    assert.equal(shown, row.shown, row.name);
    assert.equal(mirroredValue(row.bar, shown), row.value, `${row.name}: the mirror is its own inverse`);
  }
});

test('segments are cut to the box without moving the line', () => {
  const box = [-64, -64, 864, 664];
  const rows = [
    { name: 'inside', seg: [10, 10, 100, 50], want: [10, 10, 100, 50] },
    { name: 'wholly outside', seg: [-1e9, -100, -1e8, -200], want: null },
    { name: 'nearly infinite horizontal keeps its row', seg: [-1e30, 300.5, 1e30, 300.5], want: [-64, 300.5, 864, 300.5] },
    { name: 'nearly infinite vertical keeps its column', seg: [12.5, 1e25, 12.5, -1e25], want: [12.5, 664, 12.5, -64] },
    { name: 'diagonal through a corner region', seg: [-100, -100, 100, 100], want: [-64, -64, 100, 100] },
  ];
  for (const row of rows) {
    const got = clipSegment(...row.seg, ...box);
    if (row.want === null) assert.equal(got, null, row.name);
    else got.forEach((v, i) => assert.ok(Math.abs(v - row.want[i]) < 1e-9, `${row.name}: ${got} vs ${row.want}`));
  }
});

test('pens and text grow with the side the picture grows with', () => {
  const plots = { longerSide: true, referencePixels: 900 };
  const windows = { longerSide: false, referencePixels: 810 };
  const rows = [
    // The designed 8.25 pt text is 11 px on the reference picture, 22 px on one twice as large.
    { growth: windows, size: [1000, 810], factor: 1, text: 11 },
    { growth: windows, size: [1620, 2000], factor: 2, text: 22 },
    { growth: plots, size: [900, 300], factor: 1, text: 11 },
    { growth: plots, size: [450, 150], factor: 0.5, text: 6 }, // 5.5 rounds half up
  ];
  for (const row of rows) {
    assert.equal(growthAt(row.growth, ...row.size), row.factor);
    const m = textMetrics(row.growth, ...row.size);
    assert.equal(m.pixels, row.text);
    // Liberation Sans' ascent and descent, rounded outward to whole pixels.
    assert.equal(m.ascent, Math.ceil((row.text * 1854) / 2048));
    assert.equal(m.descent, Math.ceil((row.text * 434) / 2048));
  }
  assert.equal(textMetrics(windows, 100, 100, 12).pixels, 12, 'never under the smallest text asked for');
});

test('the native JSON items become typed items the player walks in order', () => {
  const list = typedList([
    { op: 'scale', x1: 0, y1: 1, x2: 1, y2: 0 },
    { op: 'line', x1: 0, y1: 0, x2: 1, y2: 1, color: [255, 0, 0], width: 2, style: 1 },
    { op: 'circle', x: 0.5, y: 0.5, r: 0.1, color: [0, 0, 0], width: 1, style: 0, fill: [1, 2, 3], start: -0.5, end: null },
    { op: 'pset', x: 0.2, y: 0.2, color: [0, 128, 0], width: 3 },
    { op: 'text', x: 0.1, y: 0.9, text: 'θ = 42°', color: [0, 0, 0], backing: [255, 255, 255] },
    { op: 'text', x: 0.1, y: 0.8, text: 'no box', color: [0, 0, 0] },
  ]);
  const ops = [...items(list.nums)].map((i) => list.nums[i]);
  assert.deepEqual(ops, [OP.scale, OP.line, OP.circle, OP.pset, OP.text, OP.text]);
  assert.equal(list.nums.length, ops.reduce((n, op) => n + ITEM_LENGTH[op], 0));
  const circle = [...items(list.nums)][2];
  assert.deepEqual([...list.nums.subarray(circle + 9, circle + 17)].map((v) => Math.round(v * 10) / 10),
    [1, 1, 2, 3, 1, -0.5, 0, 0], 'fill, start given, end missing');
  const [withBox, without] = [...items(list.nums)].slice(4);
  assert.deepEqual([list.texts[list.nums[withBox + 6]], list.nums[withBox + 7]], ['θ = 42°', 1]);
  assert.deepEqual([list.texts[list.nums[without + 6]], list.nums[without + 7]], ['no box', 0]);
  assert.throws(() => [...items(Float32Array.from([9, 0, 0]))], /unknown op 9/);
});

test('the translation table keeps what the desktop loads', () => {
  const ts = `<?xml version="1.0" encoding="utf-8"?><TS><context><name>rainbow::PictureActions</name>
    <message><source>Copy picture</source><translation>Αντιγραφή εικόνας</translation></message>
    <message><source>The file&apos;s name &lt;x&gt;</source><translation>Το &quot;όνομα&quot;</translation></message>
    <message><source>Old</source><translation type="obsolete">Παλιό</translation></message>
    <message><source>Draft</source><translation type="unfinished">Πρόχειρο</translation></message>
    <message><source>Empty</source><translation type="unfinished"></translation></message>
    </context></TS>`;
  assert.deepEqual(translationTable(ts), {
    'rainbow::PictureActions': {
      'Copy picture': 'Αντιγραφή εικόνας', "The file's name <x>": 'Το "όνομα"', Draft: 'Πρόχειρο',
    },
  });
});

test('render steps are read as the render command reads them, bad ones refused', () => {
  assert.deepEqual(renderSteps(['--click', 'arxiki.parallel', '--set', 'arxiki.arithaktinon=-12', '--size', '900']), {
    steps: [
      { action: 'click', form: 'arxiki', control: 'parallel', value: 1 },
      { action: 'set', form: 'arxiki', control: 'arithaktinon', value: -12 },
    ],
    size: 900,
  });
  for (const bad of [['--set', 'arxiki.x=1.5'], ['--set', 'arxiki.x'], ['--click'], ['--size', '9'], ['--png', 'a.b=c']]) {
    assert.throws(() => renderSteps(bad), Error, JSON.stringify(bad));
  }
  const pictures = helpPictures('# a comment\n\nlee theoria.lee --click arxiki.Command7 --size 900\n');
  assert.deepEqual(Object.keys(pictures), ['lee']);
  assert.equal(pictures.lee.picture, 'lee');
  assert.throws(() => helpPictures('broken\n'), /pictures.txt:1/);
});

test('a form\'s client area holds every control outside frames and menus', () => {
  const form = {
    width: 1000, height: 500,
    controls: {
      a: { kind: 'button', left: 900, top: 400, width: 300, height: 200 },
      b: { kind: 'option', container: 'f', left: 5000, top: 5000, width: 10, height: 10 },
      m: { kind: 'menu', left: 0, top: 0, width: 9000, height: 9000 },
    },
  };
  assert.deepEqual(clientTwips(form), { width: 1200, height: 600 });
});

test('the bundler joins the page\'s modules, each in its own scope', () => {
  const joined = joinModules([
    { file: 'a.js', source: "const hidden = 1;\nexport function twice(x) { return 2 * x + hidden - 1; }\nexport const K = 3;" },
    { file: 'b.js', source: "import { twice, K } from './a.js';\nconst hidden = 5;\nexport const result = twice(K) + hidden;" },
  ]);
  // eslint-disable-next-line no-new-func
  assert.equal(new Function(`${joined}\nreturn module_b_js.result;`)(), 11);
  assert.throws(() => joinModules([{ file: 'c.js', source: "export default 1;" }]), /cannot join/);
});

test('the SVG drawing keeps pens, dashes, pies and text as the canvas draws them', async () => {
  const { displayListSvg } = await import('../page/svg.js');
  const list = {
    ...typedList([
      { op: 'scale', x1: 0, y1: 0, x2: 100, y2: 100 },
      { op: 'line', x1: 0, y1: 50, x2: 100, y2: 50, color: [255, 0, 0], width: 2, style: 1 },
      // Both angles negative: a pie, filled. One negative: an arc with one radius, not filled.
      { op: 'circle', x: 50, y: 50, r: 10, color: [0, 0, 0], width: 1, style: 0, fill: [0, 0, 255], start: -0.5, end: -2 },
      { op: 'circle', x: 50, y: 50, r: 20, color: [0, 0, 0], width: 1, style: 0, fill: [0, 255, 0], start: -0.5, end: 2 },
      { op: 'text', x: 10, y: 10, text: 'a < b & "c"', color: [0, 0, 0], backing: [255, 255, 255] },
    ]),
    widthTwips: 1500, heightTwips: 1500,
  };
  const svg = displayListSvg(list, 810, 810, () => 'data:,');
  const rows = [
    { what: 'a dashed pen of width 2 dashes 8 on, 4 off, flat ends', re: /<line [^>]*stroke-width="2" stroke-dasharray="8 4" stroke-linecap="butt"/ },
    { what: 'the pie is closed and filled', re: /<path d="M405 405 L[^"]* Z" fill="rgb\(0,0,255\)"/ },
    { what: 'the arc with one radius is not filled', re: /<path d="M405 405 L[^"]*[^Z]" fill="none"/ },
    { what: 'text is escaped', re: />a &lt; b &amp; &quot;c&quot;<\/text>/ },
    { what: 'the text hangs from its point: baseline an ascent below', re: /<text x="81" y="91"/ },
    { what: 'its backing box is drawn under it', re: /<rect x="80" y="80" [^>]*fill="rgb\(255,255,255\)"/ },
  ];
  for (const row of rows) assert.match(svg, row.re, row.what);
});

// Thin lines drawn as the desktop's raster engine draws them: where the ink of each row goes.
test('hairlines share each row\'s ink between the two pixels nearest the line', () => {
  const ink = (x1, y1, x2, y2) => {
    const image = { data: new Uint8ClampedArray(8 * 8 * 4), width: 8, height: 8, left: 0, top: 0 };
    drawHairline(image, x1, y1, x2, y2, 0, 0, 0);
    // the layer's coverage, 0..255, as rows of text
    return Array.from({ length: 8 }, (_, y) => Array.from({ length: 8 }, (_, x) => image.data[4 * (8 * y + x) + 3]));
  };
  const rows = [
    // a vertical line through the pixels' centres fills one column, half a pixel beyond each
    // end for the round caps
    { name: 'vertical, centred', line: [3.5, 2, 3.5, 5], pixels: [[3, 1, 127], [3, 2, 255], [3, 4, 255], [3, 5, 127], [2, 3, 0], [4, 3, 0]] },
    // a line on the pixels' edge shares its ink evenly
    { name: 'vertical, on an edge', line: [4, 2, 4, 5], pixels: [[3, 3, 127], [4, 3, 127]] },
    { name: 'horizontal, centred', line: [1, 2.5, 6, 2.5], pixels: [[3, 2, 255], [3, 1, 0], [3, 3, 0], [0, 2, 127], [6, 2, 127]] },
    // drawn either way round, the same pixels
    { name: 'horizontal, reversed', line: [6, 2.5, 1, 2.5], pixels: [[3, 2, 255], [0, 2, 127], [6, 2, 127]] },
    // a diagonal takes each row's crossing half a pixel along the line from the row's middle
    { name: 'diagonal', line: [1.5, 1.5, 5.5, 5.5], pixels: [[2, 2, 127], [3, 2, 127], [3, 3, 127], [4, 3, 127]] },
  ];
  for (const row of rows) {
    const got = ink(...row.line);
    for (const [x, y, want] of row.pixels) {
      assert.ok(Math.abs(got[y][x] - want) <= 2, `${row.name}: pixel ${x},${y} has ${got[y][x]}, not ${want}`);
    }
  }
  // Nothing is written outside the layer, however far the line runs.
  const small = { data: new Uint8ClampedArray(4 * 4 * 4), width: 4, height: 4, left: 10, top: 10 };
  drawHairline(small, -100, 11.5, 100, 12.5, 255, 0, 0);
  assert.equal(small.data.length, 64);
  assert.ok(small.data[4 * (4 * 1 + 0) + 3] > 0 || small.data[4 * (4 * 2 + 0) + 3] > 0);
});

test('a premultiplied layer turns into plain colours', () => {
  const bytes = new Uint8Array([128, 0, 64, 128, 0, 0, 0, 0, 10, 20, 30, 255]);
  unpremultiply(bytes);
  assert.deepEqual(Array.from(bytes), [255, 0, 128, 128, 0, 0, 0, 0, 10, 20, 30, 255]);
});

// The desktop's rule in 1/64 and 1/65536 of a pixel: pixel sets worked out by hand from it.
test('thin lines land on the pixels the desktop inks, in the same parts', () => {
  const coverage = (line, size = 8) => {
    const image = { data: new Uint8ClampedArray(size * size * 4), width: size, height: size, left: 0, top: 0 };
    drawHairline(image, ...line, 0, 0, 0);
    const inked = [];
    for (let i = 0; i < size * size; ++i) if (image.data[4 * i + 3]) inked.push([i % size, Math.floor(i / size), image.data[4 * i + 3]]);
    return inked;
  };
  const rows = [
    // the caps' half pixel ends as a half-inked pixel beyond each end
    { name: 'vertical, centred', line: [3.5, 2, 3.5, 5], inked: [[3, 1, 127], [3, 2, 255], [3, 3, 255], [3, 4, 255], [3, 5, 127]] },
    { name: 'vertical, on an edge', line: [4, 2.5, 4, 3.5], inked: [[3, 2, 127], [4, 2, 128], [3, 3, 127], [4, 3, 128]] },
    // 1 in 4: each column a quarter pixel lower, sampled half a column before its middle
    // (where the cap moves the start); the cap's half column ends on a pixel's edge
    { name: 'gentle slope', line: [1.5, 2.5, 5.5, 3.5], inked: [[1, 1, 31], [1, 2, 224], [2, 2, 223], [2, 3, 32], [3, 2, 159], [3, 3, 96], [4, 2, 95], [4, 3, 160], [5, 2, 31], [5, 3, 224]] },
    // a diagonal is drawn along x (the axes tie), each column shared evenly
    { name: 'diagonal', line: [1.5, 1.5, 5.5, 5.5], inked: [[1, 0, 127], [1, 1, 128], [2, 1, 127], [2, 2, 128], [3, 2, 127], [3, 3, 128], [4, 3, 127], [4, 4, 128], [5, 4, 127], [5, 5, 128]] },
    { name: 'a point is its pixel', line: [2.4, 5.6, 2.4, 5.6], inked: [[2, 6, 255]] },
  ];
  for (const row of rows) {
    const got = coverage(row.line);
    const want = row.inked.filter(([, , a]) => a > 0);
    for (const [x, y, a] of want) {
      const at = got.find(([gx, gy]) => gx === x && gy === y);
      assert.ok(at && Math.abs(at[2] - a) <= 1, `${row.name}: pixel ${x},${y} has ${at ? at[2] : 0}, not ${a} (${JSON.stringify(got)})`);
    }
    assert.equal(got.length, want.length, `${row.name}: inked ${JSON.stringify(got)}`);
  }
});

test('a thin line drawn either way round inks the same pixels', () => {
  const rows = [[0.3, 0.7, 7.1, 5.9], [6.8, 0.2, 1.1, 7.7], [2.2, 7.5, 2.9, 0.5], [0.5, 4.25, 7.5, 4.25]];
  for (const line of rows) {
    const draw = (x1, y1, x2, y2) => {
      const image = { data: new Uint8ClampedArray(8 * 8 * 4), width: 8, height: 8, left: 0, top: 0 };
      drawHairline(image, x1, y1, x2, y2, 10, 20, 30);
      return Array.from(image.data);
    };
    assert.deepEqual(draw(...line), draw(line[2], line[3], line[0], line[1]), JSON.stringify(line));
  }
});

test('lines are cut to the picture and a pixel around it before they are drawn', () => {
  const rows = [
    { name: 'inside stays', line: [1, 2, 5, 6], want: [1, 2, 5, 6] },
    { name: 'left end cut at -1', line: [-9, 0, 11, 10], want: [-1, 4, 9, 9] },
    { name: 'both cut, right at the width plus one', line: [-3, 5, 23, 5], want: [-1, 5, 9, 5] },
    { name: 'below the bottom', line: [0, 30, 9, 12], want: null },
    { name: 'steep line cut top and bottom', line: [4, -21, 4, 31], want: [4, -1, 4, 9] },
  ];
  for (const row of rows) {
    const p = [...row.line];
    const kept = cutToBox(p, -1, 9, 9);
    if (row.want === null) assert.equal(kept, false, row.name);
    else p.forEach((v, i) => assert.ok(Math.abs(v - row.want[i]) < 1e-9, `${row.name}: ${p} vs ${row.want}`));
  }
  // A line far outside the layer writes nothing and says so.
  const image = { data: new Uint8ClampedArray(4 * 4 * 4), width: 4, height: 4, left: 0, top: 0 };
  assert.equal(drawHairline(image, -50, -40, -10, -60, 0, 0, 0), null);
  assert.ok(image.data.every((v) => v === 0));
});

test('overlapping thin lines lay their ink over one another, the later on top', () => {
  const image = { data: new Uint8ClampedArray(6 * 4 * 4), width: 6, height: 4, left: 0, top: 0 };
  const pixel = (x, y) => Array.from(image.data.subarray(4 * (6 * y + x), 4 * (6 * y + x) + 4));
  drawHairline(image, 1, 1.5, 4, 1.5, 255, 0, 0);
  drawHairline(image, 1, 1.5, 4, 1.5, 0, 0, 255);
  // a pixel wholly inside both: the blue covers the red, opaque
  assert.deepEqual(pixel(2, 1), [0, 0, 255, 255]);
  // the half-inked cap: half red, then half blue over it (premultiplied)
  const end = pixel(0, 1);
  assert.ok(Math.abs(end[0] - 64) <= 1 && end[1] === 0 && Math.abs(end[2] - 127) <= 1 && Math.abs(end[3] - 191) <= 1, `${end}`);
});

test('a batch of thin lines lays only the box they inked over the canvas, once', () => {
  const calls = [];
  const ctx = {
    drawImage: (...args) => calls.push(args.slice(1)),
  };
  globalThis.OffscreenCanvas ??= class { constructor(w, h) { this.width = w; this.height = h; } getContext() { return { putImageData: () => {} }; } };
  globalThis.ImageData ??= class { constructor(data, w, h) { Object.assign(this, { data, width: w, height: h }); } };
  const batch = new HairlineBatch(ctx, 40, 30);
  batch.add(10.5, 5.5, 20.5, 5.5, 0, 0, 0);
  batch.add(12.5, 8, 12.5, 12, 0, 0, 0);
  batch.flush();
  batch.flush(); // nothing new: nothing laid
  assert.equal(calls.length, 1);
  const [, , w, h, left, top] = calls[0];
  assert.ok(left <= 10 && top <= 5 && left + w >= 21 && top + h >= 12 && w <= 14 && h <= 10, JSON.stringify(calls[0]));
  // an item apart from the pending hairlines may be drawn before them; one near them may not
  batch.add(30.5, 20.5, 35.5, 20.5, 255, 0, 0);
  for (const [name, box, near] of [
    ['far to the left', [0, 0, 20, 29], false],
    ['just above', [28, 10, 38, 19], false],
    ['touching its end', [36, 18, 39, 22], true],
  ]) assert.equal(batch.inkedNear(...box), near, name);
  batch.flush();
  assert.equal(calls.length, 2);
  assert.equal(batch.inkedNear(36, 18, 39, 22), false, 'nothing left to lay');
  // the layer is clean again for the next batch
  batch.add(30.5, 20.5, 35.5, 20.5, 255, 0, 0);
  batch.finish();
  assert.equal(calls.length, 3);
  assert.ok(batch.layer.data.every((v) => v === 0));
});

test('pictures saved large, one after another, lay their thin lines and let go of their pixels', () => {
  const carried = []; // the canvas each layer was carried on
  const ctx = {
    drawImage: (carrier) => carried.push(carrier),
  };
  globalThis.OffscreenCanvas ??= class { constructor(w, h) { this.width = w; this.height = h; } getContext() { return { putImageData: () => {} }; } };
  globalThis.ImageData ??= class { constructor(data, w, h) { Object.assign(this, { data, width: w, height: h }); } };
  for (const round of [1, 2]) {
    const batch = new HairlineBatch(ctx, 4200, 4200);
    for (let k = 0; k < 3; ++k) {
      batch.add(0.5 + k, 0.5, 4199.5, 4199.5 - k, 0, 0, 0); // corner to corner: a layer larger than is kept
      batch.flush();
    }
    batch.finish();
    // one carrier for all three layers of a picture this large
    assert.equal(carried.length, 3, `round ${round}`);
    assert.equal(new Set(carried.splice(0)).size, 1, `round ${round}`);
  }
  // a picture without thin lines after it
  new HairlineBatch(ctx, 100, 100).finish();
  assert.equal(carried.length, 0);
});

test('items near thin lines wait for them, and come under the thin lines drawn after them', () => {
  globalThis.OffscreenCanvas ??= class { constructor(w, h) { this.width = w; this.height = h; } getContext() { return { putImageData: () => {} }; } };
  globalThis.ImageData ??= class { constructor(data, w, h) { Object.assign(this, { data, width: w, height: h }); } };
  const line = (y1, y2) => [OP.line, 10, y1, 90, y2, 0, 0, 0, 1, 0];
  const text = (y) => [OP.text, 40, y, 0, 0, 0, 0, 0, 0, 0, 0];
  for (const [name, drawn, want] of [
    ['labels beside an axis: its thin lines laid once, then the labels', [line(10, 10), text(12), line(80, 80), text(13)], 'lines text text'],
    ['a thin line across a waiting label lies over it', [line(10, 10), text(12), line(5, 30)], 'lines text lines'],
    ['a label before any thin line is drawn at once', [text(50), line(50, 50)], 'text lines'],
  ]) {
    const order = [];
    const ctx = new Proxy({
      measureText: () => ({ width: 20 }),
      fillText: () => order.push('text'),
      drawImage: () => order.push('lines'),
      createImageData: () => null,
    }, { get: (target, key) => target[key] ?? (() => {}), set: () => true });
    const nums = new Float64Array([OP.scale, 0, 0, 100, 100, ...drawn.flat()]);
    playDisplayList(ctx, { nums, texts: ['35'], images: [], widthTwips: 1500, heightTwips: 1500 }, 100, 100);
    assert.equal(order.join(' '), want, name);
  }
});

test('the painter paints a picture when its list or its shown size changes, and drafts again once steps stop', () => {
  const ctx = new Proxy({ measureText: () => ({ width: 10 }) }, { get: (t, k) => t[k] ?? (() => {}), set: () => true });
  const canvas = () => ({ width: 0, height: 0, getContext: () => ctx });
  const list = () => ({ nums: new Float64Array([OP.scale, 0, 0, 100, 100]), texts: [], images: [], widthTwips: 1500, heightTwips: 1500 });
  let clock = 0;
  const painted = [];
  const painter = new PicturePainter({ now: () => clock, painted: (name, how) => painted.push(`${name} ${how.size}${how.draft ? ' draft' : ''}`) });
  const shown = (width, ratio = 1) => ({ width, height: width, ratio, shown: true });
  const a = canvas();
  for (const [what, act, want] of [
    ['a list with no canvas yet waits', () => painter.setList('w.a', list()), ''],
    ['a hidden canvas is not painted', () => painter.setView('w.a', { canvas: a, ...shown(100), shown: false }), ''],
    ['shown, it is painted, the first picture of all as a draft', () => painter.setView('w.a', shown(100)), 'w.a 100x100 draft'],
    ['shown again at the same size, it is not', () => painter.setView('w.a', shown(100)), ''],
    ['at two device pixels a pixel, it is', () => painter.setView('w.a', shown(100, 2)), 'w.a 100x100'],
    ['a new list is painted', () => painter.setList('w.a', list()), 'w.a 100x100'],
    ['a step makes it a draft', () => { painter.stepTaken(); painter.setList('w.a', list()); }, 'w.a 100x100 draft'],
    ['once the steps stop, the draft is painted again', () => { clock += 1000; painter.paintDraftsAgain(); }, 'w.a 100x100'],
  ]) {
    painted.length = 0;
    act();
    painter.paintDirty();
    assert.equal(painted.join(', '), want, what);
  }
  assert.equal(a.width, 200, 'the canvas holds the device pixels');
  assert.equal(painter.drafts.size, 0);
  clearTimeout(painter.redraft);
});

test('a presented lesson steps with the clicker\'s keys, and with the arrows unless a bar has the focus', () => {
  for (const [key, focused, want] of [
    ['PageDown', true, 'next'], ['PageUp', true, 'previous'], ['Escape', false, 'end'],
    ['ArrowRight', false, 'next'], ['ArrowDown', false, 'next'], ['ArrowLeft', false, 'previous'],
    ['ArrowRight', true, null], ['ArrowUp', true, null], ['Enter', false, null],
  ]) assert.equal(sceneKey(key, focused), want, `${key}, a control focused: ${focused}`);
});

test('example lessons are listed by their titles in the page\'s language, a file that is no lesson by its name', () => {
  const lessons = {
    'b.json': JSON.stringify({ title: { en: 'Water', el: 'Νερό' } }),
    'a.json': JSON.stringify({ title: 'Glass' }),
    'c.json': '{"title": ',
  };
  assert.deepEqual(exampleLessons(lessons, 'en').map((x) => x.title), ['c.json', 'Glass', 'Water']);
  assert.equal(exampleLessons(lessons, 'el').find((x) => x.file === 'b.json').title, 'Νερό');
  assert.equal(lessonTitle(lessons['b.json'], 'fr', 'b.json'), 'Water');
});
