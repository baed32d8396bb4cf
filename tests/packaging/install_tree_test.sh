#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR under /usr and checks that the program, its
# desktop entry, icons and AppStream data land where desktops look for them.
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
