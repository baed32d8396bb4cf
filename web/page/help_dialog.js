// The "How to use" dialog: the core's help text (steps of an exercise, what the window
// shows, the keys of this page, About with the version and the licences) as one modal
// page that scrolls inside itself. Its command's key and the window's context menu open
// it; Esc or its Close button closes it, and the focus goes back where it was.

// `help`: the core's help text as the binding writes it. `beforeOpen` runs as the dialog
// opens (the page stops a held spin arrow). Gives the function that opens the dialog and
// later gives the focus back to `focusAfter`.
export function makeHelpDialog(help, beforeOpen) {
  const dialog = helpDialog(help);
  document.body.appendChild(dialog);
  let returnFocus = null;

  // The close event comes a moment after the dialog has closed: by then a key may have
  // put the focus somewhere new (a menu), which it keeps.
  dialog.addEventListener("close", () => {
    const lost = document.activeElement === document.body || dialog.contains(document.activeElement);
    if (lost && returnFocus instanceof HTMLElement && returnFocus.isConnected) {
      returnFocus.focus({ preventScroll: true });
    }
    returnFocus = null;
  });

  return (focusAfter) => {
    // Never twice, nor over a fault the page is reporting.
    if (document.querySelector("dialog[open]")) return;
    beforeOpen();
    returnFocus = focusAfter;
    dialog.showModal();
    const page = dialog.querySelector(".help-page");
    page.scrollTop = 0;
    page.focus({ preventScroll: true });
  };
}

function helpDialog(help) {
  const dialog = helpElement("dialog", { id: "help", className: "help" });
  dialog.setAttribute("aria-labelledby", "help-title");

  const page = helpElement("div", { className: "help-page", tabIndex: 0 });
  page.setAttribute("aria-labelledby", "help-title");
  page.append(
    helpElement("h2", { id: "help-title", textContent: help.title }),
    helpElement("p", { textContent: help.intro }),
    helpElement("h3", { textContent: help.steps_heading }),
    helpList("ol", help.steps),
    helpElement("h3", { textContent: help.glossary_heading }),
    helpTerms(help.glossary, "help-glossary"),
    helpElement("h3", { textContent: help.readout_heading }),
    helpElement("p", { textContent: help.readout }),
    helpElement("h3", { textContent: help.keys_heading }),
    helpTerms(help.keys, "help-keys"),
    helpElement("h3", { textContent: help.about_heading }),
    ...helpAbout(help.about));

  const form = helpElement("form", { method: "dialog", className: "help-buttons" });
  form.append(helpElement("button", { id: "help-close", value: "close", textContent: "Close" }));
  dialog.append(page, form);
  return dialog;
}

function helpAbout(about) {
  const title = helpElement("p");
  title.append(helpElement("b", { textContent: about.program }),
    ` ${about.version} — ${about.summary}`);
  const fonts = helpElement("ul", { className: "help-fonts" });
  for (const font of about.fonts) {
    const item = helpElement("li", { textContent: `${font.family}: ${font.licence}` });
    if (font.file) {
      item.append(" (", helpElement("a", { href: fileAddress(font.file), target: "_blank",
        rel: "noopener", textContent: "licence text" }), ")");
    }
    fonts.append(item);
  }
  return [
    title,
    helpElement("p", { textContent: `${about.copyright}. ${about.licence}` }),
    helpElement("p", { textContent: "Fonts:" }),
    fonts,
  ];
}

// Where a file of the site is: beside the page, or, in the page that carries its files
// inside it (the single file, opened from disk), a blob of the text it carries.
function fileAddress(file) {
  const carried = document.getElementById("carried-files");
  const text = carried && JSON.parse(carried.textContent)[file];
  if (text === undefined || text === null) return file;
  return URL.createObjectURL(new Blob([text], { type: "text/plain;charset=utf-8" }));
}

function helpList(tag, items) {
  const out = helpElement(tag);
  for (const item of items) out.append(helpElement("li", { textContent: item }));
  return out;
}

// A term and its meaning per row: a key and its action, a tag of the window and what it
// shows.
function helpTerms(rows, className) {
  const out = helpElement("dl", { className });
  for (const [term, meaning] of rows) {
    out.append(helpElement("dt", { textContent: term }), helpElement("dd", { textContent: meaning }));
  }
  return out;
}

function helpElement(tag, properties = {}) {
  return Object.assign(document.createElement(tag), properties);
}
