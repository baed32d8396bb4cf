#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "form_fixture.h"
#include "harmonic_plots.h"
#include "int16.h"
#include "synthesized_wave.h"
#include "trial_plot_checks.h"
#include "value.h"

namespace quorvel::testing {
namespace {

using Kind = DrawCall::Kind;

constexpr Colour kGreen{0x0000FF00};
constexpr Colour kBlack{0x00000000};

// Checks a wave plot drawn since the last forget: Cls, the green axis across the full width,
// then one black PSet at θ = 0 and 150 black segments, each from where the last one ended,
// with θ rising to just below the right end.
void expect_wave_plot_shape(const RecordingCanvas& canvas) {
    const std::vector<DrawCall>& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 153u);
    EXPECT_EQ(calls[0].kind, Kind::cls);
    EXPECT_EQ(calls[1].kind, Kind::line);
    EXPECT_EQ(calls[1].fore, kGreen);
    EXPECT_EQ(calls[1].a, (PointF{0.0f, 0.0f}));
    EXPECT_EQ(calls[1].b, (PointF{kPlotEnd, 0.0f}));
    EXPECT_EQ(calls[2].kind, Kind::point);
    EXPECT_EQ(calls[2].fore, kBlack);
    EXPECT_EQ(calls[2].a.x, 0.0f);
    for (std::size_t k = 3; k < calls.size(); ++k) {
        SCOPED_TRACE("segment " + std::to_string(k - 2));
        ASSERT_EQ(calls[k].kind, Kind::line);
        ASSERT_EQ(calls[k].fore, kBlack);
        ASSERT_EQ(calls[k].a, calls[k - 1].b);
        ASSERT_GT(calls[k].b.x, calls[k - 1].b.x);
    }
    const float last = calls.back().b.x;
    EXPECT_LT(last, kPlotEnd);
    EXPECT_GT(last, kPlotEnd - 0.5f * kPlotEnd / 150.0f);
}

struct HarmonicCase {
    const char* name;
    char term;  // 'a': a_n·cos nθ on campus_a(n); 'b': b_n·sin nθ on campus_b(n)
    int n;
    int amplitude;
    friend void PrintTo(const HarmonicCase& c, std::ostream* os) { *os << c.name; }
};

class HarmonicPlot : public ::testing::TestWithParam<HarmonicCase> {
  protected:
    void draw(const HarmonicCase& c) {
        if (c.term == 'a') {
            f.form.sim_a(c.n) = Value(Int16(c.amplitude));
        } else {
            f.form.sim_b(c.n) = Int16(c.amplitude);
        }
        f.ui.forget_drawing();
        if (c.term == 'a') {
            get_curve_a(f.form, Value(Int16(c.n)));
        } else {
            get_curve_b(f.form, Value(Int16(c.n)));
        }
    }
    RecordingCanvas& plot(const HarmonicCase& c) {
        return f.canvas({c.term == 'a' ? "campus_a" : "campus_b", c.n});
    }

    LoadedForm f;
};

TEST_P(HarmonicPlot, DrawsOnlyItsOwnSurfaceAsAxisPointAndSegments) {
    const HarmonicCase& c = GetParam();
    draw(c);
    EXPECT_EQ(f.ui.cleared_surfaces(),
              std::vector<std::string>{full_name({c.term == 'a' ? "campus_a" : "campus_b", c.n})});
    expect_wave_plot_shape(plot(c));
}

TEST_P(HarmonicPlot, FollowsItsTermFromTheFirstPoint) {
    const HarmonicCase& c = GetParam();
    draw(c);
    const std::vector<PointF> points = curve_points(plot(c));
    ASSERT_EQ(points.size(), 151u);
    // At θ = 0 a cosine term stands at its amplitude and a sine term at zero.
    const float first_y = c.term == 'a' ? static_cast<float>(c.amplitude) : 0.0f;
    EXPECT_EQ(points.front(), (PointF{0.0f, first_y}));
    for (const PointF& p : points) {
        const double angle = c.n * static_cast<double>(p.x);
        const double expected = c.amplitude * (c.term == 'a' ? std::cos(angle) : std::sin(angle));
        ASSERT_NEAR(p.y, expected, 2e-4) << "at theta " << p.x;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, HarmonicPlot,
                         ::testing::Values(HarmonicCase{"a1_ten_starts_at_top", 'a', 1, 10},
                                           HarmonicCase{"a2_three", 'a', 2, 3},
                                           HarmonicCase{"a3_zero_is_flat", 'a', 3, 0},
                                           HarmonicCase{"a4_ten", 'a', 4, 10},
                                           HarmonicCase{"b1_ten", 'b', 1, 10},
                                           HarmonicCase{"b2_five_starts_at_origin", 'b', 2, 5},
                                           HarmonicCase{"b4_seven", 'b', 4, 7}),
                         CaseName{});

TEST(HarmonicPlotRedraw, SameCoefficientGivesTheSamePicture) {
    LoadedForm f;
    f.form.sim_b(3) = Int16(6);
    get_curve_b(f.form, Value(Int16(3)));
    const std::vector<DrawCall> first = f.canvas({"campus_b", 3}).picture();
    get_curve_b(f.form, Value(Int16(3)));
    EXPECT_EQ(f.canvas({"campus_b", 3}).picture(), first);
}

// The plots never rescale: a term taller than the canvas is drawn at its own height.
TEST(HarmonicPlotRedraw, TermBeyondTheCanvasIsDrawnUnscaled) {
    LoadedForm f;
    const ScaleRect before = f.canvas({"campus_a", 1}).scale_rect();
    f.form.sim_a(1) = Value(Int16(25));
    get_curve_a(f.form, Value(Int16(1)));
    EXPECT_EQ(curve_points(f.canvas({"campus_a", 1})).front(), (PointF{0.0f, 25.0f}));
    EXPECT_EQ(f.canvas({"campus_a", 1}).scale_rect(), before);
    EXPECT_EQ(before, (ScaleRect{0.0f, 10.0f, kPlotEnd, -10.0f}));
}

struct ConstantCase {
    const char* name;
    int a0;
    friend void PrintTo(const ConstantCase& c, std::ostream* os) { *os << c.name; }
};

class ConstantPlot : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(ConstantPlot, IsTheGreenAxisAndOneBlackLineAtA0) {
    LoadedForm f;
    const int a0 = GetParam().a0;
    f.form.sim_a(0) = Value(Int16(a0));
    f.ui.forget_drawing();

    get_const(f.form);

    EXPECT_EQ(f.ui.cleared_surfaces(), std::vector<std::string>{"campus_a(0)"});
    const std::vector<DrawCall>& calls = f.canvas({"campus_a", 0}).calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::cls);
    EXPECT_EQ(calls[1].kind, Kind::line);
    EXPECT_EQ(calls[1].fore, kGreen);
    EXPECT_EQ(calls[1].a, (PointF{0.0f, 0.0f}));
    EXPECT_EQ(calls[1].b, (PointF{kPlotEnd, 0.0f}));
    EXPECT_EQ(calls[2].kind, Kind::line);
    EXPECT_EQ(calls[2].fore, kBlack);
    const auto y = static_cast<float>(a0);
    EXPECT_EQ(calls[2].a, (PointF{0.0f, y}));
    EXPECT_EQ(calls[2].b, (PointF{kPlotEnd, y}));
}

INSTANTIATE_TEST_SUITE_P(Table, ConstantPlot,
                         ::testing::Values(ConstantCase{"zero_covers_the_axis", 0},
                                           ConstantCase{"three", 3},
                                           ConstantCase{"minus_ten_on_the_bottom_edge", -10},
                                           ConstantCase{"ten_on_the_top_edge", 10}),
                         CaseName{});

struct TrialCase {
    const char* name;
    std::array<int, 5> a;  // a0 … a4
    std::array<int, 4> b;  // b1 … b4
    friend void PrintTo(const TrialCase& c, std::ostream* os) { *os << c.name; }
};

class SimulateWave : public ::testing::TestWithParam<TrialCase> {};

// y(θ) = a0 + Σ a_n·cos nθ + b_n·sin nθ, with a0 taken whole.
TEST_P(SimulateWave, PlotsTheWholeTrialSumOnCampusSim) {
    const TrialCase& c = GetParam();
    LoadedForm f;
    const ScaleRect scale_before = f.canvas({"campus_sim"}).scale_rect();
    for (int i = 0; i <= 4; ++i) {
        f.form.sim_a(i) = Value(Int16(c.a[static_cast<std::size_t>(i)]));
    }
    for (int i = 1; i <= 4; ++i) {
        f.form.sim_b(i) = Int16(c.b[static_cast<std::size_t>(i - 1)]);
    }
    f.ui.forget_drawing();

    get_curve(f.form);

    EXPECT_EQ(f.ui.cleared_surfaces(), std::vector<std::string>{"campus_sim"});
    expect_wave_plot_shape(f.canvas({"campus_sim"}));
    EXPECT_EQ(f.canvas({"campus_sim"}).scale_rect(), scale_before);
    const std::vector<PointF> points = curve_points(f.canvas({"campus_sim"}));
    ASSERT_EQ(points.size(), 151u);
    EXPECT_EQ(points.front().y, static_cast<float>(c.a[0] + c.a[1] + c.a[2] + c.a[3] + c.a[4]));
    for (const PointF& p : points) {
        double expected = c.a[0];
        for (int n = 1; n <= 4; ++n) {
            const double angle = n * static_cast<double>(p.x);
            expected += c.a[static_cast<std::size_t>(n)] * std::cos(angle) +
                        c.b[static_cast<std::size_t>(n - 1)] * std::sin(angle);
        }
        ASSERT_NEAR(p.y, expected, 1e-3) << "at theta " << p.x;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimulateWave,
    ::testing::Values(TrialCase{"all_zero", {0, 0, 0, 0, 0}, {0, 0, 0, 0}},
                      TrialCase{"a0_three_only", {3, 0, 0, 0, 0}, {0, 0, 0, 0}},
                      TrialCase{"a0_minus_ten_only", {-10, 0, 0, 0, 0}, {0, 0, 0, 0}},
                      TrialCase{"a1_b1_ten", {0, 10, 0, 0, 0}, {10, 0, 0, 0}},
                      TrialCase{"a0_a1_ten_starts_above_the_top", {10, 10, 0, 0, 0}, {0, 0, 0, 0}},
                      TrialCase{"every_term", {-2, 1, 5, 0, 10}, {3, 0, 7, 2}},
                      TrialCase{"all_at_ten", {10, 10, 10, 10, 10}, {10, 10, 10, 10}}),
    CaseName{});

// With the example's own coefficients entered on the spinners, the Simulate Wave is the
// Example Wave point for point; only the axis colour tells them apart.
class TrialEqualToExample : public ::testing::TestWithParam<int> {};

TEST_P(TrialEqualToExample, DrawsTheExampleCurveBitForBit) {
    const int level = GetParam();
    LoadedForm f;
    for (int k = 1; k < level; ++k) {
        f.run_all({"Spin_lebel_SpinUp"});
    }
    ASSERT_EQ(f.form.lebel, Int16(level));
    for (int i = 0; i <= 4; ++i) {
        const std::string a_up = "Spin_a" + std::to_string(i) + "_SpinUp";
        const auto a_presses = static_cast<int>(f.form.ex_a(i).as_double());
        for (int k = 0; k < a_presses; ++k) {
            ASSERT_FALSE(f.run(a_up).has_value());
        }
        ASSERT_EQ(f.form.sim_a(i).as_double(), f.form.ex_a(i).as_double()) << "a" << i;
        if (i == 0) {
            continue;
        }
        const std::string b_up = "Spin_b" + std::to_string(i) + "_SpinUp";
        for (int k = 0; k < f.form.ex_b(i).value(); ++k) {
            ASSERT_FALSE(f.run(b_up).has_value());
        }
        ASSERT_EQ(f.form.sim_b(i), f.form.ex_b(i)) << "b" << i;
    }

    const std::vector<DrawCall> sim = f.canvas({"campus_sim"}).picture();
    const std::vector<DrawCall> ex = f.canvas({"campus_ex"}).picture();
    ASSERT_EQ(sim.size(), 152u);
    ASSERT_EQ(ex.size(), sim.size());
    EXPECT_EQ(sim[0].fore, kGreen);
    EXPECT_EQ(ex[0].fore, kBlack);
    for (std::size_t k = 0; k < sim.size(); ++k) {
        SCOPED_TRACE("item " + std::to_string(k));
        EXPECT_EQ(sim[k].kind, ex[k].kind);
        EXPECT_EQ(sim[k].a, ex[k].a);
        EXPECT_EQ(sim[k].b, ex[k].b);
        if (k > 0) {
            EXPECT_EQ(sim[k].fore, ex[k].fore);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, TrialEqualToExample, ::testing::Range(1, 5), LevelName{});

}  // namespace
}  // namespace quorvel::testing
