#pragma once

#include <optional>
#include <span>
#include <string>

#include "exercise_code.h"
#include "palette.h"

namespace quorvel {

// What the command line asks of the program: --high-contrast opens the window in the
// high-contrast palette; the conventional --help and --version need no display.
struct CommandLine {
    enum class Action { open_window, show_help, show_version, refuse, refuse_exercise };
    Action action = Action::open_window;
    std::string refused;  // the first argument not understood, for Action::refuse
    Palette palette = Palette::seed;
    // --exercise CODE: the exercise the window opens on, or what is wrong with the code
    // (in `refused`, for Action::refuse_exercise).
    std::optional<Exercise> exercise = std::nullopt;
};

// Reads the arguments after the program's name. Any argument other than --high-contrast,
// --exercise CODE (or --exercise=CODE), --help and --version is refused, and so is a code
// that names no exercise; otherwise the first of --help and --version decides.
CommandLine read_command_line(std::span<const char* const> arguments);

// The text --help prints, ending in a newline.
std::string usage_text();

// "quorvel 0.1.0": the project's version, as --version prints it (without a newline).
std::string version_text();

}  // namespace quorvel
