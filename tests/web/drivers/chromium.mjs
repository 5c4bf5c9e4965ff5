// Debian's Chromium, headless, driven by playwright-core as the rest of the
// browser tests drive it (../page_driver.mjs).
import { launchBrowser, openPage, saveAnswers } from '../page_driver.mjs';
import { PageSession } from './page.mjs';

class ChromiumSession extends PageSession {
  constructor({ page, requests, close }) {
    super();
    this.page = page;
    this.asked = requests;
    this.close = close;
  }

  evaluate(pageFunction, arg) { return this.page.evaluate(pageFunction, arg); }

  type(text) { return this.page.keyboard.type(text); }

  press(key) { return this.page.keyboard.press(key); }

  saveAnswers() { return saveAnswers(this.page); }

  requested() { return this.asked; }
}

export async function launch() {
  const browser = await launchBrowser();
  return {
    // The page in a context of its own, in UTC, with the clock stopped at
    // `seconds` if given, ready for the first line.
    async open({ seconds } = {}) {
      return new ChromiumSession(await openPage(browser, { seconds }));
    },
    close: () => browser.close(),
  };
}
