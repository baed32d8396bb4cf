// What a screen reader is told after an event: one short sentence in the page's one
// polite status region, for the events whose result is not already spoken. A spin
// button's new value and an option button's state are spoken by the control itself; the
// labels are not live regions, so nothing is said twice. The sentences are the core's,
// in the page's language; the numbers in them are the labels' as the window shows them.

import { filled } from "./language.js";

// `reply` is the core's answer to the event: the labels it rewrote; `page` the
// description in the page's language.
export function announce(handler, reply, page) {
  const said = page.announcements.find((a) => a.handler === handler);
  if (!said || reply.fault) return;
  const changed = (name) => reply.labels.some(([row]) => page.rows[row].name === name);
  if (said.when_changed && !changed(said.when_changed)) return;
  say(sentenceOf(said));
}

// A line of its own in the status region, for a message that is no event's result.
export function say(text) {
  // A new node each time, so that the same sentence twice (CALC pressed again) is spoken
  // again.
  const line = document.createElement("p");
  line.textContent = text;
  document.getElementById("status").replaceChildren(line);
}

function sentenceOf(said) {
  const values = {};
  for (const [placeholder, label] of Object.entries(said.filled_from)) {
    values[placeholder] =
      document.querySelector(`[data-name="${label}"]`)?.textContent.trim() ?? "";
  }
  return filled(said.sentence, values);
}
