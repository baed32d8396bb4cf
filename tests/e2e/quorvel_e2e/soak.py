"""The random soak on the real window."""

import os
import random

from quorvel_drive.replay import raisable_events
from quorvel_drive.steps import Check, random_clicks

from .compare import run_steps
from .steps import Batch


def soak(args):
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 31)
    print(f"soak: {args.clicks} clicks in batches of {args.batch}, seed {seed} "
          f"(rerun with --seed {seed})")
    clicks = random_clicks(random.Random(seed), raisable_events(args.replay), args.clicks,
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
