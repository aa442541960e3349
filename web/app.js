// The page: it hands the form to the engine and shows what comes back.
import { loadEngine } from './engine.js';
import { filled, phrased } from './phrase.js';
import { savePicture } from './picture.js';

const $ = (id) => document.getElementById(id);
// The languages, their tags and date orders, the program's name and the
// texts shown before any language file has come, written into the page by
// its build.
const catalogues = JSON.parse($('catalogues').textContent);

const formView = $('form-view');
const resultView = $('result-view');
const problem = $('problem');
const proceed = $('proceed');
const forum = $('forum');
const tabs = [$('tab-astrology'), $('tab-feng-shui'), $('tab-elements')];
const referBoxes = {
  name: $('refer-name'),
  email: $('refer-email'),
  friendName: $('refer-friend-name'),
  friendEmail: $('refer-friend-email'),
};

// --- The language: the reader's, or the one chosen from the list. ---

// The texts of the page's language, by their catalogue keys; the page is
// written in English until they are there.
let dictionary = null;
let language = catalogues.languages[0];
// Whether the address names the language (?lang=), as a choice from the list does.
let languageInAddress = false;
const t = (key) => dictionary?.[key] ?? catalogues.texts[key] ?? '';

// Puts the page into a language: every marked text and label, the title,
// the order of the date lists and what the page shows at the moment.
function showLanguage() {
  document.documentElement.lang = language.tag;
  document.title = filled(t('page.title'), catalogues.caption);
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = t(element.dataset.text);
  }
  for (const element of document.querySelectorAll('[data-label]')) {
    element.setAttribute('aria-label', t(element.dataset.label));
  }
  $('language').value = language.tag;
  const date = document.querySelector('.date');
  date.append(...language.dateOrder.map((part) => $(part)));
  const manifest = document.querySelector('link[rel="manifest"]');
  manifest.href = language === catalogues.languages[0]
    ? 'manifest.webmanifest' : `manifest.${language.tag}.webmanifest`;
  showNotes(!resultView.hidden);
  if (shownReading) fillReading(shownReading);
}

// The address keeps a chosen language, so that a link and a history entry
// keep it too.
function keepLanguageInAddress() {
  if (!languageInAddress) return;
  const address = new URL(window.location.href);
  if (address.searchParams.get('lang') === language.tag) return;
  address.searchParams.set('lang', language.tag);
  window.history.replaceState(window.history.state, '', address);
}

// Each choice has its turn: the answer to an earlier one that comes late is
// dropped, so the last choice wins.
let languageTurn = 0;

async function useLanguage(chosen, inAddress, again) {
  const turn = ++languageTurn;
  $('language-problem').hidden = true;
  try {
    // Trying again asks the server, not a copy kept from the failed try.
    const response = await fetch(`lang/${chosen.code}.json`, again ? { cache: 'reload' } : {});
    if (!response.ok) throw new Error(`lang/${chosen.code}.json: ${response.status}`);
    const texts = await response.json();
    if (turn !== languageTurn) return;
    dictionary = texts;
    language = chosen;
    languageInAddress = inAddress;
    showLanguage();
    keepLanguageInAddress();
  } catch (error) {
    if (turn !== languageTurn) return;
    $('language').value = language.tag;
    // The page stays in the language it has, and says why it did not change.
    if (dictionary) {
      const box = $('language-problem');
      box.textContent = filled(t(error instanceof TypeError ? 'page.languageOffline' : 'page.languageFailed'),
        chosen.name);
      box.dataset.icon = 'information';
      box.hidden = false;
    }
    throw error;
  }
}

// A language that cannot be had leaves the page in the one it was in, or,
// before any, in English. Resolves to whether the page has its words.
let languageLoading = null;
function chooseLanguage(chosen, inAddress, again = false) {
  const english = catalogues.languages[0];
  languageLoading = useLanguage(chosen, inAddress, again).then(() => true, () => Boolean(dictionary) ||
    (chosen !== english && useLanguage(english, false, again).then(() => true, () => false)));
  return languageLoading;
}

// Whether the page has its words once the latest choice has its answer.
async function wordsReady() {
  for (;;) {
    const loading = languageLoading;
    const ready = await loading;
    if (loading === languageLoading) return ready;
  }
}

$('language').addEventListener('change', (event) => {
  chooseLanguage(catalogues.languages.find(({ tag }) => tag === event.target.value), true);
});

// --- The engine and the words: loaded at once; until then the button shows
// it is busy. Without either there is no reading, only a message. ---

let engine = null;
// The engine's lists (days, months by their keys, years) that the form's
// lists were built from.
let lists = null;
let siteLoading = null;

async function fetchEngine(again) {
  if (typeof WebAssembly !== 'object') throw new Error('no WebAssembly');
  const response = await fetch('korvane.wasm', again ? { cache: 'reload' } : {});
  if (!response.ok) throw new Error(`korvane.wasm: ${response.status}`);
  return loadEngine(await response.arrayBuffer());
}

// The engine tells which catalogue answers the address's language or,
// without one, the browser's.
function readersLanguage() {
  const asked = new URLSearchParams(window.location.search).get('lang');
  const tags = asked ? [asked] : navigator.languages ?? [navigator.language];
  const found = engine.catalogueFor(tags, catalogues.languages.map((each) => each.tags));
  return [catalogues.languages[found], Boolean(asked)];
}

function loadSite(again) {
  proceed.setAttribute('aria-busy', 'true');
  $('engine-problem').hidden = true;
  siteLoading = (async () => {
    if (!engine) {
      const loaded = await fetchEngine(again);
      lists = loaded.page();
      engine = loaded;
    }
    if (!languageLoading || (again && !dictionary)) chooseLanguage(...readersLanguage(), again);
    if (!(await wordsReady())) throw new Error('no language file');
    return engine;
  })().catch(() => {
    $('no-webassembly').hidden = typeof WebAssembly === 'object';
    $('engine-failed').hidden = !$('no-webassembly').hidden;
    $('retry').hidden = !$('no-webassembly').hidden;
    $('engine-problem').hidden = false;
    return null;
  }).finally(() => {
    proceed.setAttribute('aria-busy', 'false');
    showText($('waiting'), null);
  });
  return siteLoading;
}

// The engine with the page's words, once both are there; a wait the user
// sees while they load.
async function readySite() {
  if (engine && dictionary) return engine;
  showText($('waiting'), 'page.loading');
  const loaded = await siteLoading;
  showText($('waiting'), null);
  if (!loaded && !$('retry').hidden) $('retry').focus();
  return loaded;
}

$('retry').addEventListener('click', async () => {
  if (await loadSite(true)) {
    proceed.focus();
    showFromAddress();
    registerWorker();
  }
});

// --- The form and the reading. ---

// The list positions are those of the engine's lists: an entry the engine
// does not know (a list changed in the browser's tools) has none, and the
// engine answers it with a message.
function formInputs() {
  return {
    name: $('name').value,
    male: $('male').checked,
    female: $('female').checked,
    dayIndex: lists.days.indexOf($('day').value),
    monthIndex: lists.months.indexOf($('month').selectedOptions[0]?.dataset.text),
    yearIndex: lists.years.indexOf($('year').value),
  };
}

// What a reading is made from, without the name: kept in the history entry
// and in a shared link; and the reading shown.
let shown = null;
let shownReading = null;

// An element that shows a text of the catalogues, kept in the page's
// language; nothing empties it.
function showText(element, key) {
  if (key) element.dataset.text = key;
  else delete element.dataset.text;
  element.textContent = key ? t(key) : '';
}

function showProblem(box, key, icon) {
  showText(box, key);
  box.dataset.icon = icon || 'critical';
  box.hidden = false;
}

function setSwatch(swatch, colour) {
  swatch.style.backgroundColor = colour || '';
  swatch.hidden = !colour;
}

function selectTab(index, moveFocus) {
  tabs.forEach((tab, i) => {
    const selected = i === index;
    tab.setAttribute('aria-selected', String(selected));
    tab.tabIndex = selected ? 0 : -1;
    $(tab.getAttribute('aria-controls')).hidden = !selected;
  });
  if (moveFocus) tabs[index].focus();
}

function showNotes(forReading) {
  // The result shows the forum invitation without its full stop.
  if (dictionary) {
    const invitation = t('promo.forum');
    forum.textContent = forReading && engine ? engine.withoutFullStop(invitation) : invitation;
  }
  $('full-brand').hidden = forReading;
  $('co-brand').hidden = !forReading;
}

// The reading's words in the page's language; its texts come as keys.
function fillReading(reading) {
  $('result-heading').textContent =
    filled(t('page.readingHeading'), t(reading.sunSign), reading.kuaNumber);
  $('car-colour').textContent = t(reading.carColour);
  setSwatch($('car-swatch'), reading.carColourSwatch);
  $('car-text').textContent = t(reading.carColourDescription);
  $('kua').textContent = reading.kuaNumber;
  $('planet').textContent = t(reading.rulingPlanet);
  $('sign').textContent = t(reading.sunSign);
  // Its paragraphs are parted by an empty line.
  $('sign-text').replaceChildren(...t(reading.sunSignText).split('\n\n').map((paragraph) => {
    const p = document.createElement('p');
    p.textContent = paragraph;
    return p;
  }));
  document.querySelectorAll('.purposes dd').forEach((row, i) => {
    row.querySelector('.value').textContent = t(reading.purposes[i].name);
    setSwatch(row.querySelector('.swatch'), reading.purposes[i].swatch);
  });
  showPhrase($('feng-shui-year'), reading.year);
  showPhrase($('kua-five'), reading.kuaFive);
  showPhrase($('feng-shui-li-chun'), reading.liChunDay);
  const { elements } = reading;
  $('nayin').textContent = t(elements.nayin);
  $('element').textContent = t(elements.element);
  showPhrase($('element-rule'), elements.rule);
  fillColours($('suit'), elements.suit);
  fillColours($('avoid'), elements.avoid);
  showPhrase($('elements-year'), reading.year);
  showPhrase($('elements-li-chun'), elements.liChunDay);
}

// A line of the reading that only some readings have.
function showPhrase(element, phrase) {
  element.textContent = phrased(phrase, t);
  element.hidden = !phrase;
}

// Each colour's swatch and name, in a list.
function fillColours(list, colours) {
  list.replaceChildren(...colours.map((colour) => {
    const item = document.createElement('li');
    const swatch = document.createElement('span');
    swatch.className = 'swatch';
    setSwatch(swatch, colour.swatch);
    const name = document.createElement('span');
    name.className = 'value';
    name.textContent = t(colour.name);
    item.append(swatch, name);
    return item;
  }));
}

function showReading(reading, basis, history) {
  shown = basis;
  shownReading = reading;
  fillReading(reading);
  selectTab(0, false);
  $('share-box').hidden = true;
  formView.hidden = true;
  resultView.hidden = false;
  showNotes(true);
  // The phone's Back returns to the form, Forward to this reading.
  if (history === 'push') window.history.pushState({ reading: basis }, '');
  $('result-heading').focus();
}

function showForm() {
  shownReading = null;
  resultView.hidden = true;
  formView.hidden = false;
  showNotes(false);
  $('name').focus();
}

// The reading for what a history entry or a shared link holds, when its
// date is one the form accepts.
function keptReading(basis) {
  const answer = engine.shared(basis.male, basis.dayIndex, basis.monthIndex, basis.yearIndex);
  return answer.ok ? answer.reading : null;
}

$('details').addEventListener('submit', async (event) => {
  event.preventDefault();
  const ready = await readySite();
  if (!ready) return;
  const inputs = formInputs();
  const answer = ready.read(inputs);
  if (!answer.ok) {
    showProblem(problem, answer.text, answer.icon);
    // On the page a date message takes the focus to the day list, the sex
    // message to the choice of sex.
    $({ name: 'name', proceed: 'male', unchanged: 'day' }[answer.focus]).focus();
    return;
  }
  problem.hidden = true;
  const { male, dayIndex, monthIndex, yearIndex } = inputs;
  showReading(answer.reading, { male, dayIndex, monthIndex, yearIndex }, 'push');
});

// Back gives a fresh form, as the desktop window does, and leaves the
// reading's history entry.
$('back').addEventListener('click', () => {
  $('details').reset();
  problem.hidden = true;
  if (window.history.state?.reading) window.history.back();
  else showForm();
});

window.addEventListener('popstate', (event) => {
  keepLanguageInAddress();
  const basis = event.state?.reading;
  const reading = basis && engine ? keptReading(basis) : null;
  if (reading) showReading(reading, basis, 'none');
  else showForm();
});

tabs.forEach((tab, i) => {
  tab.addEventListener('click', () => selectTab(i, true));
  tab.addEventListener('keydown', (event) => {
    const moves = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: tabs.length - 1 };
    if (!(event.key in moves)) return;
    event.preventDefault();
    selectTab((moves[event.key] + tabs.length) % tabs.length, true);
  });
});

// --- Share, print, keep: nothing of it leaves the browser but the link. ---

// The fragment of a shared link: sex and birth date, never the name. A
// browser never sends the fragment to a server.
const two = (number) => String(number).padStart(2, '0');
function sharedFragment(basis) {
  return `#reading=${basis.male ? 'male' : 'female'}-${lists.years[basis.yearIndex]}` +
    `-${two(basis.monthIndex + 1)}-${two(lists.days[basis.dayIndex])}`;
}

// What a shared link holds, or null when it holds no date of the lists.
function basisOfFragment(fragment) {
  const parts = /^#reading=(male|female)-(\d{4})-(\d\d)-(\d\d)$/.exec(fragment);
  if (!parts) return null;
  const basis = {
    male: parts[1] === 'male',
    yearIndex: lists.years.indexOf(parts[2]),
    monthIndex: Number(parts[3]) - 1,
    dayIndex: lists.days.indexOf(String(Number(parts[4]))),
  };
  const inLists = basis.yearIndex >= 0 && basis.dayIndex >= 0 &&
    basis.monthIndex >= 0 && basis.monthIndex < lists.months.length;
  return inLists ? basis : null;
}

// A shared link, opened or followed in a page already open, shows its
// reading with its date in the form behind it; a link that holds none
// says so over the form. The fragment then leaves the address.
function showSharedLink() {
  if (!window.location.hash.startsWith('#reading=')) return;
  const shared = basisOfFragment(window.location.hash);
  const reading = shared && keptReading(shared);
  window.history.replaceState(null, '', `${location.pathname}${location.search}`);
  if (!reading) {
    showForm();
    showProblem(problem, 'page.linkNoReading', 'information');
    return;
  }
  problem.hidden = true;
  $(shared.male ? 'male' : 'female').checked = true;
  $('day').selectedIndex = shared.dayIndex;
  $('month').selectedIndex = shared.monthIndex;
  $('year').selectedIndex = shared.yearIndex;
  showReading(reading, shared, 'push');
}

window.addEventListener('hashchange', () => {
  if (engine && dictionary) showSharedLink();
});

$('share').addEventListener('click', async () => {
  const link = `${location.origin}${location.pathname}${location.search}${sharedFragment(shown)}`;
  if (navigator.share) {
    try {
      await navigator.share({ title: document.title, text: $('result-heading').textContent, url: link });
      return;
    } catch (error) {
      if (error.name === 'AbortError') return;
    }
  }
  const field = $('share-link');
  field.value = link;
  $('share-box').hidden = false;
  showText($('share-status'), null);
  field.focus();
  field.select();
  try {
    await navigator.clipboard.writeText(link);
    showText($('share-status'), 'page.linkCopied');
  } catch {
    // Not allowed here: the link stays selected in its field.
  }
});

$('print').addEventListener('click', () => window.print());

// The picture is the engine's card of the reading, the desktop's too.
$('picture').addEventListener('click', () => {
  const answer = engine?.card(shown.male, shown.dayIndex, shown.monthIndex, shown.yearIndex);
  if (!answer?.ok) return;
  savePicture(answer.card, t, {
    name: `${catalogues.product.toLowerCase()}-reading.png`,
    title: $('result-heading').textContent,
  });
});

// --- About and refer-a-friend. ---

$('open-about').addEventListener('click', () => $('about').showModal());

const refer = $('refer');
const referProblem = $('refer-problem');

function markReferBox(box) {
  for (const each of Object.values(referBoxes)) {
    each.removeAttribute('aria-invalid');
    each.removeAttribute('aria-describedby');
  }
  if (!box) return;
  box.setAttribute('aria-invalid', 'true');
  box.setAttribute('aria-describedby', 'refer-problem');
}

function showReferProblem(text, box) {
  $('refer-done').hidden = true;
  showProblem(referProblem, text, 'critical');
  markReferBox(box);
  box?.focus();
}

$('open-refer').addEventListener('click', () => {
  referProblem.hidden = true;
  $('refer-done').hidden = true;
  markReferBox(null);
  refer.showModal();
});
$('refer-close').addEventListener('click', () => refer.close());

// E-mail addresses hold no spaces: whatever brings one in (a key, a paste,
// a phone's keyboard) is refused with the engine's message.
for (const box of [referBoxes.email, referBoxes.friendEmail]) {
  let accepted = box.value;
  box.addEventListener('input', async () => {
    const ready = await readySite();
    if (!ready) return;
    const answer = ready.emailBox(box.value);
    if (answer.ok) {
      accepted = box.value;
      if (box.getAttribute('aria-invalid')) markReferBox(null);
      return;
    }
    const caret = Math.max(0, box.selectionStart - (box.value.length - accepted.length));
    box.value = accepted;
    box.setSelectionRange(caret, caret);
    showReferProblem(answer.text, box);
  });
}

$('refer-form').addEventListener('submit', async (event) => {
  event.preventDefault();
  const ready = await readySite();
  if (!ready) return;
  const boxes = Object.fromEntries(Object.entries(referBoxes).map(([key, box]) => [key, box.value]));
  const answer = ready.refer(boxes);
  if (!answer.ok) {
    showReferProblem(answer.text, referBoxes[answer.field]);
    return;
  }
  referProblem.hidden = true;
  markReferBox(null);
  // Opened without "noopener" so that a blocked tab can be told from an
  // opened one; the new tab is then cut off from this page.
  const opened = window.open(answer.address, '_blank');
  if (opened) opened.opener = null;
  $('refer-opened').hidden = !opened;
  $('refer-blocked').hidden = Boolean(opened);
  // A link with its address only: html-validate wants no target without one.
  Object.assign($('refer-link'), { href: answer.address, target: '_blank', rel: 'noopener' });
  $('refer-link').textContent = answer.address;
  $('refer-done').hidden = false;
});

// --- A new version, and the start. ---

// A page runs the version of the files it opened with: when a new version
// takes over, from this tab or another, a page that a worker served reloads
// rather than mix its files with the new ones.
const workers = navigator.serviceWorker;
let controlled = Boolean(workers?.controller);
workers?.addEventListener('controllerchange', () => {
  if (controlled) {
    window.location.reload();
    return;
  }
  controlled = true;
  // The first visit fetched its language before the worker was there to
  // keep it; asked again, the worker keeps it (from the browser's cache).
  if (dictionary) fetch(`lang/${language.code}.json`).catch(() => {});
});

// Registered once the page has loaded what it needs, so that the worker
// takes those files from the browser's cache instead of fetching them again.
// A version whose files do not check out is not installed: the next
// registration tries again.
function registerWorker() {
  workers?.register('sw.js').then((registration) => {
    // A new version waits, stored, until the user takes it.
    const offer = () => {
      if (registration.waiting && workers.controller) $('new-version').hidden = false;
    };
    const watch = (worker) => worker?.addEventListener('statechange', offer);
    offer();
    watch(registration.installing);
    registration.addEventListener('updatefound', () => watch(registration.installing));
  }).catch(() => {});
}

$('reload').addEventListener('click', async () => {
  const registration = await workers?.getRegistration();
  if (registration?.waiting) registration.waiting.postMessage('take-over');
  else window.location.reload();
});

// A shared link's reading, or the reading of the history entry (after a
// reload, or Back from another site).
function showFromAddress() {
  const kept = window.history.state?.reading;
  if (window.location.hash.startsWith('#reading=')) showSharedLink();
  else if (kept && keptReading(kept)) showReading(keptReading(kept), kept, 'none');
}

loadSite(false).then((loaded) => {
  registerWorker();
  if (loaded) showFromAddress();
});
