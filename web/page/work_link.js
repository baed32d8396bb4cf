// A student's work in the page's address, "#work=TEXT": the same exercise with the same
// n, cos/sin, k, trial coefficients, answers and CALC. The text is the core's and the core
// reads it, refusing any it cannot show. The window's state is also kept in the tab's
// sessionStorage after every event, so a reload, or a tab the browser discarded and
// brings back, shows the window as it was.

import { showFault } from "./fault_dialog.js";

const keptKey = "quorvel.kept";
// The fragment the kept state was made under: a link already followed in this tab is not
// followed again over the work done since.
const keptAddressKey = "quorvel.kept-address";

// The work in a fragment, or null when it holds none.
export function workInFragment(hash) {
  const match = /^#work=(.*)$/s.exec(hash);
  if (!match) return null;
  try {
    return decodeURIComponent(match[1]);
  } catch {
    return match[1];
  }
}

// The page's address with the fragment that opens a work's text.
export function workAddress(text) {
  const here = new URL(location.href);
  here.hash = `work=${text}`;
  return here.href;
}

// Calls open(text) for the address's work after every change of fragment, and now too
// unless `now` is false.
export function followWorkLinks(open, now) {
  const follow = () => {
    const text = workInFragment(location.hash);
    if (text !== null) open(text);
  };
  if (now) follow();
  addEventListener("hashchange", follow);
}

// The kept state this tab holds for the page's address as it is now, or null: none, or
// one made under another fragment, which the address's link replaces.
export function keptForThisAddress() {
  try {
    const kept = sessionStorage.getItem(keptKey);
    if (kept === null) return null;
    const address = sessionStorage.getItem(keptAddressKey) ?? "";
    return address === location.hash ? kept : null;
  } catch {
    return null;  // storage refused (a private window's settings)
  }
}

// Keeps `text` (null: nothing to keep) for this tab; storage that is full or refused
// only means the next reload starts afresh.
export function keep(text) {
  try {
    if (text === null) {
      forgetKept();
      return;
    }
    sessionStorage.setItem(keptKey, text);
    sessionStorage.setItem(keptAddressKey, location.hash);
  } catch {
    // Nothing kept: a reload starts as new.
  }
}

export function forgetKept() {
  try {
    sessionStorage.removeItem(keptKey);
    sessionStorage.removeItem(keptAddressKey);
  } catch {
    // Nothing to forget.
  }
}

// Copies the page's address with the work's text and says so in the message dialog;
// where the clipboard is refused, the dialog shows the address selected for the reader to
// copy. `texts` are the page's texts in its language; `beforeDialog` runs as the dialog
// opens (the page stops a held spin arrow).
export function copyWorkLink(text, texts, beforeDialog) {
  if (text === null || document.querySelector("dialog[open]")) return;
  beforeDialog();
  const address = workAddress(text);
  const written = navigator.clipboard?.writeText(address) ?? Promise.reject(new Error("none"));
  written.then(() => showFault(texts.work_link_copied, () => {}), () => {
    showFault(texts.work_link_shown, () => {});
    const line = document.createElement("span");
    line.className = "work-address";
    line.textContent = address;
    document.getElementById("fault-text").append(document.createElement("br"), line);
    getSelection().selectAllChildren(line);
  });
}
