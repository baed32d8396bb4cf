#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "case_name.h"
#include "form_fixture.h"
#include "trial_plot_checks.h"
#include "value.h"

namespace quorvel::testing {
namespace {

using Kind = DrawCall::Kind;

// One measured press on a trial spinner, after `setup` was pressed `setup_times` times
// from the start state, and the coefficient's value after it.
struct PressCase {
    const char* name;
    std::string_view setup;
    int setup_times;
    std::string_view press;
    int value;
    friend void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

    // The coefficient the press steps, from the handler's name: Spin_b3_SpinUp steps b3.
    char term() const { return press[5]; }  // 'a' cosine, 'b' sine
    int index() const { return press[6] - '0'; }
    ControlName own_plot() const { return {term() == 'a' ? "campus_a" : "campus_b", index()}; }
};

// Position of a coefficient's bar among the nine boxes of the chart: a0, a1, b1, a2, b2, …
int bar_of(char term, int index) {
    if (index == 0) {
        return 0;
    }
    return term == 'a' ? 2 * index - 1 : 2 * index;
}

float largest_black_magnitude(const RecordingCanvas& canvas) {
    float m = 0.0f;
    for (const DrawCall& d : canvas.picture()) {
        if (d.fore == Colour{0x00000000}) {
            m = std::max({m, std::fabs(d.a.y), std::fabs(d.b.y)});
        }
    }
    return m;
}

class SpinnerPress : public ::testing::TestWithParam<PressCase> {
  protected:
    double coefficient(char term, int index) {
        return term == 'a' ? f.form.sim_a(index).as_double()
                           : static_cast<double>(f.form.sim_b(index).value());
    }

    LoadedForm f;
};

TEST_P(SpinnerPress, MovesOnlyItsCoefficientWithinBoundsAndRedrawsItsThreePlots) {
    const PressCase& c = GetParam();
    const char term = c.term();
    const int index = c.index();
    for (int k = 0; k < c.setup_times; ++k) {
        ASSERT_FALSE(f.run(c.setup).has_value());
    }
    std::array<double, 5> a_before{};
    std::array<double, 5> b_before{};
    for (int i = 0; i <= 4; ++i) {
        a_before[static_cast<std::size_t>(i)] = coefficient('a', i);
        b_before[static_cast<std::size_t>(i)] = coefficient('b', i);
    }
    mark_value_labels(f.ui);
    f.ui.forget_drawing();

    ASSERT_FALSE(f.run(c.press).has_value());

    EXPECT_EQ(coefficient(term, index), c.value);
    if (term == 'a') {
        EXPECT_EQ(f.form.sim_a(index).type(), Value::Type::int16);
    }
    const std::string_view own_label = term == 'a' ? "value_a" : "value_b";
    EXPECT_EQ(f.caption({own_label, index}), std::to_string(c.value));

    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE("coefficient index " + std::to_string(i));
        if (!(term == 'a' && index == i)) {
            EXPECT_EQ(coefficient('a', i), a_before[static_cast<std::size_t>(i)]);
            EXPECT_EQ(f.caption({"value_a", i}), "stale a" + std::to_string(i));
        }
        if (!(term == 'b' && index == i)) {
            EXPECT_EQ(coefficient('b', i), b_before[static_cast<std::size_t>(i)]);
            EXPECT_EQ(f.caption({"value_b", i}), "stale b" + std::to_string(i));
        }
    }

    std::vector<std::string> redrawn{full_name(c.own_plot()), "campus_graph", "campus_sim"};
    std::sort(redrawn.begin(), redrawn.end());
    EXPECT_EQ(f.ui.cleared_surfaces(), redrawn);

    // All three plots show the value after the press. The setup touched no other
    // coefficient, so the Simulate Wave is this one term alone.
    const RecordingCanvas& own = f.ui.canvas(c.own_plot());
    EXPECT_NEAR(largest_black_magnitude(own), std::abs(c.value), 0.05);
    const std::vector<PointF> sim = curve_points(f.canvas({"campus_sim"}));
    ASSERT_EQ(sim.size(), 151u);
    if (index == 0) {
        for (const PointF& p : sim) {
            ASSERT_EQ(p.y, static_cast<float>(c.value)) << "at theta " << p.x;
        }
    } else {
        EXPECT_EQ(sim, curve_points(own));
    }
    const std::vector<DrawCall> bars = f.canvas({"campus_graph"}).calls_of(Kind::box);
    ASSERT_EQ(bars.size(), 9u);
    EXPECT_EQ(bars[static_cast<std::size_t>(bar_of(term, index))].b.y, static_cast<float>(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinnerPress,
    ::testing::Values(
        PressCase{"a0_up_from_start", "", 0, "Spin_a0_SpinUp", 1},
        PressCase{"a0_goes_below_zero", "Spin_a0_SpinDown", 2, "Spin_a0_SpinDown", -3},
        PressCase{"a0_stops_at_minus_ten", "Spin_a0_SpinDown", 10, "Spin_a0_SpinDown", -10},
        PressCase{"a0_up_from_minus_ten", "Spin_a0_SpinDown", 10, "Spin_a0_SpinUp", -9},
        PressCase{"a0_stops_at_ten", "Spin_a0_SpinUp", 10, "Spin_a0_SpinUp", 10},
        PressCase{"a1_up_from_start", "", 0, "Spin_a1_SpinUp", 1},
        PressCase{"a1_stops_at_zero", "", 0, "Spin_a1_SpinDown", 0},
        PressCase{"a2_twelfth_up_stays_ten", "Spin_a2_SpinUp", 11, "Spin_a2_SpinUp", 10},
        PressCase{"a2_down_from_one", "Spin_a2_SpinUp", 1, "Spin_a2_SpinDown", 0},
        PressCase{"a3_up_from_one", "Spin_a3_SpinUp", 1, "Spin_a3_SpinUp", 2},
        PressCase{"a3_stops_at_zero", "", 0, "Spin_a3_SpinDown", 0},
        PressCase{"a4_stops_at_ten", "Spin_a4_SpinUp", 10, "Spin_a4_SpinUp", 10},
        PressCase{"a4_down_from_ten", "Spin_a4_SpinUp", 10, "Spin_a4_SpinDown", 9},
        PressCase{"b1_up_from_start", "", 0, "Spin_b1_SpinUp", 1},
        PressCase{"b1_stops_at_zero", "", 0, "Spin_b1_SpinDown", 0},
        PressCase{"b2_up_from_four", "Spin_b2_SpinUp", 4, "Spin_b2_SpinUp", 5},
        PressCase{"b2_down_from_one", "Spin_b2_SpinUp", 1, "Spin_b2_SpinDown", 0},
        PressCase{"b3_up_from_start", "", 0, "Spin_b3_SpinUp", 1},
        PressCase{"b3_down_from_two", "Spin_b3_SpinUp", 2, "Spin_b3_SpinDown", 1},
        PressCase{"b4_stops_at_ten", "Spin_b4_SpinUp", 10, "Spin_b4_SpinUp", 10},
        PressCase{"b4_stops_at_zero", "", 0, "Spin_b4_SpinDown", 0}),
    CaseName{});

// The a0 spinner goes through the constant plot: two straight lines and no curve point,
// where a cosine plot of index 0 would start with a PSet.
TEST(SpinnerA0, RedrawsTheConstantPlotNotACosinePlot) {
    LoadedForm f;
    f.run_all({"Spin_a0_SpinDown", "Spin_a0_SpinDown"});
    f.ui.forget_drawing();

    f.run_all({"Spin_a0_SpinDown"});

    const std::vector<DrawCall>& calls = f.canvas({"campus_a", 0}).calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::cls);
    EXPECT_EQ(calls[1].kind, Kind::line);
    EXPECT_EQ(calls[1].fore, Colour{0x0000FF00});
    EXPECT_EQ(calls[2].kind, Kind::line);
    EXPECT_EQ(calls[2].fore, Colour{0x00000000});
    EXPECT_EQ(calls[2].a, (PointF{0.0f, -3.0f}));
    EXPECT_EQ(calls[2].b, (PointF{kPlotEnd, -3.0f}));
}

}  // namespace
}  // namespace quorvel::testing
