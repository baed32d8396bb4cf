#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvel need, and only
# those that are missing, so it costs a fraction of a second on a prepared machine.
set -euo pipefail

packages=(
    g++ make cmake
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev pkg-config
    fonts-liberation fonts-ipafont-gothic
    xvfb xauth xdotool x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev
    python3 valgrind clang clang-format libclang-rt-14-dev
    emscripten nodejs python3-fonttools chromium python3-websocket
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "setup: installing ${missing[*]}" >&2
as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
