// Exercise codes: written and read back for every level and state, forgiving of how a
// person types them, and every mistyped or foreign code refused with what is wrong.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "case_name.h"
#include "exercise_code.h"

namespace quorvel {
namespace {

constexpr int highest_level = 4;
constexpr std::string_view code_digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

std::string code_of(const Exercise& exercise) {
    const auto code = exercise_code(exercise);
    EXPECT_TRUE(code.has_value()) << "level " << exercise.level;
    return code.value_or("");
}

// The exercise a code names, or the kind of fault reading it found.
std::variant<Exercise, CodeFault> reading_of(std::string_view text, int highest = highest_level) {
    auto read = read_exercise_code(text, highest);
    if (const auto* error = std::get_if<CodeError>(&read)) {
        return error->fault;
    }
    return std::get<Exercise>(read);
}

TEST(ExerciseCode, EveryLevelAndStateReadsBack) {
    const std::vector<std::uint32_t> states = {0, 1, 0x50000, 0x7FFFFF, 0xABCDEF, 0xFFFFFF};
    for (int level = 1; level <= highest_code_level; ++level) {
        for (const std::uint32_t state : states) {
            const Exercise exercise{level, state};
            const std::string code = code_of(exercise);
            ASSERT_EQ(code.size(), exercise_code_length + 1) << code;
            EXPECT_EQ(code[4], '-') << code;
            EXPECT_EQ(reading_of(code, highest_code_level),
                      (std::variant<Exercise, CodeFault>(exercise)))
                << "level " << level << ", state " << state << ": " << code;
        }
    }
}

TEST(ExerciseCode, NoCodeForALevelItCannotCarry) {
    EXPECT_EQ(exercise_code({0, 5}), std::nullopt);
    EXPECT_EQ(exercise_code({highest_code_level + 1, 5}), std::nullopt);
}

// Any one character replaced by any other, and any two unequal characters swapped,
// anywhere in the code (the hyphen is not a character of it), is caught by the check.
TEST(ExerciseCode, EverySubstitutionAndTranspositionIsCaught) {
    for (const Exercise exercise :
         {Exercise{1, 0x50000}, Exercise{4, 0xFFFFFF}, Exercise{3, 0}, Exercise{2, 0x9E3779}}) {
        std::string code = code_of(exercise);
        code.erase(4, 1);
        for (std::size_t i = 0; i < code.size(); ++i) {
            for (const char other : code_digits) {
                if (other == code[i]) {
                    continue;
                }
                std::string typed = code;
                typed[i] = other;
                EXPECT_EQ(reading_of(typed),
                          (std::variant<Exercise, CodeFault>(CodeFault::wrong_check)))
                    << code << " read as " << typed;
            }
            for (std::size_t j = i + 1; j < code.size(); ++j) {
                if (code[i] == code[j]) {
                    continue;
                }
                std::string typed = code;
                std::swap(typed[i], typed[j]);
                EXPECT_EQ(reading_of(typed),
                          (std::variant<Exercise, CodeFault>(CodeFault::wrong_check)))
                    << code << " read as " << typed;
            }
        }
    }
}

// How a person may write a code down: small letters, spaces, hyphens anywhere, O for 0,
// I or L for 1.
TEST(ExerciseCode, CaseSpacesHyphensAndLookAlikesDoNotMatter) {
    // A code that holds both a 0 and a 1, to type them as letters.
    std::string code;
    for (std::uint32_t state = 0;
         code.find('0') == std::string::npos || code.find('1') == std::string::npos; ++state) {
        code = code_of({1, state});
    }
    const auto expected = reading_of(code);
    ASSERT_TRUE(std::holds_alternative<Exercise>(expected)) << code;
    std::string lower = code;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string letters = code;
    for (char& c : letters) {
        c = c == '0' ? 'O' : c == '1' ? 'l' : c;
    }
    std::string loose = code;
    loose.erase(4, 1);
    loose = " " + loose.substr(0, 2) + " -" + loose.substr(2) + "\t";
    std::string upper_i = code;
    for (char& c : upper_i) {
        c = c == '1' ? 'I' : c;
    }
    for (const std::string& typed : {lower, letters, loose, upper_i}) {
        EXPECT_EQ(reading_of(typed), expected) << code << " typed as " << typed;
    }
}

struct BadCode {
    const char* name;
    std::string text;
    CodeError error;
};

void PrintTo(const BadCode& c, std::ostream* out) {
    *out << c.name << " '" << c.text << "'";
}

// A code with its check character replaced by the next digit.
std::string with_wrong_check(std::string code) {
    const auto at = code_digits.find(code.back());
    code.back() = code_digits[(at + 1) % code_digits.size()];
    return code;
}

class BadCodes : public ::testing::TestWithParam<BadCode> {};

TEST_P(BadCodes, SayWhatIsWrong) {
    const BadCode& c = GetParam();
    auto read = read_exercise_code(c.text, highest_level);
    ASSERT_TRUE(std::holds_alternative<CodeError>(read)) << c.text;
    EXPECT_EQ(std::get<CodeError>(read), c.error);
}

const std::string start_code = exercise_code({1, 0x50000}).value_or("");

INSTANTIATE_TEST_SUITE_P(
    Table, BadCodes,
    ::testing::Values(
        BadCode{"wrong_check", with_wrong_check(start_code), {CodeFault::wrong_check, "", 0}},
        BadCode{"level_above_the_highest",
                exercise_code({5, 0x50000}).value_or(""),
                {CodeFault::no_such_level, "5", 4}},
        // All zeros: the check of nothing is nothing, so only the level is wrong.
        BadCode{"level_0", "0000-000", {CodeFault::no_such_level, "0", 4}},
        BadCode{"empty", "", {CodeFault::wrong_length, "0", 7}},
        BadCode{"only_separators", " - ", {CodeFault::wrong_length, "0", 7}},
        BadCode{"too_long", start_code + "7", {CodeFault::wrong_length, "8", 7}},
        BadCode{"too_short", start_code.substr(0, 6), {CodeFault::wrong_length, "5", 7}},
        BadCode{"letter_u", "ABCD-EFU", {CodeFault::bad_character, "U", 0}},
        BadCode{"small_u_named_as_typed", "u", {CodeFault::bad_character, "u", 0}},
        BadCode{"punctuation", "AB*D-EFG", {CodeFault::bad_character, "*", 0}},
        BadCode{"not_ascii",
                "AB\xc3\xa9"
                "D-EFG",
                {CodeFault::bad_character, "", 0}},
        BadCode{"line_break", "ABCD\nEFG", {CodeFault::bad_character, "", 0}}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvel
