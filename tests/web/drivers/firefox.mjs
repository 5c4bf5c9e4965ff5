// Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi (no geckodriver). Downloads go to a folder of the driver's own.
import { mkdtemp, rm } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';

import { PageSession, clearDownloads, downloaded, pageUrl, root, stopClock } from './page.mjs';

const puppeteer = createRequire(`${root}web/package.json`)('puppeteer-core');

class FirefoxSession extends PageSession {
  constructor(page, downloads, asked) {
    super();
    this.page = page;
    this.downloads = downloads;
    this.asked = asked;
  }

  evaluate(pageFunction, arg) { return this.page.evaluate(pageFunction, arg); }

  type(text) { return this.page.keyboard.type(text); }

  async press(key) {
    if (key !== 'Control+D') return this.page.keyboard.press(key);
    await this.page.keyboard.down('Control');
    await this.page.keyboard.press('d');
    await this.page.keyboard.up('Control');
  }

  // A click, not Enter on the focused button: headless Firefox does not
  // click a button on Enter.
  async saveAnswers() {
    await clearDownloads(this.downloads);
    await this.page.click('::-p-text(Save answers.txt)');
    return downloaded(this.downloads, 'answers.txt');
  }

  requested() { return this.asked; }

  // The next session loads the page afresh in the same tab.
  close() {}
}

export async function launch() {
  const downloads = await mkdtemp(`${tmpdir()}/nines-firefox-`);
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
    headless: true,
    env: { ...process.env, TZ: 'UTC' },
    extraPrefsFirefox: {
      'browser.download.folderList': 2,
      'browser.download.dir': downloads,
      'browser.download.useDownloadDir': true,
      'browser.download.always_ask_before_handling_new_types': false,
    },
  });
  const page = await browser.newPage();
  // Should a session end before its answers were saved, the page's question
  // on leaving is answered: leave.
  page.on('dialog', (dialog) => dialog.accept());
  let asked = [];
  page.on('request', (request) => asked.push(request.url()));
  return {
    // The page, loaded afresh, in UTC, with the clock stopped at `seconds`
    // if given; ready for the first line.
    async open({ seconds } = {}) {
      asked = [];
      const session = new FirefoxSession(page, downloads, asked);
      const clock = seconds === undefined ? null : await page.evaluateOnNewDocument(stopClock, seconds * 1000);
      await page.goto(pageUrl);
      if (clock) await page.removeScriptToEvaluateOnNewDocument(clock.identifier);
      await session.settled();
      return session;
    },
    async close() {
      await browser.close();
      await rm(downloads, { recursive: true });
    },
  };
}
