// The exercise code dialogs. "Share this exercise…" shows the code of the exercise on the
// window in large type, the page's address that opens it, and a Copy button for the code;
// "Open an exercise…" shows the same and takes a code: one that names an exercise is
// opened and the dialog closes, any other is refused with what is wrong with it and the
// window stays as it was. Their words come from the page description.

import { drawQrCode } from "./qr_code.js";

// `words()`: the page description's exercise_dialog, in the page's language of the moment. `exercise.current()` gives the code of
// the exercise on the window; `exercise.open(code)` opens one and gives null, or the
// sentence saying what is wrong with it. `beforeOpen` runs as a dialog opens (the page
// stops a held spin arrow). Gives the function that opens a dialog, "share" or "open",
// and later gives the focus back to `focusAfter`.
export function makeExerciseDialog(words, exercise, beforeOpen) {
  let dialog = null;
  let returnFocus = null;
  return (purpose, focusAfter) => {
    // Never over another dialog, nor over a fault the page is reporting.
    if (document.querySelector("dialog[open]")) return;
    beforeOpen();
    dialog?.remove();
    dialog = exerciseDialog(words(), exercise, purpose);
    document.body.appendChild(dialog);
    returnFocus = focusAfter;
    dialog.addEventListener("close", () => {
      const lost = document.activeElement === document.body || dialog.contains(document.activeElement);
      if (lost && returnFocus instanceof HTMLElement && returnFocus.isConnected) {
        returnFocus.focus({ preventScroll: true });
      }
      returnFocus = null;
    });
    dialog.showModal();
    (dialog.querySelector("#exercise-entry") ?? dialog.querySelector("#exercise-copy")).focus();
  };
}

function exerciseDialog(words, exercise, purpose) {
  const code = exercise.current() ?? "";
  const dialog = element("dialog", { id: "exercise", className: "exercise" });
  dialog.setAttribute("aria-labelledby", "exercise-title");
  dialog.dataset.purpose = purpose;

  const shown = element("p", { id: "exercise-code", className: "exercise-code", textContent: code });
  const copied = element("span", { id: "exercise-copied" });
  const copy = element("button", { type: "button", id: "exercise-copy", textContent: words.copy });
  copy.addEventListener("click", () => {
    navigator.clipboard.writeText(code).then(() => {
      copied.textContent = words.copied;
    }, () => {
      // No clipboard here: the code is selected for the reader to copy.
      getSelection().selectAllChildren(shown);
    });
  });
  const address = element("input", {
    id: "exercise-address", readOnly: true, value: addressOf(code), spellcheck: false,
  });
  address.addEventListener("focus", () => address.select());
  const addressLabel = element("label", { htmlFor: "exercise-address", textContent: words.address_label });

  // The words on one side; in the share dialog, the address as a QR code on the other,
  // or under them on a narrow screen.
  const text = element("div", { className: "exercise-text" });
  text.append(
    element("p", { textContent: words.share_intro }),
    shown,
    element("p", { className: "exercise-copy" }),
    addressLabel,
    address);
  text.querySelector(".exercise-copy").append(copy, " ", copied);
  const columns = element("div", { className: "exercise-columns" });
  columns.append(text);
  if (purpose === "share") {
    const [figure, draw] = qrFigure(address.value, words.qr_label);
    columns.append(figure);
    addEventListener("resize", draw);
    dialog.addEventListener("close", () => removeEventListener("resize", draw));
  }

  const form = element("form", { method: "dialog" });
  form.append(
    element("h2", {
      id: "exercise-title",
      textContent: purpose === "share" ? words.share_title : words.open_title,
    }),
    columns);

  const buttons = element("p", { className: "exercise-buttons" });
  if (purpose === "open") {
    const entry = element("input", {
      id: "exercise-entry", className: "exercise-entry", autocomplete: "off", spellcheck: false,
    });
    entry.setAttribute("autocapitalize", "characters");
    entry.setAttribute("aria-describedby", "exercise-refusal");
    const refusal = element("p", { id: "exercise-refusal", className: "exercise-refusal" });
    text.append(
      element("label", { htmlFor: "exercise-entry", textContent: words.open_prompt }),
      entry,
      refusal);
    buttons.append(element("button", { id: "exercise-open", value: "open", textContent: words.open }));
    form.addEventListener("submit", (event) => {
      if (event.submitter?.value !== "open") return;
      event.preventDefault();
      const refused = exercise.open(entry.value);
      if (refused === null) {
        dialog.close();
        return;
      }
      refusal.textContent = refused;
      entry.setAttribute("aria-invalid", "true");
      entry.select();
      entry.focus();
    });
  }
  buttons.append(element("button", { id: "exercise-close", value: "close", textContent: words.close }));
  form.append(buttons);
  dialog.append(form);
  return dialog;
}

// The address as a QR code: at least 300 CSS pixels and 40 % of the screen's shorter
// side (on a projector, a symbol a class can scan from the back of the room), within what
// the screen has room for. Gives the figure and the function that draws it afresh for the
// screen of the moment.
function qrFigure(address, label) {
  const figure = element("p", { className: "exercise-qr" });
  const canvas = element("canvas", { id: "exercise-qr" });
  canvas.setAttribute("role", "img");
  canvas.setAttribute("aria-label", label);
  const draw = () => {
    const wanted = Math.max(300, 0.4 * Math.min(innerWidth, innerHeight));
    const room = Math.min(innerWidth - 64, innerHeight - 140);
    drawQrCode(canvas, address, Math.max(120, Math.min(wanted, room)));
  };
  draw();
  figure.append(canvas);
  return [figure, draw];
}

// The page's address with the fragment that opens a code's exercise.
export function addressOf(code) {
  const here = new URL(location.href);
  here.hash = `exercise=${code}`;
  return here.href;
}

function element(tag, properties = {}) {
  return Object.assign(document.createElement(tag), properties);
}
