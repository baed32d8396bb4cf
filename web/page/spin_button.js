// A spin button: two arrows one above the other, the upper raising SpinUp, the lower
// SpinDown. Held down, an arrow repeats as the page description's `repeat` times it (the
// first repeat after first_ms, then one every interval_ms) for as long as the pointer
// stays on it (a finger may drift or pan without stopping it, and a long press opens no
// menu); Up and Down raise the same events from the keyboard. The button keeps no value:
// its aria-valuenow is the number its readout label shows, its bounds are the row's.

export function makeSpinButton(element, row, raise, repeatTiming) {
  element.classList.add("spin");
  element.setAttribute("role", "spinbutton");
  if (row.min !== undefined) {
    element.setAttribute("aria-valuemin", String(row.min));
    element.setAttribute("aria-valuemax", String(row.max));
  }
  // Where the arrows meet, as the page description lays them out.
  const split = row.arrows.down.top;
  const arrows = {
    up: addArrow(element, "up", row.arrows.up),
    down: addArrow(element, "down", row.arrows.down),
  };

  let held = null;
  let over = false;
  let timer = 0;

  const step = (which) => raise(row.events[which]);
  const stop = () => {
    clearTimeout(timer);
    timer = 0;
    if (held) arrows[held].classList.remove("held");
    held = null;
    over = false;
  };
  const repeat = () => {
    timer = setTimeout(repeat, repeatTiming.interval_ms);
    if (over) step(held);
  };
  // The arrow under a point: above or below the line where the arrows meet, anywhere in
  // the button's tap area (tap_areas.js), which may be larger than what is drawn.
  const arrowAt = (event) => {
    const r = element.getBoundingClientRect();
    const scale = r.width / row.width;
    const x = (event.clientX - r.left) / scale;
    const y = (event.clientY - r.top) / scale;
    const area = element.tapArea ?? { x: 0, y: 0, w: row.width, h: row.height };
    if (x < area.x || x >= area.x + area.w || y < area.y || y >= area.y + area.h) return null;
    return y < split ? "up" : "down";
  };
  // A finger held on an arrow makes the browser offer its context menu: not here.
  let touched = false;
  element.addEventListener("contextmenu", (event) => {
    if (!touched) return;
    event.preventDefault();
    event.stopPropagation();
  });

  element.addEventListener("pointerdown", (event) => {
    touched = event.pointerType !== "mouse";
    if (event.button !== 0) return;
    event.preventDefault();
    element.focus({ preventScroll: true });
    stop();
    held = arrowAt(event);
    if (!held) return;
    over = true;
    arrows[held].classList.add("held");
    element.setPointerCapture(event.pointerId);
    timer = setTimeout(repeat, repeatTiming.first_ms);
    step(held);
  });
  element.addEventListener("pointermove", (event) => {
    if (!held) return;
    over = arrowAt(event) === held;
    arrows[held].classList.toggle("held", over);
  });
  for (const type of ["pointerup", "pointercancel", "lostpointercapture"]) {
    element.addEventListener(type, stop);
  }
  element.addEventListener("keydown", (event) => {
    if (event.key === "ArrowUp" || event.key === "ArrowDown") {
      event.preventDefault();
      step(event.key === "ArrowUp" ? "up" : "down");
    }
  });
  return { stop, isRepeating: () => timer !== 0 };
}

// `place`: the arrow's top, height and triangle rows, the same triangle as the desktop's.
function addArrow(element, which, place) {
  const arrow = document.createElement("div");
  arrow.className = `arrow ${which}`;
  arrow.style.top = `${place.top}px`;
  arrow.style.height = `${place.height}px`;
  arrow.style.setProperty("--rows", `${place.rows}px`);
  arrow.style.setProperty("--tip", `${place.rows - 0.5}px`);
  element.appendChild(arrow);
  return arrow;
}
