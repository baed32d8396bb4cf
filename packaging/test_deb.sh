#!/usr/bin/env bash
# Builds the Debian package in a release build directory, has lintian check it, installs it
# on this machine with apt-get, and starts the installed program on a virtual X server to
# see its window open and paint. Needs root, dpkg-dev, lintian, Xvfb, xdotool and
# ImageMagick. The package is removed again at the end.
# Usage: packaging/test_deb.sh BUILD_DIR
set -euo pipefail

if (($# != 1)); then
    echo "usage: $0 BUILD_DIR   (a configured release build directory)" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
caption="Fourier Series"

step() { echo "== $*"; }
die() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
xvfb_pid=
app_pid=
installed=
# Every step runs whatever the one before gave: a program that already ended must not stop
# the package from being removed.
cleanup() {
    if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [[ -n $installed ]]; then apt-get remove -y -qq quorvel >/dev/null 2>&1 || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

step "build and package in $build"
cmake --build "$build" --target quorvel quorvel_package_docs -j"$(nproc)" >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; die "the build failed"; }
rm -f "$build"/quorvel_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; die "cpack failed"; }
debs=("$build"/quorvel_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || die "expected one quorvel_*.deb in $build"
deb=${debs[0]}
basename "$deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The fonts are named by hand; the Qt libraries must come from dpkg-shlibdeps.
for dep in fonts-liberation fonts-ipafont-gothic libqt6widgets6 libc6; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || die "Depends lacks $dep"
done

step "lintian"
# Debian's checker: any error (E:) or warning (W:) fails; informational tags (I:) do not.
# Its status is 2 for such tags and 1 when it could not check the package at all.
status=0
lintian -I --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
if ((status == 1)); then
    die "lintian could not check the package"
fi
if ((status != 0)) || grep -qE '^[EW]: ' "$work/lintian.log"; then
    die "lintian reports errors or warnings"
fi

step "install with apt-get"
(cd "$(dirname "$deb")" && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq "./$(basename "$deb")") >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; die "apt-get could not install the package"; }
installed=yes
[[ -x /usr/bin/quorvel ]] || die "/usr/bin/quorvel is not there after the install"

step "start /usr/bin/quorvel on a virtual X server"
# Xvfb picks a free display itself and writes its number to fd 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { cat "$work/xvfb.log"; die "Xvfb did not start"; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

/usr/bin/quorvel >"$work/quorvel.log" 2>&1 &
app_pid=$!
window=
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    window=$(xdotool search --name "^$caption\$" 2>/dev/null | head -n 1) || true
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { cat "$work/quorvel.log"; die "no window named \"$caption\" on $DISPLAY"; }
echo "window $window: \"$(xdotool getwindowname "$window")\""

# Fonts, the style or a plugin missing from the package's dependencies would show when the
# window first paints: wait until its picture holds the spectrum frame's cyan, and the
# program must still be running then.
painted=
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    cyan=$(import -window "$window" -depth 8 png:- 2>/dev/null |
        convert png:- -fill black +opaque "rgb(0,255,255)" -format "%[fx:maxima.g]" info: \
            2>/dev/null) || true
    if [[ $cyan == 1 ]]; then
        painted=yes
        break
    fi
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null || {
    wait "$app_pid" && rc=0 || rc=$?
    cat "$work/quorvel.log"
    die "quorvel exited (status $rc) after opening its window"
}
[[ -n $painted ]] || die "the window never showed its plots"
echo "window painted"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=

echo "deb test passed"
