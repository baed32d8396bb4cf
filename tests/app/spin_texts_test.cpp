// The texts that tell spin buttons' bounds, each control's accessible description and the
// help's glossary, take them from the form's ranges: given other ranges, every bound
// they tell follows, so an edited range cannot leave a stale number in the prose.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "accessible_texts.h"
#include "case_name.h"
#include "form_fixture.h"
#include "help_text.h"
#include "layout.h"
#include "spin_ranges.h"

namespace quorvel {
namespace {

using testing::LoadedForm;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_word(char c) {
    return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A number a text writes on its own, read back: its value, and the minus sign it was
// written with ("-", the typeset "−", or none).
struct Written {
    int value = 0;
    std::string_view minus;
    friend bool operator==(const Written&, const Written&) = default;
};

// The numbers a text writes on their own, with a "-" or "−" in front of them; not the
// digit of a name such as "a0".
std::vector<Written> numbers_in(std::string_view text) {
    constexpr std::string_view typeset_minus = "−";
    std::vector<Written> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!is_digit(text[i]) || (i > 0 && is_word(text[i - 1]))) {
            ++i;
            continue;
        }
        std::string_view minus;
        if (i > 0 && text[i - 1] == '-') {
            minus = "-";
        } else if (text.substr(0, i).ends_with(typeset_minus)) {
            minus = typeset_minus;
        }
        int value = 0;
        while (i < text.size() && is_digit(text[i])) {
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        out.push_back({minus.empty() ? value : -value, minus});
    }
    return out;
}

// Whether the text writes `value`, a negative one with `minus` in front of it.
bool holds(const std::vector<Written>& numbers, int value, std::string_view minus) {
    const Written wanted{value, value < 0 ? minus : std::string_view()};
    return std::find(numbers.begin(), numbers.end(), wanted) != numbers.end();
}

// Ranges no spin button has (101 … 102 by 103, then 201 … 202 by 203, …), one for each
// button, or one for each range of the form when the buttons that share a range there
// must share one here; a negative minimum stays negative.
enum class Sharing { each_button, as_in_the_form };

class EditedRanges {
  public:
    explicit EditedRanges(Sharing sharing) {
        std::vector<SpinRange> seen;
        for (const ControlRow& row : layout_table()) {
            const std::optional<SpinRange> real = spin_range(run_.form, row.name);
            if (!real) {
                continue;
            }
            auto at = std::find(seen.begin(), seen.end(), *real);
            if (at == seen.end() || sharing == Sharing::each_button) {
                at = seen.insert(seen.end(), *real);
            }
            const int base = 100 * static_cast<int>(at - seen.begin() + 1);
            edited_[full_name(row.name)] = {real->minimum < 0 ? -(base + 1) : base + 1, base + 2,
                                            base + 3};
        }
    }

    SpinRange of(ControlName spin) const { return edited_.at(full_name(spin)); }
    SpinRangeOf lookup() const {
        return [this](ControlName spin) -> std::optional<SpinRange> {
            const auto at = edited_.find(full_name(spin));
            return at == edited_.end() ? std::nullopt : std::optional(at->second);
        };
    }
    std::size_t size() const { return edited_.size(); }

  private:
    LoadedForm run_;
    std::map<std::string, SpinRange> edited_;
};

// Every spin button's description says its own bounds, and its step if it names one,
// and no other number: a bound written into the prose, or another button's, would show.
TEST(SpinTexts, EachSpinButtonsDescriptionTellsItsOwnRangeAndNoOtherNumber) {
    const EditedRanges edited(Sharing::each_button);
    int spins = 0;
    for (const ControlRow& row : layout_table()) {
        if (row.kind != ControlKind::spin_button) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        const AccessibleText* text = find_accessible_text(row.name);
        ASSERT_NE(text, nullptr);
        const SpinRange range = edited.of(row.name);
        const std::vector<Written> numbers = numbers_in(description_of(*text, edited.lookup()));
        for (const Written& number : numbers) {
            EXPECT_TRUE(number.value == range.minimum || number.value == range.maximum ||
                        number.value == range.step)
                << number.value << " is none of its bounds";
        }
        for (const int bound : {range.minimum, range.maximum}) {
            EXPECT_TRUE(holds(numbers, bound, "-")) << "no " << bound;
        }
        ++spins;
    }
    EXPECT_EQ(static_cast<std::size_t>(spins), edited.size());
}

// The shells fill every description alike; with the form's own ranges each is whole.
TEST(SpinTexts, EveryDescriptionIsFilledFromTheLoadedForm) {
    LoadedForm run;
    for (const AccessibleText& row : accessible_texts()) {
        SCOPED_TRACE(full_name(row.control));
        std::string shown;
        ASSERT_NO_THROW(shown = description_of(row, spin_ranges(run.form)));
        EXPECT_EQ(shown.find('{'), std::string::npos) << shown;
    }
}

// Each glossary entry that speaks of spin buttons tells their bounds, set in type with a
// true minus sign.
struct GlossaryCase {
    std::string name;
    std::string_view term;
    std::vector<ControlName> spins;
};

void PrintTo(const GlossaryCase& c, std::ostream* out) {
    *out << c.name;
}

class GlossaryBounds : public ::testing::TestWithParam<GlossaryCase> {};

TEST_P(GlossaryBounds, FollowTheRanges) {
    const EditedRanges edited(Sharing::as_in_the_form);
    const auto glossary = help_text().glossary;
    const auto term = std::find_if(glossary.begin(), glossary.end(),
                                   [](const HelpTerm& t) { return t.term == GetParam().term; });
    ASSERT_NE(term, glossary.end());
    const std::vector<Written> numbers = numbers_in(meaning_of(*term, edited.lookup(), {}));
    for (const ControlName spin : GetParam().spins) {
        const SpinRange range = edited.of(spin);
        for (const int bound : {range.minimum, range.maximum}) {
            EXPECT_TRUE(holds(numbers, bound, "−")) << "no " << bound << " of " << full_name(spin);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Help, GlossaryBounds,
    ::testing::Values(
        GlossaryCase{"essential_wave", "E", {{"Spin_n"}}},
        GlossaryCase{"product", "W2", {{"Spin_k"}}},
        GlossaryCase{"cosine_terms",
                     "C0 … C4",
                     {{"Spin_a0"}, {"Spin_a1"}, {"Spin_a2"}, {"Spin_a3"}, {"Spin_a4"}}},
        GlossaryCase{
            "sine_terms", "S1 … S4", {{"Spin_b1"}, {"Spin_b2"}, {"Spin_b3"}, {"Spin_b4"}}}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvel
