#include "exercise_dialog_text.h"

#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "languages.h"

namespace quorvel {
namespace {

struct RefusedCode {
    const char* name;
    CodeError error;
    std::string english;
};

void PrintTo(const RefusedCode& c, std::ostream* out) {
    *out << c.name;
}

class CodeRefusals : public ::testing::TestWithParam<RefusedCode> {};

// What the reader found, in the words a dialog shows: the values land where the sentence
// names them.
TEST_P(CodeRefusals, SayWhatIsWrongInEnglish) {
    const RefusedCode& c = GetParam();
    EXPECT_EQ(code_refusal(c.error, Catalogue{}),
              "This exercise code cannot be opened: " + c.english + ".");
}

// Another language keeps every value: a translation that lost a placeholder would drop it.
TEST_P(CodeRefusals, KeepTheirValuesInEveryLanguage) {
    const RefusedCode& c = GetParam();
    for (const Language& language : languages()) {
        SCOPED_TRACE(language.code);
        const std::string said = code_refusal(c.error, catalogue_of(language));
        EXPECT_NE(said.find(c.error.found), std::string::npos) << said;
        if (c.error.wanted != 0) {
            EXPECT_NE(said.find(std::to_string(c.error.wanted)), std::string::npos) << said;
        }
        EXPECT_EQ(said.find('{'), std::string::npos) << said;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CodeRefusals,
    ::testing::Values(
        RefusedCode{"character",
                    {CodeFault::bad_character, "U", 0},
                    "'U' is not a character of exercise codes"},
        RefusedCode{"unprintable_character",
                    {CodeFault::bad_character, "", 0},
                    "the code holds a character that exercise codes do not use"},
        RefusedCode{"length",
                    {CodeFault::wrong_length, "3", 7},
                    "an exercise code has 7 characters, not 3"},
        RefusedCode{"check",
                    {CodeFault::wrong_check, "", 0},
                    "the code's check character does not match: a character is mistyped or two "
                    "are swapped"},
        RefusedCode{"level",
                    {CodeFault::no_such_level, "9", 4},
                    "the code is for level 9, and the levels are 1 to 4"}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvel
