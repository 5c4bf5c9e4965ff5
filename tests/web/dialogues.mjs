// The recorded dialogues of tests/golden/ that the page can type, each with
// the moment its clock is stopped at, as the table of them, dialogues.tsv,
// gives them.
import { readFile } from 'node:fs/promises';
import { fileURLToPath } from 'node:url';

const goldenDir = fileURLToPath(new URL('../golden', import.meta.url));

// {name, seconds, golden (the path of its files, less their endings)}, for
// each row the page can type; the clock (seconds, UTC) decides the slogan and
// "the gods are angry...".
export async function pageDialogues() {
  const table = await readFile(`${goldenDir}/dialogues.tsv`, 'utf8');
  return table.split(/\r?\n/)
      .filter((line) => line !== '' && !line.startsWith('#'))
      .map((line) => line.split('\t'))
      .filter((fields) => fields[6] === 'yes')  // the page column
      .map(([name, seconds]) => ({ name, golden: `${goldenDir}/${name}`, seconds: Number(seconds) }));
}

// What the page's screen shows for a console recording: the same bytes, but
// for the closing line that says where answers.txt is found.
const consoleSaysWhere = 'It is in the current directory.';
export const pageSaysWhere = 'Save it with the button "Save answers.txt" on this page.';
export function pageScreenFor(console) {
  if (!console.includes(`\n${consoleSaysWhere}\n`) && console.includes('\nTo print the answers')) {
    throw new Error('the recording says not where answers.txt is');
  }
  return console.replace(consoleSaysWhere, pageSaysWhere);
}

// The closing screen's build time is the build's own: set aside.
export const asideBuildTime = (text) => text.replace(/^(\t{4}Compile time\t).*$/m, '$1<build time>');
