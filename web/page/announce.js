// What a screen reader is told after an event: one short sentence in the page's one
// polite status region, for the events whose result is not already spoken. A spin
// button's new value and an option button's state are spoken by the control itself; the
// labels are not live regions, so nothing is said twice.

const NEW_EXAMPLE = "New example: answers hidden, trial back to 0.";

const SENTENCES = {
  Command3_Click: (read) => `S/T = ${read("value_s")}`,
  Command4_Click: (read) => "Answers: " + [0, 1, 2, 3, 4].map((i) =>
    (i === 0 ? "" : `a${i} = ${read(`ans_a(${i})`)}, b${i} = ${read(`ans_b(${i})`)}`) ||
    `a0 = ${read("ans_a(0)")}`).join(", ") + ".",
  Command1_Click: () => NEW_EXAMPLE,
  Command2_Click: () => "Essential wave back to cos, n = 0.",
  // The level's own value is spoken by its spin button; a step at a bound does nothing.
  Spin_lebel_SpinUp: (read, changed) => (changed("value_lebel") ? NEW_EXAMPLE : ""),
  Spin_lebel_SpinDown: (read, changed) => (changed("value_lebel") ? NEW_EXAMPLE : ""),
};

// `reply` is the core's answer to the event: the labels it rewrote.
export function announce(handler, reply, page) {
  const sentence = SENTENCES[handler];
  if (!sentence || reply.fault) return;
  const read = (name) =>
    document.querySelector(`[data-name="${name}"]`)?.textContent.trim() ?? "";
  const changed = (name) => reply.labels.some(([row]) => page.rows[row].name === name);
  const text = sentence(read, changed);
  if (!text) return;
  // A new node each time, so that the same sentence twice (CALC pressed again) is spoken
  // again.
  const line = document.createElement("p");
  line.textContent = text;
  document.getElementById("status").replaceChildren(line);
}
