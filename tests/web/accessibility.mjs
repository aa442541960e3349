// axe-core over every view of the page in Chromium: the form (also with a
// message shown), the result with each tab, About and refer-a-friend:
//   node accessibility.mjs SITE_DIR
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { Tally, launch, serve } from './support.mjs';

const [siteDir] = process.argv.slice(2);
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const tally = new Tally();

async function audit(page, view) {
  // Evaluated through the DevTools protocol, which the page's own
  // Content-Security-Policy does not govern.
  await page.evaluate(axeSource);
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run(document);
    return result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
  });
  tally.equal(`axe finds nothing on ${view}`, violations, []);
}

const server = await serve(siteDir);
const { browser, close } = await launch('chromium');
try {
  const page = await browser.newPage();
  for (const [width, height] of [[1024, 800], [360, 740]]) {
    await page.setViewport({ width, height });
    await page.goto(server.url, { waitUntil: 'load' });
    await audit(page, `the form at ${width} px`);
    await page.click('#proceed');
    await page.waitForSelector('#problem:not([hidden])');
    await audit(page, `the form with a message at ${width} px`);
    await page.type('#name', 'Ann');
    await page.select('#day', '15');
    await page.select('#month', 'March');
    await page.select('#year', '1975');
    await page.click('#proceed');
    await page.waitForSelector('#result-view:not([hidden])');
    await audit(page, `the astrology tab at ${width} px`);
    await page.click('#tab-feng-shui');
    await audit(page, `the Feng Shui tab at ${width} px`);
    await page.click('#open-about');
    await audit(page, `About at ${width} px`);
    await page.keyboard.press('Escape');
    await page.click('#open-refer');
    await audit(page, `refer-a-friend at ${width} px`);
    await page.click('#refer-send');
    await page.waitForSelector('#refer-problem:not([hidden])');
    await audit(page, `refer-a-friend with a message at ${width} px`);
  }
} catch (error) {
  tally.check('the accessibility run ran to its end', false, String(error.stack ?? error));
} finally {
  await close();
  await server.stop();
}
process.exitCode = tally.summary('accessibility') ? 0 : 1;
