"""The random soak on the real window."""

import os
import random

from .compare import run_steps
from .handlers import control_and_arrow, raisable_events
from .steps import Batch, Check, Click, Spin


def soak_steps(rng, events, clicks, batch):
    choices = [control_and_arrow(event) for event in events]
    steps = []
    for i in range(clicks):
        name, up = rng.choice(choices)
        steps.append(Click(name) if up is None else Spin(name, up))
        if (i + 1) % batch == 0 or i + 1 == clicks:
            steps.append(Check(f"soak after {i + 1} clicks"))
    return steps


def soak(args):
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 31)
    print(f"soak: {args.clicks} clicks in batches of {args.batch}, seed {seed} "
          f"(rerun with --seed {seed})")
    clicks = soak_steps(random.Random(seed), raisable_events(args.replay), args.clicks,
                        args.batch)
    # The clicks between two checks go out as one batch; the comparison after it also
    # waits for the window to catch up.
    steps, pending = [], []
    for step in clicks:
        if isinstance(step, Check):
            steps += [Batch(pending), step]
            pending = []
        else:
            pending.append(step)
    run_steps(args, steps, os.path.join(args.out, "soak"))
