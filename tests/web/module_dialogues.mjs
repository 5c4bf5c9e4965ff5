// Runs the browser edition's program (the web build's nines.js and
// nines.wasm) under Node, without a browser, on every recorded dialogue the
// page can type, and compares what it writes with the recording: the
// console's bytes and answers.txt. Each line of a recording's input is one
// read of the program, as a line typed on the page is, so every read waits
// for the page through Asyncify; a function on that path that the build left
// uninstrumented makes the dialogues go wrong here.
//
// Usage: node tests/web/module_dialogues.mjs BUILD_WEB_DIR
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test } from 'node:test';

import { asideBuildTime, pageDialogues, pageSaysWhere, pageScreenFor } from './dialogues.mjs';

const built = process.argv[2];
const createNines = createRequire(import.meta.url)(`${built}/nines.js`);
const wasm = readFileSync(`${built}/nines.wasm`);

// The page's hooks (Module.page), with the recording's typed lines and a
// clock stopped at `seconds` in UTC.
function pageFor(typed, seconds) {
  const entries = typed.toString('latin1').split(/(?<=\n)/).map((line) => Buffer.from(line, 'latin1'));
  const screen = [];
  const answers = [];
  let ended;
  const finished = new Promise((resolve) => { ended = resolve; });
  return {
    finished,
    screen: () => Buffer.concat(screen).toString(),
    answers: () => Buffer.concat(answers).toString(),
    hooks: {
      async read(capacity) {
        // After the last line the input ends, as Control-D ends it on the page.
        const next = entries[0] ?? new Uint8Array(0);
        if (next.length <= capacity) return entries.shift() ?? next;
        entries[0] = next.subarray(capacity);
        return next.subarray(0, capacity);
      },
      write(bytes) { screen.push(Buffer.from(bytes)); },
      now: () => seconds,
      localTime(at) {
        const t = new Date(at * 1000);
        const year = t.getUTCFullYear();
        return [t.getUTCSeconds(), t.getUTCMinutes(), t.getUTCHours(), t.getUTCDate(), t.getUTCMonth(),
                year - 1900, t.getUTCDay(),
                (Date.UTC(year, t.getUTCMonth(), t.getUTCDate()) - Date.UTC(year, 0, 1)) / 86400000];
      },
      progress() {},
      answersPlace: () => pageSaysWhere,
      openAnswers() {},
      writeAnswers(bytes) { answers.push(Buffer.from(bytes)); },
      ended,
    },
  };
}

for (const { name, seconds, golden } of await pageDialogues()) {
  test(name, async () => {
    const page = pageFor(readFileSync(`${golden}.in`), seconds);
    await createNines({
      page: page.hooks,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(wasm, imports).then(({ instance }) => receive(instance));
        return {};
      },
      onAbort: (what) => assert.fail(`the program stopped: ${what}`),
    });
    assert.equal(await page.finished, 0);
    const expected = pageScreenFor(readFileSync(`${golden}.out`, 'utf8'));
    assert.equal(asideBuildTime(page.screen()), asideBuildTime(expected));
    assert.equal(page.answers(), readFileSync(`${golden}.answers.txt`, 'utf8'));
  });
}
