#include "command_line.h"

#include <string_view>

#include "command_table.h"
#include "project_version.h"

namespace quorvel {

CommandLine read_command_line(std::span<const char* const> arguments) {
    CommandLine line;
    for (const char* raw : arguments) {
        const std::string_view argument(raw);
        if (argument == "--high-contrast") {
            line.palette = Palette::high_contrast;
            continue;
        }
        if (argument != "--help" && argument != "--version") {
            return {CommandLine::Action::refuse, std::string(argument)};
        }
        if (line.action == CommandLine::Action::open_window) {
            line.action = argument == "--help" ? CommandLine::Action::show_help
                                               : CommandLine::Action::show_version;
        }
    }
    return line;
}

std::string usage_text() {
    const std::string_view contrast_keys = find_command("high_contrast")->desktop.keys;
    return "Usage: quorvel [--high-contrast] [--help | --version]\n"
           "Opens the Fourier Series window, where the coefficients of a wave are worked\n"
           "out by hand.\n"
           "\n"
           "  --high-contrast  open the window in high contrast: darker reds, greens and\n"
           "                   outlines, every text at 4.5:1 or more (" +
           std::string(contrast_keys) +
           " and the\n"
           "                   window's menu switch it at any time)\n"
           "  --help           show this text and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "It needs a display (DISPLAY or WAYLAND_DISPLAY); without a screen, run it on a\n"
           "virtual X server: xvfb-run -a quorvel\n";
}

std::string version_text() {
    return "quorvel " QUORVEL_VERSION;
}

}  // namespace quorvel
