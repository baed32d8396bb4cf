// A finger held still on the window, outside its controls, opens the window's menu as a
// right click does. Some browsers send their own context menu event for a long press
// too; the menu opens once, for whichever comes first.

export const LONG_PRESS_MS = 500;
const DRIFT_PX = 10;

export function onLongPress(root, open) {
  let timer = 0;
  let from = null;
  let opened = false;
  const cancel = () => {
    clearTimeout(timer);
    timer = 0;
  };
  // Lifting the finger that opened the menu ends a press outside it, which closes it,
  // before or after this event's listeners run as the browser goes: the menu is opened
  // again where it was, at once and once the event is over (opening an open menu does
  // nothing).
  const lifted = () => {
    cancel();
    if (!opened) return;
    open(from);
    setTimeout(() => open(from), 0);
  };
  // Nor may the lift make the mouse's events and a click where the finger was, now on
  // the menu: it ends the long press, it chooses nothing.
  root.addEventListener("touchend", (event) => {
    if (opened) event.preventDefault();
    opened = false;
  }, { passive: false });
  root.addEventListener("pointerdown", (event) => {
    cancel();
    opened = false;
    if (event.pointerType === "mouse" || event.target.closest?.(".tap")) return;
    from = { clientX: event.clientX, clientY: event.clientY, button: 2 };
    timer = setTimeout(() => {
      timer = 0;
      opened = true;
      open(from);
    }, LONG_PRESS_MS);
  });
  root.addEventListener("pointermove", (event) => {
    const drift = Math.hypot(event.clientX - from?.clientX, event.clientY - from?.clientY);
    if (timer && drift > DRIFT_PX) cancel();
  });
  root.addEventListener("pointerup", lifted);
  root.addEventListener("pointercancel", lifted);
}
