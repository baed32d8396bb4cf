#!/usr/bin/env bash
# Builds the web edition with Debian's emscripten: configures TREE once with emcmake, then
# builds the visitors' site into SITE and the tests' page into SITE-probe. Installs
# nothing: scripts/web.sh build sets up the tools first; the tests call this directly
# with directories in their own build tree.
#   emscripten_build.sh TREE SITE
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 TREE SITE" >&2
    exit 2
fi
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(realpath -m "$1")
site=$(realpath -m "$2")

# Debian's emscripten finds its node modules there.
export NODE_PATH=/usr/share/nodejs
# The settings are the web preset's; only the tree and the site are this call's own.
if [[ ! -f $tree/CMakeCache.txt ]]; then
    (cd "$source_dir" && emcmake cmake --preset web -B "$tree" -DQUORVEL_WEB_SITE="$site") \
        >/dev/null
fi
cmake --build "$tree" --target quorvel_web_site -j"$(nproc)"
