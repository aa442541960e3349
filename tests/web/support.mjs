// What the browser tests share: a server for the site, the two browsers,
// and a tally of checks that ends in a summary.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const here = new URL('.', import.meta.url).pathname;
export const root = join(here, '..', '..');

// Serves the site on a free port of 127.0.0.1; stop() ends that server only.
export async function serve(siteDir) {
  const server = spawn('python3', [join(root, 'web', 'serve.py'), siteDir],
    { stdio: ['ignore', 'pipe', 'inherit'] });
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
