/* A stand-in for the core module, for building the page where the module is not built: it
   serves one state of the native program (self.rainbowStandInState, made by the bundler from
   the render command's JSON), takes every step without changing anything, and says so. */
'use strict';

// eslint-disable-next-line no-unused-vars
function createRainbowCore() {
  const data = self.rainbowStandInState;
  const base64Bytes = (text) => Uint8Array.from(atob(text), (ch) => ch.charCodeAt(0));
  class Session {
    constructor() { this.changed = Object.keys(data.pictures); }
    step(action, form, control) {
      const f = data.forms[form];
      if (!f) return `unknown form ${form}`;
      if (!Object.prototype.hasOwnProperty.call(f.controls, control)) {
        return `unknown control ${form}.${control}`;
      }
      return '';
    }
    stateJson() { return data.stateText; }
    formsJson() { return JSON.stringify({ forms: data.forms }); }
    changedPictures() { const c = this.changed; this.changed = []; return c; }
    picture(form, name) {
      const p = data.pictures[`${form}.${name}`];
      if (!p) throw new Error(`no picture ${form}.${name}`);
      return {
        nums: Float32Array.from(p.nums), texts: p.texts.slice(),
        images: p.images.map((i) => ({ width: i.width, height: i.height, rgb: base64Bytes(i.rgb) })),
        widthTwips: p.widthTwips, heightTwips: p.heightTwips,
        longerSide: p.longerSide, referencePixels: p.referencePixels,
      };
    }
    busy() { return false; }
    work() {}
    lessonJson() { return JSON.stringify({ format: 'stand-in', steps: [] }); }
    openLesson() { this.changed = Object.keys(data.pictures); return ''; }
    restart() { this.changed = Object.keys(data.pictures); }
    delete() {}
  }
  return Promise.resolve({ Session, standIn: true });
}
