#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "form_fixture.h"
#include "int16.h"
#include "spectrum_graph.h"
#include "trial_plot_checks.h"
#include "value.h"

namespace quorvel::testing {
namespace {

using Kind = DrawCall::Kind;

constexpr float kThird = 1.0f / 3.0f;

// Where each of the nine bars stands, in drawing order: a0, then a_i left of x = i and b_i
// right of it.
struct Slot {
    const char* bar;
    Colour colour;
    float left;
    float right;
};

constexpr Colour kDarkOrange{0x000040C0};
constexpr Colour kRed{0x000000FF};
constexpr Colour kBlue{0x00FF0000};

constexpr std::array<Slot, 9> kSlots{{
    {"a0", kDarkOrange, 0.0f, kThird},
    {"a1", kRed, 1.0f - kThird, 1.0f},
    {"b1", kBlue, 1.0f, 1.0f + kThird},
    {"a2", kRed, 2.0f - kThird, 2.0f},
    {"b2", kBlue, 2.0f, 2.0f + kThird},
    {"a3", kRed, 3.0f - kThird, 3.0f},
    {"b3", kBlue, 3.0f, 3.0f + kThird},
    {"a4", kRed, 4.0f - kThird, 4.0f},
    {"b4", kBlue, 4.0f, 4.0f + kThird},
}};

struct GraphCase {
    const char* name;
    std::array<int, 5> a;  // a0 … a4
    std::array<int, 4> b;  // b1 … b4 (there is no b0 to chart)
    friend void PrintTo(const GraphCase& c, std::ostream* os) { *os << c.name; }
};

class SpectrumGraph : public ::testing::TestWithParam<GraphCase> {};

TEST_P(SpectrumGraph, DrawsNineSignedBarsOnTheAxisAfterClearing) {
    const GraphCase& c = GetParam();
    LoadedForm f;
    for (int i = 0; i <= 4; ++i) {
        f.form.sim_a(i) = Value(Int16(c.a[static_cast<std::size_t>(i)]));
    }
    for (int i = 1; i <= 4; ++i) {
        f.form.sim_b(i) = Int16(c.b[static_cast<std::size_t>(i - 1)]);
    }
    f.ui.text({"y_axis"}).Caption("stale");
    const Colour fill_before = f.canvas({"campus_graph"}).fill_color();
    f.ui.forget_drawing();

    get_graph(f.form);

    EXPECT_EQ(f.caption({"y_axis"}), "10");
    EXPECT_EQ(f.ui.cleared_surfaces(), std::vector<std::string>{"campus_graph"});
    const std::vector<DrawCall>& calls = f.canvas({"campus_graph"}).calls();
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls[0].kind, Kind::cls);
    const std::array<int, 9> heights{c.a[0], c.a[1], c.b[0], c.a[2], c.b[1],
                                     c.a[3], c.b[2], c.a[4], c.b[3]};
    for (std::size_t k = 0; k < kSlots.size(); ++k) {
        SCOPED_TRACE(kSlots[k].bar);
        const DrawCall& box = calls[k + 1];
        EXPECT_EQ(box.kind, Kind::box);
        EXPECT_EQ(box.fore, kSlots[k].colour);
        EXPECT_EQ(box.a, (PointF{kSlots[k].left, 0.0f}));
        EXPECT_EQ(box.b, (PointF{kSlots[k].right, static_cast<float>(heights[k])}));
        EXPECT_EQ(box.fill, fill_before);
        EXPECT_EQ(box.style, FillStyle::solid);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpectrumGraph,
    ::testing::Values(GraphCase{"mixed", {3, 10, 6, 0, 2}, {4, 0, 5, 7}},
                      GraphCase{"negative_a0", {-4, 1, 0, 9, 0}, {0, 8, 0, 3}},
                      GraphCase{"all_zero", {0, 0, 0, 0, 0}, {0, 0, 0, 0}},
                      GraphCase{"all_at_the_top_edge", {10, 10, 10, 10, 10}, {10, 10, 10, 10}}),
    CaseName{});

}  // namespace
}  // namespace quorvel::testing
