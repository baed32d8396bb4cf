// What follows from a layout row: where a control lands in the client area, whether the
// window shows it at start-up, and a surface's stored look.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "case_name.h"
#include "layout.h"

namespace quorvel {

static void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

struct PlacedCase {
    const char* name;
    ControlName control;
    std::optional<PixelRect> rect;
    bool shown;
};

void PrintTo(const PlacedCase& c, std::ostream* os) {
    *os << c.name;
}

class Placed : public ::testing::TestWithParam<PlacedCase> {};

TEST_P(Placed, InTheClientArea) {
    EXPECT_EQ(client_rect(GetParam().control), GetParam().rect);
    EXPECT_EQ(shown_at_start(GetParam().control), GetParam().shown);
}

// Twips to pixels: 3615 → 241, 1452 → 96.8 → 97, 132 → 8.8 → 9.
const PlacedCase placed_cases[] = {
    {"top_level_frame", {"Frame2"}, PixelRect{0, 328, 241, 121}, true},
    {"plot_in_a_frame", {"campus_ex"}, PixelRect{64, 16, 169, 97}, true},
    {"mark_on_a_plot_in_a_frame", {"Label26", 1}, PixelRect{416, 136, 17, 17}, true},
    {"inside_a_hidden_frame", {"value_b", 0}, PixelRect{448, 136, 9, 17}, false},
    {"hidden_itself", {"ans_b", 0}, PixelRect{40, 144, 9, 17}, false},
    {"not_in_the_table", {"Label99"}, std::nullopt, false},
};

INSTANTIATE_TEST_SUITE_P(Controls, Placed, ::testing::ValuesIn(placed_cases), testing::CaseName{});

TEST(FontPixels, ArePointsAt96DotsPerInchRoundedToTheNearest) {
    EXPECT_EQ(font_pixels(9.75f), 13);   // 13.0
    EXPECT_EQ(font_pixels(7.5f), 10);    // 10.0
    EXPECT_EQ(font_pixels(6.0f), 8);     // 8.0
    EXPECT_EQ(font_pixels(8.0f), 11);    // 10.67
    EXPECT_EQ(font_pixels(11.0f), 15);   // 14.67
    EXPECT_EQ(font_pixels(12.25f), 16);  // 16.33
}

TEST(SurfaceLookOfRow, TakesTheRowsColoursFillAndSize) {
    const SurfaceLook look = surface_look(*find_control({"campus_graph"}), colours::white);
    EXPECT_EQ(look.back, (Colour{0x00C0FFC0}));
    EXPECT_EQ(look.fore, (Colour{0x0000FFFF}));
    EXPECT_EQ(look.fill, colours::red);
    EXPECT_EQ(look.fill_style, FillStyle::solid);
    EXPECT_EQ(look.width_twips, 2652.0f);
    EXPECT_EQ(look.height_twips, 1092.0f);
}

TEST(SurfaceLookOfRow, ABackgroundLeftToTheSystemIsTheButtonFace) {
    const Colour face{0x00D4D0C8};
    EXPECT_EQ(surface_look(*find_control({"SpinButton1"}), face).back, face);
    EXPECT_EQ(surface_look(*find_control({"campus_ex"}), face).back, colours::white);
}

}  // namespace
}  // namespace quorvel
