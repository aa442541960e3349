// The built page checked by html-validate (its recommended rules), then
// axe-core and pa11y (HTML_CodeSniffer, WCAG 2 AA) over every view of the
// page in Chromium, in every language, at desktop and phone width (the views
// of walkViews in support.mjs):
//   node accessibility.mjs SITE_DIR
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { HtmlValidate } from 'html-validate';
import pa11y from 'pa11y';
import { Tally, languages, launch, serve, walkViews, widths } from './support.mjs';

const [siteDir] = process.argv.slice(2);
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const tally = new Tally();

const validator = new HtmlValidate({ extends: ['html-validate:recommended'] });
const report = await validator.validateFile(join(siteDir, 'index.html'));
tally.equal('html-validate finds nothing in the built page', report.results.flatMap(({ messages }) =>
  messages.map(({ ruleId, line, message }) => `${ruleId} at line ${line}: ${message}`)), []);

const server = await serve(siteDir);
const { browser, close } = await launch('chromium');
try {
  const page = await browser.newPage();
  for (const [[width, height], { tag }] of Object.values(widths)
    .flatMap((size) => languages(siteDir).map((language) => [size, language]))) {
    await page.setViewport({ width, height });
    await walkViews(page, `${server.url}?lang=${tag}`, async (view) => {
      // Evaluated through the DevTools protocol, which the page's own
      // Content-Security-Policy does not govern.
      await page.evaluate(axeSource);
      const violations = await page.evaluate(async () => {
        const result = await window.axe.run(document);
        return result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
      });
      tally.equal(`axe finds nothing on ${view} in ${tag} at ${width} px`, violations, []);
      // pa11y looks at the page as it stands, in the browser given.
      const { issues } = await pa11y(server.url, {
        browser, page, ignoreUrl: true, standard: 'WCAG2AA', viewport: { width, height },
      });
      tally.equal(`pa11y (WCAG 2 AA) finds nothing on ${view} in ${tag} at ${width} px`,
        issues.map(({ code, selector }) => `${code} (${selector})`), []);
    });
  }
} catch (error) {
  tally.check('the accessibility run ran to its end', false, String(error.stack ?? error));
} finally {
  await close();
  await server.stop();
}
process.exitCode = tally.summary('accessibility') ? 0 : 1;
