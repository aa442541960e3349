// Writes the site's text files from their templates, with every text, list
// and address taken from the engine:
//   node render-site.mjs WEB_DIR SITE_DIR   (SITE_DIR already holds korvane.wasm)
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync, copyFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { loadEngine } from './engine.js';

const [webDir, siteDir] = process.argv.slice(2);
const engine = await loadEngine(readFileSync(join(siteDir, 'korvane.wasm')));
const page = engine.page();

// The texts the script puts together while it runs; the others are in the
// page's elements, each marked with its key (data-text).
const composed = ['loading', 'readingHeading', 'linkCopied'];
const pageTexts = Object.fromEntries(composed.map((key) => [key, page.texts[key]]));

const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;')
  .replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const options = (items) => items.map((item) => `<option>${escaped(item)}</option>`).join('');
const raw = {
  'options.days': options(page.days),
  'options.months': options(page.months),
  'options.years': options(page.years),
  // Inside a script element nothing may read as a closing tag.
  pageTexts: JSON.stringify(pageTexts).replace(/</g, '\\u003c'),
};
const values = { product: page.product, caption: page.caption };
for (const [group, entries] of Object.entries({ texts: page.texts, links: page.links })) {
  for (const [key, value] of Object.entries(entries)) values[`${group}.${key}`] = value;
}
const render = (template, escape) => template.replace(/\{\{([\w.]+)\}\}/g, (_, key) => {
  if (key in raw) return raw[key];
  if (!(key in values)) throw new Error(`no value for {{${key}}}`);
  return escape ? escaped(values[key]) : values[key];
});

writeFileSync(join(siteDir, 'index.html'), render(readFileSync(join(webDir, 'index.html'), 'utf8'), true));
writeFileSync(join(siteDir, 'manifest.webmanifest'),
  render(readFileSync(join(webDir, 'manifest.webmanifest'), 'utf8'), false));
for (const file of ['app.js', 'engine.js', 'picture.js', 'korvane.css']) {
  copyFileSync(join(webDir, file), join(siteDir, file));
}

// The service worker caches every other file of the site, under a version
// that changes whenever one of them does.
const files = readdirSync(siteDir).filter((file) => file !== 'sw.js').sort();
const digest = createHash('sha256');
for (const file of files) digest.update(file).update(readFileSync(join(siteDir, file)));
const worker = readFileSync(join(webDir, 'sw.js'), 'utf8')
  .replace('{{version}}', digest.digest('hex').slice(0, 16))
  .replace('{{files}}', JSON.stringify(['./', ...files]));
writeFileSync(join(siteDir, 'sw.js'), worker);
