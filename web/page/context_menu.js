// The window's context menu: a few commands at the pointer, or under the focused control
// when the Menu key opened it. A click outside or Esc closes it and the focus goes back
// where it was; Up and Down move between its items, Enter or Space runs one.

// `closesOn(key)`: whether a key pressed in the menu closes it and goes on to the page.
export function openContextMenu(event, items, closesOn) {
  const menu = contextMenuElement();
  const returnFocus = document.activeElement;
  const close = () => {
    if (menu.matches(":popover-open")) menu.hidePopover();
  };
  const buttons = items.map((item) => {
    const button = document.createElement("button");
    button.type = "button";
    // An item with `checked` is a toggle, which says whether it is on.
    button.setAttribute("role", item.checked === undefined ? "menuitem" : "menuitemcheckbox");
    if (item.checked !== undefined) button.setAttribute("aria-checked", String(item.checked));
    button.tabIndex = -1;
    button.textContent = item.label;
    button.addEventListener("click", () => {
      close();
      item.run();
    });
    return button;
  });
  menu.replaceChildren(...buttons);
  menu.onkeydown = (key) => {
    const at = buttons.indexOf(document.activeElement);
    if (key.key === "ArrowDown" || key.key === "ArrowUp") {
      key.preventDefault();
      const step = key.key === "ArrowDown" ? 1 : buttons.length - 1;
      buttons[(at + step) % buttons.length].focus();
    } else if (key.key === "Tab") {
      key.preventDefault();
      close();
    } else if (closesOn(key)) {
      close();
    }
  };
  // Closed without a command (Esc, a click elsewhere): the focus goes back, unless the
  // click put it somewhere else.
  menu.ontoggle = (toggle) => {
    if (toggle.newState !== "closed") return;
    const lost = document.activeElement === document.body || menu.contains(document.activeElement);
    if (lost && returnFocus instanceof HTMLElement) returnFocus.focus({ preventScroll: true });
  };

  menu.showPopover();
  const [x, y] = menuCorner(event, returnFocus);
  const size = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(0, Math.min(x, innerWidth - size.width))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, innerHeight - size.height))}px`;
  buttons[0].focus({ preventScroll: true });
}

// At the pointer; from the keyboard, under the control that has the focus.
function menuCorner(event, focused) {
  const fromPointer = event.button === 2 || event.clientX !== 0 || event.clientY !== 0;
  if (fromPointer || !(focused instanceof HTMLElement)) return [event.clientX, event.clientY];
  const r = focused.getBoundingClientRect();
  return [r.left, r.bottom];
}

function contextMenuElement() {
  let menu = document.getElementById("context-menu");
  if (!menu) {
    menu = document.createElement("div");
    menu.id = "context-menu";
    menu.className = "context-menu";
    menu.setAttribute("role", "menu");
    menu.popover = "auto";
    document.body.appendChild(menu);
  }
  return menu;
}
