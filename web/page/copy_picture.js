// Copy picture: a picture of the whole window on the clipboard as PNG, for a worksheet or
// slide, at the device pixels the window covers on screen. The window's elements are
// drawn into the picture with the page's own style sheet and faces; each plot is the
// raster its canvas holds, so the plots are the core's pixels here too.

// Whether the page may write pictures to the clipboard: only a page served over https
// (or from this machine) may.
export function canCopyPicture() {
  return globalThis.isSecureContext && !!navigator.clipboard?.write && !!globalThis.ClipboardItem;
}

export async function copyPicture(root) {
  if (!canCopyPicture()) throw new Error("the clipboard takes pictures only from https pages");
  // The clipboard takes the picture as a promise, so that it is written while the key
  // press or the click still counts as the reader's own act.
  return navigator.clipboard.write([new ClipboardItem({ "image/png": windowPicture(root) })]);
}

async function windowPicture(root) {
  const width = root.offsetWidth;
  const height = root.offsetHeight;
  const shown = root.getBoundingClientRect();
  const ratio = (shown.width / width) * devicePixelRatio;
  const image = new Image();
  image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(
    await windowSvg(root, width, height))}`;
  await image.decode();
  const canvas = document.createElement("canvas");
  canvas.width = Math.round(width * ratio);
  canvas.height = Math.round(height * ratio);
  const context = canvas.getContext("2d");
  context.imageSmoothingEnabled = false;
  context.drawImage(image, 0, 0, canvas.width, canvas.height);
  return new Promise((resolve, reject) => canvas.toBlob(
    (blob) => (blob ? resolve(blob) : reject(new Error("no PNG"))), "image/png"));
}

// The window as an SVG image: a copy of its elements, placed at the origin, unscaled; the
// canvases as images of their rasters; the style sheet with its faces inlined, since an
// SVG image loads nothing of its own.
async function windowSvg(root, width, height) {
  const copy = root.cloneNode(true);
  copy.style.transform = "";
  copy.style.marginLeft = "0";
  copy.style.marginTop = "0";
  const canvases = root.querySelectorAll("canvas");
  copy.querySelectorAll("canvas").forEach((canvas, i) => {
    const raster = document.createElement("img");
    raster.src = canvases[i].toDataURL("image/png");
    raster.style.cssText = canvases[i].style.cssText;
    raster.className = "raster";
    canvas.replaceWith(raster);
  });
  const rules = [...document.styleSheets].flatMap((sheet) => [...sheet.cssRules]);
  const styles = await Promise.all(rules.map((rule) => inlineFaces(rule.cssText)));
  styles.push(".surface img.raster { position: absolute; left: 0; top: 0; " +
    "image-rendering: pixelated; }");
  const page = new XMLSerializer().serializeToString(copy);
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}">` +
    `<foreignObject width="100%" height="100%"><div xmlns="http://www.w3.org/1999/xhtml">` +
    `<style>${escapeXml(styles.join("\n"))}</style>${page}</div></foreignObject></svg>`;
}

const FACE_URL = /url\("?(fonts\/[\w.-]+)"?\)/g;

async function inlineFaces(css) {
  let out = css;
  for (const [url, file] of css.matchAll(FACE_URL)) {
    const response = await fetch(file);
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    const bytes = new Uint8Array(await response.arrayBuffer());
    let text = "";
    for (let i = 0; i < bytes.length; i += 0x8000) {
      text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    }
    out = out.replace(url, `url("data:font/woff2;base64,${btoa(text)}")`);
  }
  return out;
}

function escapeXml(text) {
  return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
}
