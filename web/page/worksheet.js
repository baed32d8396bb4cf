// The sheet the page prints instead of its window: the worksheet for the exercise on the
// window (its code, its address, the example plot and a table to work it out in) or, from
// its own command, the teacher's answer key. The core writes every word and draws the
// plot at print resolution; the print style sheet shows only this section on paper, so
// the browser's own print prints it as well.

import { addressOf } from "./exercise_dialog.js";
import { drawQrCode } from "./qr_code.js";

// The address's QR code on paper: an inch square (96 CSS px) drawn at the printer's 300
// dots per inch, so its modules print as whole dots.
const QR_SIDE_CSS_PX = 96;
const PRINT_DOTS_PER_CSS_PX = 300 / 96;

// `core`: the page's core (core.js). Fills the section before every print, the browser's
// own included; gives the function the menu's commands call with "worksheet" or
// "answer_key".
export function installWorksheet(core) {
  const section = element("section", { id: "worksheet", className: "worksheet" });
  document.body.append(section);
  let kind = "worksheet";
  addEventListener("beforeprint", () => fillWorksheet(section, core.worksheet(kind === "answer_key")));
  // A print the browser started itself is always the student's worksheet.
  addEventListener("afterprint", () => { kind = "worksheet"; });
  return (chosen) => {
    kind = chosen;
    // Filled here too: a browser that gives no beforeprint still prints the sheet.
    fillWorksheet(section, core.worksheet(kind === "answer_key"));
    print();
  };
}

// Lays the sheet's description out in the section: `sheet` as the core describes it
// (worksheet_description.h) with its plot's pixels as ImageData.
export function fillWorksheet(section, sheet) {
  const { description: words, image } = sheet;
  // One pixel of the plot per printer dot at its resolution. Layout places boxes in 64ths
  // of a CSS pixel, which hold twelfths of an inch exactly: the canvas is that much wider
  // and taller, white beyond the plot, so the printer takes its pixels unscaled.
  const step = words.plot.dpi / 12;
  const [width, height] = [image.width, image.height].map((n) => Math.ceil(n / step) * step);
  const plot = element("canvas", { className: "worksheet-plot", width, height });
  const context = plot.getContext("2d");
  context.fillStyle = "#fff";
  context.fillRect(0, 0, width, height);
  context.putImageData(image, 0, 0);
  plot.style.width = `${width / words.plot.dpi}in`;
  plot.style.height = `${height / words.plot.dpi}in`;

  const header = element("header", { className: "worksheet-header" });
  header.append(element("h1", { textContent: words.title }));
  const code = element("p", { className: "worksheet-code" });
  code.append(`${words.code_label} `, element("strong", { textContent: words.code }));
  const address = element("p", { className: "worksheet-address" });
  address.append(`${words.address_label} `, element("span", { textContent: addressOf(words.code) }));
  header.append(code, address);
  if (words.name_label) {
    header.append(element("p", { className: "worksheet-name", textContent: words.name_label }));
  }

  const figure = element("figure", { className: "worksheet-figure" });
  figure.append(element("figcaption", { textContent: words.plot_caption }), plot);
  // The address as a QR code, for a phone to open the exercise from the paper.
  const qr = element("div", { id: "worksheet-qr", className: "worksheet-qr" });
  const symbol = element("canvas", { className: "worksheet-qr-code" });
  symbol.setAttribute("role", "img");
  symbol.setAttribute("aria-label", words.address_label);
  drawQrCode(symbol, addressOf(words.code), QR_SIDE_CSS_PX, PRINT_DOTS_PER_CSS_PX);
  qr.append(symbol);

  const table = element("table", { className: "worksheet-table" });
  const head = table.createTHead().insertRow();
  for (const heading of words.headings) head.append(element("th", { textContent: heading }));
  const body = table.createTBody();
  for (const cells of words.rows) {
    const row = body.insertRow();
    for (const cell of cells) row.insertCell().textContent = cell;
  }

  const answer = element("div", { className: "worksheet-answer" });
  answer.append(
    element("h2", { textContent: words.answer_heading }),
    element("p", { textContent: words.answer }));
  section.dataset.kind = words.name_label ? "worksheet" : "answer_key";
  section.replaceChildren(header, figure, qr, element("p", { textContent: words.instructions }),
    table, answer);
}

function element(tag, properties = {}) {
  return Object.assign(document.createElement(tag), properties);
}
