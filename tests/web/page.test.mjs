// The page in Chromium, typed at as a person would: every recorded dialogue
// of tests/golden/ gives the console's bytes on the screen and in the saved
// answers.txt; the entry behaves as a terminal's line; the page says when it
// cannot run; its colours are legible in light and dark.
import assert from 'node:assert/strict';
import { readdir, readFile } from 'node:fs/promises';
import { after, before, describe, test } from 'node:test';

import {
  hasEnded, launchBrowser, openPage, pageUrl, root, saveAnswers, screenText, settled, typeLine,
} from './page_driver.mjs';

const goldenDir = `${root}tests/golden`;

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => browser.close());

// The moment a recording was made, from its answers file's Date and Time
// lines (UTC): the clock decides the slogan and "the gods are angry...".
function recordedMoment(answers) {
  const [, month, day, year] = answers.match(/Date: {2}(\d\d)\/(\d\d)\/(\d\d)/);
  const [, time] = answers.match(/Time: {2}(\d\d:\d\d:\d\d)/);
  return Date.parse(`20${year}-${month}-${day}T${time}Z`) / 1000;
}

// The closing screen's build time is the page's own.
const compileLine = /^(\t{4}Compile time\t).*$/m;
const asideBuildTime = (text) => text.replace(compileLine, '$1<build time>');

// The answers file up to the end of its first pair's block.
function firstBlock(answers) {
  const rule = `${'+--'.repeat(20)}+\n`;
  const end = answers.indexOf(rule + rule);
  return end < 0 ? null : answers.slice(0, end + 2 * rule.length + 1);
}

describe('recorded dialogues', async () => {
  // A file system that refuses answers.txt cannot be had in the page.
  const names = (await readdir(goldenDir))
      .filter((file) => file.endsWith('.in') && !file.startsWith('answers_file_cannot'))
      .map((file) => file.slice(0, -'.in'.length));

  for (const name of names) {
    test(name, async () => {
      const typed = await readFile(`${goldenDir}/${name}.in`, 'utf8');
      const console = await readFile(`${goldenDir}/${name}.out`, 'utf8');
      const answers = await readFile(`${goldenDir}/${name}.answers.txt`, 'utf8');
      const { page, requests, close } = await openPage(browser, { seconds: recordedMoment(answers) });

      const lines = typed.split('\n');
      if (lines.at(-1) === '') lines.pop();
      let savedMidway = null;
      for (const line of lines) {
        if (await hasEnded(page)) break;
        await typeLine(page, line.replace(/\r$/, ''));
        if (savedMidway === null && (await screenText(page)).includes('Do another?')) {
          savedMidway = (await saveAnswers(page)).toString();
        }
      }
      // Where the recording's input just stops, the page's input ends too.
      if (!(await hasEnded(page))) {
        await page.keyboard.press('Control+D');
        await settled(page);
      }
      assert.ok(await hasEnded(page), 'the session has not ended');

      const shown = await screenText(page, { typed: false });
      assert.match(shown, /^\t{4}Compile time\t\d\d:\d\d:\d\d [A-Z][a-z]{2} [ \d]\d \d{4}$/m);
      assert.equal(asideBuildTime(shown), asideBuildTime(console));
      assert.equal((await saveAnswers(page)).toString(), answers);
      assert.equal(savedMidway, firstBlock(answers));
      assert.deepEqual(requests, [pageUrl], 'the page asked for something beyond itself');
      await close();
    });
  }
});

test('the entry line behaves as a terminal\'s', async () => {
  const { page, close } = await openPage(browser);
  const entry = page.getByRole('textbox', { name: /Your entry/ });
  for (const line of ['a', 'b', 'c', 'Zoë']) await typeLine(page, line);

  // Edited before Enter; two words on one line answer both operand prompts.
  await page.keyboard.type('98x');
  await page.keyboard.press('Backspace');
  await page.keyboard.insertText('66 -168');
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

  // Control-D on an empty line ends the input, which ends the session;
  // Enter on "Start again" begins a new one.
  await page.keyboard.press('Control+D');
  await settled(page);
  assert.match(await page.getByRole('status').textContent(), /session has ended/);
  assert.match(await screenText(page), /Run time\t[^\n]*\n\n$/);
  await page.keyboard.press('Enter');
  await settled(page);
  assert.match(await screenText(page), /^\n\t\t\tTalvenor\n/);
  assert.ok(!(await screenText(page)).includes('9866'), 'the old session is still on the screen');
  await close();
});

describe('a browser that cannot run the program is told so', () => {
  const cases = [
    { name: 'no WebAssembly', initScript: 'delete window.WebAssembly;' },
    { name: 'the program fails to load',
      initScript: 'WebAssembly.instantiate = () => Promise.reject(new Error("broken"));' },
  ];
  for (const { name, initScript } of cases) {
    test(name, async () => {
      const { page, close } = await openPage(browser, { initScript });
      assert.match(await page.getByRole('status').textContent(), /nines cannot run in this browser/);
      assert.ok(!(await page.locator('#line').isVisible()), 'the entry is still offered');
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

for (const colorScheme of ['light', 'dark']) {
  test(`every text is legible in the ${colorScheme} scheme`, async () => {
    const { page, close } = await openPage(browser, { colorScheme });
    await typeLine(page, 'a');
    const colors = await page.evaluate(() => {
      const background = getComputedStyle(document.body).backgroundColor;
      return ['#screen', '#screen .typed', '#status', '#save', 'h1']
          .map((selector) => [selector, getComputedStyle(document.querySelector(selector)).color, background]);
    });
    for (const [selector, color, background] of colors) {
      assert.ok(contrast(color, background) >= 4.5, `${selector}: ${color} on ${background}`);
    }
    await close();
  });
}
