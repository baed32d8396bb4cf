// A finger held still on the window, outside its controls, opens the window's menu as a
// right click does. Some browsers send their own context menu event for a long press
// too; the menu opens once, for whichever comes first.

export const LONG_PRESS_MS = 500;
const DRIFT_PX = 10;

export function onLongPress(root, open) {
  let timer = 0;
  let from = null;
  const cancel = () => {
    clearTimeout(timer);
    timer = 0;
  };
  root.addEventListener("pointerdown", (event) => {
    cancel();
    if (event.pointerType === "mouse" || event.target.closest?.(".tap")) return;
    from = { clientX: event.clientX, clientY: event.clientY, button: 2 };
    timer = setTimeout(() => {
      timer = 0;
      open(from);
    }, LONG_PRESS_MS);
  });
  root.addEventListener("pointermove", (event) => {
    if (timer && Math.hypot(event.clientX - from.clientX, event.clientY - from.clientY) > DRIFT_PX) {
      cancel();
    }
  });
  for (const type of ["pointerup", "pointercancel"]) root.addEventListener(type, cancel);
}
