// The render command's steps as the page takes them: tools/help/pictures.txt (each line NAME
// FORM.PICTURE and the steps that lead to the picture) and tests/golden/views.txt read alike.
export const HELP_SCREEN = { width: 1024, height: 768 };

export function helpPictures(text) {
  const pictures = {};
  text.split('\n').forEach((raw, index) => {
    const line = raw.trim();
    if (!line || line.startsWith('#')) return;
    const words = line.split(/\s+/);
    const where = `pictures.txt:${index + 1}`;
    const [name, target, ...rest] = words;
    const [form, picture] = (target || '').split('.');
    if (!name || !form || !picture) throw new Error(`${where}: expected NAME FORM.PICTURE STEP...`);
    pictures[name] = { form, picture, ...renderSteps(rest, where), ...HELP_SCREEN };
  });
  return pictures;
}

// The render command's steps and picture size in `words` as {steps, size}: each step
// {action, form, control, value}, size 0 when not given.
export function renderSteps(words, where = '') {
  const result = { steps: [], size: 0 };
  for (let i = 0; i < words.length; i += 2) {
    const [option, argument] = [words[i], words[i + 1]];
    if (argument === undefined) throw new Error(`${where}: ${option} without its argument`);
    const [control, value] = argument.split('=');
    const [stepForm, stepControl] = control.split('.');
    if (option === '--size') {
      result.size = Number(argument);
      if (!(result.size >= 16 && result.size <= 10000)) throw new Error(`${where}: --size ${argument}`);
    } else if (option === '--click' && stepControl && value === undefined) {
      result.steps.push({ action: 'click', form: stepForm, control: stepControl, value: 1 });
    } else if (option === '--set' && stepControl && value !== undefined && /^[+-]?\d+$/.test(value)) {
      result.steps.push({ action: 'set', form: stepForm, control: stepControl, value: Number(value) });
    } else {
      throw new Error(`${where}: cannot read ${option} ${argument}`);
    }
  }
  return result;
}

// A step as the render command's arguments.
export function stepArguments(step) {
  const target = `${step.form}.${step.control}`;
  return step.action === 'set' ? ['--set', `${target}=${step.value}`] : ['--click', target];
}
