// The program's translations: a table {context: {English source: translation}} made from the
// Qt translation file when the page is built.
export function translator(language, table) {
  if (language === 'en') return (context, text) => text;
  return (context, text) => {
    const found = table[context] && table[context][text];
    return found || text;
  };
}
