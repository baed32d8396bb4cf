// The page's start: loads the core, builds the window from its layout table, and from
// then on hands every click and key to the core and shows what the handler changed,
// repainting only the surfaces it drew on. The build runs it as a classic script in
// <head>, so the WebAssembly starts compiling before the body is read.

import { openCore } from "./core.js";
import { buildWindow, placeTabStops, relabel, uncoverSurfaces } from "./controls.js";
import { showFault } from "./fault_dialog.js";
import { fitWindow } from "./fit_window.js";
import { loadCore } from "./load_core.js";
import { keepForOffline } from "./offline.js";
import { announce } from "./announce.js";
import { applyPageTexts, filled, keepInAddress, preferredLanguages } from "./language.js";
import { followExerciseLinks } from "./exercise_link.js";
import { followWorkLinks, forgetKept, keep, keptForThisAddress } from "./work_link.js";
import { makePalette } from "./palette.js";
import { afterNextFrame, facesLoaded, opensOnStart, paintStartFrame } from "./start_frame.js";
import { applyTapAreas, reachesTap, tapAreas } from "./tap_areas.js";
import { installWindowCommands } from "./window_commands.js";
import { installWorksheet } from "./worksheet.js";

async function start(loading) {
  await bodyRead();
  const page = JSON.parse(document.getElementById("page-description").textContent);
  // The description in the page's language, once the core has chosen it; until then the
  // one the build put in the page.
  const language = { described: page };
  try {
    return await startWindow(loading, page, language);
  } catch (error) {
    document.body.textContent =
      filled(language.described.texts.could_not_start, { reason: error.message });
    throw error;
  }
}

async function startWindow(loading, page, language) {
  const root = document.getElementById("window");
  let core = null;
  let reporting = false;
  let controls = [];
  let ratio = 1;  // device pixels per CSS pixel of the window, as the rasters are drawn
  let untouched = true;  // no event raised yet
  let announced = null;  // the last event announced and its reply, said again in a new language
  let palette = null;
  // What this tab kept of the window before a reload, read before anything overwrites it.
  const keptAtStart = keptForThisAddress();

  const apply = (reply) => {
    for (const row of reply.surfaces) controls[row].paint(core.image(row), ratio);
    for (const [row, caption, visible] of reply.labels) controls[row].set(caption, visible);
    for (const [row, selected] of reply.options) controls[row].set(selected);
    updateReadouts(controls, core.page);
    // Kept after every change the student made, so a reload or a discarded tab comes back
    // as it was; a window nobody has touched keeps nothing, and so takes a new build.
    if (!untouched) keep(core.keptState(palette?.isHigh() ?? false));
  };
  const report = (message) => {
    for (const control of controls) control.stop?.();
    reporting = true;
    showFault(message, () => { reporting = false; });
  };
  const raise = (handler) => {
    if (reporting || !core) return;
    untouched = false;
    const reply = core.raise(handler);
    if (reply.error) throw new Error(reply.error);
    apply(reply);
    if (language.described.announcements.some((said) => said.handler === handler)) {
      announced = [handler, reply];
    }
    announce(handler, reply, language.described);
    if (reply.fault) report(reply.fault);
  };
  // Opens the exercise a code names: null, or the sentence saying what is wrong with a
  // code that names none, which changes nothing.
  const openExercise = (code) => {
    if (reporting || !core) return null;
    const reply = core.openExercise(code);
    if (reply.error) return reply.refusal;
    untouched = false;
    apply(reply);
    // The same sentence as RESET's: a new example, answers hidden.
    announced = ["Command1_Click", reply];
    announce("Command1_Click", reply, language.described);
    if (reply.fault) report(reply.fault);
    return null;
  };
  const exercise = { current: () => core.state().exercise, open: openExercise };
  // Brings the window to the work a link's text holds: null, or the sentence saying why
  // it cannot, and then nothing changed.
  const openWork = (text) => {
    if (reporting) return null;
    const reply = core.openWork(text);
    if (reply.error) return reply.refusal;
    untouched = false;
    apply(reply);
    if (reply.fault) report(reply.fault);
    return null;
  };
  const work = { current: () => core.work() };

  // The controls are built and fitted while the WebAssembly still compiles. On the start
  // example the window shows at once, its plots drawn where the page holds them at the
  // fit's ratio; on anything else it stays hidden until the core has drawn it.
  await facesLoaded();
  controls = buildWindow(root, page, raise);
  const onStart = opensOnStart();
  if (!onStart) root.style.visibility = "hidden";
  // Each fit lays out the tap areas for its scale (which the controls' boxes show, so
  // they are in the first frame), and draws the surfaces afresh when the device pixels
  // they cover change.
  let arranged = null;
  let fitted = null;
  const refit = (fit) => {
    fitted = fit;
    if (fit.rows !== arranged) placeTabStops(root, fit.rows);
    if (fit.ratio !== ratio || fit.rows !== arranged) {
      uncoverSurfaces(fit.rows, fit.ratio, page.window_name);
      arranged = fit.rows;
    }
    applyTapAreas(root, tapAreas(fit.rows, fit.scale, fit.size.width, fit.size.height,
      page.window_name).areas);
    if (core && fit.ratio !== ratio) {
      ratio = fit.ratio;
      apply(core.setDeviceRatio(ratio));
    }
  };
  const reaches = (rows, scale, size) =>
    reachesTap(rows, scale, size.width, size.height, page.window_name);
  fitWindow(root, page, refit, reaches);
  const startShown = onStart && paintStartFrame(controls, fitted.ratio);
  // The benchmark measures the start up to the end of the next frame, which shows them.
  if (startShown) performance.mark("plots-painted");
  if (onStart) await afterNextFrame();
  // Form_Load draws at the fit's ratio, so each surface is painted once.
  ratio = fitted.ratio;
  core = await openCore(loading, page, ratio, innerWidth, innerHeight);
  language.described = core.setLanguage(preferredLanguages());
  applyPageTexts(root, language.described);
  if (language.described.language !== page.language) relabel(root, language.described);
  apply(core.first);
  // A fit while the module compiled.
  if (fitted.ratio !== ratio) refit(fitted);
  palette = makePalette(root, core.page, core, apply);
  // Another language from the menu: every text around the window and every accessible
  // text in it afresh, the exercise as it was.
  const choices = {
    current: () => language.described.language,
    choose(code) {
      language.described = core.setLanguage(code);
      applyPageTexts(root, language.described);
      relabel(root, language.described);
      retextCommands(language.described, core.help());
      if (announced) announce(...announced, language.described);
      keepInAddress(language.described.language);
    },
  };
  const retextCommands = installWindowCommands(root, language.described, core.help(), () => {
    for (const control of controls) control.stop?.();
  }, palette, choices, exercise, work, installWorksheet(core));
  root.style.visibility = "";
  // Every plot is on its canvas, and the core answers a click.
  if (!startShown) performance.mark("plots-painted");
  performance.mark("core-ready");
  root.removeAttribute("aria-busy");
  // The window this tab showed before a reload; one that cannot be shown again is
  // dropped with a line in the log, and the page starts as new.
  let restored = false;
  if (keptAtStart !== null) {
    const reply = core.restoreKept(keptAtStart);
    if (reply.error) {
      console.warn(`Quorvel: ${reply.error}`);
      forgetKept();
    } else {
      untouched = false;
      apply(reply);
      if (palette.isHigh() !== (reply.palette === "high-contrast")) palette.toggle();
      restored = true;
    }
  }
  // A bad code or work in the address is told in the fault's dialog, there being no other.
  // A link this tab already followed is not followed again over what was done since.
  followExerciseLinks((code) => {
    const refused = openExercise(code);
    if (refused !== null) report(refused);
  }, !restored);
  followWorkLinks((text) => {
    const refused = openWork(text);
    if (refused !== null) report(refused);
  }, !restored);
  keepForOffline(() => untouched);
  return { core, controls, raise, openExercise, openWork };
}

function bodyRead() {
  if (document.readyState !== "loading") return Promise.resolve();
  return new Promise((resolve) => {
    document.addEventListener("DOMContentLoaded", resolve, { once: true });
  });
}

// A spin button's value is the number its readout label shows.
function updateReadouts(controls, page) {
  page.rows.forEach((row, index) => {
    const readout = row.accessible?.readout;
    if (row.kind !== "spin_button" || readout === undefined) return;
    const text = document.getElementById(`c-${readout.replace(/[()]/g, "_")}`)?.textContent ?? "";
    const element = controls[index].element;
    if (text === "") element.removeAttribute("aria-valuenow");
    else element.setAttribute("aria-valuenow", text);
  });
}

// The started page's core and controls, for a page built over this one (the tests'); the
// page itself keeps them to itself.
export const started = start(loadCore());
