// Lighthouse's four scores for the page, mobile, in Debian's Chromium:
//   node lighthouse.mjs SITE_DIR
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { root, serve } from '../../tests/web/support.mjs';

const [siteDir] = process.argv.slice(2);
const work = mkdtempSync(join(tmpdir(), 'korvane-lighthouse-'));
const server = await serve(siteDir);
try {
  const flags = '--headless --no-sandbox --disable-gpu --disable-background-networking ' +
    `--disable-component-update --disable-sync --no-first-run --user-data-dir=${join(work, 'profile')}`;
  execFileSync(join(root, 'tests', 'web', 'node_modules', '.bin', 'lighthouse'), [server.url, '--quiet',
    '--output=json', `--output-path=${join(work, 'report.json')}`, `--chrome-flags=${flags}`,
    '--only-categories=performance,accessibility,best-practices,seo'],
  { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, stdio: 'inherit' });
  const report = JSON.parse(readFileSync(join(work, 'report.json'), 'utf8'));
  const scores = Object.values(report.categories)
    .map((c) => `${c.title} ${Math.round(c.score * 100)}`).join(', ');
  console.log(`Lighthouse ${report.lighthouseVersion} (${report.configSettings.formFactor}): ${scores}`);
  const failing = Object.values(report.audits)
    .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary').map((a) => a.id);
  if (failing.length) console.log(`  audits not passed: ${failing.join(', ')}`);
} finally {
  await server.stop();
  rmSync(work, { recursive: true, force: true });
}
