// The page typed at as a person would: every recorded dialogue of
// tests/golden/ gives the console's bytes on the screen and in the saved
// answers.txt, in Chromium, Firefox and WebKit; in Chromium, the entry
// behaves as a terminal's line; the page says when it cannot run; its
// colours are legible in light and dark.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { after, before, describe, test } from 'node:test';

import {
  engines, launchBrowser, launchEngine, openPage, pageUrl, root, saveAnswers, screenText, settled,
  typeLine,
} from './page_driver.mjs';
import { asideBuildTime, pageDialogues, pageScreenFor } from './dialogues.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => browser.close());

// The answers file up to the end of its first pair's block.
function firstBlock(answers) {
  const rule = `${'+--'.repeat(20)}+\n`;
  const end = answers.indexOf(rule + rule);
  return end < 0 ? null : answers.slice(0, end + 2 * rule.length + 1);
}

// Inline data is the page's own; any other address but the page's is not.
const beyondPage = (url) => url !== pageUrl && !url.startsWith('data:');

// The engines side by side, each working through the table on its own.
describe('recorded dialogues', { concurrency: true }, async () => {
  const dialogues = await pageDialogues();

  for (const engine of engines) {
    // One dialogue at a time: they share the engine's window and downloads.
    describe(engine, { concurrency: 1 }, () => {
      // Launched by the first test run, so that a run of other tests alone
      // does not start the engine.
      let driver = null;
      after(() => driver?.close());

      for (const { name, golden, seconds } of dialogues) {
        test(name, async () => {
          const typed = await readFile(`${golden}.in`, 'utf8');
          const console = await readFile(`${golden}.out`, 'utf8');
          const answers = await readFile(`${golden}.answers.txt`, 'utf8');
          driver ??= await launchEngine(engine);
          const session = await driver.open({ seconds });
          // The page keeps its session: the next dialogue in this tab starts afresh.
          try {
            const lines = typed.split('\n');
            if (lines.at(-1) === '') lines.pop();
            let savedMidway = null;
            for (const line of lines) {
              if (await session.hasEnded()) break;
              await session.typeLine(line.replace(/\r$/, ''));
              if (savedMidway === null && (await session.screenText()).includes('Do another?')) {
                savedMidway = (await session.saveAnswers()).toString();
              }
            }
            // Where the recording's input just stops, the page's input ends too.
            if (!(await session.hasEnded())) await session.endInput();
            assert.ok(await session.hasEnded(), 'the session has not ended');

            const shown = await session.screenText({ typed: false });
            assert.match(shown, /^\t{4}Compile time\t\d\d:\d\d:\d\d [A-Z][a-z]{2} [ \d]\d \d{4}$/m);
            assert.equal(asideBuildTime(shown), asideBuildTime(pageScreenFor(console)));
            assert.equal((await session.saveAnswers()).toString(), answers);
            assert.equal(savedMidway, firstBlock(answers));
            assert.deepEqual((await session.requested()).filter(beyondPage), [],
                             'the page asked for something beyond itself');
          } finally {
            await session.evaluate(() => { localStorage.clear(); sessionStorage.clear(); });
          }
          await session.close();
        });
      }
    });
  }
});

test('the entry line behaves as a terminal\'s', async () => {
  const { page, close } = await openPage(browser);
  const entry = page.getByRole('textbox', { name: /Your entry/ });
  const description = () => entry.evaluate((input) => input.ariaDescribedByElements.map((e) => e.textContent).join(' '));

  // Pasted lines are typed one by one; the unended last one stays to edit.
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.evaluate(() => navigator.clipboard.writeText('a\nb\r\nc\nZo'));
  await page.keyboard.press('Control+V');
  await settled(page);
  assert.equal(await entry.inputValue(), 'Zo');
  assert.equal(await description(), 'Enter your name...');
  await typeLine(page, 'ë');

  // Edited before Enter; two words on one line answer both operand prompts.
  // An input method's Enter picks its word and leaves the line as it is.
  await page.keyboard.type('98x');
  await page.keyboard.press('Backspace');
  await page.keyboard.insertText('66 -168');
  for (const composing of [{ isComposing: true }, { keyCode: 229 }]) {
    await entry.dispatchEvent('keydown', { key: 'Enter', bubbles: true, cancelable: true, ...composing });
  }
  assert.equal(await entry.inputValue(), '9866 -168');
  await page.keyboard.press('Enter');
  await settled(page);
  const screen = await screenText(page);
  assert.match(screen, /\n {4}-->\|[^\n]*\(38 spaces \+ 1\)\n {8}9866 -168\n\n Enter a second \+\/- string/);
  assert.match(screen, /The first operand is:\n 9866\n/);
  assert.match(screen, /\t-58\.726190476\n/);
  assert.equal(await page.locator('#screen .typed').last().textContent(), '9866 -168\n');
  assert.ok(await entry.evaluate((input) => input === document.activeElement), 'the entry lost the focus');
  await assert.doesNotReject(entry.evaluate((input) => {
    const box = input.getBoundingClientRect();
    if (box.bottom > window.innerHeight || box.top < 0) throw new Error('the entry is out of view');
  }));

  assert.match(await description(), /^Do another\? Enter a \+\/- string of 38 or fewer digits\./);

  // Control-D on an empty line, told by the key's place on a Greek layout,
  // ends the input, which ends the session; the focus is then on "Save
  // answers.txt", and once the record is saved "Start again" begins a new
  // session without asking.
  await entry.dispatchEvent('keydown', { key: 'δ', code: 'KeyD', ctrlKey: true, bubbles: true, cancelable: true });
  await settled(page);
  assert.match(await page.getByRole('status').textContent(), /session has ended/);
  assert.match(await screenText(page), /Run time\t[^\n]*\n\n$/);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'save');
  await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
  await page.getByRole('button', { name: 'Start again' }).click();
  await settled(page);
  assert.match(await screenText(page), /^\n\t\t\tTalvenor\n/);
  assert.ok(!(await screenText(page)).includes('9866'), 'the old session is still on the screen');
  await close();
});

// The words of a first report, typed.
const toFirstReport = ['a', 'b', 'c', 'Zoë', '9866 -168'];

// A report on a phone or tablet held upright: nothing runs past the right
// edge, no text is under 12 px, the entry and the prompt it answers stay in
// view while a line is typed, and a tap on the session returns the cursor.
describe('on a touch screen held upright', () => {
  for (const [width, height] of [[360, 740], [390, 844], [768, 1024]]) {
    test(`${width} by ${height}`, async () => {
      const { page, close } = await openPage(browser, { viewport: { width, height }, isMobile: true, hasTouch: true });
      for (const line of toFirstReport) await typeLine(page, line);
      await page.keyboard.type('98');
      const layout = await page.evaluate(() => {
        const { clientWidth, scrollWidth } = document.documentElement;
        const screen = document.getElementById('screen');
        const below = document.querySelector('header').getBoundingClientRect().bottom;
        const inView = (box) => box.left >= 0 && box.right <= clientWidth && box.top >= below && box.bottom <= innerHeight;
        // Each character but blanks, which may hang past the edge where a line wraps.
        const range = document.createRange();
        const cut = [];
        let prompt = null;
        const walker = document.createTreeWalker(screen, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
          for (const { index } of node.data.matchAll(/\S/g)) {
            range.setStart(node, index);
            range.setEnd(node, index + 1);
            const box = range.getBoundingClientRect();
            if (box.left < 0 || box.right > clientWidth) cut.push(node.data.slice(index, index + 20));
          }
          const asked = node.data.lastIndexOf('Do another?');
          if (asked >= 0) {
            range.setStart(node, asked);
            range.setEnd(node, asked + 1);
            prompt = range.getBoundingClientRect();
          }
        }
        const elements = [...document.body.querySelectorAll('*')];
        return {
          page: [scrollWidth, clientWidth],
          screen: [screen.scrollWidth, screen.clientWidth],
          cut,
          wide: elements.filter((e) => e.getBoundingClientRect().right > clientWidth).map((e) => e.id || e.localName),
          smallest: Math.min(...elements.map((e) => parseFloat(getComputedStyle(e).fontSize))),
          entryInView: inView(document.getElementById('line').getBoundingClientRect()),
          promptInView: inView(prompt),
        };
      });
      assert.ok(layout.page[0] <= layout.page[1], `the page scrolls sideways: ${layout.page}`);
      assert.ok(layout.screen[0] <= layout.screen[1], `the screen scrolls sideways: ${layout.screen}`);
      assert.deepEqual(layout.cut, [], 'characters beyond the edge');
      assert.deepEqual(layout.wide, [], 'elements wider than the window');
      assert.ok(layout.smallest >= 12, `text of ${layout.smallest} px`);
      assert.ok(layout.entryInView, 'the entry is out of view');
      assert.ok(layout.promptInView, 'the prompt is out of view');

      await page.locator('#line').blur();
      await page.locator('main').tap({ position: { x: 5, y: 5 } });
      assert.equal(await page.evaluate(() => document.activeElement.id), 'line');
      await close();
    });
  }
});

// On paper: the session from its first line, or with "Print answers.txt" the
// record alone, the bytes "Save answers.txt" saves; lines wrap, never cut;
// the controls stay off the paper.
test('printed, the page gives the session or the record whole', async () => {
  const { page, close } = await openPage(browser);
  for (const line of toFirstReport) await typeLine(page, line);
  await page.evaluate(() => {
    window.print = () => { window.printedRecord = document.getElementById('record').textContent; };
  });
  await page.getByRole('button', { name: 'Print answers.txt' }).click();
  assert.equal(await page.evaluate(() => window.printedRecord), (await saveAnswers(page)).toString());

  await page.emulateMedia({ media: 'print' });
  const shown = () => page.evaluate(() => Object.fromEntries(['header', '#line', '#now', '#screen', '#record'].map((selector) => {
    const element = document.querySelector(selector);
    const style = getComputedStyle(element);
    return [selector, element.checkVisibility() ? `${style.whiteSpace} ${style.tabSize}` : 'hidden'];
  })));
  assert.deepEqual(await shown(), {
    header: 'hidden', '#line': 'hidden', '#now': 'hidden', '#screen': 'hidden', '#record': 'pre-wrap 8',
  });
  await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
  assert.deepEqual(await shown(), {
    header: 'hidden', '#line': 'hidden', '#now': 'break-spaces 8', '#screen': 'pre-wrap 8', '#record': 'hidden',
  });
  assert.match(await page.locator('#screen').textContent(), /^\n\t\t\tTalvenor\n/);
  await close();
});

// Leaving the page asks first while answers.txt holds answers not yet saved.
describe('leaving the page', () => {
  const cases = [
    { name: 'before the first pair, goes', typed: toFirstReport.slice(0, -1), asks: false },
    { name: 'after a pair, asks', typed: toFirstReport, asks: true },
    { name: 'after saving, goes', typed: toFirstReport, save: true, asks: false },
    { name: 'after the end, asks, and answers.txt can still be saved', typed: [...toFirstReport, 'x x'], asks: true },
  ];
  for (const { name, typed, save, asks } of cases) {
    test(name, async () => {
      const { page, close } = await openPage(browser);
      for (const line of typed) await typeLine(page, line);
      if (save) await saveAnswers(page);
      if (typed.includes('x x')) {
        assert.match(await screenText(page), /\nTo print the answers you calculated open the file "answers\.txt"\.\nSave it with the button "Save answers\.txt" on this page\.\n/);
        assert.match(await page.getByRole('status').textContent(), /session has ended\. You can still save or print answers\.txt/);
        assert.ok(await page.getByRole('button', { name: 'Save answers.txt' }).isEnabled(), 'Save is off');
      }
      const left = new Promise((resolve) => {
        page.once('dialog', (dialog) => { resolve(dialog.type()); dialog.accept(); });
        page.once('close', () => resolve('gone'));
      });
      await page.close({ runBeforeUnload: true });
      assert.equal(await left, asks ? 'beforeunload' : 'gone');
      await close();
    });
  }
});

// Whatever a browser lacks or breaks before the first prompt, the page says
// so in words, or runs without it.
describe('a browser that cannot run the program is told so', () => {
  const cases = [
    { name: 'no DecompressionStream: it runs', initScript: 'delete window.DecompressionStream;', runs: true },
    { name: 'no WebAssembly', initScript: 'delete window.WebAssembly;', told: /it has no WebAssembly\./ },
    { name: 'no WebAssembly.instantiate', initScript: 'delete WebAssembly.instantiate;', told: /it has no WebAssembly\.instantiate\./ },
    { name: 'no TextDecoder', initScript: 'delete window.TextDecoder;', told: /it has no TextDecoder\./ },
    { name: 'the module fails to compile',
      initScript: 'WebAssembly.compile = () => { throw new WebAssembly.CompileError("broken"); };',
      told: /CompileError: broken/ },
    { name: 'the program fails to load',
      initScript: 'WebAssembly.instantiate = () => Promise.reject(new Error("broken"));', told: /Error: broken/ },
    { name: 'the runtime fails inside',
      initScript: 'WebAssembly.instantiate = () => Promise.resolve({ exports: {} });', told: /TypeError/ },
  ];
  for (const { name, initScript, runs, told } of cases) {
    test(name, async () => {
      const { page, close } = await openPage(browser, { initScript });
      const status = await page.getByRole('status').textContent();
      if (runs) {
        assert.equal(status, '');
        assert.match(await screenText(page), /Type any character, and <enter> to continue\.\.\.\n\t\t$/);
      } else {
        assert.match(status, /^nines cannot run in this browser: .+\. It needs a current browser/);
        assert.match(status, told);
        assert.ok(!(await page.locator('#line').isVisible()), 'the entry is still offered');
      }
      await close();
    });
  }
});

// WCAG's contrast ratio of two CSS colours "rgb(r, g, b)".
function contrast(foreground, background) {
  const luminance = (color) => {
    const [r, g, b] = color.match(/\d+/g).slice(0, 3).map((c) => {
      const s = Number(c) / 255;
      return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(foreground), luminance(background)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

// What axe-core finds against the page as it stands, rule by rule.
async function axeViolations(page) {
  if (!(await page.evaluate(() => 'axe' in window))) {
    await page.addScriptTag({ path: `${root}web/node_modules/axe-core/axe.min.js` });
  }
  const { violations } = await page.evaluate(() => window.axe.run());
  return violations.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(', ')}`);
}

for (const colorScheme of ['light', 'dark']) {
  test(`the page is legible and reachable in the ${colorScheme} scheme`, async () => {
    const { page, close } = await openPage(browser, { colorScheme });
    const look = (selector) => page.evaluate((selector) => {
      const { color, borderStyle } = getComputedStyle(document.querySelector(selector));
      return `${color} ${borderStyle}`;
    }, selector);
    assert.deepEqual(await axeViolations(page), [], 'at the start');
    const disabledSave = await look('#save');
    for (const line of toFirstReport) await typeLine(page, line);
    assert.deepEqual(await axeViolations(page), [], 'after a report');
    assert.notEqual(await look('#save'), disabledSave, 'Save looks the same off and on');

    const colors = await page.evaluate(() => {
      const background = getComputedStyle(document.body).backgroundColor;
      const color = (selector, property = 'color') => getComputedStyle(document.querySelector(selector))[property];
      return [...['#screen', '#screen .typed', '#status', '#save', 'h1'].map((selector) => [selector, color(selector), 4.5]),
              ['the focused entry\'s rule', color('#line:focus', 'borderBottomColor'), 3]]
          .map((row) => [...row, background]);
    });
    for (const [what, color, least, background] of colors) {
      assert.ok(contrast(color, background) >= least, `${what}: ${color} on ${background}`);
    }
    await close();
  });
}
