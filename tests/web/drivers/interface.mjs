// The one interface every engine's driver gives the page tests, part by
// part. Each driver file (chromium.mjs, firefox.mjs, webdriver.mjs) exports
// launch(), which resolves to a browser:
//
//   browser.name, browser.version            the engine and the version it reports
//   browser.open(options) -> Session         opening: the page in a context of its own (new, or one a closed session left, its storage emptied), in UTC, once it waits for its first line
//     options.seconds                         the clock stopped at these seconds since 1970
//     options.initScript                      a script's source, run before the page's own scripts
//     options.viewport {width, height}        the window's size in CSS px (a phone or tablet held upright)
//     options.touch                           a touch screen: taps with a finger
//     options.zoom                            2: the page at 200% on a 1280 px screen (640 CSS px wide)
//     options.colorScheme                     'light' (the default) or 'dark'
//     options.profile                         a browser of its own with a profile folder, for reopenBrowser()
//     options.slowdown                        the processor slowed down this many times (the benchmark's)
//   browser.close()                          closes the engine and everything it opened
//
// and a Session is one tab with the page in it:
//
//   session.url                              the address opened (the page, or its copy with initScript inside)
//   session.settled()                        waiting: until the program waits for a line, has ended or could not start
//   session.evaluate(fn, arg) -> value       runs fn(arg) in the page (awaiting a promise) and gives its value
//   session.type(text)                       typing: text key by key, a line end as Enter
//   session.typeLine(text)                   typing: text and Enter, then settled()
//   session.insertText(text)                 typing: text an input method commits (input events, no keys)
//   session.press(key)                       keys: one of keyNames below ('Control+δ': a Greek layout's D key, code 'KeyD')
//   session.dispatchKeydown(init)            keys: a keydown a script makes on the focused element (an input method's Enter)
//   session.paste(text)                      paste: text, of several lines, pasted at once into the focused entry
//   session.click(name)                      a click on the button of that name
//   session.tap(selector)                    touch: a finger's tap on the middle of the element's part in view
//   session.screenText({typed = true})       reading the screen: #screen's text, without the typed echo if typed is false
//   session.hasEnded()                       whether the session has ended ("Start again" is on view)
//   session.endInput()                       Control-D on the empty entry, then settled()
//   session.record() -> Buffer               reading the record: answers.txt as "Save answers.txt" gives it (counts as saved)
//   session.save() -> Buffer                 saving: the bytes of the file "Save answers.txt" downloads
//   session.printMedia(on = true)            printing: the page laid out for print, or again for the screen
//   session.pdf() -> Buffer                  printing: the page printed to a PDF on Letter paper
//   session.leave() -> 'asked' | 'gone'      leaving: closes the tab, answering "Leave" if the page asks first
//   session.reload()                         storage: reloads the tab, then settled()
//   session.openTab() -> Session             storage: a second tab of the same browser at the same address, settled
//   session.reopenBrowser() -> Session       storage: the browser closed and opened again on its profile (options.profile)
//   session.clearStorage()                   storage: empties the page's localStorage and sessionStorage
//   session.storage() -> {local, session}    storage: every key and value the page keeps
//   session.requested() -> [url]             every address the page asked for
//   session.close()                          closes the tab; the first tab's close ends its whole context
//
// A step an engine's driver cannot take is listed in steps.mjs; asked for
// it anyway, the driver throws rather than take another.
import {
  buttonShown, clearStorageOf, dispatchKeydownOf, insertTextOf, screenTextOf, storageOf, whenSettled,
} from './page.mjs';
import { stepRefused } from './steps.mjs';

// The parts every driver builds the same way on its engine's own few:
// evaluate, type, press, click and what it can of the rest.
export class Session {
  constructor(engine, url) {
    this.engine = engine;
    this.url = url;
  }

  settled() { return this.evaluate(whenSettled); }

  async typeLine(text) {
    await this.type(`${text}\n`);
    await this.settled();
  }

  insertText(text) { return this.evaluate(insertTextOf, text); }

  dispatchKeydown(init) { return this.evaluate(dispatchKeydownOf, init); }

  screenText({ typed = true } = {}) { return this.evaluate(screenTextOf, typed); }

  hasEnded() { return this.evaluate(buttonShown, 'Start again'); }

  async endInput() {
    await this.press('Control+D');
    await this.settled();
  }

  record() { return this.save(); }

  clearStorage() { return this.evaluate(clearStorageOf); }

  storage() { return this.evaluate(storageOf); }

  // The steps a driver takes where its engine can.
  save() { throw stepRefused(this.engine, 'download'); }

  printMedia() { throw stepRefused(this.engine, 'printMedia'); }

  pdf() { throw stepRefused(this.engine, 'pdf'); }

  leave() { throw stepRefused(this.engine, 'leave'); }

  openTab() { throw stepRefused(this.engine, 'secondTab'); }

  reopenBrowser() { throw stepRefused(this.engine, 'reopenBrowser'); }

  tap() { throw stepRefused(this.engine, 'touch'); }
}

// The keys press() takes, by the names the protocols give them.
export const keyNames = ['Enter', 'Backspace', 'Control+D', 'Control+δ', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'];

// The Greek layout's Control-D as a keydown event: what a script makes
// where the protocol cannot send a key whose code is not its letter's.
export const greekControlD = { key: 'δ', code: 'KeyD', ctrlKey: true };

// The check every driver makes of press(key).
export function knownKey(key) {
  if (!keyNames.includes(key)) throw new Error(`no key "${key}"; the keys are: ${keyNames.join(', ')}`);
}

// The check every driver makes of open(options).
const openOptions = ['seconds', 'initScript', 'viewport', 'touch', 'zoom', 'colorScheme', 'profile', 'slowdown'];
export function knownOptions(options) {
  const unknown = Object.keys(options).filter((name) => !openOptions.includes(name));
  if (unknown.length) throw new Error(`no option ${unknown.join(', ')}; the options are: ${openOptions.join(', ')}`);
  if (![undefined, 'light', 'dark'].includes(options.colorScheme)) throw new Error(`no colour scheme ${options.colorScheme}`);
  if (![undefined, 2].includes(options.zoom)) throw new Error(`no zoom ${options.zoom}: 2 stands for 200%`);
}

// The viewport the zoom option stands for: a 1280 by 800 screen at 200%.
export const zoomedViewport = { width: 640, height: 400, ratio: 2 };
