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
tree=$1
site=$(realpath -m "$2")

# Debian's emscripten finds its node modules there.
export NODE_PATH=/usr/share/nodejs
if [[ ! -f $tree/CMakeCache.txt ]]; then
    emcmake cmake -S "$source_dir" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
        -DQUORVEL_WERROR=ON -DQUORVEL_BUILD_WINDOW=OFF -DBUILD_TESTING=OFF \
        -DQUORVEL_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS=-fwasm-exceptions \
        -DQUORVEL_WEB_SITE="$site" >/dev/null
fi
cmake --build "$tree" --target quorvel_web_site -j"$(nproc)"
