// Writes the site's text files from their templates, with every text taken
// from the language catalogues (SITE_DIR/lang, English for the page as it is
// first served) and every list, address and colour from the engine:
//   node render-site.mjs WEB_DIR SITE_DIR   (SITE_DIR already holds korvane.wasm and lang/)
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync, copyFileSync, readdirSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { loadEngine } from './engine.js';
import { filled } from './phrase.js';

const [webDir, siteDir] = process.argv.slice(2);
const engine = await loadEngine(readFileSync(join(siteDir, 'korvane.wasm')));
const page = engine.page();
const readJson = (file) => JSON.parse(readFileSync(join(siteDir, 'lang', file), 'utf8'));
const catalogues = readJson('catalogues.json');
// The list is written into the page; the site does not serve it.
rmSync(join(siteDir, 'lang', 'catalogues.json'));

const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;')
  .replace(/>/g, '&gt;').replace(/"/g, '&quot;');
// What the page needs to know of each language: its tag (the first it
// answers), the tags that choose it, its own name and its order of a date.
const languages = catalogues.map(({ code, tags, name, dateOrder }) =>
  ({ code, tag: tags[0], tags, name, dateOrder }));

function renderer(texts, lang) {
  // A month's value is its English name, the same in every language.
  const options = (items, keyed) => items.map((item) => (keyed
    ? `<option value="${escaped(englishTexts[item])}" data-text="${item}">${escaped(texts[item])}</option>`
    : `<option>${escaped(item)}</option>`)).join('');
  const raw = {
    'options.days': options(page.days, false),
    'options.months': options(page.months, true),
    'options.years': options(page.years, false),
    'options.languages': languages.map(({ tag, name }) =>
      `<option value="${tag}" lang="${tag}">${escaped(name)}</option>`).join(''),
    // Inside a script element nothing may read as a closing tag.
    // The page shows its wait before any language file has come.
    catalogues: JSON.stringify({ product: page.product, caption: page.caption, languages,
      texts: { 'page.loading': texts['page.loading'] } })
      .replace(/</g, '\\u003c'),
  };
  const values = {
    product: page.product, caption: page.caption, blue: page.blue, dark: page.dark, lang,
    title: filled(texts['page.title'], page.caption),
  };
  for (const [key, value] of Object.entries(page.links)) values[`links.${key}`] = value;
  return (template, escape) => template.replace(/\{\{([\w.:]+)\}\}/g, (_, key) => {
    if (key in raw) return raw[key];
    const value = key.startsWith('t:') ? texts[key.slice(2)] : values[key];
    if (value === undefined) throw new Error(`no value for {{${key}}}`);
    return escape ? escaped(value) : JSON.stringify(value).slice(1, -1);
  });
}

const englishTexts = readJson(`${catalogues[0].code}.json`);
const english = renderer(englishTexts, languages[0].tag);
writeFileSync(join(siteDir, 'index.html'),
  english(readFileSync(join(webDir, 'index.html'), 'utf8'), true));
// A manifest for each language, which the page links to as it changes.
const manifest = readFileSync(join(webDir, 'manifest.webmanifest'), 'utf8');
for (const [i, { code, tag }] of languages.entries()) {
  const render = renderer(readJson(`${code}.json`), tag);
  writeFileSync(join(siteDir, i === 0 ? 'manifest.webmanifest' : `manifest.${tag}.webmanifest`),
    render(manifest, false));
}
writeFileSync(join(siteDir, 'korvane.css'),
  english(readFileSync(join(webDir, 'korvane.css'), 'utf8'), false));
for (const file of ['app.js', 'engine.js', 'phrase.js', 'picture.js']) {
  copyFileSync(join(webDir, file), join(siteDir, file));
}

// The service worker keeps the site's files under a version that changes
// whenever one of them does, and keeps only what matches the digest of its
// own version. Each language's texts and manifest are kept once they are
// used, not before: a visit loads English or the reader's language.
const files = [
  ...readdirSync(siteDir).filter((file) => file !== 'sw.js' && file !== 'lang'),
  ...readdirSync(join(siteDir, 'lang')).map((file) => `lang/${file}`),
].sort();
const digests = Object.fromEntries(files.map((file) =>
  [file, createHash('sha256').update(readFileSync(join(siteDir, file))).digest('base64')]));
const version = createHash('sha256').update(JSON.stringify(digests)).digest('hex').slice(0, 16);
// Each language's texts, with its manifest when it has one of its own.
const languageFiles = Object.fromEntries(languages.map(({ code, tag }, i) =>
  [`lang/${code}.json`, i === 0 ? [] : [`manifest.${tag}.webmanifest`]]));
const later = new Set(Object.entries(languageFiles).flat(2));
const worker = readFileSync(join(webDir, 'sw.js'), 'utf8')
  .replace('{{version}}', () => version)
  .replace('{{digests}}', () => JSON.stringify(digests))
  .replace('{{files}}', () => JSON.stringify(files.filter((file) => !later.has(file))))
  .replace('{{languages}}', () => JSON.stringify(languageFiles));
writeFileSync(join(siteDir, 'sw.js'), worker);
