#!/usr/bin/env python3
"""Makes the page one file: the style sheet, Emscripten's loader, the page's modules and
the window's description inlined into index.html, so the browser asks for the page and
the WebAssembly (which the page preloads) and nothing in between.

  bundle_page.py PAGE_DIR LOADER_JS DESCRIPTION_JSON OUT_HTML

The modules are joined in the order of their imports into one module script; each
import line of a page module goes, and so does the "export" before a declaration. Two
modules that declare the same top-level name are refused.
"""

import json
import re
import sys
from pathlib import Path

IMPORT = re.compile(r'^import \{[^}]*\} from "\./([\w.]+)";\n', re.MULTILINE)
DECLARATION = re.compile(r"^(?:async\s+)?(?:function\s*\*?|const|let|class)\s+(\w+)",
                         re.MULTILINE)


def ordered_modules(page, entry):
    order, seen = [], set()

    def visit(name):
        if name in seen:
            return
        seen.add(name)
        for dependency in IMPORT.findall((page / name).read_text(encoding="utf-8")):
            visit(dependency)
        order.append(name)

    visit(entry)
    return order


def module_bundle(page, entry):
    declared, parts = {}, []
    for name in ordered_modules(page, entry):
        text = IMPORT.sub("", (page / name).read_text(encoding="utf-8"))
        text = re.sub(r"^export ", "", text, flags=re.MULTILINE)
        for found in DECLARATION.findall(text):
            if found in declared:
                sys.exit(f"bundle_page: {found} is declared in both {declared[found]} and {name}")
            declared[found] = name
        parts.append(f"// {name}\n{text}")
    return "\n".join(parts)


def inline(html, tag, element, content):
    if tag not in html:
        sys.exit(f"bundle_page: index.html has no {tag}")
    if f"</{element}" in content:
        sys.exit(f"bundle_page: the inlined text would close its <{element}>")
    return html.replace(tag, content.join(
        (f"<{element}>\n" if element == "style" else tag.split(" src=")[0] + ">\n",
         f"\n</{element}>")))


# The description goes in as JSON data; "<" only occurs inside its strings, where
# \u003c reads the same and cannot end the script element.
def inline_description(html, description):
    tag = '<script type="application/json" id="page-description"></script>'
    if tag not in html:
        sys.exit(f"bundle_page: index.html has no {tag}")
    text = json.dumps(json.loads(description), ensure_ascii=False, separators=(",", ":"))
    return html.replace(tag, tag.replace("></", ">" + text.replace("<", "\\u003c") + "</"))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    page, loader = Path(sys.argv[1]), Path(sys.argv[2])
    description, out = Path(sys.argv[3]), Path(sys.argv[4])
    html = (page / "index.html").read_text(encoding="utf-8")
    html = inline(html, '<link rel="stylesheet" href="quorvel.css">', "style",
                  (page / "quorvel.css").read_text(encoding="utf-8"))
    html = inline(html, '<script src="quorvel.js"></script>', "script",
                  loader.read_text(encoding="utf-8"))
    html = inline(html, '<script type="module" src="main.js"></script>', "script",
                  module_bundle(page, "main.js"))
    html = inline_description(html, description.read_text(encoding="utf-8"))
    out.write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()
