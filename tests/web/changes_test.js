// What an event hands the page to redraw: exactly the surfaces its handler drew on and
// the labels and option buttons whose caption, visibility or selection it changed; a
// palette change, every surface and nothing else. And
// the bounds the page announces for each spin button (aria-valuemin/max) are the ones
// its handlers keep; every control names the handlers it raises.
//
//   node --no-experimental-fetch changes_test.js MODULE.js
"use strict";

const path = require("path");
const { isDeepStrictEqual } = require("util");

// After start-up, each event in turn and what it must report.
const CASES = [
  { event: "Spin_a1_SpinUp", surfaces: ["campus_a(1)", "campus_sim", "campus_graph"],
    labels: [["value_a(1)", "1", true]] },
  { event: "Spin_b2_SpinUp", surfaces: ["campus_b(2)", "campus_sim", "campus_graph"],
    labels: [["value_b(2)", "1", true]] },
  // At its bound the level spinner does nothing at all.
  { event: "Spin_lebel_SpinDown", surfaces: [], labels: [] },
  // S/T at n = 0 is a0 (8), floored to four decimals.
  { event: "Command3_Click", surfaces: ["campus_sqr"], labels: [["value_s", "7.9999", true]] },
  // k changes empty S/T and redraw the product wave.
  { event: "Spin_k_SpinDown", surfaces: ["campus_sqr"],
    labels: [["value_k", "40", true], ["value_s", "", true]] },
  // "sin" is refused while n = 0: nothing to show changes but the redrawn waves.
  { event: "switch_s_Click", surfaces: ["campus_ess", "campus_sqr"], labels: [], options: [] },
  { event: "Spin_n_SpinUp", surfaces: ["campus_ess", "campus_sqr"],
    labels: [["value_n", "1", true]] },
  { event: "switch_s_Click", surfaces: ["campus_ess", "campus_sqr"], labels: [],
    options: [["switch_s", true], ["switch_c", false]] },
  // ANS also writes the caption of ans_b(0), which stays hidden: there is no b0.
  { event: "Command4_Click", surfaces: [],
    labels: [["ans_b(0)", "6", false], ["ans_a(0)", "8", true], ["ans_a(1)", "6", true], ["ans_a(2)", "0", true],
      ["ans_a(3)", "0", true], ["ans_a(4)", "0", true], ["ans_b(1)", "3", true],
      ["ans_b(2)", "0", true], ["ans_b(3)", "0", true], ["ans_b(4)", "0", true]] },
];

async function main() {
  const createQuorvel = require(path.resolve(process.argv[2]));
  const module = await createQuorvel();
  const call = (name, args) =>
    JSON.parse(module.ccall(name, "string", args.map((a) => typeof a), args));
  const opened = call("quorvel_open", [1, 1280, 1024]);
  const rows = call("quorvel_page", []).rows;
  const name = (row) => rows[row].name;
  const take = (reply) => {
    // The page takes the pixels of every surface it is told of, which marks them shown.
    for (const row of reply.surfaces) module.ccall("quorvel_pixels", "number", ["number"], [row]);
    return {
      surfaces: reply.surfaces.map(name).sort(),
      labels: reply.labels.map(([row, caption, shown]) => [name(row), caption, shown]).sort(),
      options: reply.options.map(([row, selected]) => [name(row), selected]).sort(),
    };
  };

  const first = take(opened);
  const shown = rows.filter((r) => r.kind === "picture").length;
  if (first.surfaces.length !== shown) {
    throw new Error(`start-up hands over ${first.surfaces.length} of ${shown} surfaces`);
  }
  let failures = 0;
  for (const c of CASES) {
    const got = take(call("quorvel_raise", [c.event]));
    const want = {
      surfaces: [...c.surfaces].sort(),
      labels: [...c.labels].sort(),
      options: [...(c.options ?? [])].sort(),
    };
    if (!isDeepStrictEqual(got, want)) {
      ++failures;
      console.error(`${c.event}: got ${JSON.stringify(got)}\n  want ${JSON.stringify(want)}`);
    }
  }
  if (failures) throw new Error(`${failures} of ${CASES.length} events reported other changes`);
  console.log(`start-up hands over all ${shown} surfaces; ${CASES.length} events report ` +
              "exactly what they changed");
  checkPalette(call, take, shown);
  checkBounds(rows, call);
  checkEvents(rows, call);
}

// A palette change hands over every surface, drawn afresh, and nothing else; the state
// line stays the same byte for byte; the same palette again changes nothing.
function checkPalette(call, take, shown) {
  const state = JSON.stringify(call("quorvel_state", []));
  for (const [high, surfaces] of [[1, shown], [1, 0], [0, shown]]) {
    const got = take(call("quorvel_set_palette", [high]));
    if (got.surfaces.length !== surfaces || got.labels.length || got.options.length) {
      throw new Error(`palette ${high}: got ${JSON.stringify(got)}, want ${surfaces} surfaces`);
    }
    if (JSON.stringify(call("quorvel_state", [])) !== state) {
      throw new Error(`palette ${high} changed the state`);
    }
  }
  console.log("a palette change redraws every surface and leaves the state alone");
}

// Each spin button pushed far past both ends: its readout stops at the announced bounds.
function checkBounds(rows, call) {
  // A label's caption from the state line: "value_k" or an array element "value_a(1)".
  const captionOf = (name) => {
    const state = call("quorvel_state", []);
    const element = /^(\w+)\((\d)\)$/.exec(name);
    return element ? state[element[1]][Number(element[2])] : state[name];
  };
  const spins = rows.filter((r) => r.kind === "spin_button" && r.accessible?.readout);
  for (const spin of spins) {
    const reached = {};
    for (const [end, event] of [["max", spin.events.up], ["min", spin.events.down]]) {
      for (let i = 0; i < 30; ++i) call("quorvel_raise", [event]);
      reached[end] = Number(captionOf(spin.accessible.readout));
    }
    if (reached.max !== spin.max || reached.min !== spin.min) {
      throw new Error(`${spin.name} announces ${spin.min} … ${spin.max} but stops at ` +
                      `${reached.min} … ${reached.max}`);
    }
  }
  console.log(`all ${spins.length} spin buttons stop at the bounds they announce`);
}

// Every control a user works names the handlers it raises, and the core takes each one.
function checkEvents(rows, call) {
  const ways = { push_button: ["click"], option_button: ["click"], spin_button: ["up", "down"] };
  let raised = 0;
  for (const row of rows) {
    const expected = ways[row.kind] ?? [];
    const published = Object.keys(row.events ?? {});
    if (!isDeepStrictEqual(published, expected)) {
      throw new Error(`${row.name} (${row.kind}) publishes events ${JSON.stringify(published)}`);
    }
    for (const way of expected) {
      const reply = call("quorvel_raise", [row.events[way]]);
      if (reply.error) throw new Error(`${row.name} ${way}: ${reply.error}`);
      ++raised;
    }
  }
  console.log(`every control names the ${raised} handlers it raises, and each is taken`);
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
