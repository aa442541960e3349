// The look of the form, the three result tabs, About and refer-a-friend, at
// desktop and phone width, in both browsers: where the parts of each view lie
// (their layout boxes) and the colours at known points of them (a swatch's
// centre, a button's face, the page's blue), against
// tests/web/references/look.json, within a few pixels and shades, so that a
// browser update that moves a glyph by a pixel passes and a changed layout or
// colour does not. The screenshots themselves are written to OUT_DIR for a
// person to look at:
//   node look.mjs SITE_DIR OUT_DIR [--update]
// --update writes the references (look.json and the screenshots beside it);
// look at the screenshots before keeping them.
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { PNG } from 'pngjs';
import { Tally, languages, launch, root, serve, walkViews, widths } from './support.mjs';

const [siteDir, outDir, flag] = process.argv.slice(2);
const update = flag === '--update';
const references = join(root, 'tests', 'web', 'references');
const referenceFile = join(references, 'look.json');
const tally = new Tally();
mkdirSync(outDir, { recursive: true });

const views = ['form', 'astrology', 'feng-shui', 'elements', 'about', 'refer'];
const dialogs = ['about', 'refer'];
// The parts whose boxes are compared, where the colour is read: 'start' just
// inside the left edge, 'centre', or 'none'.
const parts = {
  '.bar': 'start', h1: 'none', main: 'start', '#form-heading': 'none', '#details': 'none',
  '#name': 'start', '#day': 'none', '#month': 'none', '#year': 'none', '.sexes': 'none',
  '#proceed': 'start', '#result-heading': 'none', '#tab-astrology': 'start', '#tab-feng-shui': 'start',
  '#car-colour': 'none', '#car-swatch': 'centre', '#car-text': 'none', '.facts': 'none',
  '#sign-text': 'none', '.purposes dt': 'none', '.purposes .swatch': 'centre', '#tab-elements': 'start',
  '.element-facts': 'none', '.colours .swatch': 'centre', '.actions button': 'start',
  'footer nav': 'none', '.notes a': 'none', '#about': 'start', '#about-ok': 'start', '#refer': 'start',
  '#refer input': 'start', '#refer-send': 'start',
};
const kPixels = 3;
const kShades = 8;

async function measure(page, fullPage) {
  return page.evaluate((partsOf, whole) => {
    const boxes = {};
    const points = {};
    const dx = whole ? window.scrollX : 0;
    const dy = whole ? window.scrollY : 0;
    for (const [selector, where] of Object.entries(partsOf)) {
      // A dialog is looked at on its own: what lies behind it depends on
      // where the page was scrolled to.
      [...document.querySelectorAll(selector)].filter((node) => node.getClientRects().length &&
        !node.closest('[hidden], dialog:not([open])') && (whole || node.closest('dialog'))).forEach((node, i) => {
        const r = node.getBoundingClientRect();
        const key = `${selector} ${i}`;
        boxes[key] = [r.x + dx, r.y + dy, r.width, r.height].map(Math.round);
        if (where !== 'none') {
          points[key] = [Math.round(where === 'start' ? r.x + dx + 4 : r.x + dx + r.width / 2),
            Math.round(r.y + dy + r.height / 2)];
        }
      });
    }
    if (whole) boxes.page = [0, 0, document.documentElement.scrollWidth, document.documentElement.scrollHeight];
    return { boxes, points };
  }, parts, fullPage);
}

function colours(file, points) {
  const image = PNG.sync.read(readFileSync(file));
  return Object.fromEntries(Object.entries(points).map(([key, [x, y]]) => {
    const i = 4 * (Math.min(y, image.height - 1) * image.width + Math.min(x, image.width - 1));
    return [key, [image.data[i], image.data[i + 1], image.data[i + 2]]];
  }));
}

// What differs beyond the tolerance: a box further than kPixels (plus 1 % of
// its distance from the top, or of its height) from where it was, or a colour more than
// kShades off in a channel.
function differences(now, reference) {
  const found = [];
  const keys = new Set([...Object.keys(now.boxes), ...Object.keys(reference.boxes)]);
  for (const key of keys) {
    const [a, b] = [now.boxes[key], reference.boxes[key]];
    if (!a || !b) {
      found.push(`${key} ${a ? 'is new' : 'is gone'}`);
      continue;
    }
    const far = a.some((v, i) => Math.abs(v - b[i]) > kPixels + (i % 2 ? 0.01 * Math.abs(b[i]) : 0));
    if (far) found.push(`${key} at ${a}, was ${b}`);
  }
  for (const [key, colour] of Object.entries(reference.colours)) {
    const got = now.colours[key];
    if (got && got.some((v, i) => Math.abs(v - colour[i]) > kShades)) found.push(`${key} colour ${got}, was ${colour}`);
  }
  return found;
}

const recorded = update ? {} : JSON.parse(readFileSync(referenceFile, 'utf8'));
for (const name of ['chromium', 'firefox']) {
  const server = await serve(siteDir);
  const { browser, close } = await launch(name);
  try {
    const page = await browser.newPage();
    for (const [width, [w, h]] of Object.entries(widths)) {
      await page.setViewport({ width: w, height: h });
      await walkViews(page, server.url, async (view) => {
        if (!views.includes(view)) return;
        // No focus ring or blinking caret in the pictures.
        await page.evaluate(() => document.activeElement?.blur());
        const shot = `${name}-${width}-${view}`;
        const fullPage = !dialogs.includes(view);
        const file = join(outDir, `${shot}.png`);
        await page.screenshot({ path: file, fullPage });
        const { boxes, points } = await measure(page, fullPage);
        const now = { boxes, colours: colours(file, points) };
        if (update) {
          recorded[shot] = now;
          writeFileSync(join(references, `${shot}.png`), readFileSync(file));
        } else if (!recorded[shot]) {
          tally.check(`${shot} has a reference`, false);
        } else {
          const found = differences(now, recorded[shot]);
          tally.check(`${shot}: layout and colours as in its reference`, found.length === 0, found.join('; '));
        }
      });
    }
    // The other languages, in Chromium, for a person to look at: whether
    // they fit is checked by the browser tests.
    for (const { tag } of name === 'chromium' && !update ? languages(siteDir).slice(1) : []) {
      for (const [width, [w, h]] of Object.entries(widths)) {
        await page.setViewport({ width: w, height: h });
        await walkViews(page, `${server.url}?lang=${tag}`, async (view) => {
          if (!views.includes(view)) return;
          await page.evaluate(() => document.activeElement?.blur());
          await page.screenshot({ path: join(outDir, `${name}-${tag}-${width}-${view}.png`),
            fullPage: !dialogs.includes(view) });
        });
      }
    }
  } catch (error) {
    tally.check(`${name}: every view was looked at`, false, String(error.stack ?? error));
  } finally {
    await close();
    await server.stop();
  }
}
if (update) {
  writeFileSync(referenceFile, `${JSON.stringify(recorded, null, 0).replace(/\},"/g, '},\n"')}\n`);
  console.log(`wrote ${referenceFile} and the screenshots beside it`);
} else {
  process.exitCode = tally.summary('look') ? 0 : 1;
}
