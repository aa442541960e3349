// What a first visit transfers, as Chromium counts it on the wire (headers
// and gzip -9 bodies), in each language: the page's own requests and its
// service worker's, from the first request until the worker keeps the
// language of the visit. Also how often each file came over the wire.
//   node first_visit.mjs SITE_DIR
import { kPatience, languages, launch, serve } from '../../tests/web/support.mjs';

const [siteDir] = process.argv.slice(2);

// Counts every response that reaches the network in a session: its bytes,
// its path and the status the server sent (304 for a file the browser's
// cache had). Answers from the service worker or the browser's cache carry
// no bytes of their own and are left out.
function count(session, counted) {
  const seen = new Map();
  const of = (requestId) => seen.get(requestId) ?? seen.set(requestId, {}).get(requestId);
  session.on('Network.responseReceivedExtraInfo', ({ requestId, statusCode }) => { of(requestId).status = statusCode; });
  session.on('Network.responseReceived', ({ requestId, response }) => {
    if (!response.fromServiceWorker) of(requestId).path = new URL(response.url).pathname;
  });
  session.on('Network.loadingFinished', ({ requestId, encodedDataLength }) => {
    of(requestId).bytes = encodedDataLength;
  });
  counted.push(seen);
  return session.send('Network.enable');
}

async function firstVisit(url, code) {
  const { browser, close } = await launch('chromium');
  const sessions = [];
  try {
    // Every service worker is held at its start until it is counted too.
    const top = await browser.target().createCDPSession();
    top.on('Target.attachedToTarget', async ({ sessionId }) => {
      const worker = top.connection().session(sessionId);
      await count(worker, sessions);
      await worker.send('Runtime.runIfWaitingForDebugger');
    });
    await top.send('Target.setAutoAttach', {
      autoAttach: true, waitForDebuggerOnStart: true, flatten: true, filter: [{ type: 'service_worker' }],
    });
    const page = await browser.newPage();
    await count(await page.createCDPSession(), sessions);
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForFunction((file) => navigator.serviceWorker.controller && caches.match(file),
      { timeout: kPatience, polling: 200 }, `lang/${code}.json`);
    // The last events of a response may come a moment after it.
    await new Promise((resolve) => setTimeout(resolve, 1000));
    return sessions.flatMap((seen) => [...seen.values()].filter(({ path, status, bytes }) =>
      path && status && bytes !== undefined).map(({ path, status, bytes }) => [path, status, bytes]));
  } finally {
    await close();
  }
}

const server = await serve(siteDir, { gzip: true });
try {
  for (const { code, tag } of languages(siteDir)) {
    const transfers = await firstVisit(`${server.url}?lang=${tag}`, code);
    const total = transfers.reduce((sum, [, , bytes]) => sum + bytes, 0);
    const times = new Map();
    for (const [path, status] of transfers) if (status === 200) times.set(path, (times.get(path) ?? 0) + 1);
    const again = [...times].filter(([, n]) => n > 1).map(([path, n]) => `${path} ${n} times`);
    console.log(`  ${code.padEnd(6)} ${(total / 1024).toFixed(1)} KB in ${transfers.length} responses` +
      `, ${times.size} files${again.length ? `; more than once: ${again.join(', ')}` : ', each once'}`);
    if (code === 'en') {
      for (const [path, status, bytes] of transfers) console.log(`           ${status} ${path} ${bytes}`);
    }
  }
} finally {
  await server.stop();
}
