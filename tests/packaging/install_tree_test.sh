#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR under /usr and checks that the program, its
# desktop entry, icons and AppStream data land where desktops look for them, and its
# manual page and changelog where Debian looks for them.
# Usage: install_tree_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
usr=$dest/usr

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Width and height from a PNG's IHDR chunk, as "W H"; empty when the file is no PNG.
png_size() {
    local -a bytes
    read -r -a bytes <<<"$(od -An -tu1 -N24 "$1" | tr '\n' ' ')"
    [[ ${#bytes[@]} -eq 24 && ${bytes[1]} -eq 80 && ${bytes[2]} -eq 78 && ${bytes[3]} -eq 71 ]] ||
        return 0
    echo "$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19])) \
$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))"
}

[[ -f $usr/bin/quorvel && -x $usr/bin/quorvel ]] || fail "bin/quorvel missing or not executable"

for file in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/doc/quorvel/copyright; do
    [[ -s $usr/$file ]] || fail "$file missing or empty"
done

for size in 48 64 128 256; do
    icon=share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $usr/$icon ]]; then
        fail "$icon missing"
    elif [[ $(png_size "$usr/$icon") != "$size $size" ]]; then
        fail "$icon is not a ${size}x${size} PNG (got '$(png_size "$usr/$icon")')"
    fi
done

desktop=$usr/share/applications/$id.desktop
if [[ -f $desktop ]]; then
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
    grep -qx "Exec=quorvel" "$desktop" || fail "the desktop entry does not start quorvel"
fi

metainfo=$usr/share/metainfo/$id.metainfo.xml
if [[ -f $metainfo ]]; then
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    # Releases are listed newest first: a version bump needs its release entry.
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
    [[ $newest == "$version" ]] ||
        fail "the newest release in the metainfo is '$newest', the project is $version"
fi

# Debian's gzip: best compression, and no file name or time in the header (flags and time
# stamp zero), so that a rebuild gives the same bytes.
for file in share/doc/quorvel/changelog.gz share/man/man1/quorvel.1.gz; do
    if [[ ! -s $usr/$file ]]; then
        fail "$file missing or empty"
    elif ! gzip -t "$usr/$file" 2>/dev/null; then
        fail "$file is not gzip data"
    elif [[ $(od -An -tu1 -j3 -N5 "$usr/$file" | tr -s ' ') != " 0 0 0 0 0" ]]; then
        fail "$file keeps a file name or time stamp in its gzip header"
    fi
done
changelog=$usr/share/doc/quorvel/changelog.gz
if [[ -s $changelog ]]; then
    top=$(zcat "$changelog" | head -n 1)
    [[ $top == "quorvel ($version) "* ]] ||
        fail "the changelog's newest entry is '$top', the project is $version"
fi
manual=$usr/share/man/man1/quorvel.1.gz
if [[ -s $manual ]]; then
    zcat "$manual" | grep -q '^\.TH QUORVEL "1"' || fail "quorvel.1 is no section 1 page"
    zcat "$manual" | grep -q -- '--version' || fail "quorvel.1 does not list --version"
    problems=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
    [[ -z $problems ]] || fail "man reports problems in quorvel.1: $problems"
fi

# Reads the metainfo as a software centre would, with the desktop entry it launches.
appstreamcli validate-tree --no-net --strict "$usr" >"$dest/validate-tree.log" 2>&1 || {
    cat "$dest/validate-tree.log"
    fail "appstreamcli rejects the installed tree"
}

if ((failures > 0)); then
    echo "$failures problem(s) in the installed tree:"
    (cd "$dest" && find . -type f | sort)
    exit 1
fi
echo "installed tree complete"
