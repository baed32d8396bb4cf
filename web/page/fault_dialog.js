// A runtime fault stops a handler part-way: the page tells the student in a modal
// dialog with the window's own message, and the next click works as before.

export function showFault(message, afterwards) {
  const dialog = document.getElementById("fault");
  document.getElementById("fault-text").textContent = message;
  const returnFocus = document.activeElement;
  dialog.addEventListener("close", () => {
    if (returnFocus instanceof HTMLElement) returnFocus.focus({ preventScroll: true });
    afterwards();
  }, { once: true });
  dialog.showModal();
}
