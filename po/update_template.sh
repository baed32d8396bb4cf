#!/usr/bin/env bash
# Extracts every text marked for translation into po/quorvel.pot, the template from which
# translators start a language (msginit) or bring theirs up to date (msgmerge): the C++
# texts marked with N_ (view/translatable.h), the desktop entry and the AppStream
# metainfo. Run it after changing a text; the test i18n.template says when it is due.
#   po/update_template.sh [OUTPUT]   (default po/quorvel.pot)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-po/quorvel.pot}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h' | grep -Ev '^(tests|bench|fuzz)/' | sort)
xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=N_ \
    --add-comments=TRANSLATORS: --force-po -o "$work/code.pot" "${sources[@]}"
xgettext --from-code=UTF-8 --force-po -o "$work/packaging.pot" \
    packaging/io.github.quorvel.Quorvel.desktop packaging/io.github.quorvel.Quorvel.metainfo.xml
{
    printf '# The texts of Quorvel that a person reads or hears, for translators.\n'
    printf '# Made by po/update_template.sh; not to be edited.\n'
    # A template that changes only when a text does: no date, and the charset filled in.
    msgcat --no-wrap --use-first "$work/code.pot" "$work/packaging.pot" |
        sed -e '/^"POT-Creation-Date: /d' -e 's/charset=CHARSET/charset=UTF-8/' \
            -e '/^# SOME DESCRIPTIVE TITLE/,/^# FIRST AUTHOR/d'
} >"$output"
