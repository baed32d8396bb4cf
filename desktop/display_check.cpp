#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "filled_text.h"
#include "translatable.h"

namespace quorvel {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> split(std::string_view list, char separator) {
    std::vector<std::string> out;
    while (!list.empty()) {
        const auto end = list.find(separator);
        if (end != 0) {
            out.emplace_back(list.substr(0, end));
        }
        if (end == std::string_view::npos) {
            break;
        }
        list.remove_prefix(end + 1);
    }
    return out;
}

// The platforms Qt tries, in its order, without their ":arguments".
std::vector<std::string> platforms_to_try(const DisplaySettings& s) {
    std::vector<std::string> names;
    if (!s.platform.empty()) {
        for (const std::string& entry : split(s.platform, ';')) {
            names.push_back(entry.substr(0, entry.find(':')));
        }
        return names;
    }
    if (!s.wayland_display.empty() || s.session_type == "wayland") {
        names.emplace_back("wayland");
    }
    names.emplace_back("xcb");  // named by DISPLAY, and Qt's default besides
    return names;
}

// Why a display cannot be used: a sentence in English, and the display it names.
struct Reason {
    std::string_view sentence;
    std::string display;

    bool operator==(const Reason&) const = default;
};

// Why the X display cannot be used, or nullopt when it can.
std::optional<Reason> x_reason(const DisplaySettings& s, const DisplayProbes& probes) {
    if (s.x_display.empty()) {
        return Reason{N_("DISPLAY is not set."), ""};
    }
    if (!probes.x_answers(s.x_display)) {
        return Reason{N_("No X server answers on the display {display} (DISPLAY)."), s.x_display};
    }
    return std::nullopt;
}

// Why the Wayland display cannot be used, or nullopt when it can.
std::optional<Reason> wayland_reason(const DisplaySettings& s, const DisplayProbes& probes) {
    const std::string name = s.wayland_display.empty() ? "wayland-0" : s.wayland_display;
    std::string path = name;
    if (name.front() != '/') {
        if (s.runtime_dir.empty()) {
            return Reason{
                N_("The Wayland display {display} cannot be found: XDG_RUNTIME_DIR is not set."),
                name};
        }
        path = s.runtime_dir + "/" + name;
    }
    if (!probes.wayland_answers(path)) {
        return Reason{N_("No Wayland compositor answers on {display} (WAYLAND_DISPLAY)."), name};
    }
    if (!s.wayland_plugin) {
        return Reason{N_("The Wayland display {display} needs Qt's Wayland platform plugin "
                         "(Debian package qt6-wayland)."),
                      name};
    }
    return std::nullopt;
}

bool x_server_answers(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool socket_answers(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

// Where Qt looks for platform plugins: its own folder and the two environment paths.
bool wayland_plugin_installed() {
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                        QStringLiteral("/platforms")};
    for (const std::string& dir : split(environment("QT_QPA_PLATFORM_PLUGIN_PATH"), ':')) {
        folders.append(QString::fromStdString(dir));
    }
    for (const std::string& dir : split(environment("QT_PLUGIN_PATH"), ':')) {
        folders.append(QString::fromStdString(dir) + QStringLiteral("/platforms"));
    }
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString& folder) {
        return !QDir(folder).entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
    });
}

}  // namespace

std::optional<std::string> display_problem(const DisplaySettings& settings,
                                           const DisplayProbes& probes,
                                           const Catalogue& catalogue) {
    if (settings.platform.empty() && settings.x_display.empty() &&
        settings.wayland_display.empty() && settings.session_type != "wayland") {
        return "quorvel: " +
               std::string(catalogue.translate(
                   N_("There is no display to open the window on (neither DISPLAY nor "
                      "WAYLAND_DISPLAY is set).\n"
                      "To run it without a screen, start it under a virtual X server:\n"))) +
               "    xvfb-run -a quorvel\n";
    }
    std::vector<Reason> reasons;
    for (const std::string& platform : platforms_to_try(settings)) {
        std::optional<Reason> reason;
        if (platform == "xcb") {
            reason = x_reason(settings, probes);
        } else if (platform.starts_with("wayland")) {
            reason = wayland_reason(settings, probes);
        } else {
            return std::nullopt;  // a platform that needs no display
        }
        if (!reason) {
            return std::nullopt;  // Qt will open the window here
        }
        if (std::find(reasons.begin(), reasons.end(), *reason) == reasons.end()) {
            reasons.push_back(*reason);
        }
    }
    std::string message = "quorvel: " + std::string(catalogue.translate(cannot_open_window));
    for (const Reason& reason : reasons) {
        message +=
            " " + filled(catalogue.translate(reason.sentence), {{"display", reason.display}});
    }
    return message + "\n";
}

DisplaySettings current_display_settings() {
    DisplaySettings s;
    s.platform = environment("QT_QPA_PLATFORM");
    s.x_display = environment("DISPLAY");
    s.wayland_display = environment("WAYLAND_DISPLAY");
    s.session_type = environment("XDG_SESSION_TYPE");
    s.runtime_dir = environment("XDG_RUNTIME_DIR");
    s.wayland_plugin = wayland_plugin_installed();
    return s;
}

DisplayProbes system_display_probes() {
    return {x_server_answers, socket_answers};
}

}  // namespace quorvel
