#!/usr/bin/env python3
"""Checks that every layer includes only headers of its own layer or of a layer below it.

The layers, lowest first: core; then synth, analysis and view, siblings of one rank that
never include one another; app (the form); then the shells. The build enforces the same
through include directories; this check names the offending line and also catches a
header reached through a relative path.

Usage: check_layers.py ROOT     check the tree at ROOT
       check_layers.py --self   show that a planted upward include is caught
"""
import pathlib
import re
import sys
import tempfile

RANKS = {"core": 0, "synth": 1, "analysis": 1, "view": 1, "app": 2, "shell": 3}
FOLDERS = ["core", "synth", "analysis", "view", "app"]
SHELLS = ["desktop", "replay", "web"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(folder):
    return "shell" if folder in SHELLS else folder


def headers_by_name(root):
    """Maps each project header's base name to the layer that holds it."""
    found = {}
    for folder in FOLDERS + SHELLS:
        for path in (root / folder).rglob("*.h"):
            found[path.name] = layer_of(folder)
    return found


def violations(root):
    owners = headers_by_name(root)
    bad = []
    for folder in FOLDERS + SHELLS:
        layer = layer_of(folder)
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            text = path.read_text(encoding="utf-8")
            for match in INCLUDE.finditer(text):
                name = pathlib.PurePath(match.group(1)).name
                owner = owners.get(name)
                if owner is None or owner == layer or RANKS[owner] < RANKS[layer]:
                    continue
                where = "higher layer" if RANKS[owner] > RANKS[layer] else "sibling layer"
                line = text.count("\n", 0, match.start()) + 1
                bad.append(f"{path.relative_to(root)}:{line}: {folder} includes "
                           f'"{match.group(1)}" of the {where} {owner}')
    return bad


def self_check():
    with tempfile.TemporaryDirectory() as tmp:
        root = pathlib.Path(tmp)
        for folder, name, body in [
            ("core", "form.h", ""),
            ("synth", "harmonic_plots.h", '#include "form.h"\n'),
            ("core", "canvas.cpp", '#include "form.h"\n#include "../synth/harmonic_plots.h"\n'),
            ("analysis", "product_wave.cpp", '#include "form.h"\n#include "harmonic_plots.h"\n'),
            ("view", "layout.h", '#include "form.h"\n'),
            ("app", "form_load.cpp", '#include "layout.h"\n#include "harmonic_plots.h"\n'),
        ]:
            (root / folder).mkdir(exist_ok=True)
            (root / folder / name).write_text(body)
        found = violations(root)
        expected = ['core/canvas.cpp:2: core includes "../synth/harmonic_plots.h" '
                    "of the higher layer synth",
                    'analysis/product_wave.cpp:2: analysis includes "harmonic_plots.h" '
                    "of the sibling layer synth"]
        if found != expected:
            print("self-check failed: got", found)
            return 1
    print("self-check: an upward and a sideways include are reported")
    return 0


def main():
    if sys.argv[1:] == ["--self"]:
        return self_check()
    bad = violations(pathlib.Path(sys.argv[1]))
    for line in bad:
        print(line)
    print("layers: every include points down" if not bad
          else f"{len(bad)} includes point up or sideways")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
