// What the drivers of every engine share about the page: where it is, the
// functions they run inside it, the script run before its own, a copy of it
// with that script inside, and the downloads it saves.
import { mkdir, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { setTimeout as sleep } from 'node:timers/promises';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const root = fileURLToPath(new URL('../../../', import.meta.url));

// The page as the web preset builds it, or the one NINES_PAGE names.
export const pagePath = process.env.NINES_PAGE ?? `${root}build/web/web/nines.html`;
export const pageUrl = pathToFileURL(pagePath).href;

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

// A keydown event made by a script, on the focused element: what no
// keyboard protocol sends (an input method's Enter; in some, a key whose
// code is not its letter's).
export function dispatchKeydownOf(init) {
  document.activeElement.dispatchEvent(new KeyboardEvent('keydown', { bubbles: true, cancelable: true, ...init }));
}

// Text put into the focused field as an input method commits it: input
// events, no keys.
export function insertTextOf(text) {
  document.execCommand('insertText', false, text);
}

// Puts `text` in a field of its own, selected, for the browser to copy;
// copiedOf() then takes the field away and gives the entry the focus back.
export function toCopyOf(text) {
  const field = document.createElement('textarea');
  field.id = 'to-copy';
  field.value = text;
  document.body.append(field);
  field.select();
}

export function copiedOf() {
  document.getElementById('to-copy').remove();
  document.getElementById('line').focus();
}

// A paste of `text` made by a script, on the entry: where the browser has no
// clipboard to paste from.
export function dispatchPasteOf(text) {
  const clipboardData = new DataTransfer();
  clipboardData.setData('text/plain', text);
  document.getElementById('line').dispatchEvent(
      new ClipboardEvent('paste', { clipboardData, bubbles: true, cancelable: true }));
}

// Where a finger tapping the element `selector` lands, in the window: the
// middle of the element's part in view, which must be the element's own
// (not a header over it).
export function tapPointOf(selector) {
  const element = document.querySelector(selector);
  const box = element.getBoundingClientRect();
  const left = Math.max(box.left, 0);
  const right = Math.min(box.right, document.documentElement.clientWidth);
  const top = Math.max(box.top, 0);
  const bottom = Math.min(box.bottom, innerHeight);
  if (left >= right || top >= bottom) throw new Error(`${selector} is out of view`);
  const x = Math.round((left + right) / 2);
  const y = Math.round((top + bottom) / 2);
  if (!element.contains(document.elementFromPoint(x, y))) throw new Error(`${selector} is covered at ${x}, ${y}`);
  return { x, y };
}

// Empties the page's storage, the one it keeps sessions in.
export function clearStorageOf() {
  localStorage.clear();
  sessionStorage.clear();
}

// The page's own storage, every key and value: what the drivers' storage
// steps are checked by.
export function storageOf() {
  const all = (storage) => Object.fromEntries(Object.keys(storage).map((key) => [key, storage.getItem(key)]));
  return { local: all(localStorage), session: all(sessionStorage) };
}

// The window's size in CSS px, and its pixel ratio.
export function viewportOf() {
  return { width: innerWidth, height: innerHeight, ratio: devicePixelRatio };
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

// The script to run before the page's own: the clock stopped at `seconds`
// if given, then `initScript`; null when there is neither.
export function preludeOf({ seconds, initScript }) {
  const parts = [];
  if (seconds !== undefined) parts.push(`(${stopClock})(${seconds * 1000});`);
  if (initScript) parts.push(initScript);
  return parts.length ? parts.join('\n') : null;
}

// Writes a copy of the page into `folder` with `script` first in its head,
// so that it runs before the page's own (the page's Content-Security-Policy
// allows inline scripts); returns its address. The copy has the page's name
// in a folder of its own.
let copies = 0;
export async function pageCopy(folder, script) {
  if (/<\/script/i.test(script)) throw new Error('a script before the page\'s own holds "</script"');
  const page = await readFile(pagePath, 'utf8');
  const head = page.indexOf('<head>') + '<head>'.length;
  if (head < '<head>'.length) throw new Error(`${pagePath} has no <head>`);
  const place = `${folder}/copy-${++copies}`;
  await mkdir(place);
  const copy = `${place}/nines.html`;
  await writeFile(copy, `${page.slice(0, head)}\n<script>${script}</script>${page.slice(head)}`);
  return pathToFileURL(copy).href;
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
export async function downloaded(folder, name, timeoutMs = 60000) {
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
