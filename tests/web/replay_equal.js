// The WebAssembly core against the desktop's quorvel-replay: the same long random
// sequence of events goes to both, and after Form_Load and after every event the two
// states must be equal, key for key and number for number.
//
//   node --no-experimental-fetch replay_equal.js MODULE.js QUORVEL_REPLAY EVENTS SEED
"use strict";

const { spawnSync } = require("child_process");
const path = require("path");
const { isDeepStrictEqual } = require("util");

const [modulePath, replay, eventCount, seedText] = process.argv.slice(2);
if (!replay) {
  console.error("usage: replay_equal.js MODULE.js QUORVEL_REPLAY EVENTS SEED");
  process.exit(2);
}

// Every event a click can raise: the six buttons and both arrows of the twelve spinners.
const SPINNERS = ["Spin_a0", "Spin_a1", "Spin_a2", "Spin_a3", "Spin_a4", "Spin_b1", "Spin_b2",
  "Spin_b3", "Spin_b4", "Spin_n", "Spin_k", "Spin_lebel"];
const BUTTONS = ["Command1", "Command2", "Command3", "Command4", "switch_c", "switch_s"];
const EVENTS = [
  ...SPINNERS.flatMap((s) => [`${s}_SpinUp`, `${s}_SpinDown`]),
  ...BUTTONS.map((b) => `${b}_Click`),
];

// A small seeded generator (mulberry32), so a failing sequence can be run again.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6D2B79F5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function replayStates(events) {
  const done = spawnSync(replay, [], {
    input: events.join("\n") + "\n",
    env: { ...process.env, QT_QPA_PLATFORM: "offscreen" },
    maxBuffer: 1 << 30,
    encoding: "utf8",
  });
  if (done.status !== 0) throw new Error(`quorvel-replay failed (${done.status}): ${done.stderr}`);
  return done.stdout.trim().split("\n").map((line) => JSON.parse(line));
}

async function webStates(events) {
  const createQuorvel = require(path.resolve(modulePath));
  const module = await createQuorvel();
  const call = (name, args) =>
    JSON.parse(module.ccall(name, "string", args.map((a) => typeof a), args));
  const states = [];
  const record = (event, reply) => {
    const state = call("quorvel_state", []);
    state.event = event;
    if (reply.fault) state.fault = reply.fault;
    states.push(state);
  };
  record("Form_Load", call("quorvel_open", [1, 1280, 1024]));
  for (const event of events) {
    const reply = call("quorvel_raise", [event]);
    if (reply.error) throw new Error(reply.error);
    record(event, reply);
  }
  return states;
}

// The replay names a fault by its kind; the page shows it inside the window's message.
function sameFault(desktop, web) {
  if (desktop.fault === undefined || web.fault === undefined) {
    return desktop.fault === web.fault;
  }
  return web.fault.includes(desktop.fault);
}

async function main() {
  const count = Number(eventCount);
  const seed = Number(seedText);
  const next = generator(seed);
  const events = Array.from({ length: count }, () => EVENTS[Math.floor(next() * EVENTS.length)]);
  console.log(`${count} random events, seed ${seed}`);
  const desktop = replayStates(events);
  const web = await webStates(events);
  if (desktop.length !== web.length) {
    throw new Error(`the replay printed ${desktop.length} states, the page ${web.length}`);
  }
  let faults = 0;
  for (let i = 0; i < desktop.length; ++i) {
    const d = { ...desktop[i] };
    const w = { ...web[i] };
    if (!sameFault(d, w)) {
      throw new Error(`after event ${i} (${d.event}): faults differ: ${d.fault} / ${w.fault}`);
    }
    if (d.fault !== undefined) ++faults;
    delete d.fault;
    delete w.fault;
    if (!isDeepStrictEqual(d, w)) {
      const keys = Object.keys(d).filter((k) => !isDeepStrictEqual(d[k], w[k]));
      const shown = keys.map((k) => `${k}: ${JSON.stringify(d[k])} / ${JSON.stringify(w[k])}`);
      throw new Error(`after event ${i} (${d.event}) the states differ (desktop / web):\n  ` +
                      shown.join("\n  "));
    }
  }
  const calcs = events.filter((e) => e === "Command3_Click").length;
  console.log(`all ${desktop.length} states equal (${calcs} CALCs, ${faults} faults)`);
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
