// The steps a page test may need that not every engine's driver can take,
// and, in one table, each engine's driver that cannot, with the reason. A
// test names the steps it needs; in an engine that cannot take one of them
// it is skipped with that reason, and it runs in every other.

// Each step, as a reason to skip completes it: "cannot <step>: <why>".
export const steps = {
  download: 'save a download (the bytes "Save answers.txt" gives the browser, saved as a file)',
  printMedia: 'show the page as printed (print media)',
  pdf: 'print the page to a PDF',
  leave: 'close the page and answer the question it asks on leaving',
  secondTab: 'open a second tab of the same browser',
  reopenBrowser: 'close the browser and open it again with the same profile',
  phone: 'hold a phone\'s width (360 to 414 CSS px) upright',
  window: 'size the window in CSS px (a tablet upright; a 1280 px screen)',
  zoom: 'show the page at 200% on a 1280 px screen',
  touch: 'tap with a finger on a touch screen',
  dark: 'show the page in the dark colour scheme',
  slowProcessor: 'slow the processor down',
};

// Engine by engine, the steps its driver cannot take, and why.
const cannot = {
  chromium: {},
  firefox: {
    printMedia: 'WebDriver BiDi has no media emulation (puppeteer-core would ask CDP)',
    slowProcessor: 'WebDriver BiDi cannot slow the processor (puppeteer-core would ask CDP)',
  },
  webkitgtk: {
    printMedia: 'classic WebDriver has no media emulation',
    pdf: 'WebKitWebDriver has no Print Page command',
    leave: 'classic WebDriver answers the leave question itself: closing or navigating never stops at it',
    reopenBrowser: 'a browser WebKitWebDriver starts keeps its data in memory only (automation mode)',
    phone: 'MiniBrowser\'s window is never narrower than 447 px',
    touch: 'WebKitWebDriver sends a touch pointer\'s actions as a mouse\'s',
    slowProcessor: 'classic WebDriver cannot slow the processor',
  },
  wpe: {
    download: 'cog saves no downloads (the record is taken from the page)',
    printMedia: 'classic WebDriver has no media emulation',
    pdf: 'WPEWebDriver has no Print Page command',
    leave: 'classic WebDriver answers the leave question itself: closing or navigating never stops at it',
    secondTab: 'cog shows one view: WPEWebDriver opens no second window',
    reopenBrowser: 'a browser WPEWebDriver starts keeps its data in memory only (automation mode)',
    phone: 'cog\'s headless view is 800 by 600 px and WPEWebDriver cannot resize it',
    window: 'cog\'s headless view is 800 by 600 px and WPEWebDriver cannot resize it',
    zoom: 'cog\'s headless view is 800 px wide, not 1280, and WPEWebDriver cannot resize it',
    touch: 'WPEWebDriver sends a touch pointer\'s actions as a mouse\'s',
    dark: 'cog has no dark colour scheme to ask for',
    slowProcessor: 'classic WebDriver cannot slow the processor',
  },
};

// Why `engine` cannot take those of `needed` it cannot take, or null when
// it can take them all.
export function cannotTake(engine, needed) {
  const unknown = needed.filter((step) => !(step in steps));
  if (unknown.length) throw new Error(`no step ${unknown.join(', ')}; the steps are: ${Object.keys(steps).join(', ')}`);
  const reasons = needed.filter((step) => cannot[engine][step]).map((step) => `cannot ${steps[step]}: ${cannot[engine][step]}`);
  return reasons.length ? reasons.join('; ') : null;
}

// The error a driver throws when asked for a step its engine cannot take:
// the test should have named the step.
export function stepRefused(engine, step) {
  return new Error(`${engine} ${cannotTake(engine, [step]) ?? `cannot take the step "${step}"`}` +
                   ' (name the step in the test)');
}
