#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "form_fixture.h"
#include "int16.h"
#include "trial_plot_checks.h"
#include "trial_reset.h"
#include "value.h"

namespace quorvel::testing {
namespace {

using Kind = DrawCall::Kind;
// What brings the trial back to zero, and whether it redraws the chart itself.
struct ResetCase {
    const char* name;
    void (*reset)(LoadedForm&);
    bool redraws_chart;
    friend void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }
};

class TrialReset : public ::testing::TestWithParam<ResetCase> {
  protected:
    // Level 2, so that a level change either way is accepted, and a trial with a negative
    // a0 and several nonzero terms.
    void SetUp() override {
        f.run_all({"Spin_lebel_SpinUp", "Spin_a0_SpinDown", "Spin_a0_SpinDown", "Spin_a1_SpinUp",
                   "Spin_a4_SpinUp", "Spin_a4_SpinUp", "Spin_b1_SpinUp", "Spin_b3_SpinUp",
                   "Spin_b3_SpinUp", "Spin_b3_SpinUp"});
        mark_value_labels(f.ui);
        f.ui.forget_drawing();
    }

    LoadedForm f;
};

TEST_P(TrialReset, ZeroesEveryCoefficientAndLabel) {
    GetParam().reset(f);
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE("index " + std::to_string(i));
        EXPECT_EQ(f.form.sim_a(i), Value(Int16(0)));
        EXPECT_EQ(f.form.sim_b(i), Int16(0));
        EXPECT_EQ(f.caption({"value_a", i}), "0");
        EXPECT_EQ(f.caption({"value_b", i}), "0");
    }
}

TEST_P(TrialReset, RedrawsTheTrialPlotsFlat) {
    const ResetCase& c = GetParam();
    c.reset(f);

    // a0 through the constant plot: the axis and one line, no curve point.
    const std::vector<DrawCall>& a0 = f.canvas({"campus_a", 0}).calls();
    ASSERT_EQ(a0.size(), 3u);
    EXPECT_EQ(a0[0].kind, Kind::cls);
    EXPECT_EQ(a0[2].kind, Kind::line);
    EXPECT_EQ(a0[2].a, (PointF{0.0f, 0.0f}));
    EXPECT_EQ(a0[2].b, (PointF{kPlotEnd, 0.0f}));

    std::vector<ControlName> curves{{"campus_sim"}};
    for (int n = 1; n <= 4; ++n) {
        curves.push_back({"campus_a", n});
        curves.push_back({"campus_b", n});
    }
    for (ControlName name : curves) {
        SCOPED_TRACE(full_name(name));
        const std::vector<PointF> points = curve_points(f.canvas(name));
        ASSERT_EQ(points.size(), 151u);
        for (const PointF& p : points) {
            ASSERT_EQ(p.y, 0.0f) << "at theta " << p.x;
        }
    }

    const std::vector<std::string> cleared = f.ui.cleared_surfaces();
    const auto was_cleared = [&](const std::string& key) {
        return std::find(cleared.begin(), cleared.end(), key) != cleared.end();
    };
    EXPECT_FALSE(was_cleared("campus_b(0)"));
    EXPECT_EQ(was_cleared("campus_graph"), c.redraws_chart);
    if (c.redraws_chart) {
        for (const DrawCall& box : f.canvas({"campus_graph"}).calls_of(Kind::box)) {
            EXPECT_EQ(box.b.y, 0.0f);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrialReset,
    ::testing::Values(
        ResetCase{"reset_curve_alone", [](LoadedForm& f) { reset_curve(f.form); }, false},
        ResetCase{"example_reset_button", [](LoadedForm& f) { f.run_all({"Command1_Click"}); },
                  true},
        ResetCase{"level_up", [](LoadedForm& f) { f.run_all({"Spin_lebel_SpinUp"}); }, true},
        ResetCase{"level_down", [](LoadedForm& f) { f.run_all({"Spin_lebel_SpinDown"}); }, true}),
    CaseName{});

// reset_curve on its own redraws exactly the trial's plots: the five a plots, the four
// b plots that are ever drawn, and the Simulate Wave.
TEST(TrialResetAlone, ClearsOnlyTheTrialSurfaces) {
    LoadedForm f;
    f.ui.forget_drawing();
    reset_curve(f.form);
    EXPECT_EQ(f.ui.cleared_surfaces(),
              (std::vector<std::string>{"campus_a(0)", "campus_a(1)", "campus_a(2)", "campus_a(3)",
                                        "campus_a(4)", "campus_b(1)", "campus_b(2)", "campus_b(3)",
                                        "campus_b(4)", "campus_sim"}));
}
}  // namespace
}  // namespace quorvel::testing
