// The windows' controls as HTML controls, made and kept in step from the forms the worker
// sends. Controls are placed from their twips, scaled to the room the page gives the window.

const TWIPS_PER_POINT = 20;
// A window's menu bar: a menu title's 28 pixels and the bar's border. Fixed, so that a window lays
// itself out without asking the browser to measure the bar.
const MENUBAR_HEIGHT = 29;

// A new element with properties (className, type, textContent, ...) and attributes (the rest),
// appended to `parent` when one is given.
const PROPERTIES = new Set(['className', 'type', 'textContent', 'tabIndex', 'name', 'hidden', 'title']);
export function make(tag, fields = {}, parent = null) {
  const e = document.createElement(tag);
  for (const [key, value] of Object.entries(fields)) {
    if (PROPERTIES.has(key)) e[key] = value; else e.setAttribute(key, value);
  }
  if (parent) parent.appendChild(e);
  return e;
}

// A menu: a title that opens and closes its items (a pointer down elsewhere closes them too,
// see the page). Its title's text and its items are the caller's.
export function makeMenu(parent) {
  const element = make('div', { className: 'menu' }, parent);
  const title = make('button', { type: 'button', className: 'menu-title', 'aria-haspopup': 'menu', 'aria-expanded': 'false' }, element);
  const items = make('div', { className: 'menu-items', role: 'menu', hidden: true }, element);
  title.addEventListener('click', () => {
    items.hidden = !items.hidden;
    title.setAttribute('aria-expanded', String(!items.hidden));
  });
  return { element, title, items };
}

// The controls of a form in the model's order, each with its name.
export function controlList(form) {
  const c = form.controls || {};
  return Array.isArray(c) ? c : Object.entries(c).map(([name, v]) => ({ name, ...v }));
}

// A scroll bar's value as the range input shows it, and back: an input holds the smaller number
// at its start, so a bar whose min exceeds its max is mirrored within its range (the mirror is
// its own inverse).
export function mirroredValue(bar, value) {
  return bar.min > bar.max ? bar.min + bar.max - value : value;
}

// A form's client area in twips: its own size, grown to hold every control.
export function clientTwips(form) {
  let width = form.width || 0, height = form.height || 0;
  for (const c of controlList(form)) {
    if (c.kind === 'menu' || c.kind === 'menuitem' || c.container) continue;
    if (Number.isFinite(c.left + c.width)) width = Math.max(width, c.left + c.width);
    if (Number.isFinite(c.top + c.height)) height = Math.max(height, c.top + c.height);
  }
  return { width, height };
}

// The designed fonts as the desktop shows them (Liberation's metric-compatible faces).
const FONT_FAMILIES = {
  'Times New Roman': '"Liberation Serif", "Times New Roman", serif',
  Arial: '"Liberation Sans", Arial, sans-serif',
  'MS Sans Serif': '"Liberation Sans", Arial, sans-serif',
};
export const fontFamily = (designed) => FONT_FAMILIES[designed] || (designed ? `"${designed}", serif` : '');
// Whether an option or menu item is chosen (the core says `value` for options).
const chosen = (c) => !!(c.checked ?? c.value);

const cssColor = (c) => (Array.isArray(c) ? `rgb(${c[0]},${c[1]},${c[2]})` : '');

// A form shown in an element: `take(step)` sends a step ({action, control, value}).
export class FormView {
  constructor(name, element, take) {
    this.name = name;
    this.element = element;
    this.take = take;
    this.menubar = make('div', { className: 'menubar', role: 'menubar' }, element);
    this.menubar.style.height = `${MENUBAR_HEIGHT}px`;
    this.client = make('div', { className: 'client' }, element);
    this.widgets = new Map(); // control name -> element
    this.canvases = new Map(); // picture name -> canvas
    this.pictureSizes = new Map(); // picture name -> its CSS size as placed, {width, height}
    this.room = null; // the room windows are shown in, {width, height}, when the page knows it
    this.form = null;
    this.scale = 1 / 15; // CSS pixels per twip
  }

  // The canvas of a picture ("client" is the form's own area).
  canvas(picture) {
    return this.canvases.get(picture);
  }

  // The CSS size of a picture's canvas as the last layout placed it: known without asking the
  // browser to lay the page out.
  pictureSize(picture) {
    return this.pictureSizes.get(picture) || { width: 0, height: 0 };
  }

  update(form) {
    this.form = form;
    const controls = controlList(form);
    // Frames and menus first: options and menu items go inside them.
    const container = (c) => c.kind === 'frame' || c.kind === 'menu';
    for (const c of [...controls.filter(container), ...controls.filter((c) => !container(c))]) {
      if (this.widgets.has(c.name)) continue;
      const w = this.make(c);
      if (w) this.widgets.set(c.name, w);
    }
    for (const c of controls) {
      const w = this.widgets.get(c.name);
      if (w) this.sync(c, w);
    }
    if ((form.pictures || []).includes('client') && !this.canvases.has('client')) {
      const canvas = make('canvas', { className: 'picture client-picture', 'data-picture': `${this.name}.client`, role: 'img' });
      if (form.client_role) canvas.setAttribute('aria-label', form.client_role);
      if (form.client_tooltip) canvas.title = form.client_tooltip;
      this.client.prepend(canvas);
      this.canvases.set('client', canvas);
    }
    this.menubar.hidden = !controls.some((c) => c.kind === 'menu' && c.visible !== false);
    this.layout();
  }

  // Fits the client area into the element's room: `room` where the page tells it (then the
  // browser need not lay the page out first, which costs a window's opening 10 to 20 ms), else
  // the element's own box.
  layout(room = this.room) {
    if (!this.form) return;
    if (room) this.room = room;
    const size = clientTwips(this.form);
    room = room || this.element.getBoundingClientRect();
    const roomHeight = Math.max(100, room.height - (this.menubar.hidden ? 0 : MENUBAR_HEIGHT));
    const k = Math.min(room.width / Math.max(1, size.width), roomHeight / Math.max(1, size.height));
    this.scale = k > 0 && Number.isFinite(k) ? k : 1 / 15;
    this.client.style.width = `${size.width * this.scale}px`;
    this.client.style.height = `${size.height * this.scale}px`;
    for (const c of controlList(this.form)) {
      const w = this.widgets.get(c.name);
      if (w) this.place(c, w);
    }
    const client = this.canvases.get('client');
    if (client) {
      const form = this.form;
      const width = Math.round((form.width || size.width) * this.scale);
      const height = Math.round((form.height || size.height) * this.scale);
      Object.assign(client.style, { left: '0px', top: '0px', width: `${width}px`, height: `${height}px` });
      this.pictureSizes.set('client', { width, height });
    }
  }

  place(c, w) {
    if (c.kind === 'menu' || c.kind === 'menuitem') return;
    const k = this.scale;
    // Each edge is rounded on its own, so controls that meet in the model meet on the page.
    const left = Math.round(c.left * k), top = Math.round(c.top * k);
    const width = Math.max(0, Math.round((c.left + c.width) * k) - left);
    const height = Math.max(0, Math.round((c.top + c.height) * k) - top);
    if (c.kind === 'picture') this.pictureSizes.set(c.name, { width, height });
    Object.assign(w.style, {
      left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
      fontSize: `${(c.font_size || this.form.font_size || 8.25) * TWIPS_PER_POINT * k}px`,
      fontFamily: fontFamily(c.font),
    });
  }

  parentFor(c) {
    const frame = c.container && this.widgets.get(c.container);
    return frame && frame.tagName === 'FIELDSET' ? frame : this.client;
  }

  make(c) {
    const step = (action, value) => this.take({ action, control: c.name, value });
    let w;
    switch (c.kind) {
      case 'scrollbar': {
        w = make('input', { type: 'range', className: 'scrollbar' });
        // The value is taken when the thumb is let go (or a key moved it), as the desktop does.
        w.addEventListener('change', () => {
          const bar = this.current(c.name);
          step('set', mirroredValue(bar, Number(w.value)));
        });
        break;
      }
      case 'option': {
        w = make('label', { className: 'option' });
        const input = make('input', { type: 'radio', name: `${this.name}.${c.container || 'options'}.${c.name}` }, w);
        make('span', {}, w);
        input.addEventListener('click', (e) => {
          // The model keeps one option of a group chosen; the page only shows it.
          e.preventDefault();
          step('click', 1);
        });
        break;
      }
      case 'button':
        w = make('button', { className: 'button', type: 'button' });
        w.addEventListener('click', () => step('click', 1));
        break;
      case 'label':
        w = make('div', { className: 'label' });
        break;
      case 'frame':
        w = make('fieldset', { className: 'frame' });
        make('legend', {}, w);
        break;
      case 'picture':
        w = make('canvas', { className: 'picture', 'data-picture': `${this.name}.${c.name}`, tabIndex: 0, role: 'img' });
        this.canvases.set(c.name, w);
        break;
      case 'menu':
        return makeMenu(this.menubar).element;
      case 'menuitem': {
        const menu = this.widgets.get(c.container);
        w = make('button', { type: 'button', className: 'menuitem', role: 'menuitemcheckbox' });
        w.addEventListener('click', () => {
          if (menu) menu.querySelector('.menu-items').hidden = true;
          step('click', 1);
        });
        (menu ? menu.querySelector('.menu-items') : this.menubar).appendChild(w);
        return w;
      }
      default:
        return null;
    }
    w.dataset.control = c.name;
    this.parentFor(c).appendChild(w);
    return w;
  }

  current(name) {
    return controlList(this.form).find((c) => c.name === name);
  }

  sync(c, w) {
    const caption = c.caption ?? '';
    switch (c.kind) {
      case 'scrollbar': {
        const low = Math.min(c.min, c.max), high = Math.max(c.min, c.max);
        const vertical = c.vertical ?? c.height > c.width;
        w.classList.toggle('vertical', vertical);
        w.min = low; w.max = high;
        w.step = 1;
        const shown = String(mirroredValue(c, c.value));
        if (w.value !== shown) w.value = shown;
        w.setAttribute('aria-valuenow', String(c.value));
        w.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
        break;
      }
      case 'option': {
        w.querySelector('input').checked = chosen(c);
        const span = w.querySelector('span');
        if (span.textContent !== caption) span.textContent = caption;
        w.style.color = cssColor(c.fore_color);
        break;
      }
      case 'button':
        if (w.textContent !== caption) w.textContent = caption;
        break;
      case 'label':
        if (w.textContent !== caption) w.textContent = caption;
        w.style.color = cssColor(c.fore_color);
        w.style.background = cssColor(c.back_color);
        break;
      case 'frame': {
        const legend = w.querySelector('legend');
        if (legend.textContent !== caption) legend.textContent = caption;
        break;
      }
      case 'menu': {
        const title = w.querySelector('.menu-title');
        if (title.textContent !== caption) title.textContent = caption;
        break;
      }
      case 'menuitem':
        if (w.textContent !== caption) w.textContent = caption;
        w.setAttribute('aria-checked', String(chosen(c)));
        w.classList.toggle('checked', chosen(c));
        break;
      default: break;
    }
    w.hidden = c.visible === false;
    describe(w.tagName === 'LABEL' ? w.querySelector('input') : w, c);
    if (w.tagName === 'LABEL' && c.tooltip) w.title = c.tooltip;
  }
}

// Tooltip and the screen reader's name and description, from the model.
function describe(element, c) {
  const target = c.kind === 'menu' ? element.querySelector('.menu-title') : element;
  if (c.tooltip) target.title = c.tooltip; else target.removeAttribute('title');
  const name = c.accessible_name || c.caption;
  if (name) target.setAttribute('aria-label', name); else target.removeAttribute('aria-label');
  const description = c.accessible_description || c.tooltip;
  if (description && description !== name) target.setAttribute('aria-description', description);
  else target.removeAttribute('aria-description');
}
