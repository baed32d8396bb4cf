#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "case_name.h"
#include "comma_locale.h"
#include "decimal_text.h"
#include "form.h"
#include "form_fixture.h"
#include "product_wave.h"

namespace quorvel {
namespace {

using testing::DrawCall;
using testing::LoadedForm;

struct ReadoutCase {
    const char* name;
    float mean;
    const char* text;
};

class Readout : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readout, IsTheMeanCutToFourDecimalsTowardsMinusInfinity) {
    EXPECT_EQ(s_over_t_text(GetParam().mean), GetParam().text);
}

TEST_P(Readout, KeepsItsPointUnderACommaLocale) {
    const testing::CommaLocale comma;
    ASSERT_TRUE(comma.active()) << "the locale " << testing::comma_locale_name << " is missing";
    EXPECT_EQ(s_over_t_text(GetParam().mean), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Readout,
    ::testing::Values(ReadoutCase{"negative_goes_away_from_zero", -0.12345f, "-0.1235"},
                      ReadoutCase{"a_hair_below_three", 2.99999f, "2.9999"},
                      ReadoutCase{"exactly_one", 1.0f, "1"},
                      ReadoutCase{"a_hair_below_two_and_a_half", 2.4999998f, "2.4999"},
                      ReadoutCase{"a_hair_above_two_and_a_half", 2.5000002f, "2.5"},
                      ReadoutCase{"a_hair_below_zero", -1e-7f, "-0.0001"},
                      ReadoutCase{"zero", 0.0f, "0"}, ReadoutCase{"quarter", 0.25f, "0.25"},
                      ReadoutCase{"a_hair_below_eight", 7.999996f, "7.9999"},
                      ReadoutCase{"a_hair_below_minus_ten", -10.00001f, "-10.0001"}),
    testing::CaseName{});

struct MeanCase {
    const char* name;
    int level;
    int resets;  // examples skipped with RESET before this one
    int k;
};

class MeanOfTheProduct : public ::testing::TestWithParam<MeanCase> {
  protected:
    // From k = 50, SpinDown (50 - k)/10 times.
    static void set_k(LoadedForm& run, int k) {
        for (int step = k; step < 50; step += 10) {
            run.run_all({"Spin_k_SpinDown"});
        }
        ASSERT_EQ(run.form.div_k.value(), k);
    }
    // The readout picks out a0, a_n/2 or b_n/2 for every n, both modes: exactly, or one unit
    // less in the fourth decimal when the sum comes out a hair low.
    static void check_every_readout(const MeanCase& c) {
        LoadedForm run;
        for (int l = 1; l < c.level; ++l) {
            run.run_all({"Spin_lebel_SpinUp"});
        }
        for (int r = 0; r < c.resets; ++r) {
            run.run_all({"Command1_Click"});
        }
        set_k(run, c.k);
        const Form& f = run.form;
        for (int n = 0; n <= 4; ++n) {
            for (const bool cosine : {true, false}) {
                SCOPED_TRACE("n=" + std::to_string(n) + (cosine ? " cos" : " sin"));
                run.run_all({cosine ? "switch_c_Click" : "switch_s_Click", "Command3_Click"});
                double exact = f.ex_a(0).as_double();
                if (n > 0) {
                    exact = (cosine ? f.ex_a(n).as_double() : f.ex_b(n).value()) / 2.0;
                }
                const std::string text = run.caption({"value_s"});
                const std::optional<double> shown = testing::decimal_of(text);
                ASSERT_TRUE(shown.has_value()) << "S/T reads \"" << text << "\"";
                EXPECT_TRUE(std::abs(*shown - exact) < 1e-9 ||
                            std::abs(*shown - (exact - 0.0001)) < 1e-9)
                    << "shown " << text << ", exact " << exact;
            }
            if (n < 4) {
                run.run_all({"Spin_n_SpinUp"});
            }
        }
    }
};

TEST_P(MeanOfTheProduct, ReadsOffTheCoefficientOfTheChosenHarmonic) {
    check_every_readout(GetParam());
}

TEST_P(MeanOfTheProduct, ReadsTheSameUnderACommaLocale) {
    const testing::CommaLocale comma;
    ASSERT_TRUE(comma.active()) << "the locale " << testing::comma_locale_name << " is missing";
    check_every_readout(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MeanOfTheProduct,
    ::testing::Values(MeanCase{"level1_first_k50", 1, 0, 50},
                      MeanCase{"level1_first_k10", 1, 0, 10},
                      MeanCase{"level1_third_k20", 1, 2, 20}, MeanCase{"level2_k50", 2, 0, 50},
                      MeanCase{"level2_second_k10", 2, 1, 10}, MeanCase{"level3_k30", 3, 0, 30},
                      MeanCase{"level3_second_k50", 3, 1, 50}, MeanCase{"level4_k10", 4, 0, 10},
                      MeanCase{"level4_k40", 4, 2, 40}, MeanCase{"level4_fifth_k50", 4, 4, 50}),
    testing::CaseName{});

TEST(CalcSqr, DrawsExactlyKGreenBoxesOverTheCurveWithoutClearing) {
    LoadedForm run;
    run.run_all({"Spin_k_SpinDown", "Spin_k_SpinDown"});  // k = 30
    run.ui.forget_drawing();
    run.run_all({"Command3_Click"});
    const auto& calls = run.canvas({"campus_sqr"}).calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, DrawCall::Kind::cls);  // CALC clears, get_sqr clears
    const auto picture = run.canvas({"campus_sqr"}).picture();
    const auto boxes = run.canvas({"campus_sqr"}).calls_of(DrawCall::Kind::box);
    ASSERT_EQ(boxes.size(), 30u);
    EXPECT_EQ(picture.size(), 1u + 151u + 30u) << "axis, curve, then the boxes: no Cls in between";
    const Form& f = run.form;
    for (int j = 0; j < 30; ++j) {
        SCOPED_TRACE(j);
        const DrawCall& box = boxes[static_cast<std::size_t>(j)];
        const float left = f.d_theta * static_cast<float>(j);
        EXPECT_EQ(box.a, (PointF{left, 0.0f}));
        EXPECT_EQ(box.b, (PointF{left + f.d_theta, f.sqr_y(j)}));
        EXPECT_EQ(box.fore, colours::green);
        EXPECT_EQ(box.fill, colours::light_yellow);
        EXPECT_EQ(box.style, FillStyle::transparent);
    }
}

TEST(CalcSqr, DThetaFollowsK) {
    LoadedForm run;
    EXPECT_EQ(run.form.d_theta, 0.12566361f);
    run.run_all({"Spin_k_SpinDown"});
    EXPECT_EQ(run.form.d_theta, 6.2831802f / 40.0f);
    EXPECT_EQ(run.caption({"value_k"}), "40");
}

TEST(SpinK, StepsThroughTenToFiftyAndIsSilentAtItsBounds) {
    LoadedForm run;
    run.run_all({"Command3_Click"});
    const std::string shown = run.caption({"value_s"});
    ASSERT_FALSE(shown.empty());
    run.ui.forget_drawing();
    run.run_all({"Spin_k_SpinUp"});
    EXPECT_EQ(run.form.div_k.value(), 50);
    EXPECT_EQ(run.caption({"value_s"}), shown) << "a press at the bound keeps the readout";
    EXPECT_TRUE(run.ui.cleared_surfaces().empty()) << "and redraws nothing";

    for (const char* k : {"40", "30", "20", "10", "10"}) {
        run.run_all({"Spin_k_SpinDown"});
        EXPECT_EQ(run.caption({"value_k"}), k);
    }
    run.run_all({"Command3_Click"});
    run.ui.forget_drawing();
    run.run_all({"Spin_k_SpinDown"});
    EXPECT_FALSE(run.caption({"value_s"}).empty());
    EXPECT_TRUE(run.ui.cleared_surfaces().empty());

    run.run_all({"Spin_k_SpinUp"});
    EXPECT_EQ(run.caption({"value_k"}), "20");
    EXPECT_EQ(run.caption({"value_s"}), "") << "an accepted step empties S/T";
    EXPECT_TRUE(run.canvas({"campus_sqr"}).calls_of(DrawCall::Kind::box).empty());
}

}  // namespace
}  // namespace quorvel
