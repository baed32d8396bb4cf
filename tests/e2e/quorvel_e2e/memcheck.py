"""A long replay under valgrind memcheck."""

import os
import random
import shutil
import subprocess

from quorvel_drive.failure import Failure, Skipped
from quorvel_drive.replay import raisable_events


def memcheck(args):
    if shutil.which("valgrind") is None:
        raise Skipped("valgrind is not installed")
    rng = random.Random(args.seed if args.seed is not None else 1)
    names = raisable_events(args.replay)
    out_dir = os.path.join(args.out, "memcheck")
    os.makedirs(out_dir, exist_ok=True)
    lines = []
    for i in range(args.events):
        lines.append(rng.choice(names))
        if i in (args.events // 2, args.events - 1):
            lines.append(f"snap {os.path.join(out_dir, f'snap{i + 1}.png')}")
    log = os.path.join(out_dir, "memcheck.log")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    command = ["valgrind", "--error-exitcode=1", "--leak-check=full",
               "--errors-for-leak-kinds=definite", f"--log-file={log}", args.replay]
    print(f"memcheck: {args.events} events through quorvel-replay")
    done = subprocess.run(command, input="\n".join(lines) + "\n", env=env,
                          capture_output=True, text=True, timeout=1200)
    with open(log) as f:
        report = f.read()
    for line in report.splitlines():
        if any(k in line for k in ("ERROR SUMMARY", "definitely lost", "indirectly lost",
                                   "possibly lost", "still reachable", "suppressed:",
                                   "in use at exit", "total heap usage")):
            print("  " + line.split("== ", 1)[-1])
    states = done.stdout.splitlines()
    if done.returncode != 0:
        raise Failure(f"status {done.returncode}: valgrind found errors or definite leaks, "
                      f"or the replay failed; see {log}\n{done.stderr.strip()[-2000:]}")
    if len(states) != args.events + 1:
        raise Failure(f"the replay printed {len(states)} lines for {args.events} events")
    faults = [line for line in states if '"fault"' in line]
    if faults:
        raise Failure(f"the replay reports a runtime fault: {faults[0]}")
