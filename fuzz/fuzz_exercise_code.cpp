// libFuzzer entry: the input bytes are text typed as an exercise code. Whatever it is, the
// reader answers without crashing; an exercise it reads has a code that reads back to the
// same exercise, and a refusal is one non-empty line. Anything else aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "exercise_code.h"
#include "form_state.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fputs(what, stderr);
    std::abort();
}

void check(std::string_view text, int highest_level) {
    const auto read = quorvel::read_exercise_code(text, highest_level);
    if (const auto* error = std::get_if<quorvel::CodeError>(&read)) {
        if (error->message.empty() || error->message.find('\n') != std::string::npos) {
            fail("a refusal that is not one line\n");
        }
        return;
    }
    const auto& exercise = std::get<quorvel::Exercise>(read);
    if (exercise.level < 1 || exercise.level > highest_level || exercise.state > 0xFFFFFFu) {
        fail("an exercise outside the levels or the states\n");
    }
    const auto code = quorvel::exercise_code(exercise);
    if (!code) {
        fail("a read exercise with no code\n");
    }
    const auto again = quorvel::read_exercise_code(*code, highest_level);
    if (!std::holds_alternative<quorvel::Exercise>(again) ||
        !(std::get<quorvel::Exercise>(again) == exercise)) {
        fail("a code that does not read back to its exercise\n");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, quorvel::highest_harmonic);
    check(text, quorvel::highest_code_level);
    return 0;
}
