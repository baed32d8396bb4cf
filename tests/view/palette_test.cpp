// The high-contrast palette holds every text at 4.5:1 and every line, bar, mark and frame
// at 3:1 against what is behind it, computed from the colours it shows; the program's
// own look stays as it was, and plots switch palette without being drawn again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>
#include <string>

#include "case_name.h"
#include "layout.h"
#include "palette.h"
#include "raster_canvas.h"

namespace quorvel {
namespace {

struct RatioCase {
    const char* name;
    Colour a;
    Colour b;
    double ratio;
};

void PrintTo(const RatioCase& c, std::ostream* out) {
    *out << c.name;
}

class ContrastRatio : public ::testing::TestWithParam<RatioCase> {};

// Known ratios from the WCAG definition, rounded to two decimals.
TEST_P(ContrastRatio, MatchesTheDefinition) {
    const RatioCase& c = GetParam();
    EXPECT_NEAR(contrast_ratio(c.a, c.b), c.ratio, 0.005);
    EXPECT_DOUBLE_EQ(contrast_ratio(c.a, c.b), contrast_ratio(c.b, c.a));
}

INSTANTIATE_TEST_SUITE_P(
    Wcag, ContrastRatio,
    ::testing::Values(RatioCase{"black_on_white", colours::black, colours::white, 21.0},
                      RatioCase{"same_colour", colours::red, colours::red, 1.0},
                      RatioCase{"red_on_white", colours::red, colours::white, 4.0},
                      RatioCase{"grey_767676_on_white", Colour{0x00767676}, colours::white, 4.54},
                      RatioCase{"blue_on_white", colours::blue, colours::white, 8.59},
                      RatioCase{"near_black_channel", Colour{0x00010101}, colours::black, 1.01}),
    testing::CaseName{});

std::string test_name(const ColourPair& pair, std::size_t index) {
    std::string name = std::to_string(index) + "_";
    for (const char c : pair.what) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

}  // namespace

// Shown by name and colours when a pair falls short.
void PrintTo(const ColourPair& pair, std::ostream* out) {
    const auto rgb = [](Colour c) {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red(), c.green(), c.blue());
        return std::string(text);
    };
    *out << pair.what << " " << rgb(pair.fore) << " on " << rgb(pair.back);
}

namespace {

class HighContrastPair : public ::testing::TestWithParam<ColourPair> {};

TEST_P(HighContrastPair, ReachesItsRatio) {
    const ColourPair& pair = GetParam();
    const double wanted = pair.kind == PairKind::text ? text_ratio : graphic_ratio;
    EXPECT_GE(contrast_ratio(pair.fore, pair.back), wanted) << ::testing::PrintToString(pair);
}

INSTANTIATE_TEST_SUITE_P(EveryShownPair, HighContrastPair,
                         ::testing::ValuesIn(shown_pairs(Palette::high_contrast)),
                         [](const auto& row) { return test_name(row.param, row.index); });

const ColourPair* pair_named(const std::vector<ColourPair>& pairs, const std::string& what) {
    const auto found = std::find_if(pairs.begin(), pairs.end(),
                                    [&](const ColourPair& p) { return p.what == what; });
    return found == pairs.end() ? nullptr : &*found;
}

// The pairs follow each label onto the face it really stands on: the program's own look
// keeps red text on the pale yellow and cyan frames below 4.5:1, which is what the
// high-contrast palette is for.
TEST(ShownPairs, FollowEachLabelToItsBackground) {
    struct Case {
        const char* what;
        Colour fore;
        Colour back;
    };
    const Case cases[] = {
        {"value_a(0)", colours::red, colours::light_yellow},  // transparent, on its frame
        {"Label20", colours::blue, Colour{0x00FFFF00}},       // on the spectrum's cyan frame
        {"Label26(10)", colours::blue, colours::white},       // a T mark, on its plot
        {"Label1", colours::black, face_colours(Palette::seed).face},  // opaque, system face
        {"Label15", colours::blue, colours::light_yellow},             // opaque, its own face
    };
    const auto pairs = shown_pairs(Palette::seed);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ColourPair* pair = pair_named(pairs, c.what);
        ASSERT_NE(pair, nullptr);
        EXPECT_EQ(pair->fore, c.fore);
        EXPECT_EQ(pair->back, c.back);
        EXPECT_EQ(pair->kind, PairKind::text);
    }
    EXPECT_LT(contrast_ratio(pair_named(pairs, "value_a(0)")->fore,
                             pair_named(pairs, "value_a(0)")->back),
              text_ratio);
}

// In the program's own look every label shows the colours its row asks for, and a canvas
// paints the very colours it is given, the two the high-contrast palette darkens included.
TEST(Palettes, TheSeedShowsEveryLabelInItsRowsColours) {
    const std::vector<ColourPair> pairs = shown_pairs(Palette::seed);
    int labels = 0;
    for (const ControlRow& row : layout_table()) {
        if (row.kind != ControlKind::label) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        const ColourPair* pair = pair_named(pairs, full_name(row.name));
        ASSERT_NE(pair, nullptr);
        EXPECT_EQ(pair->fore, row.fore.value_or(face_colours(Palette::seed).text));
        if (!row.transparent && row.back) {
            EXPECT_EQ(pair->back, *row.back);
        }
        ++labels;
    }
    EXPECT_GT(labels, 0);

    SurfaceLook look;
    look.width_twips = 4 * twips_per_pixel;
    look.height_twips = 4 * twips_per_pixel;
    RasterCanvas canvas(look);
    canvas.Scale({0.0f, 0.0f}, {4.0f, 4.0f});
    for (const Colour c : {colours::red, colours::green, colours::dark_orange}) {
        canvas.ForeColor(c);
        canvas.Line({0.0f, 1.0f}, {3.0f, 1.0f});
        EXPECT_EQ(canvas.pixel(2, 1), pixel_word(c)) << std::hex << c.bgr;
    }
}

// Darker, never another hue: a substitute keeps the channels its colour has, and lights
// none that it lacks.
TEST(Palettes, HighContrastKeepsTheHues) {
    for (const Colour c : {colours::red, colours::green, colours::blue, colours::black,
                           colours::dark_orange, colours::light_yellow, colours::white}) {
        const Colour shown = shown_colour(c, Palette::high_contrast);
        EXPECT_LE(shown.red(), c.red()) << std::hex << c.bgr;
        EXPECT_LE(shown.green(), c.green()) << std::hex << c.bgr;
        EXPECT_LE(shown.blue(), c.blue()) << std::hex << c.bgr;
        EXPECT_EQ(shown.red() == 0, c.red() == 0) << std::hex << c.bgr;
        EXPECT_EQ(shown.green() == 0, c.green() == 0) << std::hex << c.bgr;
        EXPECT_EQ(shown.blue() == 0, c.blue() == 0) << std::hex << c.bgr;
    }
}

TEST(Palettes, WordsReadBack) {
    for (const Palette p : {Palette::seed, Palette::high_contrast}) {
        EXPECT_EQ(palette_of_word(palette_word(p)), p);
    }
    EXPECT_EQ(palette_of_word("dark"), std::nullopt);
}

// A canvas switched to high contrast shows the same drawing in the palette's colours,
// and back again the very pixels it had.
TEST(Palettes, ACanvasRedrawsWhatItHoldsInThePalette) {
    SurfaceLook look;
    look.width_twips = 40 * twips_per_pixel;
    look.height_twips = 20 * twips_per_pixel;
    RasterCanvas canvas(look);
    canvas.Scale({0.0f, 0.0f}, {40.0f, 20.0f});
    canvas.Cls();
    canvas.ForeColor(colours::green);
    canvas.Line({0.0f, 10.0f}, {39.0f, 10.0f});
    const std::vector<std::uint32_t> seed(canvas.pixels(), canvas.pixels() + 40 * 20);
    const auto revision = canvas.revision();

    canvas.set_palette(Palette::high_contrast);
    EXPECT_GT(canvas.revision(), revision);
    EXPECT_EQ(canvas.pixel(5, 10),
              pixel_word(shown_colour(colours::green, Palette::high_contrast)));
    EXPECT_EQ(canvas.pixel(5, 2), pixel_word(colours::white));
    EXPECT_EQ(canvas.fore_color(), colours::green);

    canvas.Line({0.0f, 15.0f}, {39.0f, 15.0f});
    EXPECT_EQ(canvas.pixel(5, 15),
              pixel_word(shown_colour(colours::green, Palette::high_contrast)));

    canvas.set_palette(Palette::seed);
    EXPECT_EQ(canvas.pixel(5, 10), seed[10 * 40 + 5]);
    EXPECT_EQ(canvas.pixel(5, 15), pixel_word(colours::green));
}

}  // namespace
}  // namespace quorvel
