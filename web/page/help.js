// The help pages in a panel of the page. Their pictures are drawn live: each is the display
// list of a picture after its steps, played on a canvas where the page had an image.
import { playDisplayList } from './player.js';
import { make } from './forms.js';

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
    const bar = make('div', { className: 'help-bar' }, element);
    const button = (text, action) => {
      const b = make('button', { type: 'button', textContent: text }, bar);
      b.addEventListener('click', action);
      return b;
    };
    button(tr('Help', 'Back'), () => this.back());
    button(tr('Help', 'Contents'), () => this.show('index.html'));
    const close = button('×', () => this.hide());
    close.setAttribute('aria-label', '×');
    this.body = make('article', { className: 'help-page', tabIndex: -1 }, element);
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
    // Made in a template first, where the pages' images are not fetched: they become canvases.
    const template = document.createElement('template');
    template.innerHTML = html;
    for (const img of template.content.querySelectorAll('img')) this.livePicture(img);
    this.body.replaceChildren(template.content);
    this.element.dataset.page = file;
    for (const a of this.body.querySelectorAll('a[href]')) {
      const href = a.getAttribute('href');
      if (/^[\w-]+\.html(#[\w-]*)?$/.test(href)) {
        a.addEventListener('click', (e) => { e.preventDefault(); this.show(href); });
      } else if (href.startsWith('#')) {
        a.addEventListener('click', (e) => { e.preventDefault(); this.scrollTo(href.slice(1)); });
      }
    }
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
    const recipe = match && this.pictures[match[1]];
    if (!recipe) {
      // A picture of a whole window: the live window is a tab away.
      img.remove();
      return;
    }
    const canvas = make('canvas', { className: 'help-picture', 'data-help-picture': match[1], role: 'img' });
    if (img.alt) canvas.setAttribute('aria-label', img.alt);
    const width = Number(img.getAttribute('width')) || 400;
    canvas.style.width = `${width}px`;
    img.replaceWith(canvas);
    if (!this.drawn.has(match[1])) this.drawn.set(match[1], this.askPicture(recipe));
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
      // As the render command paints it: its longer side `size`, or its size on the help's
      // screen, at least 600 pixels.
      const longer = recipe.size || Math.max(600, Math.max(list.widthTwips, list.heightTwips) / 15);
      const logical = aspect > 1 ? longer / aspect : longer;
      const ratio = ((window.devicePixelRatio || 1) * width) / logical;
      canvas.width = Math.ceil(width * (window.devicePixelRatio || 1));
      canvas.height = Math.ceil(height * (window.devicePixelRatio || 1));
      playDisplayList(canvas.getContext('2d'), list, logical, Math.round(logical * aspect), ratio);
      canvas.dataset.drawn = 'true';
    });
  }
}
