// Debian's Chromium, headless, driven by playwright-core over CDP: the
// interface of interface.mjs, and a processor slowed down for the benchmark
// (options.slowdown). Every open is a context of its own in one browser; a
// profile is a persistent context, a browser of its own.
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';

import { knownKey, knownOptions, zoomedViewport } from './interface.mjs';
import { pageUrl, preludeOf, root, tapPointOf } from './page.mjs';
import { PlacePool, TabSession } from './tab_session.mjs';

// playwright-core is pinned in web/package.json and installed there.
const { chromium } = createRequire(`${root}web/package.json`)('playwright-core');

const launchOptions = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  // Root needs --no-sandbox; the rest keep Chromium from reaching for a
  // network that is not there.
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--no-first-run'],
};
// A busy machine is slow: every wait may take this long.
const timeoutMs = 120000;

class ChromiumSession extends TabSession {
  constructor(place, tab, owner) {
    super('chromium', place, tab, owner);
  }

  // The input method's own CDP command.
  insertText(text) { return this.tab.keyboard.insertText(text); }

  async press(key) {
    knownKey(key);
    if (key !== 'Control+δ') return this.tab.keyboard.press(key);
    // CDP sends a key whose code is not its letter's, as a Greek layout does.
    const cdp = await this.tab.context().newCDPSession(this.tab);
    const control = 2;
    for (const type of ['rawKeyDown', 'keyUp']) {
      await cdp.send('Input.dispatchKeyEvent', { type, modifiers: control, key: 'δ', code: 'KeyD', windowsVirtualKeyCode: 68 });
    }
    await cdp.detach();
  }

  async paste(text) {
    await this.tab.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await this.tab.evaluate((text) => navigator.clipboard.writeText(text), text);
    await this.tab.keyboard.press('Control+V');
  }

  click(name) { return this.tab.getByRole('button', { name, exact: true }).click(); }

  async tap(selector) {
    const { x, y } = await this.evaluate(tapPointOf, selector);
    await this.tab.touchscreen.tap(x, y);
  }

  async save() {
    const [download] = await Promise.all([this.tab.waitForEvent('download'), this.click('Save answers.txt')]);
    return readFile(await download.path());
  }

  printMedia(on = true) {
    this.tabChanged = true;
    return this.tab.emulateMedia({ media: on ? 'print' : null });
  }

  pdf() { return this.tab.pdf({ format: 'Letter' }); }
}

// Starts the place's context: in the shared browser, or with a profile in a
// browser of its own.
async function startContext(place) {
  place.context = place.profile
    ? await chromium.launchPersistentContext(place.profile, { ...launchOptions, ...place.options })
    : await place.browser.newContext(place.options);
  place.context.setDefaultTimeout(timeoutMs);
  if (place.prelude) await place.context.addInitScript({ content: place.prelude });
}

// A tab at the page, ready for its first line.
async function openTab(place, owner) {
  const tab = (owner && place.context.pages()[0]) || await place.context.newPage();
  const session = new ChromiumSession(place, tab, owner);
  if (place.slowdown) {
    const cdp = await place.context.newCDPSession(tab);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: place.slowdown });
  }
  await tab.goto(pageUrl);
  await session.settled();
  return session;
}

export async function launch() {
  const browser = await chromium.launch(launchOptions);
  const places = [];
  const pool = new PlacePool();
  return {
    name: 'chromium',
    version: browser.version(),
    async open(options = {}) {
      knownOptions(options);
      const { viewport, touch, zoom, colorScheme = 'light', profile, slowdown } = options;
      const contextOptions = { timezoneId: 'UTC', colorScheme, acceptDownloads: true };
      if (viewport) contextOptions.viewport = viewport;
      if (zoom) {
        const { width, height, ratio } = zoomedViewport;
        Object.assign(contextOptions, { viewport: { width, height }, deviceScaleFactor: ratio });
      }
      if (touch) Object.assign(contextOptions, { hasTouch: true, isMobile: true });
      const prelude = preludeOf(options);
      const key = JSON.stringify([contextOptions, prelude, slowdown ?? null]);
      const left = profile ? null : pool.take(key);
      if (left) return left.openTab(true);
      const place = {
        browser, options: contextOptions, prelude, slowdown, key,
        profile: profile ? await mkdtemp(`${tmpdir()}/nines-chromium-`) : null,
        pool: profile ? null : pool,
        start: () => startContext(place),
        stop: () => place.context.close(),
        openTab: (owner) => openTab(place, owner),
      };
      places.push(place);
      await place.start();
      return place.openTab(true);
    },
    // Closes what a failed test left open too.
    async close() {
      for (const place of places.filter((p) => p.profile && !p.closed)) {
        await place.stop();
        await rm(place.profile, { recursive: true });
      }
      await browser.close();
    },
  };
}
