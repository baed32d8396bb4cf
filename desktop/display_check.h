#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "translatable.h"

namespace quorvel {

// What the program says, after "quorvel: ", when the window cannot be opened.
inline constexpr std::string_view cannot_open_window = N_("Cannot open the window.");

// What decides where Qt opens the window: the environment and the installed plugins.
struct DisplaySettings {
    std::string platform{};         // QT_QPA_PLATFORM, a list such as "xcb" or "wayland;xcb"
    std::string x_display{};        // DISPLAY
    std::string wayland_display{};  // WAYLAND_DISPLAY
    std::string session_type{};     // XDG_SESSION_TYPE
    std::string runtime_dir{};      // XDG_RUNTIME_DIR, where a relative Wayland name lives
    bool wayland_plugin = false;    // Qt's Wayland platform plugin is installed
};

// Whether a display server answers: an X display name, a Wayland socket's path.
struct DisplayProbes {
    std::function<bool(const std::string&)> x_answers;
    std::function<bool(const std::string&)> wayland_answers;
};

// Qt ends the program with an abort when none of the platforms it tries can be opened.
// This asks the same displays first, in Qt's order (QT_QPA_PLATFORM when set; otherwise
// Wayland when named, then X), and gives the message for the user, in the catalogue's
// language, when none answers; nullopt when one does or when the platform needs no
// display (offscreen, vnc, ...).
std::optional<std::string> display_problem(const DisplaySettings& settings,
                                           const DisplayProbes& probes, const Catalogue& catalogue);

// The settings of this process, and probes that connect to the servers for real.
DisplaySettings current_display_settings();
DisplayProbes system_display_probes();

}  // namespace quorvel
