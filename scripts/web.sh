#!/usr/bin/env bash
# The web edition.
#   scripts/web.sh build   installs what is missing, builds the page into build/web/
#   scripts/web.sh         builds, then serves build/web/ on http://127.0.0.1:${PORT:-8080}
# build/web/ holds only static files: any web server can host it (web/nginx/quorvel.conf
# for nginx); build/web/quorvel.html alone is the whole program, which opens from disk.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

build() {
    scripts/setup.sh web
    web/tools/emscripten_build.sh build/web-cmake "$root/build/web"
}

serve() {
    local port=${PORT:-8080}
    # The .br and .gz files as they are, and the cache headers a host should send.
    exec python3 web/tools/serve_site.py build/web "$port"
}

case ${1:-} in
    build) build ;;
    "") build && serve ;;
    *)
        echo "usage: scripts/web.sh [build]" >&2
        exit 2
        ;;
esac
