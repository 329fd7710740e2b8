// The browser module against the golden views: for every view of tests/golden/views.txt the
// module takes the steps, lets the long computations finish in slices, and must give exactly
// the golden display lists; its typed arrays must hold every item of each list. With a native
// render command (RAINBOW_RENDER=build/bin/rainbow-render) the whole state JSON must also be
// byte for byte the render command's.
//   node tests/web/golden_views.mjs build-web/web/rainbow-core.js tests/golden
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";

const [modulePath, goldenDir] = process.argv.slice(2);
if (!modulePath || !goldenDir) {
  console.error("usage: golden_views.mjs MODULE.js GOLDEN_DIR");
  process.exit(2);
}
const createRainbowCore = createRequire(import.meta.url)(path.resolve(modulePath));
const M = await createRainbowCore();

// The lengths of the items in `nums`, by op code (web/picture_arrays.h).
const itemLength = [5, 10, 17, 7, 11, 8];

function views() {
  const list = [];
  for (const line of readFileSync(path.join(goldenDir, "views.txt"), "utf8").split("\n")) {
    const words = line.trim().split(/\s+/);
    if (!words[0] || words[0].startsWith("#")) continue;
    const steps = [];
    for (let i = 1; i + 1 < words.length; i += 2) {
      const [target, value] = words[i + 1].split("=");
      const [form, control] = target.split(".");
      const action = words[i] === "--set" ? "set" : "click";
      steps.push({ action, form, control, value: Number(value ?? 0), words: [words[i], words[i + 1]] });
    }
    list.push({ name: words[0], steps });
  }
  return list;
}

function picturesOf(state) {
  const forms = {};
  for (const [form, body] of Object.entries(state.forms)) {
    forms[form] = {};
    for (const [picture, content] of Object.entries(body.pictures)) forms[form][picture] = content.items;
  }
  return forms;
}

function countItems(arrays) {
  let count = 0;
  for (let at = 0; at < arrays.nums.length; ++count) {
    const length = itemLength[arrays.nums[at]];
    assert.ok(length, `unknown op ${arrays.nums[at]} at ${at}`);
    at += length;
  }
  return count;
}

let failures = 0;
for (const view of views()) {
  const session = new M.Session(1920, 1080, "");
  try {
    for (const step of view.steps) {
      assert.equal(session.step(step.action, step.form, step.control, step.value), "", view.name);
    }
    while (session.busy()) session.work(40);
    const text = session.stateJson();
    const state = JSON.parse(text);
    const golden = JSON.parse(readFileSync(path.join(goldenDir, `${view.name}.json`), "utf8"));
    assert.deepStrictEqual(picturesOf(state), golden, `${view.name}: the display lists differ`);
    for (const [form, body] of Object.entries(state.forms)) {
      for (const [picture, content] of Object.entries(body.pictures)) {
        const arrays = session.picture(form, picture);
        assert.equal(countItems(arrays), content.items.length, `${view.name}: ${form}.${picture}`);
        assert.equal(arrays.texts.length, content.items.filter((i) => i.op === "text").length);
      }
    }
    if (process.env.RAINBOW_RENDER) {
      const native = execFileSync(process.env.RAINBOW_RENDER,
        [...view.steps.flatMap((s) => s.words), "--json", "-"],
        { encoding: "utf8", maxBuffer: 1 << 28, env: { ...process.env, LANG: "C.UTF-8", LC_ALL: "C.UTF-8" } });
      assert.ok(text === native, `${view.name}: the state JSON differs from the render command's`);
    }
    console.log(`ok ${view.name}`);
  } catch (e) {
    ++failures;
    console.log(`FAILED ${view.name}: ${e.message.split("\n")[0]}`);
  } finally {
    session.delete();
  }
}
process.exit(failures ? 1 : 0);
