#include "exercise_code.h"

#include <array>
#include <cctype>

namespace quorvel {
namespace {

constexpr std::string_view digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr std::size_t data_length = exercise_code_length - 1;
constexpr int state_bits = 24;
constexpr std::uint32_t state_mask = (1u << state_bits) - 1u;

// Multiplication in the field of 32 elements, modulo x^5 + x^2 + 1.
unsigned times(unsigned a, unsigned b) {
    unsigned product = 0;
    for (; b != 0; b >>= 1) {
        if ((b & 1u) != 0) {
            product ^= a;
        }
        a <<= 1;
        if ((a & 0x20u) != 0) {
            a ^= 0x25u;
        }
    }
    return product;
}

// The check digit: each data digit weighted by its own power of x (x^6 for the first,
// x for the last) and summed in the field. The check digit itself weighs 1, so every
// position has a distinct non-zero weight: changing one digit, or swapping two unequal
// ones, always changes the sum.
unsigned check_of(const std::array<unsigned, data_length>& data) {
    unsigned sum = 0;
    unsigned weight = 2;
    for (std::size_t i = data_length; i-- > 0;) {
        sum ^= times(weight, data[i]);
        weight = times(weight, 2);
    }
    return sum;
}

// The digit a typed character stands for, or nullopt when codes never use it.
std::optional<unsigned> digit_of(char typed) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    if (c == 'O') {
        c = '0';
    } else if (c == 'I' || c == 'L') {
        c = '1';
    }
    const auto at = digits.find(c);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<unsigned>(at);
}

bool is_separator(char c) {
    return c == ' ' || c == '-' || c == '\t';
}

CodeError bad_character(char c) {
    const bool printable =
        static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x7F;
    return {CodeFault::bad_character, printable ? std::string(1, c) : std::string()};
}

}  // namespace

std::optional<std::string> exercise_code(const Exercise& exercise) {
    if (exercise.level < 1 || exercise.level > highest_code_level) {
        return std::nullopt;
    }
    std::uint32_t bits =
        (static_cast<std::uint32_t>(exercise.level) << state_bits) | (exercise.state & state_mask);
    std::array<unsigned, data_length> data{};
    for (std::size_t i = data_length; i-- > 0;) {
        data[i] = bits & 0x1Fu;
        bits >>= 5;
    }
    std::string code;
    for (std::size_t i = 0; i < data_length; ++i) {
        if (i == 4) {
            code += '-';
        }
        code += digits[data[i]];
    }
    return code + digits[check_of(data)];
}

std::variant<Exercise, CodeError> read_exercise_code(std::string_view text, int highest_level) {
    std::array<unsigned, exercise_code_length> read{};
    std::size_t length = 0;
    for (const char c : text) {
        if (is_separator(c)) {
            continue;
        }
        const auto digit = digit_of(c);
        if (!digit) {
            return bad_character(c);
        }
        if (length < read.size()) {
            read[length] = *digit;
        }
        ++length;
    }
    if (length != exercise_code_length) {
        return CodeError{CodeFault::wrong_length, std::to_string(length),
                         static_cast<int>(exercise_code_length)};
    }
    std::array<unsigned, data_length> data{};
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < data_length; ++i) {
        data[i] = read[i];
        bits = (bits << 5) | read[i];
    }
    if (check_of(data) != read[data_length]) {
        return CodeError{CodeFault::wrong_check, "", 0};
    }
    const int level = static_cast<int>(bits >> state_bits);
    if (level < 1 || level > highest_level) {
        return CodeError{CodeFault::no_such_level, std::to_string(level), highest_level};
    }
    return Exercise{level, bits & state_mask};
}

}  // namespace quorvel
