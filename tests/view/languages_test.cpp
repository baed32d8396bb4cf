#include "languages.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "case_name.h"
#include "compiled_catalogues.h"

namespace quorvel {
namespace {

struct Choice {
    const char* name;
    std::vector<std::string_view> preferences;
    std::string_view chosen;
};

void PrintTo(const Choice& row, std::ostream* out) {
    *out << row.name;
}

class ChooseLanguage : public ::testing::TestWithParam<Choice> {};

TEST_P(ChooseLanguage, TakesTheFirstPreferenceItSpeaks) {
    const Choice& row = GetParam();
    EXPECT_EQ(choose_language(row.preferences).code, row.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, ChooseLanguage,
    ::testing::Values(Choice{"nothing_asked", {}, "en"}, Choice{"exact", {"ja"}, "ja"},
                      Choice{"letter_case_ignored", {"PT-br"}, "pt-BR"},
                      Choice{"posix_locale", {"pt_BR.UTF-8"}, "pt-BR"},
                      Choice{"posix_locale_with_modifier", {"de_DE@euro"}, "de"},
                      Choice{"region_falls_back_to_language", {"pt-PT"}, "pt-BR"},
                      Choice{"region_of_arabic", {"ar-EG"}, "ar"},
                      Choice{"simplified_script", {"zh-Hans"}, "zh-CN"},
                      Choice{"other_chinese_region", {"zh-TW"}, "zh-CN"},
                      Choice{"english_first_wins", {"en-GB", "de"}, "en"},
                      Choice{"unknown_passed_over", {"xx", "fr-CA"}, "fr"},
                      Choice{"nothing_known", {"xx", "tlh"}, "en"},
                      Choice{"empty_and_malformed", {"", "-", "@"}, "en"},
                      Choice{"pseudo_only_by_its_code", {"en-XA"}, "en-XA"}),
    testing::CaseName{});

// Every language but English reads its own catalogue, and the build holds no catalogue
// that the program cannot choose.
TEST(Languages, EachCatalogueBelongsToOneLanguage) {
    std::size_t with_catalogue = 0;
    for (const Language& language : languages()) {
        if (language.po_name.empty()) {
            EXPECT_EQ(language.code, english().code);
            continue;
        }
        ++with_catalogue;
        EXPECT_FALSE(compiled_catalogue(language.po_name).empty()) << language.code;
        EXPECT_NO_THROW(catalogue_of(language)) << language.code;
    }
    EXPECT_EQ(with_catalogue, compiled_catalogue_count());
}

TEST(Languages, ArabicAloneRunsRightToLeft) {
    for (const Language& language : languages()) {
        EXPECT_EQ(language.direction == TextDirection::right_to_left, language.code == "ar")
            << language.code;
    }
}

}  // namespace
}  // namespace quorvel
