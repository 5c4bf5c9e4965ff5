// The page typed at as a person would, in every engine whose driver can take
// a test's steps (drivers/steps.mjs says which cannot, and why): every
// recorded dialogue of tests/golden/ gives the console's bytes on the screen
// and in the saved answers.txt; the entry behaves as a terminal's line; the
// page fits phones and tablets, prints whole, asks before an unsaved record
// is lost and says when it cannot run; its colours are legible in light and
// dark; and the drivers' storage steps keep what a person's browser keeps.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { describe, test } from 'node:test';
import { constants as zlibConstants, inflateSync } from 'node:zlib';

import { asideBuildTime, pageDialogues, pageScreenFor } from './dialogues.mjs';
import { inEveryEngine } from './drivers/engines.mjs';
import { root } from './drivers/page.mjs';

const dialogues = await pageDialogues();

// The answers file up to the end of its first pair's block.
function firstBlock(answers) {
  const rule = `${'+--'.repeat(20)}+\n`;
  const end = answers.indexOf(rule + rule);
  return end < 0 ? null : answers.slice(0, end + 2 * rule.length + 1);
}

// The words of a first report, typed.
const toFirstReport = ['a', 'b', 'c', 'Zoë', '9866 -168'];

async function typeLines(session, lines) {
  for (const line of lines) await session.typeLine(line);
}

// What the page shows in the element `selector`.
const textOf = (session, selector) => session.evaluate((selector) => document.querySelector(selector).textContent, selector);

// Whether the element `selector` takes any room on the page.
const shownAt = (session, selector) => session.evaluate((selector) => document.querySelector(selector).getClientRects().length > 0, selector);

inEveryEngine((lane) => {
  describe('recorded dialogues', () => {
    for (const { name, golden, seconds } of dialogues) {
      test(name, lane.needs(), async () => {
        const typed = await readFile(`${golden}.in`, 'utf8');
        const console = await readFile(`${golden}.out`, 'utf8');
        const answers = await readFile(`${golden}.answers.txt`, 'utf8');
        const session = await lane.open({ seconds });

        // Pasted at once: the page reads each line at its prompt, as it
        // reads a typed one (the entry test types line by line).
        const lines = typed.split('\n').map((line) => line.replace(/\r$/, ''));
        if (lines.at(-1) === '') lines.pop();
        await session.paste(`${lines.join('\n')}\n`);
        await session.settled();
        // Where the recording's input just stops, the page's input ends too.
        if (!(await session.hasEnded())) await session.endInput();
        assert.ok(await session.hasEnded(), 'the session has not ended');

        const shown = await session.screenText({ typed: false });
        assert.match(shown, /^\t{4}Compile time\t\d\d:\d\d:\d\d [A-Z][a-z]{2} [ \d]\d \d{4}$/m);
        assert.equal(asideBuildTime(shown), asideBuildTime(pageScreenFor(console)));
        assert.equal((await session.record()).toString(), answers);
        // Inline data is the page's own; any other address but the page's is not.
        const beyondPage = (url) => url !== session.url && !url.startsWith('data:');
        assert.deepEqual((await session.requested()).filter(beyondPage), [], 'the page asked for something beyond itself');
        await session.close();
      });
    }
  });

  test('the entry line behaves as a terminal\'s', lane.needs(), async () => {
    const session = await lane.open();
    const entryValue = () => session.evaluate(() => document.getElementById('line').value);
    const description = () => session.evaluate(() => document.getElementById('line').getAttribute('aria-describedby')
        .split(/\s+/).map((id) => document.getElementById(id).textContent).join(' '));

    // Pasted lines are typed one by one, each shown at the prompt that reads
    // it; the unended last one stays to edit.
    await session.paste('a\nb\r\nc\nZo');
    await session.settled();
    assert.equal(await entryValue(), 'Zo');
    assert.equal(await description(), 'Enter your name...');
    const pasted = await session.screenText();
    for (const [answer, next] of [['a', ' Casting out'], ['b', ' Division'], ['c', ' Actually']]) {
      assert.ok(pasted.includes(`to continue...\n${answer === 'c' ? '\n' : ''}\t\t${answer}\n\n${next}`),
                `"${answer}" is not at its pause`);
    }
    await session.typeLine('ë');

    // Edited before Enter; two words on one line answer both operand prompts.
    // An input method's Enter picks its word and leaves the line as it is.
    await session.type('9x8');
    await session.press('ArrowLeft');
    await session.press('Backspace');
    await session.press('ArrowRight');
    await session.insertText('66 -168');
    for (const composing of [{ isComposing: true }, { keyCode: 229 }]) {
      await session.dispatchKeydown({ key: 'Enter', ...composing });
    }
    assert.equal(await entryValue(), '9866 -168');
    await session.press('Enter');
    await session.settled();
    const screen = await session.screenText();
    assert.match(screen, /\n {4}-->\|[^\n]*\(38 spaces \+ 1\)\n {8}9866 -168\n\n Enter a second \+\/- string/);
    assert.match(screen, /The first operand is:\n 9866\n/);
    // Copied from the screen, a report is the program's bytes; copied in
    // the entry, its text is the browser's to copy.
    const copied = await session.evaluate(() => {
      const text = document.getElementById('screen').textContent;
      const from = text.indexOf('The first operand is:');
      const to = text.indexOf('Their sum is:');
      const nodes = [];
      const walker = document.createTreeWalker(document.getElementById('screen'), NodeFilter.SHOW_TEXT);
      for (let node = walker.nextNode(), at = 0; node; at += node.data.length, node = walker.nextNode()) {
        nodes.push({ node, at });
      }
      const place = (offset) => {
        const { node, at } = nodes.findLast((each) => each.at <= offset);
        return [node, offset - at];
      };
      const range = document.createRange();
      range.setStart(...place(from));
      range.setEnd(...place(to));
      getSelection().removeAllRanges();
      getSelection().addRange(range);
      const copy = (target) => {
        const event = new ClipboardEvent('copy', { clipboardData: new DataTransfer(), bubbles: true, cancelable: true });
        target.dispatchEvent(event);
        return { data: event.clipboardData.getData('text/plain'), taken: event.defaultPrevented };
      };
      const fromScreen = copy(document.getElementById('screen'));
      const fromEntry = copy(document.getElementById('line'));
      getSelection().removeAllRanges();
      return { fromScreen, fromEntry, expected: text.slice(from, to) };
    });
    assert.deepEqual(copied.fromScreen, { data: copied.expected, taken: true });
    assert.equal(copied.fromEntry.taken, false);
    assert.match(screen, /\t-58\.726190476\n/);
    assert.equal(await session.evaluate(() => [...document.querySelectorAll('#screen .typed')].at(-1).textContent),
                 '9866 -168\n');
    assert.equal(await session.evaluate(() => document.activeElement.id), 'line', 'the entry lost the focus');
    const box = await session.evaluate(() => {
      const { top, bottom } = document.getElementById('line').getBoundingClientRect();
      return { top, bottom, height: innerHeight };
    });
    assert.ok(box.top >= 0 && box.bottom <= box.height, `the entry is out of view: ${JSON.stringify(box)}`);
    assert.match(await description(), /^Do another\? Enter a \+\/- string of 38 or fewer digits\./);
    // answers.txt as the first pair left it, to be compared with the whole.
    const afterFirstPair = (await session.record()).toString();

    // Control-D on an empty line, told by the key's place on a Greek layout,
    // ends the input, which ends the session; the focus is then on "Save
    // answers.txt", and once the record is saved "Start again" begins a new
    // session without asking.
    await session.press('Control+δ');
    await session.settled();
    assert.match(await textOf(session, '#status'), /session has ended/);
    assert.match(await session.screenText(), /Run time\t[^\n]*\n\n$/);
    assert.equal(await session.evaluate(() => document.activeElement.id), 'save');
    assert.equal(afterFirstPair, firstBlock((await session.record()).toString()));
    await session.click('Start again');
    await session.settled();
    assert.match(await session.screenText(), /^\n\t\t\tTalvenor\n/);
    assert.ok(!(await session.screenText()).includes('9866'), 'the old session is still on the screen');
    await session.close();
  });

  // A report on a phone or tablet held upright, or zoomed to 200%: nothing
  // runs past the right edge, no text is under 12 px, the entry and the
  // prompt it answers stay in view while a line is typed; and a tap on the
  // session returns the cursor.
  describe('on a small screen', () => {
    const screens = [
      { name: 'a phone 360 by 740', steps: ['phone'], options: { viewport: { width: 360, height: 740 } } },
      { name: 'a phone 390 by 844', steps: ['phone'], options: { viewport: { width: 390, height: 844 } } },
      { name: 'a tablet 768 by 1024', steps: ['window'], options: { viewport: { width: 768, height: 1024 } } },
      { name: '200% on a 1280 px screen', steps: ['zoom'], options: { zoom: 2 } },
    ];
    for (const { name, steps, options } of screens) {
      test(name, lane.needs(...steps), async () => {
        const session = await lane.open(options);
        await typeLines(session, toFirstReport);
        await session.type('98');
        const layout = await session.evaluate(() => {
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
        await session.close();
      });
    }

    // Every chain line and check line on one screen line, right under the
    // line before it, and no value of up to 40 characters split; at desktop
    // widths the text as it has always been.
    const proofScreens = [
      ...screens.filter(({ options }) => !options.viewport || options.viewport.width < 768),
      { name: 'a desktop 1280 by 800', steps: ['window'], options: { viewport: { width: 1280, height: 800 } },
        type: { fontSize: '16px', tabSize: '8' } },
    ];
    const nines = '9'.repeat(38);
    for (const { name, steps, options, type } of proofScreens) {
      test(`proofs in columns: ${name}`, lane.needs(...steps), async () => {
        const session = await lane.open(options);
        await typeLines(session, [...toFirstReport, `${nines} -${nines}`]);
        const layout = await session.evaluate(() => {
          const screen = document.getElementById('screen');
          const nodes = [];
          let length = 0;
          const walker = document.createTreeWalker(screen, NodeFilter.SHOW_TEXT);
          for (let node = walker.nextNode(); node; node = walker.nextNode()) {
            nodes.push({ node, at: length });
            length += node.data.length;
          }
          const place = (offset) => {
            const { node, at } = nodes.findLast((each) => each.at <= offset);
            return [node, offset - at];
          };
          // The screen lines a stretch of the text takes, by their tops.
          const tops = (from, to) => {
            const range = document.createRange();
            range.setStart(...place(from));
            range.setEnd(...place(to));
            return [...new Set([...range.getClientRects()].filter((box) => box.width > 0).map((box) => Math.round(box.top)))];
          };
          const lineHeight = parseFloat(getComputedStyle(screen).lineHeight);
          const found = { chain: 0, check: 0, value: 0, broken: [] };
          let start = 0;
          let above = null;
          for (const line of screen.textContent.split('\n')) {
            const kind = /^\t+->/.test(line) ? 'chain' : /^\t+(which|and) /.test(line) ? 'check'
                : /^[ -]?\d{1,39}$/.test(line) ? 'value' : null;
            const visible = line.search(/\S/);
            const lineTops = visible < 0 ? [] : tops(start + visible, start + line.length);
            if (kind) {
              ++found[kind];
              const apart = above && lineTops.length ? lineTops[0] - above.at(-1) : lineHeight;
              if (lineTops.length !== 1 || apart > 1.5 * lineHeight) found.broken.push(`${kind}: ${line.trim()}`);
            }
            above = lineTops.length ? lineTops : null;
            start += line.length + 1;
          }
          const { fontSize, tabSize } = getComputedStyle(screen);
          return { found, fontSize, tabSize };
        });
        // Two pairs: seven values with a chain each, three check lines each.
        assert.deepEqual([layout.found.chain, layout.found.check], [14, 8]);
        assert.ok(layout.found.value >= 11, `${layout.found.value} values`);
        assert.deepEqual(layout.found.broken, [], 'lines broken or set apart');
        assert.ok(parseFloat(layout.fontSize) >= 12, `text of ${layout.fontSize}`);
        if (type) assert.deepEqual({ fontSize: layout.fontSize, tabSize: layout.tabSize }, type);
        await session.close();
      });
    }

    test('a tap on the session gives the entry the cursor again', lane.needs('phone', 'touch'), async () => {
      const session = await lane.open({ viewport: { width: 390, height: 844 }, touch: true });
      await typeLines(session, toFirstReport);
      await session.evaluate(() => document.getElementById('line').blur());
      await session.tap('main');
      assert.equal(await session.evaluate(() => document.activeElement.id), 'line');
      await session.close();
    });
  });

  // On paper: the session from its first line, or with "Print answers.txt"
  // the record alone, the bytes "Save answers.txt" saves; lines wrap, never
  // cut; the controls stay off the paper.
  describe('printed', () => {
    // Printing is asked for, but what would be printed stays on the page.
    const printInPlace = () => {
      window.print = () => { window.printedRecord = document.getElementById('record').textContent; };
    };

    test('"Print answers.txt" prints the record "Save answers.txt" saves', lane.needs(), async () => {
      const session = await lane.open();
      await typeLines(session, toFirstReport);
      await session.evaluate(printInPlace);
      await session.click('Print answers.txt');
      const printed = await session.evaluate(() => window.printedRecord);
      assert.match(printed, /\*\* Zoë's Operands and Answers \*\*/);
      assert.equal(printed, (await session.record()).toString());
      await session.close();
    });

    test('the page gives the session or the record whole', lane.needs('printMedia'), async () => {
      const session = await lane.open();
      await typeLines(session, toFirstReport);
      await session.evaluate(printInPlace);
      await session.click('Print answers.txt');
      await session.printMedia();
      const shown = () => session.evaluate(() => Object.fromEntries(['header', '#line', '#now', '#screen', '#record'].map((selector) => {
        const element = document.querySelector(selector);
        const style = getComputedStyle(element);
        return [selector, element.getClientRects().length > 0 ? `${style.whiteSpace} ${style.tabSize}` : 'hidden'];
      })));
      assert.deepEqual(await shown(), {
        header: 'hidden', '#line': 'hidden', '#now': 'hidden', '#screen': 'hidden', '#record': 'pre-wrap 8',
      });
      await session.evaluate(() => window.dispatchEvent(new Event('afterprint')));
      assert.deepEqual(await shown(), {
        header: 'hidden', '#line': 'hidden', '#now': 'break-spaces 8', '#screen': 'pre-wrap 8', '#record': 'hidden',
      });
      assert.match(await session.evaluate(() => document.getElementById('screen').textContent), /^\n\t\t\tTalvenor\n/);
      await session.close();
    });

    // Six pairs make several pages of the session and of the record. No page
    // breaks a value from its chain, a check line from its value or the two
    // forms of the quotient apart, and none holds a single line.
    for (const { name, record } of [{ name: 'the session' }, { name: 'the record', record: true }]) {
      test(`to a PDF on Letter pages: ${name}`, lane.needs('pdf'), async () => {
        const session = await lane.open();
        await typeLines(session, [...toFirstReport.slice(0, -1),
                                  ...[0, 1, 2, 3, 4, 5].map((i) => `${9866 + 7919 * i} -${168 + 13 * i}`)]);
        if (record) {
          await session.evaluate(printInPlace);
          await session.click('Print answers.txt');
        }
        const pdf = await session.pdf();
        const raw = pdfText(pdf);
        const sizes = new Set(raw.match(/\/MediaBox\s*\[[^\]]*\]/g)?.map((box) => box.match(/[\d.]+/g).join(' ')));
        assert.deepEqual([...sizes], ['0 0 612 792'], 'pages not of Letter size');
        const pages = textPages(pdf);
        assert.ok(pages.length >= 4, `${pages.length} pages`);
        assert.match(pages[0][0], record ? /\*\* Zoë's Operands and Answers \*\*/ : /Talvenor/);
        for (const [index, lines] of pages.entries()) {
          assert.ok(lines.length >= 2, `page ${index + 1} holds ${lines.length} line`);
          assert.doesNotMatch(lines[0], /^(->|which = |and \d+ = |or$|-?\d*\.\d+$)/,
                              `page ${index + 1} begins inside a paragraph`);
        }
        await session.close();
      });
    }
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
      test(name, lane.needs('leave', ...(save ? ['download'] : [])), async () => {
        const session = await lane.open();
        await typeLines(session, typed);
        if (save) await session.save();
        if (typed.includes('x x')) {
          assert.match(await session.screenText(), /\nTo print the answers you calculated open the file "answers\.txt"\.\nSave it with the button "Save answers\.txt" on this page\.\n/);
          assert.match(await textOf(session, '#status'), /session has ended\. You can still save or print answers\.txt/);
          assert.ok(await session.evaluate(() => !document.getElementById('save').disabled), 'Save is off');
        }
        assert.equal(await session.leave(), asks ? 'asked' : 'gone');
        await session.close();
      });
    }
  });

  // Whatever a browser lacks or breaks before the first prompt, the page
  // says so in words, or runs without it.
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
      test(name, lane.needs(), async () => {
        const session = await lane.open({ initScript });
        const status = await textOf(session, '#status');
        if (runs) {
          assert.equal(status, '');
          assert.match(await session.screenText(), /Type any character, and <enter> to continue\.\.\.\n\t\t$/);
        } else {
          assert.match(status, /^nines cannot run in this browser: .+\. It needs a current browser/);
          assert.match(status, told);
          assert.ok(!(await shownAt(session, '#line')), 'the entry is still offered');
        }
        await session.close();
      });
    }
  });

  for (const colorScheme of ['light', 'dark']) {
    test(`the page is legible and reachable in the ${colorScheme} scheme`,
         lane.needs(...(colorScheme === 'dark' ? ['dark'] : [])), async () => {
      const session = await lane.open({ colorScheme });
      const look = (selector) => session.evaluate((selector) => {
        const { color, borderStyle } = getComputedStyle(document.querySelector(selector));
        return `${color} ${borderStyle}`;
      }, selector);
      assert.deepEqual(await axeViolations(session), [], 'at the start');
      const disabledSave = await look('#save');
      await typeLines(session, toFirstReport);
      assert.deepEqual(await axeViolations(session), [], 'after a report');
      // What the log announces of the report: its words and numbers, not the
      // rules and guide lines drawn around them.
      const announced = await session.evaluate(() => {
        const report = [...document.querySelectorAll('#screen > .lines')].at(-1);
        const walker = document.createTreeWalker(report, NodeFilter.SHOW_TEXT);
        let text = '';
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
          if (!node.parentElement.closest('[aria-hidden="true"]')) text += node.data;
        }
        return text;
      });
      assert.match(announced, /The first operand is:\n 9866\n/);
      assert.match(announced, /-58\.726190476/);
      assert.doesNotMatch(announced, /\+--\+|-->\|/);
      assert.notEqual(await look('#save'), disabledSave, 'Save looks the same off and on');

      const colors = await session.evaluate(() => {
        const background = getComputedStyle(document.body).backgroundColor;
        const color = (selector, property = 'color') => getComputedStyle(document.querySelector(selector))[property];
        return [...['#screen', '#screen .typed', '#status', '#save', 'h1'].map((selector) => [selector, color(selector), 4.5]),
                ['the focused entry\'s rule', color('#line:focus', 'borderBottomColor'), 3]]
            .map((row) => [...row, background]);
      });
      for (const [what, color, least, background] of colors) {
        assert.ok(contrast(color, background) >= least, `${what}: ${color} on ${background}`);
      }
      await session.close();
    });
  }

  // What the page keeps, through each storage step, is what a person's
  // browser keeps: localStorage for the browser's profile, sessionStorage
  // for the tab.
  describe('the storage steps', () => {
    const mark = () => {
      localStorage.setItem('nines-check', 'browser');
      sessionStorage.setItem('nines-check', 'tab');
    };
    // Each case's steps after the mark: the session to read first, then any
    // other still open.
    const cases = [
      { name: 'a page opened afresh finds nothing', after: async (first) => {
        await first.close();
        return [await lane.open()];
      }, kept: [null, null] },
      { name: 'a reload keeps both', after: async (first) => {
        await first.reload();
        return [first];
      }, kept: ['browser', 'tab'] },
      { name: 'a second tab shares the browser\'s', steps: ['secondTab'],
        after: async (first) => [await first.openTab(), first], kept: ['browser', null] },
      { name: 'clearing empties both', after: async (first) => {
        await first.clearStorage();
        return [first];
      }, kept: [null, null] },
    ];
    for (const { name, steps = [], after, kept } of cases) {
      test(name, lane.needs(...steps), async () => {
        const first = await lane.open();
        await first.evaluate(mark);
        const open = await after(first);
        const { local, session } = await open[0].storage();
        assert.deepEqual([local['nines-check'] ?? null, session['nines-check'] ?? null], kept);
        for (const each of open) await each.close();
      });
    }
  });
});

// The lines of text on each page of a PDF, as poppler's pdftotext lays them
// out, each without its indent; empty lines left out.
function textPages(pdf) {
  const text = execFileSync('pdftotext', ['-layout', '-', '-'], { input: pdf }).toString();
  return text.split('\f').map((page) => page.split('\n').map((line) => line.trim()).filter(Boolean))
      .filter((lines) => lines.length > 0);
}

// A PDF's text with every compressed stream inflated after it, as far as
// its objects go (page dictionaries may sit in compressed object streams).
function pdfText(bytes) {
  const raw = bytes.toString('latin1');
  const parts = [raw];
  for (const { index, 0: start } of raw.matchAll(/stream\r?\n/g)) {
    const from = index + start.length;
    const stream = bytes.subarray(from, raw.indexOf('endstream', from));
    try {
      parts.push(inflateSync(stream, { finishFlush: zlibConstants.Z_SYNC_FLUSH }).toString('latin1'));
    } catch {
      // Not deflated: an image, a font of another coding.
    }
  }
  return parts.join('\n');
}

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

// What axe-core finds against the page as it stands, rule by rule. Its
// script goes in as an inline one, which the page's policy allows.
const axeSource = await readFile(`${root}web/node_modules/axe-core/axe.min.js`, 'utf8');
async function axeViolations(session) {
  await session.evaluate((source) => {
    if ('axe' in window) return;
    const script = document.createElement('script');
    script.textContent = source;
    document.head.append(script);
  }, axeSource);
  return session.evaluate(async () => (await window.axe.run()).violations
      .map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(', ')}`));
}
