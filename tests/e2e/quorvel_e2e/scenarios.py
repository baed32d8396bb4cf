"""The scenarios, by name: each is run as its own test."""

import os

from quorvel_drive.failure import Failure
from quorvel_drive.replay import run_replay
from quorvel_drive.steps import DOWN, UP, Check, Click, Spin, exercise

from .compare import run_steps
from .steps import Covered, Hold, Keys, Menu, Stray, Through, Unmapped

# Each scenario is a function of the start-up state (the replay's Form_Load line) that
# returns its steps; a Check compares at that point, and every scenario compares at its end.
SCENARIOS = {
    # The road of one exercise, which the web page's test walks too.
    "exercise": exercise,
    # Every spinner pushed past both of its bounds.
    "bounds": lambda start: [
        Spin("Spin_lebel", UP, 4),
        Check("level 4"),
        Spin("Spin_lebel", DOWN, 4),
        Spin("Spin_k", DOWN, 5),
        Spin("Spin_n", UP, 5),
        Click("switch_s"),
        Check("level 1, k 10, n 4 sine"),
        Spin("Spin_k", UP, 5),
        Spin("Spin_n", DOWN, 5),
        Spin("Spin_a0", DOWN, 11),
        *[Spin(f"Spin_{c}", DOWN) for c in ("a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4")],
        Check("k 50, n 0, a0 -10, the rest 0"),
        Spin("Spin_a0", UP, 21),
        *[Spin(f"Spin_{c}", UP, 11) for c in ("a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4")],
    ],
    # Holding an arrow repeats it; held long enough it reaches the bound whatever the
    # exact number of repeats. Released, it stops: one click back stays one step back.
    # Slid off onto the other arrow before the first repeat, it raises nothing more.
    "hold": lambda start: [
        Hold("Spin_a2", UP, 2.5, presses=10),
        Spin("Spin_a2", DOWN),
        Check("a2 held up to 10, then one step down"),
        Hold("Spin_a0", DOWN, 2.5, presses=10),
        Spin("Spin_a0", UP),
        Check("a0 held down to -10, then one step up"),
        Hold("Spin_b3", UP, 1.5, presses=1, slide_off=True),
        Spin("Spin_b2", UP, 2),
    ],
    # A click gives a spin button the focus; Up and Down then spin it, and Tab moves on in
    # the tab order (Spin_a0 ... Spin_a4, Spin_b1 ... Spin_b4).
    "keyboard": lambda start: [
        Spin("Spin_a0", UP),
        Keys(["Up", "Up", "Up", "Down"], ["Spin_a0_SpinUp"] * 3 + ["Spin_a0_SpinDown"]),
        Check("a0 = 3 from the keyboard"),
        Keys(["Tab", "Up", "Up"], ["Spin_a1_SpinUp"] * 2, focus="Spin_a1"),
        Spin("Spin_n", DOWN),
        Keys(["Up", "Up", "Up", "Up", "Up"], ["Spin_n_SpinUp"] * 5),
        Spin("Spin_b4", UP),
        Keys(["Shift+Tab", "Down", "Up"], ["Spin_b3_SpinDown", "Spin_b3_SpinUp"],
             focus="Spin_b3"),
    ],
    # Clicks that raise nothing: plots and labels take none, and neither the middle nor the
    # right mouse button works a control (the right one opens the window's menu). Where the
    # blank labels Label7 and Label9 lie over CALC and "cos", the buttons take the click.
    "stray": lambda start: [
        *[Stray(name) for name in ("campus_ex", "campus_graph", "campus_a(2)", "Label27",
                                   "value_a(0)", "y_axis")],
        Menu("Spin_a0", UP), Stray("Spin_k", 2, DOWN), Menu("Spin_lebel", UP),
        Menu("Command1"), Stray("Command4", 2), Menu("Command3"), Menu("campus_sqr"),
        Check("nothing raised"),
        Through("Command3", "Label7"),
        Check("CALC through Label7"),
        Through("switch_c", "Label9"),
    ],
    # Plots hidden by another window, redrawn while hidden, and uncovered; then the whole
    # window unmapped and mapped again.
    "cover": lambda start: [
        Covered(["campus_sim", "campus_ex", "campus_ess"], [
            Spin("Spin_lebel", UP),
            Spin("Spin_b4", UP, 3),
        ]),
        Check("uncovered"),
        Spin("Spin_a3", UP, 2),
        Unmapped(),
    ],
}


def run_scenario(args, name):
    if name not in SCENARIOS:
        raise Failure(f"no scenario {name!r}; there are {', '.join(SCENARIOS)}")
    start = run_replay(args.replay, [])[0]
    steps = SCENARIOS[name](start) + [Check("end")]
    print(f"scenario {name}: {sum(len(st.handlers()) for st in steps)} events")
    run_steps(args, steps, os.path.join(args.out, name))
