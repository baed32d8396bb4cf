// The range each spin button reports is the one its handlers really keep: pressed past
// either end, the number in its readout stops exactly at the reported bound, having
// moved by the reported step.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "form_fixture.h"
#include "spin_ranges.h"

namespace quorvel {
namespace {

using testing::LoadedForm;

struct RangeCase {
    std::string name;
    ControlName readout;
    SpinRange range;
};

class SpinRangeOf : public ::testing::TestWithParam<RangeCase> {
  protected:
    int shown(LoadedForm& run) const { return std::stoi(run.caption(GetParam().readout)); }
};

// Each press moves the readout by one step or, at the bound, not at all; far more
// presses than the range needs end on the bound.
TEST_P(SpinRangeOf, IsWhereItsHandlersStop) {
    LoadedForm run;
    const SpinRange range = GetParam().range;
    ASSERT_EQ(spin_range(run.form, {"Spin_" + GetParam().name}), range);

    struct Direction {
        const char* event;
        int sign;
        int bound;
    };
    for (const Direction& way :
         {Direction{"_SpinUp", 1, range.maximum}, Direction{"_SpinDown", -1, range.minimum},
          Direction{"_SpinUp", 1, range.maximum}}) {
        SCOPED_TRACE(way.event);
        const std::string handler = "Spin_" + GetParam().name + way.event;
        for (int i = 0; i < (range.maximum - range.minimum) / range.step + 3; ++i) {
            const int before = shown(run);
            run.run_all({handler});
            const int after = shown(run);
            EXPECT_TRUE(after == before + way.sign * range.step ||
                        (after == before && before == way.bound))
                << before << " to " << after;
        }
        EXPECT_EQ(shown(run), way.bound);
    }
}

INSTANTIATE_TEST_SUITE_P(Spinners, SpinRangeOf,
                         ::testing::Values(RangeCase{"lebel", {"value_lebel"}, {1, 4, 1}},
                                           RangeCase{"n", {"value_n"}, {0, 4, 1}},
                                           RangeCase{"k", {"value_k"}, {10, 50, 10}},
                                           RangeCase{"a0", {"value_a", 0}, {-10, 10, 1}},
                                           RangeCase{"a1", {"value_a", 1}, {0, 10, 1}},
                                           RangeCase{"a4", {"value_a", 4}, {0, 10, 1}},
                                           RangeCase{"b1", {"value_b", 1}, {0, 10, 1}},
                                           RangeCase{"b4", {"value_b", 4}, {0, 10, 1}}),
                         testing::CaseName{});

TEST(SpinRange, IsOnlyKnownForSpinButtons) {
    LoadedForm run;
    EXPECT_FALSE(spin_range(run.form, {"value_n"}));
    EXPECT_FALSE(spin_range(run.form, {"Spin_b0"}));
    EXPECT_FALSE(spin_range(run.form, {"SpinButton1"}));
}

}  // namespace
}  // namespace quorvel
