// Keeps the site's own files for use offline. The build writes the version
// (a digest of the site's files), so a new site is a new cache.
const VERSION = '{{version}}';
// Every cache of this copy of the site carries the prefix and its scope, so
// that other sites and other copies on the same host keep theirs.
const PREFIX = `korvane:${self.registration.scope}:`;
const CACHE = `${PREFIX}${VERSION}`;
const FILES = {{files}};

self.addEventListener('install', (event) => {
  // Fetched past the HTTP cache, which may still hold the old version's files.
  event.waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' })))));
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
  event.respondWith(caches.open(CACHE).then((cache) =>
    cache.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request))));
});
