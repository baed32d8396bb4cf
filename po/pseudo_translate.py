#!/usr/bin/env python3
"""Writes the pseudo-language's catalogue from the template: every text bracketed, its
letters accented and padded to 40 % more length, so a run under it shows at once any text
that escaped translation (it stays plain English) and any that is cut off (its closing
bracket is missing). Placeholders in braces stay as they are.

    pseudo_translate.py TEMPLATE.pot OUTPUT.po
"""
import re
import sys

ACCENTED = str.maketrans(
    "aceinosuyzACEINOSUYZ",
    "áçéîñöšûýžÁÇÉÎÑÖŠÛÝŽ")
PLACEHOLDER = re.compile(r"(\{[A-Za-z_][A-Za-z0-9_.]*\})")


def pseudo(text):
    # msgfmt wants a text and its translation to begin and end alike with a line break.
    core = text.strip("\n")
    if core != text:
        head = text[:len(text) - len(text.lstrip("\n"))]
        tail = text[len(text.rstrip("\n")):]
        return head + pseudo(core) + tail
    parts = PLACEHOLDER.split(text)
    shown = "".join(p if PLACEHOLDER.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    visible = len(PLACEHOLDER.sub("", text))
    padding = "·" * max(1, round(visible * 0.4))
    return f"[{shown} {padding}]"


def unquote(lines):
    return "".join(eval(line) for line in lines)  # PO strings are C strings


def quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def main(template, output):
    entries = []
    msgid = None
    with open(template, encoding="utf-8") as f:
        block = []
        key = None
        for line in f.read().splitlines() + [""]:
            if line.startswith("msgid "):
                key, block = "msgid", [line[6:]]
            elif line.startswith("msgstr "):
                msgid = unquote(block)
                key, block = "msgstr", []
            elif line.startswith('"') and key == "msgid":
                block.append(line)
            elif not line.strip() and msgid is not None:
                if msgid:
                    entries.append(msgid)
                msgid, key = None, None
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join([
            'msgid ""', 'msgstr ""',
            '"Project-Id-Version: Quorvel\\n"',
            '"PO-Revision-Date: 2026-12-11 00:00+0000\\n"',
            '"Last-Translator: po/pseudo_translate.py\\n"',
            '"Language-Team: none\\n"', '"Language: en_XA\\n"', '"MIME-Version: 1.0\\n"',
            '"Content-Type: text/plain; charset=UTF-8\\n"',
            '"Content-Transfer-Encoding: 8bit\\n"',
            '"Plural-Forms: nplurals=2; plural=(n != 1);\\n"', "", ""]))
        for text in entries:
            out.write(f"msgid {quote(text)}\nmsgstr {quote(pseudo(text))}\n\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
