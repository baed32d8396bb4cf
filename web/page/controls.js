// Builds the window's controls from the page description: one element per row of the
// layout table, placed in its container at the table's position and size in CSS pixels,
// with the table's colours, face and alignment.

import { makeSpinButton } from "./spin_button.js";
import { CUT_REACH } from "./tap_areas.js";

const FACE_CLASS = { serif: "serif", sans: "sans" };
const ARROW_STEPS = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 };
// A control's stacking among the controls of its container, as the description gives it.
const LAYERS = { beneath: "0", table_order: "1", on_top: "2" };

export function buildWindow(root, page, raise) {
  root.style.width = `${page.width}px`;
  root.style.height = `${page.height}px`;
  root.style.background = page.button_face;
  // Built off the document and attached at once: one insertion instead of one a control.
  const built = document.createDocumentFragment();
  const elements = new Map([[page.window_name, built]]);
  const controls = [];
  const radioGroups = new Map();

  page.rows.forEach((row, index) => {
    let container = elements.get(row.container);
    if (!container) throw new Error(`${row.name} lies in ${row.container}, built later`);
    if (row.kind === "option_button") {
      container = radioGroup(radioGroups, container, row, page.rows);
    }
    const control = build(row, raise, page.repeat);
    control.element.id = idOf(row.name);
    control.element.classList.add("control");
    control.element.dataset.name = row.name;
    place(control.element, row);
    describe(control.element, row);
    container.appendChild(control.element);
    elements.set(row.name, control.inner ?? control.element);
    controls[index] = control;
  });
  inTabOrder(built, page, elements);
  describeAll(built, page);
  root.appendChild(built);
  return controls;
}

// Tab follows the document's order, so the controls that take the focus stand at the end
// of the window in the desktop's Tab order, each placed at its place in the window (an
// option button's group moves with its first button). Their frame still owns them for a
// screen reader, which reads each frame's controls with the frame.
function inTabOrder(built, page, elements) {
  const rows = new Map(page.rows.map((row) => [row.name, row]));
  const owned = new Map();
  const moved = new Set();
  for (const name of page.tab_order) {
    const row = rows.get(name);
    let element = elements.get(name);
    if (!row || !element) continue;
    element.tabIndex = 0;
    if (row.kind === "option_button") {
      // The group, placed at its frame's corner, its buttons in the Tab order.
      const group = element.parentElement;
      group.appendChild(element);
      element = group;
      if (moved.has(element)) continue;
      element.id = `${idOf(row.container)}-options`;
      element.dataset.frame = row.container;
    } else if (!row.shown) {
      element.hidden = true;
    }
    // Above every frame, as each lay above its own frame and the frames leave the plots
    // they overlap uncovered.
    element.style.zIndex = "3";
    element.classList.add("in-tab-order");
    moved.add(element);
    built.appendChild(element);
    owned.set(row.container, [...(owned.get(row.container) ?? []), element.id]);
  }
  placeTabStops(built, page.rows);
  for (const [frame, ids] of owned) {
    elements.get(frame)?.setAttribute("aria-owns", ids.join(" "));
  }
}

// Puts each control that stands at the end of the window where `rows` place it in the
// window: an arrangement that moves the frames (a portrait screen's) moves these with them.
export function placeTabStops(root, rows) {
  const places = new Map(rows.map((row) => [row.name, row]));
  for (const element of root.querySelectorAll(".in-tab-order")) {
    const at = places.get(element.dataset.frame ?? element.dataset.name);
    element.style.left = `${at.x}px`;
    element.style.top = `${at.y}px`;
  }
}

// Each description once, in a hidden list that the controls point at: screen readers
// read it as the control's description, and it stays out of the reading order.
function describeAll(built, page) {
  const list = document.createElement("div");
  list.id = "descriptions";
  list.hidden = true;
  const ids = new Map();
  for (const row of page.rows) {
    const text = row.accessible?.description;
    if (!text) continue;
    if (!ids.has(text)) {
      const item = document.createElement("p");
      item.id = `d-${ids.size}`;
      item.textContent = text;
      list.appendChild(item);
      ids.set(text, item.id);
    }
    built.querySelector(`#${idOf(row.name)}`)?.setAttribute("aria-describedby", ids.get(text));
  }
  built.appendChild(list);
}

// Neighbouring frames overlap, and a frame stacked above its neighbour would hide the
// edge rows of the neighbour's plots. As on the desktop, each frame leaves out of its
// shape the parts of the plots that `rows` give as uncovered by it; nothing moves.
// The holes are widened to whole device pixels at `ratio`, so that at a zoom such as
// 150 % a frame's edge between two device pixels does not blend into a plot's last row.
export function uncoverSurfaces(rows, ratio, windowName) {
  const out = (v) => Math.ceil(v * ratio - 1e-9) / ratio;
  const down = (v) => Math.floor(v * ratio + 1e-9) / ratio;
  const frames = new Map(rows.filter((row) => row.container === windowName)
    .map((frame) => [frame.name, { frame, holes: [] }]));
  for (const plot of rows) {
    for (const part of plot.uncovered ?? []) {
      const { frame, holes } = frames.get(part.frame);
      const [left, top] = [down(part.x), down(part.y)];
      const [right, bottom] = [out(part.x + part.width), out(part.y + part.height)];
      holes.push(`M${left - frame.x},${top - frame.y}h${right - left}v${bottom - top}` +
        `h${left - right}z`);
    }
  }
  for (const { frame, holes } of frames.values()) {
    if (holes.length === 0) continue;
    // The outline reaches a pixel beyond the frame, so that where the frame's edge falls
    // between two device pixels it does not cut its own plots' last row, and further
    // below and right, where a control's tap area may reach past the frame.
    const [w, h] = [frame.width + 1 + CUT_REACH, frame.height + 1 + CUT_REACH];
    const outline = `M-1,-1h${w}v${h}h${-w}z`;
    document.getElementById(idOf(frame.name)).style.clipPath =
      `path(evenodd, "${outline}${holes.join("")}")`;
  }
}

// Gives every control the colours a palette shows for its row's ("seed" or
// "high-contrast"), and the window and the page their faces and edges.
export function recolour(root, page, name) {
  const palette = page.palettes[name];
  const shown = (colour) => (colour ? palette.colours[colour] ?? colour : "");
  const style = document.documentElement.style;
  style.setProperty("--page", palette.page);
  style.setProperty("--edge", palette.border);
  style.setProperty("--frame-dark", palette.frame_dark);
  style.setProperty("--frame-light", palette.frame_light);
  root.style.background = palette.face;
  root.dataset.palette = name;
  for (const row of page.rows) {
    const element = root.querySelector(`#${idOf(row.name)}`);
    if (!element) continue;
    if (row.kind === "label") {
      element.style.color = shown(row.fore ?? palette.text);
      if (!row.transparent) element.style.background = shown(row.back);
    } else if (row.kind === "frame" || row.kind === "picture" ||
               (row.kind === "push_button" && row.back)) {
      element.style.background = shown(row.back);
    }
  }
}

export function idOf(name) {
  return `c-${name.replace(/[()]/g, "_")}`;
}

function place(element, row) {
  element.style.left = `${row.left}px`;
  element.style.top = `${row.top}px`;
  element.style.width = `${row.width}px`;
  element.style.height = `${row.height}px`;
  // Stacked as on the desktop: labels beneath the buttons, spin buttons and surfaces that
  // share their frame, and a frame on top above its neighbours.
  element.style.zIndex = LAYERS[row.stacking];
  if (!row.visible) element.hidden = true;
}

function face(element, row) {
  if (!row.font) return;
  element.classList.add(FACE_CLASS[row.font.family]);
  element.style.fontSize = `${row.font.px}px`;
  element.style.fontWeight = row.font.bold ? "bold" : "normal";
  element.style.fontStyle = row.font.italic ? "italic" : "normal";
}

function describe(element, row) {
  const text = row.accessible;
  if (!text) return;
  if (text.name) element.setAttribute("aria-label", text.name);
  // A sighted newcomer reads the description when resting the pointer on it; a screen
  // reader reads it from the list describeAll() makes.
  if (text.description) element.title = text.description;
}

function build(row, raise, repeat) {
  switch (row.kind) {
    case "frame": return frame(row);
    case "label": return label(row);
    case "push_button": return pushButton(row, raise);
    case "option_button": return optionButton(row, raise);
    case "spin_button": return spinButton(row, raise, repeat);
    case "picture": return surface(row);
    default: throw new Error(`unknown kind of control ${row.kind}`);
  }
}

function frame(row) {
  const element = document.createElement("div");
  element.className = "frame";
  element.setAttribute("role", "group");
  element.style.background = row.back ?? "";
  return { kind: "frame", element };
}

function label(row) {
  const element = document.createElement("div");
  element.className = "label";
  face(element, row);
  element.style.color = row.fore ?? "#000000";
  element.style.textAlign = row.align;
  if (!row.transparent) element.style.background = row.back ?? "";
  element.textContent = row.caption;
  return {
    kind: "label",
    element,
    set(caption, visible) {
      element.textContent = caption;
      element.hidden = !visible;
    },
  };
}

function pushButton(row, raise) {
  const element = document.createElement("button");
  element.type = "button";
  element.className = "push";
  face(element, row);
  if (row.back) element.style.background = row.back;
  element.textContent = row.caption;
  element.addEventListener("click", () => raise(row.events.click));
  return { kind: "push_button", element };
}

// The option buttons of a frame form one group, named as the frame is.
function radioGroup(groups, container, row, rows) {
  if (!groups.has(row.container)) {
    const group = document.createElement("div");
    group.setAttribute("role", "radiogroup");
    const frame = rows.find((r) => r.name === row.container);
    if (frame?.accessible) group.setAttribute("aria-label", frame.accessible.name);
    container.appendChild(group);
    groups.set(row.container, group);
  }
  return groups.get(row.container);
}

function optionButton(row, raise) {
  const element = document.createElement("div");
  element.className = "option";
  element.setAttribute("role", "radio");
  face(element, row);
  const mark = document.createElement("span");
  mark.className = "mark";
  const caption = document.createElement("span");
  caption.textContent = row.caption;
  element.append(mark, caption);
  const set = (selected) => element.setAttribute("aria-checked", String(selected));
  set(row.selected);
  const click = () => raise(row.events.click);
  element.addEventListener("click", click);
  element.addEventListener("keydown", (event) => {
    if (event.key === " " || event.key === "Enter") {
      event.preventDefault();
      if (!event.repeat) click();
      return;
    }
    // The arrows move to the group's next or previous button and click it, as on the
    // desktop; there is none beyond the first or the last.
    const step = ARROW_STEPS[event.key];
    if (!step) return;
    event.preventDefault();
    const buttons = [...element.parentElement.querySelectorAll('[role="radio"]')];
    const next = buttons[buttons.indexOf(element) + step];
    if (next) {
      next.focus();
      next.click();
    }
  });
  return { kind: "option_button", element, set };
}

function spinButton(row, raise, repeat) {
  const element = document.createElement("div");
  const spin = makeSpinButton(element, row, raise, repeat);
  return { kind: "spin_button", element, ...spin };
}

function surface(row) {
  const element = document.createElement("div");
  element.className = "surface";
  element.setAttribute("role", "img");
  element.style.background = row.back ?? "";
  const canvas = document.createElement("canvas");
  element.appendChild(canvas);
  return {
    kind: "picture",
    element,
    inner: element,
    canvas,
    // `ratio`: device pixels per CSS pixel of the window. The canvas takes the CSS size
    // of its raster exactly (169 pixels at 1.5 are 254 device pixels, so 169.33 CSS
    // pixels), so each raster pixel is one device pixel and nothing is resampled.
    paint(image, ratio) {
      if (canvas.width !== image.width || canvas.height !== image.height) {
        canvas.width = image.width;
        canvas.height = image.height;
        canvas.style.width = `${image.width / ratio}px`;
        canvas.style.height = `${image.height / ratio}px`;
      }
      canvas.getContext("2d").putImageData(image, 0, 0);
    },
  };
}
