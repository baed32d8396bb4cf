#include "command_line.h"

#include <string_view>
#include <utility>
#include <variant>

#include "command_table.h"
#include "form_state.h"
#include "project_version.h"

namespace quorvel {
namespace {

constexpr std::string_view exercise_option = "--exercise";
constexpr std::string_view glued_exercise_option = "--exercise=";

// --exercise's code, read against the levels the window will have: Form_Load starts
// max_order at highest_harmonic.
CommandLine read_exercise(CommandLine line, std::string_view code) {
    auto read = read_exercise_code(code, highest_harmonic);
    if (auto* error = std::get_if<CodeError>(&read)) {
        return {CommandLine::Action::refuse_exercise, std::move(error->message)};
    }
    line.exercise = std::get<Exercise>(read);
    return line;
}

}  // namespace

CommandLine read_command_line(std::span<const char* const> arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument(arguments[i]);
        if (argument == "--high-contrast") {
            line.palette = Palette::high_contrast;
            continue;
        }
        if (argument == exercise_option || argument.starts_with(glued_exercise_option)) {
            const bool glued = argument != exercise_option;
            if (!glued && ++i == arguments.size()) {
                return {CommandLine::Action::refuse_exercise, "it needs a code"};
            }
            line =
                read_exercise(std::move(line), glued ? argument.substr(glued_exercise_option.size())
                                                     : std::string_view(arguments[i]));
            if (line.action == CommandLine::Action::refuse_exercise) {
                return line;
            }
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
    return "Usage: quorvel [--high-contrast] [--exercise CODE] [--help | --version]\n"
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
           "  --exercise CODE  open on the exercise a code names: whoever opens the same\n"
           "                   code gets the same example, and the same ones after RESET\n"
           "\n"
           "It needs a display (DISPLAY or WAYLAND_DISPLAY); without a screen, run it on a\n"
           "virtual X server: xvfb-run -a quorvel\n";
}

std::string version_text() {
    return "quorvel " QUORVEL_VERSION;
}

}  // namespace quorvel
