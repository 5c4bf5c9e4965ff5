// Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi (no geckodriver): the interface of interface.mjs. Every open is a user
// context of its own in one browser; the dark scheme and a profile each take
// a browser launched for them. Downloads go to a folder of the browser's own.
import { mkdtemp, rm } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';

import { greekControlD, knownKey, knownOptions, zoomedViewport } from './interface.mjs';
import { clearDownloads, copiedOf, downloaded, pageUrl, preludeOf, root, tapPointOf, toCopyOf } from './page.mjs';
import { stepRefused } from './steps.mjs';
import { PlacePool, TabSession } from './tab_session.mjs';

const puppeteer = createRequire(`${root}web/package.json`)('puppeteer-core');

// A busy machine is slow: every wait may take this long.
const timeoutMs = 120000;

// Firefox's colour scheme is a preference read at launch: BiDi cannot
// emulate it. A profile folder, when given, keeps what the page stores.
async function launchFirefox({ dark, profile }) {
  const downloads = await mkdtemp(`${tmpdir()}/nines-firefox-`);
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: profile ?? undefined,
    timeout: timeoutMs,
    protocolTimeout: timeoutMs,
    env: { ...process.env, TZ: 'UTC' },
    extraPrefsFirefox: {
      'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1,
      'browser.download.folderList': 2,
      'browser.download.dir': downloads,
      'browser.download.useDownloadDir': true,
      'browser.download.always_ask_before_handling_new_types': false,
    },
  });
  return { browser, downloads };
}

// A key with Control held: puppeteer presses one key at a time.
async function withControl(keyboard, letter) {
  await keyboard.down('Control');
  await keyboard.press(letter);
  await keyboard.up('Control');
}

class FirefoxSession extends TabSession {
  constructor(place, tab, owner) {
    super('firefox', place, tab, owner);
  }

  press(key) {
    knownKey(key);
    if (key === 'Control+D') return withControl(this.tab.keyboard, 'd');
    // A BiDi key action names a character, and Firefox gives δ no key
    // code (code ''): the Greek layout's key is made by a script.
    if (key === 'Control+δ') return this.dispatchKeydown(greekControlD);
    return this.tab.keyboard.press(key);
  }

  // Through the clipboard: copied from a field of the page's, then pasted.
  async paste(text) {
    await this.evaluate(toCopyOf, text);
    await withControl(this.tab.keyboard, 'c');
    await this.evaluate(copiedOf);
    await withControl(this.tab.keyboard, 'v');
  }

  click(name) { return this.tab.click(`::-p-xpath(//button[normalize-space()="${name}"])`); }

  async tap(selector) {
    const { x, y } = await this.evaluate(tapPointOf, selector);
    await this.tab.touchscreen.tap(x, y);
  }

  async save() {
    await clearDownloads(this.place.downloads);
    await this.click('Save answers.txt');
    return downloaded(this.place.downloads, 'answers.txt');
  }

  async pdf() { return Buffer.from(await this.tab.pdf({ format: 'letter' })); }
}

// A place with a profile is a browser of its own, in its default context
// (the one a profile keeps); any other is a user context in a shared browser.
async function startPlace(place) {
  if (place.profile) {
    Object.assign(place, await launchFirefox({ dark: place.dark, profile: place.profile }));
    place.context = place.browser.defaultBrowserContext();
  } else {
    place.context = await place.browser.createBrowserContext();
  }
}

async function closePlace(place) {
  if (!place.profile) return place.context.close();
  await place.browser.close();
  await rm(place.downloads, { recursive: true });
}

// A tab at the page, ready for its first line.
// The owner's tab of a place left by a closed session is taken again, as
// it was set up.
async function openTab(place, owner) {
  const left = owner && place.ownerTab && !place.ownerTab.isClosed() ? place.ownerTab : null;
  const tab = left || (owner && place.profile && (await place.context.pages())[0]) || await place.context.newPage();
  const session = new FirefoxSession(place, tab, owner);
  if (!left) {
    tab.setDefaultTimeout(timeoutMs);
    if (place.viewport) await tab.setViewport(place.viewport);
    if (place.prelude) await tab.evaluateOnNewDocument(place.prelude);
    if (owner) place.ownerTab = tab;
  }
  await tab.goto(pageUrl);
  await session.settled();
  return session;
}

export async function launch() {
  // The light scheme's browser, and the dark one's once asked for.
  const shared = { light: launchFirefox({ dark: false }) };
  const places = [];
  const pool = new PlacePool();
  const { browser } = await shared.light;
  return {
    name: 'firefox',
    version: await browser.version(),
    async open(options = {}) {
      knownOptions(options);
      const { viewport, touch, zoom, colorScheme = 'light', profile, slowdown } = options;
      if (slowdown) throw stepRefused('firefox', 'slowProcessor');
      const dark = colorScheme === 'dark';
      const prelude = preludeOf(options);
      const key = JSON.stringify([dark, viewport ?? null, Boolean(touch), zoom ?? null, prelude]);
      const left = profile ? null : pool.take(key);
      if (left) return left.openTab(true);
      const place = {
        dark, prelude, profile: null, key, pool: profile ? null : pool,
        start: () => startPlace(place),
        stop: () => closePlace(place),
        openTab: (owner) => openTab(place, owner),
      };
      // No viewport asked for: the browser's own, 800 by 600.
      if (viewport || touch || zoom) {
        place.viewport = { width: 800, height: 600, ...viewport, hasTouch: Boolean(touch), isMobile: Boolean(touch) };
        if (zoom) {
          const { width, height, ratio } = zoomedViewport;
          Object.assign(place.viewport, { width, height, deviceScaleFactor: ratio });
        }
      }
      if (profile) {
        place.profile = await mkdtemp(`${tmpdir()}/nines-firefox-profile-`);
      } else {
        const scheme = dark ? 'dark' : 'light';
        shared[scheme] ??= launchFirefox({ dark });
        Object.assign(place, await shared[scheme]);
      }
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
      for (const launched of Object.values(shared)) {
        const { browser, downloads } = await launched;
        await browser.close();
        await rm(downloads, { recursive: true });
      }
    },
  };
}
