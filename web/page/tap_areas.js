// Tap areas for fingers: every push button, option button and spin arrow takes a tap
// anywhere in at least TAP_SIZE x TAP_SIZE CSS pixels of the screen, at whatever scale the
// window shows, a spin button's two arrows in TAP_SIZE x 2 TAP_SIZE together. Each
// control's element (the one that carries its role) takes the tap through a
// pseudo-element that covers its area; the element itself takes none, so that the areas
// of two neighbours share no point however their drawn boxes lie. An area grows from
// what is drawn; where two meet, the line between them goes where each keeps what it
// needs (it may cross the empty edge of a neighbour's drawn box); none reaches over a
// plot of another frame, which lies above it.

export const TAP_SIZE = 24;
// The areas are laid out a CSS pixel larger, so that rounding a fractional scale to
// whole layout and device pixels cannot take them below TAP_SIZE.
const TAP_AIM = TAP_SIZE + 1;

// How far below and right of a cut frame its outline reaches (controls.js): so far it
// changes no pixel of the plots, where an outline reaching above or left of the frame
// blends their edge rows at a fractional device pixel ratio.
export const CUT_REACH = 32;

const TARGETS = new Set(["push_button", "option_button", "spin_button"]);

// A rectangle as its four edges.
const edges = (p) => ({ l: p.x, t: p.y, r: p.x + p.w, b: p.y + p.h });
const overlap = (a, b) => a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;

// Computes every control's tap area, in the window's own pixels, for a scale (CSS pixels
// of the screen per pixel of the window). Answers the areas by row name and the smallest
// width and height found, in CSS pixels of the screen (a spin button's height per arrow).
// `windowName`: the window's name in the page description, the container of its frames.
export function tapAreas(rows, scale, width, height, windowName) {
  const need = TAP_AIM / scale;
  // Each row where the arrangement puts it in the window, with the frame it lies in.
  const all = rows.map((row) => ({
    row, frame: row.frame, shown: row.shown, x: row.x, y: row.y, w: row.width, h: row.height,
  }));
  const cells = all.filter((p) => p.shown && TARGETS.has(p.row.kind)).map((p) => {
    const drawn = edges(p);
    // A spin button's arrows meet at a fixed line; each needs its own height above or
    // below it.
    const split = p.row.kind === "spin_button" ? p.y + p.row.arrows.down.top : null;
    return { p, drawn, hit: { ...drawn }, split, frame: p.frame };
  });
  const plots = all.filter((p) => p.shown && p.row.kind === "picture")
    .map((p) => ({ drawn: edges(p), frame: p.frame }));
  // A frame that leaves parts of another frame's plot uncovered is cut to an outline from
  // a pixel above and left of it to CUT_REACH pixels below and right of it (controls.js),
  // and so is every tap area in it; any other area may reach anywhere in the window.
  const whole = { x: [0, width], y: [0, height] };
  const frames = new Map(all.filter((p) => p.row.container === windowName)
    .map((p) => [p.row.name, edges(p)]));
  const uncovering = new Set(rows.flatMap((row) => row.uncovered ?? [])
    .map((part) => part.frame));
  const limits = new Map([...frames].map(([name, box]) => {
    const cut = uncovering.has(name);
    return [name, cut ? { x: [Math.max(0, box.l - 1), Math.min(width, box.r + CUT_REACH)],
      y: [Math.max(0, box.t - 1), Math.min(height, box.b + CUT_REACH)] } : whole];
  }));

  // How far a cell must reach on each side of an axis to be tall or wide enough.
  const short = (cell, axis) => {
    const [lo, hi] = axis === "x" ? ["l", "r"] : ["t", "b"];
    if (axis === "y" && cell.split !== null) {
      const above = need - (cell.split - cell.hit.t);
      const below = need - (cell.hit.b - cell.split);
      return [Math.max(0, above), Math.max(0, below)];
    }
    const missing = Math.max(0, need - (cell.hit[hi] - cell.hit[lo]));
    return [missing / 2, missing / 2];
  };
  const grow = (cell) => {
    for (const axis of ["x", "y"]) {
      const [lo, hi] = axis === "x" ? ["l", "r"] : ["t", "b"];
      const [before, after] = short(cell, axis);
      const [min, max] = limits.get(cell.frame)[axis];
      let down = Math.min(before, cell.hit[lo] - min);
      let up = Math.min(after, max - cell.hit[hi]);
      // What the window's edge takes from one side, the other side gives, where it can.
      if (cell.split === null || axis === "x") {
        up = Math.min(max - cell.hit[hi], up + (before - down));
        down = Math.min(cell.hit[lo] - min, down + (after - up));
      }
      cell.hit[lo] -= down;
      cell.hit[hi] += up;
    }
  };
  // The axis along which two drawn boxes lie farthest apart, and which comes first on it.
  const apart = (a, b) => {
    const gapX = Math.max(b.l - a.r, a.l - b.r);
    const gapY = Math.max(b.t - a.b, a.t - b.b);
    const [lo, hi] = gapX >= gapY ? ["l", "r"] : ["t", "b"];
    return { lo, hi, y: lo === "t", aFirst: a[lo] + a[hi] <= b[lo] + b[hi] };
  };
  // Where two areas meet: between the drawn boxes, moved so that each keeps what it
  // needs where both can.
  const cut = (a, b) => {
    const { lo, hi, y, aFirst } = apart(a.drawn, b.drawn);
    const [first, second] = aFirst ? [a, b] : [b, a];
    const least = y && first.split !== null ? first.split + need : first.hit[lo] + need;
    const most = y && second.split !== null ? second.split - need : second.hit[hi] - need;
    let at = (first.drawn[hi] + second.drawn[lo]) / 2;
    at = least <= most ? Math.min(Math.max(at, least), most) : (least + most) / 2;
    // Never across a spin button's own line between its arrows.
    if (y && first.split !== null) at = Math.max(at, first.split + 1);
    if (y && second.split !== null) at = Math.min(at, second.split - 1);
    first.hit[hi] = Math.min(first.hit[hi], at);
    second.hit[lo] = Math.max(second.hit[lo], at);
  };
  // A plot of another frame lies above: an area stops at its edge.
  const stop = (cell, plot) => {
    const { lo, hi, aFirst } = apart(cell.drawn, plot);
    if (aFirst) cell.hit[hi] = Math.max(cell.hit[lo], Math.min(cell.hit[hi], plot[lo]));
    else cell.hit[lo] = Math.min(cell.hit[hi], Math.max(cell.hit[lo], plot[hi]));
  };
  const separate = () => {
    for (let i = 0; i < cells.length; i += 1) {
      for (let j = i + 1; j < cells.length; j += 1) {
        if (overlap(cells[i].hit, cells[j].hit)) cut(cells[i], cells[j], false);
      }
      for (const plot of plots) {
        if (plot.frame !== cells[i].frame && overlap(cells[i].hit, plot.drawn)) {
          stop(cells[i], plot.drawn);
        }
      }
    }
  };
  // How far a side of a cell may move out before it meets another area, a plot of
  // another frame or the window's edge.
  const room = (cell, side) => {
    const axis = side === "l" || side === "r" ? "x" : "y";
    const [across0, across1] = axis === "x" ? ["t", "b"] : ["l", "r"];
    const outward = side === "r" || side === "b";
    const [min, max] = limits.get(cell.frame)[axis];
    let free = outward ? max - cell.hit[side] : cell.hit[side] - min;
    const against = cell.against;
    const opposite = { l: "r", r: "l", t: "b", b: "t" }[side];
    for (const other of against) {
      if (other[across1] <= cell.hit[across0] || other[across0] >= cell.hit[across1]) continue;
      const gap = outward ? other[opposite] - cell.hit[side] : cell.hit[side] - other[opposite];
      if (gap >= 0) free = Math.min(free, gap);
    }
    return free;
  };
  // A cell still short reaches out where there is room, the roomier side first.
  const regrow = (cell) => {
    for (const [lo, hi] of [["l", "r"], ["t", "b"]]) {
      const [before, after] = short(cell, lo === "l" ? "x" : "y");
      const [min, max] = limits.get(cell.frame)[lo === "l" ? "x" : "y"];
      // With no room left, it presses on its neighbours, and the next parting settles
      // where the line between them goes.
      const press = (side, by) => {
        if (side === lo) cell.hit[lo] = Math.max(min, cell.hit[lo] - by);
        else cell.hit[hi] = Math.min(max, cell.hit[hi] + by);
      };
      if (cell.split !== null && lo === "t") {
        const up = Math.min(before, room(cell, "t"));
        const down = Math.min(after, room(cell, "b"));
        press("t", up + (before - up) / 2);
        press("b", down + (after - down) / 2);
        continue;
      }
      let missing = before + after;
      const sides = room(cell, lo) >= room(cell, hi) ? [lo, hi] : [hi, lo];
      for (const side of sides) {
        const step = Math.min(missing, room(cell, side));
        press(side, step);
        missing -= step;
      }
      if (missing > 0) {
        press(lo, missing / 2);
        press(hi, missing / 2);
      }
    }
  };
  // Grown, parted; then, round by round, what is still short reaches into the room the
  // parting left, and the parting moves towards the neighbour with room to give.
  // What each cell may not grow into: the other cells' hit boxes (the same objects, which
  // the rounds move) and the other frames' plots.
  for (const cell of cells) {
    cell.against = [...cells.filter((c) => c !== cell).map((c) => c.hit),
      ...plots.filter((plot) => plot.frame !== cell.frame).map((plot) => plot.drawn)];
  }
  for (const cell of cells) grow(cell);
  separate();
  for (let round = 0; round < 32; round += 1) {
    for (const cell of cells) regrow(cell);
    separate();
  }

  const areas = new Map();
  let smallest = { w: Infinity, h: Infinity };
  for (const cell of cells) {
    const { hit, p } = cell;
    areas.set(p.row.name, { x: hit.l - p.x, y: hit.t - p.y, w: hit.r - hit.l, h: hit.b - hit.t });
    const tall = cell.split === null ? hit.b - hit.t
      : Math.min(cell.split - hit.t, hit.b - cell.split);
    smallest = {
      w: Math.min(smallest.w, (hit.r - hit.l) * scale),
      h: Math.min(smallest.h, tall * scale),
    };
  }
  return { areas, smallest };
}

// Whether every control can take a tap of TAP_SIZE at that scale.
export function reachesTap(rows, scale, width, height, windowName) {
  const { smallest } = tapAreas(rows, scale, width, height, windowName);
  return smallest.w >= TAP_SIZE - 0.01 && smallest.h >= TAP_SIZE - 0.01;
}

// Puts the areas on the page: each element's pseudo-element covers its area, given in
// the element's own pixels; the element keeps it for its own use (a spin button's arrows).
export function applyTapAreas(root, areas) {
  for (const [name, area] of areas) {
    const element = root.querySelector(`[data-name="${CSS.escape(name)}"]`);
    element.classList.add("tap");
    element.tapArea = area;
    const box = growBox(element, area);
    // The pseudo-element lies inside the element's border (a push button's) and padding.
    element.style.setProperty("--tap-x", `${area.x - box.x}px`);
    element.style.setProperty("--tap-y", `${area.y - box.y}px`);
    element.style.setProperty("--tap-w", `${area.w}px`);
    element.style.setProperty("--tap-h", `${area.h}px`);
  }
}

// Each control's own box reaches out to its tap area: padding that draws nothing (an
// option button's background stays on its content; a push button's face and a spin
// button's arrows are placed on what is drawn by quorvel.css, from --pad-*) and a margin
// as large the other way, so what it draws stays where it was. Audits and assistive
// technology, which measure an element's box and not its pseudo-elements, then see the
// area too. Where the area is narrower than what is drawn, the box keeps what is drawn.
// Returns where the box's inside (within a push button's border) now starts, from where
// the element is placed.
function growBox(element, area) {
  // What is drawn, as placed; the box is sized afresh at every fit.
  element.drawnSize ??= {
    width: parseFloat(element.style.width),
    height: parseFloat(element.style.height),
  };
  const { width, height } = element.drawnSize;
  const pad = {
    left: Math.max(0, -area.x),
    top: Math.max(0, -area.y),
    right: Math.max(0, area.x + area.w - width),
    bottom: Math.max(0, area.y + area.h - height),
  };
  element.style.padding = `${pad.top}px ${pad.right}px ${pad.bottom}px ${pad.left}px`;
  element.style.margin = `${-pad.top}px 0 0 ${-pad.left}px`;
  // The box is measured border to border: the padding comes on top of what is drawn.
  element.style.width = `${width + pad.left + pad.right}px`;
  element.style.height = `${height + pad.top + pad.bottom}px`;
  element.style.backgroundClip = "content-box";
  for (const [side, px] of Object.entries(pad)) {
    element.style.setProperty(`--pad-${side}`, `${px}px`);
  }
  return { x: element.clientLeft - pad.left, y: element.clientTop - pad.top };
}
