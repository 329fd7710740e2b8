/* The first script of the single-file page, run before the rest of the page is read: the
   program's worker is started from its script (kept as plain text in the page), and the
   program's WebAssembly (gzipped, base64 in the page) is unpacked and compiled by the browser
   meanwhile, then handed to the worker compiled. */
/* global WebAssembly, DecompressionStream */
const worker = new Worker(URL.createObjectURL(new Blob([document.getElementById('worker-source').textContent],
  { type: 'text/javascript' })));
window.rainbowWorker = worker;
fetch(`data:application/gzip;base64,${document.getElementById('rainbow-wasm').textContent}`)
  .then((packed) => WebAssembly.compileStreaming(new Response(packed.body.pipeThrough(new DecompressionStream('gzip')),
    { headers: { 'Content-Type': 'application/wasm' } })))
  .then((module) => worker.postMessage({ type: 'wasm', module }),
    (e) => worker.postMessage({ type: 'wasm', error: String(e && e.message ? e.message : e) }));
// The pictures' fonts, read while the page loads: the first picture waits for them.
document.fonts.load('12px "Liberation Sans"');
