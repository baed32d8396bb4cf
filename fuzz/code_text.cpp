#include "code_text.h"

#include <variant>

#include "catalogue.h"
#include "exercise_code.h"
#include "exercise_dialog_text.h"
#include "form_state.h"

namespace quorvel::testing {
namespace {

std::optional<std::string> check_with(std::string_view text, int highest_level) {
    const auto read = read_exercise_code(text, highest_level);
    if (const auto* error = std::get_if<CodeError>(&read)) {
        const std::string said = code_error_text(*error, Catalogue{});
        if (said.empty() || said.find('\n') != std::string::npos) {
            return "a refusal that is not one line";
        }
        return std::nullopt;
    }
    const auto& exercise = std::get<Exercise>(read);
    if (exercise.level < 1 || exercise.level > highest_level || exercise.state > 0xFFFFFFu) {
        return "an exercise outside the levels or the states";
    }
    const auto code = exercise_code(exercise);
    if (!code) {
        return "a read exercise with no code";
    }
    const auto again = read_exercise_code(*code, highest_level);
    if (!std::holds_alternative<Exercise>(again) || !(std::get<Exercise>(again) == exercise)) {
        return "the code " + *code + " does not read back to its exercise";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> check_code_text(std::string_view text) {
    if (auto failure = check_with(text, highest_harmonic)) {
        return failure;
    }
    return check_with(text, highest_code_level);
}

}  // namespace quorvel::testing
