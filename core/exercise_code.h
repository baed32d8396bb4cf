#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quorvel {

// One exercise: the level it is drawn at and the random source's state just before its
// example was drawn. Both together fix the example and every example after it.
struct Exercise {
    int level = 1;
    std::uint32_t state = 0;  // 24 bits

    bool operator==(const Exercise&) const = default;
};

// What is wrong with a code that names no exercise: its kind, what was found (the
// character not used in codes, empty for one that cannot be printed; the number of
// characters read; the level) and what was wanted (the length of a code; the highest
// level). The sentences a reader sees are made of these in the reader's language.
enum class CodeFault { bad_character, wrong_length, wrong_check, no_such_level };
struct CodeError {
    CodeFault fault;
    std::string found;
    int wanted = 0;

    bool operator==(const CodeError&) const = default;
};

// A code holds six data characters (six bits of level, 24 of state) and one check
// character, all from the 32 digits and capital letters other than I, L, O and U.
inline constexpr std::size_t exercise_code_length = 7;
inline constexpr int highest_code_level = 63;

// The code of an exercise, written "ABCD-EFG" so it reads aloud in two breaths; nullopt
// for a level outside 1 … highest_code_level, which no code can carry.
std::optional<std::string> exercise_code(const Exercise& exercise);

// Reads a code as a person may type it: case, spaces and hyphens do not matter, O reads
// as 0, and I and L as 1. The check character catches any one character mistyped and any
// two swapped. A level outside 1 … highest_level is refused.
std::variant<Exercise, CodeError> read_exercise_code(std::string_view text, int highest_level);

}  // namespace quorvel
