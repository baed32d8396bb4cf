// The WebAssembly core against the desktop's quorvel-replay: the same long random
// sequence of events goes to both, and after Form_Load and after every event the two
// state lines must be equal, byte for byte.
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

// Every event a click can raise, as the replay lists them: all but the start-up.
function listedEvents() {
  const listed = spawnSync(replay, ["--handlers"], { encoding: "utf8", timeout: 60000 });
  if (listed.status !== 0) {
    console.error(`${replay} --handlers failed: ${listed.stderr}`);
    process.exit(1);
  }
  return listed.stdout.split("\n").filter((name) => name !== "" && name !== "Form_Load");
}
const EVENTS = listedEvents();

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

function replayLines(events) {
  const done = spawnSync(replay, [], {
    input: events.join("\n") + "\n",
    env: { ...process.env, QT_QPA_PLATFORM: "offscreen" },
    maxBuffer: 1 << 30,
    encoding: "utf8",
  });
  if (done.status !== 0) throw new Error(`quorvel-replay failed (${done.status}): ${done.stderr}`);
  return done.stdout.trim().split("\n");
}

async function webLines(events) {
  const createQuorvel = require(path.resolve(modulePath));
  const module = await createQuorvel();
  const call = (name, args) => module.ccall(name, "string", args.map((a) => typeof a), args);
  const lines = [];
  call("quorvel_open", [1, 1280, 1024]);
  lines.push(call("quorvel_state", []));
  for (const event of events) {
    const reply = JSON.parse(call("quorvel_raise", [event]));
    if (reply.error) throw new Error(reply.error);
    lines.push(call("quorvel_state", []));
  }
  return lines;
}

async function main() {
  const count = Number(eventCount);
  const seed = Number(seedText);
  const next = generator(seed);
  const events = Array.from({ length: count }, () => EVENTS[Math.floor(next() * EVENTS.length)]);
  console.log(`${count} random events, seed ${seed}`);
  const desktop = replayLines(events);
  const web = await webLines(events);
  if (desktop.length !== web.length) {
    throw new Error(`the replay printed ${desktop.length} lines, the page ${web.length}`);
  }
  for (let i = 0; i < desktop.length; ++i) {
    if (desktop[i] === web[i]) continue;
    const d = JSON.parse(desktop[i]);
    const w = JSON.parse(web[i]);
    const keys = Object.keys(d).filter((k) => !isDeepStrictEqual(d[k], w[k]));
    throw new Error(`line ${i} (${d.event}) differs (desktop / web):\n  ${desktop[i]}\n  ` +
                    `${web[i]}\n  in ${keys.join(", ") || "the writing only"}`);
  }
  const calcs = events.filter((e) => e === "Command3_Click").length;
  const faults = desktop.filter((line) => line.includes('"fault":')).length;
  console.log(`all ${desktop.length} lines equal byte for byte (${calcs} CALCs, ${faults} faults)`);
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
