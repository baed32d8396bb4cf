#!/usr/bin/env bash
# Installs the Debian packages a task needs, and only those that are missing, so it costs a
# fraction of a second on a prepared machine.
#   scripts/setup.sh GROUP...   GROUP: run, test, web or bench
#   scripts/setup.sh            every group
# run:   building the program and opening its window (scripts/run.sh)
# test:  run, and everything `scripts/test.sh --all` needs, the web group included
# web:   building and testing the web edition (scripts/web.sh)
# bench: run, and what scripts/bench.sh measures with
set -euo pipefail
cd "$(dirname "$0")/.."

run_packages=(
    g++ make cmake pkg-config
    qt6-base-dev libgl-dev libxcb1-dev
    # The faces the window asks for by name.
    fonts-liberation fonts-ipafont-gothic
    # Opens the window natively on a Wayland desktop (else Qt goes through XWayland).
    qt6-wayland
    # Qt's own texts (its dialogs' buttons) in the student's language.
    qt6-translations-l10n
    # The faces that draw the Chinese, Korean and Arabic texts.
    fonts-noto-cjk fonts-noto-core
    # The build compiles the catalogues (msgfmt) and makes the pseudo-language (python3).
    gettext python3
)
web_packages=(
    cmake make emscripten nodejs python3 python3-fonttools python3-brotli librsvg2-bin brotli
    gettext
    # The page's web fonts are subset from the window's own faces, written as WOFF2.
    fonts-liberation fonts-ipafont-gothic
    chromium firefox-esr python3-websocket nginx-light libnginx-mod-http-brotli-static
    # WebKit, the engine of every browser on an iPad: WebKitGTK's MiniBrowser through its
    # WebDriver, on a private X server.
    webkit2gtk-driver xvfb
)
test_packages=(
    libgtest-dev libgmock-dev libmpfr-dev
    # The benchmarks are built and each run once as a smoke check.
    libbenchmark-dev
    # The window's second choices of face, for the fallback font tests.
    fonts-croscore fonts-freefont-ttf fonts-vlgothic
    xvfb xauth xdotool x11-utils imagemagick
    dbus at-spi2-core python3-pyatspi qt6-gtk-platformtheme qt6ct weston
    desktop-file-utils appstream dpkg-dev lintian help2man
    # The worksheets' PDFs read back as text and as pixels.
    poppler-utils
    valgrind clang clang-format libclang-rt-14-dev flake8
    locales
    # Reads back the QR code of the page's share dialog.
    zbar-tools
)
bench_packages=(libbenchmark-dev hyperfine time xvfb x11-utils)

groups=("$@")
if ((${#groups[@]} == 0)); then
    groups=(run test web bench)
fi
packages=()
want_locale=
want_node_tools=
for group in "${groups[@]}"; do
    case $group in
        run) packages+=("${run_packages[@]}") ;;
        web)
            packages+=("${web_packages[@]}")
            want_node_tools=1
            ;;
        test)
            packages+=("${run_packages[@]}" "${test_packages[@]}" "${web_packages[@]}")
            want_locale=1
            want_node_tools=1
            ;;
        bench) packages+=("${run_packages[@]}" "${bench_packages[@]}") ;;
        *)
            echo "usage: scripts/setup.sh [run|test|web|bench]..." >&2
            exit 2
            ;;
    esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
# Debian's nodejs comes without npm; a nodejs from elsewhere may bring its own.
if [[ -n $want_node_tools ]] && ! command -v npm >/dev/null; then
    missing+=(npm)
fi

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

# The tests also run the program under a locale whose decimal separator is a comma.
test_locale=de_DE.UTF-8
# `locale -a` spells the generated locale de_DE.utf8.
if [[ -n $want_locale ]] && ! locale -a | grep -ix "${test_locale%.UTF-8}.utf8" >/dev/null; then
    echo "setup: generating the locale $test_locale" >&2
    "${as_root[@]}" sed -i "s/^# *\($test_locale UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$test_locale UTF-8" /etc/locale.gen ||
        echo "$test_locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen >/dev/null
fi

# The web edition's build and test tools (the bundler, the linter, the accessibility
# audit) and the one library the page bundles (the QR code encoder), pinned by
# package-lock.json.
stamp=node_modules/.quorvel-lock
if [[ -n $want_node_tools ]] && ! cmp -s package-lock.json "$stamp" 2>/dev/null; then
    echo "setup: installing the web tools from package-lock.json" >&2
    npm ci --no-audit --no-fund --loglevel=error >/dev/null
    cp package-lock.json "$stamp"
fi
