#!/usr/bin/env python3
"""Checks every catalogue in po/ against the template: msgfmt --check accepts it, every
text of the template is translated and none is fuzzy, no text is left over that the
program no longer has, and each translation keeps the placeholders ({min}, {coef_max}, …)
of its English, which msgfmt does not check. Prints one line per catalogue.

    check_catalogues.py PO_DIR
"""
import re
import subprocess
import sys
from pathlib import Path

PLACEHOLDER = re.compile(r"\{[A-Za-z_][A-Za-z0-9_.]*\}")
ESCAPE = re.compile(r'\\(.)')
ESCAPED = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def unquoted(text):
    return ESCAPE.sub(lambda m: ESCAPED.get(m.group(1), m.group(1)), text)


def entries(path):
    """(msgid, msgstr, fuzzy) of every entry but the header, via msgcat's flat output."""
    flat = subprocess.run(["msgcat", "--no-wrap", "--no-location", str(path)], check=True,
                          capture_output=True, text=True).stdout
    found = []
    for block in flat.split("\n\n"):
        msgid = re.search(r'^msgid "(.*)"$', block, re.M)
        msgstr = re.search(r'^msgstr "(.*)"$', block, re.M)
        if not msgid or not msgstr or block.lstrip().startswith("#~"):
            continue
        english = unquoted(msgid.group(1))
        shown = unquoted(msgstr.group(1))
        if english:
            found.append((english, shown, "#, fuzzy" in block or ", fuzzy" in block))
    return found


def check(po, template_ids):
    problems = []
    result = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", str(po)],
                            capture_output=True, text=True)
    if result.returncode != 0:
        problems.append(result.stderr.strip())
    seen = set()
    for english, shown, fuzzy in entries(po):
        seen.add(english)
        if english not in template_ids:
            problems.append(f"not in the template: {english!r}")
        if fuzzy:
            problems.append(f"fuzzy: {english!r}")
        if not shown:
            problems.append(f"untranslated: {english!r}")
        elif sorted(PLACEHOLDER.findall(english)) != sorted(PLACEHOLDER.findall(shown)):
            problems.append(f"placeholders differ: {english!r} -> {shown!r}")
    for english in sorted(template_ids - seen):
        problems.append(f"missing: {english!r}")
    return problems


def main(po_dir):
    po_dir = Path(po_dir)
    template_ids = {english for english, _, _ in entries(po_dir / "quorvel.pot")}
    catalogues = sorted(po_dir.glob("*.po"))
    failed = 0
    for po in catalogues:
        problems = check(po, template_ids)
        print(f"{po.stem}: {len(template_ids)} texts, "
              + ("complete" if not problems else f"{len(problems)} problems"))
        for problem in problems[:20]:
            print(f"  {problem}")
        failed += bool(problems)
    if not catalogues:
        print("no catalogue in", po_dir)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
