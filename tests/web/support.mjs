// What the browser tests and the web benchmark share: a server for the site,
// the two browsers, filling the form, a walk over every view, and a tally of
// checks that ends in a summary.
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const here = new URL('.', import.meta.url).pathname;
export const root = join(here, '..', '..');
export const widths = { desktop: [1024, 800], phone: [360, 740] };

// Serves a folder on a free port of 127.0.0.1; stop() ends that server only.
// Options: maxAge (seconds browsers may keep files), gzip (files sent
// compressed at gzip -9), log (a file that gets the status and path of every
// request).
export async function serve(folder, { maxAge, gzip, log } = {}) {
  const args = [join(root, 'web', 'serve.py'), folder];
  if (maxAge !== undefined) args.push('--max-age', String(maxAge));
  if (gzip) args.push('--gzip');
  if (log) args.push('--log', log);
  const server = spawn('python3', args, { stdio: ['ignore', 'pipe', 'inherit'] });
  const first = await createInterface({ input: server.stdout })[Symbol.asyncIterator]().next();
  if (first.done) throw new Error('the web server did not start');
  return {
    url: first.value.trim(),
    stop: () => new Promise((resolve) => {
      if (server.exitCode !== null || server.signalCode !== null) return resolve();
      server.once('exit', resolve);
      server.kill('SIGTERM');
    }),
  };
}

// A copy of the site in a temporary folder, under an optional sub-folder;
// remove() deletes it.
export function copySite(siteDir, ...subFolders) {
  const folder = mkdtempSync(join(tmpdir(), 'korvane-site-'));
  for (const sub of subFolders.length ? subFolders : ['']) cpSync(siteDir, join(folder, sub), { recursive: true });
  return { folder, remove: () => rmSync(folder, { recursive: true, force: true }) };
}

// A new version of a copy of the site, as its build would write one: the
// files changed, and the service worker with their digests under a new version.
export function newVersion(folder, changes) {
  const edit = (file, change) => writeFileSync(join(folder, file), change(readFileSync(join(folder, file), 'utf8')));
  for (const [file, change] of Object.entries(changes)) edit(file, change);
  edit('sw.js', (worker) => {
    const digests = JSON.parse(/const DIGESTS = (.*);/.exec(worker)?.[1] ?? '{}');
    for (const file of Object.keys(digests)) {
      digests[file] = createHash('sha256').update(readFileSync(join(folder, file))).digest('base64');
    }
    return worker.replace(/const DIGESTS = .*;/, () => `const DIGESTS = ${JSON.stringify(digests)};`)
      .replace(/const VERSION = '(\w+)'/, "const VERSION = '$1-new'");
  });
}

// Debian's browsers, headless, each with a fresh profile in a temporary folder.
export async function launch(name) {
  const profile = mkdtempSync(join(tmpdir(), `korvane-${name}-`));
  const options = name === 'chromium' ? {
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run',
      '--disable-default-apps', '--font-render-hinting=none', '--hide-scrollbars'],
  } : {
    browser: 'firefox',
    protocol: 'webDriverBiDi',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: profile,
    extraPrefsFirefox: {
      'network.captive-portal-service.enabled': false,
      'browser.safebrowsing.update.enabled': false,
      'app.update.enabled': false,
    },
  };
  const browser = await puppeteer.launch(options);
  return {
    browser,
    close: async () => {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The example reading of every test: 15 March 1975, Male.
export const example = { name: 'Ann Lee', day: '15', month: 'March', year: '1975', male: true };

// The page's languages, English first, as its build wrote them into it.
export function languages(siteDir) {
  const page = readFileSync(join(siteDir, 'index.html'), 'utf8');
  return JSON.parse(/id="catalogues">(.*?)<\/script>/.exec(page)[1]).languages;
}

// Opens the page as a new history entry and waits until its engine is there.
// How long a step may take to show what it waits for: generous, since a
// busy machine compiles the engine slowly; a step that works ends at once.
export const kPatience = 60000;

export async function openPage(page, url) {
  await page.goto('about:blank');
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('#proceed[aria-busy="false"]', { timeout: kPatience });
}

// Fills the birth details form with the mouse; the name box is emptied first.
export async function fillForm(page, form = example) {
  await page.$eval('#name', (box) => { box.value = ''; });
  await page.type('#name', form.name);
  await page.select('#day', form.day);
  await page.select('#month', form.month);
  await page.select('#year', form.year);
  await page.click(form.male ? '#male' : '#female');
}

export async function waitForReading(page) {
  await page.waitForSelector('#result-view:not([hidden])', { timeout: kPatience });
}

// Every view of the page, in order, at the page's current width: visit(view)
// runs while each is on screen. The views: form, form-message, astrology,
// share (the link of the reading shown), feng-shui, elements, about, refer,
// refer-message.
export async function walkViews(page, url, visit) {
  await openPage(page, url);
  await visit('form');
  await page.click('#proceed');
  await page.waitForSelector('#problem:not([hidden])');
  await visit('form-message');
  await fillForm(page);
  await page.click('#proceed');
  await waitForReading(page);
  await visit('astrology');
  await page.click('#share');
  await page.waitForSelector('#share-box:not([hidden])');
  await visit('share');
  await page.click('#tab-feng-shui');
  await visit('feng-shui');
  await page.click('#tab-elements');
  await visit('elements');
  await page.click('#open-about');
  await visit('about');
  await page.keyboard.press('Escape');
  await page.click('#open-refer');
  await visit('refer');
  await page.click('#refer-send');
  await page.waitForSelector('#refer-problem:not([hidden])');
  await visit('refer-message');
  await page.click('#refer-close');
}

export class Tally {
  constructor() {
    this.passed = 0;
    this.failed = [];
  }

  check(name, condition, detail = '') {
    if (condition) {
      ++this.passed;
      console.log(`  ok    ${name}`);
    } else {
      this.failed.push(name);
      console.log(`  FAIL  ${name}${detail ? `: ${detail}` : ''}`);
    }
  }

  equal(name, actual, expected) {
    this.check(name, JSON.stringify(actual) === JSON.stringify(expected),
      `got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
  }

  // Prints the summary; true when every check passed.
  summary(title) {
    console.log(`${title}: ${this.passed} passed, ${this.failed.length} failed`);
    for (const name of this.failed) console.log(`  failed: ${name}`);
    return this.failed.length === 0;
  }
}
