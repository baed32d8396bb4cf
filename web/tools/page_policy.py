"""The page's Content-Security-Policy. Addresses, links and stored state come from outside,
so the page runs only its own script (inline, allowed by its hash), its own WebAssembly,
faces and images, and loads nothing from another site.

The build writes the policy with the hashes of the page's inline script and style sheet
into a <meta> element, so it holds on any host and in the single file. A server sends the
same policy as a header (web/nginx/quorvel.conf, the preview server), except that the
hashes, which change with every build, are left to the page's own policy: a header cannot
know them, and where two policies apply, each must allow what runs.
"""

import base64
import hashlib
import re

# Each directive and its sources; None marks where the build's hashes go. Blobs: the
# licence texts the single file carries open as blobs; data: the single file's faces, its
# icon and the pictures Copy picture draws.
DIRECTIVES = [
    ("default-src", ["'self'"]),
    ("script-src", ["'self'", None, "'wasm-unsafe-eval'"]),
    ("style-src", ["'self'", None]),
    ("font-src", ["'self'", "data:"]),
    ("img-src", ["'self'", "data:", "blob:"]),
    ("connect-src", ["'self'", "blob:"]),
    ("worker-src", ["'self'"]),
    ("manifest-src", ["'self'"]),
    ("object-src", ["'none'"]),
    ("base-uri", ["'none'"]),
    ("form-action", ["'none'"]),
]
# What a header says in place of the hashes: the page's own policy narrows it to them.
HEADER_INLINE = "'unsafe-inline'"
# Scripts a browser runs: no type, or a JavaScript one (the page's JSON and base64 blocks
# are data, never run).
RUN_TYPES = {"", "text/javascript", "module", "application/javascript"}


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def inline_elements(html, element):
    """The text of every inline <element> of the page that a browser would apply or run."""
    if element != "script":
        # A script's strings may hold markup; it is not the page's.
        html = re.sub(r"(<script\b[^>]*>).*?(</script>)", r"\1\2", html, flags=re.S)
    for match in re.finditer(rf"<{element}\b([^>]*)>(.*?)</{element}>", html, re.S):
        attributes, text = match.groups()
        if "src=" in attributes:
            continue
        kind = re.search(r'type="([^"]*)"', attributes)
        if element == "script" and (kind.group(1) if kind else "") not in RUN_TYPES:
            continue
        yield text


def policy(scripts=None, styles=None):
    """The policy as a header or meta content: with the hashes of the inline `scripts` and
    `styles` given, or else (a header's) 'unsafe-inline' in their place."""
    hashes = {"script-src": scripts, "style-src": styles}
    parts = []
    for name, sources in DIRECTIVES:
        filled = []
        for source in sources:
            if source is not None:
                filled.append(source)
            elif hashes[name] is None:
                filled.append(HEADER_INLINE)
            else:
                filled.extend(sorted({digest(text) for text in hashes[name]}))
        parts.append(" ".join([name, *filled]))
    return "; ".join(parts)


def page_policy(html):
    """The policy that allows exactly the page's own inline script and style."""
    return policy(list(inline_elements(html, "script")), list(inline_elements(html, "style")))


def directives(text):
    """A policy's directives by name, each with its sources."""
    out = {}
    for part in text.split(";"):
        words = part.split()
        if words:
            out[words[0]] = words[1:]
    return out


HEADER = policy()
