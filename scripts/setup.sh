#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvel need, and only
# those that are missing, so it costs a fraction of a second on a prepared machine.
set -euo pipefail

packages=(
    g++ make cmake
    qt6-base-dev libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev pkg-config
    fonts-liberation fonts-ipafont-gothic
    fonts-croscore fonts-freefont-ttf fonts-vlgothic
    xvfb xauth xdotool x11-utils imagemagick
    dbus at-spi2-core python3-pyatspi qt6-gtk-platformtheme qt6ct
    desktop-file-utils appstream dpkg-dev
    python3 valgrind clang clang-format libclang-rt-14-dev
    locales
    emscripten nodejs python3-fonttools chromium python3-websocket
    firefox-esr nginx-light brotli libnginx-mod-http-brotli-static librsvg2-bin
    weston qt6-wayland lintian help2man
    hyperfine time
)

# The tests also run the program under a locale whose decimal separator is a comma.
test_locale=de_DE.UTF-8

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi

if ((${#missing[@]} > 0)); then
    echo "setup: installing ${missing[*]}" >&2
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# `locale -a` spells the generated locale de_DE.utf8.
if ! locale -a | grep -ix "${test_locale%.UTF-8}.utf8" >/dev/null; then
    echo "setup: generating the locale $test_locale" >&2
    "${as_root[@]}" sed -i "s/^# *\($test_locale UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$test_locale UTF-8" /etc/locale.gen ||
        echo "$test_locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen >/dev/null
fi

# The web edition's build and test tools (the bundler, the linter, the accessibility
# audit), pinned by package-lock.json; none of them is shipped to the page's visitors.
cd "$(dirname "$0")/.."
stamp=node_modules/.quorvel-lock
if ! cmp -s package-lock.json "$stamp" 2>/dev/null; then
    echo "setup: installing the web tools from package-lock.json" >&2
    npm ci --no-audit --no-fund --loglevel=error >/dev/null
    cp package-lock.json "$stamp"
fi
