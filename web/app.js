// The page: it hands the form to the engine and shows what comes back.
import { loadEngine } from './engine.js';

const $ = (id) => document.getElementById(id);
const engineReady = fetch('korvane.wasm')
  .then((response) => response.arrayBuffer())
  .then(loadEngine);

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

const formView = $('form-view');
const resultView = $('result-view');
const problem = $('problem');
const forum = $('forum');
const forumLong = forum.textContent;
const tabs = [$('tab-astrology'), $('tab-feng-shui')];

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

function showReading(reading) {
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
  formView.hidden = true;
  resultView.hidden = false;
  forum.textContent = forum.dataset.short;
  $('back').focus();
}

$('details').addEventListener('submit', async (event) => {
  event.preventDefault();
  const engine = await engineReady;
  const inputs = formInputs();
  const answer = engine.check(inputs);
  if (!answer.ok) {
    showProblem(problem, answer.text, answer.icon);
    if (answer.focus === 'name') $('name').focus();
    else if (answer.focus === 'proceed') $('proceed').focus();
    return;
  }
  problem.hidden = true;
  showReading(engine.reading(inputs));
});

$('back').addEventListener('click', () => {
  $('details').reset();
  problem.hidden = true;
  resultView.hidden = true;
  formView.hidden = false;
  forum.textContent = forumLong;
  $('name').focus();
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

$('open-about').addEventListener('click', () => $('about').showModal());

const refer = $('refer');
const referProblem = $('refer-problem');
const referBoxes = ['refer-name', 'refer-email', 'refer-friend-name', 'refer-friend-email'].map($);
$('open-refer').addEventListener('click', () => {
  referProblem.hidden = true;
  refer.showModal();
});
$('refer-close').addEventListener('click', () => refer.close());

// E-mail addresses hold no spaces: a typed space is refused with a message.
[referBoxes[1], referBoxes[3]].forEach((box) => {
  box.addEventListener('keydown', async (event) => {
    if (event.key !== ' ') return;
    event.preventDefault();
    const engine = await engineReady;
    showProblem(referProblem, engine.page().texts.emailSpace, 'critical');
  });
});

$('refer-form').addEventListener('submit', async (event) => {
  event.preventDefault();
  const engine = await engineReady;
  // The form's order: name, e-mail, (message, kept by the engine), friend's name and e-mail.
  const [name, email, friendName, friendEmail] = referBoxes.map((box) => box.value);
  const answer = engine.refer([name, email, null, friendName, friendEmail]);
  if (!answer.ok) {
    showProblem(referProblem, answer.text, 'critical');
    return;
  }
  referProblem.hidden = true;
  window.open(answer.address, '_blank', 'noopener');
});
