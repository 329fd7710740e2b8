// The help pages in a panel of the page. Their pictures are drawn live: each is the display
// list of a picture after its steps, played on a canvas where the page had an image.
import { playDisplayList } from './player.js';

const PICTURE = /(?:^|\/)pictures\/([\w-]+)\.png$/;

export class HelpView {
  // `pages`: {language: {file name: html}}; `pictures`: {name: {form, picture, steps, size}};
  // `askPicture({form, picture, steps})` resolves to a display list.
  constructor(element, language, pages, pictures, askPicture, tr) {
    this.element = element;
    this.pages = pages[language] || pages.en || {};
    this.pictures = pictures;
    this.askPicture = askPicture;
    this.drawn = new Map(); // picture name -> display list promise
    this.history = [];
    element.innerHTML = '';
    const bar = element.appendChild(document.createElement('div'));
    bar.className = 'help-bar';
    const button = (text, action) => {
      const b = bar.appendChild(document.createElement('button'));
      b.type = 'button';
      b.textContent = text;
      b.addEventListener('click', action);
      return b;
    };
    button(tr('Help', 'Back'), () => this.back());
    button(tr('Help', 'Contents'), () => this.show('index.html'));
    const close = button('×', () => this.hide());
    close.setAttribute('aria-label', '×');
    this.body = element.appendChild(document.createElement('article'));
    this.body.className = 'help-page';
    element.addEventListener('keydown', (e) => { if (e.key === 'Escape') this.hide(); });
  }

  hide() {
    this.element.hidden = true;
  }

  back() {
    this.history.pop();
    const previous = this.history.pop();
    if (previous) this.show(previous);
  }

  show(target) {
    const [file, anchor] = target.split('#');
    const html = this.pages[file] || this.pages['index.html'];
    if (html === undefined) return;
    this.history.push(target);
    this.element.hidden = false;
    this.body.innerHTML = html;
    this.element.dataset.page = file;
    for (const a of this.body.querySelectorAll('a[href]')) {
      const href = a.getAttribute('href');
      if (/^[\w-]+\.html(#[\w-]*)?$/.test(href)) {
        a.addEventListener('click', (e) => { e.preventDefault(); this.show(href); });
      } else if (href.startsWith('#')) {
        a.addEventListener('click', (e) => { e.preventDefault(); this.scrollTo(href.slice(1)); });
      }
    }
    for (const img of this.body.querySelectorAll('img')) this.livePicture(img);
    if (anchor) this.scrollTo(anchor); else this.element.scrollTop = 0;
    this.body.focus?.();
  }

  scrollTo(anchor) {
    const target = this.body.querySelector(`#${CSS.escape(anchor)}, [name="${CSS.escape(anchor)}"]`);
    if (target) target.scrollIntoView();
  }

  // Replaces an image of a picture by the picture drawn from its display list.
  livePicture(img) {
    const match = PICTURE.exec(img.getAttribute('src') || '');
    const spec = match && this.pictures[match[1]];
    if (!spec) {
      // A picture of a whole window: the live window is a tab away.
      img.remove();
      return;
    }
    const canvas = document.createElement('canvas');
    canvas.className = 'help-picture';
    canvas.dataset.helpPicture = match[1];
    canvas.setAttribute('role', 'img');
    if (img.alt) canvas.setAttribute('aria-label', img.alt);
    const width = Number(img.getAttribute('width')) || 400;
    canvas.style.width = `${width}px`;
    img.replaceWith(canvas);
    if (!this.drawn.has(match[1])) this.drawn.set(match[1], this.askPicture(spec));
    this.drawn.get(match[1]).then((list) => {
      if (list.error) {
        canvas.replaceWith(document.createTextNode(list.error));
        return;
      }
      const aspect = list.heightTwips / Math.max(1, list.widthTwips) || 1;
      const height = Math.round(width * aspect);
      canvas.style.height = `${height}px`;
      // Painted at the size the picture is made for (its pens and text grow with it), shown
      // at the page's width.
      const logical = spec.size || width;
      const ratio = ((window.devicePixelRatio || 1) * width) / logical;
      canvas.width = Math.ceil(width * (window.devicePixelRatio || 1));
      canvas.height = Math.ceil(height * (window.devicePixelRatio || 1));
      playDisplayList(canvas.getContext('2d'), list, logical, Math.round(logical * aspect), ratio);
      canvas.dataset.drawn = 'true';
    });
  }
}
