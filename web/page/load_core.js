// Starts the WebAssembly as early as the page can: this runs from <head>, so the module
// compiles while the rest of the page is read. The served page names the module's file
// (preloaded, compiled as it arrives); the single file carries it as base64 text.

import createQuorvel from "quorvel-loader";

export function loadCore() {
  const source = document.getElementById("quorvel-wasm");
  const compiled = source.tagName === "LINK" ? compileFile(source.href)
    : WebAssembly.compile(fromBase64(source.textContent));
  return new Promise((resolve, reject) => {
    const instantiateWasm = (imports, receive) => {
      compiled.then((module) => WebAssembly.instantiate(module, imports)).then(receive, reject);
      return {};
    };
    createQuorvel({ instantiateWasm }).then(resolve, reject);
  });
}

// A server that does not call it application/wasm costs the streaming, not the page.
function compileFile(url) {
  return WebAssembly.compileStreaming(fetch(url))
    .catch(() => fetch(url).then((r) => r.arrayBuffer()).then(WebAssembly.compile));
}

function fromBase64(text) {
  const binary = atob(text.trim());
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i += 1) bytes[i] = binary.charCodeAt(i);
  return bytes;
}
