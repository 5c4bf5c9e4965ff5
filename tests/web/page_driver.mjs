// Opens the nines page in Debian's Chromium and works it as a person would:
// typing, pressing Enter and saving answers.txt. Shared by the browser tests
// and the page benchmark. The recorded dialogues run in every engine, through
// the drivers in drivers/.
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';

import { pageUrl, root, screenTextOf } from './drivers/page.mjs';

export { pageUrl, root };
// playwright-core is pinned in web/package.json and installed there.
const { chromium } = createRequire(`${root}web/package.json`)('playwright-core');

// The engines every driver in drivers/ stands for, and one of them launched.
export const engines = ['chromium', 'firefox', 'webkit'];
export async function launchEngine(name) {
  const { launch } = await import(`./drivers/${name}.mjs`);
  return launch();
}

export function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    // Root needs --no-sandbox; the rest keep Chromium from reaching for a
    // network that is not there.
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
}

// Opens the page in a context of its own, in UTC, with the clock stopped at
// `seconds` if given and `initScript` run before the page's own, and any
// other context option (a phone's viewport, say); waits until the program
// waits for the first line. `requests` collects every URL the page asks for.
export async function openPage(browser, { seconds, colorScheme = 'light', initScript, ...options } = {}) {
  const context = await browser.newContext({ timezoneId: 'UTC', colorScheme, ...options });
  const page = await context.newPage();
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  if (seconds !== undefined) await page.clock.setFixedTime(seconds * 1000);
  if (initScript) await page.addInitScript(initScript);
  await page.goto(pageUrl);
  await settled(page);
  return { page, requests, close: () => context.close() };
}

// Waits until the program waits for a line, has ended or could not start.
export function settled(page) {
  return page.waitForFunction(
      () => document.getElementById('screen').getAttribute('aria-busy') === 'false');
}

export async function typeLine(page, text) {
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
  await settled(page);
}

// The text of the screen; without `typed`, less every echoed entry.
export function screenText(page, { typed = true } = {}) {
  return page.evaluate(screenTextOf, typed);
}

// Clicks the save button and returns the bytes of the file it saves.
export async function saveAnswers(page) {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.getByRole('button', { name: 'Save answers.txt' }).click(),
  ]);
  return readFile(await download.path());
}
