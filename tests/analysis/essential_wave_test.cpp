#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "form.h"
#include "form_fixture.h"

namespace quorvel {
namespace {

using testing::DrawCall;
using testing::LoadedForm;

std::vector<float> curve(LoadedForm& run) {
    std::vector<float> ys;
    for (const DrawCall& c : run.canvas({"campus_ess"}).picture()) {
        if (c.kind != DrawCall::Kind::cls &&
            !(c.a.x == 0 && c.b.x > 6 && c.a.y == 0 && c.b.y == 0)) {
            ys.push_back(c.b.y);
        }
    }
    return ys;
}

TEST(EssentialWave, AtNZeroIsTheConstantOneWhicheverOptionIsSelected) {
    LoadedForm run;
    const auto at_start = curve(run);
    ASSERT_EQ(at_start.size(), 151u);
    EXPECT_TRUE(std::all_of(at_start.begin(), at_start.end(), [](float y) { return y == 1.0f; }));

    // Down to n = 0 with "sin" selected: the option stays, the wave is still cos 0θ = 1.
    run.run_all({"Spin_n_SpinUp", "switch_s_Click", "Spin_n_SpinDown"});
    EXPECT_TRUE(run.form.switch_s.is_selected());
    EXPECT_EQ(run.form.cos_mode, Value(false));
    EXPECT_EQ(curve(run), at_start);

    run.run_all({"Spin_n_SpinUp"});
    const auto sine = curve(run);
    EXPECT_EQ(sine.front(), 0.0f) << "sin θ starts on the axis";
}

TEST(EssentialWave, OrderFourPlotsFourPeriods) {
    LoadedForm run;
    run.run_all({"Spin_n_SpinUp", "Spin_n_SpinUp", "Spin_n_SpinUp", "Spin_n_SpinUp"});
    const auto ys = curve(run);
    ASSERT_EQ(ys.size(), 151u);
    EXPECT_EQ(ys.front(), 1.0f);
    int crossings_down = 0;
    for (std::size_t i = 1; i < ys.size(); ++i) {
        crossings_down += ys[i - 1] >= 0.0f && ys[i] < 0.0f ? 1 : 0;
    }
    EXPECT_EQ(crossings_down, 4);
    EXPECT_TRUE(std::all_of(ys.begin(), ys.end(), [](float y) { return y >= -1 && y <= 1; }));
}

TEST(SpinN, IsSilentAtItsBoundsAndRedrawsOnlyTheEssentialAndProductPlots) {
    LoadedForm run;
    run.run_all({"Command3_Click"});
    run.ui.forget_drawing();
    run.run_all({"Spin_n_SpinDown"});
    EXPECT_TRUE(run.ui.cleared_surfaces().empty());
    EXPECT_FALSE(run.caption({"value_s"}).empty());

    run.run_all({"Spin_n_SpinUp"});
    EXPECT_EQ(run.caption({"value_n"}), "1");
    EXPECT_EQ(run.ui.cleared_surfaces(), (std::vector<std::string>{"campus_ess", "campus_sqr"}));

    run.run_all({"Spin_n_SpinUp", "Spin_n_SpinUp", "Spin_n_SpinUp", "Command3_Click"});
    run.ui.forget_drawing();
    run.run_all({"Spin_n_SpinUp"});
    EXPECT_EQ(run.form.ess_n.value(), 4);
    EXPECT_EQ(run.caption({"value_n"}), "4");
    EXPECT_TRUE(run.ui.cleared_surfaces().empty());
    EXPECT_FALSE(run.caption({"value_s"}).empty());
}

}  // namespace
}  // namespace quorvel
