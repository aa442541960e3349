// The page in Debian's Chromium and Firefox ESR, driven as a person would:
//   node browsers.mjs SITE_DIR [chromium|firefox ...]
// Prints every check and a summary; exits non-zero when one fails. With
// KORVANE_WEB_OUT naming a folder, the saved picture and the printed pages
// are written there for a person to look at.
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { PNG } from 'pngjs';
import { filled } from '../../web/phrase.js';
import {
  kPatience, Tally, copySite, newVersion, example, fillForm, languages, launch, openPage, serve, waitForReading, walkViews,
} from './support.mjs';

const [siteDir, ...chosen] = process.argv.slice(2);
const browsers = chosen.length ? chosen : ['chromium', 'firefox'];
const out = process.env.KORVANE_WEB_OUT;
const tally = new Tally();

const text = (page, selector) => page.$eval(selector, (node) => node.textContent);
const visible = (page, selector) => page.$eval(selector, (node) => !node.closest('[hidden]'));
// Waits until the page's engine is there or has failed to load.
const ready = (page) => page.waitForSelector('#proceed[aria-busy="false"]', { timeout: kPatience });
const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');
// The example birth details, sent.
const submit = async (page) => {
  await fillForm(page);
  await page.click('#proceed');
};
const wordsOf = (code) => JSON.parse(readFileSync(join(siteDir, 'lang', `${code}.json`), 'utf8'));
const rgb = (hex) => `rgb(${[1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

// The example reading: Pisces, Kua 7.
const pisces = { kua: '7', sign: 'Pisces', planet: 'Jupiter', colour: 'Yellow', swatch: 'rgb(255, 255, 0)' };
const kua7 = [['White', '#ffffff'], ['Coral', '#ff7850'], ['Beige', '#ffc896'], ['Gold', '#ffd700']];

// Types a list's entry by its first characters, as a keyboard user does.
async function fillByKeyboard(page, name, day, month, year) {
  await page.keyboard.type(name);
  for (const entry of [day, month, year]) {
    await page.keyboard.press('Tab');
    await page.keyboard.type(entry, { delay: 20 });
  }
  await page.keyboard.press('Tab'); // onto the chosen option, "Male"
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
}

const formState = (page) => page.evaluate(() => ({
  ...Object.fromEntries(['name', 'day', 'month', 'year'].map((id) => [id, document.getElementById(id).value])),
  male: document.getElementById('male').checked,
}));
// The form as a fresh page shows it.
const defaults = { name: '', day: '1', month: 'January', year: '1900', male: true };

// A fresh profile visits once, in Vietnamese: each file comes over the wire
// once. Then the server goes: a reading in the words of that visit, its
// manifest kept, and Spanish, never loaded, saying it needs a connection.
async function offlineAfterOneVisit(browser) {
  const profile = await browser.createBrowserContext();
  const log = join(mkdtempSync(join(tmpdir(), 'korvane-log-')), 'requests');
  const server = await serve(siteDir, { log });
  try {
    const page = await profile.newPage();
    await openPage(page, `${server.url}?lang=vi`);
    await page.waitForFunction(async () => navigator.serviceWorker.controller && caches.match('lang/vi.json'),
      { timeout: kPatience }).catch(() => {});
    const fetched = readFileSync(log, 'utf8').split('\n').filter((line) => line.startsWith('200 '))
      .map((line) => line.split(' ')[2].replace(/\?.*/, '').replace(/\/$/, '/index.html'));
    await server.stop();
    await openPage(page, `${server.url}?lang=vi`);
    await submit(page);
    const { sign, colour } = await astrology(page);
    await page.select('#language', 'es');
    await page.waitForSelector('#language-problem:not([hidden])', { timeout: 5000 }).catch(() => {});
    return {
      twice: fetched.filter((file, i) => fetched.indexOf(file) !== i),
      reading: [sign, colour],
      manifest: await page.evaluate(async () => Boolean(await caches.match('manifest.vi.webmanifest'))),
      spanish: await page.evaluate((box) => [document.documentElement.lang,
        document.getElementById('language').value, box.hidden ? '' : box.textContent], await page.$('#language-problem')),
    };
  } finally {
    await profile.close();
    await server.stop();
    rmSync(join(log, '..'), { recursive: true, force: true });
  }
}

// The astrology reading on screen; empty values when none shows up.
async function astrology(page) {
  if (!(await waitForReading(page).then(() => true, () => false))) return {};
  return page.evaluate(() => {
    const [kua, sign, planet, colour] = ['kua', 'sign', 'planet', 'car-colour'].map((id) => document.getElementById(id).textContent);
    return { kua, sign, planet, colour, swatch: getComputedStyle(document.getElementById('car-swatch')).backgroundColor };
  });
}

// Serves the folder (with serve's options), starts the browser and opens a
// tab; runs part(page, server, browser), then ends them and runs the clean-ups.
async function inBrowser(name, folder, options, part, ...cleanUps) {
  const server = await serve(folder, options);
  const { browser, close } = await launch(name);
  try {
    return await part(await browser.newPage(), server, browser);
  } finally {
    await close();
    await server.stop();
    for (const cleanUp of cleanUps) cleanUp();
  }
}

// What a phone user needs of every view, measured at 360 px: no sideways
// scrolling, controls and links of at least 44 × 44 px (a radio button with
// its label), text boxes and lists in 16 px text or more, no text wider than
// its box; then, with the text at twice its size, every text twice as large,
// none wider than its box, and still no sideways scrolling.
function phoneProblems() {
  const problems = [];
  const fits = () => document.documentElement.scrollWidth <= window.innerWidth;
  if (!fits()) problems.push('scrolls sideways');
  const shown = (node) => node.getClientRects().length > 0 && !node.closest('[hidden], dialog:not([open])');
  for (const node of document.querySelectorAll('a[href], button, input, select')) {
    if (!shown(node)) continue;
    const target = node.type === 'radio' ? node.closest('label') : node;
    const box = target.getBoundingClientRect();
    if (box.width < 43.5 || box.height < 43.5) {
      problems.push(`${node.id || node.textContent.trim().slice(0, 20)} is ${box.width.toFixed(0)} × ${box.height.toFixed(0)}`);
    }
    if (node.matches('input[type="text"], select') && parseFloat(getComputedStyle(node).fontSize) < 16) {
      problems.push(`${node.id} has ${getComputedStyle(node).fontSize} text`);
    }
  }
  const texts = [...document.querySelectorAll('body *')].filter((node) => shown(node) &&
    [...node.childNodes].some((child) => child.nodeType === Node.TEXT_NODE && child.textContent.trim()));
  // A text wider than its own box is cut off or runs over its neighbour.
  const cut = (size) => texts.filter((node) => node.clientWidth && node.scrollWidth > node.clientWidth + 1)
    .forEach((node) => problems.push(`${node.id || node.textContent.trim().slice(0, 20)} is cut${size}`));
  cut('');
  // A list shows its chosen entry whole when it is as wide as a copy of it
  // that takes the width of its longest entry.
  for (const list of document.querySelectorAll('select')) {
    if (!shown(list)) continue;
    const copy = list.cloneNode(true);
    copy.removeAttribute('id');
    Object.assign(copy.style, { position: 'absolute', visibility: 'hidden', width: 'auto', maxWidth: 'none' });
    list.after(copy);
    const [has, needs] = [list, copy].map((node) => node.getBoundingClientRect().width);
    copy.remove();
    if (has + 0.5 < needs) problems.push(`${list.id} is ${has.toFixed(0)} px, its longest entry needs ${needs.toFixed(0)} px`);
  }
  const before = texts.map((node) => parseFloat(getComputedStyle(node).fontSize));
  document.documentElement.style.fontSize = '200%';
  texts.forEach((node, i) => {
    const size = parseFloat(getComputedStyle(node).fontSize);
    if (Math.abs(size - 2 * before[i]) > 0.5) problems.push(`${node.tagName} text at ${size} px of ${before[i]} px at 200 %`);
  });
  cut(' at 200 % text');
  if (!fits()) problems.push('scrolls sideways at 200 % text');
  document.documentElement.style.fontSize = '';
  return problems;
}

async function session(name) {
  const log = join(mkdtempSync(join(tmpdir(), 'korvane-log-')), 'requests');
  const foreign = [];
  const problems = [];
  const check = (what, ...rest) => tally.check(`${name}: ${what}`, ...rest);
  const equal = (what, ...rest) => tally.equal(`${name}: ${what}`, ...rest);
  await inBrowser(name, siteDir, { log }, async (page, server, browser) => {
    const origin = new URL(server.url).origin;
    page.on('request', (request) => {
      const url = request.url();
      if (!url.startsWith(origin) && !url.startsWith('data:') && !url.startsWith('blob:')) foreign.push(url);
    });
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(message.text());
    });
    page.on('pageerror', (error) => problems.push(String(error)));
    // Addresses the page opens, pictures it saves and links it shares are
    // recorded instead of followed, downloaded or shared.
    await page.evaluateOnNewDocument(() => {
      window.korvane = { opened: [], blockPopups: false, blobs: [], downloads: [] };
      window.open = (address) => {
        window.korvane.opened.push(address);
        return window.korvane.blockPopups ? null : {};
      };
      const createObjectURL = URL.createObjectURL;
      URL.createObjectURL = (blob) => {
        window.korvane.blobs.push(blob);
        return createObjectURL.call(URL, blob);
      };
      const click = HTMLAnchorElement.prototype.click;
      HTMLAnchorElement.prototype.click = function follow() {
        if (this.download) window.korvane.downloads.push(this.download);
        else click.call(this);
      };
    });
    await page.setViewport({ width: 1024, height: 800 });
    await openPage(page, server.url);
    await page.waitForFunction(() => document.activeElement?.id === 'name');

    equal('a fresh form has the defaults', await formState(page), defaults);
    equal('the lists hold 31 days, 12 months and 151 years', await page.evaluate(() =>
      ['day', 'month', 'year'].map((id) => document.getElementById(id).options.length)), [31, 12, 151]);
    equal('the heading names Korvane, the title keeps the caption',
      [await text(page, 'h1'), (await page.title()).startsWith('Korvane v')], ['Korvane', true]);
    equal('the page offers no software update; the forum and the offers are footer notes, after the form',
      await page.evaluate(() => [document.body.textContent.includes('Software Update'),
        document.querySelectorAll('main a').length,
        [...document.querySelectorAll('#forum, #full-brand, #co-brand')].map((a) => Boolean(a.closest('footer .notes')))]),
      [false, 0, [true, true, true]]);

    // A whole reading by keyboard alone; the focus goes to its heading.
    await fillByKeyboard(page, 'Ann Lee', '15', 'March', '1975');
    equal('15 March 1975, Male, by keyboard: the astrology reading', await astrology(page), pisces);
    equal('the focus is on the reading\'s heading, which names the sign and the Kua number',
      [await focused(page), await text(page, '#result-heading')],
      ['result-heading', 'Your reading: Pisces, Kua Number 7']);
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
    kua7.map(([colour, hex]) => [colour, rgb(hex)]));
    await page.keyboard.press('End');
    equal('End goes to the last tab, the five elements', await focused(page), 'tab-elements');
    await page.keyboard.press('ArrowRight');
    equal('ArrowRight on the last tab wraps to the first', [await focused(page),
      await page.$eval('#tab-elements', (tab) => tab.tabIndex)], ['tab-astrology', -1]);

    // The browser's Back and Forward: the form as it was, then the reading;
    // without an entry of its own, Back would leave the page.
    const entry = await page.evaluate(() => Boolean(history.state?.reading));
    check('the reading is a history entry of its own', entry);
    await page.evaluate((back) => (back ? history.back() : document.getElementById('back').click()), entry);
    await page.waitForSelector('#form-view:not([hidden])');
    equal('the browser\'s Back shows the form as it was', await formState(page),
      { name: 'Ann Lee', day: '15', month: 'March', year: '1975', male: true });
    await page.evaluate(() => history.forward());
    equal('the browser\'s Forward shows the reading again', await astrology(page), pisces);

    // The page's own Back, by keyboard, to a fresh form.
    await page.focus('#back');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#form-view:not([hidden])');
    equal('Back brings a fresh form with the defaults', await formState(page), defaults);
    equal('after Back the focus is in the name box', await focused(page), 'name');

    // A January birth counts from the year before: 1974 for 10 January 1975.
    await fillByKeyboard(page, 'Bo', '10', 'January', '1975');
    equal('10 January 1975, Male: Kua 8 from 1974, Capricorn, Violet', await astrology(page),
      { kua: '8', sign: 'Capricorn', planet: 'Saturn', colour: 'Violet', swatch: 'rgb(120, 0, 120)' });
    await page.click('#back');
    await page.waitForSelector('#form-view:not([hidden])');

    // The checks, shown beside the form and announced, never as alert().
    await page.click('#proceed');
    equal('an empty name: its message, in an alert region, focus in the name box',
      [await text(page, '#problem'), await page.$eval('#problem', (n) => n.getAttribute('role')),
        await focused(page)], ['Please Enter Your Name', 'alert', 'name']);
    await fillForm(page, { name: 'Ann', day: '29', month: 'February', year: '1999', male: true });
    await page.click('#proceed');
    equal('29 February 1999: the date message, no reading, the focus on the day list',
      [await text(page, '#problem'), await visible(page, '#result-view'), await focused(page)],
      ['Please Enter Correct Date Or Month!', false, 'day']);
    await page.select('#day', '31');
    await page.select('#month', 'April');
    await page.click('#proceed');
    equal('31 April: the message with the blank', await text(page, '#problem'),
      'Please Enter Correct Date Or Month !');
    await page.$$eval('input[name="sex"]', (radios) => radios.forEach((radio) => { radio.checked = false; }));
    await page.click('#proceed');
    equal('no sex chosen: its message, the focus on the choice of sex', [await text(page, '#problem'),
      await focused(page)], ['Please Specify Your Sex', 'male']);
    // An entry put into a list in the browser's tools is no date of the lists.
    for (const [list, value] of [['year', '2051'], ['day', '32']]) {
      await fillForm(page);
      await page.$eval(`#${list}`, (select, entry) => { select.add(new Option(entry, entry)); select.value = entry; }, value);
      await page.click('#proceed');
      equal(`a ${list} ${value} put into its list: the date message, no reading`,
        [await text(page, '#problem'), await visible(page, '#result-view')], ['Please Enter Correct Date Or Month!', false]);
      await page.$eval(`#${list}`, (select) => select.lastElementChild.remove());
    }

    // About, in a dialog.
    await page.click('#open-about');
    check('About opens a modal dialog with the about texts', await page.$eval('#about', (d) =>
      d.open && d.textContent.includes('Korvane gives you the choice of the best color')));
    await page.keyboard.press('Escape');
    check('Escape closes About', !(await page.$eval('#about', (d) => d.open)));
    equal('every link opens a new tab with rel="noopener" over https',
      await page.$$eval('a[href]', (links) => links.filter((a) => a.target !== '_blank' ||
        a.rel !== 'noopener' || !a.href.startsWith('https://')).map((a) => a.href)), []);

    // Refer a friend: labels that stay, the box in fault marked, the engine's
    // rules on what is typed or pasted, and a word once the request is open.
    await page.click('#open-refer');
    equal('refer a friend: visible labels with the engine\'s words, autocomplete for the user\'s own',
      await page.$$eval('#refer input', (boxes) => boxes.map((box) => [box.labels[0].textContent,
        box.labels[0].getBoundingClientRect().width > 20, box.autocomplete])),
      [['Your Name', true, 'name'], ['Your Email Address', true, 'email'],
        ["Friend's Name", true, 'off'], ["Friend's Email Address", true, 'off']]);
    const inFault = () => page.$$eval('#refer input', (boxes) => boxes.filter((box) =>
      box.getAttribute('aria-invalid') === 'true' && box.getAttribute('aria-describedby') === 'refer-problem')
      .map((box) => box.id));
    // Untouched, the e-mail check comes first; each press names the first
    // fault, marks its box and focuses it, and that box is filled.
    for (const [typed, message, box] of [[{}, 'Please Enter Proper Email Address', 'refer-email'],
      [{ email: 'ann@a.example', 'friend-email': 'bo@b.example' }, 'Please Enter Your Name', 'refer-name'],
      [{ name: 'Ann' }, 'Please Enter Your Friend\'s Name', 'refer-friend-name']]) {
      for (const [id, value] of Object.entries(typed)) await page.type(`#refer-${id}`, value);
      await page.click('#refer-send');
      equal(`refer a friend: "${message}", its box marked and focused`,
        [await text(page, '#refer-problem'), await inFault(), await focused(page)], [message, [box], box]);
    }
    for (const box of ['#refer-name', '#refer-email', '#refer-friend-email']) {
      await page.$eval(box, (input) => { input.value = ''; });
    }
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
    await page.$eval('#refer-problem', (box) => { box.hidden = true; });
    await page.$eval('#refer-email', (box) => {
      box.value = 'ann @a.example';
      box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertFromPaste' }));
    });
    equal('a space pasted into an e-mail box is refused too, and the box marked',
      [await text(page, '#refer-problem'), await page.$eval('#refer-email', (b) => b.value), await inFault()],
      ['Email Address Cannot Contain Space', 'ann@a.example', ['refer-email']]);
    await page.$eval('#refer-friend-email', (box) => { box.value = ''; });
    await page.type('#refer-friend-email', 'bo@b.example');
    await page.click('#refer-send');
    const request = 'https://www.quillory.example/tell-a-friend.html?taf1=Ann%20%26%20Lee&taf2=ann%40a.example' +
      '&taf3=Your%20Message%0D%0A&taf4=Bo&taf5=bo%40b.example&taf6=https://www.korvane.example/';
    equal('refer a friend: the request address, percent-encoded, in a new tab, and a thank-you',
      [await page.evaluate(() => window.korvane.opened), await visible(page, '#refer-opened'),
        await visible(page, '#refer-blocked'), await inFault()], [[request], true, false, []]);
    await page.evaluate(() => { window.korvane.blockPopups = true; });
    await page.click('#refer-send');
    equal('refer a friend with the new tab blocked: the address as a link to follow',
      [await visible(page, '#refer-blocked'), await visible(page, '#refer-opened'),
        await page.$eval('#refer-link', (a) => [a.href, a.target, a.rel])],
      [true, false, [request, '_blank', 'noopener']]);
    await page.click('#refer-close');

    // Share, picture and print of a reading.
    await submit(page);
    await waitForReading(page);
    await page.click('#share');
    await page.waitForSelector('#share-box:not([hidden])');
    const link = await page.$eval('#share-link', (field) => field.value);
    equal('Share, without the Web Share API: the link in a field, selected, with the sex and date in its fragment',
      [link, await focused(page), await page.$eval('#share-link', (f) => f.selectionEnd - f.selectionStart)],
      [`${server.url}#reading=male-1975-03-15`, 'share-link', link.length]);
    await page.evaluate(() => {
      navigator.share = async (data) => { window.korvane.shared = data; };
    });
    await page.click('#share');
    await page.waitForFunction(() => window.korvane.shared, { timeout: 5000 }).catch(() => {});
    equal('Share, with the Web Share API: the same link to the share sheet',
      await page.evaluate(() => window.korvane.shared?.url), link);
    await page.evaluate(() => { delete navigator.share; });
    await page.click('#picture');
    await page.waitForFunction(() => window.korvane.downloads.length === 1, { timeout: kPatience });
    const saved = Buffer.from(await page.evaluate(() => new Promise((resolve) => {
      const reader = new FileReader();
      reader.onload = () => resolve(reader.result.split(',')[1]);
      reader.readAsDataURL(window.korvane.blobs.at(-1));
    })), 'base64');
    if (out) writeFileSync(join(out, `${name}-picture.png`), saved);
    const picture = PNG.sync.read(saved);
    // The swatches where the engine's card puts them, as the desktop paints it.
    const boxes = await page.evaluate(async () => {
      const { loadEngine } = await import('./engine.js');
      const engine = await loadEngine(await (await fetch('korvane.wasm')).arrayBuffer());
      return engine.card(true, 14, 2, 75).card.items.filter((item) => item.k === 'box' && item.border);
    });
    const colourAt = (box) => {
      const i = 4 * ((box.y + Math.floor(box.h / 2)) * picture.width + box.x + Math.floor(box.w / 2));
      return `#${[0, 1, 2].map((c) => picture.data[i + c].toString(16).padStart(2, '0')).join('')}`;
    };
    equal('Save as Picture: a 1080 × 1350 PNG, downloaded, with every swatch of the card in its colour',
      [picture.width, picture.height, await page.evaluate(() => window.korvane.downloads),
        boxes.map(colourAt)],
      [1080, 1350, ['korvane-reading.png'], boxes.map((box) => box.colour)]);
    equal('Save as Picture: the car colour first, then the four purposes',
      boxes.map((box) => box.colour).slice(0, 5), ['#ffff00', ...kua7.map(([, hex]) => hex)]);

    // A shared link followed in a tab that shows Korvane already.
    await page.click('#back');
    await page.waitForSelector('#form-view:not([hidden])');
    await page.evaluate(() => { window.location.hash = '#reading=female-1990-06-10'; });
    equal('a shared link followed in the open page: its reading, its date in the form behind it',
      [(await astrology(page)).sign, await formState(page)],
      ['Gemini', { name: '', day: '10', month: 'June', year: '1990', male: false }]);

    // A phone's width: every view, at the usual and at twice the text size.
    const phone = await browser.newPage();
    await phone.setViewport({ width: 360, height: 740 });
    const atPhoneWidth = [];
    let signTextWhole = null;
    await walkViews(phone, server.url, async (view) => {
      atPhoneWidth.push(...(await phone.evaluate(phoneProblems)).map((problem) => `${view}: ${problem}`));
      if (view !== 'astrology') return;
      // The sign text flows in the page: nothing above it scrolls or clips it.
      signTextWhole = await phone.$eval('#sign-text', (node) => {
        const clipped = [];
        for (let n = node; n && n !== document.documentElement; n = n.parentElement) {
          if (n.scrollHeight > n.clientHeight + 1 || getComputedStyle(n).overflowY !== 'visible') clipped.push(n.id || n.tagName);
        }
        return [node.querySelectorAll('p').length, clipped];
      });
    });
    await phone.close();
    equal('360 px: the sign text whole in the page, its five paragraphs, nothing scrolls inside', signTextWhole, [5, []]);
    equal('360 px, every view: no sideways scrolling, targets of 44 × 44 px, 16 px in the boxes, no text cut; at 200 % text the same',
      atPhoneWidth, []);

    // Offline: once the page has been visited, it works without the server,
    // also when opened from a shared link.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await openPage(page, server.url);
    check('the service worker controls the page after the first visit',
      await page.evaluate(() => Boolean(navigator.serviceWorker.controller)));
    await server.stop();
    await openPage(page, server.url);
    await submit(page);
    equal('offline: a reading after a reload with the server gone', (await astrology(page)).sign, 'Pisces');
    await openPage(page, link);
    equal('offline: the shared link shows its reading at once', await astrology(page), pisces);
    const vi = wordsOf('vi');
    equal('a first visit fetches each file once; offline after it: a reading in its language, its manifest ' +
      'kept, a language never loaded says it needs a connection', await offlineAfterOneVisit(browser), {
      twice: [],
      reading: [vi['sign.pisces'], vi['colour.yellow']],
      manifest: true,
      spanish: ['vi', 'vi', filled(vi['page.languageOffline'], languages(siteDir).find(({ tag }) => tag === 'es').name)],
    });

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

    // A shared link in a fresh profile, and one that names no reading.
    const fresh = await browser.createBrowserContext();
    try {
      const other = await fresh.newPage();
      const again = await serve(siteDir, { log });
      try {
        await other.goto(`${again.url}#reading=male-1975-03-15`, { waitUntil: 'load' });
        equal('a shared link in a fresh profile shows the same reading', await astrology(other), pisces);
        for (const broken of ['male-1975-02-30', 'male-2001-02-29', 'male-1975-3-15', 'MALE-1975-03-15']) {
          await openPage(other, `${again.url}#reading=${broken}`);
          equal(`a shared link #reading=${broken}: the empty form, which says the link holds no reading`,
            [await visible(other, '#form-view'), await text(other, '#problem'), await formState(other)],
            [true, 'This link holds no reading. Please enter your birth details.', defaults]);
        }
      } finally {
        await again.stop();
      }
    } finally {
      await fresh.close();
    }
    // Nothing of the birth details is kept: no cookie, no web storage, and
    // the cache holds the site's own files only.
    equal('no cookies, no web storage, only the site\'s files in the cache', await page.evaluate(
      async (site) => [document.cookie, localStorage.length, sessionStorage.length,
        (await Promise.all((await caches.keys()).map(async (key) =>
          (await (await caches.open(key)).keys()).map((entry) => entry.url))))
          .flat().filter((url) => !url.startsWith(site) || url.includes('?'))], server.url),
    ['', 0, 0, []]);
    equal('no request left the page\'s own origin', foreign, []);
    equal('no request reached the server with a birth date', readFileSync(log, 'utf8').split('\n')
      .filter((line) => /1975|1990|reading=/.test(line)), []);
    equal('no errors on the console (a blocked resource would show here)', problems, []);
  }, () => rmSync(join(log, '..'), { recursive: true, force: true }));
}

// The engine cannot be loaded: no WebAssembly, a failed fetch, a missing or a
// bad file. The page says so and tries again; while the engine loads, the
// button shows it is busy and a click waits. A copy of the site without its
// service worker, so that every try reaches the network.
async function engineTrouble(name) {
  const copy = copySite(siteDir);
  rmSync(join(copy.folder, 'sw.js'));
  const equal = (what, ...rest) => tally.equal(`${name}: ${what}`, ...rest);
  const problem = (page) => page.evaluate(() => [...document.querySelectorAll('#engine-problem, #engine-problem > *')]
    .filter((node) => !node.closest('[hidden]')).map((node) => node.id || node.getAttribute('role')));
  await inBrowser(name, copy.folder, {}, async (page, server) => {
    const load = () => page.goto(server.url, { waitUntil: 'load' }).then(() => ready(page));
    const retry = () => page.click('#retry').then(() => ready(page));
    const id = await page.evaluateOnNewDocument(() => { delete window.WebAssembly; });
    await load();
    equal('without WebAssembly: the message says so, in an alert, without a retry',
      await problem(page), ['engine-problem', 'no-webassembly']);
    await page.removeScriptToEvaluateOnNewDocument(id.identifier);

    // What becomes of a request: 'pass', 'abort', 'missing' (404), 'bad'
    // (200 with neither WebAssembly nor JSON) or 'hold' (answered later).
    let rule = (url) => (url.endsWith('korvane.wasm') ? 'abort' : 'pass');
    const failing = (file, how) => (url) => (url.endsWith(file) ? how : 'pass');
    const held = [];
    let tries = 0;
    await page.setRequestInterception(true);
    page.on('request', (request) => {
      const how = rule(request.url());
      if (request.url().endsWith('korvane.wasm')) ++tries;
      if (how === 'pass') request.continue();
      else if (how === 'abort') request.abort();
      else if (how === 'missing') request.respond({ status: 404, body: 'Not found' });
      else if (how === 'bad') request.respond({ status: 200, contentType: 'application/wasm', body: 'not a module' });
      else held.push(request);
    });
    const failed = ['engine-problem', 'engine-failed', 'retry'];
    await load();
    await submit(page);
    equal('a failed fetch: the message with its retry; the button leads to it',
      [await problem(page), await focused(page), await visible(page, '#result-view'), tries],
      [failed, 'retry', false, 1]);
    for (const how of ['missing', 'bad']) {
      const before = tries;
      rule = failing('korvane.wasm', how);
      await retry();
      equal(`trying again fetches anew; with a ${how} file, the message again`,
        [tries - before, await problem(page)], [1, failed]);
    }
    rule = () => 'pass';
    await retry();
    equal('once the server is mended, Try Again loads the engine; the focus goes to the button',
      [await problem(page), await focused(page)], [[], 'proceed']);

    // The language files fail: the same message, never a reading without its words.
    for (const how of ['abort', 'missing', 'bad']) {
      rule = failing('.json', how);
      await load();
      await submit(page);
      equal(`language files ${how}: the engine's message and Try Again, no reading`,
        [await problem(page), await visible(page, '#result-view')], [failed, false]);
    }
    rule = () => 'pass';
    await retry();
    await page.click('#proceed');
    equal('once the server is mended, Try Again gives the reading in its words', await astrology(page), pisces);

    // Two quick choices from the language list: the first answers last, the
    // second wins, in the page, the list and the address.
    rule = failing('zh_CN.json', 'hold');
    await load();
    await page.select('#language', 'zh-CN');
    await page.select('#language', 'vi');
    await page.waitForFunction(() => document.documentElement.lang === 'vi', { timeout: kPatience });
    await held.shift().continue();
    await page.waitForFunction(() => performance.getEntriesByName(new URL('lang/zh_CN.json', location).href).length,
      { timeout: kPatience });
    equal('two quick language choices: the last one wins', await page.evaluate(() =>
      [document.documentElement.lang, document.getElementById('language').value, location.search]), ['vi', 'vi', '?lang=vi']);

    rule = failing('korvane.wasm', 'hold');
    await page.goto(server.url, { waitUntil: 'load' });
    await fillForm(page);
    const spinner = await page.$eval('#proceed', (b) => getComputedStyle(b, '::after').animationName);
    await page.click('#proceed');
    equal('while the engine loads: the button busy, a click waits with a word, no message',
      [spinner, await text(page, '#waiting'), await visible(page, '#engine-problem'), await visible(page, '#result-view')],
      ['turn', 'Getting your reading ready…', false, false]);
    for (let waited = 0; !held.length && waited < kPatience; waited += 100) await new Promise((go) => setTimeout(go, 100));
    await held.shift().continue();
    equal('once the engine is there, the waiting click gives its reading', await astrology(page), pisces);
  }, copy.remove);
}

// A korvane.wasm cut short, served with status 200: the page says so and the
// worker installs nothing of that version; once the server is mended, Try
// Again and a new tab give a reading, and the worker keeps the whole file.
async function cutShort(name) {
  const copy = copySite(siteDir);
  const wasm = join(copy.folder, 'korvane.wasm');
  const whole = readFileSync(wasm);
  writeFileSync(wasm, whole.subarray(0, whole.length >> 1));
  // The state the site's worker reaches once its install has ended.
  const installed = (page) => page.evaluate(async () => {
    const registration = await navigator.serviceWorker.register('sw.js');
    const worker = registration.installing ?? registration.waiting ?? registration.active;
    await new Promise((done) => {
      if (worker.state !== 'installing') done();
      worker.addEventListener('statechange', () => worker.state !== 'installing' && done());
    });
    return [worker.state, Boolean(await caches.match('korvane.wasm'))];
  });
  await inBrowser(name, copy.folder, {}, async (page, server, browser) => {
    await openPage(page, server.url);
    const broken = [await visible(page, '#engine-problem'), ...await installed(page)];
    writeFileSync(wasm, whole);
    await page.click('#retry').then(() => ready(page));
    await submit(page);
    const again = (await astrology(page)).sign;
    const tab = await browser.newPage();
    await openPage(tab, server.url);
    await submit(tab);
    const newTab = (await astrology(tab)).sign;
    await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: kPatience }).catch(() => {});
    const kept = await page.evaluate(async () => (await (await caches.match('korvane.wasm'))?.arrayBuffer())?.byteLength);
    tally.equal(`${name}: korvane.wasm cut short: the message, nothing installed; mended: Try Again and a new tab ` +
      'give a reading, the worker keeps the whole file',
    [broken, again, newTab, kept], [[true, 'redundant', false], 'Pisces', 'Pisces', whole.length]);
  }, copy.remove);
}

// Service workers keep to their own: the site in a sub-folder beside another
// copy of it and another app's cache, on a host that lets browsers keep
// files for ten minutes. A new version waits, offers a reload, brings its own
// files only (none from the HTTP cache), and deletes only its own old cache.
async function serviceWorker(name) {
  const copy = copySite(siteDir, 'a', 'b');
  await inBrowser(name, copy.folder, { maxAge: 600 }, async (page, server, browser) => {
    const visit = async (folder) => {
      await openPage(page, `${server.url}${folder}/`);
      await page.evaluate(() => navigator.serviceWorker.ready);
    };
    await visit('b');
    await visit('a');
    await openPage(page, `${server.url}a/`);
    await page.evaluate(async () => (await caches.open('another-app')).put('/x', new Response('kept')));
    const before = await page.evaluate(() => caches.keys());
    const scope = `korvane:${server.url}a/:`;
    const other = await browser.newPage();
    await openPage(other, `${server.url}a/`);
    await other.evaluate(() => { window.oldPage = true; });

    newVersion(join(copy.folder, 'a'), {
      'index.html': (t) => t.replace('<h1>', '<h1>New '),
      'app.js': (t) => `${t}\n// new\n`,
      'korvane.css': (t) => `${t}\n/* new */\n`,
      'lang/vi.json': (t) => t.replace('{', '{"page.new":"mới",'),
    });
    // The old version's page asks for a language whose file the server has
    // in the new version only.
    await page.select('#language', 'vi');
    await page.waitForSelector('#language-problem:not([hidden])', { timeout: 5000 }).catch(() => {});
    tally.equal(`${name}: a language file of the new version: not shown in the old page, not kept by the old worker`,
      await page.evaluate(async () => [document.documentElement.lang, Boolean(await caches.match('lang/vi.json')),
        document.getElementById('language-problem')?.hidden === false]), ['en', false, true]);
    await openPage(page, `${server.url}a/`);
    // The other tab was opened last: this one is in the background, where
    // a waiting selector is not polled; the page is asked at intervals.
    await page.waitForFunction(() => !document.getElementById('new-version').hidden,
      { polling: 250, timeout: kPatience });
    const heading = () => page.$eval('h1', (h1) => h1.textContent);
    const oldTitle = await heading();
    // Clicked in the page: puppeteer's own click can lose its target to the reload.
    await Promise.all([page.waitForNavigation({ waitUntil: 'load' }),
      page.evaluate(() => document.getElementById('reload').click())]);
    await ready(page);
    tally.equal(`${name}: the new version taken in one tab reloads the other tab too`,
      await other.waitForFunction(() => !window.oldPage && document.querySelector('h1').textContent.startsWith('New '),
        { timeout: kPatience }).then(() => true, () => false), true);
    const after = await page.evaluate(() => caches.keys());
    const newCache = after.find((key) => key.startsWith(scope)) ?? '';
    const mixed = await page.evaluate(async (key) => {
      const cache = await caches.open(key);
      return Promise.all((await cache.keys()).map(async (entry) =>
        [new URL(entry.url).pathname.replace(/.*\//, '') || 'index.html', await (await cache.match(entry)).text()]));
    }, newCache);
    const stale = mixed.filter(([file, body]) => file.match(/\.(html|js|css)$/) &&
      body !== readFileSync(join(copy.folder, 'a', file), 'utf8')).map(([file]) => file);
    tally.equal(`${name}: a new version in a sub-folder: offered, then shown on Reload, with only its own files; ` +
      'the other copy\'s and the other app\'s caches kept',
    [oldTitle.startsWith('New '), (await heading()).startsWith('New '), newCache.endsWith('-new'),
      after.filter((key) => key.startsWith(scope)).length, stale,
      before.filter((key) => !key.startsWith(scope)).every((key) => after.includes(key)), after.length],
    [false, true, true, 1, [], true, 3]);
  }, copy.remove);
}

// The reader's language, chosen by the browser's languages or from the list
// (at once, and kept in the address): the same reading as in English, in the
// language's words; and at a phone's width every view of every language fits.
async function inLanguages(name) {
  const catalogueWords = (code) => new Set(Object.values(wordsOf(code)).join(' ').match(/\p{L}{3,}/gu));
  const inEnglish = catalogueWords('en');
  await inBrowser(name, siteDir, {}, async (phone, server, browser) => {
    // A browser's languages as browsers name them: the catalogue answers its
    // language with or without script and region.
    for (const [code, tag, how, asked] of [['zh_CN', 'zh-CN', 'browser', 'zh-Hans-CN'],
      ['zh_CN', 'zh-CN', 'list'], ['vi', 'vi', 'browser', 'vi-VN'], ['vi', 'vi', 'list']]) {
      const words = wordsOf(code);
      const page = await browser.newPage();
      if (how === 'browser') {
        await page.evaluateOnNewDocument((tags) => {
          Object.defineProperty(navigator, 'languages', { get: () => tags });
        }, [asked, 'en']);
      }
      await openPage(page, server.url);
      await page.evaluate(() => { window.samePage = true; });
      if (how === 'list') await page.select('#language', tag);
      await page.waitForFunction((lang) => document.documentElement.lang === lang, {}, tag);
      await submit(page);
      await waitForReading(page);
      const seen = await page.evaluate(() => ({
        page: [window.samePage === true, location.search, document.querySelector('.date select').id],
        heading: document.getElementById('result-heading').textContent,
        colour: [document.getElementById('car-colour').textContent,
          getComputedStyle(document.getElementById('car-swatch')).backgroundColor],
        purposes: [...document.querySelectorAll('.purposes dd')].map((row) => [
          row.querySelector('.value').textContent,
          getComputedStyle(row.querySelector('.swatch')).backgroundColor]),
        // What the page shows but for the languages' own names in their list.
        shown: [...document.querySelectorAll('#language option')].map((o) => o.textContent)
          .reduce((text, own) => text.replace(own, ''), document.body.innerText),
      }));
      // Words of the English catalogue that the language's does not have.
      const own = catalogueWords(code);
      seen.shown = [...new Set(seen.shown.match(/\p{L}{3,}/gu))].filter((word) => inEnglish.has(word) && !own.has(word));
      await page.click('#share');
      await page.waitForSelector('#share-box:not([hidden])');
      seen.shared = await page.$eval('#share-link', (field) => field.value);
      if (how === 'browser') {
        // A language switched on the reading stays in the address on Back.
        await page.select('#language', 'es');
        await page.waitForFunction(() => document.documentElement.lang === 'es', { timeout: kPatience });
        await page.evaluate(() => history.back());
        await page.waitForSelector('#form-view:not([hidden])');
        seen.back = await page.evaluate(() => [location.search, document.documentElement.lang]);
      }
      const english = ['White', 'Coral', 'Beige', 'Gold'];
      const address = how === 'list' ? `?lang=${tag}` : '';
      tally.equal(`${name}: ${code} chosen by the ${how}: the reading of 15 March 1975 in its words, ` +
        'with the English swatches, no English word left; the language kept in the shared link and on Back', seen, {
        page: [true, address, code === 'vi' ? 'day' : 'year'],
        heading: filled(words['page.readingHeading'], words['sign.pisces'], '7'),
        colour: [words['colour.yellow'], 'rgb(255, 255, 0)'],
        purposes: kua7.map(([, hex], i) => [words[`colour.${english[i].toLowerCase()}`], rgb(hex)]),
        shown: [],
        shared: `${server.url}${address}#reading=male-1975-03-15`,
        back: how === 'browser' ? ['?lang=es', 'es'] : undefined,
      });
      await page.close();
    }
    await phone.setViewport({ width: 360, height: 740 });
    for (const { tag } of languages(siteDir).slice(1)) {
      const problems = [];
      await walkViews(phone, `${server.url}?lang=${tag}`, async (view) => {
        problems.push(...(await phone.evaluate(phoneProblems)).map((problem) => `${view}: ${problem}`));
      });
      tally.equal(`${name}: ${tag} at 360 px, every view: no sideways scrolling, no text cut, also at 200 % text`,
        problems, []);
    }
  });
}

// Printed, in every language, on A4 and on Letter: one page, with the longest
// sign text (Gemini) and a Kua number 5 with its note, and with the notes of
// a birth on the day of Li Chun. In English, every word of the three
// readings, the swatches in colour, no controls, links or offers.
async function printed(name) {
  const folder = mkdtempSync(join(tmpdir(), 'korvane-print-'));
  const words = (t) => t.split(/\s+/).filter(Boolean);
  // Without punctuation, which pdftotext may put on other lines, and ligatures.
  const bare = (t) => t.normalize('NFKC').replace(/\p{P}/gu, ' ');
  await inBrowser(name, siteDir, {}, async (page, server) => {
    for (const { tag } of languages(siteDir)) {
      for (const birth of ['male-1986-06-10', 'female-1985-02-04']) {
        await openPage(page, `${server.url}?lang=${tag}#reading=${birth}`);
        await waitForReading(page);
        const pages = [];
        for (const format of ['A4', 'Letter']) {
          const pdf = join(folder, `${format}.pdf`);
          writeFileSync(pdf, await page.pdf({ format }));
          pages.push(/Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }))[1]);
          if (tag !== 'en' || birth !== 'male-1986-06-10') continue;
          const printed = execFileSync('pdftotext', [pdf, '-'], { encoding: 'utf8' });
          execFileSync('pdftoppm', ['-png', '-r', '60', '-singlefile', pdf, join(folder, format)]);
          if (out) copyFileSync(join(folder, `${format}.png`), join(out, `${name}-printed-${format}.png`));
          const image = PNG.sync.read(readFileSync(join(folder, `${format}.png`)));
          const shown = await page.$$eval('[role="tabpanel"]', (panels) => panels.map((panel) => {
            const texts = [];
            for (const walk = document.createTreeWalker(panel, NodeFilter.SHOW_TEXT); walk.nextNode();) texts.push(walk.currentNode.textContent);
            return texts.join(' ');
          }).join(' '));
          const swatches = await page.$$eval('.panel .swatch:not([hidden])', (all) =>
            all.map((swatch) => getComputedStyle(swatch).backgroundColor.match(/\d+/g).map(Number)));
          const inked = ([r, g, b]) => {
            for (let i = 0; i < image.data.length; i += 4) {
              if (Math.abs(image.data[i] - r) + Math.abs(image.data[i + 1] - g) + Math.abs(image.data[i + 2] - b) < 12) return true;
            }
            return false;
          };
          tally.equal(`${name}: printed in English on ${format}: every word of the readings, the swatches in colour, ` +
            'no controls, links or offers', [words(bare(shown)).filter((word) => !bare(printed).replace(/\s/g, '').includes(word)),
            swatches.filter((colour) => !inked(colour)), ['Online Help', 'Home Business', 'Co-brand',
              'Share this reading', 'English'].filter((text) => words(printed).join(' ').includes(text))], [[], [], []]);
        }
        tally.equal(`${name}: ${tag} ${birth} printed on A4 and on Letter: one page each`, pages, ['1', '1']);
      }
    }
  }, () => rmSync(folder, { recursive: true, force: true }));
}

for (const name of browsers) {
  console.log(`${name}:`);
  for (const part of [session, engineTrouble, cutShort, serviceWorker, inLanguages, printed]) {
    try {
      await part(name);
    } catch (error) {
      tally.check(`${name}: ${part.name} ran to its end`, false, String(error.stack ?? error));
    }
  }
}
process.exitCode = tally.summary('browser tests') ? 0 : 1;
