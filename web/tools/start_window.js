// Prints the start window as Form_Load leaves it: {"labels": [[row, caption, visible]],
// "options": [[row, selected]], "surfaces": {"RATIO": {"ROW": [width, height, colours,
// runs]}}}, the surfaces' pixels at each device pixel ratio the page is commonly shown at.
// The example at start is the same on every visit, so the page can show these before the
// WebAssembly has compiled (web/page/start_frame.js).
// A surface is a few flat colours: `colours` lists its distinct RGBA colours as 8 hex
// digits each, and `runs` is base64 of (colour index, run length as a LEB128 number)
// pairs along the rows.
// Usage: node start_window.js path/to/quorvel.js
"use strict";

const createQuorvel = require(require("path").resolve(process.argv[2]));

const RATIOS = [1, 2];

function encode(pixels, width, height) {
  const colours = [];
  const index = new Map();
  const bytes = [];
  const words = new Uint32Array(pixels.buffer, pixels.byteOffset, width * height);
  for (let at = 0; at < words.length;) {
    const word = words[at];
    let run = 1;
    while (at + run < words.length && words[at + run] === word) run += 1;
    if (!index.has(word)) {
      const rgba = pixels.subarray(at * 4, at * 4 + 4);
      index.set(word, colours.length);
      colours.push(Buffer.from(rgba).toString("hex"));
    }
    if (colours.length > 256) throw new Error("a surface with more than 256 colours");
    bytes.push(index.get(word));
    for (let left = run; ; left >>>= 7) {
      if (left < 0x80) {
        bytes.push(left);
        break;
      }
      bytes.push((left & 0x7f) | 0x80);
    }
    at += run;
  }
  return [width, height, colours.join(""), Buffer.from(bytes).toString("base64")];
}

createQuorvel().then((module) => {
  const number = (name, row) => module.ccall(name, "number", ["number"], [row]);
  const out = { surfaces: {} };
  for (const ratio of RATIOS) {
    const opened = JSON.parse(module.ccall("quorvel_open", "string",
      ["number", "number", "number"], [ratio, 647, 455]));
    out.labels = opened.labels;
    out.options = opened.options;
    const rows = JSON.parse(module.ccall("quorvel_page", "string", [], [])).rows;
    const surfaces = {};
    rows.forEach((row, at) => {
      const width = number("quorvel_pixels_width", at);
      const height = number("quorvel_pixels_height", at);
      if (width === 0 || height === 0) return;
      const start = number("quorvel_pixels", at);
      const pixels = module.HEAPU8.slice(start, start + width * height * 4);
      surfaces[at] = encode(pixels, width, height);
    });
    out.surfaces[ratio] = surfaces;
  }
  process.stdout.write(JSON.stringify(out));
});
