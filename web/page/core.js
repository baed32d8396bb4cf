// The WebAssembly core behind the page: the program's window and form, reached through
// the binding's C functions. Every event goes through raise(), which answers with the
// changes the handler made.

// `loading` is the promise of the instantiated module (load_core.js starts it early);
// `page` the window's description, which the build took from the module's quorvel_page.
export async function openCore(loading, page, deviceRatio, viewportWidth, viewportHeight) {
  const module = await loading;
  const call = (name, result, args) => module.cwrap(name, result, args);
  const api = {
    open: call("quorvel_open", "string", ["number", "number", "number"]),
    raise: call("quorvel_raise", "string", ["string"]),
    openExercise: call("quorvel_open_exercise", "string", ["string"]),
    state: call("quorvel_state", "string", []),
    pixels: call("quorvel_pixels", "number", ["number"]),
    width: call("quorvel_pixels_width", "number", ["number"]),
    height: call("quorvel_pixels_height", "number", ["number"]),
    setRatio: call("quorvel_set_device_ratio", "string", ["number"]),
    setPalette: call("quorvel_set_palette", "string", ["number"]),
    setLanguage: call("quorvel_set_language", "string", ["string"]),
    page: call("quorvel_page", "string", []),
    worksheet: call("quorvel_worksheet", "string", ["number"]),
    worksheetPixels: call("quorvel_worksheet_pixels", "number", []),
    work: call("quorvel_work", "string", []),
    openWork: call("quorvel_open_work", "string", ["string"]),
    kept: call("quorvel_kept_state", "string", ["number"]),
    restoreKept: call("quorvel_restore_kept", "string", ["string"]),
  };
  const first = JSON.parse(api.open(deviceRatio, viewportWidth, viewportHeight));
  return {
    first,
    page,
    help: () => JSON.parse(module.ccall("quorvel_help", "string", [], [])),
    raise: (handler) => JSON.parse(api.raise(handler)),
    // Opens the exercise a code names: an event's reply, or {error} and nothing changed.
    openExercise: (code) => JSON.parse(api.openExercise(code)),
    state: () => JSON.parse(api.state()),
    // The work on the window as a link's text, or null at a level no code carries.
    work: () => JSON.parse(api.work()).work,
    // Restores the work a link's text holds: an event's reply, or {error, refusal} and
    // nothing changed.
    openWork: (text) => JSON.parse(api.openWork(text)),
    // What the tab keeps of the window, the plots in high contrast or not; null for none.
    keptState: (high) => JSON.parse(api.kept(high ? 1 : 0)).kept,
    // Shows a kept state again: an event's reply with the palette's word, or {error} (a
    // line for the log) and nothing changed.
    restoreKept: (text) => JSON.parse(api.restoreKept(text)),
    setDeviceRatio: (ratio) => JSON.parse(api.setRatio(ratio)),
    // Draws the plots in high contrast (true) or in the program's own colours.
    setPalette: (high) => JSON.parse(api.setPalette(high ? 1 : 0)),
    // Gives the page's texts in the language the core chooses for `preferences` ("de,en-US",
    // best first): the window's description written in it. The form is not touched.
    setLanguage(preferences) {
      const chosen = JSON.parse(api.setLanguage(preferences));
      if (chosen.error) throw new Error(chosen.error);
      return JSON.parse(api.page());
    },
    // A surface's pixels as ImageData over the module's memory, not copied: put it on its
    // canvas before the next call into the module, which may grow (and so move) the memory.
    image(row) {
      const w = api.width(row);
      const h = api.height(row);
      const at = api.pixels(row);
      return new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, at, w * h * 4), w, h);
    },
    // The sheet to print, the worksheet or (true) its answer key, in the page's language:
    // its description and its plot's pixels at print resolution, copied out of the module.
    worksheet(answerKey) {
      const description = JSON.parse(api.worksheet(answerKey ? 1 : 0));
      if (description.error) throw new Error(description.error);
      const { width, height } = description.plot;
      const at = api.worksheetPixels();
      const bytes = new Uint8ClampedArray(module.HEAPU8.buffer.slice(at, at + width * height * 4));
      return { description, image: new ImageData(bytes, width, height) };
    },
    module,
  };
}
