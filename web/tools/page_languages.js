// Prints the page's own texts in every language the reader may choose, as the core gives
// them: {code: {"name", "direction", "texts"}}, English first. The build writes from it
// what must be read before any script runs or without the page: the message shown
// without script and the installed app's names.
// Usage: node page_languages.js path/to/quorvel.js
"use strict";

const createQuorvel = require(require("path").resolve(process.argv[2]));

createQuorvel().then((module) => {
  const call = (name, args, types) => JSON.parse(module.ccall(name, "string", types, args));
  call("quorvel_open", [1, 647, 455], ["number", "number", "number"]);
  const out = {};
  for (const language of call("quorvel_page", [], []).languages) {
    call("quorvel_set_language", [language.code], ["string"]);
    out[language.code] = { name: language.name, direction: language.direction,
      texts: call("quorvel_page", [], []).texts };
  }
  process.stdout.write(JSON.stringify(out));
});
