// A text as a QR code on a canvas, for a phone to scan off a projector or a printed sheet.
// The encoder is qrcode-generator (pinned in package.json), bundled into the page: nothing
// is fetched to draw one.

/*! The QR code encoder bundled here: qrcode-generator 2.0.4, QR Code Generator for
 * JavaScript, Copyright (c) 2009 Kazuhiko Arase, licensed under the MIT license
 * (http://www.opensource.org/licenses/mit-license.php). The word 'QR Code' is a
 * registered trademark of DENSO WAVE INCORPORATED. */
import qrcode from "qrcode-generator";

// The blank margin a scanner needs around the symbol, in modules.
const QUIET_ZONE = 4;

// Draws `text` on `canvas` as a QR code with its quiet zone, as large as fits in
// `sizeCssPx` CSS pixels with every module a whole number of device pixels, so that its
// edges stay sharp. Gives the side it took, in CSS pixels.
export function drawQrCode(canvas, text, sizeCssPx, ratio = globalThis.devicePixelRatio || 1) {
  const code = qrcode(0, "M");
  code.addData(asBytes(text), "Byte");
  code.make();
  const modules = code.getModuleCount();
  const side = modules + 2 * QUIET_ZONE;
  const module = Math.max(1, Math.floor((sizeCssPx * ratio) / side));
  const pixels = module * side;
  canvas.width = pixels;
  canvas.height = pixels;
  canvas.style.width = `${pixels / ratio}px`;
  canvas.style.height = `${pixels / ratio}px`;
  const context = canvas.getContext("2d");
  context.fillStyle = "#ffffff";
  context.fillRect(0, 0, pixels, pixels);
  context.fillStyle = "#000000";
  for (let row = 0; row < modules; row += 1) {
    for (let column = 0; column < modules; column += 1) {
      if (code.isDark(row, column)) {
        context.fillRect((column + QUIET_ZONE) * module, (row + QUIET_ZONE) * module,
          module, module);
      }
    }
  }
  return pixels / ratio;
}

// The encoder's byte mode takes one character per byte: the text's UTF-8 that way, so
// that any address reads back as it was written.
function asBytes(text) {
  let out = "";
  for (const byte of new TextEncoder().encode(text)) out += String.fromCharCode(byte);
  return out;
}
