// A key as the page description writes it, in Qt's portable form (the modifiers, then
// the key, joined by "+"), matched against a KeyboardEvent the way the desktop's
// shortcuts take it.

// The key without its modifiers: the part after the last "+", or "+" itself when the
// text ends in two of them.
function keyPart(text) {
  return text.endsWith("++") ? "+" : text.slice(text.lastIndexOf("+") + 1);
}

// The key itself, whatever the modifiers: a letter or a digit by its place on the
// keyboard (event.code, which neither the layout nor Shift changes), any other key by its
// name.
export function isSameKey(event, text) {
  const key = keyPart(text);
  if (/^[A-Z]$/.test(key)) return event.code === `Key${key}`;
  if (/^[0-9]$/.test(key)) return event.code === `Digit${key}`;
  return event.key === key;
}

// The key with exactly the modifiers it names: Ctrl, Alt and Meta it does not name are
// not held, and Shift counts only in a combination (a lone function key takes it too).
// Ctrl is also a Mac's Command key, unless Alt is named as well: Command with Alt is the
// Mac's own.
export function matchesKey(event, text) {
  if (!isSameKey(event, text)) return false;
  const named = text.slice(0, text.length - keyPart(text).length).split("+").filter(Boolean);
  const ctrl = named.includes("Ctrl");
  const alt = named.includes("Alt");
  const commandIsCtrl = ctrl && !alt;
  if (ctrl !== (event.ctrlKey || (commandIsCtrl && event.metaKey))) return false;
  if (alt !== event.altKey) return false;
  if (!commandIsCtrl && named.includes("Meta") !== event.metaKey) return false;
  return named.length === 0 || named.includes("Shift") === event.shiftKey;
}
