#pragma once

#include <optional>
#include <span>
#include <string>

#include "catalogue.h"
#include "exercise_code.h"
#include "languages.h"
#include "palette.h"

namespace quorvel {

// What the command line asks of the program: --high-contrast opens the window in the
// high-contrast palette, --language CODE speaks that language whatever the system's,
// --exercise CODE opens on the exercise a code names; the conventional --help and
// --version need no display.
struct CommandLine {
    enum class Action { open_window, show_help, show_version, refuse };
    enum class Refusal {
        unknown_argument,
        unknown_language,
        missing_language,
        missing_exercise,
        bad_exercise,
    };
    Action action = Action::open_window;
    // For Action::refuse: why, and the argument or language code not understood, or
    // what is wrong with an exercise code.
    Refusal refusal = Refusal::unknown_argument;
    std::string refused;
    std::optional<CodeError> code_error = std::nullopt;
    Palette palette = Palette::seed;
    const Language* language = nullptr;               // nullptr: the system's
    std::optional<Exercise> exercise = std::nullopt;  // --exercise's, read and checked
};

// Reads the arguments after the program's name. Any argument other than --high-contrast,
// --language CODE (or --language=CODE), --exercise CODE (or --exercise=CODE), --help and
// --version is refused, as is a code that names no language or no exercise; otherwise the
// first of --help and --version decides.
CommandLine read_command_line(std::span<const char* const> arguments);

// The language to speak: --language's, else the best of the system's preferences
// (preferences best first, as QLocale::uiLanguages gives them).
const Language& language_of(const CommandLine& line, std::span<const std::string_view> preferences);

// The text --help prints, ending in a newline.
std::string usage_text(const Catalogue& catalogue);

// The one line, newline included, that says why the command line was refused.
std::string refusal_text(const CommandLine& line, const Catalogue& catalogue);

// "quorvel 0.1.0": the project's version, as --version prints it (without a newline).
std::string version_text();

}  // namespace quorvel
