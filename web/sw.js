// Keeps the site's own files for use offline. The build writes the version
// (a digest of the site's files), so a new site is a new cache.
const VERSION = '{{version}}';
// Every cache of this copy of the site carries the prefix and its scope, so
// that other sites and other copies on the same host keep theirs.
const PREFIX = `korvane:${self.registration.scope}:`;
const CACHE = `${PREFIX}${VERSION}`;
const FILES = {{files}};
// Each language's texts and manifest: stored once a page has used them.
const LANGUAGES = {{languages}};

const inScope = (file) => new URL(file, self.registration.scope).href;
const languageFiles = new Set(LANGUAGES.map(inScope));

// The languages an older version of this copy had stored.
async function languagesUsedBefore() {
  const used = new Set();
  for (const key of await caches.keys()) {
    if (!key.startsWith(PREFIX) || key === CACHE) continue;
    for (const request of await (await caches.open(key)).keys()) {
      if (languageFiles.has(request.url)) used.add(request.url);
    }
  }
  return [...used];
}

self.addEventListener('install', (event) => {
  // Fetched past the HTTP cache, which may still hold the old version's files.
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    const files = [...FILES.map(inScope), ...await languagesUsedBefore()];
    await cache.addAll(files.map((file) => new Request(file, { cache: 'reload' })));
  })());
});

// A new version waits until the page takes it (its reload notice), so that
// no page runs on old and new files at once.
self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith(PREFIX) && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const hit = await cache.match(event.request, { ignoreSearch: true });
    if (hit) return hit;
    const key = `${url.origin}${url.pathname}`;
    if (!languageFiles.has(key)) return fetch(event.request);
    // A language used for the first time is kept with this version.
    const response = await fetch(key, { cache: 'reload' });
    if (response.ok) await cache.put(key, response.clone());
    return response;
  }));
});
