// What the drivers of every engine share: where the page is, the functions
// they run inside it, and the session a test works, built on each driver's
// few engine-specific steps.
import { readdir, readFile, rm } from 'node:fs/promises';
import { setTimeout as sleep } from 'node:timers/promises';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const root = fileURLToPath(new URL('../../../', import.meta.url));

// The page as the web preset builds it, or the one NINES_PAGE names.
export const pageUrl = pathToFileURL(process.env.NINES_PAGE ?? `${root}build/web/web/nines.html`).href;

// The functions below run inside the page, each given one argument.

// Resolves once the program waits for a line, has ended or could not start.
export function whenSettled() {
  const screen = document.getElementById('screen');
  const settled = () => screen.getAttribute('aria-busy') === 'false';
  return new Promise((resolve) => {
    if (settled()) return resolve(true);
    new MutationObserver((changes, observer) => {
      if (!settled()) return;
      observer.disconnect();
      resolve(true);
    }).observe(screen, { attributes: true, attributeFilter: ['aria-busy'] });
  });
}

// The text of the screen; without `typed`, less every echoed entry.
export function screenTextOf(typed) {
  const screen = document.getElementById('screen');
  if (typed) return screen.textContent;
  const walker = document.createTreeWalker(screen, NodeFilter.SHOW_TEXT);
  let text = '';
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    if (!node.parentElement.closest('.typed')) text += node.data;
  }
  return text;
}

// Whether a button of that name is on view.
export function buttonShown(name) {
  const button = [...document.querySelectorAll('button')].find((b) => b.textContent.trim() === name);
  return Boolean(button && !button.hidden && button.getClientRects().length > 0);
}

// Stops the clock at `ms` since 1970 for every later reading of it.
export function stopClock(ms) {
  const RealDate = Date;
  window.Date = class extends RealDate {
    constructor(...args) {
      if (args.length) super(...args); else super(ms);
    }
    static now() { return ms; }
  };
}

// A session of the page in one engine, as a test works it. A driver supplies
// evaluate(pageFunction, arg), type(text) (a line end in it is Enter; one
// call to the browser where the protocol allows), press('Enter' |
// 'Control+D'), saveAnswers() (the bytes the button "Save answers.txt"
// saves), requested() (every address the page asked for) and close().
export class PageSession {
  settled() { return this.evaluate(whenSettled); }

  async typeLine(text) {
    await this.type(`${text}\n`);
    await this.settled();
  }

  async endInput() {
    await this.press('Control+D');
    await this.settled();
  }

  hasEnded() { return this.evaluate(buttonShown, 'Start again'); }

  screenText({ typed = true } = {}) { return this.evaluate(screenTextOf, typed); }
}

// Empties `folder` for a download to come.
export async function clearDownloads(folder) {
  for (const name of await readdir(folder)) {
    if (!name.startsWith('.')) await rm(`${folder}/${name}`, { recursive: true });
  }
}

// The bytes of `name` once the browser has saved it in `folder`: it is the
// only file there, not empty, and no longer growing (Firefox keeps it empty
// while it writes a .part file beside it; WebKit writes it in place).
export async function downloaded(folder, name, timeoutMs = 30000) {
  const deadline = Date.now() + timeoutMs;
  let last = null;
  for (;;) {
    const names = (await readdir(folder)).filter((file) => !file.startsWith('.'));
    if (names.length === 1 && names[0] === name) {
      const bytes = await readFile(`${folder}/${name}`);
      if (bytes.length > 0 && last?.equals(bytes)) return bytes;
      last = bytes;
    }
    if (Date.now() > deadline) throw new Error(`no ${name} in ${folder}; there: ${names.join(', ')}`);
    await sleep(50);
  }
}
