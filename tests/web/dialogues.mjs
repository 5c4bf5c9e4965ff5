// The recorded dialogues of tests/golden/ that the page can type, each with
// the moment its clock is stopped at.
import { readdir, readFile } from 'node:fs/promises';
import { fileURLToPath } from 'node:url';

const goldenDir = fileURLToPath(new URL('../golden', import.meta.url));

// The moment a recording was made, from its answers file's Date and Time
// lines (UTC): the clock decides the slogan and "the gods are angry...".
function recordedMoment(answers) {
  const [, month, day, year] = answers.match(/Date: {2}(\d\d)\/(\d\d)\/(\d\d)/);
  const [, time] = answers.match(/Time: {2}(\d\d:\d\d:\d\d)/);
  return Date.parse(`20${year}-${month}-${day}T${time}Z`) / 1000;
}

// {name, seconds, golden (the path of its files, less their endings)}.
export async function pageDialogues() {
  // A file system that refuses answers.txt cannot be had in the page.
  const names = (await readdir(goldenDir))
      .filter((file) => file.endsWith('.in') && !file.startsWith('answers_file_cannot'))
      .map((file) => file.slice(0, -'.in'.length));
  return Promise.all(names.map(async (name) => {
    const golden = `${goldenDir}/${name}`;
    return { name, golden, seconds: recordedMoment(await readFile(`${golden}.answers.txt`, 'utf8')) };
  }));
}

// What the page's screen shows for a console recording: the same bytes, but
// for the closing line that says where answers.txt is found.
const consoleSaysWhere = 'It is in the current directory.';
const pageSaysWhere = 'Save it with the button "Save answers.txt" on this page.';
export function pageScreenFor(console) {
  if (!console.includes(`\n${consoleSaysWhere}\n`) && console.includes('\nTo print the answers')) {
    throw new Error('the recording says not where answers.txt is');
  }
  return console.replace(consoleSaysWhere, pageSaysWhere);
}

// The closing screen's build time is the build's own: set aside.
export const asideBuildTime = (text) => text.replace(/^(\t{4}Compile time\t).*$/m, '$1<build time>');
