// The page in Debian's Chromium and Firefox ESR, driven as a person would:
//   node browsers.mjs SITE_DIR [chromium|firefox ...]
// Prints every check and a summary; exits non-zero when one fails.
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Tally, launch, serve } from './support.mjs';

const [siteDir, ...chosen] = process.argv.slice(2);
const browsers = chosen.length ? chosen : ['chromium', 'firefox'];
const tally = new Tally();

const text = (page, selector) => page.$eval(selector, (node) => node.textContent);
const visible = (page, selector) => page.$eval(selector, (node) => !node.closest('[hidden]'));
const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');

// Types a list's entry by its first characters, as a keyboard user does.
async function chooseByKeyboard(page, entry) {
  await page.keyboard.type(entry, { delay: 20 });
}

async function fillByKeyboard(page, name, day, month, year, male) {
  await page.keyboard.type(name);
  await page.keyboard.press('Tab');
  await chooseByKeyboard(page, day);
  await page.keyboard.press('Tab');
  await chooseByKeyboard(page, month);
  await page.keyboard.press('Tab');
  await chooseByKeyboard(page, year);
  await page.keyboard.press('Tab'); // onto the chosen option, "Male"
  if (!male) await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
}

async function formState(page) {
  return page.evaluate(() => ({
    name: document.getElementById('name').value,
    day: document.getElementById('day').value,
    month: document.getElementById('month').value,
    year: document.getElementById('year').value,
    male: document.getElementById('male').checked,
  }));
}

async function astrology(page) {
  await page.waitForSelector('#result-view:not([hidden])', { timeout: 5000 });
  return page.evaluate(() => ({
    kua: document.getElementById('kua').textContent,
    sign: document.getElementById('sign').textContent,
    planet: document.getElementById('planet').textContent,
    colour: document.getElementById('car-colour').textContent,
    swatch: getComputedStyle(document.getElementById('car-swatch')).backgroundColor,
  }));
}

async function noSidewaysScrolling(page) {
  return page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth);
}

async function reload(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.activeElement?.id === 'name', { timeout: 5000 });
}

async function session(name) {
  const server = await serve(siteDir);
  const { browser, close } = await launch(name);
  const origin = new URL(server.url).origin;
  const foreign = [];
  const problems = [];
  try {
    const page = await browser.newPage();
    page.on('request', (request) => {
      const url = request.url();
      if (!url.startsWith(origin) && !url.startsWith('data:')) foreign.push(url);
    });
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(message.text());
    });
    page.on('pageerror', (error) => problems.push(String(error)));
    // Addresses the page opens are recorded instead of followed.
    await page.evaluateOnNewDocument(() => {
      window.korvaneOpened = [];
      window.open = (address) => {
        window.korvaneOpened.push(address);
        return null;
      };
    });
    await page.setViewport({ width: 1024, height: 800 });
    await reload(page, server.url);
    const check = (what, ...rest) => tally.check(`${name}: ${what}`, ...rest);
    const equal = (what, ...rest) => tally.equal(`${name}: ${what}`, ...rest);

    equal('a fresh form has the defaults', await formState(page),
      { name: '', day: '1', month: 'January', year: '1900', male: true });
    equal('the lists hold 31 days, 12 months and 151 years', await page.evaluate(() =>
      ['day', 'month', 'year'].map((id) => document.getElementById(id).options.length)), [31, 12, 151]);

    // A whole reading by keyboard alone.
    await fillByKeyboard(page, 'Ann Lee', '15', 'March', '1975', true);
    equal('15 March 1975, Male, by keyboard: the astrology reading', await astrology(page),
      { kua: '7', sign: 'Pisces', planet: 'Jupiter', colour: 'Yellow', swatch: 'rgb(255, 255, 0)' });
    equal('the focus is on Back after a reading', await focused(page), 'back');
    check('the astrology tab is selected first',
      await page.$eval('#tab-astrology', (tab) => tab.getAttribute('aria-selected') === 'true'));

    // The tabs by arrow keys, with a roving tab index.
    await page.focus('#tab-astrology');
    await page.keyboard.press('ArrowRight');
    equal('ArrowRight selects and focuses the Feng Shui tab', [await focused(page),
      await page.$eval('#tab-feng-shui', (tab) => [tab.getAttribute('aria-selected'), tab.tabIndex])],
    ['tab-feng-shui', ['true', 0]]);
    check('the Feng Shui panel shows, the astrology panel hides',
      await visible(page, '#panel-feng-shui') && !(await visible(page, '#panel-astrology')));
    equal('the four purpose colours and swatches for Kua 7', await page.$$eval('.purposes dd', (rows) =>
      rows.map((row) => [row.querySelector('.value').textContent,
        getComputedStyle(row.querySelector('.swatch')).backgroundColor])),
    [['White', 'rgb(255, 255, 255)'], ['Coral', 'rgb(255, 120, 80)'],
      ['Beige', 'rgb(255, 200, 150)'], ['Gold', 'rgb(255, 215, 0)']]);
    await page.keyboard.press('ArrowRight');
    equal('ArrowRight on the last tab wraps to the first', await focused(page), 'tab-astrology');
    await page.keyboard.press('End');
    await page.keyboard.press('ArrowLeft');
    equal('End, then ArrowLeft comes back to the astrology tab', [await focused(page),
      await page.$eval('#tab-feng-shui', (tab) => tab.tabIndex)], ['tab-astrology', -1]);

    // Back to a fresh form, by keyboard.
    await page.focus('#back');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#form-view:not([hidden])');
    equal('Back brings a fresh form with the defaults', await formState(page),
      { name: '', day: '1', month: 'January', year: '1900', male: true });
    equal('after Back the focus is in the name box', await focused(page), 'name');

    // A January birth counts from the year before: 1974 for 10 January 1975.
    await fillByKeyboard(page, 'Bo', '10', 'January', '1975', true);
    equal('10 January 1975, Male: Kua 8 from 1974, Capricorn, Violet', await astrology(page),
      { kua: '8', sign: 'Capricorn', planet: 'Saturn', colour: 'Violet', swatch: 'rgb(120, 0, 120)' });
    await page.click('#back');

    // The checks, shown beside the form and announced, never as alert().
    await page.click('#proceed');
    equal('an empty name: its message, in an alert region, focus in the name box',
      [await text(page, '#problem'), await page.$eval('#problem', (n) => n.getAttribute('role')),
        await focused(page)], ['Please Enter Your Name', 'alert', 'name']);
    await page.type('#name', 'Ann');
    await page.select('#day', '29');
    await page.select('#month', 'February');
    await page.select('#year', '1999');
    await page.click('#proceed');
    equal('29 February 1999: the date message, no reading',
      [await text(page, '#problem'), await visible(page, '#result-view')],
      ['Please Enter Correct Date Or Month!', false]);
    await page.select('#day', '31');
    await page.select('#month', 'April');
    await page.click('#proceed');
    equal('31 April: the message with the blank', await text(page, '#problem'),
      'Please Enter Correct Date Or Month !');

    // About, in a dialog.
    await page.click('#open-about');
    check('About opens a modal dialog with the about texts', await page.$eval('#about', (d) =>
      d.open && d.textContent.includes('Korvane gives you the choice of the best color')));
    await page.keyboard.press('Escape');
    check('Escape closes About', !(await page.$eval('#about', (d) => d.open)));
    equal('every link opens a new tab with rel="noopener" over https',
      await page.$$eval('a', (links) => links.filter((a) => a.target !== '_blank' ||
        a.rel !== 'noopener' || !a.href.startsWith('https://')).map((a) => a.href)), []);

    // Refer a friend: the same checks and the percent-encoded address.
    await page.click('#open-refer');
    await page.click('#refer-send');
    equal('refer a friend, untouched: the e-mail check comes first', await text(page, '#refer-problem'),
      'Please Enter Proper Email Address');
    await page.type('#refer-email', 'ann@a.example');
    await page.type('#refer-friend-email', 'bo@b.example');
    await page.click('#refer-send');
    equal('refer a friend without a name', await text(page, '#refer-problem'), 'Please Enter Your Name');
    await page.type('#refer-name', 'Ann');
    await page.click('#refer-send');
    equal('refer a friend without the friend\'s name', await text(page, '#refer-problem'),
      'Please Enter Your Friend\'s Name');
    for (const box of ['#refer-name', '#refer-email', '#refer-friend-email'])
      await page.$eval(box, (input) => { input.value = ''; });
    await page.type('#refer-name', '  Ann & Lee ');
    await page.type('#refer-email', 'ann@a.example');
    await page.type('#refer-friend-name', 'Bo');
    await page.type('#refer-friend-email', 'ann@a.example');
    await page.click('#refer-send');
    equal('refer a friend: equal addresses are refused', await text(page, '#refer-problem'),
      'Please Enter Distinct Email Addresses');
    await page.focus('#refer-friend-email');
    await page.keyboard.type(' ');
    equal('a space typed into an e-mail box is refused and left out',
      [await text(page, '#refer-problem'), await page.$eval('#refer-friend-email', (b) => b.value)],
      ['Email Address Cannot Contain Space', 'ann@a.example']);
    await page.$eval('#refer-friend-email', (box) => { box.value = ''; });
    await page.type('#refer-friend-email', 'bo@b.example');
    await page.click('#refer-send');
    equal('refer a friend: the request address, percent-encoded, in a new tab',
      await page.evaluate(() => window.korvaneOpened),
      ['https://www.quillory.example/tell-a-friend.html?taf1=Ann%20%26%20Lee&taf2=ann%40a.example' +
        '&taf3=Your%20Message%0D%0A&taf4=Bo&taf5=bo%40b.example&taf6=https://www.korvane.example/']);
    await page.click('#refer-close');

    // A phone's width: no sideways scrolling in any view.
    await page.setViewport({ width: 360, height: 740 });
    await reload(page, server.url);
    check('360 px: the form does not scroll sideways', await noSidewaysScrolling(page));
    await page.type('#name', 'Ann');
    await page.select('#day', '15');
    await page.select('#month', 'March');
    await page.select('#year', '1975');
    await page.click('#proceed');
    await astrology(page);
    check('360 px: the astrology reading does not scroll sideways', await noSidewaysScrolling(page));
    await page.click('#tab-feng-shui');
    check('360 px: the Feng Shui reading does not scroll sideways', await noSidewaysScrolling(page));
    await page.click('#open-about');
    check('360 px: About does not scroll sideways', await noSidewaysScrolling(page));
    await page.keyboard.press('Escape');

    // Offline: once the page has been visited, it works without the server.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await reload(page, server.url);
    check('the service worker controls the page after the first visit',
      await page.evaluate(() => Boolean(navigator.serviceWorker.controller)));
    await server.stop();
    await reload(page, server.url);
    await page.type('#name', 'Ann');
    await page.select('#day', '15');
    await page.select('#month', 'March');
    await page.select('#year', '1975');
    await page.click('#proceed');
    equal('offline: a reading after a reload with the server gone', (await astrology(page)).sign,
      'Pisces');

    if (name === 'chromium') {
      // Manifest, icons and service worker as Chromium wants them for installing.
      const devtools = await page.createCDPSession();
      const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
      equal('Chromium finds the page installable', installabilityErrors, []);
      await devtools.detach();
      // A dark system theme leaves Korvane's own colours as they are.
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
      equal('under a dark theme the page keeps its blue and its white boxes',
        await page.evaluate(() => [getComputedStyle(document.documentElement).backgroundColor,
          getComputedStyle(document.getElementById('name')).backgroundColor]),
        ['rgb(68, 109, 217)', 'rgb(255, 255, 255)']);
    }

    // Nothing of the birth details is kept: no cookie, no web storage, and
    // the cache holds the site's own files only.
    equal('no cookies, no web storage, only the site\'s files in the cache', await page.evaluate(
      async (site) => [document.cookie, localStorage.length, sessionStorage.length,
        (await Promise.all((await caches.keys()).map(async (key) =>
          (await (await caches.open(key)).keys()).map((request) => request.url))))
          .flat().filter((url) => !url.startsWith(site) || url.includes('?'))], server.url),
    ['', 0, 0, []]);
    equal('no request left the page\'s own origin', foreign, []);
    equal('no errors on the console (a blocked resource would show here)', problems, []);
  } finally {
    await close();
    await server.stop();
  }
}

// A new version of the site replaces the cached one on the next visit: a
// copy of the site is visited, then changed as a new build changes it (new
// files, so a new cache version in the service worker).
async function newVersion(name) {
  const copy = mkdtempSync(join(tmpdir(), 'korvane-site-'));
  cpSync(siteDir, copy, { recursive: true });
  const server = await serve(copy);
  const { browser, close } = await launch(name);
  try {
    const page = await browser.newPage();
    await page.goto(server.url, { waitUntil: 'load' });
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload({ waitUntil: 'load' });
    const before = await page.title();
    const index = join(copy, 'index.html');
    writeFileSync(index, readFileSync(index, 'utf8').replace('<title>', '<title>New '));
    const worker = join(copy, 'sw.js');
    writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const VERSION = '(\w+)'/,
      (_, version) => `const VERSION = '${version}-new'`));
    // The visit after the change finds the new worker, which takes over and
    // drops the old cache; the visit after that shows the new page.
    await page.reload({ waitUntil: 'load' });
    await page.waitForFunction(() => navigator.serviceWorker.controller?.scriptURL &&
      caches.keys().then((keys) => keys.length === 1 && keys[0].endsWith('-new')), { timeout: 10000 })
      .catch(() => {});
    await page.reload({ waitUntil: 'load' });
    tally.equal(`${name}: a new version of the site replaces the cached one on the next visit`,
      [before.startsWith('New '), await page.title().then((t) => t.startsWith('New ')),
        await page.evaluate(() => caches.keys())],
      [false, true, [`korvane-${readFileSync(worker, 'utf8').match(/const VERSION = '([\w-]+)'/)[1]}`]]);
  } finally {
    await close();
    await server.stop();
    rmSync(copy, { recursive: true, force: true });
  }
}

for (const name of browsers) {
  console.log(`${name}:`);
  try {
    await session(name);
    await newVersion(name);
  } catch (error) {
    tally.check(`${name}: the session ran to its end`, false, String(error.stack ?? error));
  }
}
process.exitCode = tally.summary('browser tests') ? 0 : 1;
