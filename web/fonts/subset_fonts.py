#!/usr/bin/env python3
"""Makes the page's web fonts: the desktop window's faces cut down to the characters the
window shows, renamed (neither licence lets a changed font keep its name), as WOFF2 (its brotli
coding from Debian's python3-brotli), with
the licence texts beside them.

  subset_fonts.py GLYPHS_FILE OUT_DIR

The faces come from Debian's fonts-liberation and fonts-ipafont-gothic packages.
"""

import shutil
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

LIBERATION = Path("/usr/share/fonts/truetype/liberation")
IPA = Path("/usr/share/fonts/opentype/ipafont-gothic")

# (source face, output file, family, style)
FACES = [
    (LIBERATION / "LiberationSerif-Regular.ttf", "quorvel-serif.woff2", "Quorvel Serif", "Regular"),
    (LIBERATION / "LiberationSerif-Italic.ttf", "quorvel-serif-italic.woff2", "Quorvel Serif",
     "Italic"),
    (IPA / "ipagp.ttf", "quorvel-gothic.woff2", "Quorvel Gothic", "Regular"),
]

LICENCES = [
    ("LICENSE-serif.txt", [Path("/usr/share/doc/fonts-liberation/copyright"),
                           Path("/usr/share/common-licenses/GPL-2")]),
    ("LICENSE-gothic.txt", [Path("/usr/share/doc/fonts-ipafont-gothic/copyright")]),
]

# Name records kept from the original: the copyright notice and the licence. Every other
# record (names, version strings, trademarks, vendor) is dropped or replaced.
KEPT_NAME_IDS = {0, 13, 14}


def rename(font, family, style):
    table = font["name"]
    table.names = [n for n in table.names if n.nameID in KEPT_NAME_IDS]
    full = family if style == "Regular" else f"{family} {style}"
    postscript = full.replace(" ", "") if style == "Regular" else \
        f"{family.replace(' ', '')}-{style}"
    for name_id, text in ((1, family), (2, style), (3, f"{postscript};subset"), (4, full),
                          (5, "Version 1.0; subset for the Quorvel web page"), (6, postscript)):
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)


def make_face(source, target, family, style, text):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    rename(font, family, style)
    font.flavor = "woff2"
    font.save(target)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    text = Path(sys.argv[1]).read_text(encoding="utf-8")
    out = Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    for source, name, family, style in FACES:
        make_face(source, out / name, family, style, text)
    for name, sources in LICENCES:
        with open(out / name, "w", encoding="utf-8") as licence:
            for source in sources:
                licence.write(source.read_text(encoding="utf-8"))
                licence.write("\n")
    shutil.copy(Path(__file__).with_name("README.fonts.txt"), out / "README.txt")


if __name__ == "__main__":
    main()
