// Debian's WebKitGTK: its MiniBrowser, driven by selenium-webdriver through
// WebKitWebDriver, on an Xvfb display of the driver's own. MiniBrowser saves
// downloads in its home folder, a fresh one here.
import { spawn } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';

import { PageSession, clearDownloads, downloaded, pageUrl, root, stopClock } from './page.mjs';

const require = createRequire(`${root}web/package.json`);
const { Builder, By, Key } = require('selenium-webdriver');
const { DriverService } = require('selenium-webdriver/remote');

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// Starts Xvfb on a free display; resolves to the server and its display.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const server = spawn('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp', '-screen', '0', '1280x1024x24'],
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

class WebKitSession extends PageSession {
  constructor(driver, home) {
    super();
    this.driver = driver;
    this.home = home;
  }

  evaluate(pageFunction, arg) { return this.driver.executeScript(pageFunction, arg); }

  type(text) { return this.driver.actions().sendKeys(text.replaceAll('\n', Key.ENTER)).perform(); }

  press(key) {
    const actions = this.driver.actions();
    if (key === 'Control+D') return actions.keyDown(Key.CONTROL).sendKeys('d').keyUp(Key.CONTROL).perform();
    return actions.sendKeys({ Enter: Key.ENTER }[key]).perform();
  }

  async saveAnswers() {
    await clearDownloads(this.home);
    await this.driver.findElement(By.xpath('//button[contains(., "Save answers.txt")]')).click();
    return downloaded(this.home, 'answers.txt');
  }

  // Classic WebDriver reports no requests: the page's own record of what it
  // fetched stands in.
  requested() {
    return this.evaluate(() => performance.getEntriesByType('navigation')
        .concat(performance.getEntriesByType('resource')).map((entry) => entry.name));
  }

  // The next page replaces this one in the same window (WebDriver's
  // navigation does not stop at the page's question on leaving).
  close() {}
}

export async function launch() {
  const home = await mkdtemp(`${tmpdir()}/nines-webkit-`);
  const { server, display } = await startXvfb();
  const service = new DriverService.Builder('/usr/bin/WebKitWebDriver').setLoopback(true)
      .setEnvironment({ ...process.env, DISPLAY: display, HOME: home, TZ: 'UTC' }).build();
  const driver = await new Builder().usingServer(await service.start()).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: process.env.MINIBROWSER ?? miniBrowser, args: ['--automation'] },
  }).build();
  return {
    // The page, in UTC; the clock stopped at `seconds` if given from when
    // it is ready for the first line (it is read only when a session ends).
    async open({ seconds } = {}) {
      await driver.get(pageUrl);
      const session = new WebKitSession(driver, home);
      await session.settled();
      if (seconds !== undefined) await session.evaluate(stopClock, seconds * 1000);
      return session;
    },
    async close() {
      await driver.quit();
      await service.kill();
      server.removeAllListeners('exit');
      server.kill();
      await rm(home, { recursive: true });
    },
  };
}
