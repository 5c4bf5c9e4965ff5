// Makes the self-contained page from its template: the program's script
// goes where {{{ SCRIPT }}} stands and its WebAssembly, base64-coded, where
// {{{ PROGRAM }}} stands, in an element of its own. Kept out of the script's
// source, those bytes are read once as page text and never parsed as
// JavaScript, which takes a slow machine several times longer. They are not
// compressed: a browser without DecompressionStream (Safari before 16.4)
// could not unpack them, and every browser takes the same path.
//
// Usage: node make_page.mjs TEMPLATE SCRIPT WASM PAGE
import { readFileSync, writeFileSync } from 'node:fs';

const [template, script, wasm, page] = process.argv.slice(2);
const parts = {
  SCRIPT: readFileSync(script, 'utf8'),
  PROGRAM: readFileSync(wasm).toString('base64'),
};
// Such text would end the script's element early (base64 has no "<").
if (/<\/script/i.test(parts.SCRIPT)) throw new Error(`${script} holds "</script"`);

const filled = new Set();
const text = readFileSync(template, 'utf8').replace(/\{\{\{ (SCRIPT|PROGRAM) \}\}\}/g, (_, name) => {
  filled.add(name);
  return parts[name];
});
if (filled.size !== 2) throw new Error(`${template} lacks {{{ SCRIPT }}} or {{{ PROGRAM }}}`);
writeFileSync(page, text);
