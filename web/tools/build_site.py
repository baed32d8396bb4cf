#!/usr/bin/env python3
"""Builds the web edition's site from the page's sources, the module and the web fonts:

- index.html with its style sheet, the window's description and one script inside it: the
  module's loader and the page's modules, bundled by esbuild from ENTRY; and the start
  window (START_WINDOW, from start_window.js: its captions and plots), which it shows
  before the module has compiled;
- the module and the faces under content-hashed names (a host may keep them for a year);
- the message shown without script, one line in each language, and the web app manifest
  with its names in each language (from LANGUAGES, the page's texts as the core gives
  them), and its icons, rendered from the program's SVG icon;
- with --single, the whole program as one HTML file that opens from disk: the module as
  base64, the faces as data: URLs, the fonts' licence texts carried inside;
- in each page, the Content-Security-Policy that allows its own inline script and style
  sheet by their hashes and nothing from another site (page_policy.py);
- the service worker and the compressed siblings (finish_site.py).

  build_site.py --page DIR --entry JS --loader JS --description JSON --languages JSON
                --start-window JSON --fonts DIR --icon SVG --esbuild PROGRAM --out DIR
                [--single HTML] [--node-loader]

--node-loader also puts the loader and the module beside the page under their own names,
for node. OUT is emptied first: it holds what this writes and nothing else.
"""

import argparse
import base64
import hashlib
import json
from html import escape
import mimetypes
import re
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import finish_site  # noqa: E402
import page_policy  # noqa: E402

ICONS = [("quorvel-192.png", 192, False), ("quorvel-512.png", 512, False),
         ("quorvel-maskable-512.png", 512, True)]
# A maskable icon keeps what matters within the middle 80 % of a full-bleed tile.
MASKABLE_SAFE = 0.8
MASKABLE_BACKGROUND = "#24527f"


def fail(message):
    sys.exit(f"build_site: {message}")


def hashed_name(path):
    digest = hashlib.sha256(path.read_bytes()).hexdigest()[:10]
    return f"{path.stem}.{digest}{path.suffix}"


def bundle(esbuild, entry, loader):
    """The page's script: ENTRY and what it imports, the loader as "quorvel-loader"."""
    result = subprocess.run(
        [esbuild, str(entry), "--bundle", "--format=iife", "--minify", "--charset=utf8",
         "--legal-comments=inline", "--log-level=warning", f"--alias:quorvel-loader={loader}",
         # The loader of the tests' module also runs under node, which it asks for there.
         "--external:fs", "--external:path"],
        capture_output=True, text=True)
    if result.returncode != 0:
        fail(f"esbuild failed:\n{result.stderr}")
    return result.stdout


def element_text(content, element):
    if re.search(f"</{element}", content, re.IGNORECASE):
        fail(f"the inlined text would close its <{element}>")
    return content


def replace_once(html, old, new):
    if html.count(old) != 1:
        fail(f"index.html must hold {old!r} once")
    return html.replace(old, new)


def link_tags(html):
    """Every <link> tag with its attributes."""
    for match in re.finditer(r"<link\b[^>]*>\n?", html):
        yield match, dict(re.findall(r'([\w-]+)(?:="([^"]*)")?', match.group(0)[5:]))


def with_description(html, description):
    # "<" only occurs inside its strings, where \u003c reads the same and cannot end the
    # script element.
    text = json.dumps(json.loads(description), ensure_ascii=False, separators=(",", ":"))
    tag = '<script type="application/json" id="page-description"></script>'
    return replace_once(html, tag, tag.replace("></", ">" + text.replace("<", "\\u003c") + "</"))


def with_start_window(html, start):
    """The start window as data at the end of the body: read once the body is, it holds
    up nothing before it."""
    text = json.dumps(json.loads(start), separators=(",", ":"))
    return replace_once(html, "</body>", '<script type="application/json" id="start-window">'
                        f"{element_text(text, 'script')}</script>\n</body>")


def with_script(html, script):
    return replace_once(html, '<script src="main.js"></script>',
                        f"<script>\n{element_text(script, 'script')}</script>")


def with_style(html, css):
    return replace_once(html, '<link rel="stylesheet" href="quorvel.css">',
                        f"<style>\n{element_text(css, 'style')}</style>")


def with_policy(html):
    """The page with its policy first in <head>: it covers only what comes after it."""
    tag = '<meta charset="utf-8">'
    # Its sources hold no character that needs escaping within the attribute's quotes.
    content = page_policy.page_policy(html)
    if re.search(r'["&<>]', content):
        fail(f"the policy would need escaping: {content}")
    return replace_once(html, tag, f'{tag}\n<meta http-equiv="Content-Security-Policy" '
                                   f'content="{content}">')


def served_page(template, css, script, description, surfaces, names):
    """index.html: the files it names under their hashed names."""
    for old, new in names.items():
        css = css.replace(f'url("{old}")', f'url("{new}")')
    html = with_style(template, css)
    for match, attributes in list(link_tags(html)):
        if attributes.get("href") in names:
            tag = match.group(0).replace(f'href="{attributes["href"]}"',
                                         f'href="{names[attributes["href"]]}"')
            html = html.replace(match.group(0), tag)
    return with_policy(with_script(with_start_window(with_description(html, description),
                                                     surfaces), script))


def single_page(template, css, script, description, surfaces, wasm, site, names, carried):
    """The whole program in one file: nothing it loads lies beside it."""
    def data_url(path, kind):
        return f"data:{kind};base64,{base64.b64encode(path.read_bytes()).decode()}"

    css = re.sub(r'url\("(fonts/[\w.-]+\.woff2)"\)',
                 lambda m: f'url("{data_url(site / names[m.group(1)], "font/woff2")}")', css)
    html = with_style(template, css)
    for match, attributes in list(link_tags(html)):
        rel, href = attributes.get("rel"), attributes.get("href")
        if attributes.get("id") == "quorvel-wasm":
            encoded = base64.b64encode(wasm.read_bytes()).decode()
            new = f'<script type="application/octet-stream" id="quorvel-wasm">{encoded}</script>\n'
        elif rel in ("manifest", "preload"):
            new = ""  # nothing to install, and nothing to fetch early
        elif rel == "icon" and href and (site / href).is_file():
            inlined = data_url(site / href, mimetypes.guess_type(href)[0] or "image/png")
            new = match.group(0).replace(f'href="{href}"', f'href="{inlined}"')
        else:
            new = match.group(0)
        html = html.replace(match.group(0), new)
    files = {name: (site / name).read_text(encoding="utf-8") for name in carried}
    files_json = json.dumps(files, ensure_ascii=False).replace("<", "\\u003c")
    html = with_start_window(with_description(html, description), surfaces).replace(
        "</head>", f'<script type="application/json" id="carried-files">{files_json}</script>\n'
                   "</head>", 1)
    return with_policy(with_script(html, script))


def local_references(html):
    """What the page would fetch beside itself: href, src and url() that are no data:,
    blob: or other site's address."""
    # The markup and the style sheet, not the script's text: its strings are not addresses.
    markup = re.sub(r"(<script\b[^>]*>).*?(</script>)", r"\1\2", html, flags=re.S)
    found = re.findall(r'(?:href|src)="([^"]+)"|url\("([^"]+)"\)', markup)
    return [a or b for a, b in found
            if not re.match(r"(data|blob|https?|mailto):|#", a or b)]


def with_no_script(html, languages):
    """The message a reader without script sees, in every language, each line marked with
    its language and direction: the page cannot tell which is theirs without script."""
    lines = "".join(f'<p lang="{code}" dir="{language["direction"]}">'
                    f'{escape(language["texts"]["no_script"])}</p>\n'
                    for code, language in languages.items())
    found = re.findall(r"<noscript>.*?</noscript>", html, re.S)
    if len(found) != 1:
        fail("index.html must hold one <noscript>")
    return html.replace(found[0], f"<noscript>\n{lines}</noscript>")


def manifest(template, languages):
    """The web app manifest with its names in English and, by language, in the others."""
    out = json.loads(template)

    def names(texts):
        return {"name": texts["app_name"], "short_name": texts["fault_title"],
                "description": texts["app_description"]}
    english = languages["en"]
    out.update(names(english["texts"]), lang="en", dir=english["direction"])
    out["translations"] = {code: names(language["texts"])
                           for code, language in languages.items() if code != "en"}
    return json.dumps(out, ensure_ascii=False, indent=2) + "\n"


def render_icons(svg, out):
    (out / "icons").mkdir()
    source = svg.read_text(encoding="utf-8")
    for name, size, maskable in ICONS:
        target = out / "icons" / name
        if maskable:
            # The icon within the safe zone of a full-bleed tile in its own blue.
            inner = size * MASKABLE_SAFE
            offset = (size - inner) / 2
            body = re.sub(r"^.*?<svg\b[^>]*>", "", source, flags=re.S)
            viewbox = re.search(r'viewBox="([^"]+)"', source).group(1)
            wrapped = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}">'
                       f'<rect width="{size}" height="{size}" fill="{MASKABLE_BACKGROUND}"/>'
                       f'<svg x="{offset}" y="{offset}" width="{inner}" height="{inner}" '
                       f'viewBox="{viewbox}">{body}</svg>')
            run = subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                                  "--output", str(target)], input=wrapped.encode())
        else:
            run = subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                                  str(svg), "--output", str(target)])
        if run.returncode != 0:
            fail(f"rsvg-convert could not render {name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    for name in ("page", "entry", "loader", "description", "languages", "start-window",
                 "fonts", "icon", "esbuild", "out"):
        parser.add_argument(f"--{name}", required=True)
    parser.add_argument("--single")
    parser.add_argument("--node-loader", action="store_true")
    args = parser.parse_args()
    page, out = Path(args.page), Path(args.out)
    loader = Path(args.loader).resolve()
    wasm = loader.with_suffix(".wasm")

    if out.exists():
        shutil.rmtree(out)
    (out / "fonts").mkdir(parents=True)
    names = {"quorvel.wasm": hashed_name(wasm)}
    shutil.copyfile(wasm, out / names["quorvel.wasm"])
    carried = []
    for font_file in sorted(Path(args.fonts).iterdir()):
        if font_file.suffix == ".woff2":
            name = names[f"fonts/{font_file.name}"] = f"fonts/{hashed_name(font_file)}"
        elif font_file.suffix == ".txt":
            name = f"fonts/{font_file.name}"
            carried.append(name)
        else:
            # Left in the folder by an older build (faces in another format): not the site's.
            continue
        shutil.copyfile(font_file, out / name)
    if args.node_loader:
        shutil.copyfile(loader, out / "quorvel.js")
        shutil.copyfile(wasm, out / "quorvel.wasm")
    languages = json.loads(Path(args.languages).read_text(encoding="utf-8"))
    (out / "manifest.webmanifest").write_text(
        manifest((page / "manifest.webmanifest").read_text(encoding="utf-8"), languages),
        encoding="utf-8")
    render_icons(Path(args.icon), out)

    template = with_no_script((page / "index.html").read_text(encoding="utf-8"), languages)
    css = (page / "quorvel.css").read_text(encoding="utf-8")
    script = bundle(args.esbuild, Path(args.entry).resolve(), loader)
    description = Path(args.description).read_text(encoding="utf-8")
    surfaces = Path(args.start_window).read_text(encoding="utf-8")

    html = served_page(template, css, script, description, surfaces, names)
    missing = [r for r in local_references(html) if not (out / r).is_file()]
    if missing:
        fail(f"index.html names files the site does not have: {missing}")
    (out / "index.html").write_text(html, encoding="utf-8")

    if args.single:
        single = single_page(template, css, script, description, surfaces, wasm, out, names,
                             carried)
        if local_references(single):
            fail(f"the single file would load {local_references(single)} beside itself")
        Path(args.single).write_text(single, encoding="utf-8")
    finish_site.finish(out)


if __name__ == "__main__":
    main()
