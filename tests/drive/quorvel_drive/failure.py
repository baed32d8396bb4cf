"""How a run ends other than passing."""

SKIP = 77  # the exit status ctest counts as skipped


class Failure(Exception):
    """What the program did differs from what it should have done."""


class Skipped(Exception):
    """The test cannot run here: a tool it needs is missing."""
