// The page's pure parts under node (node --test web/tests/): no browser needed.
import test from 'node:test';
import assert from 'node:assert/strict';
import { clipSegment, growthAt, textMetrics, items, ITEM_LENGTH, OP } from '../page/player.js';
import { drawHairline, unpremultiply } from '../page/hairline.js';
import { mirroredValue, clientTwips } from '../page/forms.js';
import { translationTable } from '../page/ts-table.mjs';
import { renderSteps, helpPictures } from '../page/render-steps.mjs';
import { typedList } from '../page/native-shim.mjs';
import { joinModules } from '../page/bundle.mjs';

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
