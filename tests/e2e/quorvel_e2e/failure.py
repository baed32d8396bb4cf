"""How a run ends other than passing."""

SKIP = 77  # the exit status ctest counts as skipped


class Failure(Exception):
    pass
