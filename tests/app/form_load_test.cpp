#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "form.h"
#include "form_fixture.h"
#include "form_load.h"

namespace quorvel {
namespace {

using testing::LoadedForm;

TEST(FormLoad, GivesTheStateItsStartValues) {
    LoadedForm run;
    const Form& f = run.form;
    EXPECT_EQ(f.pi, 3.14159f);
    EXPECT_EQ(f.max_order.value(), 4);
    EXPECT_EQ(f.ess_n.value(), 0);
    EXPECT_EQ(f.lebel.value(), 1);
    EXPECT_EQ(f.div_k.value(), 50);
    EXPECT_EQ(f.d_theta, 0.12566361f);
    EXPECT_EQ(f.coef_max, Value(Int16(10)));
    EXPECT_EQ(f.n_max, Value(Int16(4)));
    EXPECT_EQ(f.div_k_max.value(), 50);
    EXPECT_EQ(f.periods.value(), 1);
    EXPECT_EQ(f.s_over_t, 0.0f);
    EXPECT_EQ(f.cos_mode, Value(true));
    EXPECT_EQ(f.ans_shown.value(), 0);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(f.sim_a(i), Value(Int16(0))) << i;
        EXPECT_EQ(f.sim_b(i).value(), 0) << i;
    }
}

TEST(FormLoad, ShowsTheStartCaptionsAndHidesTheAnswers) {
    LoadedForm run;
    EXPECT_EQ(run.caption({"value_lebel"}), "1");
    EXPECT_EQ(run.caption({"value_n"}), "0");
    EXPECT_EQ(run.caption({"value_k"}), "50");
    EXPECT_EQ(run.caption({"value_s"}), "");
    EXPECT_EQ(run.caption({"y_axis"}), "10");
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(run.caption({"value_a", i}), "0");
        EXPECT_EQ(run.caption({"value_b", i}), "0");
        EXPECT_FALSE(run.ui.text({"ans_a", i}).is_visible());
        EXPECT_FALSE(run.ui.text({"ans_b", i}).is_visible());
    }
    EXPECT_TRUE(run.form.switch_c.is_selected());
    EXPECT_FALSE(run.form.switch_s.is_selected());
}

struct ScaleCase {
    ControlName name;
    ScaleRect scale;
};

class SurfaceScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(SurfaceScale, IsSetOnceAtStart) {
    LoadedForm run;
    EXPECT_EQ(run.canvas(GetParam().name).scale_rect(), GetParam().scale);
}

constexpr float end = 6.2831802f;
constexpr ScaleRect harmonic{0, 10, end, -10};
constexpr ScaleRect wide{0, 15, end, -15};

INSTANTIATE_TEST_SUITE_P(
    AllFifteen, SurfaceScale,
    ::testing::Values(ScaleCase{{"campus_a", 0}, harmonic}, ScaleCase{{"campus_a", 1}, harmonic},
                      ScaleCase{{"campus_a", 2}, harmonic}, ScaleCase{{"campus_a", 3}, harmonic},
                      ScaleCase{{"campus_a", 4}, harmonic},
                      ScaleCase{{"campus_b", 0}, harmonic},  // never shown
                      ScaleCase{{"campus_b", 1}, harmonic}, ScaleCase{{"campus_b", 2}, harmonic},
                      ScaleCase{{"campus_b", 3}, harmonic}, ScaleCase{{"campus_b", 4}, harmonic},
                      ScaleCase{{"campus_ess"}, harmonic}, ScaleCase{{"campus_ex"}, wide},
                      ScaleCase{{"campus_sim"}, wide}, ScaleCase{{"campus_sqr"}, wide},
                      ScaleCase{{"campus_graph"}, ScaleRect{0, 10, 4.3333335f, 0}}),
    testing::CaseName{});

TEST(Canvas, ScaleMapsCornersAndTheAxis) {
    // campus_a(i) is 2532 × 1212 twips; in its own coordinates (0, 0) is the left edge at
    // mid-height and (end, -10) the bottom-right inner corner.
    EXPECT_EQ(to_pixels(harmonic, {0, 0}, 2532, 1212), (PointF{0, 606}));
    EXPECT_EQ(to_pixels(harmonic, {end, -10}, 2532, 1212), (PointF{2532, 1212}));
    EXPECT_EQ(to_pixels(harmonic, {0, 10}, 2532, 1212), (PointF{0, 0}));
}

struct ScreenCase {
    const char* name;
    float width;
    float height;
    float left;
    float top;
};

class Centring : public ::testing::TestWithParam<ScreenCase> {};

// No rounding and no clamping: on a screen smaller than the window it hangs off both edges.
TEST_P(Centring, PlacesTheWindowInTheMiddleOfTheScreen) {
    testing::RecordingUi ui;
    ui.frame().set_screen(GetParam().width, GetParam().height);
    Form form(ui);
    Form_Load(form);
    EXPECT_EQ(ui.frame().height(), 7215.0f);
    EXPECT_EQ(ui.frame().left(), GetParam().left);
    EXPECT_EQ(ui.frame().top(), GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Screens, Centring,
                         ::testing::Values(ScreenCase{"full_hd", 28800, 16200,
                                                      (28800 - 9825) / 2.0f, (16200 - 7215) / 2.0f},
                                           ScreenCase{"odd_size", 15001, 11001, 2588.0f, 1893.0f},
                                           ScreenCase{"smaller_than_window", 9000, 6000, -412.5f,
                                                      -607.5f}),
                         testing::CaseName{});

}  // namespace
}  // namespace quorvel
