"""An exercise's steps as data: what a test does to the window and the handlers the same
thing raises in quorvel-replay. A step performs itself on a shell, which knows how to
press a control there: shell.press(name, up, times) clicks a control's middle (up None)
or one of a spin button's arrows (up True or False), `times` times."""

from .replay import control_and_arrow

UP, DOWN = True, False


class Click:
    """A push or option button, clicked in its middle."""
    up, times = None, 1

    def __init__(self, name):
        self.name = name

    def handlers(self):
        return [f"{self.name}_Click"]

    def perform(self, shell):
        shell.press(self.name, self.up, self.times)


class Spin(Click):
    """Clicks on the upper or lower arrow of a spin button."""

    def __init__(self, name, up, times=1):
        super().__init__(name)
        self.up, self.times = up, times

    def handlers(self):
        return [f"{self.name}_Spin{'Up' if self.up else 'Down'}"] * self.times


class Check:
    """Compare the window with the replay here, and not only at the end. With alike, two
    plots of the same size must also show the same curve on the real screen."""

    def __init__(self, note, alike=None):
        self.note, self.alike = note, alike

    def handlers(self):
        return []

    def perform(self, shell):
        pass


def exercise(start):
    """The road of one exercise from the start-up state (the replay's Form_Load line): the
    student reads a0, a1/2 and b1/2 from CALC, enters them with the spinners so that the
    Simulate Wave matches the example, checks with ANS and starts the next exercise with
    RESET."""
    return [
        Click("Command3"),
        Spin("Spin_a0", UP, int(start["ex_a"][0])),
        Spin("Spin_n", UP),
        Click("Command3"),
        Click("switch_s"),
        Click("Command3"),
        Spin("Spin_a1", UP, int(start["ex_a"][1])),
        Spin("Spin_b1", UP, int(start["ex_b"][1])),
        Click("Command4"),
        Check("answers shown, trial entered", alike=("campus_sim", "campus_ex")),
        Click("Command1"),
    ]


def random_clicks(rng, events, clicks, batch):
    """Random clicks on the controls that raise the events (every button, both arrows of
    every spinner), with a Check after every batch and after the last."""
    choices = [control_and_arrow(event) for event in events]
    steps = []
    for i in range(clicks):
        name, up = rng.choice(choices)
        steps.append(Click(name) if up is None else Spin(name, up))
        if (i + 1) % batch == 0 or i + 1 == clicks:
            steps.append(Check(f"soak after {i + 1} clicks"))
    return steps
