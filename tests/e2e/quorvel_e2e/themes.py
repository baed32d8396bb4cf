"""Dark desktops: the window keeps its own light look under any of them."""

import os
import subprocess
import tempfile
from dataclasses import dataclass

from quorvel_drive.failure import Failure
from quorvel_drive.steps import UP, Check, Click, Spin
from quorvel_drive.xvfb import x_client_env, x_server

from .compare import run_steps

# Dark desktops. The window keeps its own light look under any of them: what it shows is
# compared, pixel for pixel, with the replay, which draws on no desktop at all.

KDE_DARK_COLOURS = """\
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=239,240,241
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
"""


@dataclass
class Desktop:
    """The variables and the files of the user's configuration that make a desktop dark;
    what a plain Qt program shows there ("dark": a dark window colour; otherwise the name
    of its style), so that a setting that no longer takes hold fails instead of passing
    unseen; and the package it needs."""
    variables: dict
    files: dict
    takes_hold: str
    package: str = ""


GTK_THEME = "qt6-gtk-platformtheme"

THEMES = {
    # GNOME with Qt's GTK platform theme, dark by the theme's name ...
    "gtk-variable": Desktop({"XDG_CURRENT_DESKTOP": "GNOME", "GTK_THEME": "Adwaita:dark"}, {},
                            "dark", GTK_THEME),
    # ... or by the user's preference in GTK's settings.
    "gtk-settings": Desktop({"XDG_CURRENT_DESKTOP": "GNOME"},
                            {".config/gtk-3.0/settings.ini":
                             "[Settings]\ngtk-application-prefer-dark-theme=1\n"}, "dark",
                            GTK_THEME),
    # Plasma's colour scheme, read by Qt's own KDE theme.
    "kde": Desktop({"XDG_CURRENT_DESKTOP": "KDE", "KDE_SESSION_VERSION": "5"},
                   {".config/kdeglobals": KDE_DARK_COLOURS}, "dark"),
    # qt6ct: Fusion with a dark palette of its own.
    "qt6ct": Desktop({"QT_QPA_PLATFORMTHEME": "qt6ct"},
                     {".config/qt6ct/qt6ct.conf":
                      "[Appearance]\ncustom_palette=true\nstyle=Fusion\n"
                      "color_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"}, "dark", "qt6ct"),
    # Another style asked for by the environment.
    "style-variable": Desktop({"QT_STYLE_OVERRIDE": "Windows"}, {}, "windows"),
}


def desktop_in(work, desktop):
    """The desktop's variables, with a home of its own holding its configuration files."""
    home = os.path.join(work, "home")
    for path, text in desktop.files.items():
        os.makedirs(os.path.dirname(os.path.join(home, path)), exist_ok=True)
        with open(os.path.join(home, path), "w") as f:
            f.write(text)
    # The desktops' theme plugins keep memory to the end of a run; in a sanitizer build
    # LeakSanitizer would report their allocations as the program's own.
    return dict(desktop.variables, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                ASAN_OPTIONS="detect_leaks=0")


def probe_desktop(args, display, variables, work):
    """What a plain Qt program gets from this desktop: its colours and its style."""
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(x_client_env(display, runtime), **variables)
    out = subprocess.run([args.palette_probe], env=env, capture_output=True, text=True,
                         timeout=60, check=True).stdout.split()
    return dict(zip(out[::2], out[1::2]))


def lightness(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return (max(r, g, b) + min(r, g, b)) / 2 / 255


def run_theme(args, name):
    if name not in THEMES:
        raise Failure(f"no theme {name!r}; there are {', '.join(THEMES)}")
    desktop = THEMES[name]
    # The first steps of an exercise, so that the mean, a trial number and the answers
    # show too.
    steps = [
        Check("at start"),
        Click("Command3"),
        Spin("Spin_a0", UP, 2),
        Click("Command4"),
        Check("mean, a0 and answers shown"),
    ]
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        variables = desktop_in(work, desktop)
        with x_server(os.path.join(work, "xvfb.log")) as display:
            probe = probe_desktop(args, display, variables, work)
        print(f"theme {name}: a plain Qt program gets {probe}")
        took_hold = (lightness(probe["window"]) < 0.5 if desktop.takes_hold == "dark"
                     else probe["style"] == desktop.takes_hold)
        if not took_hold:
            needs = f" (scripts/setup.sh installs {desktop.package})" if desktop.package else ""
            raise Failure(f"the {name} setting does not give a Qt program its "
                          f"{desktop.takes_hold} look{needs}: {probe}")
        run_steps(args, steps, os.path.join(args.out, f"theme-{name}"),
                  desktop=lambda session_work: desktop_in(session_work, desktop))
