// Keeps the site's own files for use offline. The build writes the version
// (a digest of the site's files), so a new site is a new cache, and each
// file's SHA-256 digest: the worker keeps and serves only its own version's
// bytes, never a file cut short or one of another version.
const VERSION = '{{version}}';
// Every cache of this copy of the site carries the prefix and its scope, so
// that other sites and other copies on the same host keep theirs.
const SCOPE = self.registration.scope;
const PREFIX = `korvane:${SCOPE}:`;
const CACHE = `${PREFIX}${VERSION}`;
const DIGESTS = {{digests}};
// Kept at once.
const FILES = {{files}};
// Each language's texts, with the other files that come with it (its
// manifest): kept once a page has used the language.
const LANGUAGES = {{languages}};

const inScope = (file) => new URL(file, SCOPE).href;

// The site's file a request names; the scope itself is index.html.
function siteFile(url) {
  const { origin, pathname } = new URL(url);
  const address = `${origin}${pathname}`;
  if (!address.startsWith(SCOPE)) return null;
  const file = address.slice(SCOPE.length) || 'index.html';
  return file in DIGESTS ? file : null;
}

async function digestOf(response) {
  const digest = await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer());
  return btoa(String.fromCharCode(...new Uint8Array(digest)));
}

const isThisVersion = async (response, file) =>
  Boolean(response?.ok) && (await digestOf(response)) === DIGESTS[file];

// This version's copy of a file: the page's copy in the browser's cache when
// it has one (a first visit then fetches each file once), else the server's.
// Null when the server has other bytes; throws when it cannot be reached.
async function fetched(file, addresses = [inScope(file)]) {
  for (const address of addresses) {
    const cached = await fetch(address, { cache: 'only-if-cached', mode: 'same-origin' }).catch(() => null);
    if (await isThisVersion(cached, file)) return cached;
  }
  const response = await fetch(inScope(file), { cache: 'reload' });
  return (await isThisVersion(response, file)) ? response : null;
}

async function keep(cache, file, addresses) {
  const response = await fetched(file, addresses);
  if (!response) throw new Error(`${file} is not this version's`);
  await cache.put(inScope(file), response);
}

const keepLanguage = (cache, file) =>
  Promise.all([file, ...LANGUAGES[file]].map((each) => keep(cache, each)));

// The languages an older version of this copy had kept.
async function languagesUsedBefore() {
  const used = new Set();
  for (const key of await caches.keys()) {
    if (!key.startsWith(PREFIX) || key === CACHE) continue;
    for (const request of await (await caches.open(key)).keys()) {
      const file = siteFile(request.url);
      if (file in LANGUAGES) used.add(file);
    }
  }
  return [...used];
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // The page came to the browser's cache under its own address.
    const pages = (await self.clients.matchAll({ type: 'window', includeUncontrolled: true }))
      .map(({ url }) => url.split('#')[0]).filter((url) => siteFile(url) === 'index.html');
    try {
      await Promise.all(FILES.map((file) => keep(cache, file,
        file === 'index.html' ? [...pages, SCOPE, inScope(file)] : undefined)));
    } catch (error) {
      // Nothing of a version that does not check out is kept; the next
      // visit tries again.
      await caches.delete(CACHE);
      throw error;
    }
    const used = await languagesUsedBefore();
    await Promise.all(used.map((file) => keepLanguage(cache, file).catch(() => {})));
  })());
});

// A new version waits until a page takes it (its reload notice); then every
// page of the old version reloads, so that none runs on old and new files.
self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith(PREFIX) && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

async function answer(file) {
  const cache = await caches.open(CACHE);
  const kept = await cache.match(inScope(file));
  if (kept) return kept;
  const response = await fetched(file);
  if (!response) {
    // The server has moved on to another version: this one's pages get
    // none of its files, and the new version is fetched to be offered.
    self.registration.update().catch(() => {});
    return new Response(null, { status: 503, statusText: 'Not this version' });
  }
  // A language's texts are kept last, once the files that come with them are.
  if (file in LANGUAGES) await Promise.all(LANGUAGES[file].map((other) => keep(cache, other).catch(() => {})));
  await cache.put(inScope(file), response.clone());
  return response;
}

self.addEventListener('fetch', (event) => {
  const file = event.request.method === 'GET' ? siteFile(event.request.url) : null;
  if (file) event.respondWith(answer(file));
});
