#!/usr/bin/env python3
"""Feeds two builds of quorvel-replay the same random events and snapshots, and says
whether their JSON lines and PNG files are byte for byte the same. The events are those
NEW_REPLAY --handlers lists.

    scripts/replay-diff.py OLD_REPLAY NEW_REPLAY [--events N] [--seed S] [--snap-every K]

Exit status 0 when everything matched, 1 at the first difference (which it names).
"""
import argparse
import pathlib
import random
import subprocess
import sys
import tempfile


def handlers(replay):
    """The events a user can raise, as the replay lists them: all but the start-up."""
    out = subprocess.run([replay, "--handlers"], capture_output=True, text=True,
                         check=True, timeout=60)
    return [name for name in out.stdout.split() if name != "Form_Load"]


def script(names, events, seed, snap_every, folder):
    rng = random.Random(seed)
    lines = []
    for i in range(1, events + 1):
        lines.append(rng.choice(names))
        if i % snap_every == 0:
            lines.append(f"snap {folder}/snap-{i:06d}.png")
    return "\n".join(lines) + "\n"


def run(replay, names, events, seed, snap_every, folder):
    folder.mkdir()
    out = subprocess.run([replay], input=script(names, events, seed, snap_every, folder),
                         capture_output=True, text=True, check=True, timeout=600)
    return out.stdout.splitlines()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--events", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--snap-every", type=int, default=97)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        old_dir, new_dir = pathlib.Path(tmp, "old"), pathlib.Path(tmp, "new")
        names = handlers(args.new)
        old = run(args.old, names, args.events, args.seed, args.snap_every, old_dir)
        new = run(args.new, names, args.events, args.seed, args.snap_every, new_dir)
        if len(old) != len(new):
            print(f"line counts differ: {len(old)} against {len(new)}")
            return 1
        for n, (a, b) in enumerate(zip(old, new)):
            if a != b:
                print(f"JSON line {n} differs:\n  old {a}\n  new {b}")
                return 1
        snaps = sorted(p.name for p in old_dir.iterdir())
        for name in snaps:
            if (old_dir / name).read_bytes() != (new_dir / name).read_bytes():
                print(f"snapshot {name} differs")
                return 1
        print(f"{len(old)} JSON lines and {len(snaps)} snapshots are byte for byte the same")
    return 0


if __name__ == "__main__":
    sys.exit(main())
