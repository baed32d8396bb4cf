// The window's colours: the program's own, or high contrast, which the browser asks for
// with prefers-contrast: more and the user switches with the context menu or its key.
// The core redraws the plots in the palette; the form is not touched.

import { recolour } from "./controls.js";

// `apply` shows a reply of the core (the surfaces it drew afresh).
export function makePalette(root, page, core, apply) {
  const asked = matchMedia("(prefers-contrast: more)");
  let chosen = null;  // null: as the browser asks
  let shownHigh = false;
  const high = () => chosen ?? asked.matches;
  const show = () => {
    if (high() === shownHigh && root.dataset.palette) return;
    shownHigh = high();
    recolour(root, page, shownHigh ? "high-contrast" : "seed");
    apply(core.setPalette(shownHigh));
  };
  asked.addEventListener("change", show);
  show();
  return {
    isHigh: () => shownHigh,
    toggle() {
      chosen = !shownHigh;
      show();
    },
  };
}
