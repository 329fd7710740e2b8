// Lessons taught from the page, as the desktop's lesson actions: the example lessons that come
// with the program, a lesson presented scene by scene with a caption bar along the bottom
// (Page Down and Page Up, what a presenter's clicker sends, or the arrow keys when no control
// has the focus, or the bar's buttons on a touch screen; Escape ends it), and "Add scene…".
import { make, makeMenu } from './forms.js';

// A lesson's title in `language`: a text, or texts by language tag; else its file's name.
export function lessonTitle(text, language, file) {
  try {
    const title = JSON.parse(text).title;
    if (typeof title === 'string' && title) return title;
    if (title && typeof title === 'object') return title[language] || title.en || Object.values(title)[0] || file;
  } catch {
    // not a lesson: listed by its file's name, and refused with the program's message if chosen
  }
  return file;
}

// The example lessons {file: text}, as [{file, title, text}] in the order of their titles.
export function exampleLessons(lessons, language) {
  return Object.entries(lessons || {})
    .map(([file, text]) => ({ file, text, title: lessonTitle(text, language, file) }))
    .sort((a, b) => a.title.localeCompare(b.title, language));
}

// Which way a key moves a presented lesson: 'next', 'previous', 'end' or null. The arrows move
// it only when no control they work has the focus (they move a scroll bar otherwise).
export function sceneKey(key, controlFocused) {
  switch (key) {
    case 'PageDown': return 'next';
    case 'PageUp': return 'previous';
    case 'ArrowRight': case 'ArrowDown': return controlFocused ? null : 'next';
    case 'ArrowLeft': case 'ArrowUp': return controlFocused ? null : 'previous';
    case 'Escape': return 'end';
    default: return null;
  }
}

export class LessonBar {
  // `send(message)` reaches the worker; `tr(context, text)` translates; `lessons` {file: text}.
  constructor({ send, tr, language, lessons, openFile }) {
    this.send = send;
    this.tr = tr;
    this.examples = exampleLessons(lessons, language);
    this.openFile = openFile; // (file, how): reads a chosen file and opens or presents it
    this.scene = null;
    const $ = (s) => document.querySelector(s);
    this.bar = $('#caption-bar');
    this.setUpExamples($('#present-lesson'));
    this.setUpPresentDialog($('#present-dialog'));
    this.setUpSceneDialog($('#scene-dialog'));
    const go = (where) => () => this.send({ type: 'scene', go: where });
    this.button('#scene-back', 'Previous scene', go('previous'));
    this.button('#scene-next', 'Next scene', go('next'));
    this.button('#scene-end', 'End the presentation', go('end'));
    this.bar.setAttribute('aria-label', tr('rainbow::LessonSession', 'Present lesson'));
    document.addEventListener('keydown', (e) => {
      if (!this.scene || document.querySelector('dialog[open]')) return;
      const active = document.activeElement;
      const focused = !!active && active.matches('input, select, textarea');
      const where = sceneKey(e.key, focused);
      if (!where) return;
      e.preventDefault();
      this.send({ type: 'scene', go: where });
    });
  }

  button(selector, text, click) {
    const b = document.querySelector(selector);
    const label = this.tr('rainbow::Presenter', text);
    b.setAttribute('aria-label', label);
    b.title = label;
    b.addEventListener('click', click);
  }

  // The menu of example lessons, before `next` in the toolbar: choosing one opens it, as the
  // desktop's menu does.
  setUpExamples(next) {
    if (!this.examples.length) return;
    const { element, title, items } = makeMenu(null);
    element.id = 'examples';
    next.before(element);
    title.textContent = this.tr('rainbow::LessonSession', 'Example lessons');
    for (const example of this.examples) {
      const item = make('button', { type: 'button', className: 'menuitem', role: 'menuitem', textContent: example.title }, items);
      item.dataset.lesson = example.file;
      item.addEventListener('click', () => {
        items.hidden = true;
        this.send({ type: 'lesson', text: example.text });
      });
    }
  }

  // "Present lesson…": an example lesson, or one from a file.
  setUpPresentDialog(dialog) {
    const tr = this.tr;
    const open = document.querySelector('#present-lesson');
    open.textContent = tr('rainbow::LessonSession', 'Present lesson…');
    open.setAttribute('aria-keyshortcuts', 'F5');
    dialog.querySelector('h2').textContent = tr('rainbow::LessonSession', 'Present lesson');
    dialog.querySelector('.examples-label').textContent = tr('rainbow::LessonSession', 'Example lessons');
    const select = dialog.querySelector('select');
    for (const example of this.examples) make('option', { value: example.file, textContent: example.title }, select);
    const ok = dialog.querySelector('.ok');
    ok.textContent = tr('rainbow::LessonSession', 'Present lesson');
    const fromFile = dialog.querySelector('.from-file');
    fromFile.textContent = tr('rainbow::LessonSession', 'Open lesson…');
    const show = () => dialog.showModal();
    open.addEventListener('click', show);
    document.addEventListener('keydown', (e) => {
      if (e.key === 'F5') {
        e.preventDefault();
        show();
      }
    });
    ok.addEventListener('click', (e) => {
      e.preventDefault();
      dialog.close();
      const example = this.examples.find((x) => x.file === select.value);
      if (example) this.send({ type: 'present', text: example.text });
    });
    fromFile.addEventListener('click', (e) => {
      e.preventDefault();
      dialog.close();
      this.openFile('present');
    });
  }

  // "Add scene…": a scene begins at the next step, with a title and a note.
  setUpSceneDialog(dialog) {
    const tr = this.tr;
    const open = document.querySelector('#add-scene');
    open.textContent = tr('rainbow::LessonSession', 'Add scene…');
    dialog.querySelector('h2').textContent = tr('rainbow::LessonSession', 'Add scene');
    dialog.querySelector('.title-label').textContent = tr('rainbow::LessonSession', 'Title of the new scene:');
    dialog.querySelector('.note-label').textContent = tr('rainbow::LessonSession', 'A note for the class (may be empty):');
    const ok = dialog.querySelector('.ok');
    ok.textContent = tr('rainbow::LessonSession', 'Add scene');
    const [title, note] = [dialog.querySelector('input'), dialog.querySelector('textarea')];
    open.addEventListener('click', () => {
      title.value = '';
      note.value = '';
      dialog.showModal();
    });
    ok.addEventListener('click', (e) => {
      e.preventDefault();
      if (!title.value.trim()) return title.focus();
      dialog.close();
      this.send({ type: 'addScene', title: title.value.trim(), note: note.value.trim() });
    });
  }

  // The scene shown ({scene, scenes, title, note}), or null when no lesson is presented.
  show(scene) {
    this.scene = scene;
    this.bar.hidden = !scene;
    if (!scene) return;
    this.bar.querySelector('.scene-title').textContent = scene.title;
    this.bar.querySelector('.scene-where').textContent = `${scene.scene} / ${scene.scenes}`;
    const note = this.bar.querySelector('.scene-note');
    note.textContent = scene.note;
    note.hidden = !scene.note;
    this.bar.querySelector('#scene-back').disabled = scene.scene <= 1;
    this.bar.querySelector('#scene-next').disabled = scene.scene >= scene.scenes;
  }
}
