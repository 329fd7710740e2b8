// Reads a Qt translation file (.ts) into {context: {source: translation}}: what lrelease keeps
// by default (unfinished ones included when not empty), obsolete entries and numerus forms left out.
const entities = { lt: '<', gt: '>', amp: '&', quot: '"', apos: "'" };

function unescapeXml(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (all, name) => {
    if (name[0] === '#') {
      const code = name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
      return String.fromCodePoint(code);
    }
    return entities[name] ?? all;
  });
}

export function translationTable(ts) {
  const table = {};
  for (const context of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = /<name>([\s\S]*?)<\/name>/.exec(context[1]);
    if (!name) continue;
    const messages = {};
    for (const message of context[1].matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message[1]);
      const translation = /<translation([^>]*)>([\s\S]*?)<\/translation>/.exec(message[1]);
      if (!source || !translation) continue;
      if (/type="(obsolete|vanished)"/.test(translation[1])) continue;
      if (!translation[2] || translation[2].includes('<numerusform>')) continue;
      messages[unescapeXml(source[1])] = unescapeXml(translation[2]);
    }
    table[unescapeXml(name[1])] = messages;
  }
  return table;
}
