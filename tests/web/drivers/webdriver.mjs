// Classic WebDriver, through selenium-webdriver: the interface of
// interface.mjs for Debian's WebKitGTK (WebKitWebDriver and MiniBrowser, on
// an Xvfb display of the driver's own) and WPE WebKit (WPEWebDriver and cog,
// headless). Classic WebDriver has no browser contexts and starting a
// browser costs seconds: one browser serves every open that launches alike,
// in a new window where it can open one, its storage emptied (from a blank
// page of the same file origin). Nor can it run a script before the page's
// own: the page is opened as a copy with the script first in its head
// (page.mjs), at an address of its own.
import { spawn } from 'node:child_process';
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { setTimeout as sleep } from 'node:timers/promises';
import { pathToFileURL } from 'node:url';

import { Session, greekControlD, knownKey, knownOptions, zoomedViewport } from './interface.mjs';
import {
  clearDownloads, clearStorageOf, copiedOf, dispatchPasteOf, downloaded, pageCopy, pageUrl, preludeOf, root,
  toCopyOf, viewportOf,
} from './page.mjs';
import { stepRefused } from './steps.mjs';

const require = createRequire(`${root}web/package.json`);
const { Builder, By, Key } = require('selenium-webdriver');
const { DriverService } = require('selenium-webdriver/remote');

// A busy machine is slow: every wait may take this long.
const timeoutMs = 120000;

// The browsers, each with what it can do.
export const webkitgtk = {
  name: 'webkitgtk',
  driver: '/usr/bin/WebKitWebDriver',
  // MiniBrowser needs an X display, and saves downloads in its home folder.
  display: true,
  downloads: true,
  clipboard: true,
  tabs: true,
  // MiniBrowser lists each download in a bar under the page, which shrinks
  // it download by download: an open after a download takes a new window.
  windows: true,
  resizable: true,
  dark: true,
  capabilities: ({ dark }) => ({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': {
      binary: process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
      args: ['--automation', ...(dark ? ['--dark-mode'] : [])],
    },
  }),
  // WebDriver cannot zoom MiniBrowser: GTK's scale of 2 shows a 1280 px
  // window as 640 CSS px at two device pixels each, as a 200% zoom does.
  environment: ({ zoom }) => (zoom ? { GDK_SCALE: '2' } : {}),
};

export const wpe = {
  name: 'wpe',
  driver: '/usr/bin/WPEWebDriver',
  // cog's headless view: no display, no downloads, no clipboard, one view
  // of 800 by 600 px.
  display: false,
  downloads: false,
  clipboard: false,
  tabs: false,
  windows: false,
  resizable: false,
  dark: false,
  capabilities: () => ({
    browserName: 'cog',
    'wpe:browserOptions': { binary: process.env.COG ?? '/usr/bin/cog', args: ['--automation', '--platform=headless'] },
  }),
  environment: () => ({}),
};

// Starts Xvfb on a free display; resolves to the server and its display. The
// screen is 1280 px wide, and tall enough for a tablet held upright.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const server = spawn('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp', '-screen', '0', '1280x1200x24'],
                         { stdio: ['ignore', 'ignore', 'inherit', 'pipe'] });
    server.on('error', reject);
    server.on('exit', (code) => reject(new Error(`Xvfb ended with ${code}`)));
    let said = '';
    server.stdio[3].on('data', (data) => {
      said += data;
      if (said.endsWith('\n')) resolve({ server, display: `:${said.trim()}` });
    });
  });
}

// cog saves no downloads: it opens the file in place of the page, and the
// session is gone. So the record is taken from the page: the Blob the Save
// button hands URL.createObjectURL, base64-coded, with the click on its
// download link held back.
function catchSavedOf() {
  const create = URL.createObjectURL;
  const click = HTMLAnchorElement.prototype.click;
  HTMLAnchorElement.prototype.click = function clickUnlessDownload() {
    HTMLAnchorElement.prototype.click = click;
    if (!this.download) click.call(this);
  };
  window.ninesSaved = new Promise((resolve, reject) => {
    URL.createObjectURL = (blob) => {
      URL.createObjectURL = create;
      blob.arrayBuffer().then((buffer) => {
        let binary = '';
        for (const byte of new Uint8Array(buffer)) binary += String.fromCharCode(byte);
        resolve(btoa(binary));
      }, reject);
      return create.call(URL, blob);
    };
  });
}

const keys = {
  Enter: Key.ENTER, Backspace: Key.BACK_SPACE,
  ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
};

class WebDriverSession extends Session {
  constructor(lane, launched, handle, url, opener) {
    super(lane.config.name, url);
    this.lane = lane;
    this.launched = launched;
    this.handle = handle;
    this.opener = opener;
  }

  // The browser, with this session's tab the one it works in.
  async driver() {
    const { driver } = this.launched;
    if (this.launched.current !== this.handle) {
      await driver.switchTo().window(this.handle);
      this.launched.current = this.handle;
    }
    return driver;
  }

  async evaluate(pageFunction, arg) { return (await this.driver()).executeScript(pageFunction, arg); }

  async type(text) { await (await this.driver()).actions().sendKeys(text.replaceAll('\n', Key.ENTER)).perform(); }

  async withControl(letter) {
    await (await this.driver()).actions().keyDown(Key.CONTROL).sendKeys(letter).keyUp(Key.CONTROL).perform();
  }

  async press(key) {
    knownKey(key);
    if (key === 'Control+D') return this.withControl('d');
    // A WebDriver key action names a character, and WebKit gives δ no key
    // code ('Unidentified'): the Greek layout's key is made by a script.
    if (key === 'Control+δ') return this.dispatchKeydown(greekControlD);
    await (await this.driver()).actions().sendKeys(keys[key]).perform();
  }

  // Through the clipboard, copied from a field of the page's, where there is
  // one; cog's headless platform has none, and gets the paste a script makes.
  async paste(text) {
    if (!this.lane.config.clipboard) return this.evaluate(dispatchPasteOf, text);
    await this.evaluate(toCopyOf, text);
    await this.withControl('c');
    await this.evaluate(copiedOf);
    await this.withControl('v');
  }

  async click(name) {
    await (await this.driver()).findElement(By.xpath(`//button[normalize-space()="${name}"]`)).click();
  }

  async save() {
    if (!this.lane.config.downloads) throw stepRefused(this.engine, 'download');
    await clearDownloads(this.lane.home);
    await this.click('Save answers.txt');
    this.launched.downloaded = true;
    return downloaded(this.lane.home, 'answers.txt');
  }

  async record() {
    if (this.lane.config.downloads) return this.save();
    await this.evaluate(catchSavedOf);
    await this.click('Save answers.txt');
    return Buffer.from(await this.evaluate(() => window.ninesSaved), 'base64');
  }

  async reload() {
    await (await this.driver()).navigate().refresh();
    await this.settled();
  }

  async openTab() {
    if (!this.lane.config.tabs) throw stepRefused(this.engine, 'secondTab');
    const driver = await this.driver();
    await driver.switchTo().newWindow('tab');
    const handle = await driver.getWindowHandle();
    this.launched.current = handle;
    await driver.get(this.url);
    const session = new WebDriverSession(this.lane, this.launched, handle, this.url, this);
    await session.settled();
    return session;
  }

  // Classic WebDriver reports no requests: the page's own record of what it
  // fetched stands in.
  requested() {
    return this.evaluate(() => performance.getEntriesByType('navigation')
        .concat(performance.getEntriesByType('resource')).map((entry) => entry.name));
  }

  // A second tab closes; the first is left to the next open.
  async close() {
    if (!this.opener) return;
    const driver = await this.driver();
    await driver.close();
    await driver.switchTo().window(this.opener.handle);
    this.launched.current = this.opener.handle;
  }
}

// Sets the window's size so that its page is `want` CSS px: WebDriver sets
// the window's outer size, so the toolbar's share is measured and added.
// Refuses a size the window cannot take.
async function sizeWindow(lane, driver, want, step) {
  let rect = { width: want.width, height: want.height };
  for (let attempt = 0; attempt < 5; ++attempt) {
    await driver.manage().window().setRect(rect);
    const got = await settledViewport(driver);
    if (got.width === want.width && got.height === want.height && got.ratio === (want.ratio ?? 1)) return;
    rect = { width: rect.width + want.width - got.width, height: rect.height + want.height - got.height };
  }
  const got = await driver.executeScript(viewportOf);
  throw new Error(`${stepRefused(lane.config.name, step).message}: asked for ${JSON.stringify(want)}, got ${JSON.stringify(got)}`);
}

// The page's size once a resize has reached it: the same in two readings
// a little apart (the window's size reaches the page a moment later).
async function settledViewport(driver) {
  let last = await driver.executeScript(viewportOf);
  for (let reading = 0; reading < 20; ++reading) {
    await sleep(50);
    const now = await driver.executeScript(viewportOf);
    if (JSON.stringify(now) === JSON.stringify(last)) return now;
    last = now;
  }
  return last;
}

export async function launch(config) {
  // The browser's home folder, where MiniBrowser saves downloads, and apart
  // from it the pages the driver writes: a blank one and the page's copies.
  const home = await mkdtemp(`${tmpdir()}/nines-${config.name}-`);
  const pages = await mkdtemp(`${tmpdir()}/nines-${config.name}-pages-`);
  const xvfb = config.display ? await startXvfb() : null;
  const blankUrl = pathToFileURL(`${pages}/blank.html`).href;
  await writeFile(`${pages}/blank.html`, '<!doctype html><title>blank</title>');
  const lane = { config, home };
  // The browsers by how they were launched, each started on first use.
  const browsers = new Map();

  async function startBrowser(variant) {
    const service = new DriverService.Builder(config.driver).setLoopback(true).setEnvironment({
      ...process.env, ...(xvfb ? { DISPLAY: xvfb.display } : {}), HOME: home, TZ: 'UTC',
      ...config.environment(variant),
    }).build();
    const driver = await new Builder().usingServer(await service.start(timeoutMs))
        .withCapabilities(config.capabilities(variant)).build();
    await driver.manage().setTimeouts({ script: timeoutMs, pageLoad: timeoutMs });
    const startRect = config.resizable ? await driver.manage().window().getRect() : null;
    return { service, driver, current: await driver.getWindowHandle(), startRect, downloaded: false };
  }

  const first = await startBrowser({ dark: false, zoom: false });
  browsers.set('{"dark":false,"zoom":false}', Promise.resolve(first));
  const capabilities = await first.driver.getCapabilities();

  return {
    name: config.name,
    version: `${capabilities.getBrowserName()} ${capabilities.getBrowserVersion()}`,
    async open(options = {}) {
      knownOptions(options);
      const { viewport, touch, zoom, colorScheme = 'light', profile, slowdown } = options;
      const refuse = (step) => { throw stepRefused(config.name, step); };
      if (touch) refuse('touch');
      if (profile) refuse('reopenBrowser');
      if (slowdown) refuse('slowProcessor');
      if (colorScheme === 'dark' && !config.dark) refuse('dark');
      const sizeStep = zoom ? 'zoom' : viewport?.width < 600 ? 'phone' : 'window';
      if ((viewport || zoom) && !config.resizable) refuse(sizeStep);

      const variant = { dark: colorScheme === 'dark', zoom: Boolean(zoom) };
      const key = JSON.stringify(variant);
      if (!browsers.has(key)) browsers.set(key, startBrowser(variant));
      const launched = await browsers.get(key);
      const { driver } = launched;
      // One window, the tabs a test that failed left open closed.
      const old = await driver.getAllWindowHandles();
      const anew = config.windows && launched.downloaded;
      if (anew) await driver.switchTo().newWindow('window');
      launched.downloaded = false;
      const handle = anew ? await driver.getWindowHandle() : old[0];
      for (const other of old.filter((each) => each !== handle)) {
        await driver.switchTo().window(other);
        await driver.close();
      }
      await driver.switchTo().window(handle);
      launched.current = handle;
      // Fresh: no storage left by the last session, the size asked for (or
      // the one the browser started with).
      await driver.get(blankUrl);
      await driver.executeScript(clearStorageOf);
      if (viewport || zoom) {
        await sizeWindow(lane, driver, zoom ? zoomedViewport : viewport, sizeStep);
      } else if (config.resizable) {
        await driver.manage().window().setRect(launched.startRect);
      }
      const prelude = preludeOf(options);
      const url = prelude ? await pageCopy(pages, prelude) : pageUrl;
      await driver.get(url);
      const session = new WebDriverSession(lane, launched, handle, url, null);
      await session.settled();
      return session;
    },
    async close() {
      for (const starting of browsers.values()) {
        const { driver, service } = await starting;
        await driver.quit();
        await service.kill();
      }
      if (xvfb) {
        xvfb.server.removeAllListeners('exit');
        xvfb.server.kill();
      }
      await rm(home, { recursive: true });
      await rm(pages, { recursive: true });
    },
  };
}
