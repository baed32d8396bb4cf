// ESLint over every JavaScript file of the repository: the page's modules and its service
// worker, the build's tools and the tests' node scripts, with the recommended rules.
"use strict";

const js = require("@eslint/js");
const globals = require("globals");

module.exports = [
  { ignores: ["build/**", "node_modules/**", ".cache/**", "bench/web/lighthouse/node_modules/**"] },
  js.configs.recommended,
  {
    // The page's modules, which esbuild bundles for the browser.
    files: ["web/page/*.js", "tests/web/probe_main.js", "bench/web/*.js"],
    languageOptions: { sourceType: "module", globals: globals.browser },
  },
  {
    // The service worker is a classic script, run in the worker's own scope.
    files: ["web/page/sw.js"],
    languageOptions: { sourceType: "script", globals: globals.serviceworker },
  },
  {
    // Scripts run by node: the build's tools and the tests of the WebAssembly module.
    files: ["web/tools/*.js", "tests/web/*_test.js", "tests/web/replay_equal.js",
            "eslint.config.js"],
    languageOptions: { sourceType: "commonjs", globals: globals.node },
  },
];
