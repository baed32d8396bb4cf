// Keeps the window whole on any screen: on a viewport narrower than the
// window, the whole window scales down to fit, never reflowing its fixed layout. The
// surfaces are drawn at the device pixels they cover (device pixel ratio times that
// scale), so they stay crisp at any zoom and on high-density screens.

export function fitWindow(root, page, rescale) {
  let ratio = 0;
  let media = null;
  const fit = () => {
    const scale = Math.min(1, innerWidth / page.width);
    root.style.transform = scale < 1 ? `scale(${scale})` : "";
    // Centred, on a whole CSS pixel, which at a whole device pixel ratio is a whole
    // device pixel: a canvas between two device pixels would be blurred.
    root.style.marginLeft = `${Math.max(0, Math.floor((innerWidth - page.width * scale) / 2))}px`;
    root.parentElement.style.height = `${Math.ceil(page.height * scale)}px`;
    const wanted = devicePixelRatio * scale;
    if (wanted !== ratio) {
      ratio = wanted;
      rescale(ratio);
    }
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
  watch();
  fit();
}
