// The language of the page's texts: the one the address asks for (?lang=de), else the
// first of the browser's the core speaks, else English; the core chooses. The window's
// own captions and numbers are the same in every language, and the window keeps its
// left-to-right arrangement in a right-to-left page.

// The reader's preferences, best first, as the core takes them.
export function preferredLanguages() {
  const asked = new URLSearchParams(location.search).get("lang");
  if (asked !== null) return asked;
  return (navigator.languages ?? [navigator.language]).filter(Boolean).join(",");
}

// Puts the chosen language in the address, so that a reload or a shared link keeps it.
export function keepInAddress(code) {
  const address = new URL(location.href);
  address.searchParams.set("lang", code);
  history.replaceState(history.state, "", address);
}

// The page's texts around the window from `page`, the description in its language.
export function applyPageTexts(root, page) {
  const html = document.documentElement;
  html.lang = page.language;
  html.dir = page.direction;
  root.dir = "ltr";
  const texts = page.texts;
  document.title = texts.title;
  document.querySelector('meta[name="description"]')?.setAttribute("content", texts.description);
  const heading = document.querySelector("h1");
  if (heading) heading.textContent = texts.title;
  document.getElementById("fault-title").textContent = texts.fault_title;
  document.getElementById("fault-ok").textContent = texts.fault_close;
}

// A text with its {placeholders} filled from `values`.
export function filled(text, values) {
  return text.replace(/\{(\w+)\}/g, (whole, name) => values[name] ?? whole);
}
