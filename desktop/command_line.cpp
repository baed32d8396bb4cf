#include "command_line.h"

#include <optional>
#include <string_view>
#include <variant>

#include "command_table.h"
#include "exercise_dialog_text.h"
#include "filled_text.h"
#include "form_state.h"
#include "project_version.h"
#include "translatable.h"

namespace quorvel {
namespace {

constexpr std::string_view language_option = "--language";
constexpr std::string_view exercise_option = "--exercise";

// "en, ar, de, …": the codes --language takes, as the Language menu lists them.
std::string listed_codes() {
    std::string codes;
    for (const Language& language : languages()) {
        if (language.listed) {
            codes += (codes.empty() ? "" : ", ") + std::string(language.code);
        }
    }
    return codes;
}

CommandLine refused(CommandLine::Refusal why, std::string_view what) {
    CommandLine line;
    line.action = CommandLine::Action::refuse;
    line.refusal = why;
    line.refused = what;
    return line;
}

// The value of an option taken as "--name VALUE" or "--name=VALUE", stepping `next` past
// a separate value: nullopt when the argument at `next` is another, empty when the value
// is missing.
std::optional<std::string_view> option_value(std::string_view name,
                                             std::span<const char* const>::iterator& next,
                                             std::span<const char* const>::iterator end) {
    const std::string_view argument(*next);
    if (argument.starts_with(name) && argument.size() > name.size() &&
        argument[name.size()] == '=') {
        return argument.substr(name.size() + 1);
    }
    if (argument != name) {
        return std::nullopt;
    }
    return next + 1 != end ? std::string_view(*++next) : std::string_view();
}

}  // namespace

CommandLine read_command_line(std::span<const char* const> arguments) {
    CommandLine line;
    for (auto next = arguments.begin(); next != arguments.end(); ++next) {
        const std::string_view argument(*next);
        if (argument == "--high-contrast") {
            line.palette = Palette::high_contrast;
            continue;
        }
        if (const auto code = option_value(language_option, next, arguments.end())) {
            if (code->empty()) {
                return refused(CommandLine::Refusal::missing_language, language_option);
            }
            line.language = find_language(*code);
            if (line.language == nullptr) {
                return refused(CommandLine::Refusal::unknown_language, *code);
            }
            continue;
        }
        if (const auto code = option_value(exercise_option, next, arguments.end())) {
            if (code->empty()) {
                return refused(CommandLine::Refusal::missing_exercise, exercise_option);
            }
            // Read against the levels the window will have: Form_Load starts max_order at
            // highest_harmonic.
            auto read = read_exercise_code(*code, highest_harmonic);
            if (auto* error = std::get_if<CodeError>(&read)) {
                CommandLine refusal = refused(CommandLine::Refusal::bad_exercise, *code);
                refusal.code_error = std::move(*error);
                return refusal;
            }
            line.exercise = std::get<Exercise>(read);
            continue;
        }
        if (argument != "--help" && argument != "--version") {
            return refused(CommandLine::Refusal::unknown_argument, argument);
        }
        if (line.action == CommandLine::Action::open_window) {
            line.action = argument == "--help" ? CommandLine::Action::show_help
                                               : CommandLine::Action::show_version;
        }
    }
    return line;
}

const Language& language_of(const CommandLine& line,
                            std::span<const std::string_view> preferences) {
    return line.language != nullptr ? *line.language : choose_language(preferences);
}

// One text per paragraph or option, so that a translator re-wraps each to 80 columns.
std::string usage_text(const Catalogue& catalogue) {
    const auto tr = [&catalogue](std::string_view english) {
        return std::string(catalogue.translate(english));
    };
    const std::string_view contrast_keys = find_command("high_contrast")->desktop.keys;
    const std::string codes = listed_codes();
    return tr(N_("Usage: quorvel [--high-contrast] [--language CODE] [--exercise CODE]\n"
                 "  or:  quorvel [--help | --version]\n"
                 "Opens the Fourier Series window, where the coefficients of a wave are worked\n"
                 "out by hand.\n")) +
           "\n" +
           filled(tr(N_("  --high-contrast  open the window in high contrast: darker reds, greens "
                        "and\n"
                        "                   outlines, every text at 4.5:1 or more ({keys} and "
                        "the\n"
                        "                   window's menu switch it at any time)\n")),
                  {{"keys", contrast_keys}}) +
           filled(tr(N_("  --language CODE  speak this language in place of the system's, one "
                        "of:\n"
                        "                   {codes}\n")),
                  {{"codes", codes}}) +
           tr(N_(
               "  --exercise CODE  open on the exercise a code names: whoever opens the same\n"
               "                   code gets the same example, and the same ones after RESET\n")) +
           tr(N_("  --help           show this text and exit\n")) +
           tr(N_("  --version        show the version and exit\n")) + "\n" +
           tr(N_("It needs a display (DISPLAY or WAYLAND_DISPLAY); without a screen, run it on "
                 "a\n"
                 "virtual X server: xvfb-run -a quorvel\n"));
}

std::string refusal_text(const CommandLine& line, const Catalogue& catalogue) {
    std::string_view text;
    switch (line.refusal) {
        case CommandLine::Refusal::unknown_argument:
            text = N_("unknown argument '{argument}' (quorvel --help lists those it takes)");
            break;
        case CommandLine::Refusal::unknown_language:
            text =
                N_("unknown language '{argument}' (quorvel --help lists the languages it "
                   "speaks)");
            break;
        case CommandLine::Refusal::missing_language:
            text = N_("{argument} needs a language code (quorvel --help lists them)");
            break;
        case CommandLine::Refusal::missing_exercise:
            text = N_("{argument} needs an exercise code");
            break;
        case CommandLine::Refusal::bad_exercise:
            return "quorvel: --exercise: " + code_error_text(*line.code_error, catalogue) + "\n";
    }
    return "quorvel: " + filled(catalogue.translate(text), {{"argument", line.refused}}) + "\n";
}

std::string version_text() {
    return "quorvel " QUORVEL_VERSION;
}

}  // namespace quorvel
