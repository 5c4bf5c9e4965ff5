// What the drivers built on a browser library share: playwright-core's for
// Chromium and puppeteer-core's for Firefox give a tab the same calls for
// these steps. A place is where a driver opens tabs: a browser context, or
// a browser of its own with a profile. It gives start() and stop(), which
// open and close it, and openTab(owner), a tab at the page, ready for its
// first line; its owner's close closes the place, or, for a place in the
// shared browser (one with a `pool`), leaves it there for the next open.
import { rm } from 'node:fs/promises';

import { Session } from './interface.mjs';
import { clearStorageOf, pageUrl } from './page.mjs';

// The places closed sessions left in the shared browser, by what they were
// opened with. An open asking for the same takes one, its storage emptied,
// rather than a new context, which costs the browser several times what
// loading the page again does; a page so opened finds nothing of the last.
export class PlacePool {
  constructor() {
    this.free = new Map();
  }

  take(key) { return this.free.get(key)?.pop() ?? null; }

  give(place) {
    if (!this.free.has(place.key)) this.free.set(place.key, []);
    this.free.get(place.key).push(place);
  }
}

export class TabSession extends Session {
  constructor(engine, place, tab, owner) {
    super(engine, pageUrl);
    this.place = place;
    this.tab = tab;
    this.owner = owner;
    this.asked = [];
    this.prompts = [];
    this.listeners = {
      request: (request) => this.asked.push(request.url()),
      // A question on leaving (a reload, a close) is answered: leave.
      dialog: (dialog) => {
        this.prompts.push(dialog.type());
        dialog.accept();
      },
    };
    for (const [event, listener] of Object.entries(this.listeners)) tab.on(event, listener);
  }

  evaluate(pageFunction, arg) { return this.tab.evaluate(pageFunction, arg); }

  type(text) { return this.tab.keyboard.type(text); }

  async leave() {
    const before = this.prompts.length;
    const gone = new Promise((resolve) => this.tab.once('close', resolve));
    await this.tab.close({ runBeforeUnload: true });
    await gone;
    return this.prompts.length > before ? 'asked' : 'gone';
  }

  async reload() {
    await this.tab.reload();
    await this.settled();
  }

  openTab() { return this.place.openTab(false); }

  async reopenBrowser() {
    if (!this.place.profile) throw new Error('reopenBrowser() needs a session opened with { profile: true }');
    await this.place.stop();
    await this.place.start();
    return this.place.openTab(true);
  }

  requested() { return this.asked; }

  async close() {
    for (const [event, listener] of Object.entries(this.listeners)) this.tab.off(event, listener);
    if (!this.owner) return this.tab.close();
    // Left for the next open when the page's storage can be emptied (a page
    // whose storage throws cannot be: its place goes), unless a step changed
    // the tab itself (its media: set `tabChanged`).
    if (this.place.pool && !this.tab.isClosed() && !this.tabChanged) {
      try {
        await this.tab.evaluate(clearStorageOf);
        return this.place.pool.give(this.place);
      } catch {
        // closed below
      }
    }
    await this.place.stop();
    this.place.closed = true;
    if (this.place.profile) await rm(this.place.profile, { recursive: true });
  }
}
