// The page: it hands the form to the engine and shows what comes back.
import { loadEngine } from './engine.js';
import { savePicture } from './picture.js';

const $ = (id) => document.getElementById(id);
// The texts the page composes at run time, written into it by its build.
const texts = JSON.parse($('page-texts').textContent);

const formView = $('form-view');
const resultView = $('result-view');
const problem = $('problem');
const proceed = $('proceed');
const forum = $('forum');
const forumLong = forum.textContent;
const tabs = [$('tab-astrology'), $('tab-feng-shui')];
const referBoxes = {
  name: $('refer-name'),
  email: $('refer-email'),
  friendName: $('refer-friend-name'),
  friendEmail: $('refer-friend-email'),
};

// --- The engine: loaded at once; until then the button shows it is busy. ---

let engine = null;
let engineLoading = null;

function loadTheEngine(again) {
  proceed.setAttribute('aria-busy', 'true');
  $('engine-problem').hidden = true;
  engineLoading = (async () => {
    if (typeof WebAssembly !== 'object') throw new Error('no WebAssembly');
    // Trying again asks the server, not a copy kept from the failed try.
    const response = await fetch('korvane.wasm', again ? { cache: 'reload' } : {});
    if (!response.ok) throw new Error(`korvane.wasm: ${response.status}`);
    return loadEngine(await response.arrayBuffer());
  })().then((loaded) => {
    engine = loaded;
    return loaded;
  }, () => {
    $('no-webassembly').hidden = typeof WebAssembly === 'object';
    $('engine-failed').hidden = !$('no-webassembly').hidden;
    $('retry').hidden = !$('no-webassembly').hidden;
    $('engine-problem').hidden = false;
    return null;
  }).finally(() => {
    proceed.setAttribute('aria-busy', 'false');
    $('waiting').textContent = '';
  });
  return engineLoading;
}

// The engine, once it is there; a wait the user sees while it loads.
async function readyEngine() {
  if (engine) return engine;
  $('waiting').textContent = texts.loading;
  const loaded = await engineLoading;
  $('waiting').textContent = '';
  if (!loaded && !$('retry').hidden) $('retry').focus();
  return loaded;
}

$('retry').addEventListener('click', () => loadTheEngine(true));

// --- The form and the reading. ---

function formInputs() {
  return {
    name: $('name').value,
    male: $('male').checked,
    female: $('female').checked,
    dayIndex: $('day').selectedIndex,
    monthIndex: $('month').selectedIndex,
    yearIndex: $('year').selectedIndex,
  };
}

// What a reading is made from, without the name: kept in the history entry
// and in a shared link.
let shown = null;

function showProblem(box, text, icon) {
  box.textContent = text;
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
  forum.textContent = forReading ? forum.dataset.short : forumLong;
  $('full-brand').hidden = forReading;
  $('co-brand').hidden = !forReading;
}

function showReading(reading, basis, history) {
  shown = basis;
  $('result-heading').textContent = texts.readingHeading
    .replace('{sign}', reading.sunSign).replace('{kua}', reading.kuaNumber);
  $('car-colour').textContent = reading.carColour;
  setSwatch($('car-swatch'), reading.carColourSwatch);
  $('car-text').textContent = reading.carColourDescription;
  $('kua').textContent = reading.kuaNumber;
  $('planet').textContent = reading.rulingPlanet;
  $('sign').textContent = reading.sunSign;
  $('sign-text').replaceChildren(...reading.sunSignParagraphs.map((paragraph) => {
    const p = document.createElement('p');
    p.textContent = paragraph;
    return p;
  }));
  document.querySelectorAll('.purposes dd').forEach((row, i) => {
    row.querySelector('.value').textContent = reading.purposes[i].name;
    setSwatch(row.querySelector('.swatch'), reading.purposes[i].swatch);
  });
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
  const ready = await readyEngine();
  if (!ready) return;
  const inputs = formInputs();
  const answer = ready.read(inputs);
  if (!answer.ok) {
    showProblem(problem, answer.text, answer.icon);
    // On the page a date message takes the focus to the day list.
    const focus = { name: 'name', proceed: 'proceed', unchanged: 'day' }[answer.focus];
    if (focus) $(focus).focus();
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
  return `#reading=${basis.male ? 'male' : 'female'}-${$('year').options[basis.yearIndex].value}` +
    `-${two(basis.monthIndex + 1)}-${two($('day').options[basis.dayIndex].value)}`;
}

function basisOfFragment(fragment) {
  const parts = /^#reading=(male|female)-(\d{4})-(\d\d)-(\d\d)$/.exec(fragment);
  if (!parts) return null;
  const position = (list, value) => [...$(list).options].findIndex((o) => o.value === value);
  const basis = {
    male: parts[1] === 'male',
    yearIndex: position('year', parts[2]),
    monthIndex: Number(parts[3]) - 1,
    dayIndex: position('day', String(Number(parts[4]))),
  };
  const inLists = basis.yearIndex >= 0 && basis.dayIndex >= 0 &&
    basis.monthIndex >= 0 && basis.monthIndex < $('month').options.length;
  return inLists ? basis : null;
}

$('share').addEventListener('click', async () => {
  const link = `${location.origin}${location.pathname}${sharedFragment(shown)}`;
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
  $('share-status').textContent = '';
  field.focus();
  field.select();
  try {
    await navigator.clipboard.writeText(link);
    $('share-status').textContent = texts.linkCopied;
  } catch {
    // Not allowed here: the link stays selected in its field.
  }
});

$('print').addEventListener('click', () => window.print());

$('picture').addEventListener('click', () => savePicture({
  product: document.querySelector('h1').textContent,
  heading: $('result-heading').textContent,
  sections: tabs.map((tab) => tab.textContent),
  kua: [document.querySelector('.facts dt').textContent, $('kua').textContent],
  purposes: [...document.querySelectorAll('.purposes > div')].map((row) => ({
    label: row.querySelector('dt').textContent,
    name: row.querySelector('.value').textContent,
    colour: getComputedStyle(row.querySelector('.swatch')).backgroundColor,
  })),
  facts: [...document.querySelectorAll('.facts dt')].slice(1).reverse()
    .map((dt) => [dt.textContent, dt.nextElementSibling.textContent]),
  car: {
    label: document.querySelector('.car .caption').textContent,
    name: $('car-colour').textContent,
    colour: getComputedStyle($('car-swatch')).backgroundColor,
  },
}));

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
    const ready = await readyEngine();
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
  const ready = await readyEngine();
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
  $('refer-link').href = answer.address;
  $('refer-link').textContent = answer.address;
  $('refer-done').hidden = false;
});

// --- A new version, and the start. ---

if ('serviceWorker' in navigator) {
  let reloadAsked = false;
  navigator.serviceWorker.register('sw.js').then((registration) => {
    // A new version waits, stored, until the user takes it.
    const offer = () => {
      if (registration.waiting && navigator.serviceWorker.controller) $('new-version').hidden = false;
    };
    const watch = (worker) => worker?.addEventListener('statechange', offer);
    offer();
    watch(registration.installing);
    registration.addEventListener('updatefound', () => watch(registration.installing));
    $('reload').addEventListener('click', () => {
      reloadAsked = true;
      if (registration.waiting) registration.waiting.postMessage('take-over');
      else window.location.reload();
    });
  }).catch(() => {});
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (reloadAsked) window.location.reload();
  });
}

loadTheEngine(false).then(() => {
  if (!engine) return;
  // A shared link shows its reading, with its date in the form behind it; a
  // link that names no reading the form accepts leaves the form as it is.
  const kept = window.history.state?.reading;
  const shared = basisOfFragment(location.hash);
  const reading = shared && keptReading(shared);
  if (location.hash.startsWith('#reading=')) {
    window.history.replaceState(null, '', `${location.pathname}${location.search}`);
  }
  if (reading) {
    $(shared.male ? 'male' : 'female').checked = true;
    $('day').selectedIndex = shared.dayIndex;
    $('month').selectedIndex = shared.monthIndex;
    $('year').selectedIndex = shared.yearIndex;
    showReading(reading, shared, 'push');
  } else if (kept && keptReading(kept)) {
    showReading(keptReading(kept), kept, 'none');
  }
});
