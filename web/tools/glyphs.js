// Prints every character the window can show in its own faces: the captions of the
// layout table and the characters of the program's number texts. The web fonts are
// subset to these. Usage: node glyphs.js path/to/quorvel.js
"use strict";

const createQuorvel = require(require("path").resolve(process.argv[2]));

// Whole numbers, and the shortest decimal forms of the 32-bit values S/T can take.
const NUMBER_CHARACTERS = "0123456789-+.E";

createQuorvel().then((module) => {
  module.ccall("quorvel_open", "string", ["number", "number", "number"], [1, 647, 455]);
  const page = JSON.parse(module.ccall("quorvel_page", "string", [], []));
  const used = new Set(NUMBER_CHARACTERS);
  for (const row of page.rows) for (const c of row.caption) used.add(c);
  used.add(" ");
  process.stdout.write([...used].sort().join(""));
});
