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

const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;')
  .replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const options = (items) => items.map((item) => `<option>${escaped(item)}</option>`).join('');
const values = {
  caption: page.caption,
  'options.days': options(page.days),
  'options.months': options(page.months),
  'options.years': options(page.years),
};
for (const [group, entries] of Object.entries({ texts: page.texts, links: page.links, placeholders: page.placeholders })) {
  for (const [key, value] of Object.entries(entries)) values[`${group}.${key}`] = value;
}
const render = (template, escape) => template.replace(/\{\{([\w.]+)\}\}/g, (_, key) => {
  if (!(key in values)) throw new Error(`no value for {{${key}}}`);
  return key.startsWith('options.') || !escape ? values[key] : escaped(values[key]);
});

writeFileSync(join(siteDir, 'index.html'), render(readFileSync(join(webDir, 'index.html'), 'utf8'), true));
writeFileSync(join(siteDir, 'manifest.webmanifest'),
  render(readFileSync(join(webDir, 'manifest.webmanifest'), 'utf8'), false));
for (const file of ['app.js', 'engine.js', 'korvane.css']) copyFileSync(join(webDir, file), join(siteDir, file));

// The service worker caches every other file of the site, under a version
// that changes whenever one of them does.
const files = readdirSync(siteDir).filter((file) => file !== 'sw.js').sort();
const digest = createHash('sha256');
for (const file of files) digest.update(file).update(readFileSync(join(siteDir, file)));
const worker = readFileSync(join(webDir, 'sw.js'), 'utf8')
  .replace('{{version}}', digest.digest('hex').slice(0, 16))
  .replace('{{files}}', JSON.stringify(['./', ...files]));
writeFileSync(join(siteDir, 'sw.js'), worker);
