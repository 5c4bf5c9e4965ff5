// Times the browser edition in Chromium: how long the page takes to be ready
// for the first line, as it is and with the processor slowed four times, and
// how long the screen takes to settle after Enter on a pair's second operand,
// at pairs 1-10 and 191-200 of one session. A long session must stay as quick
// as a short one. The figures are told, not asserted: a busy machine is slow.
//
// Usage (after the web preset's build and `npm ci` in web/):
//   node bench/page_bench.mjs
// Chromium alone: only CDP slows a page's processor down. It is driven as in
// the browser tests (tests/web/drivers/chromium.mjs).
import { launch } from '../tests/web/drivers/chromium.mjs';

const pairs = 200;
const loads = 7;
// The aim for the first prompt with the processor slowed four times.
const slowTargetMs = 1200;

// Notes, by the page's own clock (from the start of navigation), when the
// screen first stops being busy: the program waits for its first line.
function markFirstPrompt() {
  new MutationObserver((records, observer) => {
    if (records.some((record) => record.target.getAttribute('aria-busy') === 'false')) {
      window.firstPromptMs = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['aria-busy'] });
}

// Loads the page in a fresh context with the processor slowed `slowdown`
// times and returns the milliseconds to its first prompt.
async function timeFirstPrompt(browser, slowdown) {
  const session = await browser.open({ slowdown, initScript: `(${markFirstPrompt})();` });
  const ms = await session.evaluate(() => window.firstPromptMs);
  await session.close();
  return ms;
}

// A 38-digit operand, the same for every run.
let seed = 2026;
function operand(sign) {
  let digits = '';
  for (let i = 0; i < 38; ++i) {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    digits += i === 0 ? 1 + (seed % 9) : seed % 10;
  }
  return sign + digits;
}

// Presses Enter on `text` from within the page and returns the milliseconds
// until the program waits again with the new text laid out on the screen.
function timeEnter(session, text) {
  return session.evaluate((text) => new Promise((resolve) => {
    const screen = document.getElementById('screen');
    const line = document.getElementById('line');
    line.value = text;
    const start = performance.now();
    line.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true, cancelable: true }));
    // The program runs until its next read; a task queued now runs after it.
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
      if (screen.getAttribute('aria-busy') !== 'false') return channel.port2.postMessage(0);
      document.body.getBoundingClientRect();  // layout, should any be left
      resolve(performance.now() - start);
    };
    channel.port2.postMessage(0);
  }), text);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const format = (ms) => `${ms.toFixed(1)} ms`;

const browser = await launch();
const ready = { 1: [], 4: [] };
// Alternated, so that a busy spell on the machine falls on both.
for (let run = 0; run < loads; ++run) {
  for (const slowdown of [1, 4]) ready[slowdown].push(await timeFirstPrompt(browser, slowdown));
}

const session = await browser.open();
for (const line of ['a', 'b', 'c', 'Bench']) await session.typeLine(line);
const settle = [];
for (let pair = 1; pair <= pairs; ++pair) {
  await timeEnter(session, operand(pair % 2 ? '' : '-'));
  settle.push(await timeEnter(session, operand(pair % 3 ? '-' : '')));
}
const early = median(settle.slice(0, 10));
const late = median(settle.slice(pairs - 10));
const size = await session.evaluate(() => document.getElementById('screen').textContent.length);
await browser.close();

const spread = (values) => `${format(Math.min(...values))} to ${format(Math.max(...values))}`;
console.log(`first prompt, processor as is:     ${format(median(ready[1]))} (median of ${loads} loads; ${spread(ready[1])})`);
console.log(`first prompt, processor slowed 4x: ${format(median(ready[4]))} (median of ${loads} loads; ${spread(ready[4])}; aim: ${format(slowTargetMs)} or less${median(ready[4]) <= slowTargetMs ? ', met' : ', not met'})`);
console.log(`settled after Enter, pairs 1-10:     ${format(early)} (median)`);
console.log(`settled after Enter, pairs 191-200:   ${format(late)} (median; ${Math.round(size / 1024)} KiB on screen)`);
console.log(`ratio late / early:                 ${(late / early).toFixed(2)}`);
