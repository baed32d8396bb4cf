// Prints the window's description as the core gives it (the layout table with its
// faces, colours, accessible texts and spin ranges, and the held arrow's repeat). It
// depends on nothing the page passes to quorvel_open, so the build puts it into
// index.html and the page builds its controls while the WebAssembly still compiles.
// Usage: node page_description.js path/to/quorvel.js
"use strict";

const createQuorvel = require(require("path").resolve(process.argv[2]));

createQuorvel().then((module) => {
  module.ccall("quorvel_open", "string", ["number", "number", "number"], [1, 647, 455]);
  process.stdout.write(module.ccall("quorvel_page", "string", [], []));
});
