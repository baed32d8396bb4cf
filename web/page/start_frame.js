// The window's first frame before the core: the example at start is the same on every
// visit, so the build puts the start window into the page (its captions and its surfaces'
// pixels at the common device pixel ratios, as web/tools/start_window.js writes them) and
// the page shows it while the WebAssembly still compiles. The core then draws the same
// pixels over it. A page that opens on anything else (an exercise or a work link in the
// address, a state kept for the tab), in high contrast, or at a ratio the build did not
// draw leaves its plots blank until the core draws them: never another example's plots,
// never a resampled one.

// Once the page's faces have loaded (or failed to): a window laid out first in fallback
// faces and again in these costs several times one layout in these.
export function facesLoaded() {
  return Promise.all([...document.fonts].map((face) => face.load().catch(() => null)));
}

// Once the next frame has been drawn: a module compiled by then would otherwise run the
// core in the same task, and hold the first frame back until it had.
// A hidden tab draws no frames: there it waits a tenth of a second at most.
export function afterNextFrame() {
  return new Promise((resolve) => {
    setTimeout(resolve, 100);
    requestAnimationFrame(() => setTimeout(resolve));
  });
}

// Whether the page opens on the start example, in the program's own colours.
export function opensOnStart() {
  if (/^#(exercise|work)=/.test(location.hash)) return false;
  if (matchMedia("(prefers-contrast: more)").matches) return false;
  try {
    for (let i = 0; i < sessionStorage.length; i += 1) {
      if (sessionStorage.key(i)?.startsWith("quorvel")) return false;
    }
  } catch {
    // No storage for this page: nothing can have been kept in it.
  }
  return true;
}

// Shows the start captions and paints every surface's start pixels drawn at `ratio` on
// its control; false, painting no surface, when the page holds none at that ratio.
export function paintStartFrame(controls, ratio) {
  const source = document.getElementById("start-window");
  if (!source) return false;
  const start = JSON.parse(source.textContent);
  for (const [row, caption, visible] of start.labels) controls[row]?.set?.(caption, visible);
  for (const [row, selected] of start.options) controls[row]?.set?.(selected);
  const surfaces = start.surfaces[String(ratio)];
  if (!surfaces) return false;
  const images = Object.entries(surfaces).map(([row, encoded]) => [row, decode(...encoded)]);
  if (images.some(([row, image]) => !image || !controls[row]?.paint)) return false;
  for (const [row, image] of images) controls[row].paint(image, ratio);
  return true;
}

// [width, height, colours, runs] as start_window.js encodes a surface, as ImageData; null
// for runs that do not fill it.
export function decode(width, height, colours, runs) {
  // Each colour as the word its four bytes make in memory, so a run is one fill.
  const bytesOfColours = new Uint8Array(colours.length / 2);
  for (let i = 0; i < bytesOfColours.length; i += 1) {
    bytesOfColours[i] = parseInt(colours.slice(2 * i, 2 * i + 2), 16);
  }
  const palette = new Uint32Array(bytesOfColours.buffer);
  const pixels = new Uint8ClampedArray(width * height * 4);
  const words = new Uint32Array(pixels.buffer);
  const bytes = atob(runs);
  let out = 0;
  for (let at = 0; at < bytes.length;) {
    const colour = palette[bytes.charCodeAt(at)];
    at += 1;
    let run = 0;
    for (let shift = 0; ; shift += 7) {
      const byte = bytes.charCodeAt(at);
      at += 1;
      run += (byte & 0x7f) * 2 ** shift;
      if (byte < 0x80) break;
    }
    words.fill(colour, out, out + run);
    out += run;
  }
  if (out !== words.length) return null;
  return new ImageData(pixels, width, height);
}
