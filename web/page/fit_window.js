// Shows the window as large as the viewport allows, centred, scaled up as well as down,
// never reflowing what lies inside a frame. A viewport narrower than it is tall gets the
// window's columns one under another (the core's portrait arrangement), scaled to the
// viewport's width, and scrolls down. The surfaces are drawn at the device pixels they
// cover (device pixel ratio times the scale), so they stay crisp at any scale.

// The layout table's rows, each where the arrangement puts it in the window: its corner
// and, for a plot, its uncovered parts, as the description gives them.
export function arrangedRows(page, portrait) {
  if (!portrait) return page.rows;
  return page.rows.map((row, index) => {
    const at = page.portrait.rows[index];
    const arranged = { ...row, ...at };
    if (!at.uncovered) delete arranged.uncovered;
    return arranged;
  });
}

// `onFit({ ratio, scale, rows, portrait, size })` runs after every fit; `reachesTouch(rows,
// scale, size)` says whether every control can take a finger's tap at that scale. On a touch
// screen on its side, a window fitted whole that would be too small to tap is fitted to
// the width instead, and the page scrolls down.
export function fitWindow(root, page, onFit, reachesTouch) {
  let media = null;
  const coarse = matchMedia("(any-pointer: coarse)");
  const fit = () => {
    const wide = document.documentElement.clientWidth;
    const high = innerHeight;
    const portrait = wide < high && page.portrait !== undefined;
    const size = portrait ? page.portrait : page;
    const rows = arrangedRows(page, portrait);
    let scale = wide / size.width;
    if (!portrait) {
      const whole = Math.min(scale, high / size.height);
      if (!coarse.matches || reachesTouch(rows, whole, size)) scale = whole;
    }
    root.style.width = `${size.width}px`;
    root.style.height = `${size.height}px`;
    for (const row of rows) {
      if (row.container !== page.window_name) continue;
      const element = root.querySelector(`[data-name="${CSS.escape(row.name)}"]`);
      element.style.left = `${row.x}px`;
      element.style.top = `${row.y}px`;
    }
    root.style.transform = scale !== 1 ? `scale(${scale})` : "";
    // Centred, on a whole device pixel: a canvas between two device pixels is blurred.
    const whole = (v) => Math.max(0, Math.floor(v * devicePixelRatio) / devicePixelRatio);
    const left = whole((wide - size.width * scale) / 2);
    const top = whole((high - size.height * scale) / 2);
    root.style.marginLeft = `${left}px`;
    root.style.marginTop = `${top}px`;
    root.parentElement.style.height = `${Math.ceil(top + size.height * scale)}px`;
    onFit({ ratio: devicePixelRatio * scale, scale, rows, portrait, size });
  };
  // A zoom or a move to another screen changes the ratio: listen for the next change.
  const watch = () => {
    media?.removeEventListener("change", onChange);
    media = matchMedia(`(resolution: ${devicePixelRatio}dppx)`);
    media.addEventListener("change", onChange);
  };
  const onChange = () => {
    watch();
    fit();
  };
  addEventListener("resize", fit);
  // A scroll bar that comes or goes narrows or widens the page without a resize.
  let lastWidth = document.documentElement.clientWidth;
  new ResizeObserver(() => {
    if (document.documentElement.clientWidth === lastWidth) return;
    lastWidth = document.documentElement.clientWidth;
    fit();
  }).observe(document.documentElement);
  coarse.addEventListener("change", fit);
  watch();
  fit();
}
