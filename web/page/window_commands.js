// The window's own commands around the exercise, as on the desktop: F1 opens the "How to
// use" dialog, Ctrl+Alt+H switches high contrast, Ctrl+C copies a picture of the window,
// and the window's context menu (a right click, the Menu key, a long press) offers them.
// Zoom is the browser's own.

import { openContextMenu } from "./context_menu.js";
import { canCopyPicture, copyPicture } from "./copy_picture.js";
import { makeHelpDialog } from "./help_dialog.js";
import { onLongPress } from "./long_press.js";

// `beforeHelp` runs as the help opens (the page stops a held spin arrow); `palette`
// switches high contrast.
export function installWindowCommands(root, help, beforeHelp, palette) {
  const openHelp = makeHelpDialog(help, beforeHelp);
  const copy = () => copyPicture(root).catch((error) => {
    console.warn(`Copy picture failed: ${error.message}`);
  });

  document.addEventListener("keydown", (event) => {
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (event.key === "F1" && plain) {
      event.preventDefault();
      if (!event.repeat) openHelp(document.activeElement);
    } else if (isContrastKey(event)) {
      event.preventDefault();
      if (!event.repeat) palette.toggle();
    } else if (isCopyKey(event) && windowHasFocus(root) && !getSelection()?.toString()) {
      event.preventDefault();
      if (!event.repeat) copy();
    }
  });
  const openMenu = (event) => {
    if (document.getElementById("context-menu")?.matches(":popover-open")) return;
    const focusAfter = document.activeElement;
    const items = [
      { label: "How to use…", run: () => openHelp(focusAfter) },
      { label: "High contrast", checked: palette.isHigh(), run: () => palette.toggle() },
    ];
    if (canCopyPicture()) items.push({ label: "Copy picture", run: copy });
    openContextMenu(event, items);
  };
  root.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    openMenu(event);
  });
  onLongPress(root, openMenu);
}

function isContrastKey(event) {
  return event.ctrlKey && event.altKey && !event.shiftKey && !event.metaKey &&
    event.code === "KeyH";
}

function isCopyKey(event) {
  return (event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey &&
    event.code === "KeyC";
}

// The focus on one of the window's controls, or on none (after a click on a label), and
// no dialog open: elsewhere Ctrl+C copies text as usual.
function windowHasFocus(root) {
  const focused = document.activeElement;
  const here = focused === null || focused === document.body || root.contains(focused);
  return here && !document.querySelector("dialog[open]");
}
