// The page keeps its session as it happens: a reload, a discarded tab or a
// closed browser gives back the screen and answers.txt byte for byte, two
// tabs never add to one session, a browser that keeps nothing is told, and
// nothing kept is let go without asking while its answers are not saved.
// The checking session of "Check your working" is kept the same way.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { inEveryEngine } from './drivers/engines.mjs';

const toFirstReport = ['a', 'b', 'c', 'Zoë', '9866 -168'];
const calculation = '9866 * -168 = -1654788';

async function typeLines(session, lines) {
  for (const line of lines) await session.typeLine(line);
}

const statusOf = (session) => session.evaluate(() => document.getElementById('status').textContent);
const shown = (session, selector) =>
  session.evaluate((selector) => document.querySelector(selector).getClientRects().length > 0, selector);

// The page, in the checking session, as a link with #check opens it.
async function openChecking(lane, options = {}) {
  const session = await lane.open(options);
  await session.evaluate(() => history.replaceState(null, '', '#check'));
  await session.reload();
  return session;
}

// What a session shows and keeps: the screen and answers.txt, once there is
// one to save.
async function standing(session) {
  const saveable = await session.evaluate(() => !document.getElementById('save').disabled);
  return { screen: await session.screenText(), record: saveable ? (await session.record()).toString() : null };
}

inEveryEngine((lane) => {
  // Each row types, then loses the page in its way, and must find it again.
  describe('a kept session comes back whole', () => {
    const rows = [
      { name: 'after a reload', typed: toFirstReport, lose: (session) => session.reload().then(() => session),
        told: /^Restored the session of Zoë from \d\d:\d\d, 1 pair\. "Start again" begins a new one\.$/ },
      // A closed browser keeps the page's localStorage but no tab's
      // sessionStorage: the reopened tab takes a copy under a claim of its own.
      { name: 'after the browser was closed', steps: ['reopenBrowser'], profile: true, typed: toFirstReport,
        lose: async (session) => {
          const claim = (await session.storage()).session;
          const found = await session.reopenBrowser();
          assert.notDeepEqual((await found.storage()).session, claim);
          return found;
        },
        told: /^Restored the session of Zoë from \d\d:\d\d, 1 pair\./ },
      { name: 'after the end, still to be saved', typed: [...toFirstReport, 'x x'],
        lose: (session) => session.reload().then(() => session),
        told: /^Restored the session of Zoë from \d\d:\d\d, 1 pair\. .*The session has ended\. You can still save or print answers\.txt\.$/ },
      { name: 'before a name', typed: ['a', 'b'], lose: (session) => session.reload().then(() => session),
        told: /^Restored the session from \d\d:\d\d, 0 pairs\./ },
      { name: 'a checking session', checking: true, typed: [calculation],
        lose: (session) => session.reload().then(() => session),
        told: /^Restored the checking session from \d\d:\d\d\./ },
    ];
    for (const { name, steps = [], profile, checking, typed, lose, told } of rows) {
      test(name, lane.needs(...steps), async () => {
        const options = { seconds: 1796000002, ...(profile ? { profile } : {}) };
        const session = checking ? await openChecking(lane, options) : await lane.open(options);
        await typeLines(session, typed);
        const lost = await standing(session);
        const found = await lose(session);
        assert.deepEqual(await standing(found), lost);
        assert.match(await statusOf(found), told);
        await found.close();
      });
    }
  });

  test('a second tab takes a copy, and the two never mix', lane.needs('secondTab'), async () => {
    const first = await lane.open({ seconds: 1796000002 });
    await typeLines(first, toFirstReport);
    const lost = await standing(first);
    const second = await first.openTab();
    assert.deepEqual(await standing(second), lost);
    await typeLines(second, ['7', '2']);
    assert.match(await second.screenText(), /The first operand is:\n 7\n/);
    await first.reload();
    assert.deepEqual(await standing(first), lost);
    await second.close();
    await first.close();
  });

  // A store that refuses, or is full: the page works as it would without
  // one, says once that it keeps nothing, and a reload starts afresh.
  describe('a browser that keeps nothing', () => {
    const rows = [
      { name: 'refuses the page its storage', told: /\(it refuses this page its storage\)/,
        initScript: `for (const name of ['localStorage', 'sessionStorage']) {
          Object.defineProperty(window, name, { get() { throw new DOMException('denied', 'SecurityError'); } });
        }` },
      { name: 'has its storage full', told: /\(its storage is full\)/,
        initScript: `Storage.prototype.setItem = function () {
          throw new DOMException('full', 'QuotaExceededError');
        };` },
    ];
    for (const { name, initScript, told } of rows) {
      test(name, lane.needs(), async () => {
        const session = await lane.open({ initScript });
        await typeLines(session, toFirstReport);
        assert.match(await statusOf(session),
                     /^This browser keeps no copy of the session \(.*\): save answers\.txt before you leave the page\.$/);
        assert.match(await statusOf(session), told);
        assert.match(await session.screenText(), /The first operand is:\n 9866\n/);
        await session.typeLine('7 2');
        assert.match(await statusOf(session), told, 'said once, and not taken back');
        await session.reload();
        assert.doesNotMatch(await session.screenText(), /Zoë/);
        await session.close();
      });
    }
  });

  // "Start again", and switching to the other way in, let the kept session
  // go: at once when its answers are saved, after a question inside the
  // page when they are not.
  describe('letting a session go', () => {
    const rows = [
      { name: 'Start again, answers saved', button: 'Start again', save: true, asks: false },
      { name: 'Start again, answers not saved', button: 'Start again', save: false, asks: true },
      { name: 'checking, answers not saved', button: 'Check your working', save: false, asks: true,
        then: /^Check your own working\. Type a calculation\na line, as A op B = C;/ },
      { name: 'back from checking', checking: true, button: 'Back to the calculator', asks: false },
    ];
    for (const { name, checking, button, save, asks, then = /^\n\t\t\tTalvenor\n/ } of rows) {
      test(name, lane.needs(), async () => {
        const session = checking ? await openChecking(lane) : await lane.open();
        await typeLines(session, checking ? [calculation] : toFirstReport);
        // The header offers "Start again" for a restored session; here the
        // session is the tab's own, so it is offered once it has ended.
        if (button === 'Start again') await session.typeLine('x x');
        if (save) await session.record();
        const before = await session.screenText();
        await session.click(button);
        assert.equal(await shown(session, '#confirm'), asks);
        if (asks) {
          assert.equal(await session.evaluate(() => document.getElementById('question').textContent),
                       'answers.txt has answers that are not saved yet.');
          await session.click('Go back');
          assert.equal(await session.screenText(), before, 'going back changed the session');
          assert.equal(await shown(session, '#confirm'), false);
          await session.click(button);
          await session.click('Discard them');
        }
        await session.settled();
        assert.match(await session.screenText(), then);
        // Nothing of the let-go session is kept: a reload finds the new one.
        await session.reload();
        assert.match(await session.screenText(), then);
        assert.doesNotMatch(await session.screenText(), /Zoë|> 9866/);
        await session.close();
      });
    }
  });

  // A link ending in #check opens straight into checking; a calculation
  // gets its verdicts.
  test('a link with #check opens the checking session', lane.needs(), async () => {
    const session = await openChecking(lane);
    assert.match(await session.screenText(), /^Check your own working\. Type a calculation\na line, as A op B = C;/);
    assert.equal(await session.evaluate(() => document.getElementById('mode').textContent), 'Back to the calculator');
    await session.typeLine(calculation);
    const screen = await session.screenText();
    assert.ok(screen.includes(`\n> ${calculation}\n`), 'the calculation is not where it was read');
    for (const verdict of ['Casting out nines finds no error.', 'Casting out elevens finds an error.',
                           'Your answer is wrong: the answer is -1657488.']) {
      assert.ok(screen.includes(`\n${verdict}\n`), `no "${verdict}"`);
    }
    await session.close();
  });
});
