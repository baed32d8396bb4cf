#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <set>
#include <vector>

#include "form_fixture.h"
#include "mpfr_reference.h"
#include "program_angles.h"
#include "trial_plot_checks.h"
#include "trig.h"

namespace quorvel {
namespace {

using testing::DrawCall;
using testing::LoadedForm;

// The enumeration replays how the program forms its angles; here the real handlers show
// that it misses none: every abscissa the plots and the rectangles are drawn at, at every
// k reached down and back up, is a θ of the enumeration and every θ of it is drawn.
TEST(ProgramAngles, AreEveryAbscissaThePlotsAndTheRectanglesAreDrawnAt) {
    LoadedForm run;
    EXPECT_EQ(testing::program_angles(run.form), testing::program_angles(testing::start_values()));

    std::set<float> drawn;
    const auto collect = [&](const char* surface) {
        for (const PointF& p : testing::curve_points(run.canvas({surface}))) {
            drawn.insert(p.x);
        }
    };
    for (const char* surface : {"campus_ex", "campus_sim", "campus_ess", "campus_sqr"}) {
        collect(surface);
    }
    std::set<float> enumerated;
    for (const float theta : testing::plot_samples(run.form)) {
        enumerated.insert(theta);
    }
    EXPECT_EQ(drawn.size(), 151u);
    EXPECT_EQ(drawn, enumerated) << "plot samples";

    const auto calc_at_current_k = [&] {
        run.run_all({"Command3_Click"});
        const int k = run.form.div_k.value();
        std::set<float> lefts;
        for (const DrawCall& box : run.canvas({"campus_sqr"}).calls_of(DrawCall::Kind::box)) {
            lefts.insert(box.a.x);
        }
        const std::vector<float> edges = testing::rectangle_edges(run.form, k);
        EXPECT_EQ(lefts.size(), static_cast<std::size_t>(k));
        for (const float left : lefts) {
            EXPECT_NE(std::find(edges.begin(), edges.end(), left), edges.end())
                << "k = " << k << ", left edge " << left;
        }
        run.canvas({"campus_sqr"}).forget();
    };
    calc_at_current_k();
    for (int step = 0; step < 4; ++step) {
        run.run_all({"Spin_k_SpinDown"});
        calc_at_current_k();
    }
    for (int step = 0; step < 4; ++step) {
        run.run_all({"Spin_k_SpinUp"});
        calc_at_current_k();
    }
}

// Every angle the program can form, against MPFR; with the number of them on which the
// platform's own cos and sin are not correctly rounded, and the fingerprint that the
// WebAssembly build must reproduce.
TEST(ProgramAngles, CosineAndSineRoundAsMultiplePrecisionOnEveryOne) {
    const std::vector<double> angles = testing::program_angles(testing::start_values());
    ASSERT_GT(angles.size(), 700u);
    int platform_differs = 0;
    int angles_where_platform_differs = 0;
    for (const double x : angles) {
        const double want_cos = testing::reference_cos(x);
        const double want_sin = testing::reference_sin(x);
        EXPECT_EQ(cos_rn(x), want_cos) << std::hexfloat << x;
        EXPECT_EQ(sin_rn(x), want_sin) << std::hexfloat << x;
        const SineCosine both = sin_cos_rn(x);
        EXPECT_EQ(both.cos, want_cos) << std::hexfloat << x;
        EXPECT_EQ(both.sin, want_sin) << std::hexfloat << x;
        const int here = (std::cos(x) != want_cos) + (std::sin(x) != want_sin);
        platform_differs += here;
        angles_where_platform_differs += here > 0;
    }
    char fingerprint[17];
    std::snprintf(fingerprint, sizeof fingerprint, "%016llx",
                  static_cast<unsigned long long>(testing::fingerprint(angles, cos_rn, sin_rn)));
    std::cout << "program angles: " << angles.size() << ", largest " << std::hexfloat
              << angles.back() << std::defaultfloat << ", fingerprint " << fingerprint
              << "; the platform's cos/sin are not correctly rounded on " << platform_differs
              << " results at " << angles_where_platform_differs << " angles\n";
}

}  // namespace
}  // namespace quorvel
