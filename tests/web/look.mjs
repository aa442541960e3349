// Screenshots of every view at desktop and phone width in both browsers,
// compared with the references kept in tests/web/references/:
//   node look.mjs SITE_DIR OUT_DIR [--update]
// --update writes the references instead (look at them before keeping them).
import { existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { PNG } from 'pngjs';
import { Tally, launch, root, serve } from './support.mjs';

const [siteDir, outDir, flag] = process.argv.slice(2);
const update = flag === '--update';
const references = join(root, 'tests', 'web', 'references');
const tally = new Tally();
mkdirSync(outDir, { recursive: true });
mkdirSync(references, { recursive: true });

// Runs on this machine gave byte-identical pictures, so a pixel counts as
// different as soon as any channel differs; raise this step if another
// machine's font smoothing turns out to differ by a shade.
const kChannelTolerance = 0;

function difference(actualFile, referenceFile) {
  const actual = PNG.sync.read(readFileSync(actualFile));
  const reference = PNG.sync.read(readFileSync(referenceFile));
  if (actual.width !== reference.width || actual.height !== reference.height)
    return `size ${actual.width}x${actual.height}, reference ${reference.width}x${reference.height}`;
  let differing = 0;
  for (let i = 0; i < actual.data.length; i += 4) {
    for (let c = 0; c < 3; ++c) {
      if (Math.abs(actual.data[i + c] - reference.data[i + c]) > kChannelTolerance) {
        ++differing;
        break;
      }
    }
  }
  return differing === 0 ? '' : `${differing} pixels differ`;
}

const widths = { desktop: [1024, 800], phone: [360, 740] };

async function views(page, url, take) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.activeElement?.id === 'name');
  await take('form');
  await page.type('#name', 'Ann Lee');
  await page.select('#day', '15');
  await page.select('#month', 'March');
  await page.select('#year', '1975');
  await page.click('#proceed');
  await page.waitForSelector('#result-view:not([hidden])');
  await take('astrology');
  await page.click('#tab-feng-shui');
  await take('feng-shui');
  await page.click('#open-about');
  await take('about');
  await page.keyboard.press('Escape');
  await page.click('#open-refer');
  await take('refer');
}

for (const name of ['chromium', 'firefox']) {
  const server = await serve(siteDir);
  const { browser, close } = await launch(name);
  try {
    const page = await browser.newPage();
    for (const [width, [w, h]] of Object.entries(widths)) {
      await page.setViewport({ width: w, height: h });
      await views(page, server.url, async (view) => {
        // No focus ring or blinking caret in the pictures.
        await page.evaluate(() => document.activeElement?.blur());
        const file = `${name}-${width}-${view}.png`;
        await page.screenshot({ path: join(outDir, file), fullPage: view !== 'about' && view !== 'refer' });
        if (update) {
          writeFileSync(join(references, file), readFileSync(join(outDir, file)));
          console.log(`  wrote ${file}`);
        } else if (!existsSync(join(references, file))) {
          tally.check(`${file} has a reference`, false);
        } else {
          const differs = difference(join(outDir, file), join(references, file));
          tally.check(`${file} looks like its reference`, !differs, differs);
        }
      });
    }
  } catch (error) {
    tally.check(`${name}: the screenshots were taken`, false, String(error.stack ?? error));
  } finally {
    await close();
    await server.stop();
  }
}
if (!update) process.exitCode = tally.summary('look') ? 0 : 1;
