// The web page's engine against the desktop program's: the WebAssembly
// module under Node.js, called as the page calls it, and the engine library
// that the desktop links, called as the desktop calls it (parity_native.cpp).
// Both answer the same questions: every input the form can hand over (1900
// to 2050, 12 months, 31 days, both sexes), the e-mail rule, refer-a-friend
// requests, and who the program is and where its links go. Compared line by
// line and as SHA-256 digests:  node parity.mjs SITE_DIR NATIVE_PROGRAM
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { loadEngine } from '../../web/engine.js';
import { phrased } from '../../web/phrase.js';
import { Tally } from './support.mjs';

const [siteDir, nativeProgram] = process.argv.slice(2);
const engine = await loadEngine(readFileSync(join(siteDir, 'korvane.wasm')));
const tally = new Tally();
// The engine's phrases filled in with the English texts, as the page fills them.
const englishTexts = JSON.parse(readFileSync(join(siteDir, 'lang', 'en.json'), 'utf8'));
const english = (phrase) => phrased(phrase, (key) => englishTexts[key]);

// The web's answers, written as the native side writes its own.
const web = {
  read(name, male, female, dayIndex, monthIndex, yearIndex) {
    const answer = engine.read({ name, male, female, dayIndex, monthIndex, yearIndex });
    if (!answer.ok) return ['problem', answer.text, answer.icon, answer.focus].join('\t');
    if (!answer.reading) return 'no reading';
    const r = answer.reading;
    const e = r.elements;
    const colours = (list) => list.map((colour) => `${colour.name} ${colour.swatch}`).join(',');
    return ['reading', r.kuaNumber, r.sunSign, r.rulingPlanet, r.carColour,
      r.carColourDescription, r.carColourSwatch, r.sunSignText,
      ...r.purposes.flatMap((purpose) => [purpose.name, purpose.swatch]),
      english(r.year), english(r.kuaFive), english(r.liChunDay), e.nayin, e.element,
      english(e.rule), colours(e.suit), colours(e.avoid), english(e.liChunDay)].join('\t');
  },
  email(text) {
    const answer = engine.emailBox(text);
    return answer.ok ? 'ok' : `refused\t${answer.text}`;
  },
  refer(name, email, friendName, friendEmail) {
    const answer = engine.refer({ name, email, friendName, friendEmail });
    return answer.ok ? `sent\t${answer.address}` : `refused\t${answer.text}\t${answer.field ?? ''}`;
  },
};

function* questions() {
  for (const text of ['ann@a.example', 'ann @a.example', ' ', '']) yield ['email', text];
  for (const fields of [
    ['Ann', 'ann@a.example', 'Bo', 'bo@b.example'],
    ['  Ann & Lee ', ' ann@a.example', 'Bo=1&taf6=x', 'bo@b.example '],
    ['Zoë 李', 'zoë@a.example', 'Bo', 'bo@b.example'],
    ['', '', '', ''],
    ['Ann', 'ann@a.example', 'Bo', 'ann@a.example'],
    ['Ann', 'ann@a', 'Bo', 'bo@b.example'],
    ['Ann', 'ann@a.example', 'Bo', 'bo@b'],
    ['', 'ann@a.example', 'Bo', 'bo@b.example'],
    ['Ann', 'ann@a.example', "Friend's Name", 'bo@b.example'],
  ]) yield ['refer', ...fields];
  // Name and sex before the date: an empty name and no sex, on a date the
  // check refuses.
  yield ['read', '', false, true, 30, 3, 75];
  yield ['read', 'A', false, false, 30, 3, 75];
  for (let yearIndex = 0; yearIndex < 151; ++yearIndex)
    for (let monthIndex = 0; monthIndex < 12; ++monthIndex)
      for (let dayIndex = 0; dayIndex < 31; ++dayIndex)
        for (const male of [true, false]) yield ['read', 'A', male, !male, dayIndex, monthIndex, yearIndex];
}

// Every question goes to the native side at once; its answers come back in order.
const native = spawn(nativeProgram, { stdio: ['pipe', 'pipe', 'inherit'] });
const lines = createInterface({ input: native.stdout, crlfDelay: Infinity })[Symbol.asyncIterator]();
const asked = (question) => `${question.map((f) => (typeof f === 'boolean' ? Number(f) : f)).join('\t')}\n`;
native.stdin.end(['identity\n', ...[...questions()].map(asked)].join(''));
const answer = async () => {
  const next = await lines.next();
  return next.done ? '(no answer)' : next.value;
};

// Who the program is: the page shows the desktop's caption and name, and
// its links and request go to the desktop's hosts.
const [caption, product, main, help, productHost] = (await answer()).split('\t');
const page = engine.page();
const html = readFileSync(join(siteDir, 'index.html'), 'utf8');
const manifest = JSON.parse(readFileSync(join(siteDir, 'manifest.webmanifest'), 'utf8'));
const hostOf = (address) => new URL(address).host;
tally.equal('the page names the program as the desktop does (caption, name, title, heading, manifest)',
  [page.caption, page.product, html.includes(`<title>${caption}:`), html.includes(`<h1>${product}</h1>`),
    manifest.name], [caption, product, true, true, caption]);
tally.equal("the page's links go to the desktop's hosts",
  Object.fromEntries(Object.entries(page.links).map(([key, address]) => [key, hostOf(address)])),
  { home: main, coBrand: help, fullBrand: help, onlineHelp: productHost, donate: help });
tally.check('every link of the page is written into it',
  Object.values(page.links).every((address) => html.includes(`href="${address}"`)));

const webDigest = createHash('sha256');
const nativeDigest = createHash('sha256');
let count = 0;
let failure = '';
for (const [kind, ...args] of questions()) {
  const webLine = web[kind](...args);
  const nativeLine = await answer();
  webDigest.update(`${webLine}\n`);
  nativeDigest.update(`${nativeLine}\n`);
  ++count;
  if (!failure && webLine !== nativeLine) {
    let at = 0;
    while (webLine[at] === nativeLine[at]) ++at;
    failure = `${kind} ${JSON.stringify(args)}, at character ${at}:\n` +
      `  web:     ...${webLine.slice(Math.max(0, at - 40), at + 60)}\n` +
      `  desktop: ...${nativeLine.slice(Math.max(0, at - 40), at + 60)}`;
  }
}
const webHex = webDigest.digest('hex');
const nativeHex = nativeDigest.digest('hex');
console.log(`  ${count} answers; SHA-256 web ${webHex}, desktop ${nativeHex}`);
tally.check('every answer of the web engine is the desktop engine\'s, byte for byte',
  webHex === nativeHex && !failure && !(await lines.next()).value && count === 4 + 9 + 2 + 151 * 12 * 31 * 2, failure);
process.exitCode = tally.summary('parity') ? 0 : 1;
