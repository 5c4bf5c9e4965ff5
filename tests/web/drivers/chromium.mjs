// Debian's Chromium, headless, driven by playwright-core as the rest of the
// browser tests drive it (../page_driver.mjs).
import { launchBrowser, saveAnswers, settled } from '../page_driver.mjs';
import { PageSession, pageUrl } from './page.mjs';

class ChromiumSession extends PageSession {
  constructor(page, asked) {
    super();
    this.page = page;
    this.asked = asked;
  }

  evaluate(pageFunction, arg) { return this.page.evaluate(pageFunction, arg); }

  type(text) { return this.page.keyboard.type(text); }

  press(key) { return this.page.keyboard.press(key); }

  saveAnswers() { return saveAnswers(this.page); }

  requested() { return this.asked; }

  // The next session loads the page afresh in the same tab.
  close() {}
}

export async function launch() {
  const browser = await launchBrowser();
  const context = await browser.newContext({ timezoneId: 'UTC' });
  const page = await context.newPage();
  // Should a session end before its answers were saved, the page's question
  // on leaving is answered: leave.
  page.on('dialog', (dialog) => dialog.accept());
  let asked = [];
  page.on('request', (request) => asked.push(request.url()));
  return {
    // The page, loaded afresh (a new context each time would cost more than
    // the dialogue), in UTC, the clock stopped at `seconds` if given; ready
    // for the first line.
    async open({ seconds } = {}) {
      if (seconds !== undefined) await page.clock.setFixedTime(seconds * 1000);
      asked = [];
      const session = new ChromiumSession(page, asked);
      await page.goto(pageUrl);
      await settled(page);
      return session;
    },
    close: () => browser.close(),
  };
}
