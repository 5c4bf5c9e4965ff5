// The engines the page tests run in, and the lanes that run them: every
// test once per engine, as many engines side by side as the machine has
// processors (more only crowd each other), one test at a time in each.
// NINES_ENGINES (names, comma-separated) runs only those.
import { availableParallelism } from 'node:os';
import { after, describe } from 'node:test';

import { zoomedViewport } from './interface.mjs';
import { viewportOf } from './page.mjs';
import { cannotTake } from './steps.mjs';

const engines = [
  { name: 'chromium', title: 'Chromium', through: 'playwright-core over CDP',
    launch: async () => (await import('./chromium.mjs')).launch() },
  { name: 'firefox', title: 'Firefox ESR', through: 'puppeteer-core over WebDriver BiDi',
    launch: async () => (await import('./firefox.mjs')).launch() },
  { name: 'webkitgtk', title: 'WebKitGTK', through: 'selenium-webdriver over WebDriver (WebKitWebDriver)',
    launch: async () => {
      const { launch, webkitgtk } = await import('./webdriver.mjs');
      return launch(webkitgtk);
    } },
  { name: 'wpe', title: 'WPE WebKit', through: 'selenium-webdriver over WebDriver (WPEWebDriver)',
    launch: async () => {
      const { launch, wpe } = await import('./webdriver.mjs');
      return launch(wpe);
    } },
];

function chosenEngines() {
  const names = process.env.NINES_ENGINES?.split(',');
  if (!names) return engines;
  const unknown = names.filter((name) => !engines.some((engine) => engine.name === name));
  if (unknown.length) throw new Error(`no engine ${unknown.join(', ')}; the engines are: ${engines.map((e) => e.name).join(', ')}`);
  return engines.filter((engine) => names.includes(engine.name));
}

// A busy machine is slow, but a test that hangs must still end.
const testTimeoutMs = 300000;

// One engine's lane: its browser, launched by the first test that opens the
// page (so that a run of no test in it starts nothing), and closed after.
class Lane {
  constructor(engine) {
    this.engine = engine;
    this.browser = null;
  }

  async open(options) {
    this.browser ??= this.engine.launch().then((browser) => {
      console.log(`${this.engine.title}: ${browser.version}, through ${this.engine.through}`);
      return browser;
    });
    const session = await (await this.browser).open(options);
    // The window is what was asked for, whatever the driver did to get it.
    const asked = options?.zoom ? zoomedViewport : options?.viewport;
    if (asked) {
      const got = await session.evaluate(viewportOf);
      const want = { ratio: 1, ...asked };
      if (got.width !== want.width || got.height !== want.height || got.ratio !== want.ratio) {
        throw new Error(`the window is ${JSON.stringify(got)}, not ${JSON.stringify(want)}`);
      }
    }
    return session;
  }

  // A test's options: skipped, with the reason, if the engine's driver
  // cannot take one of `steps` (names from steps.mjs).
  needs(...steps) {
    const why = cannotTake(this.engine.name, steps);
    return why ? { skip: why } : { timeout: testTimeoutMs };
  }

  async close() {
    if (this.browser) await (await this.browser).close();
  }
}

// Defines the tests of `define(lane)` once in every engine's lane.
export function inEveryEngine(define) {
  describe('in every engine', { concurrency: availableParallelism() }, () => {
    for (const engine of chosenEngines()) {
      describe(engine.title, { concurrency: 1 }, () => {
        const lane = new Lane(engine);
        after(() => lane.close());
        define(lane);
      });
    }
  });
}
