"""The desktop started with --exercise CODE, as a class opens the code a teacher shares:
the code is taken from the replay after random events at a level, and the window it opens
shows what the replay shows for that code, and the same examples after three RESETs."""

import os
import random

from quorvel_drive.replay import raisable_events, run_replay
from quorvel_drive.steps import Check, Click

from .compare import run_steps

LEVELS = (1, 2, 3, 4)
RANDOM_EVENTS = 40


class Opened:
    """The exercise the program was started on; the replay opens the same code."""

    def __init__(self, code):
        self.code = code

    def handlers(self):
        return [f"exercise {self.code}"]

    def perform(self, shell):
        pass


def code_after_random_events(replay, level, seed):
    """The code of the exercise on the window after reaching the level and random events
    that keep it (every button, every spinner but the level's)."""
    rng = random.Random(seed)
    events = [e for e in raisable_events(replay) if not e.startswith("Spin_lebel")]
    lines = ["Spin_lebel_SpinUp"] * (level - 1) + [rng.choice(events)
                                                   for _ in range(RANDOM_EVENTS)]
    return run_replay(replay, lines)[-1]["exercise"]


def run_exercise_code(args, level):
    code = code_after_random_events(args.replay, level, seed=level)
    print(f"level {level}: quorvel --exercise {code}")
    steps = [
        Opened(code),
        Check(f"opened on {code}"),
        Click("Command1"),
        Click("Command1"),
        Click("Command1"),
        Check("three RESETs later"),
    ]
    run_steps(args, steps, os.path.join(args.out, f"exercise_code_{level}"),
              arguments=("--exercise", code))
