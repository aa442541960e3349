// Times a reading in headless Chromium: from the click on "Get My Lucky Car
// Color" until the frame that shows the result has been produced (the next
// animation frame after the result is in the page). Median of 30 readings.
//   node reading_time.mjs SITE_DIR
import { fillForm, launch, openPage, serve } from '../../tests/web/support.mjs';

const [siteDir] = process.argv.slice(2);
const server = await serve(siteDir);
const { browser, close } = await launch('chromium');
try {
  const page = await browser.newPage();
  await openPage(page, server.url);
  await fillForm(page);
  const times = [];
  for (let i = 0; i < 30; ++i) {
    const ms = await page.evaluate(() => new Promise((resolve) => {
      const result = document.getElementById('result-view');
      const start = performance.now();
      const observer = new MutationObserver(() => {
        if (result.hidden) return;
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - start), 0));
      });
      observer.observe(result, { attributes: true });
      document.getElementById('proceed').click();
    }));
    times.push(ms);
    // Straight back to the filled form, without the page's Back, which resets it.
    await page.evaluate(() => {
      document.getElementById('result-view').hidden = true;
      document.getElementById('form-view').hidden = false;
    });
  }
  times.sort((a, b) => a - b);
  console.log(`reading, click to frame: median ${times[15].toFixed(1)} ms, ` +
    `fastest ${times[0].toFixed(1)} ms, slowest ${times[times.length - 1].toFixed(1)} ms (30 readings)`);
} finally {
  await close();
  await server.stop();
}
